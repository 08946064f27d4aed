#include "reversal/LawSumStarts.h"

#include "numeric/ExactMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zorbel::lawsum {

namespace {

/// The least-squares law through the points `chosen` with the targets z, in the centred
/// regressors.
Vector lawThrough(const Points& points, const Shape& shape, const std::vector<std::size_t>& chosen,
                  const std::vector<double>& z) {
    const auto k = static_cast<Eigen::Index>(shape.perTerm);
    Matrix A(static_cast<Eigen::Index>(chosen.size()), k);
    Vector b(A.rows());
    for (std::size_t row = 0; row < chosen.size(); ++row) {
        const std::size_t j = chosen[row];
        const auto r = static_cast<Eigen::Index>(row);
        A(r, 0) = 1.0;
        if (shape.perTerm == 3)
            A(r, 1) = points.x[j];
        A(r, k - 1) = points.v[j];
        b[r] = z[row];
    }
    return A.colPivHouseholderQr().solve(b);
}

} // namespace

/// ln(sum) of the first `terms` laws of theta at point j.
double partialSum(const Points& points, const Shape& shape, const Vector& theta, std::size_t terms,
                  std::size_t j) {
    double top = -std::numeric_limits<double>::infinity();
    std::array<double, largestCount> z{};
    for (std::size_t i = 0; i < terms; ++i) {
        z[i] = termValue(theta, shape, i, points.x[j], points.v[j]);
        top = std::max(top, z[i]);
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < terms; ++i)
        sum += exact::exp(z[i] - top);
    return top + exact::log(sum);
}

/// Starting parameters from one law per piece, the pieces ending at `ends` (increasing
/// indices, the last the number of points), taken in the given order: each law after the
/// first is fitted to what the laws before it leave of k over its piece, so that a law
/// that only adds a little where it matters starts where it belongs.
Vector piecewiseStart(const Points& points, const Shape& shape,
                      const std::vector<std::size_t>& ends, bool backwards) {
    Vector theta = Vector::Zero(static_cast<Eigen::Index>(shape.size()));
    const auto k = static_cast<Eigen::Index>(shape.perTerm);
    for (std::size_t i = 0; i < shape.count; ++i) {
        const std::size_t piece = backwards ? shape.count - 1 - i : i;
        const std::size_t from = piece == 0 ? 0 : ends[piece - 1];
        std::vector<std::size_t> chosen, left;
        std::vector<double> z, whole;
        for (std::size_t j = from; j < ends[piece]; ++j) {
            left.push_back(j);
            whole.push_back(points.y[j]);
            const double d = i == 0 ? -std::numeric_limits<double>::infinity()
                                    : partialSum(points, shape, theta, i, j) - points.y[j];
            if (d < -1e-3) {
                chosen.push_back(j);
                z.push_back(points.y[j] + exact::log(-exact::expm1(d)));
            }
        }
        const bool peeled = chosen.size() > shape.perTerm;
        theta.segment(static_cast<Eigen::Index>(i) * k, k) =
            peeled ? lawThrough(points, shape, chosen, z) : lawThrough(points, shape, left, whole);
    }
    return theta;
}

Vector scaledTerm(const LawTerm& term, const Shape& shape, double Tm) {
    Vector t(static_cast<Eigen::Index>(shape.perTerm));
    const double c = term.invT / Tm;
    t[0] = term.lnA + term.n * exact::log(Tm) + c;
    if (shape.perTerm == 3)
        t[1] = term.n;
    t[static_cast<Eigen::Index>(shape.perTerm) - 1] = c;
    return t;
}

/// The sum of one law fewer, with a law added for what it leaves of k where it falls
/// short.
Vector extendedStart(const Points& points, const Shape& shape, const LawSum& fewer) {
    Vector theta = Vector::Zero(static_cast<Eigen::Index>(shape.size()));
    const auto k = static_cast<Eigen::Index>(shape.perTerm);
    for (std::size_t i = 0; i + 1 < shape.count; ++i)
        theta.segment(static_cast<Eigen::Index>(i) * k, k) =
            scaledTerm(fewer.terms[i], shape, points.Tm);
    std::vector<std::size_t> chosen;
    std::vector<double> z;
    for (std::size_t j = 0; j < points.y.size(); ++j) {
        const double d = partialSum(points, shape, theta, shape.count - 1, j) - points.y[j];
        if (d < -1e-3) {
            chosen.push_back(j);
            z.push_back(points.y[j] + exact::log(-exact::expm1(d)));
        }
    }
    if (chosen.size() <= shape.perTerm)
        return {};
    Vector added = lawThrough(points, shape, chosen, z);
    theta.segment(static_cast<Eigen::Index>(shape.count - 1) * k, k) = added;
    return theta;
}

/// Where the pieces of the starts end, as fractions of the points: the laws of a sum may
/// take over from each other anywhere, so the cuts are spread.
constexpr double twoLawCuts[] = {0.5, 0.25, 0.75, 0.9};
constexpr std::array<double, 2> threeLawCuts[] = {{1.0 / 3, 2.0 / 3}, {0.5, 0.85}, {0.15, 0.5}};

/// The piece ends of the starts: pieces cut at the given temperatures, then at spread
/// fractions of the points, each piece holding at least a law's parameters.
std::vector<std::vector<std::size_t>> pieceEnds(const std::vector<double>& temperatures,
                                                const Shape& shape,
                                                const std::vector<double>& splits) {
    const std::size_t m = temperatures.size();
    const auto at = [m](double share) { return static_cast<std::size_t>(share * double(m)); };
    std::vector<std::vector<std::size_t>> starts;
    if (shape.count == 1)
        return {{m}};
    std::vector<std::size_t> cuts;
    for (double split : splits) {
        std::size_t index = 0;
        while (index < m && (temperatures[index] < split) == (temperatures.front() < split))
            ++index;
        cuts.push_back(index);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (std::size_t cut : cuts) {
        if (shape.count == 2)
            starts.push_back({cut, m});
        else
            starts.push_back(cut > m / 2 ? std::vector<std::size_t>{cut / 2, cut, m}
                                         : std::vector<std::size_t>{cut, (cut + m) / 2, m});
    }
    if (shape.count == 2) {
        for (double cut : twoLawCuts)
            starts.push_back({at(cut), m});
    } else {
        for (const std::array<double, 2>& cuts : threeLawCuts)
            starts.push_back({at(cuts[0]), at(cuts[1]), m});
    }
    // Each piece holds at least a law's parameters.
    std::erase_if(starts, [&shape](const std::vector<std::size_t>& ends) {
        std::size_t from = 0;
        for (std::size_t end : ends) {
            if (end < from + shape.perTerm)
                return true;
            from = end;
        }
        return false;
    });
    return starts;
}

} // namespace zorbel::lawsum
