#include "help/HelpPages.h"
#include "help/HelpWindow.h"
#include "pad/mainwindow.h"

void MainWindow::EnsureHelpWindow()
{
    // Built once: the catalogue and its pages never change while we run.
    if (helpWindow)
        return;
    QList<HelpEntry> entries;
    BuildGeneralHelpEntries(entries);

    QList<HelpWindowArticle> articles;
    articles.reserve(entries.size());
    QStringList categories;
    for (const HelpEntry& entry : std::as_const(entries)) {
        articles.append({entry.title, entry.category, entry.aliases, entry.summary, FormatHelpTopic(entry)});
        if (!categories.contains(entry.category, Qt::CaseInsensitive))
            categories.append(entry.category);
    }

    // Categories without a page of their own (GD&T, DATE & TIME, SOLVER) are
    // listed by the window from their topics.
    QMap<QString, QString> categoryPages;
    for (const QString& category : std::as_const(categories)) {
        QString page;
        if (BuildHelpSubmenu(category, entries, page))
            categoryPages.insert(NormalizeHelpKey(category), page);
    }

    helpWindow =
        new HelpWindow(articles, categoryPages, BuildHelpIndex(), BuildHelpAboutHelp(), BuildFullHelp(entries), this);
}

void MainWindow::InsertFormattedHelpText(const QString& helpText)
{
    EnsureHelpWindow();
    helpWindow->ShowHelp(pendingHelpKey, helpText);
    // Each key serves one showing only.
    pendingHelpKey.clear();
}
