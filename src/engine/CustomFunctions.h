#pragma once

#include <QMap>
#include <QString>

// User-defined functions are text macros: their calls, their parameter uses
// and the calls written in their bodies are all found by reading the text as
// identifier tokens. The expansion and the function commands read it the
// same way through these pieces.
namespace CustomFunctionText {

// Walks the identifier tokens of a text from left to right. A token begins
// with an ASCII letter, "_" or another letter and goes on with ASCII letters,
// digits, "_" and other letters or numbers, as far as it can. A token never
// starts inside a number: the exponent of 2e-3 and the tail of the base
// literal 0x1F are passed over, so a parameter E or X1F leaves them alone.
class TokenScanner
{
public:
    explicit TokenScanner(const QString& scanned) : text(scanned) {}

    // The next token, as [start, end); false at the end of the text.
    bool Next(int& start, int& end);

private:
    const QString& text;
    int position = 0;
    int exponentEnd = -1; // after 2e3, the next letter begins a name again
};

// The index of the "(" that makes the token ending at tokenEnd a call (only
// whitespace may stand between them), or -1.
int CallParenthesisAfter(const QString& text, int tokenEnd);

// ReplaceIdentifierTokens that gives up, returning false, as soon as the
// result would be longer than maximumLength characters.
bool ReplaceIdentifierTokensWithin(const QString& text, const QMap<QString, QString>& replacements,
                                   qsizetype maximumLength, QString& result);

} // namespace CustomFunctionText

// The text with each token whose upper-case form is a key of replacements
// (keys in upper case) replaced by the mapped text; replaced text is not read
// again and everything else is kept as it stands.
QString ReplaceIdentifierTokens(const QString& text, const QMap<QString, QString>& replacements);
