#pragma once
// The help button and the about tab's two links: each hands an address to the system's
// open-address service.

namespace zorbel {

class Session;

/// HelpCMD opens the help page; when the request cannot be made it says so in a box, and
/// whenever nothing opens the page it shows the help page that comes with the program
/// instead, with the address. aboutxt3 starts a mail to the contact addresses and aboutxt4
/// opens the download page; when nothing opens them, a box gives the address to use.
void connectHelpLinks(Session& session);

} // namespace zorbel
