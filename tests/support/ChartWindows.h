#pragma once
// The four station chart windows as rows of one table, so that a test runs on each of them
// alike, each row naming what its window does its own way; and the program started on a
// fixture folder whose captures of the user's data folder go into a folder of the test's
// own. For tests that link the program (app).

#include "app/Start.h"
#include "climograph/Uonz_Main.h"
#include "hythergraph/Hyser_Main.h"
#include "pickers/FamilyPickers.h"
#include "pickers/tables/JapanRegions.h"
#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "stationwindow/StationWindow.h"
#include "stepmode/Hyser_Step_Mode.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempFolder.h"
#include "twograph/Form55.h"
#include "windows/Navigation.h"

#include <QDir>
#include <QImage>
#include <QPointF>
#include <QStringList>

#include <ostream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace testing_support {

struct ChartWindow {
    const char* name = "";
    QString openItem = {};  // the main window's menu item that opens it; none for the main window
    windows::Window window = windows::Window::Hythergraph;
    windows::Family family = windows::Family::Hythergraph;
    QString suffix = {};  // of its capture files
    bool noticeBesideProgram = true;
    std::vector<forms::MenuDesign> (*menuTree)() = nullptr;  // the design's
    QString areaCell = {};                                   // where the area of the row shown stands
    std::size_t drawnForARow = 0;                            // what the chart draws of a row of twelve months
    QString bars = {};                                       // the climograph's bars, where it has them
    bool stepsPlaceMonthNumbers = true;                      // a step puts moved month numbers back by rule
    bool buildsUpTheChart = false;                           // a month at a time, by its own spin button
    QStringList groundExtras = {};                     // what the grounds colour besides the axes and the boxes ("Name" or "Name(index)")
    QPointF groundPoint = {};                          // a point of the window's own ground, clear of every control
    QStringList markers = {QStringLiteral("Shape3")};  // the markers of its charts
    QStringList monthNumbers = {QStringLiteral("Label28")};  // the month numbers of its charts
    QStringList joins = {QStringLiteral("Line11")};          // the joining lines of its hythergraphs
    std::vector<forms::Color> blackAndWhiteInks = {0};       // what 白黒画面 draws the charts in
    std::size_t piledOverThreeYears = 72;                    // what three years pile up under 累積表示; 0 where steps pile up too
    bool printKeepsTheDrawing = true;                        // a print draws nothing more
    QStringList whiteUnderBlackAndWhite = {};                // its own cells 白黒画面 turns white with text ink
    std::vector<std::pair<QString, forms::Color>> keptOnWhite = {};  // what keeps its colour on 白地
    double clearLeft = 8970, yearSpinLeft = 8250;                    // where クリア and the year's spin button stand
    bool whiteCaptureShowsTheId = false;                             // a capture on white brings the row's ID to light
};
inline void PrintTo(const ChartWindow& w, std::ostream* os) { *os << w.name; }

// The rows.
inline const ChartWindow kMainWindow{.name = "Main",
                                     .window = windows::Window::Hythergraph,
                                     .family = windows::Family::Hythergraph,
                                     .suffix = QStringLiteral("_Hyser.bmp"),
                                     .noticeBesideProgram = true,
                                     .menuTree = hythergraph::Hyser_Main::menuTree,
                                     .areaCell = QStringLiteral("Label53"),
                                     .drawnForARow = 24,
                                     .groundExtras = {QStringLiteral("Label14")},
                                     .groundPoint = {11400, 2000}};
inline const ChartWindow kClimographWindow{
    .name = "Climograph",
    .openItem = QStringLiteral("Rain_Ondo_Graph"),
    .window = windows::Window::Climograph,
    .family = windows::Family::Climograph,
    .suffix = QStringLiteral("_Uonz.bmp"),
    .noticeBesideProgram = true,
    .menuTree = climograph::Uonz_Main::menuTree,
    .areaCell = QStringLiteral("Label55"),
    .drawnForARow = 26,  // with the closing point
    .bars = QStringLiteral("Label51"),
    .stepsPlaceMonthNumbers = false,
    .groundExtras = {QStringLiteral("Label19"), QStringLiteral("Label14"), QStringLiteral("Label52(0)"), QStringLiteral("Label52(6)"),
                     QStringLiteral("Label52(12)")},
    .groundPoint = {11500, 4000},
    .blackAndWhiteInks = {forms::kSysButtonText},
    .whiteUnderBlackAndWhite = {QStringLiteral("Label52(3)")},
    .keptOnWhite = {{QStringLiteral("Label10"), 0xC0FFFF}, {QStringLiteral("Label51(1)"), 0xC800}},
    .clearLeft = 8970};
inline const ChartWindow kTwoGraphWindow{.name = "TwoGraph",
                                         .openItem = QStringLiteral("graph_2_mode"),
                                         .window = windows::Window::TwoGraph,
                                         .family = windows::Family::TwoGraph,
                                         .suffix = QStringLiteral("_2graph.bmp"),
                                         .noticeBesideProgram = false,
                                         .menuTree = twograph::Form55::menuTree,
                                         .areaCell = QStringLiteral("Label53"),
                                         .drawnForARow = 48,  // both charts
                                         .bars = QStringLiteral("Label56"),
                                         .groundExtras = {QStringLiteral("Label14(0)")},
                                         .groundPoint = {11700, 1500},
                                         .markers = {QStringLiteral("Shape3"), QStringLiteral("Shape4")},
                                         .monthNumbers = {QStringLiteral("Label28"), QStringLiteral("Label57")},
                                         .joins = {QStringLiteral("Line11"), QStringLiteral("Line4")},
                                         .blackAndWhiteInks = {0, forms::kSysButtonText},
                                         .piledOverThreeYears = 144,
                                         .printKeepsTheDrawing = false,  // the hythergraph drawn once more on top
                                         .whiteUnderBlackAndWhite = {QStringLiteral("Label58(0)")},
                                         .keptOnWhite = {{QStringLiteral("Label14(1)"), 0xE4EFEF}},
                                         .clearLeft = 9390,
                                         .yearSpinLeft = 8670,
                                         .whiteCaptureShowsTheId = true};
// It draws January alone until it is stepped on.
inline const ChartWindow kStepModeWindow{.name = "StepMode",
                                         .openItem = QStringLiteral("Step_Run"),
                                         .window = windows::Window::StepMode,
                                         .family = windows::Family::StepMode,
                                         .suffix = QStringLiteral("_Hyser.bmp"),
                                         .noticeBesideProgram = true,
                                         .menuTree = stepmode::Hyser_Step_Mode::menuTree,
                                         .areaCell = QStringLiteral("Label53"),
                                         .drawnForARow = 2,
                                         .buildsUpTheChart = true,
                                         .groundExtras = {QStringLiteral("Label14")},
                                         .groundPoint = {11400, 2000},
                                         .piledOverThreeYears = 0,
                                         .whiteUnderBlackAndWhite = {QStringLiteral("Label55")},
                                         .clearLeft = 9330,
                                         .yearSpinLeft = 5790};
// Every station chart window, and those the main window opens.
inline const ChartWindow kChartWindows[] = {kMainWindow, kClimographWindow, kTwoGraphWindow, kStepModeWindow};
inline const ChartWindow kOpenedWindows[] = {kClimographWindow, kTwoGraphWindow, kStepModeWindow};
// A test's name for a row.
inline std::string rowName(const ::testing::TestParamInfo<ChartWindow>& row) { return row.param.name; }

// What a chart window shows: its station, mode and year, the value table and the drawing.
struct Shown {
    QString station, place, year, modeCaption;
    int mode = -1;
    bool modeEnabled = false;
    QStringList cells;
    QStringList drawing;

    static Shown of(const forms::Form& w) {
        Shown s;
        s.station = w.control<forms::Label>(QStringLiteral("Label29")).Caption();
        s.place = w.control<forms::Label>(QStringLiteral("Label36")).Caption();
        s.year = w.control<forms::Label>(QStringLiteral("Label4")).Caption();
        s.modeCaption = w.control<forms::Label>(QStringLiteral("Label19")).Caption();
        s.mode = w.control<forms::CheckBox>(QStringLiteral("Check2")).Value();
        s.modeEnabled = w.control<forms::CheckBox>(QStringLiteral("Check2")).Enabled();
        const forms::ControlArray<forms::Label> temperatures = w.controls<forms::Label>(QStringLiteral("Label2"));
        const forms::ControlArray<forms::Label> precipitation = w.controls<forms::Label>(QStringLiteral("Label3"));
        for (int i = 1; i <= 13; ++i) s.cells << temperatures(i).Caption() << precipitation(i).Caption();
        for (const forms::DrawOp& op : w.drawing()) {
            s.drawing << QStringLiteral("%1 %2,%3 %4,%5 %6 %7")
                             .arg(op.kind)
                             .arg(op.x1)
                             .arg(op.y1)
                             .arg(op.x2)
                             .arg(op.y2)
                             .arg(op.color)
                             .arg(op.text);
        }
        return s;
    }
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const Shown& s) {
        return os << s.station.toStdString() << " (" << s.place.toStdString() << ") " << s.modeCaption.toStdString() << ' '
                  << s.year.toStdString() << ", box " << s.mode << ", January " << s.cells.value(0).toStdString() << ", "
                  << s.drawing.size() << " drawn";
    }
};

class ChartWindowFixture : public ::testing::Test {
protected:
    explicit ChartWindowFixture(const ChartWindow& w, ClimateFixture f = ClimateFixture()) : window(w), fixture(std::move(f)) {
        saved_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        savedFolder_ = QDir::currentPath();
    }
    ~ChartWindowFixture() override { qputenv("XDG_DATA_HOME", saved_); }

    void TearDown() override {
        forms::destroyAllForms();
        forms::AppInfo::setPath(QString());
        QDir::setCurrent(savedFolder_);
    }

    // Starts the program on the fixture's databases, with the maps beside it.
    void startMain() {
        forms::AppInfo::setPath(fixture.build());
        fixture.copyMaps();
        EXPECT_EQ(app::startProgram(), -1);
        QDir::setCurrent(fixture.folder());
    }

    // Opens the window by the main window's menu item; the main window is open already.
    forms::Form& open() {
        if (!window.openItem.isEmpty()) windows::navigation().form(windows::Window::Hythergraph).menu(window.openItem).click();
        return windows::navigation().form(window.window);
    }
    // The program started and the window opened.
    forms::Form& start() {
        startMain();
        return open();
    }
    // What every station chart window has, of the window opened.
    stationwindow::StationWindow& stationWindow() {
        return dynamic_cast<stationwindow::StationWindow&>(windows::navigation().form(window.window));
    }
    static hythergraph::Hyser_Main& mainWindow() { return forms::instance<hythergraph::Hyser_Main>(); }

    static const pickers::PickerStation& station(const QString& name, int* region = nullptr) {
        for (const pickers::JapanRegion& r : pickers::japanRegions()) {
            for (const pickers::PickerStation& s : r.stations) {
                if (s.name != name) continue;
                if (region) *region = r.region;
                return s;
            }
        }
        throw std::logic_error("no picker offers " + name.toStdString());
    }

    // Chooses a Japanese station on the window's own picker of its region, shown as the
    // window's menu item shows it, by a click on the station's label.
    void choose(const QString& name) {
        int region = 0;
        const pickers::PickerStation& s = station(name, &region);
        windows::navigation().showJapanPicker(window.family, region);
        pickers::japanPicker(window.family, region).control<forms::Label>(s.label).click();
    }

    // The points the drawing holds in one colour, in the order drawn.
    static std::vector<forms::DrawOp> pointsIn(const forms::Form& w, forms::Color colour) {
        std::vector<forms::DrawOp> found;
        for (const forms::DrawOp& op : w.drawing()) {
            if (op.kind == forms::DrawOp::Point && op.color == colour) found.push_back(op);
        }
        return found;
    }

    // Prints the window by a print item: the one page it printed, or a null image (and a
    // failure) where it printed none or more.
    QImage printOnePage(forms::Form& w, const QString& item) {
        services.printedPages.clear();
        w.menu(item).click();
        EXPECT_EQ(services.printedPages.size(), 1u) << item.toStdString() << " prints one page";
        return services.printedPages.size() == 1 ? services.printedPages.front() : QImage();
    }

    // The controls a capture hides are back.
    static void expectControlsBack(const forms::Form& w) {
        for (const char16_t* name : {u"CheckBox1", u"CheckBox3", u"CheckBox4", u"Check2"}) {
            EXPECT_TRUE(w.control<forms::Control>(QString::fromUtf16(name)).Visible()) << QString::fromUtf16(name).toStdString();
        }
        EXPECT_LT(w.control<forms::Control>(QStringLiteral("SpinButton1")).Left(), 12000);
        EXPECT_LT(w.control<forms::Control>(QStringLiteral("Command1")).Left(), 12000);
    }

    ChartWindow window;
    FakeServices services;
    ClimateFixture fixture;
    TempFolder dataHome;

private:
    QByteArray saved_;
    QString savedFolder_;
};

}  // namespace testing_support
