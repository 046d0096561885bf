// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/PlannerAccessibility.h"

#include "document/PlanDocument.h"
#include "text/SpokenText.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QTimer>
#include <QToolTip>

#include <exception>
#include <utility>

using namespace Qt::StringLiterals;

Announcer::Announcer(QWidget *parent) : QLabel(parent) {
    setObjectName(u"announcer"_s);
    setTextFormat(Qt::PlainText);
    hide();
}

PausedAnnouncement::PausedAnnouncement(Announcer *announcer, std::chrono::milliseconds pause,
                                       QObject *parent)
    : QObject(parent), m_announcer(announcer), m_wait(new QTimer(this)) {
    m_wait->setSingleShot(true);
    m_wait->setInterval(pause);
    connect(m_wait, &QTimer::timeout, this, [this] {
        if (m_announcer) {
            m_announcer->Announce(std::exchange(m_message, QString()));
        }
    });
}

void PausedAnnouncement::Later(const QString &message) {
    m_message = message;
    m_wait->start();
}

void PausedAnnouncement::Cancel() {
    m_wait->stop();
    m_message.clear();
}

void Announcer::Announce(const QString &message) {
    setText(message);
    // A screen reader speaks a notification when it is shown; the label itself stays hidden.
    QAccessibleEvent event(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

void Announcer::ShowAt(QWidget *at, const QString &message) {
    ShowAt(at, at->mapToGlobal(QPoint(0, at->height())), message);
}

void Announcer::ShowAt(QWidget *at, const QPoint &globalPos, const QString &message) {
    QToolTip::showText(globalPos, message, at);
    Announce(message);
}

void Announcer::Follow(const PlanDocument *document) {
    m_said = document->plan();
    connect(document, &PlanDocument::changed, this,
            [this, document](PlanDocument::Move move, const QString &step) {
                const Tarrowind_Module::CharacterPlan &plan = document->plan();
                if (std::exchange(m_leaveNextChange, false) && move == PlanDocument::Move::Change) {
                    m_said = plan;
                    return;
                }
                // The step's name goes in front of what it changed, so the user hears which step
                // was taken back or done again.
                const QString preface =
                    move == PlanDocument::Move::Change
                        ? QString()
                        : SpokenText::HistoryStep(move == PlanDocument::Move::Undo
                                                      ? SpokenText::HistoryMove::Undone
                                                      : SpokenText::HistoryMove::Redone,
                                                  step);
                // Choosing a row is said by the list itself.
                if (preface.isEmpty() && plan.SameLevels(m_said)) {
                    return;
                }
                QString message = preface;
                try {
                    const QString change = SpokenText::PlanChange(m_said, plan);
                    message = preface.isEmpty() ? change : preface + u' ' + change;
                } catch (const std::exception &) {
                    // A plan the window shows can always be told; should it not, the preface is
                    // said alone.
                }
                if (!message.isEmpty()) {
                    Announce(message);
                }
                m_said = plan;
            });
}

namespace {

class NotificationInterface : public QAccessibleWidget {
public:
    explicit NotificationInterface(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<const QLabel *>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

class LineInterface : public QAccessibleWidget {
public:
    explicit LineInterface(QFrame *frame) : QAccessibleWidget(frame, QAccessible::Border) {}

    // The shape is read each time: the interface may be made before the frame gets its shape.
    QAccessible::Role role() const override {
        const QFrame::Shape shape = static_cast<const QFrame *>(widget())->frameShape();
        return shape == QFrame::HLine || shape == QFrame::VLine ? QAccessible::Separator
                                                                : QAccessible::Border;
    }
};

// A drop-down list: its name, its current entry as value, and its list of entries as its one
// child, which opens and closes with the actions of a combo box.
class NamedComboBoxInterface : public QAccessibleWidget {
public:
    explicit NamedComboBoxInterface(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox *comboBox() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: {
            const QString name = comboBox()->accessibleName();
            const QString entry = comboBox()->currentText();
            if (name.isEmpty() || entry.isEmpty()) {
                return name + entry;
            }
            //: A drop-down list as a screen reader names it: %1 is its name, %2 its entry.
            return QCoreApplication::translate("PlannerAccessibility", "%1: %2").arg(name, entry);
        }
        case QAccessible::Value:
            return comboBox()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    // A buddy label would be the box's "labelled by", whose text a screen reader then says in
    // place of the name, dropping the current entry; the name already starts with the label's
    // words.
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override {
        QList<QPair<QAccessibleInterface *, QAccessible::Relation>> related =
            QAccessibleWidget::relations(match);
        related.removeIf([](const auto &relation) { return relation.second & QAccessible::Label; });
        return related;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = comboBox()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(comboBox()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child && child->object() == comboBox()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (comboBox()->view()->isVisible()) {
                comboBox()->hidePopup();
            } else {
                comboBox()->showPopup();
            }
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface *PlannerInterface(const QString &className, QObject *object) {
    if (className == u"Announcer"_s) {
        return new NotificationInterface(static_cast<Announcer *>(object));
    }
    // Subclasses of QFrame keep the interfaces Qt gives them.
    if (className == u"QFrame"_s && object->metaObject() == &QFrame::staticMetaObject) {
        return new LineInterface(static_cast<QFrame *>(object));
    }
    if (className == u"QComboBox"_s) {
        auto *box = static_cast<QComboBox *>(object);
        if (!box->isEditable()) {
            return new NamedComboBoxInterface(box);
        }
    }
    return nullptr;
}

} // namespace

namespace PlannerAccessibility {

void Install() {
    static const bool installed = (QAccessible::installFactory(PlannerInterface), true);
    Q_UNUSED(installed);
}

void SayCurrentItem(QAbstractItemView *view) {
    const QModelIndex current = view->currentIndex();
    if (!current.isValid() || !QAccessible::isActive()) {
        return;
    }
    // The child index of a cell is the accessible table's own business: a list counts rows, a
    // table counts its header cells too.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(view);
    QAccessibleTableInterface *table = accessible ? accessible->tableInterface() : nullptr;
    QAccessibleInterface *cell = table ? table->cellAt(current.row(), current.column()) : nullptr;
    if (!cell) {
        return;
    }
    QAccessibleEvent event(view, QAccessible::Focus);
    event.setChild(accessible->indexOfChild(cell));
    QAccessible::updateAccessibility(&event);
}

void SayCurrentItemSoon(QAbstractItemView *view) {
    QTimer::singleShot(0, view, [view] {
        if (view->hasFocus()) {
            SayCurrentItem(view);
        }
    });
}

} // namespace PlannerAccessibility
