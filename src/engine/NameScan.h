#pragma once

#include <QString>
#include <QStringView>

// Walks the names of an expression text in order: runs of ASCII letters,
// digits and '_' that begin with a letter or '_'. A digit before a letter
// is no part of a name (2x holds X). The exponent of a number (1e5,
// 2.5E-3) and the letter tail of a base literal (0x1F) are no names, just
// as the parser reads them, so every scan that substitutes or collects
// names agrees with what is finally evaluated.
// The length of the exponent ("e3", "E-12") of a number whose letter stands
// at index, or 0. Scans that look for names skip it.
int NumberExponentLength(const QString& text, int index);

class NameScanner
{
public:
    explicit NameScanner(const QString& scanned) : text(scanned) {}

    // Moves to the next name; false when there is none left.
    bool Next();

    int start() const { return nameStart; }
    int end() const { return nameEnd; }
    QStringView name() const { return QStringView(text).mid(nameStart, nameEnd - nameStart); }

private:
    const QString& text;
    int position = 0;
    // A number has one exponent: the letter right after one starts a name
    // (2e3e3 is 2000 times E3).
    int exponentEnd = -1;
    int nameStart = 0;
    int nameEnd = 0;
};
