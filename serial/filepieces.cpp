#include "filepieces.h"

#include <QIODevice>

#include <cstring>
#include <utility>

namespace {
// A read asks for this much, a piece and more.
constexpr qint64 readBytes = 16384;
} // namespace

FilePieces::FilePieces(QIODevice &file)
    : m_file(file)
{}

void FilePieces::fill()
{
    while (!m_ended && m_buffer.size() <= maxBytes && !m_buffer.contains('\n')) {
        const qsizetype held = m_buffer.size();
        m_buffer.resize(held + readBytes);
        const qint64 read = m_file.read(m_buffer.data() + held, readBytes);
        m_buffer.resize(held + qMax<qint64>(read, 0));
        if (read < 0)
            m_failed = true;
        if (read <= 0)
            m_ended = true;
    }
}

// A piece ends after the first LF among its first 4 KB, or where 4 KB end;
// its CR LF is sent as LF. An LF right after the 4 KB ends the piece too
// when a CR comes before it, so that the pair is never cut.
QByteArray FilePieces::next()
{
    fill();
    if (m_buffer.isEmpty())
        return {};
    const qsizetype scanned = qMin<qsizetype>(m_buffer.size(), maxBytes + 1);
    const auto *lf = static_cast<const char *>(std::memchr(m_buffer.constData(), '\n', scanned));
    qsizetype taken = qMin<qsizetype>(m_buffer.size(), maxBytes);
    bool crLf = false;
    if (lf) {
        const qsizetype at = lf - m_buffer.constData();
        crLf = at > 0 && lf[-1] == '\r';
        if (at < maxBytes || crLf)
            taken = at + 1;
    }
    QByteArray piece = m_buffer.left(taken);
    m_buffer.remove(0, taken);
    if (crLf)
        piece.remove(piece.size() - 2, 1);
    return piece;
}

// The file is read on past an end met before, so that what was added to it
// since is counted too.
std::optional<qint64> FilePieces::countRest(const std::function<bool(qint64)> &goOn)
{
    QByteArray block = std::exchange(m_buffer, QByteArray());
    qint64 counted = 0;
    bool afterCr = false;
    for (;;) {
        if (block.isEmpty()) {
            if (m_failed)
                return std::nullopt;
            block.resize(countBlockBytes);
            const qint64 read = m_file.read(block.data(), countBlockBytes);
            if (read < 0)
                return std::nullopt;
            if (read == 0)
                return counted;
            block.resize(read);
        }
        counted += block.size();
        const char *const begin = block.constData();
        const char *const end = begin + block.size();
        if (afterCr && *begin == '\n')
            --counted;
        for (const char *lf = begin + 1; lf < end;) {
            lf = static_cast<const char *>(std::memchr(lf, '\n', end - lf));
            if (!lf)
                break;
            if (lf[-1] == '\r')
                --counted;
            ++lf;
        }
        afterCr = end[-1] == '\r';
        block.resize(0);
        // A CR last may be the start of a CR LF: it is not told until then.
        if (!goOn(counted - (afterCr ? 1 : 0)))
            return std::nullopt;
    }
}
