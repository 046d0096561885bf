// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Tarrowind_Char_Planner.h"

#include "rules/Tarrowind_Module.h"
#include "text/MessageText.h"
#include "text/NumberText.h"
#include "text/SkillRow.h"
#include "text/SpokenText.h"
#include "ui/CompareRacesWindow.h"
#include "ui/PlanStep.h"
#include "ui/PlannerAccessibility.h"
#include "ui/SkillListItem.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolTip>
#include <QUndoStack>

#include <exception>
#include <optional>
#include <stdexcept>
#include <utility>

using namespace Tarrowind_Module;

namespace {

constexpr char InvalidProperty[] = "invalid";
constexpr char NormalToolTipProperty[] = "normalToolTip";
constexpr char NormalDescriptionProperty[] = "normalDescription";

bool IsSkill(int number) {
    return number >= 0 && number < SkillCount;
}

} // namespace

Tarrowind_Char_Planner::Tarrowind_Char_Planner(QWidget *parent) : QWidget(parent) {
    PlannerAccessibility::Install();
    CreateControls();
    ConnectHandlers();
    CreateHistory();
    ConnectClipboard();
    AddCompareRacesAction(this);
    Form_Load();
    // Start-up is no change of the user's; the changes from here on are announced.
    m_announcedPlan = m_plan;
    connect(this, &Tarrowind_Char_Planner::planChanged, this,
            &Tarrowind_Char_Planner::AnnouncePlanChange);
}

QAction *Tarrowind_Char_Planner::AddListMenuAction(const QString &text, const char *objectName,
                                                   const QKeySequence &keys) {
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(keys);
    action->setShortcutVisibleInContextMenu(true);
    m_listMenu->addAction(action);
    addAction(action);
    return action;
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
        if (lstSkills->selectedItems().isEmpty() && IsSkill(m_plan.selected) &&
            lstSkills->currentRow() == m_plan.selected) {
            lstSkills->item(m_plan.selected)->setSelected(true);
        }
    });
    cmbRace->installEventFilter(this);
    lstSkills->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstSkills, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        m_listMenu->popup(lstSkills->viewport()->mapToGlobal(at));
    });
    connect(txtBase, &QLineEdit::textChanged, this, &Tarrowind_Char_Planner::txtBase_Change);
    connect(txtGoal, &QLineEdit::textChanged, this, &Tarrowind_Char_Planner::txtGoal_Change);
    for (QLineEdit *box : {txtBase, txtEQ, txtGoal}) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { ClearInvalid(box); });
    }
}

std::int16_t Tarrowind_Char_Planner::StatMod(SkillNumber Skillnum) const {
    return m_plan.StatMod(Skillnum);
}

void Tarrowind_Char_Planner::RefreshList() {
    // Rows are rewritten in place: taking a row out and inserting it again would move the
    // list's selection and relayout the view for every row, far more work than the rest of
    // UpdateForm. A row whose text is unchanged is left alone. None of this is a user's click.
    const QSignalBlocker blocker(lstSkills);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const QString row = SkillRowText(QString::fromStdString(SkillName(s)), m_plan.skills[s]);
        if (lstSkills->count() > s) {
            QListWidgetItem *item = lstSkills->item(s);
            if (item->text() != row) {
                item->setText(row);
            }
        } else {
            // Its tooltip and accessible description explain the row from the stored plan.
            lstSkills->insertItem(s, new SkillListItem(m_plan, s, row));
        }
    }
}

void Tarrowind_Char_Planner::UpdateForm() {
    m_plan.Recalculate();
    RefreshList();
    std::int32_t total = 0;
    GoalTotal(total);
    lblGoalTotal->setText(GoalTotalText(total));

    // Select the row without the list's own notification, then show it exactly once. Without a
    // selected skill no record is read and no row stays selected.
    const bool hasRow = IsSkill(m_plan.selected);
    {
        const QSignalBlocker blocker(lstSkills);
        lstSkills->setCurrentRow(hasRow ? m_plan.selected : -1);
        if (!hasRow) {
            lstSkills->clearSelection();
        }
    }
    if (hasRow) {
        lstSkills_Click();
    }
}

void Tarrowind_Char_Planner::GoalTotal(std::int32_t &total) const {
    m_plan.GoalTotal(total);
}

void Tarrowind_Char_Planner::cmdMaxBase_Click() {
    ChangePlan(cmdMaxBase, cmdMaxBase->text(), [this] { MaxBases(); });
}

void Tarrowind_Char_Planner::cmdMaxGoal_Click() {
    ChangePlan(cmdMaxGoal, cmdMaxGoal->text(), [this] { MaxGoals(); });
}

void Tarrowind_Char_Planner::cmdReset_Click() {
    ChangePlan(cmdReset, cmdReset->text(), [this] { ResetSkills(); });
}

void Tarrowind_Char_Planner::cmdUpdate_Click() {
    if (m_plan.selected == -1) {
        ChangePlan(cmdUpdate, cmdUpdate->text(), [] {});
        return;
    }

    // Read every box before storing any, so a bad box stores nothing.
    struct Field {
        QLineEdit *box;
        const char *what;
        std::optional<std::int16_t> value;
    };
    Field fields[] = {
        {txtBase, "Base level", {}}, {txtEQ, "Equipment bonus", {}}, {txtGoal, "Goal level", {}}};
    QLineEdit *firstInvalid = nullptr;
    for (Field &field : fields) {
        field.value = NumberText::ReadLevel(field.box->text());
        if (!field.value) {
            MarkInvalid(field.box, tr("%1: \"%2\" is not a whole number from -32768 to 32767.")
                                       .arg(QLatin1String(field.what),
                                            MessageText::ShortQuote(field.box->text())));
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
        txtEQ, tr("Update %1").arg(lblName->text()),
        [this, &fields] {
            m_plan.SetLevels(m_plan.selected, *fields[0].value, *fields[1].value, *fields[2].value);
        },
        txtEQ);
}

void Tarrowind_Char_Planner::Form_Load() {
    static const bool tablesBuilt = (InitTables(), true);
    Q_UNUSED(tablesBuilt);

    m_plan.race = 6;
    ResetSkills();
    UpdateForm();
    // The program's own choice of race runs the race handler just as the user's would.
    cmbRace->setCurrentIndex(m_plan.race);
    cmbRace_Click();
    m_plan.selected = 0;
}

void Tarrowind_Char_Planner::cmbRace_Click() {
    const RaceNumber previous = m_plan.race;
    const bool changed =
        ChangePlan(cmbRace, tr("race change to %1").arg(cmbRace->currentText()), [this] {
            m_plan.race = RaceFromName(cmbRace->currentText().toStdString());
            ResetSkills();
        });
    if (!changed) {
        const QSignalBlocker blocker(cmbRace);
        cmbRace->setCurrentIndex(previous);
    }
}

void Tarrowind_Char_Planner::lstSkills_Click() {
    const int row = lstSkills->currentRow();
    lblName->setText(QString::fromStdString(SkillName(static_cast<SkillNumber>(row))));
    if (!IsSkill(row)) {
        return;
    }
    const SkillPlanEntry &entry = m_plan.skills[row];
    {
        // Whatever the live cost would show here is overwritten by the stored cost below.
        const QSignalBlocker baseBlocker(txtBase);
        const QSignalBlocker goalBlocker(txtGoal);
        txtBase->setText(NumberText::PlainText(entry.Base));
        txtEQ->setText(NumberText::PlainText(entry.EQ));
        lblMod->setText(NumberText::PlainText(entry.Mod));
        txtGoal->setText(NumberText::PlainText(entry.Goal));
        txtGoalCost->setText(NumberText::PlainText(entry.GoalCost));
    }
    for (QLineEdit *box : {txtBase, txtEQ, txtGoal}) {
        ClearInvalid(box);
    }
    // A box that gets the focus says which skill it belongs to.
    using SpokenText::DetailBox;
    const QString skill = lblName->text();
    for (const auto &[box, which] : {std::pair{txtBase, DetailBox::Base},
                                     {txtEQ, DetailBox::Equipment},
                                     {txtGoal, DetailBox::Goal},
                                     {txtGoalCost, DetailBox::Cost}}) {
        const QString description = SpokenText::DetailBoxDescription(which, skill);
        if (box->accessibleDescription() != description) {
            box->setAccessibleDescription(description);
        }
    }
    m_plan.selected = static_cast<SkillNumber>(row);
}

void Tarrowind_Char_Planner::ResetSkills() {
    m_plan.ResetSkills();
}

void Tarrowind_Char_Planner::MaxBases() {
    m_plan.MaxBases();
}

void Tarrowind_Char_Planner::MaxGoals() {
    m_plan.MaxGoals();
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
    QString cost;
    if (goal && base) {
        try {
            cost = NumberText::PlainText(m_plan.LiveCost(m_plan.selected, *base, *goal));
        } catch (const std::exception &) {
            // Levels outside the cost table: no cost to show.
        }
    }
    txtGoalCost->setText(cost);
}

bool Tarrowind_Char_Planner::ChangePlan(QWidget *at, const QString &what,
                                        const std::function<void()> &change, QLineEdit *markBox) {
    const CharacterPlan before = m_plan;
    QString reason;
    try {
        change();
        UpdateForm();
        if (m_plan != before) {
            m_history->push(new PlanStep(what, before, m_plan,
                                         [this](const CharacterPlan &plan) { ShowPlan(plan); }));
            Q_EMIT planChanged();
        }
        return true;
    } catch (const std::overflow_error &) {
        reason = tr("a modded value would leave the range -32768 to 32767");
    } catch (const UnknownRace &) {
        reason = tr("the race is not one the planner knows");
    } catch (const std::exception &error) {
        reason = QString::fromUtf8(error.what());
    }
    m_plan = before;
    const QString message = tr("Nothing was changed: %1.").arg(reason);
    if (markBox) {
        MarkInvalid(markBox, message);
        markBox->setFocus(Qt::OtherFocusReason);
        markBox->selectAll();
    } else {
        ShowMessageAt(at, message);
    }
    return false;
}

// A marked box carries its reason as tooltip and as what a screen reader says about it, until
// its text next changes.
void Tarrowind_Char_Planner::MarkInvalid(QLineEdit *box, const QString &message) {
    if (!box->property(InvalidProperty).toBool()) {
        box->setProperty(NormalToolTipProperty, box->toolTip());
        box->setProperty(NormalDescriptionProperty, box->accessibleDescription());
    }
    box->setProperty(InvalidProperty, true);
    box->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #c62828; }"));
    box->setToolTip(message);
    box->setAccessibleDescription(message);
    ShowMessageAt(box, message);
}

void Tarrowind_Char_Planner::ClearInvalid(QLineEdit *box) {
    if (!box->property(InvalidProperty).toBool()) {
        return;
    }
    box->setProperty(InvalidProperty, false);
    box->setStyleSheet(QString());
    box->setToolTip(box->property(NormalToolTipProperty).toString());
    box->setAccessibleDescription(box->property(NormalDescriptionProperty).toString());
    QToolTip::hideText();
}

// Shown beside the control and spoken at once, with the focus left where it is.
void Tarrowind_Char_Planner::ShowMessageAt(QWidget *at, const QString &message) {
    QToolTip::showText(at->mapToGlobal(QPoint(0, at->height())), message, at);
    m_announcer->Announce(message);
}

void Tarrowind_Char_Planner::AnnouncePlanChange() {
    try {
        m_announcer->Announce(SpokenText::PlanChange(m_announcedPlan, m_plan));
    } catch (const std::exception &) {
        // A plan the window shows can always be told; should it not, the change goes unsaid.
    }
    m_announcedPlan = m_plan;
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
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        for (QLineEdit *box : {txtBase, txtEQ, txtGoal}) {
            if (watched == box && HistoryKeyInBox(box, static_cast<QKeyEvent *>(event))) {
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
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
