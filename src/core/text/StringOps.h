#pragma once
// Small text edits the file readers and writers share.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

/// A blank of the file layouts: a space or a tab.
bool isBlank(char c);

/// The text without its leading and trailing blanks.
std::string_view trimmed(std::string_view text);

/// A word of a line and where it starts, so that it can be replaced in place.
struct Word {
    std::size_t begin;
    std::string_view text;
};

/// The words of a line, separated by blanks.
std::vector<Word> wordsOf(std::string_view text);

} // namespace zorbel
