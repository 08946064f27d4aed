#pragma once
// The check every writing command makes before it opens an output: no output may be one of
// the files the command reads, nor another of its outputs (see files/FileClash.h).

#include "batch/RunChecks.h"
#include "files/FileClash.h"
#include "program/CommandResult.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

class Session;

/// The files a reversal of the listed reactions reads or was given: the database, the
/// mechanism (and the file as published that it was cleaned from), the comparison file.
std::vector<RoleFile> reversalInputs(const Session& session);

/// Refused, lblerror saying so, when an output would replace an input or another output.
std::optional<CommandResult> refuseClash(Session& session, const std::vector<RoleFile>& inputs,
                                         const std::vector<RoleFile>& outputs);

/// The loaded files of the session, as the checks of batch/RunChecks.h take them.
ReversalFiles reversalFiles(const Session& session);

/// Why the reversal may not write its file into the work folder (workFolderClash), refused
/// with lblerror saying so.
std::optional<CommandResult> refuseWorkFolderClash(Session& session, std::string_view role,
                                                   std::string_view fileName,
                                                   const std::string& report = {});

} // namespace zorbel
