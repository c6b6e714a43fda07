#pragma once

#include "nuvelix_modbusclient.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Collects what arrives after one Modbus request and finds the answer to it.
// The answer is the first frame that answers the request, sound or not: in
// TCP the frame that carries the request's transaction identifier (cut by
// its length field), in RTU a frame with the request's function code (or
// that code's exception) as long as its code and byte count make it (five
// bytes for an exception). A sound frame of the request's unit is the reply;
// a sound frame of another unit, an RTU frame of the request's unit with a
// wrong CRC and a TCP frame with a wrong protocol identifier or an
// impossible length answer it too, as what they are. Late replies to other
// requests, other frames and noise before the answer are passed over. A
// sound answer is taken as soon as it has arrived; a malformed one once no
// offset before it may still start a frame that holds it.
class ModbusReplyCollector
{
public:
    // Bytes kept of what arrived; older ones are dropped from the front.
    static constexpr qsizetype maximumReceived = 8 * 1024;
    // The TCP header ahead of a frame's unit: transaction identifier,
    // protocol identifier, length.
    static constexpr qsizetype mbapLength = 6;

    enum class Answer {
        None,      // nothing answers the request (yet)
        Reply,     // a sound frame of the request's unit
        OtherUnit, // a sound frame of another unit
        Malformed, // a frame answering the request whose framing is wrong or cut short
    };

    // A piece of what arrived: a frame, or bytes that start none.
    struct Frame
    {
        QByteArray bytes;
        bool answersRequest = false;
    };

    ModbusReplyCollector(const QByteArray &request, Nuvelix_ModBus_Mode mode);

    // Adds what arrived; returns whether the answer is complete. Once it is,
    // further bytes are only kept.
    bool take(QByteArrayView bytes);
    // Ends the wait: the start of an answer that never completed becomes a
    // malformed answer.
    void finish();
    [[nodiscard]] bool complete() const { return m_answer != Answer::None; }
    [[nodiscard]] Answer answer() const { return m_answer; }
    // The answer's frame once complete, else empty.
    [[nodiscard]] const QByteArray &reply() const { return m_reply; }
    // Everything that arrived (the newest maximumReceived bytes).
    [[nodiscard]] const QByteArray &received() const { return m_received; }
    // What arrived, cut into its frames in order: the answer, other frames
    // and runs of bytes that start none.
    [[nodiscard]] QList<Frame> frames() const;
    // `bytes` (the newest maximumReceived of them) cut into frames as
    // frames() cuts them, none answering a request.
    [[nodiscard]] static QList<Frame> framesOf(QByteArrayView bytes, Nuvelix_ModBus_Mode mode);

private:
    // Length of the answer starting at `at`: 0 when none starts there, -1
    // when one may but its bytes have not all come.
    [[nodiscard]] qsizetype answerLengthAt(qsizetype at, Answer &kind) const;
    [[nodiscard]] qsizetype rtuAnswerLengthAt(QByteArrayView rest, Answer &kind) const;
    [[nodiscard]] qsizetype tcpAnswerLengthAt(QByteArrayView rest, Answer &kind) const;
    [[nodiscard]] bool matchesFunction(int code) const;

    Nuvelix_ModBus_Mode m_mode;
    bool m_valid = false;
    int m_transaction = 0;
    int m_unit = 0;
    int m_function = 0;
    QByteArray m_received;
    // Offsets before this one start no answer.
    qsizetype m_scanFrom = 0;
    Answer m_answer = Answer::None;
    // Where the answer starts in m_received (-1 once dropped from the front).
    qsizetype m_replyAt = -1;
    QByteArray m_reply;
};
