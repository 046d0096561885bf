// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/PlanDocument.h"

#include "document/PlanSetStep.h"
#include "document/PlanStep.h"
#include "text/PlanText.h"

#include <QUndoStack>

#include <algorithm>
#include <stdexcept>
#include <utility>

using namespace Tarrowind_Module;

namespace {

// A step holds at most two whole plans, or a set's change; beyond this many steps the oldest go,
// which bounds the memory the history takes.
constexpr int HistoryLimit = 10000;

// What `work` threw, or null when it returned.
template <typename Work> std::exception_ptr Caught(Work &&work) {
    try {
        std::forward<Work>(work)();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

// Whether the two lists hold the same names in the same order, with the same races and levels.
bool SamePlans(const std::vector<NamedPlan> &one, const std::vector<NamedPlan> &other) {
    return std::equal(one.begin(), one.end(), other.begin(), other.end(),
                      [](const NamedPlan &a, const NamedPlan &b) {
                          return a.name == b.name && a.plan.SameLevels(b.plan);
                      });
}

// Pushes a step of the set into the document's history, which runs it: its first redo makes the
// change.
void PushSet(PlanDocument *document, const QString &what, PlanSetChange::Kind change) {
    document->history()->push(new PlanSetStep(document, what, std::move(change)));
}

} // namespace

PlanDocument::PlanDocument(QObject *parent) : QObject(parent), m_history(new QUndoStack(this)) {
    m_history->setUndoLimit(HistoryLimit);
    m_plans.push_back({{NewPlanName(), CharacterPlan()}, {}, nullptr});
}

PlanDocument::~PlanDocument() {
    // The history is a child and goes after this document; its clearing on the way would tell
    // its followers of a change in a document that is no longer there.
    m_history->blockSignals(true);
}

const CharacterPlan &PlanDocument::plan() const {
    return m_shownPlan;
}

void PlanDocument::FollowShown() {
    m_shownPlan = m_plans[std::size_t(m_shown)].named.plan;
}

void PlanDocument::Open(const CharacterPlan &plan) {
    CharacterPlan opened = plan;
    opened.Recalculate();
    const QString pathBefore = m_file.path;
    m_plans.clear();
    m_shown = 0;
    m_plans.push_back(
        {{NewPlanName(), opened}, {std::make_shared<const CharacterPlan>(opened)}, nullptr});
    m_file = {};
    m_history->clear();
    TellSetChanged(Move::Change, QString(), pathBefore);
}

std::exception_ptr PlanDocument::Apply(const QString &what, const Change &change) {
    // What ApplyBeside tells holds for this change only, whether it is taken or thrown.
    struct Beside {
        bool &flag;
        ~Beside() { flag = false; }
    } const beside{m_changingBeside};
    return Caught([&] {
        CharacterPlan changedPlan = plan();
        change(changedPlan);
        changedPlan.Recalculate();
        if (changedPlan == plan()) {
            Q_EMIT changed(Move::Change, what);
        } else {
            // Pushing the step runs its redo, which puts the changed plan in.
            m_history->push(new PlanStep(this, what, m_shown, plan(), changedPlan));
        }
    });
}

std::exception_ptr PlanDocument::ApplyBeside(const QString &what, const Change &change) {
    const RaceNumber race = plan().race;
    const SkillNumber selected = plan().selected;
    return Apply(what, [&](CharacterPlan &plan) {
        change(plan);
        // Set only once the change is made, so that it holds for this change alone; the
        // recalculation that follows keeps the race and the selected skill.
        m_changingBeside = plan.race == race && plan.selected == selected;
    });
}

// QUndoStack moves its index only once a step's undo or redo has returned, so one that throws
// leaves the history where it was.
std::exception_ptr PlanDocument::Undo() {
    return Caught([this] { m_history->undo(); });
}

std::exception_ptr PlanDocument::Redo() {
    return Caught([this] { m_history->redo(); });
}

void PlanDocument::Select(SkillNumber skill) {
    m_plans[std::size_t(m_shown)].named.plan.selected = skill;
    m_shownPlan.selected = skill;
}

const QString &PlanDocument::planName(qsizetype index) const {
    CheckIndex(index);
    return m_plans[std::size_t(index)].named.name;
}

const CharacterPlan &PlanDocument::planAt(qsizetype index) const {
    CheckIndex(index);
    return m_plans[std::size_t(index)].named.plan;
}

std::vector<NamedPlan> PlanDocument::plans() const {
    std::vector<NamedPlan> named;
    named.reserve(m_plans.size());
    for (const Entry &entry : m_plans) {
        named.push_back(entry.named);
    }
    return named;
}

QString PlanDocument::FormatPlans(const QLocale &locale) const {
    std::vector<std::pair<QString, CharacterPlan>> named;
    named.reserve(m_plans.size());
    for (const Entry &entry : m_plans) {
        named.emplace_back(entry.named.name, entry.named.plan);
    }
    return PlanText::FormatPlans(named, locale);
}

QString PlanDocument::NewPlanName() const {
    for (int number = 1;; ++number) {
        QString name = tr("Plan %1").arg(number);
        if (std::none_of(m_plans.begin(), m_plans.end(),
                         [&](const Entry &entry) { return entry.named.name == name; })) {
            return name;
        }
    }
}

std::exception_ptr PlanDocument::KeepPlan(const QString &name) {
    return Caught([&] {
        if (planCount() >= MaxPlans) {
            throw std::length_error("no room for another plan");
        }
        const Entry &shown = m_plans[std::size_t(m_shown)];
        Entry kept{{FreeName(name), shown.named.plan}, shown.origins, nullptr};
        if (shown.copied) {
            kept.origins.push_back(shown.copied);
        }
        PushSet(this, tr("Keep Plan"), PlanSetChange::Insert{planCount(), std::move(kept)});
    });
}

std::exception_ptr PlanDocument::ShowPlan(qsizetype index) {
    return Caught([&] {
        CheckIndex(index);
        if (index == m_shown) {
            Q_EMIT changed(Move::Change, tr("Show Plan"));
            return;
        }
        PushSet(this, tr("Show Plan"), PlanSetChange::Show{m_shown, index});
    });
}

std::exception_ptr PlanDocument::RenamePlan(qsizetype index, const QString &name) {
    return Caught([&] {
        CheckIndex(index);
        QString renamed = FreeName(name, index);
        const QString &before = m_plans[std::size_t(index)].named.name;
        if (renamed == before) {
            Q_EMIT changed(Move::Change, tr("Rename Plan"));
            return;
        }
        PushSet(this, tr("Rename Plan"), PlanSetChange::Rename{index, before, std::move(renamed)});
    });
}

std::exception_ptr PlanDocument::RemovePlan(qsizetype index) {
    return Caught([&] {
        CheckIndex(index);
        if (planCount() == 1) {
            throw std::logic_error("the last plan stays");
        }
        // The plan after the removed one takes its place in the list; after the last plan, the
        // one before it is shown.
        qsizetype shownAfter = m_shown;
        if (index < m_shown || (index == m_shown && index == planCount() - 1)) {
            --shownAfter;
        }
        PushSet(this, tr("Remove Plan"),
                PlanSetChange::Remove{index, m_plans[std::size_t(index)], m_shown, shownAfter});
    });
}

std::exception_ptr PlanDocument::AddPlan(const QString &what, const NamedPlan &plan) {
    return Caught([&] {
        if (planCount() >= MaxPlans) {
            throw std::length_error("no room for another plan");
        }
        Entry added = Pasted({FreeName(plan.name), plan.plan});
        PushSet(this, what, PlanSetChange::Insert{planCount(), std::move(added)});
    });
}

std::exception_ptr PlanDocument::AddPlans(const QString &what,
                                          const std::vector<NamedPlan> &added) {
    return Caught([&] {
        if (added.empty() || planCount() + qsizetype(added.size()) > MaxPlans) {
            throw std::length_error("no room for the pasted plans");
        }
        Set after{m_plans, m_shown};
        for (const NamedPlan &plan : added) {
            after.plans.push_back(Pasted(plan));
        }
        CheckNames(after.plans);
        PushSet(this, what,
                PlanSetChange::Replace{{m_plans, m_shown}, std::move(after), false, {}, {}});
    });
}

std::exception_ptr PlanDocument::PastePlans(const QString &what,
                                            const std::vector<NamedPlan> &pasted) {
    return Caught([&] {
        if (pasted.empty() || planCount() - 1 + qsizetype(pasted.size()) > MaxPlans) {
            throw std::length_error("no room for the pasted plans");
        }
        Set after{m_plans, m_shown};
        after.plans[std::size_t(m_shown)] = Pasted(pasted.front());
        for (auto plan = pasted.begin() + 1; plan != pasted.end(); ++plan) {
            after.plans.push_back(Pasted(*plan));
        }
        CheckNames(after.plans);
        PushSet(this, what,
                PlanSetChange::Replace{{m_plans, m_shown}, std::move(after), false, {}, {}});
    });
}

std::exception_ptr PlanDocument::OpenPlans(const QString &what, const std::vector<NamedPlan> &plans,
                                           const PlansFile &file) {
    return Caught([&] {
        if (plans.empty() || qsizetype(plans.size()) > MaxPlans) {
            throw std::length_error("a set holds one to eight plans");
        }
        Set after;
        for (const NamedPlan &plan : plans) {
            after.plans.push_back(Pasted(plan));
        }
        CheckNames(after.plans);
        PlansFile opened = file;
        opened.saved.clear();
        for (const Entry &entry : after.plans) {
            opened.saved.push_back(entry.named);
        }
        PushSet(this, what,
                PlanSetChange::Replace{
                    {m_plans, m_shown}, std::move(after), true, m_file, std::move(opened)});
    });
}

void PlanDocument::MarkSaved(const QString &path, const PlanFile::Stamp &stamp) {
    const QString pathBefore = std::exchange(m_file.path, path);
    m_file.saved = plans();
    m_file.ownText = stamp;
    if (m_file.path != pathBefore) {
        Q_EMIT fileChanged();
    }
    FollowWouldLose();
}

void PlanDocument::MarkCopied(const CharacterPlan &plan) {
    m_plans[std::size_t(m_shown)].copied = std::make_shared<const CharacterPlan>(plan);
    FollowWouldLose();
}

void PlanDocument::MarkAllCopied() {
    for (Entry &entry : m_plans) {
        entry.copied = std::make_shared<const CharacterPlan>(entry.named.plan);
    }
    FollowWouldLose();
}

bool PlanDocument::WouldLose(qsizetype index) const {
    CheckIndex(index);
    const Entry &entry = m_plans[std::size_t(index)];
    const auto same = [&](const std::shared_ptr<const CharacterPlan> &kept) {
        return kept && entry.named.plan.SameLevels(*kept);
    };
    return !same(entry.copied) && std::none_of(entry.origins.begin(), entry.origins.end(), same);
}

qsizetype PlanDocument::LostPlanCount() const {
    qsizetype lost = 0;
    for (qsizetype index = 0; index < planCount(); ++index) {
        lost += WouldLose(index) ? 1 : 0;
    }
    return lost;
}

void PlanDocument::Restore(qsizetype index, const CharacterPlan &plan, Move move,
                           const QString &step) {
    CharacterPlan &held = m_plans[std::size_t(index)].named.plan;
    const CharacterPlan before = std::exchange(held, plan);
    FollowShown();
    try {
        Q_EMIT changed(move, step);
    } catch (...) {
        m_plans[std::size_t(index)].named.plan = before;
        FollowShown();
        throw;
    }
    FollowWouldLose();
}

void PlanDocument::TellSetChanged(Move move, const QString &step, const QString &pathBefore) {
    FollowShown();
    Q_EMIT changed(move, step);
    if (m_file.path != pathBefore) {
        Q_EMIT fileChanged();
    }
    FollowWouldLose();
}

QString PlanDocument::FreeName(const QString &name, qsizetype except) const {
    QString reason;
    std::optional<QString> checked = PlanText::CheckedPlanName(name, reason);
    if (!checked) {
        throw std::invalid_argument("not a plan's name");
    }
    for (qsizetype index = 0; index < planCount(); ++index) {
        if (index != except && m_plans[std::size_t(index)].named.name == *checked) {
            throw std::invalid_argument("a plan has that name");
        }
    }
    return *std::move(checked);
}

void PlanDocument::CheckNames(const std::vector<Entry> &plans) {
    QStringList names;
    for (const Entry &entry : plans) {
        QString reason;
        std::optional<QString> checked = PlanText::CheckedPlanName(entry.named.name, reason);
        if (!checked || *checked != entry.named.name || names.contains(*checked)) {
            throw std::invalid_argument("not a set of plans' names");
        }
        names.append(*checked);
    }
}

void PlanDocument::CheckIndex(qsizetype index) const {
    if (index < 0 || index >= planCount()) {
        throw std::out_of_range("no plan at that index");
    }
}

PlanDocument::Entry PlanDocument::Pasted(const NamedPlan &plan) {
    CharacterPlan pasted = plan.plan;
    pasted.Recalculate();
    return {{plan.name, pasted}, {std::make_shared<const CharacterPlan>(pasted)}, nullptr};
}

void PlanDocument::FollowWouldLose() {
    const bool wouldLose =
        m_file.path.isEmpty() ? LostPlanCount() > 0 : !SamePlans(plans(), m_file.saved);
    if (wouldLose != m_wouldLose) {
        m_wouldLose = wouldLose;
        Q_EMIT wouldLosePlanChanged(wouldLose);
    }
}
