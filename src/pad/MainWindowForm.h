#pragma once

// The main window's form in two parts: the window with its pad and the menu
// bar's titles, which the first paint shows, and the rest (the menus' items
// and the window icon), built once the window has shown: they were a third
// of the window's start-up.

#include <QCoreApplication>
#include <QString>

// The menus' texts are looked up in the window's translation context, as
// when both parts were one form.
inline QString MainWindowFormText(const char* text, const char* comment)
{
    return QCoreApplication::translate("MainWindow", text, comment);
}

#include "ui_mainmenus.h"
#include "ui_mainwindow.h"

class MainWindowForm : public Ui::MainWindow, public Ui::MainMenus
{
public:
    void setupWindow(QMainWindow* window) { Ui::MainWindow::setupUi(window); }
    // Builds the menus' items into the menu bar's menus and sets the icon.
    void finishSetup(QMainWindow* window);
    // Both parts at once.
    void setupUi(QMainWindow* window)
    {
        setupWindow(window);
        finishSetup(window);
    }
    bool finished() const { return done; }

private:
    bool done = false;
};
