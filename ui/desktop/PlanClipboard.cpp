// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/PlanClipboard.h"

#include "document/PlanDocument.h"
#include "text/FailureText.h"
#include "text/MessageText.h"
#include "text/PlanCodeText.h"
#include "text/PlanText.h"
#include "ui/desktop/ClipboardHandOver.h"
#include "ui/desktop/DesktopClipboard.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

using namespace Tarrowind_Module;

namespace {

// The list's standard copy and paste keys act on the whole plan rather than on the current row,
// which the list would otherwise copy by itself. The edit boxes keep their own copy and paste.
class ListClipboardKeys : public QObject {
    Q_OBJECT

public:
    ListClipboardKeys(QObject *parent, std::function<void()> copy, std::function<void()> paste)
        : QObject(parent), m_copy(std::move(copy)), m_paste(std::move(paste)) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        auto *key = static_cast<QKeyEvent *>(event);
        const std::function<void()> *action = key->matches(QKeySequence::Copy)    ? &m_copy
                                              : key->matches(QKeySequence::Paste) ? &m_paste
                                                                                  : nullptr;
        if (!action) {
            return QObject::eventFilter(watched, event);
        }
        // Claiming the shortcut keeps any window-wide action of the same key away from it.
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            (*action)();
        }
        return true;
    }

private:
    std::function<void()> m_copy;
    std::function<void()> m_paste;
};

// The clipboard's text to paste; without one, `refusal` says why. Qt lists the formats from the
// owner's answer and gives up after its own timeout, so an owner that does not answer leaves the
// list empty, as an empty clipboard does; only the platform can tell the two apart.
std::optional<QString> ClipboardText(QString &refusal) {
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data && data->formats().isEmpty() &&
        DesktopClipboard::ClipboardHasOwner().value_or(false)) {
        refusal = PlanClipboard::tr("The clipboard did not answer; nothing was pasted.");
        return std::nullopt;
    }
    if (data && data->hasText()) {
        QString text = data->text();
        if (!text.isEmpty()) {
            return text;
        }
    }
    refusal = PlanClipboard::tr("The clipboard holds no text to paste.");
    return std::nullopt;
}

// A plan's name as notes quote it.
QString Quoted(const QString &name) {
    return PlanClipboard::tr("“%1”").arg(name);
}

// The first few of `lowered`, joined, and how many there are in all where there are more.
QString LoweredClause(const QStringList &lowered) {
    constexpr qsizetype Named = 3;
    const QString named = lowered.first(std::min(lowered.size(), Named)).join(u"; ");
    if (lowered.size() <= Named) {
        return named;
    }
    return PlanClipboard::tr("%1; %2 skills lowered in all").arg(named).arg(lowered.size());
}

} // namespace

PlanClipboard::PlanClipboard(const PlannerHost &host, QAbstractItemView *list)
    : QObject(host.window), m_host(host) {
    QAction *copyPlan = host.AddMenuEntry(
        tr("&Copy Plan"), "copyPlan", Qt::CTRL | Qt::SHIFT | Qt::Key_C, PlannerHost::BarMenu::Edit);
    QAction *pastePlan =
        host.AddMenuEntry(tr("&Paste Plan"), "pastePlan", Qt::CTRL | Qt::SHIFT | Qt::Key_V,
                          PlannerHost::BarMenu::Edit);
    QAction *copyCode = host.AddMenuEntry(tr("Copy Plan C&ode"), "copyPlanCode", QKeySequence(),
                                          PlannerHost::BarMenu::Edit);
    QAction *copyPlans = host.AddMenuEntry(tr("Copy Pl&ans"), "copyPlans", QKeySequence(),
                                           PlannerHost::BarMenu::Edit);
    connect(copyPlan, &QAction::triggered, this, &PlanClipboard::CopyPlan);
    connect(copyPlans, &QAction::triggered, this, [this] { (void)CopyPlans(); });
    connect(copyCode, &QAction::triggered, this, &PlanClipboard::CopyPlanCode);
    connect(pastePlan, &QAction::triggered, this, &PlanClipboard::PastePlan);
    list->installEventFilter(new ListClipboardKeys(
        list, [this] { CopyPlan(); }, [this] { PastePlan(); }));
}

QString PlanClipboard::KeepsCopyNote() {
    switch (DesktopClipboard::ClipboardKeepsCopy()) {
    case DesktopClipboard::KeepsCopy::Yes:
        return tr("A clipboard manager is running: the plan will stay on the clipboard after the "
                  "planner has closed.");
    case DesktopClipboard::KeepsCopy::No:
        return tr("No clipboard manager is running: once the planner has closed, copied text "
                  "lasts only while another program holds it. To keep the plan, choose Cancel, "
                  "copy it and paste it into another program.");
    case DesktopClipboard::KeepsCopy::Unknown:
        break;
    }
    return tr("Where no clipboard manager runs, copied text lasts only while another program "
              "holds it. To be sure to keep the plan, choose Cancel, copy it and paste it into "
              "another program.");
}

const CopiedText *PlanClipboard::CopyEveryPlan() {
    return m_host.document->planCount() == 1 ? Copy() : CopyPlans();
}

void PlanClipboard::HandOver(const CopiedText *copied) {
    // Qt hands the clipboard to a clipboard manager when the program ends, where one runs; one
    // that polls reads it only after a while.
    new ClipboardHandOver(copied, m_handOverWait);
}

void PlanClipboard::CopyPlan() {
    (void)Copy();
}

const CopiedText *PlanClipboard::Copy() {
    const CharacterPlan &plan = m_host.document->plan();
    auto copied = std::make_unique<CopiedText>();
    try {
        copied->setText(PlanText::Format(plan));
        copied->setHtml(PlanText::FormatHtml(plan));
    } catch (...) {
        m_host.ShowNote(
            tr("Nothing was copied: %1.").arg(FailureText::Reason(std::current_exception())));
        return nullptr;
    }
    const CopiedText *onClipboard = copied.get();
    QGuiApplication::clipboard()->setMimeData(copied.release());
    m_host.document->MarkCopied(plan);
    // Copying changes nothing on the screen; without this note nobody would know it happened.
    m_host.ShowNote(tr("Plan copied: %n skill(s).", nullptr, Tarrowind_Module::SkillCount));
    return onClipboard;
}

const CopiedText *PlanClipboard::CopyPlans() {
    auto copied = std::make_unique<CopiedText>();
    try {
        copied->setText(m_host.document->FormatPlans());
    } catch (...) {
        m_host.ShowNote(
            tr("Nothing was copied: %1.").arg(FailureText::Reason(std::current_exception())));
        return nullptr;
    }
    const CopiedText *onClipboard = copied.get();
    QGuiApplication::clipboard()->setMimeData(copied.release());
    m_host.document->MarkAllCopied();
    QStringList names;
    for (qsizetype index = 0; index < m_host.document->planCount(); ++index) {
        names << Quoted(m_host.document->planName(index));
    }
    m_host.ShowNote(tr("Plans copied: %1.").arg(names.join(tr(", "))));
    return onClipboard;
}

void PlanClipboard::CopyPlanCode() {
    const CharacterPlan &plan = m_host.document->plan();
    QString code;
    try {
        code = PlanText::Code(plan);
    } catch (...) {
        m_host.ShowNote(
            tr("Nothing was copied: %1.").arg(FailureText::Reason(std::current_exception())));
        return;
    }
    auto copied = std::make_unique<CopiedText>();
    copied->setText(code);
    QGuiApplication::clipboard()->setMimeData(copied.release());
    m_host.document->MarkCopied(plan);
    m_host.ShowNote(tr("Plan code copied: %1").arg(code));
}

void PlanClipboard::PastePlan() {
    QString refusal;
    const std::optional<QString> text = ClipboardText(refusal);
    if (!text) {
        m_host.ShowNote(refusal);
        return;
    }
    // A text of several plans is read in its readable form alone; any other text is read as a
    // plan code where it holds one.
    if (const auto several = PlanText::ReadPlans(*text)) {
        PastePlans(*several, false);
        return;
    }
    if (const auto code = PlanText::ReadCode(*text)) {
        PasteCode(*code);
        return;
    }
    const std::variant<PlanText::PastedPlan, PlanText::ReadError> read = PlanText::Read(*text);
    if (const auto *error = std::get_if<PlanText::ReadError>(&read)) {
        m_host.ShowNote(error->Message());
        return;
    }
    const PlanText::PastedPlan &pasted = std::get<PlanText::PastedPlan>(read);
    if (const std::exception_ptr failure = m_host.document->Apply(
            tr("Paste Plan"), [&pasted](CharacterPlan &plan) { pasted.StoreInto(plan); })) {
        m_host.ShowNote(FailureText::NothingChanged(failure));
    } else {
        m_host.ShowNote(PlanText::PastedNote(pasted, m_host.document->plan()));
    }
}

void PlanClipboard::PasteCode(const std::variant<CharacterPlan, PlanText::ReadError> &code) {
    if (const auto *error = std::get_if<PlanText::ReadError>(&code)) {
        m_host.ShowNote(error->Message());
        return;
    }
    const CharacterPlan &coded = std::get<CharacterPlan>(code);
    if (const std::exception_ptr failure =
            m_host.document->Apply(tr("Paste Plan"), [&coded](CharacterPlan &plan) {
                plan.race = coded.race;
                plan.skills = coded.skills;
            })) {
        m_host.ShowNote(FailureText::NothingChanged(failure));
    } else {
        m_host.ShowNote(tr("Plan pasted from its plan code."));
    }
}

void PlanClipboard::PasteAsNewPlan() {
    QString refusal;
    const std::optional<QString> text = ClipboardText(refusal);
    if (!text) {
        m_host.ShowNote(refusal);
        return;
    }
    if (const auto several = PlanText::ReadPlans(*text)) {
        PastePlans(*several, true);
        return;
    }
    // The new plan is the shown one as pasting into it would change it.
    CharacterPlan plan = m_host.document->plan();
    QStringList lowered;
    if (const auto code = PlanText::ReadCode(*text)) {
        if (const auto *error = std::get_if<PlanText::ReadError>(&*code)) {
            m_host.ShowNote(error->Message());
            return;
        }
        const CharacterPlan &coded = std::get<CharacterPlan>(*code);
        plan.race = coded.race;
        plan.skills = coded.skills;
    } else {
        const std::variant<PlanText::PastedPlan, PlanText::ReadError> read = PlanText::Read(*text);
        if (const auto *error = std::get_if<PlanText::ReadError>(&read)) {
            m_host.ShowNote(error->Message());
            return;
        }
        const PlanText::PastedPlan &pasted = std::get<PlanText::PastedPlan>(read);
        pasted.StoreInto(plan);
        try {
            CharacterPlan recalculated = plan;
            recalculated.Recalculate();
            lowered = PlanText::LoweredLevels(pasted, recalculated);
        } catch (...) {
            // The document refuses the plan below, with the reason.
        }
    }
    PasteNewPlan(plan, lowered);
}

void PlanClipboard::PasteNewPlan(const CharacterPlan &plan, const QStringList &lowered) {
    PlanDocument *document = m_host.document;
    if (document->planCount() >= PlanDocument::MaxPlans) {
        m_host.ShowNote(tr("Nothing was pasted: the planner holds at most %1 plans.")
                            .arg(PlanDocument::MaxPlans));
        return;
    }
    const QString name = document->NewPlanName();
    if (const std::exception_ptr failure =
            document->AddPlan(tr("Paste as New Plan"), {name, plan})) {
        m_host.ShowNote(FailureText::NothingChanged(failure));
    } else if (lowered.isEmpty()) {
        m_host.ShowNote(tr("Plan pasted as the new plan %1.").arg(Quoted(name)));
    } else {
        m_host.ShowNote(
            tr("Plan pasted as the new plan %1: %2.").arg(Quoted(name), LoweredClause(lowered)));
    }
}

void PlanClipboard::PastePlans(const std::variant<PlanText::PastedPlans, PlanText::ReadError> &read,
                               bool asNew) {
    if (const auto *error = std::get_if<PlanText::ReadError>(&read)) {
        m_host.ShowNote(error->Message());
        return;
    }
    const PlanText::PastedPlans &pasted = std::get<PlanText::PastedPlans>(read);
    PlanDocument *document = m_host.document;
    const qsizetype stays = asNew ? document->planCount() : document->planCount() - 1;
    const qsizetype count = stays + qsizetype(pasted.plans.size());
    if (count > PlanDocument::MaxPlans) {
        const int held = int(pasted.plans.size());
        m_host.ShowNote(tr("Nothing was pasted: the text holds %n plan(s), which would make %1, "
                           "more than the %2 the planner holds.",
                           nullptr, held)
                            .arg(count)
                            .arg(PlanDocument::MaxPlans));
        return;
    }

    // The names the plans that stay have; pasting over the shown plan frees its name.
    QStringList taken;
    for (qsizetype index = 0; index < document->planCount(); ++index) {
        if (asNew || index != document->shownPlan()) {
            taken << document->planName(index);
        }
    }
    QStringList renamed;
    std::vector<NamedPlan> plans;
    std::vector<QStringList> lowered;
    for (const PlanText::PastedNamedPlan &one : pasted.plans) {
        // Numbered from the name as written, so that a name taken here and repeated in the text
        // counts on: "Plan 2 (2)", "Plan 2 (3)".
        const QString name = PlanText::UniquePlanName(one.written, taken);
        if (name != one.written) {
            renamed << name;
        }
        taken << name;
        CharacterPlan plan;
        plan.selected = document->plan().selected;
        one.levels.StoreInto(plan);
        plans.push_back({name, plan});
        try {
            plan.Recalculate();
            lowered.push_back(PlanText::LoweredLevels(one.levels, plan));
        } catch (...) {
            lowered.emplace_back(); // the document refuses the plan below, with the reason
        }
    }
    const std::exception_ptr failure = asNew ? document->AddPlans(tr("Paste as New Plan"), plans)
                                             : document->PastePlans(tr("Paste Plan"), plans);
    if (failure) {
        m_host.ShowNote(FailureText::NothingChanged(failure));
        return;
    }

    QStringList names;
    for (const NamedPlan &plan : plans) {
        names << Quoted(plan.name);
    }
    QStringList sentences;
    if (asNew) {
        sentences << tr("Plans pasted as new plans: %1.").arg(names.join(tr(", ")));
    } else if (names.size() == 1) {
        sentences << tr("Plan %1 pasted in place of the shown plan.").arg(names.first());
    } else {
        sentences << tr("Plans pasted: %1 shown, %2 kept.")
                         .arg(names.first(), names.sliced(1).join(tr(", ")));
    }
    if (!renamed.isEmpty()) {
        QStringList quoted;
        for (const QString &name : renamed) {
            quoted << Quoted(name);
        }
        sentences << tr("Renamed, as their names were taken: %1.").arg(quoted.join(tr(", ")));
    }
    QStringList allLowered;
    for (std::size_t i = 0; i < plans.size(); ++i) {
        for (const QString &level : lowered[i]) {
            allLowered << tr("%1: %2").arg(Quoted(plans[i].name), level);
        }
    }
    if (!allLowered.isEmpty()) {
        sentences << tr("Lowered: %1.").arg(LoweredClause(allLowered));
    }
    m_host.ShowNote(sentences.join(u' '));
}

#include "PlanClipboard.moc"
