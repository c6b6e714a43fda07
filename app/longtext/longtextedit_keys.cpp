#include "longtextedit.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextBoundaryFinder>
#include <QTextCharFormat>

namespace {
// A word move or a double click looks this far for the word's end: a text
// may be one word of megabytes.
constexpr qsizetype wordReach = 1 << 16;

// Characters that end a word as blanks do, as text editors take them.
bool isWordSeparator(QChar c)
{
    return QStringView(u".,?!@#$:;-<>[](){}=/+%&^*'\"`~|\\").contains(c);
}

// A key that types its text, as a text editor takes it.
bool typesText(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format)
        return true;
    // Ctrl and Ctrl+Shift are shortcuts; AltGr (Ctrl+Alt) types.
    if (event->modifiers() == Qt::ControlModifier ||
        event->modifiers() == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    return c.isPrint() || c.category() == QChar::Other_PrivateUse || c == u'\t' ||
           (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

// A key that edits, which keeps a shortcut of the window from taking it.
bool isEditingKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier ||
        modifiers == Qt::KeypadModifier) {
        if (event->key() < Qt::Key_Escape)
            return true;
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
        case Qt::Key_Tab:
            return true;
        default:
            break;
        }
    }
    for (const QKeySequence::StandardKey key :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
          QKeySequence::DeleteEndOfLine, QKeySequence::InsertParagraphSeparator,
          QKeySequence::InsertLineSeparator}) {
        if (event->matches(key))
            return true;
    }
    return false;
}
} // namespace

bool LongTextEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll) ||
            (!m_readOnly && isEditingKey(key)) || moveByKey(key, false)) {
            key->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool LongTextEdit::focusNextPrevChild(bool next)
{
    // Tab types a tab in a box that can be edited.
    if (!m_readOnly)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void LongTextEdit::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (hold(event))
        return;
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (moveByKey(event, true))
        return;
    if (m_readOnly) {
        event->ignore();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((event->key() == Qt::Key_Backspace && !(modifiers & ~Qt::ShiftModifier)) ||
        event->matches(QKeySequence::Backspace)) {
        if (hasSelection())
            erase(selectionStart(), selectionEnd(), LongTextHistory::Kind::Other);
        else
            erase(previousCodePoint(m_cursor), m_cursor, LongTextHistory::Kind::Erasing);
    } else if (event->matches(QKeySequence::InsertParagraphSeparator) ||
               event->matches(QKeySequence::InsertLineSeparator)) {
        typeText(QStringLiteral("\n"));
    } else if (event->matches(QKeySequence::Undo)) {
        undo();
    } else if (event->matches(QKeySequence::Redo)) {
        redo();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Paste)) {
        // Ctrl+Shift+Insert pastes the selection of systems that have one.
        const bool selection = QGuiApplication::clipboard()->supportsSelection() &&
                               modifiers == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               event->key() == Qt::Key_Insert;
        pasteFrom(selection ? QClipboard::Selection : QClipboard::Clipboard, selectionStart(),
                  selectionEnd());
    } else if (event->matches(QKeySequence::Delete)) {
        if (hasSelection())
            erase(selectionStart(), selectionEnd(), LongTextHistory::Kind::Other);
        else
            erase(m_cursor, nextCharacter(m_cursor), LongTextHistory::Kind::Erasing);
    } else if (event->matches(QKeySequence::DeleteEndOfWord)) {
        erase(selectionStart(), hasSelection() ? selectionEnd() : nextWord(m_cursor),
              LongTextHistory::Kind::Other);
    } else if (event->matches(QKeySequence::DeleteStartOfWord)) {
        erase(hasSelection() ? selectionStart() : previousWord(m_cursor), selectionEnd(),
              LongTextHistory::Kind::Other);
    } else if (event->matches(QKeySequence::DeleteEndOfLine)) {
        const qsizetype end = lineAround(m_cursor).second;
        erase(m_cursor, end == m_cursor ? nextCharacter(m_cursor) : end,
              LongTextHistory::Kind::Other);
    } else if (typesText(event)) {
        typeText(event->text());
    } else {
        event->ignore();
        return;
    }
    m_preferredX = -1;
    ensureCursorVisible();
}

bool LongTextEdit::moveByKey(const QKeyEvent *event, bool act)
{
    static const struct
    {
        QKeySequence::StandardKey key;
        Move move;
        bool select;
    } moves[] = {
        {QKeySequence::MoveToNextChar, Move::NextCharacter, false},
        {QKeySequence::MoveToPreviousChar, Move::PreviousCharacter, false},
        {QKeySequence::SelectNextChar, Move::NextCharacter, true},
        {QKeySequence::SelectPreviousChar, Move::PreviousCharacter, true},
        {QKeySequence::MoveToNextWord, Move::NextWord, false},
        {QKeySequence::MoveToPreviousWord, Move::PreviousWord, false},
        {QKeySequence::SelectNextWord, Move::NextWord, true},
        {QKeySequence::SelectPreviousWord, Move::PreviousWord, true},
        {QKeySequence::MoveToStartOfLine, Move::StartOfRow, false},
        {QKeySequence::MoveToEndOfLine, Move::EndOfRow, false},
        {QKeySequence::SelectStartOfLine, Move::StartOfRow, true},
        {QKeySequence::SelectEndOfLine, Move::EndOfRow, true},
        {QKeySequence::MoveToStartOfBlock, Move::StartOfLine, false},
        {QKeySequence::MoveToEndOfBlock, Move::EndOfLine, false},
        {QKeySequence::SelectStartOfBlock, Move::StartOfLine, true},
        {QKeySequence::SelectEndOfBlock, Move::EndOfLine, true},
        {QKeySequence::MoveToStartOfDocument, Move::Start, false},
        {QKeySequence::MoveToEndOfDocument, Move::End, false},
        {QKeySequence::SelectStartOfDocument, Move::Start, true},
        {QKeySequence::SelectEndOfDocument, Move::End, true},
        {QKeySequence::MoveToNextLine, Move::Down, false},
        {QKeySequence::MoveToPreviousLine, Move::Up, false},
        {QKeySequence::SelectNextLine, Move::Down, true},
        {QKeySequence::SelectPreviousLine, Move::Up, true},
        {QKeySequence::MoveToNextPage, Move::PageDown, false},
        {QKeySequence::MoveToPreviousPage, Move::PageUp, false},
        {QKeySequence::SelectNextPage, Move::PageDown, true},
        {QKeySequence::SelectPreviousPage, Move::PageUp, true},
    };
    const auto found = std::find_if(std::cbegin(moves), std::cend(moves),
                                    [event](const auto &move) { return event->matches(move.key); });
    if (found == std::cend(moves))
        return false;
    if (!act)
        return true;
    const Move move = found->move;
    const bool vertical =
        move == Move::Up || move == Move::Down || move == Move::PageUp || move == Move::PageDown;
    const Target target = moved(move, found->select);
    if (!vertical)
        m_preferredX = -1;
    moveCursor(target.position, found->select, target.rowEnd);
    ensureCursorVisible();
    if (found->select)
        updatePrimarySelection();
    return true;
}

LongTextEdit::Target LongTextEdit::moved(Move move, bool select)
{
    switch (move) {
    case Move::NextCharacter:
        // Without Shift, a selection ends at its far side.
        return !select && hasSelection() ? selectionEnd() : nextCharacter(m_cursor);
    case Move::PreviousCharacter:
        return !select && hasSelection() ? selectionStart() : previousCharacter(m_cursor);
    case Move::NextWord:
        return nextWord(m_cursor);
    case Move::PreviousWord:
        return previousWord(m_cursor);
    case Move::StartOfRow:
        return rowAround(m_cursor).first;
    case Move::EndOfRow: {
        const LongTextLayout::Row row = cursorRow();
        return rowEnd(row, m_layout.lastPlace(row));
    }
    case Move::StartOfLine:
        return lineAround(m_cursor).first;
    case Move::EndOfLine:
        return lineAround(m_cursor).second;
    case Move::Start:
        return 0;
    case Move::End:
        return m_text.length();
    case Move::Up:
    case Move::Down:
        return verticalMove(move == Move::Down, select);
    case Move::PageUp:
    case Move::PageDown:
        return pageMove(move == Move::PageDown);
    }
    return m_cursor;
}

QChar LongTextEdit::characterAt(qsizetype position) const
{
    const int piece = m_text.pieceAt(position);
    const QString &text = m_text.piece(piece);
    const qsizetype offset = position - m_text.pieceStart(piece);
    return offset >= 0 && offset < text.size() ? text.at(offset) : QChar();
}

qsizetype LongTextEdit::nextCharacter(qsizetype position)
{
    if (position >= m_text.length())
        return position;
    const int piece = m_text.pieceAt(position);
    const qsizetype start = m_text.pieceStart(piece);
    return start + m_layout.nextCursorPosition(piece, int(position - start));
}

qsizetype LongTextEdit::previousCharacter(qsizetype position)
{
    if (position <= 0)
        return 0;
    int piece = m_text.pieceAt(position);
    qsizetype start = m_text.pieceStart(piece);
    // At a piece's start, the last character of the piece before.
    if (position == start)
        start = m_text.pieceStart(--piece);
    return start + m_layout.previousCursorPosition(piece, int(position - start));
}

qsizetype LongTextEdit::previousCodePoint(qsizetype position) const
{
    if (position <= 0)
        return 0;
    if (position >= 2 && characterAt(position - 1).isLowSurrogate() &&
        characterAt(position - 2).isHighSurrogate())
        return position - 2;
    return position - 1;
}

qsizetype LongTextEdit::nextWord(qsizetype position) const
{
    const qsizetype end = qMin(m_text.length(), position + wordReach);
    if (position < end && isWordSeparator(characterAt(position))) {
        while (position < end && isWordSeparator(characterAt(position)))
            ++position;
    } else {
        while (position < end && !characterAt(position).isSpace() &&
               !isWordSeparator(characterAt(position)))
            ++position;
    }
    while (position < end && characterAt(position).isSpace())
        ++position;
    return position;
}

qsizetype LongTextEdit::previousWord(qsizetype position) const
{
    const qsizetype start = qMax<qsizetype>(0, position - wordReach);
    while (position > start && characterAt(position - 1).isSpace())
        --position;
    if (position > start && isWordSeparator(characterAt(position - 1))) {
        while (position > start && isWordSeparator(characterAt(position - 1)))
            --position;
    } else {
        while (position > start && !characterAt(position - 1).isSpace() &&
               !isWordSeparator(characterAt(position - 1)))
            --position;
    }
    return position;
}

std::pair<qsizetype, qsizetype>
LongTextEdit::unitAround(qsizetype position, QTextBoundaryFinder::BoundaryType type) const
{
    const qsizetype from = qMax<qsizetype>(0, position - LongText::pieceLength);
    const qsizetype to = qMin(m_text.length(), position + LongText::pieceLength);
    const QString around = m_text.text(from, to);
    QTextBoundaryFinder finder(type, around);
    finder.setPosition(position - from);
    const qsizetype start = finder.isAtBoundary() ? finder.position() : finder.toPreviousBoundary();
    finder.setPosition(position - from);
    const qsizetype end = finder.toNextBoundary();
    return {from + qMax<qsizetype>(0, start), end < 0 ? to : from + end};
}

std::pair<qsizetype, qsizetype> LongTextEdit::lineAround(qsizetype position) const
{
    const qsizetype line = m_text.lineOf(position);
    return {m_text.lineStart(line), m_text.lineEnd(line)};
}

std::pair<qsizetype, qsizetype> LongTextEdit::rowAround(qsizetype position)
{
    const LongTextLayout::Row row = position == m_cursor ? cursorRow() : rowOf(position);
    const qsizetype start = m_text.pieceStart(row.piece) + m_layout.rowStart(row);
    return {start, start + m_layout.rowLength(row)};
}

qreal LongTextEdit::cursorX()
{
    const LongTextLayout::Row row = cursorRow();
    return m_layout.cursorToX(row, cursorOffsetIn(row.piece));
}

LongTextEdit::Target LongTextEdit::verticalMove(bool down, bool select)
{
    if (m_preferredX < 0)
        m_preferredX = cursorX();
    LongTextLayout::Row row = cursorRow();
    if (!(down ? m_layout.next(row) : m_layout.previous(row))) {
        // Shift goes on to the text's end from its last row.
        if (select)
            return down ? m_text.length() : 0;
        return m_cursor;
    }
    return positionInRow(row, m_preferredX);
}

LongTextEdit::Target LongTextEdit::pageMove(bool down)
{
    if (m_preferredX < 0)
        m_preferredX = cursorX();
    const qreal page = viewport()->height();
    LongTextLayout::Row row = cursorRow();
    qreal distance = 0;
    qsizetype rows = 0;
    for (LongTextLayout::Row step = row; down ? m_layout.next(step) : m_layout.previous(step);) {
        distance += rowHeight(down ? row : step);
        if (distance >= page) {
            // The view moves as far as the cursor does.
            scrollRows(down ? rows : -rows);
            break;
        }
        row = step;
        ++rows;
    }
    return positionInRow(row, m_preferredX);
}

void LongTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (m_readOnly) {
        event->ignore();
        return;
    }
    event->accept();
    if (hold(event))
        return;
    qsizetype from = selectionStart();
    qsizetype to = selectionEnd();
    if (!hasSelection() && event->replacementLength() > 0) {
        from = qBound<qsizetype>(0, m_cursor + event->replacementStart(), m_text.length());
        to = qBound<qsizetype>(from, from + event->replacementLength(), m_text.length());
    }
    if (!event->commitString().isEmpty() || (from < to && !event->preeditString().isEmpty()) ||
        event->replacementLength() > 0) {
        m_anchor = from;
        m_cursor = to;
        typeText(event->commitString());
    }
    m_preedit = event->preeditString();
    m_preeditCursor = int(m_preedit.size());
    const int piece = m_text.pieceAt(m_cursor);
    const int offset = int(m_cursor - m_text.pieceStart(piece));
    QList<QTextLayout::FormatRange> formats;
    for (const QInputMethodEvent::Attribute &attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor) {
            m_preeditCursor = attribute.start;
        } else if (attribute.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = attribute.value.value<QTextFormat>().toCharFormat();
            if (format.isValid())
                formats.append({offset + attribute.start, attribute.length, format});
        } else if (attribute.type == QInputMethodEvent::Selection && m_preedit.isEmpty()) {
            const qsizetype start = m_text.pieceStart(piece);
            m_anchor = qBound<qsizetype>(0, start + attribute.start, m_text.length());
            m_cursor =
                qBound<qsizetype>(0, start + attribute.start + attribute.length, m_text.length());
        }
    }
    m_layout.setPreedit(piece, offset, m_preedit, formats);
    ensureCursorVisible();
    updateMicroFocus();
}

QVariant LongTextEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    auto *self = const_cast<LongTextEdit *>(this);
    const int piece = m_text.pieceAt(m_cursor);
    const qsizetype start = m_text.pieceStart(piece);
    const QString &around = m_text.piece(piece);
    const int offset = int(m_cursor - start);
    const QPoint origin = viewport()->geometry().topLeft();
    switch (query) {
    case Qt::ImEnabled:
        return !m_readOnly;
    case Qt::ImReadOnly:
        return m_readOnly;
    case Qt::ImHints:
        return int(Qt::ImhMultiLine);
    case Qt::ImCursorRectangle:
        return QRectF(self->cursorRect().translated(origin));
    case Qt::ImAnchorRectangle:
        return QRectF(self->positionRect(m_anchor).translated(origin));
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return offset;
    case Qt::ImAnchorPosition:
        return int(qBound<qsizetype>(start, m_anchor, start + around.size()) - start);
    case Qt::ImSurroundingText:
        return around;
    case Qt::ImTextBeforeCursor:
        return around.left(offset);
    case Qt::ImTextAfterCursor:
        return around.mid(offset);
    case Qt::ImCurrentSelection:
        return selectionEnd() - selectionStart() <= LongText::pieceLength
                   ? m_text.text(selectionStart(), selectionEnd())
                   : QString();
    case Qt::ImAbsolutePosition:
        return qlonglong(m_cursor);
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}
