#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Decodes the byte stream of one open port or link chunk by chunk. The state
// carries over between chunks, so a character whose bytes arrive in two reads
// comes out whole. Carriage returns are dropped from the text.
class ReceiveDecoder
{
public:
    explicit ReceiveDecoder(QStringConverter::Encoding encoding = QStringConverter::Utf8);

    [[nodiscard]] QString decode(const QByteArray &chunk);
    // Forgets a partial character; called when a new port or link opens.
    void reset();

private:
    QStringDecoder m_decoder;
};
