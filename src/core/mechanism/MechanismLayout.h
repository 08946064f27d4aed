#pragma once
// Whether a mechanism file is in the layout the loader and the reaction parser read, and
// where and how its cleaned copy goes when it is not.

#include "mechanism/MechanismCleaner.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// The first sign that a file is not in the layout: what, and on which line.
struct LayoutProblem {
    enum class Kind {
        ReactionsLine, ///< units, lower case or blanks on the REACTIONS line
        Blanks,        ///< blanks or tabs inside an equation
        PlainArrow,    ///< "=" as the only arrow
        Factor,        ///< a factor such as 2OH
        Spacing,       ///< more than one blank, or a tab, between equation, A, n and Ea
    };
    Kind kind = Kind::ReactionsLine;
    std::size_t line = 0; ///< 1-based
};

/// Nothing when the file is in the layout, or when it has no reaction section at all
/// (cleaning could not help it).
std::optional<LayoutProblem> layoutProblem(const std::vector<std::string>& lines);

/// The problem in words, as a warning names it.
std::string_view layoutProblemText(LayoutProblem::Kind kind);

/// NAME-clean.inp in the folder of the file NAME.ext.
std::string cleanFilePath(const std::string& path);

/// A refusal of the cleaner, naming the file it read: "FILE: " and the refusal.
std::string cleanRefusal(const std::string& path, const std::string& refusal);

/// What cleaning on load did: the file written, then the reactions by kind of change.
std::string cleanSummary(const CleanedMechanism& cleaned, const std::string& cleanPath);

} // namespace zorbel
