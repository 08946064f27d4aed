#pragma once
// Reading the comparison file that the mechanism-comparison tool writes, and merging the
// annotation block into it. The file is free text: only its first line (the settings
// group), its marked lines and its first "tolerance" line mean anything to us.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// One marked line: a reaction of the first mechanism with its forward coefficients, and
/// the second set of coefficients to compare with its reverse rate constant.
struct MarkedReaction {
    /// Equation, A, n and Ea separated by single blanks: the reaction as it is listed and
    /// reversed.
    std::string entry;
    /// A', n' and Ea' exactly as the line writes them; Ea' runs to the end of the line.
    std::string aText;
    std::string nText;
    std::string eaText;
};

bool isMarkedLine(std::string_view line);

/// The mark removed, tabs turned into blanks, falloff partners "(+M)" written "+(M)" as
/// the reaction parser expects them.
std::string cleanMarkedLine(std::string_view line);

/// Cuts a cleaned marked line at its blanks: the entry ends at the fourth blank, then A'
/// and n' each end at a blank. Nothing when a blank is missing.
std::optional<MarkedReaction> cutMarkedLine(std::string_view cleaned);

/// The marked lines of a file, in order, or the 1-based number of the first marked line
/// that cannot be cut.
struct MarkedScan {
    std::vector<MarkedReaction> reactions;
    std::optional<int> badLine;
};
MarkedScan scanMarkedLines(const std::vector<std::string>& lines);

/// The entries of the marked reactions, in order: the reactions as they are listed.
std::vector<std::string> entriesOf(const std::vector<MarkedReaction>& reactions);

/// The group "[tol/T1/T2]" of the first line. Each number is read from the start of the
/// text after its opening delimiter; a group that is not there reads as three zeros.
struct ComparisonSettings {
    double tolerancePercent = 0.0; ///< [%]
    double T1 = 0.0;               ///< first check temperature [K]
    double T2 = 0.0;               ///< second check temperature [K]
};
ComparisonSettings readSettingsGroup(std::string_view firstLine);

/// The tolerance of the first line's group as written, blanks trimmed, when it is not one
/// number, finite and at least 0; nothing when it is, or when the line holds no group. A
/// word read as 0 would class every reaction as different, and an infinite tolerance would
/// be written into the file as "Infinity %".
std::optional<std::string> unusableTolerance(std::string_view firstLine);

/// The file's lines with the block in front of the first line that holds "tolerance";
/// the lines unchanged when none does.
struct MergedFile {
    std::vector<std::string> lines;
    bool inserted = false;
};
MergedFile mergeAnnotation(const std::vector<std::string>& lines,
                           const std::vector<std::string>& block);

} // namespace zorbel
