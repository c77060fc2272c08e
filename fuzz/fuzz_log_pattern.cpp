// The log viewer's pattern compiler: the first line is the search text, the
// second the switches ("c" Case Sensitive). A search that compiles gives only
// valid expressions, and a single word without wildcards finds itself.

#include "FuzzSupport.h"

#include "tools/LogViewer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <cstdlib>

namespace {
LogViewer& Viewer()
{
    // Made once and never destroyed, like the application.
    static auto* viewer = new LogViewer;
    return *viewer;
}

bool IsPlainWord(const QString& text)
{
    if (text.isEmpty() || text.startsWith(QLatin1Char('-')))
        return false;
    for (const QChar c : text) {
        if (c.isSpace() || c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#')
            || c == QLatin1Char('[') || c == QLatin1Char('"'))
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    Viewer();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzSupport::SplitInput input = FuzzSupport::Split(data, size);
    LogViewer& viewer = Viewer();
    // Blocked: the viewer would rebuild its day list on each change, compiling
    // the same terms once more.
    auto* caseSensitive = viewer.findChild<QCheckBox*>(QStringLiteral("CheckCaseSensitive"));
    auto* search = viewer.findChild<QLineEdit*>(QStringLiteral("TextSearch"));
    const QSignalBlocker caseBlocker(caseSensitive);
    const QSignalBlocker searchBlocker(search);
    caseSensitive->setChecked(input.second.contains(QLatin1Char('c')));
    search->setText(input.first);

    QList<LogViewer::SearchTerm> terms;
    QString error;
    if (!viewer.BuildFriendlySearchTerms(terms, error))
        return 0;
    for (const LogViewer::SearchTerm& term : terms) {
        if (!term.expression.isValid())
            std::abort();
    }
    const QString word = input.first.trimmed();
    if (IsPlainWord(word) && (terms.size() != 1 || !terms.first().expression.match(word).hasMatch()))
        std::abort();
    return 0;
}
