#pragma once
// CMD6: annotates a comparison file. Its marked reactions become the loaded mechanism, are
// reversed into RevAll.txt beside the file, and their reverse rate constants are compared
// with the file's second expressions at two temperatures; a classified table is inserted
// into the file, which is replaced as a whole.

#include "program/CommandResult.h"

namespace zorbel {

class Session;

/// How many reactions each section of the annotation block reports.
struct AnnotationCounts {
    int different = 0;
    int identical = 0;
    int notCalculated = 0;
};

/// Runs the command: done when the file was annotated (RevAll.txt and the file written,
/// `counts`, when given, set), stopped by a cancelled dialog or a stopped run, refused
/// otherwise (lblerror then says why).
CommandResult annotateComparison(Session& session, AnnotationCounts* counts = nullptr);

} // namespace zorbel
