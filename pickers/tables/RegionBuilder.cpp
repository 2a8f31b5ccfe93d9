#include "pickers/tables/RegionBuilder.h"

#include <QHash>

#include <algorithm>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

namespace {

constexpr forms::Color kWindowBack = 0xE4EFEF;
constexpr forms::Color kWhite = 0xFFFFFF;
constexpr forms::Color kStationText = 0x8000;

double markerTwips(Marker m) {
    switch (m) {
    case Marker::Ring16:
    case Marker::Dot16:
    case Marker::SmallDot16: return 240;  // 16 pixels
    case Marker::Dot31:
    case Marker::WideDot31: return 465;  // 31 pixels
    }
    return 0;
}

[[noreturn]] void fail(const QString& what) { throw std::logic_error(what.toStdString()); }

}  // namespace

forms::FormDesign pickerWindow(const QString& name, const QString& caption, double width, double height) {
    forms::FormDesign form;
    form.name = name;
    form.caption = caption;
    form.clientWidth = width;
    form.clientHeight = height;
    form.backColor = kWindowBack;
    form.borderStyle = forms::BorderStyle::Sizable;
    form.minButton = true;
    form.maxButton = false;
    form.icon = u":/icons/picker.gif"_s;
    return form;
}

forms::ControlDesign labelButton(double l, double t, double w, double h, const QString& caption) {
    return forms::button(u"Command1"_s, l, t, w, h).caption_(caption).font(forms::kPGothic, 12).tab(0);
}

forms::ControlDesign markerButton(double l, double t, double w, double h) {
    return forms::button(u"Command2"_s, l, t, w, h).caption_(u"都市非表示"_s).font(forms::kPGothic, 12).tab(1);
}

forms::ControlDesign instruction(double l, double t, double w, double h) {
    return forms::label(u"Label1"_s, l, t, w, h)
        .caption_(u" 測候所、または都市名をクリックしてください"_s)
        .back(kWhite)
        .fore(forms::kSysButtonText)
        .border()
        .font(forms::kPGothic, 12);
}

forms::ControlDesign mapImage(double l, double t, double w, double h) { return forms::image(u"Image1"_s, l, t, w, h).stretched().border(); }

forms::ControlDesign stationLabel(const StationRow& row, forms::Color back, const QString& face) {
    return forms::label(row.label, row.left, row.top, row.width, row.height)
        .caption_(row.name)
        .back(back)
        .fore(kStationText)
        .font(face, 12, true)
        .center();
}

forms::ControlDesign stationMarker(const StationRow& row) {
    const double side = markerTwips(row.picture);
    return forms::image(row.marker, row.markerLeft, row.markerTop, side, side).pic(markerResource(row.picture));
}

QStringList run(const QString& prefix, int from, int to) {
    QStringList names;
    const int step = from <= to ? 1 : -1;
    for (int n = from;; n += step) {
        names << prefix + QString::number(n);
        if (n == to) break;
    }
    return names;
}

void assemble(JapanRegion& region, std::vector<forms::ControlDesign> fixed, const std::vector<StationRow>& rows,
              const std::function<forms::ControlDesign(const StationRow&)>& labelOf, const QStringList& stackTopDown) {
    QHash<QString, forms::ControlDesign> byName;
    const auto add = [&byName](forms::ControlDesign c) {
        if (byName.contains(c.name)) fail(u"control named twice: "_s + c.name);
        byName.insert(c.name, std::move(c));
    };
    for (auto& c : fixed) add(std::move(c));
    for (const auto& row : rows) {
        add(labelOf(row));
        add(stationMarker(row));
        region.stations.push_back({row.label, row.name, row.table, row.marker, row.picture});
    }

    auto& controls = region.design.controls;
    for (auto it = stackTopDown.crbegin(); it != stackTopDown.crend(); ++it) {
        const auto found = byName.find(*it);
        if (found == byName.end()) fail(u"not a control, or stacked twice: "_s + *it);
        controls.push_back(std::move(found.value()));
        byName.erase(found);
    }
    if (!byName.isEmpty()) fail(u"not stacked: "_s + byName.keys().join(u", "_s));
}

forms::ControlDesign& control(JapanRegion& region, const QString& name) {
    auto& controls = region.design.controls;
    const auto it = std::find_if(controls.begin(), controls.end(), [&name](const forms::ControlDesign& c) { return c.name == name; });
    if (it == controls.end()) fail(u"no control "_s + name);
    return *it;
}

}  // namespace pickers::detail
