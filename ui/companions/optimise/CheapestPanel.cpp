// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/optimise/CheapestPanel.h"

#include "document/PlanDocument.h"
#include "plan/Optimiser.h"
#include "text/FailureText.h"
#include "text/NumberText.h"
#include "ui/companions/optimise/GoalModels.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/shared/ResultTable.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Tarrowind_Module;

namespace {

QString Amount(std::int32_t value) {
    return NumberText::GroupedAmount(value);
}

QString Percent(std::int32_t part, std::int32_t whole) {
    const double percent = whole > 0 ? 100.0 * part / whole : 0.0;
    return QLocale().toString(percent, 'f', percent < 1.0 ? 1 : 0);
}

} // namespace

CheapestPanel::CheapestPanel(PlanDocument *document, Announcer *announcer,
                             PausedAnnouncement *resultSaid, QWidget *parent)
    : GoalsPanel(tr("The same values for less"), document, announcer, resultSaid, parent),
      m_goals(new CheapestModel(this)), lblCheapest(new QLabel(this)),
      tblCheapest(new ResultTable(m_goals, "tblCheapest", tr("Cheapest goals"), this)),
      chkAttributesMayFall(new QCheckBox(tr("Attributes may end lower"), this)),
      cmdApplyCheapest(new QPushButton(tr("Apply"), this)) {
    tblCheapest->ShowRows(8);
    lblCheapest->setObjectName(QStringLiteral("lblCheapest"));
    chkAttributesMayFall->setObjectName(QStringLiteral("chkAttributesMayFall"));
    cmdApplyCheapest->setObjectName(QStringLiteral("cmdApplyCheapest"));
    cmdApplyCheapest->setAccessibleName(tr("Apply the cheapest goals"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblCheapest);
    layout->addWidget(tblCheapest);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(chkAttributesMayFall);
    buttons->addStretch();
    buttons->addWidget(cmdApplyCheapest);
    layout->addLayout(buttons);

    connect(chkAttributesMayFall, &QCheckBox::toggled, this, [this] {
        ShowPlan();
        m_resultSaid->Later(lblCheapest->text());
    });
    connect(cmdApplyCheapest, &QPushButton::clicked, this, &CheapestPanel::cmdApplyCheapest_Click);
}

void CheapestPanel::ShowPlan() {
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

    bool saves = false;
    try {
        if (m_cheapestFailure) {
            std::rethrow_exception(m_cheapestFailure);
        }
        const std::int32_t total = Total(plan);
        const std::int32_t cheapest = Total(*m_cheapest);
        saves = cheapest < total;
        m_goals->Show(plan, saves ? &*m_cheapest : nullptr);
        lblCheapest->setText(
            saves ? tr("This plan: %1. The same values at goal: %2. Saving: %3 (%4 %).")
                        .arg(Amount(total), Amount(cheapest), Amount(total - cheapest),
                             Percent(total - cheapest, total))
                  : tr("This plan is already the cheapest for these values"));
    } catch (...) {
        saves = false;
        m_goals->Show(plan, nullptr);
        lblCheapest->setText(
            tr("No suggestion: %1.").arg(FailureText::Reason(std::current_exception())));
    }
    cmdApplyCheapest->setEnabled(saves);
}

void CheapestPanel::cmdApplyCheapest_Click() {
    if (m_cheapest && cmdApplyCheapest->isEnabled()) {
        ApplyGoals(cmdApplyCheapest, tr("Cheapest goals"), *m_cheapest, chkAttributesMayFall);
    }
}
