#!/usr/bin/env bash
# Runs a test program on a real X server (Xvfb) with a real window manager
# (openbox), so that windows get frames, title bars and activation as on a desktop.
set -euo pipefail
exec xvfb-run --auto-servernum --server-args="-screen 0 1920x1080x24 -nolisten tcp" \
    bash -c 'openbox --sm-disable >/dev/null 2>&1 & sleep 1; QT_QPA_PLATFORM=xcb "$@"; status=$?; kill %1 2>/dev/null; exit $status' \
    run-under-window-manager "$@"
