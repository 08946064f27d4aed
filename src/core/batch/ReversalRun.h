#pragma once
// A run of reversals: the reactions of a list in, one typed result per reaction out, in
// the list's order whatever the number of threads. The run owns its threads, carries the
// state one reaction hands to the next (the number patterns chosen before it started, the
// forward texts of the reaction before) and stops when asked.

#include "batch/BatchReaction.h"
#include "batch/OrderedParallel.h"
#include "batch/RunSettings.h"
#include "mechanism/ReactionBlocks.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace zorbel {

class SpeciesProvider;

/// How a run starts: the texts its first reaction may inherit, the number patterns its
/// coefficients are written in, and what of each reaction's series its results keep (the
/// window keeps the results grid's columns, to show the last reactions' there).
struct RunStart {
    CoefficientPatterns patterns;
    ForwardTexts previous;
    /// The kind of each reaction, in the run's order, when the file says: under a
    /// tolerance the reverse of the reaction line's law may be a sum unless the reaction is
    /// a PLOG one (its pressures are summed each on its own) or of a form not reversed.
    /// Empty: every reaction's may.
    std::vector<ReactionKind> kinds;
    /// By reaction: a member of a DUPLICATE group (a reaction beyond its end is none).
    std::vector<bool> duplicate;
    /// What the results keep of their series (the window's last reactions keep the grid).
    SeriesKept kept = SeriesKept::None;
};

class ReversalRun {
public:
    /// Starts computing `parseTexts` (the reactions as the parser reads them) ahead on
    /// the settings' threads. `species` must outlive the run.
    ReversalRun(std::vector<std::string> parseTexts, const RunSettings& settings,
                double gasConstant, RunStart start, SpeciesProvider& species);
    ~ReversalRun();
    ReversalRun(const ReversalRun&) = delete;
    ReversalRun& operator=(const ReversalRun&) = delete;

    std::size_t size() const { return parseTexts_.size(); }
    /// The result of the next reaction, waiting for the threads; taken 0, 1, 2...
    ReactionResult next();
    /// Stops the threads; nothing is taken after.
    void stop();

    const ReversalRequest& settings() const { return settings_; }
    const CoefficientPatterns& patterns() const { return start_.patterns; }

private:
    /// Reaction k of the run, its reverse law held to the tolerance.
    ReactionResult compute(std::size_t k, const ForwardTexts* previous);

    std::vector<std::string> parseTexts_;
    double tolerance_ = 0.0;
    ReversalRequest settings_;
    RunStart start_;
    SpeciesProvider& species_;
    std::size_t taken_ = 0;
    bool duplicate(std::size_t k) const {
        return k < start_.duplicate.size() && start_.duplicate[k];
    }
    /// Last: its threads end before anything they read goes.
    std::unique_ptr<OrderedParallel<ReactionResult>> ahead_;
};

/// The threads a run computes on: the settings', or one per core.
unsigned runThreads(const RunSettings& settings);

} // namespace zorbel
