#pragma once
// The recent files opened again: each runs the loader of its kind, the file answering the
// loader's dialog unseen.

#include "app/Session.h"

#include <string_view>

namespace zorbel {

/// The button that loads a file of the kind a file dialog's title names, or nothing.
Button* loaderFor(REVEQfrm& form, std::string_view title);

/// The kind of file a dialog's title names, as the menus name it ("Mechanism"), and the
/// tab that shows it; empty and the About tab for a title of no loader.
std::string_view fileKindName(std::string_view title);
int tabOfFile(std::string_view title);

/// Runs the file's loader with the file as its dialog's answer, on the tab of its kind. A
/// comparison file is annotated in place with the database loaded, so the user is asked
/// first, with the file and the database named; a No changes nothing.
void reopenRecentFile(Session& session, const Session::RecentFile& file);

} // namespace zorbel
