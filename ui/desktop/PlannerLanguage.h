// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the planner speaks, and Qt's own dialogs and context menus with it.
namespace PlannerLanguage {

// The first of `languages` (such as "de-DE", "fr", "en-GB", in the user's order of preference)
// that the planner has a catalogue for, as a two-letter code; "en" when the first it knows is
// English or it knows none of them.
QString ChosenLanguage(const QStringList &languages);

// Installs the planner's catalogue for ChosenLanguage(languages) and Qt's own for the same
// language, both from the program's resources; for English, the catalogue that gives English its
// plural forms ("1 level", "2 levels"). The translators are children of `app`; installing again
// removes those installed before, so that a language can be changed while the program runs
// (windows made before keep their texts). Returns the chosen language.
QString InstallTranslators(QCoreApplication &app,
                           const QStringList &languages = QLocale().uiLanguages());

} // namespace PlannerLanguage
