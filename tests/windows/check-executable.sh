#!/usr/bin/env bash
# What Windows shows of torvane.exe without running it: a windowed program
# (no console window of its own), linked without the MinGW runtime DLLs, its
# icon in every size from 16 to 256 pixels, and a version resource naming the
# product, the version the About window shows and its copyright.
# Usage: check-executable.sh <torvane.exe> <shown version> <copyright line>
set -uo pipefail
program=$1
version=$2
copyright=$3
# shellcheck source=scripts/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/checks.sh"

headers=$(x86_64-w64-mingw32-objdump -p "$program")
check "a windowed program, no console window" grep -q 'Subsystem.*Windows GUI' <<< "$headers"
grep 'DLL Name' <<< "$headers" > "$scratch/dlls"
check "needs no MinGW runtime or Qt DLL" \
    bash -c '! grep -Eiq "libstdc|libgcc|libwinpthread|Qt6" "$1"' _ "$scratch/dlls"

wrestool -x -t 14 "$program" > "$scratch/icon.ico" 2> /dev/null
sizes=$(icotool -l "$scratch/icon.ico" 2> /dev/null | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | tr '\n' ' ')
check "icon in 16 to 256 pixels ($sizes)" test "$sizes" = "16 24 32 48 64 128 256 "

# The version resource's strings are UTF-16, each ended by a zero.
wrestool -x --raw -t 16 "$program" 2> /dev/null | iconv -f UTF-16LE -t UTF-8 -c 2> /dev/null |
    tr '\0' '\n' > "$scratch/version"
check "version resource names the product" grep -aqx 'Torvane' "$scratch/version"
check "version resource carries $version" grep -aqx "$version" "$scratch/version"
check "version resource carries \"$copyright\"" grep -aqxF "$copyright" "$scratch/version"

checks_done
