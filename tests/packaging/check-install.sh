#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tarrowind team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root under /usr and checks what lands there: exactly the
# files in installed-files.txt, a valid desktop entry and metainfo that agree with each other
# and with the installed binary and icons, and icons drawn at the size their folder names.
# usage: check-install.sh BUILD_DIR SCRATCH_DIR PROJECT_VERSION
set -euo pipefail
build=$1 scratch=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)
id=org.tarrowind.CharacterPlanner

fail() { echo "check-install: $*" >&2; exit 1; }

rm -rf "$scratch"
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
usr="$scratch/root/usr"

diff -u "$here/installed-files.txt" <(cd "$usr" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the install holds other files than installed-files.txt lists"
[ -z "$(find "$scratch/root" -mindepth 1 -maxdepth 1 ! -name usr)" ] ||
    fail "something was installed outside the prefix"

desktop="$usr/share/applications/$id.desktop"
metainfo="$usr/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
# Checks the metainfo against the tree: its launchable names a desktop entry that is there.
appstreamcli validate-tree --no-net "$scratch/root"

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an installed program"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the desktop entry names another icon"
# Listed among the desktop menu's games.
grep -qE '^Categories=(.*;)?Game;' "$desktop" || fail "the desktop entry is not in the Game category"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the metainfo names another licence than GPL-3.0-or-later"
grep -q "<binary>${exec_line%% *}</binary>" "$metainfo" ||
    fail "the metainfo provides another binary than the desktop entry starts"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "newest release in the metainfo is $newest, the project is $version"

for png in "$usr"/share/icons/hicolor/*x*/apps/"$id".png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file -b "$png" | grep -q "^PNG image data, ${size%x*} x ${size#*x}," ||
        fail "$png is not a ${size} PNG: $(file -b "$png")"
done
echo "check-install: $(wc -l <"$here/installed-files.txt") files installed and valid"
