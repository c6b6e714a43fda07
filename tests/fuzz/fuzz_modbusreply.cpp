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
    whole.take(stream);
    ModbusReplyCollector chunked(request, mode);
    qsizetype from = 0;
    for (const qsizetype chunk : chunkSizes(stream.size(), choice)) {
        chunked.take(QByteArrayView(stream).sliced(from, chunk));
        from += chunk;
        require(chunked.received().size() <= ModbusReplyCollector::maximumReceived,
                "what arrived is kept within its bound");
    }
    if (stream.size() <= ModbusReplyCollector::maximumReceived)
        require(chunked.reply() == whole.reply(), "chunking changes no reply found");
    require(stream.contains(chunked.reply()), "the reply is a piece of what arrived");
    if (chunked.complete())
        requireBoundedResult(client.parseResponse(function, chunked.reply(), mode),
                             chunked.reply().size());
    // Whatever arrives may be handed to the parser as a reply.
    requireBoundedResult(client.parseResponse(function, stream, mode), stream.size());
    return 0;
}
