#pragma once

#include "nuvelix_modbusclient.h"

#include <QByteArray>
#include <QByteArrayView>

// Collects what arrives after one Modbus request and finds the complete
// reply that answers it: a frame of the request's unit with its function
// code (or that code's exception), in TCP carrying the request's transaction
// identifier and cut by its length field, in RTU as long as its function
// code and byte count make it (five bytes for an exception) and with a valid
// CRC. Late replies to other requests, other units' frames and noise before
// the reply are passed over.
class ModbusReplyCollector
{
public:
    // Bytes kept of what arrived; older ones are dropped from the front.
    static constexpr qsizetype maximumReceived = 8 * 1024;

    ModbusReplyCollector(const QByteArray &request, Nuvelix_ModBus_Mode mode);

    // Adds what arrived; returns whether the reply is complete. Once it is,
    // further bytes are only kept.
    bool take(QByteArrayView bytes);
    [[nodiscard]] bool complete() const { return !m_reply.isEmpty(); }
    // The reply frame once complete, else empty.
    [[nodiscard]] const QByteArray &reply() const { return m_reply; }
    // Everything that arrived (the newest maximumReceived bytes).
    [[nodiscard]] const QByteArray &received() const { return m_received; }

private:
    // Frame length starting at `at`: 0 when no reply starts there, -1 when
    // one may but its bytes have not all come.
    [[nodiscard]] qsizetype frameLengthAt(qsizetype at) const;
    [[nodiscard]] qsizetype rtuFrameLengthAt(qsizetype at) const;
    [[nodiscard]] qsizetype tcpFrameLengthAt(qsizetype at) const;
    [[nodiscard]] bool matchesFunction(int code) const;

    Nuvelix_ModBus_Mode m_mode;
    bool m_valid = false;
    int m_transaction = 0;
    int m_unit = 0;
    int m_function = 0;
    QByteArray m_received;
    // Offsets before this one start no reply.
    qsizetype m_scanFrom = 0;
    QByteArray m_reply;
};
