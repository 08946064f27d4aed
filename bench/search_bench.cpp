// How long the reaction search takes on a large mechanism. The window searches without
// any index, so one search must stay far below what a user would notice.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "commands/ReactionSearch.h"
#include "mechanism/SpeciesSearch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int mechanismSize = 10000;

/// Species names of the kind large mechanisms use: the small radicals and molecules
/// that appear everywhere, and many hydrocarbons and oxygenates that appear rarely.
std::vector<std::string> speciesPool() {
    std::vector<std::string> pool = {"H",    "O",    "OH",   "H2",   "O2",   "HO2", "H2O",
                                     "H2O2", "CO",   "CO2",  "CH3",  "CH4",  "HCO", "CH2O",
                                     "CH3O", "C2H2", "C2H4", "C2H5", "C2H6", "N2",  "AR"};
    for (int carbons = 3; carbons <= 16; ++carbons) {
        for (int hydrogens = 1; hydrogens <= 2 * carbons + 2; hydrogens += 3) {
            std::string base = "C";
            base += std::to_string(carbons);
            base += 'H';
            base += std::to_string(hydrogens);
            pool.push_back(base);
            pool.push_back(base);
            pool.back() += "O2";
            pool.push_back(base);
            pool.back() += "OOH";
        }
    }
    return pool;
}

/// Reaction lines as the loader lists them, in file order.
std::vector<std::string> largeMechanism() {
    const std::vector<std::string> pool = speciesPool();
    std::mt19937 random(20040901);
    // The first few species of the pool are drawn far more often than the rest.
    std::discrete_distribution<size_t> common({8, 8, 8, 6, 6, 6, 4, 2, 2, 2, 3, 2, 2, 2});
    std::uniform_int_distribution<size_t> any(0, pool.size() - 1);
    std::uniform_int_distribution<int> shape(0, 9);
    auto pick = [&] { return shape(random) < 4 ? pool[common(random)] : pool[any(random)]; };

    std::vector<std::string> lines;
    lines.reserve(mechanismSize);
    for (int index = 0; index < mechanismSize; ++index) {
        const int kind = shape(random);
        std::string line = pick();
        line += '+';
        line += pick();
        if (kind == 0)
            line += "(+M)";
        else if (kind == 1)
            line += "+M";
        line += kind == 2 ? "=>" : "<=>";
        line += pick();
        if (kind != 3) {
            line += '+';
            line += pick();
        }
        if (kind == 0)
            line += "(+M)";
        else if (kind == 1)
            line += "+M";
        line += " 1.234E+13 -0.567 1.2345E+04";
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> sortedDomain() {
    std::vector<std::string> domain;
    for (const std::string& line : largeMechanism())
        domain.push_back(zorbel::searchListEntry(line));
    std::sort(domain.begin(), domain.end());
    return domain;
}

void searchFor(benchmark::State& state, const std::vector<std::string>& queries) {
    static const std::vector<std::string> domain = sortedDomain();
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<std::string> results = zorbel::searchReactions(domain, queries);
        found = results.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_SearchFrequentSpecies(benchmark::State& state) {
    searchFor(state, {"O2"});
}
void BM_SearchSingleLetterSpecies(benchmark::State& state) {
    searchFor(state, {"H"});
}
void BM_SearchRareSpecies(benchmark::State& state) {
    searchFor(state, {"C9H13OOH"});
}
void BM_SearchThreeSpecies(benchmark::State& state) {
    searchFor(state, {"H", "O2", "HO2"});
}

/// The whole Begin Search click: the three boxes read, the search, the result list and
/// the label written.
void BM_BeginSearchClick(benchmark::State& state) {
    zorbel::ScriptedPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectSearch(session);
    session.form.LOS2.assign(largeMechanism());
    session.common.ReactionCount = mechanismSize;
    platform.onSearch = [&state](zorbel::Findfrm& window) {
        window.Usereqn1.setText("h");
        window.Usereqn2.setText("o2");
        for (auto _ : state)
            window.FindCmdR.click();
        state.counters["found"] = window.SubLOS2copy.count();
        window.Closefrm.click();
    };
    session.form.FindCmd.click();
}

/// Opening the window: the sorted, marked copy of the mechanism.
void BM_OpenWindow(benchmark::State& state) {
    zorbel::ScriptedPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectSearch(session);
    session.form.LOS2.assign(largeMechanism());
    session.common.ReactionCount = mechanismSize;
    platform.onSearch = [](zorbel::Findfrm& window) { window.Closefrm.click(); };
    for (auto _ : state)
        session.form.FindCmd.click();
}

} // namespace

BENCHMARK(BM_SearchFrequentSpecies)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchSingleLetterSpecies)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchRareSpecies)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchThreeSpecies)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeginSearchClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
