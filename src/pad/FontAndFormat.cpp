// FONT and FORMAT: the pad's font size and the number format, both kept
// until changed again or until the settings are loaded.

#include "pad/mainwindow.h"

#include "pad/MainWindowForm.h"

#include <cmath>

namespace {

// Larger fonts only make the pad unusable.
constexpr double MaximumFontPointSize = 1000.0;

} // namespace

bool MainWindow::HandleFontCommand(const QString& line)
{
    QString rest;
    if (!MatchCommand(line, QStringLiteral("FONT"), rest))
        return false;
    bool ok = false;
    const double size = rest.toDouble(&ok);
    if (ok && std::isfinite(size) && size > 0.0 && size <= MaximumFontPointSize) {
        QFont font = ui->Text1->font();
        font.setPointSizeF(size);
        ui->Text1->setFont(font);
        ShowStatus(QStringLiteral("Font size = ") + QString::number(size, 'g', 6));
    } else {
        ShowStatus(QStringLiteral("Invalid font size"));
    }
    return true;
}

bool MainWindow::HandleFormatCommand(const QString& line)
{
    QString rest;
    if (!MatchCommand(line, QStringLiteral("FORMAT"), rest))
        return false;
    if (rest.isEmpty()) {
        ShowStatus(QStringLiteral("Format = ") + numberFormat);
    } else if (!rest.startsWith(QLatin1Char('='))) {
        ShowStatus(QStringLiteral("Use FORMAT = <format>"));
    } else {
        numberFormat = rest.mid(1).trimmed();
        ShowStatus(QStringLiteral("Format set to '") + numberFormat + QLatin1Char('\''));
    }
    return true;
}
