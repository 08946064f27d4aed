#include "batch/ResultLines.h"

#include "batch/BatchTexts.h"
#include "mechanism/CleanLineText.h"
#include "mechanism/MechanismTexts.h"
#include "reversal/ReversalTexts.h"
#include "text/StringOps.h"
#include "thermo/SpeciesRecord.h"

#include <algorithm>

namespace zorbel {

namespace {

std::string rangeWarningLine(RangeWarning warning) {
    switch (warning) {
    case RangeWarning::NotSuitable:
        return std::string(texts::NotSuitableLine);
    case RangeWarning::ColdIgnored:
        return std::string(texts::ColdIgnoredLine);
    case RangeWarning::HotIgnored:
        return std::string(texts::HotIgnoredLine);
    case RangeWarning::None:
        break;
    }
    return {};
}

std::string notCalculated(std::string_view reason, const std::string& detail = {}) {
    return std::string(texts::NotCalculatedStart) + std::string(reason) + detail;
}

int lineOf(const RunSources& sources, int listIndex) {
    if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= sources.reactionLines.size())
        return 0;
    return sources.reactionLines[static_cast<std::size_t>(listIndex)];
}

/// The comment line of a reaction the computation stopped on. A reaction line at fault is
/// named by its line number alone (the file is the one reversed), a species record by the
/// database's file name: the output may go anywhere.
std::string refusalLine(const ReversalOutcome& outcome, int line, const RunSources& sources) {
    switch (outcome.refusal) {
    case Refusal::MissingSpecies:
        return std::string(texts::MissingThermoLine);
    case Refusal::UnusableRecord:
    case Refusal::Coefficients:
    case Refusal::Unreadable:
        return notCalculated(dataFaultText(outcome, line, sources.thermoFile, {}));
    case Refusal::ZeroA:
        return std::string(texts::ZeroALine);
    case Refusal::EmptyRange:
        if (outcome.unusableRecord) // no personal range: a header is at fault
            return notCalculated(dataFaultText(outcome, line, sources.thermoFile, {}));
        return notCalculated(texts::EmptyRangeReason,
                             outcome.range.cold + std::string(texts::RangeSeparator) +
                                 outcome.range.hot + std::string(texts::RangeEnd));
    case Refusal::OutsideLimits:
        return notCalculated(texts::OutsideLimitsReason, outcome.detail);
    case Refusal::TooLarge:
        return notCalculated(texts::TooLargeReason, "\"" + outcome.detail + "\"");
    case Refusal::NonPositiveKr:
        return notCalculated(texts::NonPositiveKrReason);
    case Refusal::Singular:
        return notCalculated(texts::SingularReason);
    case Refusal::Overflow:
        return notCalculated(texts::OverflowReason);
    case Refusal::PointCount:
        return notCalculated(texts::PointCountReason);
    case Refusal::None:
        break;
    }
    return {};
}

std::string revLine(const ReactionResult& result) {
    const std::array<std::string, 3>& law = result.reverseTexts;
    return std::string(texts::RevPrefix) + law[0] + " " + law[1] + " " + law[2] +
           std::string(texts::RangeStart) + result.outcome.range.cold +
           std::string(texts::RangeSeparator) + result.outcome.range.hot +
           std::string(texts::RangeEnd) + std::string(texts::ErrorMeasureStart) + result.errorText;
}

void recordFit(const ReactionResult& result, EntryRecord& record) {
    record.outcome = EntryOutcome::Reversed;
    record.reverse = result.reverseTexts;
    record.S = result.errorText;
    record.cold = std::string(trimmed(result.outcome.range.cold));
    record.hot = std::string(trimmed(result.outcome.range.hot));
    record.quality = result.quality;
    record.terms = 1;
}

} // namespace

std::string dataFaultText(const ReversalOutcome& outcome, int line, std::string_view thermoFile,
                          std::string_view mechanismFile) {
    if (outcome.refusal == Refusal::UnusableRecord && outcome.unusableRecord)
        return recordRefusal(outcome.detail, *outcome.unusableRecord, thermoFile, false);
    if (outcome.refusal == Refusal::EmptyRange && outcome.unusableRecord)
        return recordRefusal(outcome.detail, *outcome.unusableRecord, thermoFile, false) +
               std::string(texts::HeaderRangeReversed) + outcome.unusableRecord->TLow +
               outcome.unusableRecord->THigh;
    const bool unreadable = outcome.refusal == Refusal::Unreadable;
    if (outcome.refusal != Refusal::Coefficients && !unreadable)
        return {};
    std::string place;
    if (line > 0)
        place = std::string(texts::ReactionLineStart) + std::to_string(line) +
                (mechanismFile.empty()
                     ? std::string()
                     : std::string(texts::ReactionLineOf) + std::string(mechanismFile)) +
                std::string(texts::ReactionLineEnd);
    return place + (unreadable ? std::string() : std::string(texts::CoefficientsNotThree)) +
           outcome.detail;
}

std::string faultLine(std::string_view what) {
    // The fault's own words, kept on the one comment line.
    std::string reason(what);
    std::replace(reason.begin(), reason.end(), '\r', ' ');
    std::replace(reason.begin(), reason.end(), '\n', ' ');
    return notCalculated(texts::UnexpectedReason, reason);
}

std::vector<std::string> resultLines(const ListedResult& entry, const RunSources& sources,
                                     EntryRecord& record) {
    const ReactionResult& result = entry.result;
    record.index = entry.listIndex;
    record.equation = std::string(clean::firstWord(entry.listed));
    std::vector<std::string> lines{entry.listed};
    const ParsedReaction& parsed = result.parsed;
    record.forward = {parsed.AText, parsed.NText, std::string(clean::firstWord(parsed.EaText))};
    if (result.fault) {
        markNotReversed(record, texts::FaultWhy);
        lines.push_back(faultLine(*result.fault));
        return lines;
    }
    if (result.irreversible) {
        lines.emplace_back(texts::IrreversibleLine);
        record.outcome = EntryOutcome::Irreversible;
        return lines;
    }
    const ReversalOutcome& outcome = result.outcome;
    if (outcome.rangeFixed && outcome.warning != RangeWarning::None)
        lines.push_back(rangeWarningLine(outcome.warning));
    if (!outcome.fit) {
        lines.push_back(refusalLine(outcome, lineOf(sources, entry.listIndex), sources));
        record.reason = refusalReason(outcome.refusal);
        return lines;
    }
    lines.push_back(revLine(result));
    recordFit(result, record);
    return lines;
}

} // namespace zorbel
