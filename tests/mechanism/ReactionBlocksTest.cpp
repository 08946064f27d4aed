// The blocks of a cleaned mechanism: where each reaction's lines end and what kind of
// rate they describe; the groups of an auxiliary line they are read from.

#include "mechanism/ReactionBlocks.h"
#include "mechanism/AuxiliaryGroups.h"
#include "mechanism/MechanismFile.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorbel {
namespace {

TEST(ReactionBlocks, KindEndAndFlagsOfEachReaction) {
    const std::vector<std::string> lines = {
        "REACTIONS",
        "H+O2<=>O+OH 2.6E+16 -.67 17041.",           // 1: elementary, DUP
        "DUP",                                       //
        "O+O+M<=>O2+M 1.2E+17 -1. 0.",               // 3: third body with efficiencies
        "H2/ 2.40/ H2O/15.40/",                      //
        "! a comment inside the block",              //
        "H+CH2(+M)<=>CH3(+M) 6.E+14 0. 0.",          // 6: falloff
        "LOW  /  1.04E+26   -2.76   1600.00/",       //
        "TROE/   .562  91.00  5836.00  8552.00/",    //
        "CH3+CH3(+M)<=>C2H5+H(+M) 4.9E-2 4.0 -2.E3", // 9: chemically activated
        "HIGH/ 1.0E+12 0. 0./",                      //
        "CH3+OH<=>CH2O+H2 3.502E+005 1.441 -3244.0", // 11: PLOG
        "PLOG/ 0.01 3.5E+05 1.441 -3244.0/",         //
        "OH+HV<=>OH* 1. 0. 0.",                      // 13: photon
        "CH4+O2<=>CH3+HO2 1.E+13 0. 5.E4",           // 14: FORD, given REV
        "FORD/ CH4 0.5/ REV/ 1.E+12 0. 0./",         //
        "END",                                       //
        "! after the section"};
    std::vector<int> entryLines;
    ASSERT_TRUE(reactionEntries(lines, &entryLines));
    const std::vector<ReactionBlock> blocks = reactionBlocks(lines, entryLines);
    struct Expected {
        std::size_t line, end;
        ReactionKind kind;
        const char* other;
        bool duplicate, givenReverse;
    };
    const Expected expected[] = {
        {1, 3, ReactionKind::Elementary, "", true, false},
        {3, 6, ReactionKind::ThirdBody, "", false, false},
        {6, 9, ReactionKind::Falloff, "", false, false},
        {9, 11, ReactionKind::ChemicallyActivated, "", false, false},
        {11, 13, ReactionKind::Plog, "", false, false},
        {13, 14, ReactionKind::Other, "HV", false, false},
        {14, 16, ReactionKind::Other, "FORD", false, true},
    };
    ASSERT_EQ(blocks.size(), std::size(expected));
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        SCOPED_TRACE(lines[expected[i].line]);
        EXPECT_EQ(blocks[i].line, expected[i].line);
        EXPECT_EQ(blocks[i].end, expected[i].end);
        EXPECT_EQ(blocks[i].kind, expected[i].kind);
        EXPECT_EQ(blocks[i].otherKeyword, expected[i].other);
        EXPECT_EQ(blocks[i].duplicate, expected[i].duplicate);
        EXPECT_EQ(blocks[i].givenReverse, expected[i].givenReverse);
    }
}

// Each group as KEYWORD[content], the bracket closed only where its closing slash is.
TEST(AuxiliaryGroups, KeywordsAndTheTextBetweenTheirSlashes) {
    const std::pair<std::string_view, const char*> cases[] = {
        {"LOW  /  1.04E+26   -2.76   1600.00/", "LOW[  1.04E+26   -2.76   1600.00]"},
        {"H2/ 2.40/ h2o/15.40/", "H2[ 2.40] H2O[15.40]"},
        {"  FORD/CH4 0.5/\tdup  ", "FORD[CH4 0.5] DUP"},
        {"REV /1 2 3/LOW/4 5 6/", "REV[1 2 3] LOW[4 5 6]"},
        {"plog/ 1 2 3", "PLOG[ 1 2 3"},
        {"AR//", "AR[]"},
        {"/x/ y", "[x] Y"},
        {" \t ", ""}};
    for (const auto& [text, expected] : cases) {
        std::string written;
        for (const AuxiliaryGroup& group : groupsOf(text)) {
            written += (written.empty() ? "" : " ") + group.keyword;
            const std::size_t size = group.contentEnd - group.contentBegin;
            if (group.contentBegin > 0)
                written += "[" + std::string(text.substr(group.contentBegin, size)) +
                           (group.closed ? "]" : "");
        }
        EXPECT_EQ(written, expected) << text;
    }
}

} // namespace
} // namespace zorbel
