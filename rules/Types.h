// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace Tarrowind_Module {

using SkillNumber = std::int16_t;     // 0 to 36; 0 to 4 are the attributes
using RaceNumber = std::int16_t;      // 0 to 7; -1 for a race text that names no race
using DifficultyClass = std::int16_t; // 0 to 15; 0 exactly for the skills a race cannot learn
using Level = std::int16_t;
using Experience = std::int32_t;

inline constexpr int SkillCount = 37;
inline constexpr int AttributeCount = 5;
inline constexpr int RaceCount = 8;
inline constexpr int DifficultyCount = 16;
inline constexpr int LevelCount = 121; // levels 0 to 120

} // namespace Tarrowind_Module
