#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "pad/PadTextIndex.h"
#include "tools/TravokMonetization.h"

class QCompleter;
class QContextMenuEvent;
class QLabel;
class QTextCursor;
class QTimer;
class HelpWindow;
class LogViewer;
class SearchDialog;
class UpdateWindow;

namespace Ui {
class MainWindow;
}

// The main window owns the pad and every piece of calculation state. Its
// member functions are spread over the source files of the subsystem they
// belong to (src/engine, src/pad, src/solver, src/editing, ...).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- Expression engine: parser (engine/Eval.cpp) -------------------
    double Eval(const QString& expression, bool& ok);

    // ---- Expression engine: function library (engine/Functions.cpp) ----
    double RunFunction(QString name, QList<double> arguments, bool& ok);

    // ---- Expression engine: function families --------------------------
    double RunFinancialFunction(QString name, QList<double> arguments, bool& ok, bool& handled);
    double RunStatisticsFunction(QString name, QList<double> arguments, bool& ok, bool& handled);
    double RunGDTFunction(QString name, QList<double> arguments, bool& ok, bool& handled);

    // ---- Expression engine: user-defined functions ---------------------
    bool ExpandCustomFunctions(const QString& input, QString& output, QString& error) const;

    // One user-defined function; its key in customFunctions is its name.
    struct CustomFunctionDefinition
    {
        QString name;
        QStringList parameters;
        QString expression;
    };

    // ---- Expression engine: evaluation pipeline --------------------------
    double EvaluateExpression(QString expression, bool& ok, QString& processedText);
    QString ReplaceANS(QString text) const;
    QString ReplaceVariables(QString text) const;
    static QString RemoveNonMathText(QString text);
    double EvaluateEquationResidual(QString left, QString right, bool& ok);
    // The length of the exponent ("e3", "E-12") of a number whose letter
    // stands at index, or 0. Scans that look for names skip it.
    static int NumberExponentLength(const QString& text, int index);
    // Set on the window by a whole-line BIN/OCT/HEX/DEC, removed by the next
    // FormatAnswer.
    static constexpr const char* OneTimeOutputBaseProperty = "ProgrammerMathOneTimeOutputBase";

    // ---- Expression engine: names, command words, reserved words ---------
    static bool IsValidVariableName(QString name);
    static bool IsCommandName(QString name);
    bool IsReservedVariableName(QString name) const;
    static bool MatchCommand(QString line, QString command, QString& rest);
    static bool ParseVariableAssignment(QString line, QString& name, QString& expression);
    static bool IsInsideEquationBlock(QString text, int position);
    void InsertCannotSolveLine();

    // ---- Expression engine: answer formatting ----------------------------
    QString FormatAnswer(double value);
    static QString FormatNumberSection(double value, QString section);
    // The parts of FormatAnswer that read no window state.
    static double SnapToShortDecimal(double value);
    static QString FormatWithNumberFormat(double value, const QString& format);

    // ---- Expression engine: word operators and number words --------------
    static QString WordOp(QString text);

    // ---- Expression engine: date and time language ------------------------
    // Evaluates a line of the date and time language; false when the line is
    // not one. Numbers come back in value (isNumeric set, resultText already
    // formatted); dates, times and durations as resultText with the text that
    // the date/time ANS keeps in ansText.
    bool EvaluateDateTimeExpression(QString expression, QString& resultText, bool& ok, double& value,
                                    bool& isNumeric, QString& ansText);

    // ---- Expression engine: chained comparisons (engine/Comparison.cpp) ---
    // True when the line is a comparison; ok says whether every operand
    // evaluated, result whether every link holds. The lists, when given, are
    // filled only with ok true.
    bool EvaluateComparison(QString expression, bool& ok, bool& result, QList<QString>* parts = nullptr,
                            QList<QString>* operators = nullptr, QList<double>* values = nullptr);

    // ---- Pad: start-up, driver, dispatcher, submission --------------------
    // The constructor starts the release check unless this is switched off;
    // tests and benchmarks switch it off before they make a window.
    static void SetReleaseCheckEnabled(bool enabled);

    // Copies "Sumvelle.ini" and "Sumvelle.log" once from the program's
    // directory into the per-user data location.
    static void CopyFilesToDataLocation(const QString& executableDirectory, const QString& dataLocation);

    bool eventFilter(QObject* watched, QEvent* event) override;

    void ClearPadFeedback();
    bool HandleEquationBlockState(const QString& text, int position);
    bool ContinuePreviousAnswer(const QString& text, QTextCursor& cursor, int position);
    void MoveEnterToEndOfLine(QString& text, QTextCursor& cursor, int& position);
    QString GetCompletedLine(const QString& text, int position);

    void HandleSubmittedLine(const QString& documentText, int cursorPosition, const QString& line);
    void InsertCommandResult(QString text, bool bold);
    QString NormalizeSubmittedMath(QString line);
    QString GetVariablesList();
    void HandleExpressionSubmission(QString expression);

    // ---- Pad: assignments and comparison replies (pad/Assignments.cpp) ----
    bool EvaluateVariableAssignment(QString line, QString& name, QString& expression,
                                    bool& reservedName, bool& ok, double& value);
    bool HandleComparisonSubmission(QString line);

    // ---- Pad: live preview (pad/LivePreview.cpp) ----------------------------
    void UpdateRealtimePreview(const QString& text, int position);

    // The pad's own plain text, kept in step with the document, so that the
    // handlers of every keystroke need not copy the whole pad.
    const QString& PadText() const { return padIndex.text(); }

    // Services of later subsystems that the pad calls. Until those arrive
    // they decline every line, so the dispatcher goes on down its table.
    bool HandleMenuCommand(QString line);
    bool HandleSymbolicCommand(QString line);
    bool HandleCustomFunctionCommand(const QString& command);
    bool HandleFractionFunction(QString line);
    QString BuildInfoText();
    QString BuildUptimeText() const;
    // The uptime in words for the given elapsed milliseconds.
    static QString UptimeText(qint64 elapsedMilliseconds);
    void HandleEquationSet(QList<QString> equations);
    void UpdateDocumentWindowTitle();
    // Exactly the bytes a saved document holds: the pad's text as UTF-8
    // without a byte-order mark, every line ending "\n". Produced piece by
    // piece for large pads; false when the sink stopped early.
    bool ProduceDocumentBytes(const std::function<bool(QByteArrayView)>& sink) const;
    QByteArray DocumentBytes() const;
    QString ExpandUnitConversions(QString line);
    QStringList GetUnitConversionVocabulary();
    bool HandleHelpCommand(QString line, QString& helpText);
    void InsertFormattedHelpText(const QString& helpText);
    bool HandleWindowsCommand(QString line, QString& result);
    void ApplyAvailableRelease(const TravokMonetization::ReleaseMetadata& metadata,
                               TravokMonetization::ReleaseComparison comparison);
    void DismissCurrentReleaseNotice();
    void ShowUpdateWindow();
    void InitializeMenus();
    void RefreshMenus();
    void InitializePredictiveText();
    void UpdatePredictiveText();
    void HideAutoCompletePopup();
    void HideSyntaxHint();
    void AcceptAutoCompleteSuggestion();

public slots:
    void WriteLog();
    void LoadSettings();

protected:
    bool focusNextPrevChild(bool next) override;

public:

    // ---- Undo snapshots ---------------------------------------------------
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
    void UndoPadState();
    void RedoPadState();
    void UpdateUndoRedoActions();
    void UpdateUndoHistoryValueFormat();
    void UpdateUndoHistoryIgnoreText();
    void UpdateUndoHistoryWordOperators();

    // ---- Calculator syntax catalogue --------------------------------------
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
    std::optional<CalculatorSyntaxItem> FindCalculatorSyntaxItem(const QString& name) const;
    QList<CalculatorSyntaxItem> GetCustomFunctionSyntaxItems() const;

    // ---- Equation blocks --------------------------------------------------
    bool ExtractEquationBlock(QString text, int position, QList<QString>& equations);

private:
    // ---- Expression engine: parser rules and state ---------------------
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

    // ---- Window form ------------------------------------------------------
    Ui::MainWindow* ui = nullptr;

private slots:
    // Connected by object name when the form is set up: never connect them again.
    void on_actionExit_triggered();
    void on_Text1_textChanged();
    void on_Text1_cursorPositionChanged();
    void on_actionLarger_triggered();
    void on_actionSmaller_triggered();
    void on_actionSet_As_Top_Most_TopMost_triggered();
    void on_actionSet_As_Not_Top_Most_Not_TopMost_triggered();
    void on_actionMoney_0_00_triggered();
    void on_actionLarge_Numbers_0_triggered();
    void on_actionClear_triggered();
    void on_actionClear_Pad_triggered();
    void on_actionShow_Log_triggered();
    void on_actionLog_Viewer_triggered();
    void on_actionSave_Settings_triggered();
    void on_actionFont_triggered();
    void on_actionCopyWithoutFormatting_triggered();
    void on_actionNew_Document_triggered();
    void on_actionOpen_Document_triggered();
    void on_actionSave_Document_triggered();
    void on_actionSave_Document_As_triggered();
    void on_actionInsert_Document_At_Cursor_triggered();

private:

    // ---- Pad state ----------------------------------------------------------
    void FollowPadChange(int position, int removed, int added);
    void HandleReleaseCheckResult(TravokMonetization::ReleaseCheckResult result,
                                  const TravokMonetization::ReleaseMetadata& metadata,
                                  TravokMonetization::ReleaseComparison comparison);
    void ShowPadContextMenu(QContextMenuEvent* event);
    bool IsPositionInsideEquationBlock(const QString& text, int position) const;
    void CloseOpenParentheses(QString& text, QTextCursor& cursor, int& position);
    // What the live preview shows for the line around position.
    QString BuildRealtimePreview(const QString& text, int position);

    QElapsedTimer uptimeClock;
    QString documentPath;
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
    TravokMonetization::ReleaseMetadata availableRelease;
    TravokMonetization::ReleaseComparison availableReleaseComparison = TravokMonetization::Unknown;
    bool releaseCheckDone = false;
    bool releaseAvailable = false;
    bool menusInitialized = false;
    bool busy = false;  // a menu command or a run of selected lines is executing
    bool solveRunning = false;
    bool solveCancelRequested = false;
    bool solveCancelled = false;
    bool solveApproximate = false;
    bool submitPending = false;  // the next text change is the newline of an Enter
    PadTextIndex padIndex;

    // ---- Undo state ---------------------------------------------------------
    QList<UndoState> undoStack;  // oldest first
    QList<UndoState> redoStack;
    bool editTransactionOpen = false;

    // ---- Pipeline and formatting state --------------------------------------
    QString numberFormat;             // empty: no number format
    double ans = 0.0;                 // the last numeric answer
    QString ansText;                  // the last date or time answer
    bool ansIsDateTime = false;
    QMap<QString, double> variables;  // keys upper case
    QMap<QString, CustomFunctionDefinition> customFunctions;  // keys upper case

    // Engine tests reach the state above through this, defined in the test.
    friend struct MainWindowTestAccess;

    // ---- Date and time state ------------------------------------------------
};
