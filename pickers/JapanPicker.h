#pragma once
// A Japan station picker: a choice opens the region's database (and, for single years,
// the station's table) and hands the station to the owner window. One class serves every
// region and every owner: the region's table and the owner are its parameters.

#include "pickers/StationPicker.h"
#include "pickers/tables/JapanRegions.h"

namespace pickers {

class JapanPicker : public StationPicker {
public:
    JapanPicker(const JapanRegion& region, OwnerAccess owner);

    void Form_Load() override;
    // The choice of a station, as its label's click makes it.
    void chooseStation(const PickerStation& station);

    const JapanRegion& region() const { return region_; }

    // Loads the region's map into Image1; a missing or unreadable picture is reported
    // and leaves the picker without its map.
    void loadMap();

private:
    void Open_Region_DB(std::shared_ptr<ado::Connection>& connection);
    void Apply_Station(StationOwner& owner);

    const JapanRegion& region_;
};

}  // namespace pickers
