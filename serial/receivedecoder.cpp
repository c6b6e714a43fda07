#include "receivedecoder.h"

ReceiveDecoder::ReceiveDecoder(QStringConverter::Encoding encoding)
    : m_decoder(encoding)
{}

QString ReceiveDecoder::decode(const QByteArray &chunk)
{
    QString text = m_decoder.decode(chunk);
    text.remove(QLatin1Char('\r'));
    return text;
}

void ReceiveDecoder::reset()
{
    m_decoder.resetState();
}
