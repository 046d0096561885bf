#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tarrowind team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree with CPack and checks its control fields, that it
# holds exactly the installed files, under /usr, with the program stripped and in /usr/games, and
# Debian's copyright file, changelog and lintian overrides, and that lintian finds no error in it.
# usage: check-deb.sh BUILD_DIR SCRATCH_DIR PROJECT_VERSION
set -euo pipefail
build=$1 scratch=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)

fail() { echo "check-deb: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
debs=("$scratch"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb in $scratch"
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tarrowind-planner ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), the project is $version"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is $(field Architecture)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^\>]+@[^\>]+\>$ ]] || fail "Maintainer is $(field Maintainer)"
description=$(field Description)
[ -n "$description" ] && [[ "$description" != *";"* ]] || fail "Description is $description"
depends=$(field Depends)
depended=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
# The libraries come from dpkg-shlibdeps, the fonts from the package's own list.
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2 \
    fonts-dejavu-core; do
    grep -qxF "$needed" <<<"$depended" || fail "Depends lacks $needed: $depends"
done

# The installed files, with the program among Debian's games, and Debian's copyright file and
# changelog.
diff -u <({ sed 's|^|usr/|; s|^usr/bin/|usr/games/|' "$here/installed-files.txt"
           printf 'usr/share/doc/tarrowind-planner/%s\n' changelog.gz copyright
           echo usr/share/lintian/overrides/tarrowind-planner; } | LC_ALL=C sort) \
    <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the package holds other files than installed-files.txt lists"

dpkg-deb --extract "$deb" "$scratch/extracted"
file -b "$scratch/extracted/usr/games/tarrowind-planner" | grep -q ', stripped' ||
    fail "the packaged program still carries its symbols"
head -n 1 "$scratch/extracted/usr/share/doc/tarrowind-planner/copyright" |
    grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not machine-readable"
dpkg-deb --info "$deb"

# Debian's own checks: an error fails the test; the warnings left are shown.
lintian --fail-on error "$deb" || fail "lintian reports errors"
