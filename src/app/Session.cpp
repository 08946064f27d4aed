#include "app/Session.h"

#include "app/Addresses.h"
#include "app/AppTexts.h"
#include "batch/BatchTexts.h"
#include "batch/RemainingTime.h"
#include "batch/RunChecks.h"
#include "reversal/PointLimits.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

namespace zorbel {

namespace {

void startUp(Session& session) {
    CommonValue& common = session.common;
    REVEQfrm& form = session.form;
    common.SpeciesCount = 0;
    common.ReactionCount = 0;
    common.GasConstant = RunGasConstant;
    common.NewLine = std::string(texts::MessageNewLine);

    form.aboutxt[0].setText(std::string(texts::AboutTitle) + common.NewLine +
                            std::string(texts::AboutPlatforms));
    form.aboutxt[0].setBold(true);
    form.aboutxt[1].setText(std::string(texts::AboutCredits));
    std::string address;
    for (std::string_view line : texts::AboutAddressLines)
        address += (address.empty() ? "" : common.NewLine) + std::string(line);
    form.aboutxt[2].setText(address);
    form.aboutxt3.setText(contactAddressShown());
    form.aboutxt4.setText(downloadAddress());
    form.currentTab = REVEQfrm::AboutTab;
}

/// The locale's whole-number conversion of the points box: a number, rounded half to
/// even, that fits 32 bits; nothing otherwise.
std::optional<long long> pointsNumber(const std::string& text) {
    if (!isWholeNumberText(text))
        return std::nullopt;
    const double value = readLeadingNumber(text);
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default mode rounds half to even
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<long long>(rounded);
}

void validatePoints(Session& session) {
    REVEQfrm& form = session.form;
    form.lblerror.setCaption({});
    std::optional<long long> number = pointsNumber(form.Ntxt.text());
    if (!number)
        return;
    const long long n = *number < 0 ? -*number : *number;
    if (n > MaximumPoints) {
        form.lblerror.setCaption(std::string(texts::TooManyPoints));
    } else if (n < MinimumPoints) {
        form.lblerror.setCaption(std::string(texts::NotEnoughPoints));
    } else {
        form.lblerror.setCaption({});
        form.Ntxt.setText(std::to_string(n));
    }
}

} // namespace

Session::Session(Platform& platformIn) : platform(platformIn) {
    startUp(*this);
    form.Ntxt.onChange = [this] { validatePoints(*this); };
    form.QuitCMD.onClick = [this] { platform.quit(); };
    form.DefaultsCMD.onClick = [this] { restoreDefaults(); };
    form.CancelCMD.onClick = [this] {
        if (batchRunning)
            stopRequested = true;
    };
}

CommandResult Session::handle(const std::function<CommandResult()>& handler) {
    try {
        return handler();
    } catch (const std::exception& fault) {
        return refuse(std::string(texts::UnexpectedFault) + fault.what());
    } catch (...) {
        return refuse(std::string(texts::UnexpectedFault));
    }
}

CommandResult Session::start(const std::function<CommandResult()>& command) {
    // The window gives no sign: its commands look inactive while a run holds it.
    if (batchRunning)
        return CommandResult::refused(std::string(texts::BusyRefusal));
    return handle(command);
}

void Session::runHandler(const std::function<void()>& handler) {
    handle([&handler] {
        handler();
        return CommandResult{};
    });
}

void Session::runCommand(const std::function<void()>& command) {
    start([&command] {
        command();
        return CommandResult{};
    });
}

CommandResult Session::refuse(std::string message) {
    form.lblerror.setCaption(message);
    return CommandResult::refused(std::move(message));
}

void Session::showJobDone(const std::string& text) {
    platform.showMessage(
        {text, std::string(texts::JobDoneTitle), MessageButtons::Ok, MessageIcon::Information});
}

std::string Session::outputCopiedTo(const std::string& path) const {
    return std::string(texts::OutputFileCopiedTo) + common.NewLine + path;
}

CommandResult Session::checkPoints() {
    if (std::optional<std::string> points = pointsRefusal(form.Ntxt.text())) {
        CommandResult refused = refuse(std::move(*points));
        form.Ntxt.setBackground(Colour::Yellow);
        return refused;
    }
    form.Ntxt.setBackground(Colour::Window);
    return {};
}

void Session::startRemainingTime() {
    runStart_ = platform.steadySeconds();
}

void Session::showRemainingTime(int step, int last) {
    form.timeremaining.setCaption(
        remainingTimeText(platform.steadySeconds() - runStart_, step, last));
}

std::string helpAddress() {
    return addresses::Help;
}
std::string downloadAddress() {
    return addresses::Download;
}
std::string contactAddress() {
    return addresses::Contact;
}

std::string addressesShown(std::string_view link) {
    constexpr std::string_view mailPrefix = "mailto:";
    if (link.starts_with(mailPrefix))
        link.remove_prefix(mailPrefix.size());
    std::string lines;
    for (std::size_t start = 0;;) {
        const std::size_t comma = std::min(link.find(',', start), link.size());
        std::string_view address = link.substr(start, comma - start);
        address.remove_prefix(std::min(address.find_first_not_of(' '), address.size()));
        lines += (lines.empty() ? "" : "\r\n") + std::string(address);
        if (comma == link.size())
            return lines;
        start = comma + 1;
    }
}

std::string contactAddressShown() {
    return addressesShown(contactAddress());
}

} // namespace zorbel
