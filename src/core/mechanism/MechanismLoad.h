#pragma once
// Loading a mechanism file into its list of reaction lines, cleaning it first into its
// clean file when it is not in the loader's layout and the load is told (or agrees) to.
// Both faces load through here: the window asks its questions in boxes, the command line
// answers them with its flags.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

/// Whether a mechanism that is not in the loader's layout is cleaned on load.
enum class CleanOnLoad { Never, Ask, Always };

enum class LoadAnswer { Yes, No, Cancel };

/// How a load treats a file as published.
struct MechanismLoadRule {
    CleanOnLoad clean = CleanOnLoad::Never;
    /// An existing clean file may be replaced without asking.
    bool replaceCleanFile = false;
    /// Asks the user a question of the clean-on-load kind (with CleanOnLoad::Ask only).
    std::function<LoadAnswer(const std::string&)> ask;
    /// The database loaded, which the clean file may not replace.
    std::string databasePath;
};

/// A mechanism as a load leaves it.
struct LoadedMechanism {
    std::string path;   ///< the file loaded: the clean file when one was loaded instead
    std::string chosen; ///< the file the user chose
    std::vector<std::string> entries;
    std::vector<int> reactionLines; ///< each entry's line in the file, from 1
    std::string cleanedSummary;     ///< what cleaning did, when a clean file was written
};

/// The load: a mechanism, or a refusal, or nothing at all when the user cancelled a
/// question (what was loaded before stays).
struct MechanismLoadOutcome {
    std::optional<LoadedMechanism> loaded;
    std::string refusal;
    bool cancelled = false;
};

/// Loads the chosen file. A file without the exact REACTIONS line, or one that cannot be
/// read, is refused.
MechanismLoadOutcome loadMechanismFile(const std::string& chosen, const MechanismLoadRule& rule);

} // namespace zorbel
