// The checks before a reversal, as both faces make them: each refusal in its words, and the
// first that applies wins, so that a user who mends one hears of the next.

#include "batch/RunChecks.h"
#include "batch/BatchTexts.h"
#include "reversal/ReversalTexts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zorbel {
namespace {

std::string said(const std::optional<std::string>& refusal) {
    return refusal.value_or("(goes on)");
}

TEST(RunChecks, TheFirstMissingInputIsRefusedInItsWords) {
    const std::string importMechanism(texts::ImportMechanismFirst);
    const struct {
        LoadedCounts loaded;
        std::string refusal;
    } batches[] = {
        {{0, 0, 0, ""}, std::string(texts::ImportDatabaseFirst)},
        {{0, 3, 3, "m.rxn"}, std::string(texts::ImportDatabaseFirst)},
        {{5, 0, 0, ""}, importMechanism},
        // A mechanism read without any reaction is named.
        {{5, 0, 0, "m.rxn"}, importMechanism + " No reaction line was read from m.rxn."},
        {{5, 3, 0, "m.rxn"}, std::string(texts::NothingToReverse)},
        {{5, 3, 3, "m.rxn"}, "(goes on)"},
    };
    for (const auto& c : batches)
        EXPECT_EQ(said(batchRefusal(c.loaded)), c.refusal) << c.loaded.speciesCount;

    const struct {
        int species;
        ShownReaction shown;
        std::string refusal;
    } reverses[] = {
        {0, {true, true}, std::string(texts::ImportDatabaseFirst)},
        {4, {true, true}, std::string(texts::SelectReactionFirst)},
        {4, {false, true}, std::string(texts::IrreversibleWarning)},
        {4, {false, false}, "(goes on)"},
    };
    for (const auto& c : reverses)
        EXPECT_EQ(said(reverseRefusal(c.species, c.shown)), c.refusal);

    // Reverse Selected wants two reactions at least; its box's lines end as the face's.
    EXPECT_EQ(said(selectionRefusal(1, "|")),
              std::string(texts::SelectMore) + "|" + std::string(texts::ToUseButton));
    EXPECT_EQ(said(selectionRefusal(2, "|")), "(goes on)");
}

TEST(RunChecks, PointsAreRefusedOutsideThreeToTenThousandAsTyped) {
    const std::string refused(texts::EnterPointsNumber);
    const struct {
        const char* typed;
        bool goesOn;
    } cases[] = {{"", false},     {"2", false},     {"2.6", false}, {"3", true},
                 {"10000", true}, {"10001", false}, {"-5", false},  {"x", false}};
    for (const auto& c : cases)
        EXPECT_EQ(said(pointsRefusal(c.typed)), c.goesOn ? "(goes on)" : refused) << c.typed;
}

} // namespace
} // namespace zorbel
