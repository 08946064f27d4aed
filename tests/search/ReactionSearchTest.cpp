#include "commands/ReactionSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorbel {
namespace {

TEST(SpeciesQuery, RemovesBlanksAndUpperCases) {
    EXPECT_EQ(speciesQuery("o2"), "O2");
    EXPECT_EQ(speciesQuery(" o 2 "), "O2");
    EXPECT_EQ(speciesQuery("ch3oh"), "CH3OH");
    EXPECT_EQ(speciesQuery("c2h5o(s)"), "C2H5O(S)");
    EXPECT_EQ(speciesQuery("   "), "");
    EXPECT_EQ(speciesQuery(""), "");
}

struct MatchCase {
    const char* entry;
    const char* query;
    bool found;
};

void expectMatches(const std::vector<MatchCase>& cases) {
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(std::string(c.query) + " in " + c.entry);
        EXPECT_EQ(containsSpecies(c.entry, c.query), c.found);
    }
}

// Each line holds the species with one kind of surrounding only, so that every way of
// recognising a species is exercised on its own.
TEST(ContainsSpecies, RecognisesEveryPlaceASpeciesTakes) {
    expectMatches({
        {"O2+H<=>O+OH 1 0 0", "O2", true},        // another reactant follows
        {"O2(+M)<=>O+O(+M) 1 0 0", "O2", true},   // a pressure-dependent group
        {"O2<=>O+O 1 0 0", "O2", true},           // a reversible arrow
        {"O2|=>O+O 1 0 0", "O2", true},           // a marked irreversible arrow
        {"O2(M)<=>OX+OX 1 0 0", "O2", false},     // "(" without "+"
        {"O2=OX+OX 1 0 0", "O2", false},          // a plain "="
        {"O2 <=> OX + OX 1 0 0", "O2", false},    // a blank
        {"H+O2<=>O2X 1 0 0", "H", true},          // a one-letter name
        {"HO2+OH<=>H2OX+O2X 1 0 0", "HO2", true}, // the whole first name
        {"HO2+OH<=>H2OX+O2X 1 0 0", "HO", false}, // only the start of a name
        // between each pair of neighbours
        {"H+O2<=>HO2X 1 0 0", "O2", true},         // "+" then "<"
        {"H+OH<=>H2O 1 0 0", "H2O", true},         // ">" then " "
        {"HO2<=>H+O2X 1 0 0", "H", true},          // ">" then "+"
        {"H+O2(+M)<=>HO2X(+M) 1 0 0", "O2", true}, // "+" then "("
        {"H+O2+M<=>HO2X+M 1 0 0", "O2", true},     // "+" then "+"
        {"H+OH(+M)<=>H2O(+M) 1 0 0", "H2O", true}, // ">" then "("
        {"H+O2<=>O+OH 1 0 0", "OH", true},         // "+" then " "
        {"H+O2(+M)<=>HO2(+M) 1 0 0", "M", true},   // "+" then ")"
        {"H+O2|=>HO2X 1 0 0", "O2", true},         // "+" then "|"
        // beyond a first occurrence inside another name, and third bodies
        {"HO2+H<=>O2+H2 1 0 0", "O2", true},
        {"HO2+HO2<=>H2O2+O2 1 0 0", "O2", true},
        {"HO2+HO2<=>H2O2+O2X 1 0 0", "O2", false},
        {"H+O2(+M)<=>HO2(+M) 1 0 0", "M", true},
        {"H+O2+M<=>HO2+M 1 0 0", "M", true},
        {"H+O2<=>HO2 1 0 0 ! NO M", "M", false},
    });
}

TEST(ContainsSpecies, IgnoresOtherOccurrencesOfTheLetters) {
    expectMatches({
        {"H+HO2<=>OH+OH 1 0 0", "O2", false},              // only inside HO2
        {"CH3O+H<=>CH2O+H2 1 0 0", "CH3", false},          // inside CH3O
        {"H+O2=O+OH 1 0 0", "O2", false},                  // before a plain "="
        {"H+O2=O+OH 1 0 0", "O", false},                   // after a plain "="
        {"H+O2<=>O+OH 1 0 0 ! CO MECHANISM", "CO", false}, // in the comment
        {"H+O2<=>O+OH 1.5 0 0", "5", false},               // in the coefficients
        {"H2+O2<=>O+OH", "OH", false},                     // no blank after the last product
        {"h+o2<=>o+oh 1 0 0", "O2", false},                // the line is compared as it is
        {"H+O2<=>O+OH 1 0 0", "", false},
    });
}

TEST(SearchListEntries, MarkIrreversibleArrowsAndComeBackUnchanged) {
    struct Case {
        const char* mainList;
        const char* searchList;
    };
    const Case cases[] = {
        {"H+O2<=>O+OH 1 0 0", "H+O2<=>O+OH 1 0 0"},
        {"H+O2=>O+OH 1 0 0", "H+O2|=>O+OH 1 0 0"},
        {"H+O2=>O+OH 1 0 0 ! A=>B", "H+O2|=>O+OH 1 0 0 ! A|=>B"},
        {"H+O2<=>O+OH 1 0 0 ! A=>B", "H+O2<=>O+OH 1 0 0 ! A=>B"},
        {"! A=>B", "! A|=>B"},
        {"=>", "|=>"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mainList);
        EXPECT_EQ(searchListEntry(c.mainList), c.searchList);
        EXPECT_EQ(mainListEntry(c.searchList), c.mainList);
    }
}

} // namespace
} // namespace zorbel
