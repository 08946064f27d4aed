#pragma once
// The help button and the about tab's two links: each hands an address to the system's
// open-address service.

namespace zorbel {

class Session;

/// HelpCMD opens the help page; when it cannot, it says so in a box and shows the help page
/// that comes with the program instead. aboutxt3 starts a mail to the contact addresses and
/// aboutxt4 opens the download page; when they cannot, a box gives the address to use.
void connectHelpLinks(Session& session);

} // namespace zorbel
