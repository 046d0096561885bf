// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/ClipboardHandOver.h"

#include <QClipboard>
#include <QGuiApplication>

QVariant CopiedText::retrieveData(const QString &mimeType, QMetaType type) const {
    if (mimeType.startsWith(QLatin1String("text/"))) {
        Q_EMIT fetched();
    }
    return QMimeData::retrieveData(mimeType, type);
}

ClipboardHandOver::ClipboardHandOver(const CopiedText *copied, std::chrono::milliseconds wait)
    : QObject(QCoreApplication::instance()), m_keepRunning(std::make_unique<QEventLoopLocker>()) {
    // Queued: the fetching program gets its answer before the program ends.
    connect(copied, &CopiedText::fetched, this, &ClipboardHandOver::End, Qt::QueuedConnection);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (!QGuiApplication::clipboard()->ownsClipboard()) {
            End();
        }
    });
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &ClipboardHandOver::End);
    m_timeout.start(wait);
}

void ClipboardHandOver::End() {
    if (!m_keepRunning) {
        return;
    }
    m_timeout.stop();
    Q_EMIT ended();
    deleteLater();
    // Last: with no window left, releasing the lock ends the program.
    m_keepRunning.reset();
}
