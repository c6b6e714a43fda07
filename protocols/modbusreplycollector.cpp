#include "modbusreplycollector.h"

namespace {

using Mode = Nuvelix_ModBus_Mode;

// The length field of a sound TCP frame counts the unit, the function code
// and 1 to 252 further bytes (every answer carries at least one after its
// code); an RTU exception is unit, code, exception code and CRC.
constexpr int smallestSoundTcpLength = 3;
constexpr int largestTcpLength = 254;
constexpr qsizetype rtuExceptionLength = 5;
constexpr qsizetype rtuEchoLength = 8;
// An answer that never completed counts from its unit and function code on.
constexpr qsizetype smallestPartialAnswer = 2;

[[nodiscard]] int byteAt(QByteArrayView bytes, qsizetype index)
{
    return static_cast<unsigned char>(bytes[index]);
}

[[nodiscard]] int wordAt(QByteArrayView bytes, qsizetype index)
{
    return (byteAt(bytes, index) << 8) | byteAt(bytes, index + 1);
}

// Length of an RTU frame starting with `rest` as its code and byte count
// make it: 0 for a code whose frames it cannot tell, -1 when the byte count
// has not come yet.
[[nodiscard]] qsizetype rtuLength(QByteArrayView rest)
{
    const int code = byteAt(rest, 1);
    if (code & 0x80)
        return rtuExceptionLength;
    switch (code) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 22:
        return rest.size() < 3 ? -1 : 3 + byteAt(rest, 2) + 2;
    case 5:
    case 6:
    case 15:
    case 16:
        return rtuEchoLength;
    default:
        return 0;
    }
}

[[nodiscard]] bool crcHolds(QByteArrayView frame)
{
    const qsizetype length = frame.size();
    const int crc = byteAt(frame, length - 2) | (byteAt(frame, length - 1) << 8);
    return Nuvelix_ModbusClient::calculateCRC(frame.first(length - 2)) == crc;
}

[[nodiscard]] bool tcpLengthPossible(int length)
{
    return length >= smallestSoundTcpLength && length <= largestTcpLength;
}

// The length of the sound frame that `rest` starts with, whatever request
// it answers: 0 when it starts none, -1 when it may once more bytes have
// come (its length is not known yet, or not all of it is there).
[[nodiscard]] qsizetype frameLength(QByteArrayView rest, Mode mode)
{
    if (mode == Mode::Rtu) {
        if (rest.size() < 2)
            return -1;
        const qsizetype length = rtuLength(rest);
        if (length <= 0)
            return length;
        if (rest.size() < length)
            return -1;
        return crcHolds(rest.first(length)) ? length : 0;
    }
    const qsizetype header = ModbusReplyCollector::mbapLength;
    if (rest.size() < header)
        return -1;
    const int length = wordAt(rest, 4);
    if (wordAt(rest, 2) != 0 || !tcpLengthPossible(length))
        return 0;
    return rest.size() < header + length ? -1 : header + length;
}

} // namespace

ModbusReplyCollector::ModbusReplyCollector(const QByteArray &request, Nuvelix_ModBus_Mode mode)
    : m_mode(mode)
{
    if (m_mode == Mode::Rtu) {
        m_valid = request.size() >= 4;
        if (m_valid) {
            m_unit = byteAt(request, 0);
            m_function = byteAt(request, 1);
        }
    } else {
        m_valid = request.size() >= mbapLength + 2;
        if (m_valid) {
            m_transaction = wordAt(request, 0);
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
        if (m_replyAt >= 0)
            m_replyAt = m_replyAt >= dropped ? m_replyAt - dropped : -1;
    }
    if (complete() || !m_valid)
        return complete();

    // Offsets still waiting for bytes are asked again next time; those
    // before the first of them are settled and never scanned again. A sound
    // frame that answers something else is passed over whole, so that its
    // inside never passes for an answer. A sound answer is taken as soon as
    // it is there, whatever may still be arriving before it: its CRC or
    // header vouches for it. A malformed one waits until every offset before
    // it is settled, since a frame still arriving there may hold it.
    bool settled = true;
    qsizetype at = m_scanFrom;
    while (at < m_received.size()) {
        Answer kind = Answer::None;
        const QByteArrayView rest = QByteArrayView(m_received).sliced(at);
        const qsizetype length = answerLengthAt(at, kind);
        if (length > 0 && (settled || kind != Answer::Malformed)) {
            m_answer = kind;
            m_replyAt = at;
            m_reply = rest.first(length).toByteArray();
            return true;
        }
        qsizetype next = at + 1;
        const qsizetype frame = length == 0 ? frameLength(rest, m_mode) : -1;
        if (frame < 0)
            settled = false;
        else
            next = at + qMax<qsizetype>(1, frame);
        if (settled)
            m_scanFrom = next;
        at = next;
    }
    return false;
}

void ModbusReplyCollector::finish()
{
    if (complete() || !m_valid)
        return;
    for (qsizetype at = m_scanFrom; at + smallestPartialAnswer <= m_received.size(); ++at) {
        const QByteArrayView rest = QByteArrayView(m_received).sliced(at);
        const bool starts = m_mode == Mode::Rtu
                                ? byteAt(rest, 0) == m_unit && matchesFunction(byteAt(rest, 1))
                                : wordAt(rest, 0) == m_transaction;
        if (starts) {
            m_answer = Answer::Malformed;
            m_replyAt = at;
            m_reply = rest.toByteArray();
            return;
        }
    }
}

QList<ModbusReplyCollector::Frame> ModbusReplyCollector::frames() const
{
    QList<Frame> frames;
    qsizetype noiseFrom = -1;
    const auto endNoise = [&](qsizetype at) {
        if (noiseFrom >= 0)
            frames.append({m_received.sliced(noiseFrom, at - noiseFrom), false});
        noiseFrom = -1;
    };
    qsizetype at = 0;
    while (at < m_received.size()) {
        if (at == m_replyAt) {
            endNoise(at);
            frames.append({m_reply, true});
            at += m_reply.size();
            continue;
        }
        qsizetype length =
            qMax<qsizetype>(0, frameLength(QByteArrayView(m_received).sliced(at), m_mode));
        // Nothing runs over the answer's first byte.
        if (m_replyAt > at && at + length > m_replyAt)
            length = 0;
        if (length > 0) {
            endNoise(at);
            frames.append({m_received.sliced(at, length), false});
            at += length;
        } else {
            if (noiseFrom < 0)
                noiseFrom = at;
            ++at;
        }
    }
    endNoise(at);
    return frames;
}

QList<ModbusReplyCollector::Frame> ModbusReplyCollector::framesOf(QByteArrayView bytes,
                                                                  Nuvelix_ModBus_Mode mode)
{
    ModbusReplyCollector collector({}, mode);
    static_cast<void>(collector.take(bytes));
    return collector.frames();
}

bool ModbusReplyCollector::matchesFunction(int code) const
{
    return (code & 0x7F) == m_function;
}

qsizetype ModbusReplyCollector::answerLengthAt(qsizetype at, Answer &kind) const
{
    const QByteArrayView rest = QByteArrayView(m_received).sliced(at);
    return m_mode == Mode::Rtu ? rtuAnswerLengthAt(rest, kind) : tcpAnswerLengthAt(rest, kind);
}

// An RTU answer carries the request's function code; one of the request's
// unit answers even with a wrong CRC, another unit's only when sound.
qsizetype ModbusReplyCollector::rtuAnswerLengthAt(QByteArrayView rest, Answer &kind) const
{
    if (rest.size() < 2)
        return -1;
    if (!matchesFunction(byteAt(rest, 1)))
        return 0;
    const qsizetype length = rtuLength(rest);
    if (length <= 0)
        return length;
    if (rest.size() < length)
        return -1;
    const bool sound = crcHolds(rest.first(length));
    if (byteAt(rest, 0) == m_unit) {
        kind = sound ? Answer::Reply : Answer::Malformed;
        return length;
    }
    if (!sound)
        return 0;
    kind = Answer::OtherUnit;
    return length;
}

// A TCP answer carries the request's transaction identifier. Its length
// field cuts it; with an impossible length nothing tells where it ends, so
// it is its header alone.
qsizetype ModbusReplyCollector::tcpAnswerLengthAt(QByteArrayView rest, Answer &kind) const
{
    // Each identifier byte is checked as soon as it is there, so that a
    // mismatch settles the offset without waiting for the rest.
    const int expected[] = {m_transaction >> 8, m_transaction & 0xFF};
    for (qsizetype i = 0; i < 2; ++i) {
        if (rest.size() <= i)
            return -1;
        if (byteAt(rest, i) != expected[i])
            return 0;
    }
    if (rest.size() < mbapLength)
        return -1;
    const int length = wordAt(rest, 4);
    const bool lengthPossible = tcpLengthPossible(length);
    if (lengthPossible && rest.size() < mbapLength + length)
        return -1;
    if (wordAt(rest, 2) != 0 || !lengthPossible) {
        kind = Answer::Malformed;
        return lengthPossible ? mbapLength + length : mbapLength;
    }
    kind = byteAt(rest, mbapLength) == m_unit ? Answer::Reply : Answer::OtherUnit;
    return mbapLength + length;
}
