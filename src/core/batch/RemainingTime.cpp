#include "batch/RemainingTime.h"

#include "batch/BatchTexts.h"
#include "text/NumberText.h"

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

std::string remainingTimeText(double elapsedSeconds, int i, int L) {
    RemainingTime estimate;
    if (i != 0)
        estimate = estimateRemaining(elapsedSeconds, i, L);
    return std::string(texts::RemainingTimeStart) + plainNumber(estimate.minutes) +
           std::string(texts::Minutes) + plainNumber(estimate.seconds) +
           std::string(texts::Seconds);
}

} // namespace zorbel
