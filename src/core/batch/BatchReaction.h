#pragma once
// One reaction of a batch, computed away from the window: parsed, turned into the
// request the window's boxes would make, reversed, and its reverse coefficients written
// in the number patterns. The batch threads compute these; the window's thread checks
// each against what the window then holds and writes it, or computes it again itself.

#include "mechanism/ParsedReaction.h"
#include "reversal/FitQuality.h"
#include "reversal/ReactionReversal.h"

#include <array>
#include <optional>
#include <string>

namespace zorbel {

class SpeciesProvider;

/// What a batch reads from the window for every reaction, besides the reaction itself.
struct BatchSettings {
    ReversalRequest request; ///< the settings' fields; slots and coefficients unused
    CoefficientPatterns patterns;
    bool operator==(const BatchSettings&) const = default;
};

struct BatchReaction {
    ParsedReaction parsed;
    /// False when the reaction's result depends on what the window held before it (a line
    /// whose coefficients could not be cut), or when its computation met a fault: the
    /// window's thread then computes it itself.
    bool computed = false;
    ReversalRequest request; ///< the request the window makes once it shows the reaction
    ReversalOutcome outcome; ///< without series
    CoefficientPatterns patterns;
    std::array<std::string, 3> reverseTexts; ///< Arev, nrev, Earev in the patterns
    std::string errorText;                   ///< S in its pattern
    std::optional<Deviation> quality;        ///< of the reverse texts, see fitQuality
};

/// The request the window makes for a reaction once its boxes show the parse, with the
/// settings' fields from `settings`; false when the boxes would keep texts of an earlier
/// reaction.
bool requestOfParse(const ParsedReaction& parsed, const ReversalRequest& settings,
                    ReversalRequest& request);

/// Computes one reaction; never throws (a fault leaves it not computed).
BatchReaction computeBatchReaction(const std::string& parseText, const BatchSettings& settings,
                                   SpeciesProvider& species) noexcept;

/// The texts of the reverse coefficient boxes for a fit, in the given patterns.
std::array<std::string, 3> reverseCoefficientTexts(const FitResult& fit,
                                                   const CoefficientPatterns& patterns);

} // namespace zorbel
