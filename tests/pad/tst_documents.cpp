#include "pad/DocumentEncoding.h"
#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Lowers the largest file this process may write, with the signal that the
// kernel would send ignored, so that a write is cut short even for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }

private:
    rlimit saved{};
    void (*oldHandler)(int) = nullptr;
};
} // namespace

class DocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void decoding_data();
    void decoding();
    void openThenSave_data();
    void openThenSave();
    void largeDocumentRoundTrip();
    void editedBeyondItsEncoding_data();
    void editedBeyondItsEncoding();
    void openResetsTheHistoryAndTheBold();
    void newDocument();
    void insertIsOneUndoStep();
    void unreadableFiles_data();
    void unreadableFiles();
    void sizeLimit_data();
    void sizeLimit();
    void failedSaves_data();
    void failedSaves();
    void cancelledDialogsDoNothing();
    void drops_data();
    void drops();
    void replacingLogsThePadFirst_data();
    void replacingLogsThePadFirst();
    void refusedWhileSolving_data();
    void refusedWhileSolving();

private:
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TestSupport::Pad> pad;
    std::unique_ptr<QTemporaryDir> dir;
    QString nextPath;                          // what the next file dialog answers
    MainWindow::DropChoice nextChoice = MainWindow::DropChoice::DontOpen;
    QStringList warnings;                      // title, then text, of each warning
    QStringList questions;                     // file names asked about

    QString path(const QString& name) const { return dir->filePath(name); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    void sendDrop(const QList<QUrl>& urls, bool& enterAccepted, bool& dropAccepted);
};

void DocumentsTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    window = TestSupport::createWindow();
    pad = std::make_unique<TestSupport::Pad>(window.get());
    nextPath.clear();
    nextChoice = MainWindow::DropChoice::DontOpen;
    warnings.clear();
    questions.clear();
    MainWindow::DocumentPrompts& prompts = window->documentPrompts;
    prompts.openFileName = [this](QWidget*, const QString&) { return nextPath; };
    prompts.saveFileName = [this](QWidget*, const QString&, const QString&) { return nextPath; };
    prompts.dropChoice = [this](QWidget*, const QString& fileName) {
        questions << fileName;
        return nextChoice;
    };
    prompts.warning = [this](QWidget*, const QString& title, const QString& text) { warnings << title << text; };
}

void DocumentsTest::cleanup()
{
    pad.reset();
    window.reset();
    dir.reset();
}

void DocumentsTest::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("lone E9 is Windows-1252") << QByteArray("\xE9") << QStringLiteral("\u00E9");
    QTest::newRow("C3 A9 is UTF-8") << QByteArray("\xC3\xA9") << QStringLiteral("\u00E9");
    QTest::newRow("one stray byte makes it all 1252")
        << QByteArray("\xC3\xA9 \x92") << QStringLiteral("\u00C3\u00A9 \u2019");
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ED\u00A0\u20AC");
    QTest::newRow("overlong") << QByteArray("\xC0\x80", 2) << QStringLiteral("\u00C0\u20AC");
    QTest::newRow("cut off at the end") << QByteArray("a\xE2\x82") << QStringLiteral("a\u00E2\u201A");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QStringLiteral("\u00F4\u0090\u20AC\u20AC");
    QTest::newRow("F5 lead") << QByteArray("\xF5") << QStringLiteral("\u00F5");
    QTest::newRow("four-byte UTF-8") << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("\U0001F600");
    QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBF" "1+1") << QStringLiteral("1+1");
    QTest::newRow("only the first mark dropped")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "1") << QStringLiteral("\uFEFF" "1");
    QTest::newRow("UTF-16BE mark") << QByteArray("\xFE\xFF\0" "1", 4) << QStringLiteral("1");
    QTest::newRow("UTF-32BE mark") << QByteArray("\0\0\xFE\xFF\0\0\0" "1", 8) << QStringLiteral("1");
    QTest::newRow("UTF-16 mark before an odd byte count is Windows-1252")
        << QByteArray("\xFF\xFE" "1") << QStringLiteral("\u00FF\u00FE" "1");
    QTest::newRow("UTF-16 mark before a lone surrogate is Windows-1252")
        << QByteArray("\xFF\xFE\x00\xD8", 4) << QString(QStringLiteral("\u00FF\u00FE") + QChar(0) + QStringLiteral("\u00D8"));
    QTest::newRow("undefined 1252 bytes become controls")
        << QByteArray("\x81\x8D\x8F\x90\x9D\x80\x9F")
        << QStringLiteral("\u0081\u008D\u008F\u0090\u009D\u20AC\u0178");
    QTest::newRow("plain ASCII") << QByteArray("x = 3\n") << QStringLiteral("x = 3\n");
}

void DocumentsTest::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DocumentEncoding::Decode(bytes), text);
}

void DocumentsTest::openThenSave_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("padText");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("UTF-8 unchanged") << QByteArray("1+1\n\xC3\xA9\n") << QStringLiteral("1+1\n\u00E9\n")
                                     << QByteArray("1+1\n\xC3\xA9\n");
    QTest::newRow("no-break spaces kept") << QByteArray("1\xC2\xA0" "000 + 2") << QStringLiteral("1\u00A0" "000 + 2")
                                          << QByteArray("1\xC2\xA0" "000 + 2");
    QTest::newRow("byte-order mark not written") << QByteArray("\xEF\xBB\xBFx") << QStringLiteral("x")
                                                 << QByteArray("x");
    QTest::newRow("leading U+FEFF of the text kept behind a mark")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QStringLiteral("\uFEFFx")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx");
    QTest::newRow("Windows-1252 whose line ends made it look like UTF-16")
        << QByteArray("\xFF\xFE( Tlx\r\n") << QStringLiteral("\u00FF\u00FE( Tlx\n")
        << QByteArray("\xC3\xBF\xC3\xBE( Tlx\n");
    QTest::newRow("CRLF") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\nb\n") << QByteArray("a\nb\n");
    QTest::newRow("CR") << QByteArray("a\rb") << QStringLiteral("a\nb") << QByteArray("a\nb");
    QTest::newRow("Windows-1252 saved as Windows-1252")
        << QByteArray("caf\xE9 \x80") << QStringLiteral("caf\u00E9 \u20AC") << QByteArray("caf\xE9 \x80");
    QTest::newRow("UTF-8 with one stray byte kept as it was")
        << QByteArray("\xC3\xA9 \x92\n") << QStringLiteral("\u00C3\u00A9 \u2019\n") << QByteArray("\xC3\xA9 \x92\n");
    QTest::newRow("UTF-16LE with its mark") << QByteArray("\xFF\xFE" "1\0+\0" "1\0\n\0", 10) << QStringLiteral("1+1\n")
                                            << QByteArray("\xFF\xFE" "1\0+\0" "1\0\n\0", 10);
    QTest::newRow("UTF-16BE with its mark") << QByteArray("\xFE\xFF\0\xE9\0\n", 6) << QStringLiteral("\u00E9\n")
                                            << QByteArray("\xFE\xFF\0\xE9\0\n", 6);
    QTest::newRow("UTF-32LE with its mark") << QByteArray("\xFF\xFE\0\0" "x\0\0\0", 8) << QStringLiteral("x")
                                            << QByteArray("\xFF\xFE\0\0" "x\0\0\0", 8);
    QTest::newRow("empty") << QByteArray("") << QString() << QByteArray("");
}

void DocumentsTest::openThenSave()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, padText);
    QFETCH(QByteArray, saved);
    writeBytes(path("in.txt"), file);
    nextPath = path("in.txt");
    action("actionOpen_Document")->trigger();
    QCOMPARE(DocumentEncoding::Decode(window->DocumentBytes()), padText);
    QCOMPARE(pad->status(), QStringLiteral("Opened in.txt"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle - in.txt"));
    QVERIFY(action("actionSave_Document")->isEnabled());

    // Save writes back to the same file; Save As to another, and retitles.
    action("actionSave_Document")->trigger();
    QCOMPARE(pad->status(), QStringLiteral("Saved in.txt"));
    QCOMPARE(readBytes(path("in.txt")), saved);
    nextPath = path("out.txt");
    action("actionSave_Document_As")->trigger();
    QCOMPARE(pad->status(), QStringLiteral("Saved out.txt"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle - out.txt"));
    QCOMPARE(readBytes(path("out.txt")), saved);
    QCOMPARE(window->DocumentBytes(), saved);
    QVERIFY(warnings.isEmpty());
}

void DocumentsTest::largeDocumentRoundTrip()
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < MainWindow::MaximumDocumentBytes - 64; ++i)
        bytes += "line " + QByteArray::number(i) + " = \xE2\x82\xAC" + QByteArray::number(i * 7) + "\xC2\xA0km\n";
    writeBytes(path("big.txt"), bytes);
    QVERIFY(window->OpenDocumentFromPath(path("big.txt")));
    QVERIFY(window->WriteDocumentFile(path("copy.txt")));
    QVERIFY(readBytes(path("copy.txt")) == bytes);
}

// A Windows-1252 document that gained a character the code page lacks is
// saved as UTF-8, losing nothing; New starts a UTF-8 document again.
void DocumentsTest::editedBeyondItsEncoding_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("no longer fits Windows-1252") << QByteArray("caf\xE9\n") << QStringLiteral("\u2192" "caf\u00E9\n")
                                                 << QByteArray("\xE2\x86\x92" "caf\xC3\xA9\n");
    QTest::newRow("still Windows-1252") << QByteArray("\xC3\xA9\x92") << QStringLiteral("\u00C3\u00A9\u2019\u2019")
                                        << QByteArray("\xC3\xA9\x92\x92");
    QTest::newRow("Windows-1252 bytes that would read as UTF-8")
        << QByteArray("\xC3\xA9\x92") << QStringLiteral("\u00C3\u00A9") << QByteArray("\xC3\x83\xC2\xA9");
    QTest::newRow("Windows-1252 bytes that would read as UTF-16")
        << QByteArray("\xFF\xFE" "A") << QStringLiteral("\u00FF\u00FE" "AB") << QByteArray("\xC3\xBF\xC3\xBE" "AB");
}

void DocumentsTest::editedBeyondItsEncoding()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, edited);
    QFETCH(QByteArray, saved);
    writeBytes(path("old.txt"), file);
    QVERIFY(window->OpenDocumentFromPath(path("old.txt")));
    pad->editor()->selectAll();
    pad->editor()->insertPlainText(edited);
    QCOMPARE(window->DocumentBytes(), saved);
    QCOMPARE(DocumentEncoding::Decode(saved), edited);
    action("actionNew_Document")->trigger();
    pad->editor()->insertPlainText(QStringLiteral("\u00E9"));
    QCOMPARE(window->DocumentBytes(), QByteArray("\xC3\xA9"));
}

void DocumentsTest::openResetsTheHistoryAndTheBold()
{
    pad->submit(QStringLiteral("1+1"));
    QCOMPARE(pad->boldRuns(), QStringList{QStringLiteral("2")});
    // The cursor right after the bold answer.
    QTextCursor cursor = pad->editor()->textCursor();
    cursor.setPosition(pad->editor()->document()->findBlockByNumber(1).position() + 1);
    pad->editor()->setTextCursor(cursor);
    QVERIFY(action("actionUndo")->isEnabled());

    writeBytes(path("plain.txt"), "3+4\nplain");
    QVERIFY(window->OpenDocumentFromPath(path("plain.txt")));
    QCOMPARE(pad->text(), QStringLiteral("3+4\nplain"));
    QVERIFY(pad->boldRuns().isEmpty());
    QCOMPARE(pad->editor()->textCursor().position(), 0);
    QVERIFY(!action("actionUndo")->isEnabled());
    QVERIFY(!action("actionRedo")->isEnabled());
}

void DocumentsTest::newDocument()
{
    pad->submit(QStringLiteral("x = 3"));
    writeBytes(path("doc.txt"), "text");
    QVERIFY(window->OpenDocumentFromPath(path("doc.txt")));
    action("actionNew_Document")->trigger();
    QCOMPARE(pad->text(), QString());
    QCOMPARE(pad->status(), QStringLiteral("New Document"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle"));
    QVERIFY(!action("actionSave_Document")->isEnabled());
    QVERIFY(!action("actionUndo")->isEnabled());
    // Variables are no part of a document.
    QCOMPARE(MainWindowTestAccess::variables(*window).value(QStringLiteral("X")), 3.0);
    pad->submit(QStringLiteral("x+1"));
    QCOMPARE(pad->boldRuns(), QStringList{QStringLiteral("4")});
}

void DocumentsTest::insertIsOneUndoStep()
{
    pad->type(QStringLiteral("ab"));
    pad->key(Qt::Key_Left);
    // A last line of "-" would be joined to the line above if the pad driver
    // saw the insertion.
    writeBytes(path("part.txt"), "1+1\n-");
    nextPath = path("part.txt");
    action("actionInsert_Document_At_Cursor")->trigger();
    QCOMPARE(pad->text(), QStringLiteral("a1+1\n-b"));
    QCOMPARE(pad->status(), QStringLiteral("Inserted part.txt"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle"));
    QVERIFY(!action("actionSave_Document")->isEnabled());
    QCOMPARE(pad->editor()->textCursor().position(), 6);
    // The typing run before it had its snapshot already: one Undo takes both.
    pad->key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pad->text(), QString());
}

void DocumentsTest::unreadableFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("pipe") << "pipe";
}

void DocumentsTest::unreadableFiles()
{
    QFETCH(QString, kind);
    const QString target = path(QStringLiteral("target"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(target));
    else if (kind == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    pad->type(QStringLiteral("keep"));
    for (const char* name : {"actionOpen_Document", "actionInsert_Document_At_Cursor"}) {
        warnings.clear();
        nextPath = target;
        action(name)->trigger();
        QCOMPARE(warnings,
                 (QStringList{QStringLiteral("Cannot Open File"), QStringLiteral("Sumvelle could not open:\n\n") + target}));
        QCOMPARE(pad->text(), QStringLiteral("keep"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle"));
    }
}

void DocumentsTest::sizeLimit_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<qint64>("size");
    const qint64 limit = MainWindow::MaximumDocumentBytes;
    for (const char* command : {"open", "insert", "drop"}) {
        QTest::addRow("%s at the limit", command) << command << limit;
        QTest::addRow("%s one byte above", command) << command << limit + 1;
    }
}

// A file above the limit is refused, naming its size and the limit, and the
// pad stays as it was.
void DocumentsTest::sizeLimit()
{
    QFETCH(QString, command);
    QFETCH(qint64, size);
    const bool fits = size <= MainWindow::MaximumDocumentBytes;
    const QString target = path(QStringLiteral("big.txt"));
    QByteArray bytes(size, 'x');
    for (qsizetype i = 79; i < bytes.size(); i += 80)
        bytes[i] = '\n';
    writeBytes(target, bytes);
    pad->type(QStringLiteral("keep"));
    nextPath = target;
    if (command == QLatin1String("open")) {
        action("actionOpen_Document")->trigger();
    } else if (command == QLatin1String("insert")) {
        action("actionInsert_Document_At_Cursor")->trigger();
    } else {
        nextChoice = MainWindow::DropChoice::Open;
        bool enterAccepted = false;
        bool dropAccepted = false;
        sendDrop({QUrl::fromLocalFile(target)}, enterAccepted, dropAccepted);
    }
    if (fits) {
        QVERIFY(warnings.isEmpty());
        QCOMPARE(pad->text().size(), size + (command == QLatin1String("insert") ? 4 : 0));
        return;
    }
    QCOMPARE(warnings, (QStringList{QStringLiteral("Cannot Open File"),
                                    QStringLiteral("Sumvelle could not open:\n\n") + target
                                        + QStringLiteral("\n\nThe file holds %1 bytes; Sumvelle opens documents of "
                                                         "up to %2 bytes.")
                                              .arg(size)
                                              .arg(MainWindow::MaximumDocumentBytes)}));
    QCOMPARE(pad->text(), QStringLiteral("keep"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle"));
}

void DocumentsTest::failedSaves_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("parent is a file") << "parent file" << "Sumvelle could not save:\n\n";
    QTest::newRow("target is a folder") << "folder" << "Sumvelle could not save:\n\n";
    QTest::newRow("write cut short") << "size limit" << "Sumvelle could not completely save:\n\n";
}

// None of these depends on permissions, so they fail as root too.
void DocumentsTest::failedSaves()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QByteArray old = "old contents\n";
    writeBytes(path("old.txt"), old);
    QVERIFY(window->OpenDocumentFromPath(path("old.txt")));
    pad->editor()->setPlainText(QString(200000, QLatin1Char('7')));

    QString target = path("old.txt");
    if (kind == QLatin1String("parent file")) {
        target = path("old.txt/new.txt");
    } else if (kind == QLatin1String("folder")) {
        target = path("folder");
        QVERIFY(QDir().mkdir(target));
    }
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (kind == QLatin1String("size limit"))
            limit = std::make_unique<FileSizeLimit>(4096);
        if (target == path("old.txt")) {
            action("actionSave_Document")->trigger();
        } else {
            nextPath = target;
            action("actionSave_Document_As")->trigger();
        }
    }
    QCOMPARE(warnings, (QStringList{QStringLiteral("Cannot Save File"), message + target}));
    QVERIFY(!pad->status().startsWith(QLatin1String("Saved")));
    QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle - old.txt"));
    QCOMPARE(readBytes(path("old.txt")), old);
    QVERIFY(QFileInfo(path("folder")).isDir() || kind != QLatin1String("folder"));
    // Nothing is left behind beside the old file.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
}

void DocumentsTest::cancelledDialogsDoNothing()
{
    pad->type(QStringLiteral("keep"));
    const QString status = pad->status();
    nextPath.clear();
    for (const char* name : {"actionOpen_Document", "actionInsert_Document_At_Cursor", "actionSave_Document_As"})
        action(name)->trigger();
    QCOMPARE(pad->text(), QStringLiteral("keep"));
    QCOMPARE(pad->status(), status);
    QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle"));
    QVERIFY(!action("actionSave_Document")->isEnabled());
    QVERIFY(warnings.isEmpty());
}

void DocumentsTest::sendDrop(const QList<QUrl>& urls, bool& enterAccepted, bool& dropAccepted)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QCoreApplication::sendEvent(window.get(), &enter);
    enterAccepted = enter.isAccepted();
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setAccepted(false);
    QCoreApplication::sendEvent(window.get(), &drop);
    dropAccepted = drop.isAccepted();
}

void DocumentsTest::drops_data()
{
    QTest::addColumn<QStringList>("dropped");  // names in the temporary folder, or URLs
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("padText");
    QTest::addColumn<QString>("title");
    const int open = int(MainWindow::DropChoice::Open);
    const int insert = int(MainWindow::DropChoice::Insert);
    const int dontOpen = int(MainWindow::DropChoice::DontOpen);
    QTest::newRow("open") << QStringList{"a.txt"} << open << true << "file a" << "Sumvelle - a.txt";
    QTest::newRow("insert") << QStringList{"a.txt"} << insert << true << "pad file a" << "Sumvelle";
    QTest::newRow("don't open") << QStringList{"a.txt"} << dontOpen << true << "pad " << "Sumvelle";
    QTest::newRow("first regular file wins")
        << QStringList{"folder", "https://example.invalid/a.txt", "b.txt", "a.txt"} << open << true << "file b"
        << "Sumvelle - b.txt";
    QTest::newRow("folder ignored") << QStringList{"folder"} << open << false << "pad " << "Sumvelle";
    QTest::newRow("remote ignored") << QStringList{"https://example.invalid/a.txt"} << open << false << "pad "
                                    << "Sumvelle";
}

void DocumentsTest::drops()
{
    QFETCH(QStringList, dropped);
    QFETCH(int, choice);
    QFETCH(bool, accepted);
    QFETCH(QString, padText);
    QFETCH(QString, title);
    writeBytes(path("a.txt"), "file a");
    writeBytes(path("b.txt"), "file b");
    QVERIFY(QDir().mkdir(path("folder")));
    QList<QUrl> urls;
    for (const QString& entry : dropped)
        urls << (entry.contains(QLatin1Char(':')) ? QUrl(entry) : QUrl::fromLocalFile(path(entry)));
    pad->type(QStringLiteral("pad "));
    nextChoice = MainWindow::DropChoice(choice);

    bool enterAccepted = false;
    bool dropAccepted = false;
    sendDrop(urls, enterAccepted, dropAccepted);
    QCOMPARE(enterAccepted, accepted);
    QCOMPARE(dropAccepted, accepted);
    QCOMPARE(questions.size(), accepted ? 1 : 0);
    if (accepted)
        QVERIFY(questions.first() == QLatin1String("a.txt") || questions.first() == QLatin1String("b.txt"));
    QCOMPARE(pad->text(), padText);
    QCOMPARE(window->windowTitle(), title);
}

void DocumentsTest::replacingLogsThePadFirst_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("saveLogOnClear");
    QTest::addColumn<bool>("logWritable");
    for (const char* command : {"new", "open", "drop"}) {
        QTest::addRow("%s logs the pad", command) << command << true << true;
        QTest::addRow("%s keeps the pad the log refused", command) << command << true << false;
        QTest::addRow("%s without Save Log on Clear", command) << command << false << true;
    }
}

void DocumentsTest::replacingLogsThePadFirst()
{
    QFETCH(QString, command);
    QFETCH(bool, saveLogOnClear);
    QFETCH(bool, logWritable);
    const QString log =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Sumvelle.log"));
    QFile::remove(log);
    QDir(log).removeRecursively();
    if (!logWritable)
        QVERIFY(QDir().mkpath(log));
    action("actionSave_Log_On_Clear")->setChecked(saveLogOnClear);
    pad->submit(QStringLiteral("1+1"));
    writeBytes(path("doc.txt"), "text");
    nextPath = path("doc.txt");
    if (command == QLatin1String("new")) {
        action("actionNew_Document")->trigger();
    } else if (command == QLatin1String("open")) {
        action("actionOpen_Document")->trigger();
    } else {
        nextChoice = MainWindow::DropChoice::Open;
        bool enterAccepted = false;
        bool dropAccepted = false;
        sendDrop({QUrl::fromLocalFile(path("doc.txt"))}, enterAccepted, dropAccepted);
    }
    const bool replaced = logWritable || !saveLogOnClear;
    QCOMPARE(pad->text(), replaced ? (command == QLatin1String("new") ? QString() : QStringLiteral("text"))
                                   : QStringLiteral("1+1\n2\n"));
    if (!replaced) {
        QVERIFY2(pad->status().startsWith(QLatin1String("Calculator log could not be written: ")),
                 qPrintable(pad->status()));
        QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle"));
        QVERIFY(action("actionUndo")->isEnabled());
        QVERIFY(QDir().rmdir(log));
    } else if (saveLogOnClear) {
        QVERIFY(readBytes(log).endsWith("--------------------\n1+1\n2\n\n"));
    } else {
        QVERIFY(!QFile::exists(log));
    }
    QVERIFY(warnings.isEmpty());
}

void DocumentsTest::refusedWhileSolving_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("new") << "actionNew_Document";
    QTest::newRow("open") << "actionOpen_Document";
    QTest::newRow("insert") << "actionInsert_Document_At_Cursor";
    QTest::newRow("clear pad") << "actionClear_Pad";
    QTest::newRow("drop") << "drop";
}

void DocumentsTest::refusedWhileSolving()
{
    QFETCH(QString, command);
    writeBytes(path("a.txt"), "file a");
    pad->type(QStringLiteral("keep"));
    nextPath = path("a.txt");
    nextChoice = MainWindow::DropChoice::Open;
    MainWindowTestAccess::solveRunning(*window) = true;
    if (command == QLatin1String("drop")) {
        bool enterAccepted = false;
        bool dropAccepted = false;
        sendDrop({QUrl::fromLocalFile(path("a.txt"))}, enterAccepted, dropAccepted);
        QVERIFY(!dropAccepted);
        QVERIFY(questions.isEmpty());
    } else {
        action(command.toLatin1().constData())->trigger();
    }
    MainWindowTestAccess::solveRunning(*window) = false;
    QCOMPARE(pad->status(), QStringLiteral("Please finish the current calculation first"));
    QCOMPARE(pad->text(), QStringLiteral("keep"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Sumvelle"));
}

SUMVELLE_TEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
