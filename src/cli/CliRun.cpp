#include "cli/CliRun.h"

#include "program/Program.h"

#include <iostream>

namespace zorbel::cli {

namespace {
constexpr const char* cannotReadDatabase = "The thermodynamic database could not be read: ";
constexpr const char* cannotReadMechanism = "The mechanism file could not be read: ";
} // namespace

CliRun::CliRun() : session(platform) {
    connectCommands(session);
    platform.onMessage = [](const MessageRequest& message) {
        std::cout << message.title << ": " << message.text << '\n';
    };
}

void CliRun::loadDatabase(const std::string& path) {
    platform.fileAnswers.push_back(path);
    form().CMD1.click();
}

void CliRun::loadMechanism(const std::string& path) {
    platform.fileAnswers.push_back(path);
    form().CMD2.click();
}

int CliRun::loadDatabaseOrExplain(const std::string& path) {
    loadDatabase(path);
    return explainLoad(form().Lbl1, cannotReadDatabase, path);
}

int CliRun::loadMechanismOrExplain(const std::string& path) {
    loadMechanism(path);
    return explainLoad(form().Lbl2, cannotReadMechanism, path);
}

int CliRun::explainLoad(const Label& loadedLabel, const char* cannotRead, const std::string& path) {
    if (!form().lblerror.caption().empty())
        return refusalOrDone();
    // A load that failed without a message leaves its label empty.
    if (loadedLabel.caption().empty()) {
        std::cerr << cannotRead << path << '\n';
        return ExitRefused;
    }
    return ExitDone;
}

int CliRun::refusalOrDone() {
    const std::string& message = form().lblerror.caption();
    if (message.empty())
        return ExitDone;
    std::cerr << message << '\n';
    return ExitRefused;
}

} // namespace zorbel::cli
