#include "program/Workbench.h"

#include "batch/RunSettings.h"
#include "mechanism/MechanismLoad.h"
#include "mechanism/ParsedReaction.h"
#include "mechanism/SpeciesSearch.h"
#include "program/FaceTexts.h"
#include "program/Headless.h"
#include "text/NumberText.h"
#include "thermo/ThermoDatabase.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace zorbel {

/// What was loaded, as the core's loads left it: the program without its window holds no
/// more than this between its commands.
struct Workbench::State {
    std::optional<DateTime> fixedClock;
    std::string thermoPath;
    std::vector<std::string> species;
    std::string mechanismPath;
    std::string publishedMechanismPath;
    std::vector<std::string> listed;
    std::vector<int> reactionLines;
    std::string comparisonPath;
    std::string workFolder;

    /// The species the last showSpecies showed, which evaluate reads.
    std::optional<SpeciesView> shownSpecies;

    LoadedFiles loaded() const {
        return {{thermoPath, species, listed, reactionLines, mechanismPath,
                 static_cast<double>(RunGasConstant)},
                static_cast<int>(species.size()),
                static_cast<int>(listed.size()),
                publishedMechanismPath,
                comparisonPath,
                workFolder,
                std::string(texts::MessageNewLine)};
    }

    BatchFace face(const Workbench& bench) const {
        BatchFace face{bench.onMessage, bench.onSummary, bench.onProgress,
                       fixedClock ? *fixedClock : localNow()};
        if (!face.message)
            face.message = [](const std::string&, const std::string&) {};
        return face;
    }
};

Workbench::Workbench() : state_(std::make_unique<State>()) {}

Workbench::~Workbench() = default;

void Workbench::fixClock(const DateTime& when) {
    state_->fixedClock = when;
}

void Workbench::setWorkFolder(const std::string& folder) {
    state_->workFolder = folder;
}

// A refused load changes nothing: what was loaded before stays.
CommandResult Workbench::loadDatabase(const std::string& path) {
    return guarded([&] {
        DatabaseLoad load = loadDatabaseFile(path);
        if (!load.loaded)
            return CommandResult::refused(std::move(load.refusal));
        state_->thermoPath = path;
        state_->species = std::move(load.loaded->species);
        return CommandResult{Outcome::Done, std::move(load.loaded->warning), {}};
    });
}

std::vector<std::string> Workbench::species() const {
    return state_->species;
}

std::string Workbench::speciesCount() const {
    return countInParentheses(static_cast<long long>(state_->species.size()));
}

// The species panel's views are the core's reading of the file.
CommandResult Workbench::showSpecies(const std::string& name, SpeciesView& view) {
    CommandResult shown = showHeadlessSpecies(state_->thermoPath, name, view);
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
    return guarded([&] {
        const MechanismLoadRule rule{load.clean ? CleanOnLoad::Always : CleanOnLoad::Never,
                                     load.clean && load.replaceCleanFile,
                                     {},
                                     state_->thermoPath};
        MechanismLoadOutcome loading = loadMechanismFile(path, rule);
        if (!loading.loaded)
            return CommandResult::refused(std::move(loading.refusal));
        LoadedMechanism& loaded = *loading.loaded;
        State& state = *state_;
        state.mechanismPath = loaded.path;
        state.publishedMechanismPath = loaded.path != path ? path : std::string();
        state.workFolder = splitPath(loaded.path).folder;
        state.listed = std::move(loaded.entries);
        state.reactionLines = std::move(loaded.reactionLines);
        if (loaded.cleanedSummary.empty())
            return CommandResult{};
        return CommandResult::wrote({loaded.path}, std::move(loaded.cleanedSummary));
    });
}

std::vector<std::string> Workbench::reactions() const {
    return state_->listed;
}

std::string Workbench::reactionCount() const {
    return countInParentheses(static_cast<long long>(state_->listed.size()));
}

// The panel's view is the core's parse of the listed line.
CommandResult Workbench::showReaction(int index, ReactionView& view) {
    return showHeadlessReaction(state_->loaded(), index, view);
}

CommandResult Workbench::search(const std::vector<std::string>& species, SearchView& view) {
    return guarded([&] {
        std::array<std::string, 3> typed;
        std::copy_n(species.begin(), std::min(species.size(), typed.size()), typed.begin());
        const std::vector<std::string> domain =
            searchDomain(state_->listed, static_cast<int>(state_->listed.size()));
        SearchFound found = searchTyped(domain, typed);
        view = {true, std::move(found.found), std::move(found.count)};
        return CommandResult{};
    });
}

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

CommandResult Workbench::reverseBatch(const BatchRequest& request) {
    const LoadedFiles files = state_->loaded();
    return runHeadlessBatch(files, request, startShowing(files.inputs.listed, request.patternsFrom),
                            state_->face(*this));
}

CommandResult Workbench::annotate(const std::string& comparison, const RunSettings& settings,
                                  AnnotationView& view) {
    state_->comparisonPath = comparison;
    return runHeadlessAnnotation(state_->loaded(), comparison, settings, state_->face(*this), view);
}

} // namespace zorbel
