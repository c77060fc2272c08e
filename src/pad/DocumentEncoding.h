#pragma once

#include <QByteArrayView>
#include <QString>

// How the bytes of a document file become the pad's text. Files carry no
// declaration of their encoding: strictly valid UTF-8 is read as UTF-8 and
// anything else as Windows-1252, which never fails.
namespace DocumentEncoding {

// Shortest forms only, no surrogates, nothing beyond U+10FFFF, no sequence
// cut off at the end.
bool IsStrictUtf8(QByteArrayView bytes);

// Windows-1252, with the five bytes it leaves undefined read as the control
// characters of the same value.
QString DecodeWindows1252(QByteArrayView bytes);

// The text of a file's bytes; a UTF-8 byte-order mark is dropped.
QString Decode(QByteArrayView bytes);

} // namespace DocumentEncoding
