#!/usr/bin/env bash
# The house checks of .ci/run pass on the tree and fail on deliberately
# broken copies of it: a check that cannot fail guards nothing.
#
# Usage: tests/scripts/checks.sh <repository root>
set -euo pipefail
repository="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
# passes <what> <command...>
passes() {
    local what="$1"
    shift
    if ! "$@" >"$work/output" 2>&1; then
        echo "FAIL: $what: the check failed on a sound tree:" >&2
        cat "$work/output" >&2
        failures=$((failures + 1))
    fi
}
# catches <what> <expected message> <command...>
catches() {
    local what="$1" expected="$2"
    shift 2
    if "$@" >"$work/output" 2>&1; then
        echo "FAIL: $what: the check passed a broken tree" >&2
        failures=$((failures + 1))
    elif ! grep -qF -- "$expected" "$work/output"; then
        echo "FAIL: $what: expected \"$expected\", got:" >&2
        cat "$work/output" >&2
        failures=$((failures + 1))
    fi
}
# A fresh copy of the sources to break.
copy() {
    rm -rf "$work/src"
    cp -r "$repository/src" "$work/src"
}

checkForm="$repository/scripts/check-form"

passes "the form check" "$checkForm" "$repository/src"
copy
echo '#include "ui_mainwindow.h"' >>"$work/src/solver/Residuals.cpp"
catches "a solver file reading the main form" "solver/Residuals.cpp reads the form ui_mainwindow.h" \
    "$checkForm" "$work/src"
copy
echo '#include "ui_mainwindow.h"' >>"$work/src/engine/Eval.cpp"
catches "an engine file reading the main form" "engine/Eval.cpp reads the form ui_mainwindow.h" "$checkForm" "$work/src"
copy
echo '#include "ui_HelpWindow.h"' >>"$work/src/units/UnitConversions.cpp"
catches "a file reading another folder's window form" "units/UnitConversions.cpp reads the form ui_HelpWindow.h" \
    "$checkForm" "$work/src"

if [ "$failures" -gt 0 ]; then
    exit 1
fi
echo "The house checks pass the tree and catch each broken copy"
