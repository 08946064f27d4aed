#include "files/ScratchFile.h"

#include "files/SystemCalls.h"
#include "files/TextFiles.h"
#include "files/WindowsApi.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <mutex>
#else
#include <pthread.h>
#include <sys/stat.h>
#endif

namespace zorbel {

using namespace systemcalls;

namespace {

namespace fs = std::filesystem;

/// Added to a scratch file's unique name, so that one left by a killed process is known.
constexpr std::string_view scratchSuffix = ".partial";
constexpr std::size_t uniqueLength = 8;
constexpr int creationAttempts = 100;
constexpr std::size_t bufferSize = 1 << 16;

// ---- The list of scratch files a signal handler may empty -------------------------------

/// Fixed storage, so that the handler reads no memory that is being allocated or freed:
/// a slot's path is written before the slot is marked in use, and the mark is cleared
/// before the slot is given to another file.
constexpr int slotCount = 32;
constexpr std::size_t slotPathSize = 4096;
enum SlotState : int { Free, Filling, InUse };
std::array<std::atomic<int>, slotCount> slotStates{};
std::array<std::array<NativeChar, slotPathSize>, slotCount> slotPaths{};
std::atomic<int> filesPlaced{0};

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads these");

/// Reserves a slot for the path, or -1 when the path is too long or every slot is taken
/// (the file is then still removed by its owner, only not by the signal handler). The
/// slot counts for the handler only once markInUse() says the file exists.
int enlist(const NativePath& path) {
    if (path.size() >= slotPathSize)
        return -1;
    for (int slot = 0; slot < slotCount; ++slot) {
        int expected = Free;
        if (!slotStates[static_cast<std::size_t>(slot)].compare_exchange_strong(expected, Filling))
            continue;
        NativeChar* into = slotPaths[static_cast<std::size_t>(slot)].data();
        std::memcpy(into, path.c_str(), (path.size() + 1) * sizeof(NativeChar));
        return slot;
    }
    return -1;
}

void markInUse(int slot) {
    if (slot >= 0)
        slotStates[static_cast<std::size_t>(slot)].store(InUse, std::memory_order_release);
}

void release(int slot) {
    if (slot >= 0)
        slotStates[static_cast<std::size_t>(slot)].store(Free, std::memory_order_release);
}

void removeEveryScratchFile() noexcept {
    for (std::size_t slot = 0; slot < slotCount; ++slot) {
        if (slotStates[slot].load(std::memory_order_acquire) == InUse)
            removeFileNow(slotPaths[slot].data());
    }
}

std::string uniquePart() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine = [] {
        std::random_device device;
        const auto clock =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        std::seed_seq seed{device(), device(), static_cast<unsigned>(processId()),
                           static_cast<unsigned>(clock), static_cast<unsigned>(clock >> 32)};
        return std::mt19937_64(seed);
    }();
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string part(uniqueLength, ' ');
    for (char& c : part)
        c = letters[pick(engine)];
    return part;
}

// ---- Interruptions ----------------------------------------------------------------------

constexpr std::size_t messageSize = 512;
std::array<char, messageSize> nothingWrittenLine{};
std::size_t nothingWrittenLength = 0;
std::array<char, messageSize> afterWritingLine{};
std::size_t afterWritingLength = 0;

std::size_t keepLine(std::array<char, messageSize>& into, std::string_view text) {
    const std::size_t length = std::min(text.size(), messageSize - 1);
    std::memcpy(into.data(), text.data(), length);
    into[length] = '\n';
    return length + 1;
}

extern "C" void onInterrupt(int signalNumber) {
    removeEveryScratchFile();
    if (filesPlaced.load() == 0)
        writeError({nothingWrittenLine.data(), nothingWrittenLength});
    else
        writeError({afterWritingLine.data(), afterWritingLength});
    _exit(128 + signalNumber);
}

#ifdef _WIN32
/// Windows has no signal mask: the console's events are handled on a thread of their own,
/// which waits for this lock while files are created or put in place, and never gives it
/// back.
std::recursive_mutex& interruptionLock() {
    static std::recursive_mutex lock;
    return lock;
}

/// Ctrl+C, Ctrl+Break and the console window closing end the run as SIGINT, SIGBREAK and
/// SIGTERM would; the events of logging off and shutting down reach services only.
BOOL WINAPI onConsoleEvent(DWORD event) {
    int signalNumber = 0;
    switch (event) {
    case CTRL_C_EVENT:
        signalNumber = SIGINT;
        break;
    case CTRL_BREAK_EVENT:
        signalNumber = SIGBREAK;
        break;
    case CTRL_CLOSE_EVENT:
        signalNumber = SIGTERM;
        break;
    default:
        return FALSE;
    }
    interruptionLock().lock();
    onInterrupt(signalNumber);
    return TRUE;
}
#else
constexpr std::array<int, 3> interruptions = {SIGINT, SIGTERM, SIGHUP};
#endif

} // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path) {
#ifdef _WIN32
    (void)path;
    return std::nullopt;
#else
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                        static_cast<std::uint64_t>(status.st_ino)};
#endif
}

TargetState targetState(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(filePath(path), error);
    if (status.type() == fs::file_type::not_found)
        return TargetState::Replaceable;
    if (error || status.type() != fs::file_type::regular)
        return TargetState::NotAFile;
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & anyWrite) == fs::perms::none)
        return TargetState::ReadOnly;
    // Opening for appending asks the system whether this user may write it (a file of
    // another user, an access list, a lock), without changing a byte.
    const std::ofstream probe(filePath(path), std::ios::binary | std::ios::app);
    return probe.is_open() ? TargetState::Replaceable : TargetState::ReadOnly;
}

ScratchFile::ScratchFile(std::string target) : target_(std::move(target)) {
    const PathParts parts = splitPath(target_);
    for (int attempt = 0; attempt < creationAttempts; ++attempt) {
        std::string candidate =
            parts.folder + parts.fileName + "." + uniquePart() + std::string(scratchSuffix);
        // Listed in the same instant it comes to exist: an interruption finds it listed,
        // and never lists a name that another process holds.
        const InterruptionsHeld held;
        const NativePath native = filePath(candidate).native();
        const int slot = enlist(native);
        const int handle = createExclusive(native);
        systemError_ = handle >= 0 ? 0 : errno;
        if (handle >= 0) {
            markInUse(slot);
            handle_ = handle;
            slot_ = slot;
            path_ = std::move(candidate);
            buffer_.reserve(bufferSize);
            return;
        }
        release(slot);
        if (handle != -2)
            return;
    }
}

ScratchFile::~ScratchFile() {
    if (handle_ >= 0)
        closeHandle(handle_);
    const InterruptionsHeld held;
    if (!path_.empty() && !placed_)
        removeFileNow(filePath(path_).c_str());
    release(slot_);
}

void ScratchFile::write(std::string_view bytes) {
    if (handle_ < 0 || failed_)
        return;
    buffer_.append(bytes);
    if (buffer_.size() >= bufferSize)
        flushBuffer();
}

void ScratchFile::keepError(int error) {
    if (systemError_ == 0)
        systemError_ = error != 0 ? error : EIO; // a write of no bytes sets no error
}

void ScratchFile::failedWith(int error) {
    keepError(error);
    failed_ = true;
}

void ScratchFile::flushBuffer() {
    errno = 0;
    if (!writeAll(handle_, buffer_.data(), buffer_.size()))
        failedWith(errno);
    buffer_.clear();
}

bool ScratchFile::finish() {
    if (handle_ < 0)
        return finished_ && !failed_;
    flushBuffer();
    takeOverPermissions(handle_, target_);
    if (!closeHandle(handle_))
        failedWith(errno);
    handle_ = -1;
    finished_ = true;
    return !failed_;
}

bool ScratchFile::putInPlace() {
    if (!finished_ || failed_ || placed_)
        return false;
    const NativePath from = filePath(path_).native();
    const NativePath to = filePath(target_).native();
    const InterruptionsHeld held;
    if (!replaceTarget(from, to)) {
        keepError(errno); // the file stays whole: only the cause is kept, for the refusal
        return false;
    }
    placed_ = true;
    release(slot_);
    slot_ = -1;
    filesPlaced.fetch_add(1);
    return true;
}

std::optional<std::string> ScratchFile::keepBeside(std::string_view tag) {
    if (!finished_ || failed_ || placed_)
        return std::nullopt;
    const PathParts parts = splitPath(target_);
    const fs::path name(parts.fileName);
    for (int attempt = 0; attempt < creationAttempts; ++attempt) {
        std::string kept = parts.folder + name.stem().string() + "-" + std::string(tag) + "-" +
                           uniquePart() + name.extension().string();
        const InterruptionsHeld held;
        const int renamed = renameExclusive(path_, kept);
        if (renamed == 0) {
            placed_ = true;
            release(slot_);
            slot_ = -1;
            filesPlaced.fetch_add(1);
            return kept;
        }
        if (renamed != -2)
            return std::nullopt;
    }
    return std::nullopt;
}

InterruptionsHeld::InterruptionsHeld() : saved_{} {
#ifdef _WIN32
    interruptionLock().lock();
#else
    static_assert(sizeof(sigset_t) <= sizeof saved_);
    sigset_t held;
    sigemptyset(&held);
    for (int signalNumber : interruptions)
        sigaddset(&held, signalNumber);
    pthread_sigmask(SIG_BLOCK, &held, reinterpret_cast<sigset_t*>(saved_));
#endif
}

InterruptionsHeld::~InterruptionsHeld() {
#ifdef _WIN32
    interruptionLock().unlock();
#else
    pthread_sigmask(SIG_SETMASK, reinterpret_cast<const sigset_t*>(saved_), nullptr);
#endif
}

void removeScratchFilesOnInterrupt(std::string_view nothingWritten, std::string_view afterWriting) {
    nothingWrittenLength = keepLine(nothingWrittenLine, nothingWritten);
    afterWritingLength = keepLine(afterWritingLine, afterWriting);
#ifdef _WIN32
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#else
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : interruptions)
        sigaddset(&action.sa_mask, signalNumber); // one handler at a time
    for (int signalNumber : interruptions)
        sigaction(signalNumber, &action, nullptr);
#endif
}

} // namespace zorbel
