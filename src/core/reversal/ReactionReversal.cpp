#include "reversal/ReactionReversal.h"

#include "mechanism/MechanismTexts.h"
#include "reversal/PointLimits.h"
#include "reversal/ReversalTexts.h"
#include "reversal/SpeciesProvider.h"
#include "text/NumberText.h"

#include <cmath>

namespace zorbel {

namespace {

/// Concentration units: R in cm3 atm / (mol K).
constexpr double gasConstantCm3Atm = 82.058;

std::string withoutParentheses(std::string text) {
    if (text.empty() || text.front() != '(')
        return text;
    std::string stripped;
    for (char c : text) {
        if (c != '(' && c != ')')
            stripped += c;
    }
    return stripped;
}

bool classifySlots(const ReversalRequest& request, SpeciesProvider& species,
                   ReversalOutcome& outcome, std::array<SlotLimits, 6>& limits) {
    bool missing = false;
    const SpeciesRecord* unusable = nullptr;
    for (size_t k = 0; k < 6; ++k) {
        const std::string text = withoutParentheses(request.slots[k]);
        outcome.slotTexts[k] = text;
        limits[k] = SlotLimits{};
        if (text == texts::EmptySlotMark) {
            outcome.slotKinds[k] = SlotKind::Empty;
            continue;
        }
        outcome.lastLookup = text;
        const SpeciesRecord* record = species.find(text);
        if (text == texts::ThirdBody) {
            outcome.slotKinds[k] = SlotKind::ThirdBody;
        } else if (record == nullptr) {
            outcome.slotKinds[k] = SlotKind::Missing;
            missing = true;
        } else if (record->fault) {
            outcome.slotKinds[k] = SlotKind::Unusable;
            if (unusable == nullptr) {
                unusable = record;
                outcome.detail = text;
            }
        } else {
            outcome.slotKinds[k] = SlotKind::Species;
            limits[k] = SlotLimits{false, record->TLow, record->THigh};
        }
    }
    if (missing) {
        outcome.refusal = Refusal::MissingSpecies;
        outcome.detail.clear();
        return false;
    }
    if (unusable != nullptr) {
        outcome.refusal = Refusal::UnusableRecord;
        outcome.unusableRecord = *unusable;
        return false;
    }
    return true;
}

/// The numbers of the three forward texts; texts that are not three numbers, or a number
/// beyond the range of doubles, stop the run.
bool readForward(const ReversalRequest& request, ReversalOutcome& outcome, double& A, double& n,
                 double& Ea) {
    if (std::string fault = coefficientFault(request.aText, request.nText, request.eaText);
        !fault.empty()) {
        outcome.refusal = Refusal::Coefficients;
        outcome.detail = std::move(fault);
        return false;
    }
    const std::string* texts[] = {&request.aText, &request.nText, &request.eaText};
    double* values[] = {&A, &n, &Ea};
    for (size_t i = 0; i < 3; ++i) {
        const double value = readLeadingNumber(*texts[i]);
        if (!std::isfinite(value)) {
            outcome.refusal = Refusal::TooLarge;
            outcome.detail = *texts[i];
            return false;
        }
        *values[i] = value;
    }
    return true;
}

bool evaluateThermochemistry(const ReversalRequest& request, SpeciesProvider& species,
                             ReversalOutcome& outcome) {
    ReactionSeries& s = outcome.series;
    const std::vector<double>& T = s.T;
    const size_t n = T.size();
    std::array<const SpeciesProvider::Series*, 6> slotSeries{};
    std::array<double, 6> f{};
    const SpeciesProvider::GridKey key{outcome.range.cold, outcome.range.hot, request.points,
                                       request.reciprocalSpacing};
    for (size_t k = 0; k < 6; ++k) {
        if (outcome.slotKinds[k] != SlotKind::Species)
            continue;
        const SpeciesProvider::Series& values = species.series(outcome.slotTexts[k], key, T);
        outcome.lastEvaluated = outcome.slotTexts[k];
        if (values.firstOutside >= 0) {
            outcome.lastTemperature = T[static_cast<size_t>(values.firstOutside)];
            outcome.refusal = Refusal::OutsideLimits;
            outcome.detail = outcome.slotTexts[k];
            return false;
        }
        outcome.lastTemperature = T.back();
        slotSeries[k] = &values;
        f[k] = 1.0;
    }
    const auto S = [&](size_t j, size_t k) { return slotSeries[k] ? slotSeries[k]->S[j] : 0.0; };
    const auto H = [&](size_t j, size_t k) { return slotSeries[k] ? slotSeries[k]->H[j] : 0.0; };

    s.deltaN = -f[0] - f[1] - f[2] + f[3] + f[4] + f[5];
    s.deltaS.resize(n);
    s.deltaH.resize(n);
    s.Kp.resize(n);
    s.Kc.resize(n);
    for (size_t j = 0; j < n; ++j) {
        s.deltaS[j] = -S(j, 0) - S(j, 1) - S(j, 2) + S(j, 3) + S(j, 4) + S(j, 5);
        s.deltaH[j] = -H(j, 0) - H(j, 1) - H(j, 2) + H(j, 3) + H(j, 4) + H(j, 5);
        s.Kp[j] = std::exp(s.deltaS[j] - s.deltaH[j]);
        s.Kc[j] = s.Kp[j] * std::pow(1.0 / (T[j] * gasConstantCm3Atm), s.deltaN);
    }
    return true;
}

} // namespace

ReversalOutcome reverseReaction(const ReversalRequest& request, SpeciesProvider& species) {
    ReversalOutcome outcome;
    std::array<SlotLimits, 6> limits;
    if (!classifySlots(request, species, outcome, limits))
        return outcome;
    // The commands check the points box before they start, but a batch reads it again for
    // every reaction, and the user may be typing in it meanwhile.
    if (request.points < MinimumPoints || request.points > MaximumPoints) {
        outcome.refusal = Refusal::PointCount;
        return outcome;
    }

    outcome.range = detectRange(limits);
    outcome.warning = applyPersonalRange(outcome.range, request.personal);
    outcome.rangeFixed = true;
    if (!(readLeadingNumber(outcome.range.cold) < readLeadingNumber(outcome.range.hot))) {
        outcome.refusal = Refusal::EmptyRange;
        return outcome;
    }
    ReactionSeries& s = outcome.series;
    s.T = makeGrid(outcome.range, request.points, request.reciprocalSpacing);

    if (!evaluateThermochemistry(request, species, outcome))
        return outcome;
    outcome.thermochemistryDone = true;

    double A = 0.0;
    double n = 0.0;
    double Ea = 0.0;
    if (!readForward(request, outcome, A, n, Ea))
        return outcome;
    const size_t points = s.T.size();
    s.kf.resize(points);
    for (size_t j = 0; j < points; ++j)
        s.kf[j] = std::exp(-Ea / (s.T[j] * request.gasConstant)) * (std::pow(s.T[j], n) * A);
    if (readLeadingNumber(request.aText) == 0.0) {
        outcome.refusal = Refusal::ZeroA;
        return outcome;
    }
    s.kr.resize(points);
    s.lnKr.resize(points);
    for (size_t j = 0; j < points; ++j) {
        s.kr[j] = s.kf[j] / s.Kc[j];
        if (!(s.kr[j] > 0.0) || !std::isfinite(s.kr[j])) {
            outcome.refusal = Refusal::NonPositiveKr;
            return outcome;
        }
        s.lnKr[j] = std::log(s.kr[j]);
    }
    outcome.rateConstantsDone = true;

    FitOutcome fitted = fitRateLaw(s.T, s.lnKr, request.law, request.gasConstant);
    if (!fitted.result) {
        outcome.refusal =
            fitted.failure == FitFailure::Singular ? Refusal::Singular : Refusal::Overflow;
        return outcome;
    }
    outcome.fit = std::move(fitted.result);
    return outcome;
}

} // namespace zorbel
