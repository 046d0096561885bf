// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rules of the game: skills, races and experience costs, all constant tables.
#include "rules/CheckedArray.h"
#include "rules/CheckedMath.h"
#include "rules/ExpCost.h"
#include "rules/RaceTable.h"
#include "rules/SkillCatalogue.h"
#include "rules/Types.h"
