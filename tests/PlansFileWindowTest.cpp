// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileSizeLimit.h"
#include "PlannerTestSupport.h"
#include "ui/desktop/ClipboardHandOver.h"
#include "ui/desktop/PlanFiles.h"
#include "ui/planner/Tarrowind_Char_Planner.h"
#include "ui/shared/StatusNote.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using Tarrowind_Module::CharacterPlan;

// Saving and opening plans through the planner's menus, with the questions asked on the way and
// at closing; the test answers the file dialogs.
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

void PlansFileWindowTest::init() {
    folder = std::make_unique<QTemporaryDir>();
    for (const auto &[name, text] :
         {std::pair{u"two.txt"_s, u"Plan: A\nRace: Templar\nSword            4    0    10   50   "_s
                                  u"  112,523\nGoal Cost Total: 112,523\n\nPlan: B\nRace: "_s
                                  u"Warrior\nGoal Cost Total:\n"_s},
          {u"cut.txt"_s, u"Plan: A\nRace: Templar\nSword 4 0 10 50\n"_s},
          {u"remarks.txt"_s, u"Plan: A\nRace: Templar\nbought on Monday\nGoal Cost Total:\n"_s}}) {
        QFile file(folder->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0);
    }
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
    QTest::addColumn<QString>("steps");
    // Taken in order by the questions and file dialogs: a button, or "name X" for a dialog
    // (X in the row's folder; "name" alone cancels it).
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QStringList>("log"); // the questions asked and what the steps found

    const auto row = [](const char *name, const char *steps, const char *answers,
                        const QStringList &log) {
        QTest::newRow(name) << QString::fromUtf8(steps) << QString::fromUtf8(answers) << log;
    };
    const QString one = u"The plan has not been saved or copied since its last change."_s;
    const QString week1 = u"The changes to week1.txt have not been saved."_s;
    const QString closing = u" Save before closing? | Save As and Close… | Copy Plan and Close | "_s
                            u"Close Without Saving | Cancel"_s;
    const QString closingFile = u" Save before closing? | Save and Close | Copy Plan and Close | "_s
                                u"Close Without Saving | Cancel"_s;
    const QString opening =
        u" Save before opening a file? | Save | Copy Plan | Open Without Saving | Cancel"_s;
    const QString kept = u"One plan has not been saved or copied since its last change. Save "_s
                         u"before closing? | Save As and Close… | Copy Plans and Close | Close "_s
                         u"Without Saving | Cancel"_s;
    const QString failed =
        u"note Cannot save week1.txt: it could not be written whole; the disk may be full."_s;
    const QString week1Title = u"title week1.txt – Tarrowind Character Planner"_s;

    row("no file: Save As and Close", "change close title", "Save, name week1",
        {one + closing, u"closed"_s, week1Title});
    row("no file: the file dialog cancelled", "change close note title", "Save, name",
        {one + closing, u"open"_s, u"note Nothing was saved."_s,
         u"title Tarrowind Character Planner*"_s});
    // The kept plan would be lost, the copied one not; then both are copied as one text.
    row("kept plans", "change keep copy close close note", "Escape, Apply",
        {kept, u"open"_s, kept, u"closed"_s, u"note Plans copied: “Plan 1”, “Kept”."_s});
    row("a file: Save and Close saves to it", "saveAs change close note", "name week1, Save",
        {week1 + closingFile, u"closed"_s, u"note The plan was saved to week1.txt."_s});
    // Copying is no save while the plans have a file.
    row("a file: the save fails, the window stays", "saveAs change copy limit close note title",
        "name week1, Save",
        {week1 + closingFile, u"open"_s, failed,
         u"title week1.txt* – Tarrowind Character Planner"_s});
    row("no file: saved first, then opened", "change open plans title",
        "Save, name week1, name two.txt",
        {one + opening, u"plans A, B"_s, u"title two.txt – Tarrowind Character Planner"_s});
    row("a file: the save fails, nothing opened", "saveAs change limit open plans",
        "name week1, Save", {week1 + opening, u"plans Plan 1"_s});
    row("opened without saving, undo brings back the plans and the file",
        "saveAs change open note undo plans title", "name week1, Discard, name two.txt",
        {week1 + opening, u"note Opened two.txt: 2 plans."_s, u"plans Plan 1"_s,
         u"title week1.txt* – Tarrowind Character Planner"_s});
    row("week1 given while week1.txt exists, No keeps it", "saveAs change saveAs note",
        "name week1, name week1, No",
        {u"week1.txt already exists. Replace it? | Replace | No"_s,
         u"note Nothing was saved; week1.txt is as it was."_s});
    row("changed by another program, Save Plans asks for a name", "saveAs touch change save note",
        "name week1, name",
        {u"note week1.txt was changed by another program; choose where to save the plans. "_s
         u"Nothing was saved."_s});
    row("opened with remarks, Save Plans asks for a name", "open save title",
        "name remarks.txt, name notes", {u"title notes.txt – Tarrowind Character Planner"_s});
    row("opened, changed and saved again without a question", "open change save note",
        "name two.txt", {u"note 2 plans were saved to two.txt."_s});
    row("a file cut short", "open note plans", "name cut.txt",
        {u"note Cannot open cut.txt: the last plan, from line 1, has no \"Goal Cost Total:\" "_s
         u"line, so the file may have been cut short; pasting its text reads it all the same."_s,
         u"plans Plan 1"_s});
}

void PlansFileWindowTest::plansFile() {
    QFETCH(QString, steps);
    QFETCH(QString, answers);
    QFETCH(QStringList, log);
    PlanDocument *document = window->document();
    QStringList answered = answers.split(u", "_s);
    QStringList found;
    const auto next = [&] {
        return answered.isEmpty() ? QString() : answered.takeFirst();
    };
    window->findChild<PlanFiles *>()->SetFileNameAsker([&](PlanFiles::Asking, const QString &) {
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
        QAbstractButton *chosen = nullptr;
        const QString answer = next();
        for (const auto &[which, name] : {std::pair{QMessageBox::Save, u"Save"},
                                          {QMessageBox::Apply, u"Apply"},
                                          {QMessageBox::Discard, u"Discard"},
                                          {QMessageBox::Yes, u"Yes"},
                                          {QMessageBox::No, u"No"},
                                          {QMessageBox::Cancel, u"Cancel"}}) {
            if (QAbstractButton *button = question->button(which)) {
                asked += u" | "_s + QString(button->text()).remove(u'&');
                chosen = answer == name ? button : chosen;
            }
        }
        found << asked;
        chosen ? chosen->click() : QTest::keyClick(question, Qt::Key_Escape);
    });
    poll.start(10);

    const QString week1 = folder->filePath(u"week1.txt"_s);
    std::optional<FileSizeLimit> limit;
    int changes = 0;
    for (const QString &step : steps.split(u' ')) {
        QFile file(week1);
        if (step == u"change") {
            QVERIFY(!document->Apply(u"change"_s, [&changes](CharacterPlan &plan) {
                plan.skills[10].Goal = std::int16_t(50 + ++changes);
            }));
        } else if (step == u"keep") {
            QVERIFY(!document->KeepPlan(u"Kept"_s));
        } else if (step == u"copy" || step == u"saveAs" || step == u"save" || step == u"open") {
            window
                ->findChild<QAction *>(step == u"copy"     ? u"copyPlan"_s
                                       : step == u"saveAs" ? u"savePlansAsAction"_s
                                                           : step + u"PlansAction"_s)
                ->trigger();
        } else if (step == u"undo") {
            QVERIFY(!document->Undo());
        } else if (step == u"touch") {
            QVERIFY(file.open(QIODevice::Append) && file.write("my own remark\n") > 0);
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
    QCOMPARE(answered, QStringList());
}

QTEST_MAIN(PlansFileWindowTest)
#include "PlansFileWindowTest.moc"
