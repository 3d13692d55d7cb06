// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace quilora::testing {

// While this lives, a file can grow to `room` bytes only, as on a full disk; the superuser too
// is held to it. Output to a file-backed stdout is cut as well, so check results afterwards.
struct FullDisk {
    explicit FullDisk(rlim_t room = 16) {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = room;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &saved_); }
    rlimit saved_{};
};

} // namespace quilora::testing
