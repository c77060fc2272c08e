#include "tools/LimitedPattern.h"

#include "tools/TimeBudget.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <atomic>

namespace {

std::atomic<int> runningSearches{0};
std::atomic<unsigned> stepLimit{0};

// Holds one search in the running count for as long as it lives.
struct RunningSearch
{
    RunningSearch() { ++runningSearches; }
    ~RunningSearch() { --runningSearches; }
    RunningSearch(const RunningSearch&) = delete;
    RunningSearch& operator=(const RunningSearch&) = delete;
};

// QRegularExpression's own translation of its options; it always compiles for
// UTF-16.
uint32_t CompileOptions(QRegularExpression::PatternOptions options)
{
    uint32_t result = PCRE2_UTF;
    if (options & QRegularExpression::CaseInsensitiveOption)
        result |= PCRE2_CASELESS;
    if (options & QRegularExpression::DotMatchesEverythingOption)
        result |= PCRE2_DOTALL;
    if (options & QRegularExpression::MultilineOption)
        result |= PCRE2_MULTILINE;
    if (options & QRegularExpression::ExtendedPatternSyntaxOption)
        result |= PCRE2_EXTENDED;
    if (options & QRegularExpression::InvertedGreedinessOption)
        result |= PCRE2_UNGREEDY;
    if (options & QRegularExpression::DontCaptureOption)
        result |= PCRE2_NO_AUTO_CAPTURE;
    if (options & QRegularExpression::UseUnicodePropertiesOption)
        result |= PCRE2_UCP;
    return result;
}

// The state of one search that the engine's callouts share.
struct CalloutState
{
    const SearchLimit* limit = nullptr;
    unsigned steps = 0; // of the whole search, 0 for no limit
    unsigned calls = 0;
};

// Called by the engine at every item of the pattern; reading the clock at
// every call would cost more than the match itself, so only every 256th looks.
int CheckLimit(pcre2_callout_block* /*block*/, void* data)
{
    auto* state = static_cast<CalloutState*>(data);
    if ((++state->calls & 0xFF) != 0)
        return 0;
    if (state->steps != 0 && state->calls >= state->steps)
        return PCRE2_ERROR_CALLOUT;
    return state->limit->Stopped() ? PCRE2_ERROR_CALLOUT : 0;
}

struct JitStack
{
    pcre2_jit_stack* stack = pcre2_jit_stack_create(32 * 1024, 512 * 1024, nullptr);
    ~JitStack() { pcre2_jit_stack_free(stack); }
};

} // namespace

struct LimitedPattern::Code
{
    pcre2_code* compiled = nullptr;
    ~Code() { pcre2_code_free(compiled); }
};

LimitedPattern::LimitedPattern(const QRegularExpression& expression)
{
    if (!expression.isValid())
        return;
    const QString pattern = expression.pattern();
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    // Auto callouts let the engine look at the limit while it backtracks.
    pcre2_code* compiled = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.utf16()), PCRE2_SIZE(pattern.size()),
                                         CompileOptions(expression.patternOptions()) | PCRE2_AUTO_CALLOUT, &errorCode,
                                         &errorOffset, nullptr);
    if (!compiled)
        return;
    // Without the compiler for this machine the interpreter matches alike.
    pcre2_jit_compile(compiled, PCRE2_JIT_COMPLETE);
    auto owned = std::make_shared<Code>();
    owned->compiled = compiled;
    code = owned;
}

bool LimitedPattern::IsValid() const
{
    return code != nullptr;
}

LimitedPattern::Outcome LimitedPattern::Contains(const QString& text, const SearchLimit& limit) const
{
    return ForEachMatch(text, limit, [](int, int) { return false; });
}

LimitedPattern::Outcome LimitedPattern::ForEachMatch(const QString& text, const SearchLimit& limit,
                                                     const std::function<bool(int start, int length)>& visit) const
{
    if (!code)
        return Outcome::Stopped;
    const RunningSearch running;
    // One stack for each thread, grown by the engine as a deep match needs.
    thread_local JitStack jitStack;

    std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> matchData(
        pcre2_match_data_create_from_pattern(code->compiled, nullptr), &pcre2_match_data_free);
    std::unique_ptr<pcre2_match_context, decltype(&pcre2_match_context_free)> context(
        pcre2_match_context_create(nullptr), &pcre2_match_context_free);
    if (!matchData || !context)
        return Outcome::Stopped;
    CalloutState state;
    state.limit = &limit;
    state.steps = stepLimit.load(std::memory_order_relaxed);
    pcre2_set_callout(context.get(), &CheckLimit, &state);
    if (jitStack.stack)
        pcre2_jit_stack_assign(context.get(), nullptr, jitStack.stack);

    const auto subject = reinterpret_cast<PCRE2_SPTR>(text.utf16());
    const PCRE2_SIZE length = PCRE2_SIZE(text.size());
    // The subject is checked for valid UTF-16 once; later calls skip the check.
    uint32_t checkOption = 0;
    const auto match = [&](PCRE2_SIZE offset, uint32_t options) {
        const int result =
            pcre2_match(code->compiled, subject, length, offset, options | checkOption, matchData.get(), context.get());
        checkOption = PCRE2_NO_UTF_CHECK;
        return result;
    };

    bool found = false;
    PCRE2_SIZE offset = 0;
    bool previousWasEmpty = false;
    while (offset <= length) {
        if (limit.Stopped())
            return Outcome::Stopped;
        int result = 0;
        if (previousWasEmpty) {
            // After an empty match, first a non-empty match at the same place,
            // then the next match one character on, a surrogate pair counting
            // as one character.
            result = match(offset, PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED);
            if (result == PCRE2_ERROR_NOMATCH) {
                ++offset;
                if (offset < length && QChar::isLowSurrogate(text.at(qsizetype(offset)).unicode()))
                    ++offset;
                if (offset > length)
                    break;
                result = match(offset, 0);
            }
        } else {
            result = match(offset, 0);
        }
        if (result == PCRE2_ERROR_NOMATCH)
            break;
        if (result < 0)
            return Outcome::Stopped;
        const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(matchData.get());
        found = true;
        if (!visit(int(vector[0]), int(vector[1]) - int(vector[0])))
            return Outcome::Found;
        previousWasEmpty = vector[0] == vector[1];
        offset = vector[1];
    }
    return found ? Outcome::Found : Outcome::NotFound;
}

int LimitedPattern::RunningSearches()
{
    return runningSearches.load();
}

void LimitedPattern::SetStepLimit(unsigned steps)
{
    stepLimit = steps;
}

QString LimitedPattern::EscapeLiteral(const QString& character)
{
    if (character.size() == 1 && character.at(0).isNull())
        return QStringLiteral("\\x{0}");
    return QRegularExpression::escape(character);
}
