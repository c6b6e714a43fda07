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
// fiftieth of the time: a refresh waits longer after a write that took
// long, so a fast run of transactions spends its time on them, not on the
// log. A large write goes in parts of so many lines, a short pause apart.
constexpr int gatherMs = 10;
constexpr qint64 refreshMs = 100;
constexpr qint64 longestRefreshMs = 2000;
constexpr qint64 timePerWrite = 50;
constexpr size_t linesPerWrite = 2000;
constexpr int partPauseMs = 10;
// While frames come faster than a refresh shows them, a refresh shows the
// newest lines only, at most so many and so often.
constexpr qsizetype previewLines = 200;
constexpr qint64 previewRefreshMs = 1000;
// A display line holds at most this many bytes of a frame.
constexpr qsizetype bytesPerLine = 64;
const int charsPerByte = HexFormat::charsPerByte(HexFormat::Style::Compact);

// The lines a frame takes at least: as many as its text fills at the cap.
[[nodiscard]] qsizetype leastLines(const QByteArray &frame)
{
    const qsizetype lineChars = bytesPerLine * charsPerByte;
    return qMax<qsizetype>(1, (frame.size() * charsPerByte - 2 + lineChars) / lineChars);
}
} // namespace

ModbusFrameLog::ModbusFrameLog(QPlainTextEdit *view, int maximumLines, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_maximumLines(qMax(maximumLines, 1))
    , m_lines(bytesPerLine * charsPerByte, maximumLines)
{
    m_view->setReadOnly(true);
    m_view->setMaximumBlockCount(maximumLines);
    m_writeTimer.setSingleShot(true);
    connect(&m_writeTimer, &QTimer::timeout, this, &ModbusFrameLog::refresh);
    m_sinceWrite.start();
}

void ModbusFrameLog::append(const QByteArray &frame, bool answersNoRequest)
{
    m_entries.push_back({frame, LocalClock::now().msecsSinceStartOfDay(), answersNoRequest});
    ++m_unwritten;
    m_unwrittenLines += leastLines(frame);
    m_entryLines += leastLines(frame);
    // Frames whose lines the newer ones push out of the view would never
    // show: a flood of long frames keeps no more than the view holds.
    while (m_entryLines - leastLines(m_entries.front().frame) >= m_maximumLines) {
        const qsizetype lines = leastLines(m_entries.front().frame);
        if (m_unwritten == qsizetype(m_entries.size())) {
            --m_unwritten;
            m_unwrittenLines -= lines;
        }
        m_entryLines -= lines;
        m_entries.pop_front();
    }
    planWrite();
}

void ModbusFrameLog::append(const QList<ModbusReplyCollector::Frame> &frames)
{
    for (const ModbusReplyCollector::Frame &frame : frames)
        append(frame.bytes, !frame.answersRequest);
}

void ModbusFrameLog::flush()
{
    m_writeTimer.stop();
    if (m_backlog.lines.empty() && !m_backlog.replacesView) {
        if (!m_complete || m_unwrittenLines >= m_maximumLines)
            gather(Take::Complete);
        else if (m_unwritten > 0)
            gather(Take::Unwritten);
        else
            return;
    }
    writePart();
}

// While frames keep coming faster than the view can take them, only the
// newest show; once they stop, the view is made whole.
void ModbusFrameLog::refresh()
{
    if (m_backlog.lines.empty() && !m_backlog.replacesView) {
        if (m_unwritten == 0 && !m_complete)
            gather(Take::Complete);
        else if (m_unwrittenLines > previewLines && previewLines < m_maximumLines)
            gather(Take::Preview);
        else if (m_unwritten > 0)
            gather(Take::Unwritten);
        else
            return;
    }
    writePart();
}

// Writes out as lines what `take` says, for the parts to write.
void ModbusFrameLog::gather(Take take)
{
    auto first = m_entries.cend() - m_unwritten;
    if (take != Take::Unwritten) {
        const qsizetype wanted = take == Take::Preview ? previewLines : m_maximumLines;
        qsizetype lines = 0;
        for (first = m_entries.cend(); first != m_entries.cbegin() && lines < wanted;)
            lines += leastLines((--first)->frame);
        m_lines.clear();
        m_complete = take == Take::Complete;
    }
    for (auto entry = first; entry != m_entries.cend(); ++entry) {
        QString hex = HexFormat::chunk(entry->frame, HexFormat::Style::Compact, true);
        hex.chop(1);
        if (entry->answersNoRequest)
            hex += tr("  (answers no request)");
        // Frames logged within the same millisecond share their stamp's text.
        if (entry->loggedAtMs != m_stampMs) {
            m_stampMs = entry->loggedAtMs;
            m_stamp = ReceiveLines::timeStamp(QTime::fromMSecsSinceStartOfDay(m_stampMs));
        }
        m_lines.append(hex, m_stamp);
    }
    m_unwritten = 0;
    m_unwrittenLines = 0;
    m_backlog = m_lines.take();
    m_sinceWrite.start();
    m_writeNs = 0;
    m_preview = take == Take::Preview;
}

void ModbusFrameLog::writePart()
{
    QElapsedTimer clock;
    clock.start();
    ReceiveLines::Batch part;
    part.replacesView = std::exchange(m_backlog.replacesView, false);
    part.continuesLastLine = std::exchange(m_backlog.continuesLastLine, false);
    const auto end =
        m_backlog.lines.begin() + std::ptrdiff_t(std::min(m_backlog.lines.size(), linesPerWrite));
    part.lines.assign(std::make_move_iterator(m_backlog.lines.begin()),
                      std::make_move_iterator(end));
    m_backlog.lines.erase(m_backlog.lines.begin(), end);
    // A write in parts shows once, whole.
    const bool lastPart = m_backlog.lines.empty();
    if (!lastPart)
        m_view->setUpdatesEnabled(false);
    ReceiveView::writeLines(m_view, std::move(part));
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
    m_writeNs += clock.nsecsElapsed();
    if (lastPart) {
        m_view->setUpdatesEnabled(true);
        m_refreshMs = qBound(m_preview ? previewRefreshMs : refreshMs,
                             timePerWrite * m_writeNs / 1'000'000, longestRefreshMs);
    }
    planWrite();
}

// The next part of a write follows a short pause; the next write waits for
// the refresh.
void ModbusFrameLog::planWrite()
{
    if (m_writeTimer.isActive())
        return;
    if (!m_backlog.lines.empty())
        m_writeTimer.start(partPauseMs);
    else if (m_unwritten > 0 || !m_complete)
        m_writeTimer.start(
            int(qBound(qint64(gatherMs), m_refreshMs - m_sinceWrite.elapsed(), m_refreshMs)));
}

void ModbusFrameLog::clear()
{
    m_writeTimer.stop();
    m_entries.clear();
    m_entryLines = 0;
    m_unwritten = 0;
    m_unwrittenLines = 0;
    m_complete = true;
    m_lines.clear();
    m_backlog = {};
    m_view->clear();
    m_view->setUpdatesEnabled(true);
}
