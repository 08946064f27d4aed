#pragma once
// One reaction reversed, from its six slots and forward coefficients to the fitted
// reverse law: slot classification, range and grid, thermochemistry, rate constants,
// fit. The single Reverse command and the batch runs share it and differ only in how
// they report what it found.

#include "mechanism/ParsedReaction.h"
#include "reversal/ArrheniusFit.h"
#include "reversal/TemperatureGrid.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/SpeciesRecord.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

class SpeciesProvider;

struct ReversalRequest {
    ReactionSlots slots; ///< as the boxes hold them
    std::string aText;   ///< forward A as written
    std::string nText;   ///< forward n as written
    std::string eaText;  ///< forward Ea [cal/mol] as written
    int points = 50;
    PersonalRange personal;
    bool reciprocalSpacing = true;
    RateLaw law = RateLaw::ModifiedArrhenius;
    double gasConstant = 0.0; ///< R [cal/(mol K)]
    /// S/R and H/RT at full double precision rather than read back from their four-digit
    /// texts.
    bool exactThermo = false;
    bool operator==(const ReversalRequest&) const = default;
};

/// Missing: the database lacks the species; Unusable: its record cannot be computed with.
enum class SlotKind { Species, ThirdBody, Empty, Missing, Unusable };

/// Why a reaction was not reversed.
enum class Refusal {
    None,
    MissingSpecies, ///< a slot names a species the database lacks
    UnusableRecord, ///< a slot's species has a record that cannot be computed with
    EmptyRange,     ///< the range's ends are equal or reversed
    OutsideLimits,  ///< a grid temperature lies outside a species' own limits
    Coefficients,   ///< the forward texts are not three numbers A, n and Ea
    TooLarge,       ///< a forward coefficient is beyond the range of doubles
    ZeroA,          ///< the forward A reads as 0
    NonPositiveKr,  ///< kf/Kc is zero, negative or not finite somewhere
    Singular,       ///< the normal equations have no solution
    Overflow,       ///< the fitted law overflows
    PointCount,     ///< the number of points lies outside 3 to 10000
    Unreadable,     ///< the line could not be cut: every slot holds "NER"
};

/// The per-point series of a reaction [T in K; rate constants in the mechanism's units].
struct ReactionSeries {
    std::vector<double> T;
    std::vector<double> deltaH; ///< DeltaH0/RT
    std::vector<double> deltaS; ///< DeltaS0/R
    std::vector<double> Kp;
    std::vector<double> Kc;
    std::vector<double> kf;
    std::vector<double> kr;   ///< kr[CK] = kf / Kc
    std::vector<double> lnKr; ///< ln kr[CK]
    double deltaN = 0.0;
};

struct ReversalOutcome {
    ReactionSlots slotTexts; ///< after the parentheses are stripped
    std::array<SlotKind, 6> slotKinds{};
    /// Each species slot's polynomials, owned by the species provider.
    std::array<const Polynomials*, 6> polynomials{};
    Refusal refusal = Refusal::None;
    /// The species, coefficient or fault a refusal concerns. Unreadable: empty, for the
    /// command that holds the line to say why it could not be cut.
    std::string detail;
    /// The record an UnusableRecord refusal concerns, or the one whose header's range is
    /// reversed when an EmptyRange refusal has no personal range to blame; detail holds its
    /// species.
    std::optional<SpeciesRecord> unusableRecord;

    bool rangeFixed = false;
    TemperatureRange range;
    RangeWarning warning = RangeWarning::None;

    /// Kc complete at every point: the grid's temperature column can be shown.
    bool thermochemistryDone = false;
    /// kr[CK] complete at every point.
    bool rateConstantsDone = false;
    ReactionSeries series;
    std::optional<FitResult> fit;

    /// The last species looked up, and the last one evaluated with its temperature:
    /// what the species panel shows after the run.
    std::string lastLookup;
    std::optional<std::string> lastEvaluated;
    double lastTemperature = 0.0;
};

/// What a reversal keeps of its per-point values: every series (the single Reverse shows
/// and writes them), those of the results grid alone (T, kr and ln kr, each once complete:
/// a batch in the window shows its last reactions' there), or none (a batch writes only the
/// fitted law and S; the series then stay empty, and the fit's krLS too). All give the same
/// doubles.
enum class SeriesKept { All, Grid, None };

ReversalOutcome reverseReaction(const ReversalRequest& request, SpeciesProvider& species,
                                SeriesKept kept = SeriesKept::All);

} // namespace zorbel
