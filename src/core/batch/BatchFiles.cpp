#include "batch/BatchFiles.h"

#include "batch/BatchTexts.h"
#include "batch/RevLineGrammar.h"
#include "mechanism/MechanismTexts.h"
#include "reversal/ReversalTexts.h"
#include "text/StringOps.h"

namespace zorbel {

std::string parseTextOf(const std::string& listed) {
    return replaceAll(listed, "( ", "(");
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
    database_ = ThermoIndex::load(inputs_.thermoPath);
    if (!database_) {
        failure_ = databaseUnreadable(inputs_.thermoPath);
        return false;
    }
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
    species_ = std::make_unique<SpeciesProvider>(inputs_.species, &*database_);
    sources_ = {splitPath(inputs_.thermoPath).fileName, inputs_.reactionLines};
    return true;
}

void BatchFiles::start(std::vector<std::string> parseTexts, RunStart start) {
    if (whole_)
        files_.push_back(std::make_unique<WholeMechanismSink>(*out_, fileLines_, blocks_, *species_,
                                                              start.patterns));
    else
        files_.push_back(std::make_unique<ReactionLinesSink>(*out_));
    if (report_)
        files_.push_back(std::make_unique<ReportSink>(*report_));
    for (const std::unique_ptr<ResultSink>& file : files_)
        sinks_.push_back(file.get());
    run_ = std::make_unique<ReversalRun>(std::move(parseTexts), settings_, inputs_.gasConstant,
                                         std::move(start), *species_);
}

ReactionResult BatchFiles::writeNext(int listIndex) {
    ReactionResult result = run_->next();
    EntryRecord record;
    if (!blocks_.empty())
        record.kind = blocks_[static_cast<std::size_t>(listIndex)].kind;
    const ListedResult entry{listIndex, inputs_.listed[static_cast<std::size_t>(listIndex)],
                             result};
    const std::vector<std::string> lines = resultLines(entry, sources_, record);
    for (ResultSink* sink : sinks_)
        sink->take({entry, lines, record});
    summary_.add(record);
    return result;
}

bool BatchFiles::finish(bool putInPlace) {
    run_.reset();
    for (ResultSink* sink : sinks_)
        sink->finish();
    return putInPlace ? out_->close() : out_->finish();
}

/// Reads the mechanism file's blocks when the run needs them: a whole mechanism, or a
/// report (which names each reaction's kind). A whole mechanism is refused when the file
/// no longer holds the lines listed: its blocks would not be the list's.
bool BatchFiles::readBlocks() {
    const std::vector<std::string>& listed = inputs_.listed;
    const std::vector<int>& at = inputs_.reactionLines;
    if (!whole_ && reportPath_.empty())
        return true;
    std::optional<std::vector<std::string>> lines;
    if (at.size() == listed.size())
        lines = readLines(inputs_.mechanismPath);
    bool same = lines.has_value();
    for (std::size_t i = 0; same && i < listed.size(); ++i) {
        const auto line = static_cast<std::size_t>(at[i] - 1);
        same = line < lines->size() && toUpperAscii((*lines)[line]) == listed[i];
    }
    if (same) {
        fileLines_ = std::move(*lines);
        blocks_ = reactionBlocks(fileLines_, at);
        return true;
    }
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
