#include "tools/LimitedPattern.h"

#include "tools/TimeBudget.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <atomic>
#include <mutex>
#include <optional>

namespace {

std::atomic<int> runningSearches{0};

// The plain code gives up a start position after this many of the engine's
// steps, some 30 microseconds, and leaves it to the code with callouts;
// ordinary patterns rarely come near it.
constexpr uint32_t PlainMatchLimit = 5000;
// Start positions tried by one plain call: with the step limit above, the
// limit is looked at within some 30 ms even where every start costs all the
// steps it may, and every few microseconds on ordinary text.
constexpr PCRE2_SIZE PlainRunStarts = 1024;
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

// The most frame memory a thread's match data keeps between searches; a
// search that needed more gives it back when it ends.
constexpr std::size_t KeptFrameBytes = 1 << 20;

// The engine's memory for match data, noting the largest block it asked for
// (the frames the interpreter grows for backtracking).
void* AllocateMatchMemory(PCRE2_SIZE size, void* largest)
{
    auto& noted = *static_cast<std::size_t*>(largest);
    noted = std::max(noted, std::size_t(size));
    return std::malloc(size);
}

void FreeMatchMemory(void* block, void* /*largest*/)
{
    std::free(block);
}

// The blocks one search matches with. Kept for a thread and used again, they
// spare each search their allocations, and the match data keeps the frames
// the engine grew for backtracking, up to KeptFrameBytes.
struct MatchBlocks
{
    std::size_t largestBlock = 0;
    // Points at largestBlock, so the blocks never move.
    pcre2_general_context* general =
        pcre2_general_context_create(&AllocateMatchMemory, &FreeMatchMemory, &largestBlock);
    pcre2_match_data* data = nullptr;
    pcre2_match_context* plainContext = nullptr;
    pcre2_match_context* checkedContext = nullptr;
    bool busy = false;

    MatchBlocks() = default;
    MatchBlocks(const MatchBlocks&) = delete;
    MatchBlocks& operator=(const MatchBlocks&) = delete;
    ~MatchBlocks()
    {
        pcre2_match_data_free(data);
        pcre2_match_context_free(plainContext);
        pcre2_match_context_free(checkedContext);
        pcre2_general_context_free(general);
    }

    void DropData()
    {
        pcre2_match_data_free(data);
        data = nullptr;
        largestBlock = 0;
    }

    // Makes the blocks ready for a search with the pattern: match data with
    // room for all its groups, as the engine fills them while it matches.
    struct Use
    {
        MatchBlocks& blocks;
        Use(MatchBlocks& used, const pcre2_code* compiled) : blocks(used)
        {
            blocks.busy = true;
            uint32_t groups = 0;
            pcre2_pattern_info(compiled, PCRE2_INFO_CAPTURECOUNT, &groups);
            if (blocks.data && pcre2_get_ovector_count(blocks.data) < groups + 1)
                blocks.DropData();
            if (!blocks.data && blocks.general)
                blocks.data = pcre2_match_data_create_from_pattern(compiled, blocks.general);
            if (!blocks.plainContext)
                blocks.plainContext = pcre2_match_context_create(nullptr);
            if (!blocks.checkedContext)
                blocks.checkedContext = pcre2_match_context_create(nullptr);
        }
        ~Use()
        {
            if (blocks.largestBlock > KeptFrameBytes)
                blocks.DropData();
            blocks.busy = false;
        }
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;
    };
};

} // namespace

// A pattern compiled twice: once plain, for the engine's full speed, and once
// with a callout at every item, which lets the engine look at the limit while
// it backtracks but costs about half again as much.
struct LimitedPattern::Code
{
    pcre2_code* plain = nullptr;
    // The second compile is made on the first start position whose match is
    // too costly for the plain code.
    mutable std::once_flag checkedOnce;
    mutable pcre2_code* checked = nullptr;
    uint32_t options = 0;
    QString pattern;
    // \G holds only at the offset a match call starts from, so a pattern with
    // it is searched in one call, not in runs of start positions.
    bool inRuns = true;

    ~Code()
    {
        pcre2_code_free(plain);
        pcre2_code_free(checked);
    }

    const pcre2_code* Checked() const
    {
        std::call_once(checkedOnce, [this] { checked = Compile(pattern, options | PCRE2_AUTO_CALLOUT); });
        return checked;
    }

    static pcre2_code* Compile(const QString& pattern, uint32_t options)
    {
        int errorCode = 0;
        PCRE2_SIZE errorOffset = 0;
        pcre2_code* compiled = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.utf16()), PCRE2_SIZE(pattern.size()),
                                             options | PCRE2_USE_OFFSET_LIMIT, &errorCode, &errorOffset, nullptr);
        // Without the compiler for this machine the interpreter matches alike.
        if (compiled)
            pcre2_jit_compile(compiled, PCRE2_JIT_COMPLETE);
        return compiled;
    }
};

LimitedPattern::LimitedPattern(const QRegularExpression& expression)
{
    if (!expression.isValid())
        return;
    // Compiling a pattern for the machine costs more than most searches
    // with it, and searches repeat their pattern (over every document, at
    // every key typed), so each thread keeps its last few compiled patterns.
    // Code is never changed once made, so it may go on to other threads.
    struct RecentCode
    {
        QString pattern;
        uint32_t options = 0;
        std::shared_ptr<const Code> code;
    };
    constexpr std::size_t RecentCodeCount = 4;
    thread_local std::array<RecentCode, RecentCodeCount> recent;
    const QString source = expression.pattern();
    uint32_t options = CompileOptions(expression.patternOptions());
    // The engine's start-of-match shortcuts, compiled or interpreted, miss
    // matches of some patterns with groups: "(a|)a+a" finds nothing in
    // "aac", nor "(?=a)a*(a|aa)" in "a". Patterns without groups or
    // alternatives, such as every wildcard search, keep them for speed.
    if (source.contains(QLatin1Char('(')) || source.contains(QLatin1Char('|')))
        options |= PCRE2_NO_START_OPTIMIZE;
    thread_local std::size_t oldest = 0;
    for (const RecentCode& entry : recent) {
        if (entry.code && entry.options == options && entry.pattern == source) {
            code = entry.code;
            return;
        }
    }
    auto owned = std::make_shared<Code>();
    owned->pattern = source;
    owned->options = options;
    owned->plain = Code::Compile(owned->pattern, owned->options);
    if (!owned->plain)
        return;
    owned->inRuns = !owned->pattern.contains(QLatin1String("\\G"));
    code = owned;
    recent[oldest] = RecentCode{source, options, code};
    oldest = (oldest + 1) % RecentCodeCount;
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

    // The thread's match data and contexts, unless a search that a visit
    // started is still using them.
    thread_local MatchBlocks threadBlocks;
    std::optional<MatchBlocks> ownBlocks;
    MatchBlocks& blocks = threadBlocks.busy ? ownBlocks.emplace() : threadBlocks;
    const MatchBlocks::Use use(blocks, code->plain);
    if (!blocks.data || !blocks.plainContext || !blocks.checkedContext)
        return Outcome::Stopped;
    pcre2_match_data* const matchData = blocks.data;
    pcre2_match_context* const plainContext = blocks.plainContext;
    pcre2_match_context* const checkedContext = blocks.checkedContext;
    CalloutState state;
    state.limit = &limit;
    state.steps = stepLimit.load(std::memory_order_relaxed);
    pcre2_set_callout(checkedContext, &CheckLimit, &state);
    pcre2_set_match_limit(plainContext, PlainMatchLimit);
    if (jitStack.stack) {
        pcre2_jit_stack_assign(plainContext, nullptr, jitStack.stack);
        pcre2_jit_stack_assign(checkedContext, nullptr, jitStack.stack);
    }
    // A limit of steps must count every step, so it leaves the plain code out.
    const bool plainFirst = state.steps == 0;

    const auto subject = reinterpret_cast<PCRE2_SPTR>(text.utf16());
    const PCRE2_SIZE length = PCRE2_SIZE(text.size());
    // The subject is checked for valid UTF-16 until a call has passed the
    // check; later calls skip it.
    uint32_t checkOption = 0;
    const auto call = [&](const pcre2_code* compiled, pcre2_match_context* context, PCRE2_SIZE offset,
                          uint32_t options) {
        const int result = pcre2_match(compiled, subject, length, offset, options | checkOption, matchData, context);
        if (result >= 0 || result == PCRE2_ERROR_NOMATCH || result == PCRE2_ERROR_MATCHLIMIT)
            checkOption = PCRE2_NO_UTF_CHECK;
        return result;
    };
    // The leftmost match from offset on. Start positions are tried a run at a
    // time, with the limit looked at between runs; a run whose plain match
    // gives up (too many steps at one start, or any other error) is tried
    // again with the callouts, which look at the limit as they go and carry
    // the engine's usual match limit.
    const auto match = [&](PCRE2_SIZE offset, uint32_t options) {
        for (;;) {
            PCRE2_SIZE last = PCRE2_UNSET;
            if (code->inRuns && !(options & PCRE2_ANCHORED) && length - offset > PlainRunStarts) {
                last = offset + PlainRunStarts;
                // The next run must not start inside a surrogate pair.
                if (last + 1 < length && QChar::isLowSurrogate(text.at(qsizetype(last + 1)).unicode()))
                    ++last;
            }
            pcre2_set_offset_limit(plainContext, last);
            pcre2_set_offset_limit(checkedContext, last);
            int result = PCRE2_ERROR_MATCHLIMIT;
            if (plainFirst)
                result = call(code->plain, plainContext, offset, options);
            if (result < 0 && result != PCRE2_ERROR_NOMATCH) {
                const pcre2_code* checked = code->Checked();
                if (!checked)
                    return result;
                result = call(checked, checkedContext, offset, options);
            }
            if (result != PCRE2_ERROR_NOMATCH || last == PCRE2_UNSET)
                return result;
            if (limit.Stopped())
                return int(PCRE2_ERROR_CALLOUT);
            offset = last + 1;
        }
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
        const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(matchData);
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
