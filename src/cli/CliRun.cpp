#include "cli/CliRun.h"

#include "commands/MechanismCommands.h"
#include "commands/ThermoCommands.h"
#include "program/Program.h"

#include <iostream>
#include <utility>

namespace zorbel::cli {

CliRun::CliRun() : session(platform) {
    connectCommands(session);
    platform.onMessage = [](const MessageRequest& message) {
        std::cout << message.title << ": " << message.text << '\n';
    };
}

CommandResult CliRun::loadDatabase(const std::string& path) {
    platform.fileAnswers.push_back(path);
    return session.start([this] { return zorbel::loadDatabase(session); });
}

CommandResult CliRun::loadMechanism(const std::string& path) {
    platform.fileAnswers.push_back(path);
    return session.start([this] { return zorbel::loadMechanism(session); });
}

CommandResult CliRun::act(std::function<void()>& handler,
                          const std::function<CommandResult()>& command,
                          const std::function<void()>& action) {
    CommandResult result;
    std::function<void()> connected =
        std::exchange(handler, [this, &result, &command] { result = session.handle(command); });
    action();
    handler = std::move(connected);
    return result;
}

int exitCodeOf(const CommandResult& result) {
    if (result.done())
        return ExitDone;
    if (!result.message.empty())
        std::cerr << result.message << '\n';
    return ExitRefused;
}

} // namespace zorbel::cli
