// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's controls: their places, fonts, design texts, descriptions and focus order.
#include "ui/planner/Tarrowind_Char_Planner.h"

#include "rules/RaceTable.h"
#include "text/GameNames.h"
#include "text/MessageText.h"
#include "text/SkillRow.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/desktop/PlannerFonts.h"
#include "ui/planner/SkillListWidget.h"
#include "ui/shared/DetailBox.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QtMath>

#include <algorithm>
#include <initializer_list>

namespace {

// The window's controls stand in its client area, between the menu bar and the status bar.
QWidget *ClientArea(const QWidget *window) {
    return static_cast<const Tarrowind_Char_Planner *>(window)->clientArea();
}

// Positions and sizes in pixels at 96 dpi (twips / 15), in the window's client area.
template <typename Widget>
Widget *Place(QWidget *window, const char *name, int x, int y, int width, int height) {
    auto *widget = new Widget(ClientArea(window));
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(x, y, width, height);
    return widget;
}

// `text` is a number, the same in every language.
template <typename Box = DetailBox>
Box *TextBox(QWidget *window, const char *name, int x, int width, const char *text) {
    auto *box = Place<Box>(window, name, x, 264, width, 21);
    box->setFont(PlannerFonts::SansSerif(11));
    box->setText(QLatin1String(text));
    return box;
}

// Read-only, on the window's own background (UpdateColours).
QLineEdit *CostBox(QWidget *window) {
    auto *box = TextBox<QLineEdit>(window, "txtGoalCost", 296, 73, "12,345,678");
    box->setReadOnly(true);
    return box;
}

// The width a box of `width` needs so that `widest` shows whole in its text area: what the
// style's contents rectangle leaves, less the text margins, the line edit's own 2 px a side and
// one pixel for the cursor after the last character.
int WidthFor(const QLineEdit *box, int width, const QString &widest) {
    // Styles set their text margins when they polish the box.
    box->ensurePolished();
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = QRect(0, 0, width, box->height());
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (box->isReadOnly()) {
        option.state |= QStyle::State_ReadOnly;
    }
    const QMargins margins = box->textMargins();
    const int area =
        box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() -
        margins.left() - margins.right() - 2 * 2;
    const int needed = qCeil(QFontMetricsF(box->font()).horizontalAdvance(widest)) + 1;
    return std::max(width, width + needed - area);
}

// Ten of the font's widest digit.
QString TenDigits(const QFont &font) {
    const QFontMetricsF metrics(font);
    QChar widest = QLatin1Char('0');
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest)) {
            widest = QChar(digit);
        }
    }
    return QString(10, widest);
}

QPushButton *Button(QWidget *window, const char *name, int x, const QString &text) {
    auto *button = Place<QPushButton>(window, name, x, 296, 73, 33);
    button->setFont(PlannerFonts::SansSerif(11));
    button->setText(text);
    return button;
}

QLabel *Label(QWidget *window, const char *name, QRect geometry, const QString &text,
              const QFont &font) {
    auto *label = Place<QLabel>(window, name, geometry.x(), geometry.y(), geometry.width(),
                                geometry.height());
    label->setFont(font);
    label->setText(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

SkillListWidget *SkillList(QWidget *window) {
    auto *list = Place<SkillListWidget>(window, "lstSkills", 8, 32, 409, 180);
    list->setFont(PlannerFonts::FixedPitch(true));
    // Columns of characters: mirrored, the rows would align right and leave their columns.
    list->setLayoutDirection(Qt::LeftToRight);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A row is never shortened: one wider than the list can be scrolled to its end. The list
    // measures every row for that, not the first alone (SkillListItem gives each row's size); it
    // does so when it lays the rows out for painting, not while UpdateForm rewrites them.
    list->setUniformItemSizes(false);
    list->setTextElideMode(Qt::ElideNone);
    return list;
}

QComboBox *RaceList(QWidget *window) {
    auto *races = Place<QComboBox>(window, "cmbRace", 32, 224, 161, 21);
    races->setFont(PlannerFonts::SansSerif(11));
    races->setEditable(false);
    races->addItems(GameNames::Races()); // in race order, so an entry's position is its race
    races->setCurrentIndex(-1);
    return races;
}

QFrame *Line(QWidget *window) {
    auto *line = Place<QFrame>(window, "Line1", 24, 256, 368, 1);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setFocusPolicy(Qt::NoFocus);
    return line;
}

// What a screen reader says, and what resting the pointer shows. The boxes are named after their
// tooltips, so the base box is announced as "Base Skill Level" rather than as an edit field.
// Labels that show a value keep it as their name and buttons their caption; the list and the
// race box also announce their current entry. The descriptions say what each control is for;
// lstSkills_Click puts the selected skill's name into those of the four boxes. The texts are
// translated where they are set.
struct Description {
    const char *control;
    const char *toolTip;
    const char *name;
    const char *description;
};

constexpr Description Descriptions[] = {
    {"lstSkills", nullptr, QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Skills"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "One row per skill: name, base level, equipment bonus, modded value, goal "
                       "level and the experience to reach the goal")},
    {"cmbRace", nullptr, QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Race"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "The character's race; choosing one resets every skill")},
    {"lblName", QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Skill/Stat Name"), nullptr,
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "Skill/Stat Name: the skill shown in the boxes beside it")},
    {"txtBase", QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Base Skill Level"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Base Skill Level"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "Base level of the selected skill; Enter stores it within what the race "
                       "allows")},
    {"txtEQ", QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Bonus from Equipment"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Bonus from Equipment"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "What the character's equipment adds to the selected skill; Enter stores "
                       "it")},
    {"lblMod", QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Overal Modded Value"), nullptr,
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "Overall Modded Value: base level, equipment bonus and the bonus from "
                       "attributes")},
    {"txtGoal", QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Goal (Base) Skill Level"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Goal Skill Level"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "The base level the selected skill should reach; Enter stores it within "
                       "what the race allows")},
    {"txtGoalCost", QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Exp to get to Goal"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner", "Experience to Goal"),
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "Experience needed to raise the selected skill from its base level to its "
                       "goal")},
    {"cmdReset", nullptr, nullptr,
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "Sets every skill back to its starting level, without equipment bonus or "
                       "goal")},
    {"cmdMaxBase", nullptr, nullptr,
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "Sets every skill's base level to the most the race allows")},
    {"cmdMaxGoal", nullptr, nullptr,
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "Sets every skill's goal level to the most the race allows")},
    {"cmdUpdate", nullptr, nullptr,
     QT_TRANSLATE_NOOP("Tarrowind_Char_Planner",
                       "Stores the selected skill's base, equipment bonus and goal from the "
                       "boxes")},
};

void DescribeControls(const QWidget *window) {
    for (const Description &entry : Descriptions) {
        auto *control = ClientArea(window)->findChild<QWidget *>(QLatin1String(entry.control),
                                                                 Qt::FindDirectChildrenOnly);
        if (entry.toolTip) {
            control->setToolTip(Tarrowind_Char_Planner::tr(entry.toolTip));
        }
        if (entry.name) {
            control->setAccessibleName(Tarrowind_Char_Planner::tr(entry.name));
        }
        control->setAccessibleDescription(Tarrowind_Char_Planner::tr(entry.description));
    }
}

// Tab goes through `order` and from its last control back to its first.
void SetTabOrder(std::initializer_list<QWidget *> order) {
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        control->setFocusPolicy(Qt::StrongFocus);
        if (previous) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
    QWidget::setTabOrder(previous, *order.begin());
}

} // namespace

void Tarrowind_Char_Planner::CreateControls() {
    setObjectName(QStringLiteral("Tarrowind_Char_Planner"));
    m_clientArea->setObjectName(QStringLiteral("clientArea"));
    // "[*]" marks a plan that closing would lose (setWindowModified).
    setWindowTitle(tr("Tarrowind Character Planner[*]"));

    Label1 = Label(this, "Label1", {8, 8, 401, 17}, SkillListHeaderText(),
                   PlannerFonts::FixedPitch(false));
    Label1->setLayoutDirection(Qt::LeftToRight); // it stands over the list's columns
    lstSkills = SkillList(this);
    m_listMenu = new QMenu(lstSkills);
    m_listMenu->setObjectName(QStringLiteral("listMenu"));
    // Start the header's text where the rows' text starts, so each word stands over its column.
    Label1->setIndent(
        lstSkills->frameWidth() +
        lstSkills->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstSkills) + 1);

    cmbRace = RaceList(this);
    lblGoalTotal = Label(this, "lblGoalTotal", {224, 224, 177, 25}, GoalTotalText(0),
                         PlannerFonts::SansSerif(13));
    // Hidden, and not a control of the window: it only speaks.
    m_announcer = new Announcer(lblGoalTotal);
    Line1 = Line(this);

    // A skill's name; lstSkills_Click writes the selected one before the window is first shown.
    lblName = Label(this, "lblName", {32, 264, 97, 17}, QStringLiteral("Stun:"),
                    PlannerFonts::SansSerif(11));
    txtBase = TextBox(this, "txtBase", 136, 33, "120");
    txtEQ = TextBox(this, "txtEQ", 176, 33, "0");
    lblMod = Label(this, "lblMod", {216, 264, 33, 17}, QStringLiteral("300"),
                   PlannerFonts::SansSerif(11));
    txtGoal = TextBox(this, "txtGoal", 256, 33, "120");
    txtGoalCost = CostBox(this);

    // Alt and the underlined letter press a button; the captions read as before.
    cmdReset = Button(this, "cmdReset", 32, tr("&Reset Skills"));
    cmdMaxBase = Button(this, "cmdMaxBase", 112, tr("Max &Bases"));
    cmdMaxGoal = Button(this, "cmdMaxGoal", 192, tr("Max &Goals"));
    cmdUpdate = Button(this, "cmdUpdate", 288, tr("&Update"));
    cmdUpdate->setDefault(true);

    Label2 = Label(this, "Label2", {232, 336, 185, 17}, tr("Planner by the Tarrowind team"),
                   PlannerFonts::Credit());

    FitDetailRow();
    UpdateColours();
    DescribeControls(this);
    SetTabOrder({cmdUpdate, cmbRace, lstSkills, txtGoalCost, txtGoal, txtEQ, txtBase, cmdReset,
                 cmdMaxBase, cmdMaxGoal});
    cmdUpdate->setFocus();
}

void Tarrowind_Char_Planner::FitDetailRow() {
    struct Place {
        QWidget *control;
        int x;
        int width;
        QString widest; // for a box, the widest text it must show whole
    };
    const QString level = QStringLiteral("-120");
    const Place row[] = {{txtBase, 136, 33, level},
                         {txtEQ, 176, 33, level},
                         {lblMod, 216, 33, QString()},
                         {txtGoal, 256, 33, level},
                         {txtGoalCost, 296, 73, TenDigits(txtGoalCost->font())}};
    int growth = 0;
    for (const Place &place : row) {
        int width = place.width;
        if (auto *box = qobject_cast<QLineEdit *>(place.control)) {
            width = WidthFor(box, place.width, place.widest);
        }
        place.control->setGeometry(place.x + growth, place.control->y(), width,
                                   place.control->height());
        growth += width - place.width;
    }
    // The window takes the client area's size with its menu bar and status bar (CreateBars).
    m_clientArea->setFixedSize(426 + std::max(growth, FitButtonRow()), 360);
}

int Tarrowind_Char_Planner::FitButtonRow() {
    struct Place {
        QPushButton *button;
        int x;
    };
    const Place row[] = {{cmdReset, 32}, {cmdMaxBase, 112}, {cmdMaxGoal, 192}, {cmdUpdate, 288}};
    int growth = 0;
    for (const Place &place : row) {
        QPushButton *button = place.button;
        button->ensurePolished();
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = QRect(0, 0, 73, button->height());
        option.features =
            button->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
        if (button->autoDefault()) {
            option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        // What the style keeps clear around the caption: its frame, or its margin a side, if more.
        const int frame =
            73 -
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int margins =
            2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        const int needed =
            qCeil(QFontMetricsF(button->font())
                      .horizontalAdvance(MessageText::WithoutMnemonic(button->text()))) +
            std::max(frame, margins);
        const int width = std::max(73, needed);
        button->setGeometry(place.x + growth, button->y(), width, button->height());
        growth += width - 73;
    }
    return growth;
}
