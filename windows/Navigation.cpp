#include "windows/Navigation.h"

#include "platform/forms/Services.h"
#include "platform/shell/Files.h"

#include <stdexcept>

namespace windows {
namespace {
Navigation* installed = nullptr;
}

Navigation& navigation() {
    if (!installed) throw std::logic_error("no navigation installed: the program's start-up sets it");
    return *installed;
}

void setNavigation(Navigation* n) { installed = n; }

Window chartWindow(Family family) {
    switch (family) {
    case Family::Hythergraph: return Window::Hythergraph;
    case Family::Climograph: return Window::Climograph;
    case Family::TwoGraph: return Window::TwoGraph;
    case Family::StepMode: return Window::StepMode;
    }
    throw std::logic_error("no such chart window");
}

void showSplash() {
    // Long enough for a window manager to map and expose a window; short enough that a
    // display where the splash never paints costs the start-up little.
    constexpr int kPaintWaitMs = 300;
    forms::Form& splash = navigation().form(Window::Splash);
    splash.Show();
    forms::DoEvents();
    if (navigation().isLoaded(Window::Splash)) splash.waitUntilPainted(kPaintWaitMs);
}

void unloadSplash() {
    if (navigation().isLoaded(Window::Splash)) navigation().form(Window::Splash).Unload();
}

void showFromMenu(forms::Form& owner, Window w, forms::Placement placement) {
    const forms::Form::BusyScope busy(owner);
    navigation().show(w, placement);
}

void openProgramPage() {
    const QString address = shell::fileUrl(forms::AppInfo::Path() + u'/' + kProgramPage);
    if (!forms::services().url->open(address))
        forms::MsgBox(QStringLiteral("ブラウザーで開けませんでした: ") + address, forms::vbExclamation);
}

void wireRegionMenus(forms::Form& owner, Family family) {
    static const char16_t* const japan[] = {u"select_hokkaido", u"select_touhok", u"select_kanto",  u"select_kinki",
                                            u"select_tyugok",   u"select_kyusyu", u"select_okinawa"};
    static const char16_t* const world[] = {u"W_Uro", u"W_Rossia", u"W_Asia", u"W_Afrika", u"W_N_America", u"W_S_America", u"W_Oceania"};
    for (int region = 1; region <= kRegions; ++region) {
        // Picks wait until the picker has loaded.
        owner.menu(QString::fromUtf16(japan[region - 1])).onClick = [&owner, family, region] {
            const forms::Form::BusyScope busy(owner);
            navigation().showJapanPicker(family, region);
        };
        owner.menu(QString::fromUtf16(world[region - 1])).onClick = [&owner, family, region] {
            const forms::Form::BusyScope busy(owner);
            navigation().showWorldPicker(family, region);
        };
    }
}

}  // namespace windows
