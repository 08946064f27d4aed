#include "cli/CliRun.h"

#include "program/Program.h"

#include <iostream>

namespace zorbel::cli {

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

int CliRun::refusalOrDone() {
    const std::string& message = form().lblerror.caption();
    if (message.empty())
        return ExitDone;
    std::cerr << message << '\n';
    return ExitRefused;
}

} // namespace zorbel::cli
