#pragma once
// What every station picker is: a region's map with a label and a marker for each
// station, a click on either choosing the station for the owner window, and two buttons
// that hide and show the labels and the markers. The Japan and the world pickers differ
// only in what a choice opens and hands over.

#include "pickers/StationOwner.h"
#include "platform/forms/Form.h"

#include <functional>

namespace pickers {

class StationPicker : public forms::Form {
public:
    using OwnerAccess = std::function<StationOwner&()>;

    // The two buttons' flags: 1 while what the button toggles is hidden.
    struct Toggles {
        int Label_Hidden = 0;
        int City_Hidden = 0;
    };

    void Command1_Click();  // the station names
    void Command2_Click();  // the markers

    forms::Image& Image1{control<forms::Image>(QStringLiteral("Image1"))};
    forms::CommandButton& Command1{control<forms::CommandButton>(QStringLiteral("Command1"))};
    forms::CommandButton& Command2{control<forms::CommandButton>(QStringLiteral("Command2"))};

protected:
    // `kept`, when given, holds the flags beyond the window's unloading and must outlive
    // every load of it; otherwise each load starts with everything shown.
    StationPicker(const forms::FormDesign& design, const QStringList& labelToggle, const QStringList& markerToggle, OwnerAccess owner,
                  Toggles* kept = nullptr);

    // A station's label and its marker both choose it.
    void wireStation(const QString& label, const QString& marker, const std::function<void()>& choose);
    StationOwner& owner() const { return owner_(); }
    // The end of every choice: the picker goes, and the owner looks the station up, binds,
    // finds and draws it.
    void handOver(StationOwner& owner);

private:
    void toggle(int& hidden, forms::CommandButton& button, const QStringList& controls, const QString& hideCaption,
                const QString& showCaption);

    QStringList labelToggle_, markerToggle_;
    OwnerAccess owner_;
    Toggles own_;

public:
    int& Label_Hidden;
    int& City_Hidden;
};

}  // namespace pickers
