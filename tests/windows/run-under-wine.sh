#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, on an X server (Xvfb) with a
# window manager, in a fresh Wine prefix in a temporary folder: CTest in the
# build folder (the core's tests, the windows' tests on the offscreen
# platform, the glyph test on Windows' own platform), what Windows shows of
# torvane.exe (icon, version, no console), then the installer, the installed
# program and the uninstaller.
# Usage: run-under-wine.sh <build folder> <installer>
set -euo pipefail
build=$(realpath "$1")
installer=$(realpath "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/torvane-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEARCH=win64
# No .NET or Internet Explorer for Wine to offer to download.
export WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24 -nolisten tcp" bash -c '
    set -euo pipefail
    openbox --sm-disable > /dev/null 2>&1 &
    wineserver -p    # one server for every test, not one each
    wineboot --init > /dev/null 2>&1
    cd "$1"
    # One at a time, and each once: a test that needs a second try hides a
    # fault, so every test waits for what it checks rather than for a time.
    ctest --output-on-failure --timeout 300
    # The version as the program itself reports it, which is the About window'"'"'s.
    version=$(wine torvane.exe --version | tr -d "\r" | cut -d " " -f 2)
    "$3/check-executable.sh" torvane.exe "$version" "Copyright © 2024-20${version%%.*} Torvane"
    "$3/smoke-installed.sh" "$2"
' run-under-wine "$build" "$installer" "$here"
