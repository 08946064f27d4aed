#include "mechanism/MechanismCleaner.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismFile.h"
#include "mechanism/MechanismTexts.h"
#include "mechanism/ParsedReaction.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zorbel {
namespace {

using Lines = std::vector<std::string>;

/// The lines the cleaner writes after its REACTIONS line for a section that opens with
/// `reactionsLine`.
Lines cleanedSection(const std::string& reactionsLine, const Lines& section) {
    Lines lines{reactionsLine};
    lines.insert(lines.end(), section.begin(), section.end());
    const CleanedMechanism cleaned = cleanMechanism(lines);
    EXPECT_TRUE(cleaned.cleaned()) << cleaned.refusal;
    if (cleaned.lines.empty())
        return {};
    EXPECT_EQ(cleaned.lines.front(), "REACTIONS");
    return Lines(cleaned.lines.begin() + 1, cleaned.lines.end());
}

/// The one line a single reaction line becomes in a section without units.
std::string cleanedLine(const std::string& line) {
    const Lines section = cleanedSection("REACTIONS", {line});
    return section.size() == 1 ? section.front() : "(" + std::to_string(section.size()) + " lines)";
}

struct LineCase {
    const char* what;
    const char* input;
    const char* expected;
};

void expectLines(const LineCase* first, const LineCase* last) {
    for (const LineCase* c = first; c != last; ++c) {
        SCOPED_TRACE(c->what);
        const std::string written = cleanedLine(c->input);
        EXPECT_EQ(written, c->expected);
        // Whatever the cleaner writes as a reaction must cut into slots for the parser.
        if (written.rfind('!', 0) != 0) {
            EXPECT_FALSE(parseReaction(toUpperAscii(written)).Failed) << written;
        }
    }
}

// Arrows, blanks and tabs; stoichiometric factors spelled out; falloff partners; comments
// after Ea; and the reactions that do not fit, commented out with their reason.
TEST(CleanReactionLine, OneLineAtATime) {
    const LineCase cases[] = {
        {"plain = is reversible", "H+O2=O+OH 3.5E+15 -0.406 16599",
         "H+O2<=>O+OH 3.5E+15 -0.406 16599"},
        {"=> kept", "CH3+CH3=>C2H6 1.0E+13 0 0", "CH3+CH3=>C2H6 1.0E+13 0 0"},
        {"blanks around signs and arrow", "  H + O2 <=> O + OH     3.5E+15   -0.406   16599  ",
         "H+O2<=>O+OH 3.5E+15 -0.406 16599"},
        {"tabs between fields", "C2H2+HO2 <=> CHCHO+OH\t\t\t 1.6e08       1.36    15420",
         "C2H2+HO2<=>CHCHO+OH 1.6e08 1.36 15420"},
        {"tabs inside the equation", "H\t+\tO2\t=\tO+OH\t1\t2\t3", "H+O2<=>O+OH 1 2 3"},
        {"lower case kept as written", "   h+o2 = o+oh    1.915E+14   0.00  1.644E+04",
         "h+o2<=>o+oh 1.915E+14 0.00 1.644E+04"},
        {"Fortran exponents kept as written", "A+B=C 1.5D+13 0.0D0 1.2D+3",
         "A+B<=>C 1.5D+13 0.0D0 1.2D+3"},
        {"factor on a product", "H+HO2<=>2OH 0.840E+14 .000 635.00",
         "H+HO2<=>OH+OH 0.840E+14 .000 635.00"},
        {"factor separated by a blank", "2 T-CH2<=>C2H2+2 H 1.000e+14 0.000 0.00",
         "T-CH2+T-CH2<=>C2H2+H+H 1.000e+14 0.000 0.00"},
        {"factor of three", "3H=>H2+H 1 0 0", "H+H+H=>H2+H 1 0 0"},
        {"factor one", "1H+OH=H2O 1 0 0", "H+OH<=>H2O 1 0 0"},
        {"factor before a falloff partner", "2 OH(+M)<=>H2O2(+M) 9.55e+13 -0.27 0.00",
         "OH+OH(+M)<=>H2O2(+M) 9.55e+13 -0.27 0.00"},
        {"digits followed by no letter are a name", "1-C4H8+OH=C4H7+H2O 1 0 0",
         "1-C4H8+OH<=>C4H7+H2O 1 0 0"},
        {"written tight", "H+O2(+M)<=>HO2(+M) 4.65e+12 0.44 0",
         "H+O2(+M)<=>HO2(+M) 4.65e+12 0.44 0"},
        {"blanks inside the parentheses", "H+O2( + M )<=>HO2( + M ) 4.65e+12 0.44 0",
         "H+O2(+M)<=>HO2(+M) 4.65e+12 0.44 0"},
        {"another collision partner", "H+O2 (+AR) <=> HO2 (+AR) 4.65e+12 0.44 0",
         "H+O2(+AR)<=>HO2(+AR) 4.65e+12 0.44 0"},
        {"a species with parentheses is no partner", "O+CH2(S)<=>H2+CO 1.5E+13 0 0",
         "O+CH2(S)<=>H2+CO 1.5E+13 0 0"},
        {"comment after one blank", "H+O2=O+OH 1 2 3       ! Hong et al. (2011)   ",
         "H+O2<=>O+OH 1 2 3 ! Hong et al. (2011)"},
        {"comment right after Ea", "H+O2=O+OH 1 2 3!ref", "H+O2<=>O+OH 1 2 3 !ref"},
        {"an arrow in the comment of an irreversible reaction would make it reversible",
         "A+B=>C 1 2 3 ! fitted to A+B<=>C", "A+B=>C 1 2 3 ! fitted to A+B<= >C"},
        {"a factor too large to spell out", "100H=>H2 1 2 3",
         "!Not cleaned, a stoichiometric factor too large to spell out: 100H= >H2 1 2 3"},
        {"a factor that is not whole", "0.5O2+H2=H2O 1 2 3",
         "!Not cleaned, a stoichiometric factor that is not a whole number: 0.5O2+H2=H2O 1 2 3"},
        {"Ea missing", "A+B=C 1 2",
         "!Not cleaned, A, n and Ea could not be read after the equation: A+B=C 1 2"},
        {"a fourth number", "A+B=C 1 2 3 4",
         "!Not cleaned, A, n and Ea could not be read after the equation: A+B=C 1 2 3 4"},
        // Once glued into the equation: the words of an equation meet at an operator.
        {"an exponent split by a blank", "H+O2<=>O+OH 1.0E 13 0.0 0.0",
         "!Not cleaned, A, n and Ea could not be read after the equation: H+O2<= >O+OH 1.0E 13 "
         "0.0 0.0"},
        {"a number glued after a blank equation", "H + O2 <=> O + OH 1.0E 13 0.0 0.0",
         "!Not cleaned, A, n and Ea could not be read after the equation: H + O2 <= > O + OH "
         "1.0E 13 0.0 0.0"},
        {"two arrows", "A=B=C 1 2 3", "!Not cleaned, the equation could not be read: A=B=C 1 2 3"},
        {"an empty species", "A++B=C 1 2 3",
         "!Not cleaned, the equation could not be read: A++B=C 1 2 3"},
        {"a bare factor", "2+A=C 1 2 3",
         "!Not cleaned, the equation could not be read: 2+A=C 1 2 3"},
        {"an empty partner", "A(+)=C(+) 1 2 3",
         "!Not cleaned, the equation could not be read: A(+)=C(+) 1 2 3"},
    };
    expectLines(std::begin(cases), std::end(cases));
}

TEST(CleanReactionLine, DeclaredSpeciesThatStartWithDigitsAreNotFactors) {
    const Lines file{"SPECIES",   "2BUTENE OH  C4H7",          "H2O END",
                     "REACTIONS", "2BUTENE+OH=C4H7+H2O 1 0 0", "2OH=H2O+O 1 0 0"};
    const CleanedMechanism cleaned = cleanMechanism(file);
    ASSERT_EQ(cleaned.lines.size(), file.size());
    EXPECT_EQ(cleaned.lines[4], "2BUTENE+OH<=>C4H7+H2O 1 0 0");
    EXPECT_EQ(cleaned.lines[5], "OH+OH<=>H2O+O 1 0 0");
    // Without the declaration the leading 2 is a factor.
    EXPECT_EQ(cleanedLine("2BUTENE+OH=C4H7+H2O 1 0 0"), "BUTENE+BUTENE+OH<=>C4H7+H2O 1 0 0");
}

// The parser refuses them, so that Reverse All lists them with why they were not reversed.
TEST(CleanReactionLine, MoreThanThreeSpeciesOnASideAreWrittenAllTheSame) {
    const LineCase cases[] = {
        {"four reactants", "A+B+C+D=E 1 2 3", "A+B+C+D<=>E 1 2 3"},
        {"four products after expanding a factor", "A + B <=> 2C + D + E 1 2 3",
         "A+B<=>C+C+D+E 1 2 3"},
        {"a falloff partner takes a slot", "A+B+C(+M)=D(+M) 1 2 3", "A+B+C(+M)<=>D(+M) 1 2 3"},
        {"a large factor", "12H=>H2 1 2 3", "H+H+H+H+H+H+H+H+H+H+H+H=>H2 1 2 3"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cleanedLine(c.input), c.expected);
        EXPECT_TRUE(parseReaction(c.expected).Failed);
    }
    // The largest factor spelled out (100 is refused).
    EXPECT_EQ(std::ranges::count(cleanedLine("99H=>H2 1 2 3"), '+'), 98);
}

TEST(CleanSection, AuxiliaryLinesKeptAfterTheirReaction) {
    const Lines section{
        "O+CO(+M)<=>CO2(+M)                       1.800E+10     .000    2385.00",
        "   LOW/ 6.020E+14     .000    3000.00/",
        "     TROE/   .5620  91.00  5836.00  8552.00/",
        "H2/2.00/ O2/6.00/ H2O/6.00/ CH4/2.00/ CO/1.50/ CO2/3.50/ C2H6/3.00/ AR/ .50/ ",
        "h+o2 = o+oh    1.915E+14   0.00  1.644E+04",
        "             rev /  5.481E+11   0.39 -2.930E+02 /",
        "HO2+OH<=>H2O+O2   7.000e+12    0.000  -1094.65",
        "DUPLICATE                           ",
        "CH3+OH<=>CH2O+H2                                  3.502E+005     1.441   -3244.0",
        "PLOG/      0.0100     3.502E+005     1.441     -3244.0/",
        "H+O2(+M)=HO2(+M) 1 2 3",
        "    SRI/ 0.45 797 979 /",
        "",
        "! a comment line between reactions",
        "END",
    };
    const Lines cleaned = cleanedSection("REACTIONS", section);
    Lines expected = section;
    expected[0] = "O+CO(+M)<=>CO2(+M) 1.800E+10 .000 2385.00";
    expected[4] = "h+o2<=>o+oh 1.915E+14 0.00 1.644E+04";
    expected[6] = "HO2+OH<=>H2O+O2 7.000e+12 0.000 -1094.65";
    expected[8] = "CH3+OH<=>CH2O+H2 3.502E+005 1.441 -3244.0";
    expected[10] = "H+O2(+M)<=>HO2(+M) 1 2 3";
    EXPECT_EQ(cleaned, expected);
}

TEST(CleanSection, ACommentedOutReactionTakesItsAuxiliaryLinesAlong) {
    // Left in place, the LOW/ line would belong to the reaction written before.
    const Lines cleaned = cleanedSection("REACTIONS", {"A+B<=>C 1 2 3", "0.5A+B(+M)<=>E(+M) 1 2 3",
                                                       "  LOW/ 1 2 3/", "! why", "", "END"});
    const Lines expected{"A+B<=>C 1 2 3",
                         "!Not cleaned, a stoichiometric factor that is not a whole number: "
                         "0.5A+B(+M)<= >E(+M) 1 2 3",
                         "!  LOW/ 1 2 3/",
                         "! why",
                         "",
                         "END"};
    EXPECT_EQ(cleaned, expected);
}

// Such lines stood in the file uncommented, or went as auxiliary lines of the reaction
// before them, without a word.
TEST(CleanSection, LinesThatAreNoReactionAreCommentedOutWithWhy) {
    const std::string why = "!Not cleaned, " + std::string(texts::NotAReaction) + ": ";
    const Lines cleaned = cleanedSection(
        "REACTIONS", {"A<>B 1 2 3", "A+B<=>C 1 2 3", "A-->B 1 2 3", "  LOW/ 1 2 3/", "END"});
    EXPECT_EQ(cleaned, (Lines{why + "A<>B 1 2 3", "A+B<=>C 1 2 3", why + "A-->B 1 2 3",
                              "!  LOW/ 1 2 3/", "END"}));
}

TEST(CleanSection, CommentLinesWithAnArrowAreNotListedByTheLoader) {
    const Lines cleaned =
        cleanedSection("REACTIONS", {"! disabled: H+O2<=>O+OH 1 2 3", "A=B 1 2 3", "END"});
    EXPECT_EQ(cleaned, (Lines{"! disabled: H+O2<= >O+OH 1 2 3", "A<=>B 1 2 3", "END"}));
    Lines file{"REACTIONS"};
    file.insert(file.end(), cleaned.begin(), cleaned.end());
    EXPECT_EQ(reactionEntries(file), (Lines{"A<=>B 1 2 3"}));
}

// ---- Units ----------------------------------------------------------------------------

struct UnitCase {
    const char* reactionsLine;
    const char* reaction;
    const char* expected;
};

// Ea in cal/mol; A from molecules to moles by the reaction's order.
TEST(CleanUnits, ConvertedOnTheReactionLine) {
    const UnitCase cases[] = {
        {"REACTIONS KCAL/MOLE", "A+B=C 1.0E+13 0.5 1.5", "A+B<=>C 1.0E+13 0.5 1500"},
        {"REACTIONS JOULES/MOLE", "A+B=C 1.0E+13 0.5 4184", "A+B<=>C 1.0E+13 0.5 1000"},
        {"REACTIONS KJOULES/MOLE", "A+B=C 1.0E+13 0.5 8.368", "A+B<=>C 1.0E+13 0.5 2000"},
        {"REACTIONS KELVINS", "A+B=C 1.0E+13 0.5 1000", "A+B<=>C 1.0E+13 0.5 1987.20425864083"},
        {"REACTIONS EVOLTS", "A+B=C 1.0E+13 0.5 1", "A+B<=>C 1.0E+13 0.5 23060.548"},
        {"REACTIONS KJOULES/MOLE", "A+B=C 1.0E+13 0.5 -4.184", "A+B<=>C 1.0E+13 0.5 -1000"},
        {"REACTIONS KJOULES/MOLE", "A+B=C 1.0E+13 0.5 -0.0", "A+B<=>C 1.0E+13 0.5 0"},
        {"REAC KCAL/MOLE ! shortened keyword", "A+B=C 1.0E+13 0.5 2", "A+B<=>C 1.0E+13 0.5 2000"},
        {"REACTIONS MOLECULES", "A=>B 1.0E+10 0 0", "A=>B 1.0E+10 0 0"},
        {"REACTIONS MOLECULES", "A+B=C+D 1E-12 0 0", "A+B<=>C+D 602214076000 0 0"},
        {"REACTIONS MOLECULES", "2A=C 1E-12 0 0", "A+A<=>C 602214076000 0 0"},
        {"REACTIONS MOLECULES", "A+B+M=AB+M 1E-30 0 0", "A+B+M<=>AB+M 3.62661793332534E+17 0 0"},
        {"REACTIONS MOLECULES", "A+B(+M)=AB(+M) 1E-12 0 0", "A+B(+M)<=>AB(+M) 602214076000 0 0"},
        {"REACTIONS MOLECULES KJOULES/MOLE", "A+B=C+D 1E-12 0 4.184",
         "A+B<=>C+D 602214076000 0 1000"},
    };
    for (const UnitCase& c : cases) {
        SCOPED_TRACE(std::string(c.reactionsLine) + " | " + c.reaction);
        const Lines section = cleanedSection(c.reactionsLine, {c.reaction});
        ASSERT_FALSE(section.empty());
        EXPECT_EQ(section.back(), c.expected);
    }
}

TEST(CleanUnits, TheConversionIsNamedRightAfterTheReactionsLine) {
    EXPECT_EQ(cleanedSection("REACTIONS KJOULES/MOLE ! from the paper", {"A=B 1 0 4.184"}),
              (Lines{"! from the paper",
                     "! Ea converted from KJOULES/MOLE to cal/mol by zorbel-cli clean, on the "
                     "reaction lines and on their LOW/, HIGH/, REV/ and PLOG/ lines",
                     "A<=>B 1 0 1000"}));
    const Lines both = cleanedSection("REACTIONS MOLECULES EVOLTS", {});
    ASSERT_EQ(both.size(), 2U);
    EXPECT_EQ(both[0].rfind("! Ea converted from EVOLTS to cal/mol", 0), 0U);
    EXPECT_EQ(both[1].rfind("! A converted from MOLECULES to MOLES", 0), 0U);
    EXPECT_EQ(cleanedSection("REACTIONS MOLES CAL/MOLE", {}), Lines{});
}

TEST(CleanUnits, AuxiliaryRatesConvertedWithTheirOwnOrders) {
    // LOW/ is the low-pressure rate: one concentration more than the reaction line. REV/
    // is the reverse rate, of the order of the products. PLOG/ starts with a pressure in
    // atm, which no unit of the REACTIONS line touches. TROE/ holds no A nor Ea.
    const Lines cleaned = cleanedSection(
        "REACTIONS MOLECULES KJOULES/MOLE",
        {"A+B(+M)=AB(+M) 1E-12 0 4.184", "   LOW  /  2E-32   -1.0   8.368 /",
         "   TROE/ 0.5 100 1000 /   H2O/6.0/", "C+D=E 1E-12 0 0", "  REV/ 1E+10 0 41.84/",
         "F+G=>H+I 1E-12 0 0", "PLOG/ 0.1 1E-12 0 4.184/", "PLOG/ 10 1E-11 0.5 0/",
         "J+K(+M)=L(+M) 1E-12 0 0", "HIGH/ 1E-11 0 4.184/", "LOW/ 1 0 0/ DUP"});
    ASSERT_EQ(cleaned.size(), 13U);
    EXPECT_EQ(cleaned[2], "A+B(+M)<=>AB(+M) 602214076000 0 1000");
    EXPECT_EQ(cleaned[3], "   LOW  /  7.25323586665068E+15   -1.0   2000 /");
    EXPECT_EQ(cleaned[4], "   TROE/ 0.5 100 1000 /   H2O/6.0/");
    EXPECT_EQ(cleaned[5], "C+D<=>E 602214076000 0 0");
    EXPECT_EQ(cleaned[6], "  REV/ 1E+10 0 10000/"); // one product: the order stays 1
    EXPECT_EQ(cleaned[7], "F+G=>H+I 602214076000 0 0");
    EXPECT_EQ(cleaned[8], "PLOG/ 0.1 602214076000 0 1000/");
    EXPECT_EQ(cleaned[9], "PLOG/ 10 6022140760000 0.5 0/");
    // With HIGH/, the reaction line gives the low-pressure rate and HIGH/ the other.
    EXPECT_EQ(cleaned[10], "J+K(+M)<=>L(+M) 3.62661793332534E+35 0 0");
    EXPECT_EQ(cleaned[11], "HIGH/ 6022140760000 0 1000/");
    EXPECT_EQ(cleaned[12], "LOW/ 3.62661793332534E+47 0 0/ DUP");
}

TEST(CleanUnits, AnAuxiliaryRateThatCannotBeConvertedCommentsTheReactionOut) {
    const Lines cleaned = cleanedSection(
        "REACTIONS KCAL/MOLE", {"A+B(+M)=AB(+M) 1 0 1", "  LOW/ 1 0 / TROE/ 0.5 1 2/", "END"});
    EXPECT_EQ(cleaned, (Lines{"! Ea converted from KCAL/MOLE to cal/mol by zorbel-cli clean, on "
                              "the reaction lines and on their LOW/, HIGH/, REV/ and PLOG/ lines",
                              "!Not cleaned, its LOW/ line could not be read for the unit "
                              "conversion: A+B(+M)=AB(+M) 1 0 1",
                              "!  LOW/ 1 0 / TROE/ 0.5 1 2/", "END"}));
    // Three words, one of them no number.
    EXPECT_EQ(cleanedSection("REACTIONS KCAL/MOLE", {"A+B(+M)=AB(+M) 1 0 1", "LOW/ 1 x 1/"})
                  .at(1)
                  .rfind("!Not cleaned, its LOW/ line could not be read", 0),
              0U);
    // Without a conversion the same line is nobody's business here.
    EXPECT_EQ(cleanedSection("REACTIONS", {"A+B(+M)=AB(+M) 1 0 1", "  LOW/ 1 0 /"}),
              (Lines{"A+B(+M)<=>AB(+M) 1 0 1", "  LOW/ 1 0 /"}));
}

TEST(CleanUnits, UnitsThatCannotBeConvertedRefuseTheFile) {
    const struct {
        const char* reactionsLine;
        const char* refusal;
    } cases[] = {
        {"REACTIONS KJ/MOL", "The REACTIONS line names units that cannot be converted: KJ/MOL"},
        {"REACTIONS KCAL/MOLE KELVINS",
         "The REACTIONS line names two units for the same quantity: REACTIONS KCAL/MOLE KELVINS"},
        {"REACTIONS MOLES MOLECULES",
         "The REACTIONS line names two units for the same quantity: REACTIONS MOLES MOLECULES"},
    };
    for (const auto& c : cases) {
        const CleanedMechanism cleaned = cleanMechanism({c.reactionsLine, "A=B 1 2 3"});
        EXPECT_EQ(cleaned.refusal, c.refusal);
        EXPECT_TRUE(cleaned.lines.empty());
    }
    EXPECT_TRUE(cleanMechanism({"REACTIONS KCAL/MOLE KCAL/MOLE", "A=B 1 2 3"}).cleaned());
}

// ---- The whole file -------------------------------------------------------------------

TEST(CleanFile, SectionsBeforeTheReactionsAndAfterEndStandUnchanged) {
    const Lines file = splitLines("! header\nELEMENTS\nO  H  AR\nEND\nSPECIES\nH2 O2\tH\nEND\n"
                                  "THERMO\nH2  A=B  junk\nEND\nreactions  cal/mole  \n"
                                  "H + H = H2 1 0 0\nEND\nafter END: A = B 1 2 3");
    const CleanedMechanism cleaned = cleanMechanism(file);
    ASSERT_TRUE(cleaned.cleaned());
    Lines expected(file.begin(), file.begin() + 10);
    expected.insert(expected.end(),
                    {"REACTIONS", "H+H<=>H2 1 0 0", "END", "after END: A = B 1 2 3"});
    EXPECT_EQ(cleaned.lines, expected);
}

TEST(CleanFile, WithoutAReactionsLineNothingIsCleaned) {
    for (const Lines& file : {Lines{}, Lines{"ELEMENTS", "H END", "! REACTIONS", "A=B 1 2 3"},
                              Lines{"REACTIONSX", "A=B 1 2 3"}, Lines{"REA", "A=B 1 2 3"}}) {
        const CleanedMechanism cleaned = cleanMechanism(file);
        EXPECT_EQ(cleaned.refusal, "The file has no REACTIONS line, so it holds no reaction to "
                                   "clean.");
        EXPECT_TRUE(cleaned.lines.empty());
    }
}

TEST(CleanFile, CountsAndLineNumbers) {
    const CleanedMechanism cleaned =
        cleanMechanism({"REACTIONS KCAL/MOLE", "! first", "A=B 1 0 2", "0.5A=E 1 2 3", " DUP",
                        "A=>B 1 0 0", "A+B=C 1 2", "2A + B  =>  C 1\t0 0", "END"});
    EXPECT_EQ(cleaned.written, 3);
    EXPECT_EQ(cleaned.converted, 1); // 0 kcal/mol is 0 cal/mol: the text stays "0"
    EXPECT_EQ(cleaned.arrowsWritten, 1);
    EXPECT_EQ(cleaned.blanksRemoved, 1);
    EXPECT_EQ(cleaned.factorsSpelledOut, 1);
    EXPECT_EQ(cleaned.spacingFixed, 1);
    ASSERT_EQ(cleaned.commentedOut.size(), 2U);
    EXPECT_EQ(cleaned.commentedOut[0].lineNumber, 4);
    EXPECT_EQ(cleaned.commentedOut[0].reason, "a stoichiometric factor that is not a whole number");
    EXPECT_EQ(cleaned.commentedOut[1].lineNumber, 7);
    EXPECT_EQ(cleaned.commentedOut[1].reason, "A, n and Ea could not be read after the equation");
}

TEST(CleanFile, CleaningACleanFileChangesNothing) {
    const Lines raw = splitLines("ELEMENTS\nH O\nEND\nREACTIONS KJOULES/MOLE\n! ref: A=>B\n"
                                 "2 H + M = H2 + M  1E18 -1 4.184\n H2/2.5/\n"
                                 "H+O2 (+ M) => HO2 (+M) 1 2 3\nLOW/ 1 2 41.84/\n"
                                 "A+B+C+D=E 1 2 3\nEND");
    const CleanedMechanism once = cleanMechanism(raw);
    ASSERT_TRUE(once.cleaned());
    const CleanedMechanism twice = cleanMechanism(once.lines);
    EXPECT_EQ(twice.lines, once.lines);
    EXPECT_EQ(twice.written, once.written);
    EXPECT_EQ(twice.converted, 0);
    EXPECT_TRUE(twice.commentedOut.empty()); // the commented-out line is now a comment
}

} // namespace
} // namespace zorbel
