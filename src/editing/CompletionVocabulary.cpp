#include "editing/CompletionVocabulary.h"

#include "engine/TextScan.h"

#include <QSet>

#include <algorithm>

bool IsCompletionWordCharacterBefore(QStringView text, qsizetype index)
{
    return TextScan::IsWordCharacter(TextScan::CodePointBefore(text, index));
}

qsizetype WordStartBefore(QStringView text, qsizetype end)
{
    qsizetype start = end;
    while (start > 0) {
        const char32_t c = TextScan::CodePointBefore(text, start);
        if (!TextScan::IsWordCharacter(c))
            break;
        start -= QChar::requiresSurrogates(c) ? 2 : 1;
    }
    return start;
}

qsizetype WordEndAfter(QStringView text, qsizetype start)
{
    qsizetype end = start;
    while (end < text.size()) {
        int width = 1;
        if (!TextScan::IsWordCharacter(TextScan::CodePointAt(text, end, width)))
            break;
        end += width;
    }
    return end;
}

QStringView LineBefore(QStringView text, qsizetype position)
{
    position = std::clamp<qsizetype>(position, 0, text.size());
    const qsizetype lineStart = position > 0 ? text.lastIndexOf(QLatin1Char('\n'), position - 1) + 1 : 0;
    return text.mid(lineStart, position - lineStart);
}

CompletionWordList::CompletionWordList(const QStringList& words, const CompletionWordList* known)
{
    QSet<QString> seen;
    entries.reserve(size_t(words.size()));
    for (const QString& word : words) {
        if (word.isEmpty() || seen.contains(word) || (known && known->Contains(word)))
            continue;
        seen.insert(word);
        entries.push_back({word.toCaseFolded(), word});
        longest = std::max(longest, int(word.size()));
    }
    // Stable: words that fold to one text keep the order they were given in.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.folded < b.folded; });
}

std::vector<CompletionWordList::Entry>::const_iterator CompletionWordList::LowerBound(QStringView folded) const
{
    return std::lower_bound(entries.cbegin(), entries.cend(), folded,
                            [](const Entry& entry, QStringView text) { return QStringView(entry.folded) < text; });
}

bool CompletionWordList::Contains(const QString& word) const
{
    const QString folded = word.toCaseFolded();
    for (auto it = LowerBound(folded); it != entries.cend() && it->folded == folded; ++it) {
        if (it->word == word)
            return true;
    }
    return false;
}

bool CompletionWordList::HasWordStartingWith(QStringView foldedPrefix) const
{
    const auto it = LowerBound(foldedPrefix);
    return it != entries.cend() && QStringView(it->folded).startsWith(foldedPrefix);
}

void CompletionWordList::CollectWordsStartingWith(QStringView foldedPrefix, std::vector<const Entry*>& found) const
{
    for (auto it = LowerBound(foldedPrefix); it != entries.cend() && QStringView(it->folded).startsWith(foldedPrefix);
         ++it)
        found.push_back(&*it);
}

CompletionVocabulary::CompletionVocabulary(std::shared_ptr<const CompletionWordList> base, const QStringList& userWords)
    : baseWords(std::move(base))
    , ownWords(userWords, baseWords.get())
{}

qsizetype CompletionVocabulary::size() const
{
    return (baseWords ? baseWords->size() : 0) + ownWords.size();
}

bool CompletionVocabulary::HasWordStartingWith(QStringView foldedPrefix) const
{
    return (baseWords && baseWords->HasWordStartingWith(foldedPrefix)) || ownWords.HasWordStartingWith(foldedPrefix);
}

int CompletionVocabulary::FindPrefixLength(QStringView line) const
{
    const int longest = std::max(baseWords ? baseWords->longestWord() : 0, ownWords.longestWord());
    const int lineLength = int(line.size());
    for (int length = std::min(lineLength, longest); length >= 2; --length) {
        const int start = lineLength - length;
        // Inside a word nothing begins: xsi offers nothing for si.
        if (start > 0 && IsCompletionWordCharacterBefore(line, start))
            continue;
        if (HasWordStartingWith(line.mid(start).toString().toCaseFolded()))
            return length;
    }
    return 0;
}

QStringList CompletionVocabulary::Matches(QStringView prefix) const
{
    const QString folded = prefix.toString().toCaseFolded();
    std::vector<const CompletionWordList::Entry*> found;
    if (baseWords)
        baseWords->CollectWordsStartingWith(folded, found);
    const auto ownStart = found.size();
    ownWords.CollectWordsStartingWith(folded, found);
    // Two runs, each in folded order: merged, the base's word first on a tie.
    std::inplace_merge(
        found.begin(), found.begin() + std::ptrdiff_t(ownStart), found.end(),
        [](const CompletionWordList::Entry* a, const CompletionWordList::Entry* b) { return a->folded < b->folded; });
    QStringList matches;
    matches.reserve(qsizetype(found.size()));
    for (const CompletionWordList::Entry* entry : found)
        matches.append(entry->word);
    return matches;
}
