#include "pad/PadTextIndex.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {
bool IsBrace(QChar c)
{
    return c == QLatin1Char('{') || c == QLatin1Char('}');
}
} // namespace

void PadTextIndex::Reset(const QString& text)
{
    plainText = text;
    bracePositions.clear();
    for (int i = 0; i < plainText.size(); ++i) {
        if (IsBrace(plainText.at(i)))
            bracePositions.append(i);
    }
}

bool PadTextIndex::ApplyChange(int position, int removed, const QString& added)
{
    if (position < 0 || removed < 0 || position > plainText.size() || removed > plainText.size() - position)
        return false;

    plainText.replace(position, removed, added);

    const auto first = std::lower_bound(bracePositions.begin(), bracePositions.end(), position);
    const auto last = std::lower_bound(first, bracePositions.end(), position + removed);
    const int shift = int(added.size()) - removed;
    const qsizetype firstIndex = first - bracePositions.begin();
    bracePositions.erase(first, last);
    for (qsizetype i = firstIndex; i < bracePositions.size(); ++i)
        bracePositions[i] += shift;

    QList<int> insertedBraces;
    for (int i = 0; i < added.size(); ++i) {
        if (IsBrace(added.at(i)))
            insertedBraces.append(position + i);
    }
    if (!insertedBraces.isEmpty())
        bracePositions.insert(firstIndex, insertedBraces.size(), 0);
    for (qsizetype i = 0; i < insertedBraces.size(); ++i)
        bracePositions[firstIndex + i] = insertedBraces.at(i);
    return true;
}

void PadTextIndex::FollowDocumentChange(const QTextDocument* document, int position, int removed, int added)
{
    const int length = document->characterCount() - 1;
    // Whole-document changes report one character more than the text holds
    // (the final paragraph separator); such a change is read again in full.
    const bool fits = position >= 0 && added >= 0 && position + added <= length
        && ApplyChange(position, removed, PlainTextOf(document, position, added)) && plainText.size() == length;
    if (!fits)
        Reset(document->toPlainText());
}

bool PadTextIndex::IsInsideOpenBlock(int position) const
{
    const int end = std::min<int>(position, plainText.size());
    if (end < 1)
        return false;
    const auto next = std::lower_bound(bracePositions.begin(), bracePositions.end(), end);
    if (next == bracePositions.begin())
        return false;
    return plainText.at(*(next - 1)) == QLatin1Char('{');
}

QString PadTextIndex::PlainTextOf(const QTextDocument* document, int position, int length)
{
    QString text;
    if (length == 1) {
        text = QString(document->characterAt(position));
    } else if (length > 1) {
        QTextCursor cursor(const_cast<QTextDocument*>(document));
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        text = cursor.selectedText();
    }
    ToPlainCharacters(text);
    return text;
}

void PadTextIndex::ToPlainCharacters(QString& text)
{
    for (QChar& c : text) {
        switch (c.unicode()) {
        case 0xfdd0: // frame markers
        case 0xfdd1:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = QLatin1Char('\n');
            break;
        case QChar::Nbsp:
            c = QLatin1Char(' ');
            break;
        default:
            break;
        }
    }
}
