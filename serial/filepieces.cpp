#include "filepieces.h"

#include <QIODevice>

#include <cstring>
#include <utility>

FilePieces::FilePieces(QIODevice &file, bool heldCr)
    : m_file(file)
    , m_heldCr(heldCr)
{}

bool FilePieces::atEnd() const
{
    return !m_heldCr && m_file.atEnd();
}

QByteArray FilePieces::next()
{
    QByteArray buffer(maxBytes + 2, Qt::Uninitialized);
    qint64 start = 0;
    const qint64 size = read(buffer.data(), start);
    return size > 0 ? buffer.mid(start, size) : QByteArray();
}

std::optional<qint64> FilePieces::countRest(QIODevice &file, bool heldCr,
                                            const std::function<bool(qint64)> &goOn)
{
    constexpr qint64 blockBytes = qint64(1) << 20;
    QByteArray block(blockBytes, Qt::Uninitialized);
    qint64 counted = heldCr ? 1 : 0;
    bool afterCr = heldCr;
    for (;;) {
        const qint64 read = file.read(block.data(), blockBytes);
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            return counted;
        counted += read;
        const char *const begin = block.constData();
        const char *const end = begin + read;
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
        // A CR last may be the start of a CR LF: it is not told until then.
        if (!goOn(counted - (afterCr ? 1 : 0)))
            return std::nullopt;
    }
}

// The bytes read go from buffer[1] on, so that a CR held from the read before
// can stand in front of them in buffer[0]. A read stops after an LF, so only
// its last two bytes can be a CR LF of its own.
qint64 FilePieces::read(char *buffer, qint64 &start)
{
    for (;;) {
        const bool held = std::exchange(m_heldCr, false);
        if (held && m_file.atEnd()) {
            buffer[0] = '\r';
            start = 0;
            return 1;
        }
        // With a CR in front, one byte less is read, so no piece passes 4 KB.
        const qint64 read = m_file.readLine(buffer + 1, held ? maxBytes : maxBytes + 1);
        if (read <= 0) {
            m_heldCr = held;
            return 0;
        }
        start = held && buffer[1] != '\n' ? 0 : 1;
        if (start == 0)
            buffer[0] = '\r';
        qint64 end = 1 + read;
        if (read >= 2 && buffer[end - 2] == '\r' && buffer[end - 1] == '\n') {
            buffer[end - 2] = '\n';
            --end;
        } else if (buffer[end - 1] == '\r') {
            m_heldCr = true;
            --end;
        }
        // A read of a lone CR alone gives nothing yet: the next byte decides.
        if (end > start)
            return end - start;
    }
}
