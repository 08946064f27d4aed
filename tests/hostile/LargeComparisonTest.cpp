// A comparison file of 100000 marked lines annotated through the window: the count goes
// beyond any 16-bit limit, every line of the user's file survives in its place, and the
// block lists each reaction once, in the order of the file.

#include "HostileSupport.h"

#include "app/AppTexts.h"
#include "comparison/ComparisonTexts.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace zorbel {
namespace {

using testing::HostileSession;

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
    char digits[8];
    std::snprintf(digits, sizeof digits, "%05d", line);
    return digits;
}

using LargeComparison = HostileSession;

TEST_F(LargeComparison, AHundredThousandMarkedLinesAreAnnotatedInPlace) {
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

    // Each section states its count and lists its reactions in the order of the file, told
    // apart by their Ea'.
    std::array<std::vector<std::string>, 3> expected;
    for (int line = 0; line < markedCount; ++line) {
        const Template& t = templateOf(line);
        const std::string text = t.line;
        expected[static_cast<std::size_t>(t.section)].push_back(
            t.section == 2 ? "H+O2(+M)=>HO2(+M)"
                           : text.substr(text.find_last_of("\t ") + 1) + digitsOf(line) + " ");
    }
    std::array<std::vector<std::string>, 3> listed;
    int section = -1;
    for (std::size_t index = tolerance; index < tolerance + blockSize; ++index) {
        const std::string& line = rewritten[index];
        const std::string_view titles[] = {texts::DifferentTitle, texts::IdenticalTitle,
                                           texts::NotCalculatedTitle};
        for (int s = 0; s < 3; ++s) {
            if (line == titles[s]) {
                section = s;
                EXPECT_EQ(std::stoi(rewritten[index + 1]),
                          static_cast<int>(expected[static_cast<std::size_t>(s)].size()));
            }
        }
        const std::vector<std::string> fields = testing::tabFields(line);
        if (line.starts_with("Reactions\t"))
            continue; // the column labels
        ASSERT_TRUE(section >= 0 || fields.size() < 2) << line;
        if (fields.size() == 16)
            listed[static_cast<std::size_t>(section)].push_back(fields[11]);
        else if (fields.size() == 2)
            listed[static_cast<std::size_t>(section)].push_back(fields[0]);
    }
    EXPECT_EQ(listed, expected);

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
