#pragma once
// A session with its commands connected, with a scratch folder for the mechanism files
// the tests write.

#include "support/SessionFixture.h"

#include <string>

namespace zorbel::testing {

class MechanismSession : public SessionFixture {
protected:
    void load(const std::string& path) { loadMechanism(path); }

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
};

} // namespace zorbel::testing
