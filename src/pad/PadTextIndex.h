#pragma once

#include <QList>
#include <QString>

class QTextDocument;

// The pad's plain text and the positions of its braces, kept in step with
// the document change by change. A keystroke then costs work in proportion
// to what it changed, not to the size of the pad: the handlers read the text
// without copying it, and whether a position lies in an open "{" block is a
// binary search instead of a scan of everything before it.
class PadTextIndex
{
public:
    // Starts again from the given text.
    void Reset(const QString& text);

    // The characters [position, position + removed) were replaced by added.
    // False (and nothing changed) when the range does not fit the text.
    bool ApplyChange(int position, int removed, const QString& added);

    // Follows one contentsChange of the document; falls back to reading the
    // whole text when the reported range does not fit.
    void FollowDocumentChange(const QTextDocument* document, int position, int removed, int added);

    const QString& text() const { return plainText; }

    // True when the last brace before position (clamped to the text) is "{".
    bool IsInsideOpenBlock(int position) const;

    // The document's text as plain text, with the same character mapping as
    // QTextDocument::toPlainText.
    static QString PlainTextOf(const QTextDocument* document, int position, int length);
    static void ToPlainCharacters(QString& text);

private:
    QString plainText;
    QList<int> bracePositions; // ascending
};
