// Mechanism files: the reaction lines the loader lists, and each one cut into slots,
// arrow and coefficients.

#include "mechanism/MechanismFile.h"
#include "app/Platform.h"
#include "mechanism/MechanismTexts.h"
#include "mechanism/ParsedReaction.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zorbel {
namespace {

constexpr const char* pellux = "Problem encountered with your file. Did you run Pellux 1st?";

class MechanismLoader : public testing::SessionFixture {
protected:
    void loadText(const std::string& content, const std::string& name = "mech.rxn") {
        loadMechanism(folder.write(name, content));
    }
};

TEST_F(MechanismLoader, ListsTheReactionLinesAfterTheReactionsLine) {
    loadText("ELEMENTS\nH O\nEND\nSPECIES\nH O2 => OH\nEND\n"
             "REACTIONS\n"
             "H+O2<=>O+OH 3.547E+15 -0.406 16599\n"
             "H+O2=O+OH 1 2 3\n"
             "h+o2=>o+oh 1e14 0 0\n"
             "O+CO(+M)<=>CO2(+M) 1.8E+10 0 2385\n"
             "LOW/6.020E+14 0.000 3000.0/\n"
             "REV/1 2 3/\n"
             "DUP\n"
             "\n"
             "!  A=>B\n"
             "END\n"
             "A<=>B 1 2 3\n");
    const std::vector<std::string> expected = {
        "H+O2<=>O+OH 3.547E+15 -0.406 16599", "H+O2=>O+OH 1E14 0 0",
        "O+CO(+M)<=>CO2(+M) 1.8E+10 0 2385", "!  A=>B", "A<=>B 1 2 3"};
    EXPECT_EQ(form.LOS2.entries(), expected);
    EXPECT_EQ(common.ReactionCount, 5);
    EXPECT_EQ(form.List2Nbr.caption(), "(5)");
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(common.MechanismPath, folder.folderText() + "mech.rxn");
    EXPECT_EQ(common.WorkFolder, folder.folderText());
    ASSERT_EQ(platform.fileRequests.size(), 1U);
    const FileDialogRequest& request = platform.fileRequests[0];
    EXPECT_EQ(request.title, "Selection MECHANISM File...");
    EXPECT_EQ(request.filter, "RXN Files (*.rxn)|*.rxn|Mech Files (*.mech)|*.mech|All Files |*.*|");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialFolder, defaultDialogFolder());
}

TEST_F(MechanismLoader, RefusesAFileWithoutAnExactReactionsLine) {
    const char* headers[] = {"REACTIONS   CAL/MOLE", "reactions", "REACTIONS ", " REACTIONS",
                             "Reactions"};
    for (const char* header : headers) {
        SCOPED_TRACE(header);
        form.lblerror.setCaption({});
        loadText(std::string(header) + "\nH+O2<=>O+OH 1 2 3\nEND\n");
        // The refusal names the file and the line that comes closest.
        EXPECT_EQ(form.lblerror.caption(),
                  std::string(pellux) + " " + folder.folderText() + "mech.rxn: line 1 reads \"" +
                      header +
                      "\", not REACTIONS alone, in capitals (zorbel-cli clean writes one).");
        EXPECT_EQ(form.Lbl2.caption(), "");
        EXPECT_EQ(form.LOS2.count(), 0);
        EXPECT_EQ(common.ReactionCount, 0);
        EXPECT_EQ(form.List2Nbr.caption(), "(0)");
    }
}

TEST_F(MechanismLoader, SectionStartsAtTheFirstLineThatReadsReactionsInAnyCase) {
    // The exact line lets the file in; the section then opens at the first line that
    // upper-cases to it, here the lower-case one above.
    loadText("reactions\nA<=>B 1 2 3\nREACTIONS\nC<=>D 1 2 3\n");
    EXPECT_EQ(form.LOS2.entries(), (std::vector<std::string>{"A<=>B 1 2 3", "C<=>D 1 2 3"}));
}

TEST_F(MechanismLoader, ASecondLoadReplacesTheFirst) {
    loadReactions({"A<=>B 1 2 3", "C<=>D 1 2 3"});
    form.LOS2.select(1);
    form.Templbl.setCaption("status");
    form.PropTxt[23].setText("1.0E+10");
    form.PropTxt[15].setBackground(Colour::Yellow);
    form.PropTxt[14].setVisible(false);
    form.PropTxt[19].setVisible(false);
    session.find.LOS2copy.add("C<=>D 1 2 3");

    loadText("REACTIONS\nE=>F 1 2 3\n", "second.rxn");
    EXPECT_EQ(form.LOS2.entries(), (std::vector<std::string>{"E=>F 1 2 3"}));
    EXPECT_EQ(form.LOS2.currentIndex(), -1);
    EXPECT_EQ(form.List2Nbr.caption(), "(1)");
    EXPECT_EQ(form.Lbl2.caption().rfind("Loaded: ", 0), 0U);
    EXPECT_EQ(form.Lbl2.caption().substr(form.Lbl2.caption().size() - 10), "second.rxn");
    for (int index = 14; index <= 25; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(form.PropTxt[static_cast<size_t>(index)].text(), "");
        EXPECT_EQ(form.PropTxt[static_cast<size_t>(index)].background(), Colour::Window);
    }
    EXPECT_TRUE(form.PropTxt[14].visible());
    EXPECT_TRUE(form.PropTxt[19].visible());
    EXPECT_EQ(form.Templbl.caption(), "");
    EXPECT_EQ(session.find.LOS2copy.count(), 0);
}

// A cancelled dialog, a file that cannot be read and a file without the REACTIONS line
// leave the mechanism loaded before, its selection and its panel; a refusal says why, the
// next load that is done takes it away, and a refused file stays out of the recent files.
TEST_F(MechanismLoader, ACancelOrARefusedFileKeepsTheMechanismLoaded) {
    const struct {
        const char* what;
        std::optional<std::string> answer;
        std::string refusal;
    } cases[] = {
        {"cancelled", std::nullopt, ""},
        {"missing", path("missing.rxn"),
         "The mechanism file could not be read: " + path("missing.rxn")},
        {"a database", folder.write("t.dat", "THERMO\nH G 300 5000 1000 1\nEND\n"),
         std::string(pellux) + " " + path("t.dat") +
             " has no line that reads REACTIONS alone, in capitals (zorbel-cli clean writes "
             "one)."},
    };
    loadReactions({"A<=>B 1 2 3", "C<=>D 1 2 3"});
    form.LOS2.select(1);
    const std::string caption = form.Lbl2.caption();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform.fileAnswers.push_back(c.answer);
        form.CMD2.click();
        EXPECT_EQ(form.LOS2.entries(), (std::vector<std::string>{"A<=>B 1 2 3", "C<=>D 1 2 3"}));
        EXPECT_EQ(form.LOS2.selectedText(), "C<=>D 1 2 3");
        EXPECT_EQ(form.PropTxt[16].text(), "C");
        EXPECT_EQ(common.ReactionCount, 2);
        EXPECT_EQ(common.MechanismPath, path("mech.rxn"));
        EXPECT_EQ(form.Lbl2.caption(), caption);
        EXPECT_EQ(form.List2Nbr.caption(), "(2)");
        EXPECT_EQ(form.lblerror.caption(), c.refusal);
        ASSERT_EQ(session.recentFiles().size(), 1U);
        EXPECT_EQ(session.recentFiles()[0].path, path("mech.rxn"));
    }
    loadText("REACTIONS\nE=>F 1 2 3\n", "second.rxn");
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(form.LOS2.entries(), (std::vector<std::string>{"E=>F 1 2 3"}));
}

// The window asks before it cleans a published mechanism into NAME-clean.inp, and before it
// replaces one; a No to the first loads the file as written. Both come before anything
// changes: a Cancel (or Esc) to either leaves the mechanism loaded and the files as they were.
TEST_F(MechanismLoader, TheWindowOffersToCleanAPublishedMechanism) {
    session.loads.clean = CleanOnLoad::Ask;
    loadReactions({"A<=>B 1 2 3"});
    const std::string raw =
        folder.write("pub.mech", "REACTIONS CAL/MOLE\nH + O2 = O + OH 1 2 3\nEND\n");
    platform.messageAnswers = {MessageAnswer::Cancel};
    loadMechanism(raw);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(form.LOS2.entries(), std::vector<std::string>{"A<=>B 1 2 3"});
    EXPECT_FALSE(exists("pub-clean.inp"));

    platform.messageAnswers = {MessageAnswer::Yes};
    loadMechanism(raw);
    ASSERT_EQ(platform.messages.size(), 3U);
    EXPECT_EQ(platform.messages[1].text,
              "This mechanism is not in the layout Zorbel reads. Clean it "
              "into pub-clean.inp beside it and load that?");
    EXPECT_EQ(platform.messages[2].text,
              "Cleaned into " + path("pub-clean.inp") +
                  ": 1 reactions written, 1 equations without their blanks or tabs, 1 \"=\" "
                  "written \"<=>\", 0 with factors such as 2OH spelled out, 0 with single blanks "
                  "before A, n and Ea, 0 converted, 0 commented out");
    EXPECT_EQ(common.MechanismPath, path("pub-clean.inp"));
    EXPECT_EQ(form.LOS2.entries(), std::vector<std::string>{"H+O2<=>O+OH 1 2 3"});

    const std::string clean = "REACTIONS\nA<=>B 1 2 3\n";
    folder.write("pub-clean.inp", clean);
    platform.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Cancel};
    loadMechanism(raw);
    EXPECT_EQ(platform.messages.back().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(form.LOS2.entries(), std::vector<std::string>{"H+O2<=>O+OH 1 2 3"});
    EXPECT_EQ(output("pub-clean.inp"), clean);

    platform.messageAnswers = {MessageAnswer::Yes, MessageAnswer::No};
    loadMechanism(raw);
    EXPECT_EQ(platform.messages.back().text,
              "pub-clean.inp already exists beside it. Replace it with a new clean copy? No loads "
              "it as it stands.");
    EXPECT_EQ(form.LOS2.entries(), std::vector<std::string>{"A<=>B 1 2 3"});

    // Loaded as written, it is refused: the clean file loaded before stays.
    platform.messageAnswers = {MessageAnswer::No};
    loadMechanism(raw);
    EXPECT_EQ(common.MechanismPath, path("pub-clean.inp"));
    EXPECT_EQ(form.lblerror.caption().rfind(pellux, 0), 0U);
}

TEST(ParseReaction, CutsWellFormedLinesIntoSlotsArrowAndCoefficients) {
    const struct {
        const char* entry;
        const char* slots;
        bool irreversible;
        const char *a, *n, *ea;
    } cases[] = {
        {"H+O2<=>O+OH 3.547E+15 -0.406 16599", "///,H,O2,O,OH,///", false, "3.547E+15", "-0.406",
         "16599"},
        // A falloff partner becomes a species text of its own on both sides.
        {"H2O2(+M)<=>OH+OH(+M) 2.951E+14 0.000 48430.0", "///,H2O2,(M),OH,OH,(M)", false,
         "2.951E+14", "0.000", "48430.0"},
        {"HCO+M<=>H+CO+M 1.870E+17 -1.000 17000.00", "///,HCO,M,H,CO,M", false, "1.870E+17",
         "-1.000", "17000.00"},
        {"CH3+CH3=>C2H6 9.214E+16 -1.170 635.8", "///,CH3,CH3,C2H6,///,///", true, "9.214E+16",
         "-1.170", "635.8"},
        {"A+B+C<=>D+E+F 1 2 3", "A,B,C,D,E,F", false, "1", "2", "3"},
        {"H+O2(+AR)<=>HO2(+AR) 4.650E+12 0.440 0.0", "H,O2,(AR),HO2,(AR),///", false, "4.650E+12",
         "0.440", "0.0"},
        // One species a side: the reactant sits in the last slot, the product in the first.
        {"HOCO<=>CO2H 1.0E+10 0 0", "///,///,HOCO,CO2H,///,///", false, "1.0E+10", "0", "0"},
        // Two blanks after the equation shift every field by one.
        {"H+O2<=>O+OH  3.547E+15 -0.406 16599", "///,H,O2,O,OH,///", false, "", "3.547E+15",
         "-0.406 16599"},
        // Ea is everything after the third blank, comment included.
        {"CH4+OH<=>CH3+H2O 1.000E+08 1.600 3120.0 ! ABSTRACTION", "///,CH4,OH,CH3,H2O,///", false,
         "1.000E+08", "1.600", "3120.0 ! ABSTRACTION"},
        // The whole line is marked, so an arrow in the comment of an irreversible
        // reaction carries the bar too.
        {"A=>B 1 2 3 ! SEE C=>D", "///,///,A,B,///,///", true, "1", "2", "3 ! SEE C|=>D"},
        // Numbers and signs inside names are left alone: no stoichiometry is read.
        {"2OH<=>H2O2 1 2 3", "///,///,2OH,H2O2,///,///", false, "1", "2", "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        const ParsedReaction parsed = parseReaction(c.entry);
        EXPECT_FALSE(parsed.Failed);
        EXPECT_TRUE(parsed.coefficientsRead);
        EXPECT_EQ(std::vector<std::string>(parsed.Slots.begin(), parsed.Slots.end()),
                  testing::tabFields(c.slots, ','));
        EXPECT_EQ(parsed.Irreversible, c.irreversible);
        EXPECT_EQ(parsed.AText, c.a);
        EXPECT_EQ(parsed.NText, c.n);
        EXPECT_EQ(parsed.EaText, c.ea);
    }
}

struct FailureCase {
    const char* entry;
    bool coefficientsRead;
    std::string_view fault; ///< why, as the refusals say it
};

TEST(ParseReaction, LinesThatCannotBeCutFailWithNerInEverySlotAndSayWhy) {
    using namespace texts;
    const FailureCase cases[] = {
        {"A+B+C+D<=>E 1 2 3", true, TooManyReactants},
        {"A<=>B+C+D+E 1 2 3", true, TooManyProducts},
        {"A+B+C+D=>E+F 1 2 3", true, TooManyReactants}, // kept irreversible all the same
        {"H+O2<=>O+OH 3.547E+15 -0.406", false, TooFewNumbers},
        {"H+O2<=>O+OH", false, TooFewNumbers},
        {"", false, NotAReaction},
        {"! A=>B", false, NotAReaction},
        // The equation ends at the first blank, leaving no arrow in it.
        {"H + O2<=>O+OH 1 2 3", true, NotAReaction},
        {"H\t+O2<=>O+OH 1 2 3", true, TabInEquation},
        // A line listed because its comment holds an arrow, or with an arrow no reader knows.
        {"!COMMENT ABOUT A=>B 1", true, NotAReaction},
        {"A<=B 1 2 3", true, NotAReaction},
        {"A-->B 1 2 3", true, NotAReaction},
        {"A<X>|B 1 2 3", true, NotAReaction}, // no arrow, but the parser's marks (fuzzing)
        // A side without a species, or an empty species between two signs.
        {"=>B 1 2 3", true, EmptySpeciesText},
        {"A<=> 1 2 3", true, EmptySpeciesText},
        {"A++B<=>C 1 2 3", true, EmptySpeciesText},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.entry);
        const ParsedReaction parsed = parseReaction(c.entry);
        EXPECT_TRUE(parsed.Failed);
        EXPECT_EQ(parsed.fault, c.fault);
        EXPECT_EQ(parsed.coefficientsRead, c.coefficientsRead);
        // Only an irreversible reaction too large for the slots is written as it stands.
        const bool kept = std::string_view(c.entry).starts_with("A+B+C+D=>");
        EXPECT_EQ(isIrreversibleReaction(parsed), kept);
        EXPECT_EQ(entryFault(c.entry), kept ? "" : c.fault);
        for (const std::string& slot : parsed.Slots)
            EXPECT_EQ(slot, "NER");
        if (!c.coefficientsRead) {
            EXPECT_EQ(parsed.AText, "");
            EXPECT_EQ(parsed.EaText, "");
        }
    }
}

struct PatternCase {
    const char* a;
    const char* n;
    const char* ea;
    CoefficientPatterns expected;
};

TEST(ChoosePatterns, FollowsTheLengthsOfTheCoefficientTexts) {
    const PatternCase cases[] = {
        {"3.547E+15", "-0.406", "16599.0", {"0.000E+00", "0.000", "0.0"}},
        {"3.55E+15", "-0.4060", "16599.00", {"0.00E+00", "0.0000", "0.00"}},
        {"3.5E+15", "2.47", "16599", {"0.0E+00", "0.00", "0"}},
        // Eight characters after the point of Ea, n too short, A too long.
        {"3.5470E+15", "0", "1.6599E+04", {"", "", ""}},
        {"1E14", "-.406", "0.000", {"", "0.00", ""}},
        {"", "", "", {"", "", "0"}},
        // Only minus signs are dropped from n; a plus sign counts.
        {"1.000E+10", "+2.500", "0", {"0.000E+00", "0.0000", "0"}},
        {"1.000E+10", "--2.5", "0", {"0.000E+00", "", "0"}},
        {"1.000E+10", "1.23456789", ".00", {"0.000E+00", "0.0000", "0.00"}},
        // The count runs from the first point to the end of Ea, comment included.
        {"1.000E+10", "1.000", "3120.0 ! C", {"0.000E+00", "0.000", ""}},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " " + c.n + " " + c.ea);
        const CoefficientPatterns chosen = choosePatterns(c.a, c.n, c.ea);
        EXPECT_EQ(chosen.AFormat, c.expected.AFormat);
        EXPECT_EQ(chosen.NFormat, c.expected.NFormat);
        EXPECT_EQ(chosen.EaFormat, c.expected.EaFormat);
    }
}

TEST(CoefficientFault, EachOfAnNAndEaIsOneNumber) {
    const std::pair<const char*, const char*> cases[] = {
        // Legal lines stay legal: signs, points, E and D exponents, a comment after Ea.
        {"H+O2<=>O+OH 3.547E+15 -0.406 16599.0", ""},
        {"H+O2<=>O+OH +.5D+13 0 .00", ""},
        {"H2+O<=>H+OH 3.870E+04 2.700 6260.0 !A COMMENT", ""},
        {"H2+O<=>H+OH 3.870E+04 2.700 6260.0!A COMMENT", ""},
        {"H2+O<=>H+OH 3.870E+04 2.700 6260.0  \t ", ""},
        {"H2+O<=>H+OH 3.870E+04 2.700 1.0E+400", ""}, // one number, if too large
        // The exponent split by a blank, a number too many, a Fortran exponent, words.
        {"H+O2<=>O+OH 1.0E 13 0.0 0.0", "A \"1.0E\" is not a number"},
        {"H+O2<=>O+OH 1.0E13 0.0 0.0 5.0", "Ea \"0.0 5.0\" is more than one number"},
        {"H+O2<=>O+OH 1.0E13 0.0 0 0 !C", "Ea \"0 0\" is more than one number"},
        {"H+O2<=>O+OH 1.0+13 0.0 0.0", "A \"1.0+13\" is not a number"},
        {"H+O2<=>O+OH  1.0E13 0.0 0.0", "A \"\" is not a number"},
        {"H+O2<=>O+OH 1.0E13 NAN 0.0", "n \"NAN\" is not a number"},
        {"H+O2<=>O+OH 1.0E13\t0.0 0.0 0.0", "A \"1.0E13\t0.0\" is not a number"},
        {"H+O2<=>O+OH 1.0E13 0.0 INF", "Ea \"INF\" is not a number"},
        {"H+O2<=>O+OH 1.0E13 0.0 !C", "Ea \"\" is not a number"},
    };
    for (const auto& [entry, fault] : cases) {
        SCOPED_TRACE(entry);
        const ParsedReaction parsed = parseReaction(entry);
        EXPECT_EQ(coefficientFault(parsed.AText, parsed.NText, parsed.EaText), fault);
    }
}

} // namespace
} // namespace zorbel
