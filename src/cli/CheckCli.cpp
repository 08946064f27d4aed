#include "cli/CliRun.h"
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismTexts.h"
#include "reversal/InputCheck.h"
#include "thermo/ThermoDatabase.h"
#include "thermo/ThermoTexts.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorbel::cli {

namespace {

struct CheckOptions {
    std::string thermo;
    std::optional<std::string> mechanism;
};

/// One line per finding on standard output; ExitDone when there is none.
int runCheck(const CheckOptions& options) {
    const std::optional<std::vector<std::string>> thermo = readDatabaseLines(options.thermo);
    if (!thermo) {
        std::cerr << couldNotBeRead(zorbel::texts::TheDatabase, options.thermo) << '\n';
        return ExitRefused;
    }
    std::optional<std::vector<std::string>> mechanism;
    if (options.mechanism) {
        mechanism = readLines(*options.mechanism);
        if (!mechanism) {
            std::cerr << couldNotBeRead(zorbel::texts::TheMechanismFile, *options.mechanism)
                      << '\n';
            return ExitRefused;
        }
    }
    const std::vector<Finding> findings =
        checkInputs(*thermo, options.thermo, mechanism ? &*mechanism : nullptr,
                    options.mechanism.value_or(std::string()));
    for (const Finding& finding : findings)
        std::cout << findingLine(finding) << '\n';
    return findings.empty() ? ExitDone : ExitRefused;
}

} // namespace

void addCheckCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<CheckOptions>();
    CLI::App* check = app.add_subcommand("check", std::string(texts::CheckHelp));
    check->add_option("THERMO", options->thermo, std::string(texts::CheckThermoHelp))->required();
    check->add_option("MECH", options->mechanism, std::string(texts::CheckMechanismHelp));
    check->callback([options, &exitCode] { exitCode = runCheck(*options); });
}

} // namespace zorbel::cli
