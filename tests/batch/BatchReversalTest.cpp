#include "app/AppTexts.h"
#include "batch/BatchTexts.h"
#include "batch/RemainingTime.h"
#include "batch/RunResults.h"
#include "commands/Program.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismTexts.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <iterator>

namespace zorbel {
namespace {

using testing::readFile;

TEST(RemainingTime, AverageTimesStepsLeftRoundedHalfToEven) {
    struct Case {
        double elapsed;
        int i;
        int last;
        double minutes;
        double seconds;
    };
    const Case cases[] = {
        {0.3, 1, 1000, 5.0, 0.0}, // steps shorter than a second still count
        {5.0, 2, 2, 0.0, 2.0},    // 2.5 s for the last step gives 2, 3.5 s gives 4
        {7.0, 2, 2, 0.0, 4.0},
        {1.0, 1, 127, 2.0, 7.0},
    };
    for (const Case& c : cases) {
        const RemainingTime time = estimateRemaining(c.elapsed, c.i, c.last);
        EXPECT_EQ(time.minutes, c.minutes) << c.elapsed;
        EXPECT_EQ(time.seconds, c.seconds) << c.elapsed;
    }
    // The label: no estimate before the first step is timed.
    EXPECT_EQ(remainingTimeText(1.0, 1, 127), "Estimated remaining time:  2min 7s");
    EXPECT_EQ(remainingTimeText(9.0, 0, 127), "Estimated remaining time:  0min 0s");
}

using BatchTest = testing::SessionFixture;

TEST_F(BatchTest, ReverseAllRefusesWithoutInputsOrPoints) {
    form.CMD4.click();
    EXPECT_EQ(form.lblerror.caption(), texts::ImportDatabaseFirst);
    loadDatabase(copyTestData("reversal.therm"));
    form.CMD4.click();
    EXPECT_EQ(form.lblerror.caption(), texts::ImportMechanismFirst);
    loadMechanism(copyTestData("reversal.rxn"));
    form.Ntxt.setText("2");
    form.CMD4.click();
    EXPECT_EQ(form.lblerror.caption(), texts::EnterPointsNumber);
    EXPECT_EQ(form.Ntxt.background(), Colour::Yellow);
    EXPECT_TRUE(platform.messages.empty());
    form.Ntxt.setText("50");
    platform.messageAnswers.push_back(MessageAnswer::No);
    form.CMD4.click();
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "Reverse All");
    EXPECT_EQ(platform.messages[0].text,
              "This procedure may last a long time!\r\nContinue anyway?");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(exists("RevAll.txt"));
}

TEST_F(BatchTest, ReverseAllWritesTheGoldenFile) {
    loadTestData();
    form.LOS2.select(0); // the first reaction shown fixes the number patterns
    std::vector<float> progress;
    platform.onEvents = [&] { progress.push_back(form.ProgBar.value()); };
    form.CMD4.click();
    platform.onEvents = nullptr;
    EXPECT_EQ(output("RevAll.txt"), readFile(testing::testData() / "golden/RevAll-reversal.txt"));
    // The bar moves at each yield; the grid was filled for the last points reversed.
    ASSERT_EQ(progress.size(), 9U);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_GT(progress.back(), 80.0F);
    EXPECT_EQ(session.common.LastPointReal, 49.0);
    ASSERT_EQ(platform.messages.size(), 2U);
    EXPECT_EQ(platform.messages[1].title, "JOB DONE!");
    EXPECT_EQ(platform.messages[1].text,
              "Output file copied to:\r\n" + session.common.WorkFolder + "RevAll.txt");
    // One yield a reaction, and the window is left as the run left it.
    EXPECT_EQ(platform.eventTurns, 9);
    EXPECT_FALSE(form.ProgBar.visible());
    EXPECT_FALSE(form.timeremaining.visible());
    EXPECT_EQ(form.timeremaining.caption(), "Estimated remaining time:  0min 0s");
    EXPECT_EQ(form.LOS3.count(), 9);
    EXPECT_EQ(form.LOS4.count(), 9);
    EXPECT_EQ(form.LOS4.currentIndex(), 8);
    EXPECT_EQ(form.lblerror2.caption().rfind("S = ", 0), 0U);
    EXPECT_FALSE(session.batchRunning);
    // A second run replaces the file without a question and gives the same bytes.
    form.CMD4.click();
    EXPECT_EQ(output("RevAll.txt"), readFile(testing::testData() / "golden/RevAll-reversal.txt"));
}

TEST_F(BatchTest, WithoutAShownReactionCoefficientsAreInGeneralText) {
    loadTestData();
    form.CMD4.click();
    const std::string file = output("RevAll.txt");
    EXPECT_NE(file.find("\r\nREV/ 30688723826817.5 -0.15292056534247 -420.118456603527 "),
              std::string::npos)
        << file;
}

TEST_F(BatchTest, PersonalRangeCommentLines) {
    loadTestData();
    form.LOS2.select(0);
    form.Chk1.setChecked(true);
    // A cold end below the detected range is not taken, the hot end is.
    form.Cold2txt.setText("100");
    form.Hot2txt.setText("2500");
    form.CMD4.click();
    std::string file = output("RevAll.txt");
    EXPECT_NE(file.find("16599.0\r\n!Your personal Cold Temperature has not been taken into "
                        "account\r\nREV/ "),
              std::string::npos);
    EXPECT_NE(file.find("!Trange(K) = [ 200 -  2500]"), std::string::npos);
    EXPECT_TRUE(form.Hottxt.bold());
    EXPECT_FALSE(form.Coldtxt.bold());
    // Reversed ends: the reaction gets a comment line and the run goes on.
    form.Cold2txt.setText("4000");
    form.Hot2txt.setText("6000");
    form.CMD4.click();
    file = output("RevAll.txt");
    EXPECT_NE(file.find("!Your personal Hot Temperature has not been taken into account\r\n"
                        "!Reverse coef. not calculated: temperature range empty or reversed "
                        "[ 4000 -  3500]\r\nOH+OH(+M)"),
              std::string::npos)
        << file;
}

TEST_F(BatchTest, ReverseSelectedWritesTheSelectionInListOrder) {
    loadTestData();
    form.Option1.setSelected(true);
    form.Chk1.setChecked(true);
    form.Cold2txt.setText("300");
    form.Hot2txt.setText("2500");
    platform.fixedClock = DateTime{2003, 2, 1, 4, 5, 6};
    for (int index : {6, 1, 2, 3})
        form.LOS2.setSelected(index, true);
    std::vector<float> progress;
    platform.onEvents = [&] { progress.push_back(form.ProgBar.value()); };
    form.CMD5.click();
    EXPECT_EQ(output("RevSelected.txt"),
              readFile(testing::testData() / "golden/RevSelected-reversal.txt"));
    ASSERT_EQ(platform.messages.size(), 2U);
    EXPECT_EQ(platform.messages[0].title, "Reverse Selected");
    EXPECT_EQ(platform.messages[0].text,
              "This procedure may last some minutes, \r\ndepending on the number of reactions "
              "you have selected.\r\nContinue anyway?");
    EXPECT_EQ(platform.messages[1].title, "JOB DONE!");
    // One yield for the set-up, then one a reaction, before its own progress is set.
    EXPECT_EQ(progress, (std::vector<float>{0.0F, 0.0F, 0.0F, 100.0F / 3, 200.0F / 3}));
    EXPECT_EQ(form.ProgBar.value(), 100.0F);
    // The grid holds the points of the last reaction reversed: kr beside ln kr.
    for (int row : {1, 50})
        EXPECT_NEAR(std::log(form.MSFG.number(row, 2).value()), form.MSFG.number(row, 3).value(),
                    1e-9)
            << row;
    // and the temperatures of its range, from one end to the other.
    EXPECT_NEAR(form.MSFG.number(1, 1).value(), std::stod(form.Coldtxt.text()), 1e-9);
    EXPECT_NEAR(form.MSFG.number(50, 1).value(), std::stod(form.Hottxt.text()), 1e-9);
    for (int index = 0; index < form.LOS2.count(); ++index)
        EXPECT_FALSE(form.LOS2.isSelected(index));
    EXPECT_FALSE(form.timeremaining.visible());
    EXPECT_EQ(form.timeremaining.caption(), "");
    EXPECT_FALSE(form.ProgBar.visible());
    EXPECT_EQ(form.lblerror2.caption().rfind("S = ", 0), std::string::npos);
    // The results handed to the window: the selection in list order, and the last fitted
    // one reversed again gives the points the grid holds.
    ASSERT_NE(platform.results, nullptr);
    const std::vector<RunRow>& rows = platform.results->rows();
    ASSERT_EQ(rows.size(), 4U);
    EXPECT_EQ(rows[0].record.index + rows[3].record.index, 1 + 6);
    std::size_t last = rows.size() - 1;
    while (last > 0 && !rows[last].request)
        --last;
    const std::optional<ReversalOutcome> again = platform.results->reverseAgain(last);
    ASSERT_TRUE(again.has_value());
    ASSERT_EQ(again->series.lnKr.size(), 50U);
    EXPECT_EQ(again->series.lnKr.back(), form.MSFG.number(50, 3).value());
    EXPECT_FALSE(platform.results->reverseAgain(rows.size()).has_value());
}

TEST_F(BatchTest, ThePanelEndsAsIfItHadShownEveryReaction) {
    // The last reaction's A is no number and it gets no law: the panel shows it, with the
    // law of the one before it.
    loadTestData();
    form.LOS2.select(0); // the number patterns of the golden file
    form.LOS2.clearSelection();
    for (int index : {6, 7})
        form.LOS2.setSelected(index, true);
    form.CMD5.click();
    const auto text = [&](int box) { return form.PropTxt[static_cast<std::size_t>(box)].text(); };
    EXPECT_EQ(text(REVEQfrm::ForwardA), "");
    EXPECT_EQ(text(REVEQfrm::FirstSlot + 1), "H");
    EXPECT_EQ(text(REVEQfrm::ReverseA), "1.748E+04");
    EXPECT_EQ(text(REVEQfrm::ReverseEa), "4303.7");
    EXPECT_EQ(form.lblerror2.caption(), "2.0E-02");
    EXPECT_EQ(form.LOS4.currentIndex(), 7);
    EXPECT_EQ(session.common.LastPointReal, 49.0);
}

TEST_F(BatchTest, ReverseSelectedKeepsTheSelectionForCommentsOnly) {
    loadTestData();
    for (int index : {3, 4})
        form.LOS2.setSelected(index, true);
    form.CMD5.click();
    EXPECT_TRUE(form.LOS2.isSelected(3));
    EXPECT_TRUE(form.LOS2.isSelected(4));
}

TEST_F(BatchTest, ARefusedBatchLeavesThePreviousFileAlone) {
    struct Refusal {
        const char* what;
        std::function<void()> run;
        const char* file;
        std::string message; ///< in lblerror
        std::size_t boxes;   ///< message boxes shown
    };
    const std::vector<Refusal> refusals = {
        {"a single reaction selected",
         [&] {
             form.LOS2.setSelected(2, true);
             form.CMD5.click();
         },
         "RevSelected.txt", "", 1},
        {"an emptied list, Reverse All", [&] { form.CMD4.click(); }, "RevAll.txt",
         std::string(texts::NothingToReverse), 0},
        {"an emptied list, Reverse Selected", [&] { form.CMD5.click(); }, "RevSelected.txt",
         std::string(texts::NothingToReverse), 0},
    };
    loadTestData();
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        const std::string previous = "REACTIONS\r\n!a good earlier run\r\n";
        folder.write(refusal.file, previous);
        platform.messages.clear();
        if (refusal.message == texts::NothingToReverse)
            form.LOS2.clear();
        refusal.run();
        EXPECT_EQ(form.lblerror.caption(), refusal.message);
        ASSERT_EQ(platform.messages.size(), refusal.boxes);
        if (refusal.boxes == 1) {
            // Said before anything is asked: no confirmation comes first.
            EXPECT_EQ(platform.messages[0].title, "Warning!");
            EXPECT_EQ(platform.messages[0].text,
                      "You need to select more than 1 reaction\r\nto use this button");
        }
        EXPECT_EQ(output(refusal.file), previous);
        EXPECT_FALSE(form.ProgBar.visible());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                                std::filesystem::directory_iterator()),
                  3); // the two inputs and the previous file: no scratch file
        std::filesystem::remove(folder.path() / refusal.file);
    }
}

TEST_F(BatchTest, LinesWithAnOpeningParenthesisAndABlank) {
    loadDatabase(copyTestData("reversal.therm"));
    loadMechanism(folder.write("blank.rxn",
                               "REACTIONS\nH+O2( +M)<=>O+OH( +M) 3.547E+15 -0.406 16599.0\n"
                               "H+O2<=>O+OH 3.547E+15 -0.406 16599.0\n"));
    form.LOS2.select(1);
    form.CMD4.click();
    const std::string file = output("RevAll.txt");
    EXPECT_NE(file.find("\r\nH+O2( +M)<=>O+OH( +M) 3.547E+15 -0.406 16599.0\r\nREV/ 3.069E+13"),
              std::string::npos)
        << file;
}

// Lines that cannot be cut were each written and counted as a species "NER" missing from
// the database, an irreversible one as not reversed.
TEST_F(BatchTest, EachLineIsWrittenAndCountedUnderItsOwnReason) {
    loadDatabase(copyTestData("reversal.therm"));
    loadMechanism(folder.write("causes.rxn", "REACTIONS\nH+O2<=>O+OH+H+O 1 0 0\n"
                                             "H+O2=>O+OH+H+O 1 0 0\nH+O2<=O+OH 1 0 0\nEND\n"));
    form.CMD4.click();
    const std::vector<std::string> lines = splitLines(output("RevAll.txt"));
    const std::vector<std::string> written(lines.begin() + 2, lines.end());
    EXPECT_EQ(written,
              (std::vector<std::string>{
                  "H+O2<=>O+OH+H+O 1 0 0",
                  std::string(texts::NotCalculatedStart) + "line 2: more than three products",
                  "H+O2=>O+OH+H+O 1 0 0", std::string(texts::IrreversibleLine), "H+O2<=O+OH 1 0 0",
                  std::string(texts::NotCalculatedStart) +
                      "line 4: " + std::string(texts::NotAReaction)}));
    ASSERT_EQ(platform.summaries.size(), 1U);
    for (const char* line : {"Reactions: 3", "kept irreversible: 1", "not reversed: 2",
                             "    reaction line unreadable: 2"})
        EXPECT_NE(platform.summaries[0].find(line), std::string::npos) << line << "\n"
                                                                       << platform.summaries[0];
    EXPECT_EQ(platform.summaries[0].find("species missing"), std::string::npos);
}

} // namespace
} // namespace zorbel
