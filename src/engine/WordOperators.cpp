#include "pad/mainwindow.h"
#include "engine/TextScan.h"
#include "units/UnitConversions.h"

#include <QHash>
#include <QRegularExpression>
#include <QVarLengthArray>
#include <QtNumeric>

#include <algorithm>

namespace {

using TextScan::IsAsciiLetter;
using TextScan::IsAsciiSpace;

struct WordReplacement
{
    QString word;         // upper case, words separated by single blanks
    QString replacement;
};

// Longer phrases stand first, so that no shorter one takes part of them.
const QList<WordReplacement>& OperatorPhrases()
{
    static const QList<WordReplacement> phrases = {
        {"RAISED TO THE POWER OF", "^"},
        {"TO THE POWER OF", "^"},
        {"RAISED TO", "^"},
        {"MULTIPLIED BY", "*"},
        {"DIVIDED BY", "/"},
        {"ADDED TO", "+"},
        {"EQUALS", "="},
        {"EQUAL", "="},
    };
    return phrases;
}

const QList<WordReplacement>& OperatorWords()
{
    static const QList<WordReplacement> words = {
        {"PLUS", "+"},      {"ADD", "+"},     {"ADDED", "+"},   {"MINUS", "-"},    {"SUBTRACT", "-"},
        {"SUBTRACTED", "-"}, {"MULTIPLY", "*"}, {"MULTIPLIED", "*"}, {"TIMES", "*"}, {"OF", "*"},
        {"DIVIDE", "/"},    {"DIVIDED", "/"}, {"OVER", "/"},    {"POWER", "^"},    {"EXPONENT", "^"},
        {"POSITIVE", "+"},  {"NEGATIVE", "-"},
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

// For each first word of a phrase, the replacements that begin with it.
const QHash<QString, QList<int>>& ReplacementsByFirstWord()
{
    static const QHash<QString, QList<int>> byFirstWord = [] {
        QHash<QString, QList<int>> map;
        int index = 0;
        for (const QList<WordReplacement>* table : {&OperatorPhrases(), &OperatorWords()}) {
            for (const WordReplacement& entry : *table)
                map[entry.word.section(QLatin1Char(' '), 0, 0)].append(index++);
        }
        return map;
    }();
    return byFirstWord;
}

const QHash<QString, qint64>& UnitWords()
{
    static const QHash<QString, qint64> units = {
        {"ZERO", 0},      {"ONE", 1},        {"TWO", 2},        {"THREE", 3},     {"FOUR", 4},
        {"FIVE", 5},      {"SIX", 6},        {"SEVEN", 7},      {"EIGHT", 8},     {"NINE", 9},
        {"TEN", 10},      {"ELEVEN", 11},    {"TWELVE", 12},    {"THIRTEEN", 13}, {"FOURTEEN", 14},
        {"FIFTEEN", 15},  {"SIXTEEN", 16},   {"SEVENTEEN", 17}, {"EIGHTEEN", 18}, {"NINETEEN", 19},
    };
    return units;
}

const QHash<QString, qint64>& TensWords()
{
    static const QHash<QString, qint64> tens = {
        {"TWENTY", 20}, {"THIRTY", 30},  {"FORTY", 40},  {"FIFTY", 50},
        {"SIXTY", 60},  {"SEVENTY", 70}, {"EIGHTY", 80}, {"NINETY", 90},
    };
    return tens;
}

const QHash<QString, qint64>& ScaleWords()
{
    static const QHash<QString, qint64> scales = {
        {"THOUSAND", 1000LL},
        {"MILLION", 1000000LL},
        {"BILLION", 1000000000LL},
        {"TRILLION", 1000000000000LL},
    };
    return scales;
}

bool IsNumberUnit(const QString& word, qint64& value)
{
    const auto found = UnitWords().constFind(word.toUpper());
    if (found == UnitWords().cend())
        return false;
    value = *found;
    return true;
}

bool IsNumberTens(const QString& word, qint64& value)
{
    const auto found = TensWords().constFind(word.toUpper());
    if (found == TensWords().cend())
        return false;
    value = *found;
    return true;
}

bool IsNumberWord(const QString& word)
{
    const QString upper = word.toUpper();
    return UnitWords().contains(upper) || TensWords().contains(upper) || ScaleWords().contains(upper)
           || upper == QLatin1String("HUNDRED") || upper == QLatin1String("POINT");
}

// The numeral of a run of number words. The grammar only adds and
// multiplies; a sum or product beyond 64 bits fails like any other bad run.
bool ConvertNumberWords(const QStringList& tokens, QString& numeral)
{
    int point = -1;
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens.at(i).compare(QLatin1String("POINT"), Qt::CaseInsensitive) != 0)
            continue;
        if (point >= 0)
            return false;
        point = i;
    }
    if (point == tokens.size() - 1)
        return false;

    const int wholeEnd = point >= 0 ? point : int(tokens.size());
    qint64 total = 0;
    qint64 group = 0;
    for (int i = 0; i < wholeEnd; ++i) {
        const QString upper = tokens.at(i).toUpper();
        qint64 value = 0;
        if (IsNumberUnit(upper, value) || IsNumberTens(upper, value)) {
            if (qAddOverflow(group, value, &group))
                return false;
        } else if (upper == QLatin1String("HUNDRED")) {
            if (group == 0)
                group = 100;
            else if (qMulOverflow(group, qint64(100), &group))
                return false;
        } else {
            const qint64 scale = ScaleWords().value(upper);
            qint64 amount = scale;
            if (group != 0 && qMulOverflow(scale, group, &amount))
                return false;
            if (qAddOverflow(total, amount, &total))
                return false;
            group = 0;
        }
    }
    qint64 whole = 0;
    if (qAddOverflow(total, group, &whole))
        return false;

    numeral = QString::number(whole);
    if (point < 0)
        return true;
    numeral += QLatin1Char('.');
    for (int i = point + 1; i < tokens.size(); ++i) {
        qint64 digit = 0;
        if (!IsNumberUnit(tokens.at(i), digit) || digit > 9)
            return false;
        numeral += QChar(QLatin1Char('0').unicode() + int(digit));
    }
    return true;
}

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

bool IsWordCharacter(char32_t c)
{
    return c == U'_' || QChar::isLetterOrNumber(c);
}

// Looks at whole code points, so that a letter or digit beyond the basic
// plane (a surrogate pair) joins a word as any other letter does.
bool StandsAlone(const QString& text, int start, int end)
{
    if (start > 0) {
        char32_t before = text.at(start - 1).unicode();
        if (QChar::isLowSurrogate(before) && start > 1 && text.at(start - 2).isHighSurrogate())
            before = QChar::surrogateToUcs4(text.at(start - 2), text.at(start - 1));
        if (IsWordCharacter(before))
            return false;
    }
    if (end < text.size()) {
        char32_t after = text.at(end).unicode();
        if (QChar::isHighSurrogate(after) && end + 1 < text.size() && text.at(end + 1).isLowSurrogate())
            after = QChar::surrogateToUcs4(text.at(end), text.at(end + 1));
        if (IsWordCharacter(after))
            return false;
    }
    return true;
}

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

// Replaces the first convertible run of number words; false when none is left.
bool ReplaceFirstNumberRun(QString& text)
{
    const QList<WordSpan> words = FindWords(text);
    for (int first = 0; first < words.size(); ++first) {
        if (!IsNumberWord(text.mid(words.at(first).start, words.at(first).end - words.at(first).start)))
            continue;
        int last = first;
        while (last + 1 < words.size() && JoinsNumberWords(text, words.at(last).end, words.at(last + 1).start)
               && IsNumberWord(text.mid(words.at(last + 1).start, words.at(last + 1).end - words.at(last + 1).start)))
            ++last;
        // A run that will not convert loses its last word until one does.
        for (; last >= first; --last) {
            const int start = words.at(first).start;
            const int end = words.at(last).end;
            if (!StandsAlone(text, start, end))
                continue;
            QStringList tokens;
            for (int w = first; w <= last; ++w)
                tokens.append(text.mid(words.at(w).start, words.at(w).end - words.at(w).start));
            QString numeral;
            if (ConvertNumberWords(tokens, numeral)) {
                text.replace(start, end - start, numeral);
                return true;
            }
        }
    }
    return false;
}

QString ReplaceNumberWordPhrases(QString text)
{
    while (ReplaceFirstNumberRun(text)) {
    }
    return text;
}

} // namespace

QString MainWindow::WordOp(QString text)
{
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
    for (const WordSpan& word : words) {
        const auto found = ReplacementsByFirstWord().constFind(text.mid(word.start, word.end - word.start).toUpper());
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
    if (anyWanted) {
        for (int i = 0; i < replacements.size(); ++i) {
            if (wanted[i])
                text.replace(replacements.at(i).pattern, replacements.at(i).replacement);
        }
    }
    return ReplaceNumberWordPhrases(text);
}
