#include "tools/StorageDiagnostics.h"

#include "pad/FileReading.h"
#include "pad/StoragePaths.h"
#include "tools/TravokMonetization.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QUrl>
#include <QUuid>

#include <limits>

namespace {

const char RestartTokenKey[] = "Diagnostics/RestartToken";
const QByteArray ProbeContent = QByteArrayLiteral("TRAVOK-STORAGE-TEST");
// Room for what other writers add to the log while the check runs.
constexpr qint64 MaximumReadBack = qint64(1) << 20;

QString PassFail(bool passed)
{
    return passed ? QStringLiteral("PASS") : QStringLiteral("FAIL");
}

// The same, with what went wrong after a failure.
QString PassFail(bool passed, const QString& error)
{
    return passed ? QStringLiteral("PASS") : QStringLiteral("FAIL: ") + error;
}

// Writes all of bytes to an opened file and flushes; error is the file's own
// text when that fails.
bool WriteAll(QFile& file, const QByteArray& bytes, QString& error)
{
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written)
        error = file.errorString();
    file.close();
    return written;
}

} // namespace

void RunTravokStorageDiagnostics(QWidget* parent)
{
    const QString storage = StoragePaths::DataDirectory();
    const QString settingsPath = StoragePaths::SettingsFilePath(storage);
    const QString logPath = StoragePaths::LogFilePath(storage);
    const QString probePath = QDir(storage).filePath(QStringLiteral(".travok-storage-probe-")
                                                     + QUuid::createUuid().toString(QUuid::WithoutBraces));
    const QString webHost = QLatin1String(TravokMonetization::MakerWebHost);

    QStringList lines;
    lines << QStringLiteral("SUMVELLE INSTALL DIAGNOSTICS")
          << QStringLiteral("Time: ") + QDateTime::currentDateTime().toString(Qt::ISODate)
          << QStringLiteral("Qt: ") + QLatin1String(qVersion())
          << QStringLiteral("Executable: ") + QCoreApplication::applicationFilePath()
          << QStringLiteral("Storage mode: Per-user / platform default") << QStringLiteral("Storage: ") + storage
          << QStringLiteral("INI: ") + settingsPath << QStringLiteral("Log: ") + logPath << QString();

    const bool directoryOk = !storage.isEmpty() && QDir().mkpath(storage);
    lines << QStringLiteral("Storage directory create/access: ") + PassFail(directoryOk);

    QFile probe(probePath);
    bool probeWritten = false;
    QString probeError = probe.errorString();
    if (directoryOk) {
        if (probe.open(QIODevice::WriteOnly))
            probeWritten = WriteAll(probe, ProbeContent, probeError);
        else
            probeError = probe.errorString();
    }
    lines << QStringLiteral("Independent file write: ") + PassFail(probeWritten, probeError);

    QFile probeReader(probePath);
    bool probeRead = false;
    if (probeWritten && probeReader.open(QIODevice::ReadOnly)) {
        probeRead = probeReader.readAll() == ProbeContent;
        probeReader.close();
    }
    lines << QStringLiteral("Independent file readback: ") + PassFail(probeRead, probeReader.errorString());

    lines << QStringLiteral("Probe cleanup: ") + PassFail(QFile::remove(probePath));

    // A settings file that is no regular file is never handed to QSettings,
    // which would wait on a pipe or read a device without end.
    const QString settingsUnsafe = FileReading::WhyUnsafe(settingsPath, StoragePaths::MaximumSettingsFileBytes);
    const QString token = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString previousToken;
    QSettings::Status syncStatus = QSettings::AccessError;
    bool settingsRead = false;
    if (settingsUnsafe.isEmpty()) {
        QSettings settings(settingsPath, QSettings::IniFormat);
        previousToken = settings.value(QLatin1String(RestartTokenKey)).toString();
        settings.setValue(QLatin1String(RestartTokenKey), token);
        settings.sync();
        syncStatus = settings.status();
        if (StoragePaths::SettingsFileUsable(settingsPath)) {
            QSettings readback(settingsPath, QSettings::IniFormat);
            readback.sync();
            settingsRead = readback.status() == QSettings::NoError
                && readback.value(QLatin1String(RestartTokenKey)).toString() == token;
        }
    }
    lines << QStringLiteral("Persistence from previous run: ")
            + (previousToken.isEmpty() ? QStringLiteral("NOT YET TESTED")
                                       : QStringLiteral("PASS: token found (") + previousToken + QLatin1Char(')'));
    if (!settingsUnsafe.isEmpty())
        lines << QStringLiteral("INI sync: FAIL: ") + settingsUnsafe;
    else
        lines << QStringLiteral("INI sync: ")
                + (syncStatus == QSettings::NoError
                       ? QStringLiteral("PASS")
                       : QStringLiteral("FAIL (QSettings status %1)").arg(int(syncStatus)));
    lines << QStringLiteral("INI disk readback: ") + PassFail(settingsRead);
    lines << QStringLiteral("Next restart token: ") + token;

    const QByteArray logLine =
        (QStringLiteral("[TRAVOKDEBUGSTORAGE] ") + token + QStringLiteral(" diagnostic log check\n")).toUtf8();
    // Opening a pipe for writing would wait for a reader; only what this
    // check appended is read back, however large the log has grown.
    QFile log(logPath);
    bool logAppended = false;
    QString logError = FileReading::WhyUnsafe(logPath, std::numeric_limits<qint64>::max());
    qint64 logSizeBefore = 0;
    if (logError.isEmpty()) {
        if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
            logSizeBefore = log.size();
            logAppended = WriteAll(log, logLine, logError);
        } else {
            logError = log.errorString();
        }
    }
    lines << QStringLiteral("Log append: ") + PassFail(logAppended, logError);

    QFile logReader(logPath);
    bool logRead = false;
    if (logAppended && FileReading::OpenRegular(logReader, std::numeric_limits<qint64>::max()).ok()
        && logReader.seek(logSizeBefore)) {
        QByteArray appended;
        FileReading::ReadToEnd(logReader, logLine.size(), MaximumReadBack, appended);
        logRead = appended.contains(logLine);
    }
    lines << QStringLiteral("Log disk readback: ") + PassFail(logRead);

    const bool browserAccepted =
        QDesktopServices::openUrl(QUrl(QStringLiteral("https://") + webHost, QUrl::TolerantMode));
    lines << QStringLiteral("Browser launch request (") + webHost + QStringLiteral("): ")
            + (browserAccepted ? QStringLiteral("ACCEPTED (browser display not guaranteed)")
                               : QStringLiteral("FAILED"));

    const bool allPassed = directoryOk && probeWritten && probeRead && syncStatus == QSettings::NoError && settingsRead
        && logAppended && logRead && browserAccepted;
    lines << QString()
          << QStringLiteral("INSTALLATION CHECK: ")
            + (allPassed ? QStringLiteral("PASS (tested operations)")
                         : QStringLiteral("WARN / FAIL (review results above)"))
          << QStringLiteral("Restart Sumvelle and rerun TRAVOKDEBUGSTORAGE to verify persistence.");
    const QString report = lines.join(QLatin1Char('\n'));

    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Sumvelle Storage Diagnostics"));
    box.setText(QStringLiteral("Installation regression report. Copy the details to share."));
    box.setDetailedText(report);
    QPushButton* copyButton = box.addButton(QStringLiteral("Copy Full Report"), QMessageBox::ActionRole);
    box.addButton(QMessageBox::Close);
    box.exec();
    if (box.clickedButton() == copyButton)
        QGuiApplication::clipboard()->setText(report, QClipboard::Clipboard);
}
