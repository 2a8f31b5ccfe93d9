// What the input windows show of their texts, on painted pixels: a text is whole when the
// ink the window paints for it is as wide as the same text painted on its own.
#include "input/Hyser_Input.h"
#include "input/Uonz_Input.h"
#include "platform/forms/Twips.h"
#include "tests/input/InputWindowFixture.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <optional>

using namespace forms;
using namespace input;
using namespace testing_support;
using namespace Qt::Literals::StringLiterals;

namespace {

// The columns from the first to the last that hold a pixel of the ink colour, in a
// rectangle of a picture.
struct Ink {
    int left = 0, right = -1;
    int width() const { return right - left + 1; }
};

std::optional<Ink> inkIn(const QImage& picture, const QRect& area, const std::function<bool(QColor)>& isInk) {
    std::optional<Ink> ink;
    const QRect r = area.intersected(picture.rect());
    for (int x = r.left(); x <= r.right(); ++x) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            if (!isInk(QColor(picture.pixel(x, y)))) continue;
            if (!ink) ink = Ink{x, x};
            ink->right = x;
            break;
        }
    }
    return ink;
}

// Ink that leans to a colour: the anti-aliased edges of a glyph lie between it and the
// background.
std::function<bool(QColor)> near(QColor colour) {
    return [colour](QColor c) {
        return std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) + std::abs(c.blue() - colour.blue()) < 200;
    };
}

// The width of the ink of a text painted on its own, in black on white, in a font.
int wholeInkWidth(const FontDesign& font, const QString& text, QColor colour) {
    QImage page(1200, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        p.setFont(toQFont(font));
        p.setPen(colour);
        p.drawText(QPoint(100, 200), text);
    }
    const std::optional<Ink> ink = inkIn(page, page.rect(), near(colour));
    return ink ? ink->width() : 0;
}

QRect pixelRect(const Control& c) { return QRect(toPixels(c.Left()), toPixels(c.Top()), toPixels(c.Width()), toPixels(c.Height())); }

class LayoutTest : public InputWindowFixture {};

TEST_F(LayoutTest, TheYearBoxShowsAYearWithItsCaptionWhole) {
    const std::pair<const char*, InputWindow* (*)()> windows[] = {
        {"hythergraph", [] { return static_cast<InputWindow*>(&instance<Hyser_Input>()); }},
        {"climograph", [] { return static_cast<InputWindow*>(&instance<Uonz_Input>()); }},
    };
    for (const auto& [name, open] : windows) {
        SCOPED_TRACE(name);
        InputWindow& w = *open();
        for (const QString& year : {u"2020年"_s, u"1999年"_s}) {
            SCOPED_TRACE(year.toStdString());
            w.Text2.setText(year);
            const QColor colour = toQColor(w.Text2.ForeColor());
            const std::optional<Ink> ink = inkIn(w.grabClient(), pixelRect(w.Text2), near(colour));
            ASSERT_TRUE(ink);
            EXPECT_GE(ink->width(), wholeInkWidth(w.Text2.Font(), year, colour) - 1);
        }
        w.Unload();
    }
}

// 目盛変更 puts four-digit captions where three-digit ones stood, next to the window's edge.
TEST_F(LayoutTest, TheClimographsRightAxisShowsEveryCaptionWholeWithAndWithout目盛変更) {
    Uonz_Input& w = instance<Uonz_Input>();
    for (const bool halved : {true, false}) {
        SCOPED_TRACE(halved ? "目盛変更" : "back");
        w.CheckBox4.click();
        ASSERT_EQ(w.CheckBox4.Value(), halved);
        const QImage shown = w.grabClient();
        for (int i = 1; i <= 6; ++i) {
            const Label& caption = w.Label13(i);
            SCOPED_TRACE(caption.Caption().toStdString());
            const QColor colour = toQColor(caption.ForeColor());
            // Its row, from its left edge to the window's right edge: the frame of the chart
            // lies left of it.
            const QRect row(toPixels(caption.Left()), toPixels(caption.Top()), shown.width(), toPixels(caption.Height()));
            const std::optional<Ink> ink = inkIn(shown, row, near(colour));
            ASSERT_TRUE(ink);
            EXPECT_GE(ink->width(), wholeInkWidth(caption.Font(), caption.Caption(), colour) - 1);
            EXPECT_LT(ink->right, shown.width() - 1) << "within the window";
        }
    }
}

}  // namespace
