// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "text/PlanText.h"
#include "rules/Tarrowind_Module.h"
#endif

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace {

// An ArchTemplar with Strength's equipment bonus 5 and Sword's goal 120.
CharacterPlan KnownPlan() {
    CharacterPlan plan;
    plan.race = 6;
    plan.ResetSkills();
    plan.skills[4].EQ = 5;
    plan.skills[10].Goal = 120;
    plan.Recalculate();
    return plan;
}

// "race; skill base eq goal; ..." of a read plan, or its refusal's message.
QString Summary(const std::variant<PlanText::PastedPlan, PlanText::ReadError> &read) {
    if (const auto *error = std::get_if<PlanText::ReadError>(&read)) {
        return error->Message();
    }
    const auto &pasted = std::get<PlanText::PastedPlan>(read);
    QStringList parts{pasted.race ? QString::fromStdString(RaceName(*pasted.race)) : u"-"_s};
    for (const PlanText::SkillLevels &levels : pasted.skills) {
        parts << u"%1 %2 %3 %4"_s.arg(QString::fromStdString(SkillName(levels.skill)))
                     .arg(levels.Base)
                     .arg(levels.EQ)
                     .arg(levels.Goal);
    }
    return parts.join(u"; ");
}

} // namespace

class PlanTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void format_data();
    void format();
    void html();
    void read_data();
    void read();
    void roundTrip_data();
    void roundTrip();
};

void PlanTextTest::format_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sword");
    QTest::addColumn<QString>("total");

    QTest::newRow("C") << QLocale::c() << u"Sword            4    0    11   120   3,823,414"_s
                       << u"Goal Cost Total: 3,823,414"_s;
    QTest::newRow("en_US") << QLocale(u"en_US"_s)
                           << u"Sword            4    0    11   120   3,823,414"_s
                           << u"Goal Cost Total: 3,823,414"_s;
    QTest::newRow("de_DE") << QLocale(u"de_DE"_s)
                           << u"Sword            4    0    11   120   3.823.414"_s
                           << u"Goal Cost Total: 3.823.414"_s;
    QTest::newRow("fr_FR") << QLocale(u"fr_FR"_s)
                           << u"Sword            4    0    11   120   3\u202f823\u202f414"_s
                           << u"Goal Cost Total: 3\u202f823\u202f414"_s;
}

void PlanTextTest::format() {
    QFETCH(QLocale, locale);
    QFETCH(QString, sword);
    QFETCH(QString, total);

    const QStringList lines = PlanText::Format(KnownPlan(), locale).split(u'\n');
    QCOMPARE(lines.size(), 40);
    QCOMPARE(lines[0], u"Race: ArchTemplar"_s);
    QCOMPARE(lines[1], u"Skill Name        Base EQ   Mod  Goal  Goal Cost"_s);
    QCOMPARE(lines[6], u"Strength         10   5    15   10    "_s);
    QCOMPARE(lines[12], sword);
    QCOMPARE(lines[39], total);
}

void PlanTextTest::html() {
    const QString html = PlanText::FormatHtml(KnownPlan());
    QVERIFY(html.contains(u"<tr><td>Race</td><td>ArchTemplar</td></tr>"_s));
    QVERIFY(html.contains(u"<tr><th>Skill Name</th><th>Base</th><th>EQ</th><th>Mod</th>"
                          "<th>Goal</th><th>Goal Cost</th></tr>"_s));
    QVERIFY(html.contains(
        u"<tr><td>Sword</td><td>4</td><td>0</td><td>11</td><td>120</td><td>3823414</td></tr>"_s));
    QVERIFY(html.contains(
        u"<tr><td>Goal Cost Total</td><td></td><td></td><td></td><td></td><td>3823414</td></tr>"_s));
    QCOMPARE(html.count(u"<tr>"_s), 1 + 1 + 37 + 1);
}

void PlanTextTest::read_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");

    QTest::newRow("copied rows")
        << u"Race: ArchTemplar\nSkill Name        Base EQ   Mod  Goal  Goal Cost\n"
           "Strength         10   5    15   10    \nSword            4    0    11   120   "
           "3,823,414\n"
           "Goal Cost Total: 3,823,414"_s
        << u"ArchTemplar; Strength 10 5 10; Sword 4 0 120"_s;
    QTest::newRow("spreadsheet cells, Windows line ends")
        << u"Race\tSeyan'Du\r\nSkill Name\tBase\tEQ\tMod\tGoal\tGoal Cost\r\n"
           "Sword\t4\t0\t11\t120\t3823414\r\nGoal Cost Total\t\t\t\t\t3823414\r\n"_s
        << u"Seyan'Du; Sword 4 0 120"_s;
    QTest::newRow("no race line") << u"Sword 4 0 10 50\nDagger -1 +2 3 4"_s
                                  << u"-; Sword 4 0 50; Dagger -1 2 4"_s;
    QTest::newRow("signs run together")
        << u"Stealth          10  -12345-12335 100   "_s << u"-; Stealth 10 -12345 100"_s;
    QTest::newRow("French cost, old Mac line ends")
        << u"Race: Warrior\r    Two Handed       4    0    10   50    112\u202f523"_s
        << u"Warrior; Two Handed 4 0 50"_s;
    QTest::newRow("remarks and near names skipped")
        << u"Sword is the best\nSwordfish 1 2 3 4\nResistance 1 0 5 1\nRaces: 8"_s
        << u"-; Resistance 1 0 1"_s;
    QTest::newRow("unknown race")
        << u"Race: Elf\nSword 4 0 10 50"_s
        << u"Nothing was pasted: the race is not one the planner knows, in line 1: \"Race: Elf\""_s;
    QTest::newRow("race twice")
        << u"Race: Warrior\nSword 4 0 10 50\nRace\tWarrior"_s
        << u"Nothing was pasted: the race is named a second time, in line 3: \"Race Warrior\""_s;
    QTest::newRow("skill twice")
        << u"Sword 4 0 10 50\n\nSword 5 0 10 50"_s
        << u"Nothing was pasted: Sword is named a second time, in line 3: \"Sword 5 0 10 50\""_s;
    QTest::newRow("three numbers")
        << u"Sword 4 0 10"_s
        << u"Nothing was pasted: Sword needs four whole numbers from -32768 to 32767, in line 1: "
           "\"Sword 4 0 10\""_s;
    QTest::newRow("letters, long line cut")
        << u"Ghost Companion  4    x    10   50    and some more words after it"_s
        << u"Nothing was pasted: Ghost Companion needs four whole numbers from -32768 to 32767, "
           "in line 1: \"Ghost Companion  4    x    10   50    a\u2026\""_s;
    QTest::newRow("beyond 16 bits")
        << u"Sword 4 32768 10 50"_s
        << u"Nothing was pasted: Sword needs four whole numbers from -32768 to 32767, in line 1: "
           "\"Sword 4 32768 10 50\""_s;
    QTest::newRow("fraction")
        << u"Sword 4 0 10 50.5"_s
        << u"Nothing was pasted: Sword needs four whole numbers from -32768 to 32767, in line 1: "
           "\"Sword 4 0 10 50.5\""_s;
    QTest::newRow("letters after a number")
        << u"Sword 4 0 10 50abc"_s
        << u"Nothing was pasted: Sword needs four whole numbers from -32768 to 32767, in line 1: "
           "\"Sword 4 0 10 50abc\""_s;
    QTest::newRow("Windows line ends count once")
        << u"Race: Warrior\r\n\r\nSword 4 0 10\r\n"_s
        << u"Nothing was pasted: Sword needs four whole numbers from -32768 to 32767, in line 3: "
           "\"Sword 4 0 10\""_s;
    QTest::newRow("whole 16-bit range")
        << u"Sword -32768 -32768 0 32767"_s << u"-; Sword -32768 -32768 32767"_s;
    QTest::newRow("no skill line")
        << u"Race: Warrior\nSkill Name        Base EQ   Mod  Goal  Goal Cost\nGoal Cost Total: "_s
        << u"Nothing was pasted: the text names no skill with its levels."_s;
}

void PlanTextTest::read() {
    QFETCH(QString, text);
    QFETCH(QString, read);
    QCOMPARE(Summary(PlanText::Read(text)), read);
}

void PlanTextTest::roundTrip_data() {
    QTest::addColumn<QLocale>("locale");
    for (const char *name : {"C", "en_US", "de_DE", "fr_FR", "hi_IN"}) {
        QTest::newRow(name) << QLocale(QLatin1String(name));
    }
}

void PlanTextTest::roundTrip() {
    QFETCH(QLocale, locale);
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        CharacterPlan plan;
        plan.race = race;
        plan.selected = 20;
        plan.MaxGoals();
        plan.skills[4].EQ = 9000;    // Strength
        plan.skills[20].EQ = -12345; // Stealth: the bonus runs into the modded value
        plan.skills[30].EQ = 12345;  // Heal: wider than its column
        plan.Recalculate();

        const auto read = PlanText::Read(PlanText::Format(plan, locale));
        QVERIFY2(std::holds_alternative<PlanText::PastedPlan>(read), qPrintable(Summary(read)));
        CharacterPlan back;
        back.selected = 20;
        std::get<PlanText::PastedPlan>(read).StoreInto(back);
        back.Recalculate();
        QVERIFY2(back == plan, qPrintable(PlanText::Format(back, locale)));
    }
}

QTEST_GUILESS_MAIN(PlanTextTest)
#include "PlanTextTest.moc"
