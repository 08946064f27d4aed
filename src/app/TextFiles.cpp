#include "app/TextFiles.h"

#include "app/AppTexts.h"

#include <iterator>

namespace zorbel {

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
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return splitLines(content);
}

LineWriter::LineWriter(const std::string& path) : out_(path, std::ios::binary | std::ios::trunc) {}

void LineWriter::line(std::string_view text) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.write("\r\n", 2);
}

bool LineWriter::close() {
    if (!out_.is_open())
        return false;
    out_.flush();
    const bool good = static_cast<bool>(out_);
    out_.close();
    return good && !out_.fail();
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
