#include "support/testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// Installs this very build into a temporary prefix, as a user or a packager
// would, and checks that a desktop finds the program, its entry and its icon.
class InstallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void filesInPlace_data();
    void filesInPlace();
    void entryIsValid();
    void entryNamesInstalledFiles();
    void iconSizes_data();
    void iconSizes();

private:
    QString installed(const QString& relative) const { return prefix.filePath(relative); }

    QTemporaryDir prefix;
};

void InstallTest::initTestCase()
{
    QVERIFY(prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(SUMVELLE_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(SUMVELLE_BUILD_DIR), QStringLiteral("--prefix"),
                   prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
}

void InstallTest::filesInPlace_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("program") << "bin/sumvelle";
    QTest::newRow("desktop entry") << "share/applications/sumvelle.desktop";
    for (const int size : {16, 24, 32, 48, 64, 256}) {
        const QString path = QStringLiteral("share/icons/hicolor/%1x%1/apps/sumvelle.png").arg(size);
        QTest::newRow(qPrintable(path)) << path;
    }
}

void InstallTest::filesInPlace()
{
    QFETCH(QString, path);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QVERIFY(file.size() > 0);
    if (path.startsWith(QLatin1String("bin/")))
        QVERIFY(file.isExecutable());
}

void InstallTest::entryIsValid()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing: scripts/deps installs desktop-file-utils");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {installed(QStringLiteral("share/applications/sumvelle.desktop"))});
    QVERIFY(validate.waitForFinished(30000));
    const QByteArray output = validate.readAll();
    QVERIFY2(validate.exitCode() == 0, output.constData());
    // It exits 0 on hints too; a clean entry draws none.
    QVERIFY2(output.trimmed().isEmpty(), output.constData());
}

// The menu launches Exec from the PATH and looks the icon up by name, so both
// must name what the install put in bin/ and in the icon theme.
void InstallTest::entryNamesInstalledFiles()
{
    QFile entry(installed(QStringLiteral("share/applications/sumvelle.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QMap<QString, QString> keys;
    for (const QByteArray& line : entry.readAll().split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            keys.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    QCOMPARE(keys.value(QStringLiteral("Exec")), QStringLiteral("sumvelle"));
    QCOMPARE(keys.value(QStringLiteral("Icon")), QStringLiteral("sumvelle"));
    QCOMPARE(keys.value(QStringLiteral("StartupWMClass")), QStringLiteral("sumvelle"));
    QCOMPARE(keys.value(QStringLiteral("Categories")), QStringLiteral("Utility;Calculator;"));
}

void InstallTest::iconSizes_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 24, 32, 48, 64, 256})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void InstallTest::iconSizes()
{
    QFETCH(int, size);
    QImageReader reader(installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/sumvelle.png").arg(size)));
    QCOMPARE(reader.format(), QByteArray("png"));
    QCOMPARE(reader.size(), QSize(size, size));
    QVERIFY(!reader.read().isNull());
}

SUMVELLE_TEST_MAIN(InstallTest)
#include "tst_install.moc"
