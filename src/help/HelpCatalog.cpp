#include "help/HelpCatalog.h"

void AddHelpEntry(QList<HelpEntry>& entries, QString title, QStringList aliases, QString category, QString summary,
                  QString text)
{
    entries.append(
        HelpEntry{std::move(title), std::move(aliases), std::move(category), std::move(summary), std::move(text)});
}

void AddStandardFunctionHelpEntry(QList<HelpEntry>& entries, QString title, QStringList aliases, QString category,
                                  QString description, QString syntax, QString arguments, QString examples,
                                  QString purpose, QString howItWorks)
{
    // Every heading is written, even over an empty field, so all function
    // topics read alike.
    QString text = title;
    text += QStringLiteral("\n\nDescription:\n") + description;
    text += QStringLiteral("\n\nSyntax:\n") + syntax;
    text += QStringLiteral("\n\nArguments:\n") + arguments;
    text += QStringLiteral("\n\nExamples:\n") + examples;
    text += QStringLiteral("\n\nPurpose:\n") + purpose;
    text += QStringLiteral("\n\nHow It Works:\n") + howItWorks;
    AddHelpEntry(entries, std::move(title), std::move(aliases), std::move(category), description, std::move(text));
}

bool HelpHasCategory(const QList<HelpEntry>& entries, QString category)
{
    for (const HelpEntry& entry : entries) {
        if (entry.category.compare(category, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void BuildGeneralHelpEntries(QList<HelpEntry>& entries)
{
    AddMathHelpTopics(entries);
    AddFinanceHelpTopics(entries);
    AddGeneralHelpTopics(entries);
}
