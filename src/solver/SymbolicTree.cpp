#include "solver/SymbolicTree.h"

#include <QHash>

#include <cmath>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

using Kind = SimplifyNodeType;

namespace {

thread_local SymbolicBudget* activeBudget = nullptr;

bool IsLeaf(Kind kind)
{
    return kind == Kind::Number || kind == Kind::Variable;
}

bool HasLeftOnly(Kind kind)
{
    return kind == Kind::Function || kind == Kind::Negate;
}

int Precedence(Kind kind)
{
    switch (kind) {
    case Kind::Add:
    case Kind::Subtract:
        return 10;
    case Kind::Multiply:
    case Kind::Divide:
        return 20;
    case Kind::Negate:
        return 30;
    case Kind::Power:
        return 40;
    default:
        return 50;
    }
}

const QString& KeyOpening(Kind kind)
{
    static const QString number = QStringLiteral("N:");
    static const QString variable = QStringLiteral("V:");
    static const QString function = QStringLiteral("F:");
    static const QString add = QStringLiteral("ADD(");
    static const QString subtract = QStringLiteral("SUB(");
    static const QString multiply = QStringLiteral("MUL(");
    static const QString divide = QStringLiteral("DIV(");
    static const QString power = QStringLiteral("POW(");
    static const QString negate = QStringLiteral("NEG(");
    switch (kind) {
    case Kind::Number:
        return number;
    case Kind::Variable:
        return variable;
    case Kind::Function:
        return function;
    case Kind::Add:
        return add;
    case Kind::Subtract:
        return subtract;
    case Kind::Multiply:
        return multiply;
    case Kind::Divide:
        return divide;
    case Kind::Power:
        return power;
    case Kind::Negate:
        break;
    }
    return negate;
}

const QString& OpeningParenthesis()
{
    static const QString text = QStringLiteral("(");
    return text;
}

const QString& ClosingParenthesis()
{
    static const QString text = QStringLiteral(")");
    return text;
}

const QString& Comma()
{
    static const QString text = QStringLiteral(",");
    return text;
}

// Produces the key text of a tree one character at a time from an explicit
// stack, so that keys of deep trees are compared without recursion and
// usually after a few characters.
class KeyReader
{
public:
    explicit KeyReader(const SimplifyNode* root)
    {
        if (root)
            pending.push_back({root, nullptr});
    }

    bool Next(QChar& c)
    {
        while (position >= length) {
            if (pending.empty())
                return false;
            const Item item = pending.back();
            pending.pop_back();
            if (item.text) {
                piece = item.text->constData();
                length = item.text->size();
                position = 0;
            } else {
                Expand(item.node);
            }
        }
        c = piece[position++];
        return true;
    }

private:
    struct Item
    {
        const SimplifyNode* node;
        const QString* text;
    };

    void PushText(const QString& text) { pending.push_back({nullptr, &text}); }
    void PushNode(const SimplifyNode* node)
    {
        if (node)
            pending.push_back({node, nullptr});
    }

    // Pushes the pieces of one node in reverse, so they come out in order.
    void Expand(const SimplifyNode* node)
    {
        SymbolicBudget::Current().Spend();
        const Kind kind = node->type;
        if (IsLeaf(kind)) {
            PushText(node->LeafText());
        } else if (kind == Kind::Function) {
            PushText(ClosingParenthesis());
            PushNode(node->left.get());
            PushText(OpeningParenthesis());
            PushText(node->LeafText());
        } else if (kind == Kind::Negate) {
            PushText(ClosingParenthesis());
            PushNode(node->left.get());
        } else {
            PushText(ClosingParenthesis());
            PushNode(node->right.get());
            PushText(Comma());
            PushNode(node->left.get());
        }
        PushText(KeyOpening(kind));
    }

    std::vector<Item> pending;
    const QChar* piece = nullptr;
    qsizetype length = 0;
    qsizetype position = 0;
};

// A negation printed bare binds only its first factor: as the right operand
// of * or /, A/-B*C would read as (A/-B)*C.
bool NegatesProduct(const SimplifyNode* node)
{
    if (!node || node->type != Kind::Negate)
        return false;
    while (node && node->type == Kind::Negate)
        node = node->left.get();
    return node && (node->type == Kind::Multiply || node->type == Kind::Divide);
}

// A product on the right of * that starts with a negation, as A*(-B*C) reads
// back: printed bare it would read as (A*-B)*C, and print without the
// parentheses the first print had.
bool StartsWithNegation(const SimplifyNode* node)
{
    if (!node || (node->type != Kind::Multiply && node->type != Kind::Divide))
        return false;
    while (node && (node->type == Kind::Multiply || node->type == Kind::Divide))
        node = node->left.get();
    return node && node->type == Kind::Negate;
}

// A sum on the right of + that starts with a negative term, as A + (-B - C)
// reads back: printed bare, A + -B would read as A - B and print otherwise.
bool StartsWithNegativeTerm(const SimplifyNode* node)
{
    if (!node || (node->type != Kind::Add && node->type != Kind::Subtract))
        return false;
    while (node && (node->type == Kind::Add || node->type == Kind::Subtract))
        node = node->left.get();
    return node && (node->type == Kind::Negate || (node->type == Kind::Number && node->value < 0.0));
}

} // namespace

namespace {

// A link whose release would go on to release more nodes.
bool OwnsSubtree(const SimplifyNodePtr& link)
{
    return link && link.use_count() == 1 && (link->left || link->right);
}

} // namespace

SimplifyNode::~SimplifyNode()
{
    if (!OwnsSubtree(left) && !OwnsSubtree(right))
        return;
    std::vector<SimplifyNodePtr> pending;
    const auto take = [&pending](SimplifyNodePtr& link) {
        if (OwnsSubtree(link))
            pending.push_back(std::move(link));
    };
    take(left);
    take(right);
    while (!pending.empty()) {
        SimplifyNodePtr node = std::move(pending.back());
        pending.pop_back();
        take(node->left);
        take(node->right);
    }
}

const QString& SimplifyNode::LeafText() const
{
    if (type == Kind::Number) {
        if (!leafValid || std::memcmp(&leafValue, &value, sizeof value) != 0) {
            leafText = SymbolicNumberText(value);
            leafValue = value;
            leafSource.clear();
            leafHash = qHash(leafText);
            leafValid = true;
        }
    } else if (!leafValid || leafSource != name) {
        leafSource = name;
        leafText = name.toUpper();
        leafHash = qHash(leafText);
        leafValid = true;
    }
    return leafText;
}

std::size_t SimplifyNode::LeafHash() const
{
    LeafText();
    return leafHash;
}

SimplifyNodePtr MakeNumber(double value)
{
    auto node = std::make_shared<SimplifyNode>();
    node->value = value;
    return node;
}

SimplifyNodePtr MakeVariable(const QString& name)
{
    auto node = std::make_shared<SimplifyNode>();
    node->type = Kind::Variable;
    node->name = name;
    return node;
}

SimplifyNodePtr MakeUnary(SimplifyNodeType kind, SimplifyNodePtr operand)
{
    auto node = std::make_shared<SimplifyNode>();
    node->type = kind;
    node->left = std::move(operand);
    return node;
}

SimplifyNodePtr MakeFunction(const QString& name, SimplifyNodePtr operand)
{
    auto node = std::make_shared<SimplifyNode>();
    node->type = Kind::Function;
    node->name = name;
    node->left = std::move(operand);
    return node;
}

SimplifyNodePtr MakeBinary(SimplifyNodeType kind, SimplifyNodePtr left, SimplifyNodePtr right)
{
    auto node = std::make_shared<SimplifyNode>();
    node->type = kind;
    node->left = std::move(left);
    node->right = std::move(right);
    return node;
}

QString SymbolicNumberText(double value)
{
    // Any other number prints as itself, however small; a whole number is
    // judged against its own size.
    if (value == 0.0)
        return QStringLiteral("0");
    const double whole = std::round(value);
    if (whole != 0.0 && std::fabs(value - whole) < SymbolicEpsilon * std::fabs(whole)
        && std::fabs(whole) < 9223372036854775808.0)
        return QString::number(static_cast<qint64>(whole));
    return QString::number(value, 'g', 15);
}

QString NodeKey(const SimplifyNodePtr& node)
{
    QString key;
    KeyReader reader(node.get());
    QChar c;
    while (reader.Next(c))
        key += c;
    return key;
}

int CompareNodeKeys(const SimplifyNode* a, const SimplifyNode* b)
{
    if (a && b && IsLeaf(a->type) && IsLeaf(b->type)) {
        if (a->type != b->type)
            return a->type == Kind::Number ? -1 : 1;
        const QString& x = a->LeafText();
        const QString& y = b->LeafText();
        const qsizetype common = std::min(x.size(), y.size());
        for (qsizetype i = 0; i < common; ++i) {
            if (x.at(i) != y.at(i))
                return x.at(i).unicode() < y.at(i).unicode() ? -1 : 1;
        }
        return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
    }
    KeyReader first(a);
    KeyReader second(b);
    for (;;) {
        QChar x;
        QChar y;
        const bool hasX = first.Next(x);
        const bool hasY = second.Next(y);
        if (!hasX || !hasY)
            return hasX ? 1 : (hasY ? -1 : 0);
        if (x != y)
            return x.unicode() < y.unicode() ? -1 : 1;
    }
}

bool SameNode(const SimplifyNodePtr& a, const SimplifyNodePtr& b)
{
    // Keys are an unambiguous spelling of kind, leaf texts and children, so
    // comparing those directly gives the same answer as comparing keys.
    thread_local std::vector<std::pair<const SimplifyNode*, const SimplifyNode*>> pending;
    pending.clear();
    pending.push_back({a.get(), b.get()});
    SymbolicBudget& budget = SymbolicBudget::Current();
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        if (x == y)
            continue;
        if (!x || !y || x->type != y->type)
            return false;
        budget.Spend();
        if (IsLeaf(x->type) || x->type == Kind::Function) {
            if (x->LeafHash() != y->LeafHash() || x->LeafText() != y->LeafText())
                return false;
        }
        if (IsLeaf(x->type))
            continue;
        if (!HasLeftOnly(x->type))
            pending.push_back({x->right.get(), y->right.get()});
        pending.push_back({x->left.get(), y->left.get()});
    }
    return true;
}

std::size_t NodeKeyHash(const SimplifyNode* node)
{
    std::size_t hash = 0;
    thread_local std::vector<const SimplifyNode*> pending;
    pending.clear();
    pending.push_back(node);
    SymbolicBudget& budget = SymbolicBudget::Current();
    while (!pending.empty()) {
        const SimplifyNode* current = pending.back();
        pending.pop_back();
        if (!current) {
            hash = hash * 31 + 0x9e37;
            continue;
        }
        budget.Spend();
        hash = hash * 31 + std::size_t(current->type) + 1;
        if (IsLeaf(current->type) || current->type == Kind::Function)
            hash = hash * 1000003u ^ current->LeafHash();
        if (IsLeaf(current->type))
            continue;
        if (!HasLeftOnly(current->type))
            pending.push_back(current->right.get());
        pending.push_back(current->left.get());
    }
    return hash;
}

QString NodeToText(const SimplifyNodePtr& node, int parentPrecedence, bool rightOperand)
{
    struct Item
    {
        const SimplifyNode* node;
        int parentPrecedence;
        bool rightOperand;
        QString text;
    };
    static const QString plus = QStringLiteral(" + ");
    static const QString minus = QStringLiteral(" - ");
    static const QString times = QStringLiteral("*");
    static const QString over = QStringLiteral("/");
    static const QString caret = QStringLiteral("^");
    static const QString sign = QStringLiteral("-");

    QString out;
    std::vector<Item> pending;
    pending.push_back({node.get(), parentPrecedence, rightOperand, QString()});
    SymbolicBudget& budget = SymbolicBudget::Current();
    while (!pending.empty()) {
        Item item = std::move(pending.back());
        pending.pop_back();
        if (!item.node) {
            out += item.text;
            if (out.size() > SymbolicBudget::MaximumTextLength) {
                budget.tooLarge = true;
                return out;
            }
            continue;
        }
        budget.Spend();
        const SimplifyNode* n = item.node;
        const Kind kind = n->type;
        const int precedence = Precedence(kind);
        bool wrap = item.parentPrecedence > precedence
            || (item.parentPrecedence == precedence && item.rightOperand
                && (kind == Kind::Add || kind == Kind::Subtract));
        // A negative number as the base of a power would read as the negation
        // of the power.
        if (kind == Kind::Number && item.parentPrecedence == 41 && n->LeafText().startsWith(QLatin1Char('-')))
            wrap = true;

        std::vector<Item> parts;
        switch (kind) {
        case Kind::Number:
        case Kind::Variable:
            parts.push_back({nullptr, 0, false, kind == Kind::Number ? n->LeafText() : n->name});
            break;
        case Kind::Function:
            parts.push_back({nullptr, 0, false, n->name + QLatin1Char('(')});
            parts.push_back({n->left.get(), 0, false, QString()});
            parts.push_back({nullptr, 0, false, ClosingParenthesis()});
            break;
        case Kind::Add: {
            parts.push_back({n->left.get(), 10, false, QString()});
            const SimplifyNode* r = n->right.get();
            if (r && r->type == Kind::Number && r->value < 0.0) {
                parts.push_back({nullptr, 0, false, minus});
                parts.push_back({nullptr, 0, false, SymbolicNumberText(-r->value)});
            } else if (r && r->type == Kind::Negate) {
                parts.push_back({nullptr, 0, false, minus});
                parts.push_back({r->left.get(), 11, true, QString()});
            } else {
                parts.push_back({nullptr, 0, false, plus});
                parts.push_back({r, StartsWithNegativeTerm(r) ? 11 : 10, false, QString()});
            }
            break;
        }
        case Kind::Subtract:
            parts.push_back({n->left.get(), 10, false, QString()});
            parts.push_back({nullptr, 0, false, minus});
            parts.push_back({n->right.get(), 11, true, QString()});
            break;
        case Kind::Multiply:
            parts.push_back({n->left.get(), 20, false, QString()});
            parts.push_back({nullptr, 0, false, times});
            parts.push_back({n->right.get(),
                             NegatesProduct(n->right.get()) || StartsWithNegation(n->right.get()) ? 31 : 20, false,
                             QString()});
            break;
        case Kind::Divide:
            parts.push_back({n->left.get(), 20, false, QString()});
            parts.push_back({nullptr, 0, false, over});
            parts.push_back({n->right.get(), NegatesProduct(n->right.get()) ? 31 : 21, true, QString()});
            break;
        case Kind::Power:
            parts.push_back({n->left.get(), 41, false, QString()});
            parts.push_back({nullptr, 0, false, caret});
            parts.push_back({n->right.get(), 40, false, QString()});
            break;
        case Kind::Negate: {
            parts.push_back({nullptr, 0, false, sign});
            // A negated sum keeps its parentheses: -A + B would mean another thing.
            const SimplifyNode* operand = n->left.get();
            const bool sum = operand && (operand->type == Kind::Add || operand->type == Kind::Subtract);
            parts.push_back({operand, sum ? 11 : 0, false, QString()});
            break;
        }
        }
        if (wrap)
            pending.push_back({nullptr, 0, false, ClosingParenthesis()});
        for (auto it = parts.rbegin(); it != parts.rend(); ++it)
            pending.push_back(std::move(*it));
        if (wrap)
            pending.push_back({nullptr, 0, false, OpeningParenthesis()});
    }
    return out;
}

bool NodeContainsVariable(const SimplifyNodePtr& node, const QString& name)
{
    thread_local std::vector<const SimplifyNode*> pending;
    pending.clear();
    pending.push_back(node.get());
    SymbolicBudget& budget = SymbolicBudget::Current();
    while (!pending.empty()) {
        const SimplifyNode* current = pending.back();
        pending.pop_back();
        if (!current)
            continue;
        budget.Spend();
        if (current->type == Kind::Variable) {
            if (current->name.compare(name, Qt::CaseInsensitive) == 0)
                return true;
            continue;
        }
        pending.push_back(current->right.get());
        pending.push_back(current->left.get());
    }
    return false;
}

void ExtractCoefficient(const SimplifyNodePtr& node, double& coefficient, SimplifyNodePtr& rest)
{
    double sign = 1.0;
    SimplifyNodePtr current = node;
    while (current && current->type == Kind::Negate) {
        sign = -sign;
        current = current->left;
    }
    if (!current) {
        coefficient = sign;
        rest.reset();
    } else if (current->type == Kind::Number) {
        coefficient = sign * current->value;
        rest.reset();
    } else if (current->type == Kind::Multiply && current->left && current->left->type == Kind::Number) {
        coefficient = sign * current->left->value;
        rest = current->right;
    } else if (current->type == Kind::Multiply && current->right && current->right->type == Kind::Number) {
        coefficient = sign * current->right->value;
        rest = current->left;
    } else {
        coefficient = sign;
        rest = current;
    }
}

qint64 NodeCount(const SimplifyNodePtr& node, qint64 limit)
{
    qint64 count = 0;
    std::vector<const SimplifyNode*> pending{node.get()};
    while (!pending.empty() && count <= limit) {
        const SimplifyNode* current = pending.back();
        pending.pop_back();
        if (!current)
            continue;
        ++count;
        if (IsLeaf(current->type))
            continue;
        pending.push_back(current->right.get());
        pending.push_back(current->left.get());
    }
    return count;
}

namespace {
std::atomic<qint64> budgetWorkLimit{SymbolicBudget::MaximumWork};
} // namespace

void SymbolicBudget::SetWorkLimit(qint64 units)
{
    budgetWorkLimit = units;
}

SymbolicBudget::SymbolicBudget() : previous(activeBudget), workLimit(budgetWorkLimit.load(std::memory_order_relaxed))
{
    activeBudget = this;
}

SymbolicBudget::~SymbolicBudget()
{
    activeBudget = previous;
}

SymbolicBudget& SymbolicBudget::Current()
{
    if (activeBudget)
        return *activeBudget;
    // Direct callers outside a command share one budget per thread.
    thread_local SymbolicBudget fallback;
    return fallback;
}

double SymbolicBudget::Checked(double value)
{
    if (!std::isfinite(value))
        notFinite = true;
    return value;
}
