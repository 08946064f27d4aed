#include "mechanism/ParsedReaction.h"
#include "support/SessionFixture.h"

#include <set>

namespace zorbel {
namespace {

using ExampleMechanism = testing::SessionFixture;

// The example is read by newcomers and by the README's commands: every reaction must
// cut cleanly and name only the example database's species, save the one reaction that
// is there to show a missing species.
TEST_F(ExampleMechanism, LoadsAndCutsWithTheExampleSpecies) {
    loadMechanism((testing::examples() / "example.rxn").string());
    ASSERT_EQ(common.ReactionCount, 13);
    const std::set<std::string> known = {"AR", "CH3", "CH4",  "CO",  "CO2", "H",
                                         "H2", "H2O", "H2O2", "HCO", "HO2", "N2",
                                         "O",  "O2",  "OH",   "M",   "(M)", "///"};
    int unknownSlots = 0;
    int irreversible = 0;
    for (const std::string& entry : form.LOS2.entries()) {
        SCOPED_TRACE(entry);
        const ParsedReaction parsed = parseReaction(entry);
        EXPECT_FALSE(parsed.Failed);
        irreversible += parsed.Irreversible ? 1 : 0;
        for (const std::string& slot : parsed.Slots)
            unknownSlots += known.count(slot) == 0 ? 1 : 0;
    }
    EXPECT_EQ(unknownSlots, 1); // C2H6
    EXPECT_EQ(irreversible, 1);

    form.LOS2.select(0);
    EXPECT_EQ(common.AFormat, "0.000E+00");
    EXPECT_EQ(common.NFormat, "0.000");
    EXPECT_EQ(common.EaFormat, "0.0");
}

} // namespace
} // namespace zorbel
