#include "commands/MechanismCommands.h"
#include "mechanism/ParsedReaction.h"
#include "support/SessionFixture.h"
#include "text/StringOps.h"

#include <array>
#include <set>
#include <string>

namespace zorbel {
namespace {

const std::string parseFailure = "Reaction with more than 3 reactants and/or 3 products\r\n"
                                 "or Reaction written in an incompatible format";

class ReactionPanel : public testing::SessionFixture {
protected:
    TextBox& slot(int index) {
        return form.PropTxt[static_cast<size_t>(REVEQfrm::FirstSlot + index)];
    }
    std::array<std::string, 6> slotTexts() {
        std::array<std::string, 6> texts;
        for (int i = 0; i < 6; ++i)
            texts[static_cast<size_t>(i)] = slot(i).text();
        return texts;
    }
    /// Visibility of the six slot boxes, then of the four plus signs, as 0 and 1.
    std::string shown() {
        std::string marks;
        for (int i = 0; i < 6; ++i)
            marks += slot(i).visible() ? '1' : '0';
        marks += ' ';
        for (const Label& plus : form.PlusLbl)
            marks += plus.visible() ? '1' : '0';
        return marks;
    }
    std::array<std::string, 3> forward() {
        return {form.PropTxt[20].text(), form.PropTxt[21].text(), form.PropTxt[22].text()};
    }
};

TEST_F(ReactionPanel, FirstSelectionShowsTheReactionAndFixesThePatterns) {
    loadReactions({"H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04", "HCO+O2=>HO2+CO 1.345E+13 0 400.0"});
    form.LOS2.select(0);
    EXPECT_EQ(slotTexts(), (std::array<std::string, 6>{"///", "H", "O2", "O", "OH", "///"}));
    EXPECT_EQ(shown(), "011110 0110");
    EXPECT_EQ(form.EgalLbl.caption(), "<=>");
    EXPECT_EQ(forward(), (std::array<std::string, 3>{"3.547E+15", "-0.406", "1.6599E+04"}));
    EXPECT_EQ(common.AFormat + "|" + common.NFormat + "|" + common.EaFormat, "0.000E+00|0.000|");
    EXPECT_EQ(common.FormatsChosen, 1);
    EXPECT_EQ(form.lblerror.caption(), "");
    form.LOS2.select(1);
    EXPECT_EQ(form.EgalLbl.caption(), "=>");
    EXPECT_EQ(slotTexts(), (std::array<std::string, 6>{"///", "HCO", "O2", "HO2", "CO", "///"}));
}

TEST_F(ReactionPanel, BoxesAndPlusSignsFollowTheNumberOfSpecies) {
    struct Case {
        const char* entry;
        const char* shown;
    };
    const Case cases[] = {
        {"HOCO<=>CO2H 1 2 3", "001100 0000"},          {"A+B+C<=>D+E+F 1 2 3", "111111 1111"},
        {"A+B<=>C+D+E 1 2 3", "011111 0111"},          {"A+B+C<=>D 1 2 3", "111100 1100"},
        {"H2O2(+M)<=>OH+OH(+M) 1 2 3", "011111 0111"},
    };
    std::vector<std::string> entries;
    for (const Case& c : cases)
        entries.emplace_back(c.entry);
    form.LOS2.assign(entries);
    // Each case after every other, so that no state of a previous reaction survives.
    for (const Case& previous : cases) {
        for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
            SCOPED_TRACE(std::string(previous.entry) + " then " + cases[i].entry);
            form.LOS2.selectFirstEqual(previous.entry);
            form.LOS2.select(i);
            EXPECT_EQ(shown(), cases[i].shown);
        }
    }
}

TEST_F(ReactionPanel, PatternsComeFromTheFirstSelectionOnly) {
    struct Case {
        const char* first;
        const char* aFormat;
        const char* nFormat;
        const char* eaFormat;
    };
    const Case cases[] = {
        {"A<=>B 3.547E+15 -0.4060 16599.00", "0.000E+00", "0.0000", "0.00"},
        {"A<=>B 3.55E+15 2.47 16599", "0.00E+00", "0.00", "0"},
        {"A<=>B 3.5E+15 0 1.6599E+04", "0.0E+00", "", ""},
        // A failed equation still had its coefficients read: they choose.
        {"A+B+C+D<=>E 3.547E+15 -0.406 16599.0", "0.000E+00", "0.000", "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        ScriptedPlatform freshPlatform;
        Session fresh(freshPlatform); // patterns are chosen once per run
        connectMechanism(fresh);
        fresh.form.LOS2.assign({c.first, "C<=>D 1.00E+10 1.50000 100.0", "E<=>F 1 2 3"});
        fresh.form.LOS2.select(0);
        fresh.form.LOS2.select(1);
        fresh.form.LOS2.select(2);
        EXPECT_EQ(fresh.common.AFormat + "|" + fresh.common.NFormat + "|" + fresh.common.EaFormat,
                  std::string(c.aFormat) + "|" + c.nFormat + "|" + c.eaFormat);
        EXPECT_EQ(fresh.common.FormatsChosen, 1);
    }
}

TEST_F(ReactionPanel, ALineWithoutItsCoefficientsLeavesThePatternsToTheNextSelection) {
    form.LOS2.assign({"A<=>B 1", "C<=>D 3.547E+15 -0.406 16599.0"});
    form.LOS2.select(0);
    EXPECT_EQ(common.FormatsChosen, 0);
    form.LOS2.select(1);
    EXPECT_EQ(common.AFormat, "0.000E+00");
    EXPECT_EQ(common.EaFormat, "0.0");
}

TEST_F(ReactionPanel, AFailedParseShowsNerAndTheMessage) {
    loadReactions({"H+O2<=>O+OH 3.547E+15 -0.406 16599.0", "A+B+C+D<=>E 1.0E+13 0.5 1200.0",
                   "X+Y=>Z 5.0E+12 0.0"});
    form.LOS2.select(0);
    form.LOS2.select(1);
    const std::array<std::string, 6> ner{"NER", "NER", "NER", "NER", "NER", "NER"};
    EXPECT_EQ(slotTexts(), ner);
    EXPECT_EQ(shown(), "111111 1111");
    // Then where the line stands and why it could not be cut.
    const std::string at = "\r\nline 3 of " + common.MechanismPath + ": ";
    EXPECT_EQ(form.lblerror.caption(), parseFailure + at + "more than three reactants.");
    EXPECT_EQ(form.EgalLbl.caption(), "<=>");
    // The coefficients were read before the equation failed.
    EXPECT_EQ(forward(), (std::array<std::string, 3>{"1.0E+13", "0.5", "1200.0"}));

    form.LOS2.select(0);
    form.LOS2.select(2);
    EXPECT_EQ(slotTexts(), ner);
    EXPECT_EQ(form.lblerror.caption(),
              replaceAll(parseFailure + at, "line 3", "line 4") +
                  "fewer than three numbers A, n, Ea follow the equation.");
    // Too few blanks: the boxes keep the previous reaction's coefficients, and the
    // irreversible arrow is not shown.
    EXPECT_EQ(forward(), (std::array<std::string, 3>{"3.547E+15", "-0.406", "16599.0"}));
    EXPECT_EQ(form.EgalLbl.caption(), "<=>");

    form.LOS2.select(0);
    EXPECT_EQ(form.lblerror.caption(), "");
}

// A new selection takes away the reversal's marks and results; an empty entry only
// empties the status and the reverse boxes.
TEST_F(ReactionPanel, ANewSelectionClearsTheReversalsMarksAndResults) {
    loadReactions({"H+O2<=>O+OH 3.547E+15 -0.406 16599.0", "HCO+M<=>H+CO+M 1 2 3"});
    form.LOS2.add("");
    const auto markUp = [&] {
        for (int i : {1, 2, 5})
            slot(i).setBackground(Colour::Yellow);
        for (int i : {23, 24, 25})
            form.PropTxt[static_cast<size_t>(i)].setText("1.000E+12");
        form.Templbl.setCaption("calculated between 300 and 3000 K");
        form.lblerror.setCaption("a warning");
    };
    form.LOS2.select(1);
    markUp();
    form.LOS2.select(0);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(slot(i).background(), Colour::Window) << i;
    for (int i : {23, 24, 25})
        EXPECT_EQ(form.PropTxt[static_cast<size_t>(i)].text(), "") << i;
    EXPECT_EQ(form.Templbl.caption() + form.lblerror.caption(), "");

    markUp();
    form.LOS2.select(2);
    EXPECT_EQ(form.PropTxt[23].text(), "");
    EXPECT_EQ(form.Templbl.caption(), "");
    EXPECT_EQ(form.lblerror.caption(), "a warning");
    EXPECT_EQ(slot(2).text(), "O2");
    EXPECT_EQ(form.PropTxt[20].text(), "3.547E+15");
}

TEST_F(ReactionPanel, TheBatchTwinPublishesQuietly) {
    form.PropTxt[23].setText("1.0E+12");
    form.Templbl.setCaption("status");
    form.lblerror.setCaption("a warning");
    slot(1).setBackground(Colour::Yellow);

    form.LOS4.add("CH3+CH3=>C2H6 9.214E+16 -1.170 635.8");
    form.LOS4.select(0);
    EXPECT_EQ(slotTexts(), (std::array<std::string, 6>{"///", "CH3", "CH3", "C2H6", "///", "///"}));
    EXPECT_EQ(shown(), "011100 0100");
    EXPECT_EQ(form.EgalLbl.caption(), "=>");
    EXPECT_EQ(forward(), (std::array<std::string, 3>{"9.214E+16", "-1.170", "635.8"}));
    EXPECT_EQ(slot(1).background(), Colour::Window);
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(form.PropTxt[23].text(), "1.0E+12");
    EXPECT_EQ(form.Templbl.caption(), "status");
    EXPECT_EQ(common.FormatsChosen, 0);
    EXPECT_EQ(common.AFormat, "");

    form.LOS4.clear();
    form.LOS4.add("A+B+C+D<=>E 1 2 3");
    form.LOS4.select(0);
    EXPECT_EQ(slot(0).text(), "NER");
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(forward(), (std::array<std::string, 3>{"1", "2", "3"}));

    // Called directly with a parse, as a batch run may do.
    publishReaction(session, parseReaction("H+O2<=>O+OH 3.547E+15 -0.406 16599.0"), false);
    EXPECT_EQ(shown(), "011110 0110");
    EXPECT_EQ(common.FormatsChosen, 0);
}

using ExampleMechanism = testing::SessionFixture;

// The example is read by newcomers and by the README's commands: every reaction must
// cut cleanly and name only the example database's species, save the one reaction that
// is there to show a missing species.
TEST_F(ExampleMechanism, LoadsAndCutsWithTheExampleSpecies) {
    loadMechanism((testing::examples() / "example.rxn").string());
    ASSERT_EQ(common.ReactionCount, 13);
    const std::set<std::string> known = {"AR", "CH3", "CH4",  "CO",  "CO2", "H",
                                         "H2", "H2O", "H2O2", "HCO", "HO2", "N2",
                                         "O",  "O2",  "OH",   "M",   "(M)", "///"};
    int unknownSlots = 0;
    int irreversible = 0;
    for (const std::string& entry : form.LOS2.entries()) {
        SCOPED_TRACE(entry);
        const ParsedReaction parsed = parseReaction(entry);
        EXPECT_FALSE(parsed.Failed);
        irreversible += parsed.Irreversible ? 1 : 0;
        for (const std::string& slot : parsed.Slots)
            unknownSlots += known.count(slot) == 0 ? 1 : 0;
    }
    EXPECT_EQ(unknownSlots, 1); // C2H6
    EXPECT_EQ(irreversible, 1);

    form.LOS2.select(0);
    EXPECT_EQ(common.AFormat, "0.000E+00");
    EXPECT_EQ(common.NFormat, "0.000");
    EXPECT_EQ(common.EaFormat, "0.0");
}

} // namespace
} // namespace zorbel
