// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Pasting a plan: any bytes, as UTF-8 text, give a plan to store or a refusal in one short line
// that names a line of the text and quotes its start. Lines end at "\r\n", "\n" or "\r". The same
// bytes also make a plan of any race, levels and bonuses; once recalculated, its copied text, in
// one of a few locales, pastes back as the same plan. A line shaped like a skill line is never a
// remark.
#include "FuzzCheck.h"
#include "SkillLineFuzz.h"

#include "plan/CharacterPlan.h"
#include "rules/Tarrowind_Module.h"
#include "text/MessageText.h"
#include "text/PlanText.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <exception>
#include <variant>

using namespace Tarrowind_Module;
using namespace Qt::StringLiterals;

namespace {

const std::array<const char *, 5> LocaleNames{"C", "en_US", "de_DE", "fr_FR", "hi_IN"};

// The text's lines, a Windows line end counted once.
QStringList Lines(QString text) {
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    return text.split(u'\n');
}

void CheckRead(const QString &text) {
    const std::variant<PlanText::PastedPlan, PlanText::ReadError> read = PlanText::Read(text);
    if (const auto *error = std::get_if<PlanText::ReadError>(&read)) {
        const std::string message = error->Message().toStdString();
        const QStringList lines = Lines(text);
        FUZZ_CHECK(error->line >= 0 && error->line <= lines.size(),
                   "line %lld of a text of %lld lines: %s", static_cast<long long>(error->line),
                   static_cast<long long>(lines.size()), message.c_str());
        // The excerpt is cut by characters, so a pair of surrogates counts once; with its "…"
        // it has at most 40.
        FUZZ_CHECK(error->excerpt.toUcs4().size() <= 40 && !error->reason.isEmpty(), "%s",
                   message.c_str());
        if (error->line > 0) {
            const QString line = lines.at(error->line - 1).trimmed();
            QString start = error->excerpt;
            if (start.endsWith(QChar(0x2026))) {
                start.chop(1);
            }
            FUZZ_CHECK(!start.isEmpty() &&
                           MessageText::ShortQuote(line, line.size()).startsWith(start),
                       "excerpt not from line %lld: %s", static_cast<long long>(error->line),
                       message.c_str());
        }
        FUZZ_CHECK(!error->Message().contains(u'\n') && !error->Message().contains(u'\r'),
                   "message of more than one line: %s", message.c_str());
        return;
    }
    const auto &pasted = std::get<PlanText::PastedPlan>(read);
    FUZZ_CHECK(!pasted.skills.empty(), "a plan without skills");
    FUZZ_CHECK(!pasted.race || (*pasted.race >= 0 && *pasted.race < RaceCount), "race %d",
               *pasted.race);
    std::array<bool, SkillCount> seen{};
    for (const PlanText::SkillLevels &levels : pasted.skills) {
        FUZZ_CHECK(levels.skill >= 0 && levels.skill < SkillCount, "skill %d", levels.skill);
        const auto index = static_cast<std::size_t>(levels.skill);
        FUZZ_CHECK(!seen[index], "skill %d twice", levels.skill);
        seen[index] = true;
    }
}

void CheckRoundTrip(FuzzInput &input) {
    const QLocale locale(QLatin1String{LocaleNames[input.Byte() % LocaleNames.size()]});
    CharacterPlan plan;
    plan.race = static_cast<RaceNumber>(input.Byte() % RaceCount);
    plan.selected = static_cast<SkillNumber>(input.Byte() % SkillCount);
    for (SkillPlanEntry &entry : plan.skills) {
        entry.Base = input.Int16();
        entry.EQ = input.Int16();
        entry.Goal = input.Int16();
    }
    try {
        plan.Recalculate();
    } catch (const std::exception &) {
        return; // no plan the window could show
    }

    const QString text = PlanText::Format(plan, locale);
    const std::variant<PlanText::PastedPlan, PlanText::ReadError> read = PlanText::Read(text);
    const auto *pasted = std::get_if<PlanText::PastedPlan>(&read);
    FUZZ_CHECK(pasted, "copied plan refused: %s",
               std::get<PlanText::ReadError>(read).Message().toStdString().c_str());
    FUZZ_CHECK(pasted->race == plan.race && pasted->skills.size() == SkillCount,
               "race or skills lost in:\n%s", text.toStdString().c_str());

    CharacterPlan back;
    back.selected = plan.selected;
    pasted->StoreInto(back);
    back.Recalculate();
    FUZZ_CHECK(back == plan, "pasted plan differs from the copied one:\n%s",
               text.toStdString().c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size) {
    CheckRead(
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    FuzzInput input(data, size);
    CheckRoundTrip(input);
    CheckSkillLineNeverSkipped(data, size);
    CheckSkillShapedLineNeverSkipped(data, size);
    return 0;
}
