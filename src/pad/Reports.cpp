// The INFO report (the window's state at a glance) and the UPTIME text.

#include "pad/mainwindow.h"

#include "pad/MainWindowForm.h"

#include <QFile>
#include <QFileInfo>
#include <QVariant>

#include <cstring>

namespace {

enum class FileComparison { Same, Different, Unreadable };

// Reads up to the piece's size; fewer bytes only at the end of the file.
qint64 ReadFully(QFile& file, char* data, qint64 size)
{
    qint64 total = 0;
    while (total < size) {
        const qint64 read = file.read(data + total, size - total);
        if (read < 0)
            return -1;
        if (read == 0)
            break;
        total += read;
    }
    return total;
}

// The file is read a piece at a time beside the document's bytes, so that
// a large document is never held twice.
FileComparison CompareFileWithDocument(const QString& path, const MainWindow& window)
{
    // Only a regular file can hold a saved document; a FIFO or a device
    // could block the window or never end.
    if (!QFileInfo(path).isFile())
        return FileComparison::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileComparison::Unreadable;

    bool unreadable = false;
    QByteArray stored;
    const bool same = window.ProduceDocumentBytes([&](QByteArrayView piece) {
        stored.resize(piece.size());
        const qint64 read = ReadFully(file, stored.data(), piece.size());
        unreadable = read < 0;
        return read == piece.size() && std::memcmp(stored.constData(), piece.data(), size_t(read)) == 0;
    });
    if (unreadable)
        return FileComparison::Unreadable;
    if (!same)
        return FileComparison::Different;
    char extra = 0;
    const qint64 more = file.read(&extra, 1);
    if (more < 0)
        return FileComparison::Unreadable;
    return more == 0 ? FileComparison::Same : FileComparison::Different;
}

QString OnOff(bool on)
{
    return on ? QStringLiteral("ON") : QStringLiteral("OFF");
}

// Two blanks, the label and blanks to column 24: every value starts in
// column 25.
QString Row(const char* label, const QString& value)
{
    return QStringLiteral("  ") + QString::fromLatin1(label).leftJustified(22) + value;
}

QString UptimePart(qint64 count, const char* singular, const char* plural)
{
    return QString::number(count) + QLatin1Char(' ') + QString::fromLatin1(count == 1 ? singular : plural);
}

} // namespace

QString MainWindow::BuildInfoText()
{
    QString ansValue;
    if (ansIsDateTime) {
        ansValue = ansText.isEmpty() ? QStringLiteral("(Date/Time)") : ansText;
    } else {
        // A one-time output base waits for the next answer, not for this
        // report: it is set aside while ANS is written and then put back.
        const QVariant oneTimeBase = property(OneTimeOutputBaseProperty);
        setProperty(OneTimeOutputBaseProperty, QVariant());
        ansValue = FormatAnswer(ans);
        if (oneTimeBase.isValid())
            setProperty(OneTimeOutputBaseProperty, oneTimeBase);
    }

    QString outputBase = QStringLiteral("Decimal");
    if (ui->actionOutputBaseBinary->isChecked())
        outputBase = QStringLiteral("Binary");
    else if (ui->actionOutputBaseOctal->isChecked())
        outputBase = QStringLiteral("Octal");
    else if (ui->actionOutputBaseHexadecimal->isChecked())
        outputBase = QStringLiteral("Hexadecimal");

    const qsizetype predictiveItems =
        GetCalculatorSyntaxCatalog().size() + GetUnitConversionVocabulary().size() + variables.size();
    const QFont font = ui->Text1->font();

    const QString& padText = PadText();
    const qsizetype lines = padText.isEmpty() ? 0 : padText.count(QLatin1Char('\n')) + 1;
    QString modified;
    if (documentPath.isEmpty()) {
        modified = padText.isEmpty() ? QStringLiteral("NO") : QStringLiteral("YES");
    } else {
        switch (CompareFileWithDocument(documentPath, *this)) {
        case FileComparison::Same:
            modified = QStringLiteral("NO");
            break;
        case FileComparison::Different:
            modified = QStringLiteral("YES");
            break;
        case FileComparison::Unreadable:
            modified = QStringLiteral("UNKNOWN");
            break;
        }
    }
    const QFileInfo document(documentPath);

    const QStringList report = {
        QStringLiteral("Sumvelle Information"),
        QString(),
        QStringLiteral("Application"),
        Row("Version:", QStringLiteral("2.0")),
        Row("Qt Version:", QString::fromLatin1(qVersion())),
        Row("Platform:", QStringLiteral("Linux")),
        QString(),
        QStringLiteral("Workspace"),
        Row("Variables:", QString::number(variables.size())),
        Row("Custom Functions:", QString::number(customFunctions.size())),
        Row("ANS:", ansValue),
        Row("Undo States:", QString::number(undoStack.size())),
        Row("Redo States:", QString::number(redoStack.size())),
        QString(),
        QStringLiteral("Calculation"),
        Row("Number Format:", numberFormat.isEmpty() ? QStringLiteral("Default") : numberFormat),
        Row("Output Base:", outputBase),
        Row("Word Operators:", OnOff(ui->actionUse_Word_Oporators->isChecked())),
        Row("Ignore Text:", OnOff(ui->actionIgnore_Text_When_Cannot_Solve->isChecked())),
        QString(),
        QStringLiteral("Interface"),
        Row("Predictive Text:", OnOff(ui->actionPredictive_Text_Complete->isChecked())),
        Row("Predictive Items:", QString::number(predictiveItems)),
        Row("Syntax Help:", OnOff(ui->actionSyntax_Help->isChecked())),
        Row("TopMost:", OnOff(windowFlags().testFlag(Qt::WindowStaysOnTopHint))),
        Row("Font:", font.family()),
        Row("Font Size:", QString::number(font.pointSizeF(), 'g', 6)),
        QString(),
        QStringLiteral("Document"),
        Row("Name:", documentPath.isEmpty() ? QStringLiteral("(Untitled)") : document.fileName()),
        Row("Path:", documentPath.isEmpty() ? QStringLiteral("(Not saved)") : document.absoluteFilePath()),
        Row("Lines:", QString::number(lines)),
        Row("Characters:", QString::number(padText.size())),
        Row("Modified:", modified),
    };
    return report.join(QLatin1Char('\n'));
}

QString MainWindow::BuildUptimeText() const
{
    return UptimeText(uptimeClock.elapsed());
}

QString MainWindow::UptimeText(qint64 elapsedMilliseconds)
{
    constexpr qint64 SecondsPerDay = 86400;
    const qint64 seconds = elapsedMilliseconds / 1000;
    const qint64 days = seconds / SecondsPerDay;
    const qint64 hours = seconds % SecondsPerDay / 3600;
    const qint64 minutes = seconds % 3600 / 60;

    // Once a unit is shown, every smaller one follows it, zeros included.
    QStringList parts;
    const bool showDays = elapsedMilliseconds >= SecondsPerDay * 1000;
    const bool showHours = showDays || hours >= 1;
    const bool showMinutes = showHours || minutes >= 1;
    if (showDays)
        parts.append(UptimePart(days, "day", "days"));
    if (showHours)
        parts.append(UptimePart(hours, "hour", "hours"));
    if (showMinutes)
        parts.append(UptimePart(minutes, "minute", "minutes"));
    parts.append(UptimePart(seconds % 60, "second", "seconds"));
    return parts.join(QStringLiteral(", "));
}
