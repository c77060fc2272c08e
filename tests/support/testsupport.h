#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <memory>

class MainWindow;

namespace TestSupport {

// Points HOME and the XDG directories at a fresh temporary directory, selects
// the offscreen platform and switches QStandardPaths to test mode, so that no
// test ever reads or writes the user's own files. Call before QApplication.
void prepareEnvironment();

// The temporary home made by prepareEnvironment().
QString temporaryHome();

// A main window as the program builds it, for tests that drive the pad or
// call the engine's member functions.
std::unique_ptr<MainWindow> createWindow();

} // namespace TestSupport

#define SUMVELLE_TEST_MAIN(TestObject)                 \
    int main(int argc, char* argv[])                   \
    {                                                  \
        TestSupport::prepareEnvironment();             \
        QApplication app(argc, argv);                  \
        QStandardPaths::setTestModeEnabled(true);      \
        TestObject tc;                                 \
        QTEST_SET_MAIN_SOURCE_PATH                     \
        return QTest::qExec(&tc, argc, argv);          \
    }
