#include "batch/WholeMechanism.h"

#include "batch/BatchReaction.h"
#include "batch/BatchTexts.h"
#include "mechanism/CleanLineText.h"
#include "reversal/FitQuality.h"
#include "reversal/GridData.h"
#include "reversal/SpeciesProvider.h"
#include "text/ChemkinKeywords.h"
#include "text/StringOps.h"

#include <algorithm>

namespace zorbel {

namespace {

bool holdsSomething(const std::string& line) {
    return !trimmed(clean::withoutComment(line)).empty();
}

std::string withComment(std::string text, const std::string& comment) {
    if (!comment.empty())
        text += " " + comment;
    return text;
}

std::string lawText(const std::array<std::string, 3>& texts) {
    return texts[0] + " " + texts[1] + " " + texts[2];
}

/// The last line of the block that holds more than a comment.
std::size_t lastHolding(const std::vector<std::string>& lines, const ReactionBlock& block) {
    std::size_t last = block.line;
    for (std::size_t i = block.line + 1; i < block.end; ++i) {
        if (holdsSomething(lines[i]))
            last = i;
    }
    return last;
}

/// An auxiliary line of the reverse member: the laws on it replaced, right to left so that
/// the positions of the others hold, and its comment replaced by theirs.
std::string reversedAuxiliary(const std::string& line, std::size_t index,
                              const std::vector<AuxiliaryLaw>& laws,
                              const std::vector<ReversedLaw>& reversed) {
    if (std::none_of(laws.begin(), laws.end(),
                     [index](const AuxiliaryLaw& law) { return law.line == index; }))
        return line;
    std::string text(clean::withoutComment(line));
    std::string comments;
    for (std::size_t k = laws.size(); k-- > 0;) {
        const AuxiliaryLaw& law = laws[k];
        if (law.line != index)
            continue;
        const std::string numbers =
            (law.pressure.empty() ? "" : law.pressure + " ") + lawText(reversed[k].texts);
        text.replace(law.contentBegin, law.contentEnd - law.contentBegin, " " + numbers + " ");
        if (!reversed[k].comment.empty())
            comments = " " + reversed[k].comment + comments;
    }
    while (!text.empty() && isBlank(text.back()))
        text.pop_back();
    return text + comments;
}

} // namespace

void writeInserted(const std::vector<std::string>& lines, const ReactionBlock& block,
                   const std::vector<std::string>& inserted, std::vector<std::string>& out) {
    writeInserted(lines, block, block.line, inserted, out);
}

void writeInserted(const std::vector<std::string>& lines, const ReactionBlock& block,
                   std::size_t after, const std::vector<std::string>& inserted,
                   std::vector<std::string>& out) {
    const auto at = [&lines](std::size_t i) {
        return lines.begin() + static_cast<std::ptrdiff_t>(i);
    };
    out.insert(out.end(), at(block.line), at(after + 1));
    out.insert(out.end(), inserted.begin(), inserted.end());
    out.insert(out.end(), at(after + 1), at(block.end));
}

std::string reversedEquation(const std::string& reactionLine) {
    const std::string_view text = clean::withoutComment(reactionLine);
    const std::vector<Word> words = wordsOf(text);
    if (words.size() < 4)
        return {};
    const std::string equation(trimmed(text.substr(0, words[words.size() - 3].begin)));
    const std::size_t arrow = equation.find(texts::ReversibleArrow);
    if (arrow == std::string::npos)
        return {};
    return std::string(trimmed(equation.substr(arrow + texts::ReversibleArrow.size()))) +
           std::string(texts::IrreversibleArrow) +
           std::string(trimmed(std::string_view(equation).substr(0, arrow)));
}

bool writePair(const std::vector<std::string>& lines, const ReactionBlock& block,
               const ReverseMember& reverse, std::vector<std::string>& out) {
    const std::vector<AuxiliaryLaw> laws = auxiliaryLaws(lines, block);
    const std::string equation = reversedEquation(lines[block.line]);
    if (equation.empty() || laws.size() != reverse.laws.size())
        return false;
    std::string forward = lines[block.line];
    const std::size_t arrow = forward.find(texts::ReversibleArrow);
    forward.replace(arrow, texts::ReversibleArrow.size(), texts::IrreversibleArrow);
    const std::size_t last = lastHolding(lines, block);
    out.push_back(forward);
    for (std::size_t i = block.line + 1; i <= last; ++i)
        out.push_back(lines[i]);
    out.push_back(withComment(equation + " " + lawText(reverse.high.texts), reverse.high.comment));
    out.insert(out.end(), reverse.notes.begin(), reverse.notes.end());
    for (std::size_t i = block.line + 1; i <= last; ++i) {
        if (holdsSomething(lines[i]))
            out.push_back(reversedAuxiliary(lines[i], i, laws, reverse.laws));
    }
    for (std::size_t i = last + 1; i < block.end; ++i)
        out.push_back(lines[i]);
    return true;
}

namespace {

std::string givenReverseComment(const std::optional<std::array<std::string, 3>>& given,
                                const EntryRecord& record, const FittedReaction& fitted) {
    const std::string comment = std::string(texts::GivenReverseStart) + lawText(record.reverse);
    if (!given)
        return comment;
    const ReversalOutcome& outcome = fitted.outcome;
    const GridData& grid =
        fitted.species.grid({outcome.range.cold, outcome.range.hot, fitted.request.points,
                             fitted.request.reciprocalSpacing});
    const double R = fitted.request.gasConstant;
    const Deviation deviation = largestDeviation(
        lawOfTexts(*given), grid.T(), lawLogarithms(lawOfTexts(record.reverse), grid.T(), R), R);
    return comment + std::string(texts::GivenReverseDeviation) + deviationText(deviation);
}

/// A law of an auxiliary line, reversed as the reaction's own law; nothing, with the reason
/// in the record, when it cannot be. A negative A (a term of a sum of laws) is reversed by
/// its size and keeps its sign: Kc is the same for every term.
std::optional<ReversedLaw> reverseAuxiliary(const AuxiliaryLaw& law, EntryRecord& record,
                                            const FittedReaction& fitted) {
    const std::string why = std::string(texts::AuxiliaryWhy) + law.keyword;
    if (!law.readable) {
        markNotReversed(record, why);
        return std::nullopt;
    }
    ReversalRequest request = fitted.request;
    const bool negative = !law.texts[0].empty() && law.texts[0].front() == '-';
    request.aText = negative ? law.texts[0].substr(1) : law.texts[0];
    request.nText = law.texts[1];
    request.eaText = law.texts[2];
    const ReversalOutcome outcome = reverseReaction(request, fitted.species, SeriesKept::None);
    if (!outcome.fit) {
        markNotReversed(record, why + ", " + std::string(refusalReason(outcome.refusal)));
        return std::nullopt;
    }
    ReversedLaw reversed{reverseCoefficientTexts(*outcome.fit, fitted.patterns), {}};
    if (const std::optional<Deviation> quality =
            fitQuality(request, outcome, reversed.texts, fitted.species)) {
        reversed.comment = std::string(texts::LawCommentStart) + deviationText(*quality);
        if (!record.quality || !(quality->largest <= record.quality->largest))
            record.quality = quality;
    }
    if (negative)
        reversed.texts[0] = "-" + reversed.texts[0];
    return reversed;
}

/// The REV/ line of an elementary or third-body reaction: its law closed before its comment.
void closeRevLine(std::string& revLine) {
    const std::size_t comment = revLine.find(texts::RangeStart);
    revLine.insert(comment == std::string::npos ? revLine.size() : comment, texts::RevClose);
}

bool writeReversePair(const std::vector<std::string>& lines, const ReactionBlock& block,
                      const std::vector<std::string>& notes, EntryRecord& record,
                      const FittedReaction& fitted, std::vector<std::string>& out) {
    ReverseMember member;
    member.high.texts = record.reverse;
    if (record.quality)
        member.high.comment = std::string(texts::LawCommentStart) + deviationText(*record.quality);
    member.notes = notes;
    for (const AuxiliaryLaw& law : auxiliaryLaws(lines, block)) {
        std::optional<ReversedLaw> reversed = reverseAuxiliary(law, record, fitted);
        if (!reversed)
            return false;
        member.laws.push_back(std::move(*reversed));
    }
    if (!writePair(lines, block, member, out)) {
        markNotReversed(record, texts::NoPairWhy);
        return false;
    }
    record.outcome = EntryOutcome::Pair;
    return true;
}

} // namespace

std::vector<std::string> wholeBlockLines(const std::vector<std::string>& lines,
                                         const ReactionBlock& block,
                                         std::vector<std::string> inserted, EntryRecord& record,
                                         const FittedReaction* fitted) {
    std::vector<std::string> out;
    const bool reversed = record.outcome == EntryOutcome::Reversed && fitted != nullptr;
    if (trimmed(lines[block.line]).substr(0, 1) == "!") {
        markNotReversed(record, texts::CommentEntryWhy);
        inserted.clear();
    } else if (record.outcome == EntryOutcome::Irreversible) {
        inserted.clear();
    } else if (block.kind == ReactionKind::Other) {
        markNotReversed(record, std::string(texts::OtherKindWhy) + block.otherKeyword);
        inserted = {std::string(texts::NotReversedStart) + block.otherKeyword};
    } else if (const std::optional<GivenReverse> given =
                   reversed && block.givenReverse ? givenReverse(lines, block) : std::nullopt) {
        writeInserted(lines, block, given->line,
                      {givenReverseComment(given->texts, record, *fitted)}, out);
        markNotReversed(record, texts::GivenReverseWhy);
        return out;
    } else if (reversed &&
               (block.kind == ReactionKind::Elementary || block.kind == ReactionKind::ThirdBody)) {
        closeRevLine(inserted.back());
        if (record.quality)
            inserted.back() += std::string(texts::MaxErrorStart) + deviationText(*record.quality);
    } else if (reversed) {
        inserted.pop_back(); // the REV/ line: a pair carries its law on the reverse line
        if (writeReversePair(lines, block, inserted, record, *fitted, out))
            return out;
        out.clear();
        inserted = {std::string(texts::NotReversedStart) + record.reason};
    }
    writeInserted(lines, block, inserted, out);
    return out;
}

} // namespace zorbel
