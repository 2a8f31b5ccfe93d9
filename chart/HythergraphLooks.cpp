#include "chart/HythergraphLooks.h"

#include "chart/ColourSchemes.h"

#include <initializer_list>
#include <optional>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace chart {
namespace {

constexpr Color kText = kSysButtonText;

void paintAll(const Form& w, std::initializer_list<const char16_t*> names, std::optional<Color> back, std::optional<Color> fore) {
    for (const char16_t* name : names) paint(w.control<Control>(QString::fromUtf16(name)), back, fore);
}

}  // namespace

void setBackColorKeepingChart(Form& w, Color c) {
    std::vector<DrawOp> kept = w.drawing();
    w.setBackColor(c);
    if (w.drawing().size() != kept.size()) w.restoreDrawing(std::move(kept));
}

void hythergraphGround(Form& w, Color c) {
    setBackColorKeepingChart(w, c);
    paintAll(w, {u"Label9", u"Label11", u"Label16", u"Label17", u"Label14", u"CheckBox1", u"Check2"}, c, std::nullopt);
    const ControlArray<Label> axisTemps = w.controls<Label>(u"Label12"_s);
    const ControlArray<Label> axisRains = w.controls<Label>(u"Label13"_s);
    for (int i = 0; i <= 6; ++i) {
        axisTemps(i).setBackColor(c);
        axisRains(i).setBackColor(c);
    }
}

void hythergraphBlackAndWhite(Form& w) {
    setBackColorKeepingChart(w, kWhite);
    paintAll(w, {u"Label9", u"Label11", u"Label14", u"Check2"}, kWhite, kText);
    paintAll(w, {u"Label16", u"Label17", u"CheckBox1", u"Label54"}, kWhite, std::nullopt);
    const ControlArray<Label> axisTemps = w.controls<Label>(u"Label12"_s);
    const ControlArray<Label> axisRains = w.controls<Label>(u"Label13"_s);
    for (int i = 0; i <= 6; ++i) {
        paint(axisTemps(i), kWhite, kText);
        paint(axisRains(i), kWhite, kText);
    }
    paintAll(w,
             {u"Label29", u"Label53", u"Label5", u"Label6", u"Label10", u"Label25", u"Label23", u"Label24", u"Label26", u"Label27",
              u"Label38", u"Label20", u"Label21", u"Label22", u"Label39", u"Label8"},
             kWhite, kText);
    paintAll(w, {u"Label1", u"Label19"}, std::nullopt, kText);
    const ControlArray<Label> rowCaptions = w.controls<Label>(u"lblLabels"_s);
    for (int i = 3; i <= 15; ++i) paint(rowCaptions(i), kWhite, kText);
    const ControlArray<Label> temps = w.controls<Label>(u"Label2"_s);
    const ControlArray<Label> rains = w.controls<Label>(u"Label3"_s);
    const ControlArray<Label> monthNumbers = w.controls<Label>(u"Label28"_s);
    for (int i = 1; i <= 13; ++i) {
        paint(temps(i), kWhite, kText);
        paint(rains(i), kWhite, kText);
        paint(monthNumbers(i), std::nullopt, kText);
    }
}

void hythergraphColours(Form& w) {
    setBackColorKeepingChart(w, kPale);
    paintAll(w, {u"Label9", u"Label14"}, kPale, 0x4000);
    paintAll(w, {u"Label11"}, kPale, 0x80);
    paintAll(w, {u"Label16", u"Label17", u"CheckBox1"}, kPale, std::nullopt);
    paintAll(w, {u"Check2"}, kPale, 0x40);
    const ControlArray<Label> axisTemps = w.controls<Label>(u"Label12"_s);
    const ControlArray<Label> axisRains = w.controls<Label>(u"Label13"_s);
    for (int i = 0; i <= 6; ++i) {
        paint(axisTemps(i), kPale, i <= 3 ? 0x40 : 0x800000);
        paint(axisRains(i), kPale, 0x4000);
    }
    paintAll(w, {u"Label29"}, 0xC0FFC0, 0x4000);
    paintAll(w, {u"Label53"}, 0xC0C0FF, 0x800000);
    paintAll(w, {u"Label5"}, 0xC0FFFF, 0x80);
    paintAll(w, {u"Label6"}, 0xC0FFFF, 0x4000);
    paintAll(w, {u"Label10"}, 0xC0FFFF, kText);
    paintAll(w, {u"Label25", u"Label23", u"Label24", u"Label26", u"Label27", u"Label38"}, 0xFFC0FF, kText);
    paintAll(w, {u"Label54"}, 0xFFC0FF, std::nullopt);
    paintAll(w, {u"Label1", u"Label20", u"Label21", u"Label22"}, std::nullopt, 0x800000);
    paintAll(w, {u"Label39"}, std::nullopt, 0xFF00FF);
    paintAll(w, {u"Label19"}, std::nullopt, 0xFF0000);
    const ControlArray<Label> rowCaptions = w.controls<Label>(u"lblLabels"_s);
    const ControlArray<Shape> markers = w.controls<Shape>(u"Shape3"_s);
    for (int m = 1; m <= 12; ++m) {
        paint(rowCaptions(kMonthRows[m].caption), 0xC0FFFF, kMonthRows[m].captionFore);
        markers(m).setBackColor(kMonthRows[m].marker);
        markers(m).setBorderColor(kMonthRows[m].marker);
    }
    paint(rowCaptions(kYearRowCaption), 0xC0FFFF, 0x4000);
    const ControlArray<Label> temps = w.controls<Label>(u"Label2"_s);
    const ControlArray<Label> rains = w.controls<Label>(u"Label3"_s);
    const ControlArray<Label> monthNumbers = w.controls<Label>(u"Label28"_s);
    for (int i = 1; i <= 13; ++i) {
        paint(temps(i), std::nullopt, 0xC0);
        paint(rains(i), std::nullopt, 0x4000);
        paint(monthNumbers(i), std::nullopt, 0x4000);
    }
    paintAll(w, {u"Label8"}, 0xFFFFC0, kText);
}

void showMonthNumbers(Form& w, bool shown) {
    const ControlArray<Label> numbers = w.controls<Label>(u"Label28"_s);
    for (int i = 1; i <= 12; ++i) numbers(i).setVisible(shown);
}

void changePrecipitationScale(Form& w, HytherState& state, bool changed) {
    w.Cls();
    state.Rain_Scale = changed ? 22 : 11;
    state.Temp_Scale = 110;
    const ControlArray<Label> ticks = w.controls<Label>(u"Label13"_s);
    for (int i = 1; i <= 6; ++i) ticks(i).setCaption(QString::number((changed ? 50 : 100) * i));
}

void setPointSize(Form& w, HytherState& state, PointSize size) {
    struct Look {
        const char16_t* item;
        int width;
        double dx, dy, side;
    };
    static constexpr Look kLooks[] = {
        {u"Point_Very_Big", 12, 90, 75, 180},
        {u"Point_Big", 8, 60, 45, 120},
        {u"Point_Mid", 6, 45, 30, 90},
        {u"Point_Mini", 4, 30, 15, 60},
    };
    const Look& look = kLooks[static_cast<int>(size)];
    state.Point_Width = look.width;
    state.Mark_DX = look.dx;
    state.Mark_DY = look.dy;
    const ControlArray<Shape> markers = w.controls<Shape>(u"Shape3"_s);
    for (int i = 1; i <= 12; ++i) {
        markers(i).setWidth(look.side);
        markers(i).setHeight(look.side);
    }
    for (const Look& l : kLooks) w.menu(QString::fromUtf16(l.item)).setChecked(&l == &look);
}

}  // namespace chart
