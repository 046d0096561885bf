// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlannerTestSupport.h"
#include "text/MessageText.h"
#include "ui/desktop/PlannerLanguage.h"
#include "ui/planner/Tarrowind_Char_Planner.h"
#include "ui/shared/StatusNote.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTimer>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The room that the style leaves a control's text, and the text as it is drawn.
int Room(const QWidget *widget, QString &text) {
    QStyle *style = widget->style();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        // A wrapped label grows in height; one with a buddy shows its "&" as an underline.
        text = label->wordWrap() ? QString()
               : label->buddy()  ? MessageText::WithoutMnemonic(label->text())
                                 : label->text();
        return label->contentsRect().width() - std::max(label->indent(), 0);
    }
    QStyleOptionButton option;
    option.initFrom(widget);
    text = MessageText::WithoutMnemonic(static_cast<const QAbstractButton *>(widget)->text());
    const bool push = qobject_cast<const QPushButton *>(widget);
    return style
        ->subElementRect(push ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents,
                         &option, widget)
        .width();
}

// Every label, push button and check box shown in a window that cuts off its text. (The boxes
// hold numbers, the same in every language.)
QStringList CutTexts() {
    QStringList cut;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        for (QWidget *widget : top->findChildren<QWidget *>()) {
            // A window beside the planner is its child, and a window of its own.
            if (!widget->isVisible() || widget->window() != top ||
                !(qobject_cast<QLabel *>(widget) || qobject_cast<QPushButton *>(widget) ||
                  qobject_cast<QCheckBox *>(widget))) {
                continue;
            }
            QString text;
            const int room = Room(widget, text);
            for (const QString &line : text.split(u'\n')) {
                if (QFontMetricsF(widget->font()).horizontalAdvance(line) > room) {
                    cut << top->objectName() + u"/"_s + widget->objectName() + u": "_s + line;
                }
            }
        }
    }
    return cut;
}

} // namespace

// The planner in the languages it knows and in one it does not: the catalogues it loads, and
// windows whose every text has room for its words.
class LanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { PlannerLanguage::InstallTranslators(*qApp, {u"en"_s}); }
    void catalogues_data();
    void catalogues();
    void textsFit_data();
    void textsFit();
};

void LanguageTest::catalogues_data() {
    QTest::addColumn<QStringList>("languages"); // as QLocale::uiLanguages() gives them
    QTest::addColumn<QString>("chosen");
    QTest::newRow("English") << QStringList{u"en-GB"_s} << u"en"_s;
    QTest::newRow("German") << QStringList{u"de-DE"_s, u"en-US"_s} << u"de"_s;
    QTest::newRow("French") << QStringList{u"fr-CA"_s} << u"fr"_s;
    QTest::newRow("unknown") << QStringList{u"sv-SE"_s} << u"en"_s;
    QTest::newRow("unknown, then French") << QStringList{u"sv-SE"_s, u"fr"_s} << u"fr"_s;
    QTest::newRow("C locale") << QStringList{u"C"_s} << u"en"_s;
}

void LanguageTest::catalogues() {
    QFETCH(QStringList, languages);
    QFETCH(QString, chosen);
    QCOMPARE(PlannerLanguage::InstallTranslators(*qApp, languages), chosen);
    const bool english = chosen == u"en"_s;
    // The planner's and Qt's; those of the language installed before are gone.
    QCOMPARE(qApp->findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly).size(),
             english ? 1 : 2);

    auto window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    QStringList closing;
    QTimer::singleShot(100, window.get(), [&closing] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        for (auto which :
             {QMessageBox::Save, QMessageBox::Apply, QMessageBox::Discard, QMessageBox::Cancel}) {
            closing << (question ? question->button(which)->text() : QString());
        }
        if (question) {
            question->button(QMessageBox::Cancel)->click();
        }
    });
    FindControl<QPushButton>(window.get(), "cmdMaxGoal")->click();
    QVERIFY(!window->close()); // asks first, and is cancelled
    FindControl<QLineEdit>(window.get(), "txtBase")->setText(u"?"_s);
    FindControl<QPushButton>(window.get(), "cmdUpdate")->click();
    // What the window shows is what the catalogue gives, and English only in English; so do Qt's
    // own texts, in a text box's menu and a dialog's buttons.
    const struct {
        QString shown;
        const char *context, *source;
    } texts[] = {
        {window->windowTitle(), "Tarrowind_Char_Planner", "Tarrowind Character Planner[*]"},
        {FindControl<QPushButton>(window.get(), "cmdUpdate")->text(), "Tarrowind_Char_Planner",
         "&Update"},
        {closing.value(0), "PlanFiles", "Save As and Close…"},
        {closing.value(1), "PlanFiles", "Copy Plan and Close"},
        {closing.value(2), "PlanFiles", "Close Without Saving"},
        {closing.value(3), "PlanFiles", "Cancel"},
        {QCoreApplication::translate("QLineEdit", "&Undo"), "QLineEdit", "&Undo"},
        {QCoreApplication::translate("QPlatformTheme", "Cancel"), "QPlatformTheme", "Cancel"}};
    for (const auto &[shown, context, source] : texts) {
        QCOMPARE(shown, QCoreApplication::translate(context, source));
        QVERIFY2((shown == QString::fromUtf8(source)) == english, source);
    }
    const QString refusal = window->statusNote()->note();
    QVERIFY(
        refusal.startsWith(QCoreApplication::translate("Tarrowind_Char_Planner", "Base level")));
    QCOMPARE(refusal == uR"(Base level: "?" is not a whole number from -32768 to 32767.)"_s,
             english);
}

void LanguageTest::textsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("style");
    for (const QString &language : {u"de"_s, u"fr"_s}) {
        for (const QString &style : {u"Fusion"_s, u"Adwaita"_s}) {
            QTest::addRow("%s, %s", qPrintable(language), qPrintable(style)) << language << style;
        }
    }
}

// At the scale of QT_SCALE_FACTOR, which Qt reads at start-up only: ctest runs it at 1 and 2.
void LanguageTest::textsFit() {
    QFETCH(QString, language);
    QFETCH(QString, style);
    if (!QStyleFactory::keys().contains(style, Qt::CaseInsensitive)) {
        QSKIP("style not installed (Debian's adwaita-qt6)");
    }
    PlannerLanguage::InstallTranslators(*qApp, {language});
    // The planner wraps the application's style in a proxy of its own; restore the style under it.
    const auto *proxy = qobject_cast<const QProxyStyle *>(QApplication::style());
    const QString before = (proxy ? proxy->baseStyle() : QApplication::style())->name();
    const auto restore = qScopeGuard([&before] {
        QApplication::setStyle(before);
        for (QWidget *top : QApplication::topLevelWidgets()) {
            top->close();
        }
    });
    QApplication::setStyle(style);

    auto window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    // A plan kept beside the shown one, so that Compare Plans offers to take goals from it.
    for (const char *entry : {"keepPlanAction", "compareRacesAction", "optimiseGoalsAction",
                              "routeAction", "plansAction", "comparePlansAction"}) {
        window->findChild<QAction *>(QLatin1String(entry))->trigger();
    }
    auto *route = FindControl<QWidget>(window.get(), "route");
    QVERIFY(QTest::qWaitForWindowExposed(route));
    FindControl<QPushButton>(route, "cmdAddMilestone")->click(); // and its notes
    const QStringList cut = CutTexts();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));

    // Each word of the list's header starts where its column of the rows does, and ends before
    // the next: skill name, base, equipment, modded, goal and cost.
    const QString header = FindControl<QLabel>(window.get(), "Label1")->text();
    const qsizetype columns[] = {0, 18, 23, 28, 33, 39};
    for (std::size_t k = 0; k < std::size(columns); ++k) {
        QVERIFY2(!header.at(columns[k]).isSpace(), qPrintable(header));
        QVERIFY2(k == 0 || header.at(columns[k] - 1).isSpace(), qPrintable(header));
    }
}

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
