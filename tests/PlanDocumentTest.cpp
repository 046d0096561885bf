// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/PlanDocument.h"
#include "document/PlanFile.h"
#include "rules/Tarrowind_Module.h"

#include <QUndoStack>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <tuple>
#include <type_traits>
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

// The state of the set that a step must give back exactly: the names in order, the plan shown
// and the goal of Sword in each plan.
struct SetState {
    QStringList names;
    qsizetype shown;
    std::vector<std::int16_t> swordGoals;

    friend bool operator==(const SetState &, const SetState &) = default;
    friend void PrintTo(const SetState &state, std::ostream *out) {
        *out << state.names.join(u'|').toStdString() << " shown " << state.shown;
    }
};

SetState StateOf(const PlanDocument &document) {
    SetState state{{}, document.shownPlan(), {}};
    for (qsizetype index = 0; index < document.planCount(); ++index) {
        state.names.append(document.planName(index));
        state.swordGoals.push_back(document.planAt(index).skills[Sword].Goal);
    }
    return state;
}

NamedPlan Named(const QString &name, RaceNumber race, std::int16_t swordGoal) {
    CharacterPlan plan;
    plan.race = race;
    plan.ResetSkills();
    plan.skills[Sword].Goal = swordGoal;
    return {name, plan};
}

// Every change of the set and of the shown plan goes into one history; undoing walks back
// through each state in turn and redoing forward again, names, order, the plan shown and the
// plans' levels exactly as they were.
TEST_F(PlanDocumentTest, OneHistoryWalksTheSetAndItsPlans) {
    const auto goal = [this](std::int16_t value) {
        return [this, value] {
            return document.Apply(
                u"goal"_s, [value](CharacterPlan &plan) { plan.skills[Sword].Goal = value; });
        };
    };
    const std::vector<std::pair<const char *, std::function<std::exception_ptr()>>> session = {
        {"goal 50", goal(50)},
        {"kept",
         [this] {
             return document.KeepPlan(u"Target ’build’  2"_s);
         }},
        {"goal 60 in Plan 1", goal(60)},
        {"Target shown",
         [this] {
             return document.ShowPlan(1);
         }},
        {"goal 70 in Target", goal(70)},
        {"added",
         [this] {
             return document.AddPlan(u"Paste"_s, Named(u"Sword"_s, 2, 40));
         }},
        {"renamed",
         [this] {
             return document.RenamePlan(0, u"  Now "_s);
         }},
        {"shown one removed",
         [this] {
             return document.RemovePlan(1);
         }},
        {"pasted over",
         [this] {
             return document.PastePlans(u"Paste"_s, {Named(u"A"_s, 1, 30), Named(u"B"_s, 3, 20)});
         }},
        {"the last one shown",
         [this] {
             return document.ShowPlan(2);
         }},
        {"the shown last one removed",
         [this] {
             return document.RemovePlan(2);
         }},
        {"two added",
         [this] {
             return document.AddPlans(u"Paste"_s, {Named(u"C"_s, 1, 35), Named(u"D"_s, 1, 45)});
         }},
    };
    // Views hold the shown plan by reference: it stays where it is while plans come and go.
    const CharacterPlan *const shown = &document.plan();
    std::vector<SetState> states{StateOf(document)};
    for (const auto &[what, step] : session) {
        ASSERT_EQ(step(), nullptr) << what;
        states.push_back(StateOf(document));
        EXPECT_EQ(&document.plan(), shown) << what;
        EXPECT_EQ(document.plan(), document.planAt(document.shownPlan())) << what;
    }
    EXPECT_EQ(states.back(), (SetState{{u"Now"_s, u"A"_s, u"C"_s, u"D"_s}, 1, {60, 30, 35, 45}}));
    EXPECT_EQ(states[2].names, (QStringList{u"Plan 1"_s, u"Target ’build’  2"_s}));
    for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
        ASSERT_EQ(document.Undo(), nullptr);
        EXPECT_EQ(StateOf(document), *state) << state - states.rbegin();
    }
    for (auto state = states.begin() + 1; state != states.end(); ++state) {
        ASSERT_EQ(document.Redo(), nullptr);
        EXPECT_EQ(StateOf(document), *state) << state - states.begin();
    }
}

// A change of the set that cannot be made leaves the set, the history and the followers as they
// were, and says why by the kind of what it returns.
TEST_F(PlanDocumentTest, RefusedSetChangeLeavesEverythingAsItWas) {
    for (int kept = 1; kept < PlanDocument::MaxPlans; ++kept) {
        ASSERT_EQ(document.KeepPlan(document.NewPlanName()), nullptr);
    }
    const auto expect = [this](const char *what, auto failureKind,
                               const std::function<std::exception_ptr()> &change) {
        using Failure = typename decltype(failureKind)::type;
        const SetState before = StateOf(document);
        ExpectRefused([&] { EXPECT_TRUE(Is<Failure>(change())) << what; });
        EXPECT_EQ(StateOf(document), before) << what;
    };
    const auto one = Named(u"One"_s, 1, 10);
    expect("a ninth plan", std::type_identity<std::length_error>{},
           [&] { return document.KeepPlan(u"Nine"_s); });
    expect("a ninth pasted", std::type_identity<std::length_error>{},
           [&] { return document.AddPlan(u"Paste"_s, one); });
    expect("two replacing one", std::type_identity<std::length_error>{}, [&] {
        return document.PastePlans(u"Paste"_s, {one, Named(u"Two"_s, 1, 10)});
    });
    expect("two added to eight", std::type_identity<std::length_error>{}, [&] {
        return document.AddPlans(u"Paste"_s, {one, Named(u"Two"_s, 1, 10)});
    });
    expect("a name taken", std::type_identity<std::invalid_argument>{},
           [&] { return document.RenamePlan(0, u" Plan 2"_s); });
    expect("an empty name", std::type_identity<std::invalid_argument>{},
           [&] { return document.RenamePlan(0, u"   "_s); });
    expect("a line break", std::type_identity<std::invalid_argument>{},
           [&] { return document.RenamePlan(0, u"a\u2028b"_s); });
    expect("no such plan", std::type_identity<std::out_of_range>{},
           [&] { return document.ShowPlan(8); });
    expect("an unknown race", std::type_identity<UnknownRace>{},
           [&] { return document.PastePlans(u"Paste"_s, {Named(u"X"_s, 9, 10)}); });
    while (document.planCount() > 1) {
        ASSERT_EQ(document.RemovePlan(0), nullptr);
    }
    expect("the last plan", std::type_identity<std::logic_error>{},
           [&] { return document.RemovePlan(0); });
}

// Without a file, a plan would be lost while it differs from its last copy and from its starting
// point; a kept plan starts where the plan it was kept from started or was last copied. With a
// file, what counts is whether the set differs from the file's, and copying changes nothing.
TEST_F(PlanDocumentTest, WouldLoseFollowsEachPlanOrTheFile) {
    const auto goal = [this](std::int16_t value) {
        return [this, value] {
            (void)document.Apply(u"goal"_s,
                                 [value](CharacterPlan &plan) { plan.skills[Sword].Goal = value; });
        };
    };
    const std::int16_t startGoal = document.plan().skills[Sword].Goal;
    const PlansFile week{u"/tmp/week1.txt"_s, {}, PlanFile::Stamp{}};
    const std::vector<std::tuple<const char *, std::function<void()>, qsizetype, bool>> session = {
        {"changed", goal(50), 1, true},
        {"kept: both lost", [this] { (void)document.KeepPlan(u"K"_s); }, 2, true},
        {"shown copied", [this] { document.MarkCopied(document.plan()); }, 1, true},
        {"kept changed back to the start", [&] { (void)document.ShowPlan(1), goal(startGoal)(); },
         0, false},
        {"kept from a copied plan",
         [&] { (void)document.ShowPlan(0), (void)document.KeepPlan(u"L"_s); }, 0, false},
        {"pasted", [this] { (void)document.AddPlan(u"Paste"_s, Named(u"P"_s, 2, 40)); }, 0, false},
        {"all changed", [&] { goal(55)(); }, 1, true},
        {"all copied", [this] { document.MarkAllCopied(); }, 0, false},
        {"opened from a file",
         [&] { (void)document.OpenPlans(u"Open"_s, {Named(u"W"_s, 1, 30)}, week); }, 0, false},
        {"changed with a file", [&] { goal(35)(); }, 1, true},
        {"copied with a file", [this] { document.MarkAllCopied(); }, 0, true},
        {"saved", [this] { document.MarkSaved(u"/tmp/week2.txt"_s, {}); }, 0, false},
        {"renamed after saving", [this] { (void)document.RenamePlan(0, u"V"_s); }, 0, true},
        {"undone", [this] { (void)document.Undo(); }, 0, false},
    };
    for (const auto &[what, action, lost, wouldLose] : session) {
        action();
        EXPECT_EQ(document.WouldLosePlan(), wouldLose) << what;
        if (document.file().path.isEmpty()) {
            EXPECT_EQ(document.LostPlanCount(), lost) << what;
        }
    }
    // Undoing the opening brings back the plans and the file before it.
    while (document.file().path == u"/tmp/week2.txt"_s && document.history()->canUndo()) {
        ASSERT_EQ(document.Undo(), nullptr);
    }
    EXPECT_TRUE(document.file().path.isEmpty());
    EXPECT_EQ(StateOf(document).names, (QStringList{u"Plan 1"_s, u"K"_s, u"L"_s, u"P"_s}));
}

} // namespace
