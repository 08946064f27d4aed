#include "commands/BatchRun.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "batch/BatchTexts.h"
#include "commands/MechanismCommands.h"
#include "commands/ReverseCommand.h"
#include "mechanism/MechanismTexts.h"
#include "text/DateText.h"
#include "text/StringOps.h"

#include <exception>

namespace zorbel {

BatchRun::BatchRun(Session& session, BatchKind kind, RunOwner owner)
    : session_(session), kind_(kind),
      whole_(owner == RunOwner::Command && session.runSettings().wholeMechanism),
      reportPath_(owner == RunOwner::Command ? session.reportPath : std::string()) {}

BatchRun::~BatchRun() = default;

bool BatchRun::create(const std::string& path) {
    path_ = path;
    const CommonValue& common = session_.common;
    std::optional<ThermoIndex> database = ThermoIndex::load(common.ThermoPath);
    if (!database) {
        failure_ = databaseUnreadable(common.ThermoPath);
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
    const DateTime now = session_.platform.now();
    if (!whole_)
        out_->line(texts::ReactionsKeyword);
    out_->line(std::string(texts::GeneratedThe) + " " + formatDate(now) + " " + formatTime(now));
    species_ = std::make_unique<SpeciesProvider>(session_.form.LOS1.entries(), database_.get());
    results_ = std::make_shared<RunResults>(database_, session_.form.LOS1.entries());
    sources_ = {splitPath(common.ThermoPath).fileName, common.ReactionLines};
    return true;
}

void BatchRun::start(std::vector<std::string> parseTexts) {
    const CommonValue& common = session_.common;
    const auto& boxes = session_.form.PropTxt;
    RunStart start;
    start.patterns = {common.AFormat, common.NFormat, common.EaFormat};
    start.previous = {boxes[REVEQfrm::ForwardA].text(), boxes[REVEQfrm::ForwardN].text(),
                      boxes[REVEQfrm::ForwardEa].text()};
    if (whole_)
        files_.push_back(std::make_unique<WholeMechanismSink>(*out_, fileLines_, blocks_, *species_,
                                                              start.patterns));
    else
        files_.push_back(std::make_unique<ReactionLinesSink>(*out_));
    if (report_)
        files_.push_back(std::make_unique<ReportSink>(*report_));
    for (const std::unique_ptr<ResultSink>& file : files_)
        sinks_.push_back(file.get());
    run_ = std::make_unique<ReversalRun>(std::move(parseTexts), session_.runSettings(),
                                         static_cast<double>(common.GasConstant), std::move(start),
                                         *species_);
}

bool BatchRun::reverseEntry(int listIndex, const std::string& listed) {
    ReactionResult result = run_->next();
    // A fault while the window shows the reaction costs that reaction only, as one of
    // its computation would.
    try {
        show(result, listIndex);
    } catch (const std::exception& fault) {
        result.fault = fault.what();
    } catch (...) {
        result.fault = std::string();
    }
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
    return result.fitted();
}

/// The panel shows the reaction as the run reversed it: its parse, slots and range, its
/// reverse coefficients and S.
void BatchRun::show(const ReactionResult& result, int listIndex) {
    REVEQfrm& form = session_.form;
    CommonValue& common = session_.common;
    publishReaction(session_, result.parsed, false);
    form.LOS4.markCurrent(listIndex);
    if (result.irreversible || result.fault)
        return;
    form.lblerror.setCaption({});
    const ReversalRequest& request = result.request;
    const ReversalOutcome& outcome = result.outcome;
    common.LastPoint = request.points - 1;
    showSlotsAndRange(session_, outcome);
    if (outcome.thermochemistryDone)
        lastThermochemistry_ = request;
    if (outcome.rateConstantsDone) {
        lastRateConstants_ = request;
        common.LastPointReal = static_cast<double>(request.points) - 1.0;
    }
    if (!outcome.fit)
        return;
    rememberFit(common, *outcome.fit);
    for (std::size_t k = 0; k < 3; ++k)
        form.PropTxt[REVEQfrm::ReverseA + k].setText(result.reverseTexts[k]);
    form.lblerror2.setCaption(
        (kind_ == BatchKind::All ? std::string(texts::ErrorLabelPrefix) : std::string()) +
        result.errorText);
}

bool BatchRun::finish(bool putInPlace) {
    run_.reset();
    // The Thermo tab stays as the user left it: the run looked its species up in the index.
    showLastGrid();
    for (ResultSink* sink : sinks_)
        sink->finish();
    return putInPlace ? out_->close() : out_->finish();
}

std::string BatchRun::summary() const {
    return summary_.text(session_.common.NewLine);
}

/// The results grid shows, after the run, the temperatures of the last reaction whose Kc
/// was complete and the rate constants of the last whose kr was: those two reactions are
/// computed again with their series.
void BatchRun::showLastGrid() {
    ResultsGrid& grid = session_.form.MSFG;
    if (lastThermochemistry_) {
        const std::vector<double> T = reverseReaction(*lastThermochemistry_, *species_).series.T;
        for (size_t j = 0; j < T.size(); ++j)
            grid.setNumber(static_cast<int>(j) + 1, 1, T[j]);
    }
    if (lastRateConstants_) {
        const ReactionSeries s = reverseReaction(*lastRateConstants_, *species_).series;
        for (size_t j = 0; j < s.kr.size(); ++j) {
            grid.setNumber(static_cast<int>(j) + 1, 2, s.kr[j]);
            grid.setNumber(static_cast<int>(j) + 1, 3, s.lnKr[j]);
        }
    }
}

/// Reads the mechanism file's blocks when the run needs them: a whole mechanism, or a
/// report (which names each reaction's kind). A whole mechanism is refused when the file
/// no longer holds the lines listed: its blocks would not be the list's.
bool BatchRun::readBlocks() {
    const CommonValue& common = session_.common;
    const std::vector<std::string>& listed = session_.form.LOS2.entries();
    if (!whole_ && reportPath_.empty())
        return true;
    std::optional<std::vector<std::string>> lines;
    if (common.ReactionLines.size() == listed.size())
        lines = readLines(common.MechanismPath);
    bool same = lines.has_value();
    for (std::size_t i = 0; same && i < listed.size(); ++i) {
        const auto at = static_cast<std::size_t>(common.ReactionLines[i] - 1);
        same = at < lines->size() && toUpperAscii((*lines)[at]) == listed[i];
    }
    if (same) {
        fileLines_ = std::move(*lines);
        blocks_ = reactionBlocks(fileLines_, common.ReactionLines);
        return true;
    }
    if (whole_) {
        failure_ = std::string(texts::MechanismChanged) + common.MechanismPath;
        return false;
    }
    // The report names the kinds that the reaction lines alone tell.
    for (const std::string& entry : listed)
        blocks_.push_back(reactionBlocks({entry}, {1}).front());
    return true;
}

/// Starts the report, when the run writes one; its header comes with its sink.
bool BatchRun::createReport() {
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
