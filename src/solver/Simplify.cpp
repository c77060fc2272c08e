#include "pad/mainwindow.h"

// The symbolic algebra is not built yet: both commands decline with the
// replies they give when they cannot answer.
bool MainWindow::SimplifyText(QString expression, QString& output)
{
    if (expression.trimmed().isEmpty())
        output = QStringLiteral("SIMPLIFY requires an expression or equation.");
    else
        output = QStringLiteral("Cannot Simplify");
    return false;
}

bool MainWindow::IsolateText(QString, QString& output)
{
    output = QStringLiteral("Use: ISOLATE variable, equation\nExample: ISOLATE X, 3*X + Y = 12");
    return false;
}
