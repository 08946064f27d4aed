#include "batch/ReversalRun.h"

#include "reversal/ReactionReversal.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace zorbel {

namespace {

/// Results computed ahead per thread: enough to keep the threads busy while the caller
/// writes, few enough that memory does not follow the number of reactions.
constexpr std::size_t aheadPerThread = 32;
/// Readers sum DUPLICATE reactions of any number, but past three laws a sum follows kf/Kc
/// no better than the polynomials themselves are known.
constexpr std::size_t largestSumTerms = 3;

} // namespace

unsigned runThreads(const RunSettings& settings) {
    if (settings.threads > 0)
        return static_cast<unsigned>(settings.threads);
    return std::max(1U, std::thread::hardware_concurrency());
}

ReversalRun::ReversalRun(std::vector<std::string> parseTexts, const RunSettings& settings,
                         double gasConstant, RunStart start, SpeciesProvider& species)
    : parseTexts_(std::move(parseTexts)), tolerance_(settings.tolerance()),
      settings_(requestWith(settings, gasConstant)), start_(std::move(start)), species_(species) {
    const unsigned threads = runThreads(settings);
    if (threads <= 1 || parseTexts_.empty())
        return;
    try {
        ahead_ = std::make_unique<OrderedParallel<ReactionResult>>(
            parseTexts_.size(), threads, aheadPerThread * threads,
            [this](std::size_t k) { return compute(k, nullptr); });
    } catch (const std::system_error&) {
        ahead_.reset(); // no thread to be had: each reaction is computed when it is taken
    }
}

ReactionResult ReversalRun::compute(std::size_t k, const ForwardTexts* previous) {
    ReactionResult result = computeReaction(parseTexts_[k], settings_, start_.patterns, previous,
                                            species_, duplicate(k), start_.kept);
    // A PLOG reaction's rate is in its PLOG/ lines, each summed on its own; the reaction line's
    // law of any other kind is a rate, or a falloff's limit whose sum the other limit follows.
    const bool summable = k >= start_.kinds.size() || (start_.kinds[k] != ReactionKind::Plog &&
                                                       start_.kinds[k] != ReactionKind::Other);
    holdTolerance(result, start_.patterns, tolerance_, summable ? largestSumTerms : 1, species_);
    return result;
}

ReversalRun::~ReversalRun() {
    stop();
}

void ReversalRun::stop() {
    ahead_.reset();
    taken_ = parseTexts_.size();
}

ReactionResult ReversalRun::next() {
    ReactionResult result;
    if (taken_ >= parseTexts_.size())
        return result; // stopped, or every reaction taken
    const std::size_t k = taken_++;
    if (ahead_)
        result = ahead_->takeNext();
    // A line whose coefficients could not be cut takes the texts of the one before it,
    // which only the run, taking them in order, knows.
    if (!result.computed)
        result = compute(k, &start_.previous);
    if (result.parsed.coefficientsRead)
        start_.previous = {result.parsed.AText, result.parsed.NText, result.parsed.EaText};
    return result;
}

} // namespace zorbel
