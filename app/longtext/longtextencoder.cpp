#include "longtextencoder.h"

LongTextEncoder::LongTextEncoder(LongText::Pieces pieces, Encoding encoding)
    : m_pieces(std::move(pieces))
    , m_encoding(encoding)
    , m_remaining(LongText::length(m_pieces))
{}

QByteArray LongTextEncoder::next(qsizetype units)
{
    QByteArray part;
    qsizetype left = qMin(units, m_remaining);
    while (left > 0 && m_piece < m_pieces.size()) {
        const QStringView text(m_pieces.at(m_piece));
        if (m_offset < text.size()) {
            qsizetype taken = qMin(left, text.size() - m_offset);
            // A pair's first half waits for its second, unless the part
            // would otherwise carry nothing.
            if (m_offset + taken < text.size() && text.at(m_offset + taken - 1).isHighSurrogate())
                taken += part.isEmpty() && taken == 1 ? 1 : -1;
            if (taken == 0)
                break;
            const QStringView view = text.mid(m_offset, taken);
            part += m_encoding == Encoding::Utf8 ? view.toUtf8() : view.toLatin1();
            m_offset += taken;
            left -= taken;
            m_remaining -= taken;
            continue;
        }
        ++m_piece;
        m_offset = 0;
    }
    return part;
}
