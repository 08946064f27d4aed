#pragma once
// A session over files a test writes into its own folder, as a user would hand them
// over, with the check that every command left those files as they were and created
// nothing but its own output.

#include "reversal/ReversalTexts.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

#include <array>
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

/// What Reverse says of species the database lacks; {thermo} stands for its path.
inline std::string missingSpecies(const std::string& names) {
    return std::string(texts::MissingSpeciesStart) + std::string(texts::MissingSpeciesEnd) +
           " Not in {thermo}: " + names + ".";
}

inline std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

class HostileSession : public SessionFixture {
protected:
    /// Writes a file into the folder and remembers what it holds.
    std::string put(const std::string& name, std::string_view content) {
        written_[name] = std::string(content);
        return folder.write(name, content);
    }
    /// A file of the test data, as it stands.
    static std::string sound(const char* name) { return readFile(testData() / name); }

    /// The sound database and a mechanism: the usual start of a reversal.
    void loadSound(std::string_view mechanism = OneReaction) {
        loadDatabase(put("sound.therm", sound("reversal.therm")));
        loadMechanism(put("sound.rxn", mechanism));
    }

    /// Reverse of the first reaction, Reverse All, and Reverse Selected of the first and
    /// third: what each said in lblerror.
    std::array<std::string, 3> runWriters() {
        std::array<std::string, 3> said;
        form.LOS2.select(0);
        form.CMD3.click();
        said[0] = form.lblerror.caption();
        form.CMD4.click();
        said[1] = form.lblerror.caption();
        form.LOS2.setSelected(0, true);
        form.LOS2.setSelected(2, true);
        form.CMD5.click();
        said[2] = form.lblerror.caption();
        return said;
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

private:
    std::map<std::string, std::string> written_;
};

} // namespace zorbel::testing
