#pragma once
// Which lines of a mechanism file are reaction entries.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// True when the file holds the reaction section's opening line exactly as written:
/// "REACTIONS" alone, in capitals, with no units and no blanks.
bool hasReactionsLine(const std::vector<std::string>& lines);

/// The reaction entries of a mechanism file's lines: after the first line that reads
/// REACTIONS once upper-cased, every line, upper-cased, that holds "=>" (so "<=>" too),
/// to the end of the file. END does not close the section, and a comment that holds
/// "=>" is an entry. Before that END, a line that is neither a reaction, an auxiliary
/// line nor a comment ("H+O2<=HO2 ...") is an entry too, which every reader refuses with
/// its line number (see isStrayReactionSectionLine). Nothing when the file lacks the exact opening
/// line (see hasReactionsLine): such a file has not been cleaned and is refused. `lineNumbers`,
/// when given, receives each entry's 1-based line in the file, for the messages that
/// point at a line.
std::optional<std::vector<std::string>> reactionEntries(std::vector<std::string> lines,
                                                        std::vector<int>* lineNumbers = nullptr);

/// The 1-based number of the first line that opens the reaction section otherwise than
/// exactly (units after the keyword, lower case, blanks before it), which a refusal
/// points the user to; 0 when no line does.
std::size_t looseReactionsLine(const std::vector<std::string>& lines);

} // namespace zorbel
