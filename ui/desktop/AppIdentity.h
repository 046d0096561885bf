// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

// How the desktop knows the planner: the id of its desktop entry, which is also the name of its
// icon in the icon theme, and the icon itself, built into the program at every size installed.
namespace AppIdentity {

QString DesktopFileName();

// Empty when the program was linked without its icon resource.
QIcon WindowIcon();

} // namespace AppIdentity
