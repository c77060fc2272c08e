// The searches' matcher: the first line is a regular expression, the second
// its switches ("i" case-insensitive, "s" dot matches all, "m" multiline,
// "x" extended, "u" ungreedy, "n" no capture, "p" Unicode properties, "w"
// the text read as raw UTF-16 units, so that lone surrogates occur), the
// rest the text. A search that ends finds exactly what QRegularExpression
// finds, whether the engine's steps are limited or not.

#include "FuzzSupport.h"

#include "tools/LimitedPattern.h"
#include "tools/TimeBudget.h"

#include <QRegularExpression>

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Few enough steps that a backtracking pattern costs little, enough that
// most searches end and are compared.
constexpr unsigned StepsForInput = 20000;

QRegularExpression::PatternOptions OptionsOf(const QString& switches)
{
    QRegularExpression::PatternOptions options;
    const std::pair<char, QRegularExpression::PatternOption> letters[] = {
        {'i', QRegularExpression::CaseInsensitiveOption},
        {'s', QRegularExpression::DotMatchesEverythingOption},
        {'m', QRegularExpression::MultilineOption},
        {'x', QRegularExpression::ExtendedPatternSyntaxOption},
        {'u', QRegularExpression::InvertedGreedinessOption},
        {'n', QRegularExpression::DontCaptureOption},
        {'p', QRegularExpression::UseUnicodePropertiesOption},
    };
    for (const auto& [letter, option] : letters) {
        if (switches.contains(QLatin1Char(letter)))
            options |= option;
    }
    return options;
}

QString TextOf(const QByteArray& bytes, bool rawUnits)
{
    if (!rawUnits)
        return QString::fromUtf8(bytes);
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t(uchar(bytes.at(i)) | (uchar(bytes.at(i + 1)) << 8)));
    return text;
}

// Kept from input to input, emptied before each, so that an input with
// thousands of matches grows no list.
using Matches = std::vector<std::pair<int, int>>;

LimitedPattern::Outcome LimitedMatches(const LimitedPattern& pattern, const QString& text, Matches& found)
{
    found.clear();
    const SearchLimit limit(-1);
    return pattern.ForEachMatch(text, limit, [&found](int start, int length) {
        found.emplace_back(start, length);
        return true;
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzSupport::SplitInput input = FuzzSupport::Split(data, size);
    // Most inputs change only the text: the last input's expression, already
    // compiled, serves again when its pattern and switches are the same.
    static QRegularExpression last;
    static QRegularExpression withoutShortcuts(QStringLiteral("(*NO_START_OPT)"));
    const QRegularExpression::PatternOptions options = OptionsOf(input.second);
    if (last.pattern() != input.first || last.patternOptions() != options) {
        last = QRegularExpression(input.first, options);
        withoutShortcuts = QRegularExpression(QStringLiteral("(*NO_START_OPT)") + input.first, options);
    }
    const QRegularExpression& expression = last;
    const LimitedPattern pattern(expression);
    if (pattern.IsValid() != expression.isValid())
        std::abort();
    if (!expression.isValid())
        return 0;
    const QString text = TextOf(input.rest, input.second.contains(QLatin1Char('w')));

    LimitedPattern::SetStepLimit(StepsForInput);
    static Matches limited;
    const LimitedPattern::Outcome limitedOutcome = LimitedMatches(pattern, text, limited);
    if (limitedOutcome == LimitedPattern::Outcome::Stopped)
        return 0;

    // The search ended within its steps, so QRegularExpression, the same
    // engine without the checks, ends soon too. Its start-of-match shortcuts
    // miss matches of some patterns, so they are off here.
    static Matches expected;
    expected.clear();
    QRegularExpressionMatchIterator iterator = withoutShortcuts.globalMatch(text);
    while (iterator.hasNext()) {
        const QRegularExpressionMatch match = iterator.next();
        expected.emplace_back(int(match.capturedStart(0)), int(match.capturedLength(0)));
    }
    if (limited != expected || (limitedOutcome == LimitedPattern::Outcome::Found) != !expected.empty())
        std::abort();

    // Without a limit of steps, the plain engine goes first: it must find
    // the same.
    LimitedPattern::SetStepLimit(0);
    static Matches plain;
    const LimitedPattern::Outcome plainOutcome = LimitedMatches(pattern, text, plain);
    LimitedPattern::SetStepLimit(StepsForInput);
    if (plain != limited || plainOutcome != limitedOutcome)
        std::abort();
    return 0;
}
