#include "commands/ThermoCommands.h"

#include "app/AppTexts.h"
#include "app/Session.h"
#include "commands/StaleResults.h"
#include "files/TextFiles.h"
#include "text/NumberText.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoDatabase.h"
#include "thermo/ThermoTexts.h"

#include <exception>

namespace zorbel {

namespace {

constexpr std::size_t coefficientBoxes = 14;

void emptyCoefficientBoxes(REVEQfrm& form) {
    for (std::size_t i = 0; i < coefficientBoxes; ++i)
        form.PropTxt[i].setText({});
}

/// Empties lblerror when it holds a refusal of this tab, which the new load makes stale.
void forgetRefusal(REVEQfrm& form) {
    const std::string& message = form.lblerror.caption();
    if (message.starts_with(texts::RecordRefusedStart) || message.starts_with(texts::TheDatabase) ||
        (message.starts_with(texts::NoSpeciesRecordStart) &&
         message.ends_with(texts::NoSpeciesRecordEnd)))
        form.lblerror.setCaption({});
}

/// What a load does once its file has been read: no database, an empty species panel.
void forgetDatabase(Session& session) {
    REVEQfrm& form = session.form;
    forgetRefusal(form);
    // The last reversal's results came from the database this load replaces.
    forgetResults(session);
    form.LOS1.clear();
    session.common.SpeciesCount = 0;
    for (TextBox* box : {&form.TXT1K, &form.TXT1KH, &form.TXT1KS, &form.TXT1CP, &form.TXT1CPBis,
                         &form.TXT1H, &form.TXT1HBis, &form.TXT1S, &form.TXT1SBis})
        box->setText({});
    form.Lbl8.setCaption({});
    form.Lbl10.setCaption({});
    form.Lbl11.setCaption({});
}

/// A file that is no database, or cannot be read, changes nothing: what was loaded stays,
/// and the refusal is told in lblerror and, in the window, in a box, since lblerror is not
/// on this tab.
CommandResult refuseDatabase(Session& session, std::string message) {
    if (session.loads.warningBox)
        session.platform.showMessage({message, std::string(texts::DatabaseRefusedTitle),
                                      MessageButtons::Ok, MessageIcon::Stop});
    return session.refuse(std::move(message));
}

} // namespace

CommandResult loadDatabase(Session& session) {
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
    const std::optional<std::string> path =
        session.askForFile(texts::ThermoDialogTitle, texts::ThermoDialogFilter);
    if (!path)
        return CommandResult::stopped();
    DatabaseLoad load = loadDatabaseFile(*path);
    if (!load.loaded)
        return refuseDatabase(session, std::move(load.refusal));
    LoadedDatabase& loaded = *load.loaded;
    forgetDatabase(session);
    common.ThermoPath = *path;
    common.ThermoFolder = splitPath(*path).folder;
    form.Lbl1.setCaption(loadedCaption(*path, DatabaseCaptionLimit));
    common.SpeciesCount = static_cast<int>(loaded.species.size());
    form.LOS1.assign(std::move(loaded.species));
    form.List1Nbr.setCaption(countInParentheses(common.SpeciesCount));
    emptyCoefficientBoxes(form);
    session.rememberFile(texts::ThermoDialogTitle, *path);
    // The warning about headers read from their columns: the window shows it in the
    // findings box that follows the load.
    return {Outcome::Done, std::move(loaded.warning), {}};
}

namespace {

/// The temperature and property boxes start empty for every species shown.
void emptyTemperatureBoxes(REVEQfrm& form) {
    form.TXT1K.setText({});
    form.TXT1CPBis.setVisible(false);
    form.TXT1CP.setText({});
    form.TXT1KH.setText({});
    form.TXT1HBis.setVisible(false);
    form.TXT1H.setText({});
    form.TXT1KS.setText({});
    form.TXT1SBis.setVisible(false);
    form.TXT1S.setText({});
}

/// A record that cannot be computed with shows no numbers at all, so that no property is
/// evaluated from it, and lblerror says why.
CommandResult refuseRecord(Session& session, std::string refusal) {
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
    common.TLow.clear();
    common.THigh.clear();
    common.TCommon.clear();
    form.Lbl8.setCaption({});
    form.Lbl10.setCaption({});
    form.Lbl11.setCaption({});
    emptyCoefficientBoxes(form);
    return session.refuse(std::move(refusal));
}

} // namespace

/// Reads the selected species' record from the database file again, so that the boxes
/// show what the file holds now. A species the file no longer holds (or a file that is
/// gone) leaves the previous species' numbers in place.
CommandResult showSpecies(Session& session) {
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
    SpeciesLookup lookup = lookUpSpecies(common.ThermoPath, form.LOS1.selectedText());
    const std::optional<SpeciesRecord>& record = lookup.record;
    CommandResult result;
    if (lookup.found && !record) {
        result = refuseRecord(session, std::move(lookup.refusal));
    } else if (record) {
        forgetRefusal(form);
        common.TLow = record->TLow;
        common.THigh = record->THigh;
        common.TCommon = record->TCommon;
        const RangeTexts labels = rangeTexts(*record);
        form.Lbl8.setCaption(labels.temperatures);
        form.Lbl10.setCaption(labels.highRange);
        form.Lbl11.setCaption(labels.lowRange);
        for (std::size_t i = 0; i < coefficientBoxes; ++i)
            form.PropTxt[i].setText(record->coefficientTexts[i]);
    } else {
        result = CommandResult::refused(std::move(lookup.refusal));
    }
    emptyTemperatureBoxes(form);
    return result;
}

namespace {

Polynomials shownPolynomials(const Session& session) {
    std::array<std::string, coefficientBoxes> coefficientTexts;
    for (std::size_t i = 0; i < coefficientBoxes; ++i)
        coefficientTexts[i] = session.form.PropTxt[i].text();
    const CommonValue& common = session.common;
    return polynomialsFromTexts(common.TLow, common.THigh, common.TCommon, coefficientTexts);
}

bool speciesShown(const REVEQfrm& form) {
    return !form.PropTxt[0].text().empty();
}

void showProperty(Session& session, Property property, const TextBox& temperature, TextBox& mainBox,
                  TextBox& lowerBox) {
    const PropertyDisplay shown =
        displayProperty(shownPolynomials(session), property, temperature.text());
    mainBox.setText(shown.main);
    if (shown.lower) {
        lowerBox.setText(*shown.lower);
        lowerBox.setVisible(true);
    } else {
        lowerBox.setVisible(false);
    }
}

void evaluateH(Session& session) {
    REVEQfrm& form = session.form;
    form.TXT1HBis.setVisible(false);
    if (!speciesShown(form))
        return;
    showProperty(session, Property::H, form.TXT1KH, form.TXT1H, form.TXT1HBis);
}

void evaluateS(Session& session) {
    REVEQfrm& form = session.form;
    form.TXT1SBis.setVisible(false);
    if (!speciesShown(form))
        return;
    showProperty(session, Property::S, form.TXT1KS, form.TXT1S, form.TXT1SBis);
}

} // namespace

CommandResult evaluateCp(Session& session) {
    REVEQfrm& form = session.form;
    form.TXT1CPBis.setVisible(false);
    form.TXT1HBis.setVisible(false);
    if (!speciesShown(form))
        return {};
    showProperty(session, Property::Cp, form.TXT1K, form.TXT1CP, form.TXT1CPBis);
    // One typed temperature gives all three properties.
    form.TXT1KH.setText(form.TXT1K.text());
    form.TXT1KS.setText(form.TXT1K.text());
    return {};
}

void connectThermo(Session& session) {
    REVEQfrm& form = session.form;
    form.CMD1.onClick = [&session] { session.start([&session] { return loadDatabase(session); }); };
    // The reversal commands select species and write temperatures from inside their own
    // run, so these handlers must run then too: handle, not start.
    form.LOS1.onSelect = [&session] {
        session.handle([&session] { return showSpecies(session); });
    };
    form.TXT1K.onChange = [&session] {
        session.handle([&session] { return evaluateCp(session); });
    };
    form.TXT1KH.onChange = [&session] { session.runHandler([&session] { evaluateH(session); }); };
    form.TXT1KS.onChange = [&session] { session.runHandler([&session] { evaluateS(session); }); };
}

} // namespace zorbel
