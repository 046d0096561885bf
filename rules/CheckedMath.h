// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <concepts>
#include <limits>
#include <stdexcept>
#include <string>

namespace Tarrowind_Module {

// Adds two fixed-width integers; a sum that leaves the type's range throws
// std::overflow_error instead of wrapping around.
template <std::signed_integral T> [[nodiscard]] constexpr T CheckedAdd(T a, T b) {
    T sum{};
    if (__builtin_add_overflow(a, b, &sum)) {
        throw std::overflow_error(std::to_string(a) + " + " + std::to_string(b) +
                                  " leaves the range " +
                                  std::to_string(std::numeric_limits<T>::min()) + " to " +
                                  std::to_string(std::numeric_limits<T>::max()));
    }
    return sum;
}

} // namespace Tarrowind_Module
