#include "pad/PadDocumentLayout.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>

namespace {
// Shorter lines cost little either way and keep Qt's wrapping untouched.
constexpr int LongLine = 2000;
} // namespace

PadDocumentLayout::PadDocumentLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

bool PadDocumentLayout::BreaksAnywhere(const QString& text)
{
    if (text.size() < LongLine)
        return false;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    const qsizetype next = breaks.toNextBoundary();
    return next < 0 || next >= text.size();
}

// The option is the document's for every line; it is switched for the one
// layout, and the document's call to lay everything out again that each
// switch makes is passed over, since the text did not change.
//
// The layout of such a line also keeps its shaped text, and its direction is
// fixed to the one that an automatic direction finds: placing the cursor and
// drawing the line within the same keystroke would otherwise shape the whole
// line again and scan all of it for a character that sets a direction.
template <typename Work>
void PadDocumentLayout::BreakingAnywhere(const QTextBlock& block, Work work) const
{
    auto* self = const_cast<PadDocumentLayout*>(this);
    QTextDocument* textDocument = document();
    const QTextOption own = textDocument->defaultTextOption();
    QTextOption anywhere = own;
    anywhere.setWrapMode(QTextOption::WrapAnywhere);
    if (anywhere.textDirection() == Qt::LayoutDirectionAuto)
        anywhere.setTextDirection(block.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    block.layout()->setCacheEnabled(true);
    self->switchingOption = true;
    textDocument->setDefaultTextOption(anywhere);
    self->switchingOption = false;
    work();
    self->switchingOption = true;
    textDocument->setDefaultTextOption(own);
    self->switchingOption = false;
}

QRectF PadDocumentLayout::blockBoundingRect(const QTextBlock& block) const
{
    QRectF rectangle;
    if (block.isValid() && block.layout()->lineCount() == 0 && BreaksAnywhere(block.text()))
        BreakingAnywhere(block, [&] { rectangle = QPlainTextDocumentLayout::blockBoundingRect(block); });
    else
        rectangle = QPlainTextDocumentLayout::blockBoundingRect(block);
    return rectangle;
}

void PadDocumentLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    if (switchingOption)
        return;
    const QTextBlock changed = document()->findBlock(from);
    if (changed.isValid() && BreaksAnywhere(changed.text())) {
        BreakingAnywhere(changed, [&] { QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded); });
    } else {
        // A line that now breaks as Qt does keeps no more than Qt keeps.
        if (changed.isValid())
            changed.layout()->setCacheEnabled(false);
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    }

    // A change of several lines leaves them to be laid out when shown, by a
    // path that passes this layout by; the long ones are laid out here.
    const QTextBlock last = document()->findBlock(from + charsAdded);
    for (QTextBlock block = changed; block.isValid(); block = block.next()) {
        if (block.layout()->lineCount() == 0 && BreaksAnywhere(block.text()))
            blockBoundingRect(block);
        if (block == last)
            break;
    }
}
