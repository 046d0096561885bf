#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tarrowind team
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ file of the source tree is formatted as .clang-format says: the tracked
# files of a git checkout, otherwise every .cpp and .h outside the build folders.
# usage: check-format.sh SOURCE_DIR CLANG_FORMAT
set -euo pipefail
source=$1 clang_format=$2

command -v "$clang_format" >/dev/null 2>&1 ||
    { echo "check-format: $clang_format not found; install clang-format" >&2; exit 1; }
cd "$source"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
    mapfile -t files < <(find . \( -name 'build' -o -name 'build-*' -o -name '.git' \) -prune -o \
        -type f \( -name '*.cpp' -o -name '*.h' \) -print | LC_ALL=C sort)
fi
[ ${#files[@]} -gt 0 ] || { echo "check-format: no C++ files found in $source" >&2; exit 1; }
"$clang_format" --dry-run --Werror "${files[@]}"
echo "check-format: ${#files[@]} files formatted"
