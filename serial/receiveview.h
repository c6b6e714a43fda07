#pragma once

#include "receivedecoder.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QTimer>

#include <vector>

class QPlainTextEdit;
class QTextDocument;

// Appends received data to a terminal's pair of receive views, text and hex.
// appendBytes() decodes the bytes with the view's own stream decoder (kept
// across chunks; reset it when a port or link opens) and dumps them as hex;
// append() takes text and hex that the caller made itself.
// With time stamps, each chunk starts a new line with a green
// "[hh:mm:ss.zzz]" stamp (taken when the chunk is appended) followed by the
// data in black; without, the data runs on as plain text. The data is never
// read as markup. Appends are gathered and written to the views together a
// few milliseconds later, so a fast stream does not redraw the views once per
// read; flush() writes what is pending at once.
class ReceiveView : public QObject
{
    Q_OBJECT

public:
    ReceiveView(QPlainTextEdit *textView, QPlainTextEdit *hexView, QObject *parent = nullptr,
                QStringConverter::Encoding encoding = QStringConverter::Utf8);

    // Sets both views up as receive views: read-only, selectable, at most
    // `maximumBlocks` blocks each (older blocks are dropped).
    void setUp(int maximumBlocks = 10000);
    void appendBytes(const QByteArray &bytes, bool timeStamp);
    void append(const QString &text, const QString &hex, bool timeStamp);
    void resetDecoder();
    void flush();
    // Drops what is pending and empties both views.
    void clear();
    void scrollToBottom();

private:
    struct Chunk
    {
        QString stamp; // empty without time stamps
        QString text;
        QString hex;
    };

    void write(QPlainTextEdit *view, QString Chunk::*part);
    static void removeOldestBlocks(QTextDocument *document, int count);

    QPlainTextEdit *m_textView;
    QPlainTextEdit *m_hexView;
    ReceiveDecoder m_decoder;
    std::vector<Chunk> m_pending;
    qsizetype m_pendingChars = 0;
    QTimer m_flushTimer;
    QTextCharFormat m_stampFormat;
    QTextCharFormat m_dataFormat;
};
