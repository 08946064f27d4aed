// The reverse laws a run writes, against kf/Kc computed here from the NASA polynomials: the
// laws of smallest largest error of the published mechanisms, and the members of a DUPLICATE
// group, whose reverse rates must sum to the group's kf/Kc whatever the sign of their A.

#include "batch/BatchReaction.h"
#include "batch/RunSettings.h"
#include "files/TextFiles.h"
#include "reversal/SpeciesProvider.h"
#include "support/KcFormulas.h"
#include "support/SessionFixture.h"
#include "thermo/ThermoIndex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace zorbel {
namespace {

using testing::lnArrhenius;
using testing::lnKc;

class ReverseLawsTest : public testing::SessionFixture {
protected:
    SpeciesProvider& species() {
        database = ThermoIndex::load(common.ThermoPath);
        provider.emplace(form.LOS1.entries(), &*database);
        return *provider;
    }
    /// Reverses the mechanism into RevAll.txt with exact thermochemistry over 1000-1200 K,
    /// where one law follows kf/Kc closely; the written lines.
    std::vector<std::string> reverseAll(bool whole) {
        form.ExactThermoChk.setChecked(true);
        form.WholeMechanismChk.setChecked(whole);
        form.Chk1.setChecked(true);
        form.Cold2txt.setText("1000");
        form.Hot2txt.setText("1200");
        common.WorkFolder = folder.folderText();
        form.CMD4.click();
        return *readLines(path("RevAll.txt"));
    }
    std::optional<ThermoIndex> database;
    std::optional<SpeciesProvider> provider;
};

/// The largest |error| of a fitted law in ln k, and whether it reaches that size with
/// alternating signs at one point more than the law has parameters (then no law of its form
/// has a smaller one).
struct LawError {
    double largest = 0.0;
    bool equioscillates = false;
};

LawError lawError(const FitResult& fit, const std::vector<double>& T,
                  const std::vector<double>& lnK, int parameters) {
    std::vector<double> e;
    LawError result;
    for (std::size_t j = 0; j < T.size(); ++j) {
        e.push_back(fit.FitLnA + fit.FitN * std::log(T[j]) + fit.FitInvT / T[j] - lnK[j]);
        result.largest = std::max(result.largest, std::fabs(e.back()));
    }
    int alternations = 0;
    double sign = 0.0;
    for (double error : e) {
        if (std::fabs(error) >= result.largest * (1 - 1e-6) && error * sign <= 0.0) {
            ++alternations;
            sign = error;
        }
    }
    result.equioscillates = alternations >= parameters + 1;
    return result;
}

TEST_F(ReverseLawsTest, MinimaxLawsOfPublishedMechanismsHaveTheSmallestLargestError) {
    ZORBEL_REQUIRE_SHARED_DATA();
    const struct {
        const char* thermo;
        const char* mechanism;
        int atLeast; // reactions reversed
    } mechanisms[] = {{"gri30/thermo30.dat", "gri30/mech-clean.rxn", 280},
                      {"aramco1.3/AramcoMech_1.3_therm.dat", "aramco1.3/mech-clean.rxn", 1300}};
    for (const auto& published : mechanisms) {
        SCOPED_TRACE(published.mechanism);
        loadDatabase((testing::sharedData() / published.thermo).string());
        loadMechanism((testing::sharedData() / published.mechanism).string());
        RunSettings settings = session.runSettings();
        settings.exactThermo = true;
        const ReversalRequest base = requestWith(settings, testing::calPerMolK);
        SpeciesProvider& provider = species();
        int reversed = 0;
        for (const std::string& entry : form.LOS2.entries()) {
            const ParsedReaction parsed = parseReaction(entry);
            ReversalRequest request = requestOfParse(parsed, base, {});
            const ReversalOutcome ls = reverseReaction(request, provider);
            request.fit = FitKind::Minimax;
            const ReversalOutcome minimax = reverseReaction(request, provider);
            ASSERT_EQ(ls.fit.has_value(), minimax.fit.has_value()) << entry;
            if (!minimax.fit)
                continue;
            SCOPED_TRACE(entry);
            const std::vector<double>& T = minimax.series.T;
            std::vector<double> lnK;
            const double A = std::stod(parsed.AText), n = std::stod(parsed.NText),
                         Ea = std::stod(parsed.EaText);
            for (std::size_t j = 0; j < T.size(); ++j) {
                lnK.push_back(lnArrhenius(A, n, Ea, T[j]) - lnKc(minimax, T[j]));
                ASSERT_NEAR(lnK.back(), minimax.series.lnKr[j], 1e-8 * (1 + std::fabs(lnK[j])));
            }
            const LawError best = lawError(*minimax.fit, T, lnK, 3);
            EXPECT_LE(best.largest, lawError(*ls.fit, T, lnK, 3).largest + 1e-9);
            EXPECT_TRUE(best.equioscillates) << best.largest;
            ++reversed;
        }
        EXPECT_GE(reversed, published.atLeast);
    }
}

TEST_F(ReverseLawsTest, NegativeDuplicateMembersKeepTheGroupsReverseRate) {
    loadDatabase(copyTestData("reversal.therm"));
    loadReactions(
        {"H+O2<=>O+OH 3.547E+15 -0.406 16599.0", "DUP", "H+O2<=>O+OH -1.8E+10 0.0 0.0", "DUP"});
    const double forward[2][3] = {{3.547E+15, -0.406, 16599.0}, {-1.8E+10, 0.0, 0.0}};
    for (bool whole : {false, true}) {
        SCOPED_TRACE(whole ? "whole mechanism" : "reaction lines");
        const std::vector<std::string> written = reverseAll(whole);
        std::vector<std::array<double, 3>> reverse;
        for (const std::string& line : written) {
            std::array<double, 3> law{};
            if (std::sscanf(line.c_str(), "REV/ %lf %lf %lf", &law[0], &law[1], &law[2]) == 3)
                reverse.push_back(law);
            // Strict readers want the law closed; the default file keeps its own form.
            if (line.starts_with("REV/")) {
                EXPECT_EQ(line.find(" / !Trange(K) = [ 1000 -  1200]") != std::string::npos, whole)
                    << line;
            }
        }
        ASSERT_EQ(reverse.size(), 2U);
        EXPECT_GT(reverse[0][0], 0.0);
        EXPECT_LT(reverse[1][0], 0.0);
        ReversalRequest request;
        request.slots = parseReaction("H+O2<=>O+OH 1 0 0").Slots;
        request.aText = "1";
        request.nText = request.eaText = "0";
        request.gasConstant = testing::calPerMolK;
        const ReversalOutcome slots = reverseReaction(request, species());
        for (double T = 1000.0; T <= 1200.0; T += 10.0) {
            double kf = 0.0, kr = 0.0, size = 0.0;
            for (int k = 0; k < 2; ++k) {
                const auto& [A, n, Ea] = forward[k];
                kf += std::copysign(std::exp(lnArrhenius(std::fabs(A), n, Ea, T)), A);
                const double term = std::exp(
                    lnArrhenius(std::fabs(reverse[k][0]), reverse[k][1], reverse[k][2], T));
                kr += std::copysign(term, reverse[k][0]);
                size += term;
            }
            EXPECT_NEAR(kr, kf / std::exp(lnKc(slots, T)), 2e-3 * size) << T;
        }
    }
}

} // namespace
} // namespace zorbel
