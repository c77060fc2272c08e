#pragma once

#include <QByteArray>
#include <QString>

#include <QIODevice>

class QFile;

// Every file the program reads (documents, the settings file, the calculator
// log) is read here. Only a regular file is opened: a named pipe would block
// the window and a device would never end. Each read is bounded, so no file
// can take all memory, and checked, so a failed or short read is never taken
// for the whole file.
namespace FileReading {

enum class Status {
    Ok,
    Missing,
    NotRegular, // a folder, pipe, socket or device
    TooLarge,   // larger than the bound given
    CannotOpen,
    ReadFailed, // a read error, or the file ended short
};

struct Outcome
{
    Status status = Status::Ok;
    // The file's size when it was opened.
    qint64 size = 0;
    // Why it failed, for the user.
    QString error;

    bool ok() const { return status == Status::Ok; }
};

// Opens the file read-only (with the extra mode given) when it is a regular
// file of at most maximumSize bytes.
Outcome OpenRegular(QFile& file, qint64 maximumSize, QIODevice::OpenMode extraMode = {});

// Reads from the device's position to its end, at most maximumSize bytes;
// fails on a read error or when fewer than expected bytes come.
Outcome ReadToEnd(QIODevice& device, qint64 expected, qint64 maximumSize, QByteArray& bytes);

// Both of the above: the whole of a regular file.
Outcome ReadRegular(const QString& path, qint64 maximumSize, QByteArray& bytes);

// Empty when path is absent or a regular file of at most maximumSize bytes,
// so that a reader or writer that opens it by itself can safely do so;
// otherwise why not.
QString WhyUnsafe(const QString& path, qint64 maximumSize);
inline bool AbsentOrRegular(const QString& path, qint64 maximumSize)
{
    return WhyUnsafe(path, maximumSize).isEmpty();
}

} // namespace FileReading
