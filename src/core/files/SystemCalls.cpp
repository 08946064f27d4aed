#include "files/SystemCalls.h"

#include "files/TextFiles.h"
#include "files/WindowsApi.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zorbel::systemcalls {

namespace fs = std::filesystem;

#ifdef _WIN32
/// The C library's number for a reason the system gave.
int errnoOf(DWORD reason) {
    switch (reason) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    default:
        return EIO;
    }
}
#endif

int createExclusive(const NativePath& path) {
#ifdef _WIN32
    // Others may read it, and remove it while it is open: an interruption does so from
    // the console's thread while this one still writes.
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD reason = GetLastError();
        if (reason == ERROR_FILE_EXISTS || reason == ERROR_ALREADY_EXISTS)
            return -2;
        errno = errnoOf(reason); // the refusal gives the cause in the C library's words
        return -1;
    }
    const int handle = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
    if (handle < 0)
        CloseHandle(file);
    return handle;
#else
    const int handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              0666); // the umask decides, as for any new file
    return handle >= 0 ? handle : (errno == EEXIST ? -2 : -1);
#endif
}

bool writeAll(int handle, const char* data, std::size_t size) {
    while (size > 0) {
#ifdef _WIN32
        const int chunk = size > (1U << 30) ? (1 << 30) : static_cast<int>(size);
        const int written = _write(handle, data, static_cast<unsigned>(chunk));
#else
        const ssize_t written = ::write(handle, data, size);
        if (written < 0 && errno == EINTR)
            continue;
#endif
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool closeHandle(int handle) {
#ifdef _WIN32
    return _close(handle) == 0;
#else
    return ::close(handle) == 0;
#endif
}

void takeOverPermissions(int handle, const std::string& target) {
#ifdef _WIN32
    (void)handle;
    (void)target;
#else
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode))
        return;
    if (::fchown(handle, old.st_uid, old.st_gid) != 0) // only a superuser may give a file away
        (void)!::fchown(handle, static_cast<uid_t>(-1), old.st_gid);
    (void)::fchmod(handle, old.st_mode & 07777);
#endif
}

int renameExclusive(const std::string& from, const std::string& to) {
#ifdef _WIN32
    // Without the replacing flag the move fails on a name that is taken.
    if (MoveFileExW(filePath(from).c_str(), filePath(to).c_str(), MOVEFILE_WRITE_THROUGH))
        return 0;
    const DWORD reason = GetLastError();
    return reason == ERROR_FILE_EXISTS || reason == ERROR_ALREADY_EXISTS ? -2 : -1;
#else
    // A new link fails on a name that is taken, whatever stands there; the old name goes.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno == EEXIST)
        return -2;
    // A file system without links: the name is looked at first, a rename replaces.
    std::error_code error;
    if (fs::symlink_status(to, error).type() != fs::file_type::not_found)
        return -2;
    fs::rename(from, to, error);
    return error ? -1 : 0;
#endif
}

void removeFileNow(const NativeChar* path) noexcept {
#ifdef _WIN32
    DeleteFileW(path);
#else
    ::unlink(path);
#endif
}

void writeError(std::string_view text) noexcept {
#ifdef _WIN32
    _write(2, text.data(), static_cast<unsigned>(text.size()));
#else
    (void)!::write(STDERR_FILENO, text.data(), text.size());
#endif
}

bool replaceTarget(const NativePath& from, const NativePath& to) {
#ifdef _WIN32
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    errno = errnoOf(GetLastError()); // the refusal gives the cause in the C library's words
    return false;
#else
    return ::rename(from.c_str(), to.c_str()) == 0;
#endif
}

int processId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(::getpid());
#endif
}

} // namespace zorbel::systemcalls
