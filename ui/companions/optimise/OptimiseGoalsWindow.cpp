// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/optimise/OptimiseGoalsWindow.h"

#include "document/PlanDocument.h"
#include "plan/Optimiser.h"
#include "rules/RaceTable.h"
#include "rules/SkillCatalogue.h"
#include "text/FailureText.h"
#include "text/NumberText.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/planner/PlannerHost.h"
#include "ui/shared/CompanionWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

using namespace Tarrowind_Module;

namespace {

QString SkillText(SkillNumber skill) {
    return QString::fromStdString(SkillName(skill));
}

QString Amount(std::int32_t value) {
    return NumberText::GroupedAmount(value);
}

std::int32_t Total(const CharacterPlan &plan) {
    std::int32_t total = 0;
    plan.GoalTotal(total);
    return total;
}

// A read-only table of `rowsShown` visible rows whose columns fit their headers and the widest
// texts they hold: the first column `widestFirst`, the others `widestOther`. The columns are
// sized once, not at every change of the plan.
QTableWidget *Table(QWidget *parent, const char *name, const QString &accessibleName,
                    const QStringList &headers, int rowsShown, const QString &widestFirst,
                    const QString &widestOther) {
    auto *table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    // The row headers carry the skill or race for a screen reader; the first column shows it.
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAccessibleName(accessibleName);
    const int rowHeight = parent->fontMetrics().height() + 6;
    table->verticalHeader()->setDefaultSectionSize(rowHeight);

    QHeaderView *header = table->horizontalHeader();
    const QFontMetrics headerMetrics = header->fontMetrics();
    const QFontMetrics cellMetrics = table->fontMetrics();
    int width = 0;
    for (int column = 0; column < headers.size(); ++column) {
        const int cell = cellMetrics.horizontalAdvance(column == 0 ? widestFirst : widestOther);
        const int section =
            std::max(headerMetrics.horizontalAdvance(headers.at(column)), cell) + 24;
        header->resizeSection(column, section);
        width += section;
    }
    header->setStretchLastSection(true);
    const int frame = 2 * table->frameWidth();
    table->setMinimumSize(width + table->verticalScrollBar()->sizeHint().width() + frame,
                          header->sizeHint().height() + rowsShown * rowHeight + frame);
    return table;
}

// Rewrites the table's rows in place, each row's first text as its row header too.
void Fill(QTableWidget *table, const QList<QStringList> &rows) {
    table->setRowCount(static_cast<int>(rows.size()));
    QStringList headers;
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &texts = rows.at(row);
        headers << texts.value(0);
        for (int column = 0; column < table->columnCount(); ++column) {
            QTableWidgetItem *item = table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
                table->setItem(row, column, item);
            }
            item->setText(texts.value(column));
        }
    }
    table->setVerticalHeaderLabels(headers);
}

// The goals of `suggested`, and nothing else of it, into the document's plan.
PlanDocument::Change TakeGoals(const CharacterPlan &suggested) {
    return [suggested](CharacterPlan &plan) {
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            plan.skills[s].Goal = suggested.skills[s].Goal;
        }
    };
}

QString Percent(std::int32_t part, std::int32_t whole) {
    const double percent = whole > 0 ? 100.0 * part / whole : 0.0;
    return QLocale().toString(percent, 'f', percent < 1.0 ? 1 : 0);
}

} // namespace

OptimiseGoalsWindow::OptimiseGoalsWindow(PlanDocument *document, QWidget *planner,
                                         Announcer *announcer)
    : QWidget(planner, Qt::Window), m_document(document), m_announcer(announcer),
      m_resultSaid(new PausedAnnouncement(announcer, std::chrono::milliseconds(600), this)),
      cmbTargetSkill(new QComboBox(this)), spnTarget(new QSpinBox(this)),
      lblHighest(new QLabel(this)),
      tblReach(Table(this, "tblReach", tr("Suggested goals"),
                     {tr("Skill"), tr("Goal now"), tr("Suggested goal"), tr("Experience added")}, 5,
                     tr("Ghost Companion"), QStringLiteral("88,888,888"))),
      lblOwnGoal(new QLabel(this)),
      tblReachRaces(Table(this, "tblReachRaces", tr("Races"), {tr("Race"), tr("Added")}, 8,
                          tr("%1 (current)").arg(QStringLiteral("ArchTemplar")),
                          tr("cannot be worked out"))),
      cmdApplyReach(new QPushButton(tr("Apply"), this)), lblCheapest(new QLabel(this)),
      tblCheapest(Table(this, "tblCheapest", tr("Cheapest goals"),
                        {tr("Skill"), tr("Goal now"), tr("Suggested goal"),
                         tr("Modded at goal now"), tr("Modded at goal after")},
                        8, tr("Ghost Companion"), QStringLiteral("88,888"))),
      chkAttributesMayFall(new QCheckBox(tr("Attributes may end lower"), this)),
      cmdApplyCheapest(new QPushButton(tr("Apply"), this)) {
    setObjectName(QStringLiteral("optimiseGoals"));
    setWindowTitle(tr("Optimise Goals"));
    // Closing this window never ends the program; closing the planner closes both.
    setAttribute(Qt::WA_QuitOnClose, false);
    CompanionWindow::Prepare(this, planner);

    cmbTargetSkill->setObjectName(QStringLiteral("cmbTargetSkill"));
    cmbTargetSkill->setAccessibleName(tr("Skill"));
    spnTarget->setObjectName(QStringLiteral("spnTarget"));
    spnTarget->setAccessibleName(tr("Target modded value at goal"));
    spnTarget->setGroupSeparatorShown(true);
    spnTarget->setKeyboardTracking(true);
    lblHighest->setObjectName(QStringLiteral("lblHighest"));
    lblOwnGoal->setObjectName(QStringLiteral("lblOwnGoal"));
    cmdApplyReach->setObjectName(QStringLiteral("cmdApplyReach"));
    cmdApplyReach->setAccessibleName(tr("Apply the suggested goals"));
    lblCheapest->setObjectName(QStringLiteral("lblCheapest"));
    chkAttributesMayFall->setObjectName(QStringLiteral("chkAttributesMayFall"));
    cmdApplyCheapest->setObjectName(QStringLiteral("cmdApplyCheapest"));
    cmdApplyCheapest->setAccessibleName(tr("Apply the cheapest goals"));
    tblReachRaces->horizontalHeaderItem(1)->setToolTip(
        tr("The experience each race would add for the same skill and target, with this plan "
           "recalculated for that race as \"Compare Races\" does"));

    auto *skillLabel = new QLabel(tr("&Skill:"), this);
    skillLabel->setBuddy(cmbTargetSkill);
    auto *targetLabel = new QLabel(tr("&Modded at goal at least:"), this);
    targetLabel->setBuddy(spnTarget);
    auto *choice = new QHBoxLayout;
    choice->addWidget(skillLabel);
    choice->addWidget(cmbTargetSkill);
    choice->addSpacing(12);
    choice->addWidget(targetLabel);
    choice->addWidget(spnTarget);
    choice->addWidget(lblHighest);
    choice->addStretch();

    auto *reach = new QGroupBox(tr("Reach a value"), this);
    auto *reachLayout = new QVBoxLayout(reach);
    reachLayout->addLayout(choice);
    reachLayout->addWidget(tblReach);
    reachLayout->addWidget(lblOwnGoal);
    reachLayout->addWidget(tblReachRaces);
    reachLayout->addWidget(cmdApplyReach, 0, Qt::AlignRight);

    auto *cheapest = new QGroupBox(tr("The same values for less"), this);
    auto *cheapestLayout = new QVBoxLayout(cheapest);
    cheapestLayout->addWidget(lblCheapest);
    cheapestLayout->addWidget(tblCheapest);
    auto *cheapestButtons = new QHBoxLayout;
    cheapestButtons->addWidget(chkAttributesMayFall);
    cheapestButtons->addStretch();
    cheapestButtons->addWidget(cmdApplyCheapest);
    cheapestLayout->addLayout(cheapestButtons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(reach);
    layout->addWidget(cheapest);

    // currentIndexChanged, not activated: the program's own choice of skill shows its preview
    // just as the user's does.
    connect(cmbTargetSkill, &QComboBox::currentIndexChanged, this,
            &OptimiseGoalsWindow::TargetSkillChanged);
    connect(spnTarget, &QSpinBox::valueChanged, this, [this] {
        ShowReach();
        m_resultSaid->Later(lblOwnGoal->text());
    });
    connect(chkAttributesMayFall, &QCheckBox::toggled, this, [this] {
        ShowCheapest();
        m_resultSaid->Later(lblCheapest->text());
    });
    connect(cmdApplyReach, &QPushButton::clicked, this, &OptimiseGoalsWindow::cmdApplyReach_Click);
    connect(cmdApplyCheapest, &QPushButton::clicked, this,
            &OptimiseGoalsWindow::cmdApplyCheapest_Click);
    connect(document, &PlanDocument::changed, this, [this] {
        if (isVisible()) {
            ShowPlan();
        }
    });
}

SkillNumber OptimiseGoalsWindow::TargetSkill() const {
    return static_cast<SkillNumber>(cmbTargetSkill->currentData().toInt());
}

void OptimiseGoalsWindow::FillSkills() {
    const RaceNumber race = m_document->plan().race;
    if (race == m_skillsRace) {
        return;
    }
    const int before = cmbTargetSkill->currentIndex() >= 0 ? TargetSkill() : -1;
    {
        // Refilling is no choice of skill; the caller shows the preview once.
        const QSignalBlocker blocker(cmbTargetSkill);
        cmbTargetSkill->clear();
        try {
            for (SkillNumber s = 0; s < SkillCount; ++s) {
                if (RaceMax(race, s) > 0) {
                    cmbTargetSkill->addItem(SkillText(s), int{s});
                }
            }
            m_skillsRace = race;
        } catch (const std::exception &) {
            m_skillsRace = -1; // a race the rules do not know: no skill to choose
        }
        cmbTargetSkill->setCurrentIndex(std::max(0, cmbTargetSkill->findData(before)));
    }
}

void OptimiseGoalsWindow::ChooseSkill(SkillNumber skill) {
    const int index = cmbTargetSkill->findData(int{skill});
    if (index >= 0 && index != cmbTargetSkill->currentIndex()) {
        const QSignalBlocker blocker(cmbTargetSkill);
        cmbTargetSkill->setCurrentIndex(index);
    }
}

void OptimiseGoalsWindow::ShowPlan() {
    const int before = cmbTargetSkill->currentIndex() >= 0 ? TargetSkill() : -1;
    FillSkills();
    if (cmbTargetSkill->currentIndex() >= 0 && TargetSkill() != before) {
        StartTarget(); // the race no longer learns the skill that was chosen
    }
    ShowReach();
    ShowCheapest();
}

void OptimiseGoalsWindow::StartTarget() {
    // A new skill starts one above what its goal gives, where there is something to reach.
    try {
        const CharacterPlan &plan = m_document->plan();
        const SkillNumber skill = TargetSkill();
        const std::int32_t now = ModdedAtGoal(plan, skill);
        const std::int32_t highest = HighestReach(plan, skill);
        const QSignalBlocker blocker(spnTarget);
        spnTarget->setRange(now, highest);
        spnTarget->setValue(std::min(now + 1, highest));
    } catch (const std::exception &) {
        // Shown by ShowReach, which meets the same failure.
    }
}

void OptimiseGoalsWindow::TargetSkillChanged() {
    StartTarget();
    ShowReach();
    m_resultSaid->Later(lblOwnGoal->text());
}

void OptimiseGoalsWindow::ShowReach() {
    m_reach.reset();
    const CharacterPlan &plan = m_document->plan();
    const bool hasSkill = cmbTargetSkill->currentIndex() >= 0;
    const SkillNumber skill = hasSkill ? TargetSkill() : SkillNumber{0};
    QList<QStringList> rows;
    QString own;
    try {
        if (!hasSkill) {
            throw std::out_of_range("no skill to reach");
        }
        const std::int32_t now = ModdedAtGoal(plan, skill);
        const std::int32_t highest = HighestReach(plan, skill);
        {
            // The range follows the plan; the user's target stays where it still fits.
            const QSignalBlocker blocker(spnTarget);
            spnTarget->setRange(now, highest);
        }
        lblHighest->setText(tr("at most %1 for %2")
                                .arg(Amount(highest), QString::fromStdString(RaceName(plan.race))));
        const std::int32_t target = spnTarget->value();
        const std::optional<CharacterPlan> reached = CheapestReach(plan, skill, target);
        const std::optional<std::int32_t> ownCost = OwnGoalReachCost(plan, skill, target);
        const QString name = SkillText(skill);
        if (!reached) {
            own = tr("%1 cannot reach %2.").arg(name, Amount(target));
        } else {
            for (SkillNumber s = 0; s < SkillCount; ++s) {
                const SkillPlanEntry &before = plan.skills[s];
                const SkillPlanEntry &after = reached->skills[s];
                if (after.Goal != before.Goal) {
                    rows << QStringList{SkillText(s), Amount(before.Goal), Amount(after.Goal),
                                        Amount(after.GoalCost - before.GoalCost)};
                }
            }
            const std::int32_t added = Total(*reached) - Total(plan);
            rows << QStringList{tr("Total"), QString(), QString(), Amount(added)};
            if (added > 0) {
                m_reach = reached;
            }
            if (now >= target) {
                own = tr("%1 is already %2 at its goal.").arg(name, Amount(now));
            } else if (ownCost) {
                own = tr("%1 %2 for %3 more; raising the goal of %1 alone would add %4.")
                          .arg(name, Amount(target), Amount(added), Amount(*ownCost));
            } else {
                own = tr("%1 %2 for %3 more; raising the goal of %1 alone cannot get there.")
                          .arg(name, Amount(target), Amount(added));
            }
        }
        ShowReachRaces(skill, target);
    } catch (...) {
        rows.clear();
        own = tr("No suggestion: %1.").arg(FailureText::Reason(std::current_exception()));
        Fill(tblReachRaces, {});
    }
    Fill(tblReach, rows);
    lblOwnGoal->setText(own);
    cmdApplyReach->setEnabled(m_reach.has_value());
}

void OptimiseGoalsWindow::ShowReachRaces(SkillNumber skill, std::int32_t target) {
    const CharacterPlan &plan = m_document->plan();
    const QString name = SkillText(skill);
    QList<QStringList> rows;
    QStringList reasons;
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        QString raceName = QString::fromStdString(RaceName(race));
        if (race == plan.race) {
            raceName = tr("%1 (current)").arg(raceName);
        }
        QString added, reason;
        if (RaceMax(race, skill) == 0) {
            added = tr("cannot learn %1").arg(name);
        } else {
            CharacterPlan other = plan;
            other.race = race;
            try {
                other.Recalculate();
                if (const std::optional<CharacterPlan> reached =
                        CheapestReach(other, skill, target)) {
                    added = Amount(Total(*reached) - Total(other));
                } else {
                    added = tr("cannot reach %1").arg(Amount(target));
                }
            } catch (...) {
                added = tr("cannot be worked out");
                reason = FailureText::Reason(std::current_exception());
            }
        }
        rows << QStringList{raceName, added};
        reasons << reason;
    }
    Fill(tblReachRaces, rows);
    for (int row = 0; row < reasons.size(); ++row) {
        tblReachRaces->item(row, 1)->setToolTip(reasons.at(row));
    }
}

void OptimiseGoalsWindow::ShowCheapest() {
    const CharacterPlan &plan = m_document->plan();
    const bool mayFall = chkAttributesMayFall->isChecked();
    if (!m_cheapestFrom || *m_cheapestFrom != plan || m_cheapestMayFall != mayFall) {
        m_cheapest.reset();
        m_cheapestFailure = nullptr;
        try {
            m_cheapest = CheapestGoals(plan, mayFall);
        } catch (...) {
            m_cheapestFailure = std::current_exception();
        }
        m_cheapestFrom = plan;
        m_cheapestMayFall = mayFall;
    }

    QList<QStringList> rows;
    bool saves = false;
    try {
        if (m_cheapestFailure) {
            std::rethrow_exception(m_cheapestFailure);
        }
        const std::int32_t total = Total(plan);
        const std::int32_t cheapest = Total(*m_cheapest);
        saves = cheapest < total;
        for (SkillNumber s = 0; saves && s < SkillCount; ++s) {
            const SkillPlanEntry &before = plan.skills[s];
            const SkillPlanEntry &after = m_cheapest->skills[s];
            if (after.Goal != before.Goal) {
                rows << QStringList{SkillText(s), Amount(before.Goal), Amount(after.Goal),
                                    Amount(ModdedAtGoal(plan, s)),
                                    Amount(ModdedAtGoal(*m_cheapest, s))};
            }
        }
        lblCheapest->setText(
            saves ? tr("This plan: %1. The same values at goal: %2. Saving: %3 (%4 %).")
                        .arg(Amount(total), Amount(cheapest), Amount(total - cheapest),
                             Percent(total - cheapest, total))
                  : tr("This plan is already the cheapest for these values"));
    } catch (...) {
        rows.clear();
        saves = false;
        lblCheapest->setText(
            tr("No suggestion: %1.").arg(FailureText::Reason(std::current_exception())));
    }
    Fill(tblCheapest, rows);
    cmdApplyCheapest->setEnabled(saves);
}

void OptimiseGoalsWindow::cmdApplyReach_Click() {
    if (m_reach) {
        ApplyGoals(cmdApplyReach,
                   tr("Reach %1 %2").arg(SkillText(TargetSkill()), Amount(spnTarget->value())),
                   *m_reach);
    }
}

void OptimiseGoalsWindow::cmdApplyCheapest_Click() {
    if (m_cheapest && cmdApplyCheapest->isEnabled()) {
        ApplyGoals(cmdApplyCheapest, tr("Cheapest goals"), *m_cheapest);
    }
}

void OptimiseGoalsWindow::ApplyGoals(QPushButton *button, const QString &what,
                                     const CharacterPlan &suggested) {
    const std::exception_ptr failure = m_document->Apply(what, TakeGoals(suggested));
    if (failure && m_announcer) {
        m_announcer->ShowAt(button, FailureText::NothingChanged(failure));
    }
}

OptimiseGoalsWindow *OptimiseGoalsWindow::Open(PlanDocument *document, QWidget *planner,
                                               Announcer *announcer) {
    auto *window = planner->findChild<OptimiseGoalsWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new OptimiseGoalsWindow(document, planner, announcer);
    }
    if (!window->isVisible()) {
        window->FillSkills();
        window->ChooseSkill(document->plan().selected);
        window->TargetSkillChanged();
        window->ShowCheapest();
        window->m_resultSaid->Cancel(); // opening is no change to announce
    }
    CompanionWindow::Show(window, planner);
    return window;
}

void AddOptimiseGoalsAction(const PlannerHost &host) {
    QAction *action = host.AddMenuEntry(OptimiseGoalsWindow::tr("Optimise Goals…"),
                                        "optimiseGoalsAction", Qt::CTRL | Qt::Key_T);
    QObject::connect(action, &QAction::triggered, host.window,
                     [document = host.document, planner = host.window, announcer = host.announcer] {
                         OptimiseGoalsWindow::Open(document, planner, announcer);
                     });
}
