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
#include <tuple>

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

/// The largest |error| of a fitted law in ln k, and how often it reaches that size with
/// alternating signs: one more time than the law has parameters, and no law of its form has a
/// smaller largest error.
std::pair<double, int> lawError(const FitResult& fit, const std::vector<double>& T,
                                const std::vector<double>& lnK) {
    std::vector<double> e;
    for (std::size_t j = 0; j < T.size(); ++j)
        e.push_back(fit.FitLnA + fit.FitN * std::log(T[j]) + fit.FitInvT / T[j] - lnK[j]);
    const double largest = std::fabs(*std::max_element(
        e.begin(), e.end(), [](double x, double y) { return std::fabs(x) < std::fabs(y); }));
    int alternations = 0;
    double sign = 0.0;
    for (double x : e) {
        if (std::fabs(x) >= largest * (1 - 1e-6) && x * sign <= 0.0) {
            ++alternations;
            sign = x;
        }
    }
    return {largest, alternations};
}

TEST_F(ReverseLawsTest, MinimaxLawsOfPublishedMechanismsHaveTheSmallestLargestError) {
    ZORBEL_REQUIRE_SHARED_DATA();
    using Published = std::tuple<const char*, const char*, int>; // files, reactions reversed
    for (const auto& [thermo, mechanism, atLeast] :
         {Published{"gri30/thermo30.dat", "gri30/mech-clean.rxn", 280},
          Published{"aramco1.3/AramcoMech_1.3_therm.dat", "aramco1.3/mech-clean.rxn", 1300}}) {
        SCOPED_TRACE(mechanism);
        loadDatabase((testing::sharedData() / thermo).string());
        loadMechanism((testing::sharedData() / mechanism).string());
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
            for (std::size_t j = 0; j < T.size(); ++j) {
                lnK.push_back(lnArrhenius(std::stod(parsed.AText), std::stod(parsed.NText),
                                          std::stod(parsed.EaText), T[j]) -
                              lnKc(minimax, T[j]));
                ASSERT_NEAR(lnK.back(), minimax.series.lnKr[j], 1e-8 * (1 + std::fabs(lnK[j])));
            }
            const auto [largest, alternations] = lawError(*minimax.fit, T, lnK);
            EXPECT_LE(largest, lawError(*ls.fit, T, lnK).first + 1e-9);
            EXPECT_GE(alternations, 4) << largest; // the three-parameter law
            ++reversed;
        }
        EXPECT_GE(reversed, atLeast);
    }
}

TEST_F(ReverseLawsTest, NegativeDuplicateMembersKeepTheGroupsReverseRate) {
    loadDatabase(copyTestData("reversal.therm"));
    loadReactions(
        {"H+O2<=>O+OH 3.547E+15 -0.406 16599.0", "DUP", "H+O2<=>O+OH -1.8E+10 0.0 0.0", "DUP"});
    using Law = std::array<double, 3>; // A, n, Ea
    const Law forward[2] = {{3.547E+15, -0.406, 16599.0}, {-1.8E+10, 0.0, 0.0}};
    const auto k = [](const Law& law, double T) {
        return std::copysign(std::exp(lnArrhenius(std::fabs(law[0]), law[1], law[2], T)), law[0]);
    };
    ReversalRequest request = requestOfParse(parseReaction("H+O2<=>O+OH 1 0 0"), {}, {});
    request.gasConstant = testing::calPerMolK;
    const ReversalOutcome slots = reverseReaction(request, species());
    for (bool whole : {false, true}) {
        SCOPED_TRACE(whole ? "whole mechanism" : "reaction lines");
        std::vector<Law> reverse;
        for (const std::string& line : reverseAll(whole)) {
            Law law{};
            if (std::sscanf(line.c_str(), "REV/ %lf %lf %lf", &law[0], &law[1], &law[2]) == 3) {
                reverse.push_back(law);
                // Strict readers want the law closed; the default file keeps its own form.
                EXPECT_EQ(line.find(" / !Trange(K) = [ 1000 -  1200]") != std::string::npos, whole)
                    << line;
            }
        }
        ASSERT_EQ(reverse.size(), 2U);
        EXPECT_LT(reverse[1][0], 0.0);
        for (double T = 1000.0; T <= 1200.0; T += 10.0) {
            const double size = std::fabs(k(reverse[0], T)) + std::fabs(k(reverse[1], T));
            EXPECT_NEAR(k(reverse[0], T) + k(reverse[1], T),
                        (k(forward[0], T) + k(forward[1], T)) / std::exp(lnKc(slots, T)),
                        2e-3 * size)
                << T;
        }
    }
}

} // namespace
} // namespace zorbel
