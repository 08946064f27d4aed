#pragma once
// Texts of reading and replacing files: the refusals every writer shares and the caption
// of a loaded file.

#include <string_view>

namespace zorbel::texts {

/// A loaded file's caption: the prefix, then the path, shortened with the mark when long.
inline constexpr std::string_view LoadedPrefix = "Loaded: ";
// The mark ends with the system's own separator, as the rest of the path does.
#ifdef _WIN32
inline constexpr std::string_view ShortenedPathMark = "[...]\\";
#else
inline constexpr std::string_view ShortenedPathMark = "[...]/";
#endif

// Files that are replaced: one policy for every writer.
inline constexpr std::string_view ReadOnlyFileStart =
    "This file is read-only, or the user running the program may not write it, and was left "
    "as it was: ";
inline constexpr std::string_view ReadOnlyFileEnd = ". Make it writable, or choose another.";

/// "The report out.csv would replace the mechanism mech.rxn; nothing was written."
inline constexpr std::string_view WouldReplace = " would replace ";
inline constexpr std::string_view NothingWrittenForClash = "; nothing was written.";

/// Why a file could not be created, where the system gives no words for it.
inline constexpr std::string_view CauseFolder = "a folder has that name";
inline constexpr std::string_view CauseNotAFile = "something that is not a file has that name";

/// After what could not be read, before its name.
inline constexpr std::string_view CouldNotBeRead = " could not be read: ";

// The roles in which a refusal names the files of a clash: an output would replace one of
// the files the command reads, or another of its outputs.
inline constexpr std::string_view RoleDatabase = "the database";
inline constexpr std::string_view RoleMechanism = "the mechanism";
inline constexpr std::string_view RolePublishedMechanism = "the mechanism as published";
inline constexpr std::string_view RoleComparison = "the comparison file";
inline constexpr std::string_view RoleReversedMechanism = "the reversed mechanism";
inline constexpr std::string_view RoleReport = "the report";
inline constexpr std::string_view RoleTable = "the table";
inline constexpr std::string_view RoleCleanedMechanism = "the cleaned mechanism";
inline constexpr std::string_view RoleOtherOutput = "the output of another command";
// How to avoid a clash with an output whose name is fixed.
inline constexpr std::string_view WorkFolderOutputHint =
    "Its name is fixed and it goes into the work folder (the mechanism's folder unless another "
    "is chosen): rename or move the file it would replace, or choose another work folder.";
inline constexpr std::string_view ComparisonOutputHint =
    "RevAll.txt always goes beside the comparison file: rename or move the file it would "
    "replace, or move the comparison file into another folder.";
inline constexpr std::string_view CleanFileHint =
    "The clean copy is always NAME-clean.inp beside the mechanism NAME: rename or move the file "
    "it would replace, or remove what stands at that name.";

} // namespace zorbel::texts
