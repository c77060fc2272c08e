#pragma once

#include <QLabel>

// The status line. The live preview can put a whole long line of the pad in
// it, and QLabel lays out all of such a text to size the label and again to
// draw it, though a window shows only its start. A long single-line plain
// text is sized and drawn here from a start long enough to run past any
// width the label can have, which gives the same pixels and the same height;
// every other text is QLabel's own. text() is the whole text either way.
//
// No Q_OBJECT: the label adds no signal, slot or property, and the form
// keeps it as the QLabel it is.
class StatusLabel : public QLabel
{
public:
    explicit StatusLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // How many characters from the start of text() are sized and drawn, or
    // -1 where the whole text is, through QLabel.
    qsizetype ShownLength() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize SizeFor(const QString& shown) const;
    int TextAlignment() const;

    // The last text whose shown length was worked out, with what the length
    // depends on: one text is sized and drawn several times.
    mutable QString measuredText;
    mutable int measuredReach = -1;
    mutable QFont measuredFont;
    mutable int measuredDpi = 0;
    mutable Qt::TextFormat measuredFormat = Qt::AutoText;
    mutable qsizetype measuredLength = -1;
};
