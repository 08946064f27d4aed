#include "app/HelpLinks.h"

#include "app/AppTexts.h"
#include "app/Session.h"

#include <functional>
#include <utility>

namespace zorbel {

namespace {

/// Only a request that cannot be made at all fails here; `notOpened` runs when the
/// desktop tells later that no program took the address.
bool tryToOpen(Platform& platform, const std::string& address, std::function<void()> notOpened) {
    try {
        platform.openAddress(address, std::move(notOpened));
        return true;
    } catch (...) {
        return false;
    }
}

/// When no program opened a link: the address, for the user to copy.
void sayWhereToGo(Session& session, std::string_view why, const std::string& address) {
    session.platform.showMessage({std::string(why) + session.common.NewLine + address,
                                  std::string(texts::LinkNotOpenedTitle), MessageButtons::Ok,
                                  MessageIcon::Information});
}

/// Each link's fallback, now or once the desktop has said that nothing opened it.
void openOr(Session& session, const std::string& address, const std::function<void()>& fallback) {
    if (!tryToOpen(session.platform, address, fallback))
        fallback();
}

} // namespace

void connectHelpLinks(Session& session) {
    REVEQfrm& form = session.form;
    form.HelpCMD.onClick = [&session] {
        // The page that comes with the program says which address did not open.
        const std::string address = helpAddress();
        const auto offline = [&session, address] { session.platform.showHelp(address); };
        if (tryToOpen(session.platform, address, offline))
            return;
        MessageRequest denied;
        denied.title = std::string(texts::AccessDeniedTitle);
        denied.text = std::string(texts::AccessDeniedText);
        denied.buttons = MessageButtons::Ok;
        denied.icon = MessageIcon::Stop;
        session.platform.showMessage(denied);
        offline();
    };
    form.aboutxt3.onClick = [&session] {
        openOr(session, contactAddress(),
               [&session] { sayWhereToGo(session, texts::NoMailProgram, contactAddressShown()); });
    };
    form.aboutxt4.onClick = [&session] {
        openOr(session, downloadAddress(),
               [&session] { sayWhereToGo(session, texts::NoBrowser, downloadAddress()); });
    };
}

} // namespace zorbel
