// The help's own pages: the index, "Using HELP", one topic, the complete
// manual and the search results. The category pages live in
// HelpCategoryPages.cpp.

#include "help/HelpPages.h"

namespace {

QString Rule(QChar character, int count)
{
    return QString(count, character);
}

} // namespace

bool IsHelpKeyCharacter(QChar unit)
{
    const char16_t code = unit.unicode();
    if (code < 128)
        return (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z') || (code >= u'0' && code <= u'9');
    return unit.isLetterOrNumber();
}

QString NormalizeHelpKey(QString name)
{
    // Names are compared by their letters and digits only, so "Date & Time",
    // "date-time" and "DATETIME" all name the same thing.
    QString key;
    key.reserve(name.size());
    for (const QChar unit : name) {
        if (IsHelpKeyCharacter(unit))
            key.append(unit.toUpper());
    }
    return key;
}

QString FormatHelpMenu(QString page)
{
    // The empty line before each menu entry becomes a rule; an entry right
    // under a heading keeps none.
    return page.replace(QStringLiteral("\n\n  HELP "),
                        QLatin1Char('\n') + Rule(u'-', 60) + QStringLiteral("\n  HELP "));
}

QString BuildHelpIndex()
{
    QList<HelpEntry> entries;
    BuildGeneralHelpEntries(entries);

    struct Area
    {
        const char* name;
        const char* description;
    };
    static const Area areas[] = {
        {"BASICS", "Calculator arithmetic, percent, factorial, and Word Operators"},
        {"FUNCTIONS", "General math, trigonometry, logs, rounding, and number theory"},
        {"PROGRAMMER MATH", "Base literals, conversion functions, bitwise functions, and Output Base"},
        {"STATISTICS", "Summary, spread, means, percentiles, distribution shape, and random numbers"},
        {"FINANCIAL", "Loans, compounding, investment returns, cash flow, and pricing"},
        {"GD&T", "Position, material conditions, boundaries, fasteners, and tolerance utilization"},
        {"DATE TIME", "Durations, AM/PM time, calendar dates, and date/time functions"},
        {"CONVERSIONS", "Unit-conversion syntax and complete unit reference"},
        {"CUSTOM FUNCTIONS", "Saved user formulas, function calls, listing, and deletion"},
        {"VARIABLES", "Variables, assignments, ANS, and constants"},
        {"EQUATIONS", "Equations, systems, solver, SIMPLIFY, and ISOLATE"},
        {"SETTINGS", "Formatting, Predictive Text, Syntax Help, and calculator options"},
        {"PAD", "Enter behavior, continuation, and selected-line execution"},
        {"COMMANDS", "Typed Sumvelle commands"},
        {"WINDOW", "Sumvelle window-control commands"},
    };

    QString text = QStringLiteral("==================== Sumvelle Help ====================\n"
                                  "\n"
                                  "Help follows the same organization as the Tools menu.\n"
                                  "Choose the area that contains the feature you want:\n"
                                  "\n");
    for (const Area& area : areas) {
        text += QStringLiteral("  HELP ") + QLatin1String(area.name) + QStringLiteral("\n      ")
            + QLatin1String(area.description) + QStringLiteral("\n\n");
    }
    if (HelpHasCategory(entries, QStringLiteral("WINDOWS"))) {
        text += QStringLiteral("  HELP WINDOWS\n"
                               "      Windows-only external window-handle commands\n"
                               "\n");
    }
    text += QStringLiteral("OTHER HELP COMMANDS\n"
                           "  HELP topic\n"
                           "      Open any topic directly.\n"
                           "\n"
                           "  HELP /S words\n"
                           "      Search Help.\n"
                           "\n"
                           "  HELP /ALL\n"
                           "      Display the complete manual.\n"
                           "\n"
                           "  HELP /?\n"
                           "      Explain the HELP command.\n"
                           "\n");
    text += Rule(u'=', 58);
    return FormatHelpMenu(text);
}

QString BuildHelpAboutHelp()
{
    static const char* const lines[] = {
        "==================== Using HELP ==========================",
        "",
        "HELP is organized like a two-level menu.",
        "",
        "HELP",
        "  Shows the master list of Help categories.",
        "",
        "HELP category",
        "  Opens that category and shows the actual functions or commands",
        "  vertically, including syntax where syntax is useful.",
        "",
        "Examples:",
        "  HELP FUNCTIONS",
        "  HELP FINANCIAL",
        "  HELP COMMANDS",
        "",
        "HELP topic",
        "  Opens the detailed explanation for an individual topic directly.",
        "",
        "Examples:",
        "  HELP SQRT",
        "  HELP PMT",
        "  HELP ISOLATE",
        "",
        "HELP /S words",
        "HELP /SEARCH words",
        "HELP /DESC words",
        "HELP /DESCRIPTION words",
        "  Searches titles, aliases, categories, descriptions, and full Help.",
        "",
        "HELP /ALL",
        "  Displays the complete Help manual.",
        "",
        "HELP /?",
        "  Shows these instructions. HELP?, HELP!?!?!?!, and HELP / ? also",
        "  bring you here.",
        "",
        "The single command ? is an alias for the master Help menu.",
        "",
        "==========================================================",
    };
    QStringList page;
    for (const char* line : lines)
        page.append(QLatin1String(line));
    return FormatHelpMenu(page.join(QLatin1Char('\n')));
}

QString FormatHelpTopic(const HelpEntry& entry)
{
    QString body = entry.text.trimmed();
    // Bodies open with their own title, which the banner already shows; a
    // body of a single line is kept whole.
    const qsizetype lineEnd = body.indexOf(QLatin1Char('\n'));
    if (lineEnd >= 0 && NormalizeHelpKey(body.left(lineEnd).trimmed()) == NormalizeHelpKey(entry.title))
        body = body.mid(lineEnd + 1).trimmed();

    return QStringLiteral("================ ") + entry.title + QStringLiteral(" ================\n\n") + body
        + QLatin1Char('\n') + Rule(u'=', 60);
}

QString BuildFullHelp(const QList<HelpEntry>& entries)
{
    QString manual = QStringLiteral("================ Sumvelle Complete Help ================\n");
    QString category;
    for (const HelpEntry& entry : entries) {
        // A category that comes back after another one is headed again.
        if (entry.category.compare(category, Qt::CaseInsensitive) != 0) {
            category = entry.category;
            manual += QStringLiteral("\n\n") + Rule(u'-', 20) + QLatin1Char(' ') + category.toUpper() + QLatin1Char(' ')
                + Rule(u'-', 20) + QStringLiteral("\n\n");
        }
        manual += FormatHelpTopic(entry) + QStringLiteral("\n\n");
    }
    manual += QStringLiteral("====================== End Help ==========================");
    return manual;
}

QString BuildSearchResults(const QList<HelpEntry>& entries, QString query, bool exactMode)
{
    const QString quoted = QLatin1Char('"') + query + QLatin1Char('"');
    const QStringList terms = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);

    QString matches;
    int matchCount = 0;
    if (!terms.isEmpty()) {
        for (const HelpEntry& entry : entries) {
            const QString searched = entry.title + QLatin1Char(' ') + entry.aliases.join(QLatin1Char(' '))
                + QLatin1Char(' ') + entry.category + QLatin1Char(' ') + entry.summary + QLatin1Char(' ') + entry.text;
            bool all = true;
            for (const QString& term : terms) {
                if (!searched.contains(term, Qt::CaseInsensitive)) {
                    all = false;
                    break;
                }
            }
            if (!all)
                continue;
            ++matchCount;
            matches += entry.title + QStringLiteral("\n  ") + entry.summary + QStringLiteral("\n\n");
        }
    }

    if (matchCount == 0) {
        if (exactMode) {
            return QStringLiteral("No help topic or description containing ") + quoted
                + QStringLiteral(" was found.\n\nTry HELP for the index or HELP /ALL for the complete manual.");
        }
        return QStringLiteral("No help description containing ") + quoted + QStringLiteral(" was found.");
    }

    QString page;
    if (exactMode) {
        page = QStringLiteral("No exact help topic named ") + quoted
            + QStringLiteral(" was found.\n\nPossible matches:\n\n");
    } else {
        page = QStringLiteral("================== Help Search ==================\n\nSearch: ") + query
            + QStringLiteral("\n\n");
    }
    page += matches;
    page += QString::number(matchCount) + (matchCount == 1 ? QStringLiteral(" match") : QStringLiteral(" matches"))
        + QStringLiteral(" found.");
    return page;
}
