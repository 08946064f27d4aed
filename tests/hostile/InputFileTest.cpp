// Database and mechanism files as users hand them over: empty, binary, in another
// encoding or format, cut short, with odd line ends, marks or enormous lines, or gone
// after loading. Each loads to a stated list or is refused with the one message, and
// what follows says in one sentence what is wrong.

#include "HostileSupport.h"

#include "app/AppTexts.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismTexts.h"
#include "reversal/ReversalTexts.h"
#include "text/StringOps.h"
#include "thermo/ThermoTexts.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace zorbel {
namespace {

using testing::crlfLines;
using testing::HostileSession;
using testing::joined;
using testing::missingSpecies;

const std::vector<std::string> soundSpecies = {"H", "H2", "H2O2", "HO2", "O", "O2", "OH"};

std::string soundDatabase() {
    return testing::readFile(testing::testData() / "reversal.therm");
}

std::string utf16(const std::string& text) {
    std::string wide = "\xFF\xFE";
    for (char c : text) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

std::string binary() {
    std::string bytes = "\x89PNG\r\n\x1a\n";
    for (int round = 0; round < 2; ++round) {
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
    }
    return bytes;
}

struct DatabaseCase {
    const char* name;
    std::string content;
    std::vector<std::string> species; ///< LOS1 after the load; none for a refused file
    std::string reaction;             ///< the reaction reversed next
    std::string message;              ///< lblerror after Reverse; {thermo}: the file
};

/// A coefficient of the sound database written otherwise.
std::string withCoefficient(const std::string& coefficient, const std::string& replacement) {
    std::string database = soundDatabase();
    database.replace(database.find(coefficient), coefficient.size(), replacement);
    return database;
}

std::string unusable(const std::string& species, int header, const std::string& reason) {
    return std::string(texts::NotCalculatedBecause) + "the record of species " + species +
           " (line " + std::to_string(header) + " of {thermo}) cannot be used: " + reason + ".";
}

std::vector<DatabaseCase> databaseCases() {
    const std::string sound = soundDatabase();
    const std::string reaction = "H+O2<=>O+OH 3.547E+15 -0.406 16599.0";
    const std::string h2Reaction = "H2+O<=>H+OH 3.870E+04 2.700 6260.0";
    std::string withNul = sound;
    withNul.replace(withNul.find("\nO2  "), 5, std::string("\nO2\0\0", 5));
    const std::string bigLine = sound.substr(0, sound.find('\n') + 1) + std::string(1 << 20, 'X') +
                                "\n!" + std::string(1 << 20, '-') + "\n" +
                                sound.substr(sound.find('\n') + 1);
    std::vector<std::string> nulSpecies = soundSpecies;
    nulSpecies[5] = std::string("O2\0\0", 4);
    std::vector<std::string> lines = splitLines(sound);
    lines.erase(lines.begin() + 12, lines.begin() + 14); // the last two lines of H
    const std::string none(texts::ImportDatabaseFirst);
    return {
        {"Empty", "", {}, reaction, none},
        {"Binary", binary(), {}, reaction, none},
        {"Utf16", utf16(sound), {}, reaction, none},
        {"MechanismInstead",
         testing::readFile(testing::testData() / "reversal.rxn"),
         {},
         reaction,
         none},
        {"NulBytesInAName", withNul, nulSpecies, reaction, missingSpecies("O2")},
        {"LinesOfOneMegabyte", bigLine, soundSpecies, reaction, ""},
        {"LfLineEnds", sound, soundSpecies, reaction, ""},
        {"CrLfLineEnds", replaceAll(sound, "\n", "\r\n"), soundSpecies, reaction, ""},
        {"ByteOrderMarkBeforeThermo", "\xEF\xBB\xBF" + sound, soundSpecies, reaction, ""},
        {"RecordWithoutItsLastLines", joined(lines), soundSpecies, reaction,
         unusable("H", 11, "line 13 starts another record where a coefficient line belongs")},
        {"CoefficientFieldHoldingText", withCoefficient("-4.94024731E-05", "not a number!!!"),
         soundSpecies, h2Reaction,
         unusable("H2", 15,
                  "line 16, upper a2 (columns 16-30), is not a number: \"NOTANUMBER!!!\"")},
        // Without a personal range this said "Check your personal temperatures".
        {"HeaderLowAboveHigh",
         withCoefficient("   200.000  3500.000  1000.000", "  5000.000  3500.000  1000.000"),
         soundSpecies, reaction,
         std::string(texts::NotCalculatedBecause) +
             "the record of species O (line 3 of {thermo}) cannot be used: its header gives a "
             "low temperature not below its high temperature: 5000 3500."},
        {"CoefficientBeyondDoubles", withCoefficient("1.48308754E-03", "1.00000000E999"),
         soundSpecies, reaction,
         unusable("O2", 7,
                  "line 8, upper a2 (columns 16-30), is too large to compute with: "
                  "\"1.00000000E999\"")},
        // Finite, but its enthalpy and entropy overflow from the common temperature up: the
        // record is at fault, not the range (this once said the range left O2's limits).
        {"CoefficientOverflowingWhenUsed", withCoefficient("-2.16717794E-14", " 1.0000000E+300"),
         soundSpecies, reaction,
         unusable("O2", 7, "its polynomials give no finite enthalpy or entropy at 1042.6 K")},
    };
}

class DatabaseFiles : public HostileSession, public ::testing::WithParamInterface<DatabaseCase> {};

TEST_P(DatabaseFiles, LoadThenReverse) {
    const DatabaseCase& c = GetParam();
    const std::string database = put("case.therm", c.content);
    loadDatabase(database);
    EXPECT_EQ(form.LOS1.entries(), c.species);
    EXPECT_EQ(session.common.SpeciesCount, static_cast<int>(c.species.size()));
    EXPECT_EQ(form.List1Nbr.caption(), "(" + std::to_string(c.species.size()) + ")");
    // A file without a usable record is no database: refused, and said so.
    const bool loaded = !c.species.empty();
    EXPECT_EQ(form.Lbl1.caption(), loaded ? loadedCaption(database, 80) : "");
    EXPECT_EQ(form.lblerror.caption(),
              loaded ? "" : "The file " + database + std::string(texts::NoSpeciesRecordEnd));

    loadMechanism(put("case.rxn", "REACTIONS\n" + c.reaction + "\n"));
    form.LOS2.select(0);
    form.CMD3.click();
    EXPECT_EQ(form.lblerror.caption(), replaceAll(c.message, "{thermo}", database));
    const bool reversed = c.message.empty();
    EXPECT_EQ(platform.charts.size(), reversed ? 1U : 0U);
    std::set<std::string> outputs;
    if (reversed)
        outputs.insert("temp.txt");
    // A record that cannot be used is the batch file's comment line too, the database
    // named by its file name.
    const std::string_view fault = texts::NotCalculatedBecause;
    if (c.message.starts_with(std::string(fault) + "the record of species ")) {
        form.CMD4.click();
        const std::string reason =
            c.message.substr(fault.size(), c.message.size() - fault.size() - 1);
        EXPECT_EQ(crlfLines(output("RevAll.txt")).at(3),
                  "!Reverse coef. not calculated: " + replaceAll(reason, "{thermo}", "case.therm"));
        outputs.insert("RevAll.txt");
    }
    expectFilesIntact(outputs);
}

INSTANTIATE_TEST_SUITE_P(Hostile, DatabaseFiles, ::testing::ValuesIn(databaseCases()),
                         [](const auto& info) { return std::string(info.param.name); });

/// Ways a database file stops being there after it was loaded.
enum class Gone { Deleted, ReplacedByAFolder, ReplacedByAPipe };

struct GoneCase {
    const char* name;
    Gone how;
};

class DatabaseGoneAfterLoading : public HostileSession,
                                 public ::testing::WithParamInterface<GoneCase> {};

TEST_P(DatabaseGoneAfterLoading, CommandsSaySoAndKeepThePreviousOutput) {
    const Gone how = GetParam().how;
#ifdef _WIN32
    if (how == Gone::ReplacedByAPipe)
        GTEST_SKIP() << "no named pipes in the file system";
#endif
    loadSound(sound("reversal.rxn"));
    form.LOS1.selectFirstEqual("O");
    const std::string oFirstCoefficient = form.PropTxt[0].text();
    put("RevAll.txt", "REACTIONS\r\n!the previous run\r\n");
    const std::filesystem::path database = folder.path() / "sound.therm";
    forget("sound.therm");
    std::filesystem::remove(database);
    if (how == Gone::ReplacedByAFolder)
        std::filesystem::create_directory(database);
#ifndef _WIN32
    if (how == Gone::ReplacedByAPipe) {
        ASSERT_EQ(mkfifo(database.c_str(), 0600), 0);
    }
#endif

    // Show species keeps what it showed: nothing to read.
    form.TXT1K.setText("1000");
    form.LOS1.selectFirstEqual("O2");
    EXPECT_EQ(form.PropTxt[0].text(), oFirstCoefficient);
    EXPECT_EQ(session.common.TLow, " 200");
    EXPECT_EQ(form.TXT1K.text(), "");

    const std::string gone = std::string(texts::DatabaseUnreadableStart) +
                             session.common.ThermoPath + std::string(texts::DatabaseUnreadableEnd);
    EXPECT_EQ(runWriters(), (std::array<std::string, 3>{gone, gone, gone}));
    EXPECT_TRUE(platform.charts.empty());
    // Only the two confirmations: no closing box, no file.
    EXPECT_EQ(platform.messages.size(), 2U);
    EXPECT_FALSE(session.batchRunning);
    EXPECT_FALSE(form.ProgBar.visible());
    expectFilesIntact(how == Gone::Deleted ? std::set<std::string>{}
                                           : std::set<std::string>{"sound.therm"});
}

INSTANTIATE_TEST_SUITE_P(Hostile, DatabaseGoneAfterLoading,
                         ::testing::Values(GoneCase{"Deleted", Gone::Deleted},
                                           GoneCase{"ReplacedByAFolder", Gone::ReplacedByAFolder},
                                           GoneCase{"ReplacedByAPipe", Gone::ReplacedByAPipe}),
                         [](const auto& info) { return std::string(info.param.name); });

std::string soundMechanism() {
    return testing::readFile(testing::testData() / "reversal.rxn");
}

/// The reaction lines of the sound mechanism, as the list shows them.
std::vector<std::string> soundEntries() {
    std::vector<std::string> entries;
    bool inSection = false;
    for (const std::string& line : splitLines(soundMechanism())) {
        if (inSection && line.find("=>") != std::string::npos)
            entries.push_back(line);
        inSection = inSection || line == "REACTIONS";
    }
    return entries;
}

/// The panel's refusal of a line that could not be cut, and Reverse's.
std::string parseFailed(int line, std::string_view fault) {
    return std::string(texts::ParseFailedFirstLine) + "\r\n" +
           std::string(texts::ParseFailedSecondLine) + "\r\nline " + std::to_string(line) +
           " of {mech}: " + std::string(fault) + ".";
}

std::string notCut(int line, std::string_view fault) {
    return std::string(texts::NotCalculatedBecause) + "line " + std::to_string(line) +
           " of {mech}: " + std::string(fault) + ".";
}

struct MechanismCase {
    const char* name;
    std::string content;
    std::vector<std::string> entries; ///< LOS2 after the load
    std::string loadMessage;          ///< lblerror after the load
    int reversed;                     ///< the entry shown and reversed next
    std::string showMessage;          ///< lblerror once it is shown
    std::string reverseMessage;       ///< lblerror after Reverse
};

std::vector<MechanismCase> mechanismCases() {
    const std::string sound = soundMechanism();
    const std::string reaction = "H+O2<=>O+OH 3.547E+15 -0.406 16599.0";
    const std::string refused(texts::RunPelluxFirst);
    const std::string split = "H+O2<=>O+OH 1.0E 13 0.0 0.0";
    const std::string alone = " REACTIONS alone, in capitals (zorbel-cli clean writes one).";
    const std::string withNul = "H+O2<=>O+OH" + std::string(1, '\0') + " 3.547E+15 -0.406 16599.0";
    const std::string longComment = reaction + " !" + std::string(1 << 20, 'X');
    std::string manySpecies;
    for (int i = 0; i < (1 << 19); ++i)
        manySpecies += "A+";
    manySpecies += "B<=>C 1.0E+13 0.0 0.0";
    const std::string cut = sound.substr(0, sound.find("-0.860 ") + 7);
    std::vector<std::string> cutEntries = soundEntries();
    cutEntries.resize(2);
    cutEntries.push_back("H+O2+M<=>HO2+M 2.800E+18 -0.860 ");
    const auto notThree = [](int line, const std::string& fault) {
        return std::string(texts::NotCalculatedBecause) + "line " + std::to_string(line) +
               " of {mech}: the coefficients are not three numbers A, n, Ea: " + fault + ".";
    };
    const auto refusedCase = [&](const char* name, std::string content,
                                 std::string why = " has no line that reads") {
        return MechanismCase{name, std::move(content), {}, refused + " {mech}" + why + alone, 0, "",
                             ""};
    };
    const auto listedCase = [](const char* name, std::string content,
                               std::vector<std::string> entries, int reversed = 0,
                               std::string showMessage = "", std::string reverseMessage = "") {
        return MechanismCase{name,     std::move(content),     std::move(entries),       "",
                             reversed, std::move(showMessage), std::move(reverseMessage)};
    };
    return {
        refusedCase("Empty", ""),
        refusedCase("Binary", binary()),
        refusedCase("Utf16", utf16("REACTIONS\r\n" + reaction + "\r\n")),
        refusedCase("DatabaseInstead", testing::readFile(testing::testData() / "reversal.therm")),
        refusedCase("KeywordWithUnits", "REACTIONS   CAL/MOLE\n" + reaction + "\n",
                    ": line 1 reads \"REACTIONS   CAL/MOLE\", not"),
        listedCase("ByteOrderMarkBeforeReactions", "\xEF\xBB\xBFREACTIONS\n" + reaction + "\n",
                   {reaction}),
        listedCase("ByteOrderMarkBeforeElements", "\xEF\xBB\xBF" + sound, soundEntries()),
        listedCase("LfLineEnds", sound, soundEntries()),
        listedCase("CrLfLineEnds", replaceAll(sound, "\n", "\r\n"), soundEntries()),
        listedCase("NulByteInAnEquation", "REACTIONS\n" + withNul + "\n", {withNul}, 0, "",
                   missingSpecies(std::string("OH\0", 3))),
        listedCase("AMegabyteOfComment", "REACTIONS\n" + longComment + "\n", {longComment}),
        // Refused as a missing species "NER" before: each says what is wrong, and where.
        listedCase("AMegabyteOfSpecies", "REACTIONS\n" + manySpecies, {manySpecies}, 0,
                   parseFailed(2, texts::TooManyReactants), notCut(2, texts::TooManyReactants)),
        // Lines of the section that are no reaction, no auxiliary line and no comment
        // vanished from the list: each is listed and refused where it stands.
        listedCase("ArrowsNoReaderKnows",
                   "REACTIONS\n!A=B\nH2+O<=H+OH 1 0 0\nDUPLICATE\nH2+O<>H+OH 1 0 0\n"
                   "  H2/2.0/ AR/0.5/\nH2+O-->H+OH 1 0 0\nEND\nH2+O<H+OH 1 0 0\n",
                   {"H2+O<=H+OH 1 0 0", "H2+O<>H+OH 1 0 0", "H2+O-->H+OH 1 0 0"}, 2,
                   parseFailed(7, texts::NotAReaction), notCut(7, texts::NotAReaction)),
        listedCase("CutAfterTheExponent", cut, cutEntries, 2, "",
                   notThree(11, "Ea \"\" is not a number")),
        // Read as A = 1.0 and n = 13 before: every number must be one field of its own.
        listedCase("ExponentSplitByABlank", "REACTIONS\n" + split + "\n", {split}, 0, "",
                   notThree(2, "A \"1.0E\" is not a number")),
    };
}

class MechanismFiles : public HostileSession,
                       public ::testing::WithParamInterface<MechanismCase> {};

TEST_P(MechanismFiles, LoadShowThenReverse) {
    const MechanismCase& c = GetParam();
    const std::string database = put("sound.therm", sound("reversal.therm"));
    loadDatabase(database);
    const std::string mechanism = put("case.rxn", c.content);
    loadMechanism(mechanism);
    EXPECT_EQ(form.LOS2.entries(), c.entries);
    EXPECT_EQ(session.common.ReactionCount, static_cast<int>(c.entries.size()));
    EXPECT_EQ(form.List2Nbr.caption(), "(" + std::to_string(c.entries.size()) + ")");
    EXPECT_EQ(form.lblerror.caption(), replaceAll(c.loadMessage, "{mech}", mechanism));
    EXPECT_EQ(form.Lbl2.caption(), c.loadMessage.empty() ? loadedCaption(mechanism, 45) : "");

    bool reversed = false;
    if (!c.entries.empty()) {
        form.LOS2.select(c.reversed);
        EXPECT_EQ(form.lblerror.caption(), replaceAll(c.showMessage, "{mech}", mechanism));
        form.CMD3.click();
        EXPECT_EQ(
            form.lblerror.caption(),
            replaceAll(replaceAll(c.reverseMessage, "{mech}", mechanism), "{thermo}", database));
        reversed = c.reverseMessage.empty();
    }
    EXPECT_EQ(platform.charts.size(), reversed ? 1U : 0U);
    expectFilesIntact(reversed ? std::set<std::string>{"temp.txt"} : std::set<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Hostile, MechanismFiles, ::testing::ValuesIn(mechanismCases()),
                         [](const auto& info) { return std::string(info.param.name); });

using MechanismReading = HostileSession;

TEST_F(MechanismReading, AFolderOrADeviceChosenAsMechanismLoadsNothing) {
    loadDatabase(put("sound.therm", sound("reversal.therm")));
    std::filesystem::create_directory(folder.path() / "folder.rxn");
    std::vector<std::string> chosen = {path("folder.rxn"), path("missing.rxn")};
#ifndef _WIN32
    // A device never ends: reading it whole would not come back.
    chosen.push_back("/dev/zero");
#endif
    for (const std::string& file : chosen) {
        SCOPED_TRACE(file);
        loadMechanism(file);
        EXPECT_EQ(form.LOS2.count(), 0);
        EXPECT_EQ(session.common.ReactionCount, 0);
        EXPECT_EQ(form.List2Nbr.caption(), "(0)");
        EXPECT_EQ(form.Lbl2.caption(), "");
    }
    expectFilesIntact({"folder.rxn"});
}

} // namespace
} // namespace zorbel
