#include "pad/mainwindow.h"

#include <QApplication>
#include <QDBusConnection>

#include <thread>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The menu bar asks the session bus whether the desktop shows a global
    // menu, and reaching the bus (or finding there is none) can take longer
    // than building the window. Connecting meanwhile on a thread of its own
    // lets the window wait only for what is left; Qt keeps the one connection
    // and it is safe to make from any thread once the application exists.
    std::thread sessionBus([] { QDBusConnection::sessionBus(); });
    // Ties the window to its desktop entry and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("sumvelle"));
    MainWindow window(nullptr, MainWindow::StartUp::MenusAfterShow);
    window.show();
    const int code = app.exec();
    sessionBus.join();
    return code;
}
