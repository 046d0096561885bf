// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/PlanDocument.h"
#include "rules/Tarrowind_Module.h"

#include <QUndoStack>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <tuple>
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
        QObject::connect(&document, &PlanDocument::changed,
                         [this](PlanDocument::Move move, const QString &step) {
                             ++changes;
                             lastChange = {move, step};
                         });
        QObject::connect(&document, &PlanDocument::wouldLosePlanChanged,
                         [this](bool wouldLose) { answers.push_back(wouldLose); });
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
    // How the plan that changed() showed last came about, and the step's name.
    std::pair<PlanDocument::Move, QString> lastChange;
    // Each new answer of WouldLosePlan(), as wouldLosePlanChanged() told it.
    std::vector<bool> answers;
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
// included, and say so once each, naming the step; a change that leaves the plan as it was is
// shown again but is no step.
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
    EXPECT_EQ(lastChange, std::pair(PlanDocument::Move::Change, u"Max Bases"_s));
    const CharacterPlan maxed = document.plan();
    ASSERT_EQ(document.Apply(u"nothing"_s, [](CharacterPlan &) {}), nullptr);
    EXPECT_EQ(document.history()->count(), 2);
    EXPECT_EQ(changes, 3);

    using enum PlanDocument::Move;
    const std::vector<std::tuple<bool, CharacterPlan, PlanDocument::Move, QString>> walk = {
        {true, updatedOnStrength, Undo, u"Max Bases"_s},
        {true, start, Undo, u"Update Sword"_s},
        {true, start, Undo, u"Update Sword"_s}, // nothing left to undo, nothing told
        {false, updated, Redo, u"Update Sword"_s},
        {false, maxed, Redo, u"Max Bases"_s}};
    for (const auto &[undo, expected, move, step] : walk) {
        EXPECT_EQ(undo ? document.Undo() : document.Redo(), nullptr);
        EXPECT_EQ(document.plan(), expected);
        EXPECT_EQ(lastChange, std::pair(move, step));
    }
    EXPECT_EQ(changes, 3 + 4); // the undo past the first step had nothing to do
}

// Closing would lose the plan while its race and levels differ both from the plan it was opened
// with and from the plan last copied, however the plan got there; the selected skill does not
// count. The signal tells each new answer once.
TEST_F(PlanDocumentTest, WouldLosePlanFollowsTheOpenedAndTheCopiedPlan) {
    const auto change = [this](const PlanDocument::Change &what) {
        return [this, what] {
            (void)document.Apply(u"change"_s, what);
        };
    };
    const auto undo = [this] {
        ASSERT_EQ(document.Undo(), nullptr);
    };
    const auto redo = [this] {
        ASSERT_EQ(document.Redo(), nullptr);
    };
    const std::vector<std::tuple<const char *, std::function<void()>, bool>> session = {
        {"as opened", [] {}, false},
        {"goal stored", change([](CharacterPlan &plan) { plan.skills[Sword].Goal = 50; }), true},
        {"another skill selected", [this] { document.Select(Strength); }, true},
        {"copied", [this] { document.MarkCopied(document.plan()); }, false},
        {"changed since the copy", change([](CharacterPlan &plan) { plan.MaxGoals(); }), true},
        {"undone back to the copy", undo, false},
        {"undone back to the start", undo, false},
        {"redone to the copy", redo, false},
        {"redone past the copy", redo, true},
        {"refused", change([](CharacterPlan &plan) { plan.skills[Strength].EQ = 32767; }), true},
        {"reset to the opened levels", change([](CharacterPlan &plan) { plan.ResetSkills(); }),
         false},
    };
    std::vector<bool> told;
    for (const auto &[what, action, wouldLose] : session) {
        action();
        EXPECT_EQ(document.WouldLosePlan(), wouldLose) << what;
        if (told.empty() ? wouldLose : told.back() != wouldLose) {
            told.push_back(wouldLose);
        }
    }
    EXPECT_EQ(answers, told);
}

} // namespace

namespace {

// The history keeps its last 10,000 steps: the oldest go, the newest stay.
TEST_F(PlanDocumentTest, HistoryKeepsTenThousandSteps) {
    for (int step = 1; step <= 10'001; ++step) {
        ASSERT_EQ(document.Apply(u"step"_s,
                                 [step](CharacterPlan &plan) {
                                     plan.skills[Sword].Goal =
                                         static_cast<std::int16_t>(step % 2 ? 60 : 50);
                                 }),
                  nullptr);
    }
    EXPECT_EQ(document.history()->count(), 10'000);
}

// A follower that fails while an undo or redo is shown makes it no step: the plan stays the one
// shown before, and the history's place with it.
TEST_F(PlanDocumentTest, FailedUndoOrRedoKeepsThePlanAndItsPlace) {
    ASSERT_EQ(document.Apply(u"Max Goals"_s, [](CharacterPlan &plan) { plan.MaxGoals(); }),
              nullptr);
    ASSERT_EQ(document.Apply(u"Max Bases"_s, [](CharacterPlan &plan) { plan.MaxBases(); }),
              nullptr);
    ASSERT_EQ(document.Undo(), nullptr);
    const QMetaObject::Connection failing =
        QObject::connect(&document, &PlanDocument::changed, [] { throw std::runtime_error("x"); });
    for (const bool undo : {true, false}) {
        const CharacterPlan shown = document.plan();
        const int index = document.history()->index();
        EXPECT_TRUE(Is<std::runtime_error>(undo ? document.Undo() : document.Redo()));
        EXPECT_EQ(document.plan(), shown);
        EXPECT_EQ(document.history()->index(), index);
    }
    QObject::disconnect(failing);
}

} // namespace
