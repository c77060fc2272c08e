#pragma once

#include <QDialog>
#include <QList>
#include <QRegularExpression>
#include <QString>

class QKeyEvent;
class QPlainTextEdit;
class Ui_SearchDialog;

// The modeless Find dialog over the pad. Every Find rebuilds the matches from
// the pad's current text; the dialog keeps only whether the next Find goes on
// from the match selected last.
class SearchDialog : public QDialog
{
    Q_OBJECT

public:
    struct FriendlySearchTerm
    {
        QString text; // without the minus sign and the quotes; never empty
        bool excluded = false;
    };

    // Offsets in UTF-16 code units, equal to text-cursor positions in the pad.
    struct SearchMatch
    {
        int start = 0;
        int length = 0;
    };

    SearchDialog(QPlainTextEdit* target, QWidget* parent = nullptr);
    ~SearchDialog() override;

    void OpenSearch();
    void FindNext();
    void FindPrevious();

    // The matching engine: words, phrases and exclusions with wildcards, or
    // one regular expression, over the target's whole text.
    QList<FriendlySearchTerm> ParseFriendlySearchTerms(const QString& text) const;
    QString WildcardTermToRegularExpression(const QString& term) const;
    QRegularExpression BuildFriendlyTermExpression(const QString& term) const;
    QList<SearchMatch> FindRegularExpressionMatches(const QString& text, const QRegularExpression& expression) const;
    QList<SearchMatch> BuildSearchMatches(bool& ok, QString& error) const;
    QString BuildSearchSignature() const;
    QString SearchDescription() const;

    // How long one match build may take before it is given up as too complex.
    static constexpr int searchTimeBudgetMs = 1000;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ConnectControls();
    void SearchCriteriaChanged();
    void SelectMatch(const SearchMatch& match);
    int FindCurrentMatchIndex(const QList<SearchMatch>& matches) const;
    void SetFoundStatus(int index, int count, const QString& prefix);
    void ShowSearchHelp();
    // Steps shared by FindNext and FindPrevious; false when the Find ends in
    // an error or finds nothing, the status then saying so.
    bool PrepareFind(QList<SearchMatch>& matches, QString& signature, bool& continues, int& current);

    Ui_SearchDialog* ui = nullptr;
    QPlainTextEdit* searchTarget = nullptr;
    QString lastSearchSignature;
    bool restartSearch = true;
};
