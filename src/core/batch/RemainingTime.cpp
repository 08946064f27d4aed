#include "batch/RemainingTime.h"

#include <cmath>

namespace zorbel {

RemainingTime estimateRemaining(double elapsedSeconds, int i, int L) {
    const double average = elapsedSeconds / i;
    const double remaining = std::nearbyint(average * (L - i + 1));
    RemainingTime time;
    time.minutes = std::floor(remaining / 60.0);
    time.seconds = remaining - 60.0 * time.minutes;
    return time;
}

} // namespace zorbel
