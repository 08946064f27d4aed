// A whole session on a file a user hands over. The input's first byte picks the file's
// role and the settings; the rest is the file. As a database it is loaded with a
// mechanism made of the species it lists; as a mechanism it is loaded with a small sound
// database. Then reactions are shown and reversed one by one, and all together, and
// nothing may escape a command, stop a run early or leave a malformed output file.

#include "FuzzCheck.h"
#include "app/AppTexts.h"
#include "app/ScriptedPlatform.h"
#include "app/Session.h"
#include "batch/BatchFiles.h"
#include "commands/Program.h"
#include "commands/ReverseCommand.h"
#include "files/TextFiles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace zorbel;
namespace fs = std::filesystem;

constexpr std::size_t maxReactionsShown = 8;
constexpr std::size_t maxSpeciesUsed = 6;

enum ModeBits : unsigned char {
    AsDatabase = 1,
    TwoParameterLaw = 2,
    PersonalTemperatures = 4,
    SpacingInT = 8,
    DatabaseGoneAfterLoad = 16,
    FewPoints = 32,
};

const fs::path& folder() {
    static const fs::path path = [] {
        fs::path p =
            fs::temp_directory_path() / ("zorbel-fuzz-session-" + std::to_string(getpid()));
        fs::create_directories(p);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(folder(), ignored);
        });
        return p;
    }();
    return path;
}

std::string write(const std::string& name, std::string_view content) {
    const fs::path file = folder() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return file.string();
}

const std::string& soundDatabase() {
    static const std::string text = [] {
        std::ifstream in(ZORBEL_FUZZ_DATABASE, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }();
    return text;
}

/// Reactions between the species a fuzzed database lists, in the forms the parser knows.
std::string mechanismOver(const std::vector<std::string>& names) {
    std::vector<std::string> n;
    for (std::size_t i = 0; i < maxSpeciesUsed; ++i)
        n.push_back(names.empty() ? "H" : names[i % names.size()]);
    std::string text = "REACTIONS\n";
    text += n[0] + "+" + n[1] + "<=>" + n[2] + "+" + n[3] + " 3.547E+15 -0.406 16599.0\n";
    text += n[0] + "<=>" + n[1] + " 1.0E+13 0.0 0.0\n";
    text += n[4] + "+M<=>" + n[5] + "+M 2.80E+18 -0.860 0.0\n";
    text += n[2] + "(+M)<=>" + n[3] + "+" + n[4] + "(+M) 7.400E+13 -0.370 100.00\n";
    text += n[0] + "+" + n[1] + "+" + n[2] + "<=>" + n[3] + "+" + n[4] + "+" + n[5] +
            " 1.150E+08 1.900 7530\n";
    text += n[5] + "=>" + n[0] + " 1.475E+12 0.600 0.0\n";
    return text;
}

bool hasLowerCase(std::string_view line) {
    for (char c : line) {
        if (c >= 'a' && c <= 'z')
            return true;
    }
    return false;
}

/// The reversed mechanism file: its two header lines, then each listed reaction in
/// order, each followed by one or two result lines (the program's own lines all hold
/// lower-case letters; listed reactions never do).
/// The lines of an output file, which must end every line with CR LF.
std::vector<std::string> crlfLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    ZORBEL_FUZZ_CHECK(content.ends_with("\r\n"), path + " ends inside a line");
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < content.size();) {
        const std::size_t end = content.find("\r\n", start);
        lines.push_back(content.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void checkReversedFile(const std::string& path, const std::vector<std::string>& entries) {
    const std::vector<std::string> lines = crlfLines(path);
    ZORBEL_FUZZ_CHECK(lines.size() >= 2 && lines[0] == "REACTIONS", path);
    std::size_t at = 2;
    for (const std::string& entry : entries) {
        ZORBEL_FUZZ_CHECK(at < lines.size() && lines[at] == entry, "missing block of " + entry);
        ++at;
        std::size_t results = 0;
        while (at < lines.size() && hasLowerCase(lines[at])) {
            ZORBEL_FUZZ_CHECK(lines[at].find("unexpected fault") == std::string::npos,
                              entry + "\n" + lines[at]);
            ++at;
            ++results;
        }
        ZORBEL_FUZZ_CHECK(results == 1 || results == 2, "result lines of " + entry);
    }
    ZORBEL_FUZZ_CHECK(at == lines.size(), "lines after the last block");
}

void checkNoFault(const Session& session, const char* where) {
    const std::string& message = session.form.lblerror.caption();
    ZORBEL_FUZZ_CHECK(!message.starts_with(texts::UnexpectedFault), where + (": " + message));
    ZORBEL_FUZZ_CHECK(!session.batchRunning, where);
}

/// The general settings the mode's bits choose.
void applySettings(REVEQfrm& form, unsigned char mode) {
    form.Ntxt.setText((mode & FewPoints) ? "3" : "20");
    if (mode & TwoParameterLaw)
        form.Option1.setSelected(true);
    form.Chk2.setChecked((mode & SpacingInT) == 0);
    if (mode & PersonalTemperatures) {
        form.Chk1.setChecked(true);
        form.Cold2txt.setText("300");
        form.Hot2txt.setText("2500");
    }
}

/// Loads the input as the database (with a mechanism over its species) or as the mechanism
/// (with the sound database); returns the database's path.
std::string loadInputs(Session& session, ScriptedPlatform& platform, unsigned char mode,
                       std::string_view file) {
    REVEQfrm& form = session.form;
    const std::string databasePath =
        write("fuzz.therm", (mode & AsDatabase) ? file : std::string_view(soundDatabase()));
    platform.fileAnswers.push_back(databasePath);
    form.CMD1.click();
    checkNoFault(session, "database load");
    ZORBEL_FUZZ_CHECK(session.common.SpeciesCount == form.LOS1.count(), "species count");
    const std::string mechanism =
        (mode & AsDatabase) ? mechanismOver(form.LOS1.entries()) : std::string(file);
    platform.fileAnswers.push_back(write("fuzz.rxn", mechanism));
    form.CMD2.click();
    checkNoFault(session, "mechanism load");
    ZORBEL_FUZZ_CHECK(session.common.ReactionCount == form.LOS2.count(), "reaction count");
    return databasePath;
}

/// Reverse on the first reactions, one at a time: each table written whole, with its closing
/// box, or not at all.
void reverseEachShown(Session& session, ScriptedPlatform& platform, unsigned char mode) {
    REVEQfrm& form = session.form;
    const std::size_t reactions = static_cast<std::size_t>(form.LOS2.count());
    for (std::size_t i = 0; i < reactions && i < maxReactionsShown; ++i) {
        const fs::path table = folder() / "temp.txt";
        fs::remove(table);
        const std::size_t boxes = platform.messages.size();
        form.LOS2.select(static_cast<int>(i));
        form.CMD3.click();
        checkNoFault(session, "Reverse");
        if (platform.messages.size() > boxes)
            ZORBEL_FUZZ_CHECK(crlfLines(table.string()).size() == ((mode & FewPoints) ? 12U : 29U),
                              table.string());
        else
            ZORBEL_FUZZ_CHECK(!fs::exists(table), "a table without its closing box");
    }
}

/// Reverse All: a file with every reaction, or, without its database, none and the reason.
void reverseAll(Session& session, unsigned char mode, const std::string& databasePath) {
    REVEQfrm& form = session.form;
    const fs::path revAll = folder() / "RevAll.txt";
    fs::remove(revAll);
    form.CMD4.click();
    checkNoFault(session, "Reverse All");
    if (session.common.SpeciesCount > 0 && form.LOS2.count() > 0) {
        if (mode & DatabaseGoneAfterLoad) {
            ZORBEL_FUZZ_CHECK(form.lblerror.caption() == databaseUnreadable(databasePath),
                              form.lblerror.caption());
            ZORBEL_FUZZ_CHECK(!fs::exists(revAll), "a file without a database");
        } else {
            checkReversedFile(revAll.string(), form.LOS2.entries());
        }
    }
    // Whatever happened, no partial file is left beside the outputs.
    for (const auto& entry : fs::directory_iterator(folder()))
        ZORBEL_FUZZ_CHECK(entry.path().extension() != ".partial", entry.path().string());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 1)
        return 0;
    const unsigned char mode = data[0];
    const std::string_view file = fuzz::asText(data + 1, size - 1);

    ScriptedPlatform platform;
    platform.fixedClock = DateTime{2004, 6, 14, 9, 5, 31};
    Session session(platform);
    connectCommands(session);
    REVEQfrm& form = session.form;
    applySettings(form, mode);
    const std::string databasePath = loadInputs(session, platform, mode, file);
    if (mode & DatabaseGoneAfterLoad)
        fs::remove(databasePath);
    if (form.LOS1.count() > 0) {
        form.LOS1.select(0);
        form.TXT1K.setText("1000");
        checkNoFault(session, "species shown");
    }
    reverseEachShown(session, platform, mode);
    reverseAll(session, mode, databasePath);
    const int reactions = form.LOS2.count();
    if (reactions >= 2) {
        form.LOS2.setSelected(0, true);
        form.LOS2.setSelected(reactions - 1, true);
        form.CMD5.click();
        checkNoFault(session, "Reverse Selected");
    }
    return 0;
}
