#pragma once

#include <QRegularExpression>
#include <QString>

#include <functional>
#include <memory>

class SearchLimit;

// A user's search pattern for the same engine that QRegularExpression wraps,
// compiled with the same options and matched the same way (offsets in UTF-16
// code units, the same stepping past empty matches), but under a SearchLimit:
// the engine checks the limit while it backtracks and abandons the match once
// the limit stops, where QRegularExpression would run on until the match ends.
// Compiled once, it may be matched from several threads at the same time.
class LimitedPattern
{
public:
    enum class Outcome {
        Found,
        NotFound,
        // The limit stopped the search, or the engine gave up (its match limit).
        Stopped,
    };

    // The expression's own pattern and options; an invalid expression gives
    // a pattern that is not valid either.
    explicit LimitedPattern(const QRegularExpression& expression);

    bool IsValid() const;

    // Whether the pattern matches anywhere in the text.
    Outcome Contains(const QString& text, const SearchLimit& limit) const;

    // Every match of a global match over the text from offset 0, in order,
    // empty ones included, each given to visit; visit returns false to end the
    // search there (the outcome is then Found).
    Outcome ForEachMatch(const QString& text, const SearchLimit& limit,
                         const std::function<bool(int start, int length)>& visit) const;

    // How many matches run at this moment on any thread: none may run on after
    // the search that started it has returned.
    static int RunningSearches();

    // How many steps of the engine one search may take before it stops as a
    // search past its time budget does; 0, the default, sets no such limit.
    // Fuzzing sets one, so that every input costs a bounded amount of work,
    // the same on every run.
    static void SetStepLimit(unsigned steps);

    // One character (or surrogate pair) of a search term as a pattern that
    // matches just it. A NUL becomes \x{0}, not the engine's usual \0, which
    // a digit after it would turn into another octal escape.
    static QString EscapeLiteral(const QString& character);

private:
    struct Code;
    std::shared_ptr<const Code> code;
};
