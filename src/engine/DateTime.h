#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// The date and time language without a window: dates, clock times, durations
// and their arithmetic. Names it does not know go to evaluateNumber, which
// returns true and a finite number, or false. The outputs are cleared first;
// the result is true when the line belongs to the language (ok then says
// whether it evaluated). A numeric answer comes back in value with isNumeric
// set; any other answer as resultText, with ansText holding a line of the
// language that evaluates to the same value (empty for a text answer).
bool EvaluateDateTimeLanguageInternal(const QString& expression,
                                      const std::function<bool(const QString&, double&)>& evaluateNumber, bool allowAns,
                                      const QString& previousAnswer, QString& resultText, bool& ok, double& value,
                                      bool& isNumeric, QString& ansText);

// The same, with the exact moment beside a date-and-time ANS. A local time
// that occurs twice (when the clocks go back) names two moments, and its text
// reads back as the first: previousInstant, the moment previousAnswer was made
// from (invalid when there is none), says which one ANS is. A date-and-time
// answer gives its moment back in ansInstant, in UTC; it is invalid for every
// other answer.
bool EvaluateDateTimeLanguageInternal(const QString& expression,
                                      const std::function<bool(const QString&, double&)>& evaluateNumber, bool allowAns,
                                      const QString& previousAnswer, const QDateTime& previousInstant,
                                      QString& resultText, bool& ok, double& value, bool& isNumeric, QString& ansText,
                                      QDateTime& ansInstant);

// The clock that TODAY, NOW and AGE read, in local time. Tests install a
// fixed one; an empty function gives back the system clock.
void SetDateTimeLanguageClock(std::function<QDateTime()> clock);
