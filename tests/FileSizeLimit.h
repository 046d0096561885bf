// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <csignal>

#include <sys/resource.h>

// While it lives, a write that would make a file larger than `bytes` is cut short instead of
// ending the process with SIGXFSZ. The tests run as root, so a read-only folder would not make a
// save fail.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &before);
        rlimit lowered = before;
        lowered.rlim_cur = bytes;
        limited = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, signal);
    }

    void (*signal)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    bool limited = false;
};
