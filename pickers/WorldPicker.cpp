#include "pickers/WorldPicker.h"

#include "data/ClimateDb.h"
#include "platform/forms/Services.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace pickers {

WorldPicker::WorldPicker(const WorldRegion& region, OwnerAccess owner, Toggles& kept, MapAccess map)
    : StationPicker(region.design, region.labelToggle, region.markerToggle, std::move(owner), &kept),
      region_(region),
      map_(std::move(map)) {
    for (const WorldStation& s : region_.stations) wireStation(s.label, s.marker, [this, &s] { chooseStation(s); });
}

void WorldPicker::Form_Load() {
    if (map_) Image1.setPicture(map_());
}

void WorldPicker::chooseStation(const WorldStation& station) {
    StationOwner& owner = this->owner();
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
    handOver(owner);
}

}  // namespace pickers
