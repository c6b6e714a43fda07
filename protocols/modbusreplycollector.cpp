#include "modbusreplycollector.h"

namespace {

// The TCP header: transaction identifier, protocol identifier, length.
constexpr qsizetype mbapLength = 6;
// A TCP length field counts the unit, the function code and at most 252
// further bytes; an RTU exception is unit, code, exception code and CRC.
constexpr int largestTcpLength = 254;
constexpr qsizetype rtuExceptionLength = 5;
constexpr qsizetype rtuEchoLength = 8;

[[nodiscard]] int byteAt(QByteArrayView bytes, qsizetype index)
{
    return static_cast<unsigned char>(bytes[index]);
}

} // namespace

ModbusReplyCollector::ModbusReplyCollector(const QByteArray &request, Nuvelix_ModBus_Mode mode)
    : m_mode(mode)
{
    if (m_mode == Nuvelix_ModBus_Mode::Rtu) {
        m_valid = request.size() >= 4;
        if (m_valid) {
            m_unit = byteAt(request, 0);
            m_function = byteAt(request, 1);
        }
    } else {
        m_valid = request.size() >= mbapLength + 2;
        if (m_valid) {
            m_transaction = (byteAt(request, 0) << 8) | byteAt(request, 1);
            m_unit = byteAt(request, mbapLength);
            m_function = byteAt(request, mbapLength + 1);
        }
    }
}

bool ModbusReplyCollector::take(QByteArrayView bytes)
{
    m_received.append(bytes);
    if (m_received.size() > maximumReceived) {
        const qsizetype dropped = m_received.size() - maximumReceived;
        m_received.remove(0, dropped);
        m_scanFrom = qMax<qsizetype>(0, m_scanFrom - dropped);
    }
    if (complete() || !m_valid)
        return complete();

    // Offsets still waiting for bytes are asked again next time; those
    // before the first of them are settled and never scanned again.
    bool settled = true;
    for (qsizetype at = m_scanFrom; at < m_received.size(); ++at) {
        const qsizetype length = frameLengthAt(at);
        if (length > 0) {
            m_reply = m_received.sliced(at, length);
            return true;
        }
        if (length < 0)
            settled = false;
        else if (settled)
            m_scanFrom = at + 1;
    }
    return false;
}

qsizetype ModbusReplyCollector::frameLengthAt(qsizetype at) const
{
    return m_mode == Nuvelix_ModBus_Mode::Rtu ? rtuFrameLengthAt(at) : tcpFrameLengthAt(at);
}

bool ModbusReplyCollector::matchesFunction(int code) const
{
    return (code & 0x7F) == m_function;
}

qsizetype ModbusReplyCollector::rtuFrameLengthAt(qsizetype at) const
{
    const QByteArrayView rest = QByteArrayView(m_received).sliced(at);
    if (byteAt(rest, 0) != m_unit)
        return 0;
    if (rest.size() < 2)
        return -1;
    const int code = byteAt(rest, 1);
    if (!matchesFunction(code))
        return 0;

    qsizetype length = 0;
    if (code & 0x80) {
        length = rtuExceptionLength;
    } else {
        switch (code) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 22:
            if (rest.size() < 3)
                return -1;
            length = 3 + byteAt(rest, 2) + 2;
            break;
        case 5:
        case 6:
        case 15:
        case 16:
            length = rtuEchoLength;
            break;
        default:
            return 0;
        }
    }
    if (rest.size() < length)
        return -1;
    const QByteArrayView frame = rest.first(length);
    const int crc = byteAt(frame, length - 2) | (byteAt(frame, length - 1) << 8);
    return Nuvelix_ModbusClient::calculateCRC(frame.first(length - 2)) == crc ? length : 0;
}

qsizetype ModbusReplyCollector::tcpFrameLengthAt(qsizetype at) const
{
    const QByteArrayView rest = QByteArrayView(m_received).sliced(at);
    // Each header byte is checked as soon as it is there, so that a
    // mismatch settles the offset without waiting for the rest.
    const int expected[] = {m_transaction >> 8, m_transaction & 0xFF, 0, 0};
    for (qsizetype i = 0; i < 4; ++i) {
        if (rest.size() <= i)
            return -1;
        if (byteAt(rest, i) != expected[i])
            return 0;
    }
    if (rest.size() < mbapLength)
        return -1;
    const int length = (byteAt(rest, 4) << 8) | byteAt(rest, 5);
    if (length < 3 || length > largestTcpLength)
        return 0;
    if (rest.size() < mbapLength + 1)
        return -1;
    if (byteAt(rest, mbapLength) != m_unit)
        return 0;
    if (rest.size() < mbapLength + 2)
        return -1;
    if (!matchesFunction(byteAt(rest, mbapLength + 1)))
        return 0;
    return rest.size() < mbapLength + length ? -1 : mbapLength + length;
}
