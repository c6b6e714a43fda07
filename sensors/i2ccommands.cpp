#include "i2ccommands.h"

#include "i2cframe.h"

#include <utility>

namespace {
QByteArray command(quint8 type, QByteArray payload)
{
    return I2cFrame{type, std::move(payload)}.encode();
}

// The value of one hex digit, or -1.
int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}
} // namespace

QByteArray I2cCommands::stop()
{
    return command(I2cFrame::Stop, QByteArray(1, '\xFF'));
}

QByteArray I2cCommands::scan()
{
    return command(I2cFrame::Scan, QByteArray(1, '\xFF'));
}

QByteArray I2cCommands::start()
{
    return command(I2cFrame::Start, QByteArray(1, '\xFF'));
}

QByteArray I2cCommands::setAddress(int address)
{
    return command(I2cFrame::SetAddress, QByteArray(1, char(address & 0xFF)));
}

QByteArray I2cCommands::readRegisters(int first, int count)
{
    const char payload[] = {char(first & 0xFF), char(count & 0xFF)};
    return command(I2cFrame::Read, QByteArray(payload, sizeof payload));
}

QByteArray I2cCommands::writeRegisters(int reg, QByteArrayView data)
{
    if (data.isEmpty() || data.size() > maxWriteData)
        return {};
    QByteArray payload;
    payload.reserve(data.size() + 1);
    payload.append(char(reg & 0xFF));
    payload.append(data);
    return command(I2cFrame::Write, std::move(payload));
}

std::optional<QByteArray> I2cCommands::parseWriteData(QStringView text)
{
    constexpr qsizetype tokenSize = 4; // "0x" and two digits
    // Tokens and commas alternate, so a valid text is 5 n - 1 characters.
    if ((text.size() + 1) % (tokenSize + 1) != 0 ||
        (text.size() + 1) / (tokenSize + 1) > maxWriteData)
        return std::nullopt;
    QByteArray data;
    data.reserve((text.size() + 1) / (tokenSize + 1));
    for (qsizetype at = 0; at < text.size(); at += tokenSize + 1) {
        const int high = hexDigit(text[at + 2]);
        const int low = hexDigit(text[at + 3]);
        const bool separated = at + tokenSize == text.size() || text[at + tokenSize] == u',';
        if (text[at] != u'0' || text[at + 1] != u'x' || high < 0 || low < 0 || !separated)
            return std::nullopt;
        data.append(char(high << 4 | low));
    }
    return data;
}
