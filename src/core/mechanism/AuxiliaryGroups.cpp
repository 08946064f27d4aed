#include "mechanism/AuxiliaryGroups.h"

#include "mechanism/CleanLineText.h"
#include "text/StringOps.h"

namespace zorbel {

namespace {

constexpr char Slash = '/';

/// The group whose keyword starts at `i`; `i` moves past it.
AuxiliaryGroup groupAt(std::string_view text, std::size_t& i) {
    const std::size_t begin = i;
    while (i < text.size() && !isBlank(text[i]) && text[i] != Slash)
        ++i;
    AuxiliaryGroup group;
    group.keyword = toUpperAscii(text.substr(begin, i - begin));
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && text[i] == Slash) {
        group.contentBegin = i + 1;
        const std::size_t close = text.find(Slash, i + 1);
        group.closed = close != std::string_view::npos;
        group.contentEnd = group.closed ? close : text.size();
        i = group.closed ? close + 1 : text.size();
    }
    return group;
}

} // namespace

std::vector<AuxiliaryGroup> groupsOf(std::string_view text) {
    std::vector<AuxiliaryGroup> groups;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i >= text.size())
            break;
        groups.push_back(groupAt(text, i));
    }
    return groups;
}

} // namespace zorbel
