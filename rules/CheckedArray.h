// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

namespace Tarrowind_Module {

// A fixed-size table whose every access tests every index: a read or write outside the
// declared range throws std::out_of_range instead of touching a neighbouring entry.
template <typename T, std::size_t... Extents> class CheckedArray {
    static_assert(sizeof...(Extents) > 0, "a table has at least one index");
    static constexpr std::array<std::size_t, sizeof...(Extents)> extents{Extents...};

public:
    [[nodiscard]] static constexpr std::size_t size() { return (Extents * ...); }

    template <std::integral... Index>
    requires(sizeof...(Index) == sizeof...(Extents)) constexpr T &at(Index... index) {
        return entries[offset(index...)];
    }

    template <std::integral... Index>
    requires(sizeof...(Index) == sizeof...(Extents))
        [[nodiscard]] constexpr const T &at(Index... index) const {
        return entries[offset(index...)];
    }

    // One-index tables read like arrays, with the same test.
    template <std::integral Index>
    requires(sizeof...(Extents) == 1) constexpr T &operator[](Index index) { return at(index); }

    template <std::integral Index>
    requires(sizeof...(Extents) == 1) [[nodiscard]] constexpr const T &
    operator[](Index index) const {
        return at(index);
    }

    constexpr auto begin() { return entries.begin(); }
    constexpr auto end() { return entries.end(); }
    constexpr auto begin() const { return entries.begin(); }
    constexpr auto end() const { return entries.end(); }

    friend constexpr bool operator==(const CheckedArray &, const CheckedArray &) = default;

private:
    template <std::integral... Index> static constexpr std::size_t offset(Index... index) {
        std::size_t flat = 0;
        std::size_t dimension = 0;
        ((flat = flat * extents[dimension] + checked(index, dimension), ++dimension), ...);
        return flat;
    }

    template <std::integral Index>
    static constexpr std::size_t checked(Index index, std::size_t dimension) {
        if (std::cmp_less(index, 0) || std::cmp_greater_equal(index, extents[dimension])) {
            throw std::out_of_range("index " + std::to_string(index) + " of dimension " +
                                    std::to_string(dimension) + " is outside 0 to " +
                                    std::to_string(extents[dimension] - 1));
        }
        return static_cast<std::size_t>(index);
    }

    std::array<T, size()> entries{};
};

} // namespace Tarrowind_Module
