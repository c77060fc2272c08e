#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <memory>
#include <optional>

#include "pad/DocumentEncoding.h"
#include "pad/PadTextIndex.h"

class QAction;
class QCompleter;
class QPoint;
class QRect;
class QSize;
class QContextMenuEvent;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QSettings;
class QTextCursor;
class QTimer;
class QUrl;
class BackgroundTask;
class CompletionVocabulary;
class HelpWindow;
class LogViewer;
class SearchDialog;
class UpdateWindow;

namespace TravokMonetization {
struct ReleaseMetadata;
enum ReleaseComparison : int;
enum ReleaseCheckResult : int;
} // namespace TravokMonetization

class MainWindowForm;

// The main window owns the pad and every piece of calculation state. This
// header is the map of the house: each group of members is headed by the
// file that defines them, the folders in the order engine, pad, solver,
// editing, units, help, tools (scripts/check-map keeps it so). The shared
// state closes the class.
class MainWindow : public QMainWindow
{
    Q_OBJECT

    // ==== engine: the calculation engine ====================================

public:
    // ---- engine/Eval.cpp: the parser ----------------------------------------
    double Eval(const QString& expression, bool& ok);
    // The size of what went into the last value Eval answered: rounding noise
    // below it is no part of the answer (FormatAnswer snaps it away).
    double EvaluatedMagnitude() const { return evaluatedMagnitude; }

private:
    double ParseExpression();
    double ParseTerm();
    double ParseUnary();
    double ParsePower();
    double ParsePrimary();
    double ParseFunction(QString name);
    void SkipSpaces();

    QString parserInput;
    int parserPosition = 0;
    bool parserOk = true;
    int parserDepth = 0;
    double parserMagnitude = 0.0; // of the value the last rule returned
    double evaluatedMagnitude = 0.0;

public:
    // ---- engine/Functions.cpp: the function library -------------------------
    double RunFunction(QString name, QList<double> arguments, bool& ok);

    // ---- engine/Financial.cpp -----------------------------------------------
    double RunFinancialFunction(QString name, QList<double> arguments, bool& ok, bool& handled);

    // ---- engine/Statistics.cpp ----------------------------------------------
    double RunStatisticsFunction(QString name, QList<double> arguments, bool& ok, bool& handled);

    // ---- engine/GDT.cpp -----------------------------------------------------
    double RunGDTFunction(QString name, QList<double> arguments, bool& ok, bool& handled);

    // ---- engine/CustomFunctions.cpp: user-defined functions -----------------
    // One user-defined function; its key in customFunctions is its name.
    struct CustomFunctionDefinition
    {
        QString name;
        QStringList parameters; // upper case, in order
        QString expression;     // as typed, trimmed
    };
    struct CalculatorSyntaxItem;

    bool ExpandCustomFunctions(const QString& input, QString& output, QString& error) const;
    void SaveCustomFunctions(QSettings& settings) const;
    // Reading stops here, whatever size the file claims.
    static constexpr int MaximumStoredCustomFunctions = 100000;
    void LoadCustomFunctions(QSettings& settings);
    QList<CalculatorSyntaxItem> GetCustomFunctionSyntaxItems() const;
    static CalculatorSyntaxItem CustomFunctionSyntaxItem(const CustomFunctionDefinition& definition);

    // Which first characters and lengths the names of the user's functions
    // have, so that the scan that every evaluation runs passes most calls
    // without a look-up. It keeps the map it was made from: any change to
    // customFunctions unshares the two, and the index is made again.
    struct CustomFunctionNameIndex
    {
        QMap<QString, CustomFunctionDefinition> source;
        // By first character (0 for any beyond ASCII), bit n: a name of n
        // characters (63: 63 or more).
        quint64 lengths[128] = {};
    };

    // ---- engine/FunctionCommands.cpp: CREATE FUNCTION and the rest ----------
    bool HandleCustomFunctionCommand(const QString& command);
    QString GetCustomFunctionsList() const;
    QString GetDeleteCustomFunctionCommands() const;

    // ---- engine/Fraction.cpp: FRACTION --------------------------------------
    bool HandleFractionFunction(QString line);

    // ---- engine/Pipeline.cpp: the evaluation pipeline -----------------------
    double EvaluateExpression(QString expression, bool& ok, QString& processedText);
    QString ReplaceANS(QString text) const;
    // The only writers of ANS: a number ends any date or time answer; a date
    // or time answer keeps the last number beside it.
    void SetNumericAnswer(double value);
    void SetDateTimeAnswer(const QString& text, const QDateTime& instant);
    QString ReplaceVariables(QString text) const;
    static QString RemoveNonMathText(QString text);
    double EvaluateEquationResidual(QString left, QString right, bool& ok);
    // Set on the window by a whole-line BIN/OCT/HEX/DEC, removed by the next
    // FormatAnswer.
    static constexpr const char* OneTimeOutputBaseProperty = "ProgrammerMathOneTimeOutputBase";

    // ---- engine/StrippedText.cpp: the stripped retry ------------------------
    // Whether stripping a failed line to stripped would drop something that
    // carries meaning rather than a label.
    bool StrippingChangesMeaning(const QString& text, const QString& stripped, bool writtenInWords) const;

    // ---- engine/Names.cpp: names, command words, reserved words -------------
    static bool IsValidVariableName(QString name);
    static bool IsCommandName(QString name);
    bool IsReservedVariableName(QString name) const;
    static bool MatchCommand(QString line, QString command, QString& rest);
    static bool ParseVariableAssignment(QString line, QString& name, QString& expression);
    static bool IsInsideEquationBlock(QString text, int position);
    void InsertCannotSolveLine();

    // ---- engine/Format.cpp: answer formatting -------------------------------
    // magnitude: the size of what went into the value (EvaluatedMagnitude);
    // the value's own size when not known.
    QString FormatAnswer(double value, double magnitude = 0.0);
    static QString FormatNumberSection(double value, QString section);
    // The parts of FormatAnswer that read no window state.
    static double SnapToShortDecimal(double value, double magnitude = 0.0);
    static QString FormatWithNumberFormat(double value, const QString& format);

    // ---- engine/WordOperators.cpp: word operators and number words ----------
    static QString WordOp(QString text);
    // WordOp for the pad's own passes over a line: its last output, which
    // WordOp would leave unchanged, comes back at once.
    QString RewriteWordOperators(const QString& text);

    // ---- engine/DateTime.cpp: the date and time language --------------------
    // Evaluates a line of the date and time language; false when the line is
    // not one. Numbers come back in value (isNumeric set, resultText already
    // formatted); dates, times and durations as resultText with the text that
    // the date/time ANS keeps in newAnsText.
    bool EvaluateDateTimeExpression(QString expression, QString& resultText, bool& ok, double& value, bool& isNumeric,
                                    QString& newAnsText);
    // The same, also giving the exact moment of a date-and-time answer, which
    // the date/time ANS keeps beside its text (invalid for other answers).
    bool EvaluateDateTimeExpression(QString expression, QString& resultText, bool& ok, double& value, bool& isNumeric,
                                    QString& newAnsText, QDateTime& newAnsInstant);

    // ---- engine/Comparison.cpp: chained comparisons -------------------------
    // True when the line is a comparison; ok says whether every operand
    // evaluated, result whether every link holds. The lists, when given, are
    // filled only with ok true; magnitudes are the sizes of what went into
    // each value, for showing it (FormatAnswer).
    bool EvaluateComparison(QString expression, bool& ok, bool& result, QList<QString>* parts = nullptr,
                            QList<QString>* operators = nullptr, QList<double>* values = nullptr,
                            QList<double>* magnitudes = nullptr);

    // ==== pad: the window and the pad =======================================

    // ---- pad/mainwindow.cpp: construction and start-up ----------------------
    // The program's own window builds its menus' items once it has shown, or
    // at the first input or menu that needs them; every other window builds
    // them at once.
    enum class StartUp { Whole, MenusAfterShow };
    explicit MainWindow(QWidget* parent = nullptr, StartUp startUp = StartUp::Whole);
    ~MainWindow() override;

    // The constructor starts the release check unless this is switched off;
    // tests and benchmarks switch it off before they make a window.
    static void SetReleaseCheckEnabled(bool enabled);
    // Where the constructor's release check looks; tests point it at a local
    // server. An empty URL means the maker's own.
    static void SetReleaseCheckUrl(const QUrl& url);

    // Copies "Sumvelle.ini" and "Sumvelle.log" once from the program's
    // directory into the per-user data location.
    static void CopyFilesToDataLocation(const QString& executableDirectory, const QString& dataLocation);

private:
    void FollowPadChange(int position, int removed, int added);
    void HandleReleaseCheckResult(TravokMonetization::ReleaseCheckResult result,
                                  const TravokMonetization::ReleaseMetadata& metadata,
                                  TravokMonetization::ReleaseComparison comparison);
    // Start-up work that the first paint does not need, run once the pad has
    // been painted: the completion words and the release check.
    void FinishStartUp();
    // The rest of the form (the menus' items and the window icon), the
    // menus' connections and the settings they show.
    void FinishForm();

public:
    // ---- pad/PadDriver.cpp: key handling ------------------------------------
    bool eventFilter(QObject* watched, QEvent* event) override;

    void ClearPadFeedback();
    // Whether a text is the pad's own, which the brace index answers for, or
    // any other text, which is read.
    enum class TextSource { Pad, Other };
    bool HandleEquationBlockState(const QString& text, int position, TextSource source);
    bool ContinuePreviousAnswer(const QString& text, QTextCursor& cursor, int position);
    void MoveEnterToEndOfLine(QString& text, QTextCursor& cursor, int& position);
    QString GetCompletedLine(const QString& text, int position);

    // The pad's own plain text, kept in step with the document, so that the
    // handlers of every keystroke need not copy the whole pad.
    const QString& PadText() const { return padIndex.text(); }

protected:
    bool focusNextPrevChild(bool next) override;

private slots:
    // Connected by object name when the form is set up, as are the other
    // on_..._triggered slots: never connect them again.
    void on_Text1_textChanged();
    void on_Text1_cursorPositionChanged();

private:
    void ShowPadContextMenu(QContextMenuEvent* event);
    bool IsPositionInsideEquationBlock(const QString& text, int position, TextSource source) const;
    void CloseOpenParentheses(QString& text, QTextCursor& cursor, int& position);

public:
    // ---- pad/mainwindowExt.cpp: the line dispatcher -------------------------
    void HandleSubmittedLine(const QString& documentText, int cursorPosition, const QString& line);
    QString GetVariablesList();

    // ---- pad/PadReplies.cpp: the replies every handler writes ---------------
    void InsertCommandResult(QString text, bool bold);
    // The status line's text; handlers outside the pad reply through it.
    void ShowStatus(const QString& text);
    // The pad's cursor; placing it with the pad's signals blocked, so that
    // the pad's handlers do not take it for a move by the user.
    QTextCursor PadCursor() const;
    void PlacePadCursor(const QTextCursor& cursor);
    // Writes a reply from the cursor with the pad's signals blocked, then
    // leaves the pad's cursor after it, in the normal weight.
    void WriteReply(QTextCursor cursor, const std::function<void(QTextCursor&)>& write);

    // ---- pad/LineNormaliser.cpp ---------------------------------------------
    QString NormalizeSubmittedMath(QString line);

    // ---- pad/Submission.cpp: a plain expression -----------------------------
    void HandleExpressionSubmission(QString expression);

    // ---- pad/Assignments.cpp: assignments and comparison replies ------------
    bool EvaluateVariableAssignment(QString line, QString& name, QString& expression, bool& reservedName, bool& ok,
                                    double& value);
    // "name = expression": false when the line is no assignment.
    bool HandleAssignmentSubmission(const QString& line);
    bool HandleComparisonSubmission(QString line);

    // ---- pad/FontAndFormat.cpp: FONT and FORMAT -----------------------------
    bool HandleFontCommand(const QString& line);
    bool HandleFormatCommand(const QString& line);

    // ---- pad/LivePreview.cpp: the live preview ------------------------------
    void UpdateRealtimePreview(const QString& text, int position);

private:
    // What the live preview shows for the line around position.
    QString BuildRealtimePreview(const QString& text, int position);
    // The live preview that a text change just showed, so that the cursor
    // move of the same keystroke does not evaluate the line once more.
    void NotePreviewShown(const QString& text, int position);
    bool PreviewStillShown(const QString& text, int position);

public:
    // ---- pad/MenuCommand.cpp: MENU and the symbolic commands ----------------
    bool HandleMenuCommand(QString line);
    bool HandleSymbolicCommand(QString line);

    // ---- pad/Reports.cpp: INFO and UPTIME -----------------------------------
    QString BuildInfoText();
    QString BuildUptimeText() const;
    // The uptime in words for the given elapsed milliseconds.
    static QString UptimeText(qint64 elapsedMilliseconds);

    // ---- pad/Documents.cpp: documents and drag and drop ---------------------
    void UpdateDocumentWindowTitle();
    // Exactly the bytes a saved document holds: the pad's text in the
    // document's encoding (UTF-8 without a byte-order mark for a new pad),
    // every line ending "\n". Produced piece by piece for large pads; false
    // when the sink stopped early.
    bool ProduceDocumentBytes(const std::function<bool(QByteArrayView)>& sink) const;
    QByteArray DocumentBytes() const;

    // The questions a document command asks; tests answer them without a
    // modal dialog. An empty path means the dialog was cancelled.
    enum class DropChoice { Open, Insert, DontOpen };
    struct DocumentPrompts
    {
        std::function<QString(QWidget* parent, const QString& title)> openFileName;
        std::function<QString(QWidget* parent, const QString& title, const QString& start)> saveFileName;
        std::function<DropChoice(QWidget* parent, const QString& fileName)> dropChoice;
        std::function<void(QWidget* parent, const QString& title, const QString& text)> warning;
    };
    static DocumentPrompts DefaultDocumentPrompts();
    DocumentPrompts documentPrompts = DefaultDocumentPrompts();

    // Larger files are refused: the pad stays responsive up to about this
    // size, and memory use grows many times over with it.
    static constexpr qint64 MaximumDocumentBytes = qint64(4) << 20;
    bool ReadDocumentFile(const QString& path, QString& text, DocumentEncoding::Encoding& encoding);
    bool OpenDocumentFromPath(const QString& path);
    bool InsertDocumentFromPath(const QString& path);
    bool WriteDocumentFile(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void on_actionNew_Document_triggered();
    void on_actionOpen_Document_triggered();
    void on_actionSave_Document_triggered();
    void on_actionSave_Document_As_triggered();
    void on_actionInsert_Document_At_Cursor_triggered();

private:
    // New and Open: the pad gets the text, the undo history goes.
    void ReplacePadText(const QString& text);
    // False when the pad should have been logged and could not be.
    bool LogPadBeforeReplacing();

public:
    // ---- pad/Settings.cpp: the settings file --------------------------------
    void ApplyTopMostState(bool on);

public slots:
    void SaveSettings();
    void LoadSettings();
    void LoadWindowSettings();
    void LoadMenuSettings();

private slots:
    void on_actionSave_Settings_triggered();

public:
    // ---- pad/MenuOptions.cpp: the menus' options that the engine reads ------
    bool WordOperatorsOn() const;
    bool IgnoreTextWhenCannotSolveOn() const;
    // 2, 8 or 16 as the Output Base menu asks; 0 for decimal.
    int MenuOutputBase() const;

public slots:
    // ---- pad/CalculatorLog.cpp: the calculator log and plain copy -----------
    // Appends the pad to the log; false, with the status line saying why,
    // when it could not be written.
    bool WriteLog();
    void ShowLog();

private slots:
    void on_actionShow_Log_triggered();
    void on_actionCopyWithoutFormatting_triggered();

private:
    // One whole record or nothing; error says why not.
    bool AppendLogRecord(QString& error);

private slots:
    // ---- pad/MenuSlots.cpp: the File and Settings menus' own slots ----------
    void on_actionExit_triggered();
    void on_actionLarger_triggered();
    void on_actionSmaller_triggered();
    void on_actionSet_As_Top_Most_TopMost_triggered();
    void on_actionSet_As_Not_Top_Most_Not_TopMost_triggered();
    void on_actionMoney_0_00_triggered();
    void on_actionLarge_Numbers_0_triggered();
    void on_actionClear_triggered();
    void on_actionClear_Pad_triggered();
    void on_actionLog_Viewer_triggered();
    void on_actionFont_triggered();

protected:
    // ---- pad/WindowClose.cpp: closing the window ----------------------------
    void closeEvent(QCloseEvent* event) override;

    // ==== solver: equations and symbolic commands ===========================

public:
    // ---- solver/EquationBlock.cpp: blocks in braces -------------------------
    bool ExtractEquationBlock(QString text, int position, QList<QString>& equations);

    // ---- solver/Residuals.cpp: residuals ------------------------------------
    // Unknowns, equations and their values travel as lists paired by index.
    bool PrepareEquationExpressions(QString& lhs, QString& rhs, const QList<QString>& names,
                                    const QList<double>& values);
    double EvaluateSystemEquation(const QString& equation, const QList<QString>& names, const QList<double>& values,
                                  bool& ok);
    double EvaluateSystemEquationSides(const QString& equation, const QList<QString>& names,
                                       const QList<double>& values, double& left, double& right, bool& ok);
    double EvaluateEquationAt(const QString& lhs, const QString& rhs, const QString& name, double value, bool& ok);
    bool EvaluateNonlinearSystem(const QList<QString>& equations, const QList<QString>& names,
                                 const QList<double>& values, QList<double>& residuals, double& sumSquares);

    // ---- solver/Unknowns.cpp: the unknowns ----------------------------------
    bool ParseSingleVariableEquation(const QString& equation, QString& lhs, QString& rhs, QString& variable) const;
    bool FindEquationSystemVariables(const QList<QString>& equations, QList<QString>& names) const;

    // ---- solver/LinearSolver.cpp: the exact linear solver -------------------
    // inconsistent, when given, tells a system proved to have no solution
    // from one that is not linear or could not be evaluated.
    bool SolveLinearEquationSystem(const QList<QString>& equations, QList<QString>& names, QList<double>& values,
                                   bool& underdetermined, bool* inconsistent = nullptr);
    bool GetLinearEquationRow(const QString& equation, const QList<QString>& names, QList<double>& coefficients,
                              double& constant);
    static bool SolveNumericLinearSystem(QList<QList<double>> matrix, QList<double> rhs, QList<double>& solution);

    // ---- solver/RootSearch.cpp: the root search -----------------------------
    bool SolveSingleVariableEquation(const QString& equation, QString& variable, double& value);
    bool SolveSingleVariableEquationBlock(const QList<QString>& equations, QList<QString>& names,
                                          QList<double>& values);

    // ---- solver/NonlinearSolver.cpp: the nonlinear solver -------------------
    // Runs until a start converges or the user cancels; events run meanwhile.
    bool SolveNonlinearEquationSystem(const QList<QString>& equations, QList<QString>& names, QList<double>& values);

    // ---- solver/EquationSet.cpp: the handler and its report -----------------
    void HandleEquationSet(QList<QString> equations);

    // ---- solver/RunFlags.cpp: the run flags ---------------------------------
    // True, with a status saying so, while a solve or a menu command runs:
    // entry points that would change the pad under it refuse.
    bool RefuseWhileBusy();
    // Marks the window busy while it lives; the flag it found comes back
    // after, so that scopes nest.
    class BusyScope
    {
    public:
        explicit BusyScope(MainWindow& owner);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        MainWindow& window;
        const bool wasBusy;
    };

    // ---- solver/Simplify.cpp: SIMPLIFY --------------------------------------
    // Neither symbolic command reads the window's state: every name stays a
    // symbol.
    static bool SimplifyText(QString expression, QString& output);

    // ---- solver/Isolate.cpp: ISOLATE ----------------------------------------
    static bool IsolateText(QString text, QString& output);

    // ==== editing: undo, menus, predictive text, Find =======================

    // ---- editing/Undo.cpp: undo and redo of whole pad states ----------------
    struct UndoBoldRange
    {
        int start = 0;
        int length = 0;
    };

    // One whole pad state; copies share their strings and maps until changed.
    struct UndoState
    {
        QString text;
        QList<UndoBoldRange> boldRanges;
        QMap<QString, double> variables;
        QMap<QString, CustomFunctionDefinition> customFunctions;
        double ans = 0.0;
        QString ansText;
        QDateTime ansInstant;
        bool ansIsDateTime = false;
        QString valueFormat;
        bool useWordOperators = true;
        bool ignoreTextWhenCannotSolve = true;
        QString statusText;
        int cursorPosition = 0;
        int anchor = 0;
        int verticalScroll = 0;
    };

    // Neither stack ever holds more than this many states.
    static constexpr int MaximumUndoStates = 100;

    UndoState CaptureUndoState() const;
    void RestoreUndoState(const UndoState& state);
    void SaveUndoState();
    void BeginUndoEditTransaction();
    // Saves the pad as the state Undo comes back to and closes the edit step
    // that typing may have left open. Split: that typing becomes a step by
    // itself; Join: the open step's snapshot serves, so its typing and what
    // follows are undone together.
    enum class OpenEditStep { Split, Join };
    void CommitUndoStep(OpenEditStep openStep = OpenEditStep::Split);
    // New and Open: the pad starts a history of its own.
    void ClearUndoHistory();
    void UndoPadState();
    void RedoPadState();
    void UpdateUndoRedoActions();
    void UpdateUndoHistoryValueFormat();
    void UpdateUndoHistoryIgnoreText();
    void UpdateUndoHistoryWordOperators();
    // What the snapshots know of the bold runs of the blocks that a change
    // of the pad touched is read again by the next one.
    void ForgetBoldRunsOfChangedBlocks(int position, int added);

    // A point in the history to come back to: the pad's context menu opens an
    // edit step before it knows whether the chosen entry edits at all.
    struct UndoMark
    {
        QList<UndoState> undoStack;
        QList<UndoState> redoStack;
        qint64 snapshotsTaken = 0;
    };
    UndoMark MarkUndoHistory() const;
    // Both stacks as they were at the mark, and no edit step open.
    void RollBackUndoHistory(const UndoMark& mark);
    // Drops the first snapshot taken since the mark and keeps those taken
    // after it, on top of the history as it was at the mark.
    void DropFirstSnapshotSince(const UndoMark& mark);

private:
    // Undo's restore replaces only what differs from the pad unless told to
    // build the whole pad anew; the two give the same pad.
    enum class PadRestore { ByDifference, InFull };
    void RestoreUndoState(const UndoState& state, PadRestore how);
    void RestorePadTextInFull(const UndoState& state);

    QList<UndoState> undoStack; // oldest first
    QList<UndoState> redoStack;
    bool editTransactionOpen = false;
    qint64 undoSnapshotsTaken = 0; // counts SaveUndoState calls, so that marks survive the trim

public:
    // ---- editing/SyntaxCatalog.cpp: the calculator syntax catalogue ---------
    struct CalculatorSyntaxItem
    {
        QString name;
        QString syntax;
        QStringList parameters;
        bool isFunction = false;
        bool isCommand = false;
        bool isWordOperator = false;
    };
    // By value: the list and its entries stay valid whatever the caller asks
    // for next, also while user-defined functions come and go.
    QList<CalculatorSyntaxItem> GetCalculatorSyntaxCatalog() const;
    // The catalogue's own entries, the same for every window: the catalogue
    // without the user's functions.
    static const QList<CalculatorSyntaxItem>& BuiltInCalculatorSyntaxItems();
    std::optional<CalculatorSyntaxItem> FindCalculatorSyntaxItem(const QString& name) const;

    // ---- editing/PredictiveText.cpp: autocomplete ---------------------------
    void InitializePredictiveText();
    void ConnectPredictiveTextOptions();
    void MakeCompleter();
    void UpdatePredictiveText();
    void UpdateAutoCompleteSuggestions();
    void HideAutoCompletePopup();
    QString GetIdentifierAtCursor(int& start, int& end) const;
    void InsertAutoCompleteSuggestion(const QString& suggestion);
    void AcceptAutoCompleteSuggestion(const QString& suggestion);
    void AcceptAutoCompleteSuggestion();

private:
    // The words autocomplete offers, made again only when the word-operator
    // switch, the variables or the user functions changed: the cache keeps
    // the maps it was made from, and any change to them unshares the two.
    struct CompletionVocabularyCache
    {
        bool made = false;
        bool wordOperators = false;
        QMap<QString, double> variables;
        QMap<QString, CustomFunctionDefinition> customFunctions;
        std::shared_ptr<const CompletionVocabulary> vocabulary;
    };
    // Starts making the fixed word lists on a thread of their own.
    void PrepareCompletionWordsAhead();
    const CompletionVocabulary& GetCompletionVocabulary();
    // Lets go of the completer's popup and the switches before the window's
    // parts are torn down.
    void ReleasePredictiveText();
    CompletionVocabularyCache completionVocabulary;
    std::unique_ptr<BackgroundTask> completionWordsAhead; // the fixed word lists, made after start-up

public:
    // ---- editing/SyntaxHint.cpp: the syntax hint ----------------------------
    void UpdateSyntaxHint();
    void HideSyntaxHint();
    // The innermost call still open at the end of the line before the cursor.
    static bool FindActiveFunctionCall(QStringView line, QString& name, int& argumentIndex);
    QString BuildSyntaxHintText(const CalculatorSyntaxItem& item, int argumentIndex) const;
    // Where the hint stands: under the cursor, moved left and above it where
    // the viewport ends.
    static QPoint SyntaxHintPosition(const QRect& cursor, const QSize& label, const QSize& viewport);

    // ---- editing/Menus.cpp: the menus' wiring -------------------------------
    void InitializeMenus();
    // The enabled and checked states of the menus, read again from the pad
    // and the window.
    void RefreshMenus();
    void ConnectMenuCommand(QAction* action, const QString& command, bool execute);

    // ---- editing/MenuInsertions.cpp: insertions -----------------------------
    // Drops a fragment at the cursor as if typed.
    void InsertMenuText(const QString& text);
    // Writes a command line at the end of the pad and runs it, or leaves it
    // for the user to complete.
    void InsertMenuCommand(const QString& command, bool execute);

    // ---- editing/SelectedLines.cpp: running selected lines ------------------
    void ExecuteSelectedLines();
    // Where each unit of the text ends: a line, or a block in braces up to
    // its closing line; blank lines make none.
    static QList<int> SelectedLineUnitEnds(QStringView text);
    // Moves sorted pad positions as a change of the pad moves its text.
    static void MoveWithPadChange(QList<int>& positions, int position, int removed, int added);

    // ---- editing/FindCommands.cpp: the Find commands ------------------------
    void ShowSearchDialog();
    void FindNext();
    void FindPrevious();

    // ==== units: unit conversions ===========================================

    // ---- units/UnitConversions.cpp ------------------------------------------
    QString ExpandUnitConversions(QString line);

    // ---- units/ConversionVocabulary.cpp -------------------------------------
    static QStringList GetUnitConversionVocabulary();

    // ==== help: the help system =============================================

    // ---- help/Help.cpp: the HELP command ------------------------------------
    // Recognises a help line; on true helpText holds the page to show and
    // pendingHelpKey names the help window's item for it.
    bool HandleHelpCommand(QString line, QString& helpText);

    // ---- help/HelpWindowOpening.cpp: opening the help window ----------------
    void EnsureHelpWindow();
    // Hands the text and the pending key to the help window; inserts nothing
    // into the pad.
    void InsertFormattedHelpText(const QString& helpText);

    // ==== tools: the other windows and the release check ====================

    // ---- tools/LogViewerCommand.cpp: the log viewer -------------------------
    void ShowLogViewer();

    // ---- tools/WindowsTools.cpp: the window-handle commands -----------------
    // Recognised and answered; no operation ever touches a window.
    bool HandleWindowsCommand(QString command, QString& result);
    QString WindowsHandleList(QString title);
    bool WindowsSetTopMost(quint64 handle, bool topMost);
    bool WindowsShowWindow(quint64 handle);
    bool WindowsHideWindow(quint64 handle);
    bool WindowsEnableWindow(quint64 handle);
    bool WindowsDisableWindow(quint64 handle);

    // ---- tools/UpdateNotice.cpp: the update notice and update window --------
    void ApplyAvailableRelease(const TravokMonetization::ReleaseMetadata& metadata,
                               TravokMonetization::ReleaseComparison comparison);
    bool IsCurrentReleaseNoticeDismissed() const;
    void DismissCurrentReleaseNotice();
    void ShowUpdateWindow();

    // ==== The window's state ================================================

private:
    // ---- State: the window form ---------------------------------------------
    MainWindowForm* ui = nullptr;

    // ---- State: the pad and the windows around it ---------------------------
    QElapsedTimer uptimeClock;
    QString documentPath;
    // What the current document was read in, and is saved in.
    DocumentEncoding::Encoding documentEncoding = DocumentEncoding::Encoding::Utf8;
    QCompleter* autoCompleter = nullptr;
    QTimer* suggestionSuppressTimer = nullptr;
    QLabel* syntaxHintLabel = nullptr;
    int autoCompletePrefixStart = -1;
    int autoCompletePrefixEnd = -1;
    SearchDialog* searchDialog = nullptr;
    LogViewer* logViewer = nullptr;
    HelpWindow* helpWindow = nullptr;
    QString pendingHelpKey;
    UpdateWindow* updateWindow = nullptr;
    // Set with releaseAvailable.
    std::shared_ptr<const TravokMonetization::ReleaseMetadata> availableRelease;
    TravokMonetization::ReleaseComparison availableReleaseComparison{}; // Unknown
    bool releaseCheckWanted = false;                                    // started by FinishStartUp
    std::unique_ptr<BackgroundTask> releaseCheckAhead;                  // loads what the check needs
    bool startUpFinishQueued = false;
    bool releaseCheckDone = false;
    bool releaseAvailable = false;
    bool menusInitialized = false;
    bool busy = false; // a menu command or a run of selected lines is executing
    bool solveRunning = false;
    bool solveCancelRequested = false;
    bool solveCancelled = false;
    bool solveApproximate = false;
    // The window was asked to close: a running solve ends without answering.
    bool closeRequested = false;
    bool submitPending = false; // the next text change is the newline of an Enter
    PadTextIndex padIndex;
    qint64 padChanges = 0; // document changes so far
    struct ShownPreview
    {
        qint64 padChange = -1;
        qsizetype lineStart = -1;
        QString line;
        QString status;
    };
    ShownPreview shownPreview;

    // ---- State: ANS, variables, functions and formatting --------------------
    QString numberFormat; // empty: no number format
    double ans = 0.0;     // the last numeric answer
    QString ansText;      // the last date or time answer
    QDateTime ansInstant; // its exact moment, when it is a date and time
    bool ansIsDateTime = false;
    QMap<QString, double> variables;                         // keys upper case
    QMap<QString, CustomFunctionDefinition> customFunctions; // keys upper case
    QString lastWordOperatorOutput;                          // see RewriteWordOperators
    // The normaliser's last line when the word operators rewrote it, else
    // empty: the pipeline strips no unknown word from a line written in words.
    QString lineWrittenInWords;
    mutable CustomFunctionNameIndex customFunctionNameIndex;

    // Engine tests reach the state above through this, defined in the test.
    friend struct MainWindowTestAccess;
};
