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

/// The loaded files a reversal reads, and the folder it writes into.
struct ReversalFiles {
    std::string database;
    std::string mechanism;
    std::string publishedMechanism; ///< the file as published it was cleaned from
    std::string comparison;
    std::string workFolder;
};
ReversalFiles reversalFiles(const Session& session);

/// Why a reversal that writes `fileName` into the work folder, and the report where one
/// is asked for, may not: neither may replace an input nor the other reversals' files
/// there. Nothing when they may be written.
std::optional<std::string> workFolderClash(const ReversalFiles& files, std::string_view role,
                                           std::string_view fileName,
                                           const std::string& report = {});

/// The same, refused with lblerror saying so.
std::optional<CommandResult> refuseWorkFolderClash(Session& session, std::string_view role,
                                                   std::string_view fileName,
                                                   const std::string& report = {});

} // namespace zorbel
