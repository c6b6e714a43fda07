#include "crlflinecutter.h"

#include <utility>

CrLfLineCutter::CrLfLineCutter(qsizetype maximumLength)
    : m_maximumLength(qMax<qsizetype>(0, maximumLength))
{}

ParsedChunk<QByteArray> CrLfLineCutter::feed(const QByteArray &bytes)
{
    ParsedChunk<QByteArray> parsed;
    const QByteArrayView view(bytes);
    qsizetype from = 0;
    if (m_crHeld && !view.isEmpty()) {
        m_crHeld = false;
        if (view.front() == '\n') {
            endLine(parsed);
            from = 1;
        } else {
            append("\r", parsed);
        }
    }
    while (from < view.size()) {
        const qsizetype end = view.indexOf("\r\n", from);
        if (end < 0) {
            const QByteArrayView rest = view.sliced(from);
            m_crHeld = rest.endsWith('\r');
            append(m_crHeld ? rest.chopped(1) : rest, parsed);
            break;
        }
        append(view.sliced(from, end - from), parsed);
        endLine(parsed);
        from = end + 2;
    }
    return parsed;
}

bool CrLfLineCutter::needsMore() const
{
    return !m_dropping && (m_crHeld || !m_line.isEmpty());
}

void CrLfLineCutter::reset()
{
    m_line.clear();
    m_crHeld = false;
    m_dropping = false;
}

void CrLfLineCutter::append(QByteArrayView bytes, ParsedChunk<QByteArray> &parsed)
{
    if (m_dropping || bytes.isEmpty())
        return;
    const qsizetype room = m_maximumLength - m_line.size();
    if (bytes.size() <= room) {
        m_line.append(bytes);
        return;
    }
    m_line.append(bytes.first(room));
    parsed.corrupt.append(std::exchange(m_line, {}));
    m_dropping = true;
}

void CrLfLineCutter::endLine(ParsedChunk<QByteArray> &parsed)
{
    if (!m_dropping)
        parsed.results.append(std::exchange(m_line, {}));
    m_dropping = false;
}
