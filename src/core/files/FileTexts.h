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

} // namespace zorbel::texts
