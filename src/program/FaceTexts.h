#pragma once
// The texts both faces show alike: the titles of the boxes a command opens (the window shows
// them, the command line prints them before the box's text), the end of a message's line,
// and the words of an interruption. Each text stands here once; the window's own texts are
// in app/AppTexts.h.

#include <string_view>

namespace zorbel::texts {

/// The end of every line of a message, in the window's boxes and in the command line's.
inline constexpr std::string_view MessageNewLine = "\r\n";

// Titles of the boxes, and the closing box's words.
inline constexpr std::string_view ReverseAllTitle = "Reverse All";
inline constexpr std::string_view ReverseSelectedTitle = "Reverse Selected";
inline constexpr std::string_view WarningTitle = "Warning!";
inline constexpr std::string_view JobDoneTitle = "JOB DONE!";
inline constexpr std::string_view OutputFileCopiedTo = "Output file copied to:";

// A handler that meets the unexpected says so instead of failing silently.
inline constexpr std::string_view UnexpectedFault = "Unexpected fault, the command was stopped: ";

// An interruption (Ctrl+C, a signal) during a run.
inline constexpr std::string_view InterruptedNothingWritten =
    "Interrupted: the run was stopped and nothing was written; every file is as it was.";
inline constexpr std::string_view InterruptedAfterWriting =
    "Interrupted after the run had put its files in place whole; no scratch file is left.";

} // namespace zorbel::texts
