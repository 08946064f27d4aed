// The public mechanisms beside the repository, through zorbel-cli: reversed byte for byte
// as the reference digests say, and cleaned, listed and reversed without losing a reaction
// (skipped without them).

#include "files/TextFiles.h"
#include "mechanism/MechanismFile.h"
#include "mechanism/ParsedReaction.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace zorbel {
namespace {

using testing::quoted;
using testing::readFile;
using testing::runCli;

using Lines = std::vector<std::string>;

class PublishedMechanisms : public ::testing::Test {
protected:
    void SetUp() override { ZORBEL_REQUIRE_SHARED_DATA(); }
    static std::string shared(const char* file) {
        return quoted((testing::sharedData() / file).string());
    }
    std::string workFolder() const { return " --work-folder " + quoted(folder.path().string()); }
    testing::TempFolder folder;
};

/// 64-bit FNV-1a: a digest of a whole output file, so that a table can pin it.
std::uint64_t digest(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const unsigned char byte : bytes)
        hash = (hash ^ byte) * 0x100000001b3ULL;
    return hash;
}

// The reversed mechanisms of golden/revall-digests.tsv, with the patterns of a first
// reaction and without: a digit changed anywhere changes the digest. A change there must be
// one that was meant (AramcoMech's CH3O2 and most San Diego headers are read from their
// columns: see the database tests).
TEST_F(PublishedMechanisms, ReverseAllIsByteForByteTheReference) {
    const std::vector<std::string> rows =
        splitLines(readFile(testing::testData() / "golden/revall-digests.tsv"));
    int checked = 0;
    for (const std::string& row : rows) {
        const std::vector<std::string> field = testing::tabFields(row);
        if (row.starts_with('#') || field.size() != 5)
            continue;
        SCOPED_TRACE(row);
        ASSERT_EQ(runCli("reverse-all " + shared(field[0].c_str()) + " " +
                         shared(field[1].c_str()) + " " + field[2] +
                         " --date \"01/01/26 00:00:00\"" + workFolder())
                      .exitCode,
                  0);
        const std::string written = readFile(folder.path() / "RevAll.txt");
        EXPECT_EQ(std::to_string(written.size()), field[3]);
        EXPECT_EQ(digest(written), std::stoull(field[4], nullptr, 16));
        ++checked;
    }
    EXPECT_EQ(checked, 16);
}

struct Published {
    const char* folder;
    const char* mechanism;
    const char* thermo;
    int reactions; // as the data's README counts them
    bool hasReferenceCleaning;
};

std::string firstWordUpper(const std::string& line) {
    std::istringstream words(line.substr(0, line.find('!')));
    std::string word;
    words >> word;
    return toUpperAscii(word);
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
        if (first != std::string::npos)
            kept.push_back(line.substr(first, line.find_last_not_of(" \t") - first + 1));
    }
    return kept;
}

TEST_F(PublishedMechanisms, NoReactionIsLostFromTheFileToTheReversedMechanism) {
    const Published all[] = {
        {"gri30", "grimech30.dat", "thermo30.dat", 325, true},
        {"sandiego2016", "sandiego20161214.inp", "sandiego20161214.thermo", 270, true},
        {"aramco1.3", "AramcoMech_1.3_C4_chem.dat", "AramcoMech_1.3_therm.dat", 1542, true},
        {"h2-oconaire2004", "oconnaire2004.inp", "oconnaire2004.thermo", 21, false},
        {"zhang2017", "zhang2017.inp", "zhang2017.thermo", 229, false},
    };
    for (const Published& published : all) {
        SCOPED_TRACE(published.folder);
        const auto data = testing::sharedData() / published.folder;
        const std::optional<Lines> original = readLines((data / published.mechanism).string());
        ASSERT_TRUE(original);
        EXPECT_EQ(countPublishedReactions(*original), published.reactions);

        const std::string cleanedPath = (folder.path() / "mech.rxn").string();
        const testing::CliResult clean = runCli(
            "clean " + quoted((data / published.mechanism).string()) + " " + quoted(cleanedPath));
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
                written.push_back(toUpperAscii(line));
        }
        EXPECT_EQ(static_cast<int>(written.size()) + commentedOut, published.reactions);
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
        EXPECT_TRUE(std::equal(cleaned->begin(), reactionsLine, original->begin()));
        EXPECT_EQ(
            firstWordUpper((*original)[static_cast<std::size_t>(reactionsLine - cleaned->begin())]),
            "REACTIONS");
        if (published.hasReferenceCleaning) {
            // The reference cleanings drop comments and trim auxiliary lines; apart from
            // that the reaction section must read the same.
            const std::optional<Lines> reference = readLines((data / "mech-clean.rxn").string());
            ASSERT_TRUE(reference);
            EXPECT_EQ(withoutCommentsAndBlanks(Lines(reactionsLine, cleaned->end())),
                      withoutCommentsAndBlanks(*reference));
        }

        // Loaded as published with --clean, every reaction of the file reaches RevAll.txt,
        // followed by its REV/ line or by a comment that says why it has none.
        const std::filesystem::path raw = folder.path() / published.mechanism;
        std::filesystem::copy_file(data / published.mechanism, raw);
        const std::string reverseAll = "reverse-all " + quoted((data / published.thermo).string()) +
                                       " " + quoted(raw.string()) + workFolder();
        const testing::CliResult reverse = runCli(reverseAll + " --clean");
        ASSERT_EQ(reverse.exitCode, 0) << reverse.err << reverse.out;
        EXPECT_EQ(readFile(folder.path() / (raw.stem().string() + "-clean.inp")),
                  readFile(cleanedPath));
        const std::optional<Lines> reversed = readLines((folder.path() / "RevAll.txt").string());
        ASSERT_TRUE(reversed);
        ASSERT_EQ(reversed->size(), 2 + 2 * static_cast<std::size_t>(published.reactions));
        for (std::size_t i = 0; i < written.size(); ++i) {
            EXPECT_EQ((*reversed)[2 + 2 * i], written[i]);
            const std::string& result = (*reversed)[3 + 2 * i];
            EXPECT_TRUE(result.rfind("REV/ ", 0) == 0 || result.rfind('!', 0) == 0) << result;
        }
        // Without --clean a published file gets a warning; the clean file stands, so it is
        // replaced only with --force.
        if (published.hasReferenceCleaning)
            continue;
        EXPECT_NE(runCli(reverseAll).err.find("--clean"), std::string::npos);
        EXPECT_NE(runCli(reverseAll + " --clean").err.find("--force"), std::string::npos);
        EXPECT_EQ(runCli(reverseAll + " --clean --force").exitCode, 0);
    }
}

} // namespace
} // namespace zorbel
