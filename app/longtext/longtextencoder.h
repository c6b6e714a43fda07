#pragma once

#include "longtext.h"

#include <QByteArray>

// A text held as pieces turned into bytes a part at a time, as another
// program reads it: the whole text is never made at once, and a part ends
// between characters, never within a surrogate pair.
class LongTextEncoder
{
public:
    enum class Encoding {
        Utf8,
        // Characters past U+00FF become '?'.
        Latin1,
    };

    LongTextEncoder(LongText::Pieces pieces, Encoding encoding);

    // What is left to encode, in UTF-16 units, a line break being one.
    [[nodiscard]] qsizetype remaining() const { return m_remaining; }
    // The most bytes one unit takes.
    [[nodiscard]] int widestUnit() const { return m_encoding == Encoding::Utf8 ? 3 : 1; }
    // The next part: at most `units` units, at least one character while
    // any is left; empty at the end.
    [[nodiscard]] QByteArray next(qsizetype units);

private:
    LongText::Pieces m_pieces;
    Encoding m_encoding;
    int m_piece = 0;
    // Within the piece's text.
    qsizetype m_offset = 0;
    qsizetype m_remaining = 0;
};
