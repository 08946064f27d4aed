#include "reversal/ReactionReversal.h"

#include "mechanism/MechanismTexts.h"
#include "numeric/ExactMath.h"
#include "reversal/GridData.h"
#include "reversal/MinimaxFit.h"
#include "reversal/PointLimits.h"
#include "reversal/ReversalTexts.h"
#include "reversal/SpeciesProvider.h"
#include "text/ChemkinKeywords.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace zorbel {

namespace {

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
        const SpeciesProvider::Found found = species.lookUp(text);
        const SpeciesRecord* record = found.record;
        outcome.polynomials[k] = found.polynomials;
        if (text == texts::ThirdBodySpecies) {
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
    // The slots of a line that could not be cut name no species: the line is at fault.
    if (std::all_of(request.slots.begin(), request.slots.end(),
                    [](const std::string& slot) { return slot == texts::FailedSlotMark; })) {
        outcome.refusal = Refusal::Unreadable;
        outcome.detail.clear();
        return false;
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

/// Without a personal range, a range is empty because of a species whose header gives a
/// low end not below its high end; the refusal names it and its header (detail and
/// unusableRecord), instead of the personal temperatures the user did not give.
void blameReversedHeader(const std::array<SlotLimits, 6>& limits, SpeciesProvider& species,
                         ReversalOutcome& outcome) {
    for (size_t k = 0; k < limits.size(); ++k) {
        if (outcome.slotKinds[k] != SlotKind::Species ||
            readLeadingNumber(limits[k].low) < readLeadingNumber(limits[k].high))
            continue;
        if (const SpeciesRecord* record = species.lookUp(outcome.slotTexts[k]).record) {
            outcome.detail = outcome.slotTexts[k];
            outcome.unusableRecord = *record;
            return;
        }
    }
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

/// Where the per-point values go: the outcome's series, or scratch space of the thread
/// that is not kept.
struct PointValues {
    double* deltaS;
    double* deltaH;
    double* Kp;
    double* Kc;
    double* kf;
    double* kr;
    double* lnKr;
};

/// Scratch space of one reaction's reversal. Not kept per thread: MinGW-w64 frees a thread's
/// thread_local storage before it runs the destructors of what it holds, so vectors kept
/// there were freed twice when a batch's threads ended.
struct Scratch {
    std::vector<double> deltaS, deltaH, Kp, Kc, kf, kr, lnKr, zeros;
    PointValues resized(size_t n) {
        for (std::vector<double>* v : {&deltaS, &deltaH, &Kp, &Kc, &kf, &kr, &lnKr})
            v->resize(n);
        zeros.assign(n, 0.0);
        return {deltaS.data(), deltaH.data(), Kp.data(),  Kc.data(),
                kf.data(),     kr.data(),     lnKr.data()};
    }
};

PointValues keptValues(ReactionSeries& s, size_t n) {
    for (std::vector<double>* v : {&s.deltaS, &s.deltaH, &s.Kp, &s.Kc, &s.kf, &s.kr, &s.lnKr})
        v->resize(n);
    return {s.deltaS.data(), s.deltaH.data(), s.Kp.data(),  s.Kc.data(),
            s.kf.data(),     s.kr.data(),     s.lnKr.data()};
}

/// A species whose polynomials overflow within its own limits: its record is at fault, not
/// the range, and the refusal names the record and the temperature.
void blameOverflowingRecord(SpeciesProvider& species, ReversalOutcome& outcome) {
    const SpeciesRecord* record = species.lookUp(outcome.detail).record;
    if (record == nullptr)
        return;
    outcome.refusal = Refusal::UnusableRecord;
    outcome.unusableRecord = *record;
    outcome.unusableRecord->fault = overflowFault(record->headerLine, outcome.lastTemperature);
}

/// Each slot's S/R and H/RT series; zeros for a slot without a species.
struct SlotSeries {
    std::array<const double*, 6> S;
    std::array<const double*, 6> H;
};

/// Looks up every species' series over the grid; false, with the refusal, when a grid
/// temperature lies outside a species' limits.
bool slotSeriesOf(SpeciesProvider& species, const GridData& grid, Precision precision,
                  const double* zeros, ReversalOutcome& outcome, SlotSeries& slots) {
    const std::vector<double>& T = grid.T();
    double deltaN = 0.0;
    std::array<double, 6> f{};
    for (size_t k = 0; k < 6; ++k) {
        slots.S[k] = zeros;
        slots.H[k] = zeros;
        if (outcome.slotKinds[k] != SlotKind::Species)
            continue;
        const SpeciesProvider::Series& values =
            species.series(outcome.slotTexts[k], grid, precision);
        outcome.lastEvaluated = outcome.slotTexts[k];
        if (values.firstOutside >= 0) {
            outcome.lastTemperature = T[static_cast<size_t>(values.firstOutside)];
            outcome.refusal = Refusal::OutsideLimits;
            outcome.detail = outcome.slotTexts[k];
            if (values.overflows)
                blameOverflowingRecord(species, outcome);
            return false;
        }
        outcome.lastTemperature = T.back();
        slots.S[k] = values.S.data();
        slots.H[k] = values.H.data();
        f[k] = 1.0;
    }
    deltaN = -f[0] - f[1] - f[2] + f[3] + f[4] + f[5];
    outcome.series.deltaN = deltaN;
    return true;
}

/// DeltaS0/R, DeltaH0/RT, Kp and Kc at every point.
void evaluateThermochemistry(const SlotSeries& slots, const GridData& grid, double deltaN,
                             const PointValues& v, size_t n) {
    const auto& [S0, S1, S2, S3, S4, S5] = slots.S;
    const auto& [H0, H1, H2, H3, H4, H5] = slots.H;
    for (size_t j = 0; j < n; ++j) {
        v.deltaS[j] = -S0[j] - S1[j] - S2[j] + S3[j] + S4[j] + S5[j];
        v.deltaH[j] = -H0[j] - H1[j] - H2[j] + H3[j] + H4[j] + H5[j];
    }
    const double* factor = grid.concentrationFactor(static_cast<int>(deltaN)).data();
    for (size_t j = 0; j < n; ++j)
        v.Kp[j] = exact::exp(v.deltaS[j] - v.deltaH[j]);
    for (size_t j = 0; j < n; ++j)
        v.Kc[j] = v.Kp[j] * factor[j];
}

struct Forward {
    double A = 0.0;
    double n = 0.0;
    double Ea = 0.0;
};

double forwardRate(const Forward& forward, const exact::LogOfBase& T, double gasConstant) {
    // T^0 is 1 whatever T: a forward law without a power skips it.
    const double Tn = forward.n != 0.0 ? exact::powOfLog(T, forward.n) : 1.0;
    return exact::exp(-forward.Ea / (T.x * gasConstant)) * (Tn * forward.A);
}

/// kr = kf / Kc at every point; false at the first that is zero, negative or not finite.
/// The logarithms come in a pass of their own, whose calls do not wait on each other.
bool evaluateRateConstants(const PointValues& v, size_t n) {
    for (size_t j = 0; j < n; ++j)
        v.kr[j] = v.kf[j] / v.Kc[j];
    for (size_t j = 0; j < n; ++j) {
        if (!(v.kr[j] > 0.0) || !std::isfinite(v.kr[j]))
            return false;
    }
    return true;
}

/// ln kr at every point, with the fit's sums as they go.
FitSums logarithms(const FitBasis& basis, const PointValues& v, size_t n) {
    const double* x1 = basis.regressors[1].data();
    const double* x2 = basis.parameters == 3 ? basis.regressors[2].data() : nullptr;
    FitSums sums{};
    for (size_t j = 0; j < n; ++j) {
        const double lnKr = exact::log(v.kr[j]);
        v.lnKr[j] = lnKr;
        sums[0] = sums[0] + lnKr * 1.0;
        sums[1] = sums[1] + lnKr * x1[j];
        if (x2 != nullptr)
            sums[2] = sums[2] + lnKr * x2[j];
    }
    return sums;
}

/// The law of smallest largest error in ln kr, as the least-squares fit gives its result.
FitOutcome minimaxFit(const ReversalRequest& request, const std::vector<double>& T,
                      const double* lnKr, SeriesKept kept) {
    const std::optional<MinimaxLaw> law =
        fitMinimax(T, std::vector<double>(lnKr, lnKr + T.size()), request.law);
    if (!law)
        return {}; // the grid has no best law: as singular as the normal equations are
    return resultOfLaw(law->lnA, law->n, law->invT, request.law, T, lnKr, request.gasConstant,
                       kept == SeriesKept::All);
}

/// Once Kc is complete: kf, kr and ln kr at every point, then the fit.
void rateConstantsAndFit(const ReversalRequest& request, const GridData& grid, const PointValues& v,
                         SeriesKept kept, ReversalOutcome& outcome) {
    Forward forward;
    if (!readForward(request, outcome, forward.A, forward.n, forward.Ea))
        return;
    const std::vector<double>& T = grid.T();
    const size_t points = T.size();
    const FitBasis& basis = grid.basis(request.law);
    for (size_t j = 0; j < points; ++j)
        v.kf[j] = forwardRate(forward, basis.logOfT[j], request.gasConstant);
    if (readLeadingNumber(request.aText) == 0.0) {
        outcome.refusal = Refusal::ZeroA;
        return;
    }
    if (!evaluateRateConstants(v, points)) {
        outcome.refusal = Refusal::NonPositiveKr;
        return;
    }
    const FitSums sums = logarithms(basis, v, points);
    outcome.rateConstantsDone = true;

    FitOutcome fitted =
        request.fit == FitKind::Minimax
            ? minimaxFit(request, T, v.lnKr, kept)
            : fitFromSums(basis, sums, T, v.lnKr, request.gasConstant, kept == SeriesKept::All);
    if (!fitted.result) {
        outcome.refusal =
            fitted.failure == FitFailure::Singular ? Refusal::Singular : Refusal::Overflow;
        return;
    }
    outcome.fit = std::move(fitted.result);
}

/// From the grid on: thermochemistry, rate constants, fit.
void reverseOverGrid(const ReversalRequest& request, SpeciesProvider& species, const GridData& grid,
                     const PointValues& v, const double* zeros, SeriesKept kept,
                     ReversalOutcome& outcome) {
    SlotSeries slots{};
    const Precision precision = request.exactThermo ? Precision::Exact : Precision::FourDigits;
    if (!slotSeriesOf(species, grid, precision, zeros, outcome, slots))
        return;
    evaluateThermochemistry(slots, grid, outcome.series.deltaN, v, grid.T().size());
    outcome.thermochemistryDone = true;
    rateConstantsAndFit(request, grid, v, kept, outcome);
}

/// The results grid's columns from the thread's scratch space, each once it is complete.
void keepGridSeries(const std::vector<double>& T, const PointValues& v, ReversalOutcome& outcome) {
    ReactionSeries& s = outcome.series;
    if (outcome.thermochemistryDone)
        s.T = T;
    if (!outcome.rateConstantsDone)
        return;
    s.kr.assign(v.kr, v.kr + T.size());
    s.lnKr.assign(v.lnKr, v.lnKr + T.size());
}

} // namespace

ReversalOutcome reverseReaction(const ReversalRequest& request, SpeciesProvider& species,
                                SeriesKept kept) {
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
        if (!request.personal.use)
            blameReversedHeader(limits, species, outcome);
        return outcome;
    }
    const GridData& grid = species.grid(
        {outcome.range.cold, outcome.range.hot, request.points, request.reciprocalSpacing});
    const size_t points = grid.T().size();
    Scratch scratch;
    const PointValues values =
        kept == SeriesKept::All ? keptValues(outcome.series, points) : scratch.resized(points);
    if (kept == SeriesKept::All) {
        outcome.series.T = grid.T();
        scratch.zeros.assign(points, 0.0);
    }
    reverseOverGrid(request, species, grid, values, scratch.zeros.data(), kept, outcome);
    if (kept == SeriesKept::Grid)
        keepGridSeries(grid.T(), values, outcome);
    return outcome;
}

} // namespace zorbel
