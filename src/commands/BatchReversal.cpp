#include "commands/BatchReversal.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "batch/BatchReaction.h"
#include "batch/BatchSummary.h"
#include "batch/BatchTexts.h"
#include "batch/OrderedParallel.h"
#include "batch/WholeMechanism.h"
#include "commands/MechanismCommands.h"
#include "commands/ReverseCommand.h"
#include "files/TextFiles.h"
#include "mechanism/CleanLineText.h"
#include "mechanism/MechanismTexts.h"
#include "mechanism/ParsedReaction.h"
#include "mechanism/ReactionBlocks.h"
#include "reversal/FitQuality.h"
#include "reversal/ReversalTexts.h"
#include "reversal/SpeciesProvider.h"
#include "reversal/TemperatureGrid.h"
#include "text/NumberText.h"
#include "text/StringOps.h"
#include "thermo/ThermoIndex.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>

namespace zorbel {

namespace {

enum class BatchKind { All, Selected };

/// Whose run it is: a command's own, which writes the whole mechanism and the report when
/// the settings ask for them, or the comparison's, which reads the reaction lines back.
enum class RunOwner { Command, Comparison };

/// Marks the session busy for the run, so that no other command starts during a yield.
/// A request to stop stays after the run, for its caller to see; the next run clears it.
class BusyGuard {
public:
    explicit BusyGuard(Session& session) : session_(session) {
        session_.batchRunning = true;
        session_.stopRequested = false;
    }
    ~BusyGuard() { session_.batchRunning = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    Session& session_;
};

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

/// The comment line of a reaction the computation stopped on, or "" for none. A reaction
/// line at fault is named by its line number alone (the file is the one reversed), a
/// species record by the database's file name: the output may go anywhere.
std::string refusalLine(const CommonValue& common, const ReversalOutcome& outcome, int listIndex) {
    switch (outcome.refusal) {
    case Refusal::MissingSpecies:
        return std::string(texts::MissingThermoLine);
    case Refusal::UnusableRecord:
    case Refusal::Coefficients:
        return notCalculated(
            dataFault(common, outcome, listIndex, splitPath(common.ThermoPath).fileName, {}));
    case Refusal::ZeroA:
        return std::string(texts::ZeroALine);
    case Refusal::EmptyRange:
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

/// The settings a batch reads from the window for every reaction, as they stand now.
BatchSettings settingsOf(const Session& session) {
    BatchSettings settings;
    settings.request =
        requestWith(session.runSettings(), static_cast<double>(session.common.GasConstant));
    const CommonValue& common = session.common;
    settings.patterns = {common.AFormat, common.NFormat, common.EaFormat};
    return settings;
}

unsigned threadsOf(const Session& session) {
    if (session.batchThreads > 0)
        return static_cast<unsigned>(session.batchThreads);
    return std::max(1U, std::thread::hardware_concurrency());
}

/// Results computed ahead per thread: enough to keep the threads busy while the window's
/// thread writes, few enough that memory does not follow the number of reactions.
constexpr std::size_t aheadPerThread = 32;

/// One batch run: its output file, the database read once, and what the window shows
/// after the run (the last reaction's grid and species).
class BatchRun {
public:
    BatchRun(Session& session, BatchKind kind, RunOwner owner)
        : session_(session), kind_(kind),
          whole_(owner == RunOwner::Command && session.form.WholeMechanismChk.checked()),
          reportPath_(owner == RunOwner::Command ? session.reportPath : std::string()) {}

    /// Reads the database and starts the file; false, with failure() saying why, when
    /// either cannot be done. A database that can no longer be read would turn every
    /// reaction into a missing-species line: the previous file is worth more.
    bool create(const std::string& path) {
        path_ = path;
        database_ = ThermoIndex::load(session_.common.ThermoPath);
        if (!database_) {
            failure_ = databaseUnreadable(session_.common.ThermoPath);
            return false;
        }
        if (!readBlocks() || !createReport())
            return false;
        out_ = std::make_unique<LineWriter>(path);
        if (!out_->ok()) {
            failure_ = writeRefusal(path, texts::FileNotCreated);
            out_.reset();
            return false;
        }
        const DateTime now = session_.platform.now();
        if (!whole_)
            out_->line(texts::ReactionsKeyword);
        out_->line(std::string(texts::GeneratedThe) + " " + formatDate(now) + " " +
                   formatTime(now));
        species_ = std::make_unique<SpeciesProvider>(session_.form.LOS1.entries(), &*database_);
        return true;
    }

    /// Hands the reactions' parse texts, in the order they will be written, to the
    /// session's threads; with one thread each reaction is computed when written.
    void computeAhead(std::vector<std::string> parseTexts) {
        parseTexts_ = std::move(parseTexts);
        threads_ = threadsOf(session_);
        restartAhead(0);
    }

    /// Writes the block of the reaction at `position` of the parse texts; true when it got
    /// a "REV/ " line. A fault in one reaction costs that reaction only: its line gets a
    /// comment saying so, and the run goes on with the next one.
    bool reverseEntry(std::size_t position, int listIndex, const std::string& listed,
                      const std::string& parseText) {
        std::optional<BatchReaction> ready = precomputed(position);
        bool listedWritten = false;
        startRecord(listIndex, listed);
        const bool reversed = reverseOrFault(ready, listedWritten, listIndex, listed, parseText);
        if (whole_)
            writeWholeBlock(listIndex);
        summary_.add(record_);
        if (report_)
            report_->line(reportRow(record_));
        return reversed;
    }

    /// Closes the file and leaves the window showing the last reaction's results. With
    /// `putInPlace` false the complete file waits in its scratch file for release().
    bool finish(bool putInPlace = true) {
        ahead_.reset();
        showLastGrid();
        if (lastSpecies_)
            showLastSpecies(session_, *lastSpecies_);
        if (whole_)
            copyFileLines(fileLines_.size());
        return putInPlace ? out_->close() : out_->finish();
    }

    /// Puts the report in place, if the run writes one; false when it could not be
    /// written whole.
    bool closeReport() { return !report_ || report_->close(); }
    const std::string& reportPath() const { return reportPath_; }

    std::string summary() const { return summary_.text(session_.common.NewLine); }

    std::unique_ptr<LineWriter> release() { return std::move(out_); }

    const std::string& path() const { return path_; }
    const std::string& failure() const { return failure_; }

private:
    bool reverseOrFault(std::optional<BatchReaction>& ready, bool& listedWritten, int listIndex,
                        const std::string& listed, const std::string& parseText) {
        try {
            REVEQfrm& form = session_.form;
            const bool parsedAhead = ready && ready->computed;
            const ParsedReaction parsed = parsedAhead ? ready->parsed : parseReaction(parseText);
            publishReaction(session_, parsed, false);
            form.LOS4.markCurrent(listIndex);
            emit(listed);
            listedWritten = true;
            record_.forward = {parsed.AText, parsed.NText,
                               std::string(clean::firstWord(parsed.EaText))};
            // The panel shows a line that could not be cut with the reversible arrow.
            if (parsed.Irreversible && !parsed.Failed) {
                emit(texts::IrreversibleLine);
                record_.outcome = EntryOutcome::Irreversible;
                return false;
            }
            form.lblerror.setCaption({});
            session_.common.LastPoint = lastPointIndex(form.Ntxt.text());
            return reverseParsed(listIndex, parsedAhead ? &*ready : nullptr);
        } catch (const std::exception& fault) {
            writeFault(listedWritten, listed, fault.what());
        } catch (...) {
            writeFault(listedWritten, listed, {});
        }
        return false;
    }

    /// A line of the reaction being written: to the file, or, for a whole mechanism, kept
    /// until the reaction's block is written.
    void emit(std::string_view line) {
        if (whole_)
            captured_.emplace_back(line);
        else
            out_->line(line);
    }

    /// Reads the mechanism file's blocks when the run needs them: a whole mechanism, or a
    /// report (which names each reaction's kind). A whole mechanism is refused when the
    /// file no longer holds the lines listed: its blocks would not be the list's.
    bool readBlocks() {
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

    /// Starts the report with its header, when the run writes one.
    bool createReport() {
        if (reportPath_.empty())
            return true;
        report_ = std::make_unique<LineWriter>(reportPath_);
        if (!report_->ok()) {
            failure_ = writeRefusal(reportPath_, texts::ReportNotWritten);
            report_.reset();
            return false;
        }
        report_->line(texts::ReportHeader);
        return true;
    }

    void copyFileLines(std::size_t end) {
        for (; copied_ < end; ++copied_)
            out_->line(fileLines_[copied_]);
    }

    void startRecord(int listIndex, const std::string& listed) {
        record_ = EntryRecord{};
        record_.index = listIndex;
        record_.equation = std::string(clean::firstWord(listed));
        if (!blocks_.empty())
            record_.kind = blocks_[static_cast<std::size_t>(listIndex)].kind;
        captured_.clear();
    }

    /// The fit of the reaction just written; `quality` when the threads computed it for
    /// the texts written.
    void recordFit(const ReversalRequest& request, ReversalOutcome outcome,
                   const std::string& errorText, const std::optional<Deviation>* quality) {
        const REVEQfrm& form = session_.form;
        record_.outcome = EntryOutcome::Reversed;
        for (std::size_t k = 0; k < 3; ++k)
            record_.reverse[k] = form.PropTxt[REVEQfrm::ReverseA + k].text();
        record_.S = errorText;
        record_.cold = std::string(trimmed(outcome.range.cold));
        record_.hot = std::string(trimmed(outcome.range.hot));
        record_.quality = quality != nullptr
                              ? *quality
                              : fitQuality(request, outcome, record_.reverse, *species_);
        fittedRequest_ = request;
        fittedOutcome_ = std::move(outcome);
    }

    /// The block of the reaction just computed, in the whole mechanism. A fault while its
    /// other laws are reversed costs that reaction only: it is kept as written, with the
    /// fault's words.
    void writeWholeBlock(int listIndex) {
        const ReactionBlock& block = blocks_[static_cast<std::size_t>(listIndex)];
        copyFileLines(block.line);
        // What the reaction-lines layout wrote after the reaction line.
        std::vector<std::string> inserted(captured_.begin() + (captured_.empty() ? 0 : 1),
                                          captured_.end());
        std::vector<std::string> lines;
        std::string fault;
        try {
            const CommonValue& common = session_.common;
            const FittedReaction fitted{fittedRequest_,
                                        fittedOutcome_,
                                        {common.AFormat, common.NFormat, common.EaFormat},
                                        *species_};
            lines = wholeBlockLines(fileLines_, block, std::move(inserted), record_, &fitted);
        } catch (const std::exception& thrown) {
            fault = notCalculated(texts::UnexpectedReason, thrown.what());
        } catch (...) {
            fault = notCalculated(texts::UnexpectedReason, {});
        }
        if (!fault.empty()) {
            markNotReversed(record_, texts::FaultWhy);
            lines.clear();
            writeInserted(fileLines_, block, {fault}, lines);
        }
        for (const std::string& line : lines)
            out_->line(line);
        copied_ = block.end;
    }

    void restartAhead(std::size_t first) {
        ahead_.reset();
        if (threads_ <= 1 || first >= parseTexts_.size())
            return;
        aheadSettings_ = settingsOf(session_);
        try {
            ahead_ = std::make_unique<OrderedParallel<BatchReaction>>(
                parseTexts_.size() - first, threads_, aheadPerThread * threads_,
                [this, first, settings = aheadSettings_](std::size_t k) {
                    return computeBatchReaction(parseTexts_[first + k], settings, *species_);
                });
        } catch (const std::system_error&) {
            threads_ = 1; // no thread to be had: the reactions are computed as they are written
        }
    }

    /// The reaction at `position` as the threads computed it, if they did.
    std::optional<BatchReaction> precomputed(std::size_t position) {
        if (!ahead_)
            return std::nullopt;
        // The user may have changed a setting during the yield: what the threads computed
        // with the old ones would only be computed again, one by one.
        if (!(settingsOf(session_) == aheadSettings_)) {
            restartAhead(position);
            if (!ahead_)
                return std::nullopt;
        }
        return ahead_->takeNext();
    }

    bool reverseParsed(int listIndex, BatchReaction* ready) {
        Session& session = session_;
        REVEQfrm& form = session.form;
        CommonValue& common = session.common;
        const ReversalRequest request = requestFromWindow(session);
        if (ready != nullptr && !(ready->request == request))
            ready = nullptr; // the window holds something else than the threads assumed
        ReversalOutcome outcome = ready != nullptr
                                      ? std::move(ready->outcome)
                                      : reverseReaction(request, *species_, SeriesKept::None);
        showSlotsAndRange(session, outcome);
        rememberForDisplay(outcome);
        if (outcome.rangeFixed && outcome.warning != RangeWarning::None)
            emit(rangeWarningLine(outcome.warning));
        rememberGrid(request, outcome);
        if (!outcome.fit) {
            emit(refusalLine(common, outcome, listIndex));
            record_.reason = refusalReason(outcome.refusal);
            return false;
        }
        const FitResult& fit = *outcome.fit;
        rememberFit(common, fit);
        const CoefficientPatterns patterns{common.AFormat, common.NFormat, common.EaFormat};
        const bool textsReady = ready != nullptr && ready->patterns == patterns;
        if (textsReady)
            showReverseTexts(ready->reverseTexts);
        else
            showReverseCoefficients(session);
        const std::string errorText =
            ready != nullptr ? ready->errorText : formatNumber(fit.S, texts::ErrorMeasurePattern);
        form.lblerror2.setCaption(
            (kind_ == BatchKind::All ? std::string(texts::ErrorLabelPrefix) : std::string()) +
            errorText);
        writeRevLine();
        recordFit(request, std::move(outcome), errorText, textsReady ? &ready->quality : nullptr);
        return true;
    }

    void showReverseTexts(const std::array<std::string, 3>& reverseTexts) {
        auto& boxes = session_.form.PropTxt;
        boxes[REVEQfrm::ReverseA].setText(reverseTexts[0]);
        boxes[REVEQfrm::ReverseN].setText(reverseTexts[1]);
        boxes[REVEQfrm::ReverseEa].setText(reverseTexts[2]);
    }

    void writeRevLine() {
        const REVEQfrm& form = session_.form;
        const auto box = [&](int index) { return form.PropTxt[static_cast<size_t>(index)].text(); };
        emit(std::string(texts::RevPrefix) + box(REVEQfrm::ReverseA) + " " +
             box(REVEQfrm::ReverseN) + " " + box(REVEQfrm::ReverseEa) +
             std::string(texts::RangeStart) + form.Coldtxt.text() +
             std::string(texts::RangeSeparator) + form.Hottxt.text() +
             std::string(texts::RangeEnd) + std::string(texts::ErrorMeasureStart) +
             replaceAll(form.lblerror2.caption(), texts::ErrorLabelPrefix, ""));
    }

    /// The results grid shows, after the run, the temperatures of the last reaction whose
    /// Kc was complete and the rate constants of the last whose kr was: their requests are
    /// kept, and those two reactions computed again at the end with their series.
    void rememberGrid(const ReversalRequest& request, const ReversalOutcome& outcome) {
        if (outcome.thermochemistryDone)
            lastThermochemistry_ = request;
        if (outcome.rateConstantsDone) {
            lastRateConstants_ = request;
            session_.common.LastPointReal = static_cast<double>(request.points) - 1.0;
        }
    }

    void showLastGrid() {
        ResultsGrid& grid = session_.form.MSFG;
        if (lastThermochemistry_) {
            const std::vector<double> T =
                reverseReaction(*lastThermochemistry_, *species_).series.T;
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

    void writeFault(bool listedWritten, const std::string& listed, std::string_view what) {
        if (!listedWritten)
            emit(listed);
        markNotReversed(record_, texts::FaultWhy);
        // The fault's own words, kept on the one comment line.
        std::string reason(what);
        std::replace(reason.begin(), reason.end(), '\r', ' ');
        std::replace(reason.begin(), reason.end(), '\n', ' ');
        emit(notCalculated(texts::UnexpectedReason, reason));
    }

    void rememberForDisplay(const ReversalOutcome& outcome) {
        ReversalOutcome& trail = lastSpecies_.emplace();
        trail.lastLookup = outcome.lastLookup;
        trail.lastEvaluated = outcome.lastEvaluated;
        trail.lastTemperature = outcome.lastTemperature;
    }

    Session& session_;
    BatchKind kind_;
    bool whole_ = false;
    /// The mechanism file's lines and the block of each listed reaction: empty when the
    /// list holds no mechanism file's lines.
    std::vector<std::string> fileLines_;
    std::vector<ReactionBlock> blocks_;
    std::size_t copied_ = 0; ///< the file's lines written so far
    /// The lines the reaction being written gets after its line, in the default layout.
    std::vector<std::string> captured_;
    EntryRecord record_;
    BatchSummary summary_;
    std::string reportPath_;
    std::unique_ptr<LineWriter> report_;
    /// The request and outcome of the last reaction fitted, for its other laws.
    ReversalRequest fittedRequest_;
    ReversalOutcome fittedOutcome_;
    std::string path_;
    std::string failure_;
    std::unique_ptr<LineWriter> out_;
    std::optional<ThermoIndex> database_;
    std::unique_ptr<SpeciesProvider> species_;
    std::optional<ReversalRequest> lastThermochemistry_;
    std::optional<ReversalRequest> lastRateConstants_;
    std::optional<ReversalOutcome> lastSpecies_;
    std::vector<std::string> parseTexts_;
    unsigned threads_ = 1;
    BatchSettings aheadSettings_;
    /// Last: its threads end before anything they read goes.
    std::unique_ptr<OrderedParallel<BatchReaction>> ahead_;
};

/// The checks Reverse All and Reverse Selected share: done when the command may go on.
CommandResult batchPreconditions(Session& session) {
    REVEQfrm& form = session.form;
    form.Templbl.setCaption({});
    if (session.common.SpeciesCount == 0)
        return session.refuse(std::string(texts::ImportDatabaseFirst));
    if (session.common.ReactionCount == 0)
        return session.refuse(std::string(texts::ImportMechanismFirst));
    // A list emptied since the load would give a file of headers only over a good one.
    if (form.LOS2.count() == 0)
        return session.refuse(std::string(texts::NothingToReverse));
    return session.checkPoints();
}

/// A run that ends without its file takes its progress bar and time label away.
void hideProgress(REVEQfrm& form) {
    form.ProgBar.setValue(0.0F);
    form.ProgBar.setVisible(false);
    form.timeremaining.setVisible(false);
    form.timeremaining.setCaption({});
}

/// After a yield: true when the user asked the run to stop. The run then ends at once;
/// its file, never put in place, goes with its writer.
bool stopAsked(Session& session) {
    if (!session.stopRequested)
        return false;
    session.form.lblerror.setCaption(std::string(texts::RunStopped));
    hideProgress(session.form);
    return true;
}

bool confirmed(Session& session, std::string text, std::string_view title) {
    return session.platform.showMessage({std::move(text), std::string(title), MessageButtons::YesNo,
                                         MessageIcon::Question}) == MessageAnswer::Yes;
}

/// The end of a run of the user's own: JOB DONE, the report and the summary.
CommandResult closeOwnRun(Session& session, BatchRun& run) {
    session.showJobDone(session.outputCopiedTo(run.path()));
    if (!run.closeReport())
        return session.refuse(writeRefusal(run.reportPath(), texts::ReportNotWritten));
    session.platform.showSummary(run.summary());
    std::vector<std::string> written{run.path()};
    if (!run.reportPath().empty())
        written.push_back(run.reportPath());
    return CommandResult::wrote(written);
}

CommandResult stoppedRun() {
    return CommandResult::stopped(std::string(texts::RunStopped));
}

std::string parseTextOf(const std::string& entry) {
    return replaceAll(entry, "( ", "(");
}

} // namespace

CommandResult reverseAllCommand(Session& session) {
    if (CommandResult checked = batchPreconditions(session); !checked.done())
        return checked;
    const std::string& newLine = session.common.NewLine;
    if (!confirmed(session,
                   std::string(texts::ReverseAllQuestion) + newLine +
                       std::string(texts::ContinueAnyway),
                   texts::ReverseAllTitle))
        return CommandResult::stopped();
    return reverseAllWorker(session, ClosingBox::Shown);
}

CommandResult reverseAllWorker(Session& session, ClosingBox closingBox,
                               std::unique_ptr<LineWriter>* held) {
    BusyGuard busy(session);
    REVEQfrm& form = session.form;
    Platform& platform = session.platform;
    form.ProgBar.setValue(0.0F);
    form.ProgBar.setVisible(true);

    // The annotation reads the file back in its default layout and reports on its own.
    const bool own = closingBox == ClosingBox::Shown;
    BatchRun run(session, BatchKind::All, own ? RunOwner::Command : RunOwner::Comparison);
    form.LOS3.clear();
    if (!run.create(pathInFolder(session.common.WorkFolder, texts::RevAllFileName))) {
        CommandResult refused = session.refuse(run.failure());
        form.ProgBar.setVisible(false);
        return refused;
    }
    form.MSFG.clear();
    std::vector<std::string> parseList;
    parseList.reserve(static_cast<size_t>(form.LOS2.count()));
    for (const std::string& entry : form.LOS2.entries())
        parseList.push_back(parseTextOf(entry));
    form.LOS3.assign(parseList);
    const int last = form.LOS2.count() - 1;
    form.LOS4.assign(form.LOS2.entries());
    run.computeAhead(std::move(parseList));

    form.timeremaining.setVisible(true);
    session.startRemainingTime();
    for (int i = 0; i <= last; ++i) {
        session.showRemainingTime(i, last);
        platform.processEvents();
        if (stopAsked(session))
            return stoppedRun();
        if (last != 0)
            form.ProgBar.setValue(static_cast<float>(100.0 * i / last));
        run.reverseEntry(static_cast<std::size_t>(i), i, form.LOS4.at(i), form.LOS3.at(i));
        form.LOS2.clearSelection();
    }

    form.ProgBar.setValue(0.0F);
    form.timeremaining.setVisible(false);
    form.ProgBar.setVisible(false);
    if (!run.finish(held == nullptr))
        return session.refuse(std::string(texts::FileNotWritten) + run.path());
    if (held != nullptr)
        *held = run.release();
    if (own)
        return closeOwnRun(session, run);
    return CommandResult::wrote({run.path()});
}

namespace {

/// The indices in LOS2 of the selected entries, read once.
std::vector<int> selectedIndices(const ListBox& list) {
    std::vector<int> chosen;
    for (int index = 0; index < list.count(); ++index) {
        if (list.isSelected(index))
            chosen.push_back(index);
    }
    return chosen;
}

/// Fewer than two reactions are refused before anything is asked or opened, so that the
/// previous file stays as it was; then the user confirms. Nothing when the run may start.
std::optional<CommandResult> refusalOfSelection(Session& session, std::size_t chosen) {
    const std::string& newLine = session.common.NewLine;
    if (chosen < 2) {
        session.platform.showMessage(
            {std::string(texts::SelectMore) + newLine + std::string(texts::ToUseButton),
             std::string(texts::WarningTitle), MessageButtons::Ok, MessageIcon::None});
        return CommandResult::refused({}); // the box has said why
    }
    if (!confirmed(session,
                   std::string(texts::ReverseSelectedQuestion) + newLine +
                       std::string(texts::ReverseSelectedDepends) + newLine +
                       std::string(texts::ContinueAnyway),
                   texts::ReverseSelectedTitle))
        return CommandResult::stopped();
    return std::nullopt;
}

/// Opens RevSelected.txt and hands the selected lines to the batch's threads; the refusal
/// when the file cannot be created.
std::optional<CommandResult> openSelectedRun(Session& session, BatchRun& run,
                                             const std::vector<int>& chosen) {
    REVEQfrm& form = session.form;
    form.LOS3.clear();
    if (!run.create(pathInFolder(session.common.WorkFolder, texts::RevSelectedFileName))) {
        CommandResult refused = session.refuse(run.failure());
        form.timeremaining.setVisible(false);
        form.ProgBar.setVisible(false);
        return refused;
    }
    form.MSFG.clear();
    std::vector<std::string> parseList;
    parseList.reserve(chosen.size());
    for (int index : chosen)
        parseList.push_back(parseTextOf(form.LOS2.at(index)));
    form.LOS3.assign(parseList);
    form.LOS4.assign(form.LOS2.entries());
    run.computeAhead(std::move(parseList));
    return std::nullopt;
}

/// Puts the file in place and says JOB DONE; a file lost at its end (a full disk) is no
/// job done.
CommandResult closeSelectedRun(Session& session, BatchRun& run) {
    REVEQfrm& form = session.form;
    if (!run.finish()) {
        hideProgress(form);
        return session.refuse(std::string(texts::FileNotWritten) + run.path());
    }
    form.timeremaining.setCaption(std::string(texts::JobDoneProgress));
    form.lblerror.setCaption({});
    CommandResult result = closeOwnRun(session, run);
    form.ProgBar.setVisible(false);
    form.timeremaining.setVisible(false);
    form.timeremaining.setCaption({});
    return result;
}

} // namespace

CommandResult reverseSelectedCommand(Session& session) {
    if (CommandResult checked = batchPreconditions(session); !checked.done())
        return checked;
    REVEQfrm& form = session.form;
    Platform& platform = session.platform;
    const std::vector<int> chosen = selectedIndices(form.LOS2);
    if (std::optional<CommandResult> refused = refusalOfSelection(session, chosen.size()))
        return *refused;
    const int last = static_cast<int>(chosen.size()) - 1;

    BusyGuard busy(session);
    form.timeremaining.setCaption(std::string(texts::BePatient));
    form.timeremaining.setVisible(true);
    form.ProgBar.setValue(0.0F);
    form.ProgBar.setVisible(true);
    platform.processEvents();
    if (stopAsked(session))
        return stoppedRun();

    BatchRun run(session, BatchKind::Selected, RunOwner::Command);
    if (std::optional<CommandResult> refused = openSelectedRun(session, run, chosen))
        return *refused;

    for (int i = 0; i <= last; ++i) {
        const int listIndex = chosen[static_cast<size_t>(i)];
        form.timeremaining.setCaption(std::string(texts::InProgress));
        platform.processEvents();
        if (stopAsked(session))
            return stoppedRun();
        form.ProgBar.setValue(static_cast<float>(100.0 * i / last));
        if (run.reverseEntry(static_cast<std::size_t>(i), listIndex, form.LOS4.at(listIndex),
                             form.LOS3.at(i)))
            form.LOS2.clearSelection();
    }

    return closeSelectedRun(session, run);
}

} // namespace zorbel
