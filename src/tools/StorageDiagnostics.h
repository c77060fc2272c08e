#pragma once

class QWidget;

// The hidden storage self-test behind the pad word TRAVOKDEBUGSTORAGE: checks
// the per-user data directory, the settings file, the calculator log and the
// browser hand-off, then shows a report the user can copy. Returns when the
// report box has closed; every outcome is a line of the report.
void RunTravokStorageDiagnostics(QWidget* parent);
