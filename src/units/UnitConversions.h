#pragma once

#include "units/UnitCatalog.h"

#include <QList>
#include <QString>
#include <QStringList>

// The regular-expression text matching an alias: its words escaped, with any
// run of blanks between them.
QString AliasPattern(QString alias);

// Every alias that ends the text before position, preceded by a blank or the
// line start and followed only by blanks; in catalogue order.
QList<UnitMatch> FindSourceUnitMatches(const QString& text, int position, const QList<UnitDefinition>& units);

// Every alias that begins the text from position on, after optional blanks,
// and is followed by a blank, the end or one of = < > + - * / ^ ) , }.
QList<UnitMatch> FindTargetUnitMatches(const QString& text, int position, const QList<UnitDefinition>& units);

// The places where an alias of more than one word stands as whole words,
// left to right, none overlapping. The word operators leave them alone, so
// INCHES OF MERCURY or PARTS PER MILLION reach the conversion whole.
QList<UnitMatch> FindMultiWordUnitAliases(const QString& text);

// TO, every alias, and each alias followed by TO and the symbol of every
// other unit of its category; no text twice, sorted without regard to case.
QStringList BuildConversionVocabulary(const QList<UnitDefinition>& units);
