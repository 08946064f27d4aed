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

} // namespace

unsigned runThreads(const RunSettings& settings) {
    if (settings.threads > 0)
        return static_cast<unsigned>(settings.threads);
    return std::max(1U, std::thread::hardware_concurrency());
}

ReversalRun::ReversalRun(std::vector<std::string> parseTexts, const RunSettings& settings,
                         double gasConstant, RunStart start, SpeciesProvider& species)
    : parseTexts_(std::move(parseTexts)), settings_(requestWith(settings, gasConstant)),
      start_(std::move(start)), species_(species) {
    const unsigned threads = runThreads(settings);
    if (threads <= 1 || parseTexts_.empty())
        return;
    try {
        ahead_ = std::make_unique<OrderedParallel<ReactionResult>>(
            parseTexts_.size(), threads, aheadPerThread * threads, [this](std::size_t k) {
                return computeReaction(parseTexts_[k], settings_, start_.patterns, nullptr,
                                       species_, start_.kept);
            });
    } catch (const std::system_error&) {
        ahead_.reset(); // no thread to be had: each reaction is computed when it is taken
    }
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
        result = computeReaction(parseTexts_[k], settings_, start_.patterns, &start_.previous,
                                 species_, start_.kept);
    if (result.parsed.coefficientsRead)
        start_.previous = {result.parsed.AText, result.parsed.NText, result.parsed.EaText};
    return result;
}

} // namespace zorbel
