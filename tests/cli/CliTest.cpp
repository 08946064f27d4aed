// zorbel-cli as scripts meet it: each subcommand's output on the examples, and the exit
// code and message of every refusal and usage error.

#include "files/TextFiles.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace zorbel {
namespace {

namespace fs = std::filesystem;
using testing::quoted;
using testing::readFile;
using testing::runCli;

std::string example(const char* name) {
    return quoted((testing::examples() / name).string());
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(testing::testData() / "reversal.therm", folder.path() / "reversal.therm");
        fs::copy_file(testing::testData() / "comparison" / "reversal-common.txt", comparison);
    }
    std::string at(const char* name) const { return (folder.path() / name).string(); }

    testing::TempFolder folder;
    std::string thermo = quoted(at("reversal.therm"));
    fs::path comparison = folder.path() / "common.txt";
};

TEST_F(CliTest, SpeciesListsThenShowsOneAsTheWindowDoes) {
    testing::CliResult result = runCli("species " + example("example.therm"));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "AR\nCH3\nCH4\nCO\nCO2\nH\nH2\nH2O\nH2O2\nHCO\nHO2\nN2\nO\nO2\nOH\n(15)\n");
    result = runCli("species " + example("example.therm") + " h2o --temperature 1000");
    EXPECT_EQ(result.exitCode, 0);
    for (const char* line :
         {"species     = H2O\n", "lower a7    = -8.49032208E-01\n", "TLow        =  200\n",
          "high range  =  1000  <= T (high) <  3500\n", "Cp/R        =  4.967\n",
          "Cp/R low    =  4.967\n", "H/RT        = -25.96\n", "S/R         =  27.99\n"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line << "in\n" << result.out;
    result = runCli("species " + example("example.therm") + " H2O --temperature 1500");
    EXPECT_EQ(result.out.find(" low "), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("Lbl"), std::string::npos) << result.out;
}

TEST_F(CliTest, ReactionsListsAndShowShowsOneAsTheFirstSelectionOfARun) {
    testing::CliResult result = runCli("reactions " + example("example.rxn"));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.rfind("0: H+O2<=>O+OH 3.547E+15 -0.406 16599.0\n", 0), 0U);
    EXPECT_NE(result.out.find("\n12: CH4+OH<=>CH3+H2O 1.000E+08 1.600 3120.0 ! HYDROGEN "
                              "ABSTRACTION BY OH\n(13)\n"),
              std::string::npos);

    result = runCli("show " + example("example.rxn") + " 0");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Reactant 1: /// (hidden)\nReactant 2: H (shown)\n"
                          "Reactant 3: O2 (shown)\nProduct 1: O (shown)\nProduct 2: OH (shown)\n"
                          "Product 3: /// (hidden)\nPlus, reactants 1-2: hidden\n"
                          "Plus, reactants 2-3: shown\nPlus, products 1-2: shown\n"
                          "Plus, products 2-3: hidden\nArrow: <=>\nA: 3.547E+15\nn: -0.406\n"
                          "Ea: 16599.0\nAFormat: \"0.000E+00\"\nNFormat: \"0.000\"\n"
                          "EaFormat: \"0.0\"\n");

    const std::string bad = folder.write("bad.rxn", "REACTIONS\nA+B+C+D<=>E 1.0E+13 0.5 1200\n");
    result = runCli("show " + quoted(bad) + " 0");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("Reactant 1: NER (shown)\n"), std::string::npos);
    EXPECT_NE(result.out.find("EaFormat: \"0\"\nReaction with more than 3 reactants and/or 3 "
                              "products\nor Reaction written in an incompatible format\n"),
              std::string::npos);
}

TEST_F(CliTest, SearchPrintsTheReactionsFoundAndTheirCount) {
    const std::string mechanism =
        quoted(folder.write("small.mech", "SPECIES\nH2 O2 H O OH HO2\nEND\nREACTIONS\n"
                                          "H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04\n"
                                          "h2+o2=>ho2+h 7.40E+05 2.433 53502.00\n"
                                          "H+O2(+M)<=>HO2(+M) 1.475E+12 0.60 0.00\n"
                                          "LOW/ 6.366E+20 -1.72 524.8 /\n"
                                          "O+H2<=>H+OH 5.08E+04 2.67 6290.00\nEND\n"));
    const testing::CliResult result = runCli("search " + mechanism + " o2 h");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "H+O2(+M)<=>HO2(+M) 1.475E+12 0.60 0.00\n"
                          "H+O2<=>O+OH 3.547E+15 -0.406 1.6599E+04\n"
                          "H2+O2|=>HO2+H 7.40E+05 2.433 53502.00\n"
                          "Found: 3 Reaction(s)\n");
    EXPECT_EQ(runCli("search " + mechanism + " O2 H N2").out, "Found: 0 Reaction\n");
}

TEST_F(CliTest, AnnotatePrintsTheCountsAndThePath) {
    const std::string file = comparison.string();
    testing::CliResult result = runCli("annotate " + thermo + " " + quoted(file));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "JOB DONE!: Following file modified:\r\n" + file +
                              "\r\nand the reversed mechanism beside it, an earlier one "
                              "replaced:\r\n" +
                              folder.folderText() +
                              "RevAll.txt\nDifferent: 2\nIdentical within tolerance: 2\n"
                              "Not calculated: 5\n" +
                              file + "\n");
    EXPECT_NE(readFile(comparison).find("\r\n 5 Reactions have not been classified\r\n"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(folder.path() / "RevAll.txt"));

    // The settings apply: the Arrhenius law moves the second reaction out of the tolerance.
    fs::copy_file(testing::testData() / "comparison" / "reversal-common.txt", comparison,
                  fs::copy_options::overwrite_existing);
    result = runCli("annotate " + thermo + " " + quoted(file) +
                    " --law arrhenius --points 20 --threads 1");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\nDifferent: 3\nIdentical within tolerance: 1\n"), std::string::npos)
        << result.out;
}

// Exact thermochemistry reaches the reversal and changes the reversed mechanism; the batch
// options of the whole mechanism and the report are taken.
TEST_F(CliTest, ReverseAllTakesTheExactThermochemistryAndTheBatchOptions) {
    fs::copy_file(testing::testData() / "reversal.rxn", folder.path() / "reversal.rxn");
    const std::string run = "reverse-all " + thermo + " " + quoted(at("reversal.rxn")) +
                            " --date \"31/12/26 23:59:59\"";
    std::vector<std::string> written;
    const std::string runs[] = {"", " --exact-thermo",
                                " --complete --report " + quoted(at("report.csv"))};
    for (const std::string& options : runs) {
        ASSERT_EQ(runCli(run + options).exitCode, 0) << options;
        written.push_back(readFile(folder.path() / "RevAll.txt"));
    }
    EXPECT_NE(written[1], written[0]);
    EXPECT_NE(written[0].find("\n!GENERATED THE 31/12/26 23:59:59"), std::string::npos);
    // The first moment a date can name: the year 2000, written 00.
    ASSERT_EQ(runCli(run.substr(0, run.find(" --date")) + " --date \"01/01/00 00:00:00\"").exitCode,
              0);
    EXPECT_NE(readFile(folder.path() / "RevAll.txt").find("\n!GENERATED THE 01/01/00 00:00:00"),
              std::string::npos);

    // Without --date, the clock's date: the day the run started or, past midnight, the next.
    const auto today = [] {
        const std::time_t now = std::time(nullptr);
        char text[16];
        std::strftime(text, sizeof text, "%d/%m/%y", std::localtime(&now));
        return "\n!GENERATED THE " + std::string(text) + " ";
    };
    const std::string before = today();
    ASSERT_EQ(runCli(run.substr(0, run.find(" --date"))).exitCode, 0);
    const std::string dated = readFile(folder.path() / "RevAll.txt");
    EXPECT_TRUE(contains(dated, before) || contains(dated, today())) << dated.substr(0, 40);
}

TEST(CliExample, TheExampleComparisonFileAnnotates) {
    testing::TempFolder folder;
    for (const char* name : {"example.therm", "example-common.txt"})
        fs::copy_file(testing::examples() / name, folder.path() / name);
    const fs::path file = folder.path() / "example-common.txt";
    const testing::CliResult result =
        runCli("annotate " + quoted((folder.path() / "example.therm").string()) + " " +
               quoted(file.string()));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\nDifferent: 3\nIdentical within tolerance: 3\nNot calculated: 2\n"),
              std::string::npos)
        << result.out;
    const std::string annotated = readFile(file);
    const size_t block = annotated.find("-->REVERSE COEFFICIENTS CALCULATED!!!");
    ASSERT_NE(block, std::string::npos);
    EXPECT_LT(block, annotated.find("with the tolerance given in brackets"));
    EXPECT_NE(annotated.find("\r\nO+CO(+M)<=>CO2(+M)\t1.800E+10\t"), std::string::npos);
}

TEST_F(CliTest, CleanWritesTheCleanedFileAndASummary) {
    const std::string input = folder.write(
        "raw.inp", "SPECIES\nH O2 HO2 END\nREACTIONS KJOULES/MOLE\n"
                   "H + O2 (+ M) = HO2 (+ M)   1.0E+12  0.5  4.184  ! ref\n"
                   "  LOW / 1E+16 0 8.368 /\nH+O2+HO2+H=O2 1 2 3\nH+HO2=2O2 1E13 0 0\nEND");
    const std::string output = at("clean.rxn");
    const testing::CliResult result = runCli("clean " + quoted(input) + " " + quoted(output));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "3 reactions written, 2 converted, 0 commented out\n");
    EXPECT_EQ(readFile(output),
              "SPECIES\r\nH O2 HO2 END\r\nREACTIONS\r\n"
              "! Ea converted from KJOULES/MOLE to cal/mol by zorbel-cli clean, on the reaction "
              "lines and on their LOW/, HIGH/, REV/ and PLOG/ lines\r\n"
              "H+O2(+M)<=>HO2(+M) 1.0E+12 0.5 1000 ! ref\r\n"
              "  LOW / 1E+16 0 2000 /\r\n"
              "H+O2+HO2+H<=>O2 1 2 717.017208413002\r\n"
              "H+HO2<=>O2+O2 1E13 0 0\r\n"
              "END\r\n");
}

// The version; a range the rules set aside, applied as the window applies it and said so
// once on standard error; a folder whose name holds a backslash, a folder like any other.
TEST_F(CliTest, VersionSetAsideRangeAndBackslashFolders) {
    for (const char* flag : {"--version", "-V"}) {
        const testing::CliResult version = runCli(flag);
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_TRUE(version.out.starts_with("zorbel-cli 1.")) << version.out;
    }
#ifndef _WIN32
    const fs::path weird = folder.path() / "we\\ird";
    fs::create_directory(weird);
    fs::copy_file(testing::testData() / "reversal.rxn", weird / "mech.rxn");
    const std::string mechanism = " " + quoted((weird / "mech.rxn").string());
    const testing::CliResult result =
        runCli("reverse-all " + thermo + mechanism + " --range 3000 200");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("--range 3000 200 set aside: the cold end is above the hot one;"),
              std::string::npos)
        << result.err;
    EXPECT_NE(readFile(weird / "RevAll.txt").find("\r\n!Your personal values were not suitable."),
              std::string::npos);
    EXPECT_EQ(runCli("reverse " + thermo + mechanism + " 0").exitCode, 0);
    EXPECT_TRUE(fs::exists(weird / "temp.txt"));
#endif
}

// Every refusal ends with exit code 1 and its message on standard error, every usage
// error with 2; counts and indexes are taken as written, never wrapped or their sign
// dropped, and a file that is no database or mechanism is never read as an empty one.
TEST_F(CliTest, RefusalsAndUsageErrors) {
    const std::string therm = example("example.therm");
    const std::string rxn = example("example.rxn");
    const std::string inputs = therm + " " + rxn;
    const std::string uncleaned =
        quoted(folder.write("raw.inp", "REACTIONS CAL/MOLE\nA<=>B 1 2 3\n"));
    const std::string units = quoted(folder.write("units.inp", "REACTIONS KJ/MOL\nA=B 1 2 3\n"));
    const std::string good = quoted(folder.write("good.inp", "REACTIONS\nA=B 1 2 3\n"));
    const std::string plain = quoted(folder.write("plain.txt", "no marks here\r\n"));
    const std::string common = quoted(comparison.string());
    const std::string missing = folder.folderText() + "none.rxn";
    const std::string noFolder = folder.folderText() + "no/such/folder/out.rxn";
    const std::string pellux = "Problem encountered with your file. Did you run Pellux 1st? ";
    const std::string indexes = "There is no reaction of index ";
    const std::string range = " in this mechanism: the indices run from 0 to 12.\n";
    const std::string reactionsAlone = " has no line that reads REACTIONS alone";
    const std::string empty = quoted(folder.write("empty.rxn", "REACTIONS\nEND\n"));
    const std::string digitsOnly = "a number of points is written with digits alone";
    const std::string points = "Warning!!! General Settings, Number of points: enter a number "
                               "between 3 and 10000 before executing this operation!\n";
    struct Case {
        std::string arguments;
        int exitCode;
        std::string err; ///< what standard error holds
    };
    std::vector<Case> cases = {
        {"species " + therm + " XE", 1, ""},
        {"species \"/no/such/folder/x.dat\"", 1, ""},
        {"species " + rxn, 1, " holds no species record"},
        {"reactions " + uncleaned, 1,
         pellux + folder.folderText() + "raw.inp: line 1 reads \"REACTIONS CAL/MOLE\""},
        {"reactions " + quoted(missing), 1, "The mechanism file could not be read: " + missing},
        {"reactions " + therm, 1, reactionsAlone},
        {"show " + rxn + " 13", 1, indexes + "13" + range},
        {"show " + rxn + " -1", 1, indexes + "-1"},
        {"search " + uncleaned + " O2", 1, pellux},
        {"reverse " + inputs + " 9", 1, "Warning!!! Your Reaction is supposed to be irreversible"},
        {"reverse " + therm + " \"/no/such/file.rxn\" 0", 1, ""},
        {"reverse " + inputs + " 0 --points 20000", 1, points},
        {"reverse " + inputs + " 0 --work-folder " + quoted(folder.folderText() + "no/"), 1,
         "The table file could not be written: " + folder.folderText() +
             "no/temp.txt (No such file or directory)\n"},
        {"reverse-all " + inputs + " --points 2", 1, points},
        // With --clean, what the options refuse alone is refused before the clean file.
        {"reverse-all " + therm + " " + uncleaned + " --clean --points 2", 1, points},
        {"reverse " + therm + " " + uncleaned + " 0 --clean --points 1", 1, points},
        {"reverse-selected " + therm + " " + uncleaned + " 0 1 --clean --report " +
             quoted(at("raw.inp")),
         1, "The report " + at("raw.inp") + " would replace the mechanism "},
        {"reverse-all " + inputs + " --work-folder " + quoted(folder.path().string()) +
             " --report " + quoted(at("RevSelected.txt")),
         1, " would replace the output of another command "},
        {"reverse-all " + rxn + " " + rxn, 1, " holds no species record"},
        {"reverse-selected " + inputs + " 0 99999999999999999999", 1,
         indexes + "99999999999999999999" + range},
        {"reverse-selected " + inputs + " 0 -1", 1, indexes + "-1" + range},
        {"reverse " + inputs + " 13", 1, indexes + "13" + range},
        {"reverse-all " + inputs + " --patterns-from 13", 1, indexes + "13" + range},
        {"annotate " + thermo + " " + common + " --points 2", 1, points},
        {"annotate " + thermo + " " + plain, 1, "No equation to treat.\n"},
        {"annotate " + quoted(at("none.therm")) + " " + common, 1, "none.therm"},
        {"clean " + quoted(missing) + " " + quoted(at("a.rxn")), 1,
         "The mechanism file could not be read: " + missing + "\n"},
        {"clean " + thermo + " " + quoted(at("b.rxn")), 1,
         at("reversal.therm") + ": The file has no REACTIONS line, so it holds no reaction to "
                                "clean.\n"},
        {"clean " + units + " " + quoted(at("c.rxn")), 1,
         "The REACTIONS line names units that cannot be converted: KJ/MOL\n"},
        {"clean " + good + " " + quoted(noFolder), 1,
         "The cleaned mechanism could not be written: " + noFolder +
             " (No such file or directory)\n"},
        {"no-such-command", 2, ""},
        {"", 2, "A subcommand is required"},
        {"species", 2, ""},
        {"check", 2, ""},
        {"species " + therm + " --temperature 1000", 2, ""},
        {"search " + rxn, 2, ""},
        {"reverse --points=-5 " + inputs + " 0", 2, digitsOnly},
        {"reverse-all --points 50abc " + inputs, 2, digitsOnly},
        {"annotate --points 3.5 " + thermo + " " + common, 2, digitsOnly},
        {"reverse-selected " + inputs + " 0 1 --range 100 x", 2, "is a number, not x"},
        {"annotate " + thermo + " " + common + " --range 3e999 4000", 2, "not 3e999"},
        {"annotate " + thermo + " " + common + " --clean", 2, ""},
        {"reverse-all " + therm + " " + empty, 1,
         "Import a Mechanism first before executing this operation! No reaction line was read "
         "from " +
             at("empty.rxn") + ".\n"},
        {"reverse-all " + inputs + " --date tomorrow", 2, ""},
        {"reverse-selected " + inputs + " 3-x", 2, ""},
        {"annotate " + thermo + " " + common + " --work-folder /tmp", 2, ""},
        {"annotate " + thermo + " " + common + " --complete", 2, ""},
    };
    for (const char* date :
         {"00/01/26 00:00:00", "32/01/26 00:00:00", "01/00/26 00:00:00", "01/13/26 00:00:00",
          "01/01/26 24:00:00", "01/01/26 00:60:00", "01/01/26 00:00:60", "01/01/26 -1:00:00",
          "01/01/26 00:-5:00", "01/01/26 00:00:-9", "01/01/-1 00:00:00"})
        cases.push_back({"reverse-all " + inputs + " --date \"" + date + "\"", 2, date});
#ifndef _WIN32
    // A device reads as nothing: both commands refuse it alike.
    for (const char* command : {"reactions /dev/null", "search /dev/null H"})
        cases.push_back({command, 1, "The mechanism file could not be read: /dev/null\n"});
#endif
    const std::string original = readFile(comparison);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const testing::CliResult result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    for (const char* output :
         {"a.rxn", "b.rxn", "c.rxn", "RevAll.txt", "temp.txt", "raw-clean.inp"})
        EXPECT_FALSE(fs::exists(folder.path() / output)) << output;
    EXPECT_EQ(readFile(comparison), original);
    // The commands that read a mechanism clean one that is not in the layout when asked.
    for (const std::string& command :
         {"reactions " + uncleaned, "show " + uncleaned + " 0", "search " + uncleaned + " A"})
        EXPECT_EQ(runCli(command + " --clean --force").exitCode, 0) << command;
}

} // namespace
} // namespace zorbel
