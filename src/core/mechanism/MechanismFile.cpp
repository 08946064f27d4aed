#include "mechanism/MechanismFile.h"

#include "mechanism/MechanismTexts.h"
#include "mechanism/ParsedReaction.h"
#include "text/ChemkinKeywords.h"
#include "text/StringOps.h"

#include <algorithm>

namespace zorbel {

namespace {

std::string_view firstWordOf(std::string_view line) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    line.remove_prefix(start);
    return line.substr(0, line.find_first_of(" \t"));
}

} // namespace

bool hasReactionsLine(const std::vector<std::string>& lines) {
    return std::find(lines.begin(), lines.end(), texts::ReactionsKeyword) != lines.end();
}

std::optional<std::vector<std::string>> reactionEntries(std::vector<std::string> lines,
                                                        std::vector<int>* lineNumbers) {
    if (!hasReactionsLine(lines))
        return std::nullopt;
    // The section starts after the first line that reads REACTIONS in any case, which
    // may stand before the exact line that let the file in.
    auto line = std::find_if(lines.begin(), lines.end(), [](const std::string& text) {
        return toUpperAscii(text) == texts::ReactionsKeyword;
    });
    if (line != lines.end())
        ++line;
    std::vector<std::string> entries;
    bool closed = false; // by the END of the reaction section
    for (; line != lines.end(); ++line) {
        std::string upper = toUpperAscii(*line);
        closed = closed || firstWordOf(upper) == texts::EndKeyword;
        if (upper.find(texts::IrreversibleArrow) != std::string::npos ||
            (!closed && isStrayReactionSectionLine(upper))) {
            entries.push_back(std::move(upper));
            if (lineNumbers != nullptr)
                lineNumbers->push_back(static_cast<int>(line - lines.begin()) + 1);
        }
    }
    return entries;
}

std::size_t looseReactionsLine(const std::vector<std::string>& lines) {
    // A section keyword may be shortened to its first four letters.
    const std::string_view start = texts::ReactionsKeyword.substr(0, 4);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t first = lines[i].find_first_not_of(" \t");
        if (first != std::string::npos &&
            toUpperAscii(std::string_view(lines[i]).substr(first, start.size())) == start)
            return i + 1;
    }
    return 0;
}

} // namespace zorbel
