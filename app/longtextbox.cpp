#include "longtextbox.h"

#include "layoutpace.h"
#include "longlines.h"
#include "longtextfill.h"

#include <QFont>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>

namespace {
LongTextFill *fillOf(const QTextEdit *box)
{
    return box->findChild<LongTextFill *>(QString(), Qt::FindDirectChildrenOnly);
}

LongTextFill *fillFor(QTextEdit *box)
{
    LongTextFill *fill = fillOf(box);
    return fill ? fill : new LongTextFill(box);
}

// Whether a block from after `from` up to `to` continues a line.
bool hasAddedBreak(const QTextDocument *document, int from, int to)
{
    for (QTextBlock block = document->findBlock(from).next();
         block.isValid() && block.position() <= to; block = block.next()) {
        if (LongTextFill::continues(block))
            return true;
    }
    return false;
}
} // namespace

namespace LongTextBox {

void prepare(QTextEdit *box)
{
    box->setWordWrapMode(QTextOption::WrapAnywhere);
    QFont font = box->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(font);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    new LayoutPace(box->document());
}

QString text(const QTextEdit *box, QString room)
{
    if (const LongTextFill *fill = fillOf(box))
        return fill->text(std::move(room));
    return LongTextFill::documentText(box->document(), 0, box->document()->characterCount() - 1,
                                      std::move(room));
}

bool isFilling(const QTextEdit *box)
{
    const LongTextFill *fill = fillOf(box);
    return fill && fill->isFilling();
}

void show(QTextEdit *box, QStringList parts)
{
    fillFor(box)->start(LongTextFill::Mode::Replace, QTextCursor(), std::move(parts));
}

QMimeData *selectionMimeData(const QTextEdit *box)
{
    const QTextCursor selection = box->textCursor();
    const QTextDocument *document = box->document();
    if (!hasAddedBreak(document, selection.selectionStart(), selection.selectionEnd()))
        return nullptr;
    auto *data = new QMimeData;
    data->setText(
        LongTextFill::documentText(document, selection.selectionStart(), selection.selectionEnd()));
    return data;
}

bool paste(QTextEdit *box, const QMimeData *source)
{
    if (box->isReadOnly() || !source->hasText())
        return false;
    const QString text = source->text();
    if (text.size() <= LongLines::pieceLength &&
        !hasAddedBreak(box->document(), 0, box->document()->characterCount()))
        return false;
    fillFor(box)->start(LongTextFill::Mode::Insert, box->textCursor(), {text});
    return true;
}

void keyHandled(QTextEdit *box, const QKeyEvent *event)
{
    if ((event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) ||
        event->modifiers().testFlag(Qt::ShiftModifier))
        return;
    QTextCursor cursor = box->textCursor();
    if (!cursor.atBlockStart() || !LongTextFill::continues(cursor.block()))
        return;
    // One step with the break to undo.
    cursor.joinPreviousEditBlock();
    LongTextFill::setContinues(cursor.block(), false);
    cursor.endEditBlock();
}

} // namespace LongTextBox
