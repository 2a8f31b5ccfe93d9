// The looks of the four station chart windows, each window in turn: the white and pale
// grounds (白地, 淡地), the black-and-white and colour screens (白黒画面, カラー画面), each
// marker over its point as a grab shows it, the years 累積表示 piles up kept through every
// look, print and capture, the three print items, a printer that fails, the point sizes
// and クリア.
#include "chart/Climograph.h"
#include "extras/CaptureWindows.h"
#include "tests/support/ChartPixels.h"
#include "tests/support/ChartWindows.h"

#include <QColor>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::ChartWindow;
using testing_support::colourName;
using testing_support::shownAt;
using windows::Window;

namespace {

constexpr Color kText = kSysButtonText;
constexpr Color kWhiteGround = 0xFFFFFF;  // 白地
constexpr Color kPaleGround = 0xE4EFEF;   // 淡地

// One chart of a window: its markers, the points they lie over and the points' colours.
struct Chart {
    QString markers;
    int points;  // the climograph's thirteenth closes its line
    double parked;
    std::function<QPointF(const Form&, int)> at;
    Color (*colour)(int) = nullptr;  // the plotting colours, where a marker must differ
    double markersRight = 0;         // how far right of a hythergraph's its markers lie over their points
};

std::vector<Chart> chartsOf(const ChartWindow& row) {
    const auto hythergraph = [](const Form& f, int i) {
        const auto& w = dynamic_cast<const stationwindow::HythergraphWindow&>(f);
        return QPointF(w.state.Plot_X[i], w.state.Plot_Y[i]);
    };
    switch (row.window) {
    case Window::Climograph:
        return {{u"Shape3"_s, 13, climograph::Uonz_Main::geometry.parked,
                 [](const Form& f, int i) {
                     const auto& w = dynamic_cast<const climograph::Uonz_Main&>(f);
                     return QPointF(w.state.Plot_X[i], w.state.Plot_Y[i]);
                 },
                 chart::climographColour, 15}};
    case Window::TwoGraph:
        return {{u"Shape3"_s, 12, twograph::Form55::hytherGeometry.parked,
                 [](const Form& f, int i) {
                     const auto& w = dynamic_cast<const twograph::Form55&>(f);
                     return QPointF(w.hytherState.Plot_X[i], w.hytherState.Plot_Y[i]);
                 },
                 chart::monthColour},
                {u"Shape4"_s, 12, twograph::Form55::uonzGeometry.parked,
                 [](const Form& f, int i) {
                     const auto& w = dynamic_cast<const twograph::Form55&>(f);
                     return QPointF(w.uonzState.Plot_X[i], w.uonzState.Plot_Y[i]);
                 },
                 nullptr}};
    default: return {{u"Shape3"_s, 12, stationwindow::HythergraphWindow::geometry.parked, hythergraph, chart::monthColour}};
    }
}

class ChartWindowLooksTest : public testing_support::ChartWindowFixture, public ::testing::WithParamInterface<ChartWindow> {
protected:
    ChartWindowLooksTest() : ChartWindowFixture(GetParam()) {}

    // The window opened with its whole chart drawn: the step-mode window stepped to the end.
    stationwindow::StationWindow& startWindow() {
        start();
        stationwindow::StationWindow& w = stationWindow();
        buildUp(w);
        return w;
    }
    // The step-mode window's chart built up to the end again, after anything that starts
    // it again from January.
    void buildUp(stationwindow::StationWindow& w) {
        if (!window.buildsUpTheChart) return;
        for (int step = 1; step < chart::kClosingStep; ++step) w.control<SpinButton>(u"SpinButton2"_s).spinUp();
    }
    std::size_t drawnForARow() const { return window.buildsUpTheChart ? 24 : window.drawnForARow; }
    // Where the drawing has put which colour: what a redraw over the same chart leaves alike.
    static std::set<std::tuple<double, double, Color>> drawnPoints(const Form& w) {
        std::set<std::tuple<double, double, Color>> points;
        for (const DrawOp& op : w.drawing()) points.emplace(op.x1, op.y1, op.color);
        return points;
    }
    // A control by its name, or a member of a control array as "Name(index)".
    Control& named(const QString& name) {
        const int open = static_cast<int>(name.indexOf(u'('));
        if (open < 0) return stationWindow().control<Control>(name);
        return stationWindow().controls<Control>(name.left(open))(name.mid(open + 1).chopped(1).toInt());
    }
    static QColor pixelAt(const QImage& image, QPointF twips) {
        return QColor(image.pixel(static_cast<int>(twips.x() / 15), static_cast<int>(twips.y() / 15)));
    }
    static QColor rgb(Color c) { return toQColor(c); }
    // クリア, the year's spin button and the boxes, which a capture takes out of the
    // picture, are back where they stood.
    void expectControlsBackInPlace(const stationwindow::StationWindow& w) const {
        EXPECT_EQ(w.Command1.Left(), window.clearLeft);
        EXPECT_EQ(w.SpinButton1.Left(), window.yearSpinLeft);
        for (const Control* c : std::initializer_list<const Control*>{&w.Command1, &w.CheckBox1, &w.CheckBox3, &w.CheckBox4, &w.Check2}) {
            EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
        }
    }
};

TEST_P(ChartWindowLooksTest, TheGroundItemsRecolourTheGroundSwapTheirFlagsAndDrawTheChartAgain) {
    stationwindow::StationWindow& w = startWindow();
    MenuItem& white = w.menu(u"View_White"_s);
    MenuItem& pale = w.menu(u"View_gray"_s);
    ASSERT_TRUE(white.Enabled());
    ASSERT_FALSE(pale.Enabled());
    w.Cls();
    white.click();
    EXPECT_EQ(w.BackColor(), kWhiteGround);
    std::vector<const Control*> ground = {&w.Label9, &w.Label11, &w.Label16, &w.Label17, &w.CheckBox1, &w.Check2};
    for (int i = 0; i <= 6; ++i) {
        ground.push_back(&w.Label12(i));
        ground.push_back(&w.Label13(i));
    }
    for (const QString& extra : window.groundExtras) ground.push_back(&named(extra));
    for (const Control* c : ground) EXPECT_EQ(c->BackColor(), kWhiteGround) << c->Name().toStdString() << c->Index();
    for (const auto& [name, colour] : window.keptOnWhite)
        EXPECT_EQ(named(name).BackColor(), colour) << name.toStdString() << " keeps its colour";
    EXPECT_FALSE(white.Enabled());
    EXPECT_TRUE(pale.Enabled());
    EXPECT_EQ(w.drawing().size(), drawnForARow()) << "the chart is drawn again";

    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.BackColor(), kPaleGround);
    EXPECT_FALSE(white.Enabled()) << "the colour screen leaves the flags";
    EXPECT_TRUE(pale.Enabled());

    pale.click();
    EXPECT_EQ(w.BackColor(), kPaleGround);
    for (const Control* c : ground) EXPECT_EQ(c->BackColor(), kPaleGround) << c->Name().toStdString() << c->Index();
    EXPECT_TRUE(white.Enabled());
    EXPECT_FALSE(pale.Enabled());
}

TEST_P(ChartWindowLooksTest, BlackAndWhiteThenColourBringsBackTheColoursAndBands) {
    stationwindow::StationWindow& w = startWindow();
    Label& area = w.control<Label>(window.areaCell);
    const Color januaryBack = w.Label2(1).BackColor();
    w.menu(u"View_BKWT"_s).click();
    EXPECT_EQ(w.BackColor(), kWhiteGround);
    EXPECT_FALSE(w.menu(u"View_gray"_s).Enabled()) << "the screens leave the ground items";
    struct Case {
        const Control* control;
        Color back, fore;
    };
    std::vector<Case> white = {Case{&w.Label29, kWhiteGround, kText}, Case{&area, kWhiteGround, kText},
                               Case{&w.Label2(1), kWhiteGround, kText}, Case{&w.lblLabels(8), kWhiteGround, kText},
                               Case{&w.Label8, kWhiteGround, kText}};
    for (const QString& own : window.whiteUnderBlackAndWhite) white.push_back({&named(own), kWhiteGround, kText});
    for (const Case& c : white) {
        EXPECT_EQ(c.control->BackColor(), c.back)
            << c.control->Name().toStdString() << c.control->Index() << "; the cells stay white: no bands";
        EXPECT_EQ(c.control->ForeColor(), c.fore) << c.control->Name().toStdString() << c.control->Index();
    }
    for (const Chart& chart : chartsOf(window)) {
        for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.controls<Shape>(chart.markers)(i).BackColor(), kText) << chart.markers.toStdString() << i;
    }
    if (!window.bars.isEmpty()) {
        for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.controls<Label>(window.bars)(i).BackColor(), 0x909090u) << "grey bars " << i;
    }
    ASSERT_EQ(w.drawing().size(), drawnForARow());
    const std::vector<Color>& inks = window.blackAndWhiteInks;
    for (const DrawOp& op : w.drawing()) EXPECT_TRUE(std::ranges::count(inks, op.color)) << std::hex << op.color;

    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.BackColor(), kPaleGround);
    for (const Case& c :
         {Case{&w.Label29, 0xC0FFC0, 0x4000}, Case{&area, 0xC0C0FF, 0x800000}, Case{&w.Label5, 0xC0FFFF, 0x80},
          Case{&w.Label8, 0xFFFFC0, kText}, Case{&w.Label12(5), kPaleGround, 0x800000}, Case{&w.Label12(1), kPaleGround, 0x40}}) {
        EXPECT_EQ(c.control->BackColor(), c.back) << c.control->Name().toStdString();
        EXPECT_EQ(c.control->ForeColor(), c.fore) << c.control->Name().toStdString();
    }
    EXPECT_EQ(w.Label2(1).BackColor(), januaryBack) << "the bands are back";
    EXPECT_EQ(w.lblLabels(8).ForeColor(), 0xFF0000u);
    EXPECT_EQ(w.lblLabels(10).ForeColor(), 0x90FF90u) << "April's name";
    EXPECT_EQ(w.lblLabels(5).ForeColor(), 0x40C0u) << "November's name";
    EXPECT_EQ(w.Label39.ForeColor(), 0xFF00FFu);
    EXPECT_EQ(w.Shape3(4).BackColor(), 0x80FF80u) << "the look's marker colour, not the plotting colour";
    EXPECT_EQ(w.Shape3(1).BorderColor(), kText);
    EXPECT_EQ(w.Shape3(10).BorderColor(), 0xFFFFu);
    if (!window.bars.isEmpty()) {
        for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.controls<Label>(window.bars)(i).BackColor(), 0xC000u) << "green bars " << i;
    }
    ASSERT_FALSE(w.drawing().empty());
    EXPECT_EQ(w.drawing().front().color, 0x11111111u) << "the points in their month colours, January first";
}

// Each marker lies over its point: a grab shows the colour the look gave the marker, even
// where the month's plotting colour is another; after 白黒画面 every point shows black,
// and still does when the next year draws the points in their colours again.
TEST_P(ChartWindowLooksTest, EachPointShowsItsMarkerInTheLooksColour) {
    stationwindow::StationWindow& w = startWindow();
    const std::vector<Chart> charts = chartsOf(window);
    w.menu(u"View_Color"_s).click();
    const QImage colour = w.grabClient();
    for (const Chart& chart : charts) {
        for (int month : {1, 4, 9, 11}) {
            SCOPED_TRACE(chart.markers.toStdString() + " " + std::to_string(month));
            const Shape& marker = w.controls<Shape>(chart.markers)(month);
            if (chart.colour) {
                ASSERT_NE(colourName(marker.BackColor()), colourName(chart.colour(month))) << "a marker unlike its point";
            }
            const QPointF p = chart.at(w, month);
            EXPECT_EQ(shownAt(colour, p.x(), p.y()), colourName(marker.BackColor()));
        }
    }

    w.Check2.setValue(0);
    w.menu(u"View_BKWT"_s).click();
    for (const char* when : {"black and white", "the next year"}) {
        SCOPED_TRACE(when);
        const QImage shot = w.grabClient();
        for (const Chart& chart : charts) {
            int shown = 0;
            for (int point = 1; point <= chart.points; ++point) {
                if (w.controls<Shape>(chart.markers)(point).Left() >= chart.parked) continue;
                ++shown;
                const QPointF p = chart.at(w, point);
                EXPECT_EQ(shownAt(shot, p.x(), p.y()), colourName(kText)) << chart.markers.toStdString() << point;
            }
            EXPECT_EQ(shown, chart.points) << chart.markers.toStdString();
        }
        w.SpinButton1.spinUp();
    }
    const Chart& first = charts.front();
    EXPECT_TRUE(std::any_of(w.drawing().begin(), w.drawing().end(), [&](const DrawOp& op) { return op.color == first.colour(9); }))
        << "the next year's points are in their colours";
}

TEST_P(ChartWindowLooksTest, WithCumulativeDisplayEveryLookPrintAndCaptureKeepsThePiledUpYears) {
    stationwindow::StationWindow& w = startWindow();
    choose(u"東京"_s);
    w.Check2.setValue(0);
    w.CheckBox1.click();
    buildUp(w);
    w.SpinButton1.spinUp();
    w.SpinButton1.spinUp();
    const std::vector<DrawOp> piled = w.drawing();
    if (window.piledOverThreeYears) {
        ASSERT_EQ(piled.size(), window.piledOverThreeYears) << "three years, each its points and dots";
    }
    const std::size_t perYear = piled.size() / 3;
    ASSERT_GE(perYear, 24u) << "three years, each twelve points and twelve dots at least";
    int year = 2100;  // each capture its own file
    for (const QString& item : {u"View_BKWT"_s, u"View_Color"_s, u"View_White"_s, u"View_gray"_s, u"Print_White"_s, u"Print_Black_White"_s,
                                u"Print_Gray"_s, u"Cap_White"_s, u"Cap_Gray"_s}) {
        SCOPED_TRACE(item.toStdString());
        w.Label4.setCaption(QString::number(++year));
        w.menu(item).click();
        // カラー画面 draws the shown year once more; what it adds lies on what is there.
        ASSERT_GE(w.drawing().size(), piled.size());
        for (std::size_t i = 0; i < w.drawing().size(); ++i) {
            const DrawOp& op = w.drawing()[i];
            const DrawOp& was = piled[i < piled.size() ? i : piled.size() - perYear + (i - piled.size()) % perYear];
            EXPECT_EQ(op.x1, was.x1) << i;
            EXPECT_EQ(op.y1, was.y1) << i;
            EXPECT_EQ(op.color, was.color) << i;
        }
        if (isLoaded<extras::Dialog_cap>()) instance<extras::Dialog_cap>().Unload();
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_P(ChartWindowLooksTest, EachPrintItemPrintsOnePageInItsLook) {
    stationwindow::StationWindow& w = startWindow();
    const QPointF station = w.Label29.rect().topLeft() + QPointF(45, 45);  // clear of its text
    const auto chart = drawnPoints(w);
    struct Case {
        QString item;
        Color ground, stationBack;
        bool whiteEnabled, paleEnabled;  // the ground items after it
    };
    const Case cases[] = {
        {u"Print_White"_s, kWhiteGround, 0xC0FFC0, false, true},
        {u"Print_Black_White"_s, kWhiteGround, kWhiteGround, false, true},
        {u"Print_Gray"_s, kPaleGround, 0xC0FFC0, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        const QImage page = printOnePage(w, c.item);
        ASSERT_FALSE(page.isNull());
        EXPECT_EQ(page.width(), static_cast<int>(w.clientWidthTwips() / 15));
        EXPECT_EQ(page.height(), static_cast<int>(w.clientHeightTwips() / 15));
        EXPECT_EQ(page.size(), QSize(792, 543)) << "the window at its first size";
        EXPECT_EQ(w.BackColor(), c.ground);
        EXPECT_EQ(pixelAt(page, window.groundPoint), rgb(c.ground));
        EXPECT_EQ(pixelAt(page, station), rgb(c.stationBack));
        EXPECT_EQ(w.menu(u"View_White"_s).Enabled(), c.whiteEnabled);
        EXPECT_EQ(w.menu(u"View_gray"_s).Enabled(), c.paleEnabled);
        if (window.printKeepsTheDrawing) {
            EXPECT_EQ(w.drawing().size(), drawnForARow());
        }
        if (c.item != u"Print_Black_White"_s) {
            EXPECT_EQ(drawnPoints(w), chart) << "the same chart";
        }
    }
    EXPECT_EQ(w.CheckBox1.BackColor(), kPaleGround);
}

TEST_P(ChartWindowLooksTest, APrinterThatFailsIsReportedOnceAndTheWindowGoesOn) {
    for (const QString& item : {u"Print_White"_s, u"Print_Black_White"_s, u"Print_Gray"_s}) {
        SCOPED_TRACE(item.toStdString());
        stationwindow::StationWindow& w = startWindow();
        services.messages.clear();
        services.printerFailure = u"プリンターが見つかりません。"_s;
        services.expectMessage();
        const auto chart = drawnPoints(w);
        w.menu(item).click();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_TRUE(services.messages[0].prompt.contains(u"プリンターが見つかりません"_s));
        EXPECT_EQ(services.messages[0].prompt.count(u"印刷できませんでした"_s), 1) << services.messages[0].prompt.toStdString();
        if (window.printKeepsTheDrawing) {
            EXPECT_EQ(w.drawing().size(), drawnForARow());
        }
        if (item != u"Print_Black_White"_s) {
            EXPECT_EQ(drawnPoints(w), chart) << "the same chart";
        }
        w.SpinButton1.spinUp();
        EXPECT_NE(w.Label29.Caption(), u"東京"_s) << "the window still works";
        destroyAllForms();
    }
}

// --- Captures ----------------------------------------------------------------------------

TEST_P(ChartWindowLooksTest, AFileThatCannotBeWrittenIsReportedAndTheControlsComeBack) {
    struct Case {
        QString item;
        Color ground;
    };
    for (const Case& c : {Case{u"Cap_White"_s, kWhiteGround}, Case{u"Cap_Gray"_s, kPaleGround}}) {
        SCOPED_TRACE(c.item.toStdString());
        stationwindow::StationWindow& w = startWindow();
        const QString name = u"CAP/東京/東京"_s + w.Label4.Caption() + window.suffix;
        ASSERT_EQ(name, u"CAP/東京/東京2020"_s + window.suffix);
        QDir().mkpath(name);  // a folder where the file should go
        services.expectMessage();
        w.menu(c.item).click();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_TRUE(services.messages[0].prompt.contains(name)) << services.messages[0].prompt.toStdString();
        EXPECT_FALSE(isLoaded<extras::Dialog_cap>()) << "no notice";
        expectControlsBackInPlace(w);
        EXPECT_EQ(w.BackColor(), c.ground);
        if (window.whiteCaptureShowsTheId && c.item == u"Cap_White"_s) {
            EXPECT_TRUE(w.Label39.Visible()) << "the row's ID";
        }
        destroyAllForms();
        services.messages.clear();
    }
}

// A grab that fails writes nothing, not even the earlier picture under the new name, and
// shows no notice; both the capture's own report and the window's are read.
TEST_P(ChartWindowLooksTest, AFailedGrabWritesNothingAndShowsNoNotice) {
    stationwindow::StationWindow& w = startWindow();
    w.menu(u"Cap_White"_s).click();
    ASSERT_TRUE(QFile::exists(u"CAP/東京/東京2020"_s + window.suffix));
    instance<extras::Dialog_cap>().Unload();

    w.Label4.setCaption(u"2021"_s);
    w.setHeight(w.frameHeight());  // no client area to copy
    services.expectMessage();      // the capture class's own report
    services.expectMessage();      // the window's: nothing saved
    w.menu(u"Cap_White"_s).click();
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_TRUE(services.messages[0].prompt.startsWith(u"Error: 1003. "_s)) << services.messages[0].prompt.toStdString();
    const QString file = fixture.folder() + u"/CAP/東京/東京2021"_s + window.suffix;
    EXPECT_TRUE(services.messages[1].prompt.contains(file)) << services.messages[1].prompt.toStdString();
    EXPECT_TRUE(services.messages[1].prompt.endsWith(window.suffix)) << services.messages[1].prompt.toStdString();
    EXPECT_FALSE(QFile::exists(file)) << "not the earlier picture under the new name";
    EXPECT_EQ(QDir(u"CAP/東京"_s).entryList(QDir::Files), QStringList{u"東京2020"_s + window.suffix}) << "nothing else either";
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
    expectControlsBackInPlace(w);
}

TEST_P(ChartWindowLooksTest, AYearLabelWithoutANumberGivesTheYear0) {
    stationwindow::StationWindow& w = startWindow();
    for (const QString& year : {u"平年"_s, QString()}) {
        for (const QString& item : {u"Cap_White"_s, u"Cap_Gray"_s}) {
            SCOPED_TRACE(year.toStdString() + " " + item.toStdString());
            QFile::remove(u"CAP/東京/東京0"_s + window.suffix);
            w.Label4.setCaption(year);
            w.menu(item).click();
            EXPECT_TRUE(QFile::exists(u"CAP/東京/東京0"_s + window.suffix));
            if (isLoaded<extras::Dialog_cap>()) instance<extras::Dialog_cap>().Unload();
        }
    }
}

// Each point size sets the pen of every point drawn, the markers' size and where they lie
// over their points, and carries the one check mark among the four; 中 has it at first.
TEST_P(ChartWindowLooksTest, PointSizesSetThePenTheMarkersAndOneCheckMark) {
    stationwindow::StationWindow& w = startWindow();
    const QStringList items = {u"Point_Very_Big"_s, u"Point_Big"_s, u"Point_Mid"_s, u"Point_Mini"_s};
    for (const QString& item : items) EXPECT_EQ(w.menu(item).Checked(), item == u"Point_Mid"_s) << item.toStdString();
    struct Case {
        QString item;
        int width;
        double dx, dy, size;  // a hythergraph's marker lies dx left of and dy above its point
    };
    const Case cases[] = {
        {u"Point_Mini"_s, 4, 30, 15, 60},
        {u"Point_Very_Big"_s, 12, 90, 75, 180},
        {u"Point_Big"_s, 8, 60, 45, 120},
        {u"Point_Mid"_s, 6, 45, 30, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        w.menu(c.item).click();
        for (const QString& item : items) EXPECT_EQ(w.menu(item).Checked(), item == c.item) << item.toStdString();
        ASSERT_EQ(w.drawing().size(), drawnForARow()) << "drawn again";
        for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.width, c.width);
        for (const Chart& chart : chartsOf(window)) {
            for (int i = 1; i <= chart.points; ++i) {
                SCOPED_TRACE(chart.markers.toStdString() + " " + std::to_string(i));
                const Shape& marker = w.controls<Shape>(chart.markers)(i);
                const QPointF p = chart.at(w, i);
                EXPECT_EQ(marker.Width(), c.size);
                EXPECT_EQ(marker.Height(), c.size);
                EXPECT_NEAR(marker.Left(), p.x() - c.dx + chart.markersRight, 0.01) << "the marker moves to its point";
                EXPECT_NEAR(marker.Top(), p.y() - c.dy, 0.01);
            }
        }
    }
}

TEST_P(ChartWindowLooksTest, ClearTakesTheChartDownAndLeavesTheTable) {
    stationwindow::StationWindow& w = startWindow();
    const QString january = w.Label2(1).Caption();
    w.PSet(5000, 3000, 0xFF);
    w.Label15.setCaption(u"3"_s);
    w.Command1_Click();
    EXPECT_EQ(w.Label15.Caption(), u"0"_s);
    EXPECT_EQ(w.Label16.Caption(), u"0"_s);
    EXPECT_TRUE(w.drawing().empty());
    constexpr double parked = 30000;  // far right of every chart
    for (const Chart& chart : chartsOf(window)) {
        for (int i = 1; i <= chart.points; ++i)
            EXPECT_EQ(w.controls<Shape>(chart.markers)(i).Left(), parked) << chart.markers.toStdString() << i;
    }
    for (const QString& numbers : window.monthNumbers) {
        for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.controls<Label>(numbers)(i).Left(), parked) << numbers.toStdString() << i;
    }
    for (const QString& joins : window.joins) {
        for (int i = 1; i <= 12; ++i) {
            const Line& join = w.controls<Line>(joins)(i);
            EXPECT_TRUE(join.X1() == parked && join.Y1() == parked && join.X2() == parked && join.Y2() == parked)
                << joins.toStdString() << i;
        }
    }
    if (!window.bars.isEmpty()) {
        for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.controls<Label>(window.bars)(i).Visible()) << "the bars go " << i;
    }
    EXPECT_EQ(w.Label2(1).Caption(), january);
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(w.ActiveControl(), &w.Check2);

    w.Hyouji_Hyther();
    if (!window.bars.isEmpty()) {
        EXPECT_TRUE(w.controls<Label>(window.bars)(1).Visible()) << "the next drawing brings the bars back";
    }
    ASSERT_FALSE(w.drawing().empty());
    w.Command1.SetFocus();  // tabbing onto クリア clears too
    EXPECT_TRUE(w.drawing().empty());
    EXPECT_EQ(w.ActiveControl(), &w.Command1);
}

INSTANTIATE_TEST_SUITE_P(StationWindows, ChartWindowLooksTest, ::testing::ValuesIn(testing_support::kChartWindows),
                         testing_support::rowName);

}  // namespace
