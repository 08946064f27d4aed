#pragma once
// The settings of a run as one value: what the General Settings tab holds, what the
// command line's options give. Every reaction of a run is reversed with the same.

#include "reversal/ArrheniusFit.h"
#include "reversal/TemperatureGrid.h"

#include <string>

namespace zorbel {

struct ReversalRequest;

struct RunSettings {
    /// Points of the grid. A reversal refuses a count outside 3 to 10000; 0 stands for a
    /// text that gives no count (see pointCount).
    int points = 50;
    RateLaw law = RateLaw::ModifiedArrhenius;
    /// Least squares on ln k, or the law of smallest largest error, for every fitted law.
    FitKind fit = FitKind::LeastSquares;
    /// Equal steps in 1/T; otherwise in T.
    bool reciprocalSpacing = true;
    PersonalRange personal;
    /// S/R and H/RT at full double precision instead of their four-digit texts.
    bool exactThermo = false;
    /// The reversed mechanism holds every line of the mechanism file, falloff and PLOG
    /// reactions as irreversible pairs; otherwise the reaction lines alone.
    bool wholeMechanism = false;
    /// The largest error of a reverse rate [%] in the whole mechanism: a law that misses it
    /// is written as the law of the smallest largest error or as a sum of laws. 0 for none.
    double maxError = 0.0;
    /// The tolerance the run holds, as a fraction: 0 without the whole mechanism.
    double tolerance() const { return wholeMechanism && maxError > 0.0 ? maxError / 100.0 : 0.0; }
    /// The threads a batch computes its reactions on; 0 for one per core. The files are
    /// the same whatever the number.
    int threads = 0;
    /// Where a batch writes its report, one row per reaction; empty for none.
    std::string reportPath;
    bool operator==(const RunSettings&) const = default;
};

/// A request with the settings' fields filled in, and no reaction yet.
ReversalRequest requestWith(const RunSettings& settings, double gasConstant);

/// The number of points a typed text gives: 0 when it gives none, or one outside 3 to
/// 10000 (the text is then refused before anything is computed).
int pointCount(const std::string& text);

/// R [cal/(mol K)] as the reversals of both faces take it: in single precision, as the
/// program always held it, so that the files keep their digits.
inline constexpr float RunGasConstant = 1.9872F;

} // namespace zorbel
