#pragma once
// The status bar's line: what is loaded, and what the last run found.

#include <string>

namespace zorbel {

class Session;

/// "Database: NAME (N species)  |  Mechanism: NAME (M reactions)  |  Last run: ..." with
/// the parts that apply (a comparison file loaded in place of the mechanism is named as
/// one), or "Nothing loaded". The summary of the last Reverse All or Reverse Selected comes
/// on one line.
std::string statusLine(const Session& session);

} // namespace zorbel
