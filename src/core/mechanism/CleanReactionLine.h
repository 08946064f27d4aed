#pragma once
// A reaction line of a published mechanism, read into its equation, A, n and Ea texts
// and comment, and written back in the layout the reaction parser reads: the equation
// without blanks, every species spelled out, single blanks before A, n and Ea.

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel::clean {

/// Why a reaction could not be written; empty when it could.
using Problem = std::string_view;

struct Side {
    /// Species texts with their factors spelled out, third body M included.
    std::vector<std::string> species;
    /// The falloff partner as written after the species, such as "(+M)"; may be empty.
    std::string partner;
    bool factorsSpelledOut = false;
};

struct Reaction {
    Side reactants;
    Side products;
    std::string_view arrow;
    std::string aText, nText, eaText;
    std::string comment;
    /// What the layout changes in the equation as written.
    bool blanksRemoved = false;
    bool plainArrow = false;
    bool factorsSpelledOut = false;
    /// Blanks before the equation, or other than one blank between it, A, n and Ea.
    bool spacingFixed = false;
};

/// A reaction line: the equation (blanks inside it allowed), then A, n and Ea as its
/// last three words, then perhaps a comment. `declared` holds the declared species names
/// in capitals, so that a name starting with digits is not taken for a factor.
Problem readReaction(std::string_view line, const std::set<std::string>& declared,
                     Reaction& reaction);

/// True when the reaction, read from the line, is written in the layout already: the
/// line's text before its comment is the reaction line's.
bool isInLayout(std::string_view line, const Reaction& reaction);

/// True for a line that holds an equation: any "=" before its comment.
bool isReactionLine(std::string_view line);

/// The reaction as one line of the layout.
std::string reactionLine(const Reaction& reaction);

} // namespace zorbel::clean
