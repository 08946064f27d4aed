#include "app/ScriptedPlatform.h"

#include <stdexcept>

namespace zorbel {

std::optional<std::string> ScriptedPlatform::chooseFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty())
        return std::nullopt;
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

MessageAnswer ScriptedPlatform::showMessage(const MessageRequest& request) {
    messages.push_back(request);
    if (onMessage)
        onMessage(request);
    if (!messageAnswers.empty()) {
        MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

void ScriptedPlatform::showSummary(const std::string& text) {
    summaries.push_back(text);
    if (onSummary)
        onSummary(text);
}

void ScriptedPlatform::showChart(const Speedfrm& chart) {
    charts.push_back(chart);
}

void ScriptedPlatform::showSearch(Findfrm& window) {
    ++searchWindowsShown;
    if (onSearch)
        onSearch(window);
}

void ScriptedPlatform::processEvents() {
    ++eventTurns;
    if (onEvents)
        onEvents();
}

void ScriptedPlatform::openAddress(const std::string& address, std::function<void()> notOpened) {
    if (addressServiceFails)
        throw std::runtime_error("open-address service unavailable");
    addresses.push_back(address);
    if (nothingOpensAddresses && notOpened)
        notOpened();
}

DateTime ScriptedPlatform::now() {
    return fixedClock ? *fixedClock : localNow();
}

void ScriptedPlatform::quit() {
    quitRequested = true;
}

} // namespace zorbel
