// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/DesktopClipboard.h"

#include <QGuiApplication>
#include <QString>

#if defined(TARROWIND_HAS_XCB) && QT_CONFIG(xcb)
#define TARROWIND_ASKS_X11
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

using namespace Qt::StringLiterals;

namespace {

#ifdef TARROWIND_ASKS_X11
struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};

// Whether the X selection `name` has an owner; no value without a connection to an X server.
std::optional<bool> X11SelectionHasOwner(const char *name) {
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection) {
        return std::nullopt;
    }
    // An atom that nobody has made yet names no selection that anybody owns.
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> atom(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    if (!atom) {
        return std::nullopt;
    }
    if (atom->atom == XCB_ATOM_NONE) {
        return false;
    }
    const std::unique_ptr<xcb_get_selection_owner_reply_t, FreeReply> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                      nullptr));
    if (!owner) {
        return std::nullopt;
    }
    return owner->owner != XCB_WINDOW_NONE;
}
#endif

bool OnX11() {
    return QGuiApplication::platformName() == u"xcb"_s;
}

} // namespace

namespace DesktopClipboard {

KeepsCopy ClipboardKeepsCopy() {
    const QString platform = QGuiApplication::platformName();
    if (OnX11()) {
#ifdef TARROWIND_ASKS_X11
        if (const std::optional<bool> manager = X11SelectionHasOwner("CLIPBOARD_MANAGER")) {
            return *manager ? KeepsCopy::Yes : KeepsCopy::No;
        }
#endif
        return KeepsCopy::Unknown;
    }
    // Qt flushes the clipboard to the system when the program ends on Windows, and macOS keeps
    // what was put on its pasteboard.
    if (platform == u"windows"_s || platform == u"cocoa"_s) {
        return KeepsCopy::Yes;
    }
    if (platform == u"offscreen"_s || platform == u"minimal"_s) {
        return KeepsCopy::No;
    }
    // Wayland and others: whether a clipboard manager runs cannot be asked.
    return KeepsCopy::Unknown;
}

std::optional<bool> ClipboardHasOwner() {
#ifdef TARROWIND_ASKS_X11
    if (OnX11()) {
        return X11SelectionHasOwner("CLIPBOARD");
    }
#endif
    return std::nullopt;
}

} // namespace DesktopClipboard
