#pragma once
// The help catalogue: the fixed, ordered list of help topics. Internal to the
// help module (the HELP command, the pages and the help window); tests reach
// it through this header.

#include <QList>
#include <QString>
#include <QStringList>

struct HelpEntry
{
    QString title;
    QStringList aliases;
    QString category;
    QString summary;
    QString text;
};

void AddHelpEntry(QList<HelpEntry>& entries, QString title, QStringList aliases, QString category, QString summary,
                  QString text);
void AddStandardFunctionHelpEntry(QList<HelpEntry>& entries, QString title, QStringList aliases, QString category,
                                  QString description, QString syntax, QString arguments, QString examples,
                                  QString purpose, QString howItWorks);
bool HelpHasCategory(const QList<HelpEntry>& entries, QString category);

// Appends the whole catalogue, in build order, after whatever the list holds.
void BuildGeneralHelpEntries(QList<HelpEntry>& entries);

// The catalogue's three runs, each written in a file of its own and appended
// in this order by BuildGeneralHelpEntries.
void AddMathHelpTopics(QList<HelpEntry>& entries);    // 1-54: functions, programmer math, statistics
void AddFinanceHelpTopics(QList<HelpEntry>& entries); // 55-108: financial, GD&T, date and time
void AddGeneralHelpTopics(QList<HelpEntry>& entries); // 109-171: the pad, commands, window, settings
