#include "app/Speedfrm.h"

#include "app/AppTexts.h"
#include "files/TextFiles.h"
#include "numeric/ExactMath.h"
#include "reversal/ReactionReversal.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace zorbel {

Speedfrm::Row chartRow(const std::string& temperature, const std::string& lnKr, double c0,
                       double c1, double c2) {
    const double T = readLeadingNumber(temperature);
    const std::string x = generalNumber(exact::pow(T, -1.0) * 1000.0);
    return {x, lnKr, x, generalNumber(c0 + c1 * exact::log(T) + c2 / T), temperature};
}

Speedfrm reversalChart(std::string reaction, const ReversalOutcome& outcome) {
    Speedfrm chart;
    chart.reaction = std::move(reaction);
    if (!outcome.fit)
        return chart;
    const FitResult& fit = *outcome.fit;
    const ReactionSeries& series = outcome.series;
    const std::size_t points = std::min(series.T.size(), series.lnKr.size());
    chart.rows.reserve(points);
    for (std::size_t i = 0; i < points; ++i)
        chart.rows.push_back(chartRow(generalNumber(series.T[i]), generalNumber(series.lnKr[i]),
                                      fit.FitLnA, fit.FitN, fit.FitInvT));
    return chart;
}

std::vector<std::string> chartTable(const Speedfrm& chart) {
    std::vector<std::string> lines;
    lines.reserve(chart.rows.size() + 1);
    lines.emplace_back(texts::ChartTableHeader);
    for (const Speedfrm::Row& row : chart.rows)
        lines.push_back(row.T + "," + row.x1 + "," + row.y1 + "," + row.y2);
    return lines;
}

bool saveChartTable(const Speedfrm& chart, const std::string& path) {
    return writeLines(path, chartTable(chart));
}

} // namespace zorbel
