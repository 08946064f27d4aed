#include "program/Headless.h"

#include "batch/RunChecks.h"
#include "batch/SingleReversal.h"
#include "files/FileTexts.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismTexts.h"
#include "program/FaceTexts.h"
#include "reversal/ReversalTexts.h"
#include "reversal/SpeciesProvider.h"
#include "text/ChemkinKeywords.h"
#include "thermo/ThermoIndex.h"

#include <algorithm>
#include <optional>

namespace zorbel {

namespace {

/// What the panel holds once the reaction is selected: its slots, or six "NER" for a line
/// that could not be cut, and its coefficients when they could be cut.
struct Shown {
    ParsedReaction parsed;
    ReactionSlots slots;
    ForwardTexts forward;
    CoefficientPatterns patterns;
};

Shown shownReaction(const std::string& listed) {
    Shown shown{parseReaction(listed), {}, {}, {}};
    const ParsedReaction& parsed = shown.parsed;
    if (parsed.Failed)
        shown.slots.fill(std::string(texts::FailedSlotMark));
    else
        shown.slots = parsed.Slots;
    if (parsed.coefficientsRead) {
        shown.forward = {parsed.AText, parsed.NText, parsed.EaText};
        shown.patterns = choosePatterns(parsed.AText, parsed.NText, parsed.EaText);
    }
    return shown;
}

/// The checks before anything is computed, in the window's order; nothing when the
/// reversal may go on.
std::optional<std::string> refusalBeforeReverse(const LoadedFiles& files, const Shown& shown,
                                                const RunSettings& settings) {
    const bool nothingShown = shown.forward.A.empty() &&
                              std::all_of(shown.slots.begin(), shown.slots.end(),
                                          [](const std::string& slot) { return slot.empty(); });
    if (std::optional<std::string> refused = reverseRefusal(
            files.speciesCount, {nothingShown, !shown.parsed.Failed && shown.parsed.Irreversible}))
        return refused;
    if (std::optional<std::string> refused = pointsRefusal(std::to_string(settings.points)))
        return refused;
    return workFolderClash(reversalFilesOf(files), texts::RoleTable, texts::TempFileName);
}

CommandResult reverse(const LoadedFiles& files, int index, const RunSettings& settings,
                      const BatchFace& face, ReverseView& view) {
    const BatchInputs& inputs = files.inputs;
    const std::string& listed = inputs.listed[static_cast<std::size_t>(index)];
    const Shown shown = shownReaction(listed);
    if (std::optional<std::string> refused = refusalBeforeReverse(files, shown, settings))
        return CommandResult::refused(std::move(*refused));
    std::optional<ThermoIndex> database = ThermoIndex::load(inputs.thermoPath);
    if (!database) // every species would seem missing: say what is missing instead
        return CommandResult::refused(databaseUnreadable(inputs.thermoPath));
    SpeciesProvider species(inputs.species, &*database);
    ReversalRequest request = requestWith(settings, inputs.gasConstant);
    request.slots = shown.slots;
    request.aText = shown.forward.A;
    request.nText = shown.forward.n;
    request.eaText = shown.forward.Ea;
    ReactionResult result = reverseAlone(request, shown.patterns, species);
    if (result.outcome.refusal == Refusal::Unreadable)
        result.outcome.detail = shown.parsed.fault;
    const auto at = static_cast<std::size_t>(index);
    const int line = at < inputs.reactionLines.size() ? inputs.reactionLines[at] : 0;
    std::string message = reversalMessage(
        result.outcome, {inputs.thermoPath, inputs.mechanismPath, line, settings.personal});
    if (!result.outcome.fit)
        return CommandResult::refused(std::move(message));
    // An empty work folder is the current one: a mechanism loaded by a bare file name.
    const std::string path = pathInFolder(files.workFolder, texts::TempFileName);
    if (std::optional<std::string> refused = writeReactionTable(path, result))
        return CommandResult::refused(std::move(*refused));
    face.message(std::string(texts::JobDoneTitle),
                 std::string(texts::OutputFileCopiedTo) + files.newLine + path);
    view = {result.reverseTexts[0], result.reverseTexts[1], result.reverseTexts[2],
            result.errorText, calculatedRangeText(result.outcome)};
    return CommandResult::wrote({path}, std::move(message));
}

} // namespace

CommandResult runHeadlessReverse(const LoadedFiles& files, int index, const RunSettings& settings,
                                 const BatchFace& face, ReverseView& view) {
    return guarded([&] { return reverse(files, index, settings, face, view); });
}

} // namespace zorbel
