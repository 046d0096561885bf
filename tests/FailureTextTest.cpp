// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "rules/Tarrowind_Module.h"
#endif
#include "text/FailureText.h"

#include <QTest>

#include <exception>
#include <stdexcept>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::exception_ptr)

// What the user reads for each kind of failure of the core: the cause, worded for the user, never
// the exception's own text for developers.
class FailureTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nothingChanged_data();
    void nothingChanged();
};

void FailureTextTest::nothingChanged_data() {
    QTest::addColumn<std::exception_ptr>("failure");
    QTest::addColumn<QString>("message");

    QTest::newRow("overflow")
        << std::make_exception_ptr(std::overflow_error("32767 + 5 leaves the range"))
        << u"Nothing was changed: a modded value would leave the range -32768 to 32767."_s;
    // An unknown race is also an index out of range; it is told as the race it is.
    QTest::newRow("unknown race")
        << std::make_exception_ptr(Tarrowind_Module::UnknownRace(9))
        << u"Nothing was changed: the race is not one the planner knows."_s;
    QTest::newRow("index") << std::make_exception_ptr(std::out_of_range("index 37 of dimension 0"))
                           << u"Nothing was changed: a level lies outside what the rules cover."_s;
    QTest::newRow("anything else") << std::make_exception_ptr(std::runtime_error("bad_alloc"))
                                   << u"Nothing was changed: the planner ran into a fault of its "
                                      u"own."_s;
    QTest::newRow("not even an exception") << std::make_exception_ptr(42)
                                           << u"Nothing was changed: the planner ran into a fault "
                                              u"of its own."_s;
}

void FailureTextTest::nothingChanged() {
    QFETCH(std::exception_ptr, failure);
    QFETCH(QString, message);
    QCOMPARE(FailureText::NothingChanged(failure), message);
}

QTEST_GUILESS_MAIN(FailureTextTest)
#include "FailureTextTest.moc"
