#pragma once
// CMD6: annotates a comparison file. Its marked reactions become the loaded mechanism, are
// reversed into RevAll.txt beside the file, and their reverse rate constants are compared
// with the file's second expressions at two temperatures; a classified table is inserted
// into the file, which is replaced as a whole.

#include <optional>

namespace zorbel {

class Session;

/// How many reactions each section of the annotation block reports.
struct AnnotationCounts {
    int different = 0;
    int identical = 0;
    int notCalculated = 0;
};

/// Runs the command; the counts when the file was annotated, nothing when the command was
/// cancelled or refused (lblerror then says why, except for a cancelled dialog).
std::optional<AnnotationCounts> annotateComparison(Session& session);

} // namespace zorbel
