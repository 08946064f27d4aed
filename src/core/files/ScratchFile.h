#pragma once
// Files that are written first under a fresh name beside their target and put in its
// place only when whole. The fresh name is created exclusively: a file or a link that
// already stands there is never opened, followed or removed, so two runs writing into the
// same folder, or a name planted there beforehand, cannot mix their bytes into ours. Every
// scratch file of the process is on a list that a signal handler can empty.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel {

/// Why a target cannot be replaced by a written file.
enum class TargetState {
    Replaceable, ///< nothing stands there, or a regular file the user may write
    ReadOnly,    ///< a regular file marked read-only, or that the user may not write
    NotAFile,    ///< a folder, a device, a pipe, or a path that cannot be examined
};

/// One policy for every file the program replaces: a file whose permissions grant no write
/// to anyone is read-only even for the superuser, who could otherwise write anything; any
/// other file must be writable by the user running the program.
TargetState targetState(const std::string& path);

/// Where a file is on the disk: its device and inode. Nothing where the system does not
/// say (Windows), or when the path leads to no file.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> fileIdentity(const std::string& path);

class ScratchFile {
public:
    /// Creates "<target's name>.<unique>.partial" in the target's folder. ok() is false
    /// when no such file could be created.
    explicit ScratchFile(std::string target);
    /// Removes the scratch file unless it was put in place.
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    bool ok() const { return handle_ >= 0 && !failed_; }
    /// The system's error number of the first call that failed, creating, writing, closing
    /// or putting the file in place; 0 while none has.
    int systemError() const { return systemError_; }
    const std::string& path() const { return path_; }
    const std::string& target() const { return target_; }

    /// Buffered; a failure is kept and reported by finish().
    void write(std::string_view bytes);
    /// Writes out the buffer, gives the file the target's permissions and closes it; false
    /// when any byte could not be written. The file stays a scratch file.
    bool finish();
    /// Renames the finished file over its target in one step; false when it could not be
    /// done, and then the target is as it was.
    bool putInPlace();
    /// Gives the finished file a new name beside its target, "<stem>-<tag>-<unique><ext>",
    /// without replacing anything that stands there, and keeps it: the target stays as it
    /// is. The new path, or nothing when it could not be done.
    std::optional<std::string> keepBeside(std::string_view tag);

private:
    void flushBuffer();
    /// Keeps the first failure's error number (EIO for none): the cause a refusal gives.
    void keepError(int error);
    /// The same, for a failure that leaves the file incomplete.
    void failedWith(int error);

    std::string target_;
    std::string path_;
    std::string buffer_;
    int handle_ = -1;
    int slot_ = -1;
    int systemError_ = 0;
    bool failed_ = false;
    bool finished_ = false;
    bool placed_ = false;
};

/// Holds SIGINT, SIGTERM and SIGHUP (on Windows, the console's Ctrl+C, Ctrl+Break and close
/// events) back for its lifetime, so that files put in place together are either all in
/// place or none when an interruption is handled.
class InterruptionsHeld {
public:
    InterruptionsHeld();
    ~InterruptionsHeld();
    InterruptionsHeld(const InterruptionsHeld&) = delete;
    InterruptionsHeld& operator=(const InterruptionsHeld&) = delete;

private:
    alignas(std::max_align_t) unsigned char saved_[256]; ///< the previous signal mask
};

/// On SIGINT, SIGTERM or SIGHUP, or on Windows the console's Ctrl+C (SIGINT), Ctrl+Break
/// (SIGBREAK) or close (SIGTERM) event: removes every scratch file of the process, prints one
/// line (the first text when no file of the run was put in place, the second otherwise)
/// on standard error and ends the process with 128 plus the signal's number.
void removeScratchFilesOnInterrupt(std::string_view nothingWritten, std::string_view afterWriting);

} // namespace zorbel
