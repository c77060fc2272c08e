// FRACTION on one line's expression. The fraction it answers has the
// expression's value, within the command's own tolerance: below one, a
// fraction within 1e-14 counts as simpler (1e-18 answers 0/1).

#include "FuzzSupport.h"

#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QVariant>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainWindow& window = FuzzSupport::EngineWindow();
    // Each input starts from ANS 0 and an empty pad; the command's answer
    // becomes ANS, so the expression is valued before it runs.
    MainWindowTestAccess::setAns(window, 0.0, QString(), false);
    static QPlainTextEdit* const pad = TestSupport::Pad(&window).editor();
    pad->clear();
    const QString argument = FuzzSupport::FirstLine(data, size).trimmed();
    bool ok = false;
    QString processedText;
    const double value = window.EvaluateExpression(argument, ok, processedText);
    window.setProperty(MainWindow::OneTimeOutputBaseProperty, QVariant());
    window.HandleFractionFunction(QStringLiteral("FRACTION(") + argument + QLatin1Char(')'));

    static const QRegularExpression fraction(QStringLiteral("^(-?\\d+)/(\\d+)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch answer = fraction.match(pad->toPlainText());
    if (!answer.hasMatch())
        return 0;
    const double shown = answer.captured(1).toDouble() / answer.captured(2).toDouble();
    if (ok && std::fabs(shown - value) > 1e-9 * std::fabs(value) + 2e-14)
        std::abort();
    return 0;
}
