#include "batch/SingleReversal.h"

#include "batch/ResultLines.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismTexts.h"
#include "numeric/ExactMath.h"
#include "reversal/ReversalTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/NumberText.h"
#include "text/StringOps.h"
#include "thermo/ThermoTexts.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace zorbel {

ReactionResult reverseAlone(const ReversalRequest& request, const CoefficientPatterns& patterns,
                            SpeciesProvider& species) {
    ReactionResult result;
    result.computed = true;
    result.request = request;
    result.outcome = reverseReaction(request, species, SeriesKept::All);
    if (result.outcome.fit) {
        result.reverseTexts = reverseCoefficientTexts(*result.outcome.fit, patterns);
        result.errorText = formatNumber(result.outcome.fit->S, texts::ErrorMeasurePattern);
    }
    return result;
}

namespace {

std::string joinedReaction(const ReactionSlots& slots, size_t firstSide, size_t secondSide) {
    std::string text = slots[firstSide] + "+" + slots[firstSide + 1] + "+" + slots[firstSide + 2] +
                       std::string(texts::IrreversibleArrow) + slots[secondSide] + "+" +
                       slots[secondSide + 1] + "+" + slots[secondSide + 2];
    const std::string empty(texts::EmptySlotMark);
    text = replaceAll(text, empty + "+", "");
    return replaceAll(text, "+" + empty, "");
}

/// Why the personal range was not suitable: an end that is no number (read as 0), the ends
/// swapped, equal, or both outside.
std::string_view unsuitableReason(const PersonalRange& personal) {
    if (!tryReadLeadingNumber(personal.cold))
        return texts::PersonalColdNotANumber;
    if (!tryReadLeadingNumber(personal.hot))
        return texts::PersonalHotNotANumber;
    const double cold = readLeadingNumber(personal.cold);
    const double hot = readLeadingNumber(personal.hot);
    if (cold > hot)
        return texts::PersonalReversed;
    return cold == hot ? texts::PersonalEqual : texts::PersonalBothOutside;
}

/// The warning about the personal range, why it was set aside, and the range used.
std::string warningText(const ReversalOutcome& outcome, const PersonalRange& personal) {
    std::string text;
    switch (outcome.warning) {
    case RangeWarning::NotSuitable:
        text = std::string(texts::PersonalNotSuitable) + std::string(unsuitableReason(personal));
        break;
    case RangeWarning::ColdIgnored:
        text = std::string(texts::PersonalColdIgnored) + std::string(texts::PersonalColdBelow);
        break;
    case RangeWarning::HotIgnored:
        text = std::string(texts::PersonalHotIgnored) + std::string(texts::PersonalHotAbove);
        break;
    case RangeWarning::None:
        return {};
    }
    return text + std::string(texts::RangeUsedStart) + outcome.range.cold +
           std::string(texts::RangeUsedAnd) + outcome.range.hot + std::string(texts::RangeUsedEnd);
}

/// The missing species refusal; without the colours (on the command line) the names,
/// each once, say which species.
std::string missingSpeciesMessage(const ReversalOutcome& outcome, const std::string& thermoPath) {
    std::vector<std::string> names;
    std::string missing;
    for (size_t k = 0; k < SlotCount; ++k) {
        const std::string& name = outcome.slotTexts[k];
        if (outcome.slotKinds[k] != SlotKind::Missing || name.empty() ||
            std::find(names.begin(), names.end(), name) != names.end())
            continue;
        missing += (names.empty() ? "" : ", ") + name;
        names.push_back(name);
    }
    std::string message =
        std::string(texts::MissingSpeciesStart) + std::string(texts::MissingSpeciesEnd);
    if (!missing.empty())
        message += std::string(texts::MissingFromStart) + thermoPath +
                   std::string(texts::MissingFromMiddle) + missing + ".";
    return message;
}

/// The refusals of what the files hold, with the place.
std::string dataRefusal(const ReversalOutcome& outcome, const ReversalPlace& place) {
    if (outcome.refusal == Refusal::EmptyRange) // no personal range: a header is at fault
        return std::string(texts::NotCalculatedBecause) +
               dataFaultText(outcome, 0, place.thermoPath, {}) + ".";
    return std::string(texts::NotCalculatedBecause) +
           dataFaultText(outcome, place.line, place.thermoPath, place.mechanismPath) + ".";
}

/// The refusal when the table file could not be written: the whole path, since a bare
/// file name would not say which folder refused it, and the cause.
std::string tableNotWritten(const std::string& path, const std::string& cause) {
    std::error_code error;
    const std::filesystem::path shown = std::filesystem::absolute(filePath(path), error);
    return writeRefusal(error ? path : pathText(shown), texts::TempFileNotWritten) + cause;
}

} // namespace

std::string reversalMessage(const ReversalOutcome& outcome, const ReversalPlace& place) {
    switch (outcome.refusal) {
    case Refusal::None:
        return warningText(outcome, place.personal);
    case Refusal::MissingSpecies:
        return missingSpeciesMessage(outcome, place.thermoPath);
    case Refusal::UnusableRecord:
    case Refusal::Coefficients:
    case Refusal::Unreadable:
        return dataRefusal(outcome, place);
    case Refusal::EmptyRange:
        if (outcome.unusableRecord)
            return dataRefusal(outcome, place);
        return std::string(texts::EmptyRange);
    case Refusal::OutsideLimits:
        return std::string(texts::OutsideLimitsStart) + outcome.detail + ".";
    case Refusal::TooLarge:
        return std::string(texts::ForwardCoefficientStart) + "\"" + outcome.detail + "\"" +
               std::string(texts::TooLargeEnd);
    case Refusal::ZeroA:
        return std::string(texts::ZeroAWarning);
    case Refusal::NonPositiveKr:
        return std::string(texts::NonPositiveKr);
    case Refusal::Singular:
        return std::string(texts::SingularFit);
    case Refusal::Overflow:
        return std::string(texts::FitOverflow);
    case Refusal::PointCount:
        return std::string(texts::PointCountRefused);
    }
    return {};
}

std::string calculatedRangeText(const ReversalOutcome& outcome) {
    return std::string(texts::CalculatedBetween) + outcome.range.cold +
           std::string(texts::CalculatedAnd) + outcome.range.hot + std::string(texts::Kelvin);
}

std::string forwardReactionText(const ReactionSlots& slots) {
    return joinedReaction(slots, 0, 3);
}

std::string reverseReactionText(const ReactionSlots& slots) {
    return joinedReaction(slots, 3, 0);
}

std::optional<std::string> writeReactionTable(const std::string& path,
                                              const ReactionResult& result) {
    const ReversalRequest& request = result.request;
    const std::string& A = request.aText;
    const std::string& n = request.nText;
    const std::string& Ea = request.eaText;
    const auto& [Arev, nrev, Earev] = result.reverseTexts;
    const ReactionSlots& slots = result.outcome.slotTexts;
    LineWriter out(path);
    if (!out.ok())
        return tableNotWritten(path, out.cause());
    out.line(forwardReactionText(slots) + " " + A + " " + n + " " + Ea);
    out.line(std::string(texts::TableA) + "\t" + A);
    out.line(std::string(texts::TableN) + "\t" + n);
    out.line(std::string(texts::TableEa) + "\t" + Ea);
    out.line(reverseReactionText(slots) + " " + Arev + " " + nrev + " " + Earev);
    out.line(std::string(texts::TableArev) + "\t" + Arev);
    out.line(std::string(texts::TableNrev) + "\t" + nrev);
    out.line(std::string(texts::TableEarev) + "\t" + Earev);
    const bool twoParameters = request.law == RateLaw::Arrhenius;
    out.line(std::string(texts::TableHeadBeforeLnKf) +
             std::string(twoParameters ? texts::TableLnKfTwoParameters
                                       : texts::TableLnKfThreeParameters) +
             std::string(texts::TableHeadAfterLnKf));
    const ReactionSeries& s = result.outcome.series;
    const FitResult& fit = *result.outcome.fit;
    std::string row;
    for (size_t j = 0; j < s.T.size(); ++j) {
        row.clear();
        for (double value :
             {s.T[j], s.deltaH[j], s.deltaS[j], s.Kp[j], s.Kc[j], s.kf[j], s.kr[j],
              exact::log(s.kf[j]), s.lnKr[j], exact::log(fit.krLS[j]), fit.krLS[j]}) {
            row += plainNumber(value);
            row += '\t';
        }
        row += result.errorText;
        out.line(row);
    }
    if (!out.close())
        return tableNotWritten(path, out.cause());
    return std::nullopt;
}

} // namespace zorbel
