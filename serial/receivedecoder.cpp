#include "receivedecoder.h"

#include <algorithm>

namespace {
// The length of a UTF-8 sequence that begins with `lead`; 0 for a byte that
// cannot begin one.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xc2 && lead <= 0xdf)
        return 2;
    if (lead >= 0xe0 && lead <= 0xef)
        return 3;
    if (lead >= 0xf0 && lead <= 0xf4)
        return 4;
    return 0;
}

// Where an unfinished UTF-8 sequence at the end of `bytes` begins, or the
// size of `bytes` when none does.
qsizetype utf8CompleteLength(const QByteArray &bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype start = size - 1; start >= 0 && start >= size - 3; --start) {
        const auto byte = static_cast<unsigned char>(bytes.at(start));
        if ((byte & 0xc0) == 0x80)
            continue;
        const int length = sequenceLength(byte);
        return length > size - start ? start : size;
    }
    return size;
}

// Where a GBK lead byte that still waits for its second byte stands at the
// end of `bytes`, or the size of `bytes` when none does.
qsizetype gbkCompleteLength(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        if (byte < 0x81 || byte == 0xff) {
            ++i;
            continue;
        }
        if (i + 1 == bytes.size())
            return i;
        i += 2;
    }
    return bytes.size();
}

// The line ends besides LF: CR and the paragraph ends of a text document.
bool isLineEnd(char16_t c)
{
    return c == u'\r' || c == u'\u2029' || c == u'\ufdd0' || c == u'\ufdd1';
}
} // namespace

ReceiveDecoder::ReceiveDecoder(Encoding encoding)
    : m_encoding(encoding)
    , m_utf8(QStringConverter::Utf8,
             QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom)
    , m_gbk("GBK")
{
    // A Qt without a GBK converter still shows the bytes, as UTF-8.
    if (!m_gbk.isValid())
        m_gbk = QStringDecoder(QStringConverter::Utf8);
}

QString ReceiveDecoder::decode(const QByteArray &chunk)
{
    return withLineFeeds(decodeHeld(chunk));
}

// The chunk, with the bytes held back from the one before, is read as UTF-8
// (when the encoding allows GBK: when it is valid UTF-8) up to a sequence
// that is not finished yet; anything else is read as GBK. Either way an
// unfinished character waits for the next chunk. The held bytes are kept
// here rather than in a stateful decoder: that one drops the byte after an
// unfinished sequence that the next chunk breaks off.
QString ReceiveDecoder::decodeHeld(const QByteArray &chunk)
{
    QByteArray bytes = m_held + chunk;
    qsizetype complete = utf8CompleteLength(bytes);
    const bool utf8 =
        m_encoding == Encoding::Utf8 || QByteArrayView(bytes.constData(), complete).isValidUtf8();
    if (!utf8)
        complete = gbkCompleteLength(bytes);
    m_held = bytes.mid(complete);
    bytes.truncate(complete);
    QString text;
    if (utf8) {
        text = m_utf8.decode(bytes);
    } else {
        m_gbk.resetState();
        text = m_gbk.decode(bytes);
    }
    // A byte order mark is dropped where the stream begins only: anywhere
    // else it is data.
    if (m_atStart && text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    m_atStart = m_atStart && text.isEmpty();
    return text;
}

// CR LF becomes LF and a CR alone becomes LF; a CR at the end of one chunk
// and an LF at the start of the next are one line end. The characters that
// a text document takes as paragraph ends (U+2029, and U+FDD0 and U+FDD1,
// which it keeps for frames) become LF as well: they would break the line
// anyway, and the views count every break as a line.
QString ReceiveDecoder::withLineFeeds(QString text)
{
    if (text.isEmpty())
        return text;
    const bool leadingLf = m_afterCr && text.front() == QLatin1Char('\n');
    if (!leadingLf &&
        std::none_of(text.cbegin(), text.cend(), [](QChar c) { return isLineEnd(c.unicode()); })) {
        m_afterCr = false;
        return text;
    }
    // Rewritten in place: the text only ever gets shorter.
    QChar *out = text.data();
    for (const QChar *in = out, *end = in + text.size(); in != end; ++in) {
        const char16_t c = in->unicode();
        if (c == u'\n' && m_afterCr) {
            m_afterCr = false;
            continue;
        }
        m_afterCr = c == u'\r';
        *out++ = isLineEnd(c) ? QChar(u'\n') : *in;
    }
    text.truncate(out - text.constData());
    return text;
}

void ReceiveDecoder::reset()
{
    m_held.clear();
    m_atStart = true;
    m_afterCr = false;
}
