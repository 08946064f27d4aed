#pragma once
// Texts the desktop window shows besides those of the window models: the chart window's.
// Each text stands here once.

#include "app/AppTexts.h"

#include <string_view>

namespace zorbel::texts {

inline constexpr std::string_view ChartCaption = "Rate constant...";
inline constexpr std::string_view ComputedSeries = "CHEMKIN Guide";
inline constexpr std::string_view FittedSeries = "Zorbel Fit";
inline constexpr std::string_view ChartXTitle = "1000 K /T";
inline constexpr std::string_view ChartYTitle = "Ln(Kr)";
// What each series is, after its name in the legend.
inline constexpr std::string_view ComputedSeriesNote = ": ln(kf/Kc) computed at each point";
inline constexpr std::string_view FittedSeriesNote = ": the fitted reverse law";
inline constexpr std::string_view ChartSaveCaption = "&Save...";
inline constexpr std::string_view ChartSaveTitle = "Save the chart";
inline constexpr std::string_view ChartSaveFilters =
    "PNG picture (*.png);;SVG drawing (*.svg);;CSV table (*.csv)";
inline constexpr std::string_view ChartNotSaved = "The chart could not be saved as ";
// The fit's error against the computed points, on the chart's second axis.
inline constexpr std::string_view ErrorSeries = "Fit error";
inline constexpr std::string_view ErrorSeriesNote = ": fitted / computed - 1";
inline constexpr std::string_view ChartErrorTitle = "Relative error (%)";

// The results window of a batch run.
inline constexpr std::string_view ResultsTitle = "Results of the run";
inline constexpr std::string_view ResultsOutcomeLabel = "&Outcome:";
inline constexpr std::string_view ResultsAllOutcomes = "all";
inline constexpr std::string_view ResultsSpeciesLabel = "S&pecies:";
inline constexpr std::string_view ResultsAnySpecies = "any species";
inline constexpr std::string_view ResultsCountOf = " of ";
inline constexpr std::string_view ResultsCountEnd = " reactions shown";
inline constexpr std::string_view ResultsHint =
    "Click a column's title to sort by it; double-click a reversed reaction for its chart.";
inline constexpr std::string_view ResultsExportCaption = "&Export CSV...";
inline constexpr std::string_view ResultsExportTitle = "Export the results shown";
inline constexpr std::string_view ResultsExportFilter = "CSV table (*.csv)";
inline constexpr std::string_view ResultsNotExported = "The results could not be saved as ";

inline constexpr std::string_view HelpWindowTitle = "Zorbel help";

// The menu bar.
inline constexpr std::string_view MenuFile = "&File"; // mnemonics apart from the buttons' own
inline constexpr std::string_view MenuLoadDatabase = "Load &Thermodynamic Database...";
inline constexpr std::string_view MenuLoadMechanism = "Load &Mechanism...";
inline constexpr std::string_view MenuLoadComparison = "Load &Comparison File...";
inline constexpr std::string_view MenuRecentFiles = "&Recent Files";
inline constexpr std::string_view MenuNoRecentFiles = "(none yet)";
inline constexpr std::string_view MenuQuit = QuitCaption; // the button's own
inline constexpr std::string_view MenuTools = "T&ools";
inline constexpr std::string_view MenuSearch = "&Search a Reaction...";
inline constexpr std::string_view MenuReverse = CMD3Caption;         // the button's own
inline constexpr std::string_view MenuReverseAll = CMD4Caption;      // the button's own
inline constexpr std::string_view MenuReverseSelected = CMD5Caption; // the button's own
inline constexpr std::string_view MenuHelp = "He&lp";
inline constexpr std::string_view MenuHelpPage = HelpCaption; // the button's own
inline constexpr std::string_view MenuHelpOnline = "Help on the &Web";
inline constexpr std::string_view MenuAbout = "&About";

} // namespace zorbel::texts
