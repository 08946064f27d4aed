#pragma once
// The chart window's content: ln kr against 1000 K/T, computed points and fitted law.

#include <string>
#include <vector>

namespace zorbel {

struct Speedfrm {
    struct Row {
        std::string x1; ///< 1000 / T
        std::string y1; ///< ln kr as the results grid holds it
        std::string x2; ///< 1000 / T
        std::string y2; ///< the fitted law at T
        std::string T;  ///< the temperature [K] as the results grid holds it
    };
    /// The equation of the reaction reversed, as its line writes it.
    std::string reaction;
    /// Where the window's Save dialog opens before any chart was saved: the mechanism's
    /// folder, or empty for the default one.
    std::string folder;
    std::vector<Row> rows;
};

/// The chart's table as comma-separated values: a header, then per point T, 1000/T, ln kr
/// computed and ln kr fitted, in the texts the chart draws.
std::vector<std::string> chartTable(const Speedfrm& chart);

/// Writes chartTable into a file, replaced whole or left as it was (false).
bool saveChartTable(const Speedfrm& chart, const std::string& path);

} // namespace zorbel
