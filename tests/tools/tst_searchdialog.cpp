#include "support/testsupport.h"

#include "pad/mainwindow.h"
#include "tools/LimitedPattern.h"
#include "tools/searchdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString dash = QStringLiteral(" \u2014 ");

// A dialog over its own editor; controls reached by their object names.
struct Fixture
{
    QPlainTextEdit editor;
    SearchDialog dialog{&editor};

    template<typename T> T* control(const char* name) { return dialog.findChild<T*>(QLatin1String(name)); }
    QString status() { return control<QLabel>("LabelSearchStatus")->text(); }
    void setFind(const QString& text) { control<QLineEdit>("TextSearch")->setText(text); }
    QString selection()
    {
        const QTextCursor cursor = editor.textCursor();
        return QStringLiteral("%1-%2").arg(cursor.selectionStart()).arg(cursor.selectionEnd());
    }
    void placeCursor(int start, int end)
    {
        QTextCursor cursor(editor.document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
    }
};

} // namespace

class SearchDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void walk_data();
    void walk();
    void startFrom_data();
    void startFrom();
    void criteriaChangeRestarts();
    void errorsLeaveSelectionAlone();
    void emptyMatchesAreWalked();
    void openTakesSelection();
    void keys();
    void plainTextStatus();
    void searchHelp();
    void mainWindowCommands();
    void hostileSearchIsGivenUp_data();
    void hostileSearchIsGivenUp();
};

void SearchDialogTest::form()
{
    Fixture f;
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Find"));
    QCOMPARE(f.dialog.size(), QSize(470, 128));
    QCOMPARE(f.dialog.minimumSize(), QSize(470, 128));
    QCOMPARE(f.dialog.maximumSize(), QSize(470, 128));
    QVERIFY(!f.dialog.isModal());
    QVERIFY(f.control<QPushButton>("ButtonFindNext")->isDefault());
    QVERIFY(f.control<QCheckBox>("CheckWrapAround")->isChecked());
    QVERIFY(f.control<QRadioButton>("RadioStartCursor")->isChecked());
    QCOMPARE(f.status(), QStringLiteral("Ready"));
    QStringList order;
    QWidget* w = f.control<QLineEdit>("TextSearch");
    // The chain also holds unnamed helpers of the widgets; only the controls count.
    for (int i = 0; i < 40 && order.size() < 10; ++i, w = w->nextInFocusChain()) {
        if (!w->objectName().isEmpty() && w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    }
    QCOMPARE(order, (QStringList{"TextSearch", "CheckCaseSensitive", "CheckRegularExpression", "CheckWrapAround",
                                 "RadioStartCursor", "RadioStartTop", "ButtonFindNext", "ButtonFindPrevious",
                                 "ButtonSearchHelp", "ButtonClose"}));
}

// Steps are 'n' (Find Next) and 'p' (Find Previous); after the last one the
// selection and the status are compared.
void SearchDialogTest::walk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("status");

    const QString pad = QStringLiteral("ab ab ab");  // matches at 0, 3, 6
    const QString found = QStringLiteral("Found 3 results for \"ab\"") + dash + QStringLiteral("showing result %1 of 3");
    QTest::newRow("first") << pad << "n" << true << "0-2" << found.arg(1);
    QTest::newRow("walks in order") << pad << "nnn" << true << "6-8" << found.arg(3);
    QTest::newRow("wraps to beginning") << pad << "nnnn" << true << "0-2"
                                        << QStringLiteral("Wrapped to beginning") + dash + found.arg(1);
    QTest::newRow("reached end") << pad << "nnnn" << false << "6-8"
                                 << QStringLiteral("Reached end of document \u2014 result 3 of 3");
    QTest::newRow("previous from start wraps to end") << pad << "p" << true << "6-8"
                                                      << QStringLiteral("Wrapped to end") + dash + found.arg(3);
    QTest::newRow("previous walks back") << pad << "nnnp" << true << "3-5" << found.arg(2);
    QTest::newRow("reached beginning") << pad << "np" << false << "0-2"
                                       << QStringLiteral("Reached beginning of document \u2014 result 1 of 3");
    const QString one = QStringLiteral("Found 1 result for \"ab\"");
    QTest::newRow("one match") << "x ab" << "n" << true << "2-4" << one;
    QTest::newRow("one match wraps") << "x ab" << "nn" << true << "2-4"
                                     << QStringLiteral("Wrapped to beginning") + dash + one;
    QTest::newRow("one match wraps back") << "x ab" << "np" << true << "2-4"
                                          << QStringLiteral("Wrapped to end") + dash + one;
    QTest::newRow("nothing found") << "xyz" << "n" << true << "0-0" << QStringLiteral("No matches found for \"ab\"");
}

void SearchDialogTest::walk()
{
    QFETCH(QString, text);
    QFETCH(QString, steps);
    QFETCH(bool, wrap);
    QFETCH(QString, selection);
    QFETCH(QString, status);
    Fixture f;
    f.editor.setPlainText(text);
    f.placeCursor(0, 0);
    f.setFind(QStringLiteral("ab"));
    f.control<QCheckBox>("CheckWrapAround")->setChecked(wrap);
    for (const QChar step : steps)
        step == QLatin1Char('n') ? f.dialog.FindNext() : f.dialog.FindPrevious();
    QCOMPARE(f.selection(), selection);
    QCOMPARE(f.status(), status);
}

// The cursor moved away from the selected match (or a selection that is no
// match): Cursor goes on from it, Top from the beginning.
void SearchDialogTest::startFrom_data()
{
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("next");
    QTest::addColumn<int>("cursorStart");
    QTest::addColumn<int>("cursorEnd");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("statusStart");
    // "ab ab ab": matches at 0, 3, 6.
    QTest::newRow("cursor next") << false << true << 4 << 4 << "6-8" << "Found";
    QTest::newRow("top next") << true << true << 4 << 4 << "0-2" << "Found";
    QTest::newRow("cursor previous") << false << false << 4 << 4 << "0-2" << "Found";
    QTest::newRow("top previous wraps") << true << false << 4 << 4 << "6-8" << "Wrapped to end";
    QTest::newRow("selection next from its end") << false << true << 1 << 4 << "6-8" << "Found";
    QTest::newRow("selection previous before its start") << false << false << 4 << 7 << "0-2" << "Found";
}

void SearchDialogTest::startFrom()
{
    QFETCH(bool, top);
    QFETCH(bool, next);
    QFETCH(int, cursorStart);
    QFETCH(int, cursorEnd);
    QFETCH(QString, selection);
    QFETCH(QString, statusStart);
    Fixture f;
    f.editor.setPlainText(QStringLiteral("ab ab ab"));
    f.placeCursor(0, 0);
    f.setFind(QStringLiteral("ab"));
    f.control<QRadioButton>(top ? "RadioStartTop" : "RadioStartCursor")->setChecked(true);
    f.dialog.FindNext();  // selects a match and makes the next Find continue
    f.placeCursor(cursorStart, cursorEnd);
    next ? f.dialog.FindNext() : f.dialog.FindPrevious();
    QCOMPARE(f.selection(), selection);
    QVERIFY2(f.status().startsWith(statusStart), qPrintable(f.status()));
}

void SearchDialogTest::criteriaChangeRestarts()
{
    Fixture f;
    f.editor.setPlainText(QStringLiteral("ab ab ab"));
    f.placeCursor(0, 0);
    f.setFind(QStringLiteral("ab"));
    f.control<QRadioButton>("RadioStartTop")->setChecked(true);
    f.dialog.FindNext();
    f.dialog.FindNext();
    QCOMPARE(f.selection(), QStringLiteral("3-5"));
    // Wrap Around is no criterion: the search goes on.
    f.control<QCheckBox>("CheckWrapAround")->setChecked(false);
    QVERIFY(f.status().startsWith(QStringLiteral("Found")));
    f.dialog.FindNext();
    QCOMPARE(f.selection(), QStringLiteral("6-8"));
    f.control<QCheckBox>("CheckCaseSensitive")->setChecked(true);
    QCOMPARE(f.status(), QStringLiteral("Ready"));
    f.dialog.FindNext();  // restarts from the top although a match is selected
    QCOMPARE(f.selection(), QStringLiteral("0-2"));
}

void SearchDialogTest::errorsLeaveSelectionAlone()
{
    Fixture f;
    f.editor.setPlainText(QStringLiteral("ab ab"));
    f.placeCursor(0, 0);
    f.setFind(QStringLiteral("ab"));
    f.dialog.FindNext();
    QCOMPARE(f.selection(), QStringLiteral("0-2"));
    f.control<QCheckBox>("CheckRegularExpression")->setChecked(true);
    f.setFind(QStringLiteral("(a"));
    f.dialog.FindNext();
    QCOMPARE(f.status(), QStringLiteral("Invalid regular expression"));
    f.setFind(QStringLiteral("(a+)+b"));
    f.editor.setPlainText(QString(40, QLatin1Char('a')) + QStringLiteral("\nab"));
    f.placeCursor(1, 3);
    f.dialog.FindNext();
    QCOMPARE(f.status(), QStringLiteral("Search too complex"));
    QCOMPARE(f.selection(), QStringLiteral("1-3"));
}

void SearchDialogTest::emptyMatchesAreWalked()
{
    Fixture f;
    f.editor.setPlainText(QStringLiteral("ab"));
    f.placeCursor(0, 0);
    f.control<QCheckBox>("CheckRegularExpression")->setChecked(true);
    f.setFind(QStringLiteral("x*"));
    f.dialog.FindNext();
    QCOMPARE(f.selection(), QStringLiteral("0-0"));
    f.dialog.FindNext();
    QCOMPARE(f.selection(), QStringLiteral("1-1"));
    QCOMPARE(f.status(), QStringLiteral("Found 3 results for \"x*\"") + dash + QStringLiteral("showing result 2 of 3"));
}

void SearchDialogTest::openTakesSelection()
{
    Fixture f;
    f.editor.setPlainText(QStringLiteral("one\ntwo\nthree"));
    f.placeCursor(0, 7);
    f.dialog.OpenSearch();
    QVERIFY(f.dialog.isVisible());
    auto* field = f.control<QLineEdit>("TextSearch");
    QCOMPARE(field->text(), QStringLiteral("one\ntwo"));
    QCOMPARE(field->selectedText(), field->text());
    f.placeCursor(0, 0);
    f.dialog.FindNext();
    QCOMPARE(f.status(), QStringLiteral("Found 2 results for \"one two\"") + dash +
                             QStringLiteral("showing result 1 of 2"));
    QCOMPARE(f.selection(), QStringLiteral("0-3"));
    // Without a selection the field keeps its text.
    f.placeCursor(2, 2);
    f.dialog.OpenSearch();
    QCOMPARE(field->text(), QStringLiteral("one\ntwo"));
}

void SearchDialogTest::keys()
{
    Fixture f;
    f.dialog.show();  // Enter reaches only a visible default button
    f.editor.setPlainText(QStringLiteral("ab ab"));
    f.placeCursor(0, 0);
    f.setFind(QStringLiteral("ab"));
    QTest::keyClick(&f.dialog, Qt::Key_F3);
    QCOMPARE(f.selection(), QStringLiteral("0-2"));
    QTest::keyClick(&f.dialog, Qt::Key_F3);
    QCOMPARE(f.selection(), QStringLiteral("3-5"));
    QTest::keyClick(&f.dialog, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(f.selection(), QStringLiteral("0-2"));
    auto* field = f.control<QLineEdit>("TextSearch");
    field->deselect();
    QTest::keyClick(&f.dialog, Qt::Key_F2);
    QCOMPARE(field->selectedText(), QStringLiteral("ab"));
    QTest::keyClick(field, Qt::Key_Return);  // the default button, Find Next
    QCOMPARE(f.selection(), QStringLiteral("3-5"));
}

void SearchDialogTest::plainTextStatus()
{
    Fixture f;
    QCOMPARE(f.control<QLabel>("LabelSearchStatus")->textFormat(), Qt::PlainText);
    f.editor.setPlainText(QStringLiteral("x"));
    f.setFind(QStringLiteral("<b>x"));
    f.dialog.FindNext();
    QCOMPARE(f.status(), QStringLiteral("No matches found for \"<b>x\""));
}

void SearchDialogTest::searchHelp()
{
    Fixture f;
    TestSupport::ShownMessage box;
    TestSupport::readNextMessageBox(box);
    f.control<QPushButton>("ButtonSearchHelp")->click();
    QCOMPARE(box.title, QStringLiteral("Sumvelle Search Help"));
    const QStringList lines = box.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 26);
    QCOMPARE(lines.at(5), QStringLiteral("\"exact phrase\""));
    QCOMPARE(lines.at(16), QStringLiteral("*       Zero or more characters"));
    QCOMPARE(lines.at(21), QStringLiteral("[!abc]  One character not in the set"));
}

void SearchDialogTest::mainWindowCommands()
{
    const auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    pad.editor()->setPlainText(QStringLiteral("ab ab"));
    // Before the dialog exists, Find Next only opens it.
    window->FindNext();
    auto* dialog = window->findChild<SearchDialog*>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    auto* status = dialog->findChild<QLabel*>(QStringLiteral("LabelSearchStatus"));
    QCOMPARE(status->text(), QStringLiteral("Ready"));
    QCOMPARE(pad.editor()->textCursor().hasSelection(), false);

    dialog->findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(QStringLiteral("ab"));
    dialog->close();
    // After it is closed the commands still search, and leave it hidden.
    QTextCursor cursor = pad.editor()->textCursor();
    cursor.setPosition(0);
    pad.editor()->setTextCursor(cursor);
    window->FindNext();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(pad.editor()->textCursor().selectedText(), QStringLiteral("ab"));
    QVERIFY(status->text().startsWith(QStringLiteral("Found 2 results")));
    window->FindPrevious();
    QVERIFY(status->text().startsWith(QStringLiteral("Wrapped to end")));
    window->ShowSearchDialog();
    QVERIFY(dialog->isVisible());
    QCOMPARE(window->findChildren<SearchDialog*>().size(), 1);
}

// Lines that a backtracking pattern tries at every start: each search runs
// into the time budget, and none of it may go on after the press that gave it up.
void SearchDialogTest::hostileSearchIsGivenUp_data()
{
    QTest::addColumn<QString>("findWhat");
    QTest::addColumn<bool>("regularExpression");
    // How the status begins once the pad holds only "2+3" and its answer.
    QTest::addColumn<QString>("afterwards");
    QTest::newRow("alternation to the end") << "(a|aa)+$" << true << "No matches found";
    QTest::newRow("alternation before a digit") << "(a|aa)*\\d" << true << "Wrapped to beginning";
    // A set at the end, so that the engine cannot rule the pad out by a
    // required character.
    QTest::newRow("wildcard chain") << "*a*a*a*a*a*a*[xyz]" << false << "No matches found";
}

void SearchDialogTest::hostileSearchIsGivenUp()
{
    QFETCH(QString, findWhat);
    QFETCH(bool, regularExpression);
    QFETCH(QString, afterwards);
    auto window = TestSupport::createWindow();
    TestSupport::Pad pad(window.get());
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QString(32, QLatin1Char('a')) + QStringLiteral("!\n");
    pad.editor()->setPlainText(text);
    window->ShowSearchDialog();
    auto* dialog = window->findChild<SearchDialog*>();
    QVERIFY(dialog);
    auto* status = dialog->findChild<QLabel*>(QStringLiteral("LabelSearchStatus"));
    dialog->findChild<QCheckBox*>(QStringLiteral("CheckRegularExpression"))->setChecked(regularExpression);
    dialog->findChild<QLineEdit*>(QStringLiteral("TextSearch"))->setText(findWhat);
    for (int press = 0; press < 3; ++press) {
        QTest::keyClick(dialog, Qt::Key_F3);
        QCOMPARE(status->text(), QStringLiteral("Search too complex"));
        QCOMPARE(LimitedPattern::RunningSearches(), 0);
    }
    QCOMPARE(pad.editor()->textCursor().hasSelection(), false);

    // The window answers at once, and the dialog searches again.
    pad.editor()->setPlainText(QString());
    QTest::keyClicks(pad.editor(), QStringLiteral("2+3"));
    QTest::keyClick(pad.editor(), Qt::Key_Return);
    QVERIFY(pad.editor()->toPlainText().contains(QStringLiteral("\n5")));
    QTest::keyClick(dialog, Qt::Key_F3);
    QVERIFY2(status->text().startsWith(afterwards), qPrintable(status->text()));
    window.reset();
    QCOMPARE(LimitedPattern::RunningSearches(), 0);
}

SUMVELLE_TEST_MAIN(SearchDialogTest)
#include "tst_searchdialog.moc"
