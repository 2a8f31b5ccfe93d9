#pragma once
// A Japan station picker: the region's map with a label and a marker for each station.
// A click on either hands the station to the owner window, which draws it; two buttons
// hide and show the labels and the markers. One class serves every region and every
// owner: the region's table and the owner are its parameters.

#include "pickers/StationOwner.h"
#include "pickers/tables/JapanRegions.h"

#include <functional>

namespace pickers {

class JapanPicker : public forms::Form {
public:
    using OwnerAccess = std::function<StationOwner&()>;

    JapanPicker(const JapanRegion& region, OwnerAccess owner);

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    // The choice of a station, as its label's click makes it.
    void chooseStation(const PickerStation& station);

    const JapanRegion& region() const { return region_; }
    forms::Image& Image1{control<forms::Image>(QStringLiteral("Image1"))};
    forms::CommandButton& Command1{control<forms::CommandButton>(QStringLiteral("Command1"))};
    forms::CommandButton& Command2{control<forms::CommandButton>(QStringLiteral("Command2"))};

    int Label_Hidden = 0;
    int City_Hidden = 0;

    // Loads the region's map into Image1; a missing or unreadable picture is reported
    // and leaves the picker without its map.
    void loadMap();

private:
    void Open_Region_DB(std::shared_ptr<ado::Connection>& connection);
    void Apply_Station(StationOwner& owner);
    void toggle(int& hidden, forms::CommandButton& button, const QStringList& controls, const QString& hideCaption,
                const QString& showCaption);

    const JapanRegion& region_;
    OwnerAccess owner_;
};

}  // namespace pickers
