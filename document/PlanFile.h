// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

#include <variant>

// The file a player keeps plans in, read and written only when the player asks. Reading checks
// the file that was opened, not its name: only a regular file of at most MaxSize bytes, in UTF-8,
// is read. Writing replaces the file whole or not at all.
namespace PlanFile {

inline constexpr qint64 MaxSize = qint64{1} << 20;

// What a file was when it was last read or written here, to tell whether another program has
// changed it since.
struct Stamp {
    qint64 size = 0;
    QDateTime modified;

    friend bool operator==(const Stamp &, const Stamp &) = default;
};

// Why a file could not be read or written, in words for the user (translated), and for text that
// is no UTF-8 the line it is in, counted from 1.
struct Failure {
    QString reason;
    qsizetype line = 0;

    // "Cannot open week1.txt: it is a folder." / "Cannot save week1.txt: ..."; the line, where
    // there is one, after the reason.
    QString OpenMessage(const QString &path) const;
    QString SaveMessage(const QString &path) const;
};

struct Read {
    QString text; // without a byte-order mark
    Stamp stamp;
};

// The file's text. Never waits for a writer: a named pipe, a device or a folder is refused at
// once, as is a file larger than MaxSize, an empty one and one that is not UTF-8.
std::variant<Read, Failure> Open(const QString &path);

// Writes `text` in UTF-8 through a temporary file that replaces `path` only once it is whole, so
// that a failure leaves an earlier file byte for byte as it was and no temporary file behind.
std::variant<Stamp, Failure> Save(const QString &path, const QString &text);

// The file's size and time of change now; no value when there is no such regular file.
std::optional<Stamp> StampOf(const QString &path);

} // namespace PlanFile
