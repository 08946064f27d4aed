#pragma once
// The remaining-time estimate of a Reverse All run, from whole-second clock readings.

namespace zorbel {

struct RemainingTime {
    double minutes = 0.0;
    double seconds = 0.0;
};

/// The duration of a step from two second-of-minute readings, modulo one minute.
int stepDuration(int startSecond, int endSecond);

/// The estimate made at the start of step i (i >= 1) of a run whose last step is L, from
/// the total duration of steps 0 to i-1 [s], which the run keeps as it goes: their average
/// times the steps after the current one, rounded half to even.
RemainingTime estimateRemaining(long long elapsedSeconds, int i, int L);

} // namespace zorbel
