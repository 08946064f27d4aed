#include "files/FileClash.h"

#include "files/FileTexts.h"
#include "files/TextFiles.h"
#include "text/StringOps.h"

#include <filesystem>
#include <system_error>

namespace zorbel {

namespace {

namespace fs = std::filesystem;

/// Whether the path leads to a file, links followed: a write through a dangling link
/// replaces the link, not a file.
bool leadsToFile(const std::string& path) {
    std::error_code error;
    return fs::exists(filePath(path), error);
}

/// The absolute path with every link of the folders that exist resolved: two spellings of
/// one file that does not exist yet come out alike.
std::string resolved(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(filePath(path), error);
    if (error)
        return path;
    const fs::path canonical = fs::weakly_canonical(absolute, error);
    return pathText(error ? absolute.lexically_normal() : canonical);
}

std::string refusal(const RoleFile& output, const RoleFile& replaced) {
    std::string text(output.role);
    if (!text.empty())
        text.replace(0, 1, toUpperAscii(text.substr(0, 1))); // a sentence's capital
    text += " " + output.path + std::string(texts::WouldReplace) + std::string(replaced.role) +
            " " + replaced.path + std::string(texts::NothingWrittenForClash);
    if (!output.hint.empty())
        text += " " + std::string(output.hint);
    return text;
}

} // namespace

bool sameFile(const std::string& first, const std::string& second) {
    const bool firstExists = leadsToFile(first);
    if (firstExists != leadsToFile(second))
        return false;
    std::error_code error;
    if (firstExists)
        return fs::equivalent(filePath(first), filePath(second), error);
    return resolved(first) == resolved(second);
}

std::optional<std::string> outputClash(const std::vector<RoleFile>& inputs,
                                       const std::vector<RoleFile>& outputs) {
    for (auto output = outputs.begin(); output != outputs.end(); ++output) {
        if (output->path.empty())
            continue;
        for (const RoleFile& input : inputs) {
            if (input.role != output->role && !input.path.empty() &&
                sameFile(output->path, input.path))
                return refusal(*output, input);
        }
        for (auto earlier = outputs.begin(); earlier != output; ++earlier) {
            if (!earlier->path.empty() && sameFile(output->path, earlier->path))
                return refusal(*output, *earlier);
        }
    }
    return std::nullopt;
}

} // namespace zorbel
