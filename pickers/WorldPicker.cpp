#include "pickers/WorldPicker.h"

#include "data/ClimateDb.h"
#include "platform/forms/Services.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace pickers {

WorldPicker::WorldPicker(const WorldRegion& region, OwnerAccess owner, Toggles& kept, MapAccess map)
    : Form(region.design),
      Label_Hidden(kept.Label_Hidden),
      City_Hidden(kept.City_Hidden),
      region_(region),
      owner_(std::move(owner)),
      map_(std::move(map)) {
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    for (const WorldStation& s : region_.stations) {
        const auto choose = [this, &s] { chooseStation(s); };
        control<Label>(s.label).onClick = choose;
        // A marker's click is its station's label click.
        control<Image>(s.marker).onClick = choose;
    }
}

void WorldPicker::Form_Load() {
    if (map_) Image1.setPicture(map_());
}

void WorldPicker::chooseStation(const WorldStation& station) {
    StationOwner& owner = owner_();
    // Until the choice is done, further clicks here and menu picks in the owner wait.
    BusyScope busyHere(*this);
    BusyScope busyOwner(owner.ownerForm());

    // Open the database before the owner is touched: one that cannot be opened leaves
    // the owner on its previous station.
    std::shared_ptr<ado::Connection> connection;
    try {
        Open_Region_DB(connection);
    } catch (const std::exception& e) {
        MsgBox(u"地点のデータを開けません。\n"_s + QString::fromStdString(e.what()), vbExclamation);
        return;
    }
    owner.setStationName(station.name, station.pointSize);
    // The normal values of every world station lie in the normal-values table that the
    // owner already holds: no table of its own to open.
    owner.takeStationData(connection, nullptr);
    Apply_Station(owner, station);
}

void WorldPicker::Open_Region_DB(std::shared_ptr<ado::Connection>& connection) {
    connection = std::make_shared<ado::Connection>();
    connection->ConnectionString = data::connectionString(kWorldStationRegion);
    connection->Open(QString(), QString(), QString(), -1);
}

void WorldPicker::Apply_Station(StationOwner& owner, const WorldStation& station) {
    owner.resetForNewStation();
    owner.Command1_Click();
    owner.setRegion(kWorldStationRegion);
    // World stations have normal values only. Ticking the box switches the owner's mode
    // and no more: nothing of the station it showed before is looked up or drawn again.
    owner.setNormalValues(true);
    owner.setStationName(station.name);
    owner.setNormalValuesEnabled(false);
    Unload();  // the picker goes; the choice goes on
    owner.Heinen_Name();
    owner.DB_conect();
    owner.Hyouji();
    owner.Hyouji_Hyther();
    owner.Kion_Color();
}

void WorldPicker::toggle(int& hidden, CommandButton& button, const QStringList& controls, const QString& hideCaption,
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

void WorldPicker::Command1_Click() { toggle(Label_Hidden, Command1, region_.labelToggle, u"測候所名表示"_s, u"非表示"_s); }

void WorldPicker::Command2_Click() { toggle(City_Hidden, Command2, region_.markerToggle, u"都市表示"_s, u"都市非表示"_s); }

}  // namespace pickers
