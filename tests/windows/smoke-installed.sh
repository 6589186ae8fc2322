#!/usr/bin/env bash
# The installer as a user meets it, under Wine on an X server: installed
# silently for the current user, the installed program started, its window
# found by its title, About opened and closed, one click on the ambient
# button that changes the result, Exit with status 0; then the uninstaller,
# which must leave nothing behind. Positions are the layout's, at 96 dpi.
# Usage: smoke-installed.sh <installer>   (WINEPREFIX and DISPLAY set)
set -uo pipefail
installer=$1
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS  $*"; }
fail() { failed=$((failed + 1)); echo "FAIL  $*"; }
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; exit; }

find_window() { # title, seconds
    timeout "$2" xdotool search --sync --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1
}
click_at() { # window, x, y
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

wine "$installer" /S
users="$WINEPREFIX/drive_c/users"
folder=$(find "$users" -maxdepth 5 -ipath '*/AppData/Local/Programs/Torvane' -type d | head -n 1)
shortcut=$(find "$users" -ipath '*/Start Menu/Programs/Torvane.lnk' | head -n 1)
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane'
if [ -n "$folder" ] && [ -f "$folder/torvane.exe" ] && [ -f "$folder/Uninstall.exe" ]; then
    pass "installed for the current user into ${folder#"$WINEPREFIX/drive_c/"}"
else
    fail "installed program"; finish
fi
[ -n "$shortcut" ] && pass "Start-menu shortcut" || fail "Start-menu shortcut"
wine reg query "$key" /v UninstallString > /dev/null 2>&1 && pass "listed among the installed apps" ||
    fail "listed among the installed apps"

LANGUAGE=en LC_ALL=C.UTF-8 wine "$folder/torvane.exe" &
program=$!
main=$(find_window "2024 CEC Ampacity Table 2" 60)
if [ -n "$main" ]; then pass "main window titled \"2024 CEC Ampacity Table 2\""; else
    fail "main window"; kill $program; finish; fi
sleep 1

click_at "$main" 289 74 # A b o u t
about=$(find_window "About Torvane" 20)
if [ -n "$about" ]; then
    pass "About opens"
    click_at "$about" 180 285 # OK
    if timeout 10 bash -c "while xdotool search --onlyvisible --name '^About Torvane\$' > /dev/null 2>&1; do sleep 0.2; done"; then
        pass "About closes"
    else
        fail "About closes"
    fi
else
    fail "About opens"
fi

# The result box (3210, 975 twips) is hidden until a correction applies.
import -window "$main" -crop 152x22+214+65 "$shots/before.png"
click_at "$main" 242 43 # Ambient
sleep 0.5
import -window "$main" -crop 152x22+214+65 "$shots/after.png"
difference=$(compare -metric AE "$shots/before.png" "$shots/after.png" null: 2>&1 || true)
if [ "${difference%% *}" -gt 100 ] 2> /dev/null; then
    pass "one click on the ambient button shows the corrected ampacity ($difference pixels changed)"
else
    fail "the ambient button changed nothing in the result box ($difference)"
fi

click_at "$main" 348 43 # Exit
for _ in $(seq 40); do
    kill -0 $program 2> /dev/null || break
    sleep 0.5
done
if kill -0 $program 2> /dev/null; then
    fail "Exit: the program is still running"
    kill $program
else
    wait $program
    status=$?
    [ "$status" -eq 0 ] && pass "Exit ends the program with status 0" || fail "Exit: status $status"
fi

wine "$folder/Uninstall.exe" /S
# The uninstaller runs from a copy of itself in the temporary folder.
timeout 60 bash -c "while [ -e '$folder' ]; do sleep 0.5; done"
[ ! -e "$folder" ] && pass "the uninstaller removes the program's folder" ||
    fail "left behind: $(find "$folder" | tr '\n' ' ')"
[ -z "$(find "$users" -ipath '*/Start Menu/Programs/Torvane.lnk')" ] &&
    pass "the uninstaller removes the shortcut" || fail "the shortcut is left"
! wine reg query "$key" > /dev/null 2>&1 && pass "the uninstaller removes its registry entry" ||
    fail "the registry entry is left"
finish
