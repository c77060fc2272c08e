#include "benchsupport.h"

#include "pad/mainwindow.h"

#include "corpus.h"

#include <charconv>
#include <chrono>
#include <cmath>

// The parser against a floor: a minimal evaluator that reads the same lines
// with none of the pad's generality (no Unicode digits or names, no function
// families, no nesting bound, no domain checks) and allocates nothing. What
// MainWindow::Eval costs above it is overhead around the arithmetic.

namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Euler = 2.718281828459045;

class FloorEvaluator
{
public:
    FloorEvaluator(const QChar* begin, const QChar* finish) : p(begin), end(finish) {}

    double Evaluate(bool& ok)
    {
        const double value = Expression();
        Skip();
        ok = good && p == end;
        return value;
    }

private:
    char16_t Peek() const { return p < end ? p->unicode() : u'\0'; }
    void Skip()
    {
        while (p < end && p->unicode() == u' ')
            ++p;
    }
    void Close()
    {
        if (Peek() == u')')
            ++p;
        else
            good = false;
    }
    static bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
    static bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

    double Expression()
    {
        double value = Term();
        for (;;) {
            Skip();
            if (Peek() == u'+') {
                ++p;
                value += Term();
            } else if (Peek() == u'-') {
                ++p;
                value -= Term();
            } else {
                return value;
            }
        }
    }

    double Term()
    {
        double value = Unary();
        for (;;) {
            Skip();
            const char16_t c = Peek();
            if (c == u'*') {
                ++p;
                value *= Unary();
            } else if (c == u'/') {
                ++p;
                value /= Unary();
            } else if (c == u'(' || IsLetter(c)) {
                value *= Unary();
            } else {
                return value;
            }
        }
    }

    double Unary()
    {
        Skip();
        if (Peek() == u'-') {
            ++p;
            return -Unary();
        }
        if (Peek() == u'+') {
            ++p;
            return Unary();
        }
        return Power();
    }

    double Power()
    {
        double value = Primary();
        for (;;) {
            Skip();
            if (Peek() == u'!') {
                ++p;
                double product = 1.0;
                for (int i = 2; i <= int(value); ++i)
                    product *= i;
                value = product;
            } else if (Peek() == u'%') {
                ++p;
                value /= 100.0;
            } else {
                break;
            }
        }
        if (Peek() == u'^') {
            ++p;
            return std::pow(value, Unary());
        }
        return value;
    }

    double Primary()
    {
        Skip();
        const char16_t c = Peek();
        if (c == u'(') {
            ++p;
            const double value = Expression();
            Skip();
            Close();
            return value;
        }
        if (IsLetter(c))
            return Name();
        return Number();
    }

    double Name()
    {
        const QChar* start = p;
        while (p < end && (IsLetter(p->unicode()) || IsDigit(p->unicode())))
            ++p;
        const QStringView name(start, p - start);
        Skip();
        if (name.compare(QLatin1String("PI"), Qt::CaseInsensitive) == 0)
            return Pi;
        if (name.compare(QLatin1String("EULER"), Qt::CaseInsensitive) == 0)
            return Euler;

        if (Peek() != u'(') {
            good = false;
            return 0.0;
        }
        ++p;
        double arguments[4] = {};
        int count = 0;
        for (;;) {
            const double argument = Expression();
            if (count < 4)
                arguments[count++] = argument;
            Skip();
            if (Peek() != u',')
                break;
            ++p;
        }
        Close();
        return Call(name, arguments, count);
    }

    double Call(QStringView name, const double* a, int count)
    {
        const auto is = [name](const char* candidate) {
            return name.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0;
        };
        const qint64 x = qint64(a[0]);
        const qint64 y = qint64(a[1]);
        if (count == 1) {
            if (is("SQRT"))
                return std::sqrt(a[0]);
            if (is("ABS"))
                return std::fabs(a[0]);
            if (is("SIN"))
                return std::sin(a[0]);
            if (is("COS"))
                return std::cos(a[0]);
            if (is("TAN"))
                return std::tan(a[0]);
            if (is("LOG"))
                return std::log10(a[0]);
            if (is("LN"))
                return std::log(a[0]);
            if (is("EXP"))
                return std::exp(a[0]);
            if (is("FLOOR"))
                return std::floor(a[0]);
            if (is("CEIL"))
                return std::ceil(a[0]);
            if (is("SIGN"))
                return a[0] > 0 ? 1.0 : a[0] < 0 ? -1.0 : 0.0;
            if (is("DEG"))
                return a[0] * 180.0 / Pi;
            if (is("RAD"))
                return a[0] * Pi / 180.0;
            if (is("NOT"))
                return double(-x - 1);
            if (is("HEX") || is("DEC") || is("BIN"))
                return a[0];
        } else if (count == 2) {
            if (is("ROUND"))
                return std::round(a[1] * std::pow(10.0, a[0])) / std::pow(10.0, a[0]);
            if (is("ATAN2"))
                return std::atan2(a[0], a[1]);
            if (is("AND"))
                return double(x & y);
            if (is("OR"))
                return double(x | y);
            if (is("XOR"))
                return double(x ^ y);
            if (is("SHL"))
                return double(x << y);
            if (is("GCD") || is("LCM")) {
                qint64 g = std::abs(x);
                for (qint64 b = std::abs(y); b != 0;) {
                    const qint64 r = g % b;
                    g = b;
                    b = r;
                }
                return is("GCD") ? double(g) : double(std::abs(x) / g * std::abs(y));
            }
        }
        good = false;
        return 0.0;
    }

    double Number()
    {
        if (Peek() == u'0' && end - p > 2) {
            const char16_t prefix = p[1].unicode() | 0x20;
            const int base = prefix == u'x' ? 16 : prefix == u'o' ? 8 : prefix == u'b' ? 2 : 0;
            if (base != 0) {
                p += 2;
                qint64 value = 0;
                for (; p < end; ++p) {
                    const char16_t c = p->unicode();
                    const int digit = IsDigit(c) ? c - u'0' : IsLetter(c) ? (c | 0x20) - u'a' + 10 : 99;
                    if (digit >= base)
                        break;
                    value = value * base + digit;
                }
                return double(value);
            }
        }

        char text[64] = {};
        int length = 0;
        while (p < end && length < 60 && (IsDigit(p->unicode()) || p->unicode() == u'.'))
            text[length++] = char(p++->unicode());
        if (p < end && (p->unicode() | 0x20) == u'e') {
            text[length++] = 'e';
            ++p;
            while (p < end && length < 63 && (IsDigit(p->unicode()) || p->unicode() == u'-' || p->unicode() == u'+'))
                text[length++] = char(p++->unicode());
        }
        double value = 0.0;
        const auto result = std::from_chars(text, text + length, value);
        good = good && length > 0 && result.ec == std::errc();
        return value;
    }

    const QChar* p;
    const QChar* end;
    bool good = true;
};

double FloorEvaluate(const QString& line, bool& ok)
{
    return FloorEvaluator(line.constData(), line.constData() + line.size()).Evaluate(ok);
}

// Runs one evaluator over the corpus, a line per iteration, and returns the
// wall time per line.
template <typename Evaluate>
double RunCorpus(benchmark::State& state, Evaluate evaluate)
{
    const QStringList& lines = TypicalLines();
    int index = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        bool ok = false;
        benchmark::DoNotOptimize(evaluate(lines.at(index), ok));
        if (!ok)
            state.SkipWithError("a corpus line failed to evaluate");
        index = (index + 1) % lines.size();
    }
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    state.SetItemsProcessed(state.iterations());
    return state.iterations() > 0 ? elapsed.count() / double(state.iterations()) : 0.0;
}

// The floor's time per line over as many lines, measured right after the
// parser's run so that both meet the same load on the machine.
double FloorNanosecondsPerLine(benchmark::IterationCount count)
{
    const QStringList& lines = TypicalLines();
    int index = 0;
    const auto start = std::chrono::steady_clock::now();
    for (benchmark::IterationCount i = 0; i < count; ++i) {
        bool ok = false;
        benchmark::DoNotOptimize(FloorEvaluate(lines.at(index), ok));
        index = (index + 1) % lines.size();
    }
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return count > 0 ? elapsed.count() / double(count) : 0.0;
}

void BM_EvalFloorLine(benchmark::State& state)
{
    // The floor must compute what the parser computes, or the ratio means nothing.
    MainWindow window;
    for (const QString& line : TypicalLines()) {
        bool floorOk = false;
        bool evalOk = false;
        const double floorValue = FloorEvaluate(line, floorOk);
        const double evalValue = window.Eval(line, evalOk);
        if (!floorOk || !evalOk || std::fabs(floorValue - evalValue) > 1e-12 * std::fabs(evalValue)) {
            state.SkipWithError(qPrintable(QStringLiteral("the floor disagrees on \"%1\"").arg(line)));
            return;
        }
    }
    RunCorpus(state, FloorEvaluate);
}
BENCHMARK(BM_EvalFloorLine)->Repetitions(5)->ReportAggregatesOnly(true);

// floor_ratio is the parser's time per line over the floor's. The argument is
// the number of user functions defined: every evaluation first looks for their
// calls.
void BM_EvalLine(benchmark::State& state)
{
    MainWindow window;
    DefineUnusedFunctions(window, int(state.range(0)));
    const double nanoseconds =
        RunCorpus(state, [&window](const QString& line, bool& ok) { return window.Eval(line, ok); });
    const double floor = FloorNanosecondsPerLine(state.iterations());
    if (floor > 0.0)
        state.counters["floor_ratio"] = nanoseconds / floor;
}
BENCHMARK(BM_EvalLine)->Arg(0)->Arg(100)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

SUMVELLE_BENCHMARK_MAIN()
