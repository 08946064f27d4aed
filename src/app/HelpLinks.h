#pragma once
// The help button and the about tab's two links: each hands an address to the system's
// open-address service.

namespace zorbel {

class Session;

/// HelpCMD opens the help page, and says so in a box when the request cannot be made at
/// all; aboutxt3 starts a mail to the contact addresses and aboutxt4 opens the download
/// page, both silently whatever happens.
void connectHelpLinks(Session& session);

} // namespace zorbel
