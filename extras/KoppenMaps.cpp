#include "extras/KoppenMaps.h"

#include "platform/forms/Services.h"
#include "platform/forms/Twips.h"

#include <algorithm>
#include <cmath>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

FormDesign KoppenMapWindow::design(const QString& name, const QString& picture, int widthPixels, int heightPixels) {
    FormDesign f;
    f.name = name;
    f.caption = u"ケッペン気候区分"_s;
    f.clientWidth = toTwips(widthPixels);
    f.clientHeight = toTwips(heightPixels);
    f.backColor = 0xFFFFFF;  // the map's own paper
    f.controls = {image(u"Image1"_s, 0, 0, f.clientWidth, f.clientHeight).pic(picture)};
    return f;
}

KoppenMapWindow::KoppenMapWindow(const QString& name, const QString& picture, int widthPixels, int heightPixels)
    : Form(design(name, picture, widthPixels, heightPixels)), map_(Image1.Picture()) {}

void KoppenMapWindow::Form_Load() {
    const double mapWidth = toTwips(map_.widthPixels());
    const double mapHeight = toTwips(map_.heightPixels());
    const double room = std::min(
        {1.0, (Screen().Width() * kScreenShare - frameWidth()) / mapWidth, (Screen().Height() * kScreenShare - frameHeight()) / mapHeight});
    const double scale = std::max(room, 0.1);
    setWidth(toTwips(static_cast<int>(std::round(map_.widthPixels() * scale))) + frameWidth());
    setHeight(toTwips(static_cast<int>(std::round(map_.heightPixels() * scale))) + frameHeight());
    fitMap();
}

void KoppenMapWindow::Form_Resize() { fitMap(); }

// The map as large as the client area allows, never larger than drawn, in the middle.
void KoppenMapWindow::fitMap() {
    const double scale =
        std::min({1.0, clientWidthTwips() / toTwips(map_.widthPixels()), clientHeightTwips() / toTwips(map_.heightPixels())});
    const int width = std::max(1, static_cast<int>(std::floor(map_.widthPixels() * scale)));
    const int height = std::max(1, static_cast<int>(std::floor(map_.heightPixels() * scale)));
    Image1.setPicture(scale < 1 ? shell::scaledPicture(map_, width, height) : map_);
    Image1.Move((clientWidthTwips() - toTwips(width)) / 2, (clientHeightTwips() - toTwips(height)) / 2);
}

Form111::Form111() : KoppenMapWindow(u"Form111"_s, u":/extras/maps/koppen_world.gif"_s, 2007, 1023) {}
Form112::Form112() : KoppenMapWindow(u"Form112"_s, u":/extras/maps/koppen_section.gif"_s, 1521, 1023) {}

}  // namespace extras
