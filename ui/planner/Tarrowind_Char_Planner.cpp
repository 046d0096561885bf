// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/planner/Tarrowind_Char_Planner.h"

#include "rules/Tarrowind_Module.h"
#include "text/FailureText.h"
#include "text/GameNames.h"
#include "text/MessageText.h"
#include "text/NumberText.h"
#include "text/SkillRow.h"
#include "text/SpokenText.h"
#include "ui/companions/compare/CompareRacesWindow.h"
#include "ui/companions/optimise/OptimiseGoalsWindow.h"
#include "ui/companions/plans/ComparePlansWindow.h"
#include "ui/companions/plans/PlanSetCommands.h"
#include "ui/companions/route/RouteWindow.h"
#include "ui/desktop/PlanClipboard.h"
#include "ui/desktop/PlanFiles.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/desktop/PlannerColours.h"
#include "ui/desktop/PlannerStyle.h"
#include "ui/planner/PlannerHistory.h"
#include "ui/planner/PlannerHost.h"
#include "ui/planner/SkillListItem.h"
#include "ui/planner/SkillListWidget.h"
#include "ui/shared/DetailBox.h"
#include "ui/shared/StatusNote.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWindow>

#include <exception>
#include <optional>
#include <utility>

using namespace Tarrowind_Module;

namespace {

bool IsSkill(int number) {
    return number >= 0 && number < SkillCount;
}

// A button's caption as the user reads it, without the "&" that marks its Alt key.
QString Caption(const QPushButton *button) {
    return MessageText::WithoutMnemonic(button->text());
}

} // namespace

Tarrowind_Char_Planner::Tarrowind_Char_Planner(QWidget *parent)
    : QWidget(parent), m_document(new PlanDocument(this)), m_clientArea(new QWidget(this)) {
    PlannerAccessibility::Install();
    PlannerStyle::Install();
    CreateControls();
    CreateBars();
    // Said once typing pauses, not at every key, which would drown the typed digits.
    m_liveCostSaid = new PausedAnnouncement(m_announcer, std::chrono::milliseconds(500), this);
    ConnectHandlers();
    // A note is about the plan as it was; one said about the change, also by UpdateForm, comes
    // after it.
    connect(m_document, &PlanDocument::changed, m_statusNote, &StatusNote::Clear);
    connect(m_document, &PlanDocument::changed, this, &Tarrowind_Char_Planner::UpdateForm);
    // The title's "[*]" shows a plan that closing would lose.
    connect(m_document, &PlanDocument::wouldLosePlanChanged, this, &QWidget::setWindowModified);

    // The parts beside the window know the document and the menu, not the window class; a
    // further window is one more function of this kind.
    const PlannerHost host{m_document, this, m_listMenu, m_announcer, m_barMenus, m_statusNote};
    AddHistoryActions(host, {txtBase, txtEQ, txtGoal});
    m_clipboard = new PlanClipboard(host, lstSkills);
    new PlanSetCommands(host, m_clipboard);
    m_files = new PlanFiles(host, m_clipboard);
    AddCompareRacesAction(host);
    AddOptimiseGoalsAction(host);
    AddRouteAction(host);
    AddComparePlansAction(host);
    AddQuitAndHelpEntries();
    FollowRowToolTips(lstSkills, m_document);

    Form_Load();
    // Start-up is no change of the user's; the changes from here on are announced.
    m_announcer->Follow(m_document);
}

void Tarrowind_Char_Planner::ConnectHandlers() {
    connect(cmdUpdate, &QPushButton::clicked, this, &Tarrowind_Char_Planner::cmdUpdate_Click);
    connect(cmdReset, &QPushButton::clicked, this, &Tarrowind_Char_Planner::cmdReset_Click);
    connect(cmdMaxBase, &QPushButton::clicked, this, &Tarrowind_Char_Planner::cmdMaxBase_Click);
    connect(cmdMaxGoal, &QPushButton::clicked, this, &Tarrowind_Char_Planner::cmdMaxGoal_Click);
    // activated is the user's choice, by mouse or keyboard, even of the entry already shown.
    connect(cmbRace, &QComboBox::activated, this, &Tarrowind_Char_Planner::cmbRace_Click);
    connect(lstSkills, &QListWidget::currentRowChanged, this,
            &Tarrowind_Char_Planner::lstSkills_Click);
    // A click on the row that is already current changes no row, yet still shows its stored
    // values again; a click on another row has been shown through currentRowChanged.
    lstSkills->viewport()->installEventFilter(this);
    connect(lstSkills, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (lstSkills->row(item) == m_rowBeforePress) {
            lstSkills_Click();
        }
    });
    // Ctrl+click or Ctrl+Space on the selected row would leave no row selected while the boxes
    // still show its skill.
    connect(lstSkills, &QListWidget::itemSelectionChanged, this, [this] {
        const SkillNumber selected = m_document->plan().selected;
        if (lstSkills->selectedItems().isEmpty() && IsSkill(selected) &&
            lstSkills->currentRow() == selected) {
            lstSkills->item(selected)->setSelected(true);
        }
    });
    cmbRace->installEventFilter(this);
    lstSkills->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstSkills, &QWidget::customContextMenuRequested, this,
            &Tarrowind_Char_Planner::OpenListMenu);
    connect(txtBase, &QLineEdit::textChanged, this, &Tarrowind_Char_Planner::txtBase_Change);
    connect(txtGoal, &QLineEdit::textChanged, this, &Tarrowind_Char_Planner::txtGoal_Change);
}

std::int16_t Tarrowind_Char_Planner::StatMod(SkillNumber Skillnum) const {
    return m_document->plan().StatMod(Skillnum);
}

void Tarrowind_Char_Planner::RefreshList() {
    // Rows are rewritten in place: taking a row out and inserting it again would move the
    // list's selection and relayout the view for every row, far more work than the rest of
    // UpdateForm. A row whose text is unchanged is left alone. None of this is a user's click.
    const QSignalBlocker blocker(lstSkills);
    const CharacterPlan &plan = m_document->plan();
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const QString row = SkillRowText(GameNames::Skill(s), plan.skills[s]);
        if (lstSkills->count() > s) {
            QListWidgetItem *item = lstSkills->item(s);
            if (item->text() != row) {
                item->setText(row);
            }
        } else {
            // Its tooltip and accessible description explain the row from the stored plan.
            lstSkills->insertItem(s, new SkillListItem(plan, s, row));
        }
    }
}

void Tarrowind_Char_Planner::UpdateForm() {
    const CharacterPlan &plan = m_document->plan();
    RefreshList();
    std::int32_t total = 0;
    GoalTotal(total);
    lblGoalTotal->setText(GoalTotalText(total));
    {
        // Showing the plan's race is no choice of race, which would reset every skill. This is
        // the one place the race list follows the plan: after a change, undo, redo or paste.
        const QSignalBlocker blocker(cmbRace);
        cmbRace->setCurrentIndex(plan.race);
    }

    // Select the row without the list's own notification, then show it exactly once. Without a
    // selected skill no record is read and no row stays selected.
    const bool hasRow = IsSkill(plan.selected);
    {
        const QSignalBlocker blocker(lstSkills);
        lstSkills->setCurrentRow(hasRow ? plan.selected : -1);
        if (!hasRow) {
            lstSkills->clearSelection();
        }
    }
    if (hasRow) {
        // A change made in another window must not throw away what the user is typing in this
        // one: a box whose text is neither what it was filled with nor the new stored value keeps
        // it, and its own undo. Every other change shows the stored values.
        QStringList kept;
        if (m_document->changedBeside()) {
            const SkillPlanEntry &entry = plan.skills[plan.selected];
            const std::pair<DetailBox *, QString> boxes[] = {
                {txtBase, tr("The base box still holds %1, not stored")},
                {txtEQ, tr("The equipment box still holds %1, not stored")},
                {txtGoal, tr("The goal box still holds %1, not stored")}};
            const std::int16_t stored[] = {entry.Base, entry.EQ, entry.Goal};
            for (std::size_t i = 0; i < std::size(boxes); ++i) {
                DetailBox *box = boxes[i].first;
                if (box->HoldsUnstoredTyping() && box->text() != NumberText::PlainText(stored[i])) {
                    m_keptTyping.append(box);
                    kept << boxes[i].second.arg(MessageText::ShortQuote(box->text()));
                }
            }
        }
        lstSkills_Click();
        if (!m_keptTyping.isEmpty()) {
            m_keptTyping.clear();
            ShowLiveCost();           // the typed levels' cost, as before the change
            m_liveCostSaid->Cancel(); // the note says what stayed
            m_statusNote->Show(kept.join(QLatin1String("; ")));
        }
    }
}

void Tarrowind_Char_Planner::GoalTotal(std::int32_t &total) const {
    m_document->plan().GoalTotal(total);
}

void Tarrowind_Char_Planner::cmdMaxBase_Click() {
    ChangePlan(Caption(cmdMaxBase), MaxBases);
}

void Tarrowind_Char_Planner::cmdMaxGoal_Click() {
    ChangePlan(Caption(cmdMaxGoal), MaxGoals);
}

void Tarrowind_Char_Planner::cmdReset_Click() {
    ChangePlan(Caption(cmdReset), ResetSkills);
}

void Tarrowind_Char_Planner::cmdUpdate_Click() {
    if (m_document->plan().selected == -1) {
        ChangePlan(Caption(cmdUpdate), [](CharacterPlan &) {});
        return;
    }

    // Read every box before storing any, so a bad box stores nothing.
    struct Field {
        DetailBox *box;
        const char *what;
        std::optional<std::int16_t> value;
    };
    Field fields[] = {{txtBase, QT_TR_NOOP("Base level"), {}},
                      {txtEQ, QT_TR_NOOP("Equipment bonus"), {}},
                      {txtGoal, QT_TR_NOOP("Goal level"), {}}};
    DetailBox *firstInvalid = nullptr;
    for (Field &field : fields) {
        field.value = NumberText::ReadLevel(field.box->text());
        if (!field.value) {
            MarkInvalid(field.box,
                        tr("%1: \"%2\" is not a whole number from %3.")
                            .arg(tr(field.what), MessageText::ShortQuote(field.box->text()),
                                 FailureText::LevelRangeText()));
            if (!firstInvalid) {
                firstInvalid = field.box;
            }
        }
    }
    if (firstInvalid) {
        firstInvalid->setFocus(Qt::OtherFocusReason);
        firstInvalid->selectAll();
        return;
    }

    // Only the equipment bonus can make the recalculation overflow; the clamping takes care of
    // the levels.
    ChangePlan(
        tr("Update %1").arg(lblName->text()),
        [&fields](CharacterPlan &plan) {
            plan.SetLevels(plan.selected, *fields[0].value, *fields[1].value, *fields[2].value);
        },
        txtEQ);
}

void Tarrowind_Char_Planner::Form_Load() {
    static const bool tablesBuilt = (InitTables(), true);
    Q_UNUSED(tablesBuilt);

    // The plan the window opens with; opening it shows it, the race list's entry included.
    CharacterPlan start;
    start.race = 6;
    ResetSkills(start);
    m_document->Open(start);
    // The program's own choice of race runs the race handler just as the user's would.
    cmbRace_Click();
    m_document->Select(0);
}

void Tarrowind_Char_Planner::cmbRace_Click() {
    // The entries stand in race order, so an entry's position is its race.
    const auto race = static_cast<RaceNumber>(cmbRace->currentIndex());
    const bool changed = ChangePlan(tr("race change to %1").arg(cmbRace->currentText()),
                                    [race](CharacterPlan &plan) {
                                        plan.race = race;
                                        ResetSkills(plan);
                                    });
    if (!changed) {
        UpdateForm(); // the race list shows the plan's race again
    }
}

void Tarrowind_Char_Planner::lstSkills_Click() {
    const int row = lstSkills->currentRow();
    lblName->setText(GameNames::Skill(static_cast<SkillNumber>(row)));
    if (!IsSkill(row)) {
        ShowModdedAtGoal();
        return;
    }
    const SkillPlanEntry &entry = m_document->plan().skills[row];
    // A cost typed a moment ago is gone with the typing.
    m_liveCostSaid->Cancel();
    {
        // Whatever the live cost would show here is overwritten by the stored cost below.
        const QSignalBlocker baseBlocker(txtBase);
        const QSignalBlocker goalBlocker(txtGoal);
        const auto fill = [this](DetailBox *box, std::int16_t value) {
            if (!m_keptTyping.contains(box)) {
                box->Fill(NumberText::PlainText(value));
            }
        };
        fill(txtBase, entry.Base);
        fill(txtEQ, entry.EQ);
        lblMod->setText(NumberText::PlainText(entry.Mod));
        fill(txtGoal, entry.Goal);
        txtGoalCost->setText(NumberText::PlainText(entry.GoalCost));
    }
    // A box that gets the focus says which skill it belongs to.
    using Described = SpokenText::DetailBox;
    const QString skill = lblName->text();
    for (const auto &[box, which] : {std::pair<QLineEdit *, Described>{txtBase, Described::Base},
                                     {txtEQ, Described::Equipment},
                                     {txtGoal, Described::Goal},
                                     {txtGoalCost, Described::Cost}}) {
        const QString description = SpokenText::DetailBoxDescription(which, skill);
        if (box->accessibleDescription() != description) {
            box->setAccessibleDescription(description);
        }
    }
    m_document->Select(static_cast<SkillNumber>(row));
    ShowModdedAtGoal();
}

void Tarrowind_Char_Planner::ResetSkills(CharacterPlan &plan) {
    plan.ResetSkills();
}

void Tarrowind_Char_Planner::MaxBases(CharacterPlan &plan) {
    plan.MaxBases();
}

void Tarrowind_Char_Planner::MaxGoals(CharacterPlan &plan) {
    plan.MaxGoals();
}

void Tarrowind_Char_Planner::txtBase_Change() {
    ShowLiveCost();
}

void Tarrowind_Char_Planner::txtGoal_Change() {
    ShowLiveCost();
}

// Costs the levels as typed, unclamped, for the selected skill; stores nothing. The cost box
// shows the cost of the two typed levels or nothing: while a box is empty or not (yet) a
// number, or the levels lie outside the cost table, no cost belongs to them.
void Tarrowind_Char_Planner::ShowLiveCost() {
    const std::optional<std::int16_t> goal = NumberText::ReadLevel(txtGoal->text());
    const std::optional<std::int16_t> base = NumberText::ReadLevel(txtBase->text());
    std::optional<std::int32_t> cost;
    if (goal && base) {
        try {
            const CharacterPlan &plan = m_document->plan();
            cost = plan.LiveCost(plan.selected, *base, *goal);
        } catch (const std::exception &) {
            // Levels outside the cost table: no cost to show.
        }
    }
    txtGoalCost->setText(cost ? NumberText::PlainText(*cost) : QString());
    if (cost) {
        m_liveCostSaid->Later(SpokenText::LiveCost(*cost));
    } else {
        m_liveCostSaid->Cancel();
    }
}

void Tarrowind_Char_Planner::OpenListMenu(const QPoint &at) {
    // On X11 the Menu key also comes as a context menu request, after the key has opened it.
    if (m_listMenu->isVisible()) {
        return;
    }
    m_listMenu->popup(lstSkills->viewport()->mapToGlobal(at));
    // An active entry is what a screen reader reads when the menu opens; the style lets a
    // greyed one be active too.
    const QList<QAction *> entries = m_listMenu->actions();
    if (!entries.isEmpty()) {
        m_listMenu->setActiveAction(entries.first());
    }
}

bool Tarrowind_Char_Planner::ChangePlan(const QString &what, const PlanDocument::Change &change,
                                        DetailBox *markBox) {
    const std::exception_ptr failure = m_document->Apply(what, change);
    if (!failure) {
        return true;
    }
    const QString message = FailureText::NothingChanged(failure);
    m_liveCostSaid->Cancel(); // the reason comes first
    if (markBox) {
        MarkInvalid(markBox, message);
        markBox->setFocus(Qt::OtherFocusReason);
        markBox->selectAll();
    } else {
        m_statusNote->Show(message);
    }
    return false;
}

// A marked box carries its reason as tooltip and as what a screen reader says about it, until
// its text next changes; the status bar notes it too.
void Tarrowind_Char_Planner::MarkInvalid(DetailBox *box, const QString &message) {
    m_liveCostSaid->Cancel(); // the reason comes first
    box->Refuse(message);
    m_statusNote->Show(message);
}

void Tarrowind_Char_Planner::UpdateColours() {
    QPalette cost = txtGoalCost->palette();
    cost.setColor(QPalette::Base, palette().color(QPalette::Window));
    txtGoalCost->setPalette(cost);
    lstSkills->setPalette(PlannerColours::ReadableItems(palette()));
}

void Tarrowind_Char_Planner::FitToScreen() {
    // The same size in the window's units is a new size in the screen's pixels; setting it
    // unchanged would not reach the window system.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    FitDetailRow();
    // The layout fixes the window's size again, also where the client area's stayed the same.
    layout()->invalidate();
    layout()->activate();
}

void Tarrowind_Char_Planner::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    // A switch between light and dark, or another style, reaches the window and every control.
    if (event->type() == QEvent::StyleChange && txtGoalCost) {
        FitDetailRow();
    }
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) &&
        txtGoalCost) {
        UpdateColours();
    }
}

void Tarrowind_Char_Planner::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (QWindow *handle = windowHandle()) {
        connect(handle, &QWindow::screenChanged, this, &Tarrowind_Char_Planner::FitToScreen,
                Qt::UniqueConnection);
    }
}

bool Tarrowind_Char_Planner::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lstSkills->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_rowBeforePress = lstSkills->currentRow();
    }
    // A wheel over the closed race box while the pointer only passes by would choose another
    // race and reset every skill; the wheel chooses only for the focused box.
    if (watched == cmbRace && event->type() == QEvent::Wheel && !cmbRace->hasFocus()) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tarrowind_Char_Planner::closeEvent(QCloseEvent *event) {
    if (!m_files->MayClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Tarrowind_Char_Planner::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // "Update" is the window's default button: Enter anywhere but on another button
        // presses it. A focused button takes Enter for itself.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget())) {
            button->click();
        } else {
            cmdUpdate->click();
        }
        event->accept();
        return;
    case Qt::Key_Escape:
        event->accept(); // there is no cancel button
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
