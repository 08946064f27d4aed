#include "mechanism/CleanAuxiliary.h"

#include "mechanism/AuxiliaryGroups.h"
#include "mechanism/CleanLineText.h"
#include "mechanism/CleanTexts.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <optional>
#include <string_view>

namespace zorbel::clean {

namespace {

/// The order of the rate a group gives; nothing for a group without an A and an Ea.
std::optional<std::size_t> orderOf(const std::string& keyword, const BlockOrders& orders) {
    if (keyword == texts::LowKeyword)
        return orders.low;
    if (keyword == texts::HighKeyword)
        return orders.high;
    if (keyword == texts::RevKeyword)
        return orders.reverse;
    if (keyword == texts::PlogKeyword)
        return orders.plog;
    return std::nullopt;
}

struct Replacement {
    std::size_t begin;
    std::size_t length;
    std::string text;
};

/// Adds the replacements of a group's A and Ea texts; false when its numbers cannot be
/// read or converted.
bool convertGroup(std::string_view body, const AuxiliaryGroup& group, std::size_t order,
                  const Converter& converter, std::vector<Replacement>& replacements) {
    const std::string_view content =
        body.substr(group.contentBegin, group.contentEnd - group.contentBegin);
    const std::vector<Word> numbers = wordsOf(content);
    const std::size_t first = group.keyword == texts::PlogKeyword ? 1 : 0; // a pressure first
    bool readable = group.closed && numbers.size() == first + 3;
    for (std::size_t i = 0; readable && i < numbers.size(); ++i)
        readable = isWholeNumberText(numbers[i].text);
    const std::optional<std::string> a =
        readable ? converter.a(numbers[first].text, order) : std::nullopt;
    const std::optional<std::string> ea =
        readable ? converter.ea(numbers[first + 2].text) : std::nullopt;
    if (!a || !ea)
        return false;
    const Word& aWord = numbers[first];
    const Word& eaWord = numbers[first + 2];
    if (*a != aWord.text)
        replacements.push_back({group.contentBegin + aWord.begin, aWord.text.size(), *a});
    if (*ea != eaWord.text)
        replacements.push_back({group.contentBegin + eaWord.begin, eaWord.text.size(), *ea});
    return true;
}

} // namespace

BlockOrders ordersOf(const Reaction& reaction, bool hasHigh) {
    // The third body M of "+M" counts as a reactant; a falloff partner "(+M)" does not,
    // since the high-pressure rate is written without it. Its low-pressure rate (LOW/)
    // has one concentration more. With HIGH/, the reaction line itself gives the
    // low-pressure rate of a chemically activated reaction.
    const std::size_t reactants = reaction.reactants.species.size();
    return {hasHigh ? reactants + 1 : reactants, reactants + 1, reactants,
            reaction.products.species.size(), reactants};
}

bool hasHighGroup(const std::vector<std::string>& auxiliaries) {
    for (const std::string& line : auxiliaries) {
        for (const AuxiliaryGroup& group : groupsOf(withoutComment(line))) {
            if (group.keyword == texts::HighKeyword)
                return true;
        }
    }
    return false;
}

ConvertedLine convertAuxiliary(const std::string& line, const Converter& converter,
                               const BlockOrders& orders) {
    ConvertedLine result{line, false, {}};
    if (!converter.active())
        return result;
    const std::string_view body = withoutComment(line);
    std::vector<Replacement> replacements;
    for (const AuxiliaryGroup& group : groupsOf(body)) {
        const std::optional<std::size_t> order = orderOf(group.keyword, orders);
        if (!order)
            continue;
        if (!convertGroup(body, group, *order, converter, replacements)) {
            result.unreadable = group.keyword;
            return result;
        }
    }
    // From the end of the line back, so that earlier positions stay valid.
    for (auto it = replacements.rbegin(); it != replacements.rend(); ++it)
        result.text.replace(it->begin, it->length, it->text);
    result.changed = !replacements.empty();
    return result;
}

} // namespace zorbel::clean
