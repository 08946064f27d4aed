#include "files/TextFiles.h"

#include "files/FileTexts.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zorbel {

namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::filesystem::path filePath(const std::string& text) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
    return text;
#endif
}

std::string pathText(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}

std::string writeTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(filePath(path), error))
        return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(filePath(path), error);
    return error ? path : pathText(target);
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
    if (!std::filesystem::is_regular_file(filePath(path), error))
        return std::nullopt;
    std::ifstream in(filePath(path), std::ios::binary);
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
    : path_(writeTarget(path)), state_(targetState(path_)) {
    if (state_ == TargetState::Replaceable)
        file_.emplace(path_);
}

void LineWriter::line(std::string_view text) {
    if (!file_)
        return;
    file_->write(text);
    file_->write("\r\n");
}

bool LineWriter::finish() {
    return file_ && file_->finish();
}

bool LineWriter::putInPlace() {
    return file_ && file_->putInPlace();
}

bool LineWriter::close() {
    return finish() && putInPlace();
}

const std::string& LineWriter::scratchPath() const {
    static const std::string none;
    return file_ ? file_->path() : none;
}

bool writeLines(const std::string& path, const std::vector<std::string>& lines) {
    LineWriter out(path);
    if (!out.ok())
        return false;
    for (const std::string& line : lines)
        out.line(line);
    return out.close();
}

std::string readOnlyRefusal(const std::string& path) {
    return std::string(texts::ReadOnlyFileStart) + path + std::string(texts::ReadOnlyFileEnd);
}

bool isReadOnly(const std::string& path) {
    return targetState(writeTarget(path)) == TargetState::ReadOnly;
}

std::string writeRefusal(const std::string& path, std::string_view otherwise) {
    if (isReadOnly(path))
        return readOnlyRefusal(path);
    return std::string(otherwise) + path;
}

std::string pathInFolder(const std::string& folder, std::string_view name) {
    return folder + std::string(name);
}

PathParts splitPath(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
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

std::string couldNotBeRead(std::string_view what, std::string_view name) {
    return std::string(what) + std::string(texts::CouldNotBeRead) + std::string(name);
}

} // namespace zorbel
