#pragma once
// A session whose mechanism commands are connected, with a scratch folder for the
// mechanism files the tests write.

#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "mechanism/MechanismCommands.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace zorbel::testing {

class MechanismSession : public ::testing::Test {
protected:
    MechanismSession() { connectMechanism(session); }

    /// Loads a file through the CMD2 button, the dialog answering with the path.
    void load(const std::string& path) {
        platform.fileAnswers.push_back(path);
        form.CMD2.click();
    }

    /// Writes a mechanism file into the scratch folder and loads it.
    void loadText(const std::string& content, const std::string& name = "mech.rxn") {
        load(folder.write(name, content));
    }

    /// Loads a mechanism of the given reaction lines after an exact REACTIONS line.
    void loadReactions(std::initializer_list<const char*> reactions) {
        std::string content = "REACTIONS\n";
        for (const char* reaction : reactions)
            content += std::string(reaction) + "\n";
        loadText(content + "END\n");
    }

    TextBox& slot(int index) { return form.PropTxt[static_cast<size_t>(14 + index)]; }

    TempFolder folder;
    ScriptedPlatform platform;
    Session session{platform};
    REVEQfrm& form = session.form;
    CommonValue& common = session.common;
};

} // namespace zorbel::testing
