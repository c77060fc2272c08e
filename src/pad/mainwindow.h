#pragma once

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

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

    // ---- Pad: start-up, driver, dispatcher, submission --------------------

    // ---- Undo snapshots ---------------------------------------------------

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

    // ---- Pad state ----------------------------------------------------------

    // ---- Undo state ---------------------------------------------------------

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
