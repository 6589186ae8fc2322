# Sourced by the release checks (scripts/check-package,
# tests/windows/check-executable.sh): a scratch folder, and one PASS or FAIL
# line per check with what the command said when it failed.
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

# The closing count; the status says whether every check passed.
checks_done() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
