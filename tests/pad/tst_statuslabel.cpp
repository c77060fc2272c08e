#include "pad/StatusLabel.h"
#include "support/testsupport.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>

// The status line sizes and draws a long single-line text from its start
// only; beside a plain QLabel set up as the form sets up the status line, it
// must show the same pixels and ask for the same height, for every text.
class StatusLabelTest : public QObject
{
    Q_OBJECT

private slots:
    void showsAsQLabel_data();
    void showsAsQLabel();
};

namespace {

// The status line's settings in the form, with a margin and an alignment
// of its own.
void SetUpAsStatusLine(QLabel& label, int pointSize, int width, int margin, Qt::Alignment alignment)
{
    label.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label.setFrameShape(QFrame::WinPanel);
    label.setFrameShadow(QFrame::Sunken);
    label.setLineWidth(1);
    label.setMidLineWidth(0);
    label.setMargin(margin);
    label.setAlignment(alignment);
    QFont font = label.font();
    font.setPointSize(pointSize);
    label.setFont(font);
    label.resize(width, 30);
}

} // namespace

void StatusLabelTest::showsAsQLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("margin");
    QTest::addColumn<Qt::Alignment>("alignment");
    // Whether the text is drawn from its start only.
    QTest::addColumn<bool>("cut");

    const Qt::Alignment standard = Qt::AlignLeft | Qt::AlignVCenter;
    const QString unbroken = TestSupport::repeatedText(QStringLiteral("12*3+4/5-"), 200000);
    const QString preview = unbroken + QStringLiteral("1 = -1234.5678");
    const QString words = TestSupport::repeatedText(QStringLiteral("5 km to m + 12 ft to in + "), 10000) + QStringLiteral("1 = 7");

    QTest::newRow("empty") << QString() << 9 << 400 << 0 << standard << false;
    QTest::newRow("short") << QStringLiteral("12*3 = 36") << 9 << 400 << 0 << standard << false;
    QTest::newRow("short, narrow label") << QStringLiteral("12*3+4/5-6*7+8/9 = 42.3") << 9 << 60 << 0 << standard << false;
    QTest::newRow("long preview") << preview << 9 << 800 << 0 << standard << true;
    QTest::newRow("long preview, narrow label") << preview << 9 << 237 << 0 << standard << true;
    QTest::newRow("long preview, large type") << preview << 20 << 800 << 0 << standard << true;
    QTest::newRow("long preview, margin") << preview << 9 << 800 << 3 << standard << true;
    QTest::newRow("long preview, at the top") << preview << 9 << 800 << 0 << (Qt::AlignLeft | Qt::AlignTop) << true;
    QTest::newRow("long preview, at the bottom")
        << preview << 9 << 800 << 2 << (Qt::AlignLeft | Qt::AlignBottom) << true;
    QTest::newRow("long preview, centred") << preview << 9 << 800 << 0 << Qt::Alignment(Qt::AlignCenter) << false;
    QTest::newRow("long words") << words << 9 << 800 << 0 << standard << true;
    QTest::newRow("long, tabs") << TestSupport::repeatedText(QStringLiteral("1\t2+"), 8000) + QStringLiteral(" = 3") << 9 << 800 << 0 << standard << true;
    QTest::newRow("long, non-ASCII start")
        << TestSupport::repeatedText(QStringLiteral("\u03c0\u00d72\u2212\u00e9"), 50) + preview << 9 << 800 << 0 << standard << true;
    QTest::newRow("long, non-ASCII throughout") << TestSupport::repeatedText(QStringLiteral("\u03c0\u00d72\u2212\u00e9"), 8000) << 9
                                                << 800 << 0 << standard << false;
    QTest::newRow("long, non-ASCII at the end") << unbroken + QStringLiteral("\u00e9") << 9 << 800 << 0 << standard << false;
    QTest::newRow("long, wide script at the end") << unbroken + QStringLiteral("\u6f22") << 9 << 800 << 0 << standard << false;
    QTest::newRow("long, right to left") << TestSupport::repeatedText(QStringLiteral("\u05d0\u05d1 12 "), 8000) << 9 << 800 << 0 << standard << false;
    QTest::newRow("long, right to left late")
        << TestSupport::repeatedText(QStringLiteral("1+"), 1200) + TestSupport::repeatedText(QStringLiteral("\u05d0\u05d1 12 "), 8000) << 9 << 800
        << 0 << standard << false;
    QTest::newRow("long, line break first") << QStringLiteral("1+2\n") + unbroken << 9 << 800 << 0 << standard << false;
    QTest::newRow("long, line break last") << unbroken + QStringLiteral("\n3") << 9 << 800 << 0 << standard << false;
    QTest::newRow("long, rich-looking") << QStringLiteral("<b>") + unbroken + QStringLiteral("</b>") << 9 << 800
                                        << 0 << standard << false;
    QTest::newRow("long, with angle brackets") << TestSupport::repeatedText(QStringLiteral("1 < 2 + "), 8000) << 9 << 800 << 0 << standard << true;

    // A label as wide as the whole text: nothing is left out of sight.
    const QString fits = TestSupport::repeatedText(QStringLiteral("12*3+"), 5000);
    QFont font;
    font.setPointSize(9);
    const int fitting = QFontMetrics(font).horizontalAdvance(fits) + 2 + QFontMetrics(font).horizontalAdvance(u'x');
    QTest::newRow("long, exactly fitting") << fits << 9 << fitting << 0 << standard << false;
}

void StatusLabelTest::showsAsQLabel()
{
    QFETCH(QString, text);
    QFETCH(int, pointSize);
    QFETCH(int, width);
    QFETCH(int, margin);
    QFETCH(Qt::Alignment, alignment);
    QFETCH(bool, cut);

    QLabel plain;
    StatusLabel status;
    SetUpAsStatusLine(plain, pointSize, width, margin, alignment);
    SetUpAsStatusLine(status, pointSize, width, margin, alignment);
    plain.setText(text);
    status.setText(text);

    QCOMPARE(status.text(), text);
    QCOMPARE(status.textFormat(), plain.textFormat());
    QCOMPARE(status.ShownLength() >= 0, cut);
    QCOMPARE(status.sizeHint().height(), plain.sizeHint().height());
    QCOMPARE(status.minimumSizeHint().height(), plain.minimumSizeHint().height());
    if (!cut) {
        QCOMPARE(status.sizeHint(), plain.sizeHint());
        QCOMPARE(status.minimumSizeHint(), plain.minimumSizeHint());
    }

    // At the height the status line gets in the window's layout.
    plain.resize(width, plain.sizeHint().height());
    status.resize(width, plain.sizeHint().height());
    const QImage expected = plain.grab().toImage();
    const QImage shown = status.grab().toImage();
    QCOMPARE(shown.size(), expected.size());
    QVERIFY(shown == expected);

    // Disabled, the text is drawn in another colour, by the same path.
    plain.setEnabled(false);
    status.setEnabled(false);
    QVERIFY(status.grab().toImage() == plain.grab().toImage());
}

SUMVELLE_TEST_MAIN(StatusLabelTest)
#include "tst_statuslabel.moc"
