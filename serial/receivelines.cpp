#include "receivelines.h"

#include <QTime>

ReceiveLines::ReceiveLines(qsizetype lineCap, int maximumLines)
    : m_lineCap(qMax<qsizetype>(lineCap, 2))
    , m_maximumLines(qMax(maximumLines, 1))
{}

QString ReceiveLines::timeStamp(const QTime &time)
{
    return time.toString(QStringLiteral("[hh:mm:ss.zzz]"));
}

void ReceiveLines::append(QStringView text, QStringView stamp)
{
    if (!stamp.isEmpty()) {
        if (m_empty)
            openLine();
        else
            newLine(false);
        Line &line = m_lines.back();
        line.text = stamp.toString();
        line.stampLength = stamp.size();
        m_pendingChars += stamp.size();
        m_column = 0;
        m_empty = false;
    }
    for (;;) {
        const qsizetype lineFeed = text.indexOf(QLatin1Char('\n'));
        appendData(text.first(lineFeed < 0 ? text.size() : lineFeed));
        if (lineFeed < 0)
            break;
        newLine(false);
        text = text.sliced(lineFeed + 1);
    }
}

// The line that data goes on: the last pending one, or the view's last line.
ReceiveLines::Line &ReceiveLines::openLine()
{
    if (m_lines.empty()) {
        m_lines.emplace_back();
        m_continues = true;
    }
    return m_lines.back();
}

void ReceiveLines::newLine(bool continuation)
{
    if (m_lines.empty())
        m_continues = false;
    Line line;
    line.continuation = continuation;
    m_lines.push_back(std::move(line));
    m_column = 0;
    m_empty = false;
    if (qsizetype(m_lines.size()) <= m_maximumLines)
        return;
    // The view keeps only its newest lines, all of them pending now.
    while (qsizetype(m_lines.size()) > m_maximumLines) {
        m_pendingChars -= m_lines.front().text.size();
        m_lines.pop_front();
    }
    m_replaces = true;
}

// Data without line feeds, cut into continuation lines at the cap; a cut
// never splits a surrogate pair.
void ReceiveLines::appendData(QStringView data)
{
    while (!data.isEmpty()) {
        if (m_column >= m_lineCap)
            newLine(true);
        qsizetype take = qMin(m_lineCap - m_column, data.size());
        if (take < data.size() && data.at(take - 1).isHighSurrogate() && --take == 0) {
            newLine(true);
            continue;
        }
        openLine().text += data.first(take);
        m_pendingChars += take;
        m_column += take;
        m_empty = false;
        data = data.sliced(take);
    }
}

ReceiveLines::Batch ReceiveLines::take()
{
    Batch batch;
    batch.lines.swap(m_lines);
    batch.continuesLastLine = m_continues && !m_replaces;
    batch.replacesView = m_replaces;
    m_replaces = false;
    m_continues = true;
    m_pendingChars = 0;
    return batch;
}

ReceiveLines::Batch ReceiveLines::take(qsizetype maximumChars)
{
    // The last line stays pending (data may still run on in it), unless it
    // is the only one.
    if (m_pendingChars <= maximumChars || m_lines.size() <= 1)
        return take();
    Batch batch;
    batch.continuesLastLine = m_continues && !m_replaces;
    batch.replacesView = m_replaces;
    qsizetype chars = 0;
    while (m_lines.size() > 1 &&
           (batch.lines.empty() || chars + m_lines.front().text.size() <= maximumChars)) {
        chars += m_lines.front().text.size();
        batch.lines.push_back(std::move(m_lines.front()));
        m_lines.pop_front();
    }
    m_pendingChars -= chars;
    m_replaces = false;
    m_continues = false;
    return batch;
}

void ReceiveLines::clear()
{
    m_lines.clear();
    m_pendingChars = 0;
    m_column = 0;
    m_empty = true;
    m_continues = true;
    m_replaces = true;
}
