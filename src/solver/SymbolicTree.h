#pragma once

#include "engine/TextScan.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>

// The expression trees of SIMPLIFY and ISOLATE, their canonical keys and their
// printer. Nodes are shared: one subtree may hang under several parents and in
// term and factor lists at once, so every walk here is iterative and reads the
// tree as it stands now, never from a cache that a rewrite could leave stale.

enum class SimplifyNodeType : std::int32_t {
    Number = 0,
    Variable = 1,
    Function = 2,
    Add = 3,
    Subtract = 4,
    Multiply = 5,
    Divide = 6,
    Power = 7,
    Negate = 8,
};

struct SimplifyNode;
using SimplifyNodePtr = std::shared_ptr<SimplifyNode>;

struct SimplifyNode
{
    SimplifyNode() = default;
    // Releases long chains link by link instead of one nested call per level.
    ~SimplifyNode();
    SimplifyNode(const SimplifyNode&) = delete;
    SimplifyNode& operator=(const SimplifyNode&) = delete;

    SimplifyNodeType type = SimplifyNodeType::Number;
    double value = 0.0;
    QString name;
    bool noFold = false;
    SimplifyNodePtr left;
    SimplifyNodePtr right;

    // The leaf's part of its key (number text or upper-cased name) with its
    // hash, remembered together with what it was made from, so a changed value
    // or name is noticed.
    const QString& LeafText() const;
    std::size_t LeafHash() const;

private:
    mutable QString leafText;
    mutable QString leafSource;
    mutable double leafValue = 0.0;
    mutable std::size_t leafHash = 0;
    mutable bool leafValid = false;
};

struct SimplifyTerm
{
    double coefficient = 0.0;
    SimplifyNodePtr node;
};

struct ProductFactor
{
    SimplifyNodePtr base;
    double exponent = 1.0;
};

// The tolerance of every test against zero, one, a whole number or an equal
// coefficient.
constexpr double SymbolicEpsilon = 1e-12;

SimplifyNodePtr MakeNumber(double value);
SimplifyNodePtr MakeVariable(const QString& name);
SimplifyNodePtr MakeUnary(SimplifyNodeType kind, SimplifyNodePtr operand);
SimplifyNodePtr MakeFunction(const QString& name, SimplifyNodePtr operand);
SimplifyNodePtr MakeBinary(SimplifyNodeType kind, SimplifyNodePtr left, SimplifyNodePtr right);

// "0" below the tolerance, a whole number as an integer, else 15 digits.
QString SymbolicNumberText(double value);

QString NodeKey(const SimplifyNodePtr& node);
bool SameNode(const SimplifyNodePtr& a, const SimplifyNodePtr& b);
// Orders two trees as their key texts would order, without building them.
int CompareNodeKeys(const SimplifyNode* a, const SimplifyNode* b);
// Equal for trees whose keys are equal.
std::size_t NodeKeyHash(const SimplifyNode* node);

QString NodeToText(const SimplifyNodePtr& node, int parentPrecedence, bool rightOperand);
bool NodeContainsVariable(const SimplifyNodePtr& node, const QString& name);
void ExtractCoefficient(const SimplifyNodePtr& node, double& coefficient, SimplifyNodePtr& rest);

// The number of nodes the tree prints, a shared subtree counted wherever it
// stands; counting stops once it passes limit.
qint64 NodeCount(const SimplifyNodePtr& node, qint64 limit);

// The limits of one SIMPLIFY or ISOLATE command. A command installs a fresh
// budget for its run; the rules, the printer and the searches spend from the
// current one and mark it failed instead of overflowing the stack, running
// for minutes or showing a value that is not finite.
class SymbolicBudget
{
public:
    SymbolicBudget();
    ~SymbolicBudget();
    SymbolicBudget(const SymbolicBudget&) = delete;
    SymbolicBudget& operator=(const SymbolicBudget&) = delete;

    static SymbolicBudget& Current();

    // Work is counted in node visits and merged terms; past the limit the
    // run fails as too large.
    static constexpr qint64 MaximumWork = 20'000'000;
    // The work limit of budgets made from now on; MaximumWork by default.
    // Fuzzing sets a lower one: under the sanitizers a command that spends
    // all of MaximumWork takes seconds.
    static void SetWorkLimit(qint64 units);
    // Nesting that the parser accepts, as the expression engine does.
    static constexpr int MaximumNesting = TextScan::MaximumNestingDepth;
    // Parsed trees and every tree a pass leaves behind.
    static constexpr qint64 MaximumNodes = 20'000;
    // Recursion of the rules; long sums and products are walked in loops, so
    // only nesting and the rewrites of negated sums go this deep.
    static constexpr int MaximumRuleDepth = 2'000;
    // Inverse moves of one ISOLATE command over all its branches.
    static constexpr int MaximumMoves = 1'000;
    // Characters of one printed tree.
    static constexpr qint64 MaximumTextLength = 1'000'000;

    bool Spend(qint64 units = 1)
    {
        work += units;
        if (work > workLimit)
            tooLarge = true;
        return !tooLarge;
    }
    // Marks the run failed when a folded or merged number is not finite.
    double Checked(double value);
    bool Failed() const { return tooLarge || notFinite; }

    bool tooLarge = false;
    bool notFinite = false;
    qint64 work = 0;
    int ruleDepth = 0;
    int moves = 0;

private:
    SymbolicBudget* previous = nullptr;
    qint64 workLimit;
};
