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

} // namespace
} // namespace zorbel
