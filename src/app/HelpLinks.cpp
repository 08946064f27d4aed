#include "app/HelpLinks.h"

#include "app/AppTexts.h"
#include "app/Session.h"

namespace zorbel {

namespace {

/// Whether a program is registered for the address is the desktop's business: only a
/// request that cannot be made at all fails here.
bool tryToOpen(Platform& platform, const std::string& address) {
    try {
        platform.openAddress(address);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace

void connectHelpLinks(Session& session) {
    REVEQfrm& form = session.form;
    form.HelpCMD.onClick = [&session] {
        if (tryToOpen(session.platform, helpAddress()))
            return;
        MessageRequest denied;
        denied.title = std::string(texts::AccessDeniedTitle);
        denied.text = std::string(texts::AccessDeniedText);
        denied.buttons = MessageButtons::Ok;
        denied.icon = MessageIcon::Stop;
        session.platform.showMessage(denied);
    };
    form.aboutxt3.onClick = [&session] { tryToOpen(session.platform, contactAddress()); };
    form.aboutxt4.onClick = [&session] { tryToOpen(session.platform, downloadAddress()); };
}

} // namespace zorbel
