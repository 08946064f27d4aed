// A mechanism file as a user might hand it over: the reaction entries it lists, each one
// cut into slots and coefficients, and the number patterns its coefficients suggest.

#include "FuzzCheck.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismFile.h"
#include "mechanism/ParsedReaction.h"
#include "text/StringOps.h"

#include <string>
#include <vector>

namespace {

using namespace zorbel;

constexpr std::size_t maxEntriesChecked = 256;

void checkParse(const std::string& entry) {
    const ParsedReaction parsed = parseReaction(entry);
    if (parsed.Failed) {
        for (const std::string& slot : parsed.Slots)
            ZORBEL_FUZZ_CHECK(slot == "NER", entry);
    } else {
        ZORBEL_FUZZ_CHECK(parsed.coefficientsRead, entry);
        for (const std::string& slot : parsed.Slots) {
            ZORBEL_FUZZ_CHECK(!slot.empty(), entry);
            ZORBEL_FUZZ_CHECK(slot.find(' ') == std::string::npos, entry);
            ZORBEL_FUZZ_CHECK(slot != "NER" || entry.find("NER") != std::string::npos, entry);
        }
        // Reactants fill the last of their three slots, products the first of theirs.
        ZORBEL_FUZZ_CHECK((parsed.Slots[2] != "///" && parsed.Slots[3] != "///") ||
                              entry.find("///") != std::string::npos,
                          entry);
    }
    if (parsed.coefficientsRead) {
        ZORBEL_FUZZ_CHECK(parsed.AText.find(' ') == std::string::npos, entry);
        ZORBEL_FUZZ_CHECK(parsed.NText.find(' ') == std::string::npos, entry);
        const CoefficientPatterns patterns =
            choosePatterns(parsed.AText, parsed.NText, parsed.EaText);
        for (const std::string* pattern :
             {&patterns.AFormat, &patterns.NFormat, &patterns.EaFormat})
            ZORBEL_FUZZ_CHECK(pattern->empty() || pattern->starts_with("0"), *pattern);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const std::vector<std::string> lines = splitLines(text);
    const bool opened = hasReactionsLine(lines);
    const std::optional<std::vector<std::string>> entries = reactionEntries(lines);
    ZORBEL_FUZZ_CHECK(entries.has_value() == opened, "the REACTIONS rule");
    if (entries) {
        ZORBEL_FUZZ_CHECK(entries->size() <= lines.size(), "more entries than lines");
        std::size_t checked = 0;
        for (const std::string& entry : *entries) {
            ZORBEL_FUZZ_CHECK(entry.find("=>") != std::string::npos, entry);
            ZORBEL_FUZZ_CHECK(toUpperAscii(entry) == entry, entry);
            if (++checked <= maxEntriesChecked)
                checkParse(entry);
        }
    }
    // The parser takes any text, not only listed entries: the comparison file feeds it too.
    if (size <= 4096)
        checkParse(toUpperAscii(std::string(text)));
    return 0;
}
