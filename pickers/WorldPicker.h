#pragma once
// A world station picker: the region's map with a label and a marker for each station.
// A click on either hands the station to the owner window, which switches to normal
// values, keeps to them and draws it; two buttons hide and show the labels and the
// markers. One class serves every region and every owner: the region's table and the
// owner are its parameters.

#include "pickers/StationOwner.h"
#include "pickers/tables/WorldRegions.h"
#include "platform/shell/Picture.h"

#include <functional>

namespace pickers {

class WorldPicker : public forms::Form {
public:
    using OwnerAccess = std::function<StationOwner&()>;
    // The picture that a picker shows when it has none of its own: the map of the main
    // window's picker of the region, for the two-graph window's pickers.
    using MapAccess = std::function<const shell::Picture&()>;

    // The two buttons' flags. They belong to the window, not to its controls: a picker
    // that shows again is built anew from its design, and its buttons go on from the
    // flags it had.
    struct Toggles {
        int Label_Hidden = 0;
        int City_Hidden = 0;
    };

    // `kept` must outlive every load of the window (see keptToggles).
    WorldPicker(const WorldRegion& region, OwnerAccess owner, Toggles& kept, MapAccess map = {});

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    // The choice of a station, as its label's click makes it.
    void chooseStation(const WorldStation& station);

    const WorldRegion& region() const { return region_; }
    forms::Image& Image1{control<forms::Image>(QStringLiteral("Image1"))};
    forms::CommandButton& Command1{control<forms::CommandButton>(QStringLiteral("Command1"))};
    forms::CommandButton& Command2{control<forms::CommandButton>(QStringLiteral("Command2"))};

    int& Label_Hidden;
    int& City_Hidden;

private:
    void Open_Region_DB(std::shared_ptr<ado::Connection>& connection);
    void Apply_Station(StationOwner& owner, const WorldStation& station);
    void toggle(int& hidden, forms::CommandButton& button, const QStringList& controls, const QString& hideCaption,
                const QString& showCaption);

    const WorldRegion& region_;
    OwnerAccess owner_;
    MapAccess map_;
};

// The flags of the window class W, kept for as long as the program runs.
template <class W>
WorldPicker::Toggles& keptToggles() {
    static WorldPicker::Toggles toggles;
    return toggles;
}

}  // namespace pickers
