#include "program/Workbench.h"

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "commands/BatchRun.h"
#include "commands/ComparisonCommand.h"
#include "commands/MechanismCommands.h"
#include "commands/ReactionSearch.h"
#include "commands/ThermoCommands.h"
#include "mechanism/ParsedReaction.h"
#include "program/Headless.h"
#include "program/Program.h"

#include <optional>
#include <utility>

namespace zorbel {

struct Workbench::State {
    State() : session(platform) { connectCommands(session); }
    ScriptedPlatform platform;
    Session session;

    /// Does to an element what a user does (selects in a list, types into a box) and
    /// returns the result of the command its handler runs then.
    CommandResult act(std::function<void()>& handler, const std::function<CommandResult()>& command,
                      const std::function<void()>& action) {
        CommandResult result;
        std::function<void()> connected =
            std::exchange(handler, [this, &result, &command] { result = session.handle(command); });
        action();
        handler = std::move(connected);
        return result;
    }

    /// The species the last showSpecies showed, which evaluate reads.
    std::optional<SpeciesView> shownSpecies;

    /// What the session loaded, for the reversals that run without the window.
    LoadedFiles loaded() const {
        const CommonValue& common = session.common;
        return {batchInputs(session),  common.SpeciesCount,
                common.ReactionCount,  common.PublishedMechanismPath,
                common.ComparisonPath, common.WorkFolder,
                common.NewLine};
    }

    BatchFace face(const Workbench& bench) {
        BatchFace face{bench.onMessage, bench.onSummary, bench.onProgress, platform.now()};
        if (!face.message)
            face.message = [](const std::string&, const std::string&) {};
        return face;
    }

    CommandResult chosen(const std::string& path, const std::function<CommandResult()>& command) {
        platform.fileAnswers.push_back(path);
        return session.start(command);
    }
};

Workbench::Workbench() : state_(std::make_unique<State>()) {
    ScriptedPlatform& platform = state_->platform;
    platform.onMessage = [this](const MessageRequest& message) {
        if (onMessage)
            onMessage(message.title, message.text);
    };
    platform.onSummary = [this](const std::string& text) {
        if (onSummary)
            onSummary(text);
    };
    const REVEQfrm& form = state_->session.form;
    platform.onEvents = [this, &form] {
        if (onProgress)
            onProgress(static_cast<int>(form.ProgBar.value()), form.timeremaining.caption());
    };
}

Workbench::~Workbench() = default;

void Workbench::fixClock(const DateTime& when) {
    state_->platform.fixedClock = when;
}

void Workbench::setWorkFolder(const std::string& folder) {
    state_->session.common.WorkFolder = folder;
}

CommandResult Workbench::loadDatabase(const std::string& path) {
    Session& session = state_->session;
    return state_->chosen(path, [&session] { return zorbel::loadDatabase(session); });
}

std::vector<std::string> Workbench::species() const {
    return state_->session.form.LOS1.entries();
}

std::string Workbench::speciesCount() const {
    return state_->session.form.List1Nbr.caption();
}

// The species panel's views are the core's reading of the file: the session only holds what
// was loaded.
CommandResult Workbench::showSpecies(const std::string& name, SpeciesView& view) {
    const CommandResult shown = showHeadlessSpecies(state_->session.common.ThermoPath, name, view);
    // A species refused shows no numbers to evaluate.
    state_->shownSpecies.reset();
    if (shown.done())
        state_->shownSpecies = view;
    return shown;
}

CommandResult Workbench::evaluate(const std::string& temperature, PropertiesView& view) {
    if (!state_->shownSpecies) {
        view = PropertiesView{temperature, {}, {}, {}};
        return {};
    }
    view = evaluateHeadless(*state_->shownSpecies, temperature);
    return {};
}

CommandResult Workbench::loadMechanism(const std::string& path, MechanismLoad load) {
    Session& session = state_->session;
    if (load.clean) {
        session.loads.clean = CleanOnLoad::Always;
        session.loads.replaceCleanFile = load.replaceCleanFile;
    }
    return state_->chosen(path, [&session] { return zorbel::loadMechanism(session); });
}

std::vector<std::string> Workbench::reactions() const {
    return state_->session.form.LOS2.entries();
}

std::string Workbench::reactionCount() const {
    return state_->session.form.List2Nbr.caption();
}

// The panel's view is the core's parse of the listed line: the session only holds what was
// loaded.
CommandResult Workbench::showReaction(int index, ReactionView& view) {
    return showHeadlessReaction(state_->loaded(), index, view);
}

CommandResult Workbench::search(const std::vector<std::string>& species, SearchView& view) {
    Session& session = state_->session;
    CommandResult searched;
    state_->platform.onSearch = [&](Findfrm& window) {
        TextBox* const boxes[] = {&window.Usereqn1, &window.Usereqn2, &window.Usereqn3};
        for (size_t index = 0; index < species.size() && index < std::size(boxes); ++index)
            boxes[index]->setText(species[index]);
        searched = state_->act(
            window.FindCmdR.onClick, [&session] { return runSearch(session); },
            [&window] { window.FindCmdR.click(); });
        view.searched = true;
        view.found = window.SubLOS2copy.entries();
        view.count = window.resultlbl.caption();
        window.Closefrm.click();
    };
    const CommandResult opened = session.start([&session] { return openSearchWindow(session); });
    state_->platform.onSearch = nullptr;
    return opened.done() ? searched : opened;
}

// A reversal goes straight to the core: the session only holds what was loaded.
CommandResult Workbench::reverse(int index, const RunSettings& settings, ReverseView& view) {
    return runHeadlessReverse(state_->loaded(), index, settings, state_->face(*this), view);
}

namespace {

/// The number patterns and forward texts a run starts with when the given reaction is the
/// first shown: those its line gives, when its coefficients can be cut.
RunStart startShowing(const std::vector<std::string>& listed, std::optional<int> shownFirst) {
    RunStart start;
    if (!shownFirst)
        return start;
    const ParsedReaction parsed = parseReaction(listed[static_cast<std::size_t>(*shownFirst)]);
    if (!parsed.coefficientsRead)
        return start;
    start.patterns = choosePatterns(parsed.AText, parsed.NText, parsed.EaText);
    start.previous = {parsed.AText, parsed.NText, parsed.EaText};
    return start;
}

} // namespace

// A batch goes straight to the core's run: the session only holds what was loaded.
CommandResult Workbench::reverseBatch(const BatchRequest& request) {
    const LoadedFiles files = state_->loaded();
    return runHeadlessBatch(files, request, startShowing(files.inputs.listed, request.patternsFrom),
                            state_->face(*this));
}

CommandResult Workbench::annotate(const std::string& comparison, const RunSettings& settings,
                                  AnnotationView& view) {
    Session& session = state_->session;
    session.applySettings(settings);
    AnnotationCounts counts;
    const CommandResult annotated =
        state_->chosen(comparison, [&] { return annotateComparison(session, &counts); });
    view = {counts.different, counts.identical, counts.notCalculated,
            session.common.ComparisonPath};
    return annotated;
}

} // namespace zorbel
