#pragma once
// What a command reports to whoever started it: the window shows the message in its
// labels, the command line takes its exit code and its output from it.

#include <string>
#include <utility>
#include <vector>

namespace zorbel {

enum class Outcome {
    Done,    ///< the command did what it was asked
    Refused, ///< it would not or could not; nothing was written
    Stopped, ///< the user cancelled it or stopped its run; nothing was written
};

struct CommandResult {
    Outcome outcome = Outcome::Done;
    /// Why a command refused or stopped, or the warning a done command came with: the
    /// text the window shows for it. Empty when the refusal was told in a message box or
    /// needs no words (a cancelled dialog).
    std::string message;
    /// The files the command wrote, in the order it put them in place.
    std::vector<std::string> filesWritten;

    bool done() const { return outcome == Outcome::Done; }

    static CommandResult refused(std::string message) {
        return {Outcome::Refused, std::move(message), {}};
    }
    static CommandResult stopped(std::string message = {}) {
        return {Outcome::Stopped, std::move(message), {}};
    }
    static CommandResult wrote(std::vector<std::string> files, std::string warning = {}) {
        return {Outcome::Done, std::move(warning), std::move(files)};
    }
};

} // namespace zorbel
