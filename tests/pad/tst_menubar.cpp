#include "support/testsupport.h"

#include "pad/MainWindowForm.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>

// The menu tree is held against menutree.tsv, the one place where the tests
// spell it out. The form is built on a bare window, so that what the program
// changes after the form is set up (settings, menu wiring) does not blur the
// form's own defaults.

namespace {

struct MenuEntry
{
    QString parent;
    QString kind;
    QString name;
    QString text;
    QStringList flags;
    QString shortcut;
};

const QStringList knownFlags = {"checkable", "checked", "disabled", "invisible"};

// Answers no lookup (so the form keeps its English texts) but records every
// context and source text it is asked for.
class RecordingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        requests.insert(QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(sourceText));
        return QString();
    }

    bool wasAsked(const QString& context, const QString& sourceText) const
    {
        return requests.contains(context + QLatin1Char('|') + sourceText);
    }

private:
    mutable QSet<QString> requests;
};

} // namespace

class MenuBarTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void menuEntries_data();
    void menuEntries();

    void actionsInNoMenu_data();
    void actionsInNoMenu();

    void formHoldsExactlyTheListedObjects();
    void textsGoThroughTheMainWindowContext();

private:
    QList<MenuEntry> entriesOf(const QString& parent) const;
    void compareAction(QAction* action, const MenuEntry& entry) const;

    QList<MenuEntry> tree;
    QMainWindow window;
    MainWindowForm form;
};

void MenuBarTest::initTestCase()
{
    const QString path = QFINDTESTDATA("menutree.tsv");
    QVERIFY2(!path.isEmpty(), "menutree.tsv not found");
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.errorString()));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList columns = line.split(QLatin1Char('\t'));
        while (columns.size() < 6)
            columns.append(QString());
        MenuEntry entry{columns[0], columns[1], columns[2], columns[3],
                        columns[4].split(QLatin1Char(','), Qt::SkipEmptyParts), columns[5]};
        const QString where = QStringLiteral("menutree.tsv line %1").arg(lineNumber);
        QVERIFY2(entry.kind == "menu" || entry.kind == "action" || entry.kind == "separator",
                 qPrintable(where + ": unknown kind " + entry.kind));
        QVERIFY2(entry.kind == "separator" || !entry.name.isEmpty(), qPrintable(where + ": no name"));
        for (const QString& flag : entry.flags)
            QVERIFY2(knownFlags.contains(flag), qPrintable(where + ": unknown flag " + flag));
        tree.append(entry);
    }
    QVERIFY(!tree.isEmpty());

    form.setupUi(&window);
}

QList<MenuEntry> MenuBarTest::entriesOf(const QString& parent) const
{
    QList<MenuEntry> entries;
    for (const MenuEntry& entry : tree) {
        if (entry.parent == parent)
            entries.append(entry);
    }
    return entries;
}

void MenuBarTest::compareAction(QAction* action, const MenuEntry& entry) const
{
    QCOMPARE(action->text(), entry.text);
    QCOMPARE(action->isCheckable(), entry.flags.contains("checkable"));
    QCOMPARE(action->isChecked(), entry.flags.contains("checked"));
    // A hidden action reports itself disabled as well.
    QCOMPARE(action->isEnabled(), !entry.flags.contains("disabled") && !entry.flags.contains("invisible"));
    QCOMPARE(action->isVisible(), !entry.flags.contains("invisible"));
    QCOMPARE(action->shortcut(), QKeySequence(entry.shortcut, QKeySequence::PortableText));
    QVERIFY(action->statusTip().isEmpty());
    QVERIFY(action->icon().isNull());
}

void MenuBarTest::menuEntries_data()
{
    QTest::addColumn<QString>("container");
    QTest::newRow("menubar") << QStringLiteral("menubar");
    for (const MenuEntry& entry : std::as_const(tree)) {
        if (entry.kind == "menu")
            QTest::newRow(qPrintable(entry.name)) << entry.name;
    }
}

// Each menu's entries, in order: actions by object name with their texts,
// flags and shortcuts, separators, and submenus with their titles.
void MenuBarTest::menuEntries()
{
    QFETCH(QString, container);
    QWidget* widget = window.findChild<QWidget*>(container);
    QVERIFY2(widget, qPrintable("no object " + container));
    QVERIFY(qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget));

    const QList<MenuEntry> expected = entriesOf(container);
    const QList<QAction*> actual = widget->actions();
    for (int i = 0; i < std::min(expected.size(), actual.size()); ++i) {
        const MenuEntry& entry = expected[i];
        QAction* action = actual[i];
        const QByteArray where = QStringLiteral("entry %1 of %2 (%3 %4)")
                                     .arg(i).arg(container, entry.kind, entry.name).toUtf8();
        if (entry.kind == "separator") {
            QVERIFY2(action->isSeparator(), where.constData());
        } else if (entry.kind == "menu") {
            QMenu* menu = window.findChild<QMenu*>(entry.name);
            QVERIFY2(menu, where.constData());
            QVERIFY2(action == menu->menuAction(), where.constData());
            QCOMPARE(menu->title(), entry.text);
            QVERIFY2(menu->parent() == widget, where.constData());
        } else {
            QVERIFY2(!action->isSeparator() && !action->menu(), where.constData());
            QCOMPARE(action->objectName(), entry.name);
            // Every action belongs to the window itself, never to a menu.
            QVERIFY2(action->parent() == &window, where.constData());
            compareAction(action, entry);
        }
    }
    QCOMPARE(actual.size(), expected.size());
}

void MenuBarTest::actionsInNoMenu_data()
{
    QTest::addColumn<QString>("name");
    for (const MenuEntry& entry : entriesOf(QStringLiteral("-")))
        QTest::newRow(qPrintable(entry.name)) << entry.name;
}

// Actions that exist with a text but that no menu entry leads to.
void MenuBarTest::actionsInNoMenu()
{
    QFETCH(QString, name);
    QAction* action = window.findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(action);
    const QList<MenuEntry> entries = entriesOf(QStringLiteral("-"));
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const MenuEntry& e) { return e.name == name; });
    QVERIFY(entry != entries.end());
    compareAction(action, *entry);
    // Hidden, but not disabled: code can still trigger it.
    QSignalSpy triggered(action, &QAction::triggered);
    action->trigger();
    QCOMPARE(triggered.count(), 1);
    const QList<QObject*> placements = action->associatedObjects();
    for (QObject* placement : placements) {
        QVERIFY2(!qobject_cast<QMenu*>(placement) && !qobject_cast<QMenuBar*>(placement),
                 qPrintable(name + " stands in " + placement->objectName()));
    }
}

// The form has no action or menu beyond those the table lists, and none of
// them twice.
void MenuBarTest::formHoldsExactlyTheListedObjects()
{
    QStringList listedActions;
    QStringList listedMenus;
    for (const MenuEntry& entry : std::as_const(tree)) {
        if (entry.kind == "action" && !listedActions.contains(entry.name))
            listedActions.append(entry.name);
        else if (entry.kind == "menu")
            listedMenus.append(entry.name);
    }

    QStringList formActions;
    const QList<QAction*> actions = window.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly);
    for (QAction* action : actions)
        formActions.append(action->objectName());
    QStringList formMenus;
    const QList<QMenu*> menus = window.findChildren<QMenu*>();
    for (QMenu* menu : menus)
        formMenus.append(menu->objectName());

    listedActions.sort();
    formActions.sort();
    listedMenus.sort();
    formMenus.sort();
    QCOMPARE(formActions, listedActions);
    QCOMPARE(formMenus, listedMenus);
}

void MenuBarTest::textsGoThroughTheMainWindowContext()
{
    RecordingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QMainWindow translated;
    MainWindowForm translatedForm;
    translatedForm.setupUi(&translated);
    QCoreApplication::removeTranslator(&translator);

    const QString context = QStringLiteral("MainWindow");
    for (const MenuEntry& entry : std::as_const(tree)) {
        if (entry.kind == "separator")
            continue;
        QVERIFY2(translator.wasAsked(context, entry.text), qPrintable(entry.name + ": " + entry.text));
        if (!entry.shortcut.isEmpty())
            QVERIFY2(translator.wasAsked(context, entry.shortcut), qPrintable(entry.name + ": " + entry.shortcut));
    }
    const QStringList formTexts = {"Sumvelle", "A Sumvelle update is available.",
                                   "Dismiss this update notice", QString(QChar(0x00D7))};
    for (const QString& text : formTexts)
        QVERIFY2(translator.wasAsked(context, text), qPrintable(text));
}

SUMVELLE_TEST_MAIN(MenuBarTest)
#include "tst_menubar.moc"
