#include "pad/mainwindow.h"
#include "engine/TextScan.h"
#include "units/UnitConversions.h"

#include <QByteArray>
#include <QHash>
#include <QRegularExpression>
#include <QVarLengthArray>
#include <QtNumeric>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using TextScan::CodePointAt;
using TextScan::CodePointBefore;
using TextScan::IsAsciiLetter;
using TextScan::IsAsciiSpace;
using TextScan::IsWordCharacter;

struct WordReplacement
{
    QString word; // upper case, words separated by single blanks
    QString replacement;
};

// Longer phrases stand first, so that no shorter one takes part of them.
const QList<WordReplacement>& OperatorPhrases()
{
    static const QList<WordReplacement> phrases = {
        {u"RAISED TO THE POWER OF"_s, u"^"_s},
        {u"TO THE POWER OF"_s, u"^"_s},
        {u"RAISED TO"_s, u"^"_s},
        {u"MULTIPLIED BY"_s, u"*"_s},
        {u"DIVIDED BY"_s, u"/"_s},
        {u"ADDED TO"_s, u"+"_s},
        {u"EQUALS"_s, u"="_s},
        {u"EQUAL"_s, u"="_s},
    };
    return phrases;
}

const QList<WordReplacement>& OperatorWords()
{
    static const QList<WordReplacement> words = {
        {u"PLUS"_s, u"+"_s},     {u"ADD"_s, u"+"_s},        {u"ADDED"_s, u"+"_s},    {u"MINUS"_s, u"-"_s},
        {u"SUBTRACT"_s, u"-"_s}, {u"SUBTRACTED"_s, u"-"_s}, {u"MULTIPLY"_s, u"*"_s}, {u"MULTIPLIED"_s, u"*"_s},
        {u"TIMES"_s, u"*"_s},    {u"OF"_s, u"*"_s},         {u"DIVIDE"_s, u"/"_s},   {u"DIVIDED"_s, u"/"_s},
        {u"OVER"_s, u"/"_s},     {u"POWER"_s, u"^"_s},      {u"EXPONENT"_s, u"^"_s}, {u"POSITIVE"_s, u"+"_s},
        {u"NEGATIVE"_s, u"-"_s},
    };
    return words;
}

// A phrase as whole words in any case, with any white space between its words.
QRegularExpression PhrasePattern(const QString& phrase)
{
    QStringList pieces;
    const QStringList words = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words)
        pieces.append(QRegularExpression::escape(word));
    return QRegularExpression(QStringLiteral("(?<![A-Za-z0-9_])") + pieces.join(QStringLiteral("\\s+"))
                                  + QStringLiteral("(?![A-Za-z0-9_])"),
                              QRegularExpression::CaseInsensitiveOption);
}

struct CompiledReplacement
{
    QRegularExpression pattern;
    QString replacement;
};

// Both tables, phrases first, compiled once: the word operators run on every
// keystroke of the live preview.
const QList<CompiledReplacement>& CompiledReplacements()
{
    static const QList<CompiledReplacement> compiled = [] {
        QList<CompiledReplacement> list;
        for (const QList<WordReplacement>* table : {&OperatorPhrases(), &OperatorWords()}) {
            for (const WordReplacement& entry : *table)
                list.append({PhrasePattern(entry.word), entry.replacement});
        }
        return list;
    }();
    return compiled;
}

// ---- Words -------------------------------------------------------------------

// A word is a maximal run of ASCII letters; both vocabularies are looked up by
// the word in upper case.
struct WordSpan
{
    int start;
    int end;
};

QList<WordSpan> FindWords(const QString& text)
{
    QList<WordSpan> words;
    int i = 0;
    while (i < text.size()) {
        if (!IsAsciiLetter(text.at(i))) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < text.size() && IsAsciiLetter(text.at(i)))
            ++i;
        words.append({start, i});
    }
    return words;
}

// The word in upper case, written into buffer so that looking up a word costs
// no allocation. Words longer than maximumLength are in no vocabulary and come
// back empty.
QByteArray UpperCaseWord(const QString& text, const WordSpan& word, int maximumLength, QByteArray& buffer)
{
    const int length = word.end - word.start;
    if (length > maximumLength)
        return QByteArray();
    buffer.resize(length);
    for (int i = 0; i < length; ++i)
        buffer[i] = char(text.at(word.start + i).unicode() & ~0x20); // ASCII letters only
    return buffer;
}

// For each first word of a phrase, the replacements that begin with it.
const QHash<QByteArray, QList<int>>& ReplacementsByFirstWord()
{
    static const QHash<QByteArray, QList<int>> byFirstWord = [] {
        QHash<QByteArray, QList<int>> map;
        int index = 0;
        for (const QList<WordReplacement>* table : {&OperatorPhrases(), &OperatorWords()}) {
            for (const WordReplacement& entry : *table)
                map[entry.word.section(QLatin1Char(' '), 0, 0).toLatin1()].append(index++);
        }
        return map;
    }();
    return byFirstWord;
}

int LongestFirstWord()
{
    static const int longest = [] {
        qsizetype length = 0;
        for (auto it = ReplacementsByFirstWord().cbegin(); it != ReplacementsByFirstWord().cend(); ++it)
            length = std::max(length, it.key().size());
        return int(length);
    }();
    return longest;
}

// ---- Number words --------------------------------------------------------------

const QHash<QByteArray, qint64>& UnitWords()
{
    static const QHash<QByteArray, qint64> units = {
        {"ZERO", 0},     {"ONE", 1},      {"TWO", 2},        {"THREE", 3},     {"FOUR", 4},
        {"FIVE", 5},     {"SIX", 6},      {"SEVEN", 7},      {"EIGHT", 8},     {"NINE", 9},
        {"TEN", 10},     {"ELEVEN", 11},  {"TWELVE", 12},    {"THIRTEEN", 13}, {"FOURTEEN", 14},
        {"FIFTEEN", 15}, {"SIXTEEN", 16}, {"SEVENTEEN", 17}, {"EIGHTEEN", 18}, {"NINETEEN", 19},
    };
    return units;
}

const QHash<QByteArray, qint64>& TensWords()
{
    static const QHash<QByteArray, qint64> tens = {
        {"TWENTY", 20}, {"THIRTY", 30},  {"FORTY", 40},  {"FIFTY", 50},
        {"SIXTY", 60},  {"SEVENTY", 70}, {"EIGHTY", 80}, {"NINETY", 90},
    };
    return tens;
}

const QHash<QByteArray, qint64>& ScaleWords()
{
    static const QHash<QByteArray, qint64> scales = {
        {"THOUSAND", 1000LL},
        {"MILLION", 1000000LL},
        {"BILLION", 1000000000LL},
        {"TRILLION", 1000000000000LL},
    };
    return scales;
}

// SEVENTEEN, the longest number word.
constexpr int LongestNumberWord = 9;

bool IsNumberUnit(const QByteArray& upperWord, qint64& value)
{
    const auto found = UnitWords().constFind(upperWord);
    if (found == UnitWords().cend())
        return false;
    value = *found;
    return true;
}

bool IsNumberTens(const QByteArray& upperWord, qint64& value)
{
    const auto found = TensWords().constFind(upperWord);
    if (found == TensWords().cend())
        return false;
    value = *found;
    return true;
}

enum class NumberWordKind { None, Unit, Tens, Hundred, Scale, Point };

struct NumberWord
{
    WordSpan span;
    NumberWordKind kind = NumberWordKind::None;
    qint64 value = 0;
};

NumberWord ClassifyNumberWord(const QString& text, const WordSpan& span, QByteArray& buffer)
{
    NumberWord word{span};
    const QByteArray upper = UpperCaseWord(text, span, LongestNumberWord, buffer);
    if (upper.isEmpty())
        return word;
    if (IsNumberUnit(upper, word.value))
        word.kind = NumberWordKind::Unit;
    else if (IsNumberTens(upper, word.value))
        word.kind = NumberWordKind::Tens;
    else if (upper == "HUNDRED")
        word.kind = NumberWordKind::Hundred;
    else if (upper == "POINT")
        word.kind = NumberWordKind::Point;
    else if (ScaleWords().contains(upper)) {
        word.kind = NumberWordKind::Scale;
        word.value = ScaleWords().value(upper);
    }
    return word;
}

// Reads a run of number words one word at a time, by the additive grammar:
// units and tens add up within a group, HUNDRED multiplies the group, a scale
// word adds the scaled group to the total, and after POINT every word is one
// digit. A sum or product beyond 64 bits fails like any other bad run.
// Read() answers false once no run that goes on from here can convert: the
// reader never un-reads, and every word only adds or multiplies, so a whole
// part that no longer fits never fits again.
class NumberRunReader
{
public:
    // Where a run that converts ended: enough to write its numeral later.
    struct Mark
    {
        qint64 whole = 0;
        qsizetype digits = -1; // -1: no point
    };

    bool Read(const NumberWord& word)
    {
        if (pointRead) {
            if (word.kind != NumberWordKind::Unit || word.value > 9)
                return false;
            fraction += QChar(u'0' + int(word.value));
            return true;
        }
        switch (word.kind) {
        case NumberWordKind::Unit:
        case NumberWordKind::Tens:
            if (qAddOverflow(group, word.value, &group))
                return false;
            break;
        case NumberWordKind::Hundred:
            if (group == 0)
                group = 100;
            else if (qMulOverflow(group, qint64(100), &group))
                return false;
            break;
        case NumberWordKind::Scale: {
            qint64 amount = word.value;
            if (group != 0 && qMulOverflow(word.value, group, &amount))
                return false;
            if (qAddOverflow(total, amount, &total))
                return false;
            group = 0;
            break;
        }
        case NumberWordKind::Point:
            pointRead = true;
            break;
        case NumberWordKind::None:
            return false;
        }
        return !qAddOverflow(total, group, &whole);
    }

    // The words read so far make a numeral: POINT needs a digit after it.
    bool Converts() const { return !pointRead || !fraction.isEmpty(); }

    Mark Here() const { return {whole, pointRead ? fraction.size() : qsizetype(-1)}; }

    QString Numeral(const Mark& mark) const
    {
        QString numeral = QString::number(mark.whole);
        if (mark.digits >= 0) {
            numeral += QLatin1Char('.');
            numeral += QStringView(fraction).left(mark.digits);
        }
        return numeral;
    }

private:
    qint64 total = 0;
    qint64 group = 0;
    qint64 whole = 0;
    bool pointRead = false;
    QString fraction;
};

// Number words join across white space, or across one hyphen written
// without blanks (TWENTY-FIVE). A hyphen between blanks is a minus sign left
// by an operator word, so FIVE - THREE stays two numbers.
bool JoinsNumberWords(const QString& text, int from, int to)
{
    if (to - from == 1 && text.at(from) == QLatin1Char('-'))
        return true;
    if (to <= from)
        return false;
    for (int i = from; i < to; ++i) {
        if (!IsAsciiSpace(text.at(i)))
            return false;
    }
    return true;
}

// Looks at whole code points, so that a letter or digit beyond the basic
// plane (a surrogate pair) joins a word as any other letter does.
bool StandsAloneAfter(const QString& text, int end)
{
    return end >= text.size() || !IsWordCharacter(CodePointAt(text, end));
}

bool StandsAloneBefore(const QString& text, int start)
{
    return start == 0 || !IsWordCharacter(CodePointBefore(text, start));
}

// Every run of number words that converts, replaced by its numeral, in one
// pass from the left. Each run is the longest one that converts from its
// first word; a first word from which none converts is passed over. A
// replacement never changes what comes before it, nor the white space and
// hyphens after it, so no earlier word needs a second look.
QString ReplaceNumberRuns(const QString& text, const QList<WordSpan>& spans)
{
    QList<NumberWord> words;
    words.reserve(spans.size());
    QByteArray buffer;
    for (const WordSpan& span : spans)
        words.append(ClassifyNumberWord(text, span, buffer));

    QString result;
    int copiedUntil = 0;
    int first = 0;
    while (first < words.size()) {
        if (words.at(first).kind == NumberWordKind::None || !StandsAloneBefore(text, words.at(first).span.start)) {
            ++first;
            continue;
        }
        NumberRunReader reader;
        int best = -1;
        NumberRunReader::Mark bestMark;
        for (int last = first; last < words.size(); ++last) {
            const NumberWord& word = words.at(last);
            if (last > first
                && (word.kind == NumberWordKind::None
                    || !JoinsNumberWords(text, words.at(last - 1).span.end, word.span.start)))
                break;
            if (!reader.Read(word))
                break;
            if (reader.Converts() && StandsAloneAfter(text, word.span.end)) {
                best = last;
                bestMark = reader.Here();
            }
        }
        if (best < 0) {
            ++first;
            continue;
        }
        result += QStringView(text).mid(copiedUntil, words.at(first).span.start - copiedUntil);
        result += reader.Numeral(bestMark);
        copiedUntil = words.at(best).span.end;
        first = best + 1;
    }
    if (copiedUntil == 0)
        return text;
    result += QStringView(text).mid(copiedUntil);
    return result;
}

QString ReplaceNumberWordPhrases(const QString& text)
{
    return ReplaceNumberRuns(text, FindWords(text));
}

} // namespace

QString MainWindow::WordOp(QString text)
{
    // ASCII without letters holds no operator word, number word or unit
    // name. Most trial points of a solve read so, and one look spares them
    // every pass below.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80 && !IsAsciiLetter(c); }))
        return text;

    text = TextScan::WithoutLoneSurrogates(text);

    // Unit names holding operator or number words (INCHES OF MERCURY, PARTS
    // PER MILLION) stay whole for the unit conversions that follow.
    const QList<UnitMatch> unitNames = FindMultiWordUnitAliases(text);
    if (!unitNames.isEmpty()) {
        QString rewritten;
        int from = 0;
        for (const UnitMatch& name : unitNames) {
            rewritten += WordOp(text.mid(from, name.start - from)) + text.mid(name.start, name.length);
            from = name.start + name.length;
        }
        return rewritten + WordOp(text.mid(from));
    }

    const QList<WordSpan> words = FindWords(text);
    if (words.isEmpty())
        return text;

    // A phrase matches whole words only, so its first word stands in the text
    // as a word of its own; running only those patterns, in table order,
    // spares most lines every regular expression.
    const QList<CompiledReplacement>& replacements = CompiledReplacements();
    QVarLengthArray<bool, 32> wanted(replacements.size(), false);
    bool anyWanted = false;
    QByteArray buffer;
    for (const WordSpan& word : words) {
        const QByteArray upper = UpperCaseWord(text, word, LongestFirstWord(), buffer);
        if (upper.isEmpty())
            continue;
        const auto found = ReplacementsByFirstWord().constFind(upper);
        if (found == ReplacementsByFirstWord().cend())
            continue;
        for (const int index : *found)
            wanted[index] = true;
        anyWanted = true;
    }
    // Caseless matching also takes the long s (U+017F) for S and the Kelvin
    // sign (U+212A) for K, which the ASCII word scan above cannot see.
    if (text.contains(QChar(0x017F)) || text.contains(QChar(0x212A))) {
        std::fill(wanted.begin(), wanted.end(), true);
        anyWanted = true;
    }
    if (!anyWanted)
        return ReplaceNumberRuns(text, words);
    for (int i = 0; i < replacements.size(); ++i) {
        if (wanted[i])
            text.replace(replacements.at(i).pattern, replacements.at(i).replacement);
    }
    return ReplaceNumberWordPhrases(text);
}

QString MainWindow::RewriteWordOperators(const QString& text)
{
    // The rewrite leaves its own output unchanged, so its last output needs
    // no second pass: within one Enter the normaliser rewrites the line and
    // the pipeline's retry sees the same text again.
    if (text == lastWordOperatorOutput)
        return text;
    lastWordOperatorOutput = WordOp(text);
    return lastWordOperatorOutput;
}
