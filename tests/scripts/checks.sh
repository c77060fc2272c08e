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
checkMap="$repository/scripts/check-map"

passes "the form check" "$checkForm" "$repository/src"
copy
echo '#include "ui_mainwindow.h"' >>"$work/src/solver/Residuals.cpp"
catches "a solver file reading the main form" "solver/Residuals.cpp reads the form ui_mainwindow.h" \
    "$checkForm" "$work/src"
copy
echo '#include "pad/MainWindowForm.h"' >>"$work/src/solver/Residuals.cpp"
catches "a solver file reading the main form through its joined header" \
    "solver/Residuals.cpp reads the form ui_mainwindow.h" "$checkForm" "$work/src"
copy
echo '#include "ui_mainmenus.h"' >>"$work/src/editing/Menus.cpp"
catches "a file reading the menus' part of the main form directly" "editing/Menus.cpp reads the form ui_mainmenus.h" \
    "$checkForm" "$work/src"
copy
echo '#include "ui_mainwindow.h"' >>"$work/src/engine/Eval.cpp"
catches "an engine file reading the main form" "engine/Eval.cpp reads the form ui_mainwindow.h" "$checkForm" "$work/src"
copy
echo '#include "ui_HelpWindow.h"' >>"$work/src/units/UnitConversions.cpp"
catches "a file reading another folder's window form" "units/UnitConversions.cpp reads the form ui_HelpWindow.h" \
    "$checkForm" "$work/src"

header="$repository/src/pad/mainwindow.h"
passes "the map check" "$checkMap" "$header" "$repository/src"
sed 's|// ---- engine/GDT.cpp|// ---- engine/Geometry.cpp|' "$header" >"$work/mainwindow.h"
catches "a heading naming a missing file" "names engine/Geometry.cpp, which does not exist" \
    "$checkMap" "$work/mainwindow.h" "$repository/src"
sed 's|// ---- engine/GDT.cpp[ -]*$|// ---- Inspection functions|' "$header" >"$work/mainwindow.h"
catches "a heading naming no file" "the heading \"Inspection functions\" names no file" \
    "$checkMap" "$work/mainwindow.h" "$repository/src"
awk '/void ShowLogViewer\(\);/ { next } { print } /void FindPrevious\(\);/ { print "    void ShowLogViewer();" }' \
    "$header" >"$work/mainwindow.h"
catches "a member under another file's heading" "MainWindow::ShowLogViewer is not defined in editing/FindCommands.cpp" \
    "$checkMap" "$work/mainwindow.h" "$repository/src"
copy
sed -i 's/^void MainWindow::ShowLogViewer()/void MainWindow::ShowLogViewerNow()/' "$work/src/tools/LogViewerCommand.cpp"
catches "a member whose definition left its file" "MainWindow::ShowLogViewer is not defined in tools/LogViewerCommand.cpp" \
    "$checkMap" "$header" "$work/src"
sed 's|// ---- units/UnitConversions.cpp|// ---- pad/Reports.cpp|' "$header" >"$work/mainwindow.h"
catches "a file heading two groups" "pad/Reports.cpp heads a second group" "$checkMap" "$work/mainwindow.h" "$repository/src"

if [ "$failures" -gt 0 ]; then
    exit 1
fi
echo "The house checks pass the tree and catch each broken copy"
