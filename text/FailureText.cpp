// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/FailureText.h"

#include "rules/RaceTable.h"

#include <QCoreApplication>

#include <stdexcept>

namespace FailureText {

QString LevelRangeText() {
    return QCoreApplication::translate("FailureText", "-32768 to 32767");
}

QString Reason(const std::exception_ptr &failure) {
    if (!failure) {
        return QCoreApplication::translate("FailureText",
                                           "the planner ran into a fault of its own");
    }
    try {
        std::rethrow_exception(failure);
    } catch (const std::overflow_error &) {
        return QCoreApplication::translate("FailureText", "a modded value would leave the range %1")
            .arg(LevelRangeText());
    } catch (const Tarrowind_Module::UnknownRace &) {
        return QCoreApplication::translate("FailureText", "the race is not one the planner knows");
    } catch (const std::out_of_range &) {
        return QCoreApplication::translate("FailureText",
                                           "a level lies outside what the rules cover");
    } catch (...) {
        return QCoreApplication::translate("FailureText",
                                           "the planner ran into a fault of its own");
    }
}

QString NothingChanged(const std::exception_ptr &failure) {
    return QCoreApplication::translate("FailureText", "Nothing was changed: %1.")
        .arg(Reason(failure));
}

} // namespace FailureText
