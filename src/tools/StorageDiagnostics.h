#pragma once

class QWidget;

// The hidden storage self-test behind the pad word TRAVOKDEBUGSTORAGE; true
// when it ran, so that the line needs no other answer.
bool RunTravokStorageDiagnostics(QWidget* parent);
