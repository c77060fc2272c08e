#include "pad/FileReading.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {
// Gives its bytes, then fails as a dying disk does after failAfter bytes.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(const QByteArray& bytes, qint64 failAt) : content(bytes), failAfter(failAt)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maximum) override
    {
        if (failAfter >= 0 && given >= failAfter)
            return -1;
        qint64 count = std::min(maximum, qint64(content.size()) - given);
        if (failAfter >= 0)
            count = std::min(count, failAfter - given);
        memcpy(data, content.constData() + given, size_t(count));
        given += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray content;
    qint64 failAfter;
    qint64 given = 0;
};
} // namespace

class FileReadingTest : public QObject
{
    Q_OBJECT

private slots:
    void readToEnd_data();
    void readToEnd();
    void readRegular_data();
    void readRegular();
};

void FileReadingTest::readToEnd_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("failAfter"); // -1: never
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<FileReading::Status>("status");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray ten("0123456789");
    QTest::newRow("whole") << ten << qint64(-1) << qint64(10) << qint64(10) << FileReading::Status::Ok << ten;
    QTest::newRow("read error midway") << ten << qint64(4) << qint64(10) << qint64(100)
                                       << FileReading::Status::ReadFailed << QByteArray();
    QTest::newRow("ends before its size") << ten << qint64(-1) << qint64(12) << qint64(100)
                                          << FileReading::Status::ReadFailed << QByteArray();
    QTest::newRow("grew past the bound") << ten << qint64(-1) << qint64(5) << qint64(9)
                                         << FileReading::Status::TooLarge << QByteArray();
    QTest::newRow("grew within the bound") << ten << qint64(-1) << qint64(5) << qint64(10)
                                           << FileReading::Status::Ok << ten;
    QTest::newRow("empty") << QByteArray() << qint64(-1) << qint64(0) << qint64(0) << FileReading::Status::Ok
                           << QByteArray();
}

void FileReadingTest::readToEnd()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, failAfter);
    QFETCH(qint64, expected);
    QFETCH(qint64, maximum);
    QFETCH(FileReading::Status, status);
    QFETCH(QByteArray, bytes);
    FailingDevice device(content, failAfter);
    QByteArray read("left over");
    const FileReading::Outcome outcome = FileReading::ReadToEnd(device, expected, maximum, read);
    QCOMPARE(outcome.status, status);
    QCOMPARE(read, bytes);
    QCOMPARE(outcome.error.isEmpty(), status == FileReading::Status::Ok);
}

void FileReadingTest::readRegular_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<FileReading::Status>("status");
    QTest::addColumn<bool>("absentOrRegular");
    QTest::newRow("regular") << "regular" << FileReading::Status::Ok << true;
    QTest::newRow("one byte above the bound") << "large" << FileReading::Status::TooLarge << false;
    QTest::newRow("missing") << "missing" << FileReading::Status::Missing << true;
    QTest::newRow("folder") << "folder" << FileReading::Status::NotRegular << false;
    QTest::newRow("named pipe") << "fifo" << FileReading::Status::NotRegular << false;
    QTest::newRow("symbolic link to /dev/zero") << "zero" << FileReading::Status::NotRegular << false;
    QTest::newRow("dangling symbolic link") << "dangling" << FileReading::Status::Missing << false;
}

void FileReadingTest::readRegular()
{
    QFETCH(QString, kind);
    QFETCH(FileReading::Status, status);
    QFETCH(bool, absentOrRegular);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    const QByteArray content("1+1\n");
    if (kind == QLatin1String("regular") || kind == QLatin1String("large")) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kind == QLatin1String("large") ? content + 'x' : content);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(target));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    } else if (kind == QLatin1String("zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), target));
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), target));
    }
    QByteArray bytes;
    const FileReading::Outcome outcome = FileReading::ReadRegular(target, content.size(), bytes);
    QCOMPARE(outcome.status, status);
    QCOMPARE(bytes, status == FileReading::Status::Ok ? content : QByteArray());
    QCOMPARE(FileReading::AbsentOrRegular(target, content.size()), absentOrRegular);
}

SUMVELLE_TEST_MAIN(FileReadingTest)
#include "tst_filereading.moc"
