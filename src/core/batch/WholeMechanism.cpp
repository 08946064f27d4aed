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
            comments.insert(0, " " + reversed[k].comment);
    }
    while (!text.empty() && isBlank(text.back()))
        text.pop_back();
    return text + comments;
}

/// The line as the reverse member writes it, then a line for each further law of a sum at
/// one of its pressures.
void writeReversedAuxiliary(const std::string& line, std::size_t index,
                            const std::vector<AuxiliaryLaw>& laws,
                            const std::vector<ReversedLaw>& reversed,
                            std::vector<std::string>& out) {
    out.push_back(reversedAuxiliary(line, index, laws, reversed));
    for (std::size_t k = 0; k < laws.size(); ++k) {
        if (laws[k].line != index)
            continue;
        // The keyword as the line writes it, then the pressure and the law.
        const std::string keyword(clean::withoutComment(line).substr(0, laws[k].contentBegin));
        for (const ReversedLaw& term : reversed[k].more)
            out.push_back(withComment(
                keyword + " " + laws[k].pressure + " " + lawText(term.texts) + " /", term.comment));
    }
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
    return writeSumPair(lines, block, {reverse}, out);
}

bool writeSumPair(const std::vector<std::string>& lines, const ReactionBlock& block,
                  const std::vector<ReverseMember>& members, std::vector<std::string>& out) {
    const std::vector<AuxiliaryLaw> laws = auxiliaryLaws(lines, block);
    const std::string equation = reversedEquation(lines[block.line]);
    if (equation.empty() || members.empty() ||
        std::any_of(members.begin(), members.end(), [&laws](const ReverseMember& member) {
            return member.laws.size() != laws.size();
        }))
        return false;
    std::string forward = lines[block.line];
    const std::size_t arrow = forward.find(texts::ReversibleArrow);
    forward.replace(arrow, texts::ReversibleArrow.size(), texts::IrreversibleArrow);
    const std::size_t last = lastHolding(lines, block);
    out.push_back(forward);
    for (std::size_t i = block.line + 1; i <= last; ++i)
        out.push_back(lines[i]);
    // Readers add the rates of DUPLICATE reactions: the laws of a sum are marked so.
    const bool mark = members.size() > 1 && !block.duplicate;
    for (const ReverseMember& reverse : members) {
        out.push_back(
            withComment(equation + " " + lawText(reverse.high.texts), reverse.high.comment));
        out.insert(out.end(), reverse.notes.begin(), reverse.notes.end());
        for (std::size_t i = block.line + 1; i <= last; ++i) {
            if (holdsSomething(lines[i]))
                writeReversedAuxiliary(lines[i], i, laws, reverse.laws, out);
        }
        if (mark)
            out.emplace_back(texts::DuplicateKeyword);
    }
    for (std::size_t i = last + 1; i < block.end; ++i)
        out.push_back(lines[i]);
    return true;
}

namespace {

std::string givenReverseComment(const std::optional<std::array<std::string, 3>>& given,
                                const EntryRecord& record, const FittedReaction& fitted) {
    std::string comment = std::string(texts::GivenReverseStart) + lawText(record.reverse);
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

/// The comment of law `term` (from 0) of a sum of `count`: the reaction's line in the
/// file, which law it is, and how far the whole sum lies from kf/Kc.
std::string termComment(const ReactionBlock& block, std::size_t term, std::size_t count,
                        const WrittenSum& sum, double tolerance) {
    std::string comment = std::string(texts::TermLineStart) + std::to_string(block.line + 1) +
                          std::string(texts::TermStart) + std::to_string(term + 1) +
                          std::string(texts::TermOf) + std::to_string(count) +
                          std::string(texts::SumMaxError) + deviationText(sum.deviation);
    if (!sum.met)
        comment += std::string(texts::ToleranceMissed) + toleranceText(tolerance);
    return comment;
}

/// The laws of a sum as written, each with its comment; `sign` before every A.
std::vector<ReversedLaw> sumLaws(const ReactionBlock& block, const WrittenSum& sum,
                                 double tolerance, const std::string& sign) {
    std::vector<ReversedLaw> laws;
    for (std::size_t i = 0; i < sum.terms.size(); ++i) {
        laws.push_back({sum.terms[i], termComment(block, i, sum.terms.size(), sum, tolerance), {}});
        laws.back().texts[0] = sign + laws.back().texts[0];
    }
    return laws;
}

/// Under a tolerance, a reversed law of an auxiliary line that misses it gives way to the
/// single law of the smallest largest error or, at a PLOG/ pressure, to a sum of laws.
void holdAuxiliaryTolerance(const ReactionBlock& block, const ReversalRequest& request,
                            const ReversalOutcome& outcome, std::optional<Deviation>& quality,
                            ReversedLaw& reversed, const FittedReaction& fitted,
                            std::optional<SumShape>& shape) {
    const std::size_t largest = block.kind == ReactionKind::Plog ? 3 : 1;
    const std::optional<WrittenSum> within =
        reverseWithin(request, outcome, quality, fitted.patterns, fitted.tolerance, largest,
                      fitted.species, &shape);
    if (!within)
        return;
    quality = within->deviation;
    if (within->terms.size() == 1) {
        reversed.texts = within->terms.front();
        reversed.comment = std::string(texts::LawCommentStart) + deviationText(*quality);
        return;
    }
    std::vector<ReversedLaw> laws = sumLaws(block, *within, fitted.tolerance, {});
    reversed = laws.front();
    reversed.more.assign(laws.begin() + 1, laws.end());
}

/// The reaction's request with the law of an auxiliary line, by its size.
ReversalRequest auxiliaryRequest(const AuxiliaryLaw& law, ReversalRequest request) {
    const bool negative = !law.texts[0].empty() && law.texts[0].front() == '-';
    request.aText = negative ? law.texts[0].substr(1) : law.texts[0];
    request.nText = law.texts[1];
    request.eaText = law.texts[2];
    return request;
}

/// A law of an auxiliary line, reversed as the reaction's own law; nothing, with the reason
/// in the record, when it cannot be. A negative A (a term of a sum of laws) is reversed by
/// its size and keeps its sign: Kc is the same for every term.
std::optional<ReversedLaw> reverseAuxiliary(const ReactionBlock& block, const AuxiliaryLaw& law,
                                            EntryRecord& record, const FittedReaction& fitted,
                                            std::optional<SumShape>& shape) {
    const std::string why = std::string(texts::AuxiliaryWhy) + law.keyword;
    if (!law.readable) {
        markNotReversed(record, why);
        return std::nullopt;
    }
    const bool negative = !law.texts[0].empty() && law.texts[0].front() == '-';
    const ReversalRequest request = auxiliaryRequest(law, fitted.request);
    const ReversalOutcome outcome = reverseReaction(request, fitted.species, SeriesKept::None);
    if (!outcome.fit) {
        markNotReversed(record, why + ", " + std::string(refusalReason(outcome.refusal)));
        return std::nullopt;
    }
    ReversedLaw reversed{reverseCoefficientTexts(*outcome.fit, fitted.patterns), {}, {}};
    std::optional<Deviation> quality = fitQuality(request, outcome, reversed.texts, fitted.species);
    if (quality)
        reversed.comment = std::string(texts::LawCommentStart) + deviationText(*quality);
    if (fitted.tolerance > 0.0)
        holdAuxiliaryTolerance(block, request, outcome, quality, reversed, fitted, shape);
    if (quality && (!record.quality || !(quality->largest <= record.quality->largest)))
        record.quality = quality;
    record.terms = std::max(record.terms, 1 + reversed.more.size());
    if (negative) {
        reversed.texts[0] = "-" + reversed.texts[0];
        for (ReversedLaw& term : reversed.more)
            term.texts[0] = "-" + term.texts[0];
    }
    return reversed;
}

/// One reverse member per law of a reaction's sum, the reaction's notes before the first.
std::vector<ReverseMember> sumMembers(const ReactionBlock& block, const FittedReaction& fitted,
                                      const std::vector<std::string>& notes) {
    std::vector<ReverseMember> members;
    for (ReversedLaw& law : sumLaws(block, *fitted.sum, fitted.tolerance, {}))
        members.push_back({std::move(law), {}, {}});
    members.front().notes = notes;
    return members;
}

/// The record of a reaction written as a pair whose reverse is a sum.
void recordSum(EntryRecord& record, const WrittenSum& sum, const Deviation& worst) {
    record.outcome = EntryOutcome::Pair;
    record.reverse = sum.terms.front();
    record.quality = worst;
    record.terms = sum.terms.size();
}

/// An elementary or third-body reaction whose reverse is a sum: an irreversible forward
/// reaction and one DUPLICATE reverse reaction per law. False, writing nothing, when the
/// reaction line holds no "<=>".
bool writeSumReverse(const std::vector<std::string>& lines, const ReactionBlock& block,
                     const std::vector<std::string>& notes, EntryRecord& record,
                     const FittedReaction& fitted, std::vector<std::string>& out) {
    std::vector<ReverseMember> members = sumMembers(block, fitted, notes);
    if (!writeSumPair(lines, block, members, out))
        return false;
    recordSum(record, *fitted.sum, fitted.sum->deviation);
    return true;
}

/// The REV/ line of an elementary or third-body reaction: its law closed before its comment.
void closeRevLine(std::string& revLine) {
    const std::size_t comment = revLine.find(texts::RangeStart);
    revLine.insert(comment == std::string::npos ? revLine.size() : comment, texts::RevClose);
}

/// A falloff or chemically activated reaction whose reverse is a sum: one DUPLICATE reverse
/// reaction per law of the sum fitted for its reaction line's law, each with the other limit
/// moved by the same factor, so that all share the reduced pressure and the blending of the
/// reverse rate and add up to the sum's share of it at every pressure. False, writing
/// nothing and leaving the record as it was, when a law cannot be reversed so.
bool writeBlendedSum(const std::vector<std::string>& lines, const ReactionBlock& block,
                     const std::vector<std::string>& notes, EntryRecord& record,
                     const FittedReaction& fitted, std::vector<std::string>& out) {
    const WrittenSum& sum = *fitted.sum;
    std::vector<ReverseMember> members = sumMembers(block, fitted, notes);
    const SumShape shape{
        LawSum{sum.laws, 0.0},
        lawOfTexts({fitted.request.aText, fitted.request.nText, fitted.request.eaText})};
    Deviation worst = sum.deviation;
    for (const AuxiliaryLaw& law : auxiliaryLaws(lines, block)) {
        // A limit's A is a rate's size: a negative one is no term of a sum.
        if (!law.readable || law.texts[0].empty() || law.texts[0].front() == '-')
            return false;
        const ReversalRequest request = auxiliaryRequest(law, fitted.request);
        const ReversalOutcome outcome = reverseReaction(request, fitted.species, SeriesKept::None);
        const std::optional<WrittenSum> moved =
            outcome.fit ? movedSum(request, outcome, shape, fitted.patterns, fitted.tolerance,
                                   fitted.species)
                        : std::nullopt;
        if (!moved || moved->terms.size() != members.size())
            return false;
        std::vector<ReversedLaw> terms = sumLaws(block, *moved, fitted.tolerance, {});
        for (std::size_t i = 0; i < members.size(); ++i)
            members[i].laws.push_back(std::move(terms[i]));
        if (!(moved->deviation.largest <= worst.largest))
            worst = moved->deviation;
    }
    if (!writeSumPair(lines, block, members, out))
        return false;
    recordSum(record, sum, worst);
    return true;
}

bool writeReversePair(const std::vector<std::string>& lines, const ReactionBlock& block,
                      const std::vector<std::string>& notes, EntryRecord& record,
                      const FittedReaction& fitted, std::vector<std::string>& out) {
    if (fitted.sum != nullptr && writeBlendedSum(lines, block, notes, record, fitted, out))
        return true;
    ReverseMember member;
    member.high.texts = record.reverse;
    if (record.quality)
        member.high.comment = std::string(texts::LawCommentStart) + deviationText(*record.quality);
    member.notes = notes;
    // A reader takes a PLOG reaction's rate from its PLOG/ lines alone: under a tolerance
    // the law of its reaction line, written all the same, is not its reverse rate.
    if (fitted.tolerance > 0.0 && block.kind == ReactionKind::Plog)
        record.quality.reset();
    std::optional<SumShape> shape;
    for (const AuxiliaryLaw& law : auxiliaryLaws(lines, block)) {
        std::optional<ReversedLaw> reversed = reverseAuxiliary(block, law, record, fitted, shape);
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
        if (fitted->sum != nullptr &&
            writeSumReverse(lines, block,
                            std::vector<std::string>(inserted.begin(), inserted.end() - 1), record,
                            *fitted, out))
            return out;
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
