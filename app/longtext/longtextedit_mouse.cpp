#include "longtextedit.h"

#include "longtextmimedata.h"

#include <QApplication>
#include <QDrag>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleHints>

void LongTextEdit::mousePressEvent(QMouseEvent *event)
{
    // A click ends what an input method composes: its commit goes first.
    if (!m_preedit.isEmpty())
        QGuiApplication::inputMethod()->commit();
    const QPoint point = event->position().toPoint();
    if (hold(event, point))
        return;
    const Target target = pointedAt(point);
    const qsizetype at = target.position;
    if (event->button() == Qt::LeftButton) {
        if (m_tripleClick.isActive() &&
            (point - m_tripleClickPoint).manhattanLength() < QApplication::startDragDistance()) {
            // The third click selects the line, with its line break.
            const auto [from, to] = lineAround(at);
            m_anchor = from;
            moveCursor(to < m_text.length() ? to + 1 : to, true);
            updatePrimarySelection();
            m_tripleClick.stop();
            return;
        }
        const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
        if (!extend && hasSelection() && at >= selectionStart() && at < selectionEnd()) {
            m_mayDrag = true;
            m_pressPoint = point;
            return;
        }
        m_selecting = true;
        m_preferredX = -1;
        moveCursor(at, extend, target.rowEnd);
    } else if (event->button() == Qt::MiddleButton && !m_readOnly &&
               QGuiApplication::clipboard()->supportsSelection()) {
        moveCursor(at, false);
        pasteFrom(QClipboard::Selection, at, at);
        ensureCursorVisible();
    }
}

void LongTextEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (hold(event, event->position().toPoint()))
        return;
    m_mousePoint = event->position().toPoint();
    if (m_mayDrag) {
        if ((m_mousePoint - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
            m_mayDrag = false;
            startDrag();
        }
        return;
    }
    if (!m_selecting || !event->buttons().testFlag(Qt::LeftButton))
        return;
    // Past the top or the bottom, the view scrolls while the button is held.
    if (m_mousePoint.y() < 0 || m_mousePoint.y() >= viewport()->height())
        m_autoScroll.start(50, this);
    else
        m_autoScroll.stop();
    const Target target = pointedAt(m_mousePoint);
    moveCursor(target.position, true, target.rowEnd);
}

void LongTextEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (hold(event, event->position().toPoint()))
        return;
    if (m_mayDrag) {
        // A click within the selection that dragged nothing.
        m_mayDrag = false;
        moveCursor(pointedAt(event->position().toPoint()).position, false);
    }
    if (m_selecting) {
        m_selecting = false;
        m_autoScroll.stop();
        updatePrimarySelection();
    }
}

void LongTextEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (hold(event, point))
        return;
    const auto [from, to] = unitAround(pointedAt(point).position, QTextBoundaryFinder::Word);
    m_anchor = from;
    moveCursor(to, true);
    updatePrimarySelection();
    m_tripleClickPoint = point;
    m_tripleClick.start(QGuiApplication::styleHints()->mouseDoubleClickInterval(), this);
}

void LongTextEdit::autoScroll()
{
    const int height = viewport()->height();
    if (m_mousePoint.y() < 0)
        scrollRows(-1);
    else if (m_mousePoint.y() >= height)
        scrollRows(1);
    moveCursor(positionAt(QPoint(m_mousePoint.x(), qBound(0, m_mousePoint.y(), height - 1))), true);
}

void LongTextEdit::startDrag()
{
    m_dragged = {selectionStart(), selectionEnd()};
    auto *drag = new QDrag(this);
    // The toolkit serves the drop's target on this thread: a long text is
    // made ready on a worker while the mouse moves.
    LongTextMimeData *dragged = selectedData();
    dragged->prepareForOthers();
    drag->setMimeData(dragged);
    const Qt::DropAction action =
        drag->exec(m_readOnly ? Qt::CopyAction : Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    // A move within the box is the drop's; a move elsewhere takes the text
    // out, where it still is.
    if (action == Qt::MoveAction && drag->target() != viewport() && !m_readOnly && !m_pending &&
        m_dragged)
        erase(m_dragged->first, m_dragged->second, LongTextHistory::Kind::Other);
    m_dragged.reset();
    drag->deleteLater();
}

void LongTextEdit::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_readOnly || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dragMoveEvent(event);
}

void LongTextEdit::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_readOnly) {
        event->ignore();
        return;
    }
    // While a text is still being cut, a drop waits for it: as a copy, so
    // that nothing is taken from where it comes before it is in.
    if (m_pending) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
    m_dropPosition = positionAt(event->position().toPoint());
    viewport()->update();
}

void LongTextEdit::dragLeaveEvent(QDragLeaveEvent *)
{
    m_dropPosition = -1;
    viewport()->update();
}

void LongTextEdit::dropEvent(QDropEvent *event)
{
    m_dropPosition = -1;
    viewport()->update();
    if (m_readOnly || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    if (hold(event, event->position().toPoint())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    qsizetype at = pointedAt(event->position().toPoint()).position;
    if (event->source() == this && event->dropAction() == Qt::MoveAction) {
        // Dropped onto itself, or the text dragged is gone: nothing moves.
        if (!m_dragged || (at >= m_dragged->first && at <= m_dragged->second)) {
            event->ignore();
            return;
        }
        const auto [from, to] = *m_dragged;
        const LongText::Pieces moving = m_text.pieces(from, to);
        erase(from, to, LongTextHistory::Kind::Other);
        if (at > to)
            at -= to - from;
        edit(at, at, moving, LongTextHistory::Kind::Other, true);
        event->acceptProposedAction();
    } else {
        insertFromMimeData(event->mimeData(), at, at);
        event->acceptProposedAction();
    }
    ensureCursorVisible();
}

void LongTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    const auto add = [this, &menu](const QString &text, QKeySequence::StandardKey key, bool enabled,
                                   auto slot) {
        QAction *action = menu.addAction(text);
        action->setShortcut(key);
        action->setEnabled(enabled);
        // After a paste still coming, in order with the keys, as its keys
        // would.
        connect(action, &QAction::triggered, this, [this, key, slot] {
            if (key == QKeySequence::UnknownKey || !holdKey(key))
                std::invoke(slot, this);
        });
    };
    const bool editable = !m_readOnly && !m_pending;
    if (editable) {
        add(tr("&Undo"), QKeySequence::Undo, m_history.canUndo(), &LongTextEdit::undo);
        add(tr("&Redo"), QKeySequence::Redo, m_history.canRedo(), &LongTextEdit::redo);
        menu.addSeparator();
        add(tr("Cu&t"), QKeySequence::Cut, hasSelection(), &LongTextEdit::cut);
    }
    add(tr("&Copy"), QKeySequence::Copy, hasSelection(), &LongTextEdit::copy);
    if (editable) {
        // Another program's clipboard is not asked on this thread: Paste is
        // offered, and says so when nothing comes.
        add(tr("&Paste"), QKeySequence::Paste, mayPaste(), [](LongTextEdit *box) {
            box->pasteFrom(QClipboard::Clipboard, box->selectionStart(), box->selectionEnd(), true);
            box->ensureCursorVisible();
        });
        add(tr("Delete"), QKeySequence::UnknownKey, hasSelection(), [](LongTextEdit *box) {
            box->erase(box->selectionStart(), box->selectionEnd(), LongTextHistory::Kind::Other);
        });
    }
    menu.addSeparator();
    add(tr("Select All"), QKeySequence::SelectAll, m_text.length() > 0, &LongTextEdit::selectAll);
    menu.exec(event->globalPos());
}
