// The Find dialog's terms, wildcards and match list. The first line is Find
// What, the second holds the switches ("c" Case Sensitive, "r" Regular
// Expression), the rest is the pad.

#include "FuzzSupport.h"

#include "tools/searchdialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString findWhat = input.section(QLatin1Char('\n'), 0, 0);
    const QString switches = input.section(QLatin1Char('\n'), 1, 1);
    const QString pad = input.section(QLatin1Char('\n'), 2);

    QPlainTextEdit editor;
    editor.setPlainText(pad);
    SearchDialog dialog(&editor);
    dialog.findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(findWhat);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckCaseSensitive"))->setChecked(switches.contains(QLatin1Char('c')));
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))
        ->setChecked(switches.contains(QLatin1Char('r')));

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
