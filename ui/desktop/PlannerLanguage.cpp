// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/PlannerLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Where the build puts the catalogues (ui/CMakeLists.txt): tarrowind_LANG.qm and qtbase_LANG.qm.
constexpr auto CatalogueFolder = ":/i18n/"_L1;

QString Catalogue(QLatin1StringView name, const QString &language) {
    return CatalogueFolder + name + u'_' + language + u".qm"_s;
}

// Tells the planner's own translators from any other that a test or a tool installed.
class PlannerTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
};

} // namespace

namespace PlannerLanguage {

QString ChosenLanguage(const QStringList &languages) {
    for (const QString &entry : languages) {
        const QLocale locale(entry);
        // "C" and names QLocale cannot read say nothing about a language: the next entry may.
        if (locale.language() == QLocale::C) {
            continue;
        }
        // "de-DE" → "de", "pt_BR" → "pt".
        const QString language = locale.name().section(u'_', 0, 0);
        if (language == u"en"_s || QFile::exists(Catalogue("tarrowind"_L1, language))) {
            return language;
        }
    }
    return u"en"_s;
}

QString InstallTranslators(QCoreApplication &app, const QStringList &languages) {
    for (PlannerTranslator *earlier :
         app.findChildren<PlannerTranslator *>(QString(), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    const QString language = ChosenLanguage(languages);
    // Qt's own first: a translator installed later is asked first, so the planner's catalogue
    // decides wherever both have a text.
    for (QLatin1StringView name : {"qtbase"_L1, "tarrowind"_L1}) {
        auto *translator = new PlannerTranslator(&app);
        if (translator->load(Catalogue(name, language))) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator; // English has no qtbase catalogue: Qt's texts are English
        }
    }
    return language;
}

} // namespace PlannerLanguage
