#include "MechanismTestSupport.h"

#include "cli/Commands.h"
#include "support/InProcessCli.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <sstream>
#include <vector>

namespace zorbel {
namespace {

using CliResult = testing::InProcessResult;

/// Runs the mechanism subcommands in this process, capturing what they print.
CliResult runCli(std::vector<std::string> arguments) {
    return testing::runInProcess(std::move(arguments), {cli::addMechanismCommands});
}

std::string example() {
    return (testing::examples() / "example.rxn").string();
}

TEST(MechanismCli, ListsTheExampleReactions) {
    const CliResult result = runCli({"reactions", example()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.rfind("0: H+O2<=>O+OH 3.547E+15 -0.406 16599.0\n", 0), 0U);
    EXPECT_NE(result.out.find("\n12: CH4+OH<=>CH3+H2O 1.000E+08 1.600 3120.0 ! HYDROGEN "
                              "ABSTRACTION BY OH\n(13)\n"),
              std::string::npos);
}

TEST(MechanismCli, ShowsOneReactionAsTheFirstSelectionOfARun) {
    const CliResult result = runCli({"show", example(), "0"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Reactant 1: /// (hidden)\n"
                          "Reactant 2: H (shown)\n"
                          "Reactant 3: O2 (shown)\n"
                          "Product 1: O (shown)\n"
                          "Product 2: OH (shown)\n"
                          "Product 3: /// (hidden)\n"
                          "Plus, reactants 1-2: hidden\n"
                          "Plus, reactants 2-3: shown\n"
                          "Plus, products 1-2: shown\n"
                          "Plus, products 2-3: hidden\n"
                          "Arrow: <=>\n"
                          "A: 3.547E+15\n"
                          "n: -0.406\n"
                          "Ea: 16599.0\n"
                          "AFormat: \"0.000E+00\"\n"
                          "NFormat: \"0.000\"\n"
                          "EaFormat: \"0.0\"\n");
}

TEST(MechanismCli, ShowsTheParseFailure) {
    testing::TempFolder folder;
    const std::string path = folder.write("bad.rxn", "REACTIONS\nA+B+C+D<=>E 1.0E+13 0.5 1200\n");
    const CliResult result = runCli({"show", path, "0"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("Reactant 1: NER (shown)\n"), std::string::npos);
    EXPECT_NE(result.out.find("EaFormat: \"0\"\n"
                              "Reaction with more than 3 reactants and/or 3 products\n"
                              "or Reaction written in an incompatible format\n"),
              std::string::npos);
}

TEST(MechanismCli, RefusesBadFilesAndIndices) {
    testing::TempFolder folder;
    const std::string uncleaned = folder.write("raw.inp", "REACTIONS CAL/MOLE\nA<=>B 1 2 3\n");
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    };
    const std::string pellux = "Problem encountered with your file. Did you run Pellux 1st? " +
                               uncleaned + ": line 1 reads \"REACTIONS CAL/MOLE\"";
    const Case cases[] = {
        {{"reactions", uncleaned}, pellux},
        {{"show", uncleaned, "0"}, pellux},
        {{"reactions", folder.folderText() + "none.rxn"}, "The mechanism file could not be read: "},
        {{"show", example(), "13"},
         "There is no reaction of index 13 in this mechanism: the "
         "indices run from 0 to 12.\n"},
        {{"show", example(), "-1"}, "There is no reaction of index -1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[0] + " " + c.arguments.back());
        const CliResult result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind(c.err, 0), 0U) << result.err;
    }
}

} // namespace
} // namespace zorbel
