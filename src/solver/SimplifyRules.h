#pragma once

#include "solver/SymbolicTree.h"

#include <QList>

// The rewrite rules under SIMPLIFY and ISOLATE. One call of SimplifyNodeTree
// makes one bottom-up pass; callers that want a fixed point call again. The
// pass rewrites the child links of the nodes it visits, so a tree that is
// still needed unsimplified must not share nodes with one being simplified.
// isolating switches off the distribution of products over sums.

SimplifyNodePtr SimplifyNodeTree(SimplifyNodePtr node, bool isolating);
SimplifyNodePtr SimplifySum(const SimplifyNodePtr& node);
void CollectTerms(const SimplifyNodePtr& node, double sign, QList<SimplifyTerm>& terms);
SimplifyNodePtr BuildCoefficientTerm(double coefficient, SimplifyNodePtr node);
SimplifyNodePtr SimplifyProduct(const SimplifyNodePtr& node);
void CollectProductFactors(const SimplifyNodePtr& node, QList<SimplifyNodePtr>& factors);
