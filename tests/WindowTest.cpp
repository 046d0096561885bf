// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExamplePlan.h"
#include "PlannerTestSupport.h"
#include "plan/Optimiser.h"
#include "rules/Tarrowind_Module.h"
#include "text/PlanCodeText.h"
#include "ui/desktop/ClipboardHandOver.h"
#include "ui/desktop/PlanClipboard.h"
#include "ui/desktop/PlannerColours.h"
#include "ui/desktop/PlannerFonts.h"
#include "ui/planner/Tarrowind_Char_Planner.h"
#include "ui/shared/CompanionWindow.h"
#include "ui/shared/DetailBox.h"
#include "ui/shared/StatusNote.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>
#include <QWheelEvent>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;

// Drives the real planner window with keystrokes and clicks and checks what the user sees.
class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startUp();
    void layout_data();
    void layout();
    void fixedSizeAndLook();
    void raceListEntries();
    void toolTips_data();
    void toolTips();
    void tabOrder();
    void headerStandsOverTheColumns();
    void wideRowIsNeverShortened();

    void liveCostPerKeystroke_data();
    void liveCostPerKeystroke();
    void liveCostFromTheBaseBox();
    void updateStoresTheBoxes();
    void updateClampsToTheRace();
    void enterActsAsUpdate_data();
    void enterActsAsUpdate();
    void escapeDoesNothing();
    void listMenuKeys_data();
    void listMenuKeys();
    void menuBar_data();
    void menuBar();
    void bulkButtonsKeepTheSelectedRow();
    void raceChangeResetsThePlan();
    void rowClickDiscardsUnstoredTyping();
    void clickOnTheSelectedRowShowsItsStoredValues();
    void unlearnableSkillCostsNothing();
    void undoAndRedo_data();
    void undoAndRedo();
    void undoKeyInABox();

    void badBoxStoresNothing_data();
    void badBoxStoresNothing();
    void overflowKeepsThePlan();
    void bulkOverflowKeepsThePlan();
    void germanSeparators();
    void compareRacesFollowsThePlan();
    void optimiseGoalsAppliesOneStep();
    void optimiseGoalsCheapest_data();
    void optimiseGoalsCheapest();
    void optimiseGoalsFollowsThePlan_data();
    void optimiseGoalsFollowsThePlan();
    void compareRacesBesideThePlanner_data();
    void compareRacesBesideThePlanner();
    void coloursFollowThePalette_data();
    void coloursFollowThePalette();
    void listTextIsReadable_data();
    void listTextIsReadable();

    void copyPlan_data();
    void copyPlan();
    void pasteRoundTrip();
    void pasteIntoThePlan_data();
    void pasteIntoThePlan();
    void pasteRefused_data();
    void pasteRefused();
    void closing_data();
    void closing();
    void copyAndCloseWaitsForTheFetch_data();
    void copyAndCloseWaitsForTheFetch();

private:
    template <typename T> T *control(const char *name) const {
        return FindControl<T>(window.get(), name);
    }
    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }
    bool refused(const char *name) const { return control<DetailBox>(name)->isRefused(); }
    QLabel *label(const char *name) const { return control<QLabel>(name); }
    QListWidget *list() const { return control<QListWidget>("lstSkills"); }
    QString row(int i) const { return list()->item(i)->text(); }
    QString total() const { return label("lblGoalTotal")->text(); }
    // The status bar's note, as its lines read one after the other.
    QString note() const { return window->statusNote()->note(); }

    void clickRow(int i);
    void press(const char *button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    void type(const char *name, const QString &text);
    void clear(const char *name);
    // The six detail controls: name, base, EQ, mod, goal, cost.
    QStringList details() const;
    QStringList rows() const;
    // What the window shows of the plan: race, header, rows and total.
    QStringList shown() const;
    QAction *pastePlan() const { return window->findChild<QAction *>(u"pastePlan"_s); }
    // The skill list's menu entries, each as "text" or "text (disabled)", without the "&" of
    // their letters.
    QStringList menu() const;
    // Whether "Paste Plan" can be chosen in the menu once it is open.
    bool pasteInTheOpenMenu() const;
    // The tooltip the list shows for row i, asked for as the mouse resting on it would.
    QString rowToolTip(int i) const;
    // Closes the window, answering a question it asks with `answer` (a button, or Escape for
    // NoButton); returns whether it closed, and the question's texts through `asked`.
    bool closeAnswering(QMessageBox::StandardButton answer, QStringList &asked);
    int steps() const { return window->findChild<QUndoStack *>()->count(); }
    // Everything the window shows of the plan.
    QStringList screen() const {
        return rows() + details() +
               QStringList{total(), control<QComboBox>("cmbRace")->currentText(),
                           QString::number(list()->currentRow())};
    }

    std::unique_ptr<Tarrowind_Char_Planner> window;
};

namespace {

// A style that, like GNOME's, gives a line edit's text wider margins when it polishes the box.
class PaddedStyle : public QProxyStyle {
public:
    PaddedStyle(const QString &base, int padding) : QProxyStyle(base), m_padding(padding) {}

    void polish(QWidget *widget) override {
        QProxyStyle::polish(widget);
        if (auto *box = qobject_cast<QLineEdit *>(widget)) {
            box->setTextMargins(m_padding, 0, 0, 0);
        }
    }
    using QProxyStyle::polish;

private:
    int m_padding;
};

} // namespace

void WindowTest::init() {
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
}

void WindowTest::cleanup() {
    window.reset();
}

void WindowTest::clickRow(int i) {
    QListWidgetItem *item = list()->item(i);
    list()->scrollToItem(item);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(item).center());
}

void WindowTest::type(const char *name, const QString &text) {
    QLineEdit *target = box(name);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(target, text);
}

void WindowTest::clear(const char *name) {
    QLineEdit *target = box(name);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Backspace);
}

QStringList WindowTest::details() const {
    return {label("lblName")->text(), box("txtBase")->text(), box("txtEQ")->text(),
            label("lblMod")->text(),  box("txtGoal")->text(), box("txtGoalCost")->text()};
}

QStringList WindowTest::menu() const {
    QStringList entries;
    for (const QAction *action : window->listMenu()->actions()) {
        if (!action->isSeparator()) {
            entries << QString(action->text()).remove(u'&') +
                           (action->isEnabled() ? QString() : u" (disabled)"_s);
        }
    }
    return entries;
}

bool WindowTest::pasteInTheOpenMenu() const {
    QMenu *listMenu = window->listMenu();
    listMenu->popup(list()->viewport()->mapToGlobal(QPoint(4, 4)));
    const bool enabled = pastePlan()->isEnabled();
    listMenu->close();
    return enabled;
}

QString WindowTest::rowToolTip(int i) const {
    const QPoint at = list()->visualItemRect(list()->item(i)).center();
    QHelpEvent help(QEvent::ToolTip, at, list()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list()->viewport(), &help);
    return QToolTip::text();
}

bool WindowTest::closeAnswering(QMessageBox::StandardButton answer, QStringList &asked) {
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&poll, &asked, answer] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!question) {
            return;
        }
        poll.stop();
        asked = QStringList{question->informativeText()};
        for (const auto which :
             {QMessageBox::Save, QMessageBox::Apply, QMessageBox::Discard, QMessageBox::Cancel}) {
            asked << question->button(which)->text();
        }
        asked << question->defaultButton()->text();
        if (answer == QMessageBox::NoButton) {
            QTest::keyClick(question, Qt::Key_Escape);
        } else {
            question->button(answer)->click();
        }
    });
    poll.start(10);
    return window->close();
}

QStringList WindowTest::rows() const {
    QStringList all;
    for (int i = 0; i < list()->count(); ++i) {
        all << row(i);
    }
    return all;
}

QStringList WindowTest::shown() const {
    return QStringList{u"Race: "_s + control<QComboBox>("cmbRace")->currentText(),
                       label("Label1")->text()} +
           rows() + QStringList{total()};
}

void WindowTest::startUp() {
    QCOMPARE(control<QComboBox>("cmbRace")->currentText(), QStringLiteral("ArchTemplar"));
    QCOMPARE(list()->count(), 37);
    QCOMPARE(list()->currentRow(), 0);
    QVERIFY(list()->item(0)->isSelected());
    QCOMPARE(details(), (QStringList{u"Braveness"_s, u"10"_s, u"0"_s, u"10"_s, u"10"_s, u"0"_s}));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
    QCOMPARE(row(0), QStringLiteral("Braveness        10   0    10   10    "));
    QCOMPARE(row(5), QStringLiteral("Regenerate       4    0    10   4     "));
    QCOMPARE(row(7), QStringLiteral("Rest             1    0    7    1     "));
    QCOMPARE(row(13), QStringLiteral("Concentrate      0    0    0    0     "));
    QCOMPARE(row(36),
             QStringLiteral("Stun             0    0    0    0     ")); // not for this race
    QCOMPARE(window->windowHandle()->title(), QStringLiteral("Tarrowind Character Planner"));
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>("cmdUpdate"));
    QCOMPARE(steps(), 0);
    QCOMPARE(menu().mid(0, 2), (QStringList{u"Undo (disabled)"_s, u"Redo (disabled)"_s}));
}

void WindowTest::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("padding"); // more room the style takes left of a box's text
    QTest::newRow("Label1") << "Label1" << QRect(8, 8, 401, 17) << 0;
    QTest::newRow("lstSkills") << "lstSkills" << QRect(8, 32, 409, 180) << 0;
    QTest::newRow("cmbRace") << "cmbRace" << QRect(32, 224, 161, 21) << 0;
    QTest::newRow("lblGoalTotal") << "lblGoalTotal" << QRect(224, 224, 177, 25) << 0;
    QTest::newRow("Line1") << "Line1" << QRect(24, 256, 368, 1) << 0;
    QTest::newRow("lblName") << "lblName" << QRect(32, 264, 97, 17) << 0;
    QTest::newRow("txtBase") << "txtBase" << QRect(136, 264, 33, 21) << 0;
    QTest::newRow("txtEQ") << "txtEQ" << QRect(176, 264, 33, 21) << 0;
    QTest::newRow("lblMod") << "lblMod" << QRect(216, 264, 33, 17) << 0;
    QTest::newRow("txtGoal") << "txtGoal" << QRect(256, 264, 33, 21) << 0;
    QTest::newRow("txtGoalCost") << "txtGoalCost" << QRect(296, 264, 73, 21) << 0;
    QTest::newRow("cmdReset") << "cmdReset" << QRect(32, 296, 73, 33) << 0;
    QTest::newRow("cmdMaxBase") << "cmdMaxBase" << QRect(112, 296, 73, 33) << 0;
    QTest::newRow("cmdMaxGoal") << "cmdMaxGoal" << QRect(192, 296, 73, 33) << 0;
    QTest::newRow("cmdUpdate") << "cmdUpdate" << QRect(288, 296, 73, 33) << 0;
    QTest::newRow("Label2") << "Label2" << QRect(232, 336, 185, 17) << 0;
    // Under a style with wider padding the boxes grow just enough, and what stands right of them
    // moves with them; the rows above and below stay.
    QTest::newRow("txtBase, padded") << "txtBase" << QRect(136, 264, 36, 21) << 7;
    QTest::newRow("txtEQ, padded") << "txtEQ" << QRect(179, 264, 36, 21) << 7;
    QTest::newRow("lblMod, padded") << "lblMod" << QRect(222, 264, 33, 17) << 7;
    QTest::newRow("txtGoal, padded") << "txtGoal" << QRect(262, 264, 36, 21) << 7;
    QTest::newRow("txtGoalCost, padded") << "txtGoalCost" << QRect(305, 264, 76, 21) << 7;
    QTest::newRow("cmdUpdate, padded") << "cmdUpdate" << QRect(288, 296, 73, 33) << 7;
}

void WindowTest::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(int, padding);
    // The planner wraps the application's style in a proxy of its own; restore the style under it.
    const auto *proxy = qobject_cast<const QProxyStyle *>(QApplication::style());
    const QString styleName = (proxy ? proxy->baseStyle() : QApplication::style())->name();
    const auto restore = qScopeGuard([&styleName] { QApplication::setStyle(styleName); });
    if (padding) {
        QApplication::setStyle(new PaddedStyle(styleName, padding));
        window = std::make_unique<Tarrowind_Char_Planner>(); // made under that style
        QVERIFY(ShowActive(window.get()));
    }
    QWidget *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    QVERIFY(widget->isEnabled());
    QVERIFY(window->clientArea()->rect().contains(widget->geometry()));
}

void WindowTest::fixedSizeAndLook() {
    // The client area holds the controls, the menu bar stands above it and the status bar below.
    QWidget *area = window->clientArea();
    auto *menuBar = control<QMenuBar>("menuBar");
    auto *statusBar = control<QStatusBar>("statusBar");
    QCOMPARE(area->size(), QSize(426, 360));
    const QSize whole(426, menuBar->height() + 360 + statusBar->height());
    QCOMPARE(window->size(), whole);
    QCOMPARE(area->y(), menuBar->geometry().bottom() + 1);
    QCOMPARE(statusBar->y(), area->geometry().bottom() + 1);
    window->resize(600, 500);
    QCOMPARE(window->size(), whole);
    QCOMPARE(window->minimumSize(), window->maximumSize());

    QCOMPARE(area->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 16);
    QCOMPARE(control<QFrame>("Line1")->frameShape(), QFrame::HLine);
    // The captions as they read, each with the letter of its Alt key underlined.
    QCOMPARE(control<QPushButton>("cmdReset")->text(), QStringLiteral("&Reset Skills"));
    QCOMPARE(control<QPushButton>("cmdMaxBase")->text(), QStringLiteral("Max &Bases"));
    QCOMPARE(control<QPushButton>("cmdMaxGoal")->text(), QStringLiteral("Max &Goals"));
    QCOMPARE(control<QPushButton>("cmdUpdate")->text(), QStringLiteral("&Update"));
    QVERIFY(!label("Label2")->text().isEmpty());
    QVERIFY(QFontMetrics(label("Label2")->font()).horizontalAdvance(label("Label2")->text()) <=
            label("Label2")->width());

    QLineEdit *cost = box("txtGoalCost");
    QVERIFY(cost->isReadOnly());
    QCOMPARE(cost->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(cost->palette().color(QPalette::Base), window->palette().color(QPalette::Window));
    QVERIFY(box("txtBase")->palette().color(QPalette::Base) !=
            window->palette().color(QPalette::Window));
    cost->setFocus();
    QTest::keyClicks(cost, u"999"_s);
    QCOMPARE(cost->text(), QStringLiteral("0"));
    QTest::keyClick(cost, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(cost->selectedText(), QStringLiteral("0"));
    QCOMPARE(list()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(list()->selectionMode(), QAbstractItemView::SingleSelection);
}

void WindowTest::raceListEntries() {
    auto *races = control<QComboBox>("cmbRace");
    QVERIFY(!races->isEditable());
    const QStringList expected{u"Mercenary"_s,   u"Warrior"_s, u"Sorceror"_s,    u"Harakim"_s,
                               u"ArchHarakim"_s, u"Templar"_s, u"ArchTemplar"_s, u"Seyan'Du"_s};
    QStringList entries;
    for (int i = 0; i < races->count(); ++i) {
        entries << races->itemText(i);
    }
    QCOMPARE(entries, expected);
    races->setFocus();
    QTest::keyClicks(races, u"zz"_s);
    QCOMPARE(races->currentText(), QStringLiteral("ArchTemplar"));
}

void WindowTest::toolTips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("lblName") << "lblName"
                             << "Skill/Stat Name";
    QTest::newRow("txtBase") << "txtBase"
                             << "Base Skill Level";
    QTest::newRow("txtEQ") << "txtEQ"
                           << "Bonus from Equipment";
    QTest::newRow("lblMod") << "lblMod"
                            << "Overal Modded Value";
    QTest::newRow("txtGoal") << "txtGoal"
                             << "Goal (Base) Skill Level";
    QTest::newRow("txtGoalCost") << "txtGoalCost"
                                 << "Exp to get to Goal";
    QTest::newRow("cmdUpdate") << "cmdUpdate"
                               << "";
    QTest::newRow("lstSkills") << "lstSkills"
                               << "";
}

void WindowTest::toolTips() {
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QCOMPARE(window->findChild<QWidget *>(name)->toolTip(), toolTip);
}

void WindowTest::tabOrder() {
    const QStringList expected{u"cmbRace"_s,    u"lstSkills"_s, u"txtGoalCost"_s, u"txtGoal"_s,
                               u"txtEQ"_s,      u"txtBase"_s,   u"cmdReset"_s,    u"cmdMaxBase"_s,
                               u"cmdMaxGoal"_s, u"cmdUpdate"_s};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    QStringList back;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        back << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(back, (QStringList{u"cmdMaxGoal"_s, u"cmdMaxBase"_s, u"cmdReset"_s}));
}

void WindowTest::headerStandsOverTheColumns() {
    QLabel *header = label("Label1");
    QCOMPARE(header->text(), QStringLiteral("Skill Name        Base EQ   Mod  Goal  Goal Cost"));
    QCOMPARE(header->text().indexOf(QStringLiteral("Base")), 18);
    QCOMPARE(header->text().indexOf(QStringLiteral("Goal Cost")), 39);

    for (const QFont &font : {header->font(), list()->font()}) {
        const QFontMetricsF metrics(font);
        QVERIFY(PlannerFonts::AdvanceAlike(PlannerFonts::MeasuredAdvances(font)));
        QCOMPARE(metrics.horizontalAdvance(QString(18, QLatin1Char('x'))), 144.0);
        QCOMPARE(metrics.horizontalAdvance(QString(48, QLatin1Char('W'))), 384.0);
    }
    QVERIFY(list()->font().bold());
    QVERIFY(!header->font().bold());
    // Both texts start the same distance from the window's left edge.
    QCOMPARE(header->x() + header->indent(),
             list()->x() + list()->viewport()->x() + list()->visualItemRect(list()->item(0)).x() +
                 list()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list()) + 1);
}

void WindowTest::wideRowIsNeverShortened() {
    auto *races = control<QComboBox>("cmbRace");
    races->setFocus();
    QTest::keyClick(races, Qt::Key_Down); // to Seyan'Du
    clickRow(20);
    type("txtBase", u"10"_s);
    type("txtEQ", u"12345"_s);
    type("txtGoal", u"90"_s);
    press("cmdUpdate");
    QCOMPARE(row(20), QStringLiteral("Stealth          10   12345 12361 90    2,405,664"));

    // Drawn whole, and the list scrolls far enough to show its last character.
    QCOMPARE(list()->textElideMode(), Qt::ElideNone);
    const int margin = list()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list());
    const int needed = QFontMetrics(list()->font()).horizontalAdvance(row(20)) + 2 * (margin + 1);
    QVERIFY(list()->visualItemRect(list()->item(20)).width() >= needed);
    QVERIFY(list()->horizontalScrollBar()->maximum() + list()->viewport()->width() >= needed);
}

void WindowTest::liveCostPerKeystroke_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("costs"); // the cost box after each key

    // Sword of an ArchTemplar: base 4, class 3.
    QTest::newRow("goal 50") << u"50"_s << QStringList{u"4"_s, u"112523"_s};
    QTest::newRow("goal 120") << u"120"_s << QStringList{u"0"_s, u"320"_s, u"3823414"_s};
    QTest::newRow("above the maximum") << u"121"_s << QStringList{u"0"_s, u"320"_s, u"3953014"_s};
    QTest::newRow("below the base") << u"3"_s << QStringList{u"0"_s};
    QTest::newRow("equal to the base") << u"4"_s << QStringList{u"0"_s};
    // No cost belongs to a text that is no level yet, nor to levels past the cost table.
    QTest::newRow("not a number yet") << u"-"_s << QStringList{u""_s};
    QTest::newRow("letters") << u"x7"_s << QStringList{u""_s, u""_s};
    QTest::newRow("beyond the cost table")
        << u"5005"_s << QStringList{u"4"_s, u"112523"_s, u""_s, u""_s};
    QTest::newRow("1, 12, 122") << u"122"_s << QStringList{u"0"_s, u"320"_s, u""_s};
    QTest::newRow("fraction") << u"9.5"_s << QStringList{u"92"_s, u"92"_s, u"146"_s};
}

void WindowTest::liveCostPerKeystroke() {
    QFETCH(QString, keys);
    QFETCH(QStringList, costs);

    clickRow(10);
    QCOMPARE(label("lblName")->text(), QStringLiteral("Sword"));
    clear("txtGoal");
    QCOMPARE(box("txtGoalCost")->text(), QString()); // no cost for an empty box
    QStringList seen;
    for (QChar key : keys) {
        QTest::keyClick(box("txtGoal"), key.toLatin1());
        seen << box("txtGoalCost")->text();
    }
    QCOMPARE(seen, costs);
    // Nothing typed is stored.
    QCOMPARE(row(10), QStringLiteral("Sword            4    0    10   4     "));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
}

void WindowTest::liveCostFromTheBaseBox() {
    clickRow(10);
    type("txtGoal", u"50"_s);
    QCOMPARE(box("txtGoalCost")->text(), QStringLiteral("112523"));
    type("txtBase", u"10"_s);
    QCOMPARE(box("txtGoalCost")->text(), QStringLiteral("112377"));
    clear("txtBase");
    QCOMPARE(box("txtGoalCost")->text(), QString());
    type("txtBase", u"60"_s); // above the goal
    QCOMPARE(box("txtGoalCost")->text(), QStringLiteral("0"));
    type("txtBase", u"-1"_s); // no cost below level 0
    QCOMPARE(box("txtGoalCost")->text(), QString());
}

void WindowTest::updateStoresTheBoxes() {
    clickRow(10);
    type("txtGoal", u"50"_s);
    press("cmdUpdate");
    QCOMPARE(row(10), QStringLiteral("Sword            4    0    10   50    112,523"));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: 112,523"));
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"4"_s, u"0"_s, u"10"_s, u"50"_s, u"112523"_s}));
    QCOMPARE(list()->currentRow(), 10);
    QCOMPARE(label("lblAtGoal")->text(), u"Sword: modded 56 at goal"_s); // in the status bar

    clickRow(4);
    type("txtEQ", u"5"_s);
    QCOMPARE(row(4), QStringLiteral("Strength         10   0    10   10    ")); // not yet
    press("cmdUpdate");
    QCOMPARE(details(), (QStringList{u"Strength"_s, u"10"_s, u"5"_s, u"15"_s, u"10"_s, u"0"_s}));
    QCOMPARE(row(4), QStringLiteral("Strength         10   5    15   10    "));
    QCOMPARE(row(5), QStringLiteral("Regenerate       4    0    13   4     "));
    QCOMPARE(row(10), QStringLiteral("Sword            4    0    11   50    112,523"));
    // The row explains its stored numbers, to the mouse and to a screen reader alike.
    type("txtGoal", u"60"_s); // Strength's goal, typed but not stored
    QVERIFY(list()->item(4)->toolTip().contains(u"\nGoal 10: reached"_s));
    const QString sword =
        u"Sword (ArchTemplar, difficulty class 3, at most 120)\n"
        u"Modded 11 = base 4 + equipment 0 + attribute bonus 7 (Braveness, Strength, Agility)\n"
        u"Goal 50: 112,523 experience; the next level, 4 to 5, costs 4\n"
        u"At goal: modded 57"_s;
    QCOMPARE(list()->item(10)->toolTip(), sword);
    // Said after the row's own text, which has said the name already.
    QVERIFY(list()->item(10)->data(Qt::AccessibleDescriptionRole).toString().startsWith(u"Arch"_s));
    type("txtGoal", u"10"_s);

    const QStringList before = rows();
    QCOMPARE(steps(), 2);
    press("cmdUpdate"); // a second press changes nothing
    QCOMPARE(rows(), before);
    QCOMPARE(steps(), 2);
    QCOMPARE(details(), (QStringList{u"Strength"_s, u"10"_s, u"5"_s, u"15"_s, u"10"_s, u"0"_s}));
}

void WindowTest::updateClampsToTheRace() {
    clickRow(10);
    type("txtBase", u"0"_s);
    type("txtGoal", u"121"_s);
    QCOMPARE(box("txtGoalCost")->text(), QStringLiteral("3953016")); // costed as typed
    press("cmdUpdate");
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"1"_s, u"0"_s, u"7"_s, u"120"_s, u"3823416"_s}));

    type("txtBase", u"30"_s);
    type("txtGoal", u"20"_s);
    press("cmdUpdate");
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"30"_s, u"0"_s, u"36"_s, u"30"_s, u"0"_s}));

    clickRow(1); // Willpower: at most 30 for an ArchTemplar
    type("txtBase", u"2.5"_s);
    type("txtGoal", u"500"_s);
    press("cmdUpdate");
    QCOMPARE(details(), (QStringList{u"Willpower"_s, u"2"_s, u"0"_s, u"2"_s, u"30"_s, u"66216"_s}));
}

void WindowTest::enterActsAsUpdate_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("total");
    const QString updated = u"Goal Cost Total: 112,523"_s;
    QTest::newRow("in the goal box")
        << "txtGoal" << int(Qt::Key_Return) << Qt::KeyboardModifiers() << updated;
    QTest::newRow("in the equipment box")
        << "txtEQ" << int(Qt::Key_Return) << Qt::KeyboardModifiers() << updated;
    QTest::newRow("in the cost box")
        << "txtGoalCost" << int(Qt::Key_Return) << Qt::KeyboardModifiers() << updated;
    QTest::newRow("in the skill list")
        << "lstSkills" << int(Qt::Key_Return) << Qt::KeyboardModifiers() << updated;
    QTest::newRow("keypad Enter in the goal box")
        << "txtGoal" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << updated;
    QTest::newRow("Alt+U in the goal box")
        << "txtGoal" << int(Qt::Key_U) << Qt::KeyboardModifiers(Qt::AltModifier) << updated;
    // A focused button takes Enter for itself: every goal at its maximum, the typed 50 unstored.
    QTest::newRow("on the Max Goals button")
        << "cmdMaxGoal" << int(Qt::Key_Return) << Qt::KeyboardModifiers()
        << u"Goal Cost Total: 53,880,807"_s;
    QTest::newRow("Alt+G in the skill list")
        << "lstSkills" << int(Qt::Key_G) << Qt::KeyboardModifiers(Qt::AltModifier)
        << u"Goal Cost Total: 53,880,807"_s;
}

void WindowTest::enterActsAsUpdate() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, total);
    clickRow(10);
    type("txtGoal", u"50"_s);
    QWidget *target = window->findChild<QWidget *>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QTRY_COMPARE(this->total(), total); // Alt and a letter press the button as a click does, later
    QCOMPARE(list()->currentRow(), 10);
}

void WindowTest::escapeDoesNothing() {
    clickRow(10);
    type("txtGoal", u"50"_s);
    QTest::keyClick(box("txtGoal"), Qt::Key_Escape);
    QCOMPARE(box("txtGoal")->text(), QStringLiteral("50"));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
    QVERIFY(window->isVisible());
}

void WindowTest::listMenuKeys_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Shift+F10 on the first row")
        << 0 << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Menu key on a row further down")
        << 20 << int(Qt::Key_Menu) << Qt::KeyboardModifiers();
}

// The keyboard opens the list's menu at the current row, not at the list's centre, with its first
// entry active even though it is greyed: nothing has been done yet that could be undone.
void WindowTest::listMenuKeys() {
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    clickRow(row);
    list()->setFocus();
    QMenu *menu = window->listMenu();
    QTest::keyClick(list(), Qt::Key(key), modifiers);
    QTRY_VERIFY(menu->isVisible());
    QRect rowRect = list()->visualItemRect(list()->item(row));
    rowRect.moveTopLeft(list()->viewport()->mapToGlobal(rowRect.topLeft()));
    QVERIFY2(rowRect.contains(menu->pos()),
             qPrintable(u"menu at %1,%2"_s.arg(menu->x()).arg(menu->y())));
    QCOMPARE(menu->activeAction(), window->findChild<QAction *>(u"undoAction"_s));
    QVERIFY(!menu->activeAction()->isEnabled());
}

void WindowTest::menuBar_data() {
    QTest::addColumn<QString>("menu");         // in the menu bar, as it reads
    QTest::addColumn<QString>("entry");        // as it reads, without the "&" of its letter
    QTest::addColumn<QKeySequence>("keys");    // the entry's own, as the menus show them
    QTest::addColumn<QKeySequence>("started"); // started by keys: its own, or a button's Alt key
    QTest::addColumn<bool>("inListMenu");
    QTest::addColumn<QString>("clipboard"); // put there first, unless null
    QTest::addColumn<QString>("note");      // in the status bar afterwards
    QTest::addColumn<QString>("total");     // afterwards, unless null
    QTest::addColumn<QString>("opens");     // the window it opens, closed again by the test

    // Before each row: Sword's goal 50 stored (total 112,523), row 10 selected.
    const QKeySequence none;
    const QString any;
    const QString reset = u"Goal Cost Total: "_s;
    const QString stored = u"Goal Cost Total: 112,523"_s;
    QTest::newRow("Reset Skills") << u"Plan"_s << u"Reset Skills"_s << none
                                  << QKeySequence(Qt::ALT | Qt::Key_R) << false << any << QString()
                                  << reset << QString();
    QTest::newRow("Max Bases") << u"Plan"_s << u"Max Bases"_s << none
                               << QKeySequence(Qt::ALT | Qt::Key_B) << false << any << QString()
                               << reset << QString();
    QTest::newRow("Max Goals") << u"Plan"_s << u"Max Goals"_s << none
                               << QKeySequence(Qt::ALT | Qt::Key_G) << false << any << QString()
                               << u"Goal Cost Total: 53,880,807"_s << QString();
    QTest::newRow("Quit, cancelled")
        << u"Plan"_s << u"Quit"_s << QKeySequence(u"Ctrl+Q"_s) << QKeySequence(u"Ctrl+Q"_s) << false
        << any << QString() << stored << u"closingQuestion"_s;
    QTest::newRow("Keep Plan") << u"Plan"_s << u"Keep Plan"_s << none << none << false << any
                               << u"The shown plan kept as “Plan 2”; “Plan 1” stays shown."_s
                               << stored << QString();
    QTest::newRow("Plans") << u"Plan"_s << u"Plans…"_s << none << none << false << any << QString()
                           << stored << u"plansWindow"_s;
    QTest::newRow("Undo") << u"Edit"_s << u"Undo Update Sword"_s << QKeySequence(u"Ctrl+Z"_s)
                          << QKeySequence(u"Ctrl+Z"_s) << true << any << QString() << reset
                          << QString();
    QTest::newRow("Copy Plan") << u"Edit"_s << u"Copy Plan"_s << QKeySequence(u"Ctrl+Shift+C"_s)
                               << QKeySequence(u"Ctrl+Shift+C"_s) << true << any
                               << u"Plan copied: 37 skills."_s << stored << QString();
    QTest::newRow("Paste Plan") << u"Edit"_s << u"Paste Plan"_s << QKeySequence(u"Ctrl+Shift+V"_s)
                                << QKeySequence(u"Ctrl+Shift+V"_s) << true
                                << u"Race: Warrior\nSword 30 2 36 60"_s << u"Plan pasted."_s
                                << u"Goal Cost Total: 367,952"_s << QString();
    QTest::newRow("Paste Plan, refused")
        << u"Edit"_s << u"Paste Plan"_s << QKeySequence(u"Ctrl+Shift+V"_s)
        << QKeySequence(u"Ctrl+Shift+V"_s) << true << u"Race: Elf\nSword 4 0 10 50"_s
        << u"Nothing was pasted: the race is not one the planner knows, in line 1: \"Race: Elf\""_s
        << stored << QString();
    const auto code = [](Tarrowind_Module::RaceNumber race, std::int16_t base, std::int16_t eq,
                         std::int16_t goal) {
        CharacterPlan plan;
        plan.race = race;
        plan.ResetSkills();
        plan.SetLevels(10, base, eq, goal);
        plan.Recalculate();
        return PlanText::Code(plan);
    };
    QTest::newRow("Copy Plans") << u"Edit"_s << u"Copy Plans"_s << none << none << true << any
                                << u"Plans copied: “Plan 1”."_s << stored << QString();
    QTest::newRow("Copy Plan Code")
        << u"Edit"_s << u"Copy Plan Code"_s << none << none << true << any
        << u"Plan code copied: "_s + code(6, 4, 0, 50) << stored << QString();
    QTest::newRow("Paste Plan, a plan code in a chat line")
        << u"Edit"_s << u"Paste Plan"_s << QKeySequence(u"Ctrl+Shift+V"_s)
        << QKeySequence(u"Ctrl+Shift+V"_s) << true << u"mine: "_s + code(0, 30, 2, 60) + u" :)"_s
        << u"Plan pasted from its plan code."_s << u"Goal Cost Total: 367,952"_s << QString();
    // The entry can be chosen whatever the clipboard holds, and says when it holds no text.
    QTest::newRow("Paste Plan, no text")
        << u"Edit"_s << u"Paste Plan"_s << QKeySequence(u"Ctrl+Shift+V"_s)
        << QKeySequence(u"Ctrl+Shift+V"_s) << true << u""_s
        << u"The clipboard holds no text to paste."_s << stored << QString();
    QTest::newRow("Compare Races")
        << u"Tools"_s << u"Compare Races"_s << QKeySequence(u"Ctrl+R"_s)
        << QKeySequence(u"Ctrl+R"_s) << true << any << QString() << stored << u"compareRaces"_s;
    QTest::newRow("Optimise Goals")
        << u"Tools"_s << u"Optimise Goals…"_s << QKeySequence(u"Ctrl+T"_s)
        << QKeySequence(u"Ctrl+T"_s) << true << any << QString() << stored << u"optimiseGoals"_s;
    QTest::newRow("Compare Plans")
        << u"Tools"_s << u"Compare Plans"_s << QKeySequence(u"Ctrl+Shift+D"_s)
        << QKeySequence(u"Ctrl+Shift+D"_s) << true << any << QString() << stored
        << u"comparePlans"_s;
    QTest::newRow("Keyboard Shortcuts")
        << u"Help"_s << u"Keyboard Shortcuts"_s << QKeySequence(QKeySequence::HelpContents)
        << QKeySequence(QKeySequence::HelpContents) << false << any << QString() << stored
        << u"keyboardShortcuts"_s;
    QTest::newRow("About") << u"Help"_s << u"About the Planner"_s << none << none << false << any
                           << QString() << stored << u"aboutPlanner"_s;
}

// Each entry of the menu bar is started from there by its menu's Alt key and a click, from the
// skill list's menu where it is there too, and by keys; each way it does the same, and its note
// stays in the status bar after the menu has closed.
void WindowTest::menuBar() {
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(QKeySequence, keys);
    QFETCH(QKeySequence, started);
    QFETCH(bool, inListMenu);
    QFETCH(QString, clipboard);
    QFETCH(QString, note);
    QFETCH(QString, total);
    QFETCH(QString, opens);

    enum class Way { MenuBar, ListMenu, Keys };
    for (const Way way : {Way::MenuBar, Way::ListMenu, Way::Keys}) {
        if ((way == Way::ListMenu && !inListMenu) || (way == Way::Keys && started.isEmpty())) {
            continue;
        }
        window = std::make_unique<Tarrowind_Char_Planner>();
        QVERIFY(ShowActive(window.get()));
        clickRow(10);
        type("txtGoal", u"50"_s);
        press("cmdUpdate");
        if (clipboard.isEmpty() && !clipboard.isNull()) {
            QGuiApplication::clipboard()->clear(); // no text at all
        } else if (!clipboard.isNull()) {
            QGuiApplication::clipboard()->setText(clipboard);
        }

        QStringList titles;
        QMenu *barMenu = nullptr;
        for (QAction *title : control<QMenuBar>("menuBar")->actions()) {
            titles << QString(title->text()).remove(u'&');
            if (titles.last() == menu) {
                barMenu = title->menu();
            }
        }
        QCOMPARE(titles, (QStringList{u"Plan"_s, u"Edit"_s, u"Tools"_s, u"Help"_s}));
        QAction *action = nullptr;
        for (QAction *candidate : barMenu->actions()) {
            if (QString(candidate->text()).remove(u'&') == entry) {
                action = candidate;
            }
        }
        QVERIFY2(action, qPrintable(entry));
        // No two entries of a menu share a letter, which would choose neither.
        QList<QKeySequence> letters;
        for (const QAction *other : barMenu->actions()) {
            const QKeySequence letter = QKeySequence::mnemonic(other->text());
            QVERIFY2(letter.isEmpty() || !letters.contains(letter), qPrintable(other->text()));
            letters << letter;
        }
        QCOMPARE(action->shortcut(), keys);
        QVERIFY(action->isShortcutVisibleInContextMenu() || keys.isEmpty());
        QCOMPARE(window->listMenu()->actions().contains(action), inListMenu);
        // No entry takes a button's Alt key, nor the letter of a menu.
        for (const char *button : {"cmdReset", "cmdMaxBase", "cmdMaxGoal", "cmdUpdate"}) {
            QVERIFY(!action->shortcuts().contains(
                QKeySequence::mnemonic(control<QPushButton>(button)->text())));
        }

        // A window it opens is closed again once it shows; a question is answered Cancel.
        QString opened;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&poll, &opened, &opens] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (top->isVisible() && !opens.isEmpty() && top->objectName() == opens) {
                    poll.stop();
                    opened = opens;
                    top->close();
                    return;
                }
            }
        });
        poll.start(5);
        if (way == Way::MenuBar) {
            const QKeySequence letter = QKeySequence::mnemonic(barMenu->title());
            QTest::keySequence(QApplication::focusWidget(), letter);
            QTRY_VERIFY(barMenu->isVisible());
            QTest::mouseClick(barMenu, Qt::LeftButton, {},
                              barMenu->actionGeometry(action).center());
        } else if (way == Way::ListMenu) {
            list()->setFocus();
            QTest::keyClick(list(), Qt::Key_F10, Qt::ShiftModifier);
            QMenu *listMenu = window->listMenu();
            QTRY_VERIFY(listMenu->isVisible());
            QTest::mouseClick(listMenu, Qt::LeftButton, {},
                              listMenu->actionGeometry(action).center());
        } else {
            QTest::keySequence(QApplication::focusWidget(), started);
        }
        QTRY_COMPARE(opened, opens);
        poll.stop();
        QVERIFY(window->isVisible());
        QVERIFY(!barMenu->isVisible() && !window->listMenu()->isVisible());
        QCOMPARE(this->note(), note);
        if (!note.isEmpty()) {
            QCOMPARE(window->findChild<QLabel *>(u"announcer"_s)->text(), note); // said in full
        }
        if (!total.isNull()) {
            QTRY_COMPARE(this->total(), total); // a button's Alt key presses it a moment later
        }
    }
}

void WindowTest::bulkButtonsKeepTheSelectedRow() {
    clickRow(10);
    press("cmdMaxGoal");
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: 53,880,807"));
    QCOMPARE(list()->currentRow(), 10);
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"4"_s, u"0"_s, u"10"_s, u"120"_s, u"3823414"_s}));
    QCOMPARE(row(4), QStringLiteral("Strength         10   0    10   120   7,646,586"));

    press("cmdMaxBase");
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"120"_s, u"0"_s, u"186"_s, u"120"_s, u"0"_s}));
    QCOMPARE(row(10), QStringLiteral("Sword            120  0    186  120   "));
    QCOMPARE(row(13), QStringLiteral("Concentrate      0    0    0    0     "));
    QCOMPARE(list()->currentRow(), 10);

    press("cmdReset");
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"4"_s, u"0"_s, u"10"_s, u"4"_s, u"0"_s}));
    QCOMPARE(list()->currentRow(), 10);
    QVERIFY(list()->item(10)->isSelected());
}

void WindowTest::raceChangeResetsThePlan() {
    clickRow(1);
    type("txtEQ", u"7"_s);
    type("txtGoal", u"25"_s);
    press("cmdUpdate");
    QCOMPARE(details(),
             (QStringList{u"Willpower"_s, u"10"_s, u"7"_s, u"17"_s, u"25"_s, u"30784"_s}));

    // A wheel over the race box while the focus is elsewhere chooses nothing.
    auto *races = control<QComboBox>("cmbRace");
    const QStringList planned = screen();
    const auto wheelDown = [races] {
        QWheelEvent wheel(QPointF(20, 10), races->mapToGlobal(QPointF(20, 10)), {}, QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(races, &wheel);
    };
    wheelDown();
    QCOMPARE(screen(), planned);
    races->setFocus(); // the focused box takes the wheel, and undo brings the plan back
    wheelDown();
    QCOMPARE(races->currentText(), QStringLiteral("Seyan'Du"));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
    QTest::keyClick(races, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(screen(), planned);

    races->setFocus();
    QTest::keyClick(races, Qt::Key_Down); // to Seyan'Du
    QCOMPARE(races->currentText(), QStringLiteral("Seyan'Du"));
    QCOMPARE(list()->currentRow(), 1);
    QCOMPARE(details(), (QStringList{u"Willpower"_s, u"10"_s, u"0"_s, u"10"_s, u"10"_s, u"0"_s}));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
    QCOMPARE(row(13), QStringLiteral("Concentrate      0    0    0    0     "));
    QCOMPARE(row(9), QStringLiteral("Dagger           4    0    10   4     "));

    QTest::keyClick(races, Qt::Key_Up);
    QTest::keyClick(races, Qt::Key_Up); // to Templar: Willpower at most 30, Dagger not at all
    QCOMPARE(races->currentText(), QStringLiteral("Templar"));
    QCOMPARE(row(9), QStringLiteral("Dagger           0    0    0    0     "));
    press("cmdMaxGoal");
    QCOMPARE(details(),
             (QStringList{u"Willpower"_s, u"10"_s, u"0"_s, u"10"_s, u"30"_s, u"65511"_s}));
}

void WindowTest::rowClickDiscardsUnstoredTyping() {
    clickRow(10);
    type("txtBase", u"20"_s);
    type("txtEQ", u"3"_s);
    type("txtGoal", u"60"_s);
    clickRow(12);
    QCOMPARE(details(), (QStringList{u"Bartering"_s, u"1"_s, u"0"_s, u"7"_s, u"1"_s, u"0"_s}));
    clickRow(10);
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"4"_s, u"0"_s, u"10"_s, u"4"_s, u"0"_s}));
    QCOMPARE(row(10), QStringLiteral("Sword            4    0    10   4     "));
}

void WindowTest::clickOnTheSelectedRowShowsItsStoredValues() {
    clickRow(10);
    type("txtGoal", u"60"_s);
    clickRow(10);
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"4"_s, u"0"_s, u"10"_s, u"4"_s, u"0"_s}));

    // Ctrl takes no selection away from the row the boxes show.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list()->visualItemRect(list()->item(10)).center());
    QCOMPARE(list()->selectedItems(), QList<QListWidgetItem *>{list()->item(10)});
    QTest::keyClick(list(), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list()->selectedItems(), QList<QListWidgetItem *>{list()->item(10)});

    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(label("lblName")->text(), QStringLiteral("Two Handed"));
    QTest::keyClick(list(), Qt::Key_Up);
    QCOMPARE(label("lblName")->text(), QStringLiteral("Sword"));
}

void WindowTest::unlearnableSkillCostsNothing() {
    clickRow(9); // Dagger: an ArchTemplar cannot learn it
    QCOMPARE(details(), (QStringList{u"Dagger"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
    type("txtBase", u"0"_s);
    type("txtGoal", u"121"_s);
    QCOMPARE(box("txtGoalCost")->text(), QStringLiteral("0"));
    type("txtEQ", u"40"_s);
    press("cmdUpdate");
    QCOMPARE(details(), (QStringList{u"Dagger"_s, u"0"_s, u"40"_s, u"0"_s, u"0"_s, u"0"_s}));
    QCOMPARE(row(9), QStringLiteral("Dagger           0    40   0    0     "));
}

void WindowTest::undoAndRedo_data() {
    QTest::addColumn<QString>("control"); // pressed, or a Down key in the race box
    QTest::addColumn<QString>("what");
    QTest::newRow("Update") << "cmdUpdate"
                            << "Update Strength";
    QTest::newRow("Reset Skills") << "cmdReset"
                                  << "Reset Skills";
    QTest::newRow("Max Bases") << "cmdMaxBase"
                               << "Max Bases";
    QTest::newRow("Max Goals") << "cmdMaxGoal"
                               << "Max Goals";
    QTest::newRow("race change") << "cmbRace"
                                 << "race change to Seyan'Du";
    QTest::newRow("paste") << "paste"
                           << "Paste Plan";
}

void WindowTest::undoAndRedo() {
    QFETCH(QString, control);
    QFETCH(QString, what);
    clickRow(10);
    type("txtGoal", u"50"_s);
    press("cmdUpdate");
    clickRow(4);
    const QStringList before = screen();

    type("txtEQ", u"5"_s);
    if (control == u"cmbRace") {
        auto *races = this->control<QComboBox>("cmbRace");
        races->setFocus();
        QTest::keyClick(races, Qt::Key_Down);
    } else if (control == u"paste") {
        QGuiApplication::clipboard()->setText(u"Sword 35 8 50 120"_s);
        QTest::keyClick(list(), Qt::Key_V, Qt::ControlModifier);
    } else {
        press(qPrintable(control));
    }
    const QStringList after = screen();
    QVERIFY(after != before);
    QCOMPARE(steps(), 2);
    QCOMPARE(menu().mid(0, 2), (QStringList{u"Undo "_s + what, u"Redo (disabled)"_s}));

    clickRow(20); // undo brings back the row selected before the change, too
    const QString tipAfter = rowToolTip(10);
    QSignalSpy changed(window->document(), &PlanDocument::changed);
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(screen(), before);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(menu().mid(0, 2), (QStringList{u"Undo Update Sword"_s, u"Redo "_s + what}));
    const QString tipBefore = rowToolTip(10); // the row's tooltip tells the plan it shows
    QVERIFY(tipBefore != tipAfter);

    QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(screen(), after);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(rowToolTip(10), tipAfter);
    // A tooltip open while the plan changes follows the plan.
    window->findChild<QAction *>(u"undoAction"_s)->trigger();
    QCOMPARE(QToolTip::text(), tipBefore);
}

void WindowTest::undoKeyInABox() {
    clickRow(10);
    type("txtGoal", u"50"_s);
    press("cmdUpdate");
    type("txtGoal", u"7"_s);
    QLineEdit *goal = box("txtGoal");

    QTest::keyClick(goal, Qt::Key_Z, Qt::ControlModifier); // the box's own typing first
    QCOMPARE(goal->text(), QStringLiteral("50"));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: 112,523"));

    QTest::keyClick(goal, Qt::Key_Z, Qt::ControlModifier); // then the plan
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"4"_s, u"0"_s, u"10"_s, u"4"_s, u"0"_s}));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
    QTest::keyClick(goal, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(goal->text(), QStringLiteral("50"));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: 112,523"));

    // Redo would refill the box: while it holds typing, redo waits.
    QTest::keyClick(goal, Qt::Key_Z, Qt::ControlModifier);
    type("txtGoal", u"77"_s);
    QTest::keyClick(goal, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(goal->text(), QStringLiteral("77"));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
    type("txtGoal", u"4"_s); // as stored: the plan's redo again
    QTest::keyClick(goal, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(goal->text(), QStringLiteral("50"));
}

void WindowTest::badBoxStoresNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("alsoBad"); // a later box, made bad too: the focus stays on the first

    QTest::newRow("letters in the base")
        << "txtBase"
        << "abc"
        << R"(Base level: "abc" is not a whole number from -32768 to 32767.)"
        << "";
    QTest::newRow("empty equipment")
        << "txtEQ"
        << ""
        << R"(Equipment bonus: "" is not a whole number from -32768 to 32767.)"
        << "";
    QTest::newRow("blanks in the goal")
        << "txtGoal"
        << "   "
        << R"(Goal level: "   " is not a whole number from -32768 to 32767.)"
        << "";
    QTest::newRow("goal too large")
        << "txtGoal"
        << "40000"
        << R"(Goal level: "40000" is not a whole number from -32768 to 32767.)"
        << "";
    QTest::newRow("lone minus") << "txtBase"
                                << "-"
                                << R"(Base level: "-" is not a whole number from -32768 to 32767.)"
                                << "";
    QTest::newRow("equipment and goal bad")
        << "txtEQ"
        << "x"
        << R"(Equipment bonus: "x" is not a whole number from -32768 to 32767.)"
        << "txtGoal";
    // A long text is quoted short, so the message stays readable.
    QTest::newRow("long text") << "txtEQ"
                               << "1234567890 1234567890 1234567890"
                               << u"Equipment bonus: \"1234567890 123456789\u2026\" is not a whole "
                                  u"number from -32768 to 32767."_s
                               << "";
}

void WindowTest::badBoxStoresNothing() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, alsoBad);

    clickRow(10);
    type("txtBase", u"20"_s);
    type("txtEQ", u"3"_s);
    type("txtGoal", u"60"_s);
    if (!alsoBad.isEmpty()) {
        type(qPrintable(alsoBad), u"?"_s);
    }
    if (text.isEmpty()) {
        clear(qPrintable(name));
    } else {
        type(qPrintable(name), text);
    }
    const QStringList rowsBefore = rows();
    const QStringList detailsBefore = details();
    QLineEdit *bad = box(qPrintable(name));
    const QString normalToolTip = bad->toolTip();
    const QString normalDescription = bad->accessibleDescription();

    press("cmdUpdate");
    press("cmdUpdate"); // refused again: the box still knows its normal tooltip

    QCOMPARE(rows(), rowsBefore);
    QCOMPARE(details(), detailsBefore); // the typing is still there
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: "));
    QCOMPARE(QApplication::focusWidget(), bad);
    QCOMPARE(bad->selectedText(), bad->text());
    QVERIFY(refused(qPrintable(name)));
    QCOMPARE(bad->toolTip(), message);
    QCOMPARE(bad->accessibleDescription(), message); // a screen reader hears the reason too
    for (const char *other : {"txtBase", "txtEQ", "txtGoal"}) {
        if (QLatin1String(other) != name) {
            QCOMPARE(refused(other), QLatin1String(other) == alsoBad);
        }
    }

    // Mending the box takes the mark away, and the next press stores all three.
    type(qPrintable(name), QStringLiteral("30"));
    QVERIFY(!refused(qPrintable(name)));
    QCOMPARE(bad->toolTip(), normalToolTip);
    QCOMPARE(bad->accessibleDescription(), normalDescription);
    if (!alsoBad.isEmpty()) {
        type(qPrintable(alsoBad), QStringLiteral("40"));
    }
    press("cmdUpdate");
    QVERIFY(row(10) != rowsBefore.at(10));
}

void WindowTest::overflowKeepsThePlan() {
    clickRow(10);
    type("txtGoal", u"50"_s);
    press("cmdUpdate");
    const QStringList rowsBefore = rows();

    type("txtEQ", u"32767"_s);
    type("txtGoal", u"60"_s);
    press("cmdUpdate");
    QCOMPARE(steps(), 1); // a refused change is no step
    QCOMPARE(menu().first(), QStringLiteral("Undo Update Sword"));
    QCOMPARE(rows(), rowsBefore);
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: 112,523"));
    QCOMPARE(box("txtEQ")->text(), QStringLiteral("32767"));
    QCOMPARE(box("txtGoal")->text(), QStringLiteral("60"));
    QVERIFY(refused("txtEQ"));
    QVERIFY(box("txtEQ")->toolTip().contains(QStringLiteral("-32768 to 32767")));
    QCOMPARE(QApplication::focusWidget(), box("txtEQ"));

    // The plan is as it was: clicking the row again shows the stored values.
    clickRow(10);
    QCOMPARE(details(), (QStringList{u"Sword"_s, u"4"_s, u"0"_s, u"10"_s, u"50"_s, u"112523"_s}));
}

void WindowTest::bulkOverflowKeepsThePlan() {
    clickRow(4);
    type("txtEQ", u"10900"_s); // Regenerate: 3 x (10 + 10900) fits, 3 x (120 + 10900) does not
    press("cmdUpdate");
    QCOMPARE(row(4), QStringLiteral("Strength         10   10900 10910 10    "));
    const QStringList before = rows();
    press("cmdMaxBase");
    QCOMPARE(rows(), before);
    QCOMPARE(steps(), 1);
    QCOMPARE(details(),
             (QStringList{u"Strength"_s, u"10"_s, u"10900"_s, u"10910"_s, u"10"_s, u"0"_s}));
    press("cmdReset"); // a reset clears the bonus and works again
    QCOMPARE(row(4), QStringLiteral("Strength         10   0    10   10    "));
}

void WindowTest::germanSeparators() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    window = std::make_unique<Tarrowind_Char_Planner>();
    window->show();
    clickRow(4);
    type("txtGoal", u"120,5"_s); // 120.5 rounds to the even 120
    press("cmdUpdate");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(row(4), QStringLiteral("Strength         10   0    10   120   7.646.586"));
    QCOMPARE(total(), QStringLiteral("Goal Cost Total: 7.646.586"));
    QCOMPARE(box("txtGoalCost")->text(), QStringLiteral("7646586"));
}

namespace {

// The README's plan, with equipment for a Dagger that an ArchTemplar cannot learn and that makes
// a Mercenary's modded value overflow.
void ExampleWithDaggerEquipment(CharacterPlan &plan) {
    ExamplePlan::SetLevels(plan);
    plan.skills[9].EQ = 32761;
}

} // namespace

// The README's plan: Sword modded 143 at goal, 169 only through its attributes; applying either
// suggestion is one step, and undoing it gives back exactly the plan before.
void WindowTest::optimiseGoalsAppliesOneStep() {
    QVERIFY(!window->document()->Apply(u"Example"_s, ExampleWithDaggerEquipment));
    clickRow(10);
    const CharacterPlan before = window->document()->plan();
    const QStringList shownBefore = shown();
    QCOMPARE(total(), u"Goal Cost Total: 4,563,113"_s);

    QTest::keyClick(list(), Qt::Key_T, Qt::ControlModifier);
    auto *optimise = window->findChild<QWidget *>(u"optimiseGoals"_s);
    QVERIFY(optimise && optimise->isWindow() && optimise->isVisible());
    QCOMPARE(FindControl<QComboBox>(optimise, "cmbTargetSkill")->currentText(), u"Sword"_s);
    QCOMPARE(FindControl<QLabel>(optimise, "lblHighest")->text(), u"at most 195 for ArchTemplar"_s);
    QCOMPARE(FindControl<QLabel>(optimise, "lblCheapest")->text(),
             u"This plan: 4,563,113. The same values at goal: 3,130,683. Saving: 1,432,430 "
             u"(31 %)."_s);

    auto *target = FindControl<QSpinBox>(optimise, "spnTarget");
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    // The box says its highest to a screen reader; the skill box its skill.
    QCOMPARE(target->accessibleDescription(), u"at most 195 for ArchTemplar"_s);
    QAccessibleInterface *skillBox =
        QAccessible::queryAccessibleInterface(FindControl<QComboBox>(optimise, "cmbTargetSkill"));
    QVERIFY(skillBox->relations(QAccessible::Label).isEmpty());
    QTest::keyClicks(target, u"196"_s); // one above the highest is answered with the highest
    QCOMPARE(target->text(), u"196"_s);
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(target->value(), 195);
    auto *companion = qobject_cast<CompanionWindow *>(optimise);
    QCOMPARE(companion->note(), u"Target lowered to 195, the highest"_s);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(target, u"169"_s);
    auto *reach = FindControl<QTableView>(optimise, "tblReach");
    // The columns are sized once, for the widest texts they can hold, and keep their widths
    // whatever the rows become.
    const auto widths = [reach] {
        QList<int> sections;
        for (int column = 0; column < reach->model()->columnCount(); ++column) {
            sections << reach->columnWidth(column);
        }
        return sections;
    };
    const QList<int> widthsAtOpening = widths();
    QCOMPARE(Cell(reach, reach->model()->rowCount() - 1, 3).toString(), u"2,157,072"_s);
    const QString result = FindControl<QLabel>(optimise, "lblOwnGoal")->text();
    QVERIFY(result.endsWith(u"cannot get there."_s));
    auto *announcer = window->findChild<QLabel *>(u"announcer"_s);
    QVERIFY(announcer->text() != result); // said once the typing stops, not at every key
    QTRY_COMPARE(announcer->text(), result);
    auto *races = FindControl<QTableView>(optimise, "tblReachRaces");
    QCOMPARE(Cell(races, 3, 1).toString(), u"cannot learn Sword"_s); // Harakim
    QCOMPARE(Cell(races, 0, 1).toString(), u"cannot be worked out"_s);
    QVERIFY(Cell(races, 0, 1, Qt::ToolTipRole).toString().contains(u"-32768 to 32767"_s));

    QVERIFY(ShowActive(optimise));
    FindControl<QPushButton>(optimise, "cmdApplyReach")->setFocus();
    QTest::keyClick(FindControl<QPushButton>(optimise, "cmdApplyReach"), Qt::Key_Space);
    const CharacterPlan &after = window->document()->plan();
    QCOMPARE(window->findChild<QUndoStack *>()->undoText(), u"Reach Sword 169"_s);
    QCOMPARE(total(), u"Goal Cost Total: 6,720,185"_s);
    // Said once, with the step and what it changed; the greyed button leaves the focus nearby.
    QCOMPARE(companion->note(), u"Reach Sword 169: 3 goals changed, total 6,720,185"_s);
    QCOMPARE(announcer->text(), companion->note());
    QCOMPARE(optimise->focusWidget(), target);
    QVERIFY(Tarrowind_Module::ModdedAtGoal(after, 10) >= 169);
    QCOMPARE(after.race, before.race);
    for (int s = 0; s < Tarrowind_Module::SkillCount; ++s) {
        QCOMPARE(after.skills[s].Base, before.skills[s].Base);
        QCOMPARE(after.skills[s].EQ, before.skills[s].EQ);
    }
    QVERIFY(rows() != shownBefore.mid(2, 37));
    QCOMPARE(target->minimum(), 169); // the window follows the plan it changed
    QCOMPARE(widths(), widthsAtOpening);

    QVERIFY(ShowActive(window.get()));
    QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(window->document()->plan() == before);
    QCOMPARE(shown(), shownBefore);
    QCOMPARE(target->minimum(), 143);

    QVERIFY(ShowActive(optimise));
    FindControl<QPushButton>(optimise, "cmdApplyCheapest")->setFocus();
    QTest::keyClick(FindControl<QPushButton>(optimise, "cmdApplyCheapest"), Qt::Key_Space);
    QCOMPARE(total(), u"Goal Cost Total: 3,130,683"_s);
    QCOMPARE(companion->note(), u"Cheapest goals: 6 goals changed, total 3,130,683"_s);
    QCOMPARE(optimise->focusWidget(), FindControl<QCheckBox>(optimise, "chkAttributesMayFall"));
    QCOMPARE(FindControl<QLabel>(optimise, "lblCheapest")->text(),
             u"This plan is already the cheapest for these values"_s);
    QVERIFY(!window->document()->Undo());
    QVERIFY(window->document()->plan() == before);

    QVERIFY(ShowActive(optimise));
    QTest::keyClick(target, Qt::Key_Escape);
    QVERIFY(!optimise->isVisible());
}

void WindowTest::optimiseGoalsCheapest_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("plan");
    QTest::addColumn<bool>("attributesMayFall");
    QTest::addColumn<QString>("cheapest");
    QTest::addColumn<bool>("applies");
    // Ctrl+C in one of the window's tables copies all of it, as text and as HTML.
    QTest::addColumn<QString>("copiedTable");
    QTest::addColumn<QString>("copiedText");
    QTest::addColumn<QString>("copiedHtml");
    QTest::newRow("example, German") << QLocale(u"de_DE"_s) << u"example"_s << false
                                     << u"This plan: 4.563.113. The same values at goal: "
                                        u"3.130.683. Saving: 1.432.430 (31 %)."_s
                                     << true << u"tblReach"_s
                                     << u"Skill\tGoal now\tSuggested goal\tExperience added\n"
                                        u"Braveness\t50\t51\t31.250\nTotal\t\t\t31.250\n"_s
                                     << u"<td>Total</td><td></td><td></td><td>31.250</td>"_s;
    QTest::newRow("example, attributes free")
        << QLocale(u"en_US"_s) << u"example"_s << true
        << u"This plan: 4,563,113. The same values at goal: 3,078,226. Saving: 1,484,887 (33 %)."_s
        << true << u"tblCheapest"_s
        << u"Skill\tGoal now\tSuggested goal\tModded at goal now\tModded at goal after\n"
           u"Braveness\t50\t41\t50\t41\nWillpower\t10\t19\t10\t19\nIntuition\t10\t20\t10\t20\n"
           u"Agility\t10\t51\t10\t51\nStrength\t10\t48\t15\t53\nSword\t120\t106\t143\t143\n"
           u"Perception\t60\t48\t66\t66\n"_s
        << u"<tr><th>Skill</th><th>Goal now</th>"_s;
    QTest::newRow("Max Goals") << QLocale(u"en_US"_s) << u"Max Goals"_s << false
                               << u"This plan is already the cheapest for these values"_s << false
                               << u"tblReachRaces"_s
                               << u"Race\tAdded\nMercenary\tcannot reach 90\nWarrior\tcannot reach "
                                  u"90\nSorceror\tcannot reach 90\nHarakim\tcannot reach 90\n"
                                  u"ArchHarakim\tcannot reach 90\nTemplar\tcannot reach 90\n"
                                  u"ArchTemplar (current)\t0\nSeyan'Du\t0\n"_s
                               << u"<td>ArchTemplar (current)</td><td>0</td>"_s;
}

void WindowTest::optimiseGoalsCheapest() {
    QFETCH(QLocale, locale);
    QFETCH(QString, plan);
    QFETCH(bool, attributesMayFall);
    QFETCH(QString, cheapest);
    QFETCH(bool, applies);
    QFETCH(QString, copiedTable);
    QFETCH(QString, copiedText);
    QFETCH(QString, copiedHtml);
    const QLocale before;
    QLocale::setDefault(locale);
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    if (plan == u"Max Goals"_s) {
        press("cmdMaxGoal");
    } else {
        QVERIFY(!window->document()->Apply(u"Example"_s, ExampleWithDaggerEquipment));
    }
    QTest::keyClick(list(), Qt::Key_T, Qt::ControlModifier);
    auto *optimise = window->findChild<QWidget *>(u"optimiseGoals"_s);
    auto *check = FindControl<QCheckBox>(optimise, "chkAttributesMayFall");
    QVERIFY(!check->isChecked());
    if (attributesMayFall) {
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
    }
    const QString shownCheapest = FindControl<QLabel>(optimise, "lblCheapest")->text();
    auto *table = FindControl<QTableView>(optimise, copiedTable.toLatin1().constData());
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QLocale::setDefault(before);
    QCOMPARE(copied->text(), copiedText);
    QVERIFY2(copied->html().contains(copiedHtml), qPrintable(copied->html()));
    QCOMPARE(shownCheapest, cheapest);
    QCOMPARE(FindControl<QPushButton>(optimise, "cmdApplyCheapest")->isEnabled(), applies);
    QCOMPARE(FindControl<QTableView>(optimise, "tblCheapest")->model()->rowCount() > 0, applies);
}

void WindowTest::copyPlan_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sword");
    QTest::newRow("en_US") << QLocale(u"en_US"_s)
                           << u"Sword            4    0    10   120   3,823,414"_s;
    QTest::newRow("de_DE") << QLocale(u"de_DE"_s)
                           << u"Sword            4    0    10   120   3.823.414"_s;
}

void WindowTest::copyPlan() {
    QFETCH(QLocale, locale);
    QFETCH(QString, sword);
    const QLocale before;
    QLocale::setDefault(locale);
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    clickRow(10);
    type("txtGoal", u"120"_s);
    press("cmdUpdate");
    type("txtGoal", u"77"_s); // not stored, so not copied

    QClipboard *clipboard = QGuiApplication::clipboard();
    QTest::keyClick(box("txtGoal"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box("txtGoal"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), u"77"_s); // an edit box copies its own text
    QTest::keyClick(box("txtGoal"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString text = clipboard->text();
    QCOMPARE(note(), u"Plan copied: 37 skills."_s); // nothing else on screen changes
    QStringList copied = shown(); // as shown, but without the fill at the end of a row
    for (QString &line : copied) {
        line = line.trimmed();
    }
    QCOMPARE(text.split(u'\n'), copied);
    QCOMPARE(text.section(u'\n', 12, 12), sword);
    QVERIFY(clipboard->mimeData()->html().contains(u"<td>120</td><td>3823414</td>"_s));

    clipboard->clear();
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier); // the plan, not the current row
    QLocale::setDefault(before);
    QCOMPARE(clipboard->text(), text);
}

void WindowTest::pasteRoundTrip() {
    auto *races = control<QComboBox>("cmbRace");
    races->setFocus();
    QTest::keyClick(races, Qt::Key_Up); // Templar
    press("cmdMaxGoal");
    clickRow(20);
    type("txtEQ", u"-12345"_s); // runs into the modded value in the row
    press("cmdUpdate");
    clickRow(7);
    const QStringList shownBefore = shown();
    const QStringList detailsBefore = details();
    QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);

    QTest::keyClick(races, Qt::Key_Down); // back to ArchTemplar, everything reset
    const QStringList shownReset = shown();
    QVERIFY(shownReset != shownBefore);
    QSignalSpy changed(window->document(), &PlanDocument::changed);
    QTest::keyClick(list(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(shown(), shownBefore);
    QCOMPARE(details(), detailsBefore);
    QCOMPARE(changed.count(), 1);
    // The whole paste is one step back.
    QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(shown(), shownReset);
}

void WindowTest::pasteIntoThePlan_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("shownRows"); // race, Strength, Sword
    QTest::addColumn<QString>("note");

    QTest::newRow("spreadsheet cells with a race")
        << u"Race\tWarrior\nSkill Name\tBase\tEQ\tMod\tGoal\tGoal Cost\nSword\t30\t2\t36\t60\t0\n"_s
        << QStringList{u"Race: Warrior"_s, u"Strength         10   0    10   10    "_s,
                       u"Sword            30   2    38   60    367,952"_s}
        << u"Plan pasted."_s;
    QTest::newRow("no race line: the rest of the plan stays")
        << u"Sword            30   2    38   60    1,008,465"_s
        << QStringList{u"Race: ArchTemplar"_s, u"Strength         10   5    15   10    "_s,
                       u"Sword            30   2    39   60    220,762"_s}
        << u"Plan pasted."_s;
    QTest::newRow("a goal above the race's highest")
        << u"| Race | Templar |\n| Sword | 30 | 2 | 38 | 120 |\nStrength 200 0 0 100\n"
           "Concentrate 5 0 0 30\nStun 1 0 0 120"_s
        << QStringList{u"Race: Templar"_s, u"Strength         90   0    90   90    "_s,
                       u"Sword            30   2    54   90    1,188,783"_s}
        << u"Plan pasted: Sword goal 120 lowered to 90, the highest for Templar; Strength base "
           "200 and goal 100 lowered to 90, the highest for Templar; Concentrate base 5 and goal "
           "30 lowered to 0, since Templar cannot learn it; 4 skills lowered in all."_s;
}

void WindowTest::pasteIntoThePlan() {
    QFETCH(QString, text);
    QFETCH(QStringList, shownRows);
    QFETCH(QString, note);
    clickRow(4);
    type("txtEQ", u"5"_s);
    press("cmdUpdate");

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // An opening menu asks the clipboard nothing, whose owner may not answer.
    QVERIFY(pasteInTheOpenMenu());
    clipboard->setText(text);
    QVERIFY(pasteInTheOpenMenu());
    QVERIFY(window->listMenu()->actions().contains(pastePlan()));
    QCOMPARE(pastePlan()->shortcut(), QKeySequence(u"Ctrl+Shift+V"_s));
    QVERIFY(pastePlan()->isShortcutVisibleInContextMenu());
    pastePlan()->trigger();
    QCOMPARE((QStringList{shown()[0], row(4), row(10)}), shownRows);
    QCOMPARE(this->note(), note);
    QCOMPARE(list()->currentRow(), 4);
}

void WindowTest::pasteRefused_data() {
    QTest::addColumn<QString>("text"); // as plain text, or for a format without text: see below
    QTest::addColumn<QString>("message");

    QTest::newRow("empty clipboard") << u""_s << u"The clipboard holds no text to paste."_s;
    QTest::newRow("a picture, no text")
        << u"image/png"_s << u"The clipboard holds no text to paste."_s;
    QTest::newRow("unknown race")
        << u"Race: Elf\nSword 4 0 10 50"_s
        << u"Nothing was pasted: the race is not one the planner knows, in line 1: \"Race: Elf\""_s;
    QTest::newRow("no skill line")
        << u"Race: Warrior"_s << u"Nothing was pasted: the text names no skill with its levels."_s;
    QTest::newRow("overflow")
        << u"Race: Warrior\nStrength 10 32767 10 10"_s
        << u"Nothing was changed: a modded value would leave the range -32768 to 32767."_s;
    // The longest a refusal gets: a long unknown name with the skill meant, far down the text.
    QTest::newRow("longest refusal")
        << QString(u"Race: Warrior\n"_s + QString(u"a remark\n"_s).repeated(98) +
                   u"The Ghost Companion Of 120 32767 120 120 32767 120"_s)
        << u"Nothing was pasted: The Ghost Companion \u2026 is not a skill the planner knows "
           u"(perhaps "
           u"Ghost Companion), in line 100: \"The Ghost Companion Of 120 32767 120 12\u2026\""_s;
}

void WindowTest::pasteRefused() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    clickRow(10);
    type("txtGoal", u"50"_s);
    press("cmdUpdate");
    const QStringList shownBefore = shown();
    const QStringList detailsBefore = details();
    QSignalSpy changed(window->document(), &PlanDocument::changed);
    const int stepsBefore = steps();

    auto *data = new QMimeData;
    if (text == u"image/png") {
        data->setData(text, QByteArray("\x89PNG"));
    } else if (!text.isEmpty()) {
        data->setText(text);
    }
    QGuiApplication::clipboard()->setMimeData(data);
    // The keys in a box and in the list, and the menu's entry, give the same answer.
    for (QWidget *at : {static_cast<QWidget *>(box("txtBase")), static_cast<QWidget *>(list())}) {
        for (const bool inTheMenu : {false, true}) {
            window->statusNote()->Clear();
            if (inTheMenu) {
                pastePlan()->trigger();
            } else {
                at->setFocus();
                QTest::keyClick(at, Qt::Key_V,
                                at == list() ? Qt::ControlModifier
                                             : Qt::ControlModifier | Qt::ShiftModifier);
            }
            QCOMPARE(note(), message);
        }
    }
    QCOMPARE(shown(), shownBefore);
    QCOMPARE(details(), detailsBefore); // nor pasted into the box
    QCOMPARE(changed.count(), 0);
    QCOMPARE(steps(), stepsBefore);
    // The note leaves the race box and the total free for the next click.
    for (const QWidget *note : QApplication::topLevelWidgets()) {
        for (const char *name : {"cmbRace", "lblGoalTotal"}) {
            const QWidget *below = control<QWidget>(name);
            QVERIFY(
                !note->inherits("QTipLabel") ||
                !note->geometry().intersects(QRect(below->mapToGlobal(QPoint()), below->size())));
        }
    }
    // At scale 1 the whole note can be read: on the status bar's lines, or its start there and
    // all of it in the tooltip. Each line fits the note's width.
    StatusNote *status = window->statusNote();
    const QStringList lines = status->text().split(u'\n');
    QVERIFY(lines.size() <= StatusNote::Lines);
    for (const QString &line : lines) {
        QVERIFY2(QFontMetrics(status->font()).horizontalAdvance(line) <=
                     status->contentsRect().width(),
                 qPrintable(line));
    }
    if (status->isWhole()) {
        QCOMPARE(lines.join(u' '), message);
    } else {
        QCOMPARE(status->toolTip(), message);
        QVERIFY(lines.last().endsWith(u'\u2026'));
        QVERIFY(message.startsWith(lines.first()));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name), message);
    // It stays until the plan changes.
    press("cmdMaxGoal");
    QCOMPARE(note(), QString());
}

void WindowTest::closing_data() {
    QTest::addColumn<QStringList>("actions"); // before closing
    QTest::addColumn<int>("answer");          // to the question, if one is asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");

    const int escape = QMessageBox::NoButton;
    QTest::newRow("as started") << QStringList{} << escape << false << true;
    QTest::newRow("changed and changed back")
        << QStringList{u"store"_s, u"undo"_s} << escape << false << true;
    QTest::newRow("copied") << QStringList{u"store"_s, u"copy"_s} << escape << false << true;
    QTest::newRow("copied, then changed back to the start")
        << QStringList{u"store"_s, u"copy"_s, u"undo"_s} << escape << false << true;
    QTest::newRow("changed since the copy, then back to it")
        << QStringList{u"store"_s, u"copy"_s, u"maxGoals"_s, u"undo"_s} << escape << false << true;
    QTest::newRow("changed, Escape") << QStringList{u"store"_s} << escape << true << false;
    QTest::newRow("changed since the copy, without copying")
        << QStringList{u"store"_s, u"copy"_s, u"undo"_s, u"maxGoals"_s} << int{QMessageBox::Discard}
        << true << true;
    QTest::newRow("changed, copy and close")
        << QStringList{u"store"_s} << int{QMessageBox::Apply} << true << true;
}

void WindowTest::closing() {
    QFETCH(QStringList, actions);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QClipboard *clipboard = QGuiApplication::clipboard();
    for (const QString &action : actions) {
        if (action == u"store") {
            clickRow(10);
            type("txtGoal", u"50"_s);
            press("cmdUpdate");
        } else if (action == u"copy") {
            QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);
        } else if (action == u"undo") {
            QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
        } else {
            press("cmdMaxGoal");
        }
    }
    clipboard->setText(u"from another program"_s);
    const QStringList screenBefore = screen();
    // The title marks a plan that closing would lose, as the window system shows it.
    QCOMPARE(window->windowHandle()->title(),
             asked ? u"Tarrowind Character Planner*"_s : u"Tarrowind Character Planner"_s);

    QStringList question;
    QCOMPARE(closeAnswering(static_cast<QMessageBox::StandardButton>(answer), question), closed);
    QCOMPARE(!question.isEmpty(), asked);
    QCOMPARE(window->isVisible(), !closed);
    if (asked) {
        QCOMPARE(question.mid(1),
                 (QStringList{u"Save As and Close…"_s, u"Copy Plan and Close"_s,
                              u"Close Without Saving"_s, u"Cancel"_s, u"Cancel"_s}));
        // The test platform's clipboard dies with the program, as on X11 without a manager.
        QVERIFY(question[0].contains(u"lasts only while another program holds it"_s));
    }
    QCOMPARE(clipboard->text().contains(row(10).trimmed()), answer == QMessageBox::Apply);
    QCOMPARE(screen(), screenBefore);
}

void WindowTest::copyAndCloseWaitsForTheFetch_data() {
    QTest::addColumn<QString>("then");    // what another program does after the closing
    QTest::addColumn<int>("waitMs");      // the longest wait
    QTest::addColumn<bool>("endsAtOnce"); // before the wait has run out

    const int hour = 3'600'000;
    QTest::newRow("text fetched") << u"fetch text"_s << hour << true;
    QTest::newRow("HTML fetched") << u"fetch html"_s << hour << true;
    QTest::newRow("another program copies") << u"copy"_s << hour << true;
    QTest::newRow("only the formats asked") << u"formats"_s << hour << false;
    QTest::newRow("nobody asks") << QString() << 20 << false;
}

// After "Copy Plan and Close" the program goes on, window closed, until another program has
// fetched the plan's text or taken the clipboard, or the wait has run out.
void WindowTest::copyAndCloseWaitsForTheFetch() {
    QFETCH(QString, then);
    QFETCH(int, waitMs);
    QFETCH(bool, endsAtOnce);
    window->findChild<PlanClipboard *>()->SetHandOverWait(std::chrono::milliseconds(waitMs));
    clickRow(10);
    type("txtGoal", u"50"_s);
    press("cmdUpdate");
    QStringList asked;
    QVERIFY(closeAnswering(QMessageBox::Apply, asked));
    auto *handOver = qApp->findChild<ClipboardHandOver *>();
    QVERIFY(handOver);
    QSignalSpy ended(handOver, &ClipboardHandOver::ended);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    if (then == u"fetch text") {
        QVERIFY(copied->data(u"text/plain"_s).contains("Sword"));
    } else if (then == u"fetch html") {
        QVERIFY(!copied->data(u"text/html"_s).isEmpty());
    } else if (then == u"copy") {
        QGuiApplication::clipboard()->setText(u"from another program"_s);
    } else if (then == u"formats") {
        QVERIFY(copied->hasText() && copied->formats().contains(u"text/html"_s));
    }
    QTest::qWait(5);
    QCOMPARE(ended.count(), endsAtOnce ? 1 : 0);
    if (waitMs < 1000) {
        QTRY_COMPARE(ended.count(), 1);
    }
    delete qApp->findChild<ClipboardHandOver *>();
}

void WindowTest::optimiseGoalsFollowsThePlan_data() {
    QTest::addColumn<QString>("skill");     // chosen in "Optimise Goals" once it is open
    QTest::addColumn<QStringList>("steps"); // then, in this order
    QTest::addColumn<QString>("skillAfter");
    QTest::addColumn<int>("targetAfter");
    QTest::addColumn<int>("currentRace");     // the races table's row marked "(current)"
    QTest::addColumn<QString>("note");        // the window's note line
    QTest::addColumn<QString>("goalBox");     // the planner's goal box
    QTest::addColumn<QString>("plannerNote"); // the planner's status note
    // From the fresh ArchTemplar plan, Sword selected.
    QTest::newRow("a suggestion that costs nothing is applied")
        << u"Heal"_s << QStringList{u"target8"_s, u"apply"_s} << u"Heal"_s << 8 << 6
        << u"Reach Heal 8: 1 goal changed, total 0"_s << u"4"_s << QString();
    QTest::newRow("the new race is the current one")
        << u"Sword"_s << QStringList{u"raceDown"_s} << u"Sword"_s << 11 << 7 << QString() << u"4"_s
        << QString();
    QTest::newRow("a race that cannot learn the skill says so")
        << u"Sword"_s << QStringList{u"raceUp"_s, u"raceUp"_s} << u"Braveness"_s << 11 << 4
        << u"Sword cannot be learned by ArchHarakim; Braveness chosen instead"_s << u"0"_s
        << QString();
    QTest::newRow("a newly chosen skill starts one above its value")
        << u"Bartering"_s << QStringList() << u"Bartering"_s << 8 << 6 << QString() << u"4"_s
        << QString();
    QTest::newRow("Apply stores goals, not the skill selected when it was worked out")
        << u"Sword"_s << QStringList{u"row0"_s, u"apply"_s} << u"Sword"_s << 11 << 6
        << u"Reach Sword 11: 1 goal changed, total 4"_s << u"10"_s << QString();
    QTest::newRow("typing that was not stored stays in the box")
        << u"Sword"_s << QStringList{u"type60"_s, u"apply"_s} << u"Sword"_s << 11 << 6
        << u"Reach Sword 11: 1 goal changed, total 4"_s << u"60"_s
        << u"The goal box still holds 60, not stored"_s;
    QTest::newRow("typing the new value is no typing to keep")
        << u"Sword"_s << QStringList{u"type5"_s, u"apply"_s} << u"Sword"_s << 11 << 6
        << u"Reach Sword 11: 1 goal changed, total 4"_s << u"5"_s << QString();
    QTest::newRow("undo shows the stored goal again")
        << u"Sword"_s << QStringList{u"type60"_s, u"apply"_s, u"undo"_s} << u"Sword"_s << 11 << 6
        << QString() << u"4"_s << QString();
}

void WindowTest::optimiseGoalsFollowsThePlan() {
    QFETCH(QString, skill);
    QFETCH(QStringList, steps);
    QFETCH(QString, skillAfter);
    QFETCH(int, targetAfter);
    QFETCH(int, currentRace);
    QFETCH(QString, note);
    QFETCH(QString, goalBox);
    QFETCH(QString, plannerNote);
    clickRow(10);
    QTest::keyClick(list(), Qt::Key_T, Qt::ControlModifier);
    auto *optimise = window->findChild<CompanionWindow *>(u"optimiseGoals"_s);
    QVERIFY(optimise && optimise->isVisible());
    auto *skills = FindControl<QComboBox>(optimise, "cmbTargetSkill");
    auto *spin = FindControl<QSpinBox>(optimise, "spnTarget");
    skills->setCurrentIndex(skills->findText(skill));
    for (const QString &step : steps) {
        if (step.startsWith(u"target"_s)) {
            spin->setValue(step.mid(6).toInt());
        } else if (step == u"apply"_s) {
            auto *apply = FindControl<QPushButton>(optimise, "cmdApplyReach");
            QVERIFY(apply->isEnabled());
            apply->click();
        } else if (step == u"raceDown"_s || step == u"raceUp"_s) {
            QTest::keyClick(control<QComboBox>("cmbRace"),
                            step == u"raceDown"_s ? Qt::Key_Down : Qt::Key_Up);
        } else if (step == u"row0"_s) {
            clickRow(0);
        } else if (step.startsWith(u"type"_s)) {
            type("txtGoal", step.mid(4));
        } else if (step == u"undo"_s) {
            QVERIFY(!window->document()->Undo());
        }
    }
    QCOMPARE(skills->currentText(), skillAfter);
    QCOMPARE(spin->value(), targetAfter);
    auto *races = FindControl<QTableView>(optimise, "tblReachRaces");
    QVERIFY(Cell(races, currentRace, 0).toString().endsWith(u" (current)"_s));
    QCOMPARE(optimise->note(), note);
    QCOMPARE(box("txtGoal")->text(), goalBox);
    QCOMPARE(window->statusNote()->note(), plannerNote);
    if (goalBox == u"60"_s) {
        // The kept typing goes on as typed: its live cost, and its own undo in the box.
        QCOMPARE(box("txtGoalCost")->text(),
                 QString::number(window->document()->plan().LiveCost(10, 4, 60)));
        QVERIFY(box("txtGoal")->isUndoAvailable());
    }
}

void WindowTest::compareRacesFollowsThePlan() {
    auto *action = window->findChild<QAction *>(u"compareRacesAction"_s);
    QVERIFY(window->listMenu()->actions().contains(action));
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    auto *compare = window->findChild<QWidget *>(u"compareRaces"_s);
    QVERIFY(compare && compare->isWindow() && compare->isVisible());
    QCOMPARE(compare->windowTitle(), u"Compare Races"_s);
    auto *table = FindControl<QTableView>(compare, "raceTable");
    const auto race = [table](int r) {
        return QStringList{Cell(table, r, 0).toString(), Cell(table, r, 1).toString(),
                           Cell(table, r, 2).toString(), Cell(table, r, 3).toString()};
    };
    QCOMPARE(race(6), (QStringList{u"ArchTemplar (current)"_s, u"0"_s, u"0"_s, u"0"_s}));
    QCOMPARE(table->model()->rowCount(), 8);
    // It opens on the plan's race. A screen reader hears each cell with its race as the row's
    // header and can reach what each column means.
    QCOMPARE(table->currentIndex(), table->model()->index(6, 0));
    QAccessibleTableCellInterface *cell = QAccessible::queryAccessibleInterface(table)
                                              ->tableInterface()
                                              ->cellAt(3, 2)
                                              ->tableCellInterface();
    // Qt makes a header cell's interface anew for each question and leaves it to the asker.
    const auto headerText = [](const QList<QAccessibleInterface *> &headers,
                               QAccessible::Text text) {
        QStringList texts;
        for (QAccessibleInterface *header : headers) {
            texts << header->text(text);
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
        }
        return texts.join(u'|');
    };
    QCOMPARE(headerText(cell->rowHeaderCells(), QAccessible::Name), u"Harakim"_s);
    QVERIFY(headerText(cell->columnHeaderCells(), QAccessible::Description)
                .startsWith(u"Skills whose base or goal is above"_s));

    clickRow(10);
    type("txtGoal", u"50"_s);
    press("cmdUpdate");
    // Sword 4 to 50: class 3 for an ArchTemplar, 5 for a Mercenary; a Harakim cannot learn it.
    QCOMPARE(race(6), (QStringList{u"ArchTemplar (current)"_s, u"112,523"_s, u"0"_s, u"0"_s}));
    QCOMPARE(race(0), (QStringList{u"Mercenary"_s, u"187,562"_s, u"0"_s, u"0"_s}));
    QCOMPARE(race(3), (QStringList{u"Harakim"_s, u"0"_s, u"0"_s, u"1"_s}));
    QCOMPARE(window->document()->plan().race, 6); // looking changes nothing
    QCOMPARE(total(), u"Goal Cost Total: 112,523"_s);

    // Equipment that fits the Dagger an ArchTemplar cannot learn overflows for a Mercenary.
    clickRow(9);
    type("txtEQ", u"32761"_s);
    press("cmdUpdate");
    QCOMPARE(race(0), (QStringList{u"Mercenary"_s, u"cannot be recalculated"_s, u"0"_s, u"0"_s}));
    QCOMPARE(race(6), (QStringList{u"ArchTemplar (current)"_s, u"112,523"_s, u"0"_s, u"1"_s}));

    auto *races = control<QComboBox>("cmbRace");
    QTest::keyClick(races, Qt::Key_Down);                         // to Seyan'Du: the plan is reset
    QCOMPARE(table->currentIndex(), table->model()->index(7, 0)); // the new race is selected
    QVERIFY(Cell(table, 7, 0, Qt::FontRole).value<QFont>().bold());
    QVERIFY(!Cell(table, 6, 0, Qt::FontRole).value<QFont>().bold());
    QCOMPARE(race(7), (QStringList{u"Seyan'Du (current)"_s, u"0"_s, u"0"_s, u"0"_s}));

    QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier); // nothing to ask at closing
    window->close();                                         // the comparison goes with the planner
    QVERIFY(!compare->isVisible());
}

void WindowTest::compareRacesBesideThePlanner_data() {
    QTest::addColumn<bool>("atRightEdge"); // where the planner stands
    QTest::addColumn<QKeySequence>("closeKey");
    QTest::newRow("planner at the left edge, Escape") << false << QKeySequence(Qt::Key_Escape);
    QTest::newRow("planner at the right edge, Ctrl+W")
        << true << QKeySequence(Qt::CTRL | Qt::Key_W);
}

void WindowTest::compareRacesBesideThePlanner() {
    QFETCH(bool, atRightEdge);
    QFETCH(QKeySequence, closeKey);
    const QRect available = window->screen()->availableGeometry();
    window->move(atRightEdge ? available.right() + 1 - window->frameGeometry().width()
                             : available.left(),
                 available.top() + 40);
    press("cmdMaxGoal");
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    auto *compare = window->findChild<QWidget *>(u"compareRaces"_s);
    QVERIFY(QTest::qWaitForWindowActive(compare));
    QApplication::setActiveWindow(compare); // as a window manager would, for its keys
    QVERIFY(available.contains(compare->frameGeometry()));
    // Right of the planner, else left of it, else beside it with the planner moved as little as
    // needed, where the screen has room for both; inside it always.
    const QRect screen(0, 0, 1280, 900);
    const auto placed = [&screen](const QRect &planner, const QSize &frame) {
        const CompanionWindow::Placement placement =
            CompanionWindow::PlaceBeside(planner, frame, screen, 8);
        return QList<QPoint>{placement.companion, placement.planner};
    };
    QCOMPARE(placed({10, 20, 430, 364}, {500, 300}), (QList<QPoint>{{448, 20}, {10, 20}}));
    QCOMPARE(placed({840, 700, 430, 364}, {500, 300}), (QList<QPoint>{{332, 600}, {840, 700}}));
    QCOMPARE(placed({400, 20, 430, 364}, {500, 300}), (QList<QPoint>{{780, 20}, {342, 20}}));
    QCOMPARE(placed({500, 20, 430, 364}, {700, 880}), (QList<QPoint>{{0, 20}, {708, 20}}));
    QCOMPARE(placed({400, 20, 430, 364}, {900, 300}), (QList<QPoint>{{380, 20}, {400, 20}}));
    // A window kept from a larger screen comes back inside the smaller one, as large as it fits.
    QCOMPARE(CompanionWindow::FitInside({560, 40, 685, 817}, {0, 0, 1024, 740}),
             QRect(339, 0, 685, 740));
    QCOMPARE(CompanionWindow::FitInside({560, 40, 685, 817}, {0, 0, 640, 452}),
             QRect(0, 0, 640, 452));
    // Both windows can be made small enough for a 640 x 480 screen.
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    auto *optimise = window->findChild<QWidget *>(u"optimiseGoals"_s);
    QVERIFY(QRect(0, 0, 600, 400).contains(QRect(QPoint(), compare->minimumSizeHint())));
    QVERIFY(QRect(0, 0, 600, 400).contains(QRect(QPoint(), optimise->minimumSizeHint())));
    QVERIFY(available.contains(optimise->frameGeometry()));
    optimise->close();
    QVERIFY(ShowActive(compare));
    auto *table = FindControl<QTableView>(compare, "raceTable");

    // The whole table, as text and as HTML.
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    const QStringList lines = copied->text().split(u'\n');
    QCOMPARE(lines.value(0), u"Race\tExperience\tLowered\tCannot learn"_s);
    QCOMPARE(lines.value(7),
             u"ArchTemplar (current)\t"_s + Cell(table, 6, 1).toString() + u"\t0\t0"_s);
    QVERIFY(copied->html().contains(u"<td>ArchTemplar (current)</td>"_s));

    const QString maxGoals = Cell(table, 6, 1).toString();
    // The planner's keys work here too: undo takes "Max Goals" back in both windows.
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(total(), u"Goal Cost Total: "_s);
    QCOMPARE(Cell(table, 6, 1).toString(), u"0"_s);
    QCOMPARE(QApplication::activeWindow(), compare);

    QTest::keySequence(table, closeKey);
    QVERIFY(!compare->isVisible());
    QVERIFY(window->isVisible());
    // Left mostly off the screen, as after a switch to a smaller one, it comes back inside.
    compare->move(available.right() - 100, available.bottom() - 50);
    // Closed, it does no work for a change; opened again, it shows the plan as it is then.
    press("cmdMaxGoal");
    QCOMPARE(Cell(table, 6, 1).toString(), u"0"_s);

    // Ctrl+R brings a minimised comparison back, active.
    compare->show();
    compare->showMinimized();
    QVERIFY(ShowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!compare->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(compare));
    QCOMPARE(Cell(table, 6, 1).toString(), maxGoals);
    QVERIFY(available.contains(compare->frameGeometry()));
}

void WindowTest::coloursFollowThePalette_data() {
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("base");
    QTest::newRow("light") << QColor(0xef, 0xef, 0xef) << QColor(Qt::white);
    QTest::newRow("dark") << QColor(0x35, 0x35, 0x35) << QColor(0x2a, 0x2a, 0x2a);
}

// A switch between light and dark after start-up: the cost box takes the new window background,
// and a refused box's border stands out from the box and the window on both.
void WindowTest::coloursFollowThePalette() {
    QFETCH(QColor, background);
    QFETCH(QColor, base);
    clickRow(10);
    type("txtGoal", u"abc"_s);
    press("cmdUpdate");
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, base);
    window->setPalette(palette);

    QLineEdit *cost = box("txtGoalCost");
    QCOMPARE(cost->grab().toImage().pixelColor(cost->width() / 2, 3), background);

    QLineEdit *goal = box("txtGoal");
    const QColor border = goal->grab().toImage().pixelColor(0, goal->height() / 2);
    QVERIFY2(PlannerColours::Contrast(border, base) >= 3.0, qPrintable(border.name()));
    QVERIFY2(PlannerColours::Contrast(border, background) >= 3.0, qPrintable(border.name()));
    // The mark is the frame alone: inside it, nothing covers the typed text, which shows as it
    // would in a box that was not refused (a trailing icon would take most of the box).
    list()->setFocus(); // neither picture with the cursor or the selection
    const QImage marked = goal->grab().toImage();
    control<DetailBox>("txtGoal")->ClearRefusal();
    const QImage plain = goal->grab().toImage();
    QVERIFY(marked != plain);
    const QRect inside = goal->rect().adjusted(2, 2, -2, -2);
    QCOMPARE(marked.copy(inside), plain.copy(inside));
    QCOMPARE(goal->text(), u"abc"_s);
}

namespace {

// Adwaita's colours as Debian's adwaita-qt6 gives them: it draws an item's text in the colour
// group of its window's state, as Fusion does, and greys the text of an inactive window to 3:1.
QPalette AdwaitaColours() {
    QPalette palette(QColor(0x2e, 0x34, 0x36), QColor(0xf6, 0xf5, 0xf4));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor(0x2e, 0x34, 0x36));
    palette.setColor(QPalette::Inactive, QPalette::Base, QColor(0xfc, 0xfc, 0xfc));
    palette.setColor(QPalette::Inactive, QPalette::Text, QColor(0x92, 0x95, 0x95));
    palette.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

// A dark desktop whose inactive text is dimmed as far.
QPalette DarkColours() {
    QPalette palette(QColor(0xee, 0xee, 0xec), QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xec));
    palette.setColor(QPalette::Inactive, QPalette::Text, QColor(0x77, 0x77, 0x77));
    palette.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

class StandInStyle : public QProxyStyle {
public:
    StandInStyle(const QPalette &palette) : QProxyStyle(u"Fusion"_s), m_palette(palette) {}
    QPalette standardPalette() const override { return m_palette; }

private:
    QPalette m_palette;
};

// The least contrast between a row's background (its right end, where no text reaches) and the
// pixel of its text that stands out most, as drawn.
qreal DrawnContrast(QListWidget *list, int row) {
    const QImage drawn = list->viewport()->grab().toImage();
    const QRect rect = list->visualItemRect(list->item(row)) & drawn.rect();
    const QColor background = drawn.pixelColor(rect.right() - 2, rect.center().y());
    qreal most = 1.0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x < rect.right() - 4; ++x) {
            most = std::max(most, PlannerColours::Contrast(drawn.pixelColor(x, y), background));
        }
    }
    return most;
}

} // namespace

void WindowTest::listTextIsReadable_data() {
    QTest::addColumn<QPalette>("palette");
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s));
    QTest::newRow("Fusion") << fusion->standardPalette();
    QTest::newRow("Adwaita") << AdwaitaColours();
    QTest::newRow("dark") << DarkColours();
}

// The list's text, the selected row's too, reads at 4.5:1 on the drawn pixels, whether the
// window is active or another window has the focus.
void WindowTest::listTextIsReadable() {
    QFETCH(QPalette, palette);
    StandInStyle style(palette);
    window->setStyle(&style);
    window->setPalette(palette);
    clickRow(10);
    for (const bool active : {false, true}) {
        if (active) {
            QVERIFY(ShowActive(window.get()));
        } else {
            QApplication::setActiveWindow(nullptr);
        }
        for (const int row : {10, 11}) {
            const qreal contrast = DrawnContrast(list(), row);
            QVERIFY2(contrast >= 4.5, qPrintable(u"row %1, %2: %3:1"_s.arg(row)
                                                     .arg(active ? u"active"_s : u"inactive"_s)
                                                     .arg(contrast, 0, 'f', 1)));
        }
    }
    window->setStyle(nullptr);
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
