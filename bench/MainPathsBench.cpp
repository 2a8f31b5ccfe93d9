// Timings of the main window's main paths on the real databases: start-up to the first
// drawn chart, switching the shown station, one year step.
//   build/bench/main_paths_bench [--benchmark_filter=...]
#include "app/JapanPickers.h"
#include "app/Start.h"
#include "data/ClimateDb.h"
#include "hythergraph/Hyser_Main.h"
#include "pickers/tables/JapanRegions.h"
#include "platform/forms/Services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
    return forms::instance<hythergraph::Hyser_Main>();
}

// A click on the station's label in the main window's picker of its region.
void choose(hythergraph::Hyser_Main&, const QString& name) {
    for (const pickers::JapanRegion& region : pickers::japanRegions()) {
        for (const pickers::PickerStation& station : region.stations) {
            if (station.name == name) return app::mainJapanPicker(region.region).chooseStation(station);
        }
    }
    std::abort();
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
        choose(w, names[n++ % 2]);
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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
