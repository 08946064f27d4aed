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

} // namespace zorbel::texts
