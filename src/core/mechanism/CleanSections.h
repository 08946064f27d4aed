#pragma once
// The sections of a mechanism as the cleaner walks them: the SPECIES sections before the
// reactions, the REACTIONS line that opens the reaction section, the END that closes
// it, and the reaction blocks in between, each written in the layout or commented out.

#include "mechanism/CleanReactionLine.h"
#include "mechanism/CleanUnits.h"
#include "mechanism/MechanismCleaner.h"
#include "mechanism/MechanismTexts.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel::clean {

/// True for "REAC" up to "REACTIONS", in any case: how the section may be opened.
bool isReactionsKeyword(std::string_view word);

bool isEndLine(std::string_view line);

/// The declared species names, in capitals, from the SPECIES sections before the
/// reactions. A name that starts with digits is then not mistaken for a factor.
std::set<std::string> declaredSpecies(const std::vector<std::string>& header);

/// Writes the reaction blocks of a section into a cleaned mechanism.
class SectionCleaner {
public:
    SectionCleaner(const SectionUnits& units, std::set<std::string> declared,
                   CleanedMechanism& result)
        : converter_(units), declared_(std::move(declared)), result_(result) {}

    /// One reaction line (1-based line number) with the auxiliary lines that follow it.
    void block(int lineNumber, const std::string& line,
               const std::vector<std::string>& auxiliaries);
    /// A line that is no reaction, auxiliary line or comment, commented out with why, and
    /// the lines that follow it until the next reaction.
    void strayLine(int lineNumber, const std::string& line,
                   const std::vector<std::string>& following) {
        commentOut(lineNumber, line, following, std::string(zorbel::texts::NotAReaction));
    }

private:
    /// The block in the layout, or why it cannot be written so.
    struct WrittenBlock {
        std::vector<std::string> lines;
        bool changed = false;
        Reaction reaction;
        std::string problem;
    };

    WrittenBlock written(const std::string& line,
                         const std::vector<std::string>& auxiliaries) const;
    void commentOut(int lineNumber, const std::string& line,
                    const std::vector<std::string>& auxiliaries, std::string reason);

    Converter converter_;
    std::set<std::string> declared_;
    CleanedMechanism& result_;
};

} // namespace zorbel::clean
