#include "app/AppTexts.h"
#include "reversal/ReactionReversal.h"
#include "reversal/ReversalTexts.h"
#include "reversal/SpeciesProvider.h"
#include "support/SessionFixture.h"
#include "text/NumberText.h"
#include "text/StringOps.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/ThermoIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace zorbel {
namespace {

using testing::crlfLines;
using testing::readFile;
using testing::tabFields;

// H/RT and S/R of the NASA polynomials written out here at full precision: the lower range
// below the common temperature, the upper at and above it.
double hOverRT(const Polynomials& p, double T) {
    const auto& a = T < p.tCommon ? p.lower : p.upper;
    return a[0] + a[1] * T / 2 + a[2] * T * T / 3 + a[3] * T * T * T / 4 +
           a[4] * T * T * T * T / 5 + a[5] / T;
}
double sOverR(const Polynomials& p, double T) {
    const auto& a = T < p.tCommon ? p.lower : p.upper;
    return a[0] * std::log(T) + a[1] * T + a[2] * T * T / 2 + a[3] * T * T * T / 3 +
           a[4] * T * T * T * T / 4 + a[6];
}

class ReverseCommandTest : public testing::SessionFixture {
protected:
    enum Entry {
        HO2ToOOH = 0,
        OHOHFalloff = 1,
        ThirdBody = 2,
        Irreversible = 3,
        MissingSpecies = 4,
        ZeroA = 5,
        WithComment = 6,
        EmptyA = 7,
        NegativeA = 8,
    };

    void SetUp() override {
        loadTestData();
        ASSERT_EQ(session.common.SpeciesCount, 7);
        ASSERT_EQ(session.common.ReactionCount, 9);
    }

    void reverse(int entry) {
        form.LOS2.select(entry);
        form.CMD3.click();
    }

    std::string tempFile() const { return output("temp.txt"); }
};

// Each refusal says why, draws no chart and leaves the previous table as it was.
TEST_F(ReverseCommandTest, Refusals) {
    ScriptedPlatform bare;
    Session empty(bare);
    connectCommands(empty);
    empty.form.CMD3.click();
    EXPECT_EQ(empty.form.lblerror.caption(), texts::ImportDatabaseFirst);
    EXPECT_TRUE(bare.charts.empty());
    form.CMD3.click(); // files loaded, no reaction shown yet
    EXPECT_EQ(form.lblerror.caption(), texts::SelectReactionFirst);

    reverse(HO2ToOOH);
    const std::string before = tempFile();
    const std::string notThree = std::string(texts::NotCalculatedBecause) + "line 16 of " +
                                 path("reversal.rxn") +
                                 ": the coefficients are not three numbers A, n, Ea: A \"\" is "
                                 "not a number.";
    const struct {
        int entry;
        const char* points;
        std::string message;
    } cases[] = {
        {Irreversible, "50", std::string(texts::IrreversibleWarning)},
        {EmptyA, "50", notThree}, // two blanks after the equation: A is empty
        {NegativeA, "50", std::string(texts::NonPositiveKr)},
        {ZeroA, "50", std::string(texts::ZeroAWarning)},
        {HO2ToOOH, "2", std::string(texts::EnterPointsNumber)},
        {HO2ToOOH, "10001", std::string(texts::EnterPointsNumber)},
        {HO2ToOOH, "", std::string(texts::EnterPointsNumber)},
        // The message names them too: the command line shows no colours.
        {MissingSpecies, "50",
         std::string(texts::MissingSpeciesStart) + std::string(texts::MissingSpeciesEnd) +
             " Not in " + path("reversal.therm") + ": C2H6, C2H5."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        form.Ntxt.setText(c.points);
        reverse(c.entry);
        EXPECT_EQ(form.lblerror.caption(), c.message);
        if (c.message == texts::EnterPointsNumber) {
            EXPECT_EQ(form.Ntxt.background(), Colour::Yellow);
        }
        EXPECT_EQ(platform.charts.size(), 1U);
        EXPECT_EQ(tempFile(), before);
    }
    // Missing species are marked in yellow; a new selection takes the marks away.
    const Colour marks[] = {Colour::Window, Colour::Yellow, Colour::Window, Colour::Yellow,
                            Colour::Window}; // H, C2H6, H2, C2H5, an empty slot
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form.PropTxt[static_cast<std::size_t>(15 + i)].background(), marks[i]) << i;
    form.LOS2.select(HO2ToOOH);
    EXPECT_EQ(form.PropTxt[16].background(), Colour::Window);
    // A = 0 is refused after the temperature column was filled.
    reverse(ZeroA);
    EXPECT_EQ(form.MSFG.filledRows(1), 50);
    EXPECT_EQ(form.MSFG.filledRows(2), 0);
    EXPECT_EQ(form.PropTxt[23].text(), ""); // emptied by the selection, not refilled
    // An Ea followed by a comment reads as its leading number.
    reverse(WithComment);
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(form.Ntxt.background(), Colour::Window);
    EXPECT_EQ(crlfLines(tempFile())[0], "H2+O=>H+OH 3.870E+04 2.700 6260.0 !A COMMENT");
}

// The table of H+O2<=>O+OH in the modified law is the golden file; the window shows its
// results, and the grid holds its points.
TEST_F(ReverseCommandTest, ModifiedLawReportAndTableFile) {
    reverse(HO2ToOOH);
    EXPECT_EQ(tempFile(), readFile(testing::testData() / "golden/temp-reversal.txt"));
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(session.common.AFormat + "|" + session.common.NFormat + "|" + session.common.EaFormat,
              "0.000E+00|0.000|0.0");
    EXPECT_EQ(form.Coldtxt.text() + form.Hottxt.text(), " 200 3500");
    EXPECT_EQ(form.Templbl.caption(), "calculated between  200 and  3500 K");
    ASSERT_EQ(platform.charts.size(), 1U);
    EXPECT_EQ(platform.charts[0].rows.size(), 50U);
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title, "JOB DONE!");
    EXPECT_EQ(platform.messages[0].text,
              "Output file copied to:\r\n" + session.common.WorkFolder + "temp.txt");

    const std::vector<std::string> table = crlfLines(tempFile());
    EXPECT_EQ(table[4], "O+OH=>H+O2 " + form.PropTxt[23].text() + " " + form.PropTxt[24].text() +
                            " " + form.PropTxt[25].text());
    const std::string error = form.lblerror2.caption();
    EXPECT_EQ(formatNumber(readLeadingNumber(error), "0.0E+00"), error);
    for (size_t row = 9; row < table.size(); ++row) {
        const std::vector<std::string> f = tabFields(table[row]);
        ASSERT_EQ(f.size(), 12U) << table[row];
        EXPECT_EQ(f[11], error);
        const int point = static_cast<int>(row) - 8;
        EXPECT_EQ(readLeadingNumber(f[0]), readLeadingNumber(form.MSFG.text(point, 1)));
        EXPECT_EQ(f[6], plainNumber(*form.MSFG.number(point, 2)));
    }
    EXPECT_EQ(form.MSFG.filledRows(1), 50);
    EXPECT_EQ(form.MSFG.filledRows(3), 50);
    EXPECT_EQ(form.MSFG.filledRows(4), 0);
    EXPECT_EQ(session.common.LastPoint, 49);
    EXPECT_EQ(session.common.LastPointReal, 49.0);
}

TEST_F(ReverseCommandTest, TwoParameterLawChangesTheHeaderAndTheOrder) {
    form.Option1.setSelected(true);
    int chartsWhenFileWritten = -1;
    platform.onMessage = [&](const MessageRequest&) {
        chartsWhenFileWritten = static_cast<int>(platform.charts.size());
    };
    reverse(HO2ToOOH);
    EXPECT_EQ(chartsWhenFileWritten, 1);
    EXPECT_EQ(session.common.RevN, 0.0);
    EXPECT_EQ(session.common.FitN, 0.0);
    EXPECT_EQ(form.PropTxt[24].text(), "0.000");
    const std::vector<std::string> table = crlfLines(tempFile());
    EXPECT_EQ(tabFields(table[8])[7], "ln(kf)");
    form.Option2.setSelected(true);
    form.CMD3.click();
    EXPECT_EQ(tabFields(crlfLines(tempFile())[8])[7], "ln(Kf)");
}

TEST_F(ReverseCommandTest, ThirdBodiesAndParenthesesInTheTable) {
    reverse(ThirdBody);
    EXPECT_EQ(form.PropTxt[16].background(), Colour::Pink);
    EXPECT_EQ(form.PropTxt[19 - 1].background(), Colour::Pink);
    std::vector<std::string> table = crlfLines(tempFile());
    EXPECT_EQ(table[0], "H+O2+M=>HO2+M 2.800E+18 -0.860 0.0");
    EXPECT_EQ(table[4].rfind("HO2+M=>H+O2+M ", 0), 0U);

    reverse(OHOHFalloff);
    EXPECT_EQ(form.PropTxt[16].text(), "M");
    EXPECT_EQ(form.PropTxt[16].background(), Colour::Pink);
    EXPECT_EQ(form.PropTxt[18].text(), "M");
    table = crlfLines(tempFile());
    EXPECT_EQ(table[0], "OH+OH+M=>H2O2+M 7.400E+13 -0.370 0.0");
    // Kc = Kp (82.058 T)^-dn for a change of dn moles: -1 here, +2 with three products.
    const auto expectMoleChange = [&](int dn) {
        for (size_t row = 9; row < table.size(); row += 7) {
            const std::vector<std::string> f = tabFields(table[row]);
            const double T = readLeadingNumber(f[0]);
            const double Kp = readLeadingNumber(f[3]);
            const double Kc = readLeadingNumber(f[4]);
            EXPECT_NEAR(Kc * std::pow(82.058 * T, dn) / Kp, 1.0, 1e-12) << dn;
        }
    };
    expectMoleChange(-1);
    loadMechanism(folder.write("three.rxn", "REACTIONS\nH2O2<=>OH+O+H 1.0E+13 0.0 0.0\n"));
    reverse(0);
    EXPECT_EQ(form.lblerror.caption(), "");
    table = crlfLines(tempFile());
    expectMoleChange(2);
}

// A mechanism chosen by its bare name lies in the current folder, where temp.txt goes:
// it was refused as if no mechanism had been loaded.
TEST_F(ReverseCommandTest, AMechanismGivenByItsNameWritesIntoTheCurrentFolder) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    platform.fileAnswers.push_back("reversal.rxn");
    form.CMD2.click();
    reverse(HO2ToOOH);
    std::filesystem::current_path(before);
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(crlfLines(tempFile()).size(), 59U);
}

TEST_F(ReverseCommandTest, PersonalRangeWarningsAndRefusedRanges) {
    form.Chk1.setChecked(true);
    form.Cold2txt.setText("250");
    form.Hot2txt.setText("2500");
    reverse(HO2ToOOH);
    EXPECT_EQ(form.lblerror.caption(), ""); // 250 is inside 200-3500
    EXPECT_EQ(form.Coldtxt.text(), " 250");
    EXPECT_TRUE(form.Coldtxt.bold());
    EXPECT_TRUE(form.Hottxt.bold());
    EXPECT_EQ(form.Templbl.caption(), "calculated between  250 and  2500 K");

    form.Cold2txt.setText("100");
    form.CMD3.click();
    EXPECT_EQ(form.lblerror.caption(), std::string(texts::PersonalColdIgnored) +
                                           std::string(texts::PersonalColdBelow) +
                                           ". Range used: 200 to 2500 K.");
    EXPECT_EQ(form.Coldtxt.text(), " 200");
    EXPECT_FALSE(form.Coldtxt.bold());

    // Swapped ends are set aside for the detected range, and the message says why.
    form.Cold2txt.setText("2500");
    form.Hot2txt.setText("250");
    form.CMD3.click();
    EXPECT_EQ(form.lblerror.caption(), std::string(texts::PersonalNotSuitable) +
                                           std::string(texts::PersonalReversed) +
                                           ". Range used: 200 to 3500 K.");
    form.Hot2txt.setText("x"); // reads as 0, but the message names the text, not the order
    form.CMD3.click();
    EXPECT_EQ(form.lblerror.caption(), std::string(texts::PersonalNotSuitable) +
                                           std::string(texts::PersonalHotNotANumber) +
                                           ". Range used: 200 to 3500 K.");

    // A personal cold end above the detected hot end gives reversed ends.
    form.Cold2txt.setText("4000");
    form.Hot2txt.setText("5000");
    const std::string before = tempFile();
    form.CMD3.click();
    EXPECT_EQ(form.lblerror.caption(), texts::EmptyRange);
    EXPECT_EQ(tempFile(), before);
}

TEST_F(ReverseCommandTest, ChartFollowsTheGridAndTheFittedLaw) {
    form.Ntxt.setText("3");
    reverse(HO2ToOOH);
    ASSERT_EQ(platform.charts.size(), 1U);
    const auto& rows = platform.charts[0].rows;
    ASSERT_EQ(rows.size(), 3U);
    for (size_t i = 0; i < rows.size(); ++i) {
        const double T = readLeadingNumber(form.MSFG.text(static_cast<int>(i) + 1, 1));
        EXPECT_EQ(rows[i].x1, generalNumber(1000.0 / T));
        EXPECT_EQ(rows[i].x1, rows[i].x2);
        EXPECT_EQ(rows[i].y1, form.MSFG.text(static_cast<int>(i) + 1, 3));
        // Three points, three coefficients: the law passes through the points.
        EXPECT_NEAR(readLeadingNumber(rows[i].y2), readLeadingNumber(rows[i].y1), 1e-6);
    }
}

TEST_F(ReverseCommandTest, SpeciesPanelShowsTheLastSpeciesEvaluated) {
    reverse(HO2ToOOH);
    EXPECT_EQ(form.LOS1.selectedText(), "OH");
    EXPECT_EQ(form.TXT1KS.text(), "3500");
    EXPECT_EQ(form.TXT1KH.text(), "3500");
    EXPECT_NE(form.TXT1S.text(), "");
    EXPECT_EQ(session.common.TLow, " 200");
}

// kr[CK] against Kc evaluated here from the NASA polynomials at full precision: they must
// agree within what the four-significant-digit property texts allow.
TEST_F(ReverseCommandTest, ReverseRateMatchesAnIndependentEquilibriumConstant) {
    const std::optional<ThermoIndex> database = ThermoIndex::load(path("reversal.therm"));
    ASSERT_TRUE(database);
    std::vector<Polynomials> species; // O, OH, H, O2: products positive
    for (const char* name : {"O", "OH", "H", "O2"})
        species.push_back(polynomialsOf(*database->find(name)));
    // Half a unit of the fourth significant digit.
    const auto halfUnit = [](double v) {
        return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 3);
    };
    reverse(HO2ToOOH);
    const std::vector<std::string> table = crlfLines(tempFile());
    for (size_t row = 9; row < table.size(); ++row) {
        const std::vector<std::string> f = tabFields(table[row]);
        const double T = readLeadingNumber(f[0]);
        double dS = 0, dH = 0, bound = 1e-6;
        for (std::size_t k = 0; k < species.size(); ++k) {
            const double sign = k < 2 ? 1.0 : -1.0;
            dS += sign * sOverR(species[k], T);
            dH += sign * hOverRT(species[k], T);
            bound += halfUnit(sOverR(species[k], T)) + halfUnit(hOverRT(species[k], T));
        }
        const double Kc = std::exp(dS - dH); // no mole change
        const double kf = 3.547E+15 * std::pow(T, -0.406) * std::exp(-16599.0 / (1.9872 * T));
        EXPECT_NEAR(readLeadingNumber(f[8]), std::log(kf / Kc), bound) << "T = " << T;
        EXPECT_EQ(readLeadingNumber(f[3]), readLeadingNumber(f[4])) << "Kc = Kp";
    }
}

// With exact thermochemistry kr[CK] is kf/Kc from the polynomials to rounding, over both
// ranges and with a change of moles; without it the four-digit texts move it further.
TEST_F(ReverseCommandTest, ExactThermochemistryIsKfOverKcAtFullPrecision) {
    const std::optional<ThermoIndex> database = ThermoIndex::load(path("reversal.therm"));
    ASSERT_TRUE(database);
    const std::vector<std::string> listed = {"H", "H2", "H2O2", "HO2", "O", "O2", "OH"};
    struct Case {
        ReactionSlots slots;  // the third body M is no species: it leaves dn alone
        std::string A, n, Ea; // [mol, cm3, s; cal/mol]
    };
    const Case cases[] = {{{"///", "H", "O2", "O", "OH", "///"}, "3.547E+15", "-0.406", "16599.0"},
                          {{"H", "O2", "M", "HO2", "M", "///"}, "2.800E+18", "-0.860", "1200.0"}};
    // R' [cm3 atm/(mol K)] of Kc = Kp (1/(R' T))^dn, as the program's gasConstantCm3Atm.
    const double cm3Atm = 82.058;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slots[3]);
        ReversalRequest request;
        request.slots = c.slots;
        request.aText = c.A;
        request.nText = c.n;
        request.eaText = c.Ea;
        request.gasConstant = static_cast<double>(common.GasConstant);
        double worst[2] = {0.0, 0.0}; // four digits, exact
        for (const bool exact : {false, true}) {
            request.exactThermo = exact;
            SpeciesProvider provider(listed, &*database);
            const ReversalOutcome outcome = reverseReaction(request, provider, SeriesKept::All);
            ASSERT_EQ(outcome.refusal, Refusal::None);
            ASSERT_EQ(outcome.series.T.size(), 50U);
            for (std::size_t j = 0; j < outcome.series.T.size(); ++j) {
                const double T = outcome.series.T[j];
                double dS = 0, dH = 0, dn = 0;
                for (std::size_t k = 0; k < SlotCount; ++k) {
                    if (c.slots[k] == "///" || c.slots[k] == "M")
                        continue;
                    const Polynomials p = polynomialsOf(*database->find(c.slots[k]));
                    const double sign = k < SideCapacity ? -1.0 : 1.0;
                    dS += sign * sOverR(p, T);
                    dH += sign * hOverRT(p, T);
                    dn += sign;
                }
                const double Kc = std::exp(dS - dH) * std::pow(1.0 / (cm3Atm * T), dn);
                const double kf = std::stod(c.A) * std::pow(T, std::stod(c.n)) *
                                  std::exp(-std::stod(c.Ea) / (request.gasConstant * T));
                const double deviation = std::fabs(outcome.series.kr[j] / (kf / Kc) - 1.0);
                worst[exact] = std::max(worst[exact], deviation);
            }
        }
        EXPECT_LT(worst[1], 1e-9);
        EXPECT_GT(worst[0], 1e-6);
    }
}

} // namespace
} // namespace zorbel
