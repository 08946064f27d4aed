#pragma once
// Reverse All and Reverse Selected: every reaction of the list, or the selected ones,
// reversed into a reversed mechanism file in which each reaction line is followed by its
// "REV/ " line or by comment lines saying why it was not reversed.

#include "program/CommandResult.h"

#include <memory>

namespace zorbel {

class LineWriter;
class ResultSink;
class Session;

/// CMD4: checks, asks for confirmation, runs the worker.
CommandResult reverseAllCommand(Session& session);

/// Whether the worker ends with its own closing box: the Reverse All command's run does,
/// the run inside the comparison-file annotation, which closes with its own, does not.
enum class ClosingBox { Shown, Omitted };

/// The Reverse-All worker over the entries of LOS2, writing RevAll.txt into WorkFolder.
/// The comparison-file annotation calls it directly. Refused when the database could not
/// be read or the file could not be created or written (lblerror then says so, and the
/// folder keeps the RevAll.txt it had); stopped when the user stopped the run.
/// With `held` the complete file is not put in place but handed over there, so that the
/// caller can put it in place together with its own file, or drop it; `also`, when given,
/// takes every reaction's result as the file does.
CommandResult reverseAllWorker(Session& session, ClosingBox closingBox,
                               std::unique_ptr<LineWriter>* held = nullptr,
                               ResultSink* also = nullptr);

/// CMD5: the reactions selected in LOS2, into RevSelected.txt. A selection of fewer than
/// two reactions is refused in a message box (the result's message is then empty).
CommandResult reverseSelectedCommand(Session& session);

} // namespace zorbel
