#include "help/HelpCatalog.h"

// Help topics 55-108 of the catalogue, in build order: the financial
// functions, GD&T inspection and the date and time language.
void AddFinanceHelpTopics(QList<HelpEntry>& entries)
{
    // ---- 55-75: financial functions ----

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("FV"), {QStringLiteral("FV"), QStringLiteral("FUTURE VALUE")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the balance that a present amount and optional regular deposits grow to "
                       "after a number of periods at a fixed rate per period."),
        QStringLiteral("FV(rate, periods, presentValue [, payment])"),
        QStringLiteral("rate: The interest rate per period as a decimal (0.05 or 5% for five percent); "
                       "it must be greater than -1, and 0 is allowed.\n"
                       "periods: The number of periods; zero or more, and it need not be whole.\n"
                       "presentValue: The amount at the start; any number.\n"
                       "payment: Optional amount added at the end of every period; any number, "
                       "0 when left out."),
        QStringLiteral("FV(0.1, 2, 1000) -> 1210\n"
                       "FV(0.1, 2, 1000, 100) -> 1420\n"
                       "FV(0, 12, 500, 100) -> 1700\n"
                       "FV(5%, 10, 1000) -> 1628.89462677744"),
        QStringLiteral("Use FV to see what savings, a deposit or an investment will be worth later, "
                       "with or without a regular contribution at the end of each period."),
        QStringLiteral("Sumvelle grows the present value by (1 + rate)^periods and adds the payments "
                       "with their interest, payment * ((1 + rate)^periods - 1) / rate; at a rate of "
                       "0 the result is presentValue + payment * periods. Amounts are not sign-adjusted: "
                       "a positive present value and positive payments give a positive balance. A rate "
                       "of -1 or less, a negative number of periods, fewer than three or more than four "
                       "arguments, or a result too large to hold are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("PV"), {QStringLiteral("PV"), QStringLiteral("PRESENT VALUE")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the amount needed now so that, with optional regular deposits, it grows "
                       "to a target balance after a number of periods at a fixed rate per period."),
        QStringLiteral("PV(rate, periods, futureValue [, payment])"),
        QStringLiteral("rate: The interest rate per period as a decimal (0.05 or 5%); it must be greater "
                       "than -1, and 0 is allowed.\n"
                       "periods: The number of periods; zero or more, and it need not be whole.\n"
                       "futureValue: The balance wanted at the end; any number.\n"
                       "payment: Optional amount added at the end of every period; any number, "
                       "0 when left out."),
        QStringLiteral("PV(0.1, 2, 1210) -> 1000\n"
                       "PV(0.1, 2, 1420, 100) -> 1000\n"
                       "PV(0, 12, 1700, 100) -> 500\n"
                       "PV(5%, 10, 1000) -> 613.91325354076"),
        QStringLiteral("Use PV to find what a future sum is worth today, or how much must be put aside "
                       "now to reach a goal when regular deposits are also made. It is the reverse of FV."),
        QStringLiteral("Sumvelle takes the value of the payments with their interest, "
                       "payment * ((1 + rate)^periods - 1) / rate, away from futureValue and divides what "
                       "is left by (1 + rate)^periods; at a rate of 0 the result is futureValue - payment "
                       "* periods. A rate of -1 or less, a negative number of periods, fewer than three or "
                       "more than four arguments, or a result too large to hold are rejected with "
                       "-Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("PMT"), {QStringLiteral("PMT"), QStringLiteral("PAYMENT")}, QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the fixed payment per period that repays a loan, down to an optional "
                       "remaining balance, over a number of periods at a fixed rate per period."),
        QStringLiteral("PMT(rate, periods, presentValue [, futureValue])"),
        QStringLiteral("rate: The interest rate per period as a decimal (a yearly rate of 6% paid monthly "
                       "is 6%/12); greater than -1, and 0 is allowed.\n"
                       "periods: The number of payments; greater than 0.\n"
                       "presentValue: The amount borrowed; zero or more.\n"
                       "futureValue: Optional balance left after the last payment, such as a balloon "
                       "payment; zero or more, 0 when left out."),
        QStringLiteral("PMT(0, 12, 1200) -> 100\n"
                       "PMT(0.5, 2, 900) -> 810\n"
                       "PMT(0, 10, 1000, 200) -> 80\n"
                       "PMT(0.01, 12, 1000) -> 88.848788678342"),
        QStringLiteral("Use PMT for loan, mortgage and lease payments: the payment at the end of each "
                       "period that brings the balance to zero, or to the remaining balance you give."),
        QStringLiteral("Sumvelle computes (presentValue * g - futureValue) * rate / (g - 1), where "
                       "g = (1 + rate)^periods; at a rate of 0 the payment is (presentValue - futureValue) "
                       "/ periods. The payment comes out positive for a positive loan. Zero or negative "
                       "periods, a negative presentValue or futureValue, a rate of -1 or less, and a "
                       "result too large to hold are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("NPER"), {QStringLiteral("NPER"), QStringLiteral("NUMBER OF PERIODS")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the number of periods a fixed payment takes to bring a loan balance down "
                       "to zero or to an optional remaining balance."),
        QStringLiteral("NPER(rate, payment, presentValue [, futureValue])"),
        QStringLiteral("rate: The interest rate per period as a decimal; greater than -1, and 0 is "
                       "allowed.\n"
                       "payment: The payment made at the end of every period; greater than 0.\n"
                       "presentValue: The amount borrowed; zero or more.\n"
                       "futureValue: Optional balance to stop at; zero or more, 0 when left out."),
        QStringLiteral("NPER(0, 100, 1200) -> 12\n"
                       "NPER(0.5, 810, 900) -> 2\n"
                       "NPER(0, 80, 1000, 200) -> 10\n"
                       "NPER(0.01, 100, 1000) -> 10.5886444594232"),
        QStringLiteral("Use NPER to find how long a loan takes to pay off with a chosen payment, or how "
                       "many payments are left. The answer is usually not a whole number: the last "
                       "payment is then a partial one."),
        QStringLiteral("Sumvelle solves the loan balance equation for the number of periods: with "
                       "L = payment / rate it computes ln((L - futureValue) / (L - presentValue)) / "
                       "ln(1 + rate), and at a rate of 0 (presentValue - futureValue) / payment. A payment "
                       "of 0 or less, a negative presentValue or futureValue, a rate of -1 or less, a "
                       "payment that does not exceed the interest of a period (the balance would never "
                       "fall), and a negative answer are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("RATE"), {QStringLiteral("RATE"), QStringLiteral("INTEREST RATE")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the interest rate per period, as a decimal, at which a fixed payment "
                       "repays a loan over a number of periods."),
        QStringLiteral("RATE(periods, payment, presentValue [, futureValue])"),
        QStringLiteral("periods: The number of payments; greater than 0.\n"
                       "payment: The payment made at the end of every period; zero or more.\n"
                       "presentValue: The amount borrowed; zero or more.\n"
                       "futureValue: Optional balance left after the last payment; zero or more, 0 when "
                       "left out."),
        QStringLiteral("RATE(2, 810, 900) -> 0.5\n"
                       "RATE(1, 110, 100) -> 0.1\n"
                       "RATE(2, 576.190476190476, 1000) -> 0.1\n"
                       "RATE(12, 100, 1000) * 12"),
        QStringLiteral("Use RATE to find the real interest rate hidden in a loan or lease offer when you "
                       "know the amount, the payment and the number of payments. Multiply a monthly rate "
                       "by 12 for the yearly rate."),
        QStringLiteral("There is no formula for the rate, so Sumvelle searches for the rate at which PMT "
                       "with the same arguments gives the payment: Newton steps from several starting "
                       "rates, then a scan of rates above -1 with halving of the first interval that holds "
                       "the answer. Zero or negative periods, a negative payment, presentValue or "
                       "futureValue, and arguments for which no rate gives the payment are rejected with "
                       "-Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("IPMT"), {QStringLiteral("IPMT"), QStringLiteral("INTEREST PAYMENT")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the interest part of one payment of a loan that is repaid to zero with "
                       "fixed payments."),
        QStringLiteral("IPMT(rate, period, periods, presentValue)"),
        QStringLiteral("rate: The interest rate per period as a decimal; greater than -1, and 0 is "
                       "allowed.\n"
                       "period: The payment to look at, from 1 for the first to periods for the last.\n"
                       "periods: The number of payments; greater than 0.\n"
                       "presentValue: The amount borrowed; zero or more."),
        QStringLiteral("IPMT(0.5, 1, 2, 900) -> 450\n"
                       "IPMT(0.5, 2, 2, 900) -> 270\n"
                       "IPMT(0.01, 1, 12, 1000) -> 10"),
        QStringLiteral("Use IPMT to see how much of a given loan payment is interest, for instance for "
                       "an amortisation schedule or to total the interest paid in a year."),
        QStringLiteral("Sumvelle works out the payment as PMT does, finds the balance left after the "
                       "payments before the one asked for, and returns that balance times the rate; with "
                       "PPMT it adds up to the payment. A period below 1 or above periods, zero or negative "
                       "periods, a negative presentValue, a rate of -1 or less, and any argument count "
                       "other than four are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("PPMT"), {QStringLiteral("PPMT"), QStringLiteral("PRINCIPAL PAYMENT")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the principal part of one payment of a loan that is repaid to zero with "
                       "fixed payments."),
        QStringLiteral("PPMT(rate, period, periods, presentValue)"),
        QStringLiteral("rate: The interest rate per period as a decimal; greater than -1, and 0 is "
                       "allowed.\n"
                       "period: The payment to look at, from 1 for the first to periods for the last.\n"
                       "periods: The number of payments; greater than 0.\n"
                       "presentValue: The amount borrowed; zero or more."),
        QStringLiteral("PPMT(0.5, 1, 2, 900) -> 360\n"
                       "PPMT(0.5, 2, 2, 900) -> 540\n"
                       "PPMT(0, 1, 12, 1200) -> 100"),
        QStringLiteral("Use PPMT to see how much of a given loan payment reduces the balance; the "
                       "principal part grows with every payment while the interest part shrinks."),
        QStringLiteral("Sumvelle works out the payment as PMT does and subtracts the interest part that "
                       "IPMT gives for the same period. A period below 1 or above periods, zero or negative "
                       "periods, a negative presentValue, a rate of -1 or less, and any argument count "
                       "other than four are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("BALANCE"), {QStringLiteral("BALANCE"), QStringLiteral("LOAN BALANCE")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the balance still owed on a loan with fixed payments after a given number "
                       "of payments."),
        QStringLiteral("BALANCE(rate, periods, presentValue, paymentsMade)"),
        QStringLiteral("rate: The interest rate per period as a decimal; greater than -1, and 0 is "
                       "allowed.\n"
                       "periods: The total number of payments of the loan; greater than 0.\n"
                       "presentValue: The amount borrowed; zero or more.\n"
                       "paymentsMade: The number of payments already made, from 0 to periods."),
        QStringLiteral("BALANCE(0, 12, 1200, 3) -> 900\n"
                       "BALANCE(0.5, 2, 900, 1) -> 540\n"
                       "BALANCE(0.5, 2, 900, 0) -> 900"),
        QStringLiteral("Use BALANCE to find the payoff amount of a loan part way through its term, for "
                       "example before refinancing or selling."),
        QStringLiteral("Sumvelle works out the payment as PMT does and returns presentValue * "
                       "(1 + rate)^paymentsMade - payment * ((1 + rate)^paymentsMade - 1) / rate; at a rate "
                       "of 0 it returns presentValue - paymentsMade * payment. Zero or negative periods, "
                       "paymentsMade below 0 or above periods, a negative presentValue, a rate of -1 or "
                       "less, and any argument count other than four are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("INTEREST"), {QStringLiteral("INTEREST"), QStringLiteral("TOTAL INTEREST")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the total interest paid over the whole term of a loan repaid with fixed "
                       "payments."),
        QStringLiteral("INTEREST(rate, periods, presentValue)"),
        QStringLiteral("rate: The interest rate per period as a decimal; greater than -1, and 0 is "
                       "allowed.\n"
                       "periods: The number of payments; greater than 0.\n"
                       "presentValue: The amount borrowed; zero or more."),
        QStringLiteral("INTEREST(0.5, 2, 900) -> 720\n"
                       "INTEREST(0, 12, 1200) -> 0\n"
                       "INTEREST(0.01, 12, 1000) -> 66.1854641401"),
        QStringLiteral("Use INTEREST to compare the true cost of loans with different rates or terms."),
        QStringLiteral("Sumvelle works out the payment as PMT does and returns payment * periods - "
                       "presentValue. Zero or negative periods, a negative presentValue, a rate of -1 or "
                       "less, and any argument count other than three are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("COMPOUND"), {QStringLiteral("COMPOUND"), QStringLiteral("COMPOUND INTEREST")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the value of a principal after compound interest at a yearly rate "
                       "compounded a given number of times per year for a number of years."),
        QStringLiteral("COMPOUND(principal, annualRate, compoundsPerYear, years)"),
        QStringLiteral("principal: The starting amount; any number.\n"
                       "annualRate: The nominal yearly rate as a decimal (0.05 or 5%); annualRate / "
                       "compoundsPerYear must not be below -1.\n"
                       "compoundsPerYear: How often interest is added per year (1 yearly, 12 monthly, "
                       "365 daily); greater than 0.\n"
                       "years: The time in years; zero or more, and it need not be whole."),
        QStringLiteral("COMPOUND(1000, 0.05, 1, 2) -> 1102.5\n"
                       "COMPOUND(1000, 0.1, 2, 1) -> 1102.5\n"
                       "COMPOUND(1000, 12%, 12, 1) -> 1126.82503013197"),
        QStringLiteral("Use COMPOUND for savings accounts, deposits and other balances that earn "
                       "interest on interest, without regular additions."),
        QStringLiteral("Sumvelle computes principal * (1 + annualRate / compoundsPerYear)^(compoundsPerYear "
                       "* years). A compoundsPerYear of 0 or less, negative years, a rate per compounding "
                       "period below -1, any argument count other than four, and a result too large to "
                       "hold are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("APY"),
        {QStringLiteral("APY"), QStringLiteral("ANNUAL PERCENTAGE YIELD"), QStringLiteral("EFFECTIVE RATE")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the effective yearly yield, as a decimal, of a nominal yearly rate "
                       "compounded a given number of times per year."),
        QStringLiteral("APY(apr, compoundsPerYear)"),
        QStringLiteral("apr: The nominal yearly rate as a decimal (0.12 or 12%); apr / compoundsPerYear "
                       "must not be below -1.\n"
                       "compoundsPerYear: How often interest is added per year; greater than 0."),
        QStringLiteral("APY(0.1, 1) -> 0.1\n"
                       "APY(0.1, 2) -> 0.1025\n"
                       "APY(12%, 12) -> 0.12682503013197"),
        QStringLiteral("Use APY to compare offers that compound at different frequencies: the yield says "
                       "what one year really earns or costs. APR converts back."),
        QStringLiteral("Sumvelle computes (1 + apr / compoundsPerYear)^compoundsPerYear - 1. A "
                       "compoundsPerYear of 0 or less, a rate per compounding period below -1 and any "
                       "argument count other than two are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("APR"), {QStringLiteral("APR"), QStringLiteral("ANNUAL PERCENTAGE RATE")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the nominal yearly rate, as a decimal, that gives a stated effective "
                       "yearly yield when compounded a given number of times per year."),
        QStringLiteral("APR(apy, compoundsPerYear)"),
        QStringLiteral("apy: The effective yearly yield as a decimal (0.1025 or 10.25%); greater than "
                       "-1.\n"
                       "compoundsPerYear: How often interest is added per year; greater than 0."),
        QStringLiteral("APR(0.1, 1) -> 0.1\n"
                       "APR(0.1025, 2) -> 0.1\n"
                       "APR(10%, 12) -> 0.0956896851468452"),
        QStringLiteral("Use APR to turn a quoted yield back into the nominal rate per year, for example "
                       "to find the monthly rate (APR / 12) that earns a given yield. It is the reverse "
                       "of APY."),
        QStringLiteral("Sumvelle computes ((1 + apy)^(1 / compoundsPerYear) - 1) * compoundsPerYear. An "
                       "apy of -1 or less, a compoundsPerYear of 0 or less and any argument count other "
                       "than two are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("NPV"), {QStringLiteral("NPV"), QStringLiteral("NET PRESENT VALUE")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the net present value of a series of cash flows, one per period, "
                       "discounted at a fixed rate per period."),
        QStringLiteral("NPV(rate, cashFlow0, cashFlow1, ...)"),
        QStringLiteral("rate: The discount rate per period as a decimal (0.1 or 10%); greater than -1.\n"
                       "cashFlow0, cashFlow1, ...: One or more cash flows in period order; money paid out "
                       "is negative, money received positive. cashFlow0 happens now and is not "
                       "discounted."),
        QStringLiteral("NPV(0.5, -100, 150) -> 0\n"
                       "NPV(0.1, -100, 110, 121) -> 100\n"
                       "NPV(0, -1000, 300, 400, 500) -> 200"),
        QStringLiteral("Use NPV to judge an investment or project: a positive result means the cash "
                       "flows earn more than the rate, a negative one less. IRR finds the rate at which "
                       "NPV is zero."),
        QStringLiteral("Sumvelle divides cash flow number k (counting from 0) by (1 + rate)^k and adds "
                       "the results, so the first flow counts in full. A rate of -1 or less, a call "
                       "without at least one cash flow, and a result too large to hold are rejected with "
                       "-Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("IRR"), {QStringLiteral("IRR"), QStringLiteral("INTERNAL RATE OF RETURN")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the internal rate of return, as a decimal per period, of a series of "
                       "cash flows: the rate at which their net present value is zero."),
        QStringLiteral("IRR(cashFlow0, cashFlow1, ...)"),
        QStringLiteral("cashFlow0, cashFlow1, ...: Two or more cash flows in period order, the first one "
                       "now; money paid out is negative, money received positive. At least one must be "
                       "negative and one positive."),
        QStringLiteral("IRR(-1000, 1100) -> 0.1\n"
                       "IRR(-1000, 550, 605) -> 0.1\n"
                       "IRR(-100, 150) -> 0.5"),
        QStringLiteral("Use IRR to compare investments of different sizes and lengths by the single "
                       "rate each one earns."),
        QStringLiteral("There is no formula for the rate, so Sumvelle searches for the rate above -1 at "
                       "which NPV of the same cash flows is zero: Newton steps from several starting rates, "
                       "then a scan of rates up to 1000 with halving of the first interval that holds the "
                       "answer. Cash flows that are all positive, all negative or all zero, fewer than two "
                       "cash flows, and flows for which no rate is found are rejected with -Cannot Solve-. "
                       "When the flows change sign more than once there can be several rates, and the one "
                       "found first is returned."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("ROI"), {QStringLiteral("ROI"), QStringLiteral("RETURN ON INVESTMENT")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the return on an investment as a decimal: the gain or loss divided by "
                       "the amount invested."),
        QStringLiteral("ROI(initialValue, finalValue)"),
        QStringLiteral("initialValue: The amount invested or the starting value; any number except 0.\n"
                       "finalValue: The value at the end; any number."),
        QStringLiteral("ROI(1000, 1250) -> 0.25\n"
                       "ROI(1000, 800) -> -0.2\n"
                       "ROI(1000, 1250) * 100 -> 25"),
        QStringLiteral("Use ROI to state how much an investment gained or lost relative to its cost, "
                       "without regard to how long it took (CAGR takes the time into account)."),
        QStringLiteral("Sumvelle computes (finalValue - initialValue) / initialValue; multiply by 100 for "
                       "a percentage. An initialValue of 0 and any argument count other than two are "
                       "rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("CAGR"), {QStringLiteral("CAGR"), QStringLiteral("COMPOUND ANNUAL GROWTH RATE")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the compound annual growth rate, as a decimal, that takes a starting "
                       "value to a final value in a number of years."),
        QStringLiteral("CAGR(initialValue, finalValue, years)"),
        QStringLiteral("initialValue: The starting value; greater than 0.\n"
                       "finalValue: The value at the end; zero or more.\n"
                       "years: The time between them in years; greater than 0, and it need not be whole."),
        QStringLiteral("CAGR(1000, 1210, 2) -> 0.1\n"
                       "CAGR(100, 200, 1) -> 1\n"
                       "CAGR(1000, 2000, 10) -> 0.0717734625362931"),
        QStringLiteral("Use CAGR to express growth over several years as one steady yearly rate, for "
                       "investments, revenue or prices."),
        QStringLiteral("Sumvelle computes (finalValue / initialValue)^(1 / years) - 1. An initialValue of "
                       "0 or less, a negative finalValue, years of 0 or less and any argument count other "
                       "than three are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("PERCENTCHANGE"), {QStringLiteral("PERCENTCHANGE"), QStringLiteral("PERCENT CHANGE")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the relative change from an old value to a new value as a decimal."),
        QStringLiteral("PERCENTCHANGE(oldValue, newValue)"),
        QStringLiteral("oldValue: The value before the change; any number except 0.\n"
                       "newValue: The value after the change; any number."),
        QStringLiteral("PERCENTCHANGE(80, 100) -> 0.25\n"
                       "PERCENTCHANGE(100, 80) -> -0.2\n"
                       "PERCENTCHANGE(80, 100) * 100 -> 25"),
        QStringLiteral("Use PERCENTCHANGE for price rises and falls, growth between two readings, or any "
                       "before-and-after comparison."),
        QStringLiteral("Sumvelle computes (newValue - oldValue) / oldValue, so 0.25 means a rise of 25 "
                       "percent; multiply by 100 for a percentage. An oldValue of 0 and any argument count "
                       "other than two are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("MARKUP"), {QStringLiteral("MARKUP")}, QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the selling price of an item whose cost is marked up by a given rate."),
        QStringLiteral("MARKUP(cost, markupRate)"),
        QStringLiteral("cost: The cost of the item; any number.\n"
                       "markupRate: The markup as a decimal of the cost (0.25 or 25%); any number."),
        QStringLiteral("MARKUP(80, 0.25) -> 100\n"
                       "MARKUP(80, 25%) -> 100\n"
                       "MARKUP(40, 1) -> 80"),
        QStringLiteral("Use MARKUP to price goods from their cost. The markup is a share of the cost; "
                       "MARGIN gives the profit as a share of the price."),
        QStringLiteral("Sumvelle computes cost * (1 + markupRate). Any finite arguments are accepted; "
                       "only an argument count other than two, or a result too large to hold, is rejected "
                       "with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("MARGIN"), {QStringLiteral("MARGIN"), QStringLiteral("PROFIT MARGIN")},
        QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the profit margin as a decimal: the profit divided by the revenue."),
        QStringLiteral("MARGIN(revenue, cost)"),
        QStringLiteral("revenue: The selling price or revenue; any number except 0.\n"
                       "cost: The cost; any number."),
        QStringLiteral("MARGIN(100, 75) -> 0.25\n"
                       "MARGIN(100, 80) -> 0.2\n"
                       "MARGIN(80, 100) -> -0.25"),
        QStringLiteral("Use MARGIN to see how much of each sale is profit. A markup of 25% on the cost "
                       "gives a margin of 20% of the price."),
        QStringLiteral("Sumvelle computes (revenue - cost) / revenue; a cost above the revenue gives a "
                       "negative margin. A revenue of 0 and any argument count other than two are rejected "
                       "with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("DISCOUNT"), {QStringLiteral("DISCOUNT")}, QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns the price left after a discount at a given rate."),
        QStringLiteral("DISCOUNT(price, discountRate)"),
        QStringLiteral("price: The original price; any number.\n"
                       "discountRate: The discount as a decimal of the price (0.2 or 20%); any number."),
        QStringLiteral("DISCOUNT(100, 0.2) -> 80\n"
                       "DISCOUNT(100, 20%) -> 80\n"
                       "DISCOUNT(59.99, 0.5) -> 29.995"),
        QStringLiteral("Use DISCOUNT for sale prices, coupons and rebates given as a percentage."),
        QStringLiteral("Sumvelle computes price * (1 - discountRate). Any finite arguments are accepted; "
                       "only an argument count other than two, or a result too large to hold, is rejected "
                       "with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("TAX"), {QStringLiteral("TAX")}, QStringLiteral("FINANCIAL"),
        QStringLiteral("Returns a price with tax at a given rate added."), QStringLiteral("TAX(price, taxRate)"),
        QStringLiteral("price: The price before tax; any number.\n"
                       "taxRate: The tax rate as a decimal (0.08 or 8%); any number."),
        QStringLiteral("TAX(100, 0.08) -> 108\n"
                       "TAX(100, 8%) -> 108\n"
                       "TAX(19.99, 0.0825) -> 21.639175"),
        QStringLiteral("Use TAX for sales tax, VAT and other charges added on top of a price. To find "
                       "only the tax, subtract the price: TAX(100, 0.08) - 100 gives 8."),
        QStringLiteral("Sumvelle computes price * (1 + taxRate). Any finite arguments are accepted; only "
                       "an argument count other than two, or a result too large to hold, is rejected with "
                       "-Cannot Solve-."));

    // ---- 76-96: GD&T inspection ----

    AddHelpEntry(entries, QStringLiteral("GD&T"),
                 {QStringLiteral("GD&T"), QStringLiteral("GDT"),
                  QStringLiteral("GEOMETRIC DIMENSIONING AND TOLERANCING"), QStringLiteral("TRUE POSITION"),
                  QStringLiteral("POSITION TOLERANCE"), QStringLiteral("MMC"), QStringLiteral("LMC"),
                  QStringLiteral("BONUS TOLERANCE"), QStringLiteral("VIRTUAL CONDITION"),
                  QStringLiteral("RESULTANT CONDITION"), QStringLiteral("FASTENER FORMULA")},
                 QStringLiteral("GD&T"),
                 QStringLiteral("Inspection functions for true position, material condition bonus, boundaries "
                                "and fasteners."),
                 QStringLiteral("GD&T / ENGINEERING INSPECTION\n"
                                "\n"
                                "Sumvelle has twenty functions for geometric\n"
                                "dimensioning and tolerancing checks. They take\n"
                                "plain numbers in whatever unit the drawing uses\n"
                                "(millimetres or inches) and return a number in\n"
                                "the same unit, except POSITIONUTIL, which\n"
                                "returns a percentage.\n"
                                "\n"
                                "True position compares a measured location with\n"
                                "its basic (theoretically exact) location. With\n"
                                "the deviations dx and dy the position error is\n"
                                "the diameter of the zone that holds the point:\n"
                                "2 * SQRT(dx^2 + dy^2).\n"
                                "  POSITION(0.003, 0.004)               -> 0.01\n"
                                "  RADIALDEV(0.003, 0.004)              -> 0.005\n"
                                "  POSITION3D(0.001, 0.002, 0.002)      -> 0.006\n"
                                "  COORDDEV(25.03, 25)                  -> 0.03\n"
                                "\n"
                                "MMC (maximum material condition) is the\n"
                                "smallest hole or the largest pin; LMC (least\n"
                                "material condition) the largest hole or the\n"
                                "smallest pin. When a position tolerance applies\n"
                                "at MMC or LMC, the feature gains bonus\n"
                                "tolerance as its actual size departs from that\n"
                                "size.\n"
                                "  BONUSTOL(10.2, 10)                   -> 0.2\n"
                                "  TOTALTOL(0.1, 0.2)                   -> 0.3\n"
                                "  POSITIONALLOW(0.1, 10.2, 10)         -> 0.3\n"
                                "  ZEROTOLMMC(10.15, 10)                -> 0.15\n"
                                "\n"
                                "Virtual condition is the worst-case boundary at\n"
                                "MMC, resultant condition the opposite boundary\n"
                                "at LMC:\n"
                                "  VCINTERNAL(10, 0.2)                  -> 9.8\n"
                                "  VCEXTERNAL(10, 0.2)                  -> 10.2\n"
                                "  RCINTERNAL(10.4, 0.2)                -> 10.6\n"
                                "  RCEXTERNAL(9.6, 0.2)                 -> 9.4\n"
                                "BOUNDARYINTERNAL and BOUNDARYEXTERNAL apply the\n"
                                "same rules to any feature size.\n"
                                "\n"
                                "The fastener formulas give the position\n"
                                "tolerance for holes that take bolts or pins:\n"
                                "  FLOATINGFASTENER(10.5, 10)           -> 0.5\n"
                                "  FIXEDFASTENER(10.5, 10)              -> 0.25\n"
                                "\n"
                                "To judge a result, compare the measured\n"
                                "position with the allowed one:\n"
                                "  POSITIONMARGIN(0.3, 0.25)            -> 0.05\n"
                                "  POSITIONUTIL(0.15, 0.3)              -> 50\n"
                                "\n"
                                "Inputs that cannot describe a real feature,\n"
                                "such as a negative tolerance or a tolerance\n"
                                "larger than the size it is taken from, give\n"
                                "-Cannot Solve-. The functions can be combined,\n"
                                "here through ANS:\n"
                                "  POSITIONALLOW(0.1, 10.2, 10)  -> 0.3\n"
                                "  ANS - POSITION(0.06, 0.08)    -> 0.1\n"
                                "\n"
                                "See also: HELP POSITION, HELP BONUSTOL,\n"
                                "HELP VCINTERNAL"));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("POSITION"),
        {QStringLiteral("POSITION"), QStringLiteral("TRUE POSITION CALCULATION"), QStringLiteral("POSITION ERROR")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the diametral true position error of a point from its deviations in X "
                       "and Y."),
        QStringLiteral("POSITION(dx, dy)"),
        QStringLiteral("dx, dy: The measured location minus the basic location in X and in Y; any "
                       "numbers, positive or negative."),
        QStringLiteral("POSITION(0.003, 0.004) -> 0.01\n"
                       "POSITION(-0.03, 0.04) -> 0.1\n"
                       "POSITION(0, 0.02) -> 0.04"),
        QStringLiteral("Use POSITION to check a hole, pin or other feature against a diametral position "
                       "tolerance: the feature is in tolerance when the result does not exceed the "
                       "tolerance allowed."),
        QStringLiteral("Sumvelle computes 2 * SQRT(dx^2 + dy^2), the diameter of the smallest zone around "
                       "the basic location that holds the measured point. The signs of dx and dy do not "
                       "matter. Any argument count other than two, and an argument that is not a finite "
                       "number, are rejected with -Cannot Solve-. TRUEPOSITION and DIAMETRALDEV give the "
                       "same value."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("TRUEPOSITION"),
        {QStringLiteral("TRUEPOSITION"), QStringLiteral("TRUE POSITION"), QStringLiteral("TRUE POSITION CALCULATION")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the diametral true position error of a point from its deviations in X "
                       "and Y; another name for POSITION."),
        QStringLiteral("TRUEPOSITION(dx, dy)"),
        QStringLiteral("dx, dy: The measured location minus the basic location in X and in Y; any "
                       "numbers, positive or negative."),
        QStringLiteral("TRUEPOSITION(0.003, 0.004) -> 0.01\n"
                       "TRUEPOSITION(0.03, -0.04) -> 0.1"),
        QStringLiteral("Use TRUEPOSITION when you prefer the full name on an inspection sheet; it "
                       "answers exactly as POSITION does."),
        QStringLiteral("Sumvelle computes 2 * SQRT(dx^2 + dy^2). Any argument count other than two, and "
                       "an argument that is not a finite number, are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("POSITION3D"),
        {QStringLiteral("POSITION3D"), QStringLiteral("3D POSITION"), QStringLiteral("THREE DIMENSIONAL POSITION")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the diametral position error of a point from its deviations in X, Y "
                       "and Z."),
        QStringLiteral("POSITION3D(dx, dy, dz)"),
        QStringLiteral("dx, dy, dz: The measured location minus the basic location in X, Y and Z; any "
                       "numbers, positive or negative."),
        QStringLiteral("POSITION3D(0.001, 0.002, 0.002) -> 0.006\n"
                       "POSITION3D(0.003, 0.004, 0) -> 0.01"),
        QStringLiteral("Use POSITION3D for a spherical position zone, where the location of a point is "
                       "controlled in all three directions."),
        QStringLiteral("Sumvelle computes 2 * SQRT(dx^2 + dy^2 + dz^2), the diameter of the smallest "
                       "sphere around the basic location that holds the measured point. Any argument count "
                       "other than three, and an argument that is not a finite number, are rejected with "
                       "-Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("RADIALDEV"),
        {QStringLiteral("RADIALDEV"), QStringLiteral("RADIAL DEVIATION"), QStringLiteral("RADIAL ERROR")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the radial distance of a measured point from its basic location."),
        QStringLiteral("RADIALDEV(dx, dy)"),
        QStringLiteral("dx, dy: The measured location minus the basic location in X and in Y; any "
                       "numbers, positive or negative."),
        QStringLiteral("RADIALDEV(0.003, 0.004) -> 0.005\n"
                       "RADIALDEV(-3, 4) -> 5"),
        QStringLiteral("Use RADIALDEV when a tolerance or report is stated as a radius rather than as the "
                       "diameter of a position zone."),
        QStringLiteral("Sumvelle computes SQRT(dx^2 + dy^2), half the value of POSITION. Any argument "
                       "count other than two, and an argument that is not a finite number, are rejected "
                       "with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("DIAMETRALDEV"),
        {QStringLiteral("DIAMETRALDEV"), QStringLiteral("DIAMETRAL DEVIATION"), QStringLiteral("DIAMETER DEVIATION")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the diametral deviation of a measured point, twice its radial distance "
                       "from the basic location."),
        QStringLiteral("DIAMETRALDEV(dx, dy)"),
        QStringLiteral("dx, dy: The measured location minus the basic location in X and in Y; any "
                       "numbers, positive or negative."),
        QStringLiteral("DIAMETRALDEV(0.003, 0.004) -> 0.01\n"
                       "DIAMETRALDEV(-3, 4) -> 10"),
        QStringLiteral("Use DIAMETRALDEV to compare a measured point directly with a diametral tolerance "
                       "zone; it is twice RADIALDEV."),
        QStringLiteral("Sumvelle computes 2 * SQRT(dx^2 + dy^2), the same value as POSITION. Any argument "
                       "count other than two, and an argument that is not a finite number, are rejected "
                       "with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("COORDDEV"),
        {QStringLiteral("COORDDEV"), QStringLiteral("COORDINATE DEVIATION"), QStringLiteral("COORDINATE ERROR")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the signed deviation of a measured coordinate from its basic value."),
        QStringLiteral("COORDDEV(actual, basic)"),
        QStringLiteral("actual: The measured coordinate; any number.\n"
                       "basic: The basic (nominal) coordinate from the drawing; any number."),
        QStringLiteral("COORDDEV(25.03, 25) -> 0.03\n"
                       "COORDDEV(24.98, 25) -> -0.02\n"
                       "COORDDEV(10.003, 10) -> 0.003\n"
                       "POSITION(0.003, 0.004) -> 0.01"),
        QStringLiteral("Use COORDDEV to get the dx and dy of a feature from its measured and basic "
                       "coordinates before working out its position error."),
        QStringLiteral("Sumvelle computes actual - basic; a positive result lies on the plus side of the "
                       "basic value. Any argument count other than two, and an argument that is not a "
                       "finite number, are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("BONUSTOL"),
        {QStringLiteral("BONUSTOL"), QStringLiteral("BONUS TOLERANCE"), QStringLiteral("MMC BONUS"),
         QStringLiteral("LMC BONUS")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the bonus tolerance of a feature: how far its actual size has departed "
                       "from its MMC or LMC size."),
        QStringLiteral("BONUSTOL(actualSize, materialConditionSize)"),
        QStringLiteral("actualSize: The measured size of the feature; any number.\n"
                       "materialConditionSize: The MMC or LMC size the tolerance applies at; any number."),
        QStringLiteral("BONUSTOL(10.2, 10) -> 0.2\n"
                       "BONUSTOL(9.9, 10) -> 0.1\n"
                       "BONUSTOL(10, 10) -> 0"),
        QStringLiteral("Use BONUSTOL when a position or orientation tolerance is given at MMC or LMC: the "
                       "departure from that size is added to the stated tolerance."),
        QStringLiteral("Sumvelle returns the size of the difference, ABS(actualSize - "
                       "materialConditionSize), so the order of the sizes decides nothing and the result is "
                       "never negative. Check separately that the actual size is within its size limits. "
                       "Any argument count other than two, and an argument that is not a finite number, "
                       "are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("TOTALTOL"),
        {QStringLiteral("TOTALTOL"), QStringLiteral("TOTAL TOLERANCE"), QStringLiteral("AVAILABLE TOLERANCE")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the total tolerance available: the stated tolerance plus the bonus "
                       "tolerance."),
        QStringLiteral("TOTALTOL(statedTolerance, bonusTolerance)"),
        QStringLiteral("statedTolerance: The tolerance in the feature control frame; zero or more.\n"
                       "bonusTolerance: The bonus gained from the feature's size; zero or more."),
        QStringLiteral("TOTALTOL(0.1, 0.2) -> 0.3\n"
                       "TOTALTOL(0.1, BONUSTOL(10.2, 10)) -> 0.3\n"
                       "TOTALTOL(0.05, 0) -> 0.05"),
        QStringLiteral("Use TOTALTOL to find the tolerance a feature may use once its bonus has been "
                       "worked out with BONUSTOL."),
        QStringLiteral("Sumvelle adds the two tolerances. A negative statedTolerance or bonusTolerance, "
                       "any argument count other than two, and an argument that is not a finite number "
                       "are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("POSITIONALLOW"),
        {QStringLiteral("POSITIONALLOW"), QStringLiteral("POSITION ALLOWANCE"), QStringLiteral("ALLOWED POSITION")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the position tolerance allowed for a feature: the stated tolerance plus "
                       "the bonus from its actual size."),
        QStringLiteral("POSITIONALLOW(statedTolerance, actualSize, materialConditionSize)"),
        QStringLiteral("statedTolerance: The position tolerance in the feature control frame; zero or "
                       "more.\n"
                       "actualSize: The measured size of the feature; any number.\n"
                       "materialConditionSize: The MMC or LMC size the tolerance applies at; any number."),
        QStringLiteral("POSITIONALLOW(0.1, 10.2, 10) -> 0.3\n"
                       "POSITIONALLOW(0.1, 10, 10) -> 0.1\n"
                       "POSITIONALLOW(0, 10.15, 10) -> 0.15"),
        QStringLiteral("Use POSITIONALLOW to get in one step the position tolerance to compare with the "
                       "POSITION result of the same feature."),
        QStringLiteral("Sumvelle computes statedTolerance + ABS(actualSize - materialConditionSize), the "
                       "same as TOTALTOL(statedTolerance, BONUSTOL(actualSize, materialConditionSize)). A "
                       "negative statedTolerance, any argument count other than three, and an argument "
                       "that is not a finite number are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("ZEROTOLMMC"),
        {QStringLiteral("ZEROTOLMMC"), QStringLiteral("ZERO TOLERANCE MMC"), QStringLiteral("ZERO POSITION MMC")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the position tolerance allowed under a zero tolerance at MMC callout: the "
                       "departure of the actual size from the MMC size."),
        QStringLiteral("ZEROTOLMMC(actualSize, mmcSize)"),
        QStringLiteral("actualSize: The measured size of the feature; any number.\n"
                       "mmcSize: The maximum material condition size; any number."),
        QStringLiteral("ZEROTOLMMC(10.15, 10) -> 0.15\n"
                       "ZEROTOLMMC(9.9, 10) -> 0.1\n"
                       "ZEROTOLMMC(10, 10) -> 0"),
        QStringLiteral("Use ZEROTOLMMC when the drawing states a position tolerance of 0 at MMC: a "
                       "feature exactly at MMC must be perfectly located, and all tolerance comes from its "
                       "size."),
        QStringLiteral("Sumvelle returns ABS(actualSize - mmcSize). Any argument count other than two, "
                       "and an argument that is not a finite number, are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("VCINTERNAL"),
        {QStringLiteral("VCINTERNAL"), QStringLiteral("VIRTUAL CONDITION INTERNAL"),
         QStringLiteral("INTERNAL VIRTUAL CONDITION"), QStringLiteral("HOLE VIRTUAL CONDITION")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the virtual condition of an internal feature such as a hole: its MMC size "
                       "minus the geometric tolerance."),
        QStringLiteral("VCINTERNAL(mmcSize, geometricTolerance)"),
        QStringLiteral("mmcSize: The MMC (smallest) size of the hole; zero or more.\n"
                       "geometricTolerance: The geometric tolerance at MMC; from 0 up to mmcSize."),
        QStringLiteral("VCINTERNAL(10, 0.2) -> 9.8\n"
                       "VCINTERNAL(6.5, 0.5) -> 6"),
        QStringLiteral("Use VCINTERNAL to find the worst-case boundary a hole presents to a mating part, "
                       "for example to size a functional gauge pin."),
        QStringLiteral("Sumvelle computes mmcSize - geometricTolerance. A negative mmcSize or "
                       "geometricTolerance, a tolerance larger than mmcSize, any argument count other than "
                       "two, and an argument that is not a finite number are rejected with -Cannot "
                       "Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("VCEXTERNAL"),
        {QStringLiteral("VCEXTERNAL"), QStringLiteral("VIRTUAL CONDITION EXTERNAL"),
         QStringLiteral("EXTERNAL VIRTUAL CONDITION"), QStringLiteral("PIN VIRTUAL CONDITION")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the virtual condition of an external feature such as a pin: its MMC size "
                       "plus the geometric tolerance."),
        QStringLiteral("VCEXTERNAL(mmcSize, geometricTolerance)"),
        QStringLiteral("mmcSize: The MMC (largest) size of the pin; zero or more.\n"
                       "geometricTolerance: The geometric tolerance at MMC; zero or more."),
        QStringLiteral("VCEXTERNAL(10, 0.2) -> 10.2\n"
                       "VCEXTERNAL(6, 0.5) -> 6.5"),
        QStringLiteral("Use VCEXTERNAL to find the worst-case boundary a pin or shaft presents to a mating "
                       "part, for example to size a functional gauge hole."),
        QStringLiteral("Sumvelle computes mmcSize + geometricTolerance. A negative mmcSize or "
                       "geometricTolerance, any argument count other than two, and an argument that is not "
                       "a finite number are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("RCINTERNAL"),
        {QStringLiteral("RCINTERNAL"), QStringLiteral("RESULTANT CONDITION INTERNAL"),
         QStringLiteral("INTERNAL RESULTANT CONDITION")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the resultant condition of an internal feature such as a hole: its LMC "
                       "size plus the geometric tolerance."),
        QStringLiteral("RCINTERNAL(lmcSize, geometricTolerance)"),
        QStringLiteral("lmcSize: The LMC (largest) size of the hole; zero or more.\n"
                       "geometricTolerance: The geometric tolerance at LMC, including any bonus; zero or "
                       "more."),
        QStringLiteral("RCINTERNAL(10.4, 0.2) -> 10.6\n"
                       "RCINTERNAL(6, 0.5) -> 6.5"),
        QStringLiteral("Use RCINTERNAL to find the outer worst-case boundary of a hole, for wall "
                       "thickness and edge distance checks."),
        QStringLiteral("Sumvelle computes lmcSize + geometricTolerance. A negative lmcSize or "
                       "geometricTolerance, any argument count other than two, and an argument that is not "
                       "a finite number are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("RCEXTERNAL"),
        {QStringLiteral("RCEXTERNAL"), QStringLiteral("RESULTANT CONDITION EXTERNAL"),
         QStringLiteral("EXTERNAL RESULTANT CONDITION")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the resultant condition of an external feature such as a pin: its LMC "
                       "size minus the geometric tolerance."),
        QStringLiteral("RCEXTERNAL(lmcSize, geometricTolerance)"),
        QStringLiteral("lmcSize: The LMC (smallest) size of the pin; zero or more.\n"
                       "geometricTolerance: The geometric tolerance at LMC, including any bonus; from 0 up "
                       "to lmcSize."),
        QStringLiteral("RCEXTERNAL(9.6, 0.2) -> 9.4\n"
                       "RCEXTERNAL(6.5, 0.5) -> 6"),
        QStringLiteral("Use RCEXTERNAL to find the inner worst-case boundary of a pin or shaft, for "
                       "minimum material and wall thickness checks."),
        QStringLiteral("Sumvelle computes lmcSize - geometricTolerance. A negative lmcSize or "
                       "geometricTolerance, a tolerance larger than lmcSize, any argument count other than "
                       "two, and an argument that is not a finite number are rejected with -Cannot "
                       "Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("BOUNDARYINTERNAL"),
        {QStringLiteral("BOUNDARYINTERNAL"), QStringLiteral("INTERNAL BOUNDARY"), QStringLiteral("INNER BOUNDARY")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the inner boundary of a feature: its size minus the geometric "
                       "tolerance."),
        QStringLiteral("BOUNDARYINTERNAL(featureSize, geometricTolerance)"),
        QStringLiteral("featureSize: The size of the feature at the condition of interest; zero or more.\n"
                       "geometricTolerance: The geometric tolerance at that size; from 0 up to "
                       "featureSize."),
        QStringLiteral("BOUNDARYINTERNAL(10, 0.2) -> 9.8\n"
                       "BOUNDARYINTERNAL(9.6, 0.2) -> 9.4"),
        QStringLiteral("Use BOUNDARYINTERNAL for the boundary on the inside of a feature: the virtual "
                       "condition of a hole at MMC, or the resultant condition of a pin at LMC."),
        QStringLiteral("Sumvelle computes featureSize - geometricTolerance, as VCINTERNAL and RCEXTERNAL "
                       "do. A negative featureSize or geometricTolerance, a tolerance larger than "
                       "featureSize, any argument count other than two, and an argument that is not a "
                       "finite number are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("BOUNDARYEXTERNAL"),
        {QStringLiteral("BOUNDARYEXTERNAL"), QStringLiteral("EXTERNAL BOUNDARY"), QStringLiteral("OUTER BOUNDARY")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the outer boundary of a feature: its size plus the geometric tolerance."),
        QStringLiteral("BOUNDARYEXTERNAL(featureSize, geometricTolerance)"),
        QStringLiteral("featureSize: The size of the feature at the condition of interest; zero or more.\n"
                       "geometricTolerance: The geometric tolerance at that size; zero or more."),
        QStringLiteral("BOUNDARYEXTERNAL(10, 0.2) -> 10.2\n"
                       "BOUNDARYEXTERNAL(10.4, 0.2) -> 10.6"),
        QStringLiteral("Use BOUNDARYEXTERNAL for the boundary on the outside of a feature: the virtual "
                       "condition of a pin at MMC, or the resultant condition of a hole at LMC."),
        QStringLiteral("Sumvelle computes featureSize + geometricTolerance, as VCEXTERNAL and RCINTERNAL "
                       "do. A negative featureSize or geometricTolerance, any argument count other than "
                       "two, and an argument that is not a finite number are rejected with -Cannot "
                       "Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("FLOATINGFASTENER"),
        {QStringLiteral("FLOATINGFASTENER"), QStringLiteral("FLOATING FASTENER"),
         QStringLiteral("FLOATING FASTENER FORMULA")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the position tolerance for each hole of a floating fastener assembly: "
                       "the hole MMC size minus the fastener MMC size."),
        QStringLiteral("FLOATINGFASTENER(holeMMC, fastenerMMC)"),
        QStringLiteral("holeMMC: The MMC (smallest) size of the clearance holes; zero or more.\n"
                       "fastenerMMC: The MMC (largest) size of the fastener; from 0 up to holeMMC."),
        QStringLiteral("FLOATINGFASTENER(10.5, 10) -> 0.5\n"
                       "FLOATINGFASTENER(6.6, 6) -> 0.6"),
        QStringLiteral("Use FLOATINGFASTENER when bolts pass through clearance holes in both parts and "
                       "are held by nuts, so that each part has the whole clearance to itself."),
        QStringLiteral("Sumvelle computes holeMMC - fastenerMMC. A negative size, a fastener larger than "
                       "the hole, any argument count other than two, and an argument that is not a finite "
                       "number are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("FIXEDFASTENER"),
        {QStringLiteral("FIXEDFASTENER"), QStringLiteral("FIXED FASTENER"), QStringLiteral("FIXED FASTENER FORMULA")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the position tolerance for each part of a fixed fastener assembly: half "
                       "the difference between the hole MMC size and the fastener MMC size."),
        QStringLiteral("FIXEDFASTENER(holeMMC, fastenerMMC)"),
        QStringLiteral("holeMMC: The MMC (smallest) size of the clearance hole; zero or more.\n"
                       "fastenerMMC: The MMC (largest) size of the fastener; from 0 up to holeMMC."),
        QStringLiteral("FIXEDFASTENER(10.5, 10) -> 0.25\n"
                       "FIXEDFASTENER(6.6, 6) -> 0.3"),
        QStringLiteral("Use FIXEDFASTENER when the fastener is held in one part, such as a screw in a "
                       "tapped hole or a press-fit pin, so that the clearance is shared between the two "
                       "parts."),
        QStringLiteral("Sumvelle computes (holeMMC - fastenerMMC) / 2, splitting the clearance equally. "
                       "A negative size, a fastener larger than the hole, any argument count other than "
                       "two, and an argument that is not a finite number are rejected with -Cannot "
                       "Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("POSITIONMARGIN"),
        {QStringLiteral("POSITIONMARGIN"), QStringLiteral("POSITION MARGIN"), QStringLiteral("TOLERANCE MARGIN")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the tolerance left over: the allowed position minus the actual position "
                       "error."),
        QStringLiteral("POSITIONMARGIN(allowedPosition, actualPosition)"),
        QStringLiteral("allowedPosition: The position tolerance allowed, with any bonus; zero or more.\n"
                       "actualPosition: The measured position error, as POSITION gives it; zero or more."),
        QStringLiteral("POSITIONMARGIN(0.3, 0.25) -> 0.05\n"
                       "POSITIONMARGIN(0.2, 0.25) -> -0.05\n"
                       "POSITIONMARGIN(0.1, POSITION(0.03, 0.04)) -> 0"),
        QStringLiteral("Use POSITIONMARGIN to pass or fail a feature: zero or more is in tolerance, a "
                       "negative margin is out of tolerance by that amount."),
        QStringLiteral("Sumvelle computes allowedPosition - actualPosition. A negative allowedPosition or "
                       "actualPosition, any argument count other than two, and an argument that is not a "
                       "finite number are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("POSITIONUTIL"),
        {QStringLiteral("POSITIONUTIL"), QStringLiteral("POSITION UTILIZATION"),
         QStringLiteral("TOLERANCE UTILIZATION")},
        QStringLiteral("GD&T"),
        QStringLiteral("Returns the percentage of the allowed position tolerance that the actual "
                       "position error uses."),
        QStringLiteral("POSITIONUTIL(actualPosition, allowedPosition)"),
        QStringLiteral("actualPosition: The measured position error; zero or more.\n"
                       "allowedPosition: The position tolerance allowed, with any bonus; greater than 0."),
        QStringLiteral("POSITIONUTIL(0.15, 0.3) -> 50\n"
                       "POSITIONUTIL(0.3, 0.25) -> 120\n"
                       "POSITIONUTIL(0.25, 0.3) -> 83.333333333333"),
        QStringLiteral("Use POSITIONUTIL to watch how close parts run to their limit: 100 uses the whole "
                       "tolerance, above 100 is out of tolerance."),
        QStringLiteral("Sumvelle computes actualPosition / allowedPosition * 100. A negative "
                       "actualPosition, an allowedPosition of 0 or less, any argument count other than two, "
                       "and an argument that is not a finite number are rejected with -Cannot Solve-. Note "
                       "the argument order, which is the reverse of POSITIONMARGIN."));

    // ---- 97-108: date and time ----

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("TODAY"), {QStringLiteral("TODAY"), QStringLiteral("CURRENT DATE")},
        QStringLiteral("DATE & TIME"), QStringLiteral("Returns the current local date."), QStringLiteral("TODAY"),
        QStringLiteral("None."),
        QStringLiteral("TODAY\n"
                       "TODAY + 30\n"
                       "TODAY - 7\n"
                       "WEEKDAY(TODAY)"),
        QStringLiteral("Use TODAY as the starting point of date arithmetic: due dates, deadlines, the "
                       "days until an event or the days since one."),
        QStringLiteral("Sumvelle reads the computer's local date when the line is evaluated and shows it "
                       "as M/D/YYYY, for example 3/5/2024. Adding or subtracting a number moves it by that "
                       "many days, and subtracting another date gives the number of days between them; the "
                       "number of days must be whole. TODAY is written without parentheses: TODAY() is "
                       "not accepted."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("NOW"),
        {QStringLiteral("NOW"), QStringLiteral("CURRENT TIME"), QStringLiteral("CURRENT DATE TIME")},
        QStringLiteral("DATE & TIME"), QStringLiteral("Returns the current local date and time of day to the second."),
        QStringLiteral("NOW"), QStringLiteral("None."),
        QStringLiteral("NOW\n"
                       "NOW + 1:30\n"
                       "NOW + 2\n"
                       "HOUR(NOW)"),
        QStringLiteral("Use NOW to time-stamp a calculation or to find the date and time a number of "
                       "hours, minutes or days from now."),
        QStringLiteral("Sumvelle reads the computer's local date and time when the line is evaluated and "
                       "shows it as M/D/YYYY H:MM:SS AM/PM, for example 3/5/2024 2:30:15 PM. Adding a "
                       "duration such as 1:30 (hours:minutes) moves it by that time, adding a whole number "
                       "moves it by days, and subtracting another date and time gives the duration "
                       "between them. NOW is written without parentheses: NOW() is not accepted."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("DATE"), {QStringLiteral("DATE")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the date, or date and time, written in quotes, as a value for date "
                       "arithmetic."),
        QStringLiteral("DATE(\"M/D/YYYY\")\n"
                       "DATE(\"M/D/YYYY H:MM AM/PM\")\n"
                       "DATE(\"M/D/YYYY H:MM:SS AM/PM\")"),
        QStringLiteral("M/D/YYYY: The month (1 to 12), the day of that month and the four-digit year; "
                       "the parts may also be separated by \".\" or \"-\".\n"
                       "H:MM AM/PM, H:MM:SS AM/PM: An optional time of day after a blank: the hour from 1 "
                       "to 12, two-digit minutes and seconds from 00 to 59, and AM or PM."),
        QStringLiteral("DATE(\"1/15/2024\") -> 1/15/2024\n"
                       "DATE(\"1/15/2024 3:45 PM\") -> 1/15/2024 3:45 PM\n"
                       "SECOND(DATE(\"1/5/2024 3:45:30 PM\")) -> 30\n"
                       "DATE(\"1/15/2024\") + 30 -> 2/14/2024\n"
                       "DATE(\"3/1/2024\") - DATE(\"2/1/2024\") -> 29\n"
                       "HOUR(DATE(\"1/5/2024 3:45 PM\") + 2:30) -> 18"),
        QStringLiteral("Use DATE to bring a calendar date into a calculation: add or subtract days, add "
                       "durations to a date and time, count the days between two dates, or pass it to "
                       "WEEKDAY, DAY, MONTH, YEAR, HOUR, MINUTE and SECOND."),
        QStringLiteral("Sumvelle reads the text inside the quotes as a local date in the Gregorian "
                       "calendar, with an optional time of day, and shows dates as M/D/YYYY and dates "
                       "with times as M/D/YYYY H:MM AM/PM, with the seconds when they were written or are "
                       "not zero. A day that does not exist (2/30/2024), a year of other than four digits, "
                       "an hour outside 1 to 12, a missing AM or PM, 24-hour times, a time that a "
                       "daylight-saving change skips, and a missing closing quote are rejected with "
                       "-Cannot Solve-, as is a result outside the years 1 to 9999."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("DAYS"), {QStringLiteral("DAYS")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the number of calendar days from the first date to the second."),
        QStringLiteral("DAYS(date1, date2)"),
        QStringLiteral("date1, date2: Dates, written as a quoted \"M/D/YYYY\" text (a time may follow), "
                       "as DATE(...), as TODAY or NOW, or as date arithmetic such as TODAY + 30."),
        QStringLiteral("DAYS(\"1/1/2024\", \"3/1/2024\") -> 60\n"
                       "DAYS(DATE(\"3/1/2024\"), DATE(\"1/1/2024\")) -> -60\n"
                       "DAYS(\"1/1/2024\", \"12/31/2024\") -> 365\n"
                       "DAYS(\"1/1/2024\", TODAY)"),
        QStringLiteral("Use DAYS to count the days until a deadline, between two events, or since a "
                       "date in the past."),
        QStringLiteral("Sumvelle counts the days from date1 to date2, so the result is negative when "
                       "date2 comes first. Only the calendar dates count: times of day are ignored. An "
                       "argument that is not a date (a plain number or a clock time), an invalid date "
                       "text, and any argument count other than two are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("AGE"), {QStringLiteral("AGE")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the age reached today by someone born on the given date, in years, "
                       "months and days."),
        QStringLiteral("AGE(birthDate)"),
        QStringLiteral("birthDate: The date of birth, written as a quoted \"M/D/YYYY\" text or as "
                       "DATE(...); it must not be later than today."),
        QStringLiteral("AGE(\"5/15/1990\")\n"
                       "AGE(DATE(\"2/29/2000\"))\n"
                       "AGE(TODAY) -> 0 years, 0 months, 0 days"),
        QStringLiteral("Use AGE for a person's exact age, or the age of anything dated, such as an "
                       "account, a warranty or a machine, as of today."),
        QStringLiteral("Sumvelle counts whole years from the birth date to today, then whole months, then "
                       "the remaining days, and answers with a text such as 33 years, 9 months, 19 days "
                       "(singular for 1). Where the anniversary day does not exist in a month, it counts "
                       "as the last day of that month, so a February 29 birthday is reached on February 28 "
                       "in other years. A birth date after today, an argument that is not a date, and an "
                       "invalid date text are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("WEEKDAY"), {QStringLiteral("WEEKDAY")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the English name of the day of the week on which a date falls."),
        QStringLiteral("WEEKDAY(date)"),
        QStringLiteral("date: A date or date and time: DATE(...), TODAY, NOW, or date arithmetic such as "
                       "DATE(\"1/15/2024\") + 3."),
        QStringLiteral("WEEKDAY(DATE(\"1/15/2024\")) -> Monday\n"
                       "WEEKDAY(DATE(\"7/4/1776\")) -> Thursday\n"
                       "WEEKDAY(DATE(\"1/15/2024\") + 3) -> Thursday\n"
                       "WEEKDAY(TODAY)"),
        QStringLiteral("Use WEEKDAY to find whether a due date falls on a weekend, or on which day a "
                       "birthday or holiday falls."),
        QStringLiteral("Sumvelle takes the calendar date of the argument in the Gregorian calendar and "
                       "answers with the day name, Monday to Sunday. A quoted text is not taken directly: "
                       "wrap it in DATE(...). An argument that is not a date, such as a number or a clock "
                       "time, is rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("DAY"), {QStringLiteral("DAY")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the day of the month, 1 to 31, of a date."), QStringLiteral("DAY(date)"),
        QStringLiteral("date: A date or date and time: DATE(...), TODAY, NOW, or date arithmetic such as "
                       "DATE(\"1/15/2024\") + 20."),
        QStringLiteral("DAY(DATE(\"1/15/2024\")) -> 15\n"
                       "DAY(DATE(\"1/15/2024\") + 20) -> 4\n"
                       "DAY(TODAY)"),
        QStringLiteral("Use DAY to take the day number out of a date, for instance to check what day of "
                       "the month a date 90 days away falls on."),
        QStringLiteral("Sumvelle takes the calendar date of the argument and returns its day of the month "
                       "as a number. A quoted text is not taken directly: wrap it in DATE(...). An "
                       "argument that is not a date, such as a number or a clock time, is rejected with "
                       "-Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("MONTH"), {QStringLiteral("MONTH")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the month number, 1 to 12, of a date."), QStringLiteral("MONTH(date)"),
        QStringLiteral("date: A date or date and time: DATE(...), TODAY, NOW, or date arithmetic such as "
                       "DATE(\"1/15/2024\") + 20."),
        QStringLiteral("MONTH(DATE(\"1/15/2024\")) -> 1\n"
                       "MONTH(DATE(\"1/15/2024\") + 20) -> 2\n"
                       "MONTH(TODAY)"),
        QStringLiteral("Use MONTH to take the month out of a date, for instance to see in which month a "
                       "date some days away falls."),
        QStringLiteral("Sumvelle takes the calendar date of the argument and returns its month as a "
                       "number, 1 for January. A quoted text is not taken directly: wrap it in DATE(...). "
                       "An argument that is not a date, such as a number or a clock time, is rejected with "
                       "-Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("YEAR"), {QStringLiteral("YEAR")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the year of a date as a four-digit number."), QStringLiteral("YEAR(date)"),
        QStringLiteral("date: A date or date and time: DATE(...), TODAY, NOW, or date arithmetic such as "
                       "DATE(\"12/31/2024\") + 1."),
        QStringLiteral("YEAR(DATE(\"1/15/2024\")) -> 2024\n"
                       "YEAR(DATE(\"12/31/2024\") + 1) -> 2025\n"
                       "YEAR(TODAY)"),
        QStringLiteral("Use YEAR to take the year out of a date, for instance to see in which year a date "
                       "some days away falls."),
        QStringLiteral("Sumvelle takes the calendar date of the argument and returns its year as a "
                       "number. A quoted text is not taken directly: wrap it in DATE(...). An argument "
                       "that is not a date, such as a number or a clock time, is rejected with -Cannot "
                       "Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("HOUR"), {QStringLiteral("HOUR")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the hour of a time of day, 0 to 23, or the whole hours of a duration."),
        QStringLiteral("HOUR(time)"),
        QStringLiteral("time: A clock time such as 3:45 PM, a date and time such as NOW or DATE(\"1/15/2024 "
                       "3:45 PM\"), or a duration such as 27:30 (hours:minutes)."),
        QStringLiteral("HOUR(3:45 PM) -> 15\n"
                       "HOUR(12:30 AM) -> 0\n"
                       "HOUR(DATE(\"1/15/2024 3:45 PM\")) -> 15\n"
                       "HOUR(27:30) -> 27\n"
                       "HOUR(NOW)"),
        QStringLiteral("Use HOUR to take the hour out of a time, on the 24-hour clock, or to count the "
                       "whole hours of a duration."),
        QStringLiteral("For a clock time or a date and time Sumvelle returns the hour of the day from 0 "
                       "(midnight) to 23; for a duration it returns the whole hours, negative for a "
                       "negative duration. A plain date without a time, a number and any other argument "
                       "that is not a time are rejected with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("MINUTE"), {QStringLiteral("MINUTE")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the minutes part, 0 to 59, of a time of day or a duration."),
        QStringLiteral("MINUTE(time)"),
        QStringLiteral("time: A clock time such as 3:45 PM, a date and time such as NOW or DATE(\"1/15/2024 "
                       "3:45 PM\"), or a duration such as 1:30 (hours:minutes)."),
        QStringLiteral("MINUTE(3:45 PM) -> 45\n"
                       "MINUTE(DATE(\"1/15/2024 3:45 PM\")) -> 45\n"
                       "MINUTE(1:30) -> 30\n"
                       "MINUTE(NOW)"),
        QStringLiteral("Use MINUTE to take the minutes out of a time or a duration, for example after "
                       "adding durations together."),
        QStringLiteral("Sumvelle returns the minutes past the hour of a clock time or a date and time, "
                       "and the minutes left over after the whole hours of a duration. A plain date "
                       "without a time, a number and any other argument that is not a time are rejected "
                       "with -Cannot Solve-."));

    AddStandardFunctionHelpEntry(
        entries, QStringLiteral("SECOND"), {QStringLiteral("SECOND")}, QStringLiteral("DATE & TIME"),
        QStringLiteral("Returns the seconds part, 0 to 59, of a time of day or a duration."),
        QStringLiteral("SECOND(time)"),
        QStringLiteral("time: A clock time such as 3:45:30 PM, a date and time such as NOW or "
                       "DATE(\"1/15/2024 3:45:30 PM\"), or a duration such as 0:02:15 "
                       "(hours:minutes:seconds)."),
        QStringLiteral("SECOND(3:45:30 PM) -> 30\n"
                       "SECOND(DATE(\"1/15/2024 3:45:30 PM\")) -> 30\n"
                       "SECOND(0:02:15) -> 15\n"
                       "SECOND(1:30) -> 0"),
        QStringLiteral("Use SECOND to take the seconds out of a time or a duration, for example from a "
                       "lap or process time."),
        QStringLiteral("Sumvelle returns the seconds past the minute of a clock time or a date and time, "
                       "and the seconds left over after the whole minutes of a duration; a time written "
                       "without seconds gives 0. A plain date without a time, a number and any other "
                       "argument that is not a time are rejected with -Cannot Solve-."));
}
