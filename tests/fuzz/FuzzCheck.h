// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstdlib>

// A broken contract ends the run the way a crash does, so that libFuzzer keeps the input and
// the replay test fails on it.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: contract broken: %s\n  ", __FILE__, __LINE__,             \
                         #condition);                                                              \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fputc('\n', stderr);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Reads fixed-width values from the front of a fuzz input; past its end every value is 0.
class FuzzInput {
public:
    FuzzInput(const unsigned char *data, std::size_t size) : data_(data), size_(size) {}

    unsigned char Byte() { return offset_ < size_ ? data_[offset_++] : 0; }

    short Int16() {
        const unsigned low = Byte();
        const unsigned high = Byte();
        return static_cast<short>(static_cast<unsigned short>(low | (high << 8)));
    }

    const unsigned char *Rest() const { return data_ + offset_; }
    std::size_t RestSize() const { return size_ - offset_; }

private:
    const unsigned char *data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};
