#include "batch/BatchReaction.h"

#include "mechanism/MechanismTexts.h"
#include "text/NumberPatterns.h"
#include "text/NumberText.h"

#include <exception>

namespace zorbel {

bool requestOfParse(const ParsedReaction& parsed, const ReversalRequest& settings,
                    ReversalRequest& request) {
    if (!parsed.coefficientsRead)
        return false;
    request = settings;
    if (parsed.Failed)
        request.slots.fill(std::string(texts::FailedSlotMark));
    else
        request.slots = parsed.Slots;
    request.aText = parsed.AText;
    request.nText = parsed.NText;
    request.eaText = parsed.EaText;
    return true;
}

std::array<std::string, 3> reverseCoefficientTexts(const FitResult& fit,
                                                   const CoefficientPatterns& patterns) {
    return {formatNumber(fit.RevA, patterns.AFormat), formatNumber(fit.RevN, patterns.NFormat),
            formatNumber(fit.RevEa, patterns.EaFormat)};
}

BatchReaction computeBatchReaction(const std::string& parseText, const BatchSettings& settings,
                                   SpeciesProvider& species) noexcept {
    BatchReaction reaction;
    try {
        reaction.parsed = parseReaction(parseText);
        if (isIrreversibleReaction(reaction.parsed))
            return reaction; // nothing to compute: the window's thread writes its one line
        if (!requestOfParse(reaction.parsed, settings.request, reaction.request))
            return reaction;
        reaction.outcome = reverseReaction(reaction.request, species, SeriesKept::None);
        reaction.patterns = settings.patterns;
        if (reaction.outcome.fit) {
            reaction.reverseTexts =
                reverseCoefficientTexts(*reaction.outcome.fit, settings.patterns);
            reaction.errorText = formatNumber(reaction.outcome.fit->S, texts::ErrorMeasurePattern);
            reaction.quality =
                fitQuality(reaction.request, reaction.outcome, reaction.reverseTexts, species);
        }
        reaction.computed = true;
    } catch (...) {
        reaction.computed = false;
    }
    return reaction;
}

} // namespace zorbel
