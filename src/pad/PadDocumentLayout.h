#pragma once

#include <QPlainTextDocumentLayout>
#include <QTextBlock>

// The pad's line layout. Qt wraps a line at a break opportunity, or anywhere
// where it finds none; on a line that has none at all it searches the rest
// of the line again for every row, so a keystroke on a long line of digits
// and operators cost the square of its length. Such a line gets the same
// rows by breaking anywhere from the start, at a cost in proportion to its
// length; every other line keeps Qt's own wrapping.
class PadDocumentLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT

public:
    explicit PadDocumentLayout(QTextDocument* document);

    // Whether a line of this text is laid out breaking anywhere: it is long
    // enough for the search to matter and has no break opportunity.
    static bool BreaksAnywhere(const QString& text);

    QRectF blockBoundingRect(const QTextBlock& block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    template <typename Work>
    void BreakingAnywhere(const QTextBlock& block, Work work) const;

    bool switchingOption = false;
};
