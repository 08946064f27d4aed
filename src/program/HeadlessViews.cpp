#include "program/Headless.h"

#include "files/TextFiles.h"
#include "mechanism/MechanismTexts.h"
#include "program/FaceTexts.h"
#include "text/ChemkinKeywords.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoDatabase.h"
#include "thermo/ThermoTexts.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <vector>

namespace zorbel {

namespace {

/// A message of the window, whose lines end as the window's, one line per line.
std::string asLines(std::string text, const std::string& newLine) {
    for (std::size_t at = text.find(newLine); !newLine.empty() && at != std::string::npos;
         at = text.find(newLine, at + 1))
        text.replace(at, newLine.size(), "\n");
    return text;
}

CommandResult panelOf(const LoadedFiles& files, int index, ReactionView& view) {
    const BatchInputs& inputs = files.inputs;
    const ParsedReaction parsed = parseReaction(inputs.listed[static_cast<std::size_t>(index)]);
    const PanelMarks marks = panelMarks(parsed);
    view.slotShown = marks.slotShown;
    view.plusShown = marks.plusShown;
    view.arrow = std::string(texts::ReversibleArrow);
    if (parsed.coefficientsRead) {
        const CoefficientPatterns chosen =
            choosePatterns(parsed.AText, parsed.NText, parsed.EaText);
        view.patterns = {chosen.AFormat, chosen.NFormat, chosen.EaFormat};
        view.A = parsed.AText;
        view.n = parsed.NText;
        view.Ea = parsed.EaText;
    }
    if (parsed.Failed) {
        // Every box stays visible so that the six "NER" marks show.
        view.slots.fill(std::string(texts::FailedSlotMark));
        const auto at = static_cast<std::size_t>(index);
        const int line = at < inputs.reactionLines.size() ? inputs.reactionLines[at] : 0;
        const std::string message =
            parseFailedText(inputs.mechanismPath, line, files.newLine, parsed.fault);
        view.message = asLines(message, files.newLine);
        return {Outcome::Done, message, {}};
    }
    view.slots = parsed.Slots;
    if (parsed.Irreversible)
        view.arrow = std::string(texts::IrreversibleArrow);
    return {};
}

} // namespace

namespace {

CommandResult speciesOf(const std::string& thermoPath, const std::string& name, SpeciesView& view) {
    // The file is read again, so that the view shows what it holds now.
    SpeciesLookup lookup = lookUpSpecies(thermoPath, name);
    if (!lookup.record)
        return CommandResult::refused(std::move(lookup.refusal));
    const std::optional<SpeciesRecord>& record = lookup.record;
    view.name = name;
    std::copy(record->coefficientTexts.begin(), record->coefficientTexts.end(),
              view.coefficients.begin());
    view.TLow = record->TLow;
    view.THigh = record->THigh;
    view.TCommon = record->TCommon;
    const RangeTexts labels = rangeTexts(*record);
    view.temperatures = labels.temperatures;
    view.highRange = labels.highRange;
    view.lowRange = labels.lowRange;
    return {};
}

} // namespace

CommandResult showHeadlessSpecies(const std::string& thermoPath, const std::string& name,
                                  SpeciesView& view) {
    return guarded([&] { return speciesOf(thermoPath, name, view); });
}

PropertiesView evaluateHeadless(const SpeciesView& shown, const std::string& temperature) {
    PropertiesView view;
    view.temperature = temperature;
    // An empty box stays as it was: nothing is evaluated.
    if (temperature.empty())
        return view;
    const Polynomials p =
        polynomialsFromTexts(shown.TLow, shown.THigh, shown.TCommon, shown.coefficients);
    const auto property = [&](Property which) {
        const PropertyDisplay display = displayProperty(p, which, temperature);
        return PropertyView{display.main, display.lower};
    };
    view.Cp = property(Property::Cp);
    view.H = property(Property::H);
    view.S = property(Property::S);
    return view;
}

ReversalFiles reversalFilesOf(const LoadedFiles& files) {
    return {files.inputs.thermoPath, files.inputs.mechanismPath, files.publishedMechanismPath,
            files.comparisonPath, files.workFolder};
}

CommandResult guarded(const std::function<CommandResult()>& command) {
    try {
        return command();
    } catch (const std::exception& fault) {
        return CommandResult::refused(std::string(texts::UnexpectedFault) + fault.what());
    } catch (...) {
        return CommandResult::refused(std::string(texts::UnexpectedFault));
    }
}

CommandResult showHeadlessReaction(const LoadedFiles& files, int index, ReactionView& view) {
    return guarded([&] { return panelOf(files, index, view); });
}

} // namespace zorbel
