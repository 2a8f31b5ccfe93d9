// The looks (colour, black and white, pale and white backgrounds) and the print items.
#include "chart/Hythergraph.h"
#include "input/Hyser_Input.h"
#include "input/Uonz_Input.h"
#include "tests/input/InputWindowFixture.h"
#include "tests/support/ChartPixels.h"

#include <algorithm>

using namespace forms;
using namespace input;
using namespace testing_support;
using namespace Qt::Literals::StringLiterals;
using testing_support::colourName;
using testing_support::shownAt;

namespace {

constexpr Color kPale = 0xE4EFEF;
constexpr Color kWhite = 0xFFFFFF;

class LooksTest : public InputWindowFixture {
protected:
    Hyser_Input& open() {
        Hyser_Input& w = instance<Hyser_Input>();
        typeYear(w, kTemps, kRains);
        return w;
    }
    static bool paleEnabled(const Hyser_Input& w) { return w.menu(u"View_gray"_s).Enabled(); }
    static bool whiteEnabled(const Hyser_Input& w) { return w.menu(u"View_White"_s).Enabled(); }
    static std::size_t pointsIn(const Form& w, Color colour) {
        return static_cast<std::size_t>(
            std::count_if(w.drawing().begin(), w.drawing().end(), [&](const DrawOp& op) { return op.color == colour; }));
    }
};

TEST_F(LooksTest, EachItemSetsTheBackgroundAndTheTwoBackgroundItemsAsTheTableSays) {
    struct Case {
        const char* item;
        Color back;
        std::optional<bool> paleEnabled;  // empty: as it was
        std::optional<bool> whiteEnabled;
    };
    const Case cases[] = {
        {"View_White", kWhite, true, false},  {"View_Color", kPale, std::nullopt, std::nullopt},
        {"View_gray", kPale, false, true},    {"View_BKWT", kWhite, std::nullopt, std::nullopt},
        {"Print_White", kWhite, true, false}, {"Print_Black_White", kWhite, std::nullopt, std::nullopt},
        {"Print_Gray", kPale, false, true},   {"Cap_White", kWhite, true, false},
        {"Cap_Gray", kPale, false, true},
    };
    Hyser_Input& w = open();
    EXPECT_FALSE(paleEnabled(w));
    EXPECT_TRUE(whiteEnabled(w));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const bool pale = paleEnabled(w);
        const bool white = whiteEnabled(w);
        w.menu(QString::fromLatin1(c.item)).click();
        EXPECT_EQ(w.BackColor(), c.back);
        EXPECT_EQ(w.Label9.BackColor(), c.back) << "the transparent captions follow";
        EXPECT_EQ(w.Label13(6).BackColor(), c.back);
        EXPECT_EQ(paleEnabled(w), c.paleEnabled.value_or(pale));
        EXPECT_EQ(whiteEnabled(w), c.whiteEnabled.value_or(white));
        EXPECT_EQ(w.drawing().size(), 24u) << "the chart is drawn again on the new background";
    }
    EXPECT_EQ(services.printedPages.size(), 3u);
}

TEST_F(LooksTest, BlackAndWhiteTurnsTheTableTheMarkersAndThePointsBlack) {
    Hyser_Input& w = open();
    const Color button = w.Command2.BackColor();
    const Color box = w.CheckBox3.BackColor();
    w.menu(u"View_BKWT"_s).click();
    for (const Control* c : std::initializer_list<const Control*>{&w.Text1, &w.Text8, &w.Label5, &w.Label6, &w.Label23, &w.Text5,
                                                                  &w.lblLabels(8), &w.Text3(4), &w.Text4(13)}) {
        EXPECT_EQ(c->BackColor(), kWhite) << c->Name().toStdString();
        EXPECT_EQ(c->ForeColor(), kSysButtonText) << c->Name().toStdString();
    }
    EXPECT_EQ(w.Text2.ForeColor(), kSysButtonText);
    EXPECT_EQ(w.Label8.BackColor(), kWhite);
    EXPECT_EQ(w.Label12(0).ForeColor(), kSysButtonText);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(w.Shape3(i).BackColor(), kSysButtonText) << i;
        EXPECT_EQ(w.Shape3(i).BorderColor(), kSysButtonText) << i;
    }
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.color, kSysButtonText);
    EXPECT_EQ(w.Command2.BackColor(), button) << "buttons and check boxes keep their colours";
    EXPECT_EQ(w.CheckBox3.BackColor(), box);

    // A redraw brings the points' colours back; the markers wait for カラー画面.
    w.Command2.click();
    EXPECT_EQ(w.drawing()[0].color, chart::monthColour(1));
    EXPECT_EQ(w.Shape3(2).BackColor(), kSysButtonText);
    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.Shape3(2).BackColor(), 0xFF0000u);
    EXPECT_EQ(w.Shape3(4).BackColor(), 0x80FF80u) << "April's marker is not its plotting colour";
    EXPECT_EQ(w.Shape3(1).BackColor(), kSysButtonText);
}

// Each marker lies over its point, in both input windows: a grab shows the colour the
// look gave the marker, even where the month's plotting colour is another. After 白黒画面
// every point shows black, a month typed in only afterwards too.
TEST_F(LooksTest, EachPointShowsItsMarkerInTheLooksColourInBothWindows) {
    struct Window {
        const char* name;
        InputWindow& (*open)();
        const chart::HytherState& (*state)(const InputWindow&);
    };
    const Window windows[] = {
        {"hythergraph", [] -> InputWindow& { return instance<Hyser_Input>(); },
         [](const InputWindow& w) -> const chart::HytherState& { return static_cast<const Hyser_Input&>(w).state; }},
        {"climograph", [] -> InputWindow& { return instance<Uonz_Input>(); },
         [](const InputWindow& w) -> const chart::HytherState& { return static_cast<const Uonz_Input&>(w).state; }},
    };
    const double unit = chart::UserScale{}.twipsPerX;
    for (const Window& window : windows) {
        SCOPED_TRACE(window.name);
        InputWindow& w = window.open();
        typeYear(w, kTemps, kRains);
        const chart::HytherState& s = window.state(w);
        w.menu(u"View_Color"_s).click();
        const QImage colour = w.grabClient();
        for (int month : {1, 4, 9, 11}) {
            SCOPED_TRACE(month);
            ASSERT_NE(colourName(w.Shape3(month).BackColor()), colourName(chart::monthColour(month))) << "a marker unlike its point";
            EXPECT_EQ(shownAt(colour, s.Plot_X[month] * unit, s.Plot_Y[month]), colourName(w.Shape3(month).BackColor()));
        }

        typeInto(w.Text3(6), QString());  // June left out of the drawing
        leave(w);
        w.menu(u"View_BKWT"_s).click();
        typeInto(w.Text3(6), QString::number(kTemps[5]));
        leave(w);
        const QImage shot = w.grabClient();
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(shownAt(shot, s.Plot_X[month] * unit, s.Plot_Y[month]), colourName(kSysButtonText)) << month;
        }
        EXPECT_EQ(pointsIn(w, chart::monthColour(6)), 2u) << "June's points are in its colour, under its marker";
        w.Unload();
    }
}

TEST_F(LooksTest, TheColourLookIsNotTheLookTheWindowOpensWith) {
    Hyser_Input& w = open();
    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.Text1.BackColor(), 0xC0FFC0u);
    EXPECT_EQ(w.Text8.ForeColor(), 0x800000u);
    EXPECT_EQ(w.Text2.ForeColor(), 0xFF0000u);
    EXPECT_EQ(w.lblLabels(5).ForeColor(), 0x40C0u) << "１１月";
    EXPECT_EQ(w.lblLabels(3).ForeColor(), kSysButtonText);
    EXPECT_EQ(w.lblLabels(7).ForeColor(), 0x4000u);
    EXPECT_EQ(w.Text5.ForeColor(), 0x800000u);
    EXPECT_EQ(w.Label12(4).ForeColor(), 0x800000u);
    EXPECT_EQ(w.Text3(7).BackColor(), 0x30FFFFu) << "the value boxes by their bands";
    EXPECT_EQ(w.drawing().size(), 24u);
}

TEST_F(LooksTest, AfterBlackAndWhiteTheBackgroundItemsChangeOnlyTheBackground) {
    Hyser_Input& w = open();
    w.menu(u"View_BKWT"_s).click();
    w.menu(u"View_White"_s).click();
    EXPECT_EQ(w.Text1.BackColor(), kWhite);
    EXPECT_EQ(w.Text1.ForeColor(), kSysButtonText);
    EXPECT_EQ(w.Shape3(3).BackColor(), kSysButtonText);
    EXPECT_EQ(w.drawing().size(), 24u);
}

TEST_F(LooksTest, PrintingPrintsTheWindowInTheChosenLookAndKeepsIt) {
    Hyser_Input& w = open();
    w.menu(u"Print_Black_White"_s).click();
    ASSERT_EQ(services.printedPages.size(), 1u);
    EXPECT_EQ(w.Text1.BackColor(), kWhite) << "nothing is restored after printing";

    w.menu(u"Print_White"_s).click();
    ASSERT_EQ(services.printedPages.size(), 2u);
    const QImage page = services.printedPages[1];
    EXPECT_EQ(QColor(page.pixel(3800 / 15, 4000 / 15)), QColor(255, 255, 255)) << "the background left of the chart";
}

TEST_F(LooksTest, APrinterThatFailsIsReportedAndTheWindowGoesOn) {
    Hyser_Input& w = open();
    services.printerFailure = u"プリンターが見つかりません。"_s;
    services.expectMessage();
    w.menu(u"Print_Gray"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"プリンターが見つかりません。"_s));
    EXPECT_EQ(w.drawing().size(), 24u);
}

}  // namespace
