#include "batch/RunSettings.h"

#include "reversal/PointLimits.h"
#include "reversal/ReactionReversal.h"
#include "text/NumberText.h"

namespace zorbel {

ReversalRequest requestWith(const RunSettings& settings, double gasConstant) {
    ReversalRequest request;
    request.points = settings.points;
    request.personal = settings.personal;
    request.reciprocalSpacing = settings.reciprocalSpacing;
    request.law = settings.law;
    request.fit = settings.fit;
    request.gasConstant = gasConstant;
    // A tolerance is on kf/Kc itself, so it takes the thermochemistry at full precision.
    request.exactThermo = settings.exactThermo || settings.tolerance() > 0.0;
    return request;
}

int pointCount(const std::string& text) {
    // The count is checked on the number as typed (2.6 is too few), then rounded.
    const double n = readLeadingNumber(text);
    if (text.empty() || !(n >= MinimumPoints && n <= MaximumPoints))
        return 0;
    return lastPointIndex(text) + 1;
}

} // namespace zorbel
