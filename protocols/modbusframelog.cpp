#include "modbusframelog.h"

#include "hexformat.h"
#include "localclock.h"
#include "receiveview.h"

#include <QPlainTextEdit>
#include <QScrollBar>

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
}

void ModbusFrameLog::append(const QByteArray &frame, bool answersNoRequest)
{
    QString hex = HexFormat::chunk(frame, HexFormat::Style::Compact, true);
    hex.chop(1);
    if (answersNoRequest)
        hex += tr("  (answers no request)");
    m_lines.append(hex, ReceiveLines::timeStamp(LocalClock::now()));
    if (!m_writeTimer.isActive())
        m_writeTimer.start(
            int(qBound(qint64(gatherMs), refreshMs - m_sinceWrite.elapsed(), qint64(refreshMs))));
}

void ModbusFrameLog::flush()
{
    m_writeTimer.stop();
    m_sinceWrite.start();
    if (!m_lines.hasPending())
        return;
    ReceiveView::writeLines(m_view, m_lines.take());
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
}

void ModbusFrameLog::clear()
{
    m_writeTimer.stop();
    m_lines.clear();
    m_view->clear();
}
