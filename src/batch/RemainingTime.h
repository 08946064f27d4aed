#pragma once
// The remaining-time estimate of a Reverse All run, from whole-second clock readings.

#include <vector>

namespace zorbel {

struct RemainingTime {
    double minutes = 0.0;
    double seconds = 0.0;
};

/// The duration of a step from two second-of-minute readings, modulo one minute.
int stepDuration(int startSecond, int endSecond);

/// The estimate made at the start of step i (i >= 1) of a run whose last step is L:
/// durations[0..i] hold the durations of steps 0 to i-1 (durations[0] is 0); their
/// average times the steps after the current one, rounded half to even.
RemainingTime estimateRemaining(const std::vector<int>& durations, int i, int L);

} // namespace zorbel
