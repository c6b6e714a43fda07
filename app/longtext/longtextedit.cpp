#include "longtextedit.h"

#include "longtextaccessible.h"
#include "longtextmimedata.h"
#include "x11selection.h"
#include "workerpool.h"
#include "x11selectionowner.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleHints>
#include <QTextLayout>

#include <algorithm>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// A text this long is cut into pieces on the spot; a longer one on a worker
// thread, so that the window keeps answering.
constexpr qsizetype cutOnTheSpot = 1 << 16;
// A program that holds the clipboard and goes silent this long mid-paste is
// given up on, and so is one that has not sent it all in the longer time.
constexpr int ownerPatienceMs = 5000;
constexpr int pasteDeadlineMs = 60'000;
// Assistive technologies are told the text of an edit up to this length.
constexpr qsizetype toldLength = 1 << 16;
// The space around the text, as a text document keeps.
constexpr qreal documentMargin = 4;

// Where a position of the text before an edit of [from, to) into `added`
// characters is after it: one in what was replaced goes to its start.
qsizetype mapped(qsizetype position, qsizetype from, qsizetype to, qsizetype added)
{
    if (position <= from)
        return position;
    return position >= to ? position - (to - from) + added : from;
}
} // namespace

LongTextEdit::LongTextEdit(QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_layout(m_text)
{
    QFont shown = font();
    // Scripts that need no shaping skip it: the shaper's work per glyph
    // dominates the layout of a long text.
    shown.setStyleStrategy(QFont::PreferNoShaping);
    setFont(shown);
    m_layout.setFont(font());
    // Kept, so that a text that comes to fill the box is not laid out again
    // for a narrower width.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAcceptDrops(true);
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_cutting, &QFutureWatcherBase::finished, this, &LongTextEdit::cutDone);
    // The selection owner starts with the first box, so that it has seen the
    // selections change hands before the first copy.
    (void)X11SelectionOwner::instance();
    static const bool accessible = [] {
        QAccessible::installFactory(&LongTextAccessible::create);
        return true;
    }();
    (void)accessible;
}

// A cut under way works on its own copy of the text and is let go of; a
// paste's reader is told to stop, so that exit need not wait for its owner.
LongTextEdit::~LongTextEdit()
{
    dropPending();
}

LongText::Pieces LongTextEdit::content() const
{
    return m_text.pieces(0, m_text.length());
}

QString LongTextEdit::text() const
{
    return LongText::join(content());
}

void LongTextEdit::setText(const QString &text)
{
    dropPending();
    insertText(0, m_text.length(), text, true);
    tellBusy();
}

void LongTextEdit::setContent(const LongText::Pieces &pieces)
{
    setContent(LongText(pieces));
}

void LongTextEdit::setContent(LongText text)
{
    dropPending();
    replaceAll(std::move(text));
    tellBusy();
}

void LongTextEdit::clear()
{
    setText(QString());
}

void LongTextEdit::showNotice(const QString &notice)
{
    m_notice = notice;
    setAccessibleDescription(notice);
    viewport()->update();
}

void LongTextEdit::setReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    setAttribute(Qt::WA_InputMethodEnabled, !readOnly);
    QAccessible::State state;
    state.readOnly = true;
    QAccessibleStateChangeEvent event(this, state);
    QAccessible::updateAccessibility(&event);
}

QString LongTextEdit::textBetween(qsizetype from, qsizetype to) const
{
    return m_text.text(from, to);
}

void LongTextEdit::replaceText(qsizetype from, qsizetype to, const QString &text)
{
    if (m_readOnly)
        return;
    const auto [start, end] = std::minmax(
        {qBound<qsizetype>(0, from, m_text.length()), qBound<qsizetype>(0, to, m_text.length())});
    insertText(start, end, text);
}

// Edits

void LongTextEdit::edit(qsizetype from, qsizetype to, const LongText::Pieces &pieces,
                        LongTextHistory::Kind kind, bool joinsPrevious)
{
    LongTextHistory::Step step{from, m_text.pieces(from, to), pieces, kind, joinsPrevious};
    apply(from, to, pieces);
    m_history.record(std::move(step));
    moveCursor(from + LongText::length(pieces), false);
}

void LongTextEdit::apply(qsizetype from, qsizetype to, const LongText::Pieces &pieces)
{
    applyChange(from, to, LongText::length(pieces), [&] { m_text.replace(from, to, pieces); });
}

void LongTextEdit::applyChange(qsizetype from, qsizetype to, qsizetype added,
                               const std::function<void()> &change)
{
    // Assistive technologies are told every edit by its position and
    // length. Past toldLength, NULs stand in for its text: the toolkit's
    // bridge sends them as an empty text and keeps the length.
    const bool told = QAccessible::isActive();
    const auto toldText = [this](qsizetype start, qsizetype end) {
        return end - start <= toldLength ? m_text.text(start, end) : QString(end - start, QChar());
    };
    const QString removedText = told ? toldText(from, to) : QString();
    // The row shown at the top stays, where it was not edited away.
    const qsizetype top = topPosition();
    change();
    // A paste still coming goes where it was to go, and what was held for
    // it points where it pointed.
    if (m_pending && !m_pending->wholeText) {
        m_pending->from = mapped(m_pending->from, from, to, added);
        m_pending->to = mapped(m_pending->to, from, to, added);
    }
    for (Held &held : m_held) {
        if (held.at >= 0)
            held.at = mapped(held.at, from, to, added);
    }
    if (m_dragged && from < m_dragged->second && to > m_dragged->first)
        m_dragged.reset();
    else if (m_dragged && to <= m_dragged->first)
        m_dragged = {m_dragged->first + added - (to - from),
                     m_dragged->second + added - (to - from)};
    m_layout.apply();
    m_top = rowOf(top <= from ? top : top >= to ? top + added - (to - from) : from);
    m_notice.clear();
    setAccessibleDescription(QString());
    if (told && to > from) {
        QAccessibleTextRemoveEvent event(this, int(from), removedText);
        QAccessible::updateAccessibility(&event);
    }
    if (told && added > 0) {
        QAccessibleTextInsertEvent event(this, int(from), toldText(from, from + added));
        QAccessible::updateAccessibility(&event);
    }
    scheduleScrollBarUpdate();
    viewport()->update();
}

void LongTextEdit::replaceAll(LongText text)
{
    applyChange(0, m_text.length(), text.length(), [this, &text] {
        const qreal rowLength = m_text.rowLength();
        m_text = std::move(text);
        m_text.setRowLength(rowLength);
    });
    m_history.clear();
    m_top = {0, 0};
    moveCursor(0, false);
    updateScrollBar();
}

void LongTextEdit::insertText(qsizetype from, qsizetype to, QString text, bool wholeText)
{
    if (!fits(to - from, text.size()))
        return;
    // Beside a paste still coming, an edit is cut on the spot: it acts now.
    if (text.size() <= cutOnTheSpot || (m_pending && !wholeText)) {
        const LongText::Pieces pieces = LongText::cut(text);
        if (wholeText)
            replaceAll(LongText(pieces));
        else
            edit(from, to, pieces, LongTextHistory::Kind::Other);
        return;
    }
    // A whole text is made on the worker too, its index with it.
    startCutting(
        Pending{from, to, wholeText, QDeadlineTimer(), std::make_shared<std::atomic_bool>(false)},
        QtConcurrent::run(WorkerPool::instance(), [text = std::move(text), wholeText] {
            Cut made;
            if (wholeText)
                made.whole = std::make_shared<LongText>(LongText::cut(text));
            else
                made.pieces = LongText::cut(text);
            return made;
        }));
}

// Another program's clipboard is read on a worker thread: the toolkit would
// read it on this one, for as long as its owner takes to send megabytes.
void LongTextEdit::pasteFrom(QClipboard::Mode mode, qsizetype from, qsizetype to, bool tellNothing)
{
    const auto which = mode == QClipboard::Selection ? X11Selection::Which::Primary
                                                     : X11Selection::Which::Clipboard;
    X11SelectionOwner *owner = X11SelectionOwner::instance();
    if (const auto pieces = owner ? owner->offered(which) : std::nullopt) {
        const LongTextMimeData ownCopy(*pieces);
        insertFromMimeData(&ownCopy, from, to);
        return;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QByteArray display = X11Connection::displayName();
    const bool own =
        mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    if (own || display.isEmpty()) {
        insertFromMimeData(clipboard->mimeData(mode), from, to);
        return;
    }
    Pending pending{from, to, false, QDeadlineTimer(pasteDeadlineMs),
                    std::make_shared<std::atomic_bool>(false)};
    pending.tellNothing = tellNothing;
    startCutting(
        pending,
        QtConcurrent::run(WorkerPool::instance(), [display, which, deadline = pending.deadline,
                                                   abandoned = pending.abandoned] {
            using Outcome = X11Selection::Text::Outcome;
            const X11Selection::Text read = X11Selection::read(
                display, which, ownerPatienceMs, LongText::maximumLength, deadline, *abandoned);
            Cut made;
            made.pieces =
                read.outcome == Outcome::Taken ? LongText::cut(read.text) : LongText::Pieces();
            made.unanswered = read.outcome == Outcome::Unanswered;
            made.unreached = read.outcome == Outcome::Unreached;
            made.refusedLength = read.outcome == Outcome::TooLong ? read.length : 0;
            return made;
        }));
}

bool LongTextEdit::mayPaste() const
{
    X11SelectionOwner *owner = X11SelectionOwner::instance();
    QClipboard *clipboard = QGuiApplication::clipboard();
    if ((owner && owner->offered(X11Selection::Which::Clipboard)) ||
        (!clipboard->ownsClipboard() && !X11Connection::displayName().isEmpty()))
        return true;
    const QMimeData *held = clipboard->mimeData();
    return held && held->hasText();
}

void LongTextEdit::insertFromMimeData(const QMimeData *source, qsizetype from, qsizetype to)
{
    if (const auto *own = qobject_cast<const LongTextMimeData *>(source)) {
        if (fits(to - from, LongText::length(own->pieces())))
            edit(from, to, own->pieces(), LongTextHistory::Kind::Other);
    } else if (source && source->hasText()) {
        insertText(from, to, source->text());
    }
}

void LongTextEdit::erase(qsizetype from, qsizetype to, LongTextHistory::Kind kind)
{
    if (from < to)
        edit(from, to, {}, kind);
}

void LongTextEdit::typeText(const QString &text)
{
    const bool breaks = std::any_of(text.cbegin(), text.cend(), LongText::endsLine);
    if (fits(selectionEnd() - selectionStart(), text.size()))
        edit(selectionStart(), selectionEnd(), LongText::cut(text),
             breaks ? LongTextHistory::Kind::Other : LongTextHistory::Kind::Typing);
}

bool LongTextEdit::fits(qsizetype removed, qsizetype added)
{
    const qsizetype length = m_text.length() - removed + added;
    if (length <= LongText::maximumLength)
        return true;
    const QLocale locale;
    showNotice(tr("Not taken: the text would be %1 characters long, more than the %2 this box "
                  "holds.")
                   .arg(locale.toString(length), locale.toString(LongText::maximumLength)));
    return false;
}

void LongTextEdit::startCutting(const Pending &pending, const QFuture<Cut> &cut)
{
    m_pending = pending;
    m_cutting.setFuture(cut);
    tellBusy();
}

void LongTextEdit::cutDone()
{
    if (!m_cutting.future().isValid())
        return;
    const Cut made = m_cutting.future().takeResult();
    if (!m_pending)
        return;
    const Pending pending = *m_pending;
    m_pending.reset();
    const qsizetype length =
        made.refusedLength > 0 ? made.refusedLength : LongText::length(made.pieces);
    QString notice;
    if (made.unanswered) {
        notice = pending.deadline.hasExpired()
                     ? tr("Nothing pasted: the program that holds the clipboard had not sent it "
                          "all after %n second(s).",
                          nullptr, pasteDeadlineMs / 1000)
                     : tr("Nothing pasted: the program that holds the clipboard stopped "
                          "answering.");
    } else if (made.unreached) {
        notice = tr("Nothing pasted: the clipboard could not be read, as the display could not "
                    "be reached.");
    } else if (pending.wholeText) {
        replaceAll(std::move(*made.whole));
    } else if (length == 0 && pending.tellNothing) {
        notice = tr("Nothing pasted: the clipboard holds no text.");
    } else if (length > 0 && fits(pending.to - pending.from, length)) {
        edit(pending.from, pending.to, made.pieces, LongTextHistory::Kind::Other);
        ensureCursorVisible();
    }
    while (!m_held.empty() && !m_pending) {
        const Held held = std::move(m_held.front());
        m_held.pop_front();
        replay(held);
    }
    // Shown after what was held has acted, whose edits would clear it.
    if (!notice.isEmpty())
        showNotice(notice);
    tellBusy();
}

void LongTextEdit::dropPending()
{
    if (m_pending)
        m_pending->abandoned->store(true);
    m_pending.reset();
    m_held.clear();
}

void LongTextEdit::tellBusy()
{
    if (isBusy() == m_toldBusy)
        return;
    m_toldBusy = isBusy();
    Q_EMIT busyChanged(m_toldBusy);
}

bool LongTextEdit::hold(const QEvent *event, std::optional<QPoint> pointer)
{
    if (!m_pending)
        return false;
    Held held;
    if (pointer)
        held.at = positionAt(*pointer);
    if (event->type() == QEvent::Drop) {
        const auto *drop = static_cast<const QDropEvent *>(event);
        if (const auto *own = qobject_cast<const LongTextMimeData *>(drop->mimeData())) {
            held.data = std::make_unique<LongTextMimeData>(own->pieces());
        } else {
            held.data = std::make_unique<QMimeData>();
            held.data->setText(drop->mimeData()->text());
        }
        held.event = std::make_unique<QDropEvent>(drop->position(), Qt::CopyAction, held.data.get(),
                                                  drop->buttons(), drop->modifiers());
    } else {
        held.event.reset(event->clone());
    }
    m_held.push_back(std::move(held));
    return true;
}

bool LongTextEdit::holdKey(QKeySequence::StandardKey key)
{
    const QKeyCombination keys = QKeySequence(key)[0];
    const QKeyEvent pressed(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
    return hold(&pressed);
}

void LongTextEdit::replay(const Held &held)
{
    m_replayedAt = held.at;
    QEvent *event = held.event.get();
    switch (event->type()) {
    case QEvent::KeyPress:
        keyPressEvent(static_cast<QKeyEvent *>(event));
        break;
    case QEvent::InputMethod:
        inputMethodEvent(static_cast<QInputMethodEvent *>(event));
        break;
    case QEvent::MouseButtonPress:
        mousePressEvent(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseButtonDblClick:
        mouseDoubleClickEvent(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseMove:
        mouseMoveEvent(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::Drop:
        dropEvent(static_cast<QDropEvent *>(event));
        break;
    default:
        break;
    }
    m_replayedAt = -1;
}

LongTextEdit::Target LongTextEdit::pointedAt(QPoint point)
{
    return m_replayedAt >= 0 ? Target(qMin(m_replayedAt, m_text.length())) : targetAt(point);
}

void LongTextEdit::undo()
{
    if (m_readOnly)
        return;
    takeBack(m_history.undo(), true);
}

void LongTextEdit::redo()
{
    if (m_readOnly)
        return;
    takeBack(m_history.redo(), false);
}

void LongTextEdit::takeBack(const QList<LongTextHistory::Step> &steps, bool undoing)
{
    if (steps.isEmpty())
        return;
    for (const LongTextHistory::Step &step : steps) {
        const LongText::Pieces &out = undoing ? step.inserted : step.removed;
        const LongText::Pieces &in = undoing ? step.removed : step.inserted;
        apply(step.position, step.position + LongText::length(out), in);
        moveCursor(step.position + LongText::length(in), false);
    }
    ensureCursorVisible();
}

// The clipboard

void LongTextEdit::selectAll()
{
    m_anchor = 0;
    moveCursor(m_text.length(), true);
    updatePrimarySelection();
}

void LongTextEdit::copy()
{
    if (!hasSelection())
        return;
    if (X11SelectionOwner *owner = X11SelectionOwner::instance()) {
        owner->offer(X11Selection::Which::Clipboard, selectedPieces());
        return;
    }
    LongTextMimeData *copied = selectedData();
    copied->prepareForOthers();
    QGuiApplication::clipboard()->setMimeData(copied);
}

void LongTextEdit::cut()
{
    if (m_readOnly || !hasSelection())
        return;
    copy();
    erase(selectionStart(), selectionEnd(), LongTextHistory::Kind::Other);
    ensureCursorVisible();
}

void LongTextEdit::paste()
{
    if (m_readOnly)
        return;
    // After a paste still coming, as Ctrl+V would.
    if (holdKey(QKeySequence::Paste))
        return;
    pasteFrom(QClipboard::Clipboard, selectionStart(), selectionEnd());
    ensureCursorVisible();
}

void LongTextEdit::updatePrimarySelection()
{
    if (!hasSelection())
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (X11SelectionOwner *owner = X11SelectionOwner::instance())
        owner->offer(X11Selection::Which::Primary, selectedPieces());
    else if (clipboard->supportsSelection())
        clipboard->setMimeData(selectedData(), QClipboard::Selection);
}

LongText::Pieces LongTextEdit::selectedPieces() const
{
    return m_text.pieces(selectionStart(), selectionEnd());
}

LongTextMimeData *LongTextEdit::selectedData() const
{
    return new LongTextMimeData(selectedPieces());
}

// The cursor

void LongTextEdit::setCursorPosition(qsizetype position, bool select)
{
    // A caret placed from outside starts a new column for Up and Down.
    m_preferredX = -1;
    moveCursor(qBound<qsizetype>(0, position, m_text.length()), select);
    ensureCursorVisible();
}

void LongTextEdit::moveCursor(qsizetype position, bool select, bool rowEnd)
{
    const bool hadSelection = hasSelection();
    m_cursor = position;
    m_cursorAtRowEnd = rowEnd;
    if (!select)
        m_anchor = position;
    showCaret();
    viewport()->update();
    if (!QAccessible::isActive())
        return;
    QAccessibleTextCursorEvent moved(this, int(m_cursor));
    QAccessible::updateAccessibility(&moved);
    if (hadSelection || hasSelection()) {
        QAccessibleTextSelectionEvent selected(this, int(selectionStart()), int(selectionEnd()));
        QAccessible::updateAccessibility(&selected);
    }
}

LongTextLayout::Row LongTextEdit::rowOf(qsizetype position)
{
    const int piece = m_text.pieceAt(position);
    return m_layout.rowFor(piece, int(position - m_text.pieceStart(piece)));
}

LongTextLayout::Row LongTextEdit::cursorRow()
{
    const int piece = m_text.pieceAt(m_cursor);
    if (m_cursorAtRowEnd && piece > 0 && m_cursor == m_text.pieceStart(piece) &&
        !m_text.startsLine(piece))
        return {piece - 1, m_layout.rowCount(piece - 1) - 1};
    const int offset = cursorOffsetIn(piece);
    const LongTextLayout::Row row = m_layout.rowFor(piece, offset);
    // At the end of the row before, where the line wraps.
    const LongTextLayout::Row before{piece, row.line - 1};
    if (m_cursorAtRowEnd && row.line > 0 && m_layout.rowStart(row) == offset &&
        m_layout.wraps(before))
        return before;
    return row;
}

qsizetype LongTextEdit::topPosition()
{
    return m_text.pieceStart(m_top.piece) + m_layout.rowStart(m_top);
}

int LongTextEdit::cursorOffsetIn(int piece) const
{
    return int(m_cursor - m_text.pieceStart(piece)) + (m_preedit.isEmpty() ? 0 : m_preeditCursor);
}

QRect LongTextEdit::positionRect(qsizetype position)
{
    const int piece = m_text.pieceAt(position);
    const int offset = int(position - m_text.pieceStart(piece));
    return rowRect(m_layout.rowFor(piece, offset), offset);
}

QRect LongTextEdit::cursorRect()
{
    const LongTextLayout::Row row = cursorRow();
    return rowRect(row, cursorOffsetIn(row.piece));
}

QRect LongTextEdit::rowRect(LongTextLayout::Row target, int offset)
{
    const qreal room = viewport()->height();
    qreal y = margin();
    LongTextLayout::Row row = m_top;
    if (target < row)
        return {};
    while (row != target) {
        y += rowHeight(row);
        if (y > room || !m_layout.next(row))
            return {};
    }
    return QRectF(margin() + m_layout.cursorToX(row, offset), y, cursorWidth(), rowHeight(row))
        .toAlignedRect();
}

int LongTextEdit::cursorWidth() const
{
    return qMax(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
}

qsizetype LongTextEdit::positionAt(QPoint point)
{
    return targetAt(point).position;
}

LongTextEdit::Target LongTextEdit::targetAt(QPoint point)
{
    LongTextLayout::Row row = m_top;
    qreal y = margin();
    while (point.y() >= y + rowHeight(row)) {
        y += rowHeight(row);
        if (!m_layout.next(row))
            return m_text.length();
    }
    return positionInRow(row, point.x() - margin());
}

LongTextEdit::Target LongTextEdit::positionInRow(LongTextLayout::Row row, qreal x)
{
    return rowEnd(row, m_layout.xToCursor(row, x));
}

LongTextEdit::Target LongTextEdit::rowEnd(LongTextLayout::Row row, int offset)
{
    // The end of a row its line goes on from: a piece's last row where the
    // next piece goes on with the line, or a row the line wraps from.
    const bool atJoin = offset == m_text.piece(row.piece).size() &&
                        row.piece + 1 < m_text.pieceCount() && !m_text.startsLine(row.piece + 1);
    const bool atWrap =
        m_layout.wraps(row) && offset == m_layout.rowStart(row) + m_layout.rowLength(row);
    return {m_text.pieceStart(row.piece) + offset, atJoin || atWrap};
}

// The view

qreal LongTextEdit::margin() const
{
    return documentMargin;
}

qreal LongTextEdit::rowHeight(LongTextLayout::Row row)
{
    return m_layout.rowHeight(row);
}

void LongTextEdit::relayout()
{
    const qsizetype top = topPosition();
    m_layout.setWidth(qMax<qreal>(1, viewport()->width() - 2 * margin()));
    m_top = rowOf(top);
    updateScrollBar();
    viewport()->update();
}

void LongTextEdit::scheduleScrollBarUpdate()
{
    if (m_barUpdateScheduled)
        return;
    m_barUpdateScheduled = true;
    QMetaObject::invokeMethod(this, &LongTextEdit::updateScrollBar, Qt::QueuedConnection);
}

void LongTextEdit::updateScrollBar()
{
    m_barUpdateScheduled = false;
    // The last top row: the one from which the text's end fills the view.
    const qreal room = viewport()->height() - 2 * margin();
    LongTextLayout::Row last{m_text.pieceCount() - 1, 0};
    last.line = m_layout.rowCount(last.piece) - 1;
    qreal filled = rowHeight(last);
    for (LongTextLayout::Row above = last; m_layout.previous(above);) {
        filled += rowHeight(above);
        if (filled > room)
            break;
        last = above;
    }
    const qsizetype lastRow = m_layout.firstRow(last.piece) + last.line;
    qsizetype topRow = m_layout.firstRow(m_top.piece) + m_top.line;
    if (topRow > lastRow) {
        m_top = last;
        topRow = lastRow;
    }
    QScrollBar *bar = verticalScrollBar();
    m_updatingBar = true;
    bar->setRange(0, int(qMin<qsizetype>(lastRow, INT_MAX)));
    bar->setPageStep(qMax(1, int(room / QFontMetricsF(font()).lineSpacing())));
    bar->setValue(int(qMin<qsizetype>(topRow, INT_MAX)));
    m_updatingBar = false;
    m_barRowsGeneration = m_layout.rowsGeneration();
}

void LongTextEdit::scrollContentsBy(int, int)
{
    if (!m_updatingBar) {
        m_top = m_layout.rowAt(verticalScrollBar()->value());
        scheduleScrollBarUpdate();
    }
    viewport()->update();
}

void LongTextEdit::scrollRows(qsizetype rows)
{
    for (; rows > 0 && m_layout.next(m_top); --rows) {
    }
    for (; rows < 0 && m_layout.previous(m_top); ++rows) {
    }
    updateScrollBar();
    viewport()->update();
}

void LongTextEdit::ensureCursorVisible()
{
    const LongTextLayout::Row target = cursorRow();
    if (target < m_top) {
        m_top = target;
    } else {
        const qreal room = viewport()->height() - 2 * margin();
        qreal y = 0;
        bool seen = false;
        for (LongTextLayout::Row row = m_top;;) {
            y += rowHeight(row);
            if (row == target) {
                seen = y <= room || row == m_top;
                break;
            }
            if (y > room || !m_layout.next(row))
                break;
        }
        if (!seen) {
            // The cursor's row at the bottom of the view.
            m_top = target;
            y = rowHeight(target);
            for (LongTextLayout::Row above = target; m_layout.previous(above);) {
                y += rowHeight(above);
                if (y > room)
                    break;
                m_top = above;
            }
        }
    }
    updateScrollBar();
    viewport()->update();
}

void LongTextEdit::showCaret()
{
    m_caretShown = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2, this);
    else
        m_blink.stop();
}

void LongTextEdit::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QRect clip = event->rect();
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    QTextLayout::FormatRange selected;
    selected.format.setBackground(palette().brush(group, QPalette::Highlight));
    selected.format.setForeground(palette().brush(group, QPalette::HighlightedText));
    painter.setPen(palette().color(QPalette::Text));

    qreal y = margin() - m_layout.rowY(m_top);
    for (int piece = m_top.piece; piece < m_text.pieceCount() && y < viewport()->height();
         ++piece) {
        const qsizetype start = m_text.pieceStart(piece);
        const qsizetype end = start + m_text.piece(piece).size();
        const auto offset = [start, end](qsizetype position) {
            return int(qBound(start - 1, position, end + 1) - start);
        };
        m_layout.draw(&painter, piece, QPointF(margin(), y), offset(selectionStart()),
                      offset(selectionEnd()), selected, clip);
        y += m_layout.height(piece);
    }
    if (m_caretShown && hasFocus() && isEnabled())
        painter.fillRect(cursorRect(), palette().color(QPalette::Text));
    if (m_dropPosition >= 0)
        painter.fillRect(positionRect(m_dropPosition), palette().color(QPalette::Text));
    if (!m_notice.isEmpty()) {
        const QRect inner = viewport()->rect().adjusted(6, 4, -6, -4);
        const QRect text = painter.fontMetrics().boundingRect(inner, Qt::TextWordWrap, m_notice);
        painter.fillRect(QRect(0, 0, viewport()->width(), text.height() + 8),
                         palette().toolTipBase());
        painter.setPen(palette().color(QPalette::ToolTipText));
        painter.drawText(inner, Qt::TextWordWrap, m_notice);
    }
    if (m_layout.rowsGeneration() != m_barRowsGeneration)
        scheduleScrollBarUpdate();
}

void LongTextEdit::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void LongTextEdit::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_layout.setFont(font());
        relayout();
    }
}

void LongTextEdit::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_blink.timerId()) {
        m_caretShown = !m_caretShown;
        viewport()->update(cursorRect().adjusted(-1, 0, 1, 0));
    } else if (event->timerId() == m_autoScroll.timerId()) {
        autoScroll();
    } else if (event->timerId() == m_tripleClick.timerId()) {
        m_tripleClick.stop();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void LongTextEdit::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    showCaret();
    viewport()->update();
}

void LongTextEdit::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    m_blink.stop();
    m_caretShown = false;
    viewport()->update();
}
