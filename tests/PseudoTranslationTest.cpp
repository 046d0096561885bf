// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlannerTestSupport.h"
#include "text/GameNames.h"
#include "ui/planner/Tarrowind_Char_Planner.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QRegularExpression>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Marks every word of every text it is asked for, «like» «this», so that a word shown unmarked
// never went through a translation, even inside a translated message. A mnemonic's & stays with
// its word and %1 and %n stay unmarked, so both keep working.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char *, const char *text, const char *, int) const override {
        static const QRegularExpression word(u"(?<!%)(&?\\p{L}+)"_s);
        return text && *text ? QString::fromUtf8(text).replace(word, u"«\\1»"_s) : QString();
    }
    bool isEmpty() const override { return false; }
};

// Whether `text` has a word outside the marks other than one of the game's names.
bool Unmarked(const QString &text) {
    static const QRegularExpression marked(u"«[^»]*»"_s), letter(u"\\p{L}"_s);
    QString rest = QString(text).remove(marked);
    // "ArchTemplar" before "Templar".
    for (Tarrowind_Module::RaceNumber race = Tarrowind_Module::RaceCount; race-- > 0;) {
        rest.remove(GameNames::Race(race));
    }
    for (Tarrowind_Module::SkillNumber skill = 0; skill < Tarrowind_Module::SkillCount; ++skill) {
        rest.remove(GameNames::Skill(skill));
    }
    return rest.contains(letter);
}

// Every text of the open windows that a user reads or hears, with where it stands, that has an
// unmarked word: titles, tips, actions, the cells and headers of every view, and what a screen
// reader says of each control, which for labels, buttons and group boxes is their text.
QStringList UnmarkedTexts() {
    QStringList found;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        const QList<QWidget *> widgets = top->findChildren<QWidget *>() << top;
        for (QWidget *widget : widgets) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            // A notification speaks while it stays hidden.
            if (!accessible ||
                (!widget->isVisible() && accessible->role() != QAccessible::Notification)) {
                continue;
            }
            QStringList texts{widget->isWindow() ? widget->windowTitle() : QString(),
                              widget->toolTip(), accessible->text(QAccessible::Name),
                              accessible->text(QAccessible::Description)};
            for (const QAction *action : widget->actions()) {
                texts << action->text() << action->toolTip();
            }
            const auto *view = qobject_cast<QAbstractItemView *>(widget);
            const QAbstractItemModel *model = view ? view->model() : nullptr;
            for (int row = 0; model && row < model->rowCount(); ++row) {
                for (int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole,
                                 Qt::AccessibleDescriptionRole}) {
                    texts << model->headerData(row, Qt::Vertical, role).toString();
                    for (int column = 0; column < model->columnCount(); ++column) {
                        texts << model->headerData(column, Qt::Horizontal, role).toString()
                              << model->index(row, column).data(role).toString();
                    }
                }
            }
            for (const QString &text : texts) {
                if (Unmarked(text)) {
                    found << widget->objectName() + u": "_s + text;
                }
            }
        }
    }
    return found;
}

} // namespace

// Under a translator that marks every text, the planner and its windows show and say nothing
// unmarked but the game's names and numbers: an unmarked word never reached a translation. The
// copied plan keeps its own words, so that it reads the same in every language.
class PseudoTranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&translator)); }
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();

private:
    MarkingTranslator translator;
};

void PseudoTranslationTest::everyTextIsTranslated_data() {
    // Each step presses a button, takes an action, opens a menu, types "box=text", puts
    // "clipboard=text" on the clipboard or closes the planner.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("as it opens") << QStringList();
    QTest::newRow("a change undone") << QStringList{u"cmdMaxGoal"_s, u"undoAction"_s};
    QTest::newRow("every entry of the menu")
        << QStringList{u"cmdMaxGoal"_s,  u"listMenu"_s,           u"copyPlan"_s,
                       u"pastePlan"_s,   u"compareRacesAction"_s, u"optimiseGoalsAction"_s,
                       u"routeAction"_s, u"comparePlansAction"_s};
    QTest::newRow("the route with a milestone")
        << QStringList{u"cmdMaxGoal"_s, u"routeAction"_s, u"cmdAddMilestone"_s};
    QTest::newRow("refusals") << QStringList{u"txtBase=?"_s, u"cmdUpdate"_s, u"txtBase=1"_s,
                                             u"txtEQ=32767"_s, u"cmdUpdate"_s};
    QTest::newRow("pastes refused")
        << QStringList{u"clipboard=Sword 1 2"_s, u"pastePlan"_s, u"clipboard="_s, u"pastePlan"_s};
    QTest::newRow("the plans kept")
        << QStringList{u"keepPlanAction"_s,
                       u"showPlan2"_s,
                       u"plansAction"_s,
                       u"cmdRemovePlan"_s,
                       u"clipboard=Plan: Sword\nRace: Templar\n\nPlan: Dagger\nRace: Warrior"_s,
                       u"pasteAsNewPlanAction"_s,
                       u"renamePlanAction"_s};
    QTest::newRow("the closing question") << QStringList{u"cmdMaxGoal"_s, u"close"_s};
}

void PseudoTranslationTest::everyTextIsTranslated() {
    QFETCH(QStringList, steps);
    auto window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    QToolTip::hideText(); // the last row's note
    QStringList found = UnmarkedTexts();
    for (const QString &step : steps) {
        const QString name = step.section(u'=', 0, 0);
        QObject *target = window->findChild<QObject *>(name);
        if (name == u"clipboard"_s) {
            QGuiApplication::clipboard()->setText(step.section(u'=', 1));
        } else if (name == u"close"_s) {
            // The question waits for an answer; it is read while it does, then cancelled.
            QTimer::singleShot(100, window.get(), [&found] {
                found << UnmarkedTexts();
                if (auto *question =
                        qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    question->button(QMessageBox::Cancel)->click();
                }
            });
            QVERIFY(!window->close());
        } else if (auto *box = qobject_cast<QLineEdit *>(target)) {
            box->setText(step.section(u'=', 1));
        } else if (auto *button = qobject_cast<QAbstractButton *>(target)) {
            button->click();
        } else if (auto *action = qobject_cast<QAction *>(target)) {
            action->trigger();
        } else if (auto *menu = qobject_cast<QMenu *>(target)) {
            menu->popup(window->mapToGlobal(QPoint(8, 40)));
        } else {
            QFAIL(qPrintable(u"no step "_s + step));
        }
        found << UnmarkedTexts();
        const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
        QVERIFY(!clipboard || !QString(clipboard->text() + clipboard->html()).contains(u'«'));
    }
    found.removeDuplicates();
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

QTEST_MAIN(PseudoTranslationTest)
#include "PseudoTranslationTest.moc"
