#include "pad/mainwindow.h"
#include "units/UnitConversions.h"

#include <QSet>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {
// A low surrogate after a high one folds as the whole code point; any other
// unit folds on its own.
std::u32string CaseFolded(const QString& text)
{
    std::u32string folded;
    folded.reserve(size_t(text.size()));
    char16_t previous = 0;
    for (const QChar unit : text) {
        char32_t codePoint = unit.unicode();
        if (unit.isLowSurrogate() && QChar::isHighSurrogate(previous))
            codePoint = QChar::surrogateToUcs4(previous, unit.unicode());
        previous = unit.unicode();
        folded.push_back(QChar::toCaseFolded(codePoint));
    }
    return folded;
}
} // namespace

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
    // Sorted without regard to case: each entry is folded once, code point by
    // code point as a caseless comparison folds, instead of in every
    // comparison. Entries that fold to one text (the two micro forms) keep a
    // fixed order.
    struct Entry
    {
        std::u32string folded;
        QString text;
    };
    std::vector<Entry> sorted;
    sorted.reserve(size_t(entries.size()));
    for (const QString& text : entries)
        sorted.push_back({CaseFolded(text), text});
    std::sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) {
        return a.folded != b.folded ? a.folded < b.folded : a.text < b.text;
    });
    QStringList vocabulary;
    vocabulary.reserve(qsizetype(sorted.size()));
    for (Entry& entry : sorted)
        vocabulary.append(std::move(entry.text));
    return vocabulary;
}

QStringList MainWindow::GetUnitConversionVocabulary()
{
    static const QStringList vocabulary = BuildConversionVocabulary(UnitCatalogue());
    return vocabulary;
}
