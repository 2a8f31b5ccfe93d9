#pragma once
// A disk that fills up: while one of these lives, no file of this process grows beyond
// `bytes`, and a write past it fails as it does on a full disk (the signal the system
// sends for it is ignored meanwhile). Files already larger than the limit can still be
// read and replaced.

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdint>

namespace testing_support {

class FullDisk {
public:
    explicit FullDisk(std::uint64_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = saved_.rlim_max == RLIM_INFINITY ? bytes : std::min<rlim_t>(bytes, saved_.rlim_max);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

}  // namespace testing_support
