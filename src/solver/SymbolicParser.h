#pragma once

#include "solver/SymbolicTree.h"

#include <QString>

// The reader of SIMPLIFY and ISOLATE: numbers, names, SIN, COS, TAN, SQRT and
// ABS, + - * / ^, signs, parentheses and implicit products, into the trees of
// SymbolicTree.h. It gives no messages; the commands choose them.

// The index of the single "=" outside parentheses; -1 when there is none, -2
// for a second one or parentheses that do not balance.
int FindTopLevelEquals(const QString& text);

struct SimplifyParser
{
    explicit SimplifyParser(const QString& source) : text(source) {}

    QString text;
    int position = 0;
    bool ok = true;

    void SkipSpaces();
    SimplifyNodePtr ParseExpression();
    SimplifyNodePtr ParseTerm();
    SimplifyNodePtr ParseUnary();

private:
    SimplifyNodePtr ParsePrimary();
    SimplifyNodePtr ParseNumber();
    SimplifyNodePtr ParseName();
    SimplifyNodePtr Fail();
    // Counts a new node; a tree past the size limit fails the parse.
    SimplifyNodePtr Made(SimplifyNodePtr node);

    int depth = 0;
    qint64 nodes = 0;
};

// Reads the whole text as one expression, without simplifying it; false when
// it does not parse or text is left over.
bool ParseWholeExpression(const QString& text, SimplifyNodePtr& tree);

// Parses the whole text and simplifies the tree once; false when the text
// does not parse or the run's budget failed.
bool ParseSymbolicExpression(const QString& text, SimplifyNodePtr& node);
