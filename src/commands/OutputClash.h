#pragma once
// The check every writing command makes before it opens an output: no output may be one of
// the files the command reads, nor another of its outputs (see files/FileClash.h).

#include "app/CommandResult.h"
#include "files/FileClash.h"

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

/// The same for a reversal that writes `fileName` into the work folder, and the report
/// where one is asked for; neither may replace the other reversals' files there.
std::optional<CommandResult> refuseWorkFolderClash(Session& session, std::string_view role,
                                                   std::string_view fileName,
                                                   const std::string& report = {});

} // namespace zorbel
