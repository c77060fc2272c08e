#include "units/UnitConversions.h"

#include "engine/TextScan.h"
#include "pad/mainwindow.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

using TextScan::CodePointBefore;
using TextScan::IsAsciiDigit;
using TextScan::IsAsciiLetter;
using TextScan::IsAsciiSpace;

// A conversion line rewrites at most this many conversions.
constexpr int MaximumRewrites = 32;

QRegularExpression CompileCaseless(const QString& pattern)
{
    QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    expression.optimize();
    return expression;
}

QRegularExpression SourcePattern(const QString& alias)
{
    return CompileCaseless(QStringLiteral("(?:^|\\s)(") + AliasPattern(alias) + QStringLiteral(")\\s*$"));
}

QRegularExpression TargetPattern(const QString& alias)
{
    return CompileCaseless(QStringLiteral("^\\s*(") + AliasPattern(alias)
                           + QStringLiteral(")(?=\\s|$|[=<>+\\-*/^),}])"));
}

// Both patterns of one alias, compiled once: the rewrite runs on every
// keystroke of the preview and on every line of an equation block.
struct CompiledAlias
{
    const UnitDefinition* unit = nullptr;
    QRegularExpression source;
    QRegularExpression target;
    // In UTF-16 units; caseless matching pairs characters of one plane only,
    // so a matched word is as long as the alias's.
    int firstWordLength = 0;
    int lastWordLength = 0;
    bool oneWord = true;
};

// Patterns by alias text, for catalogues other than the program's own.
const CompiledAlias& CachedPatterns(const QString& alias)
{
    static QHash<QString, CompiledAlias> cache;
    auto found = cache.find(alias);
    if (found == cache.end())
        found = cache.insert(alias, {nullptr, SourcePattern(alias), TargetPattern(alias)});
    return *found;
}

// A source alias ends with the last character before the blanks ahead of TO,
// a target alias begins with the first character after the blanks behind it.
// Caseless matching pairs an ASCII character only with its other case, so
// for an ASCII character only the aliases whose end character is that letter,
// or is not ASCII at all, can match; any other character is tried against
// every alias. The matches are those of trying every alias, in the same order.
struct SideIndex
{
    QHash<char16_t, QList<int>> byCharacter; // upper-case ASCII character
    QList<int> notAscii;
};

struct AliasIndex
{
    QList<CompiledAlias> aliases; // catalogue order
    int mostWords = 0;            // of any alias
    QList<int> all;
    SideIndex source; // by an alias's last character
    SideIndex target; // by its first character
};

char16_t IndexKey(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') ? char16_t(u - 'a' + 'A') : u;
}

void AddToIndex(SideIndex& side, QChar c, int alias)
{
    if (c.unicode() < 0x80)
        side.byCharacter[IndexKey(c)].append(alias);
    else
        side.notAscii.append(alias);
}

// Every bucket also holds the aliases that a non-ASCII character begins or
// ends, in catalogue order.
void CompleteBuckets(SideIndex& side)
{
    for (QList<int>& bucket : side.byCharacter) {
        bucket += side.notAscii;
        std::sort(bucket.begin(), bucket.end());
    }
}

const AliasIndex& ProgramAliasIndex()
{
    static const AliasIndex index = [] {
        AliasIndex built;
        for (const UnitDefinition& unit : UnitCatalogue()) {
            for (const QString& alias : unit.aliases) {
                const QString words = alias.simplified();
                const QStringList split = words.split(QLatin1Char(' '));
                built.mostWords = std::max(built.mostWords, int(split.size()));
                const int number = int(built.aliases.size());
                built.aliases.append({&unit, SourcePattern(alias), TargetPattern(alias), int(split.front().size()),
                                      int(split.back().size()), split.size() == 1});
                built.all.append(number);
                AddToIndex(built.source, words.back(), number);
                AddToIndex(built.target, words.front(), number);
            }
        }
        CompleteBuckets(built.source);
        CompleteBuckets(built.target);
        return built;
    }();
    return index;
}

const QList<int>& Candidates(const AliasIndex& index, const SideIndex& side, QChar boundary)
{
    if (boundary.unicode() >= 0x80)
        return index.all;
    const auto found = side.byCharacter.constFind(IndexKey(boundary));
    return found != side.byCharacter.cend() ? *found : side.notAscii;
}

// Runs one side's pattern of each alias and collects the matches.
template <typename PatternOf>
QList<UnitMatch> CollectMatches(QStringView subject, int offset, const QList<const CompiledAlias*>& aliases,
                                PatternOf patternOf)
{
    QList<UnitMatch> matches;
    for (const CompiledAlias* alias : aliases) {
        const QRegularExpressionMatch match = patternOf(*alias).match(subject);
        if (match.hasMatch())
            matches.append({alias->unit, offset + int(match.capturedStart(1)), int(match.capturedLength(1))});
    }
    return matches;
}

// The characters a target's lookahead accepts right after the alias when
// they are not a blank.
bool EndsTargetInsideWord(QChar c)
{
    return QStringView(u"=<>+-*/^),}").contains(c);
}

// Whether an alias has the length of the word written next to TO: the word
// before it (a blank, or the window's start, before; TO after), which a
// source alias's last word must fill, or the word after it, which a target
// alias's first word must fill when more words follow, and otherwise fill or
// end before one of the characters its lookahead accepts. Most aliases that
// share the character next to TO are ruled out here without a match.
bool FitsWrittenWord(const CompiledAlias& alias, bool sourceSide, QStringView word)
{
    if (sourceSide)
        return alias.lastWordLength == word.size();
    const int length = alias.firstWordLength;
    if (length == word.size())
        return true;
    return alias.oneWord && length < word.size() && EndsTargetInsideWord(word.at(length));
}

// The compiled aliases to try for a side, in catalogue order: the indexed
// candidates that fit the written word for the program's catalogue, every
// alias of any other one.
QList<const CompiledAlias*> AliasesToTry(const QList<UnitDefinition>& units, bool sourceSide, QStringView word,
                                         QList<CompiledAlias>& ownPatterns)
{
    QList<const CompiledAlias*> aliases;
    if (&units == &UnitCatalogue()) {
        const AliasIndex& index = ProgramAliasIndex();
        const QChar boundary = sourceSide ? word.back() : word.front();
        for (const int number : Candidates(index, sourceSide ? index.source : index.target, boundary)) {
            const CompiledAlias& alias = index.aliases.at(number);
            if (FitsWrittenWord(alias, sourceSide, word))
                aliases.append(&alias);
        }
        return aliases;
    }
    for (const UnitDefinition& unit : units) {
        for (const QString& alias : unit.aliases) {
            CompiledAlias patterns = CachedPatterns(alias);
            patterns.unit = &unit;
            ownPatterns.append(patterns);
        }
    }
    for (const CompiledAlias& patterns : ownPatterns)
        aliases.append(&patterns);
    return aliases;
}

int MostAliasWords(const QList<UnitDefinition>& units)
{
    if (&units == &UnitCatalogue())
        return ProgramAliasIndex().mostWords;
    int most = 0;
    for (const UnitDefinition& unit : units) {
        for (const QString& alias : unit.aliases)
            most = std::max(most, int(alias.simplified().count(QLatin1Char(' '))) + 1);
    }
    return most;
}

// Where a source alias of at most the given number of words that ends at
// last can begin: those words and the blank before them. The pattern needs
// no more of the text, and running it over everything before each TO made a
// line of many conversions cost the square of its length. Blanks here are
// what the pattern's \s matches.
int SourceWindowStart(QStringView text, int last, int words)
{
    int start = last;
    for (int word = 0; word < words && start > 0; ++word) {
        while (start > 0 && IsAsciiSpace(text.at(start - 1)) && word > 0)
            --start;
        while (start > 0 && !IsAsciiSpace(text.at(start - 1)))
            --start;
    }
    return start > 0 ? start - 1 : 0;
}

// A match inside a longer match at the same place names a different, shorter
// unit (OZ inside FL OZ, FEET inside CUBIC FEET, M inside M/S): the longer
// one is what was written.
QList<UnitMatch> DropCoveredMatches(const QList<UnitMatch>& matches)
{
    QList<UnitMatch> kept;
    for (const UnitMatch& match : matches) {
        const bool covered = std::any_of(matches.cbegin(), matches.cend(), [&match](const UnitMatch& other) {
            return other.length > match.length && other.start <= match.start
                && other.start + other.length >= match.start + match.length;
        });
        if (!covered)
            kept.append(match);
    }
    return kept;
}

struct UnitPair
{
    UnitMatch source;
    UnitMatch target;
};

// The compatible pair with the longest written units; among equals the first
// in catalogue order.
bool ChooseBestPair(const QList<UnitMatch>& sources, const QList<UnitMatch>& targets, UnitPair& best)
{
    int bestScore = -1;
    for (const UnitMatch& source : DropCoveredMatches(sources)) {
        for (const UnitMatch& target : DropCoveredMatches(targets)) {
            if (source.unit->category.compare(target.unit->category, Qt::CaseInsensitive) != 0)
                continue;
            const int score = source.length + target.length;
            if (score > bestScore) {
                bestScore = score;
                best = {source, target};
            }
        }
    }
    return bestScore >= 0;
}

// Every alias that begins the subject, after blanks, at offset plus its place
// in the subject.
QList<UnitMatch> TargetMatchesIn(QStringView subject, int offset, const QList<UnitDefinition>& units)
{
    int first = 0;
    while (first < subject.size() && IsAsciiSpace(subject.at(first)))
        ++first;
    if (first == subject.size())
        return {};
    int wordEnd = first;
    while (wordEnd < subject.size() && !IsAsciiSpace(subject.at(wordEnd)))
        ++wordEnd;
    QList<CompiledAlias> ownPatterns;
    const QList<const CompiledAlias*> aliases =
        AliasesToTry(units, false, subject.mid(first, wordEnd - first), ownPatterns);
    return CollectMatches(subject, offset, aliases,
                          [](const CompiledAlias& alias) -> const QRegularExpression& { return alias.target; });
}

// The end of what a target alias of at most the given number of words, and
// the character its lookahead reads after it, can take of the text: those
// words, the blanks before and between them, and the blank after them.
int TargetWindowEnd(QStringView text, int words)
{
    int end = 0;
    for (int word = 0; word < words && end < text.size(); ++word) {
        while (end < text.size() && IsAsciiSpace(text.at(end)))
            ++end;
        while (end < text.size() && !IsAsciiSpace(text.at(end)))
            ++end;
    }
    return end < text.size() ? end + 1 : end;
}

// The matches of one side of TO by the text of the window that decides them,
// at offsets in that window. A keystroke on a long line of conversions looks
// at the same windows again, and so does each rewrite of the line; the
// regular expressions of the aliases are what a change costs otherwise.
using WindowMatches = QHash<QString, QList<UnitMatch>>;

// Windows are short but for a word of many characters, which is not kept.
constexpr int LongestKeptWindow = 256;
constexpr int MostKeptWindows = 8192;

template <typename Find>
QList<UnitMatch> MatchesOfWindow(WindowMatches& kept, QStringView window, int offset, Find find)
{
    QList<UnitMatch> matches;
    if (window.size() > LongestKeptWindow) {
        matches = find();
    } else {
        const QString key = window.toString();
        const auto found = kept.constFind(key);
        if (found != kept.cend()) {
            matches = *found;
        } else {
            if (kept.size() >= MostKeptWindows)
                kept.clear();
            matches = find();
            kept.insert(key, matches);
        }
    }
    for (UnitMatch& match : matches)
        match.start += offset;
    return matches;
}

// The line is valid UTF-16 wherever a keyword was found (the keyword search
// matches nothing in any other text), so the window matches as the rest of
// the line would.
QList<UnitMatch> TargetsAt(const QString& line, const QRegularExpressionMatch& keyword)
{
    static WindowMatches kept;
    const int position = int(keyword.capturedEnd());
    const QStringView after = QStringView(line).mid(position);
    const QStringView window = after.left(TargetWindowEnd(after, ProgramAliasIndex().mostWords));
    return MatchesOfWindow(kept, window, position, [window] { return TargetMatchesIn(window, 0, UnitCatalogue()); });
}

bool FindConversionAt(const QString& line, const QRegularExpressionMatch& keyword, UnitPair& pair)
{
    const QList<UnitMatch> sources = FindSourceUnitMatches(line, int(keyword.capturedStart()), UnitCatalogue());
    if (sources.isEmpty())
        return false;
    return ChooseBestPair(sources, TargetsAt(line, keyword), pair);
}

// A sign after one of these is an operator between two operands.
bool EndsAnOperand(char32_t c)
{
    if (c < 0x80) {
        const QChar ascii{char16_t(c)};
        return IsAsciiLetter(ascii) || IsAsciiDigit(ascii) || QStringLiteral("!%)._").contains(ascii);
    }
    return QChar::isLetter(c) || QChar::isDigit(c);
}

bool IsBinarySign(const QString& line, int sign)
{
    int i = sign;
    while (i > 0 && line.at(i - 1).isSpace())
        --i;
    if (i == 0)
        return false;
    return EndsAnOperand(CodePointBefore(line, i));
}

// Whether the sign at i follows a number's E (2E-3, 1.5e+2, 5.E-1, .5e-1):
// an E after a digit, or after a point that follows a digit. Matching that
// with a regular expression over everything before the sign cost a scan of
// the line for each sign.
bool IsExponentSign(const QString& line, int i)
{
    if (i < 2 || (line.at(i - 1) != QLatin1Char('e') && line.at(i - 1) != QLatin1Char('E')))
        return false;
    const QChar mantissaEnd = line.at(i - 2);
    return IsAsciiDigit(mantissaEnd) || (mantissaEnd == QLatin1Char('.') && i >= 3 && IsAsciiDigit(line.at(i - 3)));
}

// Where the value converted by a source unit at sourceStart begins: the last
// additive term on its left, a whole product or power, or a whole group.
int ExpressionStart(const QString& line, int sourceStart)
{
    static const QRegularExpression simplifyPrefix(QStringLiteral("^\\s*SIMPLIFY\\b\\s*"),
                                                   QRegularExpression::CaseInsensitiveOption);
    int depth = 0;
    for (int i = sourceStart - 1; i >= 0; --i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char(')')) {
            ++depth;
            continue;
        }
        if (c == QLatin1Char('(')) {
            if (depth == 0)
                return i + 1;
            --depth;
            continue;
        }
        if (depth > 0)
            continue;
        if (QStringLiteral(",{}<=>").contains(c))
            return i + 1;
        if (c != QLatin1Char('+') && c != QLatin1Char('-'))
            continue;
        if (i == 0)
            break;
        if (IsExponentSign(line, i))
            continue;
        if (IsBinarySign(line, i))
            return i + 1;
    }
    // The keyword of a SIMPLIFY command is not part of its argument.
    const QRegularExpressionMatch simplify = simplifyPrefix.match(QStringView(line).left(sourceStart));
    return simplify.hasMatch() ? int(simplify.capturedEnd()) : 0;
}

QString FactorText(double value)
{
    return QString::number(value, 'g', 17);
}

QString ConversionText(const QString& expression, const UnitDefinition& source, const UnitDefinition& target)
{
    QString base;
    if (source.kind == UnitTransformKind::Reciprocal)
        base = QStringLiteral("(") + FactorText(source.factor) + QStringLiteral(" / (") + expression
            + QStringLiteral("))");
    else if (source.offset == 0.0)
        base = QStringLiteral("((") + expression + QStringLiteral(") * ") + FactorText(source.factor)
            + QStringLiteral(")");
    else
        base = QStringLiteral("((") + expression + QStringLiteral(") * ") + FactorText(source.factor)
            + QStringLiteral(" + ") + FactorText(source.offset) + QStringLiteral(")");

    if (target.kind == UnitTransformKind::Reciprocal)
        return QStringLiteral("(") + FactorText(target.factor) + QStringLiteral(" / (") + base + QStringLiteral("))");
    if (target.offset == 0.0)
        return QStringLiteral("((") + base + QStringLiteral(") / ") + FactorText(target.factor) + QStringLiteral(")");
    return QStringLiteral("(((") + base + QStringLiteral(") - ") + FactorText(target.offset) + QStringLiteral(") / ")
        + FactorText(target.factor) + QStringLiteral(")");
}

const QRegularExpression& KeywordPattern()
{
    static const QRegularExpression keyword = CompileCaseless(QStringLiteral("\\bTO\\b"));
    return keyword;
}

// Whether another TO follows the text that ends at end, after blanks. The
// line is valid UTF-16, as for TargetsAt; checking the rest of it each time
// made the check cost the square of the line's length.
bool KeywordFollows(const QString& line, int end)
{
    static const QRegularExpression chained = CompileCaseless(QStringLiteral("^\\s+TO\\b"));
    return chained
        .match(QStringView(line).mid(end), 0, QRegularExpression::NormalMatch,
               QRegularExpression::DontCheckSubjectStringMatchOption)
        .hasMatch();
}

// A conversion whose target is followed by another TO (5 KM TO M TO CM). The
// chosen target is one of the targets found, so a keyword that no target
// stands before is passed over without looking for its sources.
bool HoldsChainedConversion(const QString& line)
{
    QRegularExpressionMatchIterator keywords = KeywordPattern().globalMatch(line);
    while (keywords.hasNext()) {
        const QRegularExpressionMatch keyword = keywords.next();
        const QList<UnitMatch> targets = TargetsAt(line, keyword);
        if (std::none_of(targets.cbegin(), targets.cend(), [&line](const UnitMatch& target) {
                return KeywordFollows(line, target.start + target.length);
            }))
            continue;
        const QList<UnitMatch> sources = FindSourceUnitMatches(line, int(keyword.capturedStart()), UnitCatalogue());
        UnitPair pair;
        if (ChooseBestPair(sources, targets, pair) && KeywordFollows(line, pair.target.start + pair.target.length))
            return true;
    }
    return false;
}

// Rewrites the first conversion that resolves; false when none does.
bool RewriteFirstConversion(QString& line)
{
    QRegularExpressionMatchIterator keywords = KeywordPattern().globalMatch(line);
    while (keywords.hasNext()) {
        UnitPair pair;
        if (!FindConversionAt(line, keywords.next(), pair))
            continue;
        const int start = ExpressionStart(line, pair.source.start);
        const QString expression = line.mid(start, pair.source.start - start).trimmed();
        if (expression.isEmpty())
            continue;
        const int end = pair.target.start + pair.target.length;
        line.replace(start, end - start, ConversionText(expression, *pair.source.unit, *pair.target.unit));
        return true;
    }
    return false;
}

} // namespace

QString AliasPattern(QString alias)
{
    QStringList words = alias.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& word : words)
        word = QRegularExpression::escape(word);
    return words.join(QStringLiteral("\\s+"));
}

QList<UnitMatch> FindSourceUnitMatches(const QString& text, int position, const QList<UnitDefinition>& units)
{
    const QStringView before = QStringView(text).left(position);
    int last = int(before.size());
    while (last > 0 && IsAsciiSpace(before.at(last - 1)))
        --last;
    if (last == 0)
        return {};
    int wordStart = last;
    while (wordStart > 0 && !IsAsciiSpace(before.at(wordStart - 1)))
        --wordStart;
    const int start = SourceWindowStart(before, last, MostAliasWords(units));
    const QStringView window = before.mid(start);
    const auto find = [&units, window, word = before.mid(wordStart, last - wordStart)] {
        QList<CompiledAlias> ownPatterns;
        const QList<const CompiledAlias*> aliases = AliasesToTry(units, true, word, ownPatterns);
        return CollectMatches(window, 0, aliases,
                              [](const CompiledAlias& alias) -> const QRegularExpression& { return alias.source; });
    };
    if (&units != &UnitCatalogue()) {
        QList<UnitMatch> matches = find();
        for (UnitMatch& match : matches)
            match.start += start;
        return matches;
    }
    static WindowMatches kept;
    return MatchesOfWindow(kept, window, start, find);
}

QList<UnitMatch> FindTargetUnitMatches(const QString& text, int position, const QList<UnitDefinition>& units)
{
    return TargetMatchesIn(QStringView(text).mid(position), position, units);
}

namespace {

// The first words of the multi-word aliases, for a look at a line before the
// one pattern of them all runs. In a line without letters beyond ASCII, an
// alias can begin only where a whole word (a run of ASCII letters, digits and
// underscores, as the pattern's bounds read them) equals its first word in
// any case and white space follows; most lines hold no such word.
class AliasFirstWords
{
public:
    explicit AliasFirstWords(const QStringList& firstWords)
    {
        for (const QString& word : firstWords) {
            QByteArray upper;
            bool matchesAscii = true;
            for (const QChar c : word) {
                if (c.unicode() < 0x80) {
                    if (!IsAsciiWordCharacter(c)) {
                        usable = false; // a bound inside the word: no look is sound
                        return;
                    }
                    upper.append(char(c.toUpper().unicode()));
                } else if (c.toUpper().unicode() < 0x80 || c.toLower().unicode() < 0x80
                           || c.toCaseFolded().unicode() < 0x80 || !MayBeLetter(c)) {
                    // Matches an ASCII letter caselessly (the long s), or a
                    // character that the look below passes over.
                    usable = false;
                    return;
                } else {
                    matchesAscii = false; // found only where a letter beyond ASCII is
                }
            }
            if (matchesAscii) {
                words.insert(upper);
                longest = std::max(longest, upper.size());
            }
        }
    }

    // False only where the pattern surely finds nothing.
    bool MayHoldAlias(const QString& text) const
    {
        if (!usable)
            return true;
        QByteArray buffer;
        qsizetype i = 0;
        while (i < text.size()) {
            const QChar c = text.at(i);
            if (!IsAsciiWordCharacter(c)) {
                // A letter beyond ASCII may belong to an alias or bound
                // one: the pattern decides. Other characters only part words.
                if (c.unicode() >= 0x80 && MayBeLetter(c))
                    return true;
                ++i;
                continue;
            }
            const qsizetype start = i;
            while (i < text.size() && IsAsciiWordCharacter(text.at(i)))
                ++i;
            if (i - start > longest || i == text.size() || !IsSpace(text.at(i)))
                continue;
            buffer.resize(i - start);
            for (qsizetype k = start; k < i; ++k)
                buffer[k - start] = char(text.at(k).toUpper().unicode());
            if (words.contains(buffer))
                return true;
        }
        return false;
    }

private:
    static bool IsAsciiWordCharacter(QChar c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == u'_'; }
    static bool MayBeLetter(QChar c)
    {
        return c.isSurrogate() || c.isLetterOrNumber() || c.toUpper() != c || c.toLower() != c || c.toCaseFolded() != c;
    }
    // Any white space, wider than the pattern's.
    static bool IsSpace(QChar c) { return IsAsciiSpace(c) || c.isSpace(); }

    QSet<QByteArray> words;
    qsizetype longest = 0;
    bool usable = true;
};

} // namespace

QList<UnitMatch> FindMultiWordUnitAliases(const QString& text)
{
    struct Alternative
    {
        const UnitDefinition* unit;
        QString alias;
    };
    // One pattern for them all, longest alias first so that it wins where
    // a shorter one begins at the same place.
    static const QList<Alternative> alternatives = [] {
        QList<Alternative> list;
        for (const UnitDefinition& unit : UnitCatalogue()) {
            for (const QString& alias : unit.aliases) {
                if (alias.simplified().contains(QLatin1Char(' ')))
                    list.append({&unit, alias});
            }
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const Alternative& a, const Alternative& b) { return a.alias.size() > b.alias.size(); });
        return list;
    }();
    static const QRegularExpression pattern = [] {
        QStringList pieces;
        for (const Alternative& alternative : alternatives)
            pieces.append(QStringLiteral("(") + AliasPattern(alternative.alias) + QStringLiteral(")"));
        return CompileCaseless(QStringLiteral("(?<![\\p{L}\\p{N}_])(?:") + pieces.join(QLatin1Char('|'))
                               + QStringLiteral(")(?![\\p{L}\\p{N}_])"));
    }();

    static const AliasFirstWords firstWords = [] {
        QStringList words;
        for (const Alternative& alternative : alternatives)
            words.append(alternative.alias.simplified().section(QLatin1Char(' '), 0, 0));
        return AliasFirstWords(words);
    }();

    QList<UnitMatch> found;
    if (!std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); }) || !firstWords.MayHoldAlias(text))
        return found;
    QRegularExpressionMatchIterator matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        // Only the alternative that matched captures, so it is the last one.
        const int alternative = match.lastCapturedIndex();
        found.append({alternatives.at(alternative - 1).unit, int(match.capturedStart()), int(match.capturedLength())});
    }
    return found;
}

QString MainWindow::ExpandUnitConversions(QString line)
{
    if (!line.contains(QLatin1String("TO"), Qt::CaseInsensitive))
        return line;
    // A chained conversion is refused as a whole: "()" cannot be evaluated.
    if (HoldsChainedConversion(line))
        return QStringLiteral("()");
    for (int rewrites = 0; rewrites < MaximumRewrites; ++rewrites) {
        if (!RewriteFirstConversion(line))
            break;
    }
    return line;
}
