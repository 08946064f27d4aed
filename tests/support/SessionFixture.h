#pragma once
// A session with every command connected, over a scripted platform with a fixed clock and
// a folder of the test's own, and the ways a user hands it files.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "commands/Program.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zorbel::testing {

class SessionFixture : public ::testing::Test {
protected:
    SessionFixture() {
        connectCommands(session);
        platform.fixedClock = DateTime{2004, 6, 14, 9, 5, 31};
    }

    /// A file of the test data copied into the folder, as `as`; its path there.
    std::string copyTestData(const std::string& name, std::string as = {}) const {
        if (as.empty())
            as = std::filesystem::path(name).filename().string();
        std::filesystem::copy_file(testData() / name, folder.path() / as,
                                   std::filesystem::copy_options::overwrite_existing);
        return (folder.path() / as).string();
    }

    void loadDatabase(const std::string& path) {
        platform.fileAnswers.push_back(path);
        form.CMD1.click();
    }
    void loadMechanism(const std::string& path) {
        platform.fileAnswers.push_back(path);
        form.CMD2.click();
    }
    /// The test database and mechanism, copied into the folder and loaded.
    void loadTestData(const std::string& mechanism = "reversal.rxn") {
        loadDatabase(copyTestData("reversal.therm"));
        loadMechanism(copyTestData(mechanism));
    }

    /// A mechanism of the given reaction lines after an exact REACTIONS line, written into
    /// the folder and loaded.
    void loadReactions(std::initializer_list<const char*> reactions) {
        std::string content = "REACTIONS\n";
        for (const char* reaction : reactions)
            content += std::string(reaction) + "\n";
        loadMechanism(folder.write("mech.rxn", content + "END\n"));
    }

    std::string path(const std::string& name) const { return (folder.path() / name).string(); }
    std::string output(const std::string& name) const { return readFile(folder.path() / name); }
    bool exists(const std::string& name) const {
        return std::filesystem::exists(folder.path() / name);
    }

    TempFolder folder;
    ScriptedPlatform platform;
    Session session{platform};
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
};

} // namespace zorbel::testing
