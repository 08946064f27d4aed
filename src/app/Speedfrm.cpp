#include "app/Speedfrm.h"

#include "app/AppTexts.h"
#include "files/TextFiles.h"

namespace zorbel {

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
