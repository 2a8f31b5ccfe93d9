#include "pickers/JapanPicker.h"

#include "data/ClimateDb.h"
#include "platform/forms/Services.h"
#include "platform/shell/Picture.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace pickers {
JapanPicker::JapanPicker(const JapanRegion& region, OwnerAccess owner) : Form(region.design), region_(region), owner_(std::move(owner)) {
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    for (const PickerStation& s : region_.stations) {
        const auto choose = [this, &s] { chooseStation(s); };
        control<Label>(s.label).onClick = choose;
        // A marker's click is its station's label click.
        control<Image>(s.marker).onClick = choose;
    }
}

void JapanPicker::Form_Load() {
    if (!region_.mapLoadedByOwner && !region_.mapFile.isEmpty()) loadMap();
}

void JapanPicker::loadMap() {
    try {
        Image1.setPicture(shell::LoadPicture(region_.mapFile));
    } catch (const std::exception& e) {
        MsgBox(u"地図を表示できません。\n"_s + QString::fromStdString(e.what()), vbExclamation);
    }
}

void JapanPicker::chooseStation(const PickerStation& station) {
    StationOwner& owner = owner_();
    // Until the choice is done, further clicks here and menu picks in the owner wait.
    BusyScope busyHere(*this);
    BusyScope busyOwner(owner.ownerForm());

    // Open what the choice needs before the owner is touched: a database or table that
    // cannot be opened leaves the owner on its previous station.
    std::shared_ptr<ado::Connection> connection;
    std::shared_ptr<ado::Recordset> recordset;
    try {
        Open_Region_DB(connection);
        if (!owner.showsNormalValues()) {
            recordset = std::make_shared<ado::Recordset>();
            recordset->Open(station.table, connection, ado::adOpenStatic, -1, -1);
        }
    } catch (const std::exception& e) {
        MsgBox(u"地点のデータを開けません。\n"_s + QString::fromStdString(e.what()), vbExclamation);
        return;
    }
    owner.setStationName(station.name);
    owner.takeStationData(connection, recordset);
    Apply_Station(owner);
}

void JapanPicker::Open_Region_DB(std::shared_ptr<ado::Connection>& connection) {
    if (region_.letsEventsRun) DoEvents();
    connection = std::make_shared<ado::Connection>();
    connection->ConnectionString = data::connectionStringFor(region_.dbFile);
    connection->Open(QString(), QString(), QString(), -1);
}

void JapanPicker::Apply_Station(StationOwner& owner) {
    owner.resetForNewStation();
    owner.Command1_Click();
    owner.setRegion(region_.region);
    owner.setNormalValuesEnabled(true);
    Unload();  // the picker goes; the choice goes on
    owner.Heinen_Name();
    owner.DB_conect();
    owner.Hyouji();
    owner.Hyouji_Hyther();
    owner.Kion_Color();
}

void JapanPicker::toggle(int& hidden, CommandButton& button, const QStringList& controls, const QString& hideCaption,
                         const QString& showCaption) {
    bool show;
    if (hidden == 0) {
        hidden = 1;
        button.setCaption(hideCaption);
        show = false;
    } else if (hidden == 1) {
        hidden = 0;
        button.setCaption(showCaption);
        show = true;
    } else {
        return;
    }
    for (const QString& name : controls) {
        if (Control* c = find(name, -1)) c->setVisible(show);
    }
}

void JapanPicker::Command1_Click() { toggle(Label_Hidden, Command1, region_.labelToggle, u"測候所名表示"_s, u"非表示"_s); }

void JapanPicker::Command2_Click() { toggle(City_Hidden, Command2, region_.markerToggle, u"都市表示"_s, u"都市非表示"_s); }

}  // namespace pickers
