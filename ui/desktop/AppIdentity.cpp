// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/AppIdentity.h"

#include <QDir>
#include <QPixmap>

namespace AppIdentity {

QString DesktopFileName() {
    return QStringLiteral(TARROWIND_APP_ID);
}

QIcon WindowIcon() {
    // The resource holds one PNG per size, rendered from the same drawing as the installed icons.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/tarrowind/icons"));
    for (const QString &size : sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file =
            sizes.filePath(size + QLatin1Char('/') + DesktopFileName() + QStringLiteral(".png"));
        const QPixmap pixmap(file);
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

} // namespace AppIdentity
