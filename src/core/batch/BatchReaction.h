#pragma once
// One reaction of a run, computed away from any window: parsed, turned into its request
// with the run's settings, reversed, and its reverse coefficients written in the run's
// number patterns. The run's threads compute these; the files and the window only read
// them.

#include "mechanism/ParsedReaction.h"
#include "reversal/FitQuality.h"
#include "reversal/ReactionReversal.h"

#include <array>
#include <optional>
#include <string>

namespace zorbel {

class SpeciesProvider;

/// The forward coefficient texts a reaction is reversed with. A line whose coefficients
/// could not be cut is reversed with those of the reaction before it, as the panel kept
/// them: they are state the run carries from one reaction to the next.
struct ForwardTexts {
    std::string A, n, Ea;
    bool operator==(const ForwardTexts&) const = default;
};

struct ReactionResult {
    ParsedReaction parsed;
    /// "=>" on a line that could be cut: nothing is computed.
    bool irreversible = false;
    /// False when the reaction waits for the forward texts of the reaction before it.
    bool computed = false;
    ReversalRequest request;
    ReversalOutcome outcome;                 ///< with the series the run keeps
    std::array<std::string, 3> reverseTexts; ///< Arev, nrev, Earev as the files write them
    std::string errorText;                   ///< S as the files write it
    std::optional<Deviation> quality;        ///< of the reverse texts, see fitQuality
    /// The words of an unexpected fault that stopped the reaction; nothing else then holds.
    std::optional<std::string> fault;
    bool fitted() const { return !fault && !irreversible && outcome.fit.has_value(); }
};

/// The request for a reaction with the settings' fields from `settings`: the parse's
/// texts, or `previous` for a line whose coefficients could not be cut.
ReversalRequest requestOfParse(const ParsedReaction& parsed, const ReversalRequest& settings,
                               const ForwardTexts& previous);

/// Computes one reaction; `previous` null when the texts of the reaction before are not
/// known (the result is then not computed when it needs them). Never throws: a fault is
/// kept in the result.
ReactionResult computeReaction(const std::string& parseText, const ReversalRequest& settings,
                               const CoefficientPatterns& patterns, const ForwardTexts* previous,
                               SpeciesProvider& species,
                               SeriesKept kept = SeriesKept::None) noexcept;

/// The texts of the reverse coefficients of a fit, in the given patterns.
std::array<std::string, 3> reverseCoefficientTexts(const FitResult& fit,
                                                   const CoefficientPatterns& patterns);

} // namespace zorbel
