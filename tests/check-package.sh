#!/usr/bin/env bash
# Checks a built .deb the way a user's machine would meet it: unpacks it into
# a scratch root, validates its desktop entry and AppStream data, checks its
# dependencies, and starts the unpacked program long enough to show its window.
# Usage: check-package.sh torvane_<version>_amd64.deb
set -uo pipefail
deb=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
check() { # description, command...
    local what=$1
    shift
    if "$@" > "$scratch/out" 2>&1; then
        passed=$((passed + 1))
        echo "PASS  $what"
    else
        failed=$((failed + 1))
        echo "FAIL  $what"
        sed 's/^/      /' "$scratch/out"
    fi
}

root="$scratch/root"
check "the package unpacks" dpkg-deb -x "$deb" "$root"
check "desktop entry is valid" \
    desktop-file-validate "$root/usr/share/applications/org.example.Torvane.desktop"
check "AppStream metainfo is valid" \
    appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Torvane.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
    check "icon ${size}x${size}" test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.example.Torvane.png"
done
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
    check "depends on $dependency" grep -q "$dependency" <<< "$depends"
done

# The installed program opens its window on a real X server.
shows_window() {
    xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24 -nolisten tcp" bash -c '
        QT_QPA_PLATFORM=xcb "$1" & program=$!
        for _ in $(seq 50); do
            if xwininfo -root -tree | grep -q "2024 CEC Ampacity Table 2"; then
                kill $program; exit 0
            fi
            sleep 0.1
        done
        kill $program; exit 1' shows-window "$root/usr/bin/torvane"
}
check "the unpacked program shows its window" shows_window

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
