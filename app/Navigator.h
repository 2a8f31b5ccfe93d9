#pragma once
// The program's navigation: the one place that knows every window's class.

#include "windows/Navigation.h"

namespace app {

class Navigator final : public windows::Navigation {
public:
    forms::Form& form(windows::Window w) override;
    bool isLoaded(windows::Window w) const override;
    void show(windows::Window w, forms::Placement placement) override;
    void showJapanPicker(windows::Family family, int region) override;
    void showWorldPicker(windows::Family family, int region) override;
};

// Installs the program's navigation (once; later calls do nothing).
void installNavigation();

}  // namespace app
