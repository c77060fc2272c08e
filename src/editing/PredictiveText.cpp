#include "pad/mainwindow.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>

// Predictive text is not offered yet: there is no completer and no hint,
// and the pad's calls find nothing to refresh.
void MainWindow::InitializePredictiveText()
{
}

void MainWindow::UpdatePredictiveText()
{
}

void MainWindow::HideAutoCompletePopup()
{
    if (autoCompleter)
        autoCompleter->popup()->hide();
    autoCompletePrefixStart = -1;
    autoCompletePrefixEnd = -1;
}

void MainWindow::HideSyntaxHint()
{
    if (syntaxHintLabel)
        syntaxHintLabel->hide();
}

void MainWindow::AcceptAutoCompleteSuggestion()
{
}
