#include "tools/searchdialog.h"

#include "ui_searchdialog.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextCursor>

namespace {

const QString emDashSeparator = QStringLiteral(" \u2014 ");

} // namespace

SearchDialog::SearchDialog(QPlainTextEdit* target, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_SearchDialog)
    , searchTarget(target)
{
    ui->setupUi(this);
    ConnectControls();
    ui->LabelSearchStatus->setText(QStringLiteral("Ready"));
}

SearchDialog::~SearchDialog()
{
    delete ui;
}

void SearchDialog::ConnectControls()
{
    connect(ui->ButtonFindNext, &QPushButton::clicked, this, &SearchDialog::FindNext);
    connect(ui->ButtonFindPrevious, &QPushButton::clicked, this, &SearchDialog::FindPrevious);
    connect(ui->ButtonSearchHelp, &QPushButton::clicked, this, &SearchDialog::ShowSearchHelp);
    connect(ui->ButtonClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->TextSearch, &QLineEdit::textChanged, this, &SearchDialog::SearchCriteriaChanged);
    connect(ui->CheckCaseSensitive, &QCheckBox::toggled, this, &SearchDialog::SearchCriteriaChanged);
    connect(ui->CheckRegularExpression, &QCheckBox::toggled, this, &SearchDialog::SearchCriteriaChanged);
    connect(ui->RadioStartCursor, &QRadioButton::toggled, this, &SearchDialog::SearchCriteriaChanged);
    connect(ui->RadioStartTop, &QRadioButton::toggled, this, &SearchDialog::SearchCriteriaChanged);
}

void SearchDialog::OpenSearch()
{
    if (searchTarget && searchTarget->textCursor().hasSelection()) {
        QString selected = searchTarget->textCursor().selectedText();
        selected.replace(QChar(0x2029), QLatin1Char('\n'));
        ui->TextSearch->setText(selected);
    }
    restartSearch = true;
    lastSearchSignature.clear();
    show();
    raise();
    activateWindow();
    ui->TextSearch->setFocus(Qt::OtherFocusReason);
    ui->TextSearch->selectAll();
}

void SearchDialog::SearchCriteriaChanged()
{
    restartSearch = true;
    lastSearchSignature.clear();
    ui->LabelSearchStatus->setText(QStringLiteral("Ready"));
}

bool SearchDialog::PrepareFind(QList<SearchMatch>& matches, QString& signature, bool& continues, int& current)
{
    bool ok = true;
    QString error;
    matches = BuildSearchMatches(ok, error);
    if (!ok) {
        ui->LabelSearchStatus->setText(error);
        return false;
    }
    if (matches.isEmpty()) {
        ui->LabelSearchStatus->setText(QStringLiteral("No matches found for ") + SearchDescription());
        return false;
    }
    signature = BuildSearchSignature();
    continues = !restartSearch && signature == lastSearchSignature;
    current = FindCurrentMatchIndex(matches);
    return true;
}

void SearchDialog::FindNext()
{
    QList<SearchMatch> matches;
    QString signature;
    bool continues = false;
    int current = -1;
    if (!PrepareFind(matches, signature, continues, current))
        return;

    const int count = int(matches.size());
    int candidate = -1;
    if (continues && current >= 0) {
        if (current + 1 < count)
            candidate = current + 1;
    } else {
        const int from = ui->RadioStartTop->isChecked() ? 0 : searchTarget->textCursor().selectionEnd();
        for (int i = 0; i < count && candidate < 0; ++i) {
            if (matches.at(i).start >= from)
                candidate = i;
        }
    }

    if (candidate >= 0) {
        SelectMatch(matches.at(candidate));
        SetFoundStatus(candidate, count, QString());
    } else if (ui->CheckWrapAround->isChecked()) {
        SelectMatch(matches.first());
        SetFoundStatus(0, count, QStringLiteral("Wrapped to beginning"));
    } else {
        ui->LabelSearchStatus->setText(QStringLiteral("Reached end of document \u2014 result %1 of %1").arg(count));
    }
    restartSearch = false;
    lastSearchSignature = signature;
}

void SearchDialog::FindPrevious()
{
    QList<SearchMatch> matches;
    QString signature;
    bool continues = false;
    int current = -1;
    if (!PrepareFind(matches, signature, continues, current))
        return;

    const int count = int(matches.size());
    int candidate = -1;
    if (continues && current >= 0) {
        candidate = current - 1;
    } else {
        const int before = ui->RadioStartTop->isChecked() ? 0 : searchTarget->textCursor().selectionStart();
        for (int i = count - 1; i >= 0 && candidate < 0; --i) {
            if (matches.at(i).start + matches.at(i).length <= before)
                candidate = i;
        }
    }

    if (candidate >= 0) {
        SelectMatch(matches.at(candidate));
        SetFoundStatus(candidate, count, QString());
    } else if (ui->CheckWrapAround->isChecked()) {
        SelectMatch(matches.last());
        SetFoundStatus(count - 1, count, QStringLiteral("Wrapped to end"));
    } else {
        ui->LabelSearchStatus->setText(
            QStringLiteral("Reached beginning of document \u2014 result 1 of %1").arg(count));
    }
    restartSearch = false;
    lastSearchSignature = signature;
}

int SearchDialog::FindCurrentMatchIndex(const QList<SearchMatch>& matches) const
{
    if (!searchTarget)
        return -1;
    const QTextCursor cursor = searchTarget->textCursor();
    const int start = cursor.selectionStart();
    const int length = cursor.selectionEnd() - start;
    for (int i = 0; i < matches.size(); ++i) {
        if (matches.at(i).start == start && matches.at(i).length == length)
            return i;
    }
    return -1;
}

void SearchDialog::SelectMatch(const SearchMatch& match)
{
    if (!searchTarget)
        return;
    QTextCursor cursor(searchTarget->document());
    cursor.setPosition(match.start);
    cursor.setPosition(match.start + match.length, QTextCursor::KeepAnchor);
    searchTarget->setTextCursor(cursor);
    searchTarget->ensureCursorVisible();
    // The pad is selected, but the keyboard stays with the dialog.
    raise();
    activateWindow();
}

void SearchDialog::SetFoundStatus(int index, int count, const QString& prefix)
{
    QString status;
    if (!prefix.isEmpty())
        status = prefix + emDashSeparator;
    if (count == 1)
        status += QStringLiteral("Found 1 result for ") + SearchDescription();
    else
        status += QStringLiteral("Found %1 results for ").arg(count) + SearchDescription()
            + QStringLiteral(" \u2014 showing result %1 of %2").arg(index + 1).arg(count);
    ui->LabelSearchStatus->setText(status);
}

void SearchDialog::ShowSearchHelp()
{
    static const QStringList lines = {
        QStringLiteral("Friendly Search"),
        QString(),
        QStringLiteral("word"),
        QStringLiteral("    Finds text anywhere in the calculator pad."),
        QString(),
        QStringLiteral("\"exact phrase\""),
        QStringLiteral("    Keeps spaces together as one search term."),
        QString(),
        QStringLiteral("word1 word2"),
        QStringLiteral("    AND search. Every positive term must occur in the pad; Find Next walks their occurrences "
                       "in document order."),
        QString(),
        QStringLiteral("-word"),
        QStringLiteral("    Excludes the search when that term occurs anywhere in the pad."),
        QString(),
        QStringLiteral("Wildcards"),
        QString(),
        QStringLiteral("*       Zero or more characters"),
        QStringLiteral("?       Exactly one character"),
        QStringLiteral("#       Exactly one numeric digit"),
        QStringLiteral("[abc]   One character from the set"),
        QStringLiteral("[a-z]   One character from the range"),
        QStringLiteral("[!abc]  One character not in the set"),
        QString(),
        QStringLiteral("Regular Expression"),
        QString(),
        QStringLiteral("When Regular Expression is checked, the friendly parser and wildcard language are bypassed. "
                       "The entire Find What field is used as a raw regular expression. Case Sensitive still "
                       "applies."),
    };
    QMessageBox::information(this, QStringLiteral("Sumvelle Search Help"), lines.join(QLatin1Char('\n')),
                             QMessageBox::Ok, QMessageBox::NoButton);
}

void SearchDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        ui->TextSearch->setFocus(Qt::OtherFocusReason);
        ui->TextSearch->selectAll();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F3) {
        if (event->modifiers() & Qt::ShiftModifier)
            FindPrevious();
        else
            FindNext();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
