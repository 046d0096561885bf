// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "text/PlanText.h"
#include "rules/Tarrowind_Module.h"
#include "text/PlanCodeText.h"
#endif

#include <QTest>

#include <array>
#include <utility>

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
    void spellings_data();
    void spellings();
    void roundTrip_data();
    void roundTrip();
    void readCode_data();
    void readCode();
    void readPlans_data();
    void readPlans();
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
    QCOMPARE(lines[6], u"Strength         10   5    15   10"_s); // no fill after the last number
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
    QTest::newRow("remarks skipped")
        << u"Sword is the best\nStep 1, 2 and 3\nBest 3 of them\nResistance 1 0 5 1\nHealing is 2nd"_s
        << u"-; Resistance 1 0 1"_s;
    QTest::newRow("prose, totals in any locale and headers stay remarks")
        << u"Goal Cost Total: 4 563 113\nGoal Cost Total: 4\u202f563\u202f113\nGoal Cost Total: "
           "45,63,113\n| Goal Cost Total | | | | | 4.563.113 |\nMy ArchTemplar build:\n"
           "Level 10 20 30 by the weekend\nRacer notes\n| Skill | Base | EQ | Mod | Goal |\n"
           "|---|:---:|---:|\nSword 4 0 10 50"_s
        << u"-; Sword 4 0 50"_s;
    QTest::newRow("table rows and list bullets")
        << u"| Race | Templar |\n| Sword | 35 | 8 | 50 | 90 | 2,113,579 |\n||Dagger||1||0||2||3||\n"
           "- Heal 2 0 3 4\n2. Light 4 0 5 6\n\u2022 Stun 1 0 1 1"_s
        << u"Templar; Sword 35 8 90; Dagger 1 0 3; Heal 2 0 4; Light 4 0 6; Stun 1 0 1"_s;
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

// Skill and race lines as people write them: each is read, or refused naming its line.
void PlanTextTest::spellings_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // as Summary(), or "line: reason" for a refusal

    QTest::newRow("skill names")
        << u"sword 35 8 50 120\nDagger: 1 0 2 3\nHAND \t\u00A0to  Hand 4 0 10 50\n"
           "\uFEFFSt\u200Be\u00ADalth\uFF1A5 0 6 7\n**Heal** 2 0 3 4\nLIGHT : 4 0 5 6  \t"_s
        << u"-; Sword 35 8 120; Dagger 1 0 3; Hand to Hand 4 0 50; Stealth 5 0 7; Heal 2 0 4; "
           "Light 4 0 6"_s;
    const std::pair<const char16_t *, const char *> races[] = {
        {u"race: archtemplar", "ArchTemplar"}, {u"Race : Warrior", "Warrior"},
        {u"**Race:** Templar", "Templar"},     {u"__Race__ = *Harakim*", "Harakim"},
        {u"RACE\uFF1AMercenary", "Mercenary"}, {u"Race\t\tSeyan\u2019Du", "Seyan'Du"},
        {u"Race: seyan\u02BCdu", "Seyan'Du"},  {u"race  sorceror", "Sorceror"},
        {u"Race: SEYAN\u2018DU", "Seyan'Du"},  {u"Race=Warrior", "Warrior"},
        {u"Class: Warrior", "Warrior"},        {u"RASSE = Templar", "Templar"},
        {u"classe\tHarakim", "Harakim"},       {u"Sorceror", "Sorceror"},
        {u"**Seyan'Du:**", "Seyan'Du"},        {u"- Race: ArchHarakim", "ArchHarakim"}};
    for (const auto &[line, race] : races) {
        const QString text = QString::fromUtf16(line);
        QTest::addRow("%s", qPrintable(text))
            << text + u"\nSword 35 8 50 120"_s << QLatin1String(race) + u"; Sword 35 8 120"_s;
    }
    const QString unknown = u"%1: %2 is not a skill the planner knows (perhaps %3)"_s;
    QTest::newRow("letters added")
        << u"Swords 35 8 50 120"_s << unknown.arg(1).arg(u"Swords", u"Sword");
    QTest::newRow("letters swapped")
        << u"Swrod: 35 8 50 120"_s << unknown.arg(1).arg(u"Swrod", u"Sword");
    QTest::newRow("two edits") << u"Dagger 1 0 2 3\nHand to Hnd 4 0 10 50"_s
                               << unknown.arg(2).arg(u"Hand to Hnd", u"Hand to Hand");
    QTest::newRow("short name") << u"Haal 1 0 1 1"_s << unknown.arg(1).arg(u"Haal", u"Heal");
    // A line shaped like a skill line whose words name no skill, and the skill meant, if plain.
    const std::array<std::array<const char16_t *, 3>, 8> unknowns{{
        {u"Hel 1 0 1 1", u"Hel", u"Heal"},
        {u"Long Sword 35 8 50 120 3,796,879", u"Long Sword", u"Sword"},
        {u"My Sword 35 8 50 120 3 796 879", u"My Sword", u"Sword"},
        {u"HtH 10 0 12 40", u"HtH", u"Hand to Hand"},
        {u"Ghost Comp 5 0 10 30", u"Ghost Comp", u"Ghost Companion"},
        {u"Enhance\t10\t0\t12\t40", u"Enhance", u"Enhance Weapon"},
        {u"| Swrod | 35 | 8 | 50 | 120 |", u"Swrod", u"Sword"},
        {u"Step 1 2 3", u"Step", nullptr},
    }};
    for (const auto &[line, written, meant] : unknowns) {
        const QString name = QString::fromUtf16(written);
        QTest::addRow("%s", qPrintable(QString::fromUtf16(line)))
            << u"Dagger 1 0 2 3\n"_s + QString::fromUtf16(line)
            << (meant ? unknown.arg(2).arg(name, QString::fromUtf16(meant))
                      : u"2: %1 is not a skill the planner knows"_s.arg(name));
    }
    const QString fourNumbers = u"1: Sword needs four whole numbers from -32768 to 32767"_s;
    QTest::newRow("three numbers in a table row") << u"| Sword | 4 | 0 | 10 |"_s << fourNumbers;
    QTest::newRow("beyond 32 bits") << u"Sword 4 0 10 4294967346"_s << fourNumbers;
    const QString unknownRace = u"1: the race is not one the planner knows%1"_s;
    const std::pair<const char16_t *, const char *> misspeltRaces[] = {
        {u"Race: Sorcerer", " (perhaps Sorceror)"},
        {u"Race: Seyan Du", " (perhaps Seyan'Du)"},
        {u"Class Sorcerer", " (perhaps Sorceror)"},
        {u"Sorcerer", " (perhaps Sorceror)"},
        {u"Race\tElf", ""}};
    for (const auto &[line, hint] : misspeltRaces) {
        QTest::addRow("%s", qPrintable(QString::fromUtf16(line)))
            << QString::fromUtf16(line) + u"\nSword 35 8 50 120"_s
            << unknownRace.arg(QLatin1String(hint));
    }
    const QString raceLike = u"2: the line begins like a race line but cannot be read"_s;
    QTest::newRow("races") << u"Sword 35 8 50 120\nRaces: ArchTemplar"_s << raceLike;
    QTest::newRow("race remark") << u"Sword 35 8 50 120\nRace matters"_s << raceLike;
    QTest::newRow("races in capitals") << u"Sword 35 8 50 120\nRACES: Warrior"_s << raceLike;
    QTest::newRow("classes") << u"Sword 35 8 50 120\nClasses: Warrior"_s << raceLike;
    QTest::newRow("class remark") << u"Sword 35 8 50 120\nClass matters"_s << raceLike;
}

void PlanTextTest::spellings() {
    QFETCH(QString, text);
    QFETCH(QString, read);
    const auto result = PlanText::Read(text);
    const auto *error = std::get_if<PlanText::ReadError>(&result);
    QCOMPARE(error ? u"%1: %2"_s.arg(error->line).arg(error->reason) : Summary(result), read);
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

// A plan code anywhere in a text: the plan it gives ("known plan" for KnownPlan()), "no code",
// or why it is refused.
void PlanTextTest::readCode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");

    const QString code = PlanText::Code(KnownPlan());
    QString changed = code;
    changed.back() = changed.back() == u'A' ? u'B' : u'A';
    const QString other = PlanText::Code([] {
        CharacterPlan plan = KnownPlan();
        plan.skills[10].Goal = 90;
        plan.Recalculate();
        return plan;
    }());
    QTest::newRow("alone") << code << u"known plan"_s;
    QTest::newRow("in a chat line, twice")
        << u"my build: "_s + code + u" (same as "_s + code + u")"_s << u"known plan"_s;
    QTest::newRow("before the readable plan")
        << code + u"\nRace: Warrior\nSword 1 0 1 1"_s << u"known plan"_s;
    QTest::newRow("in a word") << u"XTWP1-AAAA"_s << u"no code"_s;
    QTest::newRow("none") << u"Race: Warrior\nSword 1 0 1 1"_s << u"no code"_s;
    QTest::newRow("changed")
        << u"a\n"_s + changed
        << u"Nothing was pasted: the plan code was changed: its check sum does "
           "not match, in line 2: \"%1\""_s.arg(changed.left(23) + u'\u2026');
    QTest::newRow("cut short")
        << code.left(12)
        << u"Nothing was pasted: the plan code is cut short or was changed; copy all of it again, "
           "in line 1: \"%1\""_s.arg(code.left(12));
    QTest::newRow("unknown version")
        << u"TWP7-"_s + code.mid(5)
        << u"Nothing was pasted: the plan code is of a version this planner does not know, in line "
           "1: \"TWP7-%1\""_s.arg(code.mid(5, 18) + u'\u2026');
    QTest::newRow("two different codes")
        << code + u"\n"_s + other
        << u"Nothing was pasted: the text holds two different plan codes, in line 2: \"%1\""_s.arg(
               other.left(23) + u'\u2026');
}

void PlanTextTest::readCode() {
    QFETCH(QString, text);
    QFETCH(QString, read);
    const auto found = PlanText::ReadCode(text);
    if (!found) {
        QCOMPARE(u"no code"_s, read);
    } else if (const auto *error = std::get_if<PlanText::ReadError>(&*found)) {
        QCOMPARE(error->Message(), read);
    } else {
        QVERIFY(std::get<CharacterPlan>(*found).SameLevels(KnownPlan()));
        QCOMPARE(u"known plan"_s, read);
    }
}

// Several plans in one text: "name: race; skill base eq goal; ... | next plan", the names as
// made unique, or the refusal.
void PlanTextTest::readPlans_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");

    const QString names[] = {u"Sword\u2019s  build"_s, u"Templar"_s, u"42"_s, u"Sword"_s,
                             QString(40, u'x')};
    std::vector<std::pair<QString, CharacterPlan>> plans;
    for (const QString &name : names) {
        plans.emplace_back(name, KnownPlan());
    }
    QTest::newRow("written, names kept")
        << PlanText::FormatPlans(plans, QLocale(u"fr_FR"_s))
        << u"Sword\u2019s  build: ArchTemplar | Templar: "
           "ArchTemplar | 42: ArchTemplar | Sword: ArchTemplar | "
           "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx: ArchTemplar"_s;
    QTest::newRow("a name twice, by hand")
        << u"my plans\nplan:  Main \nRace: Templar\nSword 5 0 6 9\nPlan: Main\nrace warrior\n"
           "PLAN: Main\nRace: Harakim"_s
        << u"Main: Templar; Sword 5 0 9 | Main (2): Warrior | Main (3): Harakim; renamed Main (2), "
           "Main (3)"_s;
    QTest::newRow("no Plan: line") << u"Race: Templar\nSword 5 0 6 9"_s << u"none"_s;
    QTest::newRow("a plan without its race")
        << u"Plan: A\nRace: Templar\n\nPlan: B\nSword 5 0 6 9"_s
        << u"Nothing was pasted: this plan has no race line, in line 4: \"Plan: B\""_s;
    QTest::newRow("a skill before the first plan")
        << u"Sword 5 0 6 9\nPlan: A\nRace: Templar"_s
        << u"Nothing was pasted: the text names a race or skill before its first Plan: line, in "
           "line 2: \"Plan: A\""_s;
    QTest::newRow("a bad line inside a plan")
        << u"Plan: A\nRace: Templar\nSwrod 5 0 6 9"_s
        << u"Nothing was pasted: Swrod is not a skill the planner knows (perhaps Sword), in "
           "line 3: \"Swrod 5 0 6 9\""_s;
    QTest::newRow("an empty name") << u"Plan:  \nRace: Templar"_s
                                   << u"Nothing was pasted: a plan's name cannot be empty, in line "
                                      "1: \"Plan:\""_s;
    QTest::newRow("a name too long")
        << u"Plan: "_s + QString(41, u'y') + u"\nRace: Templar"_s
        << u"Nothing was pasted: a plan's name can have at most 40 characters, in line 1: \"Plan: "
           "yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy\u2026\""_s;
    QTest::newRow("an invisible character in the name")
        << u"Plan: A\u200BB\nRace: Templar"_s
        << u"Nothing was pasted: a plan's name cannot hold line breaks, tabs or invisible "
           "characters, in line 1: \"Plan: A\u200BB\""_s;
}

void PlanTextTest::readPlans() {
    QFETCH(QString, text);
    QFETCH(QString, read);
    const auto found = PlanText::ReadPlans(text);
    if (!found) {
        QCOMPARE(u"none"_s, read);
        return;
    }
    if (const auto *error = std::get_if<PlanText::ReadError>(&*found)) {
        QCOMPARE(error->Message(), read);
        return;
    }
    const auto &pasted = std::get<PlanText::PastedPlans>(*found);
    QStringList parts;
    for (const PlanText::PastedNamedPlan &plan : pasted.plans) {
        QString summary = Summary(plan.levels);
        // The written plans list every skill; only their race is checked here.
        if (plan.levels.skills.size() == SkillCount) {
            summary = summary.section(u';', 0, 0);
        }
        parts << plan.name + u": "_s + summary;
    }
    QString shown = parts.join(u" | "_s);
    if (!pasted.renamed.isEmpty()) {
        shown += u"; renamed "_s + pasted.renamed.join(u", "_s);
    }
    QCOMPARE(shown, read);
}

QTEST_GUILESS_MAIN(PlanTextTest)
#include "PlanTextTest.moc"
