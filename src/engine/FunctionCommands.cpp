// The pad commands that manage user-defined functions: CREATE FUNCTION,
// FUNCTIONS and DELETE FUNCTION.

#include "engine/CustomFunctions.h"

#include "pad/mainwindow.h"

#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace {

using Definitions = QMap<QString, MainWindow::CustomFunctionDefinition>;

const QString& NoFunctionsReply()
{
    static const QString reply = QStringLiteral("-No Custom Functions-");
    return reply;
}

QString DefinitionEcho(const MainWindow::CustomFunctionDefinition& definition)
{
    return definition.name + QLatin1Char('(') + definition.parameters.join(QStringLiteral(", "))
        + QStringLiteral(") = ") + definition.expression;
}

// The defined functions that a body calls, each once, in the order of their
// first call.
QStringList CalleesOf(const QString& body, const Definitions& definitions)
{
    QStringList callees;
    CustomFunctionText::TokenScanner scanner(body);
    int start = 0;
    int end = 0;
    while (scanner.Next(start, end)) {
        if (CustomFunctionText::CallParenthesisAfter(body, end) < 0)
            continue;
        const QString name = body.mid(start, end - start).toUpper();
        if (definitions.contains(name) && !callees.contains(name))
            callees.append(name);
    }
    return callees;
}

// A depth-first search over the calls written in the bodies, from every name
// in key order. The stack is our own: definitions loaded from a settings file
// may chain tens of thousands deep.
bool HasCallCycle(const Definitions& definitions)
{
    struct Frame
    {
        QString name;
        QStringList callees;
        int next = 0;
    };
    QSet<QString> inProgress;
    QSet<QString> finished;
    QList<Frame> stack;
    for (auto root = definitions.cbegin(); root != definitions.cend(); ++root) {
        if (finished.contains(root.key()))
            continue;
        inProgress.insert(root.key());
        stack.append({root.key(), CalleesOf(root->expression, definitions)});
        while (!stack.isEmpty()) {
            Frame& top = stack.last();
            if (top.next == top.callees.size()) {
                inProgress.remove(top.name);
                finished.insert(top.name);
                stack.removeLast();
                continue;
            }
            const QString callee = top.callees.at(top.next++);
            if (inProgress.contains(callee))
                return true;
            if (finished.contains(callee))
                continue;
            inProgress.insert(callee);
            // top is not used past this point: the append may move it.
            stack.append({callee, CalleesOf(definitions.value(callee).expression, definitions)});
        }
    }
    return false;
}

} // namespace

bool MainWindow::HandleCustomFunctionCommand(const QString& command)
{
    static const QString usage = QStringLiteral("Use CREATE FUNCTION NAME(parameter, ...) = expression");
    static const QRegularExpression definitionPattern(
        QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*\\(([^()]*)\\)\\s*=\\s*(.+?)\\s*$"));

    QString rest;
    if (MatchCommand(command, QStringLiteral("CREATE FUNCTION"), rest)) {
        // A refusal only sets the status: the pad keeps the typed line as the
        // user wrote it, ready to be corrected.
        const QRegularExpressionMatch match = definitionPattern.match(rest);
        if (rest.isEmpty() || !match.hasMatch()) {
            ShowStatus(usage);
            return true;
        }
        CustomFunctionDefinition definition;
        definition.name = match.captured(1).toUpper();
        const QString parameterText = match.captured(2).trimmed();
        definition.expression = match.captured(3).trimmed();

        const bool isUpdate = customFunctions.contains(definition.name);
        if ((IsReservedVariableName(definition.name) && !isUpdate) || variables.contains(definition.name)) {
            ShowStatus(QStringLiteral("Cannot use ") + definition.name + QStringLiteral(" as a function name"));
            return true;
        }
        if (!parameterText.isEmpty()) {
            const QStringList pieces = parameterText.split(QLatin1Char(','));
            for (const QString& piece : pieces) {
                const QString parameter = piece.trimmed().toUpper();
                if (!IsValidVariableName(parameter) || IsReservedVariableName(parameter)
                    || definition.parameters.contains(parameter)) {
                    ShowStatus(QStringLiteral("Invalid function parameter: ") + piece.trimmed());
                    return true;
                }
                definition.parameters.append(parameter);
            }
        }
        if (definition.expression.contains(QLatin1Char('='))) {
            ShowStatus(QStringLiteral("A function definition must contain one expression"));
            return true;
        }

        const std::optional<CustomFunctionDefinition> replaced =
            isUpdate ? std::optional(customFunctions.value(definition.name)) : std::nullopt;
        const auto restore = [this, &definition, &replaced] {
            if (replaced)
                customFunctions.insert(definition.name, *replaced);
            else
                customFunctions.remove(definition.name);
        };
        customFunctions.insert(definition.name, definition);
        if (HasCallCycle(customFunctions)) {
            restore();
            ShowStatus(QStringLiteral("Custom functions cannot call themselves recursively"));
            return true;
        }

        // The body must evaluate with every parameter at 2. The functions it
        // calls are expanded first, as a submitted line is, so that the
        // variables and ANS in their bodies get their values too.
        QMap<QString, QString> trialValues;
        for (const QString& parameter : std::as_const(definition.parameters))
            trialValues.insert(parameter, QStringLiteral("(2)"));
        QString expanded;
        QString error;
        bool ok = ExpandCustomFunctions(ReplaceIdentifierTokens(definition.expression, trialValues), expanded, error);
        if (ok)
            Eval(ReplaceVariables(ReplaceANS(expanded)), ok);
        if (!ok) {
            restore();
            ShowStatus(QStringLiteral("Cannot solve function expression"));
            return true;
        }

        ShowStatus((isUpdate ? QStringLiteral("Function updated: ") : QStringLiteral("Function created: "))
                   + definition.name);
        InsertCommandResult(DefinitionEcho(definition), true);
        UpdatePredictiveText();
        return true;
    }

    if (command.compare(QLatin1String("FUNCTIONS"), Qt::CaseInsensitive) == 0) {
        ShowStatus(QStringLiteral("Custom functions listed"));
        InsertCommandResult(GetCustomFunctionsList(), false);
        return true;
    }

    if (MatchCommand(command, QStringLiteral("DELETE FUNCTION"), rest)) {
        if (rest.isEmpty()) {
            ShowStatus(QStringLiteral("Delete commands listed"));
            InsertCommandResult(GetDeleteCustomFunctionCommands(), false);
            return true;
        }
        const QString name = rest.toUpper();
        if (IsValidVariableName(name) && customFunctions.remove(name) > 0) {
            const QString reply = QStringLiteral("Function deleted: ") + name;
            ShowStatus(reply);
            InsertCommandResult(reply, true);
            UpdatePredictiveText();
        } else {
            ShowStatus(QStringLiteral("No custom function named ") + rest);
        }
        return true;
    }
    return false;
}

QString MainWindow::GetCustomFunctionsList() const
{
    if (customFunctions.isEmpty())
        return NoFunctionsReply();
    QStringList lines;
    for (const CustomFunctionDefinition& definition : customFunctions)
        lines.append(DefinitionEcho(definition));
    return lines.join(QLatin1Char('\n'));
}

QString MainWindow::GetDeleteCustomFunctionCommands() const
{
    if (customFunctions.isEmpty())
        return NoFunctionsReply();
    QStringList lines;
    for (auto it = customFunctions.cbegin(); it != customFunctions.cend(); ++it)
        lines.append(QStringLiteral("DELETE FUNCTION ") + it.key());
    return lines.join(QLatin1Char('\n'));
}
