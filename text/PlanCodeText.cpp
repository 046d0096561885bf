// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/PlanCodeText.h"

#include "plan/PlanCode.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace Tarrowind_Module;

namespace PlanText {

namespace {

// The longest part of a code that a message quotes.
constexpr qsizetype QuotedLength = 24;

QString Quoted(const QString &code) {
    return code.size() <= QuotedLength ? code : code.left(QuotedLength - 1) + QChar(0x2026);
}

QString Reason(PlanCodeError error) {
    switch (error) {
    case PlanCodeError::NotACode:
        return QCoreApplication::translate("PlanCodeText", "this is not a plan code");
    case PlanCodeError::UnknownVersion:
        return QCoreApplication::translate(
            "PlanCodeText", "the plan code is of a version this planner does not know");
    case PlanCodeError::CutShort:
        // Also a code whose changed bits ask for more characters than there are.
        return QCoreApplication::translate(
            "PlanCodeText", "the plan code is cut short or was changed; copy all of it again");
    case PlanCodeError::Damaged:
        return QCoreApplication::translate(
            "PlanCodeText", "the plan code was changed: its check sum does not match");
    case PlanCodeError::ImpossibleLevels:
        return QCoreApplication::translate("PlanCodeText",
                                           "the plan code holds levels that its race cannot have");
    }
    return QCoreApplication::translate("PlanCodeText", "this is not a plan code");
}

qsizetype LineOf(const QString &text, qsizetype at) {
    return text.left(at).count(u'\n') + 1;
}

} // namespace

QString Code(const CharacterPlan &plan) {
    return QString::fromStdString(WritePlanCode(plan));
}

std::optional<std::variant<CharacterPlan, ReadError>> ReadCode(const QString &text) {
    // No letter or digit just before "TWP": "XTWP1-..." is some other word.
    static const QRegularExpression pattern(
        QStringLiteral("(?<![A-Za-z0-9])TWP[0-9]-[A-Za-z0-9_-]*"));
    QRegularExpressionMatchIterator matches = pattern.globalMatch(text);
    if (!matches.hasNext()) {
        return std::nullopt;
    }
    const QRegularExpressionMatch first = matches.next();
    const QString code = first.captured();
    while (matches.hasNext()) {
        const QRegularExpressionMatch other = matches.next();
        if (other.captured() != code) {
            return ReadError{LineOf(text, other.capturedStart()), Quoted(other.captured()),
                             QCoreApplication::translate(
                                 "PlanCodeText", "the text holds two different plan codes")};
        }
    }
    const auto read = ReadPlanCode(code.toStdString());
    if (const auto *error = std::get_if<PlanCodeError>(&read)) {
        return ReadError{LineOf(text, first.capturedStart()), Quoted(code), Reason(*error)};
    }
    return std::get<CharacterPlan>(read);
}

} // namespace PlanText
