// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <csignal>

#include <sys/resource.h>

// While it lives, no file of this process grows beyond `bytes`: a write past the limit is cut
// short and fails instead of ending the process with SIGXFSZ. The tests run as root, where a
// read-only folder does not make a save fail; a file-size limit does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN)) {
        m_limited = ::getrlimit(RLIMIT_FSIZE, &m_before) == 0;
        rlimit lowered = m_before;
        lowered.rlim_cur = bytes;
        m_limited = m_limited && ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        if (m_limited) {
            ::setrlimit(RLIMIT_FSIZE, &m_before);
        }
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // Whether the limit holds.
    bool limited() const { return m_limited; }

private:
    void (*m_signal)(int);
    rlimit m_before{};
    bool m_limited = false;
};
