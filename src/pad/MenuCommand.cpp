// MENU reads and sets the option switches and the output base from the pad;
// SIMPLIFY and ISOLATE hand their text to the symbolic algebra.

#include "pad/mainwindow.h"
#include "pad/MainWindowForm.h"

#include <QAction>

namespace {

QString OnOff(bool on)
{
    return on ? QStringLiteral("ON") : QStringLiteral("OFF");
}

} // namespace

bool MainWindow::HandleMenuCommand(QString line)
{
    QString rest;
    if (!MatchCommand(line, QStringLiteral("MENU"), rest))
        return false;
    const QString option = rest.trimmed().toUpper();

    // One row per switch: the option's name, what the reply calls it and its
    // action. setChecked only: running the actions' triggered handlers would
    // do more than the user asked for.
    struct Switch
    {
        QStringList names;
        const char* label;
        QAction* action;
    };
    const Switch switches[] = {
        {{QStringLiteral("WORD OPERATORS")}, "Word Operators", ui->actionUse_Word_Oporators},
        {{QStringLiteral("IGNORE TEXT")}, "Ignore Text", ui->actionIgnore_Text_When_Cannot_Solve},
        {{QStringLiteral("PREDICTIVE TEXT"), QStringLiteral("PREDICTIVE TEXT COMPLETE")},
         "Predictive Text Complete",
         ui->actionPredictive_Text_Complete},
        {{QStringLiteral("SYNTAX HELP")}, "Syntax Help", ui->actionSyntax_Help},
    };
    struct Base
    {
        const char* shortName;
        const char* label;
        QAction* action;
    };
    const Base bases[] = {
        {"DEC", "Decimal", ui->actionOutputBaseDecimal},
        {"BIN", "Binary", ui->actionOutputBaseBinary},
        {"OCT", "Octal", ui->actionOutputBaseOctal},
        {"HEX", "Hexadecimal", ui->actionOutputBaseHexadecimal},
    };

    QString reply;
    for (const Switch& entry : switches) {
        for (const QString& name : entry.names) {
            if (option == name + QStringLiteral(" ON"))
                entry.action->setChecked(true);
            else if (option == name + QStringLiteral(" OFF"))
                entry.action->setChecked(false);
            else if (option != name)
                continue;
            reply = QLatin1String(entry.label) + QStringLiteral(" = ") + OnOff(entry.action->isChecked());
        }
    }

    static const QString outputBase = QStringLiteral("OUTPUT BASE");
    if (option == outputBase) {
        // Decimal unless another base is checked.
        QString current = QStringLiteral("Decimal");
        for (const Base& base : bases) {
            if (base.action != ui->actionOutputBaseDecimal && base.action->isChecked()) {
                current = QLatin1String(base.label);
                break;
            }
        }
        reply = QStringLiteral("Output Base = ") + current;
    }
    for (const Base& base : bases) {
        const QString label = QLatin1String(base.label);
        if (option == outputBase + QLatin1Char(' ') + QLatin1String(base.shortName)
            || option == outputBase + QLatin1Char(' ') + label.toUpper()) {
            base.action->setChecked(true);
            reply = QStringLiteral("Output Base = ") + label;
        }
    }

    if (reply.isEmpty()) {
        ShowStatus(QStringLiteral("Invalid MENU command"));
        InsertCommandResult(QStringLiteral("MENU options: WORD OPERATORS, IGNORE TEXT, PREDICTIVE TEXT, SYNTAX HELP, "
                                           "OUTPUT BASE"),
                            false);
        return true;
    }
    ShowStatus(reply);
    InsertCommandResult(reply, false);
    return true;
}

bool MainWindow::HandleSymbolicCommand(QString line)
{
    QString rest;
    QString output;
    if (MatchCommand(line, QStringLiteral("ISOLATE"), rest)) {
        const bool ok = IsolateText(rest, output);
        ShowStatus(ok ? QStringLiteral("Isolated") : QStringLiteral("Cannot Isolate"));
        InsertCommandResult(output, ok);
        return true;
    }
    if (MatchCommand(line, QStringLiteral("SIMPLIFY"), rest)) {
        const bool ok = SimplifyText(rest, output);
        ShowStatus(ok ? QStringLiteral("Simplified") : QStringLiteral("Cannot Simplify"));
        InsertCommandResult(output, ok);
        return true;
    }
    return false;
}
