// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/plans/ComparePlansWindow.h"

#include "document/PlanDocument.h"
#include "plan/PlanComparison.h"
#include "text/FailureText.h"
#include "text/GameNames.h"
#include "text/NumberText.h"
#include "text/PlanText.h"
#include "ui/companions/plans/PlanComparisonModel.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/planner/PlannerHost.h"
#include "ui/shared/ResultTable.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <exception>

using namespace Tarrowind_Module;

namespace {

// The lowered goals a note names one by one; the rest it counts.
constexpr qsizetype NamedLowered = 3;

// A plan's name on a button, whose "&" marks the key that presses it.
QString OnButton(QString name) {
    return name.replace(u'&', QStringLiteral("&&"));
}

std::int32_t Total(const CharacterPlan &plan) {
    std::int32_t total = 0;
    plan.GoalTotal(total);
    return total;
}

} // namespace

ComparePlansWindow::ComparePlansWindow(PlanDocument *document, QWidget *planner,
                                       Announcer *announcer)
    : CompanionWindow(document, planner), m_document(document), m_announcer(announcer),
      m_resultSaid(new PausedAnnouncement(announcer, std::chrono::milliseconds(600), this)),
      m_rows(new PlanComparisonModel(this)), cmbFirstPlan(new QComboBox(this)),
      cmbSecondPlan(new QComboBox(this)), chkAllSkills(new QCheckBox(tr("Show &all skills"), this)),
      lblComparison(new QLabel(this)),
      tblComparison(new ResultTable(m_rows, "tblComparison", tr("Skills of the two plans"), this)),
      cmdTakeGoals(new QPushButton(this)) {
    setObjectName(QStringLiteral("comparePlans"));
    setWindowTitle(tr("Compare Plans"));
    m_rows->SetPalette(palette());
    // The table asks for all its rows and columns; where the window cannot give them, it
    // scrolls.
    tblComparison->FitContents();
    tblComparison->setMinimumHeight(tblComparison->horizontalHeader()->sizeHint().height() +
                                    6 * tblComparison->verticalHeader()->defaultSectionSize());
    chkAllSkills->setObjectName(QStringLiteral("chkAllSkills"));
    lblComparison->setObjectName(QStringLiteral("lblComparison"));
    lblComparison->setWordWrap(true);
    // Tab reaches the line, so a screen reader can read it again.
    lblComparison->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    lblComparison->setFocusPolicy(Qt::StrongFocus);
    cmdTakeGoals->setObjectName(QStringLiteral("cmdTakeGoals"));
    cmdTakeGoals->setToolTip(
        tr("Sets the goals of the plan shown in the planner to those of the other plan, where "
           "its race allows, keeping its bases and equipment; offered when one of the two plans "
           "is the plan shown"));

    auto *takeRow = new QHBoxLayout;
    takeRow->addWidget(cmdTakeGoals);
    takeRow->addStretch();
    auto *layout = new QVBoxLayout(content());
    layout->addLayout(PickRow());
    layout->addWidget(chkAllSkills);
    layout->addWidget(lblComparison);
    layout->addWidget(tblComparison, 1);
    layout->addLayout(takeRow);
    const QList<QWidget *> order{cmbFirstPlan,  cmbSecondPlan, chkAllSkills,
                                 lblComparison, tblComparison, cmdTakeGoals};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }

    // activated is the user's choice, by mouse or keyboard; filling the lists is none.
    connect(cmbFirstPlan, &QComboBox::activated, this,
            [this](int index) { Picked(m_first, index); });
    connect(cmbSecondPlan, &QComboBox::activated, this,
            [this](int index) { Picked(m_second, index); });
    connect(chkAllSkills, &QCheckBox::toggled, this, [this] {
        Compare();
        m_resultSaid->Later(lblComparison->text());
    });
    connect(cmdTakeGoals, &QPushButton::clicked, this, &ComparePlansWindow::cmdTakeGoals_Click);
}

QLayout *ComparePlansWindow::PickRow() {
    cmbFirstPlan->setObjectName(QStringLiteral("cmbFirstPlan"));
    cmbSecondPlan->setObjectName(QStringLiteral("cmbSecondPlan"));
    cmbFirstPlan->setAccessibleName(tr("Compare"));
    cmbSecondPlan->setAccessibleName(tr("With"));
    for (QComboBox *box : {cmbFirstPlan, cmbSecondPlan}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    auto *firstLabel = new QLabel(tr("&Compare:"), this);
    firstLabel->setBuddy(cmbFirstPlan);
    auto *secondLabel = new QLabel(tr("&with:"), this);
    secondLabel->setBuddy(cmbSecondPlan);
    auto *row = new QHBoxLayout;
    row->addWidget(firstLabel);
    row->addWidget(cmbFirstPlan);
    row->addSpacing(12);
    row->addWidget(secondLabel);
    row->addWidget(cmbSecondPlan);
    row->addStretch();
    return row;
}

ComparePlansWindow *ComparePlansWindow::Open(PlanDocument *document, QWidget *planner,
                                             Announcer *announcer) {
    return CompanionWindow::Open<ComparePlansWindow>(planner, document, planner, announcer);
}

void ComparePlansWindow::ShowPlan() {
    FollowPicks();
    Compare();
}

void ComparePlansWindow::Opening(bool shown) {
    if (!shown) {
        m_first = {};
        m_second = {};
        ShowPlan();
        m_resultSaid->Cancel(); // opening is no change to announce
    }
}

void ComparePlansWindow::changeEvent(QEvent *event) {
    CompanionWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_rows->SetPalette(palette());
    }
}

void ComparePlansWindow::FollowPicks() {
    const qsizetype count = m_document->planCount();
    const qsizetype shown = m_document->shownPlan();
    // A name is the plan's own as long as nobody renames it, and names are never shared; a
    // renamed plan keeps its place, unless a removal moved it too.
    const auto find = [this, count](const Pick &pick) -> qsizetype {
        if (!pick.name.isEmpty()) {
            for (qsizetype i = 0; i < count; ++i) {
                if (m_document->planName(i) == pick.name) {
                    return i;
                }
            }
        }
        return pick.index >= 0 && pick.index < count ? pick.index : -1;
    };
    qsizetype first = find(m_first);
    qsizetype second = find(m_second);
    if (first < 0) {
        first = shown;
    }
    if (second < 0) {
        second = first;
        for (qsizetype i = 0; i < count; ++i) {
            if (i != first) {
                second = i;
                break;
            }
        }
    }
    m_first = {first, m_document->planName(first)};
    m_second = {second, m_document->planName(second)};

    QStringList entries;
    for (qsizetype i = 0; i < count; ++i) {
        entries << m_document->planName(i);
    }
    const QString shownTip = tr("The plan shown in the planner");
    for (auto [box, pick] : {std::pair{cmbFirstPlan, first}, std::pair{cmbSecondPlan, second}}) {
        // Filling the lists is no choice of the user's.
        const QSignalBlocker blocker(box);
        QStringList listed;
        for (int i = 0; i < box->count(); ++i) {
            listed << box->itemText(i);
        }
        if (listed != entries) {
            box->clear();
            box->addItems(entries);
        }
        for (int i = 0; i < box->count(); ++i) {
            box->setItemData(i, i == shown ? QVariant(shownTip) : QVariant(), Qt::ToolTipRole);
        }
        box->setCurrentIndex(static_cast<int>(pick));
    }
}

void ComparePlansWindow::Picked(Pick &pick, int index) {
    if (index < 0 || index >= m_document->planCount()) {
        return;
    }
    pick = {index, m_document->planName(index)};
    Compare();
    m_resultSaid->Later(lblComparison->text());
}

qsizetype ComparePlansWindow::OtherThanShown() const {
    const qsizetype shown = m_document->shownPlan();
    if (m_first.index == m_second.index) {
        return -1;
    }
    if (m_first.index == shown) {
        return m_second.index;
    }
    return m_second.index == shown ? m_first.index : -1;
}

void ComparePlansWindow::Compare() {
    const qsizetype count = m_document->planCount();
    if (m_first.index < 0 || m_first.index >= count || m_second.index < 0 ||
        m_second.index >= count) {
        FollowPicks(); // the set changed while the window was hidden
    }
    const QString &firstName = m_first.name;
    const QString &secondName = m_second.name;
    if (m_rows->SetNames(firstName, secondName)) {
        tblComparison->ResizeColumns();
    }
    if (count < 2) {
        m_rows->Clear();
        lblComparison->setText(tr("%1 is the only plan: there is nothing kept to compare it with. "
                                  "\"Keep Plan\" in the Plan menu keeps a copy of it.")
                                   .arg(firstName));
    } else {
        try {
            const CharacterPlan &first = m_document->planAt(m_first.index);
            const CharacterPlan &second = m_document->planAt(m_second.index);
            const PlanComparison comparison = ComparePlans(first, second);
            m_rows->Show(comparison, chkAllSkills->isChecked());
            const auto side = [](const QString &name, RaceNumber race, std::int32_t total) {
                return tr("%1: %2, %3")
                    .arg(name, GameNames::Race(race), NumberText::GroupedAmount(total));
            };
            const std::int64_t difference = comparison.TotalDifference();
            QStringList parts{side(firstName, comparison.firstRace, comparison.firstTotal),
                              side(secondName, comparison.secondRace, comparison.secondTotal),
                              difference == 0 ? tr("both need the same experience")
                                              : PlanComparisonModel::DifferenceText(
                                                    PlanComparisonModel::Quantity::Experience,
                                                    secondName, difference)};
            if (m_first.index == m_second.index) {
                parts << tr("a plan compared with itself");
            } else if (comparison.Differing().empty()) {
                parts << tr("no skill differs");
            }
            lblComparison->setText(parts.join(tr(" · ", "between the parts of the comparison")));
        } catch (...) {
            // Not for plans the document holds; shown, not thrown.
            m_rows->Clear();
            lblComparison->setText(tr("The plans cannot be compared: %1.")
                                       .arg(FailureText::Reason(std::current_exception())));
        }
    }

    const qsizetype other = OtherThanShown();
    cmdTakeGoals->setText(
        tr("&Take goals from %1")
            .arg(OnButton(other >= 0 ? m_document->planName(other) : secondName)));
    const bool focused = cmdTakeGoals->hasFocus();
    cmdTakeGoals->setEnabled(other >= 0);
    if (focused && !cmdTakeGoals->isEnabled()) {
        cmbSecondPlan->setFocus(); // the focused button is disabled now
    }
}

void ComparePlansWindow::cmdTakeGoals_Click() {
    const qsizetype other = OtherThanShown();
    if (other < 0) {
        return;
    }
    const QString name = m_document->planName(other);
    const CharacterPlan from = m_document->planAt(other);
    const CharacterPlan before = m_document->plan();
    // The note says what the step did, in place of what the planner would say of the change.
    if (m_announcer) {
        m_announcer->LeaveNextChange(true);
    }
    // Only goals change: the planner keeps what is typed and not stored in its boxes.
    const std::exception_ptr failure = m_document->ApplyBeside(
        tr("Goals from %1").arg(name), [&from](CharacterPlan &plan) { TakeGoals(plan, from); });
    if (m_announcer) {
        m_announcer->LeaveNextChange(false);
    }
    if (failure) {
        ShowNote(FailureText::NothingChanged(failure));
        return;
    }
    const CharacterPlan &after = m_document->plan();
    int changed = 0;
    PlanText::PastedPlan asked;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const SkillPlanEntry &entry = after.skills.at(s);
        changed += entry.Goal != before.skills.at(s).Goal ? 1 : 0;
        // A goal the other plan raises above its base and the race lowered; a goal that is
        // only the other plan's base is none worth naming.
        const SkillPlanEntry &taken = from.skills.at(s);
        if (entry.Goal < taken.Goal && taken.Goal > taken.Base) {
            asked.skills.push_back({s, entry.Base, entry.EQ, taken.Goal});
        }
    }
    const QString total = NumberText::GroupedAmount(Total(after));
    QString note =
        changed == 0
            ? tr("Goals from %1: no goal changed, total %2").arg(name, total)
            : tr("Goals from %1: %n goal(s) changed, total %2", nullptr, changed).arg(name, total);
    const QStringList lowered = PlanText::LoweredLevels(asked, after);
    if (!lowered.isEmpty()) {
        note += tr("; ", "between the parts of a note") +
                lowered.first(std::min(lowered.size(), NamedLowered)).join(u"; ");
        if (lowered.size() > NamedLowered) {
            note += tr("; %1 goals lowered in all").arg(QString::number(lowered.size()));
        }
    }
    ShowNote(note + u'.');
}

void AddComparePlansAction(const PlannerHost &host) {
    QAction *action = host.AddMenuEntry(ComparePlansWindow::tr("Compare Plans"),
                                        "comparePlansAction", Qt::CTRL | Qt::SHIFT | Qt::Key_D);
    QObject::connect(action, &QAction::triggered, host.window,
                     [document = host.document, planner = host.window, announcer = host.announcer] {
                         ComparePlansWindow::Open(document, planner, announcer);
                     });
}
