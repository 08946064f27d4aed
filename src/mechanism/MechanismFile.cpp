#include "mechanism/MechanismFile.h"

#include "app/AppTexts.h"
#include "mechanism/MechanismTexts.h"
#include "text/StringOps.h"

#include <algorithm>

namespace zorbel {

bool hasReactionsLine(const std::vector<std::string>& lines) {
    return std::find(lines.begin(), lines.end(), texts::ReactionsKeyword) != lines.end();
}

std::optional<std::vector<std::string>> reactionEntries(std::vector<std::string> lines) {
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
    for (; line != lines.end(); ++line) {
        std::string upper = toUpperAscii(*line);
        if (upper.find(texts::IrreversibleArrow) != std::string::npos)
            entries.push_back(std::move(upper));
    }
    return entries;
}

} // namespace zorbel
