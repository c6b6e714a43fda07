#pragma once

#include "longtext.h"
#include "longtexthistory.h"
#include "longtextlayout.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QFutureWatcher>
#include <QPoint>
#include <QTextBoundaryFinder>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class LongTextMimeData;
class QMimeData;

// A plain-text box for texts of any length the program takes, up to
// LongText::maximumLength characters, megabytes on one line among them (the
// Crypty and Unicode tabs' boxes, the MQTT publish box). It owns its text as
// pieces (LongText) and lays out only the pieces it shows (LongTextLayout),
// so a key, a jump or a scroll costs what a screen costs, whatever the
// text's length. A long line shows broken into rows at its pieces; what the
// program reads and the user copies is the text itself. Every key, the
// clipboard, drag and drop, undo and input methods work on text positions,
// so a join of two pieces is no character and no key can meet one. The
// position where a line goes on in the next row (a join within the line, or
// a wrap) ends one row and starts the next: a move to a row's end (Up, Down,
// End, a click) shows the cursor at the end of the row it chose.
class LongTextEdit : public QAbstractScrollArea
{
    Q_OBJECT
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)

public:
    explicit LongTextEdit(QWidget *parent = nullptr);
    ~LongTextEdit() override;

    // The box's text as it reads now, without a paste still coming: pieces
    // that share the box's own, for a worker thread to join. What reads the
    // box for the user waits for busyChanged(false) instead.
    [[nodiscard]] LongText::Pieces content() const;
    [[nodiscard]] QString text() const;
    // Replaces the text, shown from its start, its undo history cleared. A
    // long text is cut into pieces on a worker thread meanwhile. A paste
    // still coming is dropped, with the events held for it.
    void setText(const QString &text);
    void setContent(const LongText::Pieces &pieces);
    // The same, of a whole text made elsewhere (on a worker thread): taken
    // in at once.
    void setContent(LongText text);
    // Whether a text is still coming or being cut to go in.
    [[nodiscard]] bool isBusy() const { return m_pending.has_value(); }

    // A message in the box's place until its text next changes: why a text
    // was refused.
    void showNotice(const QString &notice);
    [[nodiscard]] QString notice() const { return m_notice; }

    [[nodiscard]] bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    [[nodiscard]] qsizetype length() const { return m_text.length(); }
    [[nodiscard]] qsizetype cursorPosition() const { return m_cursor; }
    [[nodiscard]] qsizetype anchorPosition() const { return m_anchor; }
    // Positions given from outside (an assistive technology's among them)
    // may lie outside the text and ranges run backwards: each is brought
    // within the text, in order.
    // Puts the cursor at `position`, keeping the anchor where it is when
    // `select`, and shows it.
    void setCursorPosition(qsizetype position, bool select = false);
    [[nodiscard]] QString textBetween(qsizetype from, qsizetype to) const;
    // Where a position shows, in the viewport; empty when out of sight.
    [[nodiscard]] QRect positionRect(qsizetype position);
    // The position shown nearest a point of the viewport.
    [[nodiscard]] qsizetype positionAt(QPoint point);
    // The line that holds a position, without its line break, and the row
    // on screen.
    [[nodiscard]] std::pair<qsizetype, qsizetype> lineAround(qsizetype position) const;
    [[nodiscard]] std::pair<qsizetype, qsizetype> rowAround(qsizetype position);
    // The word or sentence that holds a position, looked for within a
    // piece's length either way.
    [[nodiscard]] std::pair<qsizetype, qsizetype>
    unitAround(qsizetype position, QTextBoundaryFinder::BoundaryType type) const;
    // Replaces the text between two positions as the user's own edit.
    void replaceText(qsizetype from, qsizetype to, const QString &text);

    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

Q_SIGNALS:
    // A text started or ended coming in: what reads the box waits meanwhile.
    void busyChanged(bool busy);

public Q_SLOTS:
    void clear();
    void selectAll();
    void copy();
    void cut();
    void paste();
    void undo();
    void redo();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void timerEvent(QTimerEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    enum class Move {
        NextCharacter,
        PreviousCharacter,
        NextWord,
        PreviousWord,
        StartOfRow,
        EndOfRow,
        StartOfLine,
        EndOfLine,
        Start,
        End,
        Up,
        Down,
        PageUp,
        PageDown,
    };
    // Where a move puts the cursor, and whether at the end of a row that its
    // line goes on from rather than at the start of the next.
    struct Target
    {
        Target(qsizetype at, bool atRowEnd = false)
            : position(at)
            , rowEnd(atRowEnd)
        {}
        qsizetype position;
        bool rowEnd;
    };
    struct Pending
    {
        qsizetype from = 0;
        qsizetype to = 0;
        bool wholeText = false;
        // When a paste from another program is given up, however it goes.
        QDeadlineTimer deadline;
        // Set when nothing waits for the text any more: its reader stops.
        std::shared_ptr<std::atomic_bool> abandoned;
        // A paste offered without knowing that the clipboard holds text says
        // so where it holds none.
        bool tellNothing = false;
    };
    // An event that came while a text was still being cut, to act once it
    // is in.
    struct Held
    {
        std::unique_ptr<QEvent> event;
        // What a held drop carries: the drag's own data ends with the drag.
        std::unique_ptr<QMimeData> data;
        // The position under the pointer when it came, carried through the
        // edits made since; negative when none.
        qsizetype at = -1;
    };
    // What a worker thread made of a long text, or of another program's
    // clipboard.
    struct Cut
    {
        LongText::Pieces pieces;
        // A whole text, made where it was cut: always, for a whole text.
        std::shared_ptr<LongText> whole;
        bool unanswered = false;
        // The display could not be reached.
        bool unreached = false;
        // A text too long to take, not kept, and its length.
        qsizetype refusedLength = 0;
    };

    // Edits.
    void edit(qsizetype from, qsizetype to, const LongText::Pieces &pieces,
              LongTextHistory::Kind kind, bool joinsPrevious = false);
    void apply(qsizetype from, qsizetype to, const LongText::Pieces &pieces);
    // Changes the text from `from` to `to` into `added` characters by
    // `change`, and keeps what follows the text in step.
    void applyChange(qsizetype from, qsizetype to, qsizetype added,
                     const std::function<void()> &change);
    void replaceAll(LongText text);
    void insertText(qsizetype from, qsizetype to, QString text, bool wholeText = false);
    void insertFromMimeData(const QMimeData *source, qsizetype from, qsizetype to);
    void pasteFrom(QClipboard::Mode mode, qsizetype from, qsizetype to, bool tellNothing = false);
    // Whether the clipboard may hold text, as far as is known without asking
    // another program, which might not answer.
    [[nodiscard]] bool mayPaste() const;
    void erase(qsizetype from, qsizetype to, LongTextHistory::Kind kind);
    void typeText(const QString &text);
    [[nodiscard]] bool fits(qsizetype removed, qsizetype added);
    void startCutting(const Pending &pending, const QFuture<Cut> &cut);
    void cutDone();
    // Drops a text still coming and what was held for it.
    void dropPending();
    void tellBusy();
    // Holds an event while a text is still being cut; true when held.
    bool hold(const QEvent *event, std::optional<QPoint> pointer = std::nullopt);
    // Holds what the key does, as a key pressed now would be.
    bool holdKey(QKeySequence::StandardKey key);
    void replay(const Held &held);
    // Where a mouse or drop event points: where it pointed when it came,
    // for one that was held.
    [[nodiscard]] Target pointedAt(QPoint point);
    void takeBack(const QList<LongTextHistory::Step> &steps, bool undoing);
    void changed();

    // The cursor.
    [[nodiscard]] qsizetype selectionStart() const { return qMin(m_cursor, m_anchor); }
    [[nodiscard]] qsizetype selectionEnd() const { return qMax(m_cursor, m_anchor); }
    [[nodiscard]] bool hasSelection() const { return m_cursor != m_anchor; }
    void moveCursor(qsizetype position, bool select, bool rowEnd = false);
    // Whether the key moves the cursor; `act` moves it.
    bool moveByKey(const QKeyEvent *event, bool act);
    [[nodiscard]] Target moved(Move move, bool select);
    [[nodiscard]] qsizetype nextCharacter(qsizetype position);
    [[nodiscard]] qsizetype previousCharacter(qsizetype position);
    [[nodiscard]] qsizetype previousCodePoint(qsizetype position) const;
    [[nodiscard]] qsizetype nextWord(qsizetype position) const;
    [[nodiscard]] qsizetype previousWord(qsizetype position) const;
    [[nodiscard]] QChar characterAt(qsizetype position) const;
    [[nodiscard]] LongTextLayout::Row rowOf(qsizetype position);
    [[nodiscard]] LongTextLayout::Row cursorRow();
    [[nodiscard]] qsizetype topPosition();
    [[nodiscard]] QRect cursorRect();
    [[nodiscard]] QRect rowRect(LongTextLayout::Row row, int offset);
    [[nodiscard]] Target positionInRow(LongTextLayout::Row row, qreal x);
    [[nodiscard]] Target targetAt(QPoint point);
    [[nodiscard]] Target rowEnd(LongTextLayout::Row row, int offset);
    [[nodiscard]] qreal cursorX();
    [[nodiscard]] Target verticalMove(bool down, bool select);
    [[nodiscard]] Target pageMove(bool down);
    [[nodiscard]] int cursorOffsetIn(int piece) const;

    // The view.
    [[nodiscard]] qreal margin() const;
    [[nodiscard]] qreal rowHeight(LongTextLayout::Row row);
    void updateScrollBar();
    void scheduleScrollBarUpdate();
    void ensureCursorVisible();
    void scrollRows(qsizetype rows);
    // Shows the caret, blinking anew while the box has the focus.
    void showCaret();
    [[nodiscard]] int cursorWidth() const;
    void updatePrimarySelection();
    [[nodiscard]] LongText::Pieces selectedPieces() const;
    [[nodiscard]] LongTextMimeData *selectedData() const;
    void relayout();

    // Mouse.
    void startDrag();
    void autoScroll();

    LongText m_text;
    LongTextLayout m_layout;
    LongTextHistory m_history;
    qsizetype m_cursor = 0;
    qsizetype m_anchor = 0;
    // The cursor is where its line goes on in the next row (a join of
    // pieces, a wrap) and shows at the end of the row before.
    bool m_cursorAtRowEnd = false;
    // The x that Up, Down, Page Up and Page Down keep; negative when none.
    qreal m_preferredX = -1;
    LongTextLayout::Row m_top;
    bool m_readOnly = false;
    bool m_updatingBar = false;
    bool m_barUpdateScheduled = false;
    quint64 m_barRowsGeneration = 0;
    QString m_notice;

    // A long text being cut on a worker thread, and the keys, clicks, drops
    // and input methods' events that came meanwhile, to be handled in order
    // once it is in.
    std::optional<Pending> m_pending;
    QFutureWatcher<Cut> m_cutting;
    std::deque<Held> m_held;
    qsizetype m_replayedAt = -1;
    bool m_toldBusy = false;

    // Text being composed by an input method, and its cursor.
    QString m_preedit;
    int m_preeditCursor = 0;

    bool m_caretShown = false;
    QBasicTimer m_blink;
    QBasicTimer m_autoScroll;
    QBasicTimer m_tripleClick;
    QPoint m_tripleClickPoint;
    QPoint m_pressPoint;
    QPoint m_mousePoint;
    bool m_selecting = false;
    bool m_mayDrag = false;
    // Where a drop would go; negative when nothing is dragged over.
    qsizetype m_dropPosition = -1;
    // The text this box's drag carries, kept where it is through the edits
    // made meanwhile; none once an edit reaches into it (a whole text set),
    // so that a move takes out that text or nothing.
    std::optional<std::pair<qsizetype, qsizetype>> m_dragged;
};
