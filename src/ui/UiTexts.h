#pragma once
// Texts the desktop window shows besides those of the window models: the chart window's.
// Each text stands here once.

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

} // namespace zorbel::texts
