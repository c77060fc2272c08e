#include "pad/StatusLabel.h"

#include <QPainter>
#include <QRawFont>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>

#include <algorithm>
#include <bitset>

namespace {

// Shorter texts cost little in QLabel and are left to it.
constexpr qsizetype LongText = 4096;
// The first start tried; it doubles until it runs past the label.
constexpr qsizetype FirstTry = 1024;
// Characters kept past the label's edge: shaping can join a character with
// its neighbours, so the cut must lie well out of sight.
constexpr qsizetype Slack = 64;

// Whether a character would make a start of the text show differently from
// the whole: one that ends a line (the lines are centred as a block) or has
// a right-to-left or embedding direction (a run reversed across the cut
// would show its other end).
bool ChangesTheStart(char32_t character)
{
    if (character < 0x20)
        return character != u'\t';
    if (character == 0x85 || character == QChar::LineSeparator || character == QChar::ParagraphSeparator)
        return true;
    switch (QChar::direction(character)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirRLI:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirLRI:
    case QChar::DirFSI:
    case QChar::DirPDF:
    case QChar::DirPDI:
        return true;
    default:
        return false;
    }
}

} // namespace

StatusLabel::StatusLabel(QWidget* parent) : QLabel(parent) {}

// The shown part is cut where only printable ASCII follows, each character
// either one that the part already holds or one of the font that draws it:
// the rest then adds no font, no direction and no line, so the row's height
// and the drawn start are those of the whole text.
qsizetype StatusLabel::ShownLength() const
{
    const QString whole = text();
    if (whole.size() <= LongText || wordWrap() || buddy() || textFormat() == Qt::RichText
        || textFormat() == Qt::MarkdownText
        || (textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard))
        || !(TextAlignment() & Qt::AlignLeft) || style()->inherits("QStyleSheetStyle"))
        return -1;

    int reach = contentsRect().width();
    if (const QScreen* shownOn = screen())
        reach = std::max(reach, shownOn->virtualSize().width());
    if (whole.constData() == measuredText.constData() && whole.size() == measuredText.size() && reach == measuredReach
        && font() == measuredFont && logicalDpiX() == measuredDpi && textFormat() == measuredFormat)
        return measuredLength;
    measuredText = whole;
    measuredReach = reach;
    measuredFont = font();
    measuredDpi = logicalDpiX();
    measuredFormat = textFormat();
    measuredLength = -1;

    if (textFormat() == Qt::AutoText && Qt::mightBeRichText(whole))
        return -1;

    const QFontMetrics metrics = fontMetrics();
    std::bitset<128> held;
    qsizetype scanned = 0;
    qsizetype length = FirstTry;
    for (;; length *= 2) {
        if (length + Slack >= whole.size())
            return -1;
        while (scanned < length) {
            const char16_t unit = whole.at(scanned).unicode();
            char32_t character = unit;
            if (QChar::isHighSurrogate(unit) && QChar::isLowSurrogate(whole.at(scanned + 1).unicode())) {
                character = QChar::surrogateToUcs4(unit, whole.at(scanned + 1).unicode());
                ++scanned;
            }
            ++scanned;
            if (ChangesTheStart(character))
                return -1;
            if (character < 128)
                held.set(character);
        }
        if (metrics.horizontalAdvance(whole.left(length - Slack)) > reach)
            break;
    }
    std::bitset<128> added;
    for (qsizetype i = length; i < whole.size(); ++i) {
        const char16_t unit = whole.at(i).unicode();
        if (unit >= 128 || (unit < 0x20 && unit != u'\t'))
            return -1;
        added.set(unit);
    }
    added &= ~held;
    if (added.any()) {
        // New characters must come from the font that draws some of the
        // shown ones: a fallback font could make the row taller.
        const QRawFont primary = QRawFont::fromFont(font());
        bool primaryShown = false;
        for (char16_t unit = 0x21; unit < 128 && !primaryShown; ++unit)
            primaryShown = held.test(unit) && primary.supportsCharacter(QChar(unit));
        if (!primaryShown)
            return -1;
        for (char16_t unit = 0; unit < 128; ++unit) {
            if (added.test(unit) && (unit < 0x20 || !primary.supportsCharacter(QChar(unit))))
                return -1;
        }
    }
    measuredLength = length;
    return length;
}

int StatusLabel::TextAlignment() const
{
    // As QLabel reads its alignment for a left-to-right text; it always
    // expands tabs.
    return int(QStyle::visualAlignment(Qt::LeftToRight, alignment())) | Qt::TextExpandTabs;
}

// QLabel's size for a plain text that is not wrapped, from the shown part.
QSize StatusLabel::SizeFor(const QString& shown) const
{
    const QFontMetrics metrics = fontMetrics();
    const int align = TextAlignment();
    int across = 2 * margin();
    int down = across;
    int indentation = indent();
    if (indentation < 0 && frameWidth() != 0)
        indentation = metrics.horizontalAdvance(QLatin1Char('x')) - margin() * 2;
    if (indentation > 0) {
        if (align & (Qt::AlignLeft | Qt::AlignRight))
            across += indentation;
        if (align & (Qt::AlignTop | Qt::AlignBottom))
            down += indentation;
    }
    // Not wrapped, the text's bounds do not depend on the width offered;
    // it is QLabel's all the same.
    const QMargins contents = contentsMargins();
    const int width = (minimumWidth() > 0 ? minimumWidth() : 2000) - across - contents.left() - contents.right();
    const QRect bounds = metrics.boundingRect(0, 0, width, 2000, align & ~(Qt::AlignVCenter | Qt::AlignHCenter), shown);
    const QSize size(bounds.width() + across + contents.left() + contents.right(),
                     bounds.height() + down + contents.top() + contents.bottom());
    return size.expandedTo(minimumSize());
}

QSize StatusLabel::sizeHint() const
{
    ensurePolished();
    const qsizetype length = ShownLength();
    return length < 0 ? QLabel::sizeHint() : SizeFor(text().left(length));
}

QSize StatusLabel::minimumSizeHint() const
{
    ensurePolished();
    const qsizetype length = ShownLength();
    return length < 0 ? QLabel::minimumSizeHint() : SizeFor(text().left(length));
}

// QLabel's drawing of a plain text, given the shown part.
void StatusLabel::paintEvent(QPaintEvent* event)
{
    const qsizetype length = ShownLength();
    if (length < 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const int align = TextAlignment();
    QRect area = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    int indentation = indent();
    if (indentation < 0 && frameWidth() != 0)
        indentation = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (indentation > 0) {
        area.setLeft(area.left() + indentation);
        if (align & Qt::AlignTop)
            area.setTop(area.top() + indentation);
        if (align & Qt::AlignBottom)
            area.setBottom(area.bottom() - indentation);
    }
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, area, align | Qt::TextForceLeftToRight, option.palette, isEnabled(),
                          text().left(length), foregroundRole());
}
