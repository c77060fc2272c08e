#include "support/testsupport.h"

#include "pad/mainwindow.h"
#include "pad/MainWindowForm.h"

#include <QAction>
#include <QCursor>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QMainWindow>
#include <QMargins>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSizePolicy>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

namespace {

// The form built on a bare window, for what the form itself sets before the
// program's start-up goes on to change it.
struct BareForm
{
    QMainWindow window;
    MainWindowForm ui;

    explicit BareForm(const QString& objectName = QString())
    {
        window.setObjectName(objectName);
        ui.setupUi(&window);
    }
};

QObject* formObject(QMainWindow& window, const QString& name)
{
    if (window.objectName() == name)
        return &window;
    return window.findChild<QObject*>(name);
}

QSizePolicy ignoredWidthPolicy(int horizontalStretch)
{
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHorizontalStretch(horizontalStretch);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(QLabel().sizePolicy().hasHeightForWidth());
    return policy;
}

// Collects the debug lines of QObject::dumpObjectInfo, the one public view of
// who is connected to whom.
QStringList* capturedLines = nullptr;

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (capturedLines)
        capturedLines->append(message);
}

QStringList connectionDump(const QObject* object)
{
    QStringList lines;
    capturedLines = &lines;
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    object->dumpObjectInfo();
    qInstallMessageHandler(previous);
    capturedLines = nullptr;
    return lines;
}

// The receivers that the dump lists under one signal of its object.
QStringList receiversOf(const QStringList& dump, const QString& signalSignature)
{
    QStringList receivers;
    bool inSignal = false;
    for (const QString& line : dump) {
        const QString trimmed = line.trimmed();
        if (trimmed == QLatin1String("SIGNALS IN"))
            break;
        if (trimmed.startsWith(QLatin1String("signal: "))) {
            inSignal = trimmed.mid(8) == signalSignature;
            continue;
        }
        if (inSignal)
            receivers.append(trimmed);
    }
    return receivers;
}

// The senders that the dump lists as connected to its object.
QStringList sendersOf(const QStringList& dump)
{
    QStringList senders;
    bool inSenders = false;
    for (const QString& line : dump) {
        const QString trimmed = line.trimmed();
        if (trimmed == QLatin1String("SIGNALS IN")) {
            inSenders = true;
            continue;
        }
        if (inSenders && trimmed.startsWith(QLatin1String("<-- ")))
            senders.append(trimmed.mid(4));
    }
    return senders;
}

} // namespace

class WindowFormTest : public QObject
{
    Q_OBJECT

private slots:
    void windowName_data();
    void windowName();

    void windowParts();

    void widgetTree_data();
    void widgetTree();

    void formSettings_data();
    void formSettings();

    void onlyTheMenuBarHasAFont();

    void shownFormShowsPadAndStatusLine();
    void updateNoticeStaysLow();

    void iconResource_data();
    void iconResource();

    void programWindowShows();

    void nameMatchedSlots_data();
    void nameMatchedSlots();
    void everyNameMatchedSlotConnected();
};

void WindowFormTest::windowName_data()
{
    QTest::addColumn<QString>("givenName");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("fresh window is named MainWindow") << QString() << QStringLiteral("MainWindow");
    QTest::newRow("existing name is kept") << QStringLiteral("padWindow") << QStringLiteral("padWindow");
}

void WindowFormTest::windowName()
{
    QFETCH(QString, givenName);
    QFETCH(QString, expectedName);
    BareForm form(givenName);
    QCOMPARE(form.window.objectName(), expectedName);
}

void WindowFormTest::windowParts()
{
    BareForm form;
    QCOMPARE(form.window.centralWidget(), form.ui.centralwidget);
    QCOMPARE(form.window.menuBar(), form.ui.menubar);
}

void WindowFormTest::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QString>("layoutName");
    QTest::addColumn<int>("position");

    // An empty layout name means: not placed in a layout (a layout with no
    // place is installed on its parent widget).
    QTest::newRow("central widget") << "centralwidget" << "QWidget" << "MainWindow" << "" << -1;
    QTest::newRow("outer layout") << "verticalLayout_2" << "QVBoxLayout" << "centralwidget" << "" << -1;
    QTest::newRow("inner layout") << "verticalLayout" << "QVBoxLayout" << "verticalLayout_2" << "verticalLayout_2" << 0;
    QTest::newRow("notice above the pad") << "updateNoticeFrame" << "QFrame" << "centralwidget" << "verticalLayout" << 0;
    QTest::newRow("notice layout") << "updateNoticeLayout" << "QHBoxLayout" << "updateNoticeFrame" << "" << -1;
    QTest::newRow("notice label") << "updateNoticeLabel" << "QLabel" << "updateNoticeFrame" << "updateNoticeLayout" << 0;
    QTest::newRow("notice close button") << "updateNoticeCloseButton" << "QToolButton" << "updateNoticeFrame" << "updateNoticeLayout" << 1;
    QTest::newRow("pad") << "Text1" << "QPlainTextEdit" << "centralwidget" << "verticalLayout" << 1;
    QTest::newRow("status line under the pad") << "Label1" << "QLabel" << "centralwidget" << "verticalLayout" << 2;
    QTest::newRow("menu bar") << "menubar" << "QMenuBar" << "MainWindow" << "" << -1;
}

void WindowFormTest::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QString, layoutName);
    QFETCH(int, position);

    BareForm form;
    QObject* object = formObject(form.window, name);
    QVERIFY(object);
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    QObject* parent = formObject(form.window, parentName);
    QVERIFY(parent);
    QCOMPARE(object->parent(), parent);

    if (layoutName.isEmpty()) {
        if (auto* layout = qobject_cast<QLayout*>(object))
            QCOMPARE(qobject_cast<QWidget*>(parent)->layout(), layout);
        return;
    }
    auto* layout = qobject_cast<QBoxLayout*>(formObject(form.window, layoutName));
    QVERIFY(layout);
    QLayoutItem* item = layout->itemAt(position);
    QVERIFY(item);
    QObject* placed = item->widget() ? static_cast<QObject*>(item->widget()) : item->layout();
    QCOMPARE(placed, object);
    QCOMPARE(layout->stretch(position), 0);
    QCOMPARE(item->alignment(), Qt::Alignment());
}

void WindowFormTest::formSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");

    // Enumerations by the toolkit's numbers: frame shape WinPanel 3, shadow
    // Sunken 48, scroll bar always on 2 and always off 1, tab shape Rounded 0,
    // left and vertically centred 129.
    QTest::newRow("window size") << "MainWindow" << QByteArray("size") << QVariant(QSize(237, 207));
    QTest::newRow("window title") << "MainWindow" << QByteArray("windowTitle") << QVariant("Sumvelle");
    QTest::newRow("rounded tabs") << "MainWindow" << QByteArray("tabShape") << QVariant(0);
    QTest::newRow("pad layout without spacing") << "verticalLayout" << QByteArray("spacing") << QVariant(0);
    QTest::newRow("notice at most 26 high") << "updateNoticeFrame" << QByteArray("maximumSize")
                                            << QVariant(QSize(16777215, 26));
    QTest::newRow("notice style")
        << "updateNoticeFrame" << QByteArray("styleSheet")
        << QVariant("QFrame#updateNoticeFrame { background-color: #dbeeff; border: 1px solid #8bbbe6; } "
                    "QLabel { color: #202020; padding-left: 6px; } QLabel:hover { text-decoration: underline; } "
                    "QToolButton { border: none; padding: 2px 7px; font-weight: bold; }");
    QTest::newRow("notice layout without spacing") << "updateNoticeLayout" << QByteArray("spacing") << QVariant(0);
    QTest::newRow("notice layout without margins") << "updateNoticeLayout" << QByteArray("contentsMargins")
                                                   << QVariant::fromValue(QMargins(0, 0, 0, 0));
    QTest::newRow("notice label takes the width") << "updateNoticeLabel" << QByteArray("sizePolicy")
                                                  << QVariant::fromValue(ignoredWidthPolicy(1));
    QTest::newRow("notice label pointing hand") << "updateNoticeLabel" << QByteArray("cursor")
                                                << QVariant::fromValue(QCursor(Qt::PointingHandCursor));
    QTest::newRow("notice label alignment") << "updateNoticeLabel" << QByteArray("alignment") << QVariant(129);
    QTest::newRow("notice label text") << "updateNoticeLabel" << QByteArray("text")
                                       << QVariant("A Sumvelle update is available.");
    QTest::newRow("close button raises") << "updateNoticeCloseButton" << QByteArray("autoRaise") << QVariant(true);
    QTest::newRow("close button text") << "updateNoticeCloseButton" << QByteArray("text")
                                       << QVariant(QString(QChar(0x00D7)));
    QTest::newRow("close button tool tip") << "updateNoticeCloseButton" << QByteArray("toolTip")
                                           << QVariant("Dismiss this update notice");
    QTest::newRow("pad frame") << "Text1" << QByteArray("frameShape") << QVariant(3);
    QTest::newRow("pad vertical scroll bar always on") << "Text1" << QByteArray("verticalScrollBarPolicy") << QVariant(2);
    QTest::newRow("pad never scrolls sideways") << "Text1" << QByteArray("horizontalScrollBarPolicy") << QVariant(1);
    QTest::newRow("pad starts empty") << "Text1" << QByteArray("plainText") << QVariant(QString());
    QTest::newRow("status line width ignored") << "Label1" << QByteArray("sizePolicy") << QVariant::fromValue(ignoredWidthPolicy(0));
    QTest::newRow("status line frame") << "Label1" << QByteArray("frameShape") << QVariant(3);
    QTest::newRow("status line sunken") << "Label1" << QByteArray("frameShadow") << QVariant(48);
    QTest::newRow("status line width 1") << "Label1" << QByteArray("lineWidth") << QVariant(1);
    QTest::newRow("status line mid-line 0") << "Label1" << QByteArray("midLineWidth") << QVariant(0);
    QTest::newRow("status line starts empty") << "Label1" << QByteArray("text") << QVariant(QString());
    QTest::newRow("menu bar geometry") << "menubar" << QByteArray("geometry") << QVariant(QRect(0, 0, 237, 18));
    QTest::newRow("menu bar opens downwards") << "menubar" << QByteArray("defaultUp") << QVariant(false);
}

void WindowFormTest::formSettings()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);

    BareForm form;
    QObject* object = formObject(form.window, name);
    QVERIFY(object);
    QVariant actual = object->property(property.constData());
    QVERIFY2(actual.isValid(), "no such property");
    if (expected.typeId() == QMetaType::Int)
        QCOMPARE(actual.toInt(), expected.toInt());
    else if (expected.typeId() == qMetaTypeId<QCursor>())
        QCOMPARE(actual.value<QCursor>().shape(), expected.value<QCursor>().shape());
    else
        QCOMPARE(actual, expected);
}

// The menu bar's point size 9 is the only font the form sets: the pad uses the
// application's font until a saved one is applied.
void WindowFormTest::onlyTheMenuBarHasAFont()
{
    BareForm form;
    QCOMPARE(form.ui.menubar->font().pointSize(), 9);
    const QList<QWidget*> widgets = form.window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (widget != form.ui.menubar)
            QVERIFY2(!widget->testAttribute(Qt::WA_SetFont), qPrintable(widget->objectName()));
    }
    QCOMPARE(form.ui.Text1->font(), QApplication::font(form.ui.Text1));
}

void WindowFormTest::shownFormShowsPadAndStatusLine()
{
    BareForm form;
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));

    QVERIFY(!form.ui.updateNoticeFrame->isVisible());
    QVERIFY(form.ui.Text1->isVisible());
    QVERIFY(form.ui.Label1->isVisible());
    // The hidden notice takes no room: the pad starts at the top of the central area.
    QCOMPARE(form.ui.Text1->y(), form.ui.verticalLayout_2->contentsMargins().top());
    QVERIFY(form.ui.Text1->geometry().bottom() < form.ui.Label1->geometry().top());
    QVERIFY(form.ui.Label1->text().isEmpty());
    QVERIFY(form.ui.Text1->verticalScrollBar()->isVisible());
    QVERIFY(!form.ui.Text1->horizontalScrollBar()->isVisible());
}

void WindowFormTest::updateNoticeStaysLow()
{
    BareForm form;
    form.window.resize(237, 600);
    form.ui.updateNoticeLabel->setText(QStringLiteral("A longer notice that would like\nto take two lines."));
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    form.ui.updateNoticeFrame->show();
    QTRY_VERIFY(form.ui.updateNoticeFrame->geometry().bottom() < form.ui.Text1->geometry().top());
    QVERIFY(form.ui.updateNoticeFrame->height() <= 26);
}

void WindowFormTest::iconResource_data()
{
    QTest::addColumn<int>("side");
    QTest::newRow("menu size") << 16;
    QTest::newRow("small") << 24;
    QTest::newRow("title bar size") << 32;
    QTest::newRow("large") << 48;
    QTest::newRow("task switcher size") << 64;
    QTest::newRow("largest") << 256;
}

// The icon is compiled in and holds one image per common size, read through
// the ico image format.
void WindowFormTest::iconResource()
{
    QFETCH(int, side);
    const auto window = TestSupport::createWindow();
    QVERIFY(QFile::exists(QStringLiteral(":/Sumvelle.ico")));
    const QIcon icon(QStringLiteral(":/Sumvelle.ico"));
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(side, side)));
    QVERIFY(window->windowIcon().availableSizes().contains(QSize(side, side)));

    QImageReader reader(QStringLiteral(":/Sumvelle.ico"));
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    bool found = false;
    for (int i = 0; i < reader.imageCount() && !found; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        found = image.size() == QSize(side, side);
    }
    QVERIFY(found);
}

void WindowFormTest::programWindowShows()
{
    const auto window = TestSupport::createWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->isVisible());
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("Label1"))->isVisible());
    QVERIFY(window->findChild<QMenuBar*>(QStringLiteral("menubar")));
}

void WindowFormTest::nameMatchedSlots_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("signal");

    QTest::newRow("on_Text1_textChanged") << "on_Text1_textChanged" << "Text1" << "textChanged()";
    QTest::newRow("on_Text1_cursorPositionChanged") << "on_Text1_cursorPositionChanged" << "Text1"
                                                    << "cursorPositionChanged()";
    const QStringList actions = {
        "actionNew_Document", "actionOpen_Document", "actionSave_Document", "actionSave_Document_As",
        "actionInsert_Document_At_Cursor", "actionCopyWithoutFormatting", "actionExit", "actionLarger",
        "actionSmaller", "actionSet_As_Top_Most_TopMost", "actionSet_As_Not_Top_Most_Not_TopMost",
        "actionMoney_0_00", "actionLarge_Numbers_0", "actionClear", "actionClear_Pad", "actionShow_Log",
        "actionLog_Viewer", "actionSave_Settings", "actionFont"};
    for (const QString& action : actions) {
        const QString slot = "on_" + action + "_triggered";
        QTest::newRow(qPrintable(slot)) << slot << action << "triggered(bool)";
    }
}

// Each name-matched slot exists and is reached from its object's signal by
// exactly one connection, the one that the form makes by name.
void WindowFormTest::nameMatchedSlots()
{
    QFETCH(QString, slot);
    QFETCH(QString, object);
    QFETCH(QString, signal);

    const auto window = TestSupport::createWindow();
    const QMetaObject* meta = window->metaObject();
    const int index = meta->indexOfSlot(QString(slot + "()").toLatin1().constData());
    QVERIFY2(index >= 0, "slot not declared");
    QCOMPARE(meta->method(index).access(), QMetaMethod::Private);

    QObject* sender = window->findChild<QObject*>(object);
    QVERIFY(sender);
    QCOMPARE(window->findChildren<QObject*>(object).size(), 1);

    const QString windowSide = QStringLiteral("%1::%2 ").arg(meta->className(), window->objectName());
    const QStringList receivers = receiversOf(connectionDump(sender), signal);
    const QString byName = "--> " + windowSide + slot + "()";
    QCOMPARE(receivers.count(byName), 1);
    // A further connection by function pointer or lambda would show up here.
    QVERIFY2(!receivers.contains(QStringLiteral("<functor or function pointer>")),
             qPrintable(receivers.join(QLatin1Char('\n'))));

    const QStringList senders = sendersOf(connectionDump(window.get()));
    QStringList toSlot;
    for (const QString& line : senders) {
        if (line.endsWith(" " + slot + "()"))
            toSlot.append(line);
    }
    const QString expectedSender = QStringLiteral("%1::%2 %3()").arg(sender->metaObject()->className(), object, slot);
    QCOMPARE(toSlot, QStringList{expectedSender});
}

// The window connects its on_<object>_<signal> slots itself; one it declares
// but never connects would be a menu entry that does nothing.
void WindowFormTest::everyNameMatchedSlotConnected()
{
    const auto window = TestSupport::createWindow();
    const QStringList senders = sendersOf(connectionDump(window.get()));
    const QMetaObject* meta = window->metaObject();
    QStringList declared;
    for (int index = meta->methodOffset(); index < meta->methodCount(); ++index) {
        const QString signature = QString::fromLatin1(meta->method(index).methodSignature());
        if (!signature.startsWith(QLatin1String("on_")))
            continue;
        declared.append(signature);
        qsizetype connections = 0;
        for (const QString& line : senders)
            connections += line.endsWith(QLatin1Char(' ') + signature) ? 1 : 0;
        QVERIFY2(connections == 1, qPrintable(signature + QStringLiteral(": %1 connections").arg(connections)));
    }
    QVERIFY(declared.contains(QStringLiteral("on_actionExit_triggered()")));
}

SUMVELLE_TEST_MAIN(WindowFormTest)
#include "tst_windowform.moc"
