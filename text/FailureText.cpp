// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/FailureText.h"

#include "rules/RaceTable.h"

#include <QCoreApplication>

#include <stdexcept>

namespace FailureText {

namespace {

QString Translate(const char *text) {
    return QCoreApplication::translate("FailureText", text);
}

} // namespace

QString Reason(const std::exception_ptr &failure) {
    if (!failure) {
        return Translate("the planner ran into a fault of its own");
    }
    try {
        std::rethrow_exception(failure);
    } catch (const std::overflow_error &) {
        return Translate("a modded value would leave the range %1").arg(LevelRange);
    } catch (const Tarrowind_Module::UnknownRace &) {
        return Translate("the race is not one the planner knows");
    } catch (const std::out_of_range &) {
        return Translate("a level lies outside what the rules cover");
    } catch (...) {
        return Translate("the planner ran into a fault of its own");
    }
}

QString NothingChanged(const std::exception_ptr &failure) {
    return Translate("Nothing was changed: %1.").arg(Reason(failure));
}

} // namespace FailureText
