#pragma once
// One finding of a check of the input files: where, and what.

#include <cstddef>
#include <string>

namespace zorbel {

struct Finding {
    std::string file;
    std::size_t line = 0; ///< 1-based
    std::string text;
};

/// "FILE:LINE: text", as compilers and editors point at a line.
inline std::string findingLine(const Finding& finding) {
    return finding.file + ":" + std::to_string(finding.line) + ": " + finding.text;
}

} // namespace zorbel
