#include "pad/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Ties the window to its desktop entry and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("sumvelle"));
    MainWindow window;
    window.show();
    return app.exec();
}
