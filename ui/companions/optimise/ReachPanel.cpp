// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/optimise/ReachPanel.h"

#include "document/PlanDocument.h"
#include "plan/Optimiser.h"
#include "plan/RaceComparison.h"
#include "rules/RaceTable.h"
#include "text/FailureText.h"
#include "text/GameNames.h"
#include "text/NumberText.h"
#include "ui/companions/optimise/GoalModels.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/shared/ResultTable.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace Tarrowind_Module;

namespace {

QString Amount(std::int32_t value) {
    return NumberText::GroupedAmount(value);
}

} // namespace

// The target: a number above the highest can be typed, where QSpinBox would refuse its last
// digit ("250" becoming "25"), and is answered with the highest once the typing ends, by Enter
// or by leaving the box.
class TargetBox : public QSpinBox {
public:
    explicit TargetBox(QWidget *parent) : QSpinBox(parent) {}

    // Whether typing has been lowered to the highest since the last call.
    bool TakeLowered() { return std::exchange(m_lowered, false); }

protected:
    QValidator::State validate(QString &input, int &pos) const override {
        const QValidator::State state = QSpinBox::validate(input, pos);
        return state == QValidator::Invalid && Above(input) ? QValidator::Intermediate : state;
    }

    void fixup(QString &input) const override {
        if (Above(input)) {
            input = textFromValue(maximum());
            m_lowered = true;
            return;
        }
        QSpinBox::fixup(input);
    }

private:
    bool Above(const QString &input) const {
        bool read = false;
        const qlonglong number = locale().toLongLong(input.trimmed(), &read);
        return read && number > maximum();
    }

    // fixup() is const in QAbstractSpinBox; what it did is kept for the panel to say.
    mutable bool m_lowered = false;
};

ReachPanel::ReachPanel(PlanDocument *document, Announcer *announcer, PausedAnnouncement *resultSaid,
                       QWidget *parent)
    : GoalsPanel(tr("Reach a value"), document, announcer, resultSaid, parent),
      m_suggested(new ReachModel(this)), m_races(new ReachRacesModel(this)),
      cmbTargetSkill(new QComboBox(this)), spnTarget(new TargetBox(this)),
      lblHighest(new QLabel(this)),
      tblReach(new ResultTable(m_suggested, "tblReach", tr("Suggested goals"), this)),
      lblOwnGoal(new QLabel(this)),
      tblReachRaces(new ResultTable(m_races, "tblReachRaces", tr("Races"), this)),
      cmdApplyReach(new QPushButton(tr("Apply"), this)) {
    tblReach->ShowRows(5);
    tblReachRaces->ShowRows(8);
    lblOwnGoal->setObjectName(QStringLiteral("lblOwnGoal"));
    cmdApplyReach->setObjectName(QStringLiteral("cmdApplyReach"));
    cmdApplyReach->setAccessibleName(tr("Apply the suggested goals"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(ChoiceRow());
    layout->addWidget(tblReach);
    layout->addWidget(lblOwnGoal);
    layout->addWidget(tblReachRaces);
    layout->addWidget(cmdApplyReach, 0, Qt::AlignRight);

    // currentIndexChanged, not activated: the program's own choice of skill shows its preview
    // just as the user's does.
    connect(cmbTargetSkill, &QComboBox::currentIndexChanged, this, &ReachPanel::TargetSkillChanged);
    connect(spnTarget, &QSpinBox::valueChanged, this, [this] {
        ShowReach();
        m_resultSaid->Later(lblOwnGoal->text());
    });
    connect(spnTarget, &QAbstractSpinBox::editingFinished, this, [this] {
        if (spnTarget->TakeLowered()) {
            Note(tr("Target lowered to %1, the highest").arg(Amount(spnTarget->maximum())));
        }
    });
    connect(cmdApplyReach, &QPushButton::clicked, this, &ReachPanel::cmdApplyReach_Click);
}

// The skill, the target and the highest target there is.
QLayout *ReachPanel::ChoiceRow() {
    cmbTargetSkill->setObjectName(QStringLiteral("cmbTargetSkill"));
    cmbTargetSkill->setAccessibleName(tr("Skill"));
    spnTarget->setObjectName(QStringLiteral("spnTarget"));
    spnTarget->setAccessibleName(tr("Target modded value at goal"));
    spnTarget->setGroupSeparatorShown(true);
    spnTarget->setKeyboardTracking(true);
    lblHighest->setObjectName(QStringLiteral("lblHighest"));

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
    return choice;
}

SkillNumber ReachPanel::TargetSkill() const {
    return static_cast<SkillNumber>(cmbTargetSkill->currentData().toInt());
}

void ReachPanel::FillSkills() {
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
                    cmbTargetSkill->addItem(GameNames::Skill(s), int{s});
                }
            }
            m_skillsRace = race;
        } catch (const std::exception &) {
            m_skillsRace = -1; // a race the rules do not know: no skill to choose
        }
        cmbTargetSkill->setCurrentIndex(std::max(0, cmbTargetSkill->findData(before)));
    }
}

void ReachPanel::ChooseSkill(SkillNumber skill) {
    const int index = cmbTargetSkill->findData(int{skill});
    if (index >= 0 && index != cmbTargetSkill->currentIndex()) {
        const QSignalBlocker blocker(cmbTargetSkill);
        cmbTargetSkill->setCurrentIndex(index);
    }
}

void ReachPanel::Start(SkillNumber skill) {
    FillSkills();
    ChooseSkill(skill);
    TargetSkillChanged();
}

void ReachPanel::ShowPlan() {
    const int before = cmbTargetSkill->currentIndex() >= 0 ? TargetSkill() : -1;
    FillSkills();
    if (cmbTargetSkill->currentIndex() >= 0 && TargetSkill() != before) {
        StartTarget(); // the race no longer learns the skill that was chosen
        if (before >= 0) {
            Note(tr("%1 cannot be learned by %2; %3 chosen instead")
                     .arg(GameNames::Skill(static_cast<SkillNumber>(before)),
                          GameNames::Race(m_document->plan().race),
                          GameNames::Skill(TargetSkill())));
        }
    }
    ShowReach();
}

void ReachPanel::StartTarget() {
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

void ReachPanel::TargetSkillChanged() {
    StartTarget();
    ShowReach();
    m_resultSaid->Later(lblOwnGoal->text());
}

void ReachPanel::ShowReach() {
    m_reach.reset();
    const CharacterPlan &plan = m_document->plan();
    const bool hasSkill = cmbTargetSkill->currentIndex() >= 0;
    const SkillNumber skill = hasSkill ? TargetSkill() : SkillNumber{0};
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
        lblHighest->setText(
            tr("at most %1 for %2").arg(Amount(highest), GameNames::Race(plan.race)));
        // A screen reader hears the highest with the box, which the label beside it is not.
        if (spnTarget->accessibleDescription() != lblHighest->text()) {
            spnTarget->setAccessibleDescription(lblHighest->text());
        }
        const std::int32_t target = spnTarget->value();
        const std::optional<CharacterPlan> reached = CheapestReach(plan, skill, target);
        const std::optional<std::int32_t> ownCost = OwnGoalReachCost(plan, skill, target);
        const QString name = GameNames::Skill(skill);
        m_suggested->Show(plan, reached ? &*reached : nullptr);
        if (!reached) {
            own = tr("%1 cannot reach %2.").arg(name, Amount(target));
        } else {
            const std::int32_t added = Total(*reached) - Total(plan);
            // Whatever it costs, even nothing: a suggestion that changes a goal can be applied.
            for (SkillNumber s = 0; s < SkillCount && !m_reach; ++s) {
                if (reached->skills[s].Goal != plan.skills[s].Goal) {
                    m_reach = reached;
                }
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
        own = tr("No suggestion: %1.").arg(FailureText::Reason(std::current_exception()));
        m_suggested->Show(plan, nullptr);
        m_races->Show({}, plan.race, skill, 0);
    }
    lblOwnGoal->setText(own);
    cmdApplyReach->setEnabled(m_reach.has_value());
}

void ReachPanel::ShowReachRaces(SkillNumber skill, std::int32_t target) {
    using Kind = ReachRacesModel::RaceReach::Kind;
    const CharacterPlan &plan = m_document->plan();
    std::vector<ReachRacesModel::RaceReach> races(RaceCount);
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        ReachRacesModel::RaceReach &reach = races.at(static_cast<std::size_t>(race));
        if (RaceMax(race, skill) == 0) {
            reach.kind = Kind::CannotLearn;
            continue;
        }
        try {
            const CharacterPlan other = PlanForRace(plan, race);
            if (const std::optional<CharacterPlan> reached = CheapestReach(other, skill, target)) {
                reach.kind = Kind::Added;
                reach.added = Total(*reached) - Total(other);
            } else {
                reach.kind = Kind::CannotReach;
            }
        } catch (...) {
            reach.kind = Kind::Failed;
            reach.reason = FailureText::Reason(std::current_exception());
        }
    }
    m_races->Show(std::move(races), plan.race, skill, target);
}

void ReachPanel::cmdApplyReach_Click() {
    if (m_reach) {
        ApplyGoals(
            cmdApplyReach,
            tr("Reach %1 %2").arg(GameNames::Skill(TargetSkill()), Amount(spnTarget->value())),
            *m_reach, spnTarget);
    }
}
