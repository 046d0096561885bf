// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "rules/Tarrowind_Module.h"
#endif
#include "text/MessageText.h"
#include "text/NumberText.h"
#include "text/SkillExplanation.h"
#include "text/SkillRow.h"
#include "text/SpokenText.h"

#include <QTest>

#include <functional>
#include <optional>

using Tarrowind_Module::CharacterPlan;
using Tarrowind_Module::SkillPlanEntry;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SkillPlanEntry)
Q_DECLARE_METATYPE(CharacterPlan)

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);
const QLocale Swiss(QLocale::German, QLocale::Switzerland);
const QLocale French(QLocale::French, QLocale::France);
const QLocale Norwegian(QLocale::NorwegianBokmal, QLocale::Norway);
} // namespace

class NumberTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readLevel_data();
    void readLevel();
    void groupedText_data();
    void groupedText();
    void signedAndPlainText();
    void skillRows_data();
    void skillRows();
    void skillExplanations_data();
    void skillExplanations();
    void shortQuote_data();
    void shortQuote();
};

void NumberTextTest::readLevel_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("value");

    QTest::newRow("digits") << English << "50" << true << 50;
    QTest::newRow("blanks around") << English << "  12 " << true << 12;
    QTest::newRow("plus sign") << English << "+5" << true << 5;
    QTest::newRow("minus sign") << English << "-7" << true << -7;
    QTest::newRow("half rounds to even, down") << English << "2.5" << true << 2;
    QTest::newRow("half rounds to even, up") << English << "3.5" << true << 4;
    QTest::newRow("negative half") << English << "-2.5" << true << -2;
    QTest::newRow("fraction below half") << English << "7.49" << true << 7;
    QTest::newRow("largest") << English << "32767" << true << 32767;
    QTest::newRow("smallest") << English << "-32768" << true << -32768;
    QTest::newRow("rounds into range") << English << "32767.4" << true << 32767;
    QTest::newRow("rounds out of range") << English << "32767.5" << false << 0;
    QTest::newRow("too large") << English << "32768" << false << 0;
    QTest::newRow("too small") << English << "-32769" << false << 0;
    QTest::newRow("huge") << English << "99999999999999999999" << false << 0;
    QTest::newRow("grouped thousands") << English << "1,000" << true << 1000;
    QTest::newRow("empty") << English << "" << false << 0;
    QTest::newRow("blanks only") << English << "   " << false << 0;
    QTest::newRow("letters") << English << "abc" << false << 0;
    QTest::newRow("trailing letters") << English << "12abc" << false << 0;
    QTest::newRow("lone minus") << English << "-" << false << 0;
    QTest::newRow("infinity") << English << "inf" << false << 0;
    QTest::newRow("not a number") << English << "nan" << false << 0;
    QTest::newRow("German decimal comma") << German << "2,5" << true << 2;
    QTest::newRow("German half up") << German << "3,5" << true << 4;
    QTest::newRow("German thousands") << German << "1.000" << true << 1000;
    QTest::newRow("C locale") << QLocale::c() << "-12.5" << true << -12;
    // Group separators as people type them.
    QTest::newRow("Swiss typographic apostrophe") << Swiss << u"1\u2019000"_s << true << 1000;
    QTest::newRow("Swiss plain apostrophe") << Swiss << "1'000" << true << 1000;
    QTest::newRow("Swiss apostrophe, badly grouped") << Swiss << "10'00" << false << 0;
    QTest::newRow("English apostrophe") << English << "1'000" << false << 0;
    QTest::newRow("French narrow no-break space") << French << u"1\u202F000"_s << true << 1000;
    QTest::newRow("French no-break space") << French << u"1\u00A0000"_s << true << 1000;
    QTest::newRow("French plain space") << French << "-1 000" << true << -1000;
    QTest::newRow("Norwegian narrow no-break space")
        << Norwegian << u"2\u202F500"_s << true << 2500;
    QTest::newRow("English space") << English << "1 000" << false << 0;
    QTest::newRow("German space") << German << "1 000" << false << 0;
}

void NumberTextTest::readLevel() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(int, value);

    const std::optional<std::int16_t> level = NumberText::ReadLevel(text, locale);
    QCOMPARE(level.has_value(), readable);
    if (readable) {
        QCOMPARE(int{*level}, value);
    }
}

void NumberTextTest::groupedText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero is empty") << English << 0 << "";
    QTest::newRow("one digit") << English << 5 << "5";
    QTest::newRow("three digits") << English << 999 << "999";
    QTest::newRow("thousand") << English << 1000 << "1,000";
    QTest::newRow("six digits") << English << 123456 << "123,456";
    QTest::newRow("eight digits") << English << 12345678 << "12,345,678";
    QTest::newRow("beyond the pattern") << English << 123456789 << "123,456,789";
    QTest::newRow("largest") << English << 2147483647 << "2,147,483,647";
    QTest::newRow("negative") << English << -1234 << "-1,234";
    QTest::newRow("German") << German << 12345678 << "12.345.678";
    QTest::newRow("C locale still groups") << QLocale::c() << 12345678 << "12,345,678";
}

void NumberTextTest::groupedText() {
    QFETCH(QLocale, locale);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::GroupedText(value, locale), text);
}

void NumberTextTest::signedAndPlainText() {
    QCOMPARE(NumberText::SignedText(10), QStringLiteral(" 10"));
    QCOMPARE(NumberText::SignedText(0), QStringLiteral(" 0"));
    QCOMPARE(NumberText::SignedText(-5), QStringLiteral("-5"));
    QCOMPARE(NumberText::SignedText(32767), QStringLiteral(" 32767"));
    QCOMPARE(NumberText::PlainText(12345678), QStringLiteral("12345678"));
    QCOMPARE(NumberText::PlainText(-40), QStringLiteral("-40"));
    QCOMPARE(NumberText::PlainText(0), QStringLiteral("0"));
}

void NumberTextTest::skillRows_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<SkillPlanEntry>("entry");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("spoken"); // what a screen reader says for the row

    // Base, EQ, Mod, Goal, GoalCost
    QTest::newRow("cost at 38") << "Dagger" << SkillPlanEntry{10, 0, 12, 50, 123456} << English
                                << "Dagger           10   0    12   50    123,456"
                                << "Dagger: base 10, equipment 0, modded 12, goal 50, cost 123,456";
    QTest::newRow("longest name")
        << "Ghost Companion" << SkillPlanEntry{1, 0, 3, 1, 0} << English
        << "Ghost Companion  1    0    3    1     "
        << "Ghost Companion: base 1, equipment 0, modded 3, goal 1, cost 0";
    QTest::newRow("negative values")
        << "Braveness" << SkillPlanEntry{1, -5, -4, 1, 0} << English
        << "Braveness        1   -5   -4    1     "
        << "Braveness: base 1, equipment -5, modded -4, goal 1, cost 0";
    QTest::newRow("three digits")
        << "Hand to Hand" << SkillPlanEntry{120, -5, 118, 120, 0} << English
        << "Hand to Hand     120 -5    118  120   "
        << "Hand to Hand: base 120, equipment -5, modded 118, goal 120, cost 0";
    QTest::newRow("wide values shift the row")
        << "Stealth" << SkillPlanEntry{10, 12345, 12357, 100, 1234567} << English
        << "Stealth          10   12345 12357 100   1,234,567"
        << "Stealth: base 10, equipment 12345, modded 12357, goal 100, cost 1,234,567";
    QTest::newRow("German separators")
        << "Sword" << SkillPlanEntry{4, 0, 10, 120, 12345678} << German
        << "Sword            4    0    10   120   12.345.678"
        << "Sword: base 4, equipment 0, modded 10, goal 120, cost 12.345.678";
}

void NumberTextTest::skillRows() {
    QFETCH(QString, name);
    QFETCH(SkillPlanEntry, entry);
    QFETCH(QLocale, locale);
    QFETCH(QString, row);
    QFETCH(QString, spoken);
    QCOMPARE(SkillRowText(name, entry, locale), row);
    QCOMPARE(SpokenText::SkillRow(name, entry, locale), spoken);
}

void NumberTextTest::shortQuote_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");

    QTest::newRow("short") << "abc"
                           << "abc";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("exactly 20") << "12345678901234567890"
                                << "12345678901234567890";
    QTest::newRow("21 cut") << "123456789012345678901" << u"12345678901234567890\u2026"_s;
    QTest::newRow("a whole paste") << QString(32767, u'x') << QString(20, u'x') + QChar(0x2026);
    QTest::newRow("line breaks") << u"12\n34\r\n5\r6\u20287"_s
                                 << u"12\u23CE34\u23CE5\u23CE6\u23CE7"_s;
    QTest::newRow("a line break counts once")
        << u"1234567890123456789\r\nx"_s << u"1234567890123456789\u23CE\u2026"_s;
    // A character outside the Basic Multilingual Plane is never cut in half.
    QTest::newRow("emoji at the cut") << QString(19, u'a') + u"\U0001F600\U0001F600"_s
                                      << QString(19, u'a') + u"\U0001F600\u2026"_s;
}

void NumberTextTest::shortQuote() {
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(MessageText::ShortQuote(text), quoted);
}

void NumberTextTest::skillExplanations_data() {
    // An ArchTemplar's reset plan with some changes, recalculated as the planner stores it.
    const auto archTemplar = [](const std::function<void(CharacterPlan &)> &change) {
        CharacterPlan plan;
        plan.race = 6;
        plan.ResetSkills();
        change(plan);
        plan.Recalculate();
        return plan;
    };
    constexpr int Braveness = 0, Agility = 3, Strength = 4, Regenerate = 5, Dagger = 9, Sword = 10;
    QTest::addColumn<CharacterPlan>("plan");
    QTest::addColumn<int>("skill");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    // What a screen reader says after the row, which has already said the name and the numbers.
    QTest::addColumn<QString>("spoken");

    QTest::newRow("skill with a goal")
        << archTemplar([](CharacterPlan &p) {
               p.skills[Strength].EQ = 5;
               p.skills[Sword].Goal = 50;
           })
        << int{Sword} << English
        << "Sword (ArchTemplar, difficulty class 3, at most 120)\n"
           "Modded 11 = base 4 + equipment 0 + attribute bonus 7 (Braveness, Strength, Agility)\n"
           "Goal 50: 112,523 experience; the next level, 4 to 5, costs 4\n"
           "At goal: modded 57"
        << "ArchTemplar: difficulty class 3, at most 120. Attribute bonus 7 from Braveness, "
           "Strength, Agility. The next level costs 4. At goal: modded 57";
    QTest::newRow("cannot be learned")
        << archTemplar([](CharacterPlan &p) { p.skills[Dagger].EQ = 40; }) << int{Dagger} << English
        << "Dagger (ArchTemplar, cannot be learned)\n"
           "ArchTemplar cannot learn Dagger: base, modded value, goal and experience stay 0; the "
           "equipment bonus 40 adds nothing"
        << "ArchTemplar cannot learn it; the equipment bonus adds nothing";
    QTest::newRow("negative bonus, goal reached")
        << archTemplar([](CharacterPlan &p) {
               p.skills[Braveness].EQ = -10;
               p.skills[Agility].EQ = -10;
               p.skills[Strength].EQ = -11;
           })
        << int{Sword} << English
        << "Sword (ArchTemplar, difficulty class 3, at most 120)\n"
           "Modded 3 = base 4 + equipment 0 + attribute bonus -1 (Braveness, Strength, Agility)\n"
           "Goal 4: reached, no experience needed; the next level, 4 to 5, costs 4\n"
           "At goal: modded 3"
        << "ArchTemplar: difficulty class 3, at most 120. Attribute bonus -1 from Braveness, "
           "Strength, Agility. The next level costs 4. At goal: modded 3";
    QTest::newRow("attribute, German separators")
        << archTemplar([](CharacterPlan &p) {
               p.skills[Strength].EQ = 5;
               p.skills[Strength].Goal = 120;
           })
        << int{Strength} << German
        << "Strength (ArchTemplar, difficulty class 6, at most 120)\n"
           "Modded 15 = base 10 + equipment 5; an attribute gets no attribute bonus\n"
           "Goal 120: 7.646.586 experience; the next level, 10 to 11, costs 150\n"
           "At goal: modded 125"
        << "ArchTemplar: difficulty class 6, at most 120. The next level costs 150. At goal: "
           "modded 125";
    QTest::newRow("first skill after the attributes")
        << archTemplar([](CharacterPlan &) {}) << int{Regenerate} << English
        << "Regenerate (ArchTemplar, difficulty class 3, at most 120)\n"
           "Modded 10 = base 4 + equipment 0 + attribute bonus 6 (Strength \u00d73)\n"
           "Goal 4: reached, no experience needed; the next level, 4 to 5, costs 4\n"
           "At goal: modded 10"
        << "ArchTemplar: difficulty class 3, at most 120. Attribute bonus 6 from Strength 3 "
           "times. The next level costs 4. At goal: modded 10";
    QTest::newRow("base at the maximum")
        << archTemplar([](CharacterPlan &p) { p.MaxBases(); }) << int{Sword} << English
        << "Sword (ArchTemplar, difficulty class 3, at most 120)\n"
           "Modded 186 = base 120 + equipment 0 + attribute bonus 66 (Braveness, Strength, "
           "Agility)\n"
           "Goal 120: reached, no experience needed; 120 is the most ArchTemplar can reach\n"
           "At goal: modded 186"
        << "ArchTemplar: difficulty class 3, at most 120. Attribute bonus 66 from Braveness, "
           "Strength, Agility. The base is at its maximum. At goal: modded 186";
}

void NumberTextTest::skillExplanations() {
    QFETCH(CharacterPlan, plan);
    QFETCH(int, skill);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    const auto s = static_cast<Tarrowind_Module::SkillNumber>(skill);
    QCOMPARE(SkillExplanation(plan, s, locale), text);
    QCOMPARE(SpokenSkillExplanation(plan, s, locale), spoken);
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "NumberTextTest.moc"
