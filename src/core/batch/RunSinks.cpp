#include "batch/RunSinks.h"

#include "batch/BatchTexts.h"
#include "batch/WholeMechanism.h"
#include "files/TextFiles.h"

#include <exception>

namespace zorbel {

void ReactionLinesSink::take(const SinkEntry& entry) {
    for (const std::string& line : entry.lines)
        out_.line(line);
}

void WholeMechanismSink::copyFileLines(std::size_t end) {
    for (; copied_ < end; ++copied_)
        out_.line(fileLines_[copied_]);
}

// A fault while the reaction's other laws are reversed costs that reaction only: it is
// kept as written, with the fault's words.
void WholeMechanismSink::take(const SinkEntry& entry) {
    const ListedResult& reaction = entry.reaction;
    const ReactionBlock& block = blocks_[static_cast<std::size_t>(reaction.listIndex)];
    copyFileLines(block.line);
    // What the reaction-lines layout writes after the reaction line.
    std::vector<std::string> inserted(entry.lines.begin() + (entry.lines.empty() ? 0 : 1),
                                      entry.lines.end());
    std::vector<std::string> lines;
    std::string fault;
    try {
        const ReactionResult& result = reaction.result;
        const FittedReaction fitted{result.request, result.outcome,
                                    patterns_,      species_,
                                    tolerance_,     result.sum ? &*result.sum : nullptr};
        lines = wholeBlockLines(fileLines_, block, std::move(inserted), entry.record, &fitted);
    } catch (const std::exception& thrown) {
        fault = faultLine(thrown.what());
    } catch (...) {
        fault = faultLine({});
    }
    if (!fault.empty()) {
        markNotReversed(entry.record, texts::FaultWhy);
        lines.clear();
        writeInserted(fileLines_, block, {fault}, lines);
    }
    for (const std::string& line : lines)
        out_.line(line);
    copied_ = block.end;
}

ReportSink::ReportSink(LineWriter& out, bool withTerms) : out_(out), withTerms_(withTerms) {
    out_.line(withTerms ? std::string(texts::ReportHeader) + std::string(texts::ReportTermsColumn)
                        : std::string(texts::ReportHeader));
}

void ReportSink::take(const SinkEntry& entry) {
    out_.line(reportRow(entry.record, withTerms_));
}

} // namespace zorbel
