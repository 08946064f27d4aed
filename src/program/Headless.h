#pragma once
// Reverse, Reverse All, Reverse Selected and the annotation without the window: the loaded
// files and a request in, the core's single reversal (batch/SingleReversal.h) or its run
// and files (batch/BatchFiles.h) after the core's checks (batch/RunChecks.h), the boxes in
// the window's words. The command line's reversals run here.

#include "batch/BatchFiles.h"
#include "batch/RunChecks.h"
#include "program/CommandResult.h"
#include "program/Workbench.h"

#include <functional>
#include <string>

namespace zorbel {

/// What the loaded files give a batch, and where it writes.
struct LoadedFiles {
    BatchInputs inputs;
    int speciesCount = 0;
    int reactionCount = 0;
    std::string publishedMechanismPath;
    std::string comparisonPath;
    std::string workFolder;
    std::string newLine; ///< of the boxes' texts
};

/// The loaded files as the checks of batch/RunChecks.h take them.
ReversalFiles reversalFilesOf(const LoadedFiles& files);

/// How a batch talks to its face: message boxes (title, text; a question is answered Yes),
/// the closing summary, the progress (percent done and the label's text), the date written.
struct BatchFace {
    std::function<void(const std::string&, const std::string&)> message;
    std::function<void(const std::string&)> summary;
    std::function<void(int, const std::string&)> progress;
    DateTime now;
};

/// Reverses the reaction of the list at `index` as if a user had selected it first and
/// clicked Reverse, writing temp.txt into the work folder.
CommandResult runHeadlessReverse(const LoadedFiles& files, int index, const RunSettings& settings,
                                 const BatchFace& face, ReverseView& view);

/// Runs a command; a fault it did not foresee becomes a refusal in the window's words.
CommandResult guarded(const std::function<CommandResult()>& command);

/// A species of the database as the thermodynamic panel shows it, read from the file
/// again; refused when its record is gone or cannot be computed with.
CommandResult showHeadlessSpecies(const std::string& thermoPath, const std::string& name,
                                  SpeciesView& view);
/// The three properties of the species shown at a temperature typed as text.
PropertiesView evaluateHeadless(const SpeciesView& shown, const std::string& temperature);

/// The reaction of the list at `index` as the panel shows it when it is the first
/// selected: done, with the warning of a line that cannot be cut.
CommandResult showHeadlessReaction(const LoadedFiles& files, int index, ReactionView& view);

/// Runs the request: Reverse Selected when it selects reactions, Reverse All otherwise.
/// The patterns and forward texts of a reaction shown first come from `start`.
CommandResult runHeadlessBatch(const LoadedFiles& files, const BatchRequest& request,
                               const RunStart& start, const BatchFace& face);

/// Writes every reaction of the list in order, moving the progress as Reverse All does.
void writeWholeList(BatchFiles& batch, int count, const BatchFace& face);

/// Annotates the comparison file at `path` with the loaded database: its marked reactions
/// reversed into RevAll.txt beside it by the core's run, whose results the comparison
/// takes as they are written, then classified into the file.
CommandResult runHeadlessAnnotation(const LoadedFiles& files, const std::string& path,
                                    const RunSettings& settings, const BatchFace& face,
                                    AnnotationView& view);

} // namespace zorbel
