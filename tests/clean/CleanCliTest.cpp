#include "app/TextFiles.h"
#include "cli/Commands.h"
#include "mechanism/MechanismFile.h"
#include "mechanism/ParsedReaction.h"
#include "support/InProcessCli.h"
#include "support/TestSupport.h"
#include "text/StringOps.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace zorbel {
namespace {

using Lines = std::vector<std::string>;

using CliResult = testing::InProcessResult;

/// Runs the clean and batch subcommands in this process, capturing what they print.
CliResult runCli(std::vector<std::string> arguments) {
    return testing::runInProcess(std::move(arguments),
                                 {cli::addCleanCommands, cli::addBatchCommands});
}

TEST(CleanCli, WritesTheCleanedFileAndASummary) {
    testing::TempFolder folder;
    const std::string input = folder.write(
        "raw.inp", "SPECIES\nH O2 HO2 END\nREACTIONS KJOULES/MOLE\n"
                   "H + O2 (+ M) = HO2 (+ M)   1.0E+12  0.5  4.184  ! ref\n"
                   "  LOW / 1E+16 0 8.368 /\nH+O2+HO2+H=O2 1 2 3\nH+HO2=2O2 1E13 0 0\nEND");
    const std::string output = (folder.path() / "clean.rxn").string();
    const CliResult result = runCli({"clean", input, output});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Line 6 commented out: more than three species on a side\n"
                          "2 reactions written, 1 converted, 1 commented out\n");
    EXPECT_EQ(testing::readFile(output),
              "SPECIES\r\nH O2 HO2 END\r\nREACTIONS\r\n"
              "! Ea converted from KJOULES/MOLE to cal/mol by zorbel-cli clean, on the reaction "
              "lines and on their LOW/, HIGH/, REV/ and PLOG/ lines\r\n"
              "H+O2(+M)<=>HO2(+M) 1.0E+12 0.5 1000 ! ref\r\n"
              "  LOW / 1E+16 0 2000 /\r\n"
              "!Not cleaned, more than three species on a side: H+O2+HO2+H=O2 1 2 3\r\n"
              "H+HO2<=>O2+O2 1E13 0 0\r\n"
              "END\r\n");
    EXPECT_FALSE(std::filesystem::exists(output + ".part"));
}

TEST(CleanCli, CleansAFileOntoItself) {
    testing::TempFolder folder;
    const std::string path = folder.write("mech.rxn", "REACTIONS\nA = B 1 2 3\n");
    EXPECT_EQ(runCli({"clean", path, path}).exitCode, 0);
    EXPECT_EQ(testing::readFile(path), "REACTIONS\r\nA<=>B 1 2 3\r\n");
}

TEST(CleanCli, RefusesWhatItCannotReadOrWrite) {
    testing::TempFolder folder;
    const std::string good = folder.write("good.inp", "REACTIONS\nA=B 1 2 3\n");
    const std::string noSection = folder.write("thermo.dat", "THERMO\nEND\n");
    const std::string badUnits = folder.write("units.inp", "REACTIONS KJ/MOL\nA=B 1 2 3\n");
    const std::string missing = folder.folderText() + "none.inp";
    const std::string noFolder = folder.folderText() + "no/such/folder/out.rxn";
    const struct {
        std::string input;
        std::string output;
        std::string err;
    } cases[] = {
        {missing, folder.folderText() + "a.rxn",
         "The mechanism file could not be read: " + missing + "\n"},
        {noSection, folder.folderText() + "b.rxn",
         "The file has no REACTIONS line, so it holds no reaction to clean.\n"},
        {badUnits, folder.folderText() + "c.rxn",
         "The REACTIONS line names units that cannot be converted: KJ/MOL\n"},
        {good, noFolder, "The cleaned mechanism could not be written: " + noFolder + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input + " -> " + c.output);
        const CliResult result = runCli({"clean", c.input, c.output});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.err);
        EXPECT_FALSE(std::filesystem::exists(c.output));
    }
    // A read-only output is refused and left as it was, whoever runs the program.
    const std::string readOnly = folder.write("kept.rxn", "kept\n");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    const CliResult refused = runCli({"clean", good, readOnly});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, readOnlyRefusal(readOnly) + "\n");
    EXPECT_EQ(testing::readFile(readOnly), "kept\n");
}

// ---- The published mechanisms ---------------------------------------------------------

struct PublishedMechanism {
    const char* folder;
    const char* mechanism;
    const char* thermo;
    int reactions; // as the data's README counts them
    bool hasReferenceCleaning;
};

constexpr PublishedMechanism Published[] = {
    {"gri30", "grimech30.dat", "thermo30.dat", 325, true},
    {"sandiego2016", "sandiego20161214.inp", "sandiego20161214.thermo", 270, true},
    {"aramco1.3", "AramcoMech_1.3_C4_chem.dat", "AramcoMech_1.3_therm.dat", 1542, true},
    {"h2-oconaire2004", "oconnaire2004.inp", "oconnaire2004.thermo", 21, false},
    {"zhang2017", "zhang2017.inp", "zhang2017.thermo", 229, false},
};

std::string upper(std::string text) {
    return toUpperAscii(std::move(text));
}

std::string firstWordUpper(const std::string& line) {
    std::istringstream words(line.substr(0, line.find('!')));
    std::string word;
    words >> word;
    return upper(word);
}

/// Reaction lines of a published file: between the REACTIONS line and END, the lines
/// whose text before any "!" holds "=".
int countPublishedReactions(const Lines& lines) {
    auto line = std::find_if(lines.begin(), lines.end(), [](const std::string& text) {
        return firstWordUpper(text) == "REACTIONS";
    });
    int count = 0;
    for (++line; line < lines.end() && firstWordUpper(*line) != "END"; ++line) {
        if (line->substr(0, line->find('!')).find('=') != std::string::npos)
            ++count;
    }
    return count;
}

/// The reaction and auxiliary lines without comments, blank lines and the blanks around
/// them, as the reference cleanings give them.
Lines withoutCommentsAndBlanks(const Lines& lines) {
    Lines kept;
    for (std::string line : lines) {
        line = line.substr(0, line.find('!'));
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos)
            continue;
        kept.push_back(line.substr(first, line.find_last_not_of(" \t") - first + 1));
    }
    return kept;
}

TEST(CleanPublishedMechanisms, NoReactionIsLostFromTheFileToTheReversedMechanism) {
    ZORBEL_REQUIRE_SHARED_DATA();
    for (const PublishedMechanism& published : Published) {
        SCOPED_TRACE(published.folder);
        const auto data = testing::sharedData() / published.folder;
        const std::optional<Lines> original = readLines((data / published.mechanism).string());
        ASSERT_TRUE(original);
        const int originalReactions = countPublishedReactions(*original);
        EXPECT_EQ(originalReactions, published.reactions);

        testing::TempFolder folder;
        const std::string cleanedPath = (folder.path() / "mech.rxn").string();
        const CliResult clean =
            runCli({"clean", (data / published.mechanism).string(), cleanedPath});
        ASSERT_EQ(clean.exitCode, 0) << clean.err;
        const std::optional<Lines> cleaned = readLines(cleanedPath);
        ASSERT_TRUE(cleaned);

        // Every reaction is written in the layout or commented out with its reason.
        Lines written;
        int commentedOut = 0;
        for (const std::string& line : *cleaned) {
            if (line.rfind("!Not cleaned, ", 0) == 0)
                ++commentedOut;
            else if (line.rfind('!', 0) != 0 && line.find("=>") != std::string::npos)
                written.push_back(upper(line));
        }
        EXPECT_EQ(static_cast<int>(written.size()) + commentedOut, originalReactions);
        EXPECT_EQ(clean.err, std::to_string(written.size()) + " reactions written, 0 converted, " +
                                 std::to_string(commentedOut) + " commented out\n");

        // The loader lists exactly the written reactions, and each cuts into slots.
        const std::optional<Lines> entries = reactionEntries(*cleaned);
        ASSERT_TRUE(entries);
        EXPECT_EQ(*entries, written);
        for (const std::string& entry : *entries)
            EXPECT_FALSE(parseReaction(entry).Failed) << entry;

        // The sections before the reactions stand as published.
        const auto reactionsLine = std::find(cleaned->begin(), cleaned->end(), "REACTIONS");
        ASSERT_NE(reactionsLine, cleaned->end());
        const auto headerSize = reactionsLine - cleaned->begin();
        EXPECT_TRUE(std::equal(cleaned->begin(), reactionsLine, original->begin()));
        EXPECT_EQ(firstWordUpper((*original)[static_cast<std::size_t>(headerSize)]), "REACTIONS");

        if (published.hasReferenceCleaning) {
            // The reference cleanings drop comments and trim auxiliary lines; apart from
            // that the reaction section must read the same.
            const std::optional<Lines> reference = readLines((data / "mech-clean.rxn").string());
            ASSERT_TRUE(reference);
            EXPECT_EQ(withoutCommentsAndBlanks(Lines(reactionsLine, cleaned->end())),
                      withoutCommentsAndBlanks(*reference));
        }

        // Reversed, every listed reaction is followed by its REV/ line or by a comment
        // that says why it has none.
        const CliResult reverse = runCli({"reverse-all", (data / published.thermo).string(),
                                          cleanedPath, "--work-folder", folder.folderText()});
        ASSERT_EQ(reverse.exitCode, 0) << reverse.err << reverse.out;
        const std::optional<Lines> reversed = readLines((folder.path() / "RevAll.txt").string());
        ASSERT_TRUE(reversed);
        ASSERT_EQ(reversed->size(), 2 + 2 * written.size());
        for (std::size_t i = 0; i < written.size(); ++i) {
            const std::string& reaction = (*reversed)[2 + 2 * i];
            const std::string& result = (*reversed)[3 + 2 * i];
            EXPECT_EQ(reaction, written[i]);
            EXPECT_TRUE(result.rfind("REV/ ", 0) == 0 || result.rfind('!', 0) == 0)
                << reaction << " | " << result;
        }
    }
}

} // namespace
} // namespace zorbel
