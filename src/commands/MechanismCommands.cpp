#include "commands/MechanismCommands.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "commands/OutputClash.h"
#include "commands/StaleResults.h"
#include "files/TextFiles.h"
#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismCleaner.h"
#include "mechanism/MechanismFile.h"
#include "mechanism/MechanismLayout.h"
#include "mechanism/MechanismTexts.h"
#include "mechanism/ParsedReaction.h"
#include "text/NumberText.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace zorbel {

namespace {

constexpr int slotCount = static_cast<int>(SlotCount);
constexpr int lastPanelBox = REVEQfrm::ReverseEa;

TextBox& slotBox(REVEQfrm& form, int slot) {
    return form.PropTxt[static_cast<std::size_t>(REVEQfrm::FirstSlot + slot)];
}

TextBox& box(REVEQfrm& form, int index) {
    return form.PropTxt[static_cast<std::size_t>(index)];
}

bool isEmptySlot(const TextBox& slot) {
    return slot.text() == texts::EmptySlotMark;
}

/// What a load does once its file has been read: no mechanism, an empty panel.
void forgetMechanism(Session& session) {
    REVEQfrm& form = session.form;
    forgetResults(session);
    session.panelFromBatch = false;
    // A refused load left its reason there; this load makes it stale.
    const std::string& message = form.lblerror.caption();
    if (message.starts_with(texts::RunPelluxFirst) || message.starts_with(texts::TheMechanismFile))
        form.lblerror.setCaption({});
    form.LOS2.clear();
    form.Templbl.setCaption({});
    for (int index = REVEQfrm::FirstSlot; index <= lastPanelBox; ++index) {
        box(form, index).setText({});
        box(form, index).setBackground(Colour::Window);
    }
    slotBox(form, 0).setVisible(true);
    slotBox(form, slotCount - 1).setVisible(true);
    form.List2Nbr.setCaption(std::string(texts::ZeroCount));
    session.find.LOS2copy.clear();
    session.common.ReactionCount = 0;
    session.common.ReactionLines.clear();
    session.common.PublishedMechanismPath.clear();
    form.Lbl2.setCaption({});
}

/// The refusal of a file without the exact REACTIONS line, with the file and the line
/// that comes closest.
std::string noReactionsLine(const std::string& path, const std::vector<std::string>& lines) {
    std::string message = std::string(texts::RunPelluxFirst) + " " + path;
    if (const std::size_t loose = looseReactionsLine(lines); loose != 0)
        message += std::string(texts::ReactionsLineAt) + std::to_string(loose) +
                   std::string(texts::ReactionsLineReads) + lines[loose - 1] +
                   std::string(texts::ReactionsLineNot);
    else
        message += texts::NoReactionsLine;
    return message + std::string(texts::ReactionsAlone);
}

std::optional<std::vector<std::string>> readMechanismLines(const std::string& path) {
    try {
        return readLines(path);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void choosePatternsOnce(CommonValue& common, const ParsedReaction& parsed) {
    const CoefficientPatterns chosen = choosePatterns(parsed.AText, parsed.NText, parsed.EaText);
    // A text that fits no rule leaves its pattern as it was: empty for the whole run.
    if (!chosen.AFormat.empty())
        common.AFormat = chosen.AFormat;
    if (!chosen.NFormat.empty())
        common.NFormat = chosen.NFormat;
    if (!chosen.EaFormat.empty())
        common.EaFormat = chosen.EaFormat;
    common.FormatsChosen = 1;
}

std::string parseFailedMessage(const CommonValue& common, int listIndex, std::string_view fault) {
    int line = 0;
    if (listIndex >= 0 && static_cast<std::size_t>(listIndex) < common.ReactionLines.size())
        line = common.ReactionLines[static_cast<std::size_t>(listIndex)];
    return parseFailedText(common.MechanismPath, line, common.NewLine, fault);
}

/// Asked before anything changes: Cancel leaves the loaded mechanism as it was.
MessageAnswer askUser(Session& session, std::string text) {
    return session.platform.showMessage({std::move(text), std::string(texts::CleanQuestionTitle),
                                         MessageButtons::YesNoCancel, MessageIcon::Question});
}

bool fileStands(const std::string& path) {
    std::error_code error;
    return std::filesystem::symlink_status(filePath(path), error).type() !=
           std::filesystem::file_type::not_found;
}

/// What cleaning on load did: the end of the load (refused, or cancelled by the user), or
/// the summary of a clean file written.
struct Cleaning {
    std::optional<CommandResult> end;
    std::string summary;
};

/// Cleans the lines into the clean file; `path` and `lines` become the clean file's.
Cleaning writeCleanFile(Session& session, const std::string& cleanPath, std::string& path,
                        std::vector<std::string>& lines) {
    Cleaning cleaning;
    cleaning.end = refuseClash(
        session, {{texts::RoleMechanism, path}, {texts::RoleDatabase, session.common.ThermoPath}},
        {{texts::RoleCleanedMechanism, cleanPath, texts::CleanFileHint}});
    if (cleaning.end)
        return cleaning;
    CleanedMechanism cleaned = cleanMechanism(lines);
    if (!cleaned.cleaned()) {
        cleaning.end = session.refuse(cleanRefusal(path, cleaned.refusal));
    } else if (!writeLines(cleanPath, cleaned.lines)) {
        cleaning.end = session.refuse(writeRefusal(cleanPath, texts::CleanOutputUnwritable));
    } else {
        cleaning.summary = cleanSummary(cleaned, cleanPath);
        path = cleanPath;
        lines = std::move(cleaned.lines);
    }
    return cleaning;
}

/// A mechanism not in the layout is cleaned into NAME-clean.inp beside it, and that file
/// loaded instead, when the load policy says so or the user agrees. An existing clean file
/// is replaced only when allowed or agreed; otherwise the user may load it as it stands.
Cleaning cleanOnLoad(Session& session, std::string& path, std::vector<std::string>& lines) {
    const LoadPolicy& policy = session.loads;
    if (policy.clean == CleanOnLoad::Never || !layoutProblem(lines))
        return {};
    const std::string cleanPath = cleanFilePath(path);
    const std::string cleanName = splitPath(cleanPath).fileName;
    const bool asking = policy.clean == CleanOnLoad::Ask;
    if (asking) {
        const MessageAnswer clean =
            askUser(session, std::string(texts::CleanQuestionStart) + cleanName +
                                 std::string(texts::CleanQuestionEnd));
        if (clean == MessageAnswer::Cancel)
            return {CommandResult::stopped(), {}};
        if (clean != MessageAnswer::Yes)
            return {};
    }
    if (fileStands(cleanPath) && !policy.replaceCleanFile) {
        if (!asking)
            return {session.refuse(std::string(texts::CleanFileExists) + cleanPath), {}};
        const MessageAnswer replace =
            askUser(session, cleanName + std::string(texts::ReplaceCleanFileEnd));
        if (replace == MessageAnswer::Cancel)
            return {CommandResult::stopped(), {}};
        if (replace != MessageAnswer::Yes) {
            std::optional<std::vector<std::string>> existing = readMechanismLines(cleanPath);
            if (!existing)
                return {session.refuse(couldNotBeRead(texts::TheMechanismFile, cleanPath)), {}};
            path = cleanPath;
            lines = std::move(*existing);
            return {};
        }
    }
    return writeCleanFile(session, cleanPath, path, lines);
}

/// The end of a load: the previous mechanism forgotten, the file's reaction lines listed.
CommandResult listReactions(Session& session, const std::string& path,
                            std::vector<std::string> lines, const std::string& cleanedSummary) {
    std::vector<int> reactionLines;
    std::optional<std::vector<std::string>> entries =
        reactionEntries(std::move(lines), &reactionLines);
    if (!entries) // the caller checked the REACTIONS line
        return session.refuse(noReactionsLine(path, {}));
    forgetMechanism(session);
    CommonValue& common = session.common;
    REVEQfrm& form = session.form;
    common.MechanismPath = path;
    common.WorkFolder = splitPath(path).folder;
    form.Lbl2.setCaption(loadedCaption(path, MechanismCaptionLimit));
    common.ReactionLines = std::move(reactionLines);
    common.ReactionCount = static_cast<int>(entries->size());
    form.LOS2.assign(std::move(*entries));
    form.List2Nbr.setCaption(countInParentheses(common.ReactionCount));
    if (cleanedSummary.empty())
        return {};
    if (session.loads.clean == CleanOnLoad::Ask)
        session.showJobDone(cleanedSummary);
    return CommandResult::wrote({path}, cleanedSummary);
}

} // namespace

CommandResult loadMechanism(Session& session) {
    std::optional<std::string> path =
        session.askForFile(texts::MechanismDialogTitle, texts::MechanismDialogFilter);
    if (!path)
        return CommandResult::stopped();
    const std::string chosen = *path;
    std::optional<std::vector<std::string>> lines = readMechanismLines(*path);
    if (!lines)
        return session.refuse(couldNotBeRead(texts::TheMechanismFile, *path));
    const Cleaning cleaning = cleanOnLoad(session, *path, *lines);
    if (cleaning.end)
        return *cleaning.end;
    if (!hasReactionsLine(*lines))
        return session.refuse(noReactionsLine(*path, *lines));
    CommandResult listed = listReactions(session, *path, std::move(*lines), cleaning.summary);
    if (listed.done()) {
        session.rememberFile(texts::MechanismDialogTitle, chosen);
        if (*path != chosen)
            session.common.PublishedMechanismPath = chosen;
    }
    return listed;
}

std::string parseFailedText(const std::string& mechanismPath, int line, const std::string& newLine,
                            std::string_view fault) {
    std::string message = std::string(texts::ParseFailedFirstLine) + newLine +
                          std::string(texts::ParseFailedSecondLine);
    if (line <= 0)
        return message;
    return message + newLine + std::string(texts::ReactionLineStart) + std::to_string(line) +
           std::string(texts::ReactionLineOf) + mechanismPath +
           std::string(texts::ReactionLineEnd) + std::string(fault) + ".";
}

std::string importMechanismFirst(const std::string& mechanismPath) {
    std::string text(texts::ImportMechanismFirst);
    if (!mechanismPath.empty())
        text += std::string(texts::NoReactionReadFrom) + mechanismPath + ".";
    return text;
}

namespace {

/// Starts from a clean panel: the reversal may have marked slots yellow or pink and the
/// previous reaction may have hidden some boxes.
void clearReactionPanel(REVEQfrm& form) {
    form.lblerror.setCaption({});
    for (int slot = 0; slot < slotCount; ++slot) {
        slotBox(form, slot).setBackground(Colour::Window);
        slotBox(form, slot).setVisible(true);
    }
    for (Label& plusSign : form.PlusLbl)
        plusSign.setVisible(true);
    form.EgalLbl.setCaption(std::string(texts::ReversibleArrow));
}

/// The six species, the arrow, and the plus signs between the species shown.
void showSlots(REVEQfrm& form, const ParsedReaction& parsed) {
    for (int slot = 0; slot < slotCount; ++slot)
        slotBox(form, slot).setText(parsed.Slots[static_cast<std::size_t>(slot)]);
    if (parsed.Irreversible)
        form.EgalLbl.setCaption(std::string(texts::IrreversibleArrow));
    for (int slot = 0; slot < slotCount; ++slot) {
        if (isEmptySlot(slotBox(form, slot)))
            slotBox(form, slot).setVisible(false);
    }
    // A plus sign goes with the species it stands before on the reactant side, after on
    // the product side: reactants fill their last slots, products their first.
    form.PlusLbl[0].setVisible(!isEmptySlot(slotBox(form, 0)));
    form.PlusLbl[1].setVisible(!isEmptySlot(slotBox(form, 1)));
    form.PlusLbl[2].setVisible(!isEmptySlot(slotBox(form, 4)));
    form.PlusLbl[3].setVisible(!isEmptySlot(slotBox(form, 5)));
}

} // namespace

void publishReaction(Session& session, const ParsedReaction& parsed, bool userSelection) {
    REVEQfrm& form = session.form;
    clearReactionPanel(form);
    session.panelFromBatch = !userSelection;
    if (parsed.coefficientsRead) {
        if (userSelection && session.common.FormatsChosen == 0)
            choosePatternsOnce(session.common, parsed);
        box(form, REVEQfrm::ForwardA).setText(parsed.AText);
        box(form, REVEQfrm::ForwardN).setText(parsed.NText);
        box(form, REVEQfrm::ForwardEa).setText(parsed.EaText);
    }
    if (!parsed.Failed) {
        showSlots(form, parsed);
        return;
    }
    // Every box stays visible so that the six "NER" marks show.
    for (int slot = 0; slot < slotCount; ++slot)
        slotBox(form, slot).setText(std::string(texts::FailedSlotMark));
    if (userSelection)
        form.lblerror.setCaption(
            parseFailedMessage(session.common, form.LOS2.currentIndex(), parsed.fault));
}

CommandResult showReaction(Session& session) {
    REVEQfrm& form = session.form;
    // The reverse coefficients, S and the range shown were another reaction's.
    forgetResults(session);
    const std::string entry = form.LOS2.selectedText();
    if (entry.empty())
        return {};
    const ParsedReaction parsed = parseReaction(entry);
    publishReaction(session, parsed, true);
    if (parsed.Failed)
        return {Outcome::Done, form.lblerror.caption(), {}};
    return {};
}

void parseForBatch(Session& session) {
    const std::string entry = session.form.LOS4.selectedText();
    if (entry.empty())
        return;
    publishReaction(session, parseReaction(entry), false);
}

void connectMechanism(Session& session) {
    REVEQfrm& form = session.form;
    form.CMD2.onClick = [&session] {
        session.start([&session] { return loadMechanism(session); });
    };
    form.LOS2.onSelect = [&session] {
        session.start([&session] { return showReaction(session); });
    };
    // The batch runs select in LOS4 while they hold the window: their parse must run.
    form.LOS4.onSelect = [&session] { session.runHandler([&session] { parseForBatch(session); }); };
}

} // namespace zorbel
