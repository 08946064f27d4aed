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

CommandResult Workbench::showSpecies(const std::string& name, SpeciesView& view) {
    Session& session = state_->session;
    REVEQfrm& form = session.form;
    const CommandResult shown = state_->act(
        form.LOS1.onSelect, [&session] { return zorbel::showSpecies(session); },
        [&form, &name] { form.LOS1.selectFirstEqual(name); });
    view.name = form.LOS1.selectedText();
    for (std::size_t i = 0; i < view.coefficients.size(); ++i)
        view.coefficients[i] = form.PropTxt[i].text();
    view.TLow = session.common.TLow;
    view.THigh = session.common.THigh;
    view.TCommon = session.common.TCommon;
    view.temperatures = form.Lbl8.caption();
    view.highRange = form.Lbl10.caption();
    view.lowRange = form.Lbl11.caption();
    return shown;
}

namespace {

PropertyView propertyOf(const TextBox& box, const TextBox& lowerBox) {
    PropertyView view{box.text(), std::nullopt};
    if (lowerBox.visible())
        view.low = lowerBox.text();
    return view;
}

} // namespace

CommandResult Workbench::evaluate(const std::string& temperature, PropertiesView& view) {
    Session& session = state_->session;
    REVEQfrm& form = session.form;
    const CommandResult evaluated = state_->act(
        form.TXT1K.onChange, [&session] { return evaluateCp(session); },
        [&form, &temperature] { form.TXT1K.setText(temperature); });
    view.temperature = form.TXT1K.text();
    view.Cp = propertyOf(form.TXT1CP, form.TXT1CPBis);
    view.H = propertyOf(form.TXT1H, form.TXT1HBis);
    view.S = propertyOf(form.TXT1S, form.TXT1SBis);
    return evaluated;
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

namespace {

/// A message of the window, whose lines end as the window's, one line per line.
std::string asLines(std::string text, const std::string& newLine) {
    for (std::size_t at = text.find(newLine); !newLine.empty() && at != std::string::npos;
         at = text.find(newLine, at + 1))
        text.replace(at, newLine.size(), "\n");
    return text;
}

} // namespace

CommandResult Workbench::showReaction(int index, ReactionView& view) {
    Session& session = state_->session;
    REVEQfrm& form = session.form;
    CommandResult shown = state_->act(
        form.LOS2.onSelect, [&session] { return zorbel::showReaction(session); },
        [&form, index] { form.LOS2.select(index); });
    for (std::size_t slot = 0; slot < view.slots.size(); ++slot) {
        const TextBox& box = form.PropTxt[REVEQfrm::FirstSlot + slot];
        view.slots[slot] = box.text();
        view.slotShown[slot] = box.visible();
    }
    for (std::size_t plus = 0; plus < view.plusShown.size(); ++plus)
        view.plusShown[plus] = form.PlusLbl[plus].visible();
    view.arrow = form.EgalLbl.caption();
    view.A = form.PropTxt[REVEQfrm::ForwardA].text();
    view.n = form.PropTxt[REVEQfrm::ForwardN].text();
    view.Ea = form.PropTxt[REVEQfrm::ForwardEa].text();
    const CommonValue& common = session.common;
    view.patterns = {common.AFormat, common.NFormat, common.EaFormat};
    view.message = asLines(shown.message, common.NewLine);
    return shown;
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
