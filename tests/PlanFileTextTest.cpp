// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/PlanFileText.h"
#include "ExamplePlan.h"
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

// Lines a player wrote, or changed from the planner's, are remarks that "Save Plans" must not
// overwrite.
TEST(PlanFileText, RemarksAreNoPlannerLines) {
    for (const char *line : {"Remember to buy armour first.", "  Sword 4 0 10 50", "Sword 4 0 10",
                             "Race: Elf", "Goal Cost Total: 112,523 or so", "Plan:"}) {
        EXPECT_FALSE(PlanText::IsPlannerLine(QString::fromUtf8(line))) << line;
    }
}

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
        ASSERT_TRUE(std::holds_alternative<PlanFile::Stamp>(PlanFile::Save(
            path, PlanText::FormatPlans(plans, locale)
                      .replace(u'\n', locale.name() == u"de_CH" ? u"\r\n"_s : u"\n"_s))));
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
    // One copied plan kept in an editor takes the file's name.
    const auto copied = PlanText::ReadPlansFile(
        PlanText::Format(ExamplePlan::Recalculated()) + u"\n"_s, u"week1"_s);
    ASSERT_TRUE(std::holds_alternative<PlanText::FilePlans>(copied));
    EXPECT_EQ(std::get<PlanText::FilePlans>(copied).pasted.plans.at(0).name, u"week1"_s);
    EXPECT_TRUE(std::get<PlanText::FilePlans>(copied).ownText);
}

} // namespace
