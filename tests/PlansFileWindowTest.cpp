// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileSizeLimit.h"
#include "PlannerTestSupport.h"
#include "ui/desktop/ClipboardHandOver.h"
#include "ui/desktop/PlanFiles.h"
#include "ui/planner/Tarrowind_Char_Planner.h"
#include "ui/shared/StatusNote.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <optional>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using Tarrowind_Module::CharacterPlan;

// Saving and opening plans through the planner's menus, with the questions asked on the way and
// at closing; the file dialogs are answered by the test.
class PlansFileWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void plansFile_data();
    void plansFile();

private:
    std::unique_ptr<Tarrowind_Char_Planner> window;
    std::unique_ptr<QTemporaryDir> folder;
};

namespace {

QByteArray Bytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The files each row finds in its folder.
const char *const Fixtures[][2] = {
    {"two.txt", "Plan: A\nRace: Templar\nSword            4    0    10   50     112,523\n"
                "Goal Cost Total: 112,523\n\nPlan: B\nRace: Warrior\nGoal Cost Total:\n"},
    {"remarks.txt", "Plan: A\nRace: Templar\nbought on Monday\nGoal Cost Total:\n"},
    {"cut.txt", "Plan: A\nRace: Templar\nSword 4 0 10 50\n"},
    {"bad.txt", "Plan: A\nRace: Elf\nGoal Cost Total:\n"},
};

} // namespace

void PlansFileWindowTest::init() {
    folder = std::make_unique<QTemporaryDir>();
    for (const auto &[name, text] : Fixtures) {
        Write(folder->filePath(QLatin1String(name)), text);
    }
    QString nine;
    for (int plan = 1; plan <= 9; ++plan) {
        nine += u"Plan: P%1\nRace: Templar\nGoal Cost Total:\n"_s.arg(plan);
    }
    Write(folder->filePath(u"nine.txt"_s), nine.toUtf8());
    ::mkfifo(QFile::encodeName(folder->filePath(u"pipe"_s)).constData(), 0600);
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
}

void PlansFileWindowTest::cleanup() {
    // "Copy Plans and Close" keeps the program going for another program to fetch the plans.
    delete qApp->findChild<ClipboardHandOver *>();
    window.reset();
    folder.reset();
}

void PlansFileWindowTest::plansFile_data() {
    QTest::addColumn<QStringList>("steps");
    // Taken in order by the questions and file dialogs: a button, or "name X" for a dialog
    // (X in the row's folder; no X cancels it).
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("log");     // questions asked and what the steps found
    QTest::addColumn<QStringList>("written"); // files the row writes or replaces

    const QString asked = u"The plan has not been saved or copied since its last change. "_s;
    const QString closing = u" | Save As and Close… | Copy Plan and Close | Close Without Saving"_s
                            u" | Cancel"_s;
    const QString opening = u" | Save | Copy Plan | Open Without Saving | Cancel"_s;
    const QString week1 = u"The changes to week1.txt have not been saved. Save before closing?"_s
                          u" | Save and Close | Copy Plan and Close | Close Without Saving"_s
                          u" | Cancel"_s;
    const QString tooLarge =
        u"Cannot save week1.txt: it could not be written whole; the disk may be full."_s;
    const QString title = u"title Tarrowind Character Planner"_s;
    const QString week1Title = u"title week1.txt – Tarrowind Character Planner"_s;
    const QStringList none;
    const auto row = [](const char *name, const QStringList &steps, const QStringList &answers,
                        const QStringList &log, const QStringList &written) {
        QTest::newRow(name) << steps << answers << log << written;
    };

    // Closing.
    row("no file: Save As and Close", {u"change"_s, u"close"_s}, {u"Save"_s, u"name week1"_s},
        {asked + u"Save before closing?"_s + closing, u"closed"_s}, {u"week1.txt"_s});
    row("no file: the file dialog cancelled", {u"change"_s, u"close"_s, u"note"_s, u"title"_s},
        {u"Save"_s, u"name"_s},
        {asked + u"Save before closing?"_s + closing, u"open"_s, u"note Nothing was saved."_s,
         title + u'*'},
        none);
    row("no file: the save fails", {u"change"_s, u"limit"_s, u"close"_s, u"note"_s},
        {u"Save"_s, u"name week1"_s},
        {asked + u"Save before closing?"_s + closing, u"open"_s, u"note "_s + tooLarge}, none);
    row("kept plans: the question counts those that would be lost",
        {u"change"_s, u"keep"_s, u"copy"_s, u"close"_s}, {u"Escape"_s},
        {u"One plan has not been saved or copied since its last change. Save before closing? | "_s
         u"Save As and Close… | Copy Plans and Close | Close Without Saving | Cancel"_s,
         u"open"_s},
        none);
    row("kept plans: Copy Plans and Close copies them all",
        {u"change"_s, u"keep"_s, u"close"_s, u"note"_s}, {u"Apply"_s},
        {u"2 plans have not been saved or copied since their last change. Save before closing? | "_s
         u"Save As and Close… | Copy Plans and Close | Close Without Saving | Cancel"_s,
         u"closed"_s, u"note 2 plans copied as one text."_s},
        none);
    row("a file: Save and Close saves to it", {u"saveAs"_s, u"change"_s, u"close"_s},
        {u"name week1"_s, u"Save"_s}, {week1, u"closed"_s}, {u"week1.txt"_s});
    row("a file: the save fails and the file stays",
        {u"saveAs"_s, u"change"_s, u"limit"_s, u"close"_s, u"note"_s, u"title"_s},
        {u"name week1"_s, u"Save"_s},
        {week1, u"open"_s, u"note "_s + tooLarge,
         u"title week1.txt* – Tarrowind Character Planner"_s},
        none);
    row("a file: copying is no save", {u"saveAs"_s, u"change"_s, u"copy"_s, u"close"_s},
        {u"name week1"_s, u"Discard"_s}, {week1, u"closed"_s}, none);
    row("saved: no question", {u"change"_s, u"saveAs"_s, u"title"_s, u"close"_s}, {u"name week1"_s},
        {week1Title, u"closed"_s}, {u"week1.txt"_s});

    // Opening.
    row("no file: saved first, then opened", {u"change"_s, u"open"_s, u"plans"_s, u"title"_s},
        {u"Save"_s, u"name week1"_s, u"name two.txt"_s},
        {asked + u"Save before opening a file?"_s + opening, u"plans A, B"_s,
         u"title two.txt – Tarrowind Character Planner"_s},
        {u"week1.txt"_s});
    row("a file: the save fails, nothing opened",
        {u"saveAs"_s, u"change"_s, u"limit"_s, u"open"_s, u"plans"_s}, {u"name week1"_s, u"Save"_s},
        {u"The changes to week1.txt have not been saved. Save before opening a file? | Save | "_s
         u"Copy Plan | Open Without Saving | Cancel"_s,
         u"plans Plan 1"_s},
        none);
    row("opened without saving, undo brings back the plans and the file",
        {u"saveAs"_s, u"change"_s, u"open"_s, u"note"_s, u"undo"_s, u"plans"_s, u"title"_s},
        {u"name week1"_s, u"Discard"_s, u"name two.txt"_s},
        {u"The changes to week1.txt have not been saved. Save before opening a file? | Save | "_s
         u"Copy Plan | Open Without Saving | Cancel"_s,
         u"note Opened two.txt: 2 plans."_s, u"plans Plan 1"_s,
         u"title week1.txt* – Tarrowind Character Planner"_s},
        none);
    row("opening cancelled", {u"change"_s, u"open"_s, u"plans"_s}, {u"Escape"_s},
        {asked + u"Save before opening a file?"_s + opening, u"plans Plan 1"_s}, none);

    // Saving to a file that is there.
    row("week1 given while week1.txt exists, No keeps it",
        {u"saveAs"_s, u"change"_s, u"saveAs"_s, u"note"_s},
        {u"name week1"_s, u"name week1"_s, u"No"_s},
        {u"week1.txt already exists. Replace it? | Replace | No"_s,
         u"note Nothing was saved; week1.txt is as it was."_s},
        none);
    row("changed by another program, Save Plans asks for a name",
        {u"saveAs"_s, u"touch"_s, u"change"_s, u"save"_s, u"note"_s}, {u"name week1"_s, u"name"_s},
        {u"note week1.txt was changed by another program; choose where to save the plans. "_s
         u"Nothing was saved."_s},
        {u"week1.txt"_s});
    row("opened with remarks, Save Plans asks for a name", {u"open"_s, u"save"_s, u"title"_s},
        {u"name remarks.txt"_s, u"name notes"_s},
        {u"title notes.txt – Tarrowind Character Planner"_s}, {u"notes.txt"_s});
    row("opened, changed and saved again without a question",
        {u"open"_s, u"change"_s, u"save"_s, u"note"_s}, {u"name two.txt"_s},
        {u"note 2 plans were saved to two.txt."_s}, {u"two.txt"_s});

    // Files that are refused, the plans as they were.
    for (const auto &[file, reason] :
         {std::pair{"pipe", "it is not a regular file."},
          std::pair{"cut.txt", "the last plan, from line 1, has no \"Goal Cost Total:\" line, so "
                               "the file may have been cut short; pasting its text reads it all "
                               "the same."},
          std::pair{"bad.txt", "the race is not one the planner knows, in line 2: \"Race: Elf\"."},
          std::pair{"nine.txt", "it holds 9 plans, more than the 8 the planner keeps."}}) {
        QTest::newRow(file) << QStringList{u"open"_s, u"note"_s, u"plans"_s}
                            << QStringList{u"name "_s + QLatin1String(file)}
                            << QStringList{u"note Cannot open "_s + QLatin1String(file) + u": "_s +
                                               QLatin1String(reason),
                                           u"plans Plan 1"_s}
                            << none;
    }
}

void PlansFileWindowTest::plansFile() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, log);
    QFETCH(QStringList, written);

    PlanDocument *document = window->document();
    QStringList found;
    const auto next = [&answers, &found]() -> QString {
        if (answers.isEmpty()) {
            found << u"asked once more than answered"_s;
            return {};
        }
        return answers.takeFirst();
    };
    window->findChild<PlanFiles *>()->SetFileNameAsker(
        [&](PlanFiles::Asking, const QString &) -> QString {
            const QString answer = next();
            return answer.size() > 5 ? folder->filePath(answer.mid(5)) : QString();
        });
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!question) {
            return;
        }
        QString asked = question->text();
        for (const auto which : {QMessageBox::Save, QMessageBox::Apply, QMessageBox::Discard,
                                 QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
            if (const QAbstractButton *button = question->button(which)) {
                asked += u" | "_s + QString(button->text()).remove(u'&');
            }
        }
        found << asked;
        const QString answer = next();
        const QMap<QString, QMessageBox::StandardButton> buttons{
            {u"Save"_s, QMessageBox::Save},
            {u"Apply"_s, QMessageBox::Apply},
            {u"Discard"_s, QMessageBox::Discard},
            {u"Yes"_s, QMessageBox::Yes},
            {u"No"_s, QMessageBox::No}};
        if (QAbstractButton *button = question->button(buttons.value(answer))) {
            button->click();
        } else {
            QTest::keyClick(question, Qt::Key_Escape);
        }
    });
    poll.start(10);

    QMap<QString, QByteArray> before;
    const auto snapshot = [&] {
        for (const QString &name : QDir(folder->path()).entryList(QDir::Files)) {
            before[name] = Bytes(folder->filePath(name));
        }
    };
    snapshot();
    std::optional<FileSizeLimit> limit;
    const auto trigger = [this](const char *action) {
        window->findChild<QAction *>(QLatin1String(action))->trigger();
    };
    int changes = 0;
    for (const QString &step : steps) {
        if (step == u"change") {
            QVERIFY(!document->Apply(u"change"_s, [&changes](CharacterPlan &plan) {
                plan.skills[10].Goal = std::int16_t(50 + ++changes);
            }));
        } else if (step == u"keep") {
            QVERIFY(!document->KeepPlan(u"Kept"_s));
        } else if (step == u"copy") {
            trigger("copyPlan");
        } else if (step == u"undo") {
            QVERIFY(!document->Undo());
        } else if (step == u"saveAs" || step == u"save" || step == u"open") {
            trigger(step == u"open"   ? "openPlansAction"
                    : step == u"save" ? "savePlansAction"
                                      : "savePlansAsAction");
            if (&step == &steps.first() && step == u"saveAs") {
                snapshot(); // the file the row starts with
            }
        } else if (step == u"touch") {
            QFile file(folder->filePath(u"week1.txt"_s));
            QVERIFY(file.open(QIODevice::Append));
            file.write("my own remark\n");
        } else if (step == u"limit") {
            limit.emplace(512);
        } else if (step == u"close") {
            found << (window->close() ? u"closed"_s : u"open"_s);
        } else if (step == u"note") {
            found << u"note "_s + window->statusNote()->note();
        } else if (step == u"title") {
            found << u"title "_s + window->windowHandle()->title();
        } else if (step == u"plans") {
            QStringList names;
            for (const NamedPlan &plan : document->plans()) {
                names << plan.name;
            }
            found << u"plans "_s + names.join(u", "_s);
        }
    }
    limit.reset();
    QCOMPARE(found, log);
    QVERIFY2(answers.isEmpty(), qPrintable(answers.join(u", "_s)));
    // The files written and no other, and none left behind by a save.
    QStringList changed;
    for (const QString &name : QDir(folder->path()).entryList(QDir::Files | QDir::Hidden)) {
        if (name != u"pipe" &&
            (!before.contains(name) || Bytes(folder->filePath(name)) != before[name])) {
            changed << name;
        }
    }
    QCOMPARE(changed, written);
}

QTEST_MAIN(PlansFileWindowTest)
#include "PlansFileWindowTest.moc"
