#include "modbusframes.h"
#include "nuvelix_modbusclient.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Function = Nuvelix_ModbusClient::FunctionCode;
using Mode = Nuvelix_ModBus_Mode;
using ModbusFrames::hex;
using ModbusFrames::rtu;
using ModbusFrames::shown;
using ModbusFrames::tcp;

Q_DECLARE_METATYPE(Function)

namespace {

QVariant echo(int start, int quantity)
{
    return QVariantMap{{QStringLiteral("StartAddress"), start},
                       {QStringLiteral("Quantity"), quantity}};
}

// Replies of every kind, each valid for its function in its mode.
struct ValidReply
{
    const char *name;
    Function function;
    Mode mode;
    QByteArray bytes;
};

QList<ValidReply> validReplies()
{
    QByteArray hundredRegisters = hex("01 03 c8");
    for (int i = 0; i < 100; ++i)
        hundredRegisters.append(char(i)).append(char(0xff - i));
    return {
        {"coils", Function::ReadCoils, Mode::Rtu, rtu(hex("01 01 02 05 81"))},
        {"discrete inputs", Function::ReadDiscreteInputs, Mode::Tcp, tcp(7, hex("11 02 01 ff"))},
        {"holding registers", Function::ReadHoldingRegisters, Mode::Rtu, rtu(hundredRegisters)},
        {"input registers", Function::ReadInputRegisters, Mode::Tcp,
         tcp(9, hex("01 04 04 12 34 56 78"))},
        {"single coil", Function::WriteSingleCoil, Mode::Rtu, rtu(hex("01 05 00 10 ff 00"))},
        {"single register", Function::WriteSingleRegister, Mode::Tcp,
         tcp(1, hex("01 06 00 10 00 ff"))},
        {"multiple coils", Function::WriteMultipleCoils, Mode::Rtu, rtu(hex("01 0f 00 00 00 0a"))},
        {"multiple registers", Function::WriteMultipleRegisters, Mode::Tcp,
         tcp(2, hex("01 10 00 00 00 02"))},
        {"function 22", Function::WriteRegisterBlock, Mode::Rtu, rtu(hex("01 16 04 00 01 00 02"))},
        {"exception", Function::ReadHoldingRegisters, Mode::Rtu, rtu(hex("01 83 02"))},
        {"TCP exception", Function::WriteMultipleCoils, Mode::Tcp, tcp(3, hex("01 8f 04"))},
    };
}

// What a parse gave and whether it kept the promise of every call: an
// invalid result comes with exactly one error, a valid one with none.
struct Parsed
{
    QVariant result;
    bool promiseKept = false;
};

Parsed parse(Function function, const QByteArray &reply, Mode mode)
{
    Nuvelix_ModbusClient client;
    QSignalSpy errors(&client, &Nuvelix_ModbusClient::errorOccurred);
    Parsed parsed;
    parsed.result = client.parseResponse(function, reply, mode);
    parsed.promiseKept = errors.size() == (parsed.result.isValid() ? 0 : 1);
    return parsed;
}

} // namespace

// The codec: request frames of both modes, the transaction counter, the CRC,
// decoded replies, every error text, and no read past the end of any reply.
class TestModbusClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First: the counter starts at 0 with the process.
    void firstTcpRequestOfTheProcess();
    void requestFrames_data();
    void requestFrames();
    void refusedRequests_data();
    void refusedRequests();
    void transactionIdentifiers();
    void crc_data();
    void crc();
    void parseResults_data();
    void parseResults();
    void parseErrors_data();
    void parseErrors();
    void everyPrefixIsRefusedInBounds();
    void randomMutationsStayInBounds();
};

void TestModbusClient::firstTcpRequestOfTheProcess()
{
    Nuvelix_ModbusClient client;
    const QByteArray frame =
        client.generateRequest(1, Function::ReadHoldingRegisters, 0, 10, Mode::Tcp, {});
    QCOMPARE(shown(frame), shown(hex("00 00 00 00 00 06 01 03 00 00 00 0a")));
}

void TestModbusClient::requestFrames_data()
{
    QTest::addColumn<int>("slave");
    QTest::addColumn<Function>("function");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QByteArray>("data");
    // The frame from the slave address on, without CRC or TCP header.
    QTest::addColumn<QByteArray>("pdu");

    const QByteArray four = hex("11 22 33 44");
    QTest::newRow("read holding registers, the example")
        << 1 << Function::ReadHoldingRegisters << 0 << 10 << QByteArray()
        << hex("01 03 00 00 00 0a");
    QTest::newRow("read coils") << 7 << Function::ReadCoils << 0x13 << 0x25 << QByteArray()
                                << hex("07 01 00 13 00 25");
    QTest::newRow("read discrete inputs") << 255 << Function::ReadDiscreteInputs << 0xffff << 0x7d0
                                          << QByteArray() << hex("ff 02 ff ff 07 d0");
    QTest::newRow("read input registers, data ignored")
        << 1 << Function::ReadInputRegisters << 8 << 1 << four << hex("01 04 00 08 00 01");
    QTest::newRow("single coil on")
        << 1 << Function::WriteSingleCoil << 0xac << 99 << hex("01") << hex("01 05 00 ac ff 00");
    QTest::newRow("single coil off")
        << 1 << Function::WriteSingleCoil << 0xac << 1 << hex("00") << hex("01 05 00 ac 00 00");
    QTest::newRow("single coil 0x80 is on")
        << 1 << Function::WriteSingleCoil << 0 << 1 << hex("80 00") << hex("01 05 00 00 ff 00");
    QTest::newRow("single register takes two bytes") << 1 << Function::WriteSingleRegister << 1 << 1
                                                     << hex("12 34 56") << hex("01 06 00 01 12 34");
    QTest::newRow("multiple registers") << 1 << Function::WriteMultipleRegisters << 1 << 2 << four
                                        << hex("01 10 00 01 00 02 04 11 22 33 44");
    QTest::newRow("multiple registers, byte count from the data")
        << 1 << Function::WriteMultipleRegisters << 1 << 5 << four
        << hex("01 10 00 01 00 05 04 11 22 33 44");
    QTest::newRow("multiple registers without data")
        << 1 << Function::WriteMultipleRegisters << 0 << 1 << QByteArray()
        << hex("01 10 00 00 00 01 00");
    QTest::newRow("multiple coils") << 1 << Function::WriteMultipleCoils << 0x13 << 10
                                    << hex("cd 01") << hex("01 0f 00 13 00 0a 02 cd 01");
    QTest::newRow("function 22, byte count half the data")
        << 1 << Function::WriteRegisterBlock << 4 << 2 << hex("01 02 03 04 05")
        << hex("01 16 00 04 00 02 02 01 02 03 04 05");
    QTest::newRow("start address cut to 16 bits")
        << 1 << Function::ReadCoils << 0x12345 << 1 << QByteArray() << hex("01 01 23 45 00 01");
    QTest::newRow("slave address cut to 8 bits")
        << 300 << Function::ReadCoils << 0 << 1 << QByteArray() << hex("2c 01 00 00 00 01");
    QTest::newRow("quantity cut to 16 bits") << 1 << Function::ReadHoldingRegisters << 0 << 0x10002
                                             << QByteArray() << hex("01 03 00 00 00 02");
}

void TestModbusClient::requestFrames()
{
    QFETCH(int, slave);
    QFETCH(Function, function);
    QFETCH(int, start);
    QFETCH(int, quantity);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, pdu);

    Nuvelix_ModbusClient client;
    QSignalSpy errors(&client, &Nuvelix_ModbusClient::errorOccurred);
    const QByteArray rtuFrame =
        client.generateRequest(slave, function, start, quantity, Mode::Rtu, data);
    QCOMPARE(shown(rtuFrame), shown(rtu(pdu)));

    const QByteArray tcpFrame =
        client.generateRequest(slave, function, start, quantity, Mode::Tcp, data);
    QCOMPARE(shown(tcpFrame.mid(2)), shown(tcp(0, pdu).mid(2)));
    QCOMPARE(errors.size(), 0);
}

void TestModbusClient::refusedRequests_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("error");

    const QString unsupported = QStringLiteral("Unsupported function code");
    for (const int code : {0, 7, 14, 17, 21, 23, 128, -1})
        QTest::addRow("function %d", code) << code << hex("01 02") << unsupported;
    const QString tooFew = QStringLiteral("Too few data bytes for the function");
    QTest::newRow("single coil without data") << 5 << QByteArray() << tooFew;
    QTest::newRow("single register with one byte") << 6 << hex("01") << tooFew;
    QTest::newRow("single register without data") << 6 << QByteArray() << tooFew;
}

void TestModbusClient::refusedRequests()
{
    QFETCH(int, function);
    QFETCH(QByteArray, data);
    QFETCH(QString, error);

    Nuvelix_ModbusClient client;
    QSignalSpy errors(&client, &Nuvelix_ModbusClient::errorOccurred);
    for (const Mode mode : {Mode::Rtu, Mode::Tcp}) {
        const QByteArray frame = client.generateRequest(1, Function(function), 0, 1, mode, data);
        QVERIFY2(frame.isEmpty(), qPrintable(shown(frame)));
    }
    QCOMPARE(errors.size(), 2);
    QCOMPARE(errors.at(0).at(0).toString(), error);
    QCOMPARE(errors.at(1).at(0).toString(), error);
}

void TestModbusClient::transactionIdentifiers()
{
    using ModbusFrames::transactionOf;
    Nuvelix_ModbusClient first;
    Nuvelix_ModbusClient second;
    const auto next = [](Nuvelix_ModbusClient &client) {
        return transactionOf(client.generateRequest(1, Function::ReadCoils, 0, 1, Mode::Tcp, {}));
    };
    const int n = next(first);
    QCOMPARE(next(second), (n + 1) % 65536);
    static_cast<void>(first.generateRequest(1, Function::ReadCoils, 0, 1, Mode::Rtu, {}));
    QCOMPARE(next(first), (n + 2) % 65536);
    static_cast<void>(first.generateRequest(1, Function(9), 0, 1, Mode::Tcp, {}));
    QCOMPARE(next(first), (n + 4) % 65536);

    int last = (n + 4) % 65536;
    while (last != 65535)
        last = next(first);
    QCOMPARE(next(second), 0);
    QCOMPARE(next(first), 1);
}

void TestModbusClient::crc_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("crc");

    QTest::newRow("check value") << QByteArray("123456789") << 0x4B37;
    QTest::newRow("empty") << QByteArray() << 0xFFFF;
    QTest::newRow("the example request, sent C5 CD") << hex("01 03 00 00 00 0a") << 0xCDC5;
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    QTest::newRow("every byte value") << all << int(ModbusFrames::referenceCrc(all));
}

void TestModbusClient::crc()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, crc);
    QCOMPARE(int(Nuvelix_ModbusClient::calculateCRC(bytes)), crc);
}

void TestModbusClient::parseResults_data()
{
    QTest::addColumn<Function>("function");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QVariant>("expected");

    const auto bits = [](std::initializer_list<bool> list) {
        return QVariant::fromValue(QList<bool>(list));
    };
    const auto words = [](const QList<ushort> &list) {
        return QVariant::fromValue(list);
    };
    QTest::newRow("coils, bit 0 first")
        << Function::ReadCoils << Mode::Rtu << rtu(hex("01 01 01 05"))
        << bits({true, false, true, false, false, false, false, false});
    QTest::newRow("discrete inputs, two bytes, padding kept")
        << Function::ReadDiscreteInputs << Mode::Tcp << tcp(4, hex("01 02 02 80 01"))
        << bits({false, false, false, false, false, false, false, true, true, false, false, false,
                 false, false, false, false});
    QList<ushort> hundred;
    QByteArray hundredReply = hex("01 03 c8");
    for (int i = 0; i < 100; ++i) {
        hundred.append(ushort(0x0100 * i + 0xff - i));
        hundredReply.append(char(i)).append(char(0xff - i));
    }
    QTest::newRow("100 holding registers")
        << Function::ReadHoldingRegisters << Mode::Rtu << rtu(hundredReply) << words(hundred);
    QTest::newRow("odd byte count, last byte high")
        << Function::ReadInputRegisters << Mode::Tcp << tcp(1, hex("01 04 03 12 34 56"))
        << words({0x1234, 0x5600});
    QTest::newRow("no registers") << Function::ReadHoldingRegisters << Mode::Rtu
                                  << rtu(hex("01 03 00")) << words({});
    QTest::newRow("single register echo") << Function::WriteSingleRegister << Mode::Rtu
                                          << rtu(hex("01 06 00 10 00 ff")) << echo(16, 255);
    QTest::newRow("single coil echo, the value as quantity")
        << Function::WriteSingleCoil << Mode::Tcp << tcp(5, hex("01 05 00 ac ff 00"))
        << echo(0xac, 0xff00);
    QTest::newRow("multiple coils echo") << Function::WriteMultipleCoils << Mode::Rtu
                                         << rtu(hex("01 0f 00 13 00 0a")) << echo(0x13, 10);
    QTest::newRow("multiple registers echo, bytes after it ignored")
        << Function::WriteMultipleRegisters << Mode::Tcp << tcp(6, hex("01 10 00 01 00 02 99"))
        << echo(1, 2);
    QTest::newRow("function 22 reads its byte count")
        << Function::WriteRegisterBlock << Mode::Rtu << rtu(hex("01 16 04 00 01 00 02 77"))
        << words({1, 2});
    QTest::newRow("slave address not checked")
        << Function::ReadHoldingRegisters << Mode::Rtu << rtu(hex("09 03 02 00 2a")) << words({42});
}

void TestModbusClient::parseResults()
{
    QFETCH(Function, function);
    QFETCH(Mode, mode);
    QFETCH(QByteArray, reply);
    QFETCH(QVariant, expected);

    const Parsed parsed = parse(function, reply, mode);
    QVERIFY(parsed.promiseKept);
    const QVariant &result = parsed.result;
    QVERIFY2(result == expected,
             qPrintable(QStringLiteral("reply %1: expected %2, got %3")
                            .arg(shown(reply), shown(expected), shown(result))));
}

void TestModbusClient::parseErrors_data()
{
    QTest::addColumn<Function>("function");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("error");

    const Function read = Function::ReadHoldingRegisters;
    const QByteArray good = rtu(hex("01 03 02 00 2a"));
    QByteArray swapped = good;
    std::swap(swapped[swapped.size() - 1], swapped[swapped.size() - 2]);

    QTest::newRow("empty, RTU") << read << Mode::Rtu << QByteArray()
                                << QStringLiteral("Empty response received");
    QTest::newRow("empty, TCP") << read << Mode::Tcp << QByteArray()
                                << QStringLiteral("Empty response received");
    QTest::newRow("CRC bytes swapped")
        << read << Mode::Rtu << swapped << QStringLiteral("Invalid CRC in response");
    QTest::newRow("CRC of a changed byte") << read << Mode::Rtu << good.left(4) + good.right(2)
                                           << QStringLiteral("Invalid CRC in response");
    QTest::newRow("protocol identifier 1") << read << Mode::Tcp << hex("00 05 00 01 00 03 01 03 00")
                                           << QStringLiteral("Invalid protocol ID in response");
    QTest::newRow("three bytes of TCP") << read << Mode::Tcp << hex("00 05 00")
                                        << QStringLiteral("Invalid protocol ID in response");
    QTest::newRow("length 4 for 3") << read << Mode::Tcp << hex("00 05 00 00 00 04 01 03 00")
                                    << QStringLiteral("Invalid length in response");
    QTest::newRow("five bytes of TCP") << read << Mode::Tcp << hex("00 05 00 00 00")
                                       << QStringLiteral("Invalid length in response");
    QTest::newRow("exception 2") << read << Mode::Rtu << rtu(hex("01 83 02"))
                                 << QStringLiteral("Modbus exception response: 2");
    QTest::newRow("exception 11 in TCP")
        << Function::WriteSingleCoil << Mode::Tcp << tcp(0, hex("01 85 0b"))
        << QStringLiteral("Modbus exception response: 11");
    QTest::newRow("any code with bit 7 is an exception")
        << read << Mode::Rtu << rtu(hex("01 90 04"))
        << QStringLiteral("Modbus exception response: 4");
    QTest::newRow("function 4 for 3") << read << Mode::Rtu << rtu(hex("01 04 02 00 2a"))
                                      << QStringLiteral("Unexpected function code in response");
    QTest::newRow("byte count beyond the data") << read << Mode::Rtu << rtu(hex("01 03 04 00 2a"))
                                                << QStringLiteral("Invalid byte count in response");
    QTest::newRow("byte count short of the data")
        << Function::ReadCoils << Mode::Tcp << tcp(0, hex("01 01 01 ff ff"))
        << QStringLiteral("Invalid byte count in response");
    QTest::newRow("byte count 255 with two bytes, function 22")
        << Function::WriteRegisterBlock << Mode::Rtu << rtu(hex("01 16 ff 00 01"))
        << QStringLiteral("Invalid byte count in response");
    QTest::newRow("a matching unsupported code") << Function(7) << Mode::Rtu << rtu(hex("01 07 00"))
                                                 << QStringLiteral("Unsupported function code");
    QTest::newRow("one byte of RTU")
        << read << Mode::Rtu << hex("01") << QStringLiteral("Response too short");
    QTest::newRow("address alone, CRC right")
        << read << Mode::Rtu << rtu(hex("01")) << QStringLiteral("Response too short");
    QTest::newRow("TCP header with length 0")
        << read << Mode::Tcp << hex("00 01 00 00 00 00") << QStringLiteral("Response too short");
    QTest::newRow("TCP unit alone")
        << read << Mode::Tcp << tcp(0, hex("01")) << QStringLiteral("Response too short");
    QTest::newRow("exception without its code")
        << read << Mode::Rtu << rtu(hex("01 83")) << QStringLiteral("Response too short");
    QTest::newRow("read without byte count")
        << read << Mode::Tcp << tcp(0, hex("01 03")) << QStringLiteral("Response too short");
    QTest::newRow("function 22 without byte count")
        << Function::WriteRegisterBlock << Mode::Rtu << rtu(hex("01 16"))
        << QStringLiteral("Response too short");
    QTest::newRow("register echo cut short")
        << Function::WriteSingleRegister << Mode::Rtu << rtu(hex("01 06 00 10 00"))
        << QStringLiteral("Response too short");
}

void TestModbusClient::parseErrors()
{
    QFETCH(Function, function);
    QFETCH(Mode, mode);
    QFETCH(QByteArray, reply);
    QFETCH(QString, error);

    Nuvelix_ModbusClient client;
    QSignalSpy errors(&client, &Nuvelix_ModbusClient::errorOccurred);
    const QVariant result = client.parseResponse(function, reply, mode);
    QVERIFY2(!result.isValid(), qPrintable(QStringLiteral("reply %1: expected \"%2\", got %3")
                                               .arg(shown(reply), error, shown(result))));
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().first().toString(), error);
}

// Each reply cut short at every length, held in a buffer of exactly that
// size so that a read past it is caught (under AddressSanitizer at once).
void TestModbusClient::everyPrefixIsRefusedInBounds()
{
    for (const ValidReply &reply : validReplies()) {
        for (qsizetype length = 0; length < reply.bytes.size(); ++length) {
            const auto buffer = std::make_unique<char[]>(size_t(qMax<qsizetype>(length, 1)));
            std::copy_n(reply.bytes.constData(), length, buffer.get());
            const QByteArray prefix = QByteArray::fromRawData(buffer.get(), length);
            const Parsed parsed = parse(reply.function, prefix, reply.mode);
            QVERIFY2(!parsed.result.isValid() && parsed.promiseKept,
                     qPrintable(QStringLiteral("%1, first %2 bytes %3: expected one error, got %4")
                                    .arg(QLatin1String(reply.name))
                                    .arg(length)
                                    .arg(shown(prefix), shown(parsed.result))));
        }
    }
}

// Valid replies with bytes changed, inserted, dropped, cut or grown, under
// fixed seeds: every call keeps its promise and reads only what it got.
void TestModbusClient::randomMutationsStayInBounds()
{
    const QList<ValidReply> replies = validReplies();
    for (quint32 seed = 1; seed <= 4; ++seed) {
        QRandomGenerator random(seed);
        for (int round = 0; round < 5000; ++round) {
            const ValidReply &reply = replies.at(random.bounded(int(replies.size())));
            QByteArray bytes = reply.bytes;
            for (int change = random.bounded(1, 4); change > 0; --change) {
                const int at = bytes.isEmpty() ? 0 : random.bounded(int(bytes.size()));
                switch (random.bounded(5)) {
                case 0:
                    if (!bytes.isEmpty())
                        bytes[at] = char(random.bounded(256));
                    break;
                case 1:
                    bytes.insert(at, char(random.bounded(256)));
                    break;
                case 2:
                    bytes.remove(at, 1);
                    break;
                case 3:
                    bytes.truncate(at);
                    break;
                default:
                    bytes.append(char(random.bounded(256)));
                    break;
                }
            }
            // Mostly with a valid CRC, so the checks after it are reached too.
            if (reply.mode == Mode::Rtu && bytes.size() > 2 && random.bounded(4) != 0)
                bytes = rtu(bytes.chopped(2));
            const auto buffer = std::make_unique<char[]>(size_t(qMax<qsizetype>(bytes.size(), 1)));
            std::copy_n(bytes.constData(), bytes.size(), buffer.get());
            const QByteArray exact = QByteArray::fromRawData(buffer.get(), bytes.size());
            const Parsed parsed = parse(reply.function, exact, reply.mode);
            QVERIFY2(parsed.promiseKept,
                     qPrintable(
                         QStringLiteral("seed %1, %2 mutated to %3: got %4 with the "
                                        "wrong number of errors")
                             .arg(seed)
                             .arg(QLatin1String(reply.name), shown(bytes), shown(parsed.result))));
        }
    }
}

QTEST_GUILESS_MAIN(TestModbusClient)
#include "tst_modbusclient.moc"
