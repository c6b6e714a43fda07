#pragma once

#include "hexformat.h"
#include "receivedecoder.h"
#include "receivelines.h"
#include "writerate.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>

class QPlainTextEdit;
class QTextBlock;
class QTextDocument;

// A tool's receive views: received bytes as text and, when the tool has one,
// as a hex dump. Each chunk is decoded by the view's own stream decoder and
// shown with an optional green "[hh:mm:ss.zzz]" stamp (taken when the chunk
// arrives) before the data in black; the data is never read as markup.
// Appends are gathered and written together a few milliseconds later, so a
// fast stream does not redraw the views once per read, and long lines are
// cut into display lines so that the line limit bounds every view. Each
// write is one view's slice, sized to a short time budget; while data keeps
// coming, the writes leave the window twice their time for everything else,
// lines that newer ones push out of the line limit before their turn are
// never written, and the views repaint at most every refresh. The hex view's
// bytes are kept (as many as it could show) and dumped only when written, so
// a hidden hex view costs next to nothing. The text view's font is warmed up
// for every script while the window is idle (`ScriptFontWarmUp`).
class ReceiveView : public QObject
{
    Q_OBJECT

public:
    ReceiveView(QPlainTextEdit *textView, QPlainTextEdit *hexView, QObject *parent = nullptr,
                HexFormat::Style hexStyle = HexFormat::Style::Compact,
                ReceiveDecoder::Encoding encoding = ReceiveDecoder::Encoding::Utf8);

    // Sets the views up as receive views: read-only, selectable, at most
    // `maximumBlocks` lines each (older lines are dropped).
    void setUp(int maximumBlocks = 10000);
    // Shows one received chunk. A chunk from another `source` than the one
    // before (another peer) is decoded afresh: a character one peer left
    // unfinished is never joined with another's bytes.
    void appendBytes(const QByteArray &bytes, bool timeStamp, const QString &source = {});
    void setHexViewShown(bool shown);
    void resetDecoder();
    // Writes everything pending to both views now.
    void flush();
    // Drops what is pending and empties both views.
    void clear();
    void scrollToBottom();
    // The text view's text as received, what is still pending included: lines
    // cut at the display cap are joined again.
    [[nodiscard]] QString plainText();

    // Writes a batch of lines at the end of a view (a green stamp, the data in
    // black) and drops the oldest lines beyond the view's block limit. Each
    // line is one block: its text holds no line or paragraph end (the receive
    // decoder turns them into line feeds, which end lines).
    static void writeLines(QPlainTextEdit *view, ReceiveLines::Batch batch);

Q_SIGNALS:
    // The views show newer data: emitted when they repaint what was written
    // (while data floods in, at most every refresh) and by every flush.
    void updated();

private:
    struct HeldChunk
    {
        QByteArray bytes;
        QString stamp;
    };

    // One view with the lines it has yet to show.
    struct Pane
    {
        QPlainTextEdit *view;
        ReceiveLines lines;
        // How fast the view takes text, and the slice a write should not pass.
        WriteRate rate;
        bool written = false;   // in the current refresh
        bool paintHeld = false; // written since the window last showed it
        bool centredBefore = false;
    };

    void holdHex(const QByteArray &bytes, const QString &stamp);
    void dumpHeldHex(qsizetype chars);
    [[nodiscard]] qsizetype waitingChars(const Pane &pane) const;
    [[nodiscard]] bool waits(const Pane &pane) const;
    [[nodiscard]] bool holdsSlice(const Pane &pane) const;
    [[nodiscard]] bool hasPending() const;
    void planStep();
    void step();
    void show();
    void holdPaint(Pane &pane);
    void releasePaint();
    [[nodiscard]] Pane &nextPane();
    qint64 writeSlice(Pane &pane, qsizetype maximumChars);
    using LineIterator = std::deque<ReceiveLines::Line>::const_iterator;
    static void markContinuations(QTextBlock block, LineIterator first, LineIterator last);
    static void removeOldestBlocks(QTextDocument *document, int count);

    HexFormat::Style m_hexStyle;
    ReceiveDecoder m_decoder;
    QString m_source;
    int m_maximumBlocks = 0;
    Pane m_text;
    Pane m_hex;
    bool m_hexShown = true;
    std::deque<HeldChunk> m_heldHex;
    qsizetype m_heldBytes = 0;
    bool m_heldOverflow = false;
    QTimer m_stepTimer;
    // A refresh writes each view that has something to show, one step each,
    // and goes on step by step while whole slices keep coming.
    bool m_refreshing = false;
    bool m_hexWroteLast = false;
    QElapsedTimer m_sinceRefresh;
    // Data came since the last step; the time owed to the rest of the window
    // after it.
    bool m_streaming = false;
    QElapsedTimer m_sinceStep;
    qint64 m_pauseMs = 0;
    QElapsedTimer m_sinceShow;
    QTimer m_showTimer;
};
