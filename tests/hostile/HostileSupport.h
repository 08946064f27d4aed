#pragma once
// A session over files a test writes into its own folder, as a user would hand them
// over, with the check that every command left those files as they were and created
// nothing but its own output.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "program/Program.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel::testing {

/// One reaction over species of the sound database: enough for every command to have
/// something to work on.
inline constexpr std::string_view OneReaction = "REACTIONS\nH+O2<=>O+OH 3.547E+15 -0.406 16599.0\n";

/// Writes a file outside the test's own folder records (a folder made inside it).
inline void writeAt(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

class HostileSession : public ::testing::Test {
protected:
    void SetUp() override {
        connectCommands(session);
        platform.fixedClock = DateTime{2004, 6, 14, 9, 5, 31};
    }

    /// Writes a file into the folder and remembers what it holds.
    std::string put(const std::string& name, std::string_view content) {
        written_[name] = std::string(content);
        return folder.write(name, content);
    }
    /// A file of the test data, as it stands.
    static std::string sound(const char* name) { return readFile(testData() / name); }

    std::string path(const std::string& name) const { return (folder.path() / name).string(); }
    std::string output(const std::string& name) const { return readFile(folder.path() / name); }
    bool exists(const std::string& name) const {
        return std::filesystem::exists(folder.path() / name);
    }

    void loadDatabase(const std::string& file) {
        platform.fileAnswers.push_back(file);
        form.CMD1.click();
    }
    void loadMechanism(const std::string& file) {
        platform.fileAnswers.push_back(file);
        form.CMD2.click();
    }
    /// The sound database and a mechanism: the usual start of a reversal.
    void loadSound(std::string_view mechanism = OneReaction) {
        loadDatabase(put("sound.therm", sound("reversal.therm")));
        loadMechanism(put("sound.rxn", mechanism));
    }

    /// A file the test itself removes or replaces: no longer checked.
    void forget(const std::string& name) { written_.erase(name); }

    /// Every file the test wrote holds what it wrote, and the folder holds nothing else
    /// but the given outputs: no half-written or partial file anywhere.
    void expectFilesIntact(const std::set<std::string>& outputs = {}) const {
        std::set<std::string> expected(outputs);
        for (const auto& [name, content] : written_) {
            expected.insert(name);
            EXPECT_EQ(readFile(folder.path() / name), content) << name << " was changed";
        }
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            found.insert(entry.path().filename().string());
        EXPECT_EQ(found, expected);
    }

    ScriptedPlatform platform;
    Session session{platform};
    REVEQfrm& form = session.form;
    TempFolder folder;

private:
    std::map<std::string, std::string> written_;
};

} // namespace zorbel::testing
