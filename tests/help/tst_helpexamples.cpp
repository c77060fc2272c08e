// Every example the help shows must be true in this program: each topic's
// examples are typed into a fresh pad, in order, as a reader would try them.

#include "help/HelpPages.h"
#include "help/HelpWindow.h"
#include "helplookup.h"
#include "pad/mainwindow.h"
#include "support/mainwindowtestaccess.h"
#include "support/testsupport.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {

const QString Arrow = QStringLiteral(" -> ");

// The lines of a function topic's Examples section; every one is a call,
// most with " -> " and the reply.
QStringList StandardFunctionExamples(const HelpEntry& entry)
{
    const QString start = QStringLiteral("\n\nExamples:\n");
    const qsizetype from = entry.text.indexOf(start) + start.size();
    const qsizetype to = entry.text.indexOf(QStringLiteral("\n\nPurpose:\n"), from);
    QStringList lines;
    const QStringList section = entry.text.mid(from, to - from).split(QLatin1Char('\n'));
    for (const QString& line : section) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines;
}

// In a general topic only the example lines with a reply are calculations:
// indented by two blanks and holding " -> ", or, when too wide for that,
// followed by a line that holds only the deeper indented "-> " and reply.
QStringList GeneralExamples(const HelpEntry& entry)
{
    QStringList lines;
    const QStringList body = entry.text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QString& line = body.at(i);
        if (!line.startsWith(QStringLiteral("  ")) || line.size() <= 2 || line.at(2).isSpace())
            continue;
        if (line.contains(Arrow)) {
            lines.append(line.trimmed());
            continue;
        }
        const QString next = body.value(i + 1);
        if (next.startsWith(QStringLiteral("   ")) && next.trimmed().startsWith(QStringLiteral("-> ")))
            lines.append(line.trimmed() + QLatin1Char(' ') + next.trimmed());
    }
    return lines;
}

// The reply a submitted line produced: whatever the pad gained after the
// typed line. An operator typed first on a line continues the answer above,
// taking back the line break before it.
bool ReplyAfter(const QString& before, const QString& after, QString& reply)
{
    QString added;
    if (after.startsWith(before))
        added = after.mid(before.size());
    else if (before.endsWith(QLatin1Char('\n')) && after.startsWith(before.chopped(1)))
        added = after.mid(before.size() - 1);
    else
        return false;
    const qsizetype lineEnd = added.indexOf(QLatin1Char('\n'));
    reply = lineEnd < 0 ? QString() : added.mid(lineEnd + 1).trimmed();
    return true;
}

// The names of the HELP commands of a topic's closing "See also:" part.
QStringList SeeAlsoNames(const HelpEntry& entry, QStringList& malformed)
{
    QStringList names;
    const qsizetype at = entry.text.lastIndexOf(QStringLiteral("See also:"));
    if (at < 0)
        return names;
    QString tail = entry.text.mid(at + QStringLiteral("See also:").size());
    tail.replace(QLatin1Char('\n'), QLatin1Char(','));
    tail.replace(QLatin1Char(';'), QLatin1Char(','));
    tail.replace(QStringLiteral(" and "), QStringLiteral(","));
    tail.replace(QStringLiteral(" or "), QStringLiteral(","));
    const QStringList pieces = tail.split(QLatin1Char(','));
    for (QString piece : pieces) {
        piece = piece.trimmed();
        while (piece.endsWith(QLatin1Char('.')))
            piece.chop(1);
        if (piece.isEmpty())
            continue;
        if (piece.compare(QStringLiteral("HELP"), Qt::CaseInsensitive) == 0) {
            names.append(QString());
        } else if (piece.startsWith(QStringLiteral("HELP "), Qt::CaseInsensitive)) {
            names.append(piece.mid(5).trimmed());
        } else {
            malformed.append(piece);
        }
    }
    return names;
}

// What "HELP name" opens: true for the index, the help on HELP, the manual,
// a category page or a topic; false when it would fall back to a search.
bool OpensAPage(const QList<HelpEntry>& entries, const QString& name)
{
    const QString key = NormalizeHelpKey(name);
    if (key.isEmpty() || key == QStringLiteral("ALL"))
        return true;
    const QString firstWord = NormalizeHelpKey(name.simplified().section(QLatin1Char(' '), 0, 0));
    static const QStringList searchSwitches{"S", "SEARCH", "DESC", "DESCRIPTION"};
    if (searchSwitches.contains(firstWord))
        return false;
    QString page;
    if (BuildHelpSubmenu(name, entries, page))
        return true;
    return HelpLookup::FindTopic(entries, name) >= 0;
}

// The room for a line in the help window's text view at the window's first
// size, with the scroll bar that long pages bring, in the view's own font.
struct DefaultPane
{
    int width = 0;
    QFont font;
};

const DefaultPane& DefaultHelpPane()
{
    static const DefaultPane pane = [] {
        DefaultPane measured;
        const std::unique_ptr<MainWindow> window = TestSupport::createWindow();
        HelpWindow* help = MainWindowTestAccess::ensureHelpWindow(*window);
        help->ShowHelp(QStringLiteral("SPECIAL:ALL"), QString());
        // A window never shown has no width to measure: every row fails.
        if (QTest::qWaitForWindowExposed(help))
            measured.width = MainWindowTestAccess::availableTextWidth(*help);
        measured.font = help->findChild<QPlainTextEdit*>(QStringLiteral("helpText"))->font();
        return measured;
    }();
    return pane;
}

// The lines of a topic page that must never wrap: example and table rows,
// which are indented, and the lines of a function topic's Examples section.
QStringList RowsOf(const HelpEntry& entry)
{
    QStringList rows;
    const QStringList lines = FormatHelpTopic(entry).split(QLatin1Char('\n'));
    bool inExamples = false;
    for (const QString& line : lines) {
        if (line.isEmpty() || !line.at(0).isSpace()) {
            inExamples = line == QLatin1String("Examples:") || (inExamples && !line.isEmpty()
                                                                && !line.endsWith(QLatin1Char(':')));
            if (line == QLatin1String("Examples:"))
                continue;
        }
        if ((!line.isEmpty() && line.at(0).isSpace()) || (inExamples && !line.isEmpty()))
            rows.append(line);
    }
    return rows;
}

} // namespace

class HelpExamplesTest : public QObject
{
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    void seeAlsoOpensAPage();
    void pageLinksOpenAPage_data();
    void pageLinksOpenAPage();
    void searchExampleFindsTopics();
    void articlesUseAFixedPitchFont();
    void rowsFitTheDefaultWidth_data();
    void rowsFitTheDefaultWidth();
};

void HelpExamplesTest::examples_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("standardFunction");

    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const HelpEntry& entry = entries.at(i);
        const bool standardFunction = HelpLookup::IsStandardFunctionEntry(entry);
        const QStringList lines = standardFunction ? StandardFunctionExamples(entry) : GeneralExamples(entry);
        if (lines.isEmpty())
            continue;
        QTest::addRow("%d %s", int(i + 1), qPrintable(entry.title)) << lines << standardFunction;
    }
}

void HelpExamplesTest::examples()
{
    if (!QTest::currentDataTag())
        QSKIP("The catalogue holds no examples");
    QFETCH(QStringList, lines);
    QFETCH(bool, standardFunction);

    const std::unique_ptr<MainWindow> window = TestSupport::createWindow();
    const TestSupport::Pad pad(window.get());

    // Every wrong example of the topic is reported at once.
    QStringList wrong;
    for (const QString& line : std::as_const(lines)) {
        const qsizetype arrow = line.indexOf(Arrow);
        const QString input = arrow < 0 ? line : line.left(arrow).trimmed();
        const QString expected = arrow < 0 ? QString() : line.mid(arrow + Arrow.size()).trimmed();

        const QString before = pad.text();
        pad.submit(input);
        QString reply;
        if (!ReplyAfter(before, pad.text(), reply)) {
            wrong.append(QStringLiteral("%1: the pad was rewritten to \"%2\"").arg(line, pad.text()));
            continue;
        }
        if (arrow >= 0 && reply != expected)
            wrong.append(QStringLiteral("%1: the pad answered \"%2\"").arg(line, reply));
        else if (arrow < 0 && standardFunction && reply == QStringLiteral("-Cannot Solve-"))
            wrong.append(QStringLiteral("%1: the pad answered \"%2\"").arg(line, reply));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QLatin1Char('\n') + wrong.join(QLatin1Char('\n'))));
}

void HelpExamplesTest::seeAlsoOpensAPage()
{
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    QStringList wrong;
    for (const HelpEntry& entry : entries) {
        QStringList malformed;
        const QStringList names = SeeAlsoNames(entry, malformed);
        for (const QString& piece : std::as_const(malformed))
            wrong.append(QStringLiteral("%1: \"%2\" is no HELP command").arg(entry.title, piece));
        for (const QString& name : names) {
            if (!OpensAPage(entries, name))
                wrong.append(QStringLiteral("%1: HELP %2 opens only a search").arg(entry.title, name));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QLatin1Char('\n') + wrong.join(QLatin1Char('\n'))));
}

// Every HELP command a page names, as a menu entry or in its sentences,
// opens a page or topic rather than a search.
void HelpExamplesTest::pageLinksOpenAPage_data()
{
    QTest::addColumn<QString>("page");
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    QTest::newRow("index") << BuildHelpIndex();
    QTest::newRow("Using HELP") << BuildHelpAboutHelp();
    QStringList pageNames{QStringLiteral("PAD")};
    for (const HelpEntry& entry : entries) {
        if (!pageNames.contains(entry.category))
            pageNames.append(entry.category);
    }
    for (const QString& name : std::as_const(pageNames)) {
        QString page;
        if (BuildHelpSubmenu(name, entries, page))
            QTest::addRow("%s", qPrintable(name)) << page;
    }
}

void HelpExamplesTest::pageLinksOpenAPage()
{
    QFETCH(QString, page);
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    // Upper-case names only: "HELP topic" and "HELP /S words" show forms.
    static const QRegularExpression link(QStringLiteral("\\bHELP ([A-Z0-9&]+(?: [A-Z0-9&]+)*)"));
    QStringList wrong;
    for (auto it = link.globalMatch(page); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (!OpensAPage(entries, name))
            wrong.append(QStringLiteral("HELP %1 opens only a search").arg(name));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QLatin1Char('\n') + wrong.join(QLatin1Char('\n'))));
}

// The example that HELP /S alone offers finds something to read.
void HelpExamplesTest::searchExampleFindsTopics()
{
    const std::unique_ptr<MainWindow> window = TestSupport::createWindow();
    QString text;
    QVERIFY(window->HandleHelpCommand(QStringLiteral("HELP /S"), text));
    const QString example = text.section(QLatin1Char('\n'), -1).trimmed();
    QVERIFY(example.startsWith(QStringLiteral("HELP /S ")));
    QVERIFY(window->HandleHelpCommand(example, text));
    QVERIFY2(text.contains(QStringLiteral(" found.")) && !text.startsWith(QStringLiteral("No help")),
             qPrintable(text));
}

void HelpExamplesTest::articlesUseAFixedPitchFont()
{
    QVERIFY(QFontInfo(DefaultHelpPane().font).fixedPitch());
}

void HelpExamplesTest::rowsFitTheDefaultWidth_data()
{
    QTest::addColumn<QStringList>("rows");
    const QList<HelpEntry> entries = HelpLookup::Catalogue();
    for (qsizetype i = 0; i < entries.size(); ++i)
        QTest::addRow("%d %s", int(i + 1), qPrintable(entries.at(i).title)) << RowsOf(entries.at(i));
}

// An example or table row that wraps breaks its columns apart.
void HelpExamplesTest::rowsFitTheDefaultWidth()
{
    QFETCH(QStringList, rows);
    const DefaultPane& pane = DefaultHelpPane();
    const QFontMetrics metrics(pane.font);
    QStringList wide;
    for (const QString& row : std::as_const(rows)) {
        if (metrics.horizontalAdvance(row) > pane.width)
            wide.append(row);
    }
    QVERIFY2(wide.isEmpty(), qPrintable(QLatin1Char('\n') + wide.join(QLatin1Char('\n'))));
}

SUMVELLE_TEST_MAIN(HelpExamplesTest)
#include "tst_helpexamples.moc"
