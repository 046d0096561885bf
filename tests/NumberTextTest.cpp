// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/NumberText.h"
#include "ui/SkillRow.h"

#include <QTest>

#include <optional>

using Tarrowind_Module::SkillPlanEntry;

Q_DECLARE_METATYPE(SkillPlanEntry)

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);
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

    // Base, EQ, Mod, Goal, GoalCost
    QTest::newRow("cost at 38") << "Dagger" << SkillPlanEntry{10, 0, 12, 50, 123456} << English
                                << "Dagger           10   0    12   50    123,456";
    QTest::newRow("longest name") << "Ghost Companion" << SkillPlanEntry{1, 0, 3, 1, 0} << English
                                  << "Ghost Companion  1    0    3    1     ";
    QTest::newRow("negative values") << "Braveness" << SkillPlanEntry{1, -5, -4, 1, 0} << English
                                     << "Braveness        1   -5   -4    1     ";
    QTest::newRow("three digits") << "Hand to Hand" << SkillPlanEntry{120, -5, 118, 120, 0}
                                  << English << "Hand to Hand     120 -5    118  120   ";
    QTest::newRow("wide values shift the row")
        << "Stealth" << SkillPlanEntry{10, 12345, 12357, 100, 1234567} << English
        << "Stealth          10   12345 12357 100   1,234,567";
    QTest::newRow("German separators")
        << "Sword" << SkillPlanEntry{4, 0, 10, 120, 12345678} << German
        << "Sword            4    0    10   120   12.345.678";
}

void NumberTextTest::skillRows() {
    QFETCH(QString, name);
    QFETCH(SkillPlanEntry, entry);
    QFETCH(QLocale, locale);
    QFETCH(QString, row);
    QCOMPARE(SkillRowText(name, entry, locale), row);
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "NumberTextTest.moc"
