#pragma once
// The checks a reversal makes before it computes or opens anything. Both faces call these
// same functions, so that the window's message boxes and labels and the command line's
// refusals say the same words in the same order. Each returns the refusal's text, or
// nothing when the reversal may go on.

#include "files/FileClash.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// The refusal of a command that needs reactions when none are listed: the fixed warning,
/// and the file that was loaded without any, when one was.
std::string importMechanismFirst(const std::string& mechanismPath);

/// A number of points as typed (the window's box, or the command line's option written
/// out) that gives no grid.
std::optional<std::string> pointsRefusal(const std::string& typed);

/// Every reversal needs a database loaded.
std::optional<std::string> databaseRefusal(int speciesCount);

/// What is loaded, as a batch's checks see it.
struct LoadedCounts {
    int speciesCount = 0;
    int reactionCount = 0;
    std::size_t listed = 0; ///< the reactions listed now, which a load fixed
    std::string mechanismPath;
};

/// Reverse All and Reverse Selected: a database, a mechanism and a list to reverse. A list
/// emptied since the load would give a file of headers only over a good one.
std::optional<std::string> batchRefusal(const LoadedCounts& loaded);

/// Reverse Selected: a selection of fewer than two reactions is refused, in a box whose
/// lines end in `newLine`, before anything is asked or opened.
std::optional<std::string> selectionRefusal(std::size_t chosen, const std::string& newLine);

/// The questions Reverse All and Reverse Selected ask before they start (the window waits
/// for Yes; the command line shows them answered), lines ending in `newLine`.
std::string reverseAllQuestion(const std::string& newLine);
std::string reverseSelectedQuestion(const std::string& newLine);

/// What the reaction panel shows, as Reverse checks it.
struct ShownReaction {
    bool nothingShown = false; ///< no slot and no coefficient: no reaction was picked
    bool irreversible = false;
};

/// Reverse: a database, a reaction picked and a reversible one. Empty slots would read
/// as species missing from the database.
std::optional<std::string> reverseRefusal(int speciesCount, const ShownReaction& shown);

/// The loaded files a reversal reads, and the folder it writes into.
struct ReversalFiles {
    std::string database;
    std::string mechanism;
    std::string publishedMechanism; ///< the file as published it was cleaned from
    std::string comparison;
    std::string workFolder;
};

/// The files a reversal of the listed reactions reads or was given, in their roles.
std::vector<RoleFile> reversalInputs(const ReversalFiles& files);

/// Why a reversal that writes `fileName` into the work folder, and the report where one
/// is asked for, may not: neither may replace an input nor the other reversals' files
/// there. Nothing when they may be written.
std::optional<std::string> workFolderClash(const ReversalFiles& files, std::string_view role,
                                           std::string_view fileName,
                                           const std::string& report = {});

} // namespace zorbel
