#pragma once

#include <QDate>
#include <QDialog>
#include <QList>
#include <QRegularExpression>
#include <QString>

#include <memory>

class BackgroundTask;
class QResizeEvent;
class Ui_LogViewer;

// The calculator log, read day by day: a list of the days found in the log,
// newest first, filtered by a search over each whole day, and a read-only
// preview of the selected day with the search's matches highlighted. Every
// opening reads the whole log again; nothing is ever written to it.
class LogViewer : public QDialog
{
    Q_OBJECT

public:
    // Every record of one calendar day, header lines included, in file order.
    struct LogDay
    {
        QDate date;
        QString text;
    };

    // One word or phrase of a friendly search.
    struct SearchTerm
    {
        bool excluded = false;
        QRegularExpression expression;
    };

    explicit LogViewer(QWidget* parent = nullptr);
    ~LogViewer() override;

    void OpenLogFile(const QString& path);
    // Whether a search started by a key is still running; its days and
    // highlights are shown when it ends, unless a newer key replaced it.
    bool SearchRunning() const;

    QString BuildDateKey(const QDate& date) const;
    bool BuildFriendlySearchTerms(QList<SearchTerm>& terms, QString& error) const;
    bool LogDayMatchesSearch(const LogDay& day, const QList<SearchTerm>& terms,
                             const QRegularExpression& expression) const;

    // How long one rebuild of the day list may search before it is given up
    // as too complex, and how many matches one day's preview highlights.
    static constexpr int searchTimeBudgetMs = 3000;
    static constexpr int maximumHighlights = 10000;
    // How much of the log, its newest part, one opening reads.
    static constexpr qint64 maximumLogBytes = qint64(64) << 20;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ReadLogFile();
    void RebuildDayList(bool keepSelection);
    void LoadSelectedDay();
    void MoveToMatchingDay(int step);
    void HighlightSearchMatches();
    void UpdateStatus();
    void ShowSearchHelp();
    void CopyPreview();
    // Searches the days on a thread of its own; the list is rebuilt when it ends.
    void StartDaySearch(const QList<SearchTerm>& terms, const QRegularExpression& expression, const QString& keyToKeep,
                        const QString& signature);
    // Fills the list with the given days, in the order given, and shows one.
    void ShowMatchingDays(const QList<int>& days, const QString& keyToKeep, const QString& signature);
    void ShowSearchError(const QString& error);
    // The row that shows the day of the given key, or else the first row.
    static int RowToSelect(const QList<LogDay>& days, const QList<int>& matching, const QString& key);

    // The highlights that a search found with its days, for the day it
    // selects; used when the preview shows exactly the text they were found in.
    struct FoundHighlights
    {
        QString text;
        QList<std::pair<int, int>> ranges;
        bool complete = false;
    };

    Ui_LogViewer* ui = nullptr;
    QString logFilePath;
    QList<LogDay> logDays;
    QList<int> matchingDays;
    QString selectedDayKey;
    QString lastSearchSignature;
    // The index in logDays of the day whose text the preview holds; -1 for none.
    int previewDayIndex = -1;
    // The preview's plain text, as the highlighting searches it.
    QString previewText;
    // The last read found the log but could not read it.
    bool logUnreadable = false;
    // The log was larger than maximumLogBytes: its oldest part was left out.
    bool logShortened = false;
    std::unique_ptr<BackgroundTask> daySearch;
    std::unique_ptr<FoundHighlights> foundHighlights;
    // The terms last built and what they were built from: the day list is
    // rebuilt at every switch as well as every key, and compiling the same
    // terms again took most of a rebuild.
    struct BuiltTerms
    {
        QString text;
        bool caseSensitive = false;
        bool built = false;
        QList<SearchTerm> terms;
        QString error;
    };
    mutable BuiltTerms lastTerms;
};
