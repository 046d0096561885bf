// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/PlanDocument.h"
#include "rules/Tarrowind_Module.h"

#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace {

constexpr SkillNumber Strength = 4, Sword = 10;

class PlanDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        CharacterPlan start;
        start.race = 6;
        start.ResetSkills();
        document.Open(start);
        QObject::connect(&document, &PlanDocument::changed, [this] { ++changes; });
    }

    // Runs `refused` and expects it to leave the plan, the history and the followers as they were.
    void ExpectRefused(const std::function<void()> &refused) {
        const CharacterPlan before = document.plan();
        const int steps = document.history()->count(), index = document.history()->index();
        const int changesBefore = changes;
        refused();
        EXPECT_EQ(document.plan(), before);
        EXPECT_EQ(document.history()->count(), steps);
        EXPECT_EQ(document.history()->index(), index);
        EXPECT_EQ(changes, changesBefore);
    }

    template <typename Failure> static bool Is(const std::exception_ptr &failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const Failure &) {
            return true;
        } catch (...) {
            return false;
        }
    }

    PlanDocument document;
    int changes = 0;
};

// A refusal, whether the change itself throws halfway or the recalculation does, comes back as
// a value and leaves the plan, its history and its followers as they were.
TEST_F(PlanDocumentTest, RefusedChangeLeavesEverythingAsItWas) {
    ASSERT_EQ(document.Apply(u"Max Goals"_s, [](CharacterPlan &plan) { plan.MaxGoals(); }),
              nullptr);
    ASSERT_EQ(document.history()->count(), 1);

    ExpectRefused([this] {
        const std::exception_ptr failure = document.Apply(u"half done"_s, [](CharacterPlan &plan) {
            plan.race = 1;
            plan.skills[Sword].EQ = 5;
            throw std::runtime_error("not finished");
        });
        EXPECT_TRUE(Is<std::runtime_error>(failure));
    });
    ExpectRefused([this] {
        const std::exception_ptr failure = document.Apply(
            u"overflow"_s, [](CharacterPlan &plan) { plan.skills[Strength].EQ = 32767; });
        EXPECT_TRUE(Is<std::overflow_error>(failure));
    });
    ExpectRefused([this] {
        CharacterPlan unknown = document.plan();
        unknown.race = 9;
        EXPECT_THROW(document.Open(unknown), UnknownRace);
    });
    EXPECT_EQ(document.history()->undoText(), u"Max Goals"_s);
}

// Undo and redo put back the whole plan as it was on each side of a step, the selected skill
// included, and say so once each; a change that leaves the plan as it was is shown again but is
// no step.
TEST_F(PlanDocumentTest, UndoAndRedoRestoreThePlanExactly) {
    document.Select(Sword);
    const CharacterPlan start = document.plan();
    ASSERT_EQ(document.Apply(u"Update Sword"_s,
                             [](CharacterPlan &plan) { plan.skills[Sword].Goal = 50; }),
              nullptr);
    const CharacterPlan updated = document.plan();
    document.Select(Strength);
    const CharacterPlan updatedOnStrength = document.plan();
    ASSERT_EQ(document.Apply(u"Max Bases"_s, [](CharacterPlan &plan) { plan.MaxBases(); }),
              nullptr);
    const CharacterPlan maxed = document.plan();
    ASSERT_EQ(document.Apply(u"nothing"_s, [](CharacterPlan &) {}), nullptr);
    EXPECT_EQ(document.history()->count(), 2);
    EXPECT_EQ(changes, 3);

    const std::vector<std::pair<bool, CharacterPlan>> walk = {
        {true, updatedOnStrength}, {true, start}, {true, start}, {false, updated}, {false, maxed}};
    for (const auto &[undo, expected] : walk) {
        EXPECT_EQ(undo ? document.Undo() : document.Redo(), nullptr);
        EXPECT_EQ(document.plan(), expected);
    }
    EXPECT_EQ(changes, 3 + 4); // the undo past the first step had nothing to do
}

} // namespace
