#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The fixed table of units that a conversion such as 12 IN TO CM may name.
// Two units convert into each other only within one category, always through
// the category's base unit.

enum class UnitTransformKind : int {
    Linear = 0,     // value in the base unit = value * factor + offset
    Reciprocal = 1, // value in the base unit = factor / value
};

struct UnitDefinition
{
    QString category; // capitals, e.g. LENGTH or DATA RATE
    QString symbol;   // canonical, unique in the catalogue
    UnitTransformKind kind = UnitTransformKind::Linear;
    double factor = 1.0;
    double offset = 0.0; // Linear units only
    QStringList aliases; // every text naming the unit, the symbol first
};

// One place in a line where an alias of a unit was found.
struct UnitMatch
{
    const UnitDefinition* unit = nullptr; // points into a catalogue that outlives the match
    int start = 0;                        // in the whole line, UTF-16 code units
    int length = 0;
};

// Appends a unit, putting its symbol in front of the aliases unless they
// already hold it in some case.
void AddUnit(QList<UnitDefinition>& units, QString category, QString symbol, UnitTransformKind kind, double factor,
             double offset, QList<QString> aliases);

// The whole catalogue in its fixed order: the order decides which match is
// found first, and ties between equally long matches go to the earlier unit.
QList<UnitDefinition> BuildUnitDefinitions();

// The catalogue as the program uses it: built on first use and never changed,
// shared by the conversion rewrite, its vocabulary and the word operators.
const QList<UnitDefinition>& UnitCatalogue();
