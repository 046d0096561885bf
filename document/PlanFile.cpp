// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/PlanFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlanFile {

namespace {

Failure Refused(const QString &reason, qsizetype line = 0) {
    return Failure{reason, line};
}

QString SystemReason(int error) {
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("PlanFile", "there is no such file");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("PlanFile", "permission denied");
    case ENOTDIR:
        return QCoreApplication::translate("PlanFile", "a part of its path is not a folder");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// A file descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

Stamp StampFrom(const struct stat &info) {
    return Stamp{static_cast<qint64>(info.st_size),
                 QDateTime::fromMSecsSinceEpoch(qint64{info.st_mtim.tv_sec} * 1000 +
                                                    info.st_mtim.tv_nsec / 1'000'000,
                                                Qt::UTC)};
}

// The first line, counted from 1, that is not UTF-8; 0 when all are.
qsizetype FirstBadLine(const QByteArray &bytes) {
    qsizetype line = 1;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            end = bytes.size();
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(bytes).sliced(start, end - start));
        if (decoder.hasError()) {
            return line;
        }
        start = end + 1;
        ++line;
    }
    return 0;
}

} // namespace

QString Failure::OpenMessage(const QString &path) const {
    const QString name = QFileInfo(path).fileName();
    return line > 0
               ? QCoreApplication::translate("PlanFile", "Cannot open %1: %2, in line %3.")
                     .arg(name, reason, QString::number(line))
               : QCoreApplication::translate("PlanFile", "Cannot open %1: %2.").arg(name, reason);
}

QString Failure::SaveMessage(const QString &path) const {
    return QCoreApplication::translate("PlanFile", "Cannot save %1: %2.")
        .arg(QFileInfo(path).fileName(), reason);
}

std::variant<Read, Failure> Open(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        return Refused(SystemReason(errno));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        return Refused(SystemReason(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return Refused(QCoreApplication::translate("PlanFile", "it is a folder"));
    }
    if (!S_ISREG(info.st_mode)) {
        return Refused(QCoreApplication::translate("PlanFile", "it is not a regular file"));
    }
    // One byte more than the most that is read tells a file that is too large, whatever its
    // size said a moment ago.
    QByteArray bytes(MaxSize + 1, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got =
            ::read(file.get(), bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return Refused(SystemReason(errno));
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    if (filled > MaxSize) {
        return Refused(QCoreApplication::translate("PlanFile", "it is larger than 1 MiB"));
    }
    bytes.truncate(filled);
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    if (bytes.trimmed().isEmpty()) {
        return Refused(QCoreApplication::translate("PlanFile", "it is empty"));
    }
    if (const qsizetype line = FirstBadLine(bytes)) {
        return Refused(QCoreApplication::translate("PlanFile", "it is not UTF-8 text"), line);
    }
    return Read{QString::fromUtf8(bytes), StampFrom(info)};
}

std::variant<Stamp, Failure> Save(const QString &path, const QString &text) {
    QSaveFile file(path);
    // Unbuffered, so that a write cut short (a full disk, a file-size limit) shows in what write
    // returns: Qt's buffered flush can take a short write for a whole one and commit it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Refused(file.errorString());
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        // A write cut short by a full disk or a file-size limit is no error to Qt, whose own
        // message would then be "Unknown error".
        const QString reason =
            file.error() != QFileDevice::NoError
                ? file.errorString()
                : QCoreApplication::translate(
                      "PlanFile", "it could not be written whole; the disk may be full");
        file.cancelWriting();
        (void)file.commit(); // removes the temporary file
        return Refused(reason);
    }
    if (!file.commit()) {
        return Refused(file.errorString());
    }
    if (const std::optional<Stamp> stamp = StampOf(path)) {
        return *stamp;
    }
    return Refused(QCoreApplication::translate("PlanFile", "it cannot be found after saving"));
}

std::optional<Stamp> StampOf(const QString &path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return StampFrom(info);
}

} // namespace PlanFile
