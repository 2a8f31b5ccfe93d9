#include "pickers/JapanPicker.h"

#include "data/ClimateDb.h"
#include "platform/forms/Services.h"
#include "platform/shell/Picture.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace pickers {
JapanPicker::JapanPicker(const JapanRegion& region, OwnerAccess owner)
    : StationPicker(region.design, region.labelToggle, region.markerToggle, std::move(owner)), region_(region) {
    for (const PickerStation& s : region_.stations) wireStation(s.label, s.marker, [this, &s] { chooseStation(s); });
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
    StationOwner& owner = this->owner();
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
    handOver(owner);
}

}  // namespace pickers
