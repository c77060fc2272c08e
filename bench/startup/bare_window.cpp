// The yardstick for start-up: the least a Qt program with a pad shows, a
// main window holding a plain-text editor.

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QPlainTextEdit(&window));
    window.show();
    return app.exec();
}
