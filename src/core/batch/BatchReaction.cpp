#include "batch/BatchReaction.h"

#include "mechanism/MechanismTexts.h"
#include "text/NumberPatterns.h"
#include "text/NumberText.h"

#include <exception>

namespace zorbel {

ReversalRequest requestOfParse(const ParsedReaction& parsed, const ReversalRequest& settings,
                               const ForwardTexts& previous) {
    ReversalRequest request = settings;
    if (parsed.Failed)
        request.slots.fill(std::string(texts::FailedSlotMark));
    else
        request.slots = parsed.Slots;
    if (parsed.coefficientsRead) {
        request.aText = parsed.AText;
        request.nText = parsed.NText;
        request.eaText = parsed.EaText;
    } else {
        request.aText = previous.A;
        request.nText = previous.n;
        request.eaText = previous.Ea;
    }
    return request;
}

std::array<std::string, 3> reverseCoefficientTexts(const FitResult& fit,
                                                   const CoefficientPatterns& patterns) {
    return {formatNumber(fit.RevA, patterns.AFormat), formatNumber(fit.RevN, patterns.NFormat),
            formatNumber(fit.RevEa, patterns.EaFormat)};
}

namespace {

void reverseInto(ReactionResult& reaction, const CoefficientPatterns& patterns,
                 SpeciesProvider& species, SeriesKept kept) {
    reaction.outcome = reverseReaction(reaction.request, species, kept);
    if (reaction.outcome.refusal == Refusal::Unreadable)
        reaction.outcome.detail = reaction.parsed.fault; // why the line could not be cut
    if (!reaction.outcome.fit)
        return;
    reaction.reverseTexts = reverseCoefficientTexts(*reaction.outcome.fit, patterns);
    reaction.errorText = formatNumber(reaction.outcome.fit->S, texts::ErrorMeasurePattern);
    reaction.quality =
        fitQuality(reaction.request, reaction.outcome, reaction.reverseTexts, species);
}

} // namespace

ReactionResult computeReaction(const std::string& parseText, const ReversalRequest& settings,
                               const CoefficientPatterns& patterns, const ForwardTexts* previous,
                               SpeciesProvider& species, SeriesKept kept) noexcept {
    ReactionResult reaction;
    try {
        reaction.parsed = parseReaction(parseText);
        reaction.irreversible = isIrreversibleReaction(reaction.parsed);
        if (!reaction.parsed.coefficientsRead && previous == nullptr)
            return reaction;
        reaction.computed = true;
        if (reaction.irreversible)
            return reaction;
        reaction.request =
            requestOfParse(reaction.parsed, settings, previous ? *previous : ForwardTexts{});
        reverseInto(reaction, patterns, species, kept);
    } catch (const std::exception& fault) {
        reaction.fault = fault.what();
        reaction.computed = true;
    } catch (...) {
        reaction.fault = std::string();
        reaction.computed = true;
    }
    return reaction;
}

} // namespace zorbel
