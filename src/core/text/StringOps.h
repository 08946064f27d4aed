#pragma once
// Small text edits the file readers and writers share.

#include <string>
#include <string_view>

namespace zorbel {

/// Replaces every occurrence, left to right without overlaps, as one pass.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

/// ASCII upper case; other bytes pass through unchanged.
std::string toUpperAscii(std::string_view text);

/// An ASCII letter, either case.
bool isAsciiLetter(char c);

/// The text without any of the given characters.
std::string removeChars(std::string_view text, std::string_view characters);

bool contains(std::string_view text, std::string_view part);

} // namespace zorbel
