#pragma once
// Outputs that would replace inputs. A command names every file it reads and every file it
// writes, each with its role, and asks before it opens any output whether two of them are
// one file on the disk: through another spelling of the path, a symbolic or a hard link,
// or a fixed output name that an input happens to carry.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// A file a command reads or writes, and the role in which a refusal names it.
struct RoleFile {
    std::string_view role; ///< "the mechanism", "the report": lower case, with its article
    std::string path;      ///< as given; empty for a file the run does not use
    /// How to avoid a clash, for an output whose name the user does not choose.
    std::string_view hint = {};
};

/// True when the two paths name the same file: the same device and inode where both
/// exist (links followed, as a write follows them), the same resolved path where neither
/// does. A file that exists is never the same as one that does not.
bool sameFile(const std::string& first, const std::string& second);

/// The refusal when an output would replace an input or another output, naming both roles
/// and both paths; nothing when every output is a file of its own. An output that has the
/// role of an input is that input rewritten in place, not a clash.
std::optional<std::string> outputClash(const std::vector<RoleFile>& inputs,
                                       const std::vector<RoleFile>& outputs);

} // namespace zorbel
