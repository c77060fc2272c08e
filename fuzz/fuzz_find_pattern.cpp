// The Find dialog's pattern compiler: the first line is Find What, the
// second the switches ("c" Case Sensitive). A term without wildcards finds
// itself.

#include "FuzzSupport.h"

#include "tools/searchdialog.h"

#include <QCheckBox>
#include <QPlainTextEdit>

#include <cstdlib>

namespace {
SearchDialog& Dialog()
{
    // Made once and never destroyed, like the application.
    static auto* editor = new QPlainTextEdit;
    static auto* dialog = new SearchDialog(editor);
    return *dialog;
}

bool HasWildcard(const QString& term)
{
    for (const QChar c : term) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#') || c == QLatin1Char('['))
            return true;
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    Dialog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzSupport::SplitInput input = FuzzSupport::Split(data, size);
    SearchDialog& dialog = Dialog();
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckCaseSensitive"))
        ->setChecked(input.second.contains(QLatin1Char('c')));
    for (const SearchDialog::FriendlySearchTerm& term : dialog.ParseFriendlySearchTerms(input.first)) {
        const QRegularExpression expression = dialog.BuildFriendlyTermExpression(term.text);
        if (!HasWildcard(term.text) && (!expression.isValid() || !expression.match(term.text).hasMatch()))
            std::abort();
    }
    return 0;
}
