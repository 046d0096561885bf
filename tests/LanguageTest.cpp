// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlannerTestSupport.h"
#include "text/MessageText.h"
#include "ui/desktop/PlannerLanguage.h"
#include "ui/planner/Tarrowind_Char_Planner.h"
#include "ui/shared/StatusNote.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString Translated(const char *context, const char *source) {
    return QCoreApplication::translate(context, source);
}

// The widest line of a text as `font` draws it.
qreal Advance(const QFont &font, const QString &text) {
    qreal widest = 0;
    for (const QString &line : text.split(u'\n')) {
        widest = std::max(widest, QFontMetricsF(font).horizontalAdvance(line));
    }
    return widest;
}

// The room the style leaves a button's caption: its contents rectangle.
int CaptionRoom(const QAbstractButton *button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (const auto *push = qobject_cast<const QPushButton *>(button)) {
        if (push->isDefault()) {
            option.features |= QStyleOptionButton::DefaultButton;
        }
        if (push->autoDefault()) {
            option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .width();
    }
    return button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button).width();
}

// The room a line edit leaves its text: the style's contents rectangle, less the text margins
// and the 2 px a side that QLineEdit keeps.
int TextRoom(const QLineEdit *box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QMargins margins = box->textMargins();
    return box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() -
           margins.left() - margins.right() - 2 * 2;
}

// Every label, button, check box, line edit and group box shown in a window, with the text that
// it cuts off. A label that wraps its text has room for it by its height.
QStringList CutTexts() {
    QStringList cut;
    const auto report = [&cut](const QWidget *widget, const QString &text) {
        cut << widget->window()->objectName() + u"/"_s + widget->objectName() + u": "_s + text;
    };
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) {
            continue;
        }
        for (QWidget *widget : top->findChildren<QWidget *>()) {
            // A window beside the planner is its child, and counted as a window of its own.
            if (!widget->isVisible() || widget->window() != top) {
                continue;
            }
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                const QString text =
                    label->buddy() ? MessageText::WithoutMnemonic(label->text()) : label->text();
                if (!label->wordWrap() && !text.isEmpty() &&
                    Advance(label->font(), text) + std::max(label->indent(), 0) >
                        label->contentsRect().width()) {
                    report(label, text);
                }
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                const QString text = MessageText::WithoutMnemonic(button->text());
                if ((qobject_cast<QPushButton *>(button) || qobject_cast<QCheckBox *>(button)) &&
                    Advance(button->font(), text) > CaptionRoom(button)) {
                    report(button, text);
                }
            } else if (auto *box = qobject_cast<QLineEdit *>(widget)) {
                if (Advance(box->font(), box->text()) > TextRoom(box)) {
                    report(box, box->text());
                }
            } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
                if (Advance(group->font(), group->title()) > group->width()) {
                    report(group, group->title());
                }
            }
        }
    }
    return cut;
}

} // namespace

// The planner in the languages it knows and in one it does not: the catalogues it loads, and
// windows whose every text has room for its words.
class LanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { PlannerLanguage::InstallTranslators(*qApp, {u"en"_s}); }
    void catalogues_data();
    void catalogues();
    void textsFit_data();
    void textsFit();
};

void LanguageTest::catalogues_data() {
    QTest::addColumn<QStringList>("languages"); // as QLocale::uiLanguages() gives them
    QTest::addColumn<QString>("chosen");
    QTest::newRow("English") << QStringList{u"en-GB"_s} << u"en"_s;
    QTest::newRow("German") << QStringList{u"de-DE"_s, u"en-US"_s} << u"de"_s;
    QTest::newRow("French") << QStringList{u"fr-CA"_s} << u"fr"_s;
    QTest::newRow("unknown") << QStringList{u"sv-SE"_s} << u"en"_s;
    QTest::newRow("unknown, then French") << QStringList{u"sv-SE"_s, u"fr"_s} << u"fr"_s;
    QTest::newRow("C locale") << QStringList{u"C"_s} << u"en"_s;
}

void LanguageTest::catalogues() {
    QFETCH(QStringList, languages);
    QFETCH(QString, chosen);
    QCOMPARE(PlannerLanguage::InstallTranslators(*qApp, languages), chosen);
    const bool english = chosen == u"en"_s;
    // The planner's and Qt's; those of the language installed before are gone.
    QCOMPARE(qApp->findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly).size(),
             english ? 1 : 2);

    auto window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    // What the window shows is what the catalogue gives, and English only in English.
    QStringList closing;
    QTimer::singleShot(100, window.get(), [&closing] {
        if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            for (auto which : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel}) {
                closing << question->button(which)->text();
            }
            question->button(QMessageBox::Cancel)->click();
        }
    });
    FindControl<QPushButton>(window.get(), "cmdMaxGoal")->click();
    QVERIFY(!window->close()); // asks first, and is cancelled
    const struct {
        QString shown;
        const char *context, *source;
    } texts[] = {
        {window->windowTitle(), "Tarrowind_Char_Planner", "Tarrowind Character Planner[*]"},
        {FindControl<QPushButton>(window.get(), "cmdUpdate")->text(), "Tarrowind_Char_Planner",
         "&Update"},
        {closing.value(0), "PlanClipboard", "Copy Plan and Close"},
        {closing.value(1), "PlanClipboard", "Close Without Copying"},
        {closing.value(2), "PlanClipboard", "Cancel"},
        // Qt's own, as in a text box's menu and a dialog's buttons.
        {Translated("QLineEdit", "&Undo"), "QLineEdit", "&Undo"},
        {Translated("QPlatformTheme", "Cancel"), "QPlatformTheme", "Cancel"},
    };
    for (const auto &text : texts) {
        QCOMPARE(text.shown, Translated(text.context, text.source));
        QVERIFY2((text.shown == QLatin1String(text.source)) == english, text.source);
    }

    // A refusal, put together from several texts.
    auto *base = FindControl<QLineEdit>(window.get(), "txtBase");
    base->setText(u"?"_s);
    QTest::mouseClick(FindControl<QPushButton>(window.get(), "cmdUpdate"), Qt::LeftButton);
    const QString refusal = window->statusNote()->note();
    QVERIFY(refusal.startsWith(Translated("Tarrowind_Char_Planner", "Base level")));
    QVERIFY(refusal.contains(Translated("FailureText", "-32768 to 32767")));
    QCOMPARE(refusal == uR"(Base level: "?" is not a whole number from -32768 to 32767.)"_s,
             english);

    // The copied plan keeps its own words, so that it pastes in every language.
    window->findChild<QAction *>(u"copyPlan"_s)->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.startsWith(u"Race: "_s) && copied.contains(u"\nGoal Cost Total: "_s),
             qPrintable(copied));

    // A count says its plural form in every language, never "level(s)".
    const QString one =
        QCoreApplication::translate("RouteWindow", "Bought %n level(s)", nullptr, 1);
    QVERIFY2(one.contains(u'1') && !one.contains(u"(s)"_s), qPrintable(one));
}

void LanguageTest::textsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("style");
    for (const QString &language : {u"de"_s, u"fr"_s}) {
        for (const QString &style : {u"Fusion"_s, u"Adwaita"_s}) {
            QTest::addRow("%s, %s", qPrintable(language), qPrintable(style)) << language << style;
        }
    }
}

// At the scale of QT_SCALE_FACTOR, which Qt reads at start-up only: ctest runs it at 1 and 2.
void LanguageTest::textsFit() {
    QFETCH(QString, language);
    QFETCH(QString, style);
    if (!QStyleFactory::keys().contains(style, Qt::CaseInsensitive)) {
        QSKIP("style not installed (Debian's adwaita-qt6)");
    }
    PlannerLanguage::InstallTranslators(*qApp, {language});
    // The planner wraps the application's style in a proxy of its own; restore the style under it.
    const auto *proxy = qobject_cast<const QProxyStyle *>(QApplication::style());
    const QString before = (proxy ? proxy->baseStyle() : QApplication::style())->name();
    const auto restore = qScopeGuard([&before] { QApplication::setStyle(before); });
    QApplication::setStyle(style);

    auto window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    // Every window beside the planner, the route with a milestone and its notes.
    for (const char *entry : {"compareRacesAction", "optimiseGoalsAction", "routeAction"}) {
        window->findChild<QAction *>(QLatin1String(entry))->trigger();
    }
    auto *route = FindControl<QWidget>(window.get(), "route");
    QVERIFY(QTest::qWaitForWindowExposed(route));
    FindControl<QPushButton>(route, "cmdAddMilestone")->click();
    const QStringList cut = CutTexts();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));

    // Each word of the list's header starts where its column of the rows does, and ends before
    // the next: skill name, base, equipment, modded, goal and cost.
    const QString header = FindControl<QLabel>(window.get(), "Label1")->text();
    const qsizetype columns[] = {0, 18, 23, 28, 33, 39};
    for (std::size_t k = 0; k < std::size(columns); ++k) {
        QVERIFY2(!header.at(columns[k]).isSpace(), qPrintable(header));
        if (k + 1 < std::size(columns)) {
            QVERIFY2(header.at(columns[k + 1] - 1).isSpace(), qPrintable(header));
        }
    }
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top != window.get()) {
            top->close();
        }
    }
}

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
