#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

// The words autocomplete offers, ordered by their case-folded text: every
// keystroke finds its prefix and its matches by binary search instead of a
// walk over some eleven thousand words.
class CompletionWordList
{
public:
    CompletionWordList() = default;
    // Empty words and exact repeats are left out, and so are the words that
    // known holds already.
    explicit CompletionWordList(const QStringList& words, const CompletionWordList* known = nullptr);

    qsizetype size() const { return qsizetype(entries.size()); }
    int longestWord() const { return longest; }
    bool Contains(const QString& word) const;
    // Whether some word begins with the case-folded text.
    bool HasWordStartingWith(QStringView foldedPrefix) const;

    struct Entry
    {
        QString folded;
        QString word;
    };
    // Appends the words that begin with the case-folded text, in folded order.
    void CollectWordsStartingWith(QStringView foldedPrefix, std::vector<const Entry*>& found) const;

private:
    std::vector<Entry>::const_iterator LowerBound(QStringView folded) const;

    std::vector<Entry> entries; // by folded text, then in the order given
    int longest = 0;
};

// A word list that never changes (the catalogue's own names and the
// conversion phrases), shared between refreshes, with the user's names on top.
class CompletionVocabulary
{
public:
    CompletionVocabulary() = default;
    CompletionVocabulary(std::shared_ptr<const CompletionWordList> base, const QStringList& userWords);

    qsizetype size() const;

    // The length of the longest end of the line, of at least two characters,
    // that starts at a word boundary and begins some word ignoring case; 0
    // when there is none.
    int FindPrefixLength(QStringView line) const;
    // Every word that begins with the prefix ignoring case, sorted ignoring case.
    QStringList Matches(QStringView prefix) const;

private:
    bool HasWordStartingWith(QStringView foldedPrefix) const;

    std::shared_ptr<const CompletionWordList> baseWords;
    CompletionWordList ownWords;
};

// Whether the character that ends just before index (index > 0) is a word
// character (TextScan::IsWordCharacter).
bool IsCompletionWordCharacterBefore(QStringView text, qsizetype index);
// Where the run of word characters that ends at end begins (end when none does).
qsizetype WordStartBefore(QStringView text, qsizetype end);
// Where the run of word characters that begins at start ends (start when none does).
qsizetype WordEndAfter(QStringView text, qsizetype start);
// The text from the start of position's line up to position (clamped to the text).
QStringView LineBefore(QStringView text, qsizetype position);
