#include "nuvelix_modbusclient.h"

#include <QList>
#include <QMap>

#include <array>

namespace {

// One counter for the whole process, shared by every client object.
quint16 transactionCounter = 0;

// The TCP header: transaction identifier, protocol identifier, length.
constexpr qsizetype mbapLength = 6;
// A TCP length field counts at least the unit and the function code: one
// less than the reply collector asks of a sound frame, on purpose, so that a
// reply that ends after its code is told as too short, not as a wrong length.
constexpr int smallestTcpLength = 2;
// What one write of several coils or registers can carry: the byte count
// is one byte, and the whole request must fit a frame.
constexpr qsizetype maximumWriteBytes = 246;

constexpr std::array<quint16, 256> crcTable()
{
    std::array<quint16, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        quint16 crc = quint16(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        table[byte] = crc;
    }
    return table;
}
constexpr std::array<quint16, 256> crcBytes = crcTable();

[[nodiscard]] int byteAt(QByteArrayView bytes, qsizetype index)
{
    return static_cast<unsigned char>(bytes[index]);
}

[[nodiscard]] int wordAt(QByteArrayView bytes, qsizetype index)
{
    return (byteAt(bytes, index) << 8) | byteAt(bytes, index + 1);
}

void appendWord(QByteArray &frame, int value)
{
    frame.append(char((value >> 8) & 0xFF));
    frame.append(char(value & 0xFF));
}

} // namespace

Nuvelix_ModbusClient::Nuvelix_ModbusClient(QObject *parent)
    : QObject(parent)
{}

QByteArray Nuvelix_ModbusClient::generateRequest(int slaveAddress, FunctionCode function,
                                                 int startAddress, int quantity,
                                                 Nuvelix_ModBus_Mode mode, QByteArray data)
{
    const bool tcp = mode != Nuvelix_ModBus_Mode::Rtu;
    QByteArray frame;
    if (tcp) {
        appendWord(frame, transactionCounter++);
        frame.append(4, '\0');
    }
    frame.append(char(slaveAddress & 0xFF));
    frame.append(char(int(function) & 0xFF));
    appendWord(frame, startAddress);
    if (!appendBody(frame, function, quantity, data))
        return {};

    if (tcp) {
        const qsizetype length = frame.size() - mbapLength;
        frame[4] = char((length >> 8) & 0xFF);
        frame[5] = char(length & 0xFF);
    } else {
        const quint16 crc = calculateCRC(frame);
        frame.append(char(crc & 0xFF));
        frame.append(char(crc >> 8));
    }
    return frame;
}

bool Nuvelix_ModbusClient::appendBody(QByteArray &frame, FunctionCode function, int quantity,
                                      const QByteArray &data)
{
    switch (function) {
    case FunctionCode::ReadCoils:
    case FunctionCode::ReadDiscreteInputs:
    case FunctionCode::ReadHoldingRegisters:
    case FunctionCode::ReadInputRegisters:
        appendWord(frame, quantity);
        return true;
    case FunctionCode::WriteSingleCoil:
        if (data.isEmpty())
            break;
        frame.append(data.at(0) != 0 ? "\xFF\x00" : "\x00\x00", 2);
        return true;
    case FunctionCode::WriteSingleRegister:
        if (data.size() < 2)
            break;
        frame.append(data.first(2));
        return true;
    case FunctionCode::WriteMultipleCoils:
    case FunctionCode::WriteMultipleRegisters:
        if (data.size() > maximumWriteBytes)
            return tooMuchData(function, data.size());
        appendWord(frame, quantity);
        frame.append(char(data.size() & 0xFF));
        frame.append(data);
        return true;
    case FunctionCode::WriteRegisterBlock:
        if (data.size() > maximumWriteBytes)
            return tooMuchData(function, data.size());
        appendWord(frame, quantity);
        frame.append(char((data.size() / 2) & 0xFF));
        frame.append(data);
        return true;
    default:
        fail(tr("Unsupported function code"));
        return false;
    }
    fail(tr("Too few data bytes for the function"));
    return false;
}

bool Nuvelix_ModbusClient::tooMuchData(FunctionCode function, qsizetype bytes)
{
    fail(function == FunctionCode::WriteMultipleCoils
             ? tr("Too much data for one request: %1 bytes, at most %2 (%3 coils)")
                   .arg(bytes)
                   .arg(maximumWriteBytes)
                   .arg(maximumWriteBytes * 8)
             : tr("Too much data for one request: %1 bytes, at most %2 (%3 registers)")
                   .arg(bytes)
                   .arg(maximumWriteBytes)
                   .arg(maximumWriteBytes / 2));
    return false;
}

QVariant Nuvelix_ModbusClient::parseResponse(FunctionCode function, const QByteArray &reply,
                                             Nuvelix_ModBus_Mode mode)
{
    if (reply.isEmpty())
        return fail(tr("Empty response received"));

    QByteArrayView body(reply);
    if (mode == Nuvelix_ModBus_Mode::Rtu) {
        if (reply.size() < 2)
            return fail(tr("Response too short"));
        const qsizetype dataLength = reply.size() - 2;
        const int received = byteAt(reply, dataLength) | (byteAt(reply, dataLength + 1) << 8);
        body = body.first(dataLength);
        if (calculateCRC(body) != received)
            return fail(tr("Invalid CRC in response"));
    } else {
        if (reply.size() < 4 || reply.at(2) != 0 || reply.at(3) != 0)
            return fail(tr("Invalid protocol ID in response"));
        if (reply.size() < mbapLength || wordAt(reply, 4) != reply.size() - mbapLength ||
            wordAt(reply, 4) < smallestTcpLength)
            return fail(tr("Invalid length in response"));
        body = body.sliced(mbapLength);
    }

    if (body.size() < 2)
        return fail(tr("Response too short"));
    const int code = byteAt(body, 1);
    if (code != int(function)) {
        if ((code & 0x80) == 0)
            return fail(tr("Unexpected function code in response"));
        if (body.size() < 3)
            return fail(tr("Response too short"));
        return fail(tr("Modbus exception response: %1").arg(byteAt(body, 2)));
    }
    return decode(function, body);
}

QVariant Nuvelix_ModbusClient::decode(FunctionCode function, QByteArrayView body)
{
    switch (function) {
    case FunctionCode::ReadCoils:
    case FunctionCode::ReadDiscreteInputs: {
        if (body.size() < 3)
            return fail(tr("Response too short"));
        if (byteAt(body, 2) != body.size() - 3)
            return fail(tr("Invalid byte count in response"));
        QList<bool> bits;
        bits.reserve(8 * (body.size() - 3));
        for (const char byte : body.sliced(3)) {
            for (int bit = 0; bit < 8; ++bit)
                bits.append(((byte >> bit) & 1) != 0);
        }
        return QVariant::fromValue(bits);
    }
    case FunctionCode::ReadHoldingRegisters:
    case FunctionCode::ReadInputRegisters:
    case FunctionCode::WriteRegisterBlock: {
        if (body.size() < 3)
            return fail(tr("Response too short"));
        const int count = byteAt(body, 2);
        // Reads must carry exactly their byte count; function 22 at least it.
        const bool read = function != FunctionCode::WriteRegisterBlock;
        if (read ? count != body.size() - 3 : count > body.size() - 3)
            return fail(tr("Invalid byte count in response"));
        const QByteArrayView data = body.sliced(3, count);
        QList<ushort> registers;
        registers.reserve((count + 1) / 2);
        for (qsizetype at = 0; at < count; at += 2) {
            const int low = at + 1 < count ? byteAt(data, at + 1) : 0;
            registers.append(ushort((byteAt(data, at) << 8) | low));
        }
        return QVariant::fromValue(registers);
    }
    case FunctionCode::WriteSingleCoil:
    case FunctionCode::WriteSingleRegister:
    case FunctionCode::WriteMultipleCoils:
    case FunctionCode::WriteMultipleRegisters: {
        if (body.size() < 6)
            return fail(tr("Response too short"));
        QMap<QString, QVariant> echo;
        echo.insert(QStringLiteral("StartAddress"), wordAt(body, 2));
        echo.insert(QStringLiteral("Quantity"), wordAt(body, 4));
        return echo;
    }
    }
    return fail(tr("Unsupported function code"));
}

quint16 Nuvelix_ModbusClient::calculateCRC(QByteArrayView data)
{
    quint16 crc = 0xFFFF;
    for (const char c : data)
        crc = quint16((crc >> 8) ^ crcBytes[(crc ^ static_cast<unsigned char>(c)) & 0xFF]);
    return crc;
}

QVariant Nuvelix_ModbusClient::fail(const QString &errorString)
{
    Q_EMIT errorOccurred(errorString);
    return {};
}
