#include "batch/BatchSummary.h"

#include "batch/BatchTexts.h"
#include "thermo/ThermoTexts.h"

#include <cmath>
#include <cstdio>

namespace zorbel {

void markNotReversed(EntryRecord& record, std::string_view why) {
    record.outcome = EntryOutcome::NotReversed;
    record.reason = std::string(why);
    record.reverse = {};
    record.S.clear();
    record.quality.reset();
    record.terms = 0;
}

std::string_view refusalReason(Refusal refusal) {
    switch (refusal) {
    case Refusal::MissingSpecies:
        return texts::MissingSpeciesWhy;
    case Refusal::UnusableRecord:
        return texts::UnusableRecordWhy;
    case Refusal::EmptyRange:
        return texts::EmptyRangeWhy;
    case Refusal::OutsideLimits:
        return texts::OutsideLimitsWhy;
    case Refusal::Coefficients:
        return texts::CoefficientsWhy;
    case Refusal::TooLarge:
        return texts::TooLargeWhy;
    case Refusal::ZeroA:
        return texts::ZeroAWhy;
    case Refusal::NonPositiveKr:
        return texts::NonPositiveKrWhy;
    case Refusal::Singular:
        return texts::SingularWhy;
    case Refusal::Overflow:
        return texts::OverflowWhy;
    case Refusal::PointCount:
        return texts::PointCountWhy;
    case Refusal::Unreadable:
        return texts::UnreadableWhy;
    case Refusal::None:
        break;
    }
    return texts::FaultWhy;
}

std::string_view kindName(ReactionKind kind) {
    return texts::KindNames[static_cast<std::size_t>(kind)];
}

std::string deviationText(const Deviation& deviation) {
    char percent[64];
    std::snprintf(percent, sizeof percent, "%.1f", 100.0 * deviation.largest);
    return percent + std::string(texts::DeviationAt) +
           std::to_string(std::lround(deviation.temperature)) + std::string(texts::Kelvin);
}

std::string toleranceText(double tolerance) {
    char percent[32];
    std::snprintf(percent, sizeof percent, "%g", 100.0 * tolerance);
    return percent + std::string(texts::Percent);
}

void BatchSummary::add(const EntryRecord& record) {
    if (tolerance_ > 0.0 && record.quality && record.terms > 0) {
        ++byTerms_[record.terms];
        if (!(record.quality->largest <= tolerance_))
            missed_.push_back(record);
    }
    ++reactions_;
    ++counts_[static_cast<std::size_t>(record.outcome)];
    if (record.outcome == EntryOutcome::NotReversed)
        ++reasons_[record.reason];
    if (record.quality && (!worst_ || !(record.quality->largest <= worst_->quality->largest)))
        worst_ = record;
}

std::string BatchSummary::toleranceLines(const std::string& newLine) const {
    std::string text = std::string(texts::SummaryByTerms);
    std::size_t many = 0;
    for (const auto& [terms, n] : byTerms_) {
        text += (terms == byTerms_.begin()->first ? "" : ", ") + std::to_string(terms) + ": " +
                std::to_string(n);
        if (terms > 1)
            many += n;
    }
    text += newLine + std::string(texts::SummaryMoreThanOne) + std::to_string(many) + newLine +
            std::string(texts::SummaryMissedStart) + toleranceText(tolerance_) +
            std::string(texts::SummaryMissedEnd) + std::to_string(missed_.size()) + newLine;
    for (const EntryRecord& record : missed_)
        text += std::string(texts::SummaryReasonIndent) + record.equation + " (" +
                std::to_string(record.index) + "), " + deviationText(*record.quality) + newLine;
    return text;
}

std::string BatchSummary::text(const std::string& newLine) const {
    const auto count = [this](EntryOutcome outcome) {
        return std::to_string(counts_[static_cast<std::size_t>(outcome)]);
    };
    std::string text = std::string(texts::SummaryReactions) + std::to_string(reactions_) + newLine +
                       std::string(texts::SummaryReversed) + count(EntryOutcome::Reversed) +
                       newLine + std::string(texts::SummaryPairs) + count(EntryOutcome::Pair) +
                       newLine + std::string(texts::SummaryIrreversible) +
                       count(EntryOutcome::Irreversible) + newLine +
                       std::string(texts::SummaryNotReversed) + count(EntryOutcome::NotReversed);
    for (const auto& [reason, n] : reasons_)
        text.append(newLine)
            .append(texts::SummaryReasonIndent)
            .append(reason)
            .append(": ")
            .append(std::to_string(n));
    text += newLine;
    if (tolerance_ > 0.0)
        text += toleranceLines(newLine);
    if (!worst_)
        return text + std::string(texts::SummaryNoFit);
    return text + std::string(texts::SummaryWorst) + worst_->equation + " (" +
           std::to_string(worst_->index) + "), " + deviationText(*worst_->quality);
}

namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string number(double value, const char* format) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::vector<std::string> reportFields(const EntryRecord& r) {
    return {std::to_string(r.index),
            r.equation,
            std::string(kindName(r.kind)),
            std::string(texts::OutcomeNames[static_cast<std::size_t>(r.outcome)]),
            r.forward[0],
            r.forward[1],
            r.forward[2],
            r.reverse[0],
            r.reverse[1],
            r.reverse[2],
            r.S,
            r.quality ? number(100.0 * r.quality->largest, "%.4g") : "",
            r.quality ? number(r.quality->temperature, "%.6g") : "",
            r.cold,
            r.hot};
}

std::string reportRow(const EntryRecord& r, bool withTerms) {
    const std::vector<std::string> fields = reportFields(r);
    std::string row = csvField(fields[0]);
    for (std::size_t i = 1; i < fields.size(); ++i)
        row += "," + csvField(fields[i]);
    if (withTerms)
        row += "," + (r.terms > 0 ? std::to_string(r.terms) : std::string());
    return row;
}

} // namespace zorbel
