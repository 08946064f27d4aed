// An output never replaces one of the files a command reads, nor another of its outputs,
// however the same file is named twice: every command, every pair of roles, each way of
// naming (the same name, "./", the absolute path, a symbolic link, a hard link).

#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zorbel {
namespace {

namespace fs = std::filesystem;

enum class Naming { Same, Dot, Absolute, Symlink, Hardlink };

/// A command whose output would be the file `target`. With `fixed`, the output has that
/// fixed name and "{}" stands for the input `target` as given; otherwise "{}" is the output
/// as given, naming `target`.
struct Clash {
    const char* command;
    const char* target;
    const char* fixed;    ///< nullptr for an output named on the command line
    const char* replaced; ///< the role the refusal names
};

const Clash clashes[] = {
    {"reverse {} mech.rxn 0", "db.therm", "temp.txt", "the database"},
    {"reverse db.therm {} 0", "mech.rxn", "temp.txt", "the mechanism"},
    {"reverse-all {} mech.rxn", "db.therm", "RevAll.txt", "the database"},
    {"reverse-all db.therm {}", "mech.rxn", "RevAll.txt", "the mechanism"},
    {"reverse-all db.therm mech.rxn --report {}", "mech.rxn", nullptr, "the mechanism"},
    {"reverse-all db.therm mech.rxn --report {}", "db.therm", nullptr, "the database"},
    {"reverse-all db.therm mech.rxn --report {}", "RevAll.txt", nullptr, "the reversed mechanism"},
    {"reverse-all db.therm mech.rxn --report {}", "RevSelected.txt", nullptr,
     "the output of another command"},
    {"reverse-all db.therm raw.inp --clean --report {}", "raw.inp", nullptr,
     "the mechanism as published"},
    {"reverse-selected db.therm {} 0 1", "mech.rxn", "RevSelected.txt", "the mechanism"},
    {"reverse-selected db.therm mech.rxn 0 1 --report {}", "db.therm", nullptr, "the database"},
    {"reverse-selected db.therm mech.rxn 0 1 --report {}", "RevSelected.txt", nullptr,
     "the reversed mechanism"},
    {"annotate db.therm {}", "common.txt", "RevAll.txt", "the comparison file"},
    {"annotate {} common.txt", "db.therm", "RevAll.txt", "the database"},
    {"clean raw.inp {}", "raw.inp", nullptr, "the mechanism"},
    {"reverse-all {} raw.inp --clean --force", "db.therm", "raw-clean.inp", "the database"},
    // Only a link can give the clean copy of a mechanism the mechanism's own name.
    {"reverse-all db.therm {} --clean --force", "raw.inp", "raw-clean.inp", "the mechanism"},
};

/// Every name in the folder with what it holds, or where it leads for a link.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        files[name] = entry.is_symlink() ? "-> " + fs::read_symlink(entry).string()
                                         : testing::readFile(entry.path());
    }
    return files;
}

class FileClashes : public ::testing::TestWithParam<Naming> {
protected:
    FileClashes() : previous_(fs::current_path()) {}
    ~FileClashes() override { fs::current_path(previous_); }

private:
    fs::path previous_;
};

TEST_P(FileClashes, AreRefusedBeforeAnythingIsWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "links need privileges there";
#endif
    const Naming naming = GetParam();
    for (const Clash& clash : clashes) {
        const bool link = naming == Naming::Symlink || naming == Naming::Hardlink;
        if (!link && clash.fixed != nullptr && std::string(clash.target) == "raw.inp")
            continue;
        testing::TempFolder folder;
        const fs::path& at = folder.path();
        fs::copy_file(testing::testData() / "reversal.therm", at / "db.therm");
        fs::copy_file(testing::testData() / "reversal.rxn", at / "mech.rxn");
        fs::copy_file(testing::testData() / "comparison/reversal-common.txt", at / "common.txt");
        folder.write("raw.inp", "REACTIONS\nH + O2 = O + OH   3.547E+15 -0.406 16599.0\nEND\n");
        if (link && !fs::exists(at / clash.target))
            folder.write(clash.target, "the previous run\r\n");
        // The name that stands for the target on the command line, or at the fixed name.
        std::string name = clash.fixed != nullptr ? clash.fixed : "alias";
        std::string argument = link && clash.fixed != nullptr ? clash.target : name;
        if (naming == Naming::Symlink)
            fs::create_symlink(clash.target, at / name);
        else if (naming == Naming::Hardlink)
            fs::create_hard_link(at / clash.target, at / name);
        else if (clash.fixed != nullptr)
            fs::rename(at / clash.target, at / name); // the input carries the output's name
        else
            argument = clash.target;
        if (naming == Naming::Dot)
            argument = "./" + argument;
        if (naming == Naming::Absolute)
            argument = (at / argument).string();

        std::string command = clash.command;
        command.replace(command.find("{}"), 2, testing::quoted(argument));
        SCOPED_TRACE(command);
        fs::current_path(at);
        const std::map<std::string, std::string> before = snapshot(at);
        const testing::CliResult result = testing::runCli(command);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(std::string(" would replace ") + clash.replaced + " "),
                  std::string::npos)
            << result.err;
        // Every file as it was, and no clean copy written beforehand.
        EXPECT_EQ(snapshot(at), before);
    }
}

std::string namingName(const ::testing::TestParamInfo<Naming>& info) {
    const char* const names[] = {"Same", "Dot", "Absolute", "Symlink", "Hardlink"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryNaming, FileClashes,
                         ::testing::Values(Naming::Same, Naming::Dot, Naming::Absolute,
                                           Naming::Symlink, Naming::Hardlink),
                         namingName);

} // namespace
} // namespace zorbel
