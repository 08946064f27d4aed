#include "commands/MechanismCommands.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "commands/StaleResults.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismLoad.h"
#include "mechanism/MechanismTexts.h"
#include "mechanism/ParsedReaction.h"
#include "text/NumberText.h"

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
LoadAnswer askUser(Session& session, const std::string& text) {
    switch (session.platform.showMessage({text, std::string(texts::CleanQuestionTitle),
                                          MessageButtons::YesNoCancel, MessageIcon::Question})) {
    case MessageAnswer::Yes:
        return LoadAnswer::Yes;
    case MessageAnswer::Cancel:
        return LoadAnswer::Cancel;
    default:
        return LoadAnswer::No;
    }
}

/// The end of a load: the previous mechanism forgotten, the file's reaction lines listed.
CommandResult listReactions(Session& session, LoadedMechanism& loaded) {
    forgetMechanism(session);
    CommonValue& common = session.common;
    REVEQfrm& form = session.form;
    common.MechanismPath = loaded.path;
    common.WorkFolder = splitPath(loaded.path).folder;
    form.Lbl2.setCaption(loadedCaption(loaded.path, MechanismCaptionLimit));
    common.ReactionLines = std::move(loaded.reactionLines);
    common.ReactionCount = static_cast<int>(loaded.entries.size());
    form.LOS2.assign(std::move(loaded.entries));
    form.List2Nbr.setCaption(countInParentheses(common.ReactionCount));
    if (loaded.cleanedSummary.empty())
        return {};
    if (session.loads.clean == CleanOnLoad::Ask)
        session.showJobDone(loaded.cleanedSummary);
    return CommandResult::wrote({loaded.path}, loaded.cleanedSummary);
}

} // namespace

CommandResult loadMechanism(Session& session) {
    const std::optional<std::string> path =
        session.askForFile(texts::MechanismDialogTitle, texts::MechanismDialogFilter);
    if (!path)
        return CommandResult::stopped();
    const MechanismLoadRule rule{
        session.loads.clean, session.loads.replaceCleanFile,
        [&session](const std::string& text) { return askUser(session, text); },
        session.common.ThermoPath};
    MechanismLoadOutcome load = loadMechanismFile(*path, rule);
    if (load.cancelled)
        return CommandResult::stopped();
    if (!load.loaded)
        return session.refuse(std::move(load.refusal));
    CommandResult listed = listReactions(session, *load.loaded);
    session.rememberFile(texts::MechanismDialogTitle, *path);
    if (load.loaded->path != *path)
        session.common.PublishedMechanismPath = *path;
    return listed;
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
    const PanelMarks marks = panelMarks(parsed);
    for (int slot = 0; slot < slotCount; ++slot) {
        if (!marks.slotShown[static_cast<std::size_t>(slot)])
            slotBox(form, slot).setVisible(false);
    }
    for (std::size_t plus = 0; plus < marks.plusShown.size(); ++plus)
        form.PlusLbl[plus].setVisible(marks.plusShown[plus]);
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
