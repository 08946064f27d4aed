#include "batch/RemainingTime.h"

#include <cmath>

namespace zorbel {

int stepDuration(int startSecond, int endSecond) {
    const int difference = endSecond - startSecond;
    return difference < 0 ? difference + 60 : difference;
}

RemainingTime estimateRemaining(const std::vector<int>& durations, int i, int L) {
    double sum = 0.0;
    for (int k = 0; k <= i; ++k)
        sum += durations[static_cast<size_t>(k)];
    const double average = sum / i;
    const double remaining = std::nearbyint(average * (L - i));
    RemainingTime time;
    time.minutes = std::floor(remaining / 60.0);
    time.seconds = remaining - 60.0 * time.minutes;
    return time;
}

} // namespace zorbel
