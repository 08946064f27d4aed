// A batch computes its reactions on several threads and writes them in order: the files
// must be those of one thread, byte for byte, whatever the settings.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "program/Program.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace zorbel {
namespace {

namespace fs = std::filesystem;
using testing::readFile;

/// 300 reactions among the example species with made-up coefficients: some irreversible,
/// some with a third body, some naming a species the database lacks (XX).
std::string generatedMechanism() {
    const std::vector<std::string> species = {"H",  "O",   "OH",  "H2",  "O2", "H2O", "HO2",
                                              "CO", "CO2", "CH3", "CH4", "M",  "XX"};
    std::mt19937 random(19);
    std::uniform_int_distribution<std::size_t> pick(0, species.size() - 1);
    std::uniform_int_distribution<int> size(1, 3);
    std::uniform_real_distribution<double> logA(8.0, 16.0), n(-2.0, 3.0), Ea(-2000.0, 60000.0);
    std::string text = "REACTIONS\n";
    for (int r = 0; r < 300; ++r) {
        for (int side = 0; side < 2; ++side) {
            for (int i = size(random); i > 0; --i)
                text += species[pick(random)] + (i > 1 ? "+" : "");
            if (side == 0)
                text += r % 17 == 0 ? "=>" : "<=>";
        }
        char numbers[80];
        std::snprintf(numbers, sizeof numbers, " %.3E %.3f %.1f\n", std::pow(10.0, logA(random)),
                      n(random), Ea(random));
        text += numbers;
    }
    return text;
}

struct BatchCase {
    fs::path thermo;
    fs::path mechanism;
    bool arrhenius;
    bool reciprocal;
    bool patterns; ///< a reaction shown first fixes the number patterns
    bool personal; ///< a personal range of 250 to 3000 K
    int threads;   ///< 0: one per core
    bool selected; ///< Reverse Selected (every other reaction) instead of Reverse All
};

std::string reversedFile(const BatchCase& c, const fs::path& folder) {
    ScriptedPlatform platform;
    Session session(platform);
    connectCommands(session);
    platform.fixedClock = DateTime{2026, 1, 1, 0, 0, 0};
    platform.fileAnswers = {c.thermo.string(), c.mechanism.string()};
    REVEQfrm& form = session.form;
    form.CMD1.click();
    form.CMD2.click();
    session.common.WorkFolder = folder.string() + "/";
    session.batchThreads = c.threads;
    (c.arrhenius ? form.Option1 : form.Option2).setSelected(true);
    form.Chk2.setChecked(c.reciprocal);
    form.Chk1.setChecked(c.personal);
    form.Cold2txt.setText("250");
    form.Hot2txt.setText("3000");
    if (c.patterns)
        form.LOS2.select(1);
    form.LOS2.clearSelection();
    if (!c.selected) {
        form.CMD4.click();
        return readFile(folder / "RevAll.txt");
    }
    for (int i = 0; i < form.LOS2.count(); i += 2)
        form.LOS2.setSelected(i, true);
    form.CMD5.click();
    return readFile(folder / "RevSelected.txt");
}

TEST(BatchThreads, FilesAreThoseOfOneThread) {
    testing::TempFolder folder;
    const fs::path generated = folder.path() / "generated.rxn";
    std::FILE* file = std::fopen(generated.string().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const std::string mechanism = generatedMechanism();
    std::fwrite(mechanism.data(), 1, mechanism.size(), file);
    std::fclose(file);
    const fs::path gri = testing::sharedData() / "gri30";
    std::vector<std::pair<fs::path, fs::path>> inputs = {
        {testing::examples() / "example.therm", generated}};
    if (fs::exists(gri))
        inputs.emplace_back(gri / "thermo30.dat", gri / "mech-clean.rxn");
    for (const auto& [thermo, reactions] : inputs) {
        for (int setting = 0; setting < 16; ++setting) {
            BatchCase c{thermo,
                        reactions,
                        (setting & 1) != 0,
                        (setting & 2) != 0,
                        (setting & 4) != 0,
                        (setting & 8) != 0,
                        1,
                        false};
            c.selected = c.personal && c.patterns;
            SCOPED_TRACE(reactions.string() + " setting " + std::to_string(setting));
            const std::string one = reversedFile(c, folder.path());
            ASSERT_GT(one.size(), 1000U);
            for (int threads : {0, 3}) {
                c.threads = threads;
                EXPECT_EQ(reversedFile(c, folder.path()), one) << threads << " threads";
            }
        }
    }
    if (!fs::exists(gri))
        GTEST_SKIP() << "shared CHEMKIN data not present: the generated mechanism only";
}

} // namespace
} // namespace zorbel
