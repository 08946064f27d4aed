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

/// When no program opened a link: the address, for the user to copy.
void sayWhereToGo(Session& session, std::string_view why, const std::string& address) {
    session.platform.showMessage({std::string(why) + session.common.NewLine + address,
                                  std::string(texts::LinkNotOpenedTitle), MessageButtons::Ok,
                                  MessageIcon::Information});
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
        session.platform.showHelp();
    };
    form.aboutxt3.onClick = [&session] {
        if (!tryToOpen(session.platform, contactAddress()))
            sayWhereToGo(session, texts::NoMailProgram, contactAddressShown());
    };
    form.aboutxt4.onClick = [&session] {
        if (!tryToOpen(session.platform, downloadAddress()))
            sayWhereToGo(session, texts::NoBrowser, downloadAddress());
    };
}

} // namespace zorbel
