#include "app/Platform.h"

#include "app/AppTexts.h"
#include "batch/BatchTexts.h"

#include <chrono>
#include <cstdlib>

namespace zorbel {

void Platform::showSummary(const std::string& text) {
    showMessage(
        {text, std::string(texts::SummaryTitle), MessageButtons::Ok, MessageIcon::Information});
}

std::string FindingsReport::text(std::string_view newLine) const {
    std::string whole;
    for (const Section& section : sections) {
        if (!whole.empty())
            whole += newLine;
        whole += section.heading;
        for (const std::string& line : section.lines)
            whole += std::string(newLine) + line;
        whole += newLine;
    }
    if (!note.empty())
        whole += std::string(newLine) + note;
    return whole;
}

void Platform::showFindings(const FindingsReport& report) {
    showMessage({report.text("\n"), report.title, MessageButtons::Ok, MessageIcon::Information});
}

double Platform::steadySeconds() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

std::optional<std::string> Platform::storedValue(const std::string& key) {
    const auto found = stored_.find(key);
    return found == stored_.end() ? std::nullopt : std::optional<std::string>(found->second);
}

void Platform::storeValue(const std::string& key, const std::string& value) {
    stored_[key] = value;
}

std::string defaultDialogFolder() {
#ifdef _WIN32
    return "C:\\";
#else
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) : std::string("/");
#endif
}

} // namespace zorbel
