// Mechanism files as users hand them over: empty, binary, in another encoding or format,
// cut short, with odd line ends, marks or enormous lines. Each lists a stated set of
// reactions or is refused with the one message, and what follows says what is wrong.

#include "HostileSupport.h"

#include "files/TextFiles.h"
#include "mechanism/MechanismTexts.h"
#include "reversal/ReversalTexts.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

using testing::HostileSession;
using testing::missingSpecies;

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

std::string parseFailed() {
    return std::string(texts::ParseFailedFirstLine) + "\r\n" +
           std::string(texts::ParseFailedSecondLine);
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
    std::string wide = "\xFF\xFE";
    for (char c : "REACTIONS\r\n" + reaction + "\r\n") {
        wide += c;
        wide += '\0';
    }
    std::string binary = "\x7F"
                         "ELF\x02\x01\x01";
    for (int b = 0; b < 512; ++b)
        binary += static_cast<char>(b * 7);
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
        refusedCase("Binary", binary),
        refusedCase("Utf16", wide),
        refusedCase("DatabaseInstead", testing::readFile(testing::testData() / "reversal.therm")),
        refusedCase("KeywordWithUnits", "REACTIONS   CAL/MOLE\n" + reaction + "\n",
                    ": line 1 reads \"REACTIONS   CAL/MOLE\", not"),
        refusedCase("KeywordInLowerCase", "ELEMENTS\nEND\n  reactions\n" + reaction + "\n",
                    ": line 3 reads \"  reactions\", not"),
        listedCase("ByteOrderMarkBeforeReactions", "\xEF\xBB\xBFREACTIONS\n" + reaction + "\n",
                   {reaction}),
        listedCase("ByteOrderMarkBeforeElements", "\xEF\xBB\xBF" + sound, soundEntries()),
        listedCase("LfLineEnds", sound, soundEntries()),
        listedCase("CrLineEnds", replaceAll(sound, "\n", "\r"), soundEntries()),
        listedCase("CrLfLineEnds", replaceAll(sound, "\n", "\r\n"), soundEntries()),
        listedCase("NulByteInAnEquation", "REACTIONS\n" + withNul + "\n", {withNul}, 0, "",
                   missingSpecies(std::string("OH\0", 3))),
        listedCase("AMegabyteOfComment", "REACTIONS\n" + longComment + "\n", {longComment}),
        listedCase("AMegabyteOfSpecies", "REACTIONS\n" + manySpecies, {manySpecies}, 0,
                   parseFailed(), missingSpecies("NER")),
        listedCase("CutAfterTheExponent", cut, cutEntries, 2, "",
                   notThree(11, "Ea \"\" is not a number")),
        // Read as A = 1.0 and n = 13 before: every number must be one field of its own.
        listedCase("ExponentSplitByABlank", "REACTIONS\n" + split + "\n", {split}, 0, "",
                   notThree(2, "A \"1.0E\" is not a number")),
        listedCase("AFourthNumber", "REACTIONS\n!\n" + reaction + " 1E999\n", {reaction + " 1E999"},
                   0, "", notThree(3, "Ea \"16599.0 1E999\" is more than one number")),
        listedCase("TextForN", "REACTIONS\nH+O2<=>O+OH 3.547E+15 N 16599.0 !C\n",
                   {"H+O2<=>O+OH 3.547E+15 N 16599.0 !C"}, 0, "",
                   notThree(2, "n \"N\" is not a number")),
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
        EXPECT_EQ(form.lblerror.caption(), c.showMessage);
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
