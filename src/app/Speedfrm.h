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
    };
    std::vector<Row> rows;
};

} // namespace zorbel
