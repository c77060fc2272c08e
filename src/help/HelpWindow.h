#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>

class QResizeEvent;
class QStandardItem;
class QStandardItemModel;
class Ui_HelpWindow;

// One help topic as the help window holds it; text is the formatted page.
struct HelpWindowArticle
{
    QString title;
    QString category;
    QStringList aliases;
    QString summary;
    QString text;
};

// The help window: a topic tree, a text view whose banner lines are fitted to
// its width, a search filter over the tree and a status label. Built once
// with every page it will ever show; closing it only hides it.
class HelpWindow : public QWidget
{
public:
    HelpWindow(const QList<HelpWindowArticle>& articles, const QMap<QString, QString>& categoryPages,
               const QString& indexText, const QString& aboutText, const QString& fullManualText, QWidget* parent);
    ~HelpWindow() override;

    // Shows, raises and activates the window at the item the navigation key
    // names, or shows text by itself when it names none.
    void ShowHelp(const QString& key, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend struct MainWindowTestAccess;

    // What each tree item holds besides its label.
    static constexpr int KeyRole = Qt::UserRole + 1;
    static constexpr int TopicRole = Qt::UserRole + 2;

    // ---- help/HelpWindow.cpp: the tree ----
    void BuildTree();
    void AddCategory(const QString& category, QStandardItem* parent);
    void AddArticle(const HelpWindowArticle& article, QStandardItem* parent);
    // Appends an item and records what it shows and what the filter searches.
    QStandardItem* AddItem(QStandardItem* parent, const QString& label, const QString& key, bool topic,
                           const QString& text, const QString& searchText);
    void ShowTreeContextMenu(const QPoint& position);

    // ---- help/HelpWindowNavigation.cpp ----
    QStandardItem* FindNavigationItem(const QString& key) const;
    // Among the items sharing the found item's key, the one showing text.
    QStandardItem* ItemShowingText(QStandardItem* item, const QString& text) const;
    // The category item whose page is this text, or null.
    QStandardItem* CategoryItemShowing(const QString& text) const;
    void SelectAndShowItem(QStandardItem* item);
    void ShowStandaloneText(const QString& text);
    void ShowCurrentTreeItem();
    QString NormalizeKey(QString text) const;
    void ApplySearch();
    void ExpandWholeTree(const QStandardItem* item);
    bool FilterTreeItem(QStandardItem* item, const QString& query);
    bool ItemMatchesSearch(QStandardItem* item, const QString& query) const;
    int CountVisibleArticles(QStandardItem* item) const;

    // ---- help/HelpWindowText.cpp ----
    void RefreshDisplayedHelpText();
    QString FormatHelpTextForCurrentWidth(const QString& text) const;
    // The rules and headings of "-" are fitted like those of "=".
    QString BuildFullWidthEquals(int width, QChar fill = QLatin1Char('=')) const;
    QString BuildTitleLine(const QString& title, int width, QChar fill = QLatin1Char('=')) const;
    int AvailableTextWidth() const;

    Ui_HelpWindow* ui;
    QList<HelpWindowArticle> articles;
    QMap<QString, QString> categoryPages;
    QString indexText;
    QString aboutText;
    QString fullManualText;
    QStandardItemModel* model = nullptr;
    // Titles that normalise alike (MIN of statistics and of the window
    // commands) share a key, so a key holds its items in tree order and the
    // texts are kept per item rather than per key.
    QMap<QString, QList<QStandardItem*>> itemsByKey;
    QHash<const QStandardItem*, QString> textsByItem;
    QHash<const QStandardItem*, QString> searchTextsByItem;
    QString currentText;
    bool splitterSized = false;
    // What the view shows now, fitted to which width: a refit of the same
    // text at the same width would change nothing.
    QString fittedText;
    int fittedWidth = -1;
};
