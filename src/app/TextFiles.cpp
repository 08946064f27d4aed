#include "app/TextFiles.h"

#include "app/AppTexts.h"

#include <filesystem>
#include <iterator>
#include <system_error>

namespace zorbel {

namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";
/// Appended to a file's name while it is being written.
constexpr std::string_view partialSuffix = ".partial";

/// True when nothing stands at the path yet, or a regular file the user may write: a file
/// made read-only, or locked by another program, refuses the replacement as it would
/// refuse being written. Opening for appending tells, without changing a byte.
bool replaceable(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return true;
    if (error || status.type() != fs::file_type::regular)
        return false;
    const std::ofstream probe(path, std::ios::binary | std::ios::app);
    return probe.is_open();
}

} // namespace

std::string writeTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::optional<std::vector<std::string>> readLines(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    std::string_view text = content;
    if (text.starts_with(utf8ByteOrderMark))
        text.remove_prefix(utf8ByteOrderMark.size());
    return splitLines(text);
}

LineWriter::LineWriter(const std::string& path)
    : path_(writeTarget(path)), partial_(path_ + std::string(partialSuffix)) {
    if (replaceable(path_))
        out_.open(partial_, std::ios::binary | std::ios::trunc);
}

LineWriter::~LineWriter() {
    if (!out_.is_open())
        return;
    out_.close();
    std::error_code ignored;
    std::filesystem::remove(partial_, ignored);
}

void LineWriter::line(std::string_view text) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.write("\r\n", 2);
}

bool LineWriter::close() {
    namespace fs = std::filesystem;
    if (!out_.is_open())
        return false;
    out_.flush();
    bool good = static_cast<bool>(out_);
    out_.close();
    good = good && !out_.fail();
    good = good && replaceWholeFile(partial_, path_);
    if (!good) {
        std::error_code ignored;
        fs::remove(partial_, ignored);
    }
    return good;
}

bool replaceWholeFile(const std::string& replacement, const std::string& path) {
    namespace fs = std::filesystem;
    const std::string target = writeTarget(path);
    std::error_code error;
    // The new file keeps the permissions the user gave the old one.
    const fs::file_status old = fs::status(target, error);
    if (!error && old.type() == fs::file_type::regular)
        fs::permissions(replacement, old.permissions(), error); // best effort: content matters
    error.clear();
    fs::rename(replacement, target, error);
    return !error;
}

bool writeLines(const std::string& path, const std::vector<std::string>& lines) {
    LineWriter out(path);
    if (!out.ok())
        return false;
    for (const std::string& line : lines)
        out.line(line);
    return out.close();
}

std::string pathInFolder(const std::string& folder, std::string_view name) {
    return folder + std::string(name);
}

PathParts splitPath(const std::string& path) {
    size_t separator = path.rfind('\\');
    if (separator == std::string::npos)
        separator = path.rfind('/');
    if (separator == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, separator + 1), path.substr(separator + 1)};
}

std::string loadedCaption(const std::string& path, std::size_t limit) {
    std::string caption(texts::LoadedPrefix);
    if (path.size() < limit)
        return caption + path;
    PathParts parts = splitPath(path);
    return caption + parts.folder.substr(0, 3) + std::string(texts::ShortenedPathMark) +
           parts.fileName;
}

} // namespace zorbel
