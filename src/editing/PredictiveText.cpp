// Autocomplete: the popup under the pad's cursor that offers the catalogue's
// words, the user's variables and functions and the conversion phrases that
// begin with what was just typed.

#include "pad/mainwindow.h"

#include "editing/CompletionVocabulary.h"
#include "tools/TimeBudget.h"

#include "pad/MainWindowForm.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QListView>
#include <QPalette>
#include <QStringListModel>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

// The catalogue's own names and the conversion phrases never change while
// the program runs: one list with the word operators and one without. Each
// is made once, by whichever thread asks first; another that asks meanwhile
// waits for it.
std::shared_ptr<const CompletionWordList> FixedWords(bool wordOperators)
{
    static std::once_flag made[2];
    static std::shared_ptr<const CompletionWordList> lists[2];
    const int index = wordOperators ? 1 : 0;
    std::call_once(made[index], [wordOperators, index] {
        const QList<MainWindow::CalculatorSyntaxItem>& builtIn = MainWindow::BuiltInCalculatorSyntaxItems();
        const QStringList conversions = MainWindow::GetUnitConversionVocabulary();
        QStringList words;
        words.reserve(builtIn.size() + conversions.size());
        for (const MainWindow::CalculatorSyntaxItem& item : builtIn) {
            if (wordOperators || !item.isWordOperator)
                words.append(item.name);
        }
        words.append(conversions);
        lists[index] = std::make_shared<const CompletionWordList>(words);
    });
    return lists[index];
}

// The width of each word in the popup's font, measured once: shaping
// hundreds of rows would cost more than the rest of a keystroke. The words
// all come from the vocabulary, so the cache stays as large as that.
class TextWidths
{
public:
    // The font is named once here, not for every row: widths measured in
    // another font are forgotten.
    explicit TextWidths(const QFont& popupFont) : font(popupFont), widths(WidthsOf(popupFont)) {}

    int Of(const QString& text)
    {
        auto found = widths.constFind(text);
        if (found == widths.cend())
            found = widths.insert(text, QFontMetrics(font).horizontalAdvance(text));
        return found.value();
    }

private:
    static QHash<QString, int>& WidthsOf(const QFont& font)
    {
        static QString cachedFontKey;
        static QHash<QString, int> cachedWidths;
        const QString fontKey = font.key();
        if (fontKey != cachedFontKey) {
            cachedFontKey = fontKey;
            cachedWidths.clear();
        }
        return cachedWidths;
    }

    const QFont& font;
    QHash<QString, int>& widths;
};

// The popup's size hint for its column. Asking the view measures every row,
// hundreds for a short prefix, on each keystroke; the rows differ only in
// their text, so the widest text tells the widest row.
int PopupColumnWidth(const QAbstractItemView* popup, const QStringList& rows)
{
    const QAbstractItemModel* model = popup->model();
    if (!model || model->rowCount() != rows.size())
        return popup->sizeHintForColumn(0);
    const QFont& font = popup->font();
    TextWidths widths(font);
    int widestRow = -1;
    int widest = -1;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const int width = widths.Of(rows.at(row));
        if (width > widest) {
            widest = width;
            widestRow = int(row);
        }
    }
    return widestRow < 0 ? 0 : popup->sizeHintForIndex(model->index(widestRow, 0)).width();
}

} // namespace

void MainWindow::InitializePredictiveText()
{
    // Tab takes a suggestion; it never types a tab character. The completer
    // itself is made after the first paint (MakeCompleter).
    ui->Text1->setTabChangesFocus(true);

    suggestionSuppressTimer = new QTimer(this);
    suggestionSuppressTimer->setSingleShot(true);
    suggestionSuppressTimer->setInterval(1000);
    connect(suggestionSuppressTimer, &QTimer::timeout, this, &MainWindow::UpdateAutoCompleteSuggestions);

    syntaxHintLabel = new QLabel(ui->Text1->viewport());
    syntaxHintLabel->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    syntaxHintLabel->setMargin(4);
    syntaxHintLabel->setTextFormat(Qt::RichText);
    syntaxHintLabel->setFocusPolicy(Qt::NoFocus);
    syntaxHintLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = syntaxHintLabel->palette();
    const QBrush background(palette.color(QPalette::ToolTipBase));
    const QBrush foreground(palette.color(QPalette::ToolTipText));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setBrush(group, QPalette::Window, background);
        palette.setBrush(group, QPalette::WindowText, foreground);
    }
    syntaxHintLabel->setPalette(palette);
    syntaxHintLabel->setAutoFillBackground(true);

    HideAutoCompletePopup();
    HideSyntaxHint();

    ui->Text1->setFocus(Qt::OtherFocusReason);
    ui->Text1->ensureCursorVisible();
}

void MainWindow::ConnectPredictiveTextOptions()
{
    // Toggled, not triggered: the MENU command and the settings switch them too.
    connect(ui->actionPredictive_Text_Complete, &QAction::toggled, this, [this](bool on) {
        if (on) {
            UpdateAutoCompleteSuggestions();
        } else {
            suggestionSuppressTimer->stop();
            HideAutoCompletePopup();
        }
    });
    connect(ui->actionSyntax_Help, &QAction::toggled, this, [this](bool on) {
        if (on)
            UpdateSyntaxHint();
        else
            HideSyntaxHint();
    });
}

// The completer and its popup cost start-up more than the rest of the window's
// editing does, so they are made once the window shows, or by the first
// suggestion if that comes sooner.
void MainWindow::MakeCompleter()
{
    if (autoCompleter)
        return;
    autoCompleter = new QCompleter(this);
    autoCompleter->setModel(new QStringListModel(autoCompleter));
    autoCompleter->setWidget(ui->Text1);

    // The window's filter goes on again after the completer's, so it sees the
    // pad's keys first.
    ui->Text1->removeEventFilter(this);
    ui->Text1->installEventFilter(this);

    autoCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    autoCompleter->setFilterMode(Qt::MatchStartsWith);
    autoCompleter->setCompletionMode(QCompleter::PopupCompletion);
    QAbstractItemView* popup = autoCompleter->popup();
    popup->setFocusPolicy(Qt::NoFocus);
    // Every row is one line of text: the list lays hundreds out without
    // measuring each.
    if (auto* list = qobject_cast<QListView*>(popup))
        list->setUniformItemSizes(true);
    // While the popup shows, the keys go to it and the completer would hand
    // them to the pad past the pad's filter; the window's filter, installed
    // after the completer's, gives them to the pad as typed keys instead.
    popup->installEventFilter(this);

    connect(autoCompleter, QOverload<const QString&>::of(&QCompleter::activated), this,
            [this](const QString& text) { AcceptAutoCompleteSuggestion(text); });
}

void MainWindow::ReleasePredictiveText()
{
    if (autoCompleter) {
        QAbstractItemView* popup = autoCompleter->popup();
        popup->removeEventFilter(this);
        popup->viewport()->removeEventFilter(this);
        if (QWindow* window = popup->windowHandle())
            window->removeEventFilter(this);
        autoCompleter->disconnect(this);
    }
    if (suggestionSuppressTimer) {
        suggestionSuppressTimer->stop();
        suggestionSuppressTimer->disconnect(this);
    }
    disconnect(ui->actionPredictive_Text_Complete, &QAction::toggled, this, nullptr);
    disconnect(ui->actionSyntax_Help, &QAction::toggled, this, nullptr);
}

void MainWindow::UpdatePredictiveText()
{
    UpdateAutoCompleteSuggestions();
    UpdateSyntaxHint();
}

void MainWindow::PrepareCompletionWordsAhead()
{
    if (completionWordsAhead)
        return;
    // The word lists take longer to make than a keystroke may wait, so they
    // are made on a thread of their own while the window takes its first keys.
    const bool wordOperators = WordOperatorsOn();
    completionWordsAhead = std::make_unique<BackgroundTask>(
        this, -1, [wordOperators](SearchLimit&) { FixedWords(wordOperators); }, nullptr);
}

const CompletionVocabulary& MainWindow::GetCompletionVocabulary()
{
    CompletionVocabularyCache& cache = completionVocabulary;
    const bool wordOperators = WordOperatorsOn();
    if (cache.made && cache.wordOperators == wordOperators && cache.variables.isSharedWith(variables)
        && cache.customFunctions.isSharedWith(customFunctions))
        return *cache.vocabulary;

    // The user's functions in the catalogue's order, then the variables.
    QStringList ownWords;
    ownWords.reserve(customFunctions.size() + variables.size());
    for (const CustomFunctionDefinition& definition : customFunctions)
        ownWords.append(definition.name);
    ownWords.append(variables.keys());

    cache.vocabulary = std::make_shared<const CompletionVocabulary>(FixedWords(wordOperators), ownWords);
    cache.wordOperators = wordOperators;
    cache.variables = variables;
    cache.customFunctions = customFunctions;
    cache.made = true;
    return *cache.vocabulary;
}

void MainWindow::UpdateAutoCompleteSuggestions()
{
    const QTextCursor cursor = ui->Text1->textCursor();
    if (!ui->actionPredictive_Text_Complete->isChecked() || solveRunning || busy
        || (suggestionSuppressTimer && suggestionSuppressTimer->isActive()) || cursor.hasSelection()) {
        HideAutoCompletePopup();
        return;
    }
    const QString& text = PadText();
    const int position = std::clamp(cursor.position(), 0, int(text.size()));
    const QStringView line = LineBefore(text, position);
    // No prefix is shorter than two characters; an empty pad at start-up
    // need not build the words.
    if (line.size() < 2) {
        HideAutoCompletePopup();
        return;
    }
    MakeCompleter();
    auto* model = qobject_cast<QStringListModel*>(autoCompleter->model());

    const CompletionVocabulary& vocabulary = GetCompletionVocabulary();
    const int prefixLength = vocabulary.FindPrefixLength(line);
    if (prefixLength < 2 || !model) {
        HideAutoCompletePopup();
        return;
    }
    const QString prefix = line.right(prefixLength).toString();
    const int start = position - prefixLength;
    int end = position;
    // From inside a word, the suggestion takes the whole word.
    if (!prefix.contains(QLatin1Char(' '))) {
        int wordStart = 0;
        int wordEnd = 0;
        GetIdentifierAtCursor(wordStart, wordEnd);
        if (wordStart == start)
            end = wordEnd;
    }

    const QStringList matches = vocabulary.Matches(prefix);
    if (matches.isEmpty()) {
        HideAutoCompletePopup();
        return;
    }
    // Nothing to offer for a word typed out, unless accepting adds its "(".
    if (matches.size() == 1 && matches.constFirst().compare(prefix, Qt::CaseInsensitive) == 0) {
        const std::optional<CalculatorSyntaxItem> item = FindCalculatorSyntaxItem(matches.constFirst());
        if (!item || !item->isFunction) {
            HideAutoCompletePopup();
            return;
        }
    }

    model->setStringList(matches);
    autoCompleter->setCompletionPrefix(prefix);
    autoCompletePrefixStart = start;
    autoCompletePrefixEnd = end;
    QAbstractItemView* popup = autoCompleter->popup();
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QRect rectangle = ui->Text1->cursorRect();
    rectangle.setWidth(std::max(190, PopupColumnWidth(popup, matches) + 24));
    autoCompleter->complete(rectangle);
}

void MainWindow::HideAutoCompletePopup()
{
    if (autoCompleter)
        autoCompleter->popup()->hide();
    autoCompletePrefixStart = -1;
    autoCompletePrefixEnd = -1;
}

QString MainWindow::GetIdentifierAtCursor(int& start, int& end) const
{
    const QString& text = PadText();
    const int position = std::clamp(ui->Text1->textCursor().position(), 0, int(text.size()));
    start = int(WordStartBefore(text, position));
    end = int(WordEndAfter(text, position));
    return text.mid(start, end - start);
}

void MainWindow::InsertAutoCompleteSuggestion(const QString& suggestion)
{
    const int start = autoCompletePrefixStart;
    const int end = autoCompletePrefixEnd;
    HideAutoCompletePopup();
    // A range the pad has outgrown is no range to replace.
    if (start < 0 || start > end || end > PadText().size())
        return;

    QString insertion = suggestion;
    const std::optional<CalculatorSyntaxItem> item = FindCalculatorSyntaxItem(suggestion);
    if (item && item->isFunction)
        insertion += QLatin1Char('(');

    // The completion is undone together with the typing around it.
    BeginUndoEditTransaction();
    QTextCursor cursor = ui->Text1->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(insertion);
    ui->Text1->setTextCursor(cursor);
    ui->Text1->setFocus(Qt::OtherFocusReason);
    ui->Text1->ensureCursorVisible();
}

void MainWindow::AcceptAutoCompleteSuggestion(const QString& suggestion)
{
    if (!suggestion.isEmpty())
        InsertAutoCompleteSuggestion(suggestion);
}

void MainWindow::AcceptAutoCompleteSuggestion()
{
    if (!autoCompleter)
        return;
    const QAbstractItemView* popup = autoCompleter->popup();
    if (!popup->isVisible())
        return;
    const QModelIndex current = popup->currentIndex();
    if (current.isValid())
        AcceptAutoCompleteSuggestion(current.data(Qt::DisplayRole).toString());
}
