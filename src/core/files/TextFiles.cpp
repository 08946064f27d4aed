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

namespace {

/// Every byte of a regular file.
std::optional<std::string> readContent(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(filePath(path), error))
        return std::nullopt;
    std::ifstream in(filePath(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

std::vector<std::string> linesOf(std::string_view text) {
    if (text.starts_with(utf8ByteOrderMark))
        text.remove_prefix(utf8ByteOrderMark.size());
    return splitLines(text);
}

} // namespace

std::optional<std::vector<std::string>> readLines(const std::string& path) {
    const std::optional<std::string> content = readContent(path);
    if (!content)
        return std::nullopt;
    return linesOf(*content);
}

// The identity is taken after the bytes: a file replaced in between then shows as changed
// when it is checked, never the other way round.
std::optional<std::vector<std::string>> readLines(const std::string& path, ReadStamp& stamp) {
    std::optional<std::string> content = readContent(path);
    if (!content)
        return std::nullopt;
    stamp.identity = fileIdentity(path);
    stamp.content = std::move(*content);
    return linesOf(stamp.content);
}

bool unchangedSince(const std::string& path, const ReadStamp& stamp) {
    if (fileIdentity(path) != stamp.identity)
        return false;
    const std::optional<std::string> content = readContent(path);
    return content && *content == stamp.content;
}

LineWriter::LineWriter(const std::string& path)
    : path_(writeTarget(path)), state_(targetState(path_)) {
    if (state_ == TargetState::Replaceable)
        file_.emplace(path_);
}

std::string LineWriter::cause() const {
    std::string why;
    std::error_code error;
    if (state_ == TargetState::NotAFile)
        why =
            std::filesystem::is_directory(path_, error) ? texts::CauseFolder : texts::CauseNotAFile;
    else if (file_ && file_->systemError() != 0)
        why = std::generic_category().message(file_->systemError());
    return why.empty() ? why : " (" + why + ")";
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

std::optional<std::string> LineWriter::keepBeside(std::string_view tag) {
    return file_ ? file_->keepBeside(tag) : std::nullopt;
}

const std::string& LineWriter::scratchPath() const {
    static const std::string none;
    return file_ ? file_->path() : none;
}

bool writeLines(const std::string& path, const std::vector<std::string>& lines) {
    return !writeLinesOrSayWhy(path, lines, {});
}

std::optional<std::string> writeLinesOrSayWhy(const std::string& path,
                                              const std::vector<std::string>& lines,
                                              std::string_view otherwise) {
    LineWriter out(path);
    if (out.ok()) {
        for (const std::string& line : lines)
            out.line(line);
        if (out.close())
            return std::nullopt;
    }
    return writeRefusal(path, otherwise) + out.cause();
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
    const size_t separator = path.find_last_of(PathSeparators);
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
