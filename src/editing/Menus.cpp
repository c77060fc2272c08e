// The menu wiring: what the form cannot connect by name is connected here,
// once, when the window is built. Most entries only put text into the pad;
// which text is a table below, the slots that write it live in
// MenuInsertions.cpp.

#include "pad/mainwindow.h"

#include "pad/MainWindowForm.h"

#include <QActionGroup>
#include <QHash>
#include <QKeySequence>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTextDocument>

namespace {

// A fragment dropped at the cursor.
struct InsertTextEntry
{
    const char* action;
    const char* text; // UTF-8
};

// A whole command line written at the end of the pad; execute false leaves
// it for the user to complete.
struct CommandEntry
{
    const char* action;
    const char* command;
    bool execute;
};

const InsertTextEntry InsertTextEntries[] = {
    // Operators
    {"actionMathAdd", " + "},
    {"actionMathSubtract", " - "},
    {"actionMathMultiply", " * "},
    {"actionMathDivide", " / "},
    {"actionMathDivideSymbol", " \u00F7 "},
    {"actionMathPower", " ^ "},
    {"actionMathPercent", "%"},
    {"actionMathOf", " OF "},
    {"actionMathFactorial", "!"},
    {"actionMathOpenParenthesis", "("},
    {"actionMathCloseParenthesis", ")"},
    // Comparisons
    {"actionMathEqual", " = "},
    {"actionMathLessThan", " < "},
    {"actionMathGreaterThan", " > "},
    {"actionMathLessThanOrEqual", " <= "},
    {"actionMathGreaterThanOrEqual", " >= "},
    {"actionMathNotEqual", " <> "},
    // Constants
    {"actionMathPI", "PI"},
    {"actionMathEULER", "EULER"},
    {"actionMathANS", "ANS"},
    // Date and time
    {"actionDateTimeToday", "TODAY"},
    {"actionDateTimeNow", "NOW"},
    {"actionDateTimeDate", "DATE(\""},
    {"actionDateTimeDays", "DAYS("},
    {"actionDateTimeAge", "AGE("},
    {"actionDateTimeWeekday", "WEEKDAY("},
    {"actionDateTimeDay", "DAY("},
    {"actionDateTimeMonth", "MONTH("},
    {"actionDateTimeYear", "YEAR("},
    {"actionDateTimeHour", "HOUR("},
    {"actionDateTimeMinute", "MINUTE("},
    {"actionDateTimeSecond", "SECOND("},
    // Conversions: typed after a value, they complete "value unit TO unit".
    {"actionConvertInToCm", " IN TO CM"},
    {"actionConvertFtToM", " FT TO M"},
    {"actionConvertMiToKm", " MI TO KM"},
    {"actionConvertNmiToKm", " NMI TO KM"},
    {"actionConvertFt2ToM2", " FT2 TO M2"},
    {"actionConvertAcreToHectare", " ACRE TO HECTARE"},
    {"actionConvertGalToL", " GAL TO L"},
    {"actionConvertLToGal", " L TO GAL"},
    {"actionConvertFlozToMl", " FLOZ TO ML"},
    {"actionConvertImpGalToL", " IMPGAL TO L"},
    {"actionConvertLbToKg", " LB TO KG"},
    {"actionConvertOzToG", " OZ TO G"},
    {"actionConvertUsTonToTonne", " USTON TO TONNE"},
    {"actionConvertFToC", " F TO C"},
    {"actionConvertCToF", " C TO F"},
    {"actionConvertKToC", " K TO C"},
    {"actionConvertMphToKph", " MPH TO KPH"},
    {"actionConvertKnotToMph", " KNOT TO MPH"},
    {"actionConvertPsiToKpa", " PSI TO KPA"},
    {"actionConvertBarToPsi", " BAR TO PSI"},
    {"actionConvertKwhToJ", " KWH TO J"},
    {"actionConvertHpToKw", " HP TO KW"},
    {"actionConvertGbToGib", " GB TO GIB"},
    {"actionConvertMbitToMb", " MBIT TO MB"},
    {"actionConvertMaToA", " MA TO A"},
    {"actionConvertMahToAh", " MAH TO AH"},
    {"actionConvertKohmToOhm", " KOHM TO OHM"},
    {"actionConvertDegToRad", " DEG TO RAD"},
    {"actionConvertCfmToM3h", " CFM TO M3H"},
    {"actionConvertMpgToL100km", " MPG TO L100KM"},
    {"actionConvertAuToKm", " AU TO KM"},
};

// Each name N has an entry actionMathN that inserts "N(" and a help entry
// actionHelpMathN that sends "HELP N".
// clang-format off
const char* const FunctionNames[] = {
    // Functions
    "SIN", "COS", "TAN", "SQRT", "ABS", "SIGN", "LOG", "LN", "EXP", "ASIN", "ACOS", "ATAN", "ATAN2", "RAD", "DEG",
    "ROUND", "FLOOR", "CEIL", "GCD", "LCM", "FRACTION",
    // Programmer
    "BIN", "OCT", "HEX", "DEC", "AND", "OR", "XOR", "NOT", "SHL", "SHR",
    // Statistics
    "MIN", "MAX", "SUM", "AVG", "MEDIAN", "MODE", "COUNT", "RANGE", "STDEV", "STDEVP", "VARIANCE", "VARIANCEP",
    "GEOMEAN", "HARMEAN", "RMS", "SUMSQ", "PERCENTILE", "QUARTILE", "SKEW", "KURTOSIS", "RANDOM", "RANDINT",
    // Financial
    "FV", "PV", "PMT", "NPER", "RATE", "IPMT", "PPMT", "BALANCE", "INTEREST", "COMPOUND", "APY", "APR", "NPV", "IRR",
    "ROI", "CAGR", "PERCENTCHANGE", "MARKUP", "MARGIN", "DISCOUNT", "TAX",
    // GD&T
    "POSITION", "TRUEPOSITION", "POSITION3D", "RADIALDEV", "DIAMETRALDEV", "COORDDEV", "BONUSTOL", "TOTALTOL",
    "POSITIONALLOW", "ZEROTOLMMC", "VCINTERNAL", "VCEXTERNAL", "RCINTERNAL", "RCEXTERNAL", "BOUNDARYINTERNAL",
    "BOUNDARYEXTERNAL", "FIXEDFASTENER", "FLOATINGFASTENER", "POSITIONMARGIN", "POSITIONUTIL",
};
// clang-format on

// Help entries actionHelpMathN sending "HELP N" beside those of the functions.
const char* const ConstantNames[] = {"PI", "EULER", "ANS"};

// Help entries actionHelpDateTimeN sending "HELP " + N in upper case.
const char* const DateTimeNames[] = {"Today", "Now",   "Date", "Days", "Age",    "Weekday",
                                     "Day",   "Month", "Year", "Hour", "Minute", "Second"};

const CommandEntry CommandEntries[] = {
    {"actionClearVariables", "CLEAR VARIABLES", true},
    {"actionListCustomFunctions", "FUNCTIONS", true},
    {"actionDeleteCustomFunction", "DELETE FUNCTION", true},
    {"actionVariables", "VARS", true},
    {"actionSimplify", "SIMPLIFY", false},
    {"actionIsolate", "ISOLATE", false},
    {"actionWindowHANDLE", "HANDLE", false},
    {"actionWindowSETTOPMOST", "SETTOPMOST", false},
    {"actionWindowSETNOTTOPMOST", "SETNOTTOPMOST", false},
    {"actionWindowSHOW", "SHOW", false},
    {"actionWindowHIDE", "HIDE", false},
    {"actionWindowENABLE", "ENABLE", false},
    {"actionWindowDISABLE", "DISABLE", false},
    {"actionCommandCLEAR", "CLEAR", true},
    {"actionCommandVARS", "VARS", true},
    {"actionCommandINFO", "INFO", true},
    {"actionCommandUPTIME", "UPTIME", true},
    {"actionCommandSIMPLIFY", "SIMPLIFY", false},
    {"actionCommandISOLATE", "ISOLATE", false},
    {"actionCommandTopmost", "TOPMOST", true},
    {"actionCommandNotOnTop", "NOTONTOP", true},
    {"actionCommandFONT", "FONT", false},
    {"actionCommandFORMAT", "FORMAT", false},
    {"actionCommandMENU", "MENU", false},
    {"actionCommandOutputBase", "MENU OUTPUT BASE", true},
    {"actionCommandOutputBaseDecimal", "MENU OUTPUT BASE DEC", true},
    {"actionCommandOutputBaseBinary", "MENU OUTPUT BASE BIN", true},
    {"actionCommandOutputBaseOctal", "MENU OUTPUT BASE OCT", true},
    {"actionCommandOutputBaseHexadecimal", "MENU OUTPUT BASE HEX", true},
    {"actionCommandWordOperatorsON", "MENU WORD OPERATORS ON", true},
    {"actionCommandWordOperatorsOFF", "MENU WORD OPERATORS OFF", true},
    {"actionCommandIgnoreTextON", "MENU IGNORE TEXT ON", true},
    {"actionCommandIgnoreTextOFF", "MENU IGNORE TEXT OFF", true},
    {"actionCommandPredictiveTextON", "MENU PREDICTIVE TEXT ON", true},
    {"actionCommandPredictiveTextOFF", "MENU PREDICTIVE TEXT OFF", true},
    {"actionCommandSyntaxHelpON", "MENU SYNTAX HELP ON", true},
    {"actionCommandSyntaxHelpOFF", "MENU SYNTAX HELP OFF", true},
    {"actionCommandWindowHANDLE", "HANDLE", false},
    {"actionCommandWindowSETTOPMOST", "SETTOPMOST", false},
    {"actionCommandWindowSETNOTTOPMOST", "SETNOTTOPMOST", false},
    {"actionCommandWindowSHOW", "SHOW", false},
    {"actionCommandWindowHIDE", "HIDE", false},
    {"actionCommandWindowENABLE", "ENABLE", false},
    {"actionCommandWindowDISABLE", "DISABLE", false},
    {"actionCommandHelp", "HELP", true},
    {"actionInfo", "INFO", true},
    {"actionUptime", "UPTIME", true},
    // Help topics with names of their own
    {"actionHelpIndex", "HELP", true},
    {"actionHelpVariables", "HELP VARIABLE", true},
    {"actionHelpSimplify", "HELP SIMPLIFY", true},
    {"actionHelpIsolate", "HELP ISOLATE", true},
    {"actionHelpMath", "HELP MATH", true},
    {"actionHelpMathOf", "HELP OF", true},
    {"actionHelpFunctions", "HELP FUNCTIONS", true},
    {"actionHelpProgrammerMath", "HELP PROGRAMMER MATH", true},
    {"actionHelpStatisticsFunctions", "HELP STATISTICS", true},
    {"actionHelpFinancialFunctions", "HELP FINANCIAL", true},
    {"actionHelpGDT", "HELP GD&T", true},
    {"actionHelpMathComparisons", "HELP MATH", true},
    {"actionHelpDateTime", "HELP DATE TIME", true},
    {"actionHelpWindows", "HELP WINDOWS", true},
    {"actionHelpCommandCLEAR", "HELP CLEAR", true},
    {"actionHelpInfo", "HELP INFO", true},
    {"actionHelpUptime", "HELP UPTIME", true},
    {"actionHelpTopmost", "HELP TOPMOST", true},
    {"actionHelpCommandNotOnTop", "HELP NOTONTOP", true},
    {"actionHelpFont", "HELP FONT", true},
    {"actionHelpFormat", "HELP FORMAT", true},
    {"actionHelpMenu", "HELP MENU", true},
    {"actionHelpCommandOutputBase", "HELP PROGRAMMER MATH", true},
    {"actionHelpWordOperators", "HELP WORD OPERATORS", true},
    {"actionHelpIgnoreText", "HELP IGNORE TEXT", true},
    {"actionHelpPredictiveText", "HELP PREDICTIVE TEXT", true},
    {"actionHelpSyntaxHelp", "HELP SYNTAX HELP", true},
    {"actionHelpCustomFunctions", "HELP USER FUNCTIONS", true},
    {"actionHelpCreateFunction", "HELP CREATE FUNCTION", true},
    {"actionHelpDeleteFunction", "HELP DELETE FUNCTION", true},
    {"actionHelpEquations", "HELP EQUATION", true},
    {"actionHelpSystems", "HELP SYSTEM", true},
    {"actionHelpSolver", "HELP SOLVER", true},
    {"actionHelpApproximate", "HELP APPROXIMATE", true},
    {"actionHelpEnter", "HELP ENTER", true},
    {"actionHelpContinue", "HELP CONTINUE ANSWER", true},
    {"actionHelpExecute", "HELP EXECUTE SELECTED LINES", true},
    {"actionHelpConversions", "HELP CONVERSIONS", true},
};

} // namespace

void MainWindow::ConnectMenuCommand(QAction* action, const QString& command, bool execute)
{
    connect(action, &QAction::triggered, this, [this, command, execute]() { InsertMenuCommand(command, execute); });
}

void MainWindow::InitializeMenus()
{
    if (menusInitialized)
        return;
    menusInitialized = true;

    // The pad keeps its own history of whole states; the document's would
    // undo answers and commands one fragment at a time.
    ui->Text1->document()->setUndoRedoEnabled(false);

    const std::pair<QAction*, QKeySequence::StandardKey> shortcuts[] = {
        {ui->actionUndo, QKeySequence::Undo},   {ui->actionRedo, QKeySequence::Redo},
        {ui->actionCut, QKeySequence::Cut},     {ui->actionCopy, QKeySequence::Copy},
        {ui->actionPaste, QKeySequence::Paste}, {ui->actionSelectAll, QKeySequence::SelectAll},
    };
    for (const auto& [action, key] : shortcuts)
        action->setShortcut(QKeySequence(key));

    connect(ui->actionUndo, &QAction::triggered, this, &MainWindow::UndoPadState);
    connect(ui->actionRedo, &QAction::triggered, this, &MainWindow::RedoPadState);
    // Cut and Paste act even while a solve runs, as typing does; an edit that
    // changes nothing takes no snapshot.
    connect(ui->actionCut, &QAction::triggered, this, [this]() {
        if (!ui->Text1->textCursor().hasSelection())
            return;
        BeginUndoEditTransaction();
        ui->Text1->cut();
    });
    connect(ui->actionCopy, &QAction::triggered, ui->Text1, &QPlainTextEdit::copy);
    connect(ui->actionPaste, &QAction::triggered, this, [this]() {
        if (!ui->Text1->canPaste())
            return;
        BeginUndoEditTransaction();
        ui->Text1->paste();
    });
    connect(ui->actionSelectAll, &QAction::triggered, ui->Text1, &QPlainTextEdit::selectAll);

    connect(ui->actionFind, &QAction::triggered, this, &MainWindow::ShowSearchDialog);
    connect(ui->actionFindNext, &QAction::triggered, this, &MainWindow::FindNext);
    connect(ui->actionFindPrevious, &QAction::triggered, this, &MainWindow::FindPrevious);

    connect(ui->actionExecuteSelectedLines, &QAction::triggered, this, &MainWindow::ExecuteSelectedLines);

    // Only a choice made in the menu runs these, never a check state set by
    // the settings or the MENU command.
    connect(ui->actionUse_Word_Oporators, &QAction::triggered, this, [this]() { UpdateUndoHistoryWordOperators(); });
    connect(ui->actionIgnore_Text_When_Cannot_Solve, &QAction::triggered, this,
            [this]() { UpdateUndoHistoryIgnoreText(); });
    connect(ui->actionAlwaysOnTop, &QAction::triggered, this, [this](bool checked) {
        if (checked)
            on_actionSet_As_Top_Most_TopMost_triggered();
        else
            on_actionSet_As_Not_Top_Most_Not_TopMost_triggered();
        RefreshMenus();
    });

    auto* outputBases = new QActionGroup(this);
    outputBases->setExclusive(true);
    for (QAction* action : {ui->actionOutputBaseDecimal, ui->actionOutputBaseBinary, ui->actionOutputBaseOctal,
                            ui->actionOutputBaseHexadecimal})
        outputBases->addAction(action);
    connect(outputBases, &QActionGroup::triggered, this,
            [this](QAction* action) { ShowStatus(QStringLiteral("Output Base = ") + action->text()); });

    connect(ui->actionAbout, &QAction::triggered, this, [this]() {
        QMessageBox::about(this, QStringLiteral("About Sumvelle"),
                           QStringLiteral("Sumvelle\n\nA calculator pad with variables, equation solving, symbolic "
                                          "tools, and typed commands."));
    });

    connect(ui->actionCheckForUpdates, &QAction::triggered, this, &MainWindow::ShowUpdateWindow);

    for (QMenu* menu : {ui->menuOptions, ui->menuFile, ui->menuEdit})
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::RefreshMenus);

    // Edit belongs in the menu bar, right before Options; inserting an action
    // the bar already holds moves it.
    ui->menuFile->removeAction(ui->menuEdit->menuAction());
    ui->menubar->insertAction(ui->menuOptions->menuAction(), ui->menuEdit->menuAction());

    const QList<QAction*> fileEntries = ui->menuFile->actions();
    for (QAction* entry : fileEntries) {
        QString text = entry->text();
        text.remove(QLatin1Char('&'));
        if (text.trimmed().compare(QLatin1String("Programmer Math"), Qt::CaseInsensitive) == 0)
            ui->menuFile->removeAction(entry);
    }

    QHash<QString, QAction*> actionsByName;
    const QList<QAction*> allActions = findChildren<QAction*>();
    for (QAction* action : allActions) {
        if (!action->objectName().isEmpty())
            actionsByName.insert(action->objectName(), action);
    }
    auto actionNamed = [&actionsByName](const QString& name) {
        QAction* action = actionsByName.value(name);
        if (!action)
            qWarning("The menus name an action the form does not have: %s", qPrintable(name));
        return action;
    };

    auto connectInsertText = [this](QAction* action, const QString& text) {
        connect(action, &QAction::triggered, this, [this, text]() { InsertMenuText(text); });
    };
    for (const InsertTextEntry& entry : InsertTextEntries) {
        if (QAction* action = actionNamed(QString::fromLatin1(entry.action)))
            connectInsertText(action, QString::fromUtf8(entry.text));
    }
    for (const char* name : FunctionNames) {
        const QString function = QString::fromLatin1(name);
        if (QAction* action = actionNamed(QStringLiteral("actionMath") + function))
            connectInsertText(action, function + QLatin1Char('('));
    }

    for (const CommandEntry& entry : CommandEntries) {
        if (QAction* action = actionNamed(QString::fromLatin1(entry.action)))
            ConnectMenuCommand(action, QString::fromLatin1(entry.command), entry.execute);
    }
    auto connectHelp = [&](const QString& actionName, const QString& topic) {
        if (QAction* action = actionNamed(actionName))
            ConnectMenuCommand(action, QStringLiteral("HELP ") + topic, true);
    };
    for (const char* name : FunctionNames)
        connectHelp(QStringLiteral("actionHelpMath") + QLatin1String(name), QString::fromLatin1(name));
    for (const char* name : ConstantNames)
        connectHelp(QStringLiteral("actionHelpMath") + QLatin1String(name), QString::fromLatin1(name));
    for (const char* name : DateTimeNames)
        connectHelp(QStringLiteral("actionHelpDateTime") + QLatin1String(name), QString::fromLatin1(name).toUpper());

    // The window-control entries have no implementation on this platform:
    // they stay connected, but no menu leads to them.
    ui->menuWindowControl->menuAction()->setVisible(false);
    ui->menuWindowControlCommands->menuAction()->setVisible(false);
    ui->actionHelpWindows->setVisible(false);

    RefreshMenus();
}

void MainWindow::RefreshMenus()
{
    {
        // Mirroring the window's state must not run the switch's handler.
        const QSignalBlocker blocker(ui->actionAlwaysOnTop);
        ui->actionAlwaysOnTop->setChecked(windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }
    UpdateUndoRedoActions();
    const bool selection = ui->Text1->textCursor().hasSelection();
    ui->actionCut->setEnabled(selection && !ui->Text1->isReadOnly());
    ui->actionCopy->setEnabled(selection);
    ui->actionPaste->setEnabled(ui->Text1->canPaste());
    ui->actionExecuteSelectedLines->setEnabled(selection && !solveRunning && !busy);
}
