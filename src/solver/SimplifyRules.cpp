#include "solver/SimplifyRules.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

using Kind = SimplifyNodeType;

namespace {

// Only zero is zero: a number stands for itself (1e-13*X, X + 1e-13), and
// rounding is judged only where numbers meet (Cancels below).
bool IsZero(double v)
{
    return v == 0.0;
}

// A sum or difference that is rounding against the numbers it came from:
// 0.1 + 0.2 - 0.3 is 0, while 1e-13 - 0 stays 1e-13.
bool Cancels(double result, double magnitude)
{
    return std::fabs(result) <= SymbolicEpsilon * magnitude;
}

bool IsOne(double v)
{
    return std::fabs(v - 1.0) < SymbolicEpsilon;
}

bool IsWhole(double v)
{
    return std::fabs(v - std::round(v)) < SymbolicEpsilon;
}

bool IsNumber(const SimplifyNodePtr& node)
{
    return node && node->type == Kind::Number;
}

bool IsZeroNumber(const SimplifyNodePtr& node)
{
    return IsNumber(node) && IsZero(node->value);
}

bool IsOneNumber(const SimplifyNodePtr& node)
{
    return IsNumber(node) && IsOne(node->value);
}

bool IsSum(const SimplifyNodePtr& node)
{
    return node && (node->type == Kind::Add || node->type == Kind::Subtract);
}

bool IsBinary(const SimplifyNodePtr& node)
{
    if (!node)
        return false;
    switch (node->type) {
    case Kind::Add:
    case Kind::Subtract:
    case Kind::Multiply:
    case Kind::Divide:
    case Kind::Power:
        return true;
    default:
        return false;
    }
}

SimplifyNodePtr CheckedNumber(double value)
{
    return MakeNumber(SymbolicBudget::Current().Checked(value));
}

// Finds earlier terms and factors by the hash of their keys, so that merging
// stays linear in their number; equal hashes are confirmed with SameNode.
class KeyIndex
{
public:
    explicit KeyIndex(qsizetype expected)
    {
        std::size_t capacity = 16;
        while (capacity < std::size_t(expected) * 2 + 2)
            capacity <<= 1;
        table.assign(capacity, {0, -1});
    }

    template <typename Same>
    int Find(std::size_t hash, Same same) const
    {
        const std::size_t mask = table.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const auto& slot = table[i];
            if (slot.second < 0)
                return -1;
            if (slot.first == hash && same(slot.second))
                return slot.second;
        }
    }

    void Insert(std::size_t hash, int index)
    {
        if ((count + 1) * 2 > table.size()) {
            std::vector<std::pair<std::size_t, int>> old(table.size() * 2, {0, -1});
            old.swap(table);
            count = 0;
            for (const auto& slot : old) {
                if (slot.second >= 0)
                    Insert(slot.first, slot.second);
            }
        }
        const std::size_t mask = table.size() - 1;
        std::size_t i = hash & mask;
        while (table[i].second >= 0)
            i = (i + 1) & mask;
        table[i] = {hash, index};
        ++count;
    }

private:
    std::vector<std::pair<std::size_t, int>> table;
    std::size_t count = 0;
};

std::size_t TermHash(const SimplifyNodePtr& node)
{
    return node ? NodeKeyHash(node.get()) : 0x51ed27u;
}

// Merges terms with equal nodes in the order of first appearance, then keeps
// the non-negative ones before the negative ones, dropping zeros.
QList<SimplifyTerm> MergeTerms(const QList<SimplifyTerm>& terms)
{
    SymbolicBudget& budget = SymbolicBudget::Current();
    QList<SimplifyTerm> merged;
    merged.reserve(terms.size());
    // The largest coefficient that went into each entry.
    std::vector<double> largest;
    largest.reserve(size_t(terms.size()));
    KeyIndex index(terms.size());
    for (const SimplifyTerm& term : terms) {
        budget.Spend();
        const std::size_t hash = TermHash(term.node);
        const int found = index.Find(hash, [&](int i) { return SameNode(merged.at(i).node, term.node); });
        if (found >= 0) {
            SimplifyTerm& entry = merged[found];
            entry.coefficient = budget.Checked(entry.coefficient + term.coefficient);
            largest[size_t(found)] = std::max(largest[size_t(found)], std::fabs(term.coefficient));
        } else {
            index.Insert(hash, int(merged.size()));
            merged.append(term);
            largest.push_back(std::fabs(term.coefficient));
        }
    }
    for (qsizetype i = 0; i < merged.size(); ++i) {
        if (Cancels(merged.at(i).coefficient, largest[size_t(i)]))
            merged[i].coefficient = 0.0;
    }
    QList<SimplifyTerm> kept;
    kept.reserve(merged.size());
    for (const SimplifyTerm& entry : std::as_const(merged)) {
        if (!IsZero(entry.coefficient) && entry.coefficient >= 0.0)
            kept.append(entry);
    }
    for (const SimplifyTerm& entry : std::as_const(merged)) {
        if (!IsZero(entry.coefficient) && entry.coefficient < 0.0)
            kept.append(entry);
    }
    return kept;
}

SimplifyNodePtr BuildSum(const QList<SimplifyTerm>& kept)
{
    SimplifyNodePtr result;
    for (const SimplifyTerm& entry : kept) {
        SimplifyNodePtr term = BuildCoefficientTerm(entry.coefficient, entry.node);
        result = result ? MakeBinary(Kind::Add, result, term) : term;
    }
    return result ? result : MakeNumber(0.0);
}

// What CollectTerms would find in the sum that BuildSum makes of kept,
// without making it.
void CollectKeptTerms(const QList<SimplifyTerm>& kept, double sign, QList<SimplifyTerm>& terms)
{
    for (const SimplifyTerm& entry : kept) {
        const double c = entry.coefficient;
        if (!entry.node) {
            terms.append(SimplifyTerm{sign * c, {}});
        } else if (IsOne(c)) {
            if (IsSum(entry.node)) {
                CollectTerms(entry.node, sign, terms);
            } else {
                double inner = 1.0;
                SimplifyNodePtr rest;
                ExtractCoefficient(entry.node, inner, rest);
                terms.append(SimplifyTerm{sign * inner, rest});
            }
        } else if (IsOne(-c)) {
            double inner = 1.0;
            SimplifyNodePtr rest;
            ExtractCoefficient(entry.node, inner, rest);
            terms.append(SimplifyTerm{sign * -inner, rest});
        } else {
            terms.append(SimplifyTerm{sign * c, entry.node});
        }
    }
}

struct ProductParts
{
    double coefficient = 1.0;
    QList<ProductFactor> factors;
};

class ProductMerger
{
public:
    explicit ProductMerger(qsizetype expected) : index(expected) {}

    void AddNode(SimplifyNodePtr factor)
    {
        budget.Spend();
        if (IsNumber(factor)) {
            parts.coefficient = budget.Checked(parts.coefficient * factor->value);
            return;
        }
        if (factor && factor->type == Kind::Divide && IsNumber(factor->right) && !factor->noFold
            && !IsZero(factor->right->value)) {
            parts.coefficient = budget.Checked(parts.coefficient / factor->right->value);
            factor = factor->left;
        }
        if (factor && factor->type == Kind::Power && IsNumber(factor->right) && factor->right->value > 0.0
            && IsWhole(factor->right->value)) {
            AddBase(factor->left, factor->right->value);
        } else {
            AddBase(factor, 1.0);
        }
    }

    void AddBase(const SimplifyNodePtr& base, double exponent)
    {
        const std::size_t hash = TermHash(base);
        const int found = index.Find(hash, [&](int i) { return SameNode(parts.factors.at(i).base, base); });
        if (found >= 0) {
            ProductFactor& entry = parts.factors[found];
            entry.exponent = budget.Checked(entry.exponent + exponent);
        } else {
            index.Insert(hash, int(parts.factors.size()));
            parts.factors.append(ProductFactor{base, exponent});
        }
    }

    ProductParts parts;

private:
    KeyIndex index;
    SymbolicBudget& budget = SymbolicBudget::Current();
};

void SortFactors(QList<ProductFactor>& factors)
{
    const auto before = [](const ProductFactor& a, const ProductFactor& b) {
        return CompareNodeKeys(a.base.get(), b.base.get()) < 0;
    };
    // The factors of a product built before come first and in order already.
    qsizetype sorted = 1;
    while (sorted < factors.size() && before(factors.at(sorted - 1), factors.at(sorted)))
        ++sorted;
    if (sorted >= factors.size())
        return;
    std::sort(factors.begin() + sorted, factors.end(), before);
    std::inplace_merge(factors.begin(), factors.begin() + sorted, factors.end(), before);
}

bool HasLeadingNumber(const ProductParts& parts)
{
    return !(IsOne(std::fabs(parts.coefficient)) && !parts.factors.isEmpty());
}

SimplifyNodePtr BuildProduct(const ProductParts& parts)
{
    SimplifyNodePtr product;
    if (HasLeadingNumber(parts))
        product = MakeNumber(std::fabs(parts.coefficient));
    for (const ProductFactor& factor : parts.factors) {
        SimplifyNodePtr node =
            IsOne(factor.exponent) ? factor.base : MakeBinary(Kind::Power, factor.base, MakeNumber(factor.exponent));
        product = product ? MakeBinary(Kind::Multiply, product, node) : node;
    }
    if (parts.coefficient < 0.0)
        return MakeUnary(Kind::Negate, product);
    return product;
}

// Feeds the factors that CollectProductFactors would find in the product
// that BuildProduct makes of parts, without making it.
void AddBuiltFactors(const ProductParts& parts, ProductMerger& merger)
{
    if (HasLeadingNumber(parts))
        merger.AddNode(MakeNumber(std::fabs(parts.coefficient)));
    for (const ProductFactor& factor : parts.factors) {
        if (IsOne(factor.exponent) && !(factor.base && factor.base->type == Kind::Multiply)) {
            merger.AddNode(factor.base);
        } else if (IsOne(factor.exponent)) {
            QList<SimplifyNodePtr> inner;
            CollectProductFactors(factor.base, inner);
            for (const SimplifyNodePtr& node : std::as_const(inner))
                merger.AddNode(node);
        } else if (factor.exponent > 0.0 && IsWhole(factor.exponent)) {
            merger.AddBase(factor.base, factor.exponent);
        } else {
            merger.AddNode(MakeBinary(Kind::Power, factor.base, MakeNumber(factor.exponent)));
        }
    }
}

// The value of one step of a left-nested chain. A long sum or product is
// carried from step to step as its term or factor list and only built as a
// tree where a rule needs to look at it, so that a chain of n terms costs n
// small lists instead of n rebuilt trees.
struct Partial
{
    enum class Form { Node, Sum, Product };
    Form form = Form::Node;
    SimplifyNodePtr node;
    QList<SimplifyTerm> terms;
    ProductParts product;

    static Partial Of(SimplifyNodePtr value)
    {
        Partial p;
        p.node = std::move(value);
        return p;
    }

    bool IsPending() const { return form != Form::Node; }

    const SimplifyNodePtr& Built()
    {
        if (form == Form::Sum)
            node = BuildSum(terms);
        else if (form == Form::Product)
            node = BuildProduct(product);
        form = Form::Node;
        terms.clear();
        product.factors.clear();
        return node;
    }
};

Partial SumOf(QList<SimplifyTerm> kept)
{
    if (kept.size() < 2)
        return Partial::Of(BuildSum(kept));
    Partial p;
    p.form = Partial::Form::Sum;
    p.terms = std::move(kept);
    return p;
}

Partial ProductOf(ProductParts parts)
{
    if (IsZero(parts.coefficient))
        return Partial::Of(MakeNumber(0.0));
    SortFactors(parts.factors);
    const qsizetype items = parts.factors.size() + (HasLeadingNumber(parts) ? 1 : 0);
    if (parts.coefficient < 0.0 || items < 2)
        return Partial::Of(BuildProduct(parts));
    Partial p;
    p.form = Partial::Form::Product;
    p.product = std::move(parts);
    return p;
}

void CollectPartialTerms(const Partial& value, double sign, QList<SimplifyTerm>& terms)
{
    if (value.form == Partial::Form::Sum)
        CollectKeptTerms(value.terms, sign, terms);
    else
        CollectTerms(value.node, sign, terms);
}

bool PartialIsSum(const Partial& value)
{
    return value.form == Partial::Form::Sum || (value.form == Partial::Form::Node && IsSum(value.node));
}

SimplifyNodePtr Folded(Kind kind, double a, double b)
{
    switch (kind) {
    case Kind::Add:
        return CheckedNumber(Cancels(a + b, std::max(std::fabs(a), std::fabs(b))) ? 0.0 : a + b);
    case Kind::Subtract:
        return CheckedNumber(Cancels(a - b, std::max(std::fabs(a), std::fabs(b))) ? 0.0 : a - b);
    case Kind::Multiply:
        return CheckedNumber(a * b);
    default:
        return CheckedNumber(a / b);
    }
}

SimplifyNodePtr SimplifyDivide(const SimplifyNodePtr& node, const SimplifyNodePtr& l, const SimplifyNodePtr& r)
{
    if (!IsNumber(r))
        return node;
    if (IsOne(r->value))
        return l;
    if (node->noFold || IsZero(r->value))
        return node;
    double c = 1.0;
    SimplifyNodePtr rest;
    ExtractCoefficient(l, c, rest);
    if (rest && !IsOne(c))
        return BuildCoefficientTerm(SymbolicBudget::Current().Checked(c / r->value), rest);
    return node;
}

SimplifyNodePtr SimplifyPower(const SimplifyNodePtr& node, const SimplifyNodePtr& l, const SimplifyNodePtr& r)
{
    bool powerOfPower = false;
    if (l->type == Kind::Power && IsNumber(l->right)) {
        if (!IsNumber(r))
            return node;
        const double m = l->right->value;
        const double n = r->value;
        if (m > 0.0 && IsWhole(m) && n > 0.0 && IsWhole(n))
            return MakeBinary(Kind::Power, l->left, CheckedNumber(std::round(m) * std::round(n)));
        powerOfPower = true;
    }
    if (!powerOfPower && IsOneNumber(l))
        return MakeNumber(1.0);
    if (!IsNumber(r))
        return node;
    if (IsOne(r->value))
        return l;
    if (!IsZero(r->value))
        return node;
    if (IsZeroNumber(l))
        return node;
    return MakeNumber(1.0);
}

Partial MergeProduct(Partial l, const SimplifyNodePtr& r);

// Kept out of line, as are the steps below: the rules recurse through them,
// and each frame on that path should stay small.
Q_NEVER_INLINE Partial SimplifyMultiply(Partial l, const SimplifyNodePtr& r, bool isolating)
{
    if (!l.IsPending()) {
        const SimplifyNodePtr& left = l.node;
        if (IsNumber(left)) {
            if (IsZero(left->value))
                return Partial::Of(MakeNumber(0.0));
            if (IsOne(left->value))
                return Partial::Of(r);
        }
    }
    if (IsNumber(r)) {
        if (IsZero(r->value))
            return Partial::Of(MakeNumber(0.0));
        if (IsOne(r->value))
            return l;
    }
    if (!l.IsPending() && l.node->type == Kind::Negate) {
        return Partial::Of(
            SimplifyNodeTree(MakeUnary(Kind::Negate, MakeBinary(Kind::Multiply, l.node->left, r)), isolating));
    }
    if (r->type == Kind::Negate) {
        return Partial::Of(
            SimplifyNodeTree(MakeUnary(Kind::Negate, MakeBinary(Kind::Multiply, l.Built(), r->left)), isolating));
    }
    if (!isolating && PartialIsSum(l) != IsSum(r)) {
        const SimplifyNodePtr sum = PartialIsSum(l) ? l.Built() : r;
        const SimplifyNodePtr other = PartialIsSum(l) ? r : l.Built();
        return Partial::Of(SimplifyNodeTree(MakeBinary(sum->type, MakeBinary(Kind::Multiply, other, sum->left),
                                                       MakeBinary(Kind::Multiply, other, sum->right)),
                                            false));
    }
    return MergeProduct(std::move(l), r);
}

Q_NEVER_INLINE Partial MergeProduct(Partial l, const SimplifyNodePtr& r)
{
    QList<SimplifyNodePtr> rightFactors;
    CollectProductFactors(r, rightFactors);
    ProductMerger merger((l.IsPending() ? l.product.factors.size() : 1) + rightFactors.size());
    if (l.IsPending()) {
        AddBuiltFactors(l.product, merger);
    } else {
        QList<SimplifyNodePtr> leftFactors;
        CollectProductFactors(l.node, leftFactors);
        for (const SimplifyNodePtr& factor : std::as_const(leftFactors))
            merger.AddNode(factor);
    }
    for (const SimplifyNodePtr& factor : std::as_const(rightFactors))
        merger.AddNode(factor);
    return ProductOf(std::move(merger.parts));
}

Q_NEVER_INLINE Partial SimplifySumStep(const SimplifyNodePtr& node, Partial l, const SimplifyNodePtr& r)
{
    const bool add = node->type == Kind::Add;
    if (add && !l.IsPending() && IsZeroNumber(l.node))
        return Partial::Of(r);
    if (IsZeroNumber(r))
        return l;
    if (!add) {
        // A pending sum is an Add; only another Add can have its key.
        if ((l.IsPending() ? r->type == Kind::Add : true) && SameNode(l.IsPending() ? l.Built() : l.node, r))
            return Partial::Of(MakeNumber(0.0));
    }
    QList<SimplifyTerm> terms;
    CollectPartialTerms(l, 1.0, terms);
    CollectTerms(r, add ? 1.0 : -1.0, terms);
    return SumOf(MergeTerms(terms));
}

// One rule of D for a binary node whose children are simplified; l may still
// be pending. The node's own left link holds l whenever the rule keeps the
// node.
Q_NEVER_INLINE Partial SimplifyBinaryStep(const SimplifyNodePtr& node, Partial l, bool isolating)
{
    const SimplifyNodePtr& r = node->right;
    const Kind kind = node->type;
    // A pending sum or product goes on only into a node of its own kind.
    if ((l.form == Partial::Form::Sum && kind != Kind::Add && kind != Kind::Subtract)
        || (l.form == Partial::Form::Product && kind != Kind::Multiply))
        l.Built();
    if (!r || (!l.IsPending() && !l.node)) {
        if (l.IsPending())
            node->left = l.Built();
        return Partial::Of(node);
    }
    if (kind == Kind::Divide || kind == Kind::Power) {
        const SimplifyNodePtr left = l.Built();
        node->left = left;
        if (IsNumber(left) && IsNumber(r)) {
            const double a = left->value;
            const double b = r->value;
            if (kind == Kind::Divide && !node->noFold && !IsZero(b))
                return Partial::Of(Folded(kind, a, b));
            if (kind == Kind::Power && !(IsZero(a) && IsZero(b))) {
                const double p = std::pow(a, b);
                if (std::isfinite(p))
                    return Partial::Of(MakeNumber(p));
            }
        }
        return Partial::Of(kind == Kind::Divide ? SimplifyDivide(node, left, r) : SimplifyPower(node, left, r));
    }
    if (!l.IsPending() && IsNumber(l.node) && IsNumber(r))
        return Partial::Of(Folded(kind, l.node->value, r->value));
    if (kind == Kind::Multiply)
        return SimplifyMultiply(std::move(l), r, isolating);
    return SimplifySumStep(node, std::move(l), r);
}

// Rule D over a whole left-nested chain of binary nodes, bottom up, in a loop:
// sums of thousands of terms would otherwise recurse once per term. Nodes
// below the top that nothing else refers to die with the chain, so their
// links need not be rewritten.
Q_NEVER_INLINE SimplifyNodePtr SimplifyChain(const SimplifyNodePtr& top, bool isolating)
{
    // On the heap: this frame stands once per level of nesting.
    struct ChainState
    {
        std::vector<SimplifyNodePtr> chain;
        Partial value;
    };
    SymbolicBudget& budget = SymbolicBudget::Current();
    const auto state = std::make_unique<ChainState>();
    std::vector<SimplifyNodePtr>& chain = state->chain;
    chain.push_back(top);
    while (IsBinary(chain.back()->left) && chain.back()->left.use_count() == 1)
        chain.push_back(chain.back()->left);

    Partial& value = state->value;
    value.node = SimplifyNodeTree(chain.back()->left, isolating);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const SimplifyNodePtr& node = *it;
        if (budget.Failed())
            return top;
        const bool isTop = node == top;
        if (!value.IsPending() || isTop)
            node->left = value.Built();
        node->right = SimplifyNodeTree(node->right, isolating);
        value = SimplifyBinaryStep(node, std::move(value), isolating);
    }
    return value.Built();
}

Q_NEVER_INLINE SimplifyNodePtr SimplifyFunctionNode(const SimplifyNodePtr& node, bool isolating)
{
    node->left = SimplifyNodeTree(node->left, isolating);
    const SimplifyNodePtr& a = node->left;
    if (IsNumber(a)) {
        const QString name = node->name.toUpper();
        const double v = a->value;
        double result = 0.0;
        bool computed = true;
        if (name == QLatin1String("SIN"))
            result = std::sin(v);
        else if (name == QLatin1String("COS"))
            result = std::cos(v);
        else if (name == QLatin1String("TAN"))
            result = std::tan(v);
        else if (name == QLatin1String("SQRT") && !(v < 0.0))
            result = std::sqrt(v);
        else if (name == QLatin1String("ABS"))
            result = std::fabs(v);
        else
            computed = false;
        if (computed && std::isfinite(result))
            return MakeNumber(result);
        return node;
    }
    if (node->name.compare(QLatin1String("SQRT"), Qt::CaseInsensitive) == 0 && a && a->type == Kind::Power
        && IsNumber(a->right) && std::fabs(a->right->value - 2.0) < SymbolicEpsilon)
        return MakeFunction(QStringLiteral("ABS"), a->left);
    return node;
}

Q_NEVER_INLINE SimplifyNodePtr SimplifyNegateNode(const SimplifyNodePtr& node, bool isolating)
{
    node->left = SimplifyNodeTree(node->left, isolating);
    const SimplifyNodePtr& a = node->left;
    if (!a)
        return node;
    switch (a->type) {
    case Kind::Number:
        return MakeNumber(-a->value);
    case Kind::Negate:
        return SimplifyNodeTree(a->left, isolating);
    case Kind::Add:
    case Kind::Subtract:
        return SimplifyNodeTree(
            MakeBinary(a->type, MakeUnary(Kind::Negate, a->left), MakeUnary(Kind::Negate, a->right)), isolating);
    default:
        return node;
    }
}

// Recursion of the rules; the chain loop above keeps it to nesting depth.
class RuleDepth
{
public:
    explicit RuleDepth(SymbolicBudget& current) : budget(current) { ++budget.ruleDepth; }
    ~RuleDepth() { --budget.ruleDepth; }
    RuleDepth(const RuleDepth&) = delete;
    RuleDepth& operator=(const RuleDepth&) = delete;
    bool TooDeep() const { return budget.ruleDepth > SymbolicBudget::MaximumRuleDepth; }

private:
    SymbolicBudget& budget;
};

} // namespace

SimplifyNodePtr SimplifyNodeTree(SimplifyNodePtr node, bool isolating)
{
    if (!node)
        return node;
    SymbolicBudget& budget = SymbolicBudget::Current();
    RuleDepth depth(budget);
    if (depth.TooDeep())
        budget.tooLarge = true;
    if (!budget.Spend() || budget.Failed())
        return node;
    switch (node->type) {
    case Kind::Number:
    case Kind::Variable:
        return node;
    case Kind::Function:
        return SimplifyFunctionNode(node, isolating);
    case Kind::Negate:
        return SimplifyNegateNode(node, isolating);
    default:
        return SimplifyChain(node, isolating);
    }
}

SimplifyNodePtr SimplifySum(const SimplifyNodePtr& node)
{
    QList<SimplifyTerm> terms;
    CollectTerms(node, 1.0, terms);
    return BuildSum(MergeTerms(terms));
}

void CollectTerms(const SimplifyNodePtr& node, double sign, QList<SimplifyTerm>& terms)
{
    std::vector<std::pair<SimplifyNodePtr, double>> pending{{node, sign}};
    while (!pending.empty()) {
        auto [current, currentSign] = std::move(pending.back());
        pending.pop_back();
        if (!current)
            continue;
        if (current->type == Kind::Add || current->type == Kind::Subtract) {
            pending.emplace_back(current->right, current->type == Kind::Add ? currentSign : -currentSign);
            pending.emplace_back(current->left, currentSign);
            continue;
        }
        double c = 1.0;
        SimplifyNodePtr rest;
        ExtractCoefficient(current, c, rest);
        terms.append(SimplifyTerm{currentSign * c, rest});
    }
}

SimplifyNodePtr BuildCoefficientTerm(double coefficient, SimplifyNodePtr node)
{
    if (!node)
        return MakeNumber(coefficient);
    if (IsZero(coefficient))
        return MakeNumber(0.0);
    if (IsOne(coefficient))
        return node;
    if (IsOne(-coefficient))
        return MakeUnary(Kind::Negate, node);
    if (coefficient < 0.0)
        return MakeUnary(Kind::Negate, MakeBinary(Kind::Multiply, MakeNumber(-coefficient), node));
    return MakeBinary(Kind::Multiply, MakeNumber(coefficient), node);
}

SimplifyNodePtr SimplifyProduct(const SimplifyNodePtr& node)
{
    QList<SimplifyNodePtr> factors;
    CollectProductFactors(node, factors);
    ProductMerger merger(factors.size());
    for (const SimplifyNodePtr& factor : std::as_const(factors))
        merger.AddNode(factor);
    Partial product = ProductOf(std::move(merger.parts));
    return product.Built();
}

void CollectProductFactors(const SimplifyNodePtr& node, QList<SimplifyNodePtr>& factors)
{
    std::vector<SimplifyNodePtr> pending{node};
    while (!pending.empty()) {
        SimplifyNodePtr current = std::move(pending.back());
        pending.pop_back();
        if (!current)
            continue;
        if (current->type == Kind::Multiply) {
            pending.push_back(current->right);
            pending.push_back(current->left);
            continue;
        }
        factors.append(current);
    }
}
