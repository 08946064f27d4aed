// zorbel-cli on the public mechanisms beside the repository: cleaned, listed and reversed
// without losing a reaction, and tables for every law and spacing. Skipped without them.

#include "files/TextFiles.h"
#include "mechanism/MechanismFile.h"
#include "mechanism/ParsedReaction.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace zorbel {
namespace {

using Lines = std::vector<std::string>;
using testing::crlfLines;
using testing::quoted;
using testing::readFile;
using testing::runCli;

class PublishedMechanisms : public ::testing::Test {
protected:
    void SetUp() override { ZORBEL_REQUIRE_SHARED_DATA(); }
    static std::string shared(const char* file) {
        return quoted((testing::sharedData() / file).string());
    }
    std::string workFolder() const { return " --work-folder " + quoted(folder.path().string()); }
    testing::TempFolder folder;
};

// H+O2<=>O+OH is entry 37 of the cleaned mechanism and OH+OH(+M)<=>H2O2(+M), entry 84, a
// falloff reaction; every law and spacing gives a 59-line table from 200 K to 3500 K.
TEST_F(PublishedMechanisms, GriMechTableForEveryLawAndSpacing) {
    const std::pair<int, const char*> reactions[] = {
        {37, "H+O2=>O+OH 2.650E+16 -.6707 17041.00"},
        {84, "OH+OH+M=>H2O2+M 7.400E+13 -.370 .00"},
    };
    for (const auto& [entry, firstLine] : reactions) {
        for (const std::string law : {"arrhenius", "modified"}) {
            for (const std::string spacing : {"reciprocal", "linear"}) {
                SCOPED_TRACE(std::string(firstLine) + " " + law + " " + spacing);
                const testing::CliResult result =
                    runCli("reverse " + shared("gri30/thermo30.dat") + " " +
                           shared("gri30/mech-clean.rxn") + " " + std::to_string(entry) +
                           " --law " + law + " --spacing " + spacing + workFolder());
                ASSERT_EQ(result.exitCode, 0) << result.err;
                const Lines table = crlfLines(readFile(folder.path() / "temp.txt"));
                ASSERT_EQ(table.size(), 59U);
                EXPECT_EQ(table[0], firstLine);
                EXPECT_EQ(testing::tabFields(table[8]).at(7),
                          law == "arrhenius" ? "ln(kf)" : "ln(Kf)");
                for (size_t row = 9; row < table.size(); ++row)
                    ASSERT_EQ(testing::tabFields(table[row]).size(), 12U) << table[row];
                EXPECT_EQ(table[9].substr(0, 5), " 200\t");
                EXPECT_EQ(table[58].substr(0, 6), " 3500\t");
                const double second = readLeadingNumber(table[10]);
                if (spacing == "linear")
                    EXPECT_NEAR(second, 200 + 3300.0 / 49, 1e-9);
                else
                    EXPECT_NEAR(1 / second, 1 / 200.0 - (1 / 200.0 - 1 / 3500.0) / 49, 1e-15);
                // The exponent's pattern comes from the reaction shown first ("0.000" for
                // -.6707, "0.00" for -.370); the two-parameter law writes 0 with it.
                if (law == "arrhenius") {
                    EXPECT_TRUE(result.out.find("nrev  = 0.000\n") != std::string::npos ||
                                result.out.find("nrev  = 0.00\n") != std::string::npos)
                        << result.out;
                }
            }
        }
    }
}

TEST_F(PublishedMechanisms, GriMechReverseAllIsCompleteAndReproducible) {
    const std::string command = "reverse-all " + shared("gri30/thermo30.dat") + " " +
                                shared("gri30/mech-clean.rxn") +
                                " --patterns-from 0 --date \"06/12/26 12:00:00\"" + workFolder();
    ASSERT_EQ(runCli(command).exitCode, 0);
    const std::string first = readFile(folder.path() / "RevAll.txt");
    ASSERT_EQ(runCli(command).exitCode, 0);
    EXPECT_EQ(readFile(folder.path() / "RevAll.txt"), first);

    const Lines lines = crlfLines(first);
    ASSERT_EQ(lines.size(), 2U + 2U * 325);
    EXPECT_EQ(lines[0], "REACTIONS");
    EXPECT_EQ(lines[1], "!GENERATED THE 06/12/26 12:00:00");
    for (size_t i = 2; i < lines.size(); i += 2) {
        ASSERT_NE(lines[i].find("=>"), std::string::npos) << lines[i];
        EXPECT_TRUE(lines[i + 1].rfind("REV/ ", 0) == 0 ||
                    lines[i + 1] == "!Reaction irreversible (=>), no reverse coefficient")
            << lines[i] << "\n"
            << lines[i + 1];
    }
}

/// 64-bit FNV-1a: a digest of a whole output file, so that a table can pin it.
std::uint64_t digest(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const unsigned char byte : bytes)
        hash = (hash ^ byte) * 0x100000001b3ULL;
    return hash;
}

// The reversed mechanisms, with the patterns of a first reaction and without: a digit
// changed anywhere changes the digest. A change here must be one that was meant (AramcoMech's
// CH3O2 and most San Diego headers are read from their columns: see the database tests).
TEST_F(PublishedMechanisms, ReverseAllIsByteForByteTheReference) {
    struct Case {
        const char* thermo;
        const char* mechanism;
        const char* options;
        std::size_t size;
        std::uint64_t digest;
    };
    const char* gri[] = {"gri30/thermo30.dat", "gri30/mech-clean.rxn"};
    const char* aramco[] = {"aramco1.3/AramcoMech_1.3_therm.dat", "aramco1.3/mech-clean.rxn"};
    const char* sandiego[] = {"sandiego2016/sandiego20161214.thermo",
                              "sandiego2016/mech-clean.rxn"};
    const Case cases[] = {
        {gri[0], gri[1], "--patterns-from 0 --law arrhenius --spacing reciprocal", 36215,
         0x11ff8393b2b546c6},
        {gri[0], gri[1], "--patterns-from 0 --law arrhenius --spacing linear", 36214,
         0xeeed328ce2bfa0d1},
        {gri[0], gri[1], "--patterns-from 0 --law modified --spacing reciprocal", 36320,
         0xd2f832bdf26cea6e},
        {gri[0], gri[1], "--patterns-from 0 --law modified --spacing linear", 36325,
         0xf5041d8f9ccbf566},
        {gri[0], gri[1], "", 44810, 0x65cd74dd5d34b433},
        {gri[0], gri[1], "--points 1000", 44809, 0xd525109e77a646ad},
        {aramco[0], aramco[1], "--law modified", 222239, 0xa9bce96056411efb},
        {aramco[0], aramco[1], "--patterns-from 0 --law arrhenius --spacing reciprocal", 191779,
         0x24362a3ab9a89b60},
        {aramco[0], aramco[1], "--patterns-from 0 --law arrhenius --spacing linear", 191732,
         0x33636652fcab8f08},
        {aramco[0], aramco[1], "--patterns-from 0 --law modified --spacing reciprocal", 193633,
         0xb43e2707d8ed2573},
        {aramco[0], aramco[1], "--patterns-from 0 --law modified --spacing linear", 193671,
         0xcdd0713cda7ebe21},
        {sandiego[0], sandiego[1], "--patterns-from 0 --law arrhenius --spacing reciprocal", 31332,
         0x406e4d5d4c8260a9},
        {sandiego[0], sandiego[1], "--patterns-from 0 --law arrhenius --spacing linear", 31344,
         0x8992c0e58fd5b2e1},
        {sandiego[0], sandiego[1], "--patterns-from 0 --law modified --spacing reciprocal", 31401,
         0x3b3bfb68f9cc5e36},
        {sandiego[0], sandiego[1], "--patterns-from 0 --law modified --spacing linear", 31401,
         0xd0d3c2ebfd1cc239},
        {sandiego[0], sandiego[1], "--law modified --spacing linear --range 500 2500", 38813,
         0x6407ca41085fd83a},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mechanism) + " " + c.options);
        ASSERT_EQ(runCli("reverse-all " + shared(c.thermo) + " " + shared(c.mechanism) + " " +
                         c.options + " --date \"01/01/26 00:00:00\"" + workFolder())
                      .exitCode,
                  0);
        const std::string written = readFile(folder.path() / "RevAll.txt");
        EXPECT_EQ(written.size(), c.size);
        EXPECT_EQ(digest(written), c.digest);
    }
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
