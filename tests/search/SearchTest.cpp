// The reaction search: the species a query names, and the search window over a session.

#include "mechanism/SpeciesSearch.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorbel {
namespace {

// The main list in file order, as a loaded mechanism leaves it.
const std::vector<std::string> mechanism = {
    "H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04", "O+H2<=>H+OH 5.08E+04 2.67 6290.00",
    "H+HO2<=>OH+OH 7.08E+13 0.0 295.00",       "H+O2(+M)<=>HO2(+M) 1.475E+12 0.60 0.00",
    "H+O2+M<=>HO2+M 2.8E+18 -0.86 0.00",       "H2+O2=>HO2+H 7.40E+05 2.433 53502.00",
    "HO2+H<=>O2+H2 1.66E+13 0.0 823.00",
};

class SearchWindowTest : public testing::SessionFixture {
protected:
    SearchWindowTest() {
        form.LOS2.assign(mechanism);
        session.common.ReactionCount = static_cast<int>(mechanism.size());
        form.LOS2.onSelect = [this] { ++mainSelections; };
    }

    /// Opens the search window; `act` runs while it is shown, as the user would.
    void open(const std::function<void(Findfrm&)>& act) {
        platform.onSearch = act;
        form.FindCmd.click();
    }

    static void search(Findfrm& window, const char* first, const char* second = "",
                       const char* third = "") {
        window.Usereqn1.setText(first);
        window.Usereqn2.setText(second);
        window.Usereqn3.setText(third);
        window.FindCmdR.click();
    }

    Findfrm& find = session.find;
    int mainSelections = 0;
};

TEST_F(SearchWindowTest, OpensOnASortedMarkedCopyAndReopensWithoutTheLastSearch) {
    open([](Findfrm& window) {
        EXPECT_TRUE(window.shown);
        EXPECT_EQ(window.LOS2copy.entries(), (std::vector<std::string>{
                                                 "H+HO2<=>OH+OH 7.08E+13 0.0 295.00",
                                                 "H+O2(+M)<=>HO2(+M) 1.475E+12 0.60 0.00",
                                                 "H+O2+M<=>HO2+M 2.8E+18 -0.86 0.00",
                                                 "H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04",
                                                 "H2+O2|=>HO2+H 7.40E+05 2.433 53502.00",
                                                 "HO2+H<=>O2+H2 1.66E+13 0.0 823.00",
                                                 "O+H2<=>H+OH 5.08E+04 2.67 6290.00",
                                             }));
        EXPECT_EQ(window.tiplbl.caption(), "Have you found the reaction you were looking for?\r\n"
                                           "If yes, double-click on it to close this window.");
        search(window, "o2", "h", "ho2");
        window.Closefrm.click();
        EXPECT_FALSE(window.shown);
    });
    EXPECT_EQ(mainSelections, 0);
    EXPECT_EQ(form.LOS2.entries(), mechanism);
    open([](Findfrm& window) {
        for (const TextBox* box : {&window.Usereqn1, &window.Usereqn2, &window.Usereqn3})
            EXPECT_EQ(box->text(), "");
        EXPECT_EQ(window.SubLOS2copy.count(), 0);
        EXPECT_EQ(window.resultlbl.caption(), "Found: 0 Reaction");
    });
    EXPECT_EQ(platform.searchWindowsShown, 2);
}

// The copy takes what the count says, never reading past the list.
TEST_F(SearchWindowTest, CopiesWhatTheCountSays) {
    for (int count : {0, 2, 100}) {
        session.common.ReactionCount = count;
        open([count](Findfrm& window) {
            EXPECT_EQ(window.LOS2copy.count(), count == 100 ? 7 : count);
        });
    }
    EXPECT_EQ(form.lblerror.caption(), "");
}

// Species typed in any case, with blanks; the results sorted; the label says "(s)" only
// when something was searched for in every box typed in.
TEST_F(SearchWindowTest, FindsTheSpeciesTyped) {
    struct Case {
        const char* first;
        const char* second;
        const char* third;
        int found;
        const char* label;
    };
    const Case cases[] = {
        {" o 2", "", "", 5, "Found: 5 Reaction(s)"},   {"", "m", "", 2, "Found: 2 Reaction(s)"},
        {"H", "HO2", "O2", 4, "Found: 4 Reaction(s)"}, {"", "", "", 0, "Found: 0 Reaction"},
        {"  ", " ", "", 0, "Found: 0 Reaction"},       {"N2", "", "", 0, "Found: 0 Reaction(s)"},
        {"", "", "N2", 0, "Found: 0 Reaction(s)"},     {"O2", "N2", "", 0, "Found: 0 Reaction(s)"},
        {"O2", "H", "N2", 0, "Found: 0 Reaction"},
    };
    open([&](Findfrm& window) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.first) + "|" + c.second + "|" + c.third);
            search(window, "O2"); // results that each case has to clear
            search(window, c.first, c.second, c.third);
            EXPECT_EQ(window.SubLOS2copy.count(), c.found);
            EXPECT_EQ(window.resultlbl.caption(), c.label);
        }
        search(window, " o 2");
        EXPECT_EQ(window.SubLOS2copy.entries(), (std::vector<std::string>{
                                                    "H+O2(+M)<=>HO2(+M) 1.475E+12 0.60 0.00",
                                                    "H+O2+M<=>HO2+M 2.8E+18 -0.86 0.00",
                                                    "H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04",
                                                    "H2+O2|=>HO2+H 7.40E+05 2.433 53502.00",
                                                    "HO2+H<=>O2+H2 1.66E+13 0.0 823.00",
                                                }));
    });
}

TEST_F(SearchWindowTest, ClickingAResultSelectsItAloneInTheMainList) {
    form.LOS2.setSelected(0, true);
    form.LOS2.setSelected(6, true);
    open([this](Findfrm& window) {
        search(window, "O2", "M");
        window.SubLOS2copy.select(1); // H+O2+M<=>HO2+M
        EXPECT_TRUE(window.shown);
        EXPECT_EQ(mainSelections, 1);
        EXPECT_EQ(form.LOS2.currentIndex(), 4);
        for (int index = 0; index < form.LOS2.count(); ++index)
            EXPECT_EQ(form.LOS2.isSelected(index), index == 4) << index;
    });
}

TEST_F(SearchWindowTest, DoubleClickingAnIrreversibleEntrySelectsItsMainLineAndCloses) {
    open([](Findfrm& window) {
        search(window, "h2", "o2");
        window.SubLOS2copy.select(0); // the click that comes with the double-click
        ASSERT_EQ(window.SubLOS2copy.selectedText(), "H2+O2|=>HO2+H 7.40E+05 2.433 53502.00");
        window.SubLOS2copy.onDoubleClick();
        EXPECT_FALSE(window.shown);
    });
    EXPECT_EQ(form.LOS2.selectedText(), "H2+O2=>HO2+H 7.40E+05 2.433 53502.00");
    EXPECT_EQ(mainSelections, 2);
    open([](Findfrm& window) {
        window.LOS2copy.onDoubleClick(); // on no entry: nothing happens
        EXPECT_TRUE(window.shown);
        window.LOS2copy.select(6); // O+H2<=>H+OH
        window.LOS2copy.onDoubleClick();
        EXPECT_FALSE(window.shown);
    });
    EXPECT_EQ(form.LOS2.currentIndex(), 1);
}

TEST_F(SearchWindowTest, FaultsStayInsideTheHandlersAndABatchRunKeepsItClosed) {
    form.LOS2.onSelect = [] { throw std::runtime_error("panel failed"); };
    open([](Findfrm& window) {
        window.LOS2copy.select(0);
        EXPECT_NO_THROW(window.LOS2copy.onDoubleClick());
    });
    EXPECT_NE(form.lblerror.caption().find("panel failed"), std::string::npos);

    EXPECT_NO_THROW(open([](Findfrm&) { throw std::runtime_error("window failed"); }));
    EXPECT_FALSE(find.shown);
    EXPECT_NE(form.lblerror.caption().find("window failed"), std::string::npos);

    session.batchRunning = true;
    open([](Findfrm&) { ADD_FAILURE() << "the window opened during a batch run"; });
    EXPECT_EQ(platform.searchWindowsShown, 2);
}

TEST(SpeciesQuery, RemovesBlanksAndUpperCases) {
    for (const auto& [typed, query] :
         {std::pair{"o2", "O2"}, {" o 2 ", "O2"}, {"c2h5o(s)", "C2H5O(S)"}, {"   ", ""}, {"", ""}})
        EXPECT_EQ(speciesQuery(typed), query) << typed;
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
