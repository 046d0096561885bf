// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/plans/PlansWindow.h"

#include "document/PlanDocument.h"
#include "ui/companions/plans/PlanListModel.h"
#include "ui/companions/plans/PlanSetCommands.h"
#include "ui/shared/ResultTable.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *Button(QWidget *parent, const char *name, const QString &text) {
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

PlansWindow::PlansWindow(const PlanDocument *document, QWidget *planner, PlanSetCommands *commands)
    : CompanionWindow(document, planner), m_document(document), m_commands(commands),
      m_plans(new PlanListModel(this)),
      m_table(new ResultTable(m_plans, "planTable", tr("Plans"), this)),
      m_show(Button(this, "cmdShowPlan", tr("&Show"))),
      m_keep(Button(this, "cmdKeepPlan", tr("&Keep Plan"))),
      m_rename(Button(this, "cmdRenamePlan", tr("&Rename…"))),
      m_remove(Button(this, "cmdRemovePlan", tr("Re&move"))) {
    setObjectName(QStringLiteral("plansWindow"));
    setWindowTitle(tr("Plans"));
    m_table->ShowRows(int(PlanDocument::MaxPlans));

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_show, m_keep, m_rename, m_remove}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(content());
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    const auto note = [this](const QString &text) {
        ShowNote(text);
    };
    connect(m_show, &QPushButton::clicked, this,
            [this, note] { note(m_commands->Show(CurrentPlan())); });
    connect(m_table, &QAbstractItemView::activated, this,
            [this, note] { note(m_commands->Show(CurrentPlan())); });
    connect(m_keep, &QPushButton::clicked, this, [this, note] { note(m_commands->Keep()); });
    connect(m_remove, &QPushButton::clicked, this,
            [this, note] { note(m_commands->Remove(CurrentPlan())); });
    connect(m_rename, &QPushButton::clicked, this, [this] {
        // The answer comes once the dialog closes, when this window may be gone.
        m_commands->AskRename(CurrentPlan(), this,
                              [window = QPointer<PlansWindow>(this)](const QString &text) {
                                  if (window) {
                                      window->ShowNote(text);
                                  }
                              });
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PlansWindow::FollowCurrent);
}

qsizetype PlansWindow::CurrentPlan() const {
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void PlansWindow::ShowPlan() {
    m_plans->Show(*m_document);
    if (CurrentPlan() < 0 || CurrentPlan() >= m_document->planCount()) {
        m_table->setCurrentIndex(m_plans->index(int(m_document->shownPlan()), 0));
    }
    FollowCurrent();
}

void PlansWindow::Opening(bool /*shown*/) {
    m_plans->Show(*m_document);
    m_table->setCurrentIndex(m_plans->index(int(m_document->shownPlan()), 0));
    FollowCurrent();
}

void PlansWindow::FollowCurrent() {
    const qsizetype current = CurrentPlan();
    const qsizetype count = m_document->planCount();
    // Showing the plan already shown says so, and keeps the focus where it is.
    m_show->setEnabled(current >= 0);
    m_keep->setEnabled(count < PlanDocument::MaxPlans);
    m_rename->setEnabled(current >= 0);
    m_remove->setEnabled(current >= 0 && count > 1);
}
