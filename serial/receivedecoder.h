#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Decodes the byte stream of one open port or link chunk by chunk. A
// character whose bytes arrive in two chunks comes out whole. Line ends are
// made line feeds: CR LF is one line end and a CR alone ends a line too, so
// text from devices that end lines with CR alone keeps its lines; so are the
// characters at which a text document ends a paragraph.
class ReceiveDecoder
{
public:
    enum class Encoding {
        Utf8,
        // Each chunk as UTF-8 where it is valid UTF-8, otherwise as GBK.
        Utf8OrGbk,
    };

    explicit ReceiveDecoder(Encoding encoding = Encoding::Utf8);

    [[nodiscard]] QString decode(const QByteArray &chunk);
    // Forgets a partial character and a pending CR; called when a new port
    // or link opens, or another peer sends.
    void reset();

private:
    [[nodiscard]] QString decodeHeld(const QByteArray &chunk);
    [[nodiscard]] QString withLineFeeds(QString text);

    Encoding m_encoding;
    QStringDecoder m_utf8;
    QStringDecoder m_gbk;
    QByteArray m_held; // bytes of a character not yet complete
    bool m_atStart = true;
    bool m_afterCr = false;
};
