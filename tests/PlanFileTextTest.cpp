// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/PlanFileText.h"
#include "document/PlanFile.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace {

struct FileText {
    const char *name;
    QString text;
    std::vector<QString> plans; // the plans' names, when the text is read
    bool ownText;
    QString refusal; // the reason, when it is refused
};

void PrintTo(const FileText &row, std::ostream *out) {
    *out << row.name;
}

class PlanFileTextReading : public ::testing::TestWithParam<FileText> {};

// What a file gives, whether it held only the planner's own lines, and why one is refused.
TEST_P(PlanFileTextReading, GivesThePlansOrTheReason) {
    const FileText &row = GetParam();
    const auto read = PlanText::ReadPlansFile(row.text, u"week1"_s);
    if (!row.refusal.isEmpty()) {
        ASSERT_TRUE(std::holds_alternative<PlanText::ReadError>(read));
        EXPECT_EQ(std::get<PlanText::ReadError>(read).reason.toStdString(),
                  row.refusal.toStdString());
        return;
    }
    ASSERT_TRUE(std::holds_alternative<PlanText::FilePlans>(read))
        << std::get<PlanText::ReadError>(read).Message().toStdString();
    const PlanText::FilePlans &file = std::get<PlanText::FilePlans>(read);
    std::vector<QString> names;
    for (const PlanText::PastedNamedPlan &plan : file.pasted.plans) {
        names.push_back(plan.name);
    }
    EXPECT_EQ(names, row.plans);
    EXPECT_EQ(file.ownText, row.ownText);
}

const QString Templar = u"Race: Templar\nSkill Name        Base EQ   Mod  Goal  Goal Cost\n"_s
                        u"Sword           4    0    10   50     112,523\n"_s;

INSTANTIATE_TEST_SUITE_P(
    Texts, PlanFileTextReading,
    ::testing::Values(
        FileText{"two plans as saved",
                 u"Plan: Plan 1\n"_s + Templar +
                     u"Goal Cost Total: 112,523\n\nPlan: Sword’s  build\n"_s + Templar +
                     u"Goal Cost Total: 112,523\n"_s,
                 {u"Plan 1"_s, u"Sword’s  build"_s},
                 true,
                 {}},
        FileText{"Windows line ends, blanks at line ends, totals grouped in other languages",
                 u"Plan: A\r\nRace: Templar  \r\nSword 4 0 10 50 112.523\r\nGoal Cost Total: "_s
                 u"112.523\r\n\r\nPlan: B\r\nRace: Templar\r\nSword 4 0 10 50 112\u202F523\r\n"_s
                 u"Goal Cost Total: 112\u00A0523\r\nPlan: C\nRace: Templar\n"_s
                 u"Goal Cost Total: 112'523"_s,
                 {u"A"_s, u"B"_s, u"C"_s},
                 true,
                 {}},
        FileText{"a fresh last plan has an empty total",
                 u"Plan: A\nRace: Warrior\nGoal Cost Total:\n"_s,
                 {u"A"_s},
                 true,
                 {}},
        FileText{"a remark of the player's own",
                 u"Plan: A\n"_s + Templar +
                     u"Remember to buy armour first.\n"_s
                     u"Goal Cost Total: 112,523"_s,
                 {u"A"_s},
                 false,
                 {}},
        FileText{"a skill row moved to the right is no row of the planner's",
                 u"Plan: A\nRace: Templar\n  Sword 4 0 10 50\nGoal Cost Total:"_s,
                 {u"A"_s},
                 false,
                 {}},
        FileText{"a copied plan without a Plan: line takes the file's name",
                 Templar + u"Goal Cost Total: 112,523"_s,
                 {u"week1"_s},
                 true,
                 {}},
        FileText{"names given twice are made unique",
                 u"Plan: A\nRace: Templar\nGoal Cost Total:\nPlan: A\nRace: Warrior\n"_s
                 u"Goal Cost Total:"_s,
                 {u"A"_s, u"A (2)"_s},
                 true,
                 {}},
        FileText{"the last plan cut short",
                 u"Plan: A\n"_s + Templar + u"Goal Cost Total: 112,523\n\nPlan: B\n"_s + Templar,
                 {},
                 false,
                 u"the last plan, from line 7, has no \"Goal Cost Total:\" line, so the file "
                 u"may have been cut short; pasting its text reads it all the same"_s},
        FileText{"a total line with words after the number is no total line",
                 u"Plan: A\nRace: Templar\nGoal Cost Total: 112,523 or so"_s,
                 {},
                 false,
                 u"the last plan, from line 1, has no \"Goal Cost Total:\" line, so the file "
                 u"may have been cut short; pasting its text reads it all the same"_s},
        FileText{"a copied plan cut short",
                 Templar,
                 {},
                 false,
                 u"the plan has no \"Goal Cost Total:\" line, so the file may have been cut "
                 u"short; pasting its text reads it all the same"_s},
        FileText{"a copied plan without its race",
                 u"Sword 4 0 10 50\nGoal Cost Total: 112,523"_s,
                 {},
                 false,
                 u"this plan has no race line"_s},
        FileText{"a bad line is refused as pasting refuses it",
                 u"Plan: A\nRace: Elf\nGoal Cost Total:"_s,
                 {},
                 false,
                 u"the race is not one the planner knows"_s}));

// Random plans of every race saved to a file, in the locale's grouping, open again with their
// names, order, races and levels, the last a fresh plan with a total of 0, and the file counts
// as the planner's own text.
TEST(PlanFileText, SavedPlansOpenAgain) {
    std::mt19937 random(26);
    QTemporaryDir folder;
    for (const QLocale &locale : {QLocale(QLocale::English), QLocale(QLocale::German),
                                  QLocale(QLocale::French), QLocale(u"de_CH"_s)}) {
        std::vector<std::pair<QString, CharacterPlan>> plans;
        for (RaceNumber race = 0; race < RaceCount; ++race) {
            CharacterPlan plan;
            plan.race = race;
            plan.ResetSkills();
            if (race + 1 < RaceCount) {
                for (SkillNumber skill = 0; skill < SkillCount; ++skill) {
                    std::uniform_int_distribution<int> level(0, 120), eq(-30, 30);
                    plan.SetLevels(skill, std::int16_t(level(random)), std::int16_t(eq(random)),
                                   std::int16_t(level(random)));
                }
            }
            plan.Recalculate();
            plans.emplace_back(race == 2 ? u"Seyan’s  plan 2"_s : u"Plan %1"_s.arg(race + 1), plan);
        }
        const QString path = folder.filePath(u"week1.txt"_s);
        ASSERT_TRUE(std::holds_alternative<PlanFile::Stamp>(
            PlanFile::Save(path, PlanText::FormatPlans(plans, locale) + u'\n')));
        const auto opened = PlanFile::Open(path);
        ASSERT_TRUE(std::holds_alternative<PlanFile::Read>(opened));
        const auto read =
            PlanText::ReadPlansFile(std::get<PlanFile::Read>(opened).text, u"week1"_s);
        ASSERT_TRUE(std::holds_alternative<PlanText::FilePlans>(read))
            << std::get<PlanText::ReadError>(read).Message().toStdString();
        const PlanText::FilePlans &file = std::get<PlanText::FilePlans>(read);
        EXPECT_TRUE(file.ownText) << locale.name().toStdString();
        ASSERT_EQ(file.pasted.plans.size(), plans.size());
        for (std::size_t i = 0; i < plans.size(); ++i) {
            CharacterPlan back;
            file.pasted.plans[i].levels.StoreInto(back);
            back.Recalculate();
            EXPECT_EQ(file.pasted.plans[i].name, plans[i].first);
            EXPECT_TRUE(back.SameLevels(plans[i].second))
                << locale.name().toStdString() << ", plan " << i;
        }
    }
}

} // namespace
