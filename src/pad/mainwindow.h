#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>

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

    // ---- Expression engine: evaluation pipeline --------------------------

    // ---- Expression engine: names, command words, reserved words ---------

    // ---- Expression engine: answer formatting ----------------------------

    // ---- Expression engine: word operators and number words --------------

    // ---- Expression engine: date and time language ------------------------

    // ---- Pad: start-up, driver, dispatcher, submission --------------------

    // ---- Undo snapshots ---------------------------------------------------

    // ---- Calculator syntax catalogue --------------------------------------

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

    // ---- Date and time state ------------------------------------------------
};
