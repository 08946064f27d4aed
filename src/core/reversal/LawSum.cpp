#include "reversal/LawSum.h"

#include "numeric/ExactMath.h"
#include "reversal/LawSumStarts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zorbel {

using namespace lawsum;

namespace {

/// Points the search works on: ln k is smooth between the species' common temperatures, so
/// a fraction of a fine grid places the laws as well as all of it, at a fraction of the cost.
/// The full grid then judges the sum, and its worst points join the search when it misses.
constexpr std::size_t searchPoints = 48;
constexpr int stages = 5;
constexpr int iterationsPerStage = 10;
/// A step moves no parameter further than this at once (the parameters are of order one).
constexpr double largestStep = 8.0;
/// A start still this far behind the best of the others after two stages seldom overtakes
/// it: its later, finer stages are not run.
constexpr double behindRival = 1.3;

void addPoint(Points& points, double T, double lnK) {
    points.x.push_back(exact::log(T / points.Tm));
    points.v.push_back(points.Tm / T - 1.0);
    points.y.push_back(lnK);
}

/// The errors ln(sum) - ln k at the points and, when asked, their derivatives; false when
/// one is not finite.
bool evaluate(const Points& points, const Shape& shape, const Vector& theta, std::vector<double>& r,
              Matrix* J) {
    const std::size_t m = points.y.size();
    r.resize(m);
    if (J != nullptr)
        J->resize(static_cast<Eigen::Index>(m), static_cast<Eigen::Index>(shape.size()));
    std::array<double, largestCount> z{};
    for (std::size_t j = 0; j < m; ++j) {
        double top = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < shape.count; ++i) {
            z[i] = termValue(theta, shape, i, points.x[j], points.v[j]);
            top = std::max(top, z[i]);
        }
        double sum = 0.0;
        for (std::size_t i = 0; i < shape.count; ++i) {
            z[i] = exact::exp(z[i] - top);
            sum += z[i];
        }
        r[j] = top + exact::log(sum) - points.y[j];
        if (!std::isfinite(r[j]))
            return false;
        if (J == nullptr)
            continue;
        const auto row = static_cast<Eigen::Index>(j);
        for (std::size_t i = 0; i < shape.count; ++i) {
            const double share = z[i] / sum;
            const auto k = static_cast<Eigen::Index>(i * shape.perTerm);
            (*J)(row, k) = share;
            if (shape.perTerm == 3)
                (*J)(row, k + 1) = share * points.x[j];
            (*J)(row, k + static_cast<Eigen::Index>(shape.perTerm) - 1) = share * points.v[j];
        }
    }
    return true;
}

double largestOf(const std::vector<double>& r) {
    double largest = 0.0;
    for (double e : r)
        largest = std::max(largest, std::fabs(e));
    return largest;
}

/// A smooth maximum of |r|: mu ln(sum of exp(r/mu) + exp(-r/mu)), never below max |r| and
/// above it by mu ln(2m) at most. `g` and `s` receive the weights of its derivatives.
double smoothMaximum(const std::vector<double>& r, double mu, std::vector<double>* g,
                     std::vector<double>* s) {
    // Terms below exp(-40) of the largest change nothing in a double: their exponentials,
    // most of them once mu is small, are not taken.
    constexpr double negligible = -40.0;
    const double top = largestOf(r);
    const auto weight = [top, mu](double e) {
        const double x = (e - top) / mu;
        return x < negligible ? 0.0 : exact::exp(x);
    };
    if (g != nullptr) {
        g->resize(r.size());
        s->resize(r.size());
    }
    double z = 0.0;
    for (std::size_t j = 0; j < r.size(); ++j) {
        const double up = weight(r[j]);
        const double down = weight(-r[j]);
        z += up + down;
        if (g != nullptr) {
            (*g)[j] = up - down;
            (*s)[j] = up + down;
        }
    }
    if (g != nullptr) {
        for (std::size_t j = 0; j < r.size(); ++j) {
            (*g)[j] /= z;
            (*s)[j] /= z;
        }
    }
    return top + mu * exact::log(z);
}

/// One stage: damped Gauss-Newton on the smooth maximum of smoothing mu, from theta, with
/// a trust region on the step. Where the errors all have one sign the smooth maximum is
/// nearly linear in the parameters, and its Gauss-Newton model has no curvature to stop a
/// step: the region does. Returns the largest error at the parameters it ends with.
double descend(const Points& points, const Shape& shape, double mu, Vector& theta) {
    // A trial step's errors come with their derivatives: an accepted step needs them next,
    // and most steps are accepted.
    std::vector<double> r, g, s, trial, trialG, trialS;
    Matrix J, trialJ;
    if (!evaluate(points, shape, theta, r, &J))
        return std::numeric_limits<double>::infinity();
    double value = smoothMaximum(r, mu, &g, &s);
    double damping = 1e-3;
    double radius = 1.0;
    for (int iteration = 0; iteration < iterationsPerStage; ++iteration) {
        const Vector G = J.transpose() * Eigen::Map<const Vector>(g.data(), J.rows());
        const Matrix weighted = Eigen::Map<const Vector>(s.data(), J.rows()).asDiagonal() * J;
        const Matrix H = (J.transpose() * weighted - G * G.transpose()) / mu;
        const double scale = std::max(H.diagonal().maxCoeff(), 1e-300);
        bool accepted = false;
        for (int attempt = 0; attempt < 10 && !accepted; ++attempt) {
            Matrix A = H;
            A.diagonal() += damping * H.diagonal() + Vector::Constant(H.rows(), 1e-12 * scale);
            Vector step = A.ldlt().solve(-G);
            const double longest = step.cwiseAbs().maxCoeff();
            if (!std::isfinite(longest)) {
                damping *= 10.0;
                continue;
            }
            step *= std::min(1.0, radius / longest); // within the trusted radius
            const Vector next = theta + step;
            double nextValue = std::numeric_limits<double>::infinity();
            if (evaluate(points, shape, next, trial, &trialJ))
                nextValue = smoothMaximum(trial, mu, &trialG, &trialS);
            if (!(nextValue < value)) {
                damping *= 4.0;
                radius = std::min(radius, longest) / 4.0;
                continue;
            }
            accepted = true;
            const double gain = value - nextValue;
            theta = next;
            value = nextValue;
            damping = std::max(damping / 3.0, 1e-9);
            radius = std::min(2.0 * radius, largestStep);
            r.swap(trial);
            J.swap(trialJ);
            g.swap(trialG);
            s.swap(trialS);
            if (gain < 1e-9 * mu)
                return largestOf(r);
        }
        if (!accepted)
            break;
    }
    return largestOf(r);
}

/// The stages from theta, smoothing from a share of its largest error down, until the
/// largest error is `enough` or, past the second stage, it lies too far behind `rival`, the
/// largest error of another start; the best parameters met on the way, by their largest
/// error at the points.
double search(const Points& points, const Shape& shape, Vector& theta, double firstShare,
              double enough, double rival = std::numeric_limits<double>::infinity()) {
    std::vector<double> r;
    if (!evaluate(points, shape, theta, r, nullptr))
        return std::numeric_limits<double>::infinity();
    double best = largestOf(r);
    Vector bestTheta = theta;
    double mu = best * firstShare;
    for (int stage = 0; stage < stages && mu > 0.0 && best > enough; ++stage) {
        const double largest = descend(points, shape, mu, theta);
        if (!std::isfinite(largest))
            break;
        if (largest < best) {
            best = largest;
            bestTheta = theta;
        }
        mu = std::min(mu, best) / 4.0;
        if (stage >= 1 && best > behindRival * rival)
            break;
    }
    theta = bestTheta;
    return best;
}

LawTerm termOf(const Vector& theta, const Shape& shape, std::size_t i, double Tm) {
    const auto k = static_cast<Eigen::Index>(i * shape.perTerm);
    LawTerm term;
    term.n = shape.perTerm == 3 ? theta[k + 1] : 0.0;
    const double c = theta[k + static_cast<Eigen::Index>(shape.perTerm) - 1];
    term.lnA = theta[k] - term.n * exact::log(Tm) - c;
    term.invT = c * Tm;
    return term;
}

LawSum sumOf(const Vector& theta, const Shape& shape, double Tm, const std::vector<double>& T,
             const std::vector<double>& lnK, std::size_t& worst) {
    LawSum sum;
    for (std::size_t i = 0; i < shape.count; ++i)
        sum.terms.push_back(termOf(theta, shape, i, Tm));
    worst = 0;
    for (std::size_t j = 0; j < T.size(); ++j) {
        const double e = std::fabs(lnLawSum(sum.terms, T[j]) - lnK[j]);
        if (!(e <= sum.largest)) {
            sum.largest = e;
            worst = j;
        }
    }
    return sum;
}

std::vector<std::size_t> searchIndices(const std::vector<double>& T,
                                       const std::vector<double>& splits) {
    const std::size_t n = T.size();
    std::vector<std::size_t> chosen;
    if (n <= searchPoints) {
        for (std::size_t j = 0; j < n; ++j)
            chosen.push_back(j);
        return chosen;
    }
    for (std::size_t i = 0; i < searchPoints; ++i)
        chosen.push_back((i * (n - 1) + (searchPoints - 1) / 2) / (searchPoints - 1));
    // Both sides of a common temperature, where ln k may jump.
    for (std::size_t j = 0; j + 1 < n; ++j) {
        for (double split : splits) {
            if ((T[j] < split) != (T[j + 1] < split)) {
                chosen.push_back(j);
                chosen.push_back(j + 1);
            }
        }
    }
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    return chosen;
}

} // namespace

double lnLawSum(const std::vector<LawTerm>& terms, double T) {
    double top = -std::numeric_limits<double>::infinity();
    std::array<double, largestCount> z{};
    const double lnT = exact::log(T);
    for (std::size_t i = 0; i < terms.size() && i < largestCount; ++i) {
        z[i] = terms[i].lnA + terms[i].n * lnT + terms[i].invT / T;
        top = std::max(top, z[i]);
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < terms.size() && i < largestCount; ++i)
        sum += exact::exp(z[i] - top);
    return top + exact::log(sum);
}

namespace {

/// The search over its points: the best parameters of the starts tried so far.
struct Search {
    Points points;
    Shape shape;
    double enough = 0.0;
    Vector best;
    double bestLargest = std::numeric_limits<double>::infinity();

    void from(Vector theta) {
        if (theta.size() == 0 || bestLargest <= enough)
            return;
        // Once a start holds twice `enough` (the tolerance itself, as the caller sets it),
        // the others race it; until then each runs its course, since the sum must hold.
        const double rival =
            bestLargest <= 2.0 * enough ? bestLargest : std::numeric_limits<double>::infinity();
        const double largest = search(points, shape, theta, 0.25, enough, rival);
        if (largest < bestLargest) {
            bestLargest = largest;
            best = std::move(theta);
        }
    }

    /// The fewer laws as they are, with a law added for what they leave of k, and with a
    /// faint copy of their last: a sum no worse than theirs.
    void fromFewer(const LawSum& fewer) {
        from(extendedStart(points, shape, fewer));
        std::vector<LawTerm> faint = fewer.terms;
        faint.push_back(faint.back());
        faint.back().lnA -= 12.0;
        Vector theta(static_cast<Eigen::Index>(shape.size()));
        for (std::size_t i = 0; i < shape.count; ++i)
            theta.segment(static_cast<Eigen::Index>(i * shape.perTerm),
                          static_cast<Eigen::Index>(shape.perTerm)) =
                scaledTerm(faint[i], shape, points.Tm);
        from(theta);
    }
};

bool fittable(const std::vector<double>& T, const std::vector<double>& lnK, const Shape& shape) {
    if (shape.count < 1 || shape.count > largestCount || T.size() != lnK.size() ||
        T.size() < shape.size())
        return false;
    for (std::size_t j = 0; j < T.size(); ++j) {
        if (!(T[j] > 0.0) || !std::isfinite(T[j]) || !std::isfinite(lnK[j]))
            return false;
    }
    return true;
}

} // namespace

std::optional<LawSum> fitLawSum(const std::vector<double>& T, const std::vector<double>& lnK,
                                RateLaw law, std::size_t count, const std::vector<double>& splits,
                                const LawSum* fewer, double enough) {
    Search run;
    run.shape = {count, law == RateLaw::Arrhenius ? std::size_t{2} : std::size_t{3}};
    run.enough = enough;
    if (!fittable(T, lnK, run.shape))
        return std::nullopt;
    const auto [coldest, hottest] = std::minmax_element(T.begin(), T.end());
    run.points.Tm = std::sqrt(*coldest * *hottest);
    std::vector<double> searchT;
    for (std::size_t j : searchIndices(T, splits)) {
        addPoint(run.points, T[j], lnK[j]);
        searchT.push_back(T[j]);
    }
    if (fewer != nullptr && fewer->terms.size() + 1 == count)
        run.fromFewer(*fewer);
    for (const std::vector<std::size_t>& ends : pieceEnds(searchT, run.shape, splits)) {
        run.from(piecewiseStart(run.points, run.shape, ends, false));
        if (count > 1)
            run.from(piecewiseStart(run.points, run.shape, ends, true));
    }
    if (run.best.size() == 0)
        return std::nullopt;

    // The full grid judges; where it finds the sum further off than the search did, its
    // worst point joins the search.
    std::size_t worst = 0;
    LawSum result = sumOf(run.best, run.shape, run.points.Tm, T, lnK, worst);
    for (int round = 0;
         round < 4 && result.largest > 1.02 * run.bestLargest && result.largest > enough; ++round) {
        addPoint(run.points, T[worst], lnK[worst]);
        Vector theta = run.best;
        run.bestLargest = search(run.points, run.shape, theta, 1.0 / 16.0, enough);
        LawSum next = sumOf(theta, run.shape, run.points.Tm, T, lnK, worst);
        if (next.largest < result.largest) {
            result = std::move(next);
            run.best = theta;
        }
    }
    return result;
}

} // namespace zorbel
