// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlannerTestSupport.h"
#include "rules/Tarrowind_Module.h"
#include "text/NumberText.h"
#include "text/SkillRow.h"
#include "ui/desktop/AppIdentity.h"
#include "ui/desktop/PlannerFonts.h"
#include "ui/planner/Tarrowind_Char_Planner.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

using namespace Tarrowind_Module;

// Families and how far each of their characters advances, in pixels.
using FaceAdvances = QMap<QString, qreal>;

// The planner as the desktop meets it: its icon, what a screen reader hears, a whole plan made
// with the keyboard alone, and the window at the scale factor of the environment
// (QT_SCALE_FACTOR, which Qt reads only when the application starts).
class DesktopUseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowIconAtEveryInstalledSize();
    void everyControlIsNamedForScreenReaders();
    void keyboardOnlyPlan();
    void screenReaderHearsEveryChange();
    void scaledWindow_data();
    void scaledWindow();
    void fixedPitchFace_data();
    void fixedPitchFace();

private:
    template <typename T> T *control(const char *name) const {
        return FindControl<T>(window.get(), name);
    }

    std::unique_ptr<Tarrowind_Char_Planner> window;
};

namespace {

QString AccessibleText(QObject *object, QAccessible::Text text) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(text) : QString();
}

// What a screen reader would be told at once: the text of every notification shown, and the name
// of every row or cell reported as focused.
QStringList *spoken = nullptr;
QStringList *focusedItems = nullptr;

void RecordSpoken(QAccessibleEvent *event) {
    if (spoken && event->type() == QAccessible::ObjectShow) {
        QAccessibleInterface *accessible = event->accessibleInterface();
        if (accessible && accessible->role() == QAccessible::Notification) {
            spoken->append(accessible->text(QAccessible::Name));
        }
    }
    if (focusedItems && event->type() == QAccessible::Focus && event->child() >= 0) {
        if (QAccessibleInterface *item = event->accessibleInterface()) {
            focusedItems->append(item->text(QAccessible::Name));
        }
    }
}

// Where each word of a line of fixed-pitch text in `area` has its first ink: `offsets[i]` is the
// x of that ink in the picture less `column * advance` for the i-th word, so the offsets of all
// words are equal, give or take their glyphs' bearings, when every character has its own cell.
// Ink is any pixel clearly unlike the most common colour of `area`.
struct WordInk {
    QList<int> columns;
    QList<double> offsets;
};

WordInk FindWordInk(const QImage &image, const QRect &area, const QString &text, double advance) {
    QHash<QRgb, int> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++colours[image.pixel(x, y)];
        }
    }
    const QRgb background =
        std::max_element(colours.keyValueBegin(), colours.keyValueEnd(),
                         [](const auto &a, const auto &b) { return a.second < b.second; })
            ->first;
    QList<bool> inked;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool any = false;
        for (int y = area.top(); y <= area.bottom() && !any; ++y) {
            any = std::abs(qGray(image.pixel(x, y)) - qGray(background)) > 64;
        }
        inked.append(any);
    }

    // A space leaves a gap of a whole cell; the gaps inside a word are far narrower.
    const int wordGap = qRound(advance * 0.6);
    QList<int> starts;
    int lastInk = -wordGap - 1;
    for (int i = 0; i < inked.size(); ++i) {
        if (inked[i]) {
            if (i - lastInk > wordGap) {
                starts.append(area.left() + i);
            }
            lastInk = i;
        }
    }

    WordInk words;
    for (qsizetype c = 0; c < text.size(); ++c) {
        if (text[c] != QLatin1Char(' ') && (c == 0 || text[c - 1] == QLatin1Char(' '))) {
            words.columns.append(int(c));
        }
    }
    if (starts.size() != words.columns.size()) {
        qWarning("found %d words of ink for the %d words of \"%s\"", int(starts.size()),
                 int(words.columns.size()), qPrintable(text));
        return {};
    }
    for (qsizetype i = 0; i < starts.size(); ++i) {
        words.offsets.append(starts[i] - words.columns[i] * advance);
    }
    return words;
}

double Median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Spread(const QList<double> &values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return *high - *low;
}

} // namespace

void DesktopUseTest::init() {
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
}

void DesktopUseTest::cleanup() {
    window.reset();
}

void DesktopUseTest::windowIconAtEveryInstalledSize() {
    QCOMPARE(AppIdentity::DesktopFileName(), QStringLiteral("org.tarrowind.CharacterPlanner"));
    const QIcon icon = AppIdentity::WindowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
    // Drawn, not blank: the middle of the shield is opaque.
    const QImage image = icon.pixmap(QSize(48, 48), 1.0).toImage();
    QCOMPARE(image.size(), QSize(48, 48));
    QCOMPARE(qAlpha(image.pixel(24, 24)), 255);
}

void DesktopUseTest::everyControlIsNamedForScreenReaders() {
    // The boxes are announced by what they hold, not as "edit".
    const std::pair<const char *, const char *> boxNames[] = {
        {"txtBase", "Base Skill Level"},
        {"txtEQ", "Bonus from Equipment"},
        {"txtGoal", "Goal Skill Level"},
        {"txtGoalCost", "Experience to Goal"}};
    for (const auto &[box, name] : boxNames) {
        QCOMPARE(AccessibleText(control<QLineEdit>(box), QAccessible::Name),
                 QString::fromLatin1(name));
    }

    // Qt would name the race box after its entry alone.
    QCOMPARE(AccessibleText(control<QComboBox>("cmbRace"), QAccessible::Name),
             QStringLiteral("Race: ArchTemplar"));
    QCOMPARE(QAccessible::queryAccessibleInterface(control<QFrame>("Line1"))->role(),
             QAccessible::Separator);
    QVERIFY(QAccessible::queryAccessibleInterface(control<QPushButton>("cmdUpdate"))
                ->state()
                .defaultButton);
    QCOMPARE(AccessibleText(control<QLineEdit>("txtGoal"), QAccessible::Description),
             QStringLiteral("The base level Braveness should reach; Enter stores it within what "
                            "the race allows"));
    QAccessibleInterface *rows =
        QAccessible::queryAccessibleInterface(control<QListWidget>("lstSkills"));
    QCOMPARE(rows->child(10)->text(QAccessible::Name),
             QStringLiteral("Sword: base 4, equipment 0, modded 10, goal 4, cost 0"));
    QCOMPARE(control<QListWidget>("lstSkills")->item(10)->text(),
             QStringLiteral("Sword            4    0    10   4     "));

    for (QWidget *widget :
         window->clientArea()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (widget->objectName() == QStringLiteral("Line1")) {
            continue; // a rule between rows holds nothing to announce
        }
        const QString name = AccessibleText(widget, QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(!name.contains(u'&'), qPrintable(name)); // the mark of an Alt key is not read
        if (!widget->toolTip().isEmpty()) {
            QVERIFY2(!AccessibleText(widget, QAccessible::Description).isEmpty(),
                     qPrintable(widget->objectName()));
        }
    }
}

// Keys only, as a user without a mouse would: no mouse event is sent.
void DesktopUseTest::keyboardOnlyPlan() {
    auto *race = control<QComboBox>("cmbRace");
    auto *list = control<QListWidget>("lstSkills");
    auto *goal = control<QLineEdit>("txtGoal");
    const auto focus = [] {
        return QApplication::focusWidget();
    };

    QCOMPARE(focus(), control<QPushButton>("cmdUpdate"));
    QTest::keyClick(focus(), Qt::Key_Tab);
    QCOMPARE(focus(), race);
    // Arrow keys on the closed race box choose the entries one after another.
    for (int press = 0; press < RaceCount && race->currentText() != QStringLiteral("Seyan'Du");
         ++press) {
        QTest::keyClick(race, Qt::Key_Down);
    }
    QCOMPARE(race->currentText(), QStringLiteral("Seyan'Du"));
    QCOMPARE(window->document()->plan().race, RaceFromName("Seyan'Du"));
    QCOMPARE(AccessibleText(race, QAccessible::Name), QStringLiteral("Race: Seyan'Du"));
    QCOMPARE(AccessibleText(race, QAccessible::Value), QStringLiteral("Seyan'Du"));

    QTest::keyClick(focus(), Qt::Key_Tab);
    QCOMPARE(focus(), list);
    for (int press = 0; press < SkillCount && !list->currentItem()->text().startsWith(u"Dagger"_s);
         ++press) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    QVERIFY(list->currentItem()->text().startsWith(u"Dagger"_s));
    QAccessibleInterface *current = QAccessible::queryAccessibleInterface(list)->focusChild();
    QVERIFY(current);
    QCOMPARE(current->text(QAccessible::Name),
             QStringLiteral("Dagger: base 4, equipment 0, modded 10, goal 4, cost 0"));

    // The read-only cost box comes first in the tab order, then the goal box.
    QTest::keyClick(focus(), Qt::Key_Tab);
    QCOMPARE(focus(), control<QLineEdit>("txtGoalCost"));
    QTest::keyClick(focus(), Qt::Key_Tab);
    QCOMPARE(focus(), goal);
    QTest::keyClicks(focus(),
                     QStringLiteral("50")); // Tab selected the old text; typing replaces it
    QCOMPARE(goal->text(), QStringLiteral("50"));
    QTest::keyClick(focus(), Qt::Key_Return);

    // The same plan made directly: Seyan'Du, skills reset, Dagger's goal 50.
    const SkillNumber dagger = 9;
    CharacterPlan expected;
    expected.race = RaceFromName("Seyan'Du");
    expected.ResetSkills();
    expected.skills[dagger].Goal = 50;
    expected.selected = dagger;
    expected.Recalculate();
    std::int32_t total = 0;
    expected.GoalTotal(total);
    const SkillPlanEntry &entry = expected.skills[dagger];

    QVERIFY(window->document()->plan() == expected);
    QVERIFY(entry.GoalCost > 0);
    QCOMPARE(list->currentRow(), int(dagger));
    QCOMPARE(list->item(dagger)->text(), SkillRowText(QStringLiteral("Dagger"), entry));
    QCOMPARE(control<QLabel>("lblGoalTotal")->text(),
             QStringLiteral("Goal Cost Total: ") + NumberText::GroupedText(total));
    const QStringList boxes{control<QLabel>("lblName")->text(),
                            control<QLineEdit>("txtBase")->text(),
                            control<QLineEdit>("txtEQ")->text(),
                            control<QLabel>("lblMod")->text(),
                            goal->text(),
                            control<QLineEdit>("txtGoalCost")->text()};
    QCOMPARE(boxes, (QStringList{u"Dagger"_s, NumberText::PlainText(entry.Base), u"0"_s,
                                 NumberText::PlainText(entry.Mod), u"50"_s,
                                 NumberText::PlainText(entry.GoalCost)}));
    QCOMPARE(focus(), goal);
}

// Each change of the plan is told at once with the new total, and a refusal with its reason,
// while the focus stays where it is. Qt sends accessibility events only where a screen reader
// can listen: ctest runs this on the accessibility bus of a private X server
// (tests/a11y/on-a11y-bus.sh), where the events are caught here before they reach the bus.
void DesktopUseTest::screenReaderHearsEveryChange() {
    if (qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        QSKIP("needs the accessibility bus: ctest -R DesktopUseTest.screenReader");
    }
    QTRY_VERIFY(QAccessible::isActive());
    QStringList heard;
    QStringList focusedRows;
    spoken = &heard;
    focusedItems = &focusedRows;
    QAccessible::installUpdateHandler(RecordSpoken);
    const auto restore = qScopeGuard([] {
        QAccessible::installUpdateHandler(nullptr);
        spoken = nullptr;
        focusedItems = nullptr;
    });
    const auto focus = [] {
        return QApplication::focusWidget();
    };
    auto *race = control<QComboBox>("cmbRace");
    auto *list = control<QListWidget>("lstSkills");
    auto *goal = control<QLineEdit>("txtGoal");

    race->setFocus();
    QTest::keyClick(race, Qt::Key_Down); // to Seyan'Du
    QCOMPARE(heard, QStringList{u"Race: Seyan'Du. Braveness: base 10, equipment 0, modded 10, "
                                u"goal 10, cost 0. Goal Cost Total: 0"_s});

    heard.clear();
    list->setFocus(); // entering the list reads its current row
    QTRY_COMPARE(focusedRows.value(0), u"Braveness: base 10, equipment 0, modded 10, goal 10, "
                                       u"cost 0"_s);
    for (int press = 0; press < 10; ++press) {
        QTest::keyClick(list, Qt::Key_Down); // to Sword; choosing a row changes no plan
    }
    goal->setFocus();
    QTest::keyClick(goal, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(goal, u"50"_s);
    QTest::keyClick(goal, Qt::Key_Return);
    QCOMPARE(heard, QStringList{u"Sword: base 4, equipment 0, modded 10, goal 50, cost 225,067. "
                                u"Goal Cost Total: 225,067"_s});

    heard.clear();
    QTest::keyClick(goal, Qt::Key_Return); // nothing changes, nothing is said
    QCOMPARE(heard, QStringList());

    QTest::keyClick(goal, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(goal, u"abc"_s);
    QTest::keyClick(goal, Qt::Key_Return);
    QCOMPARE(heard,
             QStringList{u"Goal level: \"abc\" is not a whole number from -32768 to 32767."_s});
    QCOMPARE(focus(), goal);

    heard.clear();
    QTest::mouseClick(control<QPushButton>("cmdMaxGoal"), Qt::LeftButton);
    QCOMPARE(heard, QStringList{u"Sword: base 4, equipment 0, modded 10, goal 90, cost 2,405,959. "
                                u"Goal Cost Total: 96,235,670"_s});

    // Undo says which step it took back. It brings back Sword's row as the current one, without
    // telling that the focus went to the list, which it did not.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down); // to Two Handed
    goal->setFocus();
    heard.clear();
    focusedRows.clear();
    QTest::keyClick(goal, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(heard, QStringList{u"Undone: Max Goals. Sword: base 4, equipment 0, modded 10, goal "
                                u"50, cost 225,067. Goal Cost Total: 225,067"_s});
    QCOMPARE(focusedRows, QStringList());

    // A typed cost is said once the typing pauses, not at every key.
    heard.clear();
    QTest::keyClick(goal, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(goal, u"60"_s);
    QCOMPARE(heard, QStringList());
    QTRY_COMPARE(heard, QStringList{u"Experience to Goal: 469,903"_s}); // Sword, 4 to 60

    // "Compare Races" opens on the plan's race and reads it.
    focusedRows.clear();
    QTest::keyClick(goal, Qt::Key_R, Qt::ControlModifier);
    QTRY_COMPARE(focusedRows.value(0), u"Seyan'Du (current)"_s);
}

void DesktopUseTest::scaledWindow_data() {
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("left to right") << Qt::LeftToRight;
    // -reverse: the list and its header keep their columns.
    QTest::newRow("right to left") << Qt::RightToLeft;
}

void DesktopUseTest::scaledWindow() {
    QFETCH(Qt::LayoutDirection, direction);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    QGuiApplication::setLayoutDirection(direction);
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(window->devicePixelRatio(), scale);
    // The client area, between the menu bar and the status bar, holds the controls.
    const QPixmap picture = window->clientArea()->grab();
    QCOMPARE(picture.size(), QSize(qRound(426 * scale), qRound(360 * scale)));

    // Fonts scale with the window, so every text still fits its control in window units.
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const QFontMetricsF metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) + std::max(label->indent(), 0) <=
                     label->contentsRect().width(),
                 qPrintable(label->objectName()));
        QVERIFY2(metrics.height() <= label->contentsRect().height(),
                 qPrintable(label->objectName()));
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const QString caption = QString(button->text()).remove(u'&'); // "&" marks the Alt key
        QVERIFY2(QFontMetricsF(button->font()).horizontalAdvance(caption) <=
                     button->width() - 2 * margin,
                 qPrintable(button->objectName()));
    }

    // In the picture, each word of the header begins in the same character cell as the rows'
    // characters below it: "Base" over character 18, and so on.
    const QImage image = picture.toImage();
    const double advance = 8 * scale;
    const auto toPicture = [scale](const QRect &rect) {
        return QRectF(rect.x() * scale, rect.y() * scale, rect.width() * scale,
                      rect.height() * scale)
            .toAlignedRect()
            .adjusted(0, 1, 0, -1); // clear of the neighbouring rows' pixels
    };
    auto *header = control<QLabel>("Label1");
    const WordInk headerInk =
        FindWordInk(image, toPicture(header->geometry()), header->text(), advance);
    QCOMPARE(headerInk.columns, (QList<int>{0, 6, 18, 23, 28, 33, 39, 44}));
    QVERIFY2(Spread(headerInk.offsets) <= advance / 4, "the header drifts off its cells");

    auto *list = control<QListWidget>("lstSkills");
    for (int row = 1; row <= 4; ++row) {
        QRect rect = list->visualItemRect(list->item(row));
        rect.moveTopLeft(list->viewport()->mapTo(window->clientArea(), rect.topLeft()));
        const WordInk rowInk =
            FindWordInk(image, toPicture(rect), list->item(row)->text(), advance);
        QVERIFY2(!rowInk.offsets.isEmpty(), qPrintable(list->item(row)->text()));
        QVERIFY2(Spread(rowInk.offsets) <= advance / 4, "a row drifts off its cells");
        QVERIFY2(std::abs(Median(rowInk.offsets) - Median(headerInk.offsets)) <= scale / 2,
                 qPrintable(QStringLiteral("header cells %1 px off those of row %2")
                                .arg(Median(headerInk.offsets) - Median(rowInk.offsets))
                                .arg(row)));
    }

    // "Compare Races" stays on the screen, and every cell can be reached.
    window->findChild<QAction *>(u"compareRacesAction"_s)->trigger();
    auto *compare = FindControl<QWidget>(window.get(), "compareRaces");
    QVERIFY(QTest::qWaitForWindowExposed(compare));
    QVERIFY(window->screen()->availableGeometry().contains(compare->frameGeometry()));
    auto *table = FindControl<QTableView>(compare, "raceTable");
    QVERIFY(table->horizontalScrollBar()->maximum() + table->viewport()->width() >=
            table->horizontalHeader()->length());
    QVERIFY(table->verticalScrollBar()->maximum() + table->viewport()->height() >=
            table->verticalHeader()->length());
}

void DesktopUseTest::fixedPitchFace_data() {
    QTest::addColumn<QStringList>("installed");
    // The families whose every character advances this far; any other draws proportionally.
    QTest::addColumn<FaceAdvances>("monospaced");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<qreal>("spacing");

    const FaceAdvances generic{{u"monospace"_s, 7.8125}};
    QTest::newRow("no fixed-pitch family") << QStringList{u"DejaVu Sans"_s, u"Liberation Sans"_s}
                                           << generic << u"monospace"_s << 0.1875;
    QTest::newRow("no family at all") << QStringList() << generic << u"monospace"_s << 0.1875;
    // The generic face is Noto Sans Mono where it is installed: it draws every character alike,
    // but its fontconfig entry has no spacing, so QFontInfo calls it proportional.
    QTest::newRow("monospaced by its advances alone")
        << QStringList{u"Noto Sans Mono"_s} << FaceAdvances{{u"monospace"_s, 7.796875}}
        << u"monospace"_s << 0.203125;
    // Courier New stands first, but here a proportional face stands in for it.
    QTest::newRow("the first chosen family that draws fixed-pitch")
        << QStringList{u"DejaVu Sans Mono"_s, u"Courier New"_s, u"Liberation Mono"_s}
        << FaceAdvances{{u"DejaVu Sans Mono"_s, 7.8125}, {u"Liberation Mono"_s, 7.796875}}
        << u"Liberation Mono"_s << 0.203125;
}

// The list and its header get the first candidate that draws every character alike, whatever the
// face says of itself, and a correction of its spacing only as small as the difference between
// faces that are metric-compatible. The faces are described to the choice, not read from the
// machine, so that the answer does not depend on the fonts installed.
void DesktopUseTest::fixedPitchFace() {
    QFETCH(QStringList, installed);
    QFETCH(FaceAdvances, monospaced);
    QFETCH(QString, chosen);
    QFETCH(qreal, spacing);
    const auto describe = [&monospaced](const QFont &font) {
        const QString family = font.families().value(0, font.family());
        const qsizetype count = PlannerFonts::PitchSample.size();
        if (const auto face = monospaced.constFind(family); face != monospaced.constEnd()) {
            return PlannerFonts::Advances(count, *face);
        }
        PlannerFonts::Advances proportional(count, 7.0);
        proportional[count - 1] = 3.5; // the blank
        return proportional;
    };
    for (bool bold : {false, true}) {
        const QFont font = PlannerFonts::FixedPitch(bold, installed, describe);
        QCOMPARE(font.families().value(0, font.family()), chosen);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.letterSpacing(), spacing);
    }
}

QTEST_MAIN(DesktopUseTest)
#include "DesktopUseTest.moc"
