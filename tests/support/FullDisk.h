#pragma once
// A disk that fills up: every file this process writes stops growing at a given size, for as
// long as the object lives. A write past the limit fails (EFBIG, "File too large") instead
// of ending the process. Linux only.

#ifdef __linux__

#include <csignal>

#include <sys/resource.h>

namespace zorbel::testing {

class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

} // namespace zorbel::testing

#endif
