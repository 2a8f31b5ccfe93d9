#include "pickers/tables/WorldBuilder.h"

#include "pickers/tables/RegionBuilder.h"

#include <algorithm>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

namespace {

constexpr forms::Color kWhite = 0xFFFFFF;
constexpr forms::Color kInstructionText = 0x4000;
constexpr forms::Color kCreditText = 0xFF;
constexpr forms::Color kStationText = 0x80;
constexpr forms::Color kStationBack = 0xC0FFC0;  // stored, never drawn: the labels are transparent
constexpr double kMarkerSide = 240;              // the 16-pixel marker picture
constexpr double kChosenType = 24;
constexpr double kSmallerType = 20;

forms::ControlDesign worldMarker(const WorldRow& row) {
    return forms::image(row.marker, row.markerLeft, row.markerTop, kMarkerSide, kMarkerSide).pic(worldMarkerResource());
}

}  // namespace

forms::ControlDesign creditLine(const QString& name, double left, double top) {
    return forms::label(name, left, top, 5895, 285)
        .caption_(u"地図：Made with Natural Earth（パブリックドメイン）"_s)
        .fore(kCreditText)
        .transparent()
        .font(forms::kPGothic, 11.25);
}

forms::ControlDesign worldLabel(const WorldRow& row) {
    return forms::label(row.label, row.left, row.top, row.width, row.height)
        .caption_(row.name)
        .back(kStationBack)
        .fore(kStationText)
        .transparent()
        .font(forms::kPGothic, 12, true)
        .center();
}

WorldRegion assembleWorld(WorldDesign d) {
    WorldRegion region;
    region.area = d.area;
    region.family = d.family;
    region.window = d.window;
    region.mapPicture = d.mapPicture;
    region.mapFromHythergraphPicker = d.family == Family::TwoGraph;
    region.design = pickerWindow(d.window, u"データ選択"_s, 15240, 10650);
    region.design.icon = u":/maps/world_icon.gif"_s;

    forms::ControlDesign map = forms::image(u"Image1"_s, 60, 750, d.mapWidth, 9615).border();
    map.stretch = d.mapStretched;
    if (d.mapInDesign) map.picture = d.mapPicture;

    std::vector<forms::ControlDesign> controls = {
        std::move(map),
        forms::label(u"Label13"_s, 4560, 120, 5775, 375)
            .caption_(u"測候所、または都市名をクリックしてください"_s)
            .back(kWhite)
            .fore(kInstructionText)
            .border()
            .center()
            .font(forms::kPGothic, 14.25),
        labelButton(240, 120, 2055, 375, u"ラベル非表示"_s),
        markerButton(2580, 120, 1695, 375),
    };

    // From the bottom up; assemble() wants the stack from the top down.
    QStringList stack = {u"Image1"_s};
    QStringList lines;
    for (auto& c : d.fixed) {
        (c.kind == forms::Kind::Line ? lines : stack) << c.name;
        controls.push_back(std::move(c));
    }
    stack << lines;
    // The small markers lie above the labels, so that a label that reaches over another
    // station's marker cannot swallow it.
    for (const WorldRow& row : d.rows) {
        controls.push_back(worldLabel(row));
        stack << row.label;
        region.stations.push_back({row.label, row.name, row.marker, row.label == d.smallerType ? kSmallerType : kChosenType});
    }
    for (const WorldRow& row : d.rows) {
        controls.push_back(worldMarker(row));
        stack << row.marker;
    }
    stack << u"Label13"_s << u"Command1"_s << u"Command2"_s;
    std::reverse(stack.begin(), stack.end());

    // assemble() stacks any picker's controls and checks that each is named once; the
    // Japan region it fills only lends its design.
    JapanRegion stacked;
    assemble(stacked, std::move(controls), {}, {}, stack);
    region.design.controls = std::move(stacked.design.controls);

    region.labelToggle = std::move(d.labelToggle);
    region.markerToggle = std::move(d.markerToggle);
    return region;
}

forms::ControlDesign& worldControl(WorldRegion& region, const QString& name) {
    auto& controls = region.design.controls;
    const auto it = std::find_if(controls.begin(), controls.end(), [&name](const forms::ControlDesign& c) { return c.name == name; });
    if (it == controls.end()) throw std::logic_error((u"no control "_s + name).toStdString());
    return *it;
}

// The names are given in the order the tables list the families: the main window's, the
// two-graph, the climograph and the step-mode window's.
QString windowOf(Family family, const char16_t* const (&names)[4]) {
    switch (family) {
    case Family::Hythergraph: return QString::fromUtf16(names[0]);
    case Family::TwoGraph: return QString::fromUtf16(names[1]);
    case Family::Climograph: return QString::fromUtf16(names[2]);
    case Family::StepMode: break;
    }
    return QString::fromUtf16(names[3]);
}

}  // namespace pickers::detail
