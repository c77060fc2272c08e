// The calculator-log reader and the log viewer's search. The first line is
// the search text, the second holds the switches ("c" Case Sensitive, "r"
// Regular Expression, "v" reverse), the rest is the log's bytes.

#include "FuzzSupport.h"

#include "tools/LogViewer.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
        const qsizetype firstBreak = input.indexOf('\n');
        const qsizetype secondBreak = firstBreak < 0 ? -1 : input.indexOf('\n', firstBreak + 1);
        const QString search = QString::fromUtf8(firstBreak < 0 ? input : input.left(firstBreak));
        const QByteArray switches =
            secondBreak < 0 ? QByteArray() : input.mid(firstBreak + 1, secondBreak - firstBreak - 1);
        const QByteArray log = secondBreak < 0 ? QByteArray() : input.mid(secondBreak + 1);

        const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(dataDir);
        const QString path = QDir(dataDir).filePath(QStringLiteral("Sumvelle.log"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(log) != log.size())
            std::abort();
        file.close();

        LogViewer viewer;
        viewer.OpenLogFile(path);
        viewer.findChild<QCheckBox*>(QStringLiteral("CheckCaseSensitive"))->setChecked(switches.contains('c'));
        viewer.findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))->setChecked(switches.contains('r'));
        viewer.findChild<QCheckBox*>(QStringLiteral("CheckReverseSearch"))->setChecked(switches.contains('v'));
        viewer.findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(search);
        auto* days = viewer.findChild<QListWidget*>(QStringLiteral("ListLogDays"));
        for (int row = 0; row < std::min(days->count(), 8); ++row)
            days->setCurrentRow(row);
        viewer.findChild<QPushButton*>(QStringLiteral("ButtonFindNext"))->click();
        viewer.findChild<QPushButton*>(QStringLiteral("ButtonFindPrevious"))->click();
    }
    FuzzSupport::WipeUserFiles();
    return 0;
}
