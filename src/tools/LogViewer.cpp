#include "tools/LogViewer.h"

#include "tools/TimeBudget.h"
#include "ui_LogViewer.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QResizeEvent>
#include <QSignalBlocker>

#include <algorithm>

LogViewer::LogViewer(QWidget* parent) : QDialog(parent), ui(new Ui_LogViewer)
{
    ui->setupUi(this);
    setMinimumSize(320, 233);

    connect(ui->TextSearch, &QLineEdit::textChanged, this, [this]() { RebuildDayList(true); });
    connect(ui->CheckCaseSensitive, &QCheckBox::toggled, this, [this]() { RebuildDayList(true); });
    connect(ui->CheckRegularExpression, &QCheckBox::toggled, this, [this]() { RebuildDayList(true); });
    connect(ui->CheckReverseSearch, &QCheckBox::toggled, this, [this]() { RebuildDayList(true); });
    connect(ui->ListLogDays, &QListWidget::currentRowChanged, this, [this]() { LoadSelectedDay(); });
    connect(ui->ButtonFindNext, &QPushButton::clicked, this, [this]() { MoveToMatchingDay(1); });
    connect(ui->ButtonFindPrevious, &QPushButton::clicked, this, [this]() { MoveToMatchingDay(-1); });
    connect(ui->ButtonCopyPreview, &QPushButton::clicked, this, &LogViewer::CopyPreview);
    connect(ui->ButtonClearSearch, &QPushButton::clicked, ui->TextSearch, &QLineEdit::clear);
    connect(ui->ButtonSearchHelp, &QPushButton::clicked, this, &LogViewer::ShowSearchHelp);
    connect(ui->ButtonClose, &QPushButton::clicked, this, &QWidget::close);
}

LogViewer::~LogViewer()
{
    // Its thread reads none of the window, but must not outlive it.
    daySearch.reset();
    delete ui;
}

bool LogViewer::SearchRunning() const
{
    return daySearch != nullptr;
}

void LogViewer::OpenLogFile(const QString& path)
{
    logFilePath = path;
    // The days are read anew; an index into the old ones names no day.
    previewDayIndex = -1;
    daySearch.reset();
    ReadLogFile();
    RebuildDayList(false);
    // Opening shows the days it read: a search it starts is waited for, and
    // its result, posted to this window, is taken at once.
    if (daySearch) {
        daySearch->Wait();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    if (logUnreadable)
        ui->LabelLogStatus->setText(QStringLiteral("Could not open the calculator log"));
    else if (logShortened)
        ui->LabelLogStatus->setText(QStringLiteral("The calculator log is too large: only its newest %1 MB are shown")
                                        .arg(maximumLogBytes >> 20));
    show();
    raise();
    activateWindow();
}

QString LogViewer::BuildDateKey(const QDate& date) const
{
    return date.toString(Qt::ISODate);
}

void LogViewer::RebuildDayList(bool keepSelection)
{
    // The search still running answers an older key: it is dropped.
    daySearch.reset();
    foundHighlights.reset();
    const QString searchText = ui->TextSearch->text();
    const bool regularExpression = ui->CheckRegularExpression->isChecked();
    const QString signature = searchText + QLatin1Char('\n')
        + (ui->CheckCaseSensitive->isChecked() ? QLatin1Char('1') : QLatin1Char('0')) + QLatin1Char('\n')
        + (regularExpression ? QLatin1Char('1') : QLatin1Char('0'));
    const QString keyToKeep = keepSelection && (signature == lastSearchSignature || !ui->RadioStartTop->isChecked())
        ? selectedDayKey
        : QString();

    QList<SearchTerm> terms;
    QRegularExpression expression;
    QString error;
    if (regularExpression) {
        expression =
            QRegularExpression(searchText,
                               ui->CheckCaseSensitive->isChecked() ? QRegularExpression::NoPatternOption
                                                                   : QRegularExpression::CaseInsensitiveOption);
        if (!expression.isValid())
            error = QStringLiteral("Regular expression error: ") + expression.errorString();
    } else {
        BuildFriendlySearchTerms(terms, error);
    }
    if (!error.isEmpty()) {
        ShowSearchError(error);
        return;
    }
    if (!searchText.trimmed().isEmpty() && !logDays.isEmpty()) {
        StartDaySearch(terms, expression, keyToKeep, signature);
        return;
    }
    QList<int> days;
    days.reserve(logDays.size());
    for (int i = 0; i < logDays.size(); ++i)
        days.append(i);
    if (ui->CheckReverseSearch->isChecked())
        std::reverse(days.begin(), days.end());
    ShowMatchingDays(days, keyToKeep, signature);
}

void LogViewer::ShowSearchError(const QString& error)
{
    matchingDays.clear();
    ui->ListLogDays->clear();
    // The list's reset may not report the lost row: the day goes in any case.
    LoadSelectedDay();
    ui->LabelLogStatus->setText(error);
}

int LogViewer::RowToSelect(const QList<LogDay>& days, const QList<int>& matching, const QString& key)
{
    if (!key.isEmpty()) {
        for (int row = 0; row < matching.size(); ++row) {
            if (days.at(matching.at(row)).date.toString(Qt::ISODate) == key)
                return row;
        }
    }
    return matching.isEmpty() ? -1 : 0;
}

void LogViewer::ShowMatchingDays(const QList<int>& days, const QString& keyToKeep, const QString& signature)
{
    matchingDays = days;
    {
        const QSignalBlocker blocker(ui->ListLogDays);
        ui->ListLogDays->clear();
        QStringList rows;
        rows.reserve(matchingDays.size());
        // QDate's own names are English whatever the desktop's locale.
        for (int index : matchingDays)
            rows.append(logDays.at(index).date.toString(QStringLiteral("dddd, MMMM d, yyyy")));
        ui->ListLogDays->addItems(rows);
        ui->ListLogDays->setCurrentRow(RowToSelect(logDays, matchingDays, keyToKeep));
    }
    lastSearchSignature = signature;
    LoadSelectedDay();
    UpdateStatus();
}

void LogViewer::LoadSelectedDay()
{
    const int row = ui->ListLogDays->currentRow();
    if (row >= 0 && row < matchingDays.size()) {
        const LogDay& day = logDays.at(matchingDays.at(row));
        selectedDayKey = BuildDateKey(day.date);
        // A day already shown keeps its text: on a long day the reload costs
        // far more than the search that a key runs.
        if (previewDayIndex != matchingDays.at(row)) {
            // Highlights still attached would follow every edit of the reload,
            // each one a cursor for the document to keep up to date.
            ui->TextLogPreview->setExtraSelections({});
            ui->TextLogPreview->setPlainText(day.text);
            previewDayIndex = matchingDays.at(row);
            // What the highlighting searches, read back once per day: the
            // document may store line breaks differently from the log. Where
            // it does not, the day's text is shared instead of copied.
            const QString shown = ui->TextLogPreview->document()->toPlainText();
            previewText = shown == day.text ? day.text : shown;
        }
        HighlightSearchMatches();
    } else {
        previewDayIndex = -1;
        previewText.clear();
        selectedDayKey.clear();
        ui->TextLogPreview->setExtraSelections({});
        ui->TextLogPreview->clear();
    }
    UpdateStatus();
}

void LogViewer::MoveToMatchingDay(int step)
{
    const int rows = ui->ListLogDays->count();
    if (rows == 0)
        return;
    const int current = ui->ListLogDays->currentRow();
    if (current < 0) {
        ui->ListLogDays->setCurrentRow(0);
        return;
    }
    const int target = current + step;
    if (target >= 0 && target < rows) {
        ui->ListLogDays->setCurrentRow(target);
        return;
    }
    ui->LabelLogStatus->setText(step >= 1 ? QStringLiteral("End of matching log days")
                                          : QStringLiteral("Beginning of matching log days"));
}

void LogViewer::UpdateStatus()
{
    QString status;
    if (logDays.isEmpty()) {
        status = QStringLiteral("No saved calculator sessions were found");
    } else if (matchingDays.isEmpty()) {
        status = QStringLiteral("No log days match the search");
    } else if (!selectedDayKey.isEmpty()) {
        const QListWidgetItem* item = ui->ListLogDays->currentItem();
        status = QString::number(matchingDays.size()) + QStringLiteral(" of ") + QString::number(logDays.size())
            + QStringLiteral(" log day(s) match \u2014 ") + (item ? item->text() : QString())
            + QStringLiteral(" selected");
    } else {
        status = QString::number(matchingDays.size()) + QStringLiteral(" log day(s) match");
    }
    ui->LabelLogStatus->setText(status);
}

void LogViewer::CopyPreview()
{
    QGuiApplication::clipboard()->setText(ui->TextLogPreview->document()->toPlainText(), QClipboard::Clipboard);
    ui->LabelLogStatus->setText(QStringLiteral("Preview copied to the clipboard"));
}

void LogViewer::ShowSearchHelp()
{
    QMessageBox::information(this, QStringLiteral("Log Viewer Search Help"),
                             QStringLiteral("Searches are evaluated against each complete day of saved calculator "
                                            "sessions.\n"
                                            "\n"
                                            "Words are AND conditions:  MORTGAGE PAYMENT\n"
                                            "Excluded words use a minus:  MORTGAGE -CAR\n"
                                            "Quoted text keeps a phrase together:  \"MORTGAGE PAYMENT\"\n"
                                            "Wildcards: * = any text, ? = one character, # = one digit.\n"
                                            "\n"
                                            "Regular Expression uses the search text directly."));
}

void LogViewer::resizeEvent(QResizeEvent* event)
{
    const int width = event->size().width();
    const int height = event->size().height();
    ui->TextLogPreview->setGeometry(270, 10, width - 277, height - 50);
    ui->ListLogDays->setGeometry(0, 170, 256, height - 209);
    ui->ButtonClose->setGeometry(width - 108, height - 33, 95, 26);
    ui->LabelLogStatus->setGeometry(0, height - 31, width - 117, 24);
    QDialog::resizeEvent(event);
}
