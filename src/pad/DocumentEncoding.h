#pragma once

#include <QByteArrayView>
#include <QString>

// How the bytes of a document file become the pad's text, and back. A file
// that starts with a UTF-16 or UTF-32 byte-order mark is read by it; other
// files carry no declaration of their encoding: strictly valid UTF-8 is read
// as UTF-8 and anything else as Windows-1252, which never fails. A document
// is saved in the encoding it was read in, so that opening and saving changes
// no byte, unless its text no longer fits that encoding.
namespace DocumentEncoding {

enum class Encoding { Utf8, Windows1252, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

// Shortest forms only, no surrogates, nothing beyond U+10FFFF, no sequence
// cut off at the end.
bool IsStrictUtf8(QByteArrayView bytes);

// Windows-1252, with the five bytes it leaves undefined read as the control
// characters of the same value.
QString DecodeWindows1252(QByteArrayView bytes);

// The text of a file's bytes and the encoding it was read in; a UTF-8
// byte-order mark is dropped.
QString Decode(QByteArrayView bytes, Encoding& encoding);
QString Decode(QByteArrayView bytes);

// Whether every character of text can be written in the encoding.
bool Fits(QStringView text, Encoding encoding);

// The encoding a text read in the given one is saved in: the same, unless
// the text no longer fits it or its bytes would read back as another text
// (Windows-1252 bytes that happen to form UTF-8 or to begin with a UTF-16
// mark); then UTF-8, which always reads back as it was written.
Encoding SaveEncoding(QStringView text, Encoding read);

// The byte-order mark a file of the text in the encoding starts with: none
// for Windows-1252, and none for UTF-8 unless the text itself starts with
// U+FEFF, which reading would otherwise drop as a mark.
QByteArray ByteOrderMark(QStringView text, Encoding encoding);

// The text's bytes in the encoding, without a byte-order mark; characters
// that do not fit become "?".
QByteArray Encode(QStringView text, Encoding encoding);

} // namespace DocumentEncoding
