#include "nettextdecoder.h"

#include <QByteArray>

QString NetTextDecoder::decode(const QByteArray &bytes, Encoding encoding, const QString &sender)
{
    if (!m_decoder.isValid() || encoding != m_encoding || sender != m_sender) {
        m_decoder = QStringDecoder(encoding == Encoding::Gbk ? "GBK" : "UTF-8");
        // A Qt without a GBK converter still shows the bytes, as UTF-8.
        if (!m_decoder.isValid())
            m_decoder = QStringDecoder(QStringConverter::Utf8);
        m_encoding = encoding;
        m_sender = sender;
    }
    return m_decoder.decode(bytes);
}

void NetTextDecoder::reset()
{
    m_decoder = QStringDecoder();
    m_sender.clear();
}
