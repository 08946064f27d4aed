#pragma once
// The program without its window, for the command line: typed settings and requests in,
// typed views and results out. It holds what the core's loads left (mechanism/MechanismLoad.h,
// thermo/ThermoDatabase.h) and runs everything else on the core (program/Headless*) with the
// checks the window's commands make too (batch/RunChecks.h), in the same words, so that both
// faces write the same files and say the same. Nothing here names an element of the window.

#include "batch/RunSettings.h"
#include "program/CommandResult.h"
#include "text/DateText.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

/// A species as the thermodynamic panel shows it.
struct SpeciesView {
    std::string name;
    std::array<std::string, 14> coefficients; ///< a1 to a7 of the high range, then the low
    std::string TLow, THigh, TCommon;
    std::string temperatures; ///< the three temperatures
    std::string highRange;    ///< " 1000  <= T (high) <  5000"
    std::string lowRange;     ///< " 300 < T (Low) <=  1000"
};

/// A property at a temperature, and at the other range's polynomial when both apply.
struct PropertyView {
    std::string value;
    std::optional<std::string> low;
};

struct PropertiesView {
    std::string temperature;
    PropertyView Cp, H, S; ///< Cp/R, H/RT, S/R
};

/// A reaction as the reaction panel shows it when it is the first selected in a run.
struct ReactionView {
    std::array<std::string, 6> slots; ///< reactants 1-3, products 1-3
    std::array<bool, 6> slotShown{};
    std::array<bool, 4> plusShown{}; ///< between reactants 1-2, 2-3, products 1-2, 2-3
    std::string arrow;
    std::string A, n, Ea;
    std::array<std::string, 3> patterns; ///< the number patterns of A, n and Ea it fixes
    std::string message;                 ///< its warning, one line per line
};

/// The reactions a search found, as it lists them, and their count in words; nothing when
/// the search could not start.
struct SearchView {
    bool searched = false;
    std::vector<std::string> found;
    std::string count;
};

/// What Reverse gives for one reaction, in the texts the files write.
struct ReverseView {
    std::string Arev, nrev, Earev;
    std::string S;
    std::string range; ///< "Calculated between ... K" as the window says it
};

/// How many reactions each section of a comparison file's annotation reports.
struct AnnotationView {
    int different = 0;
    int identical = 0;
    int notCalculated = 0;
    std::string comparisonPath;
};

/// A batch: the run's settings, the reaction shown first (its coefficient texts fix the
/// number patterns) and the reactions; no reactions: all of them.
struct BatchRequest {
    RunSettings settings;
    std::optional<int> patternsFrom;
    std::vector<int> selection;
};

/// How a mechanism that is not in the loader's layout is loaded: as written, or cleaned
/// first into its clean file, which may be replaced.
struct MechanismLoad {
    bool clean = false;
    bool replaceCleanFile = false;
};

class Workbench {
public:
    Workbench();
    ~Workbench();
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    /// Message boxes (title, text) and closing summaries, as they come.
    std::function<void(const std::string&, const std::string&)> onMessage;
    std::function<void(const std::string&)> onSummary;
    /// A long run's progress: percent done and the remaining time in words.
    std::function<void(int, const std::string&)> onProgress;
    /// The date and time written in the files, instead of the clock's.
    void fixClock(const DateTime& when);
    /// The output folder, instead of the mechanism's.
    void setWorkFolder(const std::string& folder);

    CommandResult loadDatabase(const std::string& path);
    std::vector<std::string> species() const;
    std::string speciesCount() const;
    CommandResult showSpecies(const std::string& name, SpeciesView& view);
    /// At a temperature typed as text; showSpecies first.
    CommandResult evaluate(const std::string& temperature, PropertiesView& view);

    CommandResult loadMechanism(const std::string& path, MechanismLoad load);
    std::vector<std::string> reactions() const;
    std::string reactionCount() const;
    CommandResult showReaction(int index, ReactionView& view);
    /// The reactions that hold every given species.
    CommandResult search(const std::vector<std::string>& species, SearchView& view);

    /// Reverse on one reaction, writing temp.txt.
    CommandResult reverse(int index, const RunSettings& settings, ReverseView& view);
    /// Reverse All, or Reverse Selected when the request selects reactions.
    CommandResult reverseBatch(const BatchRequest& request);
    /// Annotates a comparison file with the given database loaded.
    CommandResult annotate(const std::string& comparison, const RunSettings& settings,
                           AnnotationView& view);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace zorbel
