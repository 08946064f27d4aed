#include "app/Session.h"
#include "app/AppTexts.h"
#include "app/HelpLinks.h"
#include "app/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zorbel {
namespace {

class SessionTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    Session session{platform};
    REVEQfrm& form = session.form;
};

// The start values the window draws from, and a few the commands rely on.
TEST_F(SessionTest, StartsOnTheAboutTabWithNothingLoaded) {
    EXPECT_EQ(form.currentTab, REVEQfrm::AboutTab);
    EXPECT_EQ(form.Ntxt.text(), "50");
    EXPECT_TRUE(form.Option2.selected() && !form.Option1.selected());
    EXPECT_TRUE(form.Chk2.checked() && !form.Chk1.checked());
    EXPECT_EQ(form.List1Nbr.caption() + form.List2Nbr.caption(), "(0)(0)");
    EXPECT_FALSE(form.ProgBar.visible() || form.timeremaining.visible() ||
                 form.TXT1CPBis.visible());
    EXPECT_TRUE(form.aboutxt[0].bold());
    for (const TextBox* hot : {&form.Hot2txt, &form.Hottxt})
        EXPECT_EQ(hot->background(), Colour::LightOrange);
    for (const TextBox* cold : {&form.Cold2txt, &form.Coldtxt})
        EXPECT_EQ(cold->background(), Colour::LightCyan);
    EXPECT_EQ(static_cast<double>(session.common.GasConstant), 1.9872000217437744);
    form.QuitCMD.click();
    EXPECT_TRUE(platform.quitRequested);
}

TEST_F(SessionTest, PointsValidationMessages) {
    struct Case {
        const char* typed;
        const char* message;
        const char* textAfter;
    };
    const Case cases[] = {
        {"2", "Not enough points!", "2"},
        {"10001", "Too many points!", "10001"},
        {"10000", "", "10000"},
        {"abc", "", "abc"},
        {"-40", "", "40"},
        {"12.7", "", "13"},
        {"12.5", "", "12"}, // halves go to the even neighbour
        {"", "", ""},
        {"99999999999", "", "99999999999"}, // does not fit 32 bits: left alone
        {"-2", "Not enough points!", "-2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        form.lblerror.setCaption("old message");
        form.Ntxt.setText("7");
        form.Ntxt.setText(c.typed);
        EXPECT_EQ(form.lblerror.caption(), c.message);
        EXPECT_EQ(form.Ntxt.text(), c.textAfter);
    }
}

// A run's settings as the window builds them from its widgets, and given ones shown in
// them: what goes in comes out, and a count the points box would refuse shows empty.
TEST_F(SessionTest, RunSettingsGoBetweenTheWidgetsAndTheRun) {
    RunSettings given;
    given.points = 120;
    given.law = RateLaw::Arrhenius;
    given.reciprocalSpacing = false;
    given.personal = {true, "300", "2000"};
    given.exactThermo = true;
    given.wholeMechanism = true;
    given.threads = 3;
    given.reportPath = "report.csv";
    session.applySettings(given);
    EXPECT_EQ(session.runSettings(), given);
    EXPECT_TRUE(form.Option1.selected() && !form.Chk2.checked() &&
                form.WholeMechanismChk.checked());
    EXPECT_EQ(form.Ntxt.text() + " " + form.Cold2txt.text(), "120 300");
    session.applySettings(RunSettings{});
    EXPECT_EQ(session.runSettings(), RunSettings{});
    given.points = 0;
    session.applySettings(given);
    EXPECT_EQ(form.Ntxt.text(), "");
    EXPECT_FALSE(session.checkPoints().done());
}

TEST(PointCount, AsThePointsBoxTakesATypedText) {
    const std::pair<const char*, int> cases[] = {
        {"50", 50},     {"3", 3},     {"10000", 10000}, {"3.4", 3}, {"3.6", 4},   {"2.6", 0},
        {"10000.4", 0}, {"10001", 0}, {"", 0},          {"abc", 0}, {"1e300", 0}, {"-50", 0}};
    for (const auto& [text, count] : cases)
        EXPECT_EQ(pointCount(text), count) << text;
}

TEST_F(SessionTest, AFaultInAHandlerBecomesAMessage) {
    const CommandResult result =
        session.start([]() -> CommandResult { throw std::runtime_error("disk on fire"); });
    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(result.message, std::string(texts::UnexpectedFault) + "disk on fire");
    EXPECT_EQ(form.lblerror.caption(), result.message);
    form.lblerror.setCaption({});
    session.batchRunning = true;
    bool ran = false;
    session.runCommand([&] { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_FALSE(session.start([] { return CommandResult{}; }).done());
}

TEST(ListBoxTest, ClearingForgetsEverySelectedEntryHoweverItWasSelected) {
    ListBox list;
    list.assign({"H+O2<=>O+OH", "H2+O<=>H+OH", "OH+OH<=>O+H2O", "H+HO2<=>OH+OH"});
    const auto selectedRows = [&list] { // one step beyond each end too: never selected
        std::vector<int> rows;
        for (int row = -1; row <= list.count(); ++row)
            rows.insert(rows.end(), list.isSelected(row) ? 1 : 0, row);
        return rows;
    };
    // Each way of selecting, after a clear, at both ends and one step beyond: outside, nothing.
    const std::vector<std::function<void(int)>> ways = {[&](int i) { list.select(i); },
                                                        [&](int i) { list.markCurrent(i); },
                                                        [&](int i) { list.setSelected(i, true); }};
    for (const auto& selectEntry : ways) {
        for (const int index : {-1, 0, 2, 3, 4}) {
            SCOPED_TRACE(index);
            list.clearSelection();
            const auto before = list.selectionRevision();
            selectEntry(index);
            const bool inside = index >= 0 && index < list.count();
            EXPECT_EQ(selectedRows(), inside ? std::vector<int>{index} : std::vector<int>{});
            EXPECT_EQ(list.selectionRevision() > before, inside);
        }
    }
    list.removeAt(-1);
    list.removeAt(4);
    EXPECT_EQ(list.count(), 4);
    list.setSelected(3, true);
    for (const int outside : {-1, 4})
        EXPECT_FALSE(list.isSelected(outside)) << outside;
    list.clearSelection();

    // Clearing a clear selection still tells the window.
    const auto revision = list.selectionRevision();
    list.clearSelection();
    EXPECT_GT(list.selectionRevision(), revision);

    // An entry removed between the selection and the clear.
    list.setSelected(3, true);
    list.removeAt(0);
    EXPECT_EQ(selectedRows(), std::vector<int>{2});
    list.clearSelection();
    EXPECT_EQ(selectedRows(), std::vector<int>{});
    list.add("H+O2(+M)<=>HO2(+M)");
    list.setSelected(3, true);
    EXPECT_EQ(selectedRows(), std::vector<int>{3});

    // The current entry follows the entries removed before it, and is gone with its own.
    list.markCurrent(3);
    list.removeAt(1);
    EXPECT_EQ(list.currentIndex(), 2);
    list.removeAt(2);
    EXPECT_EQ(list.currentIndex(), -1);

    // A sorted list (the species) puts an entry added in its place, and its current entry
    // and selection stay on the entries they were on.
    ListBox species(true);
    species.assign({"CH4", "O2"});
    species.select(1);
    species.add("H2O");
    species.add("AR");
    EXPECT_EQ(species.entries(), (std::vector<std::string>{"AR", "CH4", "H2O", "O2"}));
    EXPECT_EQ(species.currentIndex(), 3);
    EXPECT_TRUE(species.isSelected(3));
    EXPECT_EQ(species.find("H2O"), 2);
}

TEST(Elements, ATextBoxTellsOnlyOfANewTextAndGridCellsGiveTheirGeneralText) {
    TextBox box;
    int runs = 0;
    box.onChange = [&] { ++runs; };
    for (const char* text : {"1000", "1000", ""})
        box.setText(text);
    EXPECT_EQ(runs, 2);
    ResultsGrid grid;
    grid.setNumber(1, 1, 300.0);
    grid.setNumber(2, 1, 0.5);
    EXPECT_EQ(grid.text(1, 1) + "|" + grid.text(2, 1) + "|" + grid.text(3, 1), "300|0.5|");
    EXPECT_EQ(grid.filledRows(1), 2);
    for (const int outside : {-1, 14})
        EXPECT_EQ(grid.filledRows(outside), 0) << outside;
    grid.clear();
    EXPECT_EQ(grid.text(1, 1), "");
    for (const auto& [row, column] : {std::pair{0, 1}, {1, 0}, {25000, 1}, {1, 14}})
        EXPECT_THROW(grid.setNumber(row, column, 1.0), std::out_of_range) << row << "," << column;
    grid.setNumber(24999, 13, 1.0);
    EXPECT_EQ(grid.text(24999, 13), "1");
}

class HelpLinks : public SessionTest {
protected:
    void SetUp() override { connectHelpLinks(session); }
    void click(TextBox& box) { session.runCommand(box.onClick); }
};

TEST_F(HelpLinks, EachElementOpensItsAddress) {
    form.HelpCMD.click();
    click(form.aboutxt3);
    click(form.aboutxt4);
    EXPECT_EQ(platform.addresses,
              (std::vector<std::string>{helpAddress(), contactAddress(), downloadAddress()}));
    EXPECT_TRUE(platform.messages.empty());
    // The mail link writes to the makers; the download link is the page the tab shows.
    EXPECT_EQ(contactAddress().rfind("mailto:", 0), 0U);
    EXPECT_EQ(form.aboutxt4.text(), downloadAddress());
    // The tab shows the mail link's addresses one a line, without the scheme or blanks.
    const std::string shown = form.aboutxt3.text() + "\r\n";
    for (std::size_t start = 0, end; (end = shown.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string line = shown.substr(start, end - start);
        ASSERT_FALSE(line.empty());
        EXPECT_NE(line.front(), ' ');
        EXPECT_FALSE(line.starts_with("mailto:"));
        EXPECT_NE(contactAddress().find(line), std::string::npos) << line;
    }
    // The address the build is given may be a list of any length.
    const std::pair<const char*, const char*> lists[] = {
        {"mailto:one@a.org", "one@a.org"},
        {"mailto:one@a.org, two@b.org,  three@c.org", "one@a.org\r\ntwo@b.org\r\nthree@c.org"},
        {"one@a.org,two@b.org", "one@a.org\r\ntwo@b.org"},
    };
    for (const auto& [link, shownLines] : lists)
        EXPECT_EQ(addressesShown(link), shownLines) << link;
}

// When no program opens a link, whether the request could not be made at all or the
// desktop said so afterwards, the About links give their address and Help shows the page
// that comes with the program with the address; only a request that could not be made
// gets the fixed stop box first.
TEST_F(HelpLinks, WhenNothingOpensTheAddress) {
    for (const bool requestFails : {true, false}) {
        SCOPED_TRACE(requestFails ? "the request fails" : "nothing opens it");
        platform.messages.clear();
        platform.helpShown.clear();
        platform.addressServiceFails = requestFails;
        platform.nothingOpensAddresses = !requestFails;
        click(form.aboutxt3);
        click(form.aboutxt4);
        ASSERT_EQ(platform.messages.size(), 2U);
        EXPECT_NE(platform.messages[0].text.find(form.aboutxt3.text()), std::string::npos);
        EXPECT_NE(platform.messages[1].text.find(downloadAddress()), std::string::npos);
        EXPECT_TRUE(platform.helpShown.empty());
        platform.messages.clear();
        form.HelpCMD.click();
        ASSERT_EQ(platform.messages.size(), requestFails ? 1U : 0U);
        if (requestFails) {
            const MessageRequest& message = platform.messages.front();
            EXPECT_EQ(message.title, "Access Denied");
            EXPECT_EQ(message.text, "Problem Access Internet... Sorry!");
            EXPECT_EQ(message.icon, MessageIcon::Stop);
        }
        EXPECT_TRUE(form.lblerror.caption().empty());
        EXPECT_EQ(platform.helpShown, std::vector<std::string>{helpAddress()});
    }
}

} // namespace
} // namespace zorbel
