#include "pad/mainwindow.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

using RateEquation = std::function<double(double, bool&)>;

// Rates this close to zero use the interest-free forms, whose (g - 1) / r
// would otherwise lose every digit.
bool IsZeroRate(double rate)
{
    return std::abs(rate) < 1e-15;
}

double LoanPayment(double rate, double periods, double presentValue, double futureValue, bool& ok)
{
    ok = false;
    if (periods <= 0 || presentValue < 0 || futureValue < 0)
        return 0.0;

    double payment = 0.0;
    if (IsZeroRate(rate)) {
        payment = (presentValue - futureValue) / periods;
    } else {
        if (rate <= -1)
            return 0.0;
        const double growth = std::pow(1 + rate, periods);
        if (!std::isfinite(growth) || std::abs(growth - 1) < 1e-15)
            return 0.0;
        payment = (presentValue * growth - futureValue) * rate / (growth - 1);
    }
    if (!std::isfinite(payment))
        return 0.0;
    ok = true;
    return payment;
}

// Present value of a cash-flow list at the given rate; the first flow is
// taken as paid now and is not discounted.
double DiscountedSum(double rate, const QList<double>& cashFlows)
{
    double sum = 0.0;
    for (qsizetype i = 0; i < cashFlows.size(); ++i)
        sum += cashFlows[i] / std::pow(1 + rate, double(i));
    return sum;
}

bool HaveOppositeSigns(double a, double b)
{
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

double FindFinancialRate(const RateEquation& equation, bool& ok)
{
    ok = false;

    // A trial only counts when the equation accepts the rate and its value is finite.
    const auto evaluate = [&equation](double rate, double& value) {
        bool trialOk = false;
        value = equation(rate, trialOk);
        return trialOk && std::isfinite(value);
    };

    constexpr double lowestTrialRate = -0.999999999;

    // Newton's method is fast when one of the usual rates lies near the root;
    // the starts cover ordinary, high and negative rates.
    static const double startValues[] = {0.1, 0.01, 0.25, 0.5, 1.0, -0.1, -0.5, 2.0, 5.0, 10.0};
    for (const double start : startValues) {
        double rate = start;
        for (int step = 0; step < 100; ++step) {
            double value = 0.0;
            if (!evaluate(rate, value))
                break;
            if (std::abs(value) < 1e-10) {
                ok = true;
                return rate;
            }

            const double h = (std::abs(rate) + 1) * 1e-6;
            const double above = rate + h;
            const double below = rate - h <= lowestTrialRate ? lowestTrialRate : rate - h;
            double valueAbove = 0.0;
            double valueBelow = 0.0;
            if (!evaluate(above, valueAbove) || !evaluate(below, valueBelow))
                break;
            const double slope = (valueAbove - valueBelow) / (above - below);
            if (std::abs(slope) < 1e-15)
                break;

            const double next = rate - value / slope;
            if (!std::isfinite(next) || next <= lowestTrialRate || next > 1e6)
                break;
            if (std::abs(next - rate) < 1e-12) {
                double nextValue = 0.0;
                if (evaluate(next, nextValue) && std::abs(nextValue) < 1e-8) {
                    ok = true;
                    return next;
                }
                break;
            }
            rate = next;
        }
    }

    // No start converged: scan (-0.9999, 1000] on a grid that is densest near
    // -1, where these equations change fastest, and bisect the first sign change
    // that holds a root.
    constexpr int scanPoints = 20000;
    constexpr double scanLowest = -0.9999;
    constexpr double scanWidth = 1000.9999;
    double previousRate = scanLowest;
    double previousValue = 0.0;
    bool previousUsable = evaluate(previousRate, previousValue);
    for (int i = 1; i <= scanPoints; ++i) {
        const double fraction = double(i) / scanPoints;
        const double rate = fraction * fraction * scanWidth + scanLowest;
        double value = 0.0;
        const bool usable = evaluate(rate, value);
        if (usable && previousUsable) {
            if (std::abs(value) < 1e-10) {
                ok = true;
                return rate;
            }
            if (HaveOppositeSigns(previousValue, value)) {
                double low = previousRate;
                double high = rate;
                double valueLow = previousValue;
                for (int halving = 0; halving < 150; ++halving) {
                    const double middle = (low + high) * 0.5;
                    double valueMiddle = 0.0;
                    if (!evaluate(middle, valueMiddle))
                        break;
                    if (std::abs(valueMiddle) < 1e-10 || high - low < 1e-12) {
                        ok = true;
                        return middle;
                    }
                    if (HaveOppositeSigns(valueLow, valueMiddle)) {
                        high = middle;
                    } else {
                        low = middle;
                        valueLow = valueMiddle;
                    }
                }
            }
        }
        previousRate = rate;
        previousValue = value;
        previousUsable = usable;
    }
    return 0.0;
}

// ---- The functions. Each receives an argument list whose size the table
// ---- has already checked, and clears ok for a domain failure.

double FutureValue(const QList<double>& arguments, bool& ok)
{
    const double rate = arguments[0];
    const double periods = arguments[1];
    const double presentValue = arguments[2];
    const double payment = arguments.size() > 3 ? arguments[3] : 0.0;
    if (rate <= -1 || periods < 0) {
        ok = false;
        return 0.0;
    }
    if (IsZeroRate(rate))
        return presentValue + payment * periods;
    const double growth = std::pow(1 + rate, periods);
    return presentValue * growth + payment * (growth - 1) / rate;
}

double PresentValue(const QList<double>& arguments, bool& ok)
{
    const double rate = arguments[0];
    const double periods = arguments[1];
    const double futureValue = arguments[2];
    const double payment = arguments.size() > 3 ? arguments[3] : 0.0;
    if (rate <= -1 || periods < 0) {
        ok = false;
        return 0.0;
    }
    if (IsZeroRate(rate))
        return futureValue - payment * periods;
    const double growth = std::pow(1 + rate, periods);
    return (futureValue - payment * (growth - 1) / rate) / growth;
}

double Payment(const QList<double>& arguments, bool& ok)
{
    const double futureValue = arguments.size() > 3 ? arguments[3] : 0.0;
    return LoanPayment(arguments[0], arguments[1], arguments[2], futureValue, ok);
}

double NumberOfPeriods(const QList<double>& arguments, bool& ok)
{
    const double rate = arguments[0];
    const double payment = arguments[1];
    const double presentValue = arguments[2];
    const double futureValue = arguments.size() > 3 ? arguments[3] : 0.0;
    ok = false;
    if (payment <= 0 || presentValue < 0 || futureValue < 0 || rate <= -1)
        return 0.0;

    double periods = 0.0;
    if (IsZeroRate(rate)) {
        periods = (presentValue - futureValue) / payment;
    } else {
        // payment / rate is the balance that the payment alone keeps level; at or
        // below it the loan never reaches the target balance.
        const double levelBalance = payment / rate;
        if (levelBalance - futureValue <= 0 || levelBalance - presentValue <= 0)
            return 0.0;
        periods = std::log((levelBalance - futureValue) / (levelBalance - presentValue)) / std::log(1 + rate);
    }
    if (!(periods >= 0))
        return 0.0;
    ok = true;
    return periods;
}

double Rate(const QList<double>& arguments, bool& ok)
{
    const double periods = arguments[0];
    const double payment = arguments[1];
    const double presentValue = arguments[2];
    const double futureValue = arguments.size() > 3 ? arguments[3] : 0.0;
    if (periods <= 0 || payment < 0 || presentValue < 0 || futureValue < 0) {
        ok = false;
        return 0.0;
    }
    // LoanPayment gives 0 when it cannot compute, so a failed trial is worth
    // minus the payment.
    const RateEquation equation = [periods, payment, presentValue, futureValue](double rate, bool& trialOk) {
        return LoanPayment(rate, periods, presentValue, futureValue, trialOk) - payment;
    };
    return FindFinancialRate(equation, ok);
}

// Interest and principal of payment number `period` of a loan repaid to zero.
bool SplitLoanPayment(const QList<double>& arguments, double& interest, double& payment)
{
    const double rate = arguments[0];
    const double period = arguments[1];
    const double periods = arguments[2];
    const double presentValue = arguments[3];
    if (period < 1 || period > periods || periods <= 0 || presentValue < 0)
        return false;

    bool paymentOk = false;
    payment = LoanPayment(rate, periods, presentValue, 0.0, paymentOk);
    if (!paymentOk)
        return false;

    const double paymentsBefore = period - 1;
    double balance = 0.0;
    if (IsZeroRate(rate)) {
        balance = presentValue - paymentsBefore * payment;
    } else {
        const double growth = std::pow(1 + rate, paymentsBefore);
        if (!std::isfinite(growth))
            return false;
        balance = presentValue * growth - payment * (growth - 1) / rate;
    }
    if (!std::isfinite(balance))
        return false;
    interest = balance * rate;
    return true;
}

double InterestPayment(const QList<double>& arguments, bool& ok)
{
    double interest = 0.0;
    double payment = 0.0;
    ok = SplitLoanPayment(arguments, interest, payment);
    return ok ? interest : 0.0;
}

double PrincipalPayment(const QList<double>& arguments, bool& ok)
{
    double interest = 0.0;
    double payment = 0.0;
    ok = SplitLoanPayment(arguments, interest, payment);
    return ok ? payment - interest : 0.0;
}

double Balance(const QList<double>& arguments, bool& ok)
{
    const double rate = arguments[0];
    const double periods = arguments[1];
    const double presentValue = arguments[2];
    const double paymentsMade = arguments[3];
    ok = false;
    if (periods <= 0 || paymentsMade < 0 || paymentsMade > periods)
        return 0.0;
    bool paymentOk = false;
    const double payment = LoanPayment(rate, periods, presentValue, 0.0, paymentOk);
    if (!paymentOk)
        return 0.0;
    if (IsZeroRate(rate)) {
        ok = true;
        return presentValue - paymentsMade * payment;
    }
    if (rate <= -1)
        return 0.0;
    const double growth = std::pow(1 + rate, paymentsMade);
    if (!std::isfinite(growth))
        return 0.0;
    ok = true;
    return presentValue * growth - payment * (growth - 1) / rate;
}

double TotalInterest(const QList<double>& arguments, bool& ok)
{
    const double periods = arguments[1];
    const double presentValue = arguments[2];
    const double payment = LoanPayment(arguments[0], periods, presentValue, 0.0, ok);
    return ok ? payment * periods - presentValue : 0.0;
}

double Compound(const QList<double>& arguments, bool& ok)
{
    const double principal = arguments[0];
    const double annualRate = arguments[1];
    const double compoundsPerYear = arguments[2];
    const double years = arguments[3];
    if (compoundsPerYear <= 0 || years < 0 || 1 + annualRate / compoundsPerYear < 0) {
        ok = false;
        return 0.0;
    }
    return principal * std::pow(1 + annualRate / compoundsPerYear, compoundsPerYear * years);
}

double AnnualPercentageYield(const QList<double>& arguments, bool& ok)
{
    const double apr = arguments[0];
    const double compoundsPerYear = arguments[1];
    if (compoundsPerYear <= 0 || 1 + apr / compoundsPerYear < 0) {
        ok = false;
        return 0.0;
    }
    return std::pow(1 + apr / compoundsPerYear, compoundsPerYear) - 1;
}

double AnnualPercentageRate(const QList<double>& arguments, bool& ok)
{
    const double apy = arguments[0];
    const double compoundsPerYear = arguments[1];
    if (compoundsPerYear <= 0 || apy <= -1) {
        ok = false;
        return 0.0;
    }
    return (std::pow(1 + apy, 1 / compoundsPerYear) - 1) * compoundsPerYear;
}

double NetPresentValue(const QList<double>& arguments, bool& ok)
{
    const double rate = arguments[0];
    if (rate <= -1) {
        ok = false;
        return 0.0;
    }
    return DiscountedSum(rate, arguments.mid(1));
}

double InternalRateOfReturn(const QList<double>& arguments, bool& ok)
{
    const bool anyInflow = std::any_of(arguments.cbegin(), arguments.cend(), [](double flow) { return flow > 0; });
    const bool anyOutflow = std::any_of(arguments.cbegin(), arguments.cend(), [](double flow) { return flow < 0; });
    if (!anyInflow || !anyOutflow) {
        ok = false;
        return 0.0;
    }
    const RateEquation equation = [cashFlows = arguments](double rate, bool& trialOk) {
        if (rate <= -1) {
            trialOk = false;
            return 0.0;
        }
        const double sum = DiscountedSum(rate, cashFlows);
        trialOk = std::isfinite(sum);
        return sum;
    };
    return FindFinancialRate(equation, ok);
}

double ReturnOnInvestment(const QList<double>& arguments, bool& ok)
{
    const double initialValue = arguments[0];
    const double finalValue = arguments[1];
    if (initialValue == 0) {
        ok = false;
        return 0.0;
    }
    return (finalValue - initialValue) / initialValue;
}

double PercentChange(const QList<double>& arguments, bool& ok)
{
    const double oldValue = arguments[0];
    const double newValue = arguments[1];
    if (oldValue == 0) {
        ok = false;
        return 0.0;
    }
    return (newValue - oldValue) / oldValue;
}

double CompoundAnnualGrowthRate(const QList<double>& arguments, bool& ok)
{
    const double initialValue = arguments[0];
    const double finalValue = arguments[1];
    const double years = arguments[2];
    if (initialValue <= 0 || finalValue < 0 || years <= 0) {
        ok = false;
        return 0.0;
    }
    return std::pow(finalValue / initialValue, 1 / years) - 1;
}

double Markup(const QList<double>& arguments, bool&)
{
    return arguments[0] * (1 + arguments[1]);
}

double Margin(const QList<double>& arguments, bool& ok)
{
    const double revenue = arguments[0];
    const double cost = arguments[1];
    if (revenue == 0) {
        ok = false;
        return 0.0;
    }
    return (revenue - cost) / revenue;
}

double Discount(const QList<double>& arguments, bool&)
{
    return arguments[0] * (1 - arguments[1]);
}

double Tax(const QList<double>& arguments, bool&)
{
    return arguments[0] * (1 + arguments[1]);
}

struct FinancialFunction
{
    qsizetype minimumArguments;
    qsizetype maximumArguments;
    double (*evaluate)(const QList<double>& arguments, bool& ok);
};

constexpr qsizetype AnyNumber = std::numeric_limits<qsizetype>::max();

const QHash<QString, FinancialFunction>& FinancialFunctions()
{
    static const QHash<QString, FinancialFunction> functions = {
        {QStringLiteral("FV"), {3, 4, &FutureValue}},
        {QStringLiteral("PV"), {3, 4, &PresentValue}},
        {QStringLiteral("PMT"), {3, 4, &Payment}},
        {QStringLiteral("NPER"), {3, 4, &NumberOfPeriods}},
        {QStringLiteral("RATE"), {3, 4, &Rate}},
        {QStringLiteral("IPMT"), {4, 4, &InterestPayment}},
        {QStringLiteral("PPMT"), {4, 4, &PrincipalPayment}},
        {QStringLiteral("BALANCE"), {4, 4, &Balance}},
        {QStringLiteral("INTEREST"), {3, 3, &TotalInterest}},
        {QStringLiteral("COMPOUND"), {4, 4, &Compound}},
        {QStringLiteral("APY"), {2, 2, &AnnualPercentageYield}},
        {QStringLiteral("APR"), {2, 2, &AnnualPercentageRate}},
        {QStringLiteral("NPV"), {2, AnyNumber, &NetPresentValue}},
        {QStringLiteral("IRR"), {2, AnyNumber, &InternalRateOfReturn}},
        {QStringLiteral("ROI"), {2, 2, &ReturnOnInvestment}},
        {QStringLiteral("PERCENTCHANGE"), {2, 2, &PercentChange}},
        {QStringLiteral("CAGR"), {3, 3, &CompoundAnnualGrowthRate}},
        {QStringLiteral("MARKUP"), {2, 2, &Markup}},
        {QStringLiteral("MARGIN"), {2, 2, &Margin}},
        {QStringLiteral("DISCOUNT"), {2, 2, &Discount}},
        {QStringLiteral("TAX"), {2, 2, &Tax}},
    };
    return functions;
}

} // namespace

double MainWindow::RunFinancialFunction(QString name, QList<double> arguments, bool& ok, bool& handled)
{
    ok = false;
    handled = true;

    const auto& functions = FinancialFunctions();
    const auto found = functions.constFind(name.toUpper());
    if (found == functions.cend()) {
        handled = false;
        return 0.0;
    }
    const FinancialFunction& function = found.value();
    if (arguments.size() < function.minimumArguments || arguments.size() > function.maximumArguments)
        return 0.0;

    bool computed = true;
    const double result = function.evaluate(arguments, computed);
    if (!computed || !std::isfinite(result))
        return 0.0;
    ok = true;
    return result;
}
