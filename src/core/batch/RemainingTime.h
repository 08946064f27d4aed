#pragma once
// The remaining-time estimate of a Reverse All run.

#include <string>

namespace zorbel {

struct RemainingTime {
    double minutes = 0.0;
    double seconds = 0.0;
};

/// The estimate made at the start of step i (1 <= i <= L) of a run whose last step is L,
/// from the time steps 0 to i-1 took [s], measured on a clock finer than a second: their
/// average times the steps still to run, the current one included, rounded to whole
/// seconds half to even. (Whole-second readings made steps shorter than a second count as
/// nothing, and the estimate read "0min 0s" while minutes remained.)
RemainingTime estimateRemaining(double elapsedSeconds, int i, int L);

/// The label's text at the start of step i of a run whose last step is L: no estimate at
/// step 0.
std::string remainingTimeText(double elapsedSeconds, int i, int L);

} // namespace zorbel
