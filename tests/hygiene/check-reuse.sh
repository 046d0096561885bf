#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tarrowind team
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every file of the source tree says under which licence it is and whose it is
# (`reuse lint`). In a git checkout reuse leaves out what git ignores, the build folders among
# it; any other tree is copied without its build folders into SCRATCH_DIR and checked there.
# usage: check-reuse.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
source=$1 scratch=$2

command -v reuse >/dev/null 2>&1 ||
    { echo "check-reuse: reuse not found; install it (Debian package reuse)" >&2; exit 1; }
if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    exec reuse --root "$source" lint
fi
rm -rf "$scratch"
mkdir -p "$scratch"
tar -C "$source" --exclude=./build --exclude='./build-*' -cf - . | tar -C "$scratch" -xf -
reuse --root "$scratch" lint
