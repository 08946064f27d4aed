// The database tab over a session: loading a database, and showing a species.

#include "app/AppTexts.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

const char* const smallDatabase =
    "THERMO\r\n"
    "   300.000  1000.000  5000.000\r\n"
    "! comment\r\n"
    "o2    G   300.000  5000.000  1000.000    1\r\n"
    " 3.00000000E+00 0.00000000E+00 0.00000000E+00 0.00000000E+00 0.00000000E+00\r\n"
    "-1.00000000E+03 5.00000000E+00 3.50000000E+00 0.00000000E+00 0.00000000E+00\r\n"
    "-1.00000000E-09 3.00000000E-12-1.00000000E+03 3.00000000E+00\r\n"
    "AR    G   300.000  5000.000  1000.000    1\r\n"
    "\r\n"
    "1.0 a line starting with a digit\r\n"
    "+ a sign\r\n"
    "O2    G   200.000  3500.000  1000.000    1\r\n"
    "END\r\n";

/// The content with a usable record of the name after its first line: a file without one
/// is no database, and these files are about the names the loader lists.
std::string withRecordOf(const std::string& name, const std::string& content) {
    const std::string field = " 1.00000000E+00";
    const std::string record = name + " G 300.000 5000.000 1000.000 1\n" + field + field + field +
                               field + field + "\n" + field + field + field + field + field + "\n" +
                               field + field + field + field + "\n";
    const std::size_t firstEnd = content.find_first_of("\r\n");
    return content.substr(0, firstEnd + 1) + record + content.substr(firstEnd + 1);
}

class ThermoLoaderTest : public testing::SessionFixture {
protected:
    void load(std::optional<std::string> path) {
        platform.fileAnswers.push_back(std::move(path));
        form.CMD1.click();
    }
};

TEST_F(ThermoLoaderTest, ListsTheNamesSortedOnce) {
    const std::string path = folder.write("small.dat", smallDatabase);
    load(path);
    EXPECT_EQ(form.LOS1.entries(), (std::vector<std::string>{"AR", "O2"}));
    EXPECT_EQ(session.common.SpeciesCount, 2);
    EXPECT_EQ(form.List1Nbr.caption(), "(2)");
    EXPECT_EQ(session.common.ThermoPath, path);
    EXPECT_EQ(session.common.ThermoFolder, folder.folderText());
    EXPECT_EQ(form.Lbl1.caption(), "Loaded: " + path);
    EXPECT_EQ(form.lblerror.caption(), "");

    ASSERT_EQ(platform.fileRequests.size(), 1U);
    const FileDialogRequest& request = platform.fileRequests[0];
    EXPECT_EQ(request.title, "Selection THERMO File...");
    EXPECT_EQ(request.filter, "DAT Files (*.dat)|*.dat|THE Files (*.the)|*.therm|All Files |*.*|");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialFolder, defaultDialogFolder());
}

TEST_F(ThermoLoaderTest, WhichLinesNameASpecies) {
    struct Case {
        const char* name;
        std::string content;
        std::vector<std::string> listed;
    };
    const Case cases[] = {
        {"the first line is never read", "CO G 300 5000 1000 1\nH2 G\n", {"H2"}},
        {"END ends nothing; END with a blank is a species; end is END",
         "THERMO\nEND\nend\nEND \nN2 G\n",
         {"END", "N2"}},
        {"digits, signs, blanks, comments and empty lines name nothing",
         "THERMO\n1 a\n-1 a\n+1 a\n a\n!a b\n\n.5 a\n",
         {"N2"}},
        {"names are upper-cased and sorted in byte order",
         "THERMO\nch4 G\nzn G\nC2H2 G\nCH3 G\nc G\nZR G\n",
         {"C", "C2H2", "CH3", "CH4", "ZN", "ZR"}},
        {"the name ends at the first blank; a lone word names nothing and is not listed",
         "THERMO\nH2O(L) G\nHE\tG 300 1\nTHERMO\n",
         {"H2O(L)", "HE\tG"}},
        {"no line end at the end", "THERMO\r\nN2 G", {"N2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        load(folder.write("case.dat", withRecordOf(c.listed.back(), c.content)));
        EXPECT_EQ(form.LOS1.entries(), c.listed);
        EXPECT_EQ(session.common.SpeciesCount, static_cast<int>(c.listed.size()));
        EXPECT_EQ(form.List1Nbr.caption(), "(" + std::to_string(c.listed.size()) + ")");
    }
}

TEST_F(ThermoLoaderTest, CountsGoBeyondSixteenBits) {
    std::string content = "THERMO\n";
    for (int i = 0; i < 40000; ++i)
        content += "S" + std::to_string(100000 + i) + " G\n";
    load(folder.write("large.dat", withRecordOf("S139999", content)));
    EXPECT_EQ(session.common.SpeciesCount, 40000);
    EXPECT_EQ(form.List1Nbr.caption(), "(40000)");
    ASSERT_TRUE(form.LOS1.selectFirstEqual("S139999"));
    EXPECT_EQ(form.PropTxt[0].text(), "1.00000000E+00");
}

TEST_F(ThermoLoaderTest, LongPathsAreShortened) {
    const std::size_t base = folder.folderText().size();
    ASSERT_LT(base + 10, 79U) << "temporary folder path too long for this test";
    const std::string name79(79 - base, 'a');
    const std::string path79 = folder.write(name79, withRecordOf("N2", "THERMO\n"));
    ASSERT_EQ(path79.size(), 79U);
    load(path79);
    EXPECT_EQ(form.Lbl1.caption(), "Loaded: " + path79);

    const std::string name80(80 - base, 'b');
    const std::string path80 = folder.write(name80, withRecordOf("N2", "THERMO\n"));
    load(path80);
    EXPECT_EQ(form.Lbl1.caption(), "Loaded: " + folder.folderText().substr(0, 3) +
                                       std::string(texts::ShortenedPathMark) + name80);
    EXPECT_EQ(form.LOS1.count(), 1);
}

// A cancelled dialog, and a file that is no database, leave the database loaded before and
// the species shown; a refusal is told (in a box too in the window, whose lblerror is on
// another tab) and its file stays out of the recent files. Nothing changed, so the check
// of the loaded files does not run again either.
TEST_F(ThermoLoaderTest, ACancelOrARefusedFileKeepsTheDatabaseLoaded) {
    session.loads.warningBox = true;
    const std::string noRecord = " holds no species record: a header line followed by three "
                                 "lines of coefficients.";
    const std::string binary("\x7f\x45LF\x02\x01\0\0\x03\0>\0", 12);
    const struct {
        const char* what;
        std::optional<std::string> answer;
        std::string refusal; ///< after the path; empty for none
    } cases[] = {
        {"cancelled", std::nullopt, ""},
        {"missing", folder.folderText() + "missing.dat", ""},
        {"a folder", folder.path().string(), ""},
        {"a binary file", folder.write("a.out", binary + "\nCO G\n" + binary), noRecord},
        {"a mechanism",
         folder.write("mech.inp", "ELEMENTS\nH O\nEND\nSPECIES\nH O2 O OH\nEND\nREACTIONS\n"
                                  "H+O2<=>O+OH 3.5E+15 -0.4 16599\nEND\n"),
         noRecord},
    };
    const std::string small = folder.write("small.dat", smallDatabase);
    load(small);
    form.LOS1.selectFirstEqual("O2");
    const std::string o2First = form.PropTxt[0].text();
    const std::string caption = form.Lbl1.caption();
    ASSERT_FALSE(o2First.empty());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        form.lblerror.setCaption({});
        const std::size_t messages = platform.messages.size();
        load(c.answer);
        EXPECT_EQ(form.LOS1.entries(), (std::vector<std::string>{"AR", "O2"}));
        EXPECT_EQ(form.LOS1.selectedText(), "O2");
        EXPECT_EQ(session.common.SpeciesCount, 2);
        EXPECT_EQ(form.List1Nbr.caption(), "(2)");
        EXPECT_EQ(form.Lbl1.caption(), caption);
        EXPECT_EQ(session.common.ThermoPath, small);
        EXPECT_EQ(form.PropTxt[0].text(), o2First);
        ASSERT_EQ(session.recentFiles().size(), 1U);
        EXPECT_EQ(session.recentFiles()[0].path, small);
        if (!c.answer) {
            EXPECT_EQ(form.lblerror.caption(), "");
            EXPECT_EQ(platform.messages.size(), messages);
            continue;
        }
        const std::string refusal =
            c.refusal.empty() ? "The thermodynamic database could not be read: " + *c.answer
                              : "The file " + *c.answer + c.refusal;
        EXPECT_EQ(form.lblerror.caption(), refusal);
        ASSERT_EQ(platform.messages.size(), messages + 1);
        EXPECT_EQ(platform.messages.back().text, refusal);
        EXPECT_EQ(platform.messages.back().icon, MessageIcon::Stop);
    }
    // The next load that is done takes the refusal away.
    load(folder.write("other.dat", withRecordOf("N2", "THERMO\n")));
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(form.LOS1.entries(), std::vector<std::string>{"N2"});
    EXPECT_EQ(session.recentFiles().size(), 2U);
}

TEST_F(ThermoLoaderTest, ALoadClearsTheSpeciesShown) {
    load(folder.write("small.dat", smallDatabase));
    form.LOS1.selectFirstEqual("O2");
    form.TXT1K.setText("1000");
    ASSERT_TRUE(form.TXT1SBis.visible());
    form.Templbl.setCaption("status");
    load(folder.write("other.dat", withRecordOf("N2", "THERMO\n")));
    for (const TextBox* box : {&form.TXT1K, &form.TXT1KH, &form.TXT1KS, &form.TXT1CP, &form.TXT1H,
                               &form.TXT1S, &form.TXT1SBis, &form.PropTxt[0]})
        EXPECT_EQ(box->text(), "");
    EXPECT_FALSE(form.TXT1SBis.visible() || form.TXT1HBis.visible() || form.TXT1CPBis.visible());
    EXPECT_EQ(form.Lbl8.caption() + form.Lbl10.caption() + form.Lbl11.caption(), "");
    EXPECT_EQ(form.Templbl.caption(), "");
    EXPECT_EQ(form.LOS1.entries(), std::vector<std::string>{"N2"});
}

// Cp/R = 3.5 + 0.001 T in the upper range, 3 + 0.001 T in the lower one.
const char* const database = "THERMO\n"
                             "AA    G   300.000  5000.000  1000.000    1\n"
                             "! comments may stand between the header\n"
                             " ! and the coefficients\n"
                             " 3.5E+00        1.0E-03        0.0            0.0            0.0\n"
                             " 0.0            0.0            3.0            1.0E-03        0.0\n"
                             " 0.0            0.0            0.0            0.0\n"
                             "BLANK G   300.000  5000.000  1000.000    1\n"
                             " 2.0E+00                      1.0E-06\n"
                             "\n"
                             "\n";

class ThermoWindowTest : public testing::SessionFixture {
protected:
    ThermoWindowTest() { loadDatabase(file); }

    void show(const std::string& name) { ASSERT_TRUE(form.LOS1.selectFirstEqual(name)); }

    std::string file = folder.write("window.dat", database);
};

TEST_F(ThermoWindowTest, ShowingASpecies) {
    show("AA");
    const std::pair<std::size_t, const char*> boxes[] = {
        {0, "3.50000000E+00"}, {1, "1.00000000E-03"}, {2, "0.00000000E+00"}, {7, "3.00000000E+00"}};
    for (const auto& [box, text] : boxes)
        EXPECT_EQ(form.PropTxt[box].text(), text) << box;
    EXPECT_EQ(session.common.TLow + session.common.THigh + session.common.TCommon,
              " 300 5000 1000");
    EXPECT_EQ(form.Lbl8.caption(), " 300    5000    1000");
    EXPECT_EQ(form.Lbl10.caption(), " 1000  <= T (high) <  5000");
    EXPECT_EQ(form.Lbl11.caption(), " 300 < T (Low) <=  1000");
}

TEST_F(ThermoWindowTest, TypingOneTemperatureFillsAllThreeBoxes) {
    show("AA");
    form.TXT1K.setText("1000");
    EXPECT_EQ(form.TXT1KH.text(), "1000");
    EXPECT_EQ(form.TXT1KS.text(), "1000");
    EXPECT_EQ(form.TXT1CP.text(), " 4.5");
    EXPECT_EQ(form.TXT1CPBis.text(), " 4");
    EXPECT_TRUE(form.TXT1CPBis.visible());
    // H/RT = a1 + a2 T / 2; S/R = a1 ln T + a2 T.
    EXPECT_EQ(form.TXT1H.text(), " 4");
    EXPECT_EQ(form.TXT1HBis.text(), " 3.5");
    EXPECT_TRUE(form.TXT1HBis.visible());
    EXPECT_EQ(form.TXT1S.text(), " 25.18");
    EXPECT_EQ(form.TXT1SBis.text(), " 21.72");
    EXPECT_TRUE(form.TXT1SBis.visible());

    form.TXT1K.setText("2000");
    EXPECT_EQ(form.TXT1CP.text(), " 5.5");
    EXPECT_FALSE(form.TXT1CPBis.visible());
    EXPECT_FALSE(form.TXT1HBis.visible());
    EXPECT_FALSE(form.TXT1SBis.visible());

    form.TXT1K.setText("299");
    EXPECT_EQ(form.TXT1CP.text(), "xxx");
    EXPECT_EQ(form.TXT1H.text(), "xxx");
    form.TXT1K.setText("0");
    EXPECT_EQ(form.TXT1CP.text(), "");
    EXPECT_EQ(form.TXT1S.text(), "");
}

TEST_F(ThermoWindowTest, EachTemperatureBoxHasItsOwnProperty) {
    show("AA");
    form.TXT1KS.setText("500");
    EXPECT_EQ(form.TXT1S.text(), " 19.14");
    EXPECT_EQ(form.TXT1CP.text(), "");
    EXPECT_EQ(form.TXT1H.text(), "");
    EXPECT_EQ(form.TXT1K.text(), "");
}

// A blank field was once read as zeros, or the previous species stayed shown: now the
// record shows nothing, so that nothing is evaluated from it, and the message names the
// file, the line and the field (SpeciesRecordTest has every fault).
TEST_F(ThermoWindowTest, ARecordThatCannotBeUsedShowsNothingAndSaysWhere) {
    show("AA");
    form.TXT1K.setText("1000");
    show("BLANK");
    EXPECT_EQ(form.lblerror.caption(), "The record of species BLANK (line 8 of " + file +
                                           ") cannot be used: line 9, upper a2 (columns 16-30), "
                                           "is blank");
    for (std::size_t i = 0; i < 14; ++i)
        EXPECT_EQ(form.PropTxt[i].text(), "") << i;
    EXPECT_EQ(session.common.TLow, "");
    EXPECT_EQ(form.Lbl10.caption(), "");
    form.TXT1K.setText("2000");
    EXPECT_EQ(form.TXT1CP.text(), "");
    EXPECT_EQ(form.TXT1KH.text(), ""); // nor is the temperature passed on
    // The next species shown takes the message away.
    show("AA");
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(form.PropTxt[0].text(), "3.50000000E+00");
}

TEST_F(ThermoWindowTest, TheFileIsReadAgainAtEverySelection) {
    show("AA");
    std::string changed = database;
    changed.replace(changed.find("300.000"), 7, "200.000");
    changed.replace(changed.find(" 3.5E+00"), 8, " 1.0E+00");
    folder.write("window.dat", changed);
    show("AA");
    EXPECT_EQ(session.common.TLow, " 200");
    EXPECT_EQ(form.PropTxt[0].text(), "1.00000000E+00");
}

} // namespace
} // namespace zorbel
