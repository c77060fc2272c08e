#include "help/HelpPages.h"
#include "help/HelpWindow.h"
#include "pad/mainwindow.h"

namespace {

// What a help window shows, built once: the catalogue and its pages never
// change while we run, and each new main window makes a help window of its own.
struct HelpContents
{
    QList<HelpWindowArticle> articles;
    QMap<QString, QString> categoryPages;
    QString index;
    QString aboutHelp;
    QString fullHelp;
};

HelpContents BuildHelpContents()
{
    QList<HelpEntry> entries;
    BuildGeneralHelpEntries(entries);

    HelpContents contents;
    contents.articles.reserve(entries.size());
    QStringList categories;
    for (const HelpEntry& entry : std::as_const(entries)) {
        contents.articles.append({entry.title, entry.category, entry.aliases, entry.summary, FormatHelpTopic(entry)});
        if (!categories.contains(entry.category, Qt::CaseInsensitive))
            categories.append(entry.category);
    }

    // Categories without a page of their own (GD&T, DATE & TIME, SOLVER) are
    // listed by the window from their topics.
    for (const QString& category : std::as_const(categories)) {
        QString page;
        if (BuildHelpSubmenu(category, entries, page))
            contents.categoryPages.insert(NormalizeHelpKey(category), page);
    }
    contents.index = BuildHelpIndex();
    contents.aboutHelp = BuildHelpAboutHelp();
    contents.fullHelp = BuildFullHelp(entries);
    return contents;
}

} // namespace

void MainWindow::EnsureHelpWindow()
{
    if (helpWindow)
        return;
    static const HelpContents contents = BuildHelpContents();
    helpWindow = new HelpWindow(contents.articles, contents.categoryPages, contents.index, contents.aboutHelp,
                                contents.fullHelp, this);
}

void MainWindow::InsertFormattedHelpText(const QString& helpText)
{
    EnsureHelpWindow();
    helpWindow->ShowHelp(pendingHelpKey, helpText);
    // Each key serves one showing only.
    pendingHelpKey.clear();
}
