#pragma once
// A world station picker: a choice opens the first database, whose normal values hold
// every world station, and hands the station to the owner window, which switches to
// normal values, keeps to them and draws it. One class serves every region and every
// owner: the region's table and the owner are its parameters.

#include "pickers/StationPicker.h"
#include "pickers/tables/WorldRegions.h"
#include "platform/shell/Picture.h"

namespace pickers {

class WorldPicker : public StationPicker {
public:
    // The picture that a picker shows when it has none of its own: the map of the main
    // window's picker of the region, for the two-graph window's pickers.
    using MapAccess = std::function<const shell::Picture&()>;

    // The flags of the two buttons belong to the window, not to its controls: a picker
    // that shows again is built anew from its design, and its buttons go on from the
    // flags it had. `kept` must outlive every load of the window.
    WorldPicker(const WorldRegion& region, OwnerAccess owner, Toggles& kept, MapAccess map = {});

    void Form_Load() override;
    // The choice of a station, as its label's click makes it.
    void chooseStation(const WorldStation& station);

    const WorldRegion& region() const { return region_; }

private:
    void Open_Region_DB(std::shared_ptr<ado::Connection>& connection);
    void Apply_Station(StationOwner& owner, const WorldStation& station);

    const WorldRegion& region_;
    MapAccess map_;
};

}  // namespace pickers
