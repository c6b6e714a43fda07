// libFuzzer target of the Modbus master's reply reading: the collector that
// finds the reply to a request among what arrives, and the response parser.
// The first bytes choose the mode, the request (unit, function, start,
// quantity, a data byte) and the chunking; the rest is what the slave sends.

#include "fuzzcheck.h"
#include "modbusreplycollector.h"
#include "nuvelix_modbusclient.h"

#include <QList>
#include <QVariant>

namespace {
using Function = Nuvelix_ModbusClient::FunctionCode;

const Function functions[] = {
    Function::ReadCoils,          Function::ReadDiscreteInputs,     Function::ReadHoldingRegisters,
    Function::ReadInputRegisters, Function::WriteSingleCoil,        Function::WriteSingleRegister,
    Function::WriteMultipleCoils, Function::WriteMultipleRegisters, Function::WriteRegisterBlock};

// A decoded reply never holds more values than its bytes can carry.
void requireBoundedResult(const QVariant &result, qsizetype replySize)
{
    if (result.canConvert<QList<bool>>())
        require(result.value<QList<bool>>().size() <= 8 * replySize,
                "a reply holds no more bits than its bytes");
    if (result.canConvert<QList<ushort>>())
        require(result.value<QList<ushort>>().size() <= replySize / 2,
                "a reply holds no more registers than its bytes");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const quint8 choice = input.byte();
    const auto mode = choice & 1 ? Nuvelix_ModBus_Mode::Tcp : Nuvelix_ModBus_Mode::Rtu;
    const int unit = input.byte();
    const Function function = functions[input.byte() % std::size(functions)];
    const int start = input.byte() << 8 | input.byte();
    const int quantity = 1 + input.byte() % 125;
    const QByteArray dataField(2 * quantity, char(input.byte()));
    const QByteArray stream = input.rest();

    Nuvelix_ModbusClient client;
    const QByteArray request =
        client.generateRequest(unit, function, start, quantity, mode, dataField);
    ModbusReplyCollector whole(request, mode);
    static_cast<void>(whole.take(stream));
    ModbusReplyCollector chunked(request, mode);
    qsizetype from = 0;
    for (const qsizetype chunk : chunkSizes(stream.size(), choice)) {
        static_cast<void>(chunked.take(QByteArrayView(stream).sliced(from, chunk)));
        from += chunk;
        require(chunked.received().size() <= ModbusReplyCollector::maximumReceived,
                "what arrived is kept within its bound");
    }
    QByteArray cut;
    for (const ModbusReplyCollector::Frame &frame : chunked.frames())
        cut += frame.bytes;
    require(cut == chunked.received(), "the frames cut what arrived, losing nothing");
    // An answer is taken as soon as it is there: a sound one of the whole
    // stream is found in any chunks (perhaps one that came before it), and a
    // malformed one is only taken once nothing before it may still be a frame,
    // so it is the one the whole stream gives.
    if (stream.size() <= ModbusReplyCollector::maximumReceived) {
        const auto answer = whole.answer();
        if (answer == ModbusReplyCollector::Answer::Reply ||
            answer == ModbusReplyCollector::Answer::OtherUnit)
            require(chunked.complete(), "a sound answer is found in any chunks");
        if (chunked.answer() == ModbusReplyCollector::Answer::Malformed)
            require(whole.answer() == chunked.answer() && whole.reply() == chunked.reply(),
                    "a malformed answer is the whole stream's");
    }
    require(stream.contains(chunked.reply()), "the reply is a piece of what arrived");
    if (chunked.complete())
        requireBoundedResult(client.parseResponse(function, chunked.reply(), mode),
                             chunked.reply().size());
    // Whatever arrives may be handed to the parser as a reply.
    requireBoundedResult(client.parseResponse(function, stream, mode), stream.size());
    return 0;
}
