// Residuals: every solver evaluates an equation by writing its trial values
// into the text and parsing the result again; nothing compiled is kept.

#include "solver/Residuals.h"

#include "pad/mainwindow.h"

#include "engine/NameScan.h"

#include <cmath>

namespace {

// Every whole name that is an unknown becomes its value, in one pass, so
// that a value written in is never read again as a name and a name inside a
// longer one (X in A1X) or in a number's exponent is left alone.
QString SubstituteUnknowns(const QString& text, const QList<QString>& names, const QStringList& valueTexts)
{
    QString result;
    int copiedUntil = 0;
    NameScanner scanner(text);
    while (scanner.Next()) {
        const QStringView name = scanner.name();
        qsizetype index = 0;
        while (index < names.size() && name.compare(names.at(index), Qt::CaseInsensitive) != 0)
            ++index;
        if (index == names.size())
            continue;
        result += QStringView(text).mid(copiedUntil, scanner.start() - copiedUntil);
        result += valueTexts.at(index);
        copiedUntil = scanner.end();
    }
    if (copiedUntil == 0)
        return text;
    result += QStringView(text).mid(copiedUntil);
    return result;
}

// Matching lists, one '=' with two sides, and the values written in.
bool PrepareEquation(MainWindow& window, const QString& equation, const QList<QString>& names,
                     const QList<double>& values, QString& lhs, QString& rhs)
{
    return names.size() == values.size() && SplitEquationSides(equation, lhs, rhs)
        && window.PrepareEquationExpressions(lhs, rhs, names, values);
}

} // namespace

bool SplitEquationSides(const QString& equation, QString& lhs, QString& rhs)
{
    const qsizetype equals = equation.indexOf(QLatin1Char('='));
    if (equals < 0 || equation.indexOf(QLatin1Char('='), equals + 1) >= 0)
        return false;
    lhs = equation.left(equals).trimmed();
    rhs = equation.mid(equals + 1).trimmed();
    return !lhs.isEmpty() && !rhs.isEmpty();
}

bool MainWindow::PrepareEquationExpressions(QString& lhs, QString& rhs, const QList<QString>& names,
                                            const QList<double>& values)
{
    if (names.size() != values.size())
        return false;
    // Parenthesised, so that negative values and exponents stay whole inside
    // powers and products: X^2 at -2 reads (-2)^2.
    QStringList valueTexts;
    valueTexts.reserve(values.size());
    for (const double value : values)
        valueTexts.append(QLatin1Char('(') + QString::number(value, 'g', 17) + QLatin1Char(')'));
    lhs = SubstituteUnknowns(lhs, names, valueTexts);
    rhs = SubstituteUnknowns(rhs, names, valueTexts);

    lhs = ReplaceANS(lhs);
    rhs = ReplaceANS(rhs);

    QString expanded;
    QString error;
    if (!ExpandCustomFunctions(lhs, expanded, error))
        return false;
    lhs = expanded;
    if (!ExpandCustomFunctions(rhs, expanded, error))
        return false;
    rhs = expanded;

    // After the unknowns: an unknown named like a stored variable takes the
    // trial value.
    lhs = ReplaceVariables(lhs);
    rhs = ReplaceVariables(rhs);

    if (WordOperatorsOn()) {
        lhs = WordOp(lhs);
        rhs = WordOp(rhs);
    }
    return true;
}

double MainWindow::EvaluateSystemEquation(const QString& equation, const QList<QString>& names,
                                          const QList<double>& values, bool& ok)
{
    ok = false;
    QString lhs;
    QString rhs;
    if (!PrepareEquation(*this, equation, names, values, lhs, rhs))
        return 0.0;
    return EvaluateEquationResidual(lhs, rhs, ok);
}

double MainWindow::EvaluateSystemEquationSides(const QString& equation, const QList<QString>& names,
                                               const QList<double>& values, double& left, double& right, bool& ok)
{
    ok = false;
    left = 0.0;
    right = 0.0;
    QString lhs;
    QString rhs;
    if (!PrepareEquation(*this, equation, names, values, lhs, rhs))
        return 0.0;
    bool sideOk = false;
    left = Eval(lhs, sideOk);
    if (!sideOk || !std::isfinite(left))
        return 0.0;
    right = Eval(rhs, sideOk);
    if (!sideOk || !std::isfinite(right))
        return 0.0;
    ok = true;
    return left - right;
}

double MainWindow::EvaluateEquationAt(const QString& lhs, const QString& rhs, const QString& name, double value,
                                      bool& ok)
{
    QString left = lhs;
    QString right = rhs;
    if (!PrepareEquationExpressions(left, right, {name}, {value})) {
        ok = false;
        return 0.0;
    }
    return EvaluateEquationResidual(left, right, ok);
}

bool MainWindow::EvaluateNonlinearSystem(const QList<QString>& equations, const QList<QString>& names,
                                         const QList<double>& values, QList<double>& residuals, double& sumSquares)
{
    residuals.clear();
    sumSquares = 0.0;
    for (const QString& equation : equations) {
        bool ok = false;
        const double residual = EvaluateSystemEquation(equation, names, values, ok);
        if (!ok || !std::isfinite(residual))
            return false;
        residuals.append(residual);
        sumSquares += residual * residual;
        if (!std::isfinite(sumSquares))
            return false;
    }
    return true;
}
