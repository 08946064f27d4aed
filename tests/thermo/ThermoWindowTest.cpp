#include "support/SessionFixture.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

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
