#pragma once

#include "hexformat.h"
#include "receivedecoder.h"
#include "receivelines.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>

class QPlainTextEdit;
class QTextDocument;

// A tool's receive views: received bytes as text and, when the tool has one,
// as a hex dump. Each chunk is decoded by the view's own stream decoder and
// shown with an optional green "[hh:mm:ss.zzz]" stamp (taken when the chunk
// arrives) before the data in black; the data is never read as markup.
// Appends are gathered and written together a few milliseconds later, so a
// fast stream does not redraw the views once per read, and long lines are
// cut into display lines so that the line limit bounds every view. While the
// hex view is hidden its bytes are only kept (as many as it could show) and
// dumped when it is shown again.
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
    void flush();
    // Drops what is pending and empties both views.
    void clear();
    void scrollToBottom();
    // The text view's text as received, what is still pending included: lines
    // cut at the display cap are joined again.
    [[nodiscard]] QString plainText();

    // Writes a batch of lines at the end of a view (a green stamp, the data in
    // black) and drops the oldest lines beyond the view's block limit.
    static void writeLines(QPlainTextEdit *view, ReceiveLines::Batch batch);

Q_SIGNALS:
    // The views show everything appended so far (emitted by every flush).
    void updated();

private:
    struct HeldChunk
    {
        QByteArray bytes;
        QString stamp;
    };

    void holdHex(const QByteArray &bytes, const QString &stamp);
    void writeText();
    void writeHex();
    // How fast one view takes text on this machine, and the batch that a
    // write of it should not pass.
    struct WriteRate
    {
        double charsPerNs = 0;
        qsizetype batchChars = 256 * 1024;
        void measure(qsizetype chars, qint64 elapsedNs);
    };

    void writeStep(QPlainTextEdit *view, ReceiveLines &lines, WriteRate &rate);
    static void removeOldestBlocks(QTextDocument *document, int count);

    QPlainTextEdit *m_textView;
    QPlainTextEdit *m_hexView;
    HexFormat::Style m_hexStyle;
    ReceiveDecoder m_decoder;
    QString m_source;
    int m_maximumBlocks = 0;
    ReceiveLines m_textLines;
    ReceiveLines m_hexLines;
    bool m_hexShown = true;
    std::deque<HeldChunk> m_heldHex;
    qsizetype m_heldBytes = 0;
    bool m_heldOverflow = false;
    QTimer m_flushTimer;
    QElapsedTimer m_sinceWrite;
    QTimer m_hexStepTimer;
    WriteRate m_textRate;
    WriteRate m_hexRate;
};
