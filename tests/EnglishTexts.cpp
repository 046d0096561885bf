// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into every window test: the planner speaks English there, with its English plural
// forms, whatever the language of the desktop that runs the test. A test of another language
// installs that one itself.
#include "ui/desktop/PlannerLanguage.h"

#include <QCoreApplication>

namespace {

void SpeakEnglish() {
    PlannerLanguage::InstallTranslators(*QCoreApplication::instance(), {QStringLiteral("en")});
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(SpeakEnglish)
