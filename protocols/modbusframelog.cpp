#include "modbusframelog.h"

#include "hexformat.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>

namespace {
// A frame after a quiet spell shows after this gathering delay; frames that
// keep coming show at most once per refresh.
constexpr int gatherMs = 10;
constexpr int refreshMs = 100;
// A display line holds at most this many bytes of a frame.
constexpr qsizetype bytesPerLine = 64;
} // namespace

ModbusFrameLog::ModbusFrameLog(QPlainTextEdit *view, int maximumLines, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_lines(bytesPerLine * HexFormat::charsPerByte(HexFormat::Style::Compact), maximumLines)
{
    m_view->setReadOnly(true);
    m_view->setMaximumBlockCount(maximumLines);
    m_writeTimer.setSingleShot(true);
    connect(&m_writeTimer, &QTimer::timeout, this, &ModbusFrameLog::flush);
    m_sinceWrite.start();
    m_stampFormat.setForeground(Qt::darkGreen);
    m_dataFormat.setForeground(Qt::black);
}

void ModbusFrameLog::append(const QByteArray &frame)
{
    QString hex = HexFormat::chunk(frame, HexFormat::Style::Compact, true);
    hex.chop(1);
    m_lines.append(hex, ReceiveLines::timeStamp(QTime::currentTime()));
    if (!m_writeTimer.isActive())
        m_writeTimer.start(
            int(qBound(qint64(gatherMs), refreshMs - m_sinceWrite.elapsed(), qint64(refreshMs))));
}

// One edit for the whole batch. The document's block limit is lifted while
// the batch goes in and the oldest blocks are removed afterwards in one
// step: its own trimming would lay out each block it drops.
void ModbusFrameLog::flush()
{
    m_writeTimer.stop();
    m_sinceWrite.start();
    if (!m_lines.hasPending())
        return;
    const ReceiveLines::Batch batch = m_lines.take();
    QTextDocument *document = m_view->document();
    const int blockLimit = document->maximumBlockCount();
    document->setMaximumBlockCount(0);
    if (batch.replacesView)
        document->clear();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    // Lines without a stamp (the rest of a long frame) go in together.
    QString run;
    const auto insertRun = [&cursor, &run, this] {
        cursor.insertText(run, m_dataFormat);
        run.clear();
    };
    bool onLastLine = batch.continuesLastLine || batch.replacesView;
    for (const ReceiveLines::Line &line : batch.lines) {
        const bool newBlock = !onLastLine;
        onLastLine = false;
        if (line.stampLength == 0) {
            if (newBlock)
                run += QLatin1Char('\n');
            run += line.text;
            continue;
        }
        insertRun();
        if (newBlock)
            cursor.insertBlock();
        cursor.insertText(line.text.left(line.stampLength), m_stampFormat);
        cursor.insertText(line.text.mid(line.stampLength), m_dataFormat);
    }
    insertRun();
    cursor.endEditBlock();
    removeOldestBlocks(document->blockCount() - blockLimit);
    document->setMaximumBlockCount(blockLimit);
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
}

void ModbusFrameLog::removeOldestBlocks(int count)
{
    if (count <= 0)
        return;
    QTextDocument *document = m_view->document();
    QTextCursor oldest(document);
    oldest.beginEditBlock();
    oldest.setPosition(document->findBlockByNumber(count).position(), QTextCursor::KeepAnchor);
    oldest.removeSelectedText();
    oldest.endEditBlock();
}

void ModbusFrameLog::clear()
{
    m_writeTimer.stop();
    m_lines.clear();
    m_view->clear();
}
