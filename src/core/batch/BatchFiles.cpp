#include "batch/BatchFiles.h"

#include "batch/BatchTexts.h"
#include "batch/RevLineGrammar.h"
#include "mechanism/MechanismTexts.h"
#include "reversal/ReversalTexts.h"
#include "text/StringOps.h"

#include <algorithm>
#include <numeric>

namespace zorbel {

std::string parseTextOf(const std::string& listed) {
    return replaceAll(listed, "( ", "(");
}

std::vector<int> wholeListOrder(std::size_t count) {
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

std::string databaseUnreadable(const std::string& path) {
    return std::string(texts::DatabaseUnreadableStart) + path +
           std::string(texts::DatabaseUnreadableEnd);
}

BatchFiles::BatchFiles(BatchInputs inputs, RunSettings settings, bool ownFiles)
    : inputs_(std::move(inputs)), settings_(std::move(settings)),
      whole_(ownFiles && settings_.wholeMechanism),
      reportPath_(ownFiles ? settings_.reportPath : std::string()) {}

BatchFiles::~BatchFiles() = default;

bool BatchFiles::create(const std::string& path, const DateTime& now) {
    path_ = path;
    std::optional<ThermoIndex> database = ThermoIndex::load(inputs_.thermoPath);
    if (!database) {
        failure_ = databaseUnreadable(inputs_.thermoPath);
        return false;
    }
    database_ = std::make_shared<const ThermoIndex>(std::move(*database));
    if (!readBlocks() || !createReport())
        return false;
    out_ = std::make_unique<LineWriter>(path);
    if (!out_->ok()) {
        failure_ = writeRefusal(path, texts::FileNotCreated) + out_->cause();
        out_.reset();
        return false;
    }
    if (!whole_)
        out_->line(texts::ReactionsKeyword);
    out_->line(std::string(texts::GeneratedThe) + " " + formatDate(now) + " " + formatTime(now));
    species_ = std::make_unique<SpeciesProvider>(inputs_.species, database_.get());
    results_ = std::make_shared<RunResults>(database_, inputs_.species);
    sources_ = {splitPath(inputs_.thermoPath).fileName, inputs_.reactionLines};
    return true;
}

void BatchFiles::start(const std::vector<int>& order, RunStart start) {
    const double tolerance = whole_ ? settings_.tolerance() : 0.0;
    std::vector<std::string> parseTexts;
    parseTexts.reserve(order.size());
    for (const int index : order) {
        const auto at = static_cast<std::size_t>(index);
        parseTexts.push_back(parseTextOf(inputs_.listed.at(at)));
        start.duplicate.push_back(at < duplicates_.size() && duplicates_[at]);
        if (tolerance > 0.0)
            start.kinds.push_back(at < blocks_.size() ? blocks_[at].kind : ReactionKind::Other);
    }
    if (tolerance > 0.0)
        summary_.holdTo(tolerance);
    if (whole_)
        files_.push_back(std::make_unique<WholeMechanismSink>(*out_, fileLines_, blocks_, *species_,
                                                              start.patterns, tolerance));
    else
        files_.push_back(std::make_unique<ReactionLinesSink>(*out_));
    if (report_)
        files_.push_back(std::make_unique<ReportSink>(*report_, tolerance > 0.0));
    for (const std::unique_ptr<ResultSink>& file : files_)
        sinks_.push_back(file.get());
    RunSettings settings = settings_;
    if (!whole_)
        settings.maxError = 0.0; // the comparison's run writes reaction lines alone
    run_ = std::make_unique<ReversalRun>(std::move(parseTexts), settings, inputs_.gasConstant,
                                         std::move(start), *species_);
}

ReactionResult BatchFiles::writeNext(int listIndex) {
    ReactionResult result = run_->next();
    const std::string& listed = inputs_.listed[static_cast<std::size_t>(listIndex)];
    EntryRecord record;
    // The kind is told by the line alone when the run read no blocks of the file.
    record.kind = blocks_.empty() ? reactionBlocks({listed}, {1}).front().kind
                                  : blocks_[static_cast<std::size_t>(listIndex)].kind;
    const ListedResult entry{listIndex, listed, result};
    const std::vector<std::string> lines = resultLines(entry, sources_, record);
    for (ResultSink* sink : sinks_)
        sink->take({entry, lines, record});
    summary_.add(record);
    results_->add(record, result);
    return result;
}

bool BatchFiles::finish(bool putInPlace) {
    run_.reset();
    for (ResultSink* sink : sinks_)
        sink->finish();
    if (putInPlace ? out_->close() : out_->finish())
        return true;
    failure_ = std::string(texts::FileNotWritten) + path_ + out_->cause();
    return false;
}

bool BatchFiles::closeReport() {
    if (!report_ || report_->close())
        return true;
    failure_ = writeRefusal(reportPath_, texts::ReportNotWritten) + report_->cause();
    return false;
}

/// Reads the mechanism file's blocks when the run needs them: a whole mechanism, or a
/// report (which names each reaction's kind). A whole mechanism is refused when the file
/// no longer holds the lines listed: its blocks would not be the list's.
bool BatchFiles::readBlocks() {
    const std::vector<std::string>& listed = inputs_.listed;
    const std::vector<int>& at = inputs_.reactionLines;
    std::optional<std::vector<std::string>> lines;
    if (at.size() == listed.size())
        lines = readLines(inputs_.mechanismPath);
    bool same = lines.has_value();
    for (std::size_t i = 0; same && i < listed.size(); ++i) {
        const auto line = static_cast<std::size_t>(at[i] - 1);
        same = line < lines->size() && toUpperAscii((*lines)[line]) == listed[i];
    }
    if (same) {
        // Every run reverses a negative DUPLICATE member by its size: it needs the groups.
        std::vector<ReactionBlock> blocks = reactionBlocks(*lines, at);
        for (const ReactionBlock& block : blocks)
            duplicates_.push_back(block.duplicate);
        if (!whole_ && reportPath_.empty())
            return true;
        fileLines_ = std::move(*lines);
        blocks_ = std::move(blocks);
        return true;
    }
    if (!whole_ && reportPath_.empty())
        return true;
    if (whole_) {
        failure_ = std::string(texts::MechanismChanged) + inputs_.mechanismPath;
        return false;
    }
    // The report names the kinds that the reaction lines alone tell.
    for (const std::string& entry : listed)
        blocks_.push_back(reactionBlocks({entry}, {1}).front());
    return true;
}

/// Starts the report, when the run writes one; its header comes with its sink.
bool BatchFiles::createReport() {
    if (reportPath_.empty())
        return true;
    report_ = std::make_unique<LineWriter>(reportPath_);
    if (!report_->ok()) {
        failure_ = writeRefusal(reportPath_, texts::ReportNotWritten) + report_->cause();
        report_.reset();
        return false;
    }
    return true;
}

} // namespace zorbel
