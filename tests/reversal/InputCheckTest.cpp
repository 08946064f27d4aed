// The check of the input files: one small database and mechanism per kind of finding, and
// a pair that holds none of them.

#include "reversal/InputCheck.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorbel {
namespace {

using Lines = std::vector<std::string>;

/// A record whose polynomials are Cp/R = a1 on both sides of 1000 K unless `lowerA1` differs.
Lines record(const std::string& name, const std::string& elements,
             const std::string& common = " 1000.00", const char* lowerA1 = " 2.50000000E+00") {
    const std::string zero = " 0.00000000E+00";
    std::string header = name + std::string(24 - name.size(), ' ') + elements;
    header += std::string(44 - header.size(), ' ') + "G   300.000  5000.000" + common + "      1";
    return {header, " 2.50000000E+00" + zero + zero + zero + zero + "    2",
            zero + zero + lowerA1 + zero + zero + "    3", zero + zero + zero + zero + "    4"};
}

Lines database(const std::vector<Lines>& records) {
    Lines lines{"THERMO", "   300.000  1000.000  5000.000"};
    for (const Lines& r : records)
        lines.insert(lines.end(), r.begin(), r.end());
    lines.push_back("END");
    return lines;
}

std::vector<std::string> findings(const Lines& thermo, const Lines& reactions) {
    Lines mechanism{"REACTIONS"};
    mechanism.insert(mechanism.end(), reactions.begin(), reactions.end());
    mechanism.push_back("END");
    std::vector<std::string> lines;
    for (const Finding& finding : checkInputs(thermo, "t.dat", &mechanism, "m.inp"))
        lines.push_back(findingLine(finding));
    return lines;
}

TEST(InputCheckTest, OneFindingOfEachKindWithItsFileAndLine) {
    const Lines h = record("H", "H   1");
    const Lines h2 = record("H2", "H   2");
    const Lines o = record("O", "O   1");
    const Lines sound{"H+H+M<=>H2+M 1E18 -1 0", "H2 = 2H 1 0 0", "DUP", "2H=H2 1 0 0", "DUPLICATE"};
    struct Case {
        const char* what;
        Lines thermo;
        Lines reactions;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"none: M is no species, both duplicates marked", database({h, h2}), sound, {}},
        {"a header read two ways",
         database({h, record("H2", "H   2", "  969.35")}),
         sound,
         {"t.dat:7: the header read word by word gives 300 5000 969.3, its columns 46 to 73 give "
          "300 5000 969.35"}},
        // A molecular weight where the common temperature belongs was taken as one.
        {"a common temperature that is none",
         database({h, record("H2", "H   2", " 12.0110")}),
         sound,
         {"t.dat:7: the header read word by word gives 300 5000 12.01, its columns 46 to 73 give "
          "300.000 5000.000 12.0110; the file's default common temperature, from the line after "
          "THERMO, gives 300 5000 1000"}},
        {"a jump at the common temperature",
         database({h, record("H2", "H   2", " 1000.00", " 3.50000000E+00")}),
         sound,
         {"t.dat:7: the two polynomials differ by more than 0.1 % in Cp/R, H/RT, S/R at the common "
          "temperature"}},
        // The runs refuse it; the check said nothing, or spoke of a jump.
        {"polynomials that overflow within the range",
         database({h, record("H2", "H   2", " 1000.00", "1.00000000E+308")}),
         sound,
         {"t.dat:7: the record of species H2 (line 7 of t.dat) cannot be used: its polynomials "
          "give no finite enthalpy or entropy at 300 K"}},
        {"a species defined twice",
         database({h, h2, h}),
         sound,
         {"t.dat:11: H is defined again (first at line 3); the first is used"}},
        {"a species missing",
         database({h, h2}),
         {"H+X<=>H2 1 0 0", "X+H=H2 1 0 0"},
         {"m.inp:2: species X is not in the database",
          "m.inp:3: the same reaction as line 2, and not both are marked DUPLICATE"}},
        {"elements that do not balance",
         database({h, h2}),
         {"H+H2<=>H2 1 0 0"},
         {"m.inp:2: the elements do not balance: H 3 -> H 2"}},
        // None of these was reported, though the runs refuse each.
        {"lines the runs refuse",
         database({h, h2}),
         {"H+H<=H2 1 0 0", "H+H<=>H2 1 0", "H+H<=>H2 1 0 0 1", "H+H+H+H<=>H2+H2 1 0 0",
          "H+H<=>H2 1 0 NAN", "H+H+H+H=>H2+H2 1 0 0"},
         {"m.inp:2: the line is not a reaction: its equation has no arrow <=> or =>",
          "m.inp:3: fewer than three numbers A, n, Ea follow the equation",
          "m.inp:4: the coefficients are not three numbers A, n, Ea: Ea \"0 1\" is more than one "
          "number",
          "m.inp:5: more than three reactants",
          "m.inp:6: the coefficients are not three numbers A, n, Ea: Ea \"NAN\" is not a number"}},
        {"records the runs refuse",
         database({h, record("H2", "H   2", " 1000.00", "            NAN"), {o.front(), o[1]}}),
         {"H+H<=>H2 1 0 0"},
         {"t.dat:7: the record of species H2 (line 7 of t.dat) cannot be used: line 9, lower a1 "
          "(columns 31-45), is not a number: \"NAN\"",
          "t.dat:11: the record of species O (line 11 of t.dat) cannot be used: line 13 starts "
          "another record where a coefficient line belongs"}},
        // An elementary and a falloff reaction were called the same reaction.
        {"reactions of another kind are no duplicates",
         database({h, h2}),
         {"H+H=H2 1 0 0", "H+H(+M)<=>H2(+M) 1 0 0", "LOW/ 1 0 0/", "H+H+M<=>H2+M 1 0 0"},
         {}},
        {"a reaction written twice, one DUPLICATE",
         database({h, h2}),
         {"H+H<=>H2 1 0 0", "DUP", "H2=>H+H 1 0 0", "H2=H+H 1 0 0"},
         {"m.inp:5: the same reaction as line 2, and not both are marked DUPLICATE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(findings(c.thermo, c.reactions), c.expected);
    }
}

// In the window a load lists the headers read from their columns and the check's findings
// in one box, once for each pair of files in a run.
class WindowWarnings : public testing::SessionFixture {};

TEST_F(WindowWarnings, AreShownInOneBoxOncePerPairOfFiles) {
    session.loads.warningBox = true;
    std::string text;
    for (const std::string& line :
         database({record("H", "H   1", "    1000"), record("H", "H   1")}))
        text += line + "\n";
    const std::string file = folder.write("t.dat", text);
    loadDatabase(file);
    ASSERT_EQ(platform.messages.size(), 1U);
    const std::string& shown = platform.messages[0].text;
    const std::size_t header =
        shown.find("\nline 3, H: 300 5000 1000 (read word by word: 300 5000 10)");
    const std::size_t twice = shown.find("\n" + file + ":7: H is defined again");
    EXPECT_NE(header, std::string::npos);
    EXPECT_NE(twice, std::string::npos);
    EXPECT_LT(header, twice);
    loadDatabase(file);
    EXPECT_EQ(platform.messages.size(), 1U);
}

} // namespace
} // namespace zorbel
