// A mechanism file as a user might hand it over: the reaction entries it lists, each one
// cut into slots and coefficients, and the number patterns its coefficients suggest.

#include "FuzzCheck.h"
#include "files/TextFiles.h"
#include "mechanism/MechanismCheck.h"
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
    // A refusal always says why; an irreversible reaction is never refused.
    ZORBEL_FUZZ_CHECK(parsed.Failed == !parsed.fault.empty(), entry);
    ZORBEL_FUZZ_CHECK(!isIrreversibleReaction(parsed) || parsed.Irreversible, entry);
    ZORBEL_FUZZ_CHECK(!isIrreversibleReaction(parsed) || entryFault(entry).empty(), entry);
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
            // Other lines of the section are listed to be refused, never to be reversed.
            const bool arrow = entry.find("=>") != std::string::npos;
            ZORBEL_FUZZ_CHECK(arrow || isStrayReactionSectionLine(entry), entry);
            ZORBEL_FUZZ_CHECK(arrow || parseReaction(entry).Failed, entry);
            ZORBEL_FUZZ_CHECK(toUpperAscii(entry) == entry, entry);
            if (++checked <= maxEntriesChecked)
                checkParse(entry);
        }
    }
    // The check names a line of the file for every line it refuses.
    if (size <= 65536) {
        for (const Finding& finding : checkedSection(lines, "m").refused)
            ZORBEL_FUZZ_CHECK(finding.line >= 1 && finding.line <= lines.size() &&
                                  !finding.text.empty(),
                              finding.text);
    }
    // The parser takes any text, not only listed entries: the comparison file feeds it too.
    if (size <= 4096)
        checkParse(toUpperAscii(std::string(text)));
    return 0;
}
