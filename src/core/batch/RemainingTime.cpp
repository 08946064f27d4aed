#include "batch/RemainingTime.h"

#include <cmath>

namespace zorbel {

int stepDuration(int startSecond, int endSecond) {
    const int difference = endSecond - startSecond;
    return difference < 0 ? difference + 60 : difference;
}

RemainingTime estimateRemaining(long long elapsedSeconds, int i, int L) {
    const double average = static_cast<double>(elapsedSeconds) / i;
    const double remaining = std::nearbyint(average * (L - i));
    RemainingTime time;
    time.minutes = std::floor(remaining / 60.0);
    time.seconds = remaining - 60.0 * time.minutes;
    return time;
}

} // namespace zorbel
