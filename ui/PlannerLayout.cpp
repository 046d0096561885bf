// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's controls: their places, fonts, design texts, tooltips and focus order.
#include "ui/Tarrowind_Char_Planner.h"

#include "rules/RaceTable.h"
#include "text/SkillRow.h"
#include "ui/PlannerAccessibility.h"
#include "ui/PlannerFonts.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

namespace {

// Positions and sizes in pixels at 96 dpi (twips / 15).
template <typename Widget>
Widget *Place(QWidget *window, const char *name, int x, int y, int width, int height) {
    auto *widget = new Widget(window);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(x, y, width, height);
    return widget;
}

QLineEdit *TextBox(QWidget *window, const char *name, int x, int width, const char *text,
                   const char *toolTip) {
    auto *box = Place<QLineEdit>(window, name, x, 264, width, 21);
    box->setFont(PlannerFonts::SansSerif(11));
    box->setText(QLatin1String(text));
    box->setToolTip(QLatin1String(toolTip));
    return box;
}

QPushButton *Button(QWidget *window, const char *name, int x, const char *text) {
    auto *button = Place<QPushButton>(window, name, x, 296, 73, 33);
    button->setFont(PlannerFonts::SansSerif(11));
    button->setText(QLatin1String(text));
    return button;
}

QLabel *Label(QWidget *window, const char *name, QRect geometry, const char *text,
              const QFont &font) {
    auto *label = Place<QLabel>(window, name, geometry.x(), geometry.y(), geometry.width(),
                                geometry.height());
    label->setFont(font);
    label->setText(QLatin1String(text));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

void Tarrowind_Char_Planner::CreateControls() {
    setObjectName(QStringLiteral("Tarrowind_Char_Planner"));
    setWindowTitle(QStringLiteral("Tarrowind Character Planner"));
    setFixedSize(426, 360);

    Label1 =
        Label(this, "Label1", {8, 8, 401, 17}, SkillListHeader, PlannerFonts::FixedPitch(false));

    lstSkills = Place<QListWidget>(this, "lstSkills", 8, 32, 409, 180);
    lstSkills->setFont(PlannerFonts::FixedPitch(true));
    lstSkills->setSelectionMode(QAbstractItemView::SingleSelection);
    lstSkills->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A row is never shortened: one wider than the list can be scrolled to its end. The list
    // measures every row for that, not the first alone (SkillListItem gives each row's size); it
    // does so when it lays the rows out for painting, not while UpdateForm rewrites them.
    lstSkills->setUniformItemSizes(false);
    lstSkills->setTextElideMode(Qt::ElideNone);
    m_listMenu = new QMenu(lstSkills);
    m_listMenu->setObjectName(QStringLiteral("listMenu"));
    // Start the header's text where the rows' text starts, so each word stands over its column.
    Label1->setIndent(
        lstSkills->frameWidth() +
        lstSkills->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstSkills) + 1);

    cmbRace = Place<QComboBox>(this, "cmbRace", 32, 224, 161, 21);
    cmbRace->setFont(PlannerFonts::SansSerif(11));
    cmbRace->setEditable(false);
    for (Tarrowind_Module::RaceNumber race = 0; race < Tarrowind_Module::RaceCount; ++race) {
        cmbRace->addItem(QString::fromStdString(Tarrowind_Module::RaceName(race)));
    }
    cmbRace->setCurrentIndex(-1);

    lblGoalTotal = Label(this, "lblGoalTotal", {224, 224, 177, 25}, "Goal Cost Total:  0",
                         PlannerFonts::SansSerif(13));
    // Hidden, and not a control of the window: it only speaks.
    m_announcer = new Announcer(lblGoalTotal);

    Line1 = Place<QFrame>(this, "Line1", 24, 256, 368, 1);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);
    Line1->setFocusPolicy(Qt::NoFocus);

    lblName = Label(this, "lblName", {32, 264, 97, 17}, "Stun:", PlannerFonts::SansSerif(11));
    lblName->setToolTip(QStringLiteral("Skill/Stat Name"));
    txtBase = TextBox(this, "txtBase", 136, 33, "120", "Base Skill Level");
    txtEQ = TextBox(this, "txtEQ", 176, 33, "0", "Bonus from Equipment");
    lblMod = Label(this, "lblMod", {216, 264, 33, 17}, "300", PlannerFonts::SansSerif(11));
    lblMod->setToolTip(QStringLiteral("Overal Modded Value"));
    txtGoal = TextBox(this, "txtGoal", 256, 33, "120", "Goal (Base) Skill Level");
    txtGoalCost = TextBox(this, "txtGoalCost", 296, 73, "12,345,678", "Exp to get to Goal");
    txtGoalCost->setReadOnly(true);
    QPalette costPalette = txtGoalCost->palette();
    costPalette.setColor(QPalette::Base, costPalette.color(QPalette::Window));
    txtGoalCost->setPalette(costPalette);

    cmdReset = Button(this, "cmdReset", 32, "Reset Skills");
    cmdMaxBase = Button(this, "cmdMaxBase", 112, "Max Bases");
    cmdMaxGoal = Button(this, "cmdMaxGoal", 192, "Max Goals");
    cmdUpdate = Button(this, "cmdUpdate", 288, "Update");
    cmdUpdate->setDefault(true);

    Label2 = Label(this, "Label2", {232, 336, 185, 17}, "Planner by the Tarrowind team",
                   PlannerFonts::Credit());

    // What a screen reader says. The boxes are named after their tooltips, so the base box is
    // announced as "Base Skill Level" rather than as an edit field. Labels that show a value keep
    // it as their name and buttons their caption; the list and the race box also announce their
    // current entry. The descriptions say what each control is for; lstSkills_Click puts the
    // selected skill's name into those of the four boxes.
    const auto describe = [](QWidget *control, const char *name, const char *description) {
        if (name) {
            control->setAccessibleName(QLatin1String(name));
        }
        control->setAccessibleDescription(QLatin1String(description));
    };
    describe(lstSkills, "Skills",
             "One row per skill: name, base level, equipment bonus, modded value, goal level and "
             "the experience to reach the goal");
    describe(cmbRace, "Race", "The character's race; choosing one resets every skill");
    describe(lblName, nullptr, "Skill/Stat Name: the skill shown in the boxes beside it");
    describe(txtBase, "Base Skill Level",
             "Base level of the selected skill; Enter stores it within what the race allows");
    describe(txtEQ, "Bonus from Equipment",
             "What the character's equipment adds to the selected skill; Enter stores it");
    describe(lblMod, nullptr,
             "Overall Modded Value: base level, equipment bonus and the bonus from attributes");
    describe(txtGoal, "Goal Skill Level",
             "The base level the selected skill should reach; Enter stores it within what the "
             "race allows");
    describe(txtGoalCost, "Experience to Goal",
             "Experience needed to raise the selected skill from its base level to its goal");
    describe(cmdReset, nullptr,
             "Sets every skill back to its starting level, without equipment bonus or goal");
    describe(cmdMaxBase, nullptr, "Sets every skill's base level to the most the race allows");
    describe(cmdMaxGoal, nullptr, "Sets every skill's goal level to the most the race allows");
    describe(cmdUpdate, nullptr,
             "Stores the selected skill's base, equipment bonus and goal from the boxes");

    for (QWidget *control :
         std::initializer_list<QWidget *>{cmdUpdate, cmbRace, lstSkills, txtGoalCost, txtGoal,
                                          txtEQ, txtBase, cmdReset, cmdMaxBase, cmdMaxGoal}) {
        control->setFocusPolicy(Qt::StrongFocus);
    }
    setTabOrder(cmdUpdate, cmbRace);
    setTabOrder(cmbRace, lstSkills);
    setTabOrder(lstSkills, txtGoalCost);
    setTabOrder(txtGoalCost, txtGoal);
    setTabOrder(txtGoal, txtEQ);
    setTabOrder(txtEQ, txtBase);
    setTabOrder(txtBase, cmdReset);
    setTabOrder(cmdReset, cmdMaxBase);
    setTabOrder(cmdMaxBase, cmdMaxGoal);
    setTabOrder(cmdMaxGoal, cmdUpdate);
    cmdUpdate->setFocus();
}
