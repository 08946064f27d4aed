#pragma once
// The pieces a sum of laws is searched with: the centred points, the parameters of the
// laws, and the starts of the search. Used by LawSum.cpp alone.

#include "reversal/LawSum.h"

#include <Eigen/Dense>

#include <cstddef>
#include <vector>

namespace zorbel::lawsum {

inline constexpr std::size_t largestCount = 3;

using Vector = Eigen::VectorXd;
using Matrix = Eigen::MatrixXd;

/// The regressors of the search, centred on a middle temperature so that the normal matrix
/// stays well conditioned: x = ln(T / Tm), v = Tm / T - 1.
struct Points {
    double Tm = 0.0;
    std::vector<double> x, v, y;
};

struct Shape {
    std::size_t count = 1;
    std::size_t perTerm = 3; ///< 2 or 3 parameters a law
    std::size_t size() const { return count * perTerm; }
};

inline double termValue(const Vector& theta, const Shape& shape, std::size_t i, double x,
                        double v) {
    const std::size_t k = i * shape.perTerm;
    const double n = shape.perTerm == 3 ? theta[static_cast<Eigen::Index>(k + 1)] : 0.0;
    return theta[static_cast<Eigen::Index>(k)] + n * x +
           theta[static_cast<Eigen::Index>(k + shape.perTerm - 1)] * v;
}

/// ln(sum) of the first `terms` laws of theta at point j.
double partialSum(const Points& points, const Shape& shape, const Vector& theta, std::size_t terms,
                  std::size_t j);

/// A law of a sum in the centred parameters of the search.
Vector scaledTerm(const LawTerm& term, const Shape& shape, double Tm);

/// Starting parameters from one law per piece, the pieces ending at `ends` (increasing
/// indices, the last the number of points), taken in the given order: each law after the
/// first is fitted to what the laws before it leave of k over its piece, so that a law
/// that only adds a little where it matters starts where it belongs.
Vector piecewiseStart(const Points& points, const Shape& shape,
                      const std::vector<std::size_t>& ends, bool backwards);

/// The sum of one law fewer, with a law added for what it leaves of k where it falls
/// short; empty when it nowhere falls short.
Vector extendedStart(const Points& points, const Shape& shape, const LawSum& fewer);

/// The piece ends of the starts: pieces cut at the given temperatures, then at spread
/// fractions of the points, each piece holding at least a law's parameters.
std::vector<std::vector<std::size_t>> pieceEnds(const std::vector<double>& temperatures,
                                                const Shape& shape,
                                                const std::vector<double>& splits);

} // namespace zorbel::lawsum
