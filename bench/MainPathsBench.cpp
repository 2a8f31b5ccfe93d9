// Timings of every window's main paths on the real databases: start-up to the first drawn
// chart; in each chart window switching the shown station and one year step (and one step
// in the step-mode window); typing a value in an input window; opening a picker with its
// map; a capture to a bitmap.
//   build/bench/main_paths_bench [--benchmark_filter=...]
#include "app/Navigator.h"
#include "app/Start.h"
#include "climograph/Uonz_Main.h"
#include "data/ClimateDb.h"
#include "hythergraph/Hyser_Main.h"
#include "input/Hyser_Input.h"
#include "pickers/FamilyPickers.h"
#include "pickers/tables/JapanRegions.h"
#include "platform/forms/Services.h"
#include "stepmode/Hyser_Step_Mode.h"
#include "twograph/Form55.h"
#include "windows/Navigation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// Nothing may wait for a click while the clock runs.
class SilentBoxes final : public forms::MessageBoxService {
public:
    int show(const QString&, int, const QString&) override { return forms::vbOK; }
};
class NoBeep final : public forms::BeepService {
public:
    void beep() override {}
};
class NoOtherCopy final : public forms::InstanceService {
public:
    bool previousInstance() override { return false; }
};

QString programFolder() {
    static QTemporaryDir dir;
    static const bool built = [] {
        data::buildClimateDatabases(dir.path(), data::readClimateCsv(QStringLiteral(TAVRIN_SOURCE_DIR "/data/climate/normals.csv")),
                                    data::readClimateCsv(QStringLiteral(TAVRIN_SOURCE_DIR "/data/climate/years.csv")));
        // The pickers read their maps beside the program, as the build puts them there.
        const QDir maps(QStringLiteral(TAVRIN_SOURCE_DIR "/pickers/W_GIF"));
        QDir(dir.path()).mkpath(QStringLiteral("W_GIF"));
        for (const QString& name : maps.entryList(QDir::Files)) {
            QFile::copy(maps.filePath(name), dir.path() + QStringLiteral("/W_GIF/") + name);
        }
        return true;
    }();
    (void)built;
    return dir.path();
}

void quietServices() {
    forms::services().messageBox = std::make_shared<SilentBoxes>();
    forms::services().beep = std::make_shared<NoBeep>();
    forms::services().instance = std::make_shared<NoOtherCopy>();
    forms::AppInfo::setPath(programFolder());
}

hythergraph::Hyser_Main& started() {
    if (app::startProgram() != -1) std::abort();
    // Captures and the other windows work in the program's folder, as they do after start-up.
    QDir::setCurrent(programFolder());
    return forms::instance<hythergraph::Hyser_Main>();
}

// A chart window opened by its item in the main window's menu.
template <class W>
W& opened(const QString& menuItem) {
    started().menu(menuItem).click();
    return forms::instance<W>();
}

using PickerOf = windows::Family;  // whose pickers

// The station's label in a window's picker of its region, with the picker loaded.
std::pair<pickers::JapanPicker*, const pickers::PickerStation*> stationOn(PickerOf picker, const QString& name) {
    for (const pickers::JapanRegion& region : pickers::japanRegions()) {
        for (const pickers::PickerStation& station : region.stations) {
            if (station.name == name) return {&pickers::japanPicker(picker, region.region), &station};
        }
    }
    std::abort();
}

// A click on the station's label in a window's picker of its region.
void choose(PickerOf picker, const QString& name) {
    const auto [p, station] = stationOn(picker, name);
    p->chooseStation(*station);
}
void choose(hythergraph::Hyser_Main&, const QString& name) { choose(windows::Family::Hythergraph, name); }

// A click on a station in a picker the user has already opened: a picker closes after a
// choice, so it is opened again outside the timing (its opening is timed on its own).
void chooseTimed(benchmark::State& state, PickerOf picker, const QString& name) {
    state.PauseTiming();
    const auto [p, station] = stationOn(picker, name);
    state.ResumeTiming();
    p->chooseStation(*station);
}

void StartUpToFirstChart(benchmark::State& state) {
    quietServices();
    for (auto _ : state) {
        hythergraph::Hyser_Main& w = started();
        benchmark::DoNotOptimize(w.drawing().size());
        state.PauseTiming();
        forms::destroyAllForms();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToFirstChart)->Unit(benchmark::kMillisecond);

void SwitchStation(benchmark::State& state) {
    quietServices();
    hythergraph::Hyser_Main& w = started();
    w.Check2.setValue(state.range(0) == 1 ? 1 : 0);
    const QString names[2] = {u"那覇"_s, u"稚内"_s};
    int n = 0;
    for (auto _ : state) {
        chooseTimed(state, windows::Family::Hythergraph, names[n++ % 2]);
        benchmark::DoNotOptimize(w.drawing().size());
    }
    forms::destroyAllForms();
}
BENCHMARK(SwitchStation)->Arg(1)->Arg(0)->ArgNames({"normal_values"})->Unit(benchmark::kMicrosecond);

void YearStep(benchmark::State& state) {
    quietServices();
    hythergraph::Hyser_Main& w = started();
    choose(w, u"東京"_s);
    w.Check2.setValue(0);
    bool up = true;
    for (auto _ : state) {
        if (up)
            w.SpinButton1_SpinUp();
        else
            w.SpinButton1_SpinDown();
        up = !up;
        benchmark::DoNotOptimize(w.drawing().size());
    }
    forms::destroyAllForms();
}
BENCHMARK(YearStep)->Unit(benchmark::kMicrosecond);

// Switching a chart window's station between two of opposite ends of the country, in
// normal values (1) or single years (0).
template <class W>
void switchStation(benchmark::State& state, const QString& menuItem, PickerOf picker) {
    quietServices();
    W& w = opened<W>(menuItem);
    w.Check2.setValue(state.range(0) == 1 ? 1 : 0);
    const QString names[2] = {u"那覇"_s, u"稚内"_s};
    int n = 0;
    for (auto _ : state) {
        chooseTimed(state, picker, names[n++ % 2]);
        benchmark::DoNotOptimize(w.drawing().size());
    }
    forms::destroyAllForms();
}

// One year up or down in a chart window, in single years of Tokyo.
template <class W>
void yearStep(benchmark::State& state, const QString& menuItem, PickerOf picker) {
    quietServices();
    W& w = opened<W>(menuItem);
    choose(picker, u"東京"_s);
    w.Check2.setValue(0);
    bool up = true;
    for (auto _ : state) {
        if (up)
            w.SpinButton1.spinUp();
        else
            w.SpinButton1.spinDown();
        up = !up;
        benchmark::DoNotOptimize(w.drawing().size());
    }
    forms::destroyAllForms();
}

void ClimographSwitchStation(benchmark::State& state) {
    switchStation<climograph::Uonz_Main>(state, u"Rain_Ondo_Graph"_s, windows::Family::Climograph);
}
BENCHMARK(ClimographSwitchStation)->Arg(1)->Arg(0)->ArgNames({"normal_values"})->Unit(benchmark::kMicrosecond);

void ClimographYearStep(benchmark::State& state) {
    yearStep<climograph::Uonz_Main>(state, u"Rain_Ondo_Graph"_s, windows::Family::Climograph);
}
BENCHMARK(ClimographYearStep)->Unit(benchmark::kMicrosecond);

void TwoGraphSwitchStation(benchmark::State& state) {
    switchStation<twograph::Form55>(state, u"graph_2_mode"_s, windows::Family::TwoGraph);
}
BENCHMARK(TwoGraphSwitchStation)->Arg(1)->Arg(0)->ArgNames({"normal_values"})->Unit(benchmark::kMicrosecond);

void TwoGraphYearStep(benchmark::State& state) { yearStep<twograph::Form55>(state, u"graph_2_mode"_s, windows::Family::TwoGraph); }
BENCHMARK(TwoGraphYearStep)->Unit(benchmark::kMicrosecond);

void StepModeSwitchStation(benchmark::State& state) {
    switchStation<stepmode::Hyser_Step_Mode>(state, u"Step_Run"_s, windows::Family::StepMode);
}
BENCHMARK(StepModeSwitchStation)->Arg(1)->Arg(0)->ArgNames({"normal_values"})->Unit(benchmark::kMicrosecond);

void StepModeYearStep(benchmark::State& state) { yearStep<stepmode::Hyser_Step_Mode>(state, u"Step_Run"_s, windows::Family::StepMode); }
BENCHMARK(StepModeYearStep)->Unit(benchmark::kMicrosecond);

// One step of the step-mode chart: up to the closing step, then back down to the first.
void StepModeStep(benchmark::State& state) {
    quietServices();
    auto& w = opened<stepmode::Hyser_Step_Mode>(u"Step_Run"_s);
    choose(windows::Family::StepMode, u"東京"_s);
    bool up = true;
    for (auto _ : state) {
        if (w.Step_No >= chart::kClosingStep) up = false;
        if (w.Step_No <= 1) up = true;
        if (up)
            w.SpinButton2.spinUp();
        else
            w.SpinButton2.spinDown();
        benchmark::DoNotOptimize(w.drawing().size());
    }
    forms::destroyAllForms();
}
BENCHMARK(StepModeStep)->Unit(benchmark::kMicrosecond);

// A value typed into a month box of the hythergraph input window and the box left: the
// check, the colour of the box and the redraw of the chart.
void InputTypeValue(benchmark::State& state) {
    quietServices();
    app::installNavigation();
    QDir::setCurrent(programFolder());
    auto& w = forms::instance<input::Hyser_Input>();
    const double temps[12] = {-3.6, -3.1, 0.6, 7.1, 12.4, 16.7, 20.5, 22.3, 18.1, 11.8, 4.9, -0.9};
    const double rains[12] = {108, 92, 78, 55, 56, 51, 81, 124, 135, 109, 104, 112};
    for (int i = 1; i <= 12; ++i) {
        w.Text3(i).setText(QString::number(temps[i - 1]));
        w.Text4(i).setText(QString::number(rains[i - 1]));
    }
    const QString values[2] = {u"12.5"_s, u"-4.5"_s};
    int n = 0;
    for (auto _ : state) {
        w.Text3(4).SetFocus();
        w.Text3(4).type(values[n++ % 2]);
        w.Text8.SetFocus();
        benchmark::DoNotOptimize(w.drawing().size());
    }
    forms::destroyAllForms();
}
BENCHMARK(InputTypeValue)->Unit(benchmark::kMicrosecond);

// Opening a picker from the main window's menu: the window built from its design and its
// map decoded. Each opening is of a picker not loaded yet, as after start-up.
void OpenPicker(benchmark::State& state, windows::Family family, bool world) {
    quietServices();
    started();
    int region = 0;
    for (auto _ : state) {
        region = region % 7 + 1;
        if (world)
            windows::navigation().showWorldPicker(family, region);
        else
            windows::navigation().showJapanPicker(family, region);
        state.PauseTiming();
        forms::destroyAllForms();
        started();
        state.ResumeTiming();
    }
    forms::destroyAllForms();
}
void OpenJapanPicker(benchmark::State& state) { OpenPicker(state, windows::Family::Hythergraph, false); }
BENCHMARK(OpenJapanPicker)->Unit(benchmark::kMillisecond);
void OpenWorldPicker(benchmark::State& state) { OpenPicker(state, windows::Family::Hythergraph, true); }
BENCHMARK(OpenWorldPicker)->Unit(benchmark::kMillisecond);

// The main window's capture of its chart to a bitmap in CAP/ beside the program.
void CaptureToBitmap(benchmark::State& state) {
    quietServices();
    hythergraph::Hyser_Main& w = started();
    choose(w, u"広島"_s);
    for (auto _ : state) {
        w.menu(u"Cap_White"_s).click();
        benchmark::DoNotOptimize(w.Cap_Folder.size());
    }
    forms::destroyAllForms();
}
BENCHMARK(CaptureToBitmap)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
