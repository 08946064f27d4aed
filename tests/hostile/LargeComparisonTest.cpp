// A comparison file of 100000 marked lines annotated through the window: the count goes
// beyond any 16-bit limit, every line of the user's file survives in its place, and the
// block lists each reaction once, in the order of the file.

#include "HostileSupport.h"

#include "app/TextFiles.h"
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

/// A marked reaction of the sound database: its equation and forward coefficients as the
/// file writes them, its second set of coefficients, and what the annotation makes of it.
struct Template {
    const char* forward;    ///< equation, A, n, Ea joined by `separator`
    const char* second;     ///< A', n' and the start of Ea', joined by `separator`
    const char* separator;  ///< tabs as the comparison tool writes, or blanks as a user may
    const char* entry;      ///< the reaction as it is listed and reversed
    std::string_view group; ///< the title of its section
};

// The reverse rate constant of the first and last agrees with the second expression within
// the 10 % of the first line, the second's does not, the third is irreversible.
const std::array<Template, 4> templates = {{
    {"H+O2<=>O+OH\t3.547E+15\t-0.406\t16599.0", "3.069E+13\t-0.153\t-420.1", "\t",
     "H+O2<=>O+OH 3.547E+15 -0.406 16599.0", texts::IdenticalTitle},
    {"H+O2+M<=>HO2+M\t2.800E+18\t-0.860\t0.0", "4.000E+17\t-0.688\t48474.8", "\t",
     "H+O2+M<=>HO2+M 2.800E+18 -0.860 0.0", texts::DifferentTitle},
    {"H+O2(+M)=>HO2(+M)\t1.475E+12\t0.600\t0.0", "3.000E+12\t0.500\t48000.0", "\t",
     "H+O2+(M)=>HO2+(M) 1.475E+12 0.600 0.0", texts::NotCalculatedTitle},
    {"H2+O<=>H+OH 3.870E+04 2.700 6260.0", "1.800E+04 2.698 4303.7", " ",
     "H2+O<=>H+OH 3.870E+04 2.700 6260.0", texts::IdenticalTitle},
}};

const Template& templateOf(int line) {
    return templates[static_cast<std::size_t>(line) % templates.size()];
}

/// Ea' with the line's number in its last decimals: every marked line differs from every
/// other, while its rate constant moves by far less than the tolerance.
std::string eaPrime(int line) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%05d", line);
    const std::string second = templateOf(line).second;
    return second.substr(second.rfind(templateOf(line).separator[0]) + 1) + digits;
}

std::string markedLine(int line) {
    const Template& reaction = templateOf(line);
    const std::string second = reaction.second;
    return std::string(reaction.forward) + reaction.separator +
           second.substr(0, second.rfind(reaction.separator[0]) + 1) + eaPrime(line) +
           reaction.separator + std::string(texts::ComparisonMark);
}

/// The comparison tool's report around the marked lines, with "tolerance" twice after them.
std::vector<std::string> comparisonLines() {
    std::vector<std::string> lines = {
        "Comparison of mechanisms large.rxn and other.rxn [10/1000/2000]",
        "Mechanism 1: large.rxn",
        "Mechanism 2: other.rxn",
        "",
        "Reactions written in the opposite direction in mechanism 2, to compare with the "
        "reverse rate constant",
        "Equation\tA\tn\tEa\tA'\tn'\tEa'"};
    lines.reserve(lines.size() + markedCount + 6);
    for (int line = 0; line < markedCount; ++line)
        lines.push_back(markedLine(line));
    for (const char* tail :
         {"", "Rate expressions compared at T1 and T2 with the tolerance of the first line.",
          "Reactions of mechanism 1 not found in mechanism 2: 1",
          "O+OH+M<=>HO2+M\t1.000E+16\t0.000\t0.0",
          "The tolerance applies to log10 of the rate constant ratio."})
        lines.emplace_back(tail);
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

/// One section of the annotation block: its title, the count it states and its lines.
struct Section {
    std::string title;
    int stated = 0;
    std::vector<std::string> lines;
};

/// The block cut into sections: a title, a count, a rule, for a compared group the column
/// labels, then the reactions up to an empty line or the next title.
std::vector<Section> sectionsOf(const std::vector<std::string>& block) {
    const auto isTitle = [](const std::string& line) {
        return line == texts::DifferentTitle || line == texts::IdenticalTitle ||
               line == texts::NotCalculatedTitle;
    };
    std::vector<Section> sections;
    for (std::size_t index = 0; index < block.size();) {
        if (!isTitle(block[index])) {
            EXPECT_EQ(block[index], "") << "line " << index << " of the block";
            ++index;
            continue;
        }
        Section& section = sections.emplace_back();
        section.title = block[index];
        if (index + 2 >= block.size()) {
            ADD_FAILURE() << section.title << " ends the block";
            break;
        }
        section.stated = std::stoi(block[index + 1]);
        EXPECT_EQ(block[index + 2].find_first_not_of('*'), std::string::npos) << block[index + 2];
        index += 3;
        if (index < block.size() && block[index].rfind("Reactions\t", 0) == 0)
            ++index;
        for (; index < block.size() && !block[index].empty() && !isTitle(block[index]); ++index)
            section.lines.push_back(block[index]);
    }
    return sections;
}

using LargeComparison = HostileSession;

TEST_F(LargeComparison, AHundredThousandMarkedLinesAreAnnotatedInPlace) {
    loadSound();
    form.LOS2.select(0); // the number patterns of a first reaction shown, as a user does
    const std::vector<std::string> original = comparisonLines();
    const std::string file = put("common.txt", joined(original));
    forget("common.txt"); // rewritten by the command
    platform.fileAnswers.push_back(file);
    form.CMD6.click();

    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(session.common.ReactionCount, markedCount);
    EXPECT_EQ(form.List2Nbr.caption(), "(100000)");
    EXPECT_EQ(form.LOS2.count(), markedCount);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back().title, "JOB DONE!");

    // Every original line in its place, the block once in front of the first "tolerance".
    const std::vector<std::string> rewritten = testing::crlfLines(output("common.txt"));
    ASSERT_GT(rewritten.size(), original.size());
    const std::size_t blockSize = rewritten.size() - original.size();
    std::size_t tolerance = 0;
    while (original[tolerance].find(texts::ToleranceWord) == std::string::npos)
        ++tolerance;
    ASSERT_EQ(tolerance, original.size() - 4);
    for (std::size_t index = 0; index < tolerance; ++index)
        ASSERT_EQ(rewritten[index], original[index]) << "line " << index + 1;
    for (std::size_t index = tolerance; index < original.size(); ++index)
        ASSERT_EQ(rewritten[index + blockSize], original[index]) << "line " << index + 1;
    const std::vector<std::string> block(rewritten.begin() + static_cast<long>(tolerance),
                                         rewritten.begin() +
                                             static_cast<long>(tolerance + blockSize));
    for (const std::string& line : block)
        ASSERT_EQ(line.find(texts::ToleranceWord), std::string::npos) << line;

    // Each group once, in the block's order, its stated count that of its lines, and its
    // reactions in the order of the file (told apart by their Ea').
    const std::vector<Section> sections = sectionsOf(block);
    ASSERT_EQ(sections.size(), 3U);
    EXPECT_EQ(sections[0].title, texts::DifferentTitle);
    EXPECT_EQ(sections[1].title, texts::IdenticalTitle);
    EXPECT_EQ(sections[2].title, texts::NotCalculatedTitle);
    int total = 0;
    for (const Section& section : sections) {
        SCOPED_TRACE(section.title);
        EXPECT_EQ(section.stated, static_cast<int>(section.lines.size()));
        total += section.stated;
        std::size_t next = 0;
        for (int line = 0; line < markedCount; ++line) {
            if (templateOf(line).group != section.title)
                continue;
            ASSERT_LT(next, section.lines.size());
            const std::vector<std::string> fields = testing::tabFields(section.lines[next++]);
            if (section.title == texts::NotCalculatedTitle) {
                ASSERT_EQ(fields.size(), 2U);
                EXPECT_EQ(fields[0], "H+O2(+M)=>HO2(+M)");
            } else {
                ASSERT_EQ(fields.size(), 16U);
                ASSERT_EQ(fields[11], eaPrime(line) + " ") << "marked line " << line + 1;
            }
        }
        EXPECT_EQ(next, section.lines.size());
    }
    EXPECT_EQ(total, markedCount);
    EXPECT_EQ(sections[0].stated, markedCount / 4);
    EXPECT_EQ(sections[1].stated, markedCount / 2);

    // RevAll.txt: its two header lines, then each reaction and the line that settles it.
    const std::vector<std::string> revAll = testing::crlfLines(output("RevAll.txt"));
    ASSERT_EQ(revAll.size(), 2U + 2U * markedCount);
    for (int line = 0; line < markedCount; ++line) {
        const std::size_t at = 2 + 2 * static_cast<std::size_t>(line);
        ASSERT_EQ(revAll[at], templateOf(line).entry) << "reaction " << line + 1;
        const bool reversed = templateOf(line).group != texts::NotCalculatedTitle;
        ASSERT_EQ(revAll[at + 1].rfind(reversed ? "REV/ " : "!", 0), 0U) << revAll[at + 1];
    }

    expectFilesIntact({"common.txt", "RevAll.txt"}); // no scratch or partial file left
}

} // namespace
} // namespace zorbel
