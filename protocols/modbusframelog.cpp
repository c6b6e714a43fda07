#include "modbusframelog.h"

#include "hexformat.h"
#include "localclock.h"
#include "receiveview.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
// A frame after a quiet spell shows after this gathering delay; frames that
// keep coming show at most once per refresh. Writes take at most a
// fiftieth of the time: a refresh waits longer after a long write, so a
// fast run of transactions spends its time on them, not on the log. A
// large gathering goes in parts of so many lines, a short pause apart.
constexpr int gatherMs = 10;
constexpr qint64 refreshMs = 100;
constexpr qint64 longestRefreshMs = 2000;
constexpr qint64 timePerWrite = 50;
constexpr size_t linesPerWrite = 2000;
constexpr int partPauseMs = 10;
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
    // Frames logged within the same millisecond share their stamp's text.
    const QTime now = LocalClock::now();
    if (now.msecsSinceStartOfDay() != m_stampMs) {
        m_stampMs = now.msecsSinceStartOfDay();
        m_stamp = ReceiveLines::timeStamp(now);
    }
    m_lines.append(hex, m_stamp);
    if (!m_writeTimer.isActive())
        m_writeTimer.start(
            int(qBound(qint64(gatherMs), m_refreshMs - m_sinceWrite.elapsed(), m_refreshMs)));
}

void ModbusFrameLog::flush()
{
    m_writeTimer.stop();
    m_sinceWrite.start();
    if (m_lines.hasPending())
        gather(m_lines.take());
    if (m_backlog.lines.empty() && !m_backlog.replacesView)
        return;
    ReceiveLines::Batch part;
    part.replacesView = std::exchange(m_backlog.replacesView, false);
    part.continuesLastLine = std::exchange(m_backlog.continuesLastLine, false);
    const auto end =
        m_backlog.lines.begin() + std::ptrdiff_t(std::min(m_backlog.lines.size(), linesPerWrite));
    part.lines.assign(std::make_move_iterator(m_backlog.lines.begin()),
                      std::make_move_iterator(end));
    m_backlog.lines.erase(m_backlog.lines.begin(), end);
    ReceiveView::writeLines(m_view, std::move(part));
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
    m_refreshMs = qBound(refreshMs, timePerWrite * m_sinceWrite.elapsed(), longestRefreshMs);
    if (!m_backlog.lines.empty())
        m_writeTimer.start(partPauseMs);
}

// Adds taken lines behind those not yet written; lines that replace the
// view replace those too.
void ModbusFrameLog::gather(ReceiveLines::Batch batch)
{
    if (batch.replacesView || (m_backlog.lines.empty() && !m_backlog.replacesView)) {
        m_backlog = std::move(batch);
        return;
    }
    if (batch.continuesLastLine && !batch.lines.empty()) {
        m_backlog.lines.back().text += batch.lines.front().text;
        batch.lines.pop_front();
    }
    std::move(batch.lines.begin(), batch.lines.end(), std::back_inserter(m_backlog.lines));
}

void ModbusFrameLog::clear()
{
    m_writeTimer.stop();
    m_lines.clear();
    m_backlog = {};
    m_view->clear();
}
