#!/usr/bin/env bash
# Starts the calculator on an X server (Xvfb) with a D-Bus session and the
# accessibility bus, then reads and operates it through AT-SPI.
# Usage: run-accessibility.sh <calculator> <walk script> [the calculator's arguments]
set -euo pipefail
exec xvfb-run --auto-servernum --server-args="-screen 0 1920x1080x24 -nolisten tcp" \
    dbus-run-session -- bash -c '
        export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
        /usr/libexec/at-spi-bus-launcher --launch-immediately &
        sleep 1
        "$1" "${@:3}" &
        calculator=$!
        sleep 1
        status=0
        /usr/bin/python3 "$2" || status=$?
        kill $calculator 2>/dev/null || true
        exit $status' run-accessibility "$@"
