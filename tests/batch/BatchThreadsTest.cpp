// A batch computes its reactions on several threads and writes them in order: the files
// must be those of one thread, byte for byte, whatever the settings.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "commands/Program.h"
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

/// The file a batch writes, `setting` bits choosing: the Arrhenius law, equal steps in
/// 1/T, a reaction shown first (it fixes the number patterns), a personal range of 250 to
/// 3000 K; with both of the last two, Reverse Selected over every other reaction.
std::string reversedFile(const fs::path& thermo, const fs::path& mechanism, int setting,
                         int threads, const fs::path& folder) {
    ScriptedPlatform platform;
    Session session(platform);
    connectCommands(session);
    platform.fixedClock = DateTime{2026, 1, 1, 0, 0, 0};
    platform.fileAnswers = {thermo.string(), mechanism.string()};
    REVEQfrm& form = session.form;
    form.CMD1.click();
    form.CMD2.click();
    session.common.WorkFolder = folder.string() + "/";
    session.batchThreads = threads;
    ((setting & 1) != 0 ? form.Option1 : form.Option2).setSelected(true);
    form.Chk2.setChecked((setting & 2) != 0);
    form.Chk1.setChecked((setting & 8) != 0);
    form.Cold2txt.setText("250");
    form.Hot2txt.setText("3000");
    if ((setting & 4) != 0)
        form.LOS2.select(1);
    form.LOS2.clearSelection();
    if ((setting & 12) != 12) {
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
    const fs::path gri = testing::sharedData() / "gri30";
    std::vector<std::pair<fs::path, fs::path>> inputs = {
        {testing::examples() / "example.therm",
         folder.write("generated.rxn", generatedMechanism())}};
    if (fs::exists(gri))
        inputs.emplace_back(gri / "thermo30.dat", gri / "mech-clean.rxn");
    for (const auto& [thermo, mechanism] : inputs) {
        for (int setting = 0; setting < 16; ++setting) {
            SCOPED_TRACE(mechanism.string() + " setting " + std::to_string(setting));
            const std::string one = reversedFile(thermo, mechanism, setting, 1, folder.path());
            ASSERT_GT(one.size(), 1000U);
            for (int threads : {0, 3})
                EXPECT_EQ(reversedFile(thermo, mechanism, setting, threads, folder.path()), one)
                    << threads << " threads";
        }
    }
    if (!fs::exists(gri))
        GTEST_SKIP() << "shared CHEMKIN data not present: the generated mechanism only";
}

} // namespace
} // namespace zorbel
