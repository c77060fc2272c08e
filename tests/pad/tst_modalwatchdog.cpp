#include "support/testsupport.h"

#include <QDialog>

// A modal dialog that no test closes must not hang the run: the test main's
// watchdog closes it and fails the test that opened it.
class ModalWatchdogTest : public QObject
{
    Q_OBJECT

private slots:
    void forgottenDialogIsClosedAndFails();
};

void ModalWatchdogTest::forgottenDialogIsClosedAndFails()
{
    TestSupport::startModalDialogWatchdog(300);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Forgotten"));
    QEXPECT_FAIL("", "the watchdog fails the test that left a dialog open", Continue);
    const int result = dialog.exec();
    QCOMPARE(result, int(QDialog::Rejected));
}

SUMVELLE_TEST_MAIN(ModalWatchdogTest)
#include "tst_modalwatchdog.moc"
