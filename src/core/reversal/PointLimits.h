#pragma once
// How many temperature points a reversal may lay: the points box is checked against
// these, and the computation refuses a grid outside them.

namespace zorbel {

inline constexpr int MinimumPoints = 3;
inline constexpr int MaximumPoints = 10000;

} // namespace zorbel
