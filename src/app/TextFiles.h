#pragma once
// Reading and writing the program's text files. Input lines end at CR LF, LF or a lone
// CR; every output line ends with CR LF.

#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// The lines of a file without their line ends, or nothing when it cannot be read or is
/// not a regular file (a folder, a device or a pipe, which would read nothing or never
/// end). A last line without a line end is still a line; an empty file has no lines. A
/// UTF-8 byte order mark that an editor put before the first line is not part of it.
std::optional<std::vector<std::string>> readLines(const std::string& path);

/// The file a write to the path lands in: the path itself or, for a symbolic link, the file
/// it leads to. A file replaced through its link keeps the user's link.
std::string writeTarget(const std::string& path);

/// Splits a text into lines at CR LF, LF or a lone CR.
std::vector<std::string> splitLines(std::string_view text);

/// A file written line by line, each line ended by CR LF, through one buffered stream.
/// The file is replaced whole or not at all: the lines go to a partial file beside it,
/// which takes its place when close() finds every line written. A full disk, or a run
/// abandoned half way, leaves the previous file as it was and no partial file behind.
class LineWriter {
public:
    /// Starts the partial file; ok() is false when it cannot be created, or when the
    /// path holds something that cannot be replaced by a written file (a folder, a device
    /// or a pipe, a file the user may not write).
    explicit LineWriter(const std::string& path);
    /// Removes the partial file of a writer that was never closed.
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    bool ok() const { return out_.is_open() && static_cast<bool>(out_); }
    void line(std::string_view text);
    /// Flushes, closes and puts the file in place; false when anything failed on the
    /// way, and then the path holds what it held before.
    bool close();

private:
    std::string path_;
    std::string partial_;
    std::ofstream out_;
};

/// "<folder><name>" for a folder that ends with its separator (or is empty).
/// Puts a complete file in place of the file at the path (or of the file a link there
/// leads to) in one step, with the old file's permissions: the path holds either the old
/// content or the new, never a part. False when it could not be done.
bool replaceWholeFile(const std::string& replacement, const std::string& path);

/// Writes the lines through a LineWriter: the file is replaced whole, or left as it was
/// and false returned.
bool writeLines(const std::string& path, const std::vector<std::string>& lines);

std::string pathInFolder(const std::string& folder, std::string_view name);

/// Splits a path after its last "\", or its last "/" when it has none: the folder keeps
/// its trailing separator.
struct PathParts {
    std::string folder;
    std::string fileName;
};
PathParts splitPath(const std::string& path);

/// "Loaded: " and the path, or, for a path of `limit` characters or more, "Loaded: ",
/// the first three characters of the folder, "[...]\" and the file name.
std::string loadedCaption(const std::string& path, std::size_t limit);

} // namespace zorbel
