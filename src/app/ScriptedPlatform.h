#pragma once
// A platform without a screen: the command-line face and the tests script it.
// Dialogs answer with the paths queued for them (a cancel when none is left), message
// boxes answer with the queued answers (Yes or OK when none is left), the clock can be
// fixed, and everything asked of it is recorded.

#include "app/Platform.h"
#include "app/Speedfrm.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

class ScriptedPlatform : public Platform {
public:
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<MessageAnswer> messageAnswers;
    std::optional<DateTime> fixedClock;
    bool addressServiceFails = false;
    /// The service takes every address, and then tells that nothing opened it.
    bool nothingOpensAddresses = false;

    std::vector<FileDialogRequest> fileRequests;
    std::vector<MessageRequest> messages;
    std::vector<Speedfrm> charts;
    std::vector<std::string> addresses;
    int eventTurns = 0;
    bool quitRequested = false;

    /// Called for every message box, before it is answered (the CLI prints them).
    std::function<void(const MessageRequest&)> onMessage;
    /// Called at every turn of the event loop (tests act there as a user would).
    std::function<void()> onEvents;
    /// Called while the search window is shown: tests act in it as a user would.
    std::function<void(Findfrm&)> onSearch;
    int searchWindowsShown = 0;

    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    MessageAnswer showMessage(const MessageRequest& request) override;
    void showChart(const Speedfrm& chart) override;
    /// Kept, and handed to onSummary, never shown as a message box.
    void showSummary(const std::string& text) override;
    std::vector<std::string> summaries;
    std::function<void(const std::string&)> onSummary;
    void showSearch(Findfrm& window) override;
    void processEvents() override;
    void openAddress(const std::string& address, std::function<void()> notOpened) override;
    void showHelp(const std::string& unopenedAddress) override {
        helpShown.push_back(unopenedAddress);
    }
    /// The address each help page was shown for (empty for none).
    std::vector<std::string> helpShown;
    DateTime now() override;
    void quit() override;
};

} // namespace zorbel
