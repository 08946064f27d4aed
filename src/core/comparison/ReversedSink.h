#pragma once
// The comparison's output of a run: the reactions it asked for, each cut into the cells
// its working table reads, in the run's order.

#include "batch/RunSinks.h"
#include "comparison/Annotation.h"

#include <vector>

namespace zorbel {

class ReversedReactionsSink : public ResultSink {
public:
    void take(const SinkEntry& entry) override {
        reactions.push_back(reversedReaction(entry.lines));
    }
    std::vector<ReversedReaction> reactions;
};

} // namespace zorbel
