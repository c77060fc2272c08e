#include "engine/DateTime.h"
#include "engine/TextScan.h"

#include "pad/mainwindow.h"

#include <QCalendar>
#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <QtNumeric>

#include <cmath>
#include <limits>
#include <utility>

// The date and time language: a small recursive-descent parser over one value
// type that is a number, a duration, a clock time, a date, a date with a time
// or a text. Dates and times are local and Gregorian; texts are English.

namespace {

using TextScan::DepthGuard;
using TextScan::IsAsciiLetter;
using TextScan::IsDecimalDigit;

enum class DateTimeValueKind : int {
    Invalid = 0,
    Number = 1,
    Duration = 2,
    ClockTime = 3,
    Date = 4,
    DateTime = 5,
    Text = 6,
};

struct DateTimeValue
{
    DateTimeValueKind kind = DateTimeValueKind::Invalid;
    double number = 0.0;
    // A Duration's length, or a ClockTime's seconds after midnight (not
    // reduced to one day).
    qint64 seconds = 0;
    bool showSeconds = false;
    QDate date;
    QDateTime dateTime;
    QString text;
};

struct DateTimeParserState
{
    const QString& text;
    const std::function<bool(const QString&, double&)>& evaluateNumber;
    const QString& previousAnswer;
    // The exact moment behind a date-and-time previousAnswer; invalid when
    // there is none.
    const QDateTime& previousInstant;
    int position = 0;
    bool ok = true;
    int depth = 0;
};

using Kind = DateTimeValueKind;

constexpr qint64 SecondsPerMinute = 60;
constexpr qint64 SecondsPerHour = 3600;
constexpr qint64 SecondsPerDay = 86400;
constexpr qint64 SecondsPerHalfDay = 43200;

// The largest hour count whose seconds fit in a signed 64-bit integer.
constexpr qint64 MaximumLiteralHours = 2562047788015215;

// Seconds stay within ±(2^63 − 1), never at −2^63, so that every duration can
// be negated, shown by its magnitude and written back as a literal.
constexpr qint64 MaximumSeconds = std::numeric_limits<qint64>::max();

// No two valid dates are further apart than this many days (the whole span of
// QDate is about 1.57e12 days); larger shifts fail before QDate's own day
// arithmetic could overflow.
constexpr double MaximumDayShift = 2.0e12;

const QCalendar& Gregorian()
{
    static const QCalendar calendar(QCalendar::System::Gregorian);
    return calendar;
}

std::function<QDateTime()>& ClockOverride()
{
    static std::function<QDateTime()> clock;
    return clock;
}

QDateTime CurrentLocalDateTime()
{
    const std::function<QDateTime()>& clock = ClockOverride();
    return clock ? clock().toLocalTime() : QDateTime::currentDateTime();
}

// ---- Values -----------------------------------------------------------------

DateTimeValue Fail(DateTimeParserState& state)
{
    state.ok = false;
    return DateTimeValue();
}

bool IsCalendar(const DateTimeValue& v)
{
    return v.kind == Kind::Date || v.kind == Kind::DateTime;
}

bool CarriesSeconds(const DateTimeValue& v)
{
    return v.kind == Kind::Duration || v.kind == Kind::ClockTime;
}

DateTimeValue NumberValue(DateTimeParserState& state, double number)
{
    if (!std::isfinite(number))
        return Fail(state);
    DateTimeValue v;
    v.kind = Kind::Number;
    v.number = number;
    return v;
}

// A Duration or ClockTime, with seconds shown by the seconds rule: when an
// operand showed them, or when the count is not a whole number of minutes.
DateTimeValue SecondsValue(DateTimeParserState& state, Kind kind, qint64 seconds, bool operandShowedSeconds)
{
    if (seconds < -MaximumSeconds)
        return Fail(state);
    DateTimeValue v;
    v.kind = kind;
    v.seconds = seconds;
    v.showSeconds = operandShowedSeconds || seconds % SecondsPerMinute != 0;
    return v;
}

DateTimeValue DateValue(DateTimeParserState& state, const QDate& date)
{
    if (!date.isValid())
        return Fail(state);
    DateTimeValue v;
    v.kind = Kind::Date;
    v.date = date;
    return v;
}

DateTimeValue DateTimeValueOf(DateTimeParserState& state, const QDateTime& dateTime, bool operandShowedSeconds)
{
    if (!dateTime.isValid() || !dateTime.date().isValid())
        return Fail(state);
    DateTimeValue v;
    v.kind = Kind::DateTime;
    v.dateTime = dateTime;
    v.showSeconds = operandShowedSeconds || dateTime.time().second() != 0;
    return v;
}

DateTimeValue TextValue(const QString& text)
{
    DateTimeValue v;
    v.kind = Kind::Text;
    v.text = text;
    return v;
}

// Rounds half away from zero into the seconds range; false when the value is
// not finite or does not fit.
bool RoundToSeconds(double x, qint64& out)
{
    if (!std::isfinite(x))
        return false;
    const double rounded = std::round(x);
    // ±2^63 are exact doubles; the nearest doubles inside are whole numbers
    // that fit.
    if (!(rounded > -9223372036854775808.0 && rounded < 9223372036854775808.0))
        return false;
    out = std::llround(x);
    return out >= -MaximumSeconds;
}

// A bare number next to a duration or clock time counts minutes, or seconds
// once that value shows seconds.
bool NumberAsSeconds(double number, bool countsSeconds, qint64& out)
{
    return RoundToSeconds(countsSeconds ? number : number * 60.0, out);
}

QDate GetCalendarDate(const DateTimeValue& v)
{
    if (v.kind == Kind::Date)
        return v.date;
    if (v.kind == Kind::DateTime)
        return v.dateTime.date();
    return QDate();
}

// A local date and time as one fixed moment. When the clocks go back the time
// occurs twice, and the toolkit's own reading may change with the arithmetic
// that follows; a typed time is always its first occurrence. A time that the
// clocks skip stays invalid.
QDateTime FirstLocalOccurrence(const QDate& date, const QTime& time)
{
    const QDateTime read(date, time, Qt::LocalTime);
    if (!read.isValid())
        return read;
    const qint64 wall = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
    qint64 first = read.toSecsSinceEpoch();
    // The same wall time under the offsets in force a day either side.
    for (const qint64 side : {-SecondsPerDay, SecondsPerDay}) {
        const int offset = QDateTime::fromSecsSinceEpoch(first + side, Qt::LocalTime).offsetFromUtc();
        const qint64 candidate = wall - offset;
        if (candidate >= first)
            continue;
        const QDateTime local = QDateTime::fromSecsSinceEpoch(candidate, Qt::LocalTime);
        if (local.date() == date && local.time() == time)
            first = candidate;
    }
    return QDateTime::fromSecsSinceEpoch(first, Qt::LocalTime);
}

// A date counts as its first moment in local time. Where a daylight-saving
// jump skips midnight that is the first valid time of the day, not an invalid
// 00:00.
QDateTime CalendarStart(const DateTimeValue& v)
{
    if (v.kind == Kind::DateTime)
        return v.dateTime;
    return v.date.startOfDay(Qt::LocalTime);
}

// A local time that occurs twice, when the clocks go back, reads back as only
// one of its two moments. The instant kept beside a date-and-time ANS says
// which one the answer was; it stands in only where it is a reading of that
// very text.
DateTimeValue AtInstant(DateTimeValue value, const QDateTime& instant)
{
    if (value.kind != Kind::DateTime || !instant.isValid())
        return value;
    const QDateTime local = instant.toLocalTime();
    if (local.date() != value.dateTime.date() || local.time() != value.dateTime.time())
        return value;
    value.dateTime = local;
    return value;
}

// The moment an ANS text names, to the whole second as the text shows it,
// kept in UTC so that it stays the same moment whatever the zone does.
QDateTime AnswerInstant(const QDateTime& dateTime)
{
    const QDateTime utc = dateTime.toUTC();
    return utc.addMSecs(-utc.time().msec());
}

// A date literal has a four-digit year, so an answer outside years 1 to 9999
// could be shown but never read back as ANS.
bool IsWithinLiteralYears(const QDate& date)
{
    return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

DateTimeValue Negate(DateTimeParserState& state, const DateTimeValue& v)
{
    if (v.kind == Kind::Number)
        return NumberValue(state, -v.number);
    if (v.kind == Kind::Duration)
        return SecondsValue(state, Kind::Duration, -v.seconds, v.showSeconds);
    return Fail(state);
}

// ---- Arithmetic -------------------------------------------------------------

DateTimeValue AddCalendarValue(DateTimeParserState& state, const DateTimeValue& calendar, const DateTimeValue& addend)
{
    if (!IsCalendar(calendar))
        return Fail(state);

    if (addend.kind == Kind::Number) {
        const double n = addend.number;
        if (!std::isfinite(n))
            return Fail(state);
        const double r = std::round(n);
        if (std::fabs(n - r) > 1e-9 || std::fabs(r) > MaximumDayShift)
            return Fail(state);
        const qint64 days = static_cast<qint64>(r);
        if (calendar.kind == Kind::Date)
            return DateValue(state, calendar.date.addDays(days));
        // QDateTime spans far fewer years than QDate, and its addDays gives
        // wrong dates for shifts of millions of years, so the target day is
        // found by QDate and the result must land on it.
        const QDate target = calendar.dateTime.date().addDays(days);
        if (!target.isValid() || !target.startOfDay(Qt::LocalTime).isValid())
            return Fail(state);
        QDateTime moved = FirstLocalOccurrence(target, calendar.dateTime.time());
        if (!moved.isValid()) // the time of day falls in a daylight-saving gap: addDays moves it past
            moved = calendar.dateTime.addDays(days);
        if (moved.date() != target)
            return Fail(state);
        return DateTimeValueOf(state, moved, calendar.showSeconds);
    }

    if (addend.kind == Kind::Duration) {
        const QDateTime start = CalendarStart(calendar);
        if (!start.isValid())
            return Fail(state);
        // Checked here so that the millisecond arithmetic inside addSecs
        // cannot overflow; anything this far out is no valid date anyway.
        qint64 milliseconds = 0;
        qint64 target = 0;
        if (qMulOverflow(addend.seconds, qint64(1000), &milliseconds)
            || qAddOverflow(start.toMSecsSinceEpoch(), milliseconds, &target))
            return Fail(state);
        return DateTimeValueOf(state, start.addSecs(addend.seconds), calendar.showSeconds || addend.showSeconds);
    }

    return Fail(state);
}

DateTimeValue AddValues(DateTimeParserState& state, const DateTimeValue& left, const DateTimeValue& right)
{
    const DateTimeValue* a = &left;
    const DateTimeValue* b = &right;
    // The order never matters: put the value that keeps its kind first.
    const bool bIsAnchor = b->kind == Kind::ClockTime || IsCalendar(*b);
    if ((a->kind == Kind::Number || a->kind == Kind::Duration) && bIsAnchor)
        std::swap(a, b);
    else if (a->kind == Kind::Number && b->kind == Kind::Duration)
        std::swap(a, b);

    if (a->kind == Kind::Number && b->kind == Kind::Number)
        return NumberValue(state, a->number + b->number);

    if (IsCalendar(*a) && (b->kind == Kind::Number || b->kind == Kind::Duration))
        return AddCalendarValue(state, *a, *b);

    if (CarriesSeconds(*a) && b->kind == Kind::Duration) {
        qint64 sum = 0;
        if (qAddOverflow(a->seconds, b->seconds, &sum))
            return Fail(state);
        return SecondsValue(state, a->kind, sum, a->showSeconds || b->showSeconds);
    }

    if (CarriesSeconds(*a) && b->kind == Kind::Number) {
        qint64 added = 0;
        qint64 sum = 0;
        if (!NumberAsSeconds(b->number, a->showSeconds, added) || qAddOverflow(a->seconds, added, &sum))
            return Fail(state);
        return SecondsValue(state, a->kind, sum, a->showSeconds);
    }

    return Fail(state);
}

DateTimeValue SubtractValues(DateTimeParserState& state, const DateTimeValue& a, const DateTimeValue& b)
{
    if (a.kind == Kind::Number && b.kind == Kind::Number)
        return NumberValue(state, a.number - b.number);

    if (a.kind == Kind::Number && b.kind == Kind::Duration) {
        qint64 left = 0;
        qint64 difference = 0;
        if (!NumberAsSeconds(a.number, b.showSeconds, left) || qSubOverflow(left, b.seconds, &difference))
            return Fail(state);
        return SecondsValue(state, Kind::Duration, difference, b.showSeconds);
    }

    if (a.kind == Kind::Date && b.kind == Kind::Date)
        return NumberValue(state, static_cast<double>(b.date.daysTo(a.date)));

    if (IsCalendar(a) && IsCalendar(b)) {
        const QDateTime from = CalendarStart(b);
        const QDateTime to = CalendarStart(a);
        // The difference of the far ends of the date-time range does not fit
        // in 64-bit milliseconds; secsTo would wrap.
        qint64 milliseconds = 0;
        if (!from.isValid() || !to.isValid()
            || qSubOverflow(to.toMSecsSinceEpoch(), from.toMSecsSinceEpoch(), &milliseconds))
            return Fail(state);
        return SecondsValue(state, Kind::Duration, milliseconds / 1000, a.showSeconds || b.showSeconds);
    }

    if (IsCalendar(a) && (b.kind == Kind::Number || b.kind == Kind::Duration)) {
        const DateTimeValue negated = Negate(state, b);
        if (!state.ok)
            return DateTimeValue();
        return AddCalendarValue(state, a, negated);
    }

    if ((a.kind == Kind::ClockTime && b.kind == Kind::ClockTime)
        || (a.kind == Kind::Duration && b.kind == Kind::Duration)) {
        qint64 difference = 0;
        if (qSubOverflow(a.seconds, b.seconds, &difference))
            return Fail(state);
        return SecondsValue(state, Kind::Duration, difference, a.showSeconds || b.showSeconds);
    }

    if (CarriesSeconds(a) && (b.kind == Kind::Number || b.kind == Kind::Duration)) {
        const DateTimeValue negated = Negate(state, b);
        if (!state.ok)
            return DateTimeValue();
        return AddValues(state, a, negated);
    }

    return Fail(state);
}

DateTimeValue MultiplyValues(DateTimeParserState& state, const DateTimeValue& a, const DateTimeValue& b)
{
    if (a.kind == Kind::Number && b.kind == Kind::Number)
        return NumberValue(state, a.number * b.number);

    const DateTimeValue* duration = nullptr;
    const DateTimeValue* factor = nullptr;
    if (a.kind == Kind::Duration && b.kind == Kind::Number) {
        duration = &a;
        factor = &b;
    } else if (a.kind == Kind::Number && b.kind == Kind::Duration) {
        duration = &b;
        factor = &a;
    } else {
        return Fail(state);
    }

    qint64 product = 0;
    if (!RoundToSeconds(static_cast<double>(duration->seconds) * factor->number, product))
        return Fail(state);
    return SecondsValue(state, Kind::Duration, product, duration->showSeconds);
}

DateTimeValue DivideValues(DateTimeParserState& state, const DateTimeValue& a, const DateTimeValue& b)
{
    if (b.kind != Kind::Number || b.number == 0.0)
        return Fail(state);
    if (a.kind == Kind::Number)
        return NumberValue(state, a.number / b.number);
    if (a.kind == Kind::Duration) {
        qint64 quotient = 0;
        if (!RoundToSeconds(static_cast<double>(a.seconds) / b.number, quotient))
            return Fail(state);
        return SecondsValue(state, Kind::Duration, quotient, a.showSeconds);
    }
    return Fail(state);
}

// ---- Texts ------------------------------------------------------------------

QString TwoDigits(quint64 n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString FormatDurationText(qint64 seconds, bool showSeconds)
{
    // The magnitude in unsigned arithmetic is defined for every qint64.
    const quint64 a = seconds < 0 ? quint64(0) - quint64(seconds) : quint64(seconds);
    QString text =
        QString::number(a / SecondsPerHour) + QLatin1Char(':') + TwoDigits((a % SecondsPerHour) / SecondsPerMinute);
    if (a % SecondsPerMinute != 0 || showSeconds)
        text += QLatin1Char(':') + TwoDigits(a % SecondsPerMinute);
    if (seconds < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

qint64 TimeOfDay(qint64 seconds)
{
    qint64 t = seconds % SecondsPerDay;
    if (t < 0)
        t += SecondsPerDay;
    return t;
}

QString FormatClockTimeText(qint64 seconds, bool showSeconds)
{
    const qint64 t = TimeOfDay(seconds);
    qint64 hour = t / SecondsPerHour - 12 * (t / SecondsPerHalfDay);
    if (hour == 0)
        hour = 12;
    QString text =
        QString::number(hour) + QLatin1Char(':') + TwoDigits(quint64((t % SecondsPerHour) / SecondsPerMinute));
    if (t % SecondsPerMinute != 0 || showSeconds)
        text += QLatin1Char(':') + TwoDigits(quint64(t % SecondsPerMinute));
    text += t < SecondsPerHalfDay ? QStringLiteral(" AM") : QStringLiteral(" PM");
    return text;
}

QString FormatDateTimeValue(const DateTimeValue& v)
{
    const QLocale english = QLocale::c();
    switch (v.kind) {
    case Kind::Duration:
        return FormatDurationText(v.seconds, v.showSeconds);
    case Kind::ClockTime:
        return FormatClockTimeText(v.seconds, v.showSeconds);
    case Kind::Date:
        return english.toString(v.date, u"M/d/yyyy", Gregorian());
    case Kind::DateTime:
        return english.toString(v.dateTime, v.showSeconds ? u"M/d/yyyy h:mm:ss AP" : u"M/d/yyyy h:mm AP", Gregorian());
    case Kind::Text:
        return v.text;
    case Kind::Number:
    case Kind::Invalid:
        break;
    }
    return QString();
}

// ---- Reading ----------------------------------------------------------------

void SkipBlanks(DateTimeParserState& state)
{
    while (state.position < state.text.size() && state.text.at(state.position).isSpace())
        ++state.position;
}

bool Consume(DateTimeParserState& state, QChar c)
{
    SkipBlanks(state);
    if (state.position < state.text.size() && state.text.at(state.position) == c) {
        ++state.position;
        return true;
    }
    return false;
}

// Hours 1 to 12 with AM or PM to hours 0 to 23.
int TwentyFourHour(int hour, const QString& suffix)
{
    const bool pm = suffix.compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0;
    const int h = hour == 12 ? 0 : hour;
    return pm ? h + 12 : h;
}

bool TryParseTimeValue(DateTimeParserState& state, DateTimeValue& out)
{
    // Anchored at the parser's position by the match option.
    static const QRegularExpression pattern(
        QStringLiteral("(\\d{1,}):(\\d{2})(?::(\\d{2}))?\\s*(AM|PM)?(?![A-Za-z0-9_:])"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(state.text, state.position, QRegularExpression::NormalMatch,
                                                        QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch())
        return false;

    bool hoursOk = false;
    const qint64 hours = match.captured(1).toLongLong(&hoursOk);
    const int minutes = match.captured(2).toInt();
    const bool secondsWritten = match.capturedStart(3) >= 0;
    const int seconds = secondsWritten ? match.captured(3).toInt() : 0;
    if (!hoursOk || minutes > 59 || seconds > 59)
        return false;

    const QString suffix = match.captured(4);
    DateTimeValue value;
    value.showSeconds = secondsWritten;
    if (suffix.isEmpty()) {
        qint64 total = 0;
        // The hour bound alone lets 2562047788015215:59 overflow.
        if (hours > MaximumLiteralHours
            || qAddOverflow(hours * SecondsPerHour, qint64(minutes) * SecondsPerMinute + seconds, &total))
            return false;
        value.kind = Kind::Duration;
        value.seconds = total;
    } else {
        if (hours < 1 || hours > 12)
            return false;
        value.kind = Kind::ClockTime;
        value.seconds = TwentyFourHour(int(hours), suffix) * SecondsPerHour + minutes * SecondsPerMinute + seconds;
    }

    out = value;
    state.position = match.capturedEnd(0);
    return true;
}

DateTimeValue ParseNumberLiteral(DateTimeParserState& state)
{
    double value = 0.0;
    if (!TextScan::ReadDecimalNumber(state.text, state.position, value))
        return Fail(state);
    return NumberValue(state, value);
}

bool ParseDateLiteral(const QString& text, DateTimeValue& out)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})\\s*[/.-]\\s*(\\d{1,2})\\s*[/.-]\\s*(\\d{4})"
                       "(?:\\s+(\\d{1,2})\\s*:\\s*(\\d{2})(?:\\s*:\\s*(\\d{2}))?\\s*(AM|PM))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;

    const QDate date(match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt(), Gregorian());
    if (!date.isValid())
        return false;

    if (match.capturedStart(4) < 0) {
        DateTimeValue value;
        value.kind = Kind::Date;
        value.date = date;
        out = value;
        return true;
    }

    const int hour = match.captured(4).toInt();
    const int minute = match.captured(5).toInt();
    const bool secondsWritten = match.capturedStart(6) >= 0;
    const int second = secondsWritten ? match.captured(6).toInt() : 0;
    if (hour < 1 || hour > 12 || minute > 59 || second > 59)
        return false;

    // A local time that a daylight-saving jump skips is invalid: refused.
    const QDateTime dateTime =
        FirstLocalOccurrence(date, QTime(TwentyFourHour(hour, match.captured(7)), minute, second));
    if (!dateTime.isValid())
        return false;
    DateTimeValue value;
    value.kind = Kind::DateTime;
    value.dateTime = dateTime;
    value.showSeconds = secondsWritten;
    out = value;
    return true;
}

DateTimeValue ParseExpression(DateTimeParserState& state);

bool EvaluateDateTimeParser(DateTimeParserState& state, DateTimeValue& out)
{
    SkipBlanks(state);
    const DateTimeValue value = ParseExpression(state);
    SkipBlanks(state);
    if (state.position < state.text.size())
        state.ok = false;
    if (!state.ok || value.kind == Kind::Invalid)
        return false;
    out = value;
    return true;
}

bool ParseDateArgument(DateTimeParserState& state, DateTimeValue& out)
{
    SkipBlanks(state);
    if (state.position < state.text.size() && state.text.at(state.position) == QLatin1Char('"')) {
        const int close = state.text.indexOf(QLatin1Char('"'), state.position + 1);
        if (close < 0) {
            state.ok = false;
            return false;
        }
        const QString literal = state.text.mid(state.position + 1, close - state.position - 1);
        state.position = close + 1;
        if (!ParseDateLiteral(literal, out)) {
            state.ok = false;
            return false;
        }
        return true;
    }

    const DateTimeValue value = ParseExpression(state);
    if (!state.ok || !IsCalendar(value)) {
        state.ok = false;
        return false;
    }
    out = value;
    return true;
}

// Years, months and days from birth to today, each step ending a month early
// where the day does not exist (an anniversary of February 29 falls on the 28th).
// False when the years do not fit an int, as for the earliest dates QDate holds.
bool AgeText(const QDate& birth, const QDate& today, QString& text)
{
    const qint64 yearSpan = qint64(today.year()) - birth.year();
    if (yearSpan > std::numeric_limits<int>::max())
        return false;
    int years = int(yearSpan);
    QDate anniversary = birth.addYears(years);
    // Counting back from before year 1, addYears skips the missing year 0
    // and lands a year late: one step back may not be enough.
    while (anniversary > today) {
        --years;
        anniversary = birth.addYears(years);
    }
    int months = (today.year() - anniversary.year()) * 12 + today.month() - anniversary.month();
    QDate monthsOn = anniversary.addMonths(months);
    if (monthsOn > today) {
        --months;
        monthsOn = anniversary.addMonths(months);
    }
    const qint64 days = monthsOn.daysTo(today);

    text = QString::number(years) + (years == 1 ? QStringLiteral(" year, ") : QStringLiteral(" years, "))
        + QString::number(months) + (months == 1 ? QStringLiteral(" month, ") : QStringLiteral(" months, "))
        + QString::number(days) + (days == 1 ? QStringLiteral(" day") : QStringLiteral(" days"));
    return true;
}

// Parses "(" expression ")" after a keyword that takes one value.
DateTimeValue ParseSingleArgument(DateTimeParserState& state)
{
    if (!Consume(state, QLatin1Char('(')))
        return Fail(state);
    const DateTimeValue value = ParseExpression(state);
    if (!state.ok)
        return DateTimeValue();
    if (!Consume(state, QLatin1Char(')')))
        return Fail(state);
    return value;
}

DateTimeValue ClockPart(DateTimeParserState& state, const QString& name, const DateTimeValue& v)
{
    // 0 hour, 1 minute, 2 second.
    const int part = name == QLatin1String("HOUR") ? 0 : name == QLatin1String("MINUTE") ? 1 : 2;
    if (v.kind == Kind::ClockTime) {
        const qint64 t = TimeOfDay(v.seconds);
        const qint64 parts[] = {t / SecondsPerHour, (t % SecondsPerHour) / SecondsPerMinute, t % SecondsPerMinute};
        return NumberValue(state, static_cast<double>(parts[part]));
    }
    if (v.kind == Kind::DateTime) {
        const QTime time = v.dateTime.time();
        const int parts[] = {time.hour(), time.minute(), time.second()};
        return NumberValue(state, parts[part]);
    }
    if (v.kind == Kind::Duration) {
        const quint64 a = v.seconds < 0 ? quint64(0) - quint64(v.seconds) : quint64(v.seconds);
        if (part == 0) {
            // Negated as an integer, so that -0:30 has hour 0, not -0.
            const qint64 hours = static_cast<qint64>(a / SecondsPerHour);
            return NumberValue(state, static_cast<double>(v.seconds < 0 ? -hours : hours));
        }
        const quint64 value = part == 1 ? (a % SecondsPerHour) / SecondsPerMinute : a % SecondsPerMinute;
        return NumberValue(state, static_cast<double>(value));
    }
    return Fail(state);
}

DateTimeValue ParseIdentifier(DateTimeParserState& state)
{
    const QString& text = state.text;
    const int length = text.size();
    const int start = state.position;
    while (state.position < length) {
        const QChar c = text.at(state.position);
        if (c == QLatin1Char('_') || IsAsciiLetter(c) || c.isLetterOrNumber())
            ++state.position;
        else
            break;
    }
    const QString name = text.mid(start, state.position - start).toUpper();
    SkipBlanks(state);

    if (name == QLatin1String("TODAY"))
        return DateValue(state, CurrentLocalDateTime().date());

    if (name == QLatin1String("NOW"))
        return DateTimeValueOf(state, CurrentLocalDateTime(), true);

    if (name == QLatin1String("ANS") && !state.previousAnswer.isEmpty()) {
        const QString empty;
        const QDateTime noInstant;
        DateTimeParserState answerState{state.previousAnswer, state.evaluateNumber, empty, noInstant};
        answerState.depth = state.depth;
        DateTimeValue answer;
        if (!EvaluateDateTimeParser(answerState, answer))
            return Fail(state);
        return AtInstant(answer, state.previousInstant);
    }

    if (name == QLatin1String("DATE")) {
        DateTimeValue argument;
        if (!Consume(state, QLatin1Char('(')) || !ParseDateArgument(state, argument)
            || !Consume(state, QLatin1Char(')')))
            return Fail(state);
        return argument;
    }

    if (name == QLatin1String("DAYS")) {
        DateTimeValue first;
        DateTimeValue second;
        if (!Consume(state, QLatin1Char('(')) || !ParseDateArgument(state, first) || !Consume(state, QLatin1Char(','))
            || !ParseDateArgument(state, second) || !Consume(state, QLatin1Char(')')))
            return Fail(state);
        return NumberValue(state, static_cast<double>(GetCalendarDate(first).daysTo(GetCalendarDate(second))));
    }

    if (name == QLatin1String("AGE")) {
        DateTimeValue argument;
        if (!Consume(state, QLatin1Char('(')) || !ParseDateArgument(state, argument)
            || !Consume(state, QLatin1Char(')')))
            return Fail(state);
        const QDate birth = GetCalendarDate(argument);
        const QDate today = CurrentLocalDateTime().date();
        QString age;
        if (!birth.isValid() || !today.isValid() || birth > today || !AgeText(birth, today, age))
            return Fail(state);
        return TextValue(age);
    }

    if (name == QLatin1String("DAY") || name == QLatin1String("MONTH") || name == QLatin1String("YEAR")) {
        const DateTimeValue argument = ParseSingleArgument(state);
        if (!state.ok)
            return DateTimeValue();
        const QDate date = GetCalendarDate(argument);
        if (!date.isValid())
            return Fail(state);
        const int value = name == QLatin1String("DAY") ? date.day()
            : name == QLatin1String("MONTH")           ? date.month()
                                                       : date.year();
        return NumberValue(state, value);
    }

    if (name == QLatin1String("HOUR") || name == QLatin1String("MINUTE") || name == QLatin1String("SECOND")) {
        const DateTimeValue argument = ParseSingleArgument(state);
        if (!state.ok)
            return DateTimeValue();
        return ClockPart(state, name, argument);
    }

    if (name == QLatin1String("WEEKDAY")) {
        const DateTimeValue argument = ParseSingleArgument(state);
        if (!state.ok)
            return DateTimeValue();
        const QDate date = GetCalendarDate(argument);
        if (!date.isValid())
            return Fail(state);
        return TextValue(QLocale::c().toString(date, u"dddd", Gregorian()));
    }

    // Any other name is the numeric engine's: a call with its parenthesised
    // arguments (parentheses inside quotes do not count), or the bare name.
    QString piece;
    if (state.position < length && text.at(state.position) == QLatin1Char('(')) {
        int nesting = 0;
        bool quoted = false;
        int p = state.position;
        for (; p < length; ++p) {
            const QChar c = text.at(p);
            if (c == QLatin1Char('"')) {
                quoted = !quoted;
            } else if (!quoted && c == QLatin1Char('(')) {
                ++nesting;
            } else if (!quoted && c == QLatin1Char(')')) {
                if (--nesting == 0)
                    break;
            }
        }
        if (p >= length)
            return Fail(state);
        piece = text.mid(start, p + 1 - start);
        state.position = p + 1;
    } else {
        piece = text.mid(start, state.position - start);
    }

    double number = 0.0;
    if (!state.evaluateNumber || !state.evaluateNumber(piece, number))
        return Fail(state);
    return NumberValue(state, number);
}

DateTimeValue ParsePrimary(DateTimeParserState& state)
{
    SkipBlanks(state);
    if (state.position >= state.text.size())
        return Fail(state);
    const QChar c = state.text.at(state.position);

    if (c == QLatin1Char('(')) {
        ++state.position;
        const DateTimeValue value = ParseExpression(state);
        if (!state.ok)
            return DateTimeValue();
        if (!Consume(state, QLatin1Char(')')))
            return Fail(state);
        return value;
    }

    if (IsDecimalDigit(c) || c == QLatin1Char('.')) {
        DateTimeValue time;
        if (TryParseTimeValue(state, time))
            return time;
        return ParseNumberLiteral(state);
    }

    if (c == QLatin1Char('_') || IsAsciiLetter(c) || c.isLetter())
        return ParseIdentifier(state);

    return Fail(state);
}

DateTimeValue ParseUnary(DateTimeParserState& state)
{
    // Every real recursion (groups, arguments, exponents) passes through
    // here; runs of signs are read in a loop and need no bound.
    DepthGuard guard(state.depth);
    if (guard.Exceeded())
        return Fail(state);

    qint64 negations = 0;
    for (;;) {
        SkipBlanks(state);
        if (state.position >= state.text.size())
            return Fail(state);
        const QChar c = state.text.at(state.position);
        if (c == QLatin1Char('+')) {
            ++state.position;
        } else if (c == QLatin1Char('-')) {
            ++state.position;
            ++negations;
        } else {
            break;
        }
    }

    DateTimeValue value = ParsePrimary(state);
    if (!state.ok)
        return DateTimeValue();

    if (Consume(state, QLatin1Char('^'))) {
        const DateTimeValue exponent = ParseUnary(state);
        if (!state.ok)
            return DateTimeValue();
        if (value.kind != Kind::Number || exponent.kind != Kind::Number)
            return Fail(state);
        value = NumberValue(state, std::pow(value.number, exponent.number));
        if (!state.ok)
            return DateTimeValue();
    }

    // Negating twice gives the value back, and a value that cannot be
    // negated fails on the first, so one negation per odd count suffices;
    // a single sign still checks the kind.
    if (negations > 0) {
        value = Negate(state, value);
        if (!state.ok)
            return DateTimeValue();
        if (negations % 2 == 0)
            value = Negate(state, value);
    }
    return state.ok ? value : DateTimeValue();
}

DateTimeValue ParseTerm(DateTimeParserState& state)
{
    DateTimeValue value = ParseUnary(state);
    while (state.ok) {
        SkipBlanks(state);
        if (state.position >= state.text.size())
            break;
        const QChar c = state.text.at(state.position);
        if (c != QLatin1Char('*') && c != QLatin1Char('/'))
            break;
        ++state.position;
        const DateTimeValue right = ParseUnary(state);
        if (!state.ok)
            break;
        value = c == QLatin1Char('*') ? MultiplyValues(state, value, right) : DivideValues(state, value, right);
    }
    return state.ok ? value : DateTimeValue();
}

DateTimeValue ParseExpression(DateTimeParserState& state)
{
    DateTimeValue value = ParseTerm(state);
    while (state.ok) {
        SkipBlanks(state);
        if (state.position >= state.text.size())
            break;
        const QChar c = state.text.at(state.position);
        if (c != QLatin1Char('+') && c != QLatin1Char('-'))
            break;
        ++state.position;
        const DateTimeValue right = ParseTerm(state);
        if (!state.ok)
            break;
        value = c == QLatin1Char('+') ? AddValues(state, value, right) : SubtractValues(state, value, right);
    }
    return state.ok ? value : DateTimeValue();
}

bool ExpressionLooksLikeDateTimeLanguage(const QString& expression)
{
    static const QRegularExpression detector(
        QStringLiteral("(?:\\b\\d{1,}:\\d{2}(?::\\d{2})?\\s*(?:AM|PM)?\\b)"
                       "|(?:\\b(?:DATE|DAYS|AGE|HOUR|MINUTE|SECOND|WEEKDAY|TODAY|NOW)\\b)"
                       "|(?:\\b(?:DAY|MONTH|YEAR)\\s*\\()"),
        QRegularExpression::CaseInsensitiveOption);
    return detector.match(expression).hasMatch();
}

bool MentionsAns(const QString& expression)
{
    static const QRegularExpression ans(QStringLiteral("\\bANS\\b"), QRegularExpression::CaseInsensitiveOption);
    return ans.match(expression).hasMatch();
}

} // namespace

void SetDateTimeLanguageClock(std::function<QDateTime()> clock)
{
    ClockOverride() = std::move(clock);
}

bool EvaluateDateTimeLanguageInternal(const QString& expression,
                                      const std::function<bool(const QString&, double&)>& evaluateNumber, bool allowAns,
                                      const QString& previousAnswer, const QDateTime& previousInstant,
                                      QString& resultText, bool& ok, double& value, bool& isNumeric, QString& ansText,
                                      QDateTime& ansInstant)
{
    // Copied before the outputs are cleared, in case one of them is the same
    // object as an input (the previous answer in particular).
    const QString line = TextScan::WithoutLoneSurrogates(expression);
    const QString answer = allowAns ? previousAnswer : QString();
    const QDateTime answerInstant = allowAns ? previousInstant : QDateTime();

    resultText.clear();
    ansText.clear();
    ansInstant = QDateTime();
    ok = false;
    isNumeric = false;
    value = 0.0;

    const bool refersToAns = allowAns && MentionsAns(line);
    if (!refersToAns && !ExpressionLooksLikeDateTimeLanguage(line))
        return false;

    DateTimeParserState state{line, evaluateNumber, answer, answerInstant};
    DateTimeValue result;
    if (!EvaluateDateTimeParser(state, result))
        return true;
    if (IsCalendar(result) && !IsWithinLiteralYears(GetCalendarDate(result)))
        return true;

    ok = true;
    switch (result.kind) {
    case Kind::Number:
        value = result.number;
        isNumeric = true;
        break;
    case Kind::Duration:
        resultText = FormatDateTimeValue(result);
        ansText = FormatDurationText(result.seconds, result.showSeconds);
        break;
    case Kind::ClockTime:
        resultText = FormatDateTimeValue(result);
        ansText = FormatClockTimeText(result.seconds, result.showSeconds);
        break;
    case Kind::Date:
    case Kind::DateTime:
        resultText = FormatDateTimeValue(result);
        ansText = QStringLiteral("DATE(\"") + resultText + QStringLiteral("\")");
        if (result.kind == Kind::DateTime)
            ansInstant = AnswerInstant(result.dateTime);
        break;
    case Kind::Text:
        resultText = FormatDateTimeValue(result);
        break;
    case Kind::Invalid:
        ok = false;
        break;
    }
    return true;
}

bool EvaluateDateTimeLanguageInternal(const QString& expression,
                                      const std::function<bool(const QString&, double&)>& evaluateNumber, bool allowAns,
                                      const QString& previousAnswer, QString& resultText, bool& ok, double& value,
                                      bool& isNumeric, QString& ansText)
{
    QDateTime ansInstant;
    return EvaluateDateTimeLanguageInternal(expression, evaluateNumber, allowAns, previousAnswer, QDateTime(),
                                            resultText, ok, value, isNumeric, ansText, ansInstant);
}

bool MainWindow::EvaluateDateTimeExpression(QString expression, QString& resultText, bool& ok, double& value,
                                            bool& isNumeric, QString& newAnsText)
{
    QDateTime newAnsInstant;
    return EvaluateDateTimeExpression(expression, resultText, ok, value, isNumeric, newAnsText, newAnsInstant);
}

bool MainWindow::EvaluateDateTimeExpression(QString expression, QString& resultText, bool& ok, double& value,
                                            bool& isNumeric, QString& newAnsText, QDateTime& newAnsInstant)
{
    const std::function<bool(const QString&, double&)> evaluateNumber = [this](const QString& piece, double& number) {
        bool pieceOk = false;
        QString processedText;
        const double result = EvaluateExpression(piece, pieceOk, processedText);
        // A whole-line HEX(...) piece leaves a one-time output base that no
        // answer of this line consumes; left set, it would turn the next,
        // unrelated answer into hexadecimal.
        setProperty(OneTimeOutputBaseProperty, QVariant());
        if (!pieceOk || !std::isfinite(result))
            return false;
        number = result;
        return true;
    };

    const bool handled =
        EvaluateDateTimeLanguageInternal(expression, evaluateNumber, ansIsDateTime, ansText, ansInstant, resultText, ok,
                                         value, isNumeric, newAnsText, newAnsInstant);
    if (handled && ok && isNumeric)
        resultText = FormatAnswer(value);
    return handled;
}
