// Batch runs under strain. Settings changed under the run, a fault raised while the window
// shows it, numbers that overflow; a refused reaction carries its comment line, every other
// reaction its usual lines, and the file is complete. And a comparison file far beyond any 16-bit
// count.

#include "HostileSupport.h"

#include "app/AppTexts.h"
#include "batch/BatchTexts.h"
#include "comparison/ComparisonTexts.h"
#include "reversal/ReversalTexts.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>

namespace zorbel {
namespace {

using testing::HostileSession;

std::string golden() {
    return testing::readFile(testing::testData() / "golden/RevAll-reversal.txt");
}

class BatchFaults : public HostileSession {
protected:
    void SetUp() override {
        HostileSession::SetUp();
        loadSound(sound("reversal.rxn"));
        form.LOS2.select(0); // the number patterns of the golden file
    }
    /// Runs Reverse All, acting at the yield before each reaction as `atYield` says.
    std::string reverseAll(const std::function<void(int reaction)>& atYield) {
        int turn = 0;
        platform.onEvents = [&] { atYield(turn++); };
        form.CMD4.click();
        platform.onEvents = nullptr;
        EXPECT_FALSE(session.batchRunning);
        EXPECT_EQ(platform.messages.back().title, "JOB DONE!");
        expectFilesIntact({"RevAll.txt"});
        return output("RevAll.txt");
    }
};

TEST_F(BatchFaults, SettingsChangedUnderTheRunChangeNothingOfIt) {
    // The user types in the points box while the run yields: the run keeps the settings it
    // started with, so its file is the golden one whatever was typed.
    for (const char* typed : {"", "2", "20000", "abc"}) {
        SCOPED_TRACE(std::string("typed \"") + typed + "\"");
        const std::string file = reverseAll([&](int reaction) {
            if (reaction == 2) {
                form.Ntxt.setText(typed);
                form.Option1.setSelected(true);
            }
        });
        EXPECT_EQ(file, golden());
        form.Ntxt.setText("50");
        form.Option2.setSelected(true);
    }
}

TEST_F(BatchFaults, AFaultWhileTheWindowShowsTheRunCostsTheDrawingOnly) {
    // The files come from the run's results alone: a fault raised while the panel shows
    // where the run ended changes none of their bytes, and the run still closes.
    TextBox& forwardA = form.PropTxt[REVEQfrm::ForwardA];
    for (const std::function<void()>& raise : std::vector<std::function<void()>>{
             [] { throw std::runtime_error("injected"); }, [] { throw 42; }}) {
        forwardA.setText({});
        forwardA.onChange = raise;
        EXPECT_EQ(reverseAll([](int) {}), golden());
        forwardA.onChange = nullptr;
    }
}

TEST_F(BatchFaults, OverflowingReactionsAreRefusedOneByOne) {
    struct Overflow {
        const char* reaction;
        std::string message; ///< what Reverse says
        std::string comment; ///< what the batch writes
    };
    const std::string notCalculated(texts::NotCalculatedStart);
    const std::string notThree = "the coefficients are not three numbers A, n, Ea: Ea \"0.0 "
                                 "1.0E+400\" is more than one number";
    const std::vector<Overflow> cases = {
        // kf = A T^10 is beyond the doubles from the first point on.
        {"H+O2<=>O+OH 1.0E+300 10.0 0.0", std::string(texts::NonPositiveKr),
         notCalculated + std::string(texts::NonPositiveKrReason)},
        // exp(-Ea/RT) is 0: kr is 0 and has no logarithm.
        {"H+O2<=>O+OH 3.547E+15 -0.406 1.0E+300", std::string(texts::NonPositiveKr),
         notCalculated + std::string(texts::NonPositiveKrReason)},
        // Every kr is finite, but the fitted Arev lies beyond the doubles.
        {"O+OH<=>H+O2 1.0E+308 0.0 0.0", std::string(texts::FitOverflow),
         notCalculated + std::string(texts::OverflowReason)},
        // A forward coefficient beyond the doubles is named as too large, not as no number.
        {"H+O2<=>O+OH 1.0E+400 0.0 0.0",
         std::string(texts::ForwardCoefficientStart) + "\"1.0E+400\"" +
             std::string(texts::TooLargeEnd),
         notCalculated + std::string(texts::TooLargeReason) + "\"1.0E+400\""},
        // More numbers than three were once taken for one too large: the line is named.
        {"H+O2<=>O+OH 1.0E+13 0.0 0.0 1.0E+400",
         std::string(texts::NotCalculatedBecause) + "line 6 of " + path("overflow.rxn") + ": " +
             notThree + ".",
         notCalculated + "line 6: " + notThree},
    };
    std::string mechanism = "REACTIONS\n";
    std::string expected = "REACTIONS\r\n!GENERATED THE 14/06/04 09:05:31\r\n";
    for (const Overflow& c : cases) {
        mechanism += std::string(c.reaction) + "\n";
        expected += std::string(c.reaction) + "\r\n" + c.comment + "\r\n";
    }
    put("overflow.rxn", mechanism);
    loadMechanism(path("overflow.rxn"));
    for (int i = 0; i < static_cast<int>(cases.size()); ++i) {
        SCOPED_TRACE(cases[static_cast<std::size_t>(i)].reaction);
        form.LOS2.select(i);
        form.CMD3.click();
        EXPECT_EQ(form.lblerror.caption(), cases[static_cast<std::size_t>(i)].message);
    }
    EXPECT_TRUE(platform.charts.empty());
    EXPECT_EQ(reverseAll([](int) {}), expected);
}

constexpr int markedCount = 100000;

/// A marked reaction of the sound database: its forward and second expressions as the
/// comparison tool writes them (the second without the last digits of its Ea'), the
/// reaction as it is listed, and the section its line lands in.
struct Template {
    const char* line;
    const char* entry;
    int section; ///< 0 different, 1 identical, 2 not calculated
};

// The first and last agree with their second expression within the 10 % of the first
// line, the second does not, the third is irreversible; the last is written with blanks.
const std::array<Template, 4> templates = {{
    {"H+O2<=>O+OH\t3.547E+15\t-0.406\t16599.0\t3.069E+13\t-0.153\t-420.1",
     "H+O2<=>O+OH 3.547E+15 -0.406 16599.0", 1},
    {"H+O2+M<=>HO2+M\t2.800E+18\t-0.860\t0.0\t4.000E+17\t-0.688\t48474.8",
     "H+O2+M<=>HO2+M 2.800E+18 -0.860 0.0", 0},
    {"H+O2(+M)=>HO2(+M)\t1.475E+12\t0.600\t0.0\t3.000E+12\t0.500\t48000.0",
     "H+O2+(M)=>HO2+(M) 1.475E+12 0.600 0.0", 2},
    {"H2+O<=>H+OH 3.870E+04 2.700 6260.0 1.800E+04 2.698 4303.7",
     "H2+O<=>H+OH 3.870E+04 2.700 6260.0", 1},
}};

const Template& templateOf(int line) {
    return templates[static_cast<std::size_t>(line) % templates.size()];
}

/// The line's number in the last decimals of Ea': every marked line differs from every
/// other, while its rate constant moves by far less than the tolerance.
std::string digitsOf(int line) {
    char digits[12];
    std::snprintf(digits, sizeof digits, "%05d", line);
    return digits;
}

// A comparison file of 100000 marked lines annotated through the window: the count goes
// beyond any 16-bit limit, every line of the user's file survives in its place, and each
// section of the block states its count.
TEST_F(HostileSession, AHundredThousandMarkedLinesAreAnnotatedInPlace) {
    loadSound();
    form.LOS2.select(0); // the number patterns of a first reaction shown, as a user does
    std::vector<std::string> original = {
        "Comparison of mechanisms large.rxn and other.rxn [10/1000/2000]", "",
        "Equation\tA\tn\tEa\tA'\tn'\tEa'"};
    for (int line = 0; line < markedCount; ++line) {
        const bool blanks = line % 4 == 3;
        original.push_back(templateOf(line).line + digitsOf(line) + (blanks ? " " : "\t") +
                           std::string(texts::ComparisonMark));
    }
    for (const char* tail : {"", "Rate expressions compared with the tolerance of the first line.",
                             "O+OH+M<=>HO2+M\t1.000E+16\t0.000\t0.0"})
        original.emplace_back(tail);
    platform.fileAnswers.push_back(put("common.txt", testing::joined(original)));
    forget("common.txt"); // rewritten by the command
    form.CMD6.click();

    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(session.common.ReactionCount, markedCount);
    EXPECT_EQ(form.List2Nbr.caption(), "(100000)");
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back().title, texts::JobDoneTitle);

    // Every original line in its place, the block in front of the "tolerance" line.
    const std::vector<std::string> rewritten = testing::crlfLines(output("common.txt"));
    ASSERT_GT(rewritten.size(), original.size());
    const std::size_t tolerance = original.size() - 2;
    const std::size_t blockSize = rewritten.size() - original.size();
    for (std::size_t index = 0; index < original.size(); ++index) {
        ASSERT_EQ(rewritten[index < tolerance ? index : index + blockSize], original[index])
            << "line " << index + 1;
    }

    // Each section states its count: a quarter of the lines is not calculated, a quarter
    // is different, half is identical.
    const std::string_view titles[] = {texts::DifferentTitle, texts::IdenticalTitle,
                                       texts::NotCalculatedTitle};
    const int counts[] = {markedCount / 4, markedCount / 2, markedCount / 4};
    for (int s = 0; s < 3; ++s) {
        const auto title = std::find(rewritten.begin() + static_cast<std::ptrdiff_t>(tolerance),
                                     rewritten.end(), titles[s]);
        ASSERT_NE(title, rewritten.end()) << titles[s];
        EXPECT_EQ(std::stoi(*(title + 1)), counts[s]) << titles[s];
    }

    // RevAll.txt: its two header lines, then each reaction and the line that settles it.
    const std::vector<std::string> revAll = testing::crlfLines(output("RevAll.txt"));
    ASSERT_EQ(revAll.size(), 2U + 2U * markedCount);
    for (int line = 0; line < markedCount; ++line) {
        const std::size_t at = 2 + 2 * static_cast<std::size_t>(line);
        ASSERT_EQ(revAll[at], templateOf(line).entry) << "reaction " << line + 1;
        const bool reversed = templateOf(line).section != 2;
        ASSERT_EQ(revAll[at + 1].rfind(reversed ? "REV/ " : "!", 0), 0U) << revAll[at + 1];
    }
    expectFilesIntact({"common.txt", "RevAll.txt"}); // no scratch or partial file left
}

} // namespace
} // namespace zorbel
