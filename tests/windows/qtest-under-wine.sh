#!/usr/bin/env bash
# Runs a Qt Test program under Wine for CTest. On Windows, Qt Test writes its
# report to the debugger when it has no console; here it writes it to a file,
# which is then shown as the test's output.
# Usage: qtest-under-wine.sh <test.exe> [arguments...]
set -u
program=$1
shift
report=$(mktemp)
wine "$program" -o "Z:$report,txt" "$@"
status=$?
cat "$report"
rm -f "$report"
exit $status
