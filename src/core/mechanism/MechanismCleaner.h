#pragma once
// Rewrites a mechanism as published into the layout the mechanism loader and the
// reaction parser read: an exact REACTIONS line, one reaction per line written as
// equation, A, n and Ea separated by single blanks, the equation without blanks, with
// "<=>" or "=>" and every species spelled out (2OH becomes OH+OH). Activation energies
// end in cal/mol and pre-exponential factors in mole units, since the reversal reads
// them so. Everything else a kineticist relies on stays: the sections before the
// reactions, comments, auxiliary lines (LOW/, TROE/, REV/, DUPLICATE, efficiencies...)
// and END.

#include <string>
#include <vector>

namespace zorbel {

/// A reaction the cleaner could not write in the layout and left as a comment.
struct CommentedOutReaction {
    /// 1-based line number of the reaction line in the input.
    int lineNumber = 0;
    /// Why, in words, as the comment line gives it.
    std::string reason;
};

struct CleanedMechanism {
    /// Empty when the mechanism was cleaned; otherwise why it was not (no reaction
    /// section, units this program cannot convert), and `lines` is empty.
    std::string refusal;
    /// The cleaned file, line by line, without line ends.
    std::vector<std::string> lines;
    /// Reaction lines written in the layout.
    int written = 0;
    /// Of those, the reactions whose A or Ea texts (on the reaction line or on one of its
    /// auxiliary lines) were rewritten into cal/mol and mole units.
    int converted = 0;
    /// Of those, the reactions whose equation lost blanks or tabs, whose "=" became
    /// "<=>", whose factors (2OH) were spelled out.
    int blanksRemoved = 0;
    int arrowsWritten = 0;
    int factorsSpelledOut = 0;
    /// And those whose equation, A, n and Ea were not set apart by single blanks.
    int spacingFixed = 0;
    /// Reactions left as comment lines, with their reasons.
    std::vector<CommentedOutReaction> commentedOut;

    bool cleaned() const { return refusal.empty(); }
};

/// Cleans the lines of a mechanism file. Pure: reads nothing, writes nothing, never
/// throws for any input text.
CleanedMechanism cleanMechanism(const std::vector<std::string>& lines);

} // namespace zorbel
