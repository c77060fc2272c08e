#pragma once

#include "solver/SymbolicTree.h"

#include <QList>
#include <QString>

// The working parts of SIMPLIFY and ISOLATE below MainWindow::SimplifyText and
// MainWindow::IsolateText.

// A pass may grow a tree (distribution copies a factor into every term), so
// each result is measured against the size a parsed line may have: false,
// with the budget marked, when the tree outgrew it or the budget failed.
bool WithinSymbolicSize(const SimplifyNodePtr& tree);

// Parses one expression and simplifies it until its printed text stops
// changing (at most 20 passes); result is left alone on failure.
bool SimplifyOneExpression(const QString& text, QString& result);

// Peels the operations around variable off lhs one inverse move at a time,
// applying each to rhs, and appends the right side found when the variable
// stands alone. A move that could only give a wrong answer (a division by
// zero, a square root equal to a negative number) ends its branch with no
// answer. False with error set when the search fails.
bool IsolateNode(SimplifyNodePtr lhs, SimplifyNodePtr rhs, const QString& variable, QList<SimplifyNodePtr>& answers,
                 QString& error);
