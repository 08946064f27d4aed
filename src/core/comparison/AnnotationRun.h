#pragma once
// Annotating a comparison file, around the run that reverses its marked reactions: the
// file read and its reactions listed, the checks before the run, the results the run hands
// back sorted into their groups, and the annotated file put in place together with
// RevAll.txt. The window runs its batch between these steps with its progress bar, the
// command line with its progress line; both take the same steps in the same words.

#include "comparison/Annotation.h"
#include "comparison/ComparisonFile.h"
#include "files/TextFiles.h"

#include <optional>
#include <string>
#include <vector>

namespace zorbel {

/// A comparison file read and its marked reactions.
struct LoadedComparison {
    std::string path;
    std::vector<std::string> lines;
    std::vector<MarkedReaction> marked;
    ComparisonSettings settings;
    ReadStamp stamp; ///< the file as read, for the check before it is replaced
};

/// How far reading the file went: a refusal says why it stopped there. The marked
/// reactions are listed (as the loaded mechanism) from `NoReaction` on.
enum class ComparisonStage { Unreadable, BadLine, NoReaction, Read };

struct ComparisonRead {
    ComparisonStage stage = ComparisonStage::Unreadable;
    std::string refusal;
    LoadedComparison comparison;
};

/// Reads the file and cuts its marked reactions.
ComparisonRead readComparison(const std::string& path);

/// Where the run writes: RevAll.txt beside the comparison file.
std::string revAllBeside(const std::string& comparisonPath);

/// True when some line of the file holds the tolerance line the annotation needs.
bool holdsToleranceLine(const std::vector<std::string>& lines);

/// The checks the file itself decides, before any file is written: both temperatures and
/// a usable tolerance. Nothing when the run may go on.
std::optional<std::string> comparisonFileRefusal(const LoadedComparison& loaded);

/// Then the outputs: RevAll.txt and the file replace no input, and can be replaced.
std::optional<std::string> annotationOutputRefusal(const LoadedComparison& loaded,
                                                   const std::string& thermoPath);

/// The reactions sorted into their groups, each result meeting its own marked reaction;
/// nothing, with the refusal in `refusal`, when a rate constant cannot be compared.
std::optional<ClassifiedLines> classifyAll(const std::vector<ReversedReaction>& reversed,
                                           const std::vector<MarkedReaction>& marked,
                                           const ComparisonSettings& settings,
                                           std::string& refusal);

/// Writes the annotated file and puts it in place together with RevAll.txt (waiting whole
/// in `revAll`), so that a failure on the way leaves both as they were. Nothing when done,
/// the refusal otherwise.
std::optional<std::string> writeAnnotated(const LoadedComparison& loaded,
                                          const ClassifiedLines& classified, LineWriter& revAll);

/// The closing box's text, lines ended by `newLine`.
std::string annotationDone(const LoadedComparison& loaded, const std::string& newLine);

} // namespace zorbel
