// The menu entries that act at once on the window, without writing a line:
// Exit, the pad's font, the always-on-top switch, the number-format presets,
// the log viewer and Clear Pad. The form connects them by name.

#include "pad/mainwindow.h"

#include "pad/MainWindowForm.h"

#include <QFontDialog>
#include <QFontInfo>

#include <algorithm>

namespace {

// Font sizes change in steps of this many points; the pad never goes below
// one point.
constexpr double FontSizeStep = 4.0;
constexpr double SmallestFontPointSize = 1.0;

// A font given in pixels has no point size of its own: the one it shows at
// is taken instead, so Larger never makes it smaller.
double PointSizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

} // namespace

void MainWindow::on_actionExit_triggered()
{
    close();
}

void MainWindow::on_actionLarger_triggered()
{
    QFont font = ui->Text1->font();
    font.setPointSizeF(PointSizeOf(font) + FontSizeStep);
    ui->Text1->setFont(font);
}

void MainWindow::on_actionSmaller_triggered()
{
    QFont font = ui->Text1->font();
    font.setPointSizeF(std::max(PointSizeOf(font) - FontSizeStep, SmallestFontPointSize));
    ui->Text1->setFont(font);
}

void MainWindow::on_actionFont_triggered()
{
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, ui->Text1->font(), this, QStringLiteral("Sumvelle Font"));
    if (!accepted)
        return;
    ui->Text1->setFont(font);
    ShowStatus(QStringLiteral("Font changed"));
}

void MainWindow::on_actionSet_As_Top_Most_TopMost_triggered()
{
    ApplyTopMostState(true);
    ShowStatus(QStringLiteral("Topmost set"));
}

void MainWindow::on_actionSet_As_Not_Top_Most_Not_TopMost_triggered()
{
    ApplyTopMostState(false);
    ShowStatus(QStringLiteral("Topmost cleared"));
}

// The presets change the pad's format only; Save Settings keeps it.
void MainWindow::on_actionMoney_0_00_triggered()
{
    numberFormat = QStringLiteral("$#,###,##0.00");
    UpdateUndoHistoryValueFormat();
    ShowStatus(QStringLiteral("Format set to '$#,###,##0.00'"));
}

void MainWindow::on_actionLarge_Numbers_0_triggered()
{
    numberFormat = QStringLiteral("#,###,##0.");
    UpdateUndoHistoryValueFormat();
    ShowStatus(QStringLiteral("Format set to '#,###,##0.'"));
}

void MainWindow::on_actionClear_triggered()
{
    numberFormat.clear();
    UpdateUndoHistoryValueFormat();
    ShowStatus(QStringLiteral("Format Cleared"));
}

void MainWindow::on_actionLog_Viewer_triggered()
{
    ShowLogViewer();
}

// The cleared pad can be undone, and with Save Log on Clear it reaches the
// log first (a pad the log could not take stays). User-defined functions,
// ANS and the number format stay.
void MainWindow::on_actionClear_Pad_triggered()
{
    if (RefuseWhileBusy())
        return;
    if (ui->actionSave_Log_On_Clear->isChecked() && !WriteLog())
        return;
    CommitUndoStep();
    variables.clear();
    // With its signals on, the pad's own handling sees the empty pad.
    ui->Text1->clear();
    ShowStatus(QString());
    RefreshMenus();
}
