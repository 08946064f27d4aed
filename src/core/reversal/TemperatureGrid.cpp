#include "reversal/TemperatureGrid.h"

#include "text/NumberText.h"

#include <cmath>
#include <limits>

namespace zorbel {

namespace {
constexpr double noLimitsMark = 10000.0;
}

TemperatureRange detectRange(const std::array<SlotLimits, 6>& slots) {
    double cold = 0.0;
    double hot = noLimitsMark;
    std::string coldText = plainNumber(cold);
    std::string hotText = plainNumber(hot);
    // A limit equal to the mark is skipped like the mark itself: it could not move the
    // hot end anyway, and it keeps the two kinds of slot indistinguishable.
    for (const SlotLimits& slot : slots) {
        if (slot.noLimits)
            continue;
        const double low = readLeadingNumber(slot.low);
        if (low != noLimitsMark && cold <= low) {
            cold = low;
            coldText = slot.low;
        }
    }
    for (const SlotLimits& slot : slots) {
        if (slot.noLimits)
            continue;
        const double high = readLeadingNumber(slot.high);
        if (high != noLimitsMark && hot >= high) {
            hot = high;
            hotText = slot.high;
        }
    }
    return {plainNumber(readLeadingNumber(coldText)), plainNumber(readLeadingNumber(hotText)),
            false, false};
}

RangeWarning applyPersonalRange(TemperatureRange& range, const PersonalRange& personal) {
    if (!personal.use)
        return RangeWarning::None;
    const double c = readLeadingNumber(range.cold);
    const double h = readLeadingNumber(range.hot);
    const double uc = readLeadingNumber(personal.cold);
    const double uh = readLeadingNumber(personal.hot);
    if (uh == uc || uc > uh || (uh > h && uc < c))
        return RangeWarning::NotSuitable;
    RangeWarning warning = RangeWarning::None;
    if (uc >= c) {
        range.cold = plainNumber(uc);
        range.coldPersonal = true;
    } else {
        warning = RangeWarning::ColdIgnored;
    }
    if (uh <= h) {
        range.hot = plainNumber(uh);
        range.hotPersonal = true;
    } else {
        warning = RangeWarning::HotIgnored;
    }
    return warning;
}

std::vector<double> makeGrid(const TemperatureRange& range, int points, bool reciprocal) {
    const int last = points - 1;
    std::vector<double> grid(static_cast<size_t>(points));
    const double cold = readLeadingNumber(range.cold);
    const double hot = readLeadingNumber(range.hot);
    const auto at = [](int i) { return static_cast<size_t>(i); };
    if (reciprocal) {
        std::vector<double> u(static_cast<size_t>(points));
        u[0] = 1.0 / hot;
        u[at(last)] = 1.0 / cold;
        for (int i = 1; i < last; ++i)
            u[at(i)] = u[at(i - 1)] + (u[at(last)] - u[0]) / last;
        for (int i = 0; i <= last; ++i)
            grid[at(i)] = 1.0 / u[at(last - i)];
    } else {
        grid[0] = cold;
        grid[at(last)] = hot;
        for (int i = 1; i < last; ++i)
            grid[at(i)] = grid[at(i - 1)] + (grid[at(last)] - grid[0]) / last;
    }
    return grid;
}

int lastPointIndex(const std::string& pointsText) {
    const double last = std::nearbyint(readLeadingNumber(pointsText) - 1.0);
    // The points box may hold anything while a batch runs (the user is typing in it): a
    // number no count can be made of gives no point at all, which the reversal refuses.
    if (!(last >= -1.0 && last < static_cast<double>(std::numeric_limits<int>::max())))
        return -1;
    return static_cast<int>(last);
}

} // namespace zorbel
