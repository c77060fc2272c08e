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

namespace {
// One pad and one dialog over it for the process, never destroyed, like the
// application: made per input, they cost more than the search.
struct Scene
{
    QPlainTextEdit* editor = new QPlainTextEdit;
    SearchDialog* dialog = new SearchDialog(editor);
    FuzzSupport::ControlState asMade = FuzzSupport::SavedControls(*dialog);
};

Scene& TheScene()
{
    static Scene* scene = new Scene;
    return *scene;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    TheScene();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzSupport::SplitInput input = FuzzSupport::Split(data, size);
    const QString& switches = input.second;

    Scene& scene = TheScene();
    QPlainTextEdit& editor = *scene.editor;
    SearchDialog& dialog = *scene.dialog;
    FuzzSupport::RestoreControls(dialog, scene.asMade);
    editor.setPlainText(QString::fromUtf8(input.rest));
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(editor.document()->characterCount() / 2);
    editor.setTextCursor(cursor);
    dialog.findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(input.first);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))
        ->setChecked(switches.contains(QLatin1Char('r')));
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckWrapAround"))->setChecked(!switches.contains(QLatin1Char('n')));
    if (switches.contains(QLatin1Char('t')))
        dialog.findChild<QRadioButton*>(QStringLiteral("RadioStartTop"))->setChecked(true);
    // Through both states, so that the dialog forgets the last input's Find
    // as it does on any change of the criteria, even where nothing else
    // changed.
    auto* caseSensitive = dialog.findChild<QCheckBox*>(QStringLiteral("CheckCaseSensitive"));
    const bool wantCase = switches.contains(QLatin1Char('c'));
    caseSensitive->setChecked(!wantCase);
    caseSensitive->setChecked(wantCase);

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
