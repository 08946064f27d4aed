#pragma once
// Files dropped on the window: each is loaded as what its content shows it to be.

#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

class Session;

/// The title of the dialog whose loader takes the file, told by its content: a comparison
/// file (lines marked "(###)"; asked about first, since a comparison file holds reaction
/// lines too), a mechanism (a REACTIONS line, exact or as published), or a database (a
/// species record). Empty when the file is none of them or cannot be read.
std::string_view loaderTitleOf(const std::string& path);

/// Loads the dropped files by their loaders as if chosen in their dialogs: databases
/// first, then mechanisms, then comparison files (each annotated only once the user has
/// agreed), so that a database and a comparison file dropped together work. A file of no
/// kind is refused in a box that names it; the others still load.
void loadDroppedFiles(Session& session, const std::vector<std::string>& paths);

} // namespace zorbel
