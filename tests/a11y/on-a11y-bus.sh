#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tarrowind team
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as a screen reader's desktop would: on a private X server (Xvfb) and in a
# private D-Bus session whose accessibility bus (AT-SPI) runs before the command starts, with Qt
# on X11 and its accessibility on. The X server, the session bus and the accessibility bus it
# started all end with the command, so runs in parallel do not meet.
# Debian packages: xvfb, xauth, dbus, at-spi2-core.
set -eu

if [ -z "${TARROWIND_ON_A11Y_BUS:-}" ]; then
    export TARROWIND_ON_A11Y_BUS=1
    # -a takes the first free display from -n on; starting from one of many keeps runs that
    # start at the same moment off each other's display.
    exec xvfb-run -a -n "$((100 + $$ % 900))" -s "-screen 0 1024x768x24" \
        dbus-run-session -- sh "$0" "$@"
fi

# Qt connects to the accessibility bus only if it is there when the program starts; asking for
# its address starts it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec "$@"
