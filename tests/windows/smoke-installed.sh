#!/usr/bin/env bash
# The installer as a user meets it, under Wine on an X server: installed
# silently for the current user and put on the user's PATH; the console twin
# answering in cmd before the prompt with the program's status; the installed
# program started, its window found by its title, fixed frames that neither
# resize nor maximize, About opened and closed, one click on the ambient
# button that changes the result, Exit with status 0; Open with → Torvane
# for a schedule, opening its window; then the uninstaller,
# which must leave nothing behind and the rest of PATH as it was. Positions
# are the layout's, at 96 dpi.
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
# Waits up to 20 s for the program to end, and wants status 0.
ends_with_status_0() { # pid, what ended it
    timeout 20 bash -c "while kill -0 $1 2> /dev/null; do sleep 0.3; done"
    if kill -0 "$1" 2> /dev/null; then
        fail "$2: the program is still running"
        kill "$1"
        return
    fi
    wait "$1"
    local status=$?
    [ "$status" -eq 0 ] && pass "$2 ends the program with status 0" || fail "$2: status $status"
}
click_at() { # window, x, y
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

# A PATH of the user's own, which the uninstaller must give back as it was.
user_path='C:\tools;C:\more tools'
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$user_path" /f > /dev/null 2>&1
path_now() { wine reg query 'HKCU\Environment' /v Path 2> /dev/null | tr -d '\r' |
    sed -n 's/^ *Path *REG_[A-Z_]* *//p'; }

# What .csv files open with before: the installer must leave it so.
classes='HKCU\Software\Classes'
default_value() { wine reg query "$1" /ve 2> /dev/null | tr -d '\r' |
    sed -n 's/^ *([Dd]efault) *REG_SZ *//p' | grep -vx '(value not set)'; }
csv_before=$(default_value "$classes\.csv")

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
windows_folder=$(winepath -w "$folder" 2> /dev/null | tr -d '\r')
[ "$(path_now)" = "$user_path;$windows_folder" ] && pass "the folder added to the user's PATH" ||
    fail "PATH after installing: $(path_now)"

# The console twin: a console program beside the windowed one. cmd waits for
# a windowed program inside a batch file, so the batch alone cannot tell the
# two apart: the headers do.
subsystem() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^Subsystem.*(\(.*\))/\1/p'; }
[ "$(subsystem "$folder/torvane.com")" = "Windows CUI" ] && pass "torvane.com is a console program" ||
    fail "torvane.com: $(subsystem "$folder/torvane.com")"
[ "$(subsystem "$folder/torvane.exe")" = "Windows GUI" ] && pass "torvane.exe is a windowed program" ||
    fail "torvane.exe: $(subsystem "$folder/torvane.exe")"

# Typed in cmd, from a folder of the user's, found on PATH: the answer comes
# before the next line runs, and %ERRORLEVEL% is the program's status (cmd
# expands it when it reads the line, so each echo has its own line).
work=$(mktemp -d)
printf 'load,circuit\r\n150,A\r\n5000,B\r\n' > "$work/schedule.csv"
printf '%s\r\n' '@echo off' 'torvane size 150 --ambient 40' 'echo status=%ERRORLEVEL%' \
    'torvane size abc' 'echo status=%ERRORLEVEL%' \
    'type schedule.csv | torvane size --schedule -' 'echo status=%ERRORLEVEL%' \
    'torvane report schedule.csv --output report.pdf' 'echo report-status=%ERRORLEVEL%' \
    > "$work/typed.bat"
(cd "$work" && LANGUAGE=en LC_ALL=C.UTF-8 wine cmd /c typed.bat > typed.out 2>&1)
tr -d '\r' < "$work/typed.out" > "$work/typed.txt"
expected="300 MCM, 240 A from Table 2, =196.8 A  (I × 0.82 × 1), Table 5A applied; continuous load 150 A needs 187.5 A (Rule 8-104, 80 %); 200 A breaker (chosen; at most 200 A on this conductor); bonding 6 AWG copper; governed by the continuous load
status=0"
[ "$(head -n 2 "$work/typed.txt")" = "$expected" ] && pass "torvane size 150 --ambient 40 in cmd, then status=0" ||
    fail "in cmd: $(head -n 2 "$work/typed.txt" | tr '\n' '|')"
sed -n 3,4p "$work/typed.txt" | grep -qx 'status=2' && pass "a bad load gives status=2 in cmd" ||
    fail "a bad load in cmd: $(sed -n 3,4p "$work/typed.txt" | tr '\n' '|')"
grep -q '^150,A,4/0 AWG,' "$work/typed.txt" && grep -qx 'status=1' "$work/typed.txt" &&
    pass "a schedule piped through type, sized, status=1 for its problem row" ||
    fail "piped schedule: $(tail -n 4 "$work/typed.txt" | tr '\n' '|')"
grep -qx 'report-status=1' "$work/typed.txt" && [ "$(head -c 5 "$work/report.pdf")" = "%PDF-" ] &&
    pass "torvane report in cmd writes the PDF, status=1 for the problem row" ||
    fail "report in cmd: $(tail -n 2 "$work/typed.txt" | tr '\n' '|')"

# torvane with no command opens the window through the twin, which returns at once.
printf '%s\r\n' '@echo off' 'torvane' 'echo twin-returned' > "$work/window.bat"
(cd "$work" && LANGUAGE=en LC_ALL=C.UTF-8 timeout 30 wine cmd /c window.bat > window.out 2>&1)
twin=$(find_window "2024 CEC Ampacity Table 2" 60)
if grep -q twin-returned "$work/window.out" && [ -n "$twin" ]; then
    pass "torvane with no command opens the window, and the twin has returned"
    click_at "$twin" 348 43 # Exit
    timeout 20 bash -c "while xdotool search --onlyvisible --name '^2024 CEC Ampacity Table 2\$' > /dev/null 2>&1; do sleep 0.2; done" ||
        fail "the window opened by the twin does not close"
else
    fail "torvane with no command: $(tr -d '\r' < "$work/window.out") window=$twin"
fi
rm -rf "$work"

# A fixed frame: a resize request changes nothing, and the window manager is
# offered neither resizing (Motif function 2) nor maximizing (16); About is
# offered no minimizing (8) either.
fixed_frame() { # window, width x height, name, functions that must be off
    xdotool windowsize "$1" 600 300
    sleep 1
    local size functions
    size=$(xdotool getwindowgeometry "$1" | sed -n 's/ *Geometry: //p')
    functions=$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= [^,]*, \([^,]*\),.*/\1/p')
    if [ "$size" = "$2" ] && [ -n "$functions" ] && [ $((functions & $4)) -eq 0 ]; then
        pass "$3 keeps $2 when asked to resize, and offers no $5"
    else
        fail "$3: $size after a resize request, Motif functions $functions"
    fi
}

LANGUAGE=en LC_ALL=C.UTF-8 wine "$folder/torvane.exe" &
program=$!
main=$(find_window "2024 CEC Ampacity Table 2" 60)
if [ -n "$main" ]; then pass "main window titled \"2024 CEC Ampacity Table 2\""; else
    fail "main window"; kill $program; finish; fi
sleep 1
fixed_frame "$main" 377x97 "the main window" $((2 | 16)) "resizing or maximizing"

click_at "$main" 289 74 # A b o u t
about=$(find_window "About Torvane" 20)
if [ -n "$about" ]; then
    pass "About opens"
    fixed_frame "$about" 377x317 "About" $((2 | 8 | 16)) "resizing, minimizing or maximizing"
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
ends_with_status_0 $program "Exit"

# Open with → Torvane: offered for .csv files without taking them over, and
# the command it runs opens the schedule in its own window.
for type in csv xlsx ods; do
    wine reg query "$classes\.$type\OpenWithProgids" /v Torvane.Schedule > /dev/null 2>&1 &&
        pass "offered under Open with for .$type files" || fail "not under Open with for .$type files"
done
[ "$(default_value "$classes\.csv")" = "$csv_before" ] && pass "the default program for .csv left alone" ||
    fail ".csv now opens with $(default_value "$classes\.csv")"
open_with=$(default_value "$classes\Torvane.Schedule\shell\open\command")
[ "$open_with" = "\"$windows_folder\\torvane.exe\" \"%1\"" ] &&
    pass "Open with runs the installed torvane.exe on the file" || fail "Open with runs: $open_with"
printf 'Circuit,Load (A),Length,Voltage\r\nP-1,16,12,120\r\nP-2,abc,,\r\n' > "$shots/panel.csv"
wine "$folder/torvane.exe" "$(winepath -w "$shots/panel.csv" | tr -d '\r')" > /dev/null 2>&1 &
schedule_program=$!
schedule=$(find_window 'panel.csv — Torvane' 60)
if [ -n "$schedule" ]; then
    pass "torvane.exe FILE opens the schedule window"
    # Closed from the keyboard, once a click in the table has given the
    # window the keyboard: an unchanged schedule closes without a question.
    click_at "$schedule" 300 250
    xdotool key --clearmodifiers ctrl+w
    ends_with_status_0 $schedule_program "Ctrl+W on the unchanged schedule"
else
    fail "no window titled 'panel.csv — Torvane'"
    kill $schedule_program 2> /dev/null
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
! wine reg query "$classes\Torvane.Schedule" > /dev/null 2>&1 &&
    ! wine reg query "$classes\Applications\torvane.exe" > /dev/null 2>&1 &&
    ! wine reg query "$classes\.csv\OpenWithProgids" /v Torvane.Schedule > /dev/null 2>&1 &&
    ! wine reg query "$classes\.xlsx\OpenWithProgids" /v Torvane.Schedule > /dev/null 2>&1 &&
    ! wine reg query "$classes\.ods\OpenWithProgids" /v Torvane.Schedule > /dev/null 2>&1 &&
    pass "the uninstaller takes Torvane out of Open with" || fail "Open with entries are left"
[ "$(path_now)" = "$user_path" ] && pass "the uninstaller gives PATH back as it was" ||
    fail "PATH after uninstalling: $(path_now)"
finish
