// How the reading of each kind of input grows with its size: a database of N species, a
// mechanism of N reactions, a comparison file of N marked lines. Each should take time in
// proportion to N; the fitted complexity and its RMS say how closely it does, and the
// items_per_second counter stays level across N when it does.
//
// The inputs are written once per size into a temporary folder. The readers are timed on
// their own, and through the window's commands, which add the lists and, for the
// comparison file, the reversal of every marked reaction.
//
// The readers on their own free all they read at every iteration, and the allocator gives
// much of it back to the system: fresh pages are then part of their time, which on a
// virtual machine can make them slower than the commands that keep their lists.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "commands/Program.h"
#include "comparison/Annotation.h"
#include "comparison/ComparisonFile.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismFile.h"
#include "thermo/ThermoDatabase.h"
#include "thermo/ThermoIndex.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path& benchFolder() {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() / "zorbel-scaling-bench";
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

fs::path example(const char* name) {
    return fs::path(ZORBEL_EXAMPLES) / name;
}

/// The generated inputs go through the program's own writer, which puts a file in place
/// only once it is whole: a run stopped half way leaves no short input for the next run.
void writeInput(const fs::path& path, const std::vector<std::string>& lines) {
    if (!zorbel::writeLines(path.string(), lines))
        throw std::runtime_error("cannot write " + path.string());
}

std::string speciesName(int k) {
    char name[16];
    std::snprintf(name, sizeof name, "S%06d", k);
    return name;
}

/// N species, each with the coefficients of H2, their names in a scrambled order so that
/// the list has sorting to do.
fs::path databaseOf(int n) {
    const fs::path path = benchFolder() / ("species-" + std::to_string(n) + ".therm");
    if (fs::exists(path))
        return path;
    std::vector<std::string> lines = {"THERMO", "   300.000  1000.000  5000.000"};
    for (int k = 0; k < n; ++k) {
        std::string header = speciesName(static_cast<int>((7919LL * k) % n));
        header.resize(45, ' ');
        lines.push_back(header + "G   200.000  3500.000  1000.000    1");
        lines.emplace_back(" 3.33727920E+00-4.94024731E-05 4.99456778E-07-1.79566394E-10 "
                           "2.00255376E-14    2");
        lines.emplace_back("-9.50158922E+02-3.20502331E+00 2.34433112E+00 7.98052075E-03"
                           "-1.94781510E-05    3");
        lines.emplace_back(" 2.01572094E-08-7.37611761E-12-9.17935173E+02 6.83010238E-01"
                           "                   4");
    }
    lines.emplace_back("END");
    writeInput(path, lines);
    return path;
}

/// N reactions, each between four species, with a comment line every tenth reaction.
fs::path mechanismOf(int n) {
    const fs::path path = benchFolder() / ("reactions-" + std::to_string(n) + ".rxn");
    if (fs::exists(path))
        return path;
    std::vector<std::string> lines = {"ELEMENTS", "H O", "END", "REACTIONS"};
    for (int k = 0; k < n; ++k) {
        if (k % 10 == 0)
            lines.push_back("! reactions " + std::to_string(k) + " onwards");
        lines.push_back(speciesName(k) + "+" + speciesName(k + 1) + "<=>" + speciesName(k + 2) +
                        "+" + speciesName(k + 3) + " 1.000E+13 0.000 1000.0");
    }
    lines.emplace_back("END");
    writeInput(path, lines);
    return path;
}

/// The example comparison file cut in three: the lines before its marked lines, the marked
/// lines, and the lines after them.
struct ExampleComparison {
    std::vector<std::string> head;
    std::vector<std::string> marked;
    std::vector<std::string> tail;
};

const ExampleComparison& exampleComparison() {
    static const ExampleComparison pieces = [] {
        ExampleComparison cut;
        std::vector<std::string> lines =
            zorbel::readLines(example("example-common.txt").string()).value();
        for (std::string& line : lines) {
            if (zorbel::isMarkedLine(line))
                cut.marked.push_back(std::move(line));
            else
                (cut.marked.empty() ? cut.head : cut.tail).push_back(std::move(line));
        }
        return cut;
    }();
    return pieces;
}

/// The example's marked lines repeated to N, between the example's own first and last lines.
std::vector<std::string> comparisonLines(int n) {
    const ExampleComparison& pieces = exampleComparison();
    std::vector<std::string> lines = pieces.head;
    for (int k = 0; k < n; ++k)
        lines.push_back(pieces.marked[static_cast<size_t>(k) % pieces.marked.size()]);
    lines.insert(lines.end(), pieces.tail.begin(), pieces.tail.end());
    return lines;
}

/// A session over the example database, with the example mechanism's first reaction shown
/// (it fixes the number patterns of the reverse coefficients), as a user starts.
struct ExampleSession {
    ExampleSession() {
        zorbel::connectCommands(session);
        platform.fixedClock = zorbel::DateTime{2026, 12, 6, 12, 0, 0};
        platform.fileAnswers.push_back(example("example.therm").string());
        session.form.CMD1.click();
        platform.fileAnswers.push_back(example("example.rxn").string());
        session.form.CMD2.click();
        session.form.LOS2.select(0);
    }
    /// Annotates the file; false when the command refused it.
    bool annotate(const fs::path& comparison) {
        platform.fileAnswers.push_back(comparison.string());
        session.form.CMD6.click();
        return session.form.lblerror.caption().empty();
    }
    zorbel::ScriptedPlatform platform;
    zorbel::Session session{platform};
};

/// RevAll.txt of the example's marked lines: its two header lines, then two lines a
/// reaction (no personal range, so no comment lines in between).
const std::vector<std::string>& exampleRevAll() {
    static const std::vector<std::string> revAll = [] {
        const fs::path folder = benchFolder() / "example";
        fs::create_directories(folder);
        std::vector<std::string> lines = exampleComparison().head;
        const std::vector<std::string>& marked = exampleComparison().marked;
        lines.insert(lines.end(), marked.begin(), marked.end());
        lines.insert(lines.end(), exampleComparison().tail.begin(), exampleComparison().tail.end());
        writeInput(folder / "common.txt", lines);
        ExampleSession user;
        if (!user.annotate(folder / "common.txt"))
            return std::vector<std::string>();
        std::vector<std::string> written =
            zorbel::readLines((folder / "RevAll.txt").string()).value();
        return written.size() == 2 + 2 * marked.size() ? written : std::vector<std::string>();
    }();
    return revAll;
}

/// The comparison file of N marked lines and its RevAll.txt, as the reversal writes it.
struct ComparisonInput {
    fs::path comparison;
    fs::path revAll;
};

ComparisonInput comparisonOf(int n) {
    const fs::path folder = benchFolder() / ("comparison-" + std::to_string(n));
    const ComparisonInput input{folder / "common.txt", folder / "RevAll.txt"};
    if (fs::exists(input.revAll))
        return input;
    fs::create_directories(folder);
    writeInput(input.comparison, comparisonLines(n));
    const std::vector<std::string>& example = exampleRevAll();
    const size_t reactions = (example.size() - 2) / 2;
    std::vector<std::string> revAll(example.begin(), example.begin() + 2);
    for (int k = 0; k < n; ++k) {
        const size_t at = 2 + 2 * (static_cast<size_t>(k) % reactions);
        revAll.push_back(example[at]);
        revAll.push_back(example[at + 1]);
    }
    writeInput(input.revAll, revAll);
    return input;
}

void sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(10000)->Arg(20000)->Arg(40000);
}

void comparisonSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(25000)->Arg(50000)->Arg(100000);
}

void countItems(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

// The readers on their own.

/// What loading a database reads: the file's lines and its sorted species names.
void BM_DatabaseNames(benchmark::State& state) {
    const std::string path = databaseOf(static_cast<int>(state.range(0))).string();
    for (auto _ : state) {
        std::optional<std::vector<std::string>> lines = zorbel::readDatabaseLines(path);
        benchmark::DoNotOptimize(zorbel::listSpeciesNames(*lines));
    }
    countItems(state);
}
BENCHMARK(BM_DatabaseNames)->Apply(sizes)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

/// What a reversal run reads: the database indexed, then every species' record found.
void BM_DatabaseIndex(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string path = databaseOf(n).string();
    for (auto _ : state) {
        std::optional<zorbel::ThermoIndex> index = zorbel::ThermoIndex::load(path);
        for (int k = 0; k < n; ++k)
            benchmark::DoNotOptimize(index->find(speciesName(k)));
    }
    countItems(state);
}
BENCHMARK(BM_DatabaseIndex)->Apply(sizes)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_MechanismEntries(benchmark::State& state) {
    const std::string path = mechanismOf(static_cast<int>(state.range(0))).string();
    for (auto _ : state) {
        std::optional<std::vector<std::string>> lines = zorbel::readLines(path);
        benchmark::DoNotOptimize(zorbel::reactionEntries(std::move(*lines)));
    }
    countItems(state);
}
BENCHMARK(BM_MechanismEntries)
    ->Apply(sizes)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

/// The annotation once RevAll.txt is written: both files read, the marked lines cut and
/// paired with their results, compared and sorted into groups, and the merged file written.
void BM_ComparisonAnnotation(benchmark::State& state) {
    const ComparisonInput input = comparisonOf(static_cast<int>(state.range(0)));
    if (exampleRevAll().empty()) {
        state.SkipWithError("the example comparison file could not be annotated");
        return;
    }
    const std::string merged = (input.comparison.parent_path() / "merged.txt").string();
    for (auto _ : state) {
        const std::vector<std::string> lines = zorbel::readLines(input.comparison.string()).value();
        const zorbel::MarkedScan scan = zorbel::scanMarkedLines(lines);
        const zorbel::ComparisonSettings settings = zorbel::readSettingsGroup(lines.front());
        std::vector<std::string> entries;
        entries.reserve(scan.reactions.size());
        for (const zorbel::MarkedReaction& marked : scan.reactions)
            entries.push_back(marked.entry);
        const std::vector<std::string> revAll = zorbel::readLines(input.revAll.string()).value();
        const std::vector<zorbel::ReversedReaction> reversed =
            zorbel::pairResults(revAll, entries).value();
        zorbel::ClassifiedLines classified;
        for (size_t k = 0; k < reversed.size(); ++k) {
            const zorbel::MarkedReaction& marked = scan.reactions[k];
            const zorbel::RateComparison rates =
                zorbel::compareRates(reversed[k].result, marked, settings.T1, settings.T2);
            switch (zorbel::classify(rates.diffs1, rates.diffs2, settings.tolerancePercent / 100)) {
            case zorbel::Group::Identical:
                classified.identical.push_back(zorbel::classifiedLine(reversed[k], marked, rates));
                break;
            case zorbel::Group::Different:
                classified.different.push_back(zorbel::classifiedLine(reversed[k], marked, rates));
                break;
            case zorbel::Group::NotCalculated:
                classified.notCalculated.push_back(zorbel::unclassifiedLine(reversed[k]));
                break;
            }
        }
        const zorbel::MergedFile file =
            zorbel::mergeAnnotation(lines, zorbel::annotationBlock(classified, settings));
        benchmark::DoNotOptimize(zorbel::writeLines(merged, file.lines));
    }
    countItems(state);
}
BENCHMARK(BM_ComparisonAnnotation)
    ->Apply(comparisonSizes)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The same inputs through the window's commands.

void BM_LoadDatabaseCommand(benchmark::State& state) {
    const std::string path = databaseOf(static_cast<int>(state.range(0))).string();
    zorbel::ScriptedPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectCommands(session);
    for (auto _ : state) {
        platform.fileAnswers.push_back(path);
        session.form.CMD1.click();
    }
    if (session.common.SpeciesCount != state.range(0))
        state.SkipWithError("the database did not load whole");
    countItems(state);
}
BENCHMARK(BM_LoadDatabaseCommand)
    ->Apply(sizes)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_LoadMechanismCommand(benchmark::State& state) {
    const std::string path = mechanismOf(static_cast<int>(state.range(0))).string();
    zorbel::ScriptedPlatform platform;
    zorbel::Session session(platform);
    zorbel::connectCommands(session);
    for (auto _ : state) {
        platform.fileAnswers.push_back(path);
        session.form.CMD2.click();
    }
    if (session.common.ReactionCount != state.range(0))
        state.SkipWithError("the mechanism did not load whole");
    countItems(state);
}
BENCHMARK(BM_LoadMechanismCommand)
    ->Apply(sizes)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

/// The whole command: every marked reaction reversed over 50 points, RevAll.txt written
/// and read back, the comparison file rewritten in place (put back between iterations).
void BM_AnnotateCommand(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const fs::path folder = benchFolder() / ("command-" + std::to_string(n));
    fs::create_directories(folder);
    const fs::path comparison = folder / "common.txt";
    const std::vector<std::string> lines = comparisonLines(n);
    ExampleSession user;
    for (auto _ : state) {
        state.PauseTiming();
        writeInput(comparison, lines);
        state.ResumeTiming();
        if (!user.annotate(comparison)) {
            state.SkipWithError(user.session.form.lblerror.caption().c_str());
            return;
        }
    }
    countItems(state);
}
BENCHMARK(BM_AnnotateCommand)
    ->Apply(comparisonSizes)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
