// The core's run without any window: the reference mechanism in, through the reaction
// lines' layout, the golden reversed mechanism out, whatever the number of threads; and
// the state the run hands from one reaction to the next.

#include "batch/ReversalRun.h"
#include "batch/RunSinks.h"
#include "batch/SingleReversal.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismFile.h"
#include "reversal/SpeciesProvider.h"
#include "support/TestSupport.h"
#include "text/StringOps.h"
#include "thermo/ThermoDatabase.h"
#include "thermo/ThermoIndex.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorbel {
namespace {

/// Every line a run's results give, after the file's two header lines.
class CollectedLines : public ResultSink {
public:
    void take(const SinkEntry& entry) override {
        lines.insert(lines.end(), entry.lines.begin(), entry.lines.end());
    }
    std::vector<std::string> lines;
};

class CoreRun : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string thermo = (testing::testData() / "reversal.therm").string();
        index = ThermoIndex::load(thermo);
        ASSERT_TRUE(index);
        names = listSpeciesNames(*readDatabaseLines(thermo));
        std::sort(names.begin(), names.end());
        const auto lines = readLines((testing::testData() / "reversal.rxn").string());
        ASSERT_TRUE(lines);
        entries = *reactionEntries(*lines, &lineNumbers);
    }

    /// Runs the entries and hands each result to the sink, in order.
    void run(const std::vector<std::string>& listed, const RunSettings& settings,
             const RunStart& start, ResultSink& sink) {
        SpeciesProvider species(names, &*index);
        std::vector<std::string> parseTexts;
        for (const std::string& entry : listed)
            parseTexts.push_back(replaceAll(entry, "( ", "("));
        ReversalRun reversal(parseTexts, settings, static_cast<double>(1.9872F), start, species);
        for (std::size_t i = 0; i < listed.size(); ++i) {
            const ReactionResult result = reversal.next();
            EntryRecord record;
            const ListedResult entry{static_cast<int>(i), listed[i], result};
            const std::vector<std::string> lines =
                resultLines(entry, {"reversal.therm", lineNumbers}, record);
            sink.take({entry, lines, record});
        }
    }

    /// The start a window gives a run once it has shown the first reaction.
    RunStart shownFirst() const {
        const ParsedReaction first = parseReaction(entries.front());
        return {choosePatterns(first.AText, first.NText, first.EaText),
                {first.AText, first.NText, first.EaText},
                {},
                {}};
    }

    std::optional<ThermoIndex> index;
    std::vector<std::string> names;
    std::vector<std::string> entries;
    std::vector<int> lineNumbers;
};

TEST_F(CoreRun, WritesTheGoldenReactionLinesOnAnyNumberOfThreads) {
    std::vector<std::string> golden =
        testing::crlfLines(testing::readFile(testing::testData() / "golden/RevAll-reversal.txt"));
    golden.erase(golden.begin(), golden.begin() + 2); // REACTIONS and the date
    for (int threads : {1, 3}) {
        SCOPED_TRACE(threads);
        RunSettings settings;
        settings.threads = threads;
        CollectedLines collected;
        run(entries, settings, shownFirst(), collected);
        EXPECT_EQ(collected.lines, golden);
    }
}

TEST_F(CoreRun, ALineWhoseCoefficientsCannotBeCutTakesThoseBeforeIt) {
    // Without its numbers a line is reversed with the texts of the reaction before it, or
    // with those the run started with; a setting of the run reaches every reaction.
    const std::vector<std::string> listed = {"H+O2<=>O+OH", "H+O2<=>O+OH 3.547E+15 -0.406 16599.0",
                                             "H+O2<=>O+OH", "O+OH<=>H+O2 1.0E+13 0.0 0.0"};
    RunSettings settings;
    settings.points = 60;
    settings.threads = 2;
    RunStart start;
    start.previous = {"1.0E+10", "0.0", "0.0"};
    SpeciesProvider species(names, &*index);
    std::vector<std::string> parseTexts(listed.begin(), listed.end());
    ReversalRun reversal(parseTexts, settings, 1.9872, start, species);
    const std::vector<std::string> expectedA = {"1.0E+10", "3.547E+15", "3.547E+15", "1.0E+13"};
    for (const std::string& A : expectedA) {
        const ReactionResult result = reversal.next();
        EXPECT_EQ(result.request.aText, A);
        EXPECT_EQ(result.request.points, 60);
    }
}

TEST_F(CoreRun, AFaultInOneReactionGivesItsCommentLineOnly) {
    // The fault's words stay on the one comment line; a fault without words still says so.
    const std::vector<std::pair<std::string, std::string>> faults = {
        {"injected\r\nfault", "!Reverse coef. not calculated: unexpected fault: injected  fault"},
        {"", "!Reverse coef. not calculated: unexpected fault: "}};
    for (const auto& [what, comment] : faults) {
        ReactionResult result;
        result.parsed = parseReaction(entries[2]);
        result.fault = what;
        EntryRecord record;
        const std::vector<std::string> lines =
            resultLines({2, entries[2], result}, {"reversal.therm", lineNumbers}, record);
        EXPECT_EQ(lines, (std::vector<std::string>{entries[2], comment}));
        EXPECT_NE(record.outcome, EntryOutcome::Reversed);
    }
}

TEST_F(CoreRun, TheResultsGridColumnsAreKeptWhenAsked) {
    // Kept, they are the single Reverse's series; otherwise nothing is kept.
    SpeciesProvider species(names, &*index);
    RunStart start = shownFirst();
    const ReversalRequest settings = requestWith(RunSettings{}, 1.9872);
    const ReactionResult none =
        computeReaction(entries[0], settings, start.patterns, &start.previous, species);
    EXPECT_TRUE(none.outcome.series.T.empty() && none.outcome.series.kr.empty());
    const ReactionResult kept = computeReaction(entries[0], settings, start.patterns,
                                                &start.previous, species, false, SeriesKept::Grid);
    const ReactionSeries all = reverseReaction(kept.request, species).series;
    EXPECT_EQ(kept.outcome.series.T, all.T);
    EXPECT_EQ(kept.outcome.series.kr, all.kr);
    EXPECT_EQ(kept.outcome.series.lnKr, all.lnKr);
    EXPECT_EQ(kept.outcome.series.T.size(), 50U);
    EXPECT_EQ(kept.reverseTexts, none.reverseTexts);
}

TEST_F(CoreRun, OneReactionAloneWritesTheGoldenTable) {
    // What Reverse shows and writes for the first reaction, without any window; and what it
    // says of a species missing from the database.
    SpeciesProvider species(names, &*index);
    const RunStart start = shownFirst();
    const ReversalRequest settings = requestWith(RunSettings{}, static_cast<double>(1.9872F));
    const ReactionResult result =
        reverseAlone(requestOfParse(parseReaction(entries[0]), settings, start.previous),
                     start.patterns, species);
    testing::TempFolder folder;
    const std::string table = (folder.path() / "temp.txt").string();
    ASSERT_EQ(writeReactionTable(table, result), std::nullopt);
    EXPECT_EQ(testing::readFile(table),
              testing::readFile(testing::testData() / "golden/temp-reversal.txt"));
    EXPECT_EQ(calculatedRangeText(result.outcome), "calculated between  200 and  3500 K");
    EXPECT_EQ(reversalMessage(result.outcome, {}), "");
    ReversalRequest missing = result.request;
    missing.slots[1] = "XE";
    EXPECT_EQ(reversalMessage(reverseAlone(missing, start.patterns, species).outcome,
                              {"db.therm", "m.rxn", 3, {}}),
              "Reverse Arrhenius will not be calculated, because the thermodynamic coefficients "
              "of the highlighted in yellow species have not been specified! Not in db.therm: "
              "XE.");
}

} // namespace
} // namespace zorbel
