#pragma once
// The words and comments of a mechanism line as the cleaner sees them: blanks are spaces
// and tabs, a comment runs from "!" to the end of the line.

#include "text/StringOps.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel::clean {

constexpr char Blank = ' ';
constexpr char CommentChar = '!';

bool isDigit(char c);

/// The part of a line before its "!" comment.
std::string_view withoutComment(std::string_view line);

/// The "!" comment of a line, trailing blanks removed; empty when it has none.
std::string_view commentOf(std::string_view line);

std::string_view firstWord(std::string_view text);

/// Comments inside the reaction section are kept, but an arrow in them would make the
/// loader list the comment as a reaction.
std::string harmlessComment(std::string_view comment);

} // namespace zorbel::clean
