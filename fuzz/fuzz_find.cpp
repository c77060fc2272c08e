// The Find dialog's terms, wildcards and match list. The first line is Find
// What, the second holds the switches ("c" Case Sensitive, "r" Regular
// Expression, "n" no Wrap Around, "t" Start From top), the rest is the pad,
// with the cursor in its middle.

#include "FuzzSupport.h"

#include "tools/searchdialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzSupport::SplitInput input = FuzzSupport::Split(data, size);
    const QString& switches = input.second;

    QPlainTextEdit editor;
    editor.setPlainText(QString::fromUtf8(input.rest));
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(editor.document()->characterCount() / 2);
    editor.setTextCursor(cursor);
    SearchDialog dialog(&editor);
    dialog.findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(input.first);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckCaseSensitive"))->setChecked(switches.contains(QLatin1Char('c')));
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))
        ->setChecked(switches.contains(QLatin1Char('r')));
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckWrapAround"))->setChecked(!switches.contains(QLatin1Char('n')));
    if (switches.contains(QLatin1Char('t')))
        dialog.findChild<QRadioButton*>(QStringLiteral("RadioStartTop"))->setChecked(true);

    bool ok = false;
    QString error;
    const QList<SearchDialog::SearchMatch> matches = dialog.BuildSearchMatches(ok, error);
    const int length = editor.document()->characterCount();
    for (const SearchDialog::SearchMatch& match : matches) {
        // Every match lies inside the pad, or selecting it would misplace the
        // cursor.
        if (match.start < 0 || match.length < 0 || match.start + match.length > length)
            std::abort();
    }
    dialog.FindNext();
    dialog.FindPrevious();
    return 0;
}
