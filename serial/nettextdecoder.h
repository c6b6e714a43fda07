#pragma once

#include <QString>
#include <QStringDecoder>

class QByteArray;

// Turns the received bytes of one terminal into text. A multi-byte character
// split over two chunks of the same sender is joined; a chunk of another
// sender, or in the other encoding, starts afresh.
class NetTextDecoder
{
public:
    // GBK for the plain view, UTF-8 inside the time-stamped HTML.
    enum class Encoding { Gbk, Utf8 };

    [[nodiscard]] QString decode(const QByteArray &bytes, Encoding encoding, const QString &sender);
    // Forgets a held-back partial character, e.g. when a new session starts.
    void reset();

private:
    QStringDecoder m_decoder;
    Encoding m_encoding = Encoding::Gbk;
    QString m_sender;
};
