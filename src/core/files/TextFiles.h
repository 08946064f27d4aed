#pragma once
// Reading and writing the program's text files. Input lines end at CR LF, LF or a lone
// CR; every output line ends with CR LF.

#include "files/ScratchFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// The file system's name of a path the program holds as text. Paths are UTF-8 text
/// everywhere in the program; Windows names files in UTF-16, and its narrow names would
/// be in a code page that cannot name every file.
std::filesystem::path filePath(const std::string& text);
/// A file system's name as the program's UTF-8 text.
std::string pathText(const std::filesystem::path& path);

/// The lines of a file without their line ends, or nothing when it cannot be read or is
/// not a regular file (a folder, a device or a pipe, which would read nothing or never
/// end). A last line without a line end is still a line; an empty file has no lines. A
/// UTF-8 byte order mark that an editor put before the first line is not part of it.
std::optional<std::vector<std::string>> readLines(const std::string& path);

/// What a file was when it was read, to tell before it is replaced whether someone changed,
/// replaced or removed it meanwhile: its identity and every byte it held.
struct ReadStamp {
    std::optional<FileIdentity> identity;
    std::string content;
};

/// readLines, keeping the file's stamp.
std::optional<std::vector<std::string>> readLines(const std::string& path, ReadStamp& stamp);

/// True when the path still leads to the file that was read, holding the same bytes.
bool unchangedSince(const std::string& path, const ReadStamp& stamp);

/// The file a write to the path lands in: the path itself or, for a symbolic link, the file
/// it leads to. A file replaced through its link keeps the user's link.
std::string writeTarget(const std::string& path);

/// Splits a text into lines at CR LF, LF or a lone CR.
std::vector<std::string> splitLines(std::string_view text);

/// A file written line by line, each line ended by CR LF, through one buffered stream.
/// The file is replaced whole or not at all: the lines go to a scratch file of a unique
/// name beside it, which takes its place when close() finds every line written. A full
/// disk, a refusal or a run abandoned half way leaves the previous file as it was and no
/// scratch file behind.
class LineWriter {
public:
    /// Starts the scratch file; ok() is false when it cannot be created, or when the path
    /// holds something that cannot be replaced by a written file (refusal() says which).
    explicit LineWriter(const std::string& path);

    bool ok() const { return file_ && file_->ok(); }
    /// Replaceable unless the target itself refused the writer.
    TargetState refusal() const { return state_; }
    /// Why the file could not be started, in words within parentheses after a blank; empty
    /// when it was, or when the target is read-only (the read-only refusal says so).
    std::string cause() const;
    void line(std::string_view text);
    /// Flushes, closes and puts the file in place; false when anything failed on the
    /// way, and then the path holds what it held before.
    bool close();
    /// Flushes and closes without putting the file in place yet: it can be read back at
    /// scratchPath() until putInPlace() or the writer's end. False when a byte was lost.
    bool finish();
    bool putInPlace();
    /// Keeps the finished file under a new unique name beside the path, which stays as it
    /// is (see ScratchFile::keepBeside).
    std::optional<std::string> keepBeside(std::string_view tag);
    const std::string& scratchPath() const;

private:
    std::string path_;
    TargetState state_ = TargetState::Replaceable;
    std::optional<ScratchFile> file_;
};

/// Writes the lines through a LineWriter: the file is replaced whole, or left as it was
/// and false returned.
bool writeLines(const std::string& path, const std::vector<std::string>& lines);
/// The same, saying why when it fails: writeRefusal's words with the system's cause.
/// Nothing when the file was written whole.
std::optional<std::string> writeLinesOrSayWhy(const std::string& path,
                                              const std::vector<std::string>& lines,
                                              std::string_view otherwise);

/// True when the file at the path (or the one a link there leads to) is read-only.
bool isReadOnly(const std::string& path);

/// The refusal of a file that may not be written, naming it.
std::string readOnlyRefusal(const std::string& path);

/// Why a file could not be written: the read-only refusal when the file is read-only,
/// otherwise the given start followed by the path.
std::string writeRefusal(const std::string& path, std::string_view otherwise);

/// "<folder><name>" for a folder that ends with its separator (or is empty).
std::string pathInFolder(const std::string& folder, std::string_view name);

/// The characters that end a folder's name in a path: "/" alone on POSIX systems, where a
/// "\" is a character of a name like any other; "\" and "/" on Windows.
#ifdef _WIN32
inline constexpr std::string_view PathSeparators = "\\/";
#else
inline constexpr std::string_view PathSeparators = "/";
#endif

/// Splits a path after its last separator: the folder keeps its trailing separator.
struct PathParts {
    std::string folder;
    std::string fileName;
};
PathParts splitPath(const std::string& path);

/// "Loaded: " and the path, or, for a path of `limit` characters or more, "Loaded: ",
/// the first three characters of the folder, the shortening mark and the file name.
std::string loadedCaption(const std::string& path, std::size_t limit);
/// The limits of the loaded-file captions: the mechanism's label is narrower.
inline constexpr std::size_t DatabaseCaptionLimit = 80;
inline constexpr std::size_t MechanismCaptionLimit = 45;

/// A file, or a record in one, that could not be read: "The mechanism file could not be
/// read: " and the name.
std::string couldNotBeRead(std::string_view what, std::string_view name);

} // namespace zorbel
