#pragma once
// The temperature range over which a reverse law is fitted, and its grid.

#include <array>
#include <string>
#include <vector>

namespace zorbel {

/// A slot's temperature limit: the species' limit text (plain number form), or the
/// no-limits mark of empty and third-body slots.
struct SlotLimits {
    bool noLimits = true;
    std::string low;  ///< e.g. " 300"
    std::string high; ///< e.g. " 5000"
};

/// The ends of the range: their texts in the plain number form, as the files write them.
struct TemperatureRange {
    std::string cold = " 0";
    std::string hot = " 10000";
    bool coldPersonal = false; ///< each end: taken from the personal range
    bool hotPersonal = false;
};

enum class RangeWarning { None, NotSuitable, ColdIgnored, HotIgnored };

struct PersonalRange {
    bool use = false;
    std::string cold; ///< as typed
    std::string hot;
    bool operator==(const PersonalRange&) const = default;
};

/// The largest lower limit and the smallest upper limit of the slots, never above
/// 10000 K. On a tie the later slot's text is taken.
TemperatureRange detectRange(const std::array<SlotLimits, 6>& slots);

/// Narrows a detected range to the user's own when the rules allow it. At most one
/// warning results; the range then keeps the detected end(s).
RangeWarning applyPersonalRange(TemperatureRange& range, const PersonalRange& personal);

/// N points from the cold end to the hot end, both included, equally spaced in 1/T
/// (reciprocal) or in T, laid by running sums. Ends are read from the range texts.
std::vector<double> makeGrid(const TemperatureRange& range, int points, bool reciprocal);

/// The number of points as the points box gives it, minus one: the highest point index;
/// -1 for a text that gives no number of points at all (negative, or beyond any count).
int lastPointIndex(const std::string& pointsText);

} // namespace zorbel
