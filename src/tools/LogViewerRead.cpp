// Reading the calculator log into days. The log can be large, so it is read
// in two passes over the file: the first finds the record headers and how
// much text each day gets, the second decodes every record straight into its
// day's text, sized once. Neither the file's bytes nor its whole text are ever
// held at once beside the days.

#include "tools/LogViewer.h"

#include "pad/FileReading.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QStringDecoder>

#include <algorithm>
#include <functional>
#include <limits>

namespace {

constexpr qint64 ChunkSize = qint64(4) << 20;
const QByteArray HeaderRule = QByteArrayLiteral("--------------------");

struct Header
{
    qint64 offset = 0; // in the text read from the file, its byte-order mark skipped
    QDate date;        // invalid when the header's date does not parse
};

// Decoding that keeps a U+FEFF at the start of a piece: only the file's own
// leading mark is dropped, as decoding the whole file in one go would.
QStringDecoder PieceDecoder()
{
    return QStringDecoder(QStringDecoder::Utf8,
                          QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
}

// Hands the file's text to handle in pieces that end after a line feed (the
// last one at the end of the file), so that each piece decodes the same alone
// as within the whole. Stops after limit bytes when limit is not negative.
// False on a read error.
bool ForEachPiece(QIODevice& device, qint64 limit, const std::function<void(QByteArrayView, qint64)>& handle)
{
    QByteArray pending;
    qint64 offset = 0;
    bool first = true;
    bool atEnd = false;
    while (!atEnd) {
        // No more room than the rest of a file needs, and one byte over it to
        // see its end: most logs are far smaller than a chunk.
        qint64 step = ChunkSize;
        if (!device.isSequential())
            step = std::clamp(device.size() - device.pos() + 1, qint64(1), ChunkSize);
        const qsizetype kept = pending.size();
        pending.resize(kept + step);
        const qint64 read = device.read(pending.data() + kept, step);
        if (read < 0)
            return false;
        pending.resize(kept + read);
        atEnd = read == 0;
        if (first) {
            if (pending.size() < 3 && !atEnd)
                continue;
            first = false;
            if (pending.startsWith("\xEF\xBB\xBF"))
                pending.remove(0, 3);
        }
        qsizetype end = atEnd ? pending.size() : pending.lastIndexOf('\n') + 1;
        if (limit >= 0 && offset + end > limit) {
            end = limit - offset;
            atEnd = true;
        }
        if (end > 0) {
            handle(QByteArrayView(pending).first(end), offset);
            offset += end;
            pending.remove(0, end);
        }
    }
    return true;
}

// Whether the line, line feed included, is a record header, and its date.
bool ParseHeaderLine(QByteArrayView line, QDate& date)
{
    static const QRegularExpression headerExpression(QStringLiteral("^-{20}(.*)-{20}\\r?\\n"),
                                                     QRegularExpression::MultilineOption);
    QStringDecoder decoder = PieceDecoder();
    const QString text = decoder.decode(line);
    const QRegularExpressionMatch match = headerExpression.match(text);
    if (!match.hasMatch() || match.capturedStart(0) != 0)
        return false;
    date = QDateTime::fromString(match.captured(1).trimmed(), Qt::TextDate).date();
    return true;
}

// Every line that begins with the rule is tried as a header; a header is one
// line, so the search goes on from the next line.
void FindHeaders(QByteArrayView piece, qint64 pieceOffset, QList<Header>& headers)
{
    qsizetype position = 0;
    while (position < piece.size()) {
        const qsizetype hit = piece.indexOf(HeaderRule, position);
        if (hit < 0)
            return;
        const qsizetype lineEnd = piece.indexOf('\n', hit);
        if (lineEnd < 0)
            return; // the last line, without a line feed, is never a header
        if (hit == 0 || piece.at(hit - 1) == '\n') {
            Header header;
            header.offset = pieceOffset + hit;
            if (ParseHeaderLine(piece.sliced(hit, lineEnd + 1 - hit), header.date))
                headers.append(header);
        }
        position = lineEnd + 1;
    }
}

// The days of an opened log from its position on, newest first, reading at
// most limit bytes; false on a read error.
bool ReadLogDays(QIODevice& device, qint64 limit, QList<LogViewer::LogDay>& days)
{
    days.clear();
    const qint64 firstByte = device.pos();
    QList<Header> headers;
    qint64 total = 0;
    const bool indexed = ForEachPiece(device, limit, [&](QByteArrayView piece, qint64 offset) {
        FindHeaders(piece, offset, headers);
        total = offset + piece.size();
    });
    if (!indexed)
        return false;

    // Byte counts bound the text's length: UTF-8 never takes fewer bytes than
    // UTF-16 takes code units.
    QMap<QDate, qint64> sizes;
    for (qsizetype i = 0; i < headers.size(); ++i) {
        if (!headers.at(i).date.isValid())
            continue;
        const qint64 end = i + 1 < headers.size() ? headers.at(i + 1).offset : total;
        sizes[headers.at(i).date] += end - headers.at(i).offset;
    }
    if (sizes.isEmpty())
        return true;

    QMap<QDate, qsizetype> dayIndex;
    for (auto it = sizes.cend(); it != sizes.cbegin();) {
        --it;
        dayIndex.insert(it.key(), days.size());
        LogViewer::LogDay day;
        day.date = it.key();
        day.text.reserve(qsizetype(it.value()));
        days.append(day);
    }
    sizes.clear();
    QList<qsizetype> recordDay;
    recordDay.reserve(headers.size());
    for (const Header& header : headers)
        recordDay.append(header.date.isValid() ? dayIndex.value(header.date) : -1);

    if (!device.seek(firstByte))
        return false;
    QStringDecoder decoder = PieceDecoder();
    qsizetype record = 0;
    const bool filled = ForEachPiece(device, total, [&](QByteArrayView piece, qint64 offset) {
        const qint64 pieceEnd = offset + piece.size();
        while (record < headers.size()) {
            const qint64 start = headers.at(record).offset;
            const qint64 end = record + 1 < headers.size() ? headers.at(record + 1).offset : total;
            if (start >= pieceEnd)
                return;
            const qint64 from = qMax(start, offset);
            const qint64 to = qMin(end, pieceEnd);
            if (recordDay.at(record) >= 0 && to > from) {
                QString& text = days[recordDay.at(record)].text;
                const qsizetype kept = text.size();
                text.resize(kept + qsizetype(to - from));
                const QChar* written =
                    decoder.appendToBuffer(text.data() + kept, piece.sliced(from - offset, to - from));
                text.truncate(written - text.constData());
            }
            if (end > pieceEnd)
                return;
            ++record;
        }
    });
    if (!filled)
        return false;
    for (LogViewer::LogDay& day : days) {
        if (day.text.capacity() > day.text.size() + day.text.size() / 4)
            day.text.squeeze();
    }
    return true;
}

} // namespace

// Only the newest part of a very large log is read, from its first whole
// line on; a pipe or a device in the log's place is never opened.
void LogViewer::ReadLogFile()
{
    logDays.clear();
    logUnreadable = false;
    logShortened = false;
    if (!QFile::exists(logFilePath))
        return;
    QFile file(logFilePath);
    QList<LogDay> days;
    const FileReading::Outcome opened =
        FileReading::OpenRegular(file, std::numeric_limits<qint64>::max(), QIODevice::Text);
    if (!opened.ok()) {
        logUnreadable = true;
        return;
    }
    if (opened.size > maximumLogBytes) {
        logShortened = true;
        char c = 0;
        bool lineStart = file.seek(opened.size - maximumLogBytes - 1);
        while (lineStart && file.getChar(&c) && c != '\n') {
        }
        if (!lineStart || c != '\n') {
            logUnreadable = !lineStart;
            return;
        }
    }
    if (!ReadLogDays(file, maximumLogBytes, days)) {
        logUnreadable = true;
        return;
    }
    logDays = days;
}
