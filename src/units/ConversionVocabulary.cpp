#include "pad/mainwindow.h"
#include "units/UnitConversions.h"

#include <QSet>

#include <algorithm>

QStringList BuildConversionVocabulary(const QList<UnitDefinition>& units)
{
    QSet<QString> entries;
    entries.insert(QStringLiteral("TO"));
    for (const UnitDefinition& unit : units) {
        entries.insert(unit.symbol);
        for (const QString& alias : unit.aliases)
            entries.insert(alias);
    }
    for (const UnitDefinition& from : units) {
        for (const QString& alias : from.aliases) {
            for (const UnitDefinition& to : units) {
                if (from.category.compare(to.category, Qt::CaseInsensitive) == 0
                    && from.symbol.compare(to.symbol, Qt::CaseInsensitive) != 0)
                    entries.insert(alias + QStringLiteral(" TO ") + to.symbol);
            }
        }
    }
    QStringList vocabulary(entries.cbegin(), entries.cend());
    // Entries that fold to one text (the two micro forms) keep a fixed order.
    std::sort(vocabulary.begin(), vocabulary.end(), [](const QString& a, const QString& b) {
        const int caseless = a.compare(b, Qt::CaseInsensitive);
        return caseless != 0 ? caseless < 0 : a < b;
    });
    return vocabulary;
}

QStringList MainWindow::GetUnitConversionVocabulary()
{
    static const QStringList vocabulary = BuildConversionVocabulary(UnitCatalogue());
    return vocabulary;
}
