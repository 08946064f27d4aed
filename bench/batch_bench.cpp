// How long the batch reversal takes, whole and by stage: reading the database, species
// properties over a grid, the per-point arithmetic with the fit, and the file.
//
//   batch_bench                      run the benchmarks
//   batch_bench --generate DIR [N]   write bench.therm (200 species) and bench.rxn
//                                    (N reactions, 10000 by default) into DIR, for timing
//                                    zorbel-cli

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "commands/Program.h"
#include "files/TextFiles.h"
#include "reversal/ArrheniusFit.h"
#include "reversal/GridData.h"
#include "reversal/ReactionReversal.h"
#include "reversal/SpeciesProvider.h"
#include "reversal/TemperatureGrid.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/ThermoIndex.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int generatedSpecies = 200;
constexpr int generatedReactions = 10000;

/// The records of the example database, each four lines, THERMO and END left out.
std::vector<std::vector<std::string>> exampleRecords() {
    std::vector<std::string> lines =
        zorbel::readLines(std::string(ZORBEL_EXAMPLES) + "/example.therm").value();
    std::vector<std::vector<std::string>> records;
    for (size_t i = 2; i + 3 < lines.size(); i += 4) {
        if (lines[i].rfind("AR ", 0) == 0)
            continue; // a monatomic gas with constant Cp: too plain a template
        records.push_back({lines[i], lines[i + 1], lines[i + 2], lines[i + 3]});
    }
    return records;
}

std::string speciesName(int k) {
    char name[8];
    std::snprintf(name, sizeof name, "S%03d", k);
    return name;
}

/// 200 species copied from the example records under new names, and `reactions` reactions
/// among them with made-up rate parameters.
void generate(const fs::path& folder, int reactions = generatedReactions) {
    const std::vector<std::vector<std::string>> records = exampleRecords();
    std::ofstream thermo(folder / "bench.therm", std::ios::binary);
    thermo << "THERMO\n   300.000  1000.000  5000.000\n";
    for (int k = 0; k < generatedSpecies; ++k) {
        const std::vector<std::string>& record = records[static_cast<size_t>(k) % records.size()];
        std::string header = record[0];
        const std::string name = speciesName(k);
        header.replace(0, name.size(), name);
        thermo << header << '\n' << record[1] << '\n' << record[2] << '\n' << record[3] << '\n';
    }
    thermo << "END\n";

    std::mt19937 random(1542);
    std::uniform_int_distribution<int> pick(0, generatedSpecies - 1);
    std::uniform_int_distribution<int> sideSize(1, 2);
    std::uniform_real_distribution<double> logA(10.0, 14.0);
    std::uniform_real_distribution<double> exponent(-1.0, 2.0);
    std::uniform_real_distribution<double> energy(0.0, 30000.0);
    std::ofstream mechanism(folder / "bench.rxn", std::ios::binary);
    mechanism << "REACTIONS\n";
    for (int r = 0; r < reactions; ++r) {
        std::string equation;
        for (int side = 0; side < 2; ++side) {
            const int count = sideSize(random);
            for (int i = 0; i < count; ++i)
                equation += (i ? "+" : "") + speciesName(pick(random));
            if (side == 0)
                equation += "<=>";
        }
        char line[160];
        std::snprintf(line, sizeof line, "%s %.3E %.3f %.1f\n", equation.c_str(),
                      std::pow(10.0, logA(random)), exponent(random), energy(random));
        mechanism << line;
    }
    mechanism << "END\n";
}

/// A session with both files loaded and the first reaction shown (it fixes the number
/// patterns), ready for Reverse All; threads 0 is one per core.
struct LoadedSession {
    LoadedSession(const fs::path& thermo, const fs::path& mechanism, int points, int threads) {
        zorbel::connectCommands(session);
        platform.fixedClock = zorbel::DateTime{2026, 12, 6, 12, 0, 0};
        platform.fileAnswers.push_back(thermo.string());
        session.form.CMD1.click();
        platform.fileAnswers.push_back(mechanism.string());
        session.form.CMD2.click();
        session.form.Ntxt.setText(std::to_string(points));
        session.form.LOS2.select(0);
        session.batchThreads = threads;
    }
    zorbel::ScriptedPlatform platform;
    zorbel::Session session{platform};
};

const fs::path& generatedFolder() {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() / "zorbel-batch-bench";
        fs::create_directories(path);
        generate(path);
        return path;
    }();
    return folder;
}

/// The whole Reverse All of a job, by phase: loading the two files (the load_s counter)
/// and the run itself (the benchmark's time), on the threads of the second argument.
void reverseAll(benchmark::State& state, const fs::path& thermo, const fs::path& mechanism,
                bool whole = false, const std::string& maxError = {}) {
    if (!fs::exists(thermo)) {
        state.SkipWithError("input not present");
        return;
    }
    const int points = static_cast<int>(state.range(0));
    const auto start = std::chrono::steady_clock::now();
    LoadedSession loaded(thermo, mechanism, points, static_cast<int>(state.range(1)));
    const std::chrono::duration<double> load = std::chrono::steady_clock::now() - start;
    loaded.session.common.WorkFolder = generatedFolder().string() + "/";
    if (whole) {
        loaded.session.form.WholeMechanismChk.setChecked(true);
        loaded.session.reportPath = (generatedFolder() / "report.csv").string();
        loaded.session.form.MaxErrortxt.setText(maxError);
    }
    for (auto _ : state)
        loaded.session.form.CMD4.click();
    const auto reactions = loaded.session.common.ReactionCount;
    state.counters["load_s"] = load.count();
    state.counters["reaction_points/s"] = benchmark::Counter(
        static_cast<double>(reactions) * points * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}

const fs::path sharedData = fs::path(ZORBEL_SHARED_DATA);

void BM_ReverseAllGriMech(benchmark::State& state) {
    reverseAll(state, sharedData / "gri30/thermo30.dat", sharedData / "gri30/mech-clean.rxn");
}
BENCHMARK(BM_ReverseAllGriMech)
    ->ArgsProduct({{50, 1000, 10000}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ReverseAllAramco(benchmark::State& state) {
    reverseAll(state, sharedData / "aramco1.3/AramcoMech_1.3_therm.dat",
               sharedData / "aramco1.3/mech-clean.rxn");
}
BENCHMARK(BM_ReverseAllAramco)
    ->ArgsProduct({{10000}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

/// The whole mechanism with its report against the reaction lines alone (third argument 1
/// and 0): the goal is at most 1.5 times the time of the latter.
void BM_ReverseAllAramcoWhole(benchmark::State& state) {
    reverseAll(state, sharedData / "aramco1.3/AramcoMech_1.3_therm.dat",
               sharedData / "aramco1.3/mech-clean.rxn", state.range(2) == 1);
}
BENCHMARK(BM_ReverseAllAramcoWhole)
    ->ArgsProduct({{1000}, {0}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

/// The whole mechanism with every reverse rate within 1 % of kf/Kc (sums of up to three
/// laws), on one thread and on every core: the goal is under 2 s on two cores.
void BM_ReverseAllAramcoWithin1Percent(benchmark::State& state) {
    reverseAll(state, sharedData / "aramco1.3/AramcoMech_1.3_therm.dat",
               sharedData / "aramco1.3/mech-clean.rxn", true, "1");
}
BENCHMARK(BM_ReverseAllAramcoWithin1Percent)
    ->ArgsProduct({{1000}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

void BM_ReverseAllGenerated(benchmark::State& state) {
    reverseAll(state, generatedFolder() / "bench.therm", generatedFolder() / "bench.rxn");
}
BENCHMARK(BM_ReverseAllGenerated)
    ->ArgsProduct({{1000}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

/// 50000 reactions over the same 200 species, on every core only: it takes a while.
void BM_ReverseAllGenerated50000(benchmark::State& state) {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() / "zorbel-batch-bench-50000";
        fs::create_directories(path);
        generate(path, 50000);
        return path;
    }();
    reverseAll(state, folder / "bench.therm", folder / "bench.rxn");
}
BENCHMARK(BM_ReverseAllGenerated50000)
    ->Args({10000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

// Phases, each on its own.

void BM_ReadDatabase(benchmark::State& state) {
    const std::string path = (generatedFolder() / "bench.therm").string();
    for (auto _ : state) {
        std::optional<zorbel::ThermoIndex> index = zorbel::ThermoIndex::load(path);
        for (int k = 0; k < generatedSpecies; ++k)
            benchmark::DoNotOptimize(index->find(speciesName(k)));
    }
}
BENCHMARK(BM_ReadDatabase)->Unit(benchmark::kMillisecond);

/// The species series of a run: every species of the generated database over one grid.
void BM_SpeciesSeries(benchmark::State& state) {
    zorbel::ScriptedPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectCommands(session);
    platform.fileAnswers.push_back((generatedFolder() / "bench.therm").string());
    session.form.CMD1.click();
    std::optional<zorbel::ThermoIndex> index =
        zorbel::ThermoIndex::load((generatedFolder() / "bench.therm").string());
    const zorbel::GridKey key{" 300", " 3500", static_cast<int>(state.range(0)), true};
    for (auto _ : state) {
        zorbel::SpeciesProvider species(session.form.LOS1.entries(), &*index);
        const zorbel::GridData& grid = species.grid(key);
        for (int k = 0; k < generatedSpecies; ++k)
            benchmark::DoNotOptimize(species.series(speciesName(k), grid));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * generatedSpecies);
}
BENCHMARK(BM_SpeciesSeries)->Arg(1000)->Unit(benchmark::kMillisecond);

/// One reaction once its species series exist: the per-point arithmetic and the fit, as a
/// batch runs them (no series kept) and as the single Reverse does (every series kept).
void BM_ReactionArithmeticAndFit(benchmark::State& state) {
    const int points = static_cast<int>(state.range(0));
    zorbel::ScriptedPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectCommands(session);
    platform.fileAnswers.push_back((generatedFolder() / "bench.therm").string());
    session.form.CMD1.click();
    std::optional<zorbel::ThermoIndex> index =
        zorbel::ThermoIndex::load((generatedFolder() / "bench.therm").string());
    zorbel::SpeciesProvider species(session.form.LOS1.entries(), &*index);
    zorbel::ReversalRequest request;
    request.slots = {"///", "S001", "S002", "S003", "S004", "///"};
    request.aText = "1.000E+13";
    request.nText = "0.500";
    request.eaText = "12000.0";
    request.points = points;
    request.gasConstant = static_cast<double>(1.9872F);
    const auto kept = state.range(1) != 0 ? zorbel::SeriesKept::All : zorbel::SeriesKept::None;
    zorbel::reverseReaction(request, species); // species series now cached
    for (auto _ : state)
        benchmark::DoNotOptimize(zorbel::reverseReaction(request, species, kept));
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_ReactionArithmeticAndFit)->ArgsProduct({{1000}, {0, 1}});

void BM_FitOnly(benchmark::State& state) {
    const std::vector<double> T =
        zorbel::makeGrid({" 300", " 3500", false, false}, static_cast<int>(state.range(0)), true);
    std::vector<double> y;
    for (double t : T)
        y.push_back(30.0 - 0.5 * std::log(t) - 5000.0 / t);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            zorbel::fitRateLaw(T, y, zorbel::RateLaw::ModifiedArrhenius, 1.9872));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FitOnly)->Arg(1000);

} // namespace

int main(int argc, char** argv) {
    if ((argc == 3 || argc == 4) && std::string(argv[1]) == "--generate") {
        fs::create_directories(argv[2]);
        generate(argv[2], argc == 4 ? std::stoi(argv[3]) : generatedReactions);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
