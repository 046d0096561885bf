// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/route/RouteWindow.h"

#include "plan/Optimiser.h"
#include "rules/RaceTable.h"
#include "text/FailureText.h"
#include "text/GameNames.h"
#include "ui/companions/route/ExperienceText.h"
#include "ui/companions/route/RouteChart.h"
#include "ui/companions/route/RouteModels.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/planner/PlannerHost.h"
#include "ui/shared/ResultTable.h"

#include <QAction>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <limits>
#include <set>

using namespace Tarrowind_Module;

namespace {

QString Amount(std::int64_t amount) {
    return ExperienceText::Grouped(amount);
}

// The experience from the route's start to the end of its first `end` steps.
std::int64_t SpentAt(const Route &route, std::size_t end) {
    return end == 0 ? 0 : route.steps.at(end - 1).spent;
}

QString Levels(std::size_t count) {
    // Grouped as the route's amounts are, in the C locale too.
    return RouteWindow::tr("%1 level(s)", nullptr, static_cast<int>(count))
        .arg(Amount(static_cast<std::int64_t>(count)));
}

// The modded value of every skill after each of the route's steps, for one skill: index 0 is
// at the bases, index k after the first k steps.
std::vector<std::int32_t> ModdedAlong(const CharacterPlan &plan, const Route &route,
                                      SkillNumber skill) {
    CharacterPlan levels = plan;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        levels.skills.at(s).Goal = levels.skills.at(s).Base;
    }
    std::vector<std::int32_t> values;
    values.reserve(route.steps.size() + 1);
    values.push_back(ModdedAtGoal(levels, skill));
    for (const RouteStep &step : route.steps) {
        levels.skills.at(step.skill).Goal = step.level;
        values.push_back(ModdedAtGoal(levels, skill));
    }
    return values;
}

} // namespace

RouteWindow::RouteWindow(PlanDocument *document, QWidget *planner, Announcer *announcer)
    : CompanionWindow(document, planner), m_document(document),
      m_resultSaid(new PausedAnnouncement(announcer, std::chrono::milliseconds(600), this)),
      m_milestoneRows(new MilestoneModel(this)), m_stepRows(new RouteStepModel(this)),
      tblMilestones(new ResultTable(m_milestoneRows, "tblMilestones", tr("Milestones"), this)),
      spnMilestone(new QSpinBox(this)),
      cmdAddMilestone(new QPushButton(tr("&Add selected skill"), this)),
      cmdMilestoneUp(new QPushButton(tr("Move u&p"), this)),
      cmdMilestoneDown(new QPushButton(tr("Move do&wn"), this)),
      cmdRemoveMilestone(new QPushButton(tr("Re&move"), this)), lblMilestoneNote(new QLabel(this)),
      m_chart(new RouteChart(this)),
      tblRoute(new ResultTable(m_stepRows, "tblRoute", tr("Steps of the route"), this)),
      txtExperience(new QLineEdit(this)), lblExperienceNote(new QLabel(this)),
      lblRouteSummary(new QLabel(this)),
      cmdMarkBought(new QPushButton(tr("Mar&k as bought"), this)) {
    setObjectName(QStringLiteral("route"));
    setWindowTitle(tr("Route"));
    tblMilestones->ShowRows(4);
    tblRoute->ShowRows(8);
    for (QLabel *label : {lblMilestoneNote, lblExperienceNote, lblRouteSummary}) {
        label->setWordWrap(true);
        // Tab reaches the lines, so a screen reader can read them again.
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    lblMilestoneNote->setObjectName(QStringLiteral("lblMilestoneNote"));
    lblExperienceNote->setObjectName(QStringLiteral("lblExperienceNote"));
    lblRouteSummary->setObjectName(QStringLiteral("lblRouteSummary"));
    cmdMarkBought->setObjectName(QStringLiteral("cmdMarkBought"));

    auto *stepsLabel = new QLabel(tr("&Steps:"), this);
    stepsLabel->setBuddy(tblRoute);
    auto *layout = new QVBoxLayout(content());
    layout->addLayout(MilestoneControls());
    layout->addWidget(lblMilestoneNote);
    layout->addWidget(m_chart, 1);
    layout->addWidget(stepsLabel);
    layout->addWidget(tblRoute, 1);
    layout->addLayout(ExperienceRow());
    layout->addWidget(lblExperienceNote);
    layout->addWidget(lblRouteSummary);

    lblExperienceNote->hide(); // until the box refuses an amount
    // From the milestones down to the line that sums up the route, as the window reads.
    const QList<QWidget *> order{cmdAddMilestone,  tblMilestones,     spnMilestone,
                                 cmdMilestoneUp,   cmdMilestoneDown,  cmdRemoveMilestone,
                                 lblMilestoneNote, tblRoute,          txtExperience,
                                 cmdMarkBought,    lblExperienceNote, lblRouteSummary};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }

    connect(cmdAddMilestone, &QPushButton::clicked, this, &RouteWindow::AddMilestone);
    connect(cmdMilestoneUp, &QPushButton::clicked, this, [this] { MoveMilestone(-1); });
    connect(cmdMilestoneDown, &QPushButton::clicked, this, [this] { MoveMilestone(1); });
    connect(cmdRemoveMilestone, &QPushButton::clicked, this, &RouteWindow::RemoveMilestone);
    connect(spnMilestone, &QSpinBox::valueChanged, this, &RouteWindow::MilestoneValueChanged);
    connect(tblMilestones->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RouteWindow::MilestoneChosen);
    // textEdited, not textChanged: only the user's typing is a new amount.
    connect(txtExperience, &QLineEdit::textEdited, this, &RouteWindow::ExperienceEdited);
    connect(txtExperience, &QLineEdit::returnPressed, this, &RouteWindow::cmdMarkBought_Click);
    connect(cmdMarkBought, &QPushButton::clicked, this, &RouteWindow::cmdMarkBought_Click);
    // After the base class's connection, which has shown the plan already.
    connect(document, &PlanDocument::changed, this,
            [this](PlanDocument::Move move) { m_move = move; });
    // The history's index moves after the step was undone, redone or pushed, when the step
    // taken is at its place in the history.
    connect(document->history(), &QUndoStack::indexChanged, this, &RouteWindow::FollowHistory);
}

QLayout *RouteWindow::MilestoneControls() {
    cmdAddMilestone->setObjectName(QStringLiteral("cmdAddMilestone"));
    cmdMilestoneUp->setObjectName(QStringLiteral("cmdMilestoneUp"));
    cmdMilestoneDown->setObjectName(QStringLiteral("cmdMilestoneDown"));
    cmdRemoveMilestone->setObjectName(QStringLiteral("cmdRemoveMilestone"));
    cmdAddMilestone->setToolTip(
        tr("Adds the skill selected in the planner, at its modded value at goal"));
    spnMilestone->setObjectName(QStringLiteral("spnMilestone"));
    spnMilestone->setAccessibleName(tr("Modded value of the milestone"));
    spnMilestone->setKeyboardTracking(true);

    auto *label = new QLabel(tr("Mi&lestones:"), this);
    label->setBuddy(tblMilestones);
    auto *valueLabel = new QLabel(tr("&Value:"), this);
    valueLabel->setBuddy(spnMilestone);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdAddMilestone);
    auto *value = new QHBoxLayout;
    value->addWidget(valueLabel);
    value->addWidget(spnMilestone, 1);
    buttons->addLayout(value);
    buttons->addWidget(cmdMilestoneUp);
    buttons->addWidget(cmdMilestoneDown);
    buttons->addWidget(cmdRemoveMilestone);
    buttons->addStretch();
    auto *table = new QVBoxLayout;
    table->addWidget(label);
    table->addWidget(tblMilestones);
    auto *row = new QHBoxLayout;
    row->addLayout(table, 1);
    row->addLayout(buttons);
    return row;
}

QLayout *RouteWindow::ExperienceRow() {
    txtExperience->setObjectName(QStringLiteral("txtExperience"));
    txtExperience->setAccessibleName(tr("Experience to spend"));
    txtExperience->setPlaceholderText(QStringLiteral("0"));
    auto *label = new QLabel(tr("&Experience to spend:"), this);
    label->setBuddy(txtExperience);
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(txtExperience, 1);
    row->addWidget(cmdMarkBought);
    return row;
}

RouteWindow *RouteWindow::Open(PlanDocument *document, QWidget *planner, Announcer *announcer) {
    return CompanionWindow::Open<RouteWindow>(planner, document, planner, announcer);
}

void RouteWindow::ShowPlan() {
    ShowRoute();
}

void RouteWindow::Opening(bool shown) {
    if (!shown) {
        ShowRoute();
        m_resultSaid->Cancel(); // opening is no change to announce
    }
}

int RouteWindow::CurrentMilestone() const {
    const int row = tblMilestones->currentIndex().row();
    return row >= 0 && row < static_cast<int>(m_milestones.size()) ? row : -1;
}

void RouteWindow::ShowRoute() {
    try {
        m_route = PlanRoute(m_document->plan(), m_milestones);
        m_failure.clear();
    } catch (...) {
        m_route = {}; // not for a plan the document holds; shown, not thrown
        m_failure = FailureText::Reason(std::current_exception());
    }
    ShowMilestones();
    ShowSpending();
}

void RouteWindow::ShowMilestones() {
    const CharacterPlan &plan = m_document->plan();
    std::vector<MilestoneModel::Row> rows;
    QString note;
    std::size_t previousEnd = 0;
    for (std::size_t i = 0; i < m_milestones.size(); ++i) {
        const Milestone &milestone = m_milestones[i];
        MilestoneModel::Row row{milestone.skill, milestone.modded};
        const bool outOfReach =
            m_failure.isEmpty() && std::find(m_route.outOfReach.begin(), m_route.outOfReach.end(),
                                             i) != m_route.outOfReach.end();
        if (!m_failure.isEmpty() || i >= m_route.milestoneEnds.size()) {
            row.reached = false;
        } else if (outOfReach) {
            row.reached = false;
            try {
                row.goalsGive = ModdedAtGoal(plan, milestone.skill);
            } catch (const std::exception &) {
                row.goalsGive = 0;
            }
            if (note.isEmpty()) {
                const QString name = MilestoneModel::Name(milestone.skill, milestone.modded);
                note = RaceMax(plan.race, milestone.skill) == 0
                           ? tr("%1 is out of reach: %2 cannot learn %3.")
                                 .arg(name, GameNames::Race(plan.race),
                                      GameNames::Skill(milestone.skill))
                           : tr("%1 is out of reach: the goals give at most %2. \"Optimise "
                                "Goals\" (Ctrl+T) can raise them.")
                                 .arg(name, QString::number(row.goalsGive));
            }
        } else {
            const std::size_t end = m_route.milestoneEnds[i];
            row.total = SpentAt(m_route, end);
            row.added = row.total - SpentAt(m_route, previousEnd);
            previousEnd = end;
        }
        rows.push_back(row);
    }
    m_milestoneRows->Show(std::move(rows));
    lblMilestoneNote->setText(note);
    lblMilestoneNote->setVisible(!note.isEmpty());
    MilestoneChosen();
}

void RouteWindow::MilestoneChosen() {
    const int current = CurrentMilestone();
    const int count = static_cast<int>(m_milestones.size());
    spnMilestone->setEnabled(current >= 0);
    cmdMilestoneUp->setEnabled(current > 0);
    cmdMilestoneDown->setEnabled(current >= 0 && current + 1 < count);
    cmdRemoveMilestone->setEnabled(current >= 0);
    if (current < 0) {
        return;
    }
    const Milestone &milestone = m_milestones.at(static_cast<std::size_t>(current));
    std::int32_t highest = 0;
    try {
        highest = HighestReach(m_document->plan(), milestone.skill);
    } catch (const std::exception &) {
        highest = 0; // the route says why
    }
    // Filling the box is no new value. A milestone that was within reach before a race change
    // keeps its value, shown as out of reach.
    const QSignalBlocker blocker(spnMilestone);
    spnMilestone->setRange(0, std::max(highest, milestone.modded));
    spnMilestone->setValue(milestone.modded);
    spnMilestone->setToolTip(
        tr("at most %1 for %2")
            .arg(QString::number(highest), GameNames::Race(m_document->plan().race)));
}

void RouteWindow::AddMilestone() {
    const CharacterPlan &plan = m_document->plan();
    const SkillNumber skill = plan.selected;
    std::int32_t modded = 0;
    try {
        modded = ModdedAtGoal(plan, skill);
    } catch (const std::exception &) {
        return; // no skill is selected that the rules know
    }
    m_milestones.push_back({skill, std::max(0, modded)});
    ShowRoute();
    tblMilestones->setCurrentIndex(
        m_milestoneRows->index(static_cast<int>(m_milestones.size()) - 1, 0));
    m_resultSaid->Later(lblRouteSummary->text());
}

void RouteWindow::MoveMilestone(int by) {
    const int current = CurrentMilestone();
    const int other = current + by;
    if (current < 0 || other < 0 || other >= static_cast<int>(m_milestones.size())) {
        return;
    }
    std::swap(m_milestones.at(static_cast<std::size_t>(current)),
              m_milestones.at(static_cast<std::size_t>(other)));
    ShowRoute();
    tblMilestones->setCurrentIndex(m_milestoneRows->index(other, 0));
    m_resultSaid->Later(lblRouteSummary->text());
}

void RouteWindow::RemoveMilestone() {
    const int current = CurrentMilestone();
    if (current < 0) {
        return;
    }
    m_milestones.erase(m_milestones.begin() + current);
    ShowRoute();
    const int left = static_cast<int>(m_milestones.size());
    if (left > 0) {
        tblMilestones->setCurrentIndex(m_milestoneRows->index(std::min(current, left - 1), 0));
    } else {
        cmdAddMilestone->setFocus(); // the focused button is disabled now
    }
    m_resultSaid->Later(lblRouteSummary->text());
}

void RouteWindow::MilestoneValueChanged(int value) {
    const int current = CurrentMilestone();
    if (current < 0) {
        return;
    }
    m_milestones.at(static_cast<std::size_t>(current)).modded = value;
    ShowRoute();
    m_resultSaid->Later(lblRouteSummary->text());
}

std::size_t RouteWindow::PaidSteps() const {
    const auto paid =
        std::partition_point(m_route.steps.begin(), m_route.steps.end(),
                             [this](const RouteStep &step) { return step.spent <= m_inHand; });
    return static_cast<std::size_t>(paid - m_route.steps.begin());
}

void RouteWindow::ShowSpending() {
    const std::size_t paid = PaidSteps();
    // Consecutive levels of one skill towards one milestone make one row.
    std::vector<RouteStepModel::Row> rows;
    std::size_t milestone = 0;
    const auto milestoneOf = [this, &milestone](std::size_t step) -> QString {
        while (milestone < m_route.milestoneEnds.size() &&
               m_route.milestoneEnds[milestone] <= step) {
            ++milestone;
        }
        if (milestone >= m_route.milestoneEnds.size()) {
            return {};
        }
        const Milestone &named = m_milestones.at(milestone);
        return MilestoneModel::Name(named.skill, named.modded);
    };
    for (std::size_t i = 0; i < m_route.steps.size(); ++i) {
        const RouteStep &step = m_route.steps[i];
        const QString towards = milestoneOf(i);
        if (!rows.empty() && rows.back().skill == step.skill && rows.back().to + 1 == step.level &&
            rows.back().milestone == towards) {
            RouteStepModel::Row &row = rows.back();
            row.to = step.level;
            row.experience += step.cost;
            row.total = step.spent;
            row.paidLevels += i < paid ? 1 : 0;
        } else {
            rows.push_back({step.skill, step.level - 1, step.level, step.cost, step.spent, towards,
                            i < paid ? 1 : 0});
        }
    }
    m_stepRows->Show(std::move(rows));
    const QString summary = Summary();
    lblRouteSummary->setText(summary);
    m_chart->setAccessibleDescription(summary);
    cmdMarkBought->setEnabled(!m_refused && paid > 0);
    ShowChart();
}

QString RouteWindow::Summary() const {
    if (!m_failure.isEmpty()) {
        return tr("No route: %1.").arg(m_failure);
    }
    if (m_route.steps.empty()) {
        return tr("The plan's goals are reached: there is nothing left to buy.");
    }
    const QString whole =
        tr("The route: %1 for %2.")
            .arg(Levels(m_route.steps.size()), Amount(m_route.steps.back().spent));
    if (m_inHand == 0) {
        return whole + QLatin1Char(' ') + tr("Type the experience you have to see what it buys.");
    }
    const std::size_t paid = PaidSteps();
    const std::int64_t spent = SpentAt(m_route, paid);
    const std::int64_t left = m_inHand - spent;
    if (paid == 0) {
        const RouteStep &next = m_route.steps.front();
        return whole + QLatin1Char(' ') +
               tr("%1 buys no level: the first, %2 %3, costs %4.")
                   .arg(Amount(m_inHand), GameNames::Skill(next.skill), QString::number(next.level),
                        Amount(next.cost));
    }
    // Each skill from its base to the highest level bought, in the list's order.
    std::vector<std::pair<std::int32_t, std::int32_t>> reached(
        SkillCount, {std::numeric_limits<std::int32_t>::max(), -1});
    for (std::size_t i = 0; i < paid; ++i) {
        auto &[from, to] = reached.at(static_cast<std::size_t>(m_route.steps[i].skill));
        from = std::min<std::int32_t>(from, m_route.steps[i].level - 1);
        to = std::max<std::int32_t>(to, m_route.steps[i].level);
    }
    QStringList skills;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const auto &[from, to] = reached.at(static_cast<std::size_t>(s));
        if (to >= 0) {
            skills << tr("%1 %2 -> %3")
                          .arg(GameNames::Skill(s), QString::number(from), QString::number(to));
        }
    }
    const QString bought = whole + QLatin1Char(' ') +
                           tr("%1 buys %2 for %3: %4.")
                               .arg(Amount(m_inHand), Levels(paid), Amount(spent),
                                    skills.join(tr(", ", "between the skills bought")));
    if (paid == m_route.steps.size()) {
        return bought + QLatin1Char(' ') +
               tr("That is the whole route; %1 is left over.").arg(Amount(left));
    }
    const RouteStep &next = m_route.steps.at(paid);
    return bought + QLatin1Char(' ') +
           tr("%1 is left over; the next level, %2 %3, costs %4, %5 more.")
               .arg(Amount(left), GameNames::Skill(next.skill), QString::number(next.level),
                    Amount(next.cost), Amount(next.cost - left));
}

void RouteWindow::ShowChart() {
    std::vector<RouteChart::Line> lines;
    const std::int64_t total = m_route.steps.empty() ? 0 : m_route.steps.back().spent;
    try {
        std::vector<SkillNumber> skills;
        for (const Milestone &milestone : m_milestones) {
            if (std::find(skills.begin(), skills.end(), milestone.skill) == skills.end()) {
                skills.push_back(milestone.skill);
            }
        }
        for (const SkillNumber skill : skills) {
            const std::vector<std::int32_t> values =
                ModdedAlong(m_document->plan(), m_route, skill);
            RouteChart::Line line{GameNames::Skill(skill), {}, {}};
            line.points.emplace_back(0, values.front());
            for (std::size_t k = 0; k < m_route.steps.size(); ++k) {
                if (values[k + 1] != values[k]) {
                    const RouteStep &step = m_route.steps[k];
                    line.points.emplace_back(static_cast<double>(step.spent - step.cost),
                                             values[k]);
                    line.points.emplace_back(static_cast<double>(step.spent), values[k + 1]);
                }
            }
            line.points.emplace_back(static_cast<double>(total), values.back());
            for (std::size_t i = 0; i < m_milestones.size() && i < m_route.milestoneEnds.size();
                 ++i) {
                const bool outOfReach =
                    std::find(m_route.outOfReach.begin(), m_route.outOfReach.end(), i) !=
                    m_route.outOfReach.end();
                if (m_milestones[i].skill == skill && !outOfReach) {
                    const std::size_t end = m_route.milestoneEnds[i];
                    line.milestones.emplace_back(static_cast<double>(SpentAt(m_route, end)),
                                                 values.at(end));
                }
            }
            lines.push_back(std::move(line));
        }
    } catch (const std::exception &) {
        lines.clear(); // the summary says why there is no route
    }
    m_chart->Show(std::move(lines), total,
                  m_inHand > 0 ? std::optional<std::int64_t>(m_inHand) : std::nullopt);
}

void RouteWindow::SetInHand(std::int64_t amount) {
    m_inHand = std::max<std::int64_t>(0, amount);
    m_refused = false;
    txtExperience->setText(Amount(m_inHand));
    lblExperienceNote->clear();
    lblExperienceNote->hide();
}

void RouteWindow::ExperienceEdited() {
    const auto read = ExperienceText::Read(txtExperience->text());
    if (const auto *refusal = std::get_if<ExperienceText::Refusal>(&read)) {
        // The route keeps showing what the last amount the box took buys.
        m_refused = true;
        lblExperienceNote->setText(ExperienceText::RefusalText(*refusal));
        lblExperienceNote->show();
        cmdMarkBought->setEnabled(false);
        m_resultSaid->Later(lblExperienceNote->text());
        return;
    }
    m_refused = false;
    m_inHand = std::get<std::int64_t>(read);
    lblExperienceNote->clear();
    lblExperienceNote->hide();
    ShowSpending();
    m_resultSaid->Later(lblRouteSummary->text());
}

void RouteWindow::cmdMarkBought_Click() {
    const std::size_t paid = PaidSteps();
    if (m_refused || paid == 0 || !m_failure.isEmpty()) {
        return;
    }
    const QString step = tr("Bought %n level(s)", nullptr, static_cast<int>(paid));
    const std::int64_t spent = SpentAt(m_route, paid);
    QUndoStack *history = m_document->history();
    const auto last = [history]() -> const QUndoCommand * {
        return history->index() > 0 ? history->command(history->index() - 1) : nullptr;
    };
    const QUndoCommand *before = last();
    std::exception_ptr failure;
    try {
        const CharacterPlan bought = BuyLevels(m_document->plan(), m_route, paid);
        // Only levels change: the planner keeps what is typed and not stored in its boxes.
        failure = m_document->ApplyBeside(step, [&bought](CharacterPlan &plan) {
            for (SkillNumber s = 0; s < SkillCount; ++s) {
                plan.skills.at(s).Base = bought.skills.at(s).Base;
            }
        });
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) {
        lblExperienceNote->setText(FailureText::NothingChanged(failure));
        lblExperienceNote->show();
        m_resultSaid->Later(lblExperienceNote->text());
        return;
    }
    if (const QUndoCommand *added = last(); added && added != before) {
        m_bought.insert(added, Bought{step, spent, true});
    }
    SetInHand(m_inHand - spent);
    ShowSpending();
    if (!cmdMarkBought->isEnabled() && cmdMarkBought->hasFocus()) {
        txtExperience->setFocus(); // the focused button is disabled now
    }
    m_resultSaid->Later(lblRouteSummary->text());
}

RouteWindow::Bought *RouteWindow::BoughtStep(int index) {
    QUndoStack *history = m_document->history();
    if (index < 0 || index >= history->count()) {
        return nullptr;
    }
    const QUndoCommand *command = history->command(index);
    const auto found = m_bought.find(command);
    return found != m_bought.end() && found->step == command->text() ? &*found : nullptr;
}

void RouteWindow::FollowHistory() {
    const PlanDocument::Move move = m_move;
    m_move = PlanDocument::Move::Change;
    QUndoStack *history = m_document->history();
    if (move == PlanDocument::Move::Change && !m_bought.isEmpty()) {
        // A new change may have dropped steps that could be redone, or the whole history.
        std::set<const QUndoCommand *> kept;
        for (int i = 0; i < history->count(); ++i) {
            kept.insert(history->command(i));
        }
        m_bought.removeIf([&kept](const auto &entry) { return !kept.contains(entry.key()); });
    }
    if (!isVisible()) {
        return;
    }
    if (move == PlanDocument::Move::Undo) {
        if (Bought *bought = BoughtStep(history->index()); bought && bought->takenOut) {
            bought->takenOut = false;
            const std::int64_t room = std::numeric_limits<std::int64_t>::max() - m_inHand;
            SetInHand(bought->spent > room ? std::numeric_limits<std::int64_t>::max()
                                           : m_inHand + bought->spent);
            ShowSpending();
        }
    } else if (move == PlanDocument::Move::Redo) {
        if (Bought *bought = BoughtStep(history->index() - 1); bought && !bought->takenOut) {
            bought->takenOut = true;
            SetInHand(m_inHand - bought->spent);
            ShowSpending();
        }
    }
}

void AddRouteAction(const PlannerHost &host) {
    QAction *action = host.AddMenuEntry(RouteWindow::tr("Route"), "routeAction",
                                        Qt::CTRL | Qt::SHIFT | Qt::Key_R);
    QObject::connect(action, &QAction::triggered, host.window,
                     [document = host.document, planner = host.window, announcer = host.announcer] {
                         RouteWindow::Open(document, planner, announcer);
                     });
}
