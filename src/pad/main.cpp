#include "pad/mainwindow.h"

#include <QApplication>
#include <QDBusConnection>

#include <thread>

int main(int argc, char* argv[])
{
    // The menu bar asks the session bus whether the desktop shows a global
    // menu, and reaching the bus (or finding there is none) can take longer
    // than building the window. Connecting meanwhile on a thread of its own
    // lets the window wait only for what is left; Qt keeps the one connection.
    std::thread sessionBus([] { QDBusConnection::sessionBus(); });
    QApplication app(argc, argv);
    // Ties the window to its desktop entry and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("sumvelle"));
    MainWindow window;
    window.show();
    const int code = app.exec();
    sessionBus.join();
    return code;
}
