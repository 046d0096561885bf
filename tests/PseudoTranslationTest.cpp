// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlannerTestSupport.h"
#include "rules/Tarrowind_Module.h"
#include "text/GameNames.h"
#include "ui/planner/Tarrowind_Char_Planner.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr QChar Open(0x00AB);  // «
constexpr QChar Close(0x00BB); // »

// Gives every text it is asked for back between « and », so that a text shown without the mark
// never went through a translation. %1, %n and the & of a mnemonic stay as they are.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override {
        if (!sourceText || !*sourceText) {
            return {};
        }
        return Open + QString::fromUtf8(sourceText) + Close;
    }
    bool isEmpty() const override { return false; }
};

// The game's names, longest first, so that "ArchTemplar" goes before "Templar" is looked for.
QStringList GameNameList() {
    QStringList names;
    for (Tarrowind_Module::SkillNumber s = 0; s < Tarrowind_Module::SkillCount; ++s) {
        names << GameNames::Skill(s);
    }
    for (Tarrowind_Module::RaceNumber r = 0; r < Tarrowind_Module::RaceCount; ++r) {
        names << GameNames::Race(r);
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return names;
}

// What of a text went through no translation: the text without its marked parts and without the
// game's names. Numbers, blanks and punctuation are no words; any letter left is.
QString Untranslated(const QString &text) {
    QString rest;
    int depth = 0;
    for (const QChar c : text) {
        if (c == Open) {
            ++depth;
        } else if (c == Close && depth > 0) {
            --depth;
        } else if (depth == 0) {
            rest += c;
        }
    }
    static const QStringList names = GameNameList();
    for (const QString &name : names) {
        rest.remove(name);
    }
    const bool hasWord =
        std::any_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetter(); });
    return hasWord ? rest.simplified() : QString();
}

// Every text of a window that a user reads or hears, with where it is, for those that carry a
// word without the mark.
class TextWalk {
public:
    void Check(const QString &where, const QString &text) {
        const QString rest = Untranslated(text);
        if (!rest.isEmpty()) {
            m_found << where + u": \""_s + text + u"\" (unmarked: "_s + rest + u')';
        }
    }

    void Actions(const QString &where, const QList<QAction *> &actions) {
        for (const QAction *action : actions) {
            if (action->isSeparator()) {
                continue;
            }
            const QString at = where + u" action "_s + action->objectName();
            Check(at + u" text"_s, action->text());
            Check(at + u" toolTip"_s, action->toolTip());
            Check(at + u" statusTip"_s, action->statusTip());
        }
    }

    void Model(const QString &where, const QAbstractItemModel *model) {
        static const int roles[] = {Qt::DisplayRole,        Qt::ToolTipRole,
                                    Qt::StatusTipRole,      Qt::WhatsThisRole,
                                    Qt::AccessibleTextRole, Qt::AccessibleDescriptionRole};
        for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            const int sections =
                orientation == Qt::Horizontal ? model->columnCount() : model->rowCount();
            for (int section = 0; section < sections; ++section) {
                for (const int role : roles) {
                    Check(where + u" header %1"_s.arg(section),
                          model->headerData(section, orientation, role).toString());
                }
            }
        }
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                for (const int role : roles) {
                    Check(where + u" cell %1,%2"_s.arg(row).arg(column),
                          model->data(index, role).toString());
                }
            }
        }
    }

    void Widget(QWidget *widget) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        // A notification speaks while it stays hidden.
        const bool speaks = accessible && accessible->role() == QAccessible::Notification;
        if (!widget->isVisible() && !speaks) {
            return;
        }
        const QString where =
            QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
        if (widget->isWindow()) {
            Check(where + u" title"_s, widget->windowTitle());
        }
        Check(where + u" toolTip"_s, widget->toolTip());
        Check(where + u" statusTip"_s, widget->statusTip());
        Check(where + u" whatsThis"_s, widget->whatsThis());
        if (accessible) {
            Check(where + u" accessible name"_s, accessible->text(QAccessible::Name));
            Check(where + u" accessible description"_s, accessible->text(QAccessible::Description));
        }
        if (const auto *label = qobject_cast<QLabel *>(widget)) {
            Check(where + u" text"_s, label->text());
        } else if (const auto *button = qobject_cast<QAbstractButton *>(widget)) {
            Check(where + u" text"_s, button->text());
        } else if (const auto *group = qobject_cast<QGroupBox *>(widget)) {
            Check(where + u" title"_s, group->title());
        } else if (const auto *box = qobject_cast<QLineEdit *>(widget)) {
            Check(where + u" placeholder"_s, box->placeholderText());
        } else if (const auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                Check(where + u" entry %1"_s.arg(i), combo->itemText(i));
            }
        }
        if (const auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
            Model(where, view->model());
        }
        Actions(where, widget->actions());
    }

    // Every window that is open, with its controls, menus and messages.
    void Windows() {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) {
                continue;
            }
            Widget(top);
            for (QWidget *child : top->findChildren<QWidget *>()) {
                Widget(child);
            }
        }
    }

    QStringList found() const {
        QStringList found = m_found;
        found.removeDuplicates();
        return found;
    }

private:
    QStringList m_found;
};

} // namespace

// Under a translator that marks every text, every text of the planner and its windows carries
// the mark: a text without it never reaches a translation and would stay English in any
// language. The game's names and numbers need none.
class PseudoTranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void everyTextIsTranslated_data();
    void everyTextIsTranslated();

private:
    QLineEdit *Box(const char *name) const { return FindControl<QLineEdit>(window.get(), name); }
    QAction *Action(const char *name) const { return FindControl<QAction>(window.get(), name); }
    void Type(const char *name, const QString &text) const;

    MarkingTranslator translator;
    std::unique_ptr<Tarrowind_Char_Planner> window;
};

void PseudoTranslationTest::initTestCase() {
    QVERIFY(QCoreApplication::installTranslator(&translator));
}

void PseudoTranslationTest::init() {
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
}

void PseudoTranslationTest::cleanup() {
    QToolTip::hideText();
    window.reset();
}

void PseudoTranslationTest::Type(const char *name, const QString &text) const {
    QLineEdit *box = Box(name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void PseudoTranslationTest::everyTextIsTranslated_data() {
    QTest::addColumn<QString>("scenario");
    QTest::newRow("the planner as it opens") << u"opened"_s;
    QTest::newRow("a change, undone") << u"undone"_s;
    QTest::newRow("the list's menu") << u"menu"_s;
    QTest::newRow("every menu entry taken") << u"entries"_s;
    QTest::newRow("a box refused") << u"refused box"_s;
    QTest::newRow("a change refused") << u"refused change"_s;
    QTest::newRow("a paste refused") << u"refused paste"_s;
    QTest::newRow("the closing question") << u"closing"_s;
}

void PseudoTranslationTest::everyTextIsTranslated() {
    QFETCH(QString, scenario);
    TextWalk walk;
    if (scenario == u"undone"_s) {
        FindControl<QAbstractButton>(window.get(), "cmdMaxGoal")->click();
        walk.Windows();
        Action("undoAction")->trigger();
    } else if (scenario == u"menu"_s) {
        QMenu *menu = window->listMenu();
        menu->popup(window->mapToGlobal(QPoint(8, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        walk.Actions(u"list menu"_s, menu->actions());
    } else if (scenario == u"entries"_s) {
        // Copying and pasting leave their notes; the others open the companion windows, on a
        // plan with goals to compare and to optimise.
        FindControl<QAbstractButton>(window.get(), "cmdMaxGoal")->click();
        for (QAction *entry : window->listMenu()->actions()) {
            if (!entry->isSeparator() && entry->isEnabled()) {
                entry->trigger();
                walk.Windows();
            }
        }
    } else if (scenario == u"refused box"_s) {
        Type("txtBase", u"abc"_s);
        FindControl<QAbstractButton>(window.get(), "cmdUpdate")->click();
    } else if (scenario == u"refused change"_s) {
        Type("txtEQ", u"32767"_s);
        FindControl<QAbstractButton>(window.get(), "cmdUpdate")->click();
    } else if (scenario == u"refused paste"_s) {
        QGuiApplication::clipboard()->setText(u"Sword 1 2"_s);
        Action("pastePlan")->trigger();
        walk.Windows();
        QGuiApplication::clipboard()->clear();
        Action("pastePlan")->trigger();
    } else if (scenario == u"closing"_s) {
        FindControl<QAbstractButton>(window.get(), "cmdMaxGoal")->click();
        bool asked = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!question || !question->isVisible()) {
                return;
            }
            poll.stop();
            asked = true;
            walk.Windows();
            question->button(QMessageBox::Cancel)->click();
        });
        poll.start(10);
        QVERIFY(!window->close());
        QVERIFY(asked);
    }
    walk.Windows();
    QVERIFY2(walk.found().isEmpty(), qPrintable(walk.found().join(u"\n"_s)));
    if (scenario == u"entries"_s) {
        // A copied plan reads the same in every language, so that it pastes in any other.
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->text().startsWith(u"Race: ArchTemplar\nSkill Name  "_s));
        QVERIFY(!copied->text().contains(Open));
        QVERIFY(!copied->html().contains(Open));
    }
}

QTEST_MAIN(PseudoTranslationTest)
#include "PseudoTranslationTest.moc"
