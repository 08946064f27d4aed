#pragma once
// Reading and writing the program's text files. Input lines end at CR LF, LF or a lone
// CR; every output line ends with CR LF.

#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// The lines of a file without their line ends, or nothing when it cannot be read.
/// A last line without a line end is still a line; an empty file has no lines.
std::optional<std::vector<std::string>> readLines(const std::string& path);

/// Splits a text into lines at CR LF, LF or a lone CR.
std::vector<std::string> splitLines(std::string_view text);

/// A file written line by line, each line ended by CR LF, through one buffered stream.
class LineWriter {
  public:
    /// Creates or empties the file; ok() tells whether that worked.
    explicit LineWriter(const std::string& path);
    bool ok() const { return static_cast<bool>(out_); }
    void line(std::string_view text);
    /// Flushes and closes; false when anything failed on the way.
    bool close();

  private:
    std::ofstream out_;
};

/// "<folder><name>" for a folder that ends with its separator (or is empty).
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
