#include "modbusframes.h"
#include "modbushexinput.h"
#include "modbusreplycollector.h"
#include "nuvelix_modbusclient.h"

#include <QRandomGenerator>
#include <QTest>

#include <memory>

using Function = Nuvelix_ModbusClient::FunctionCode;
using Mode = Nuvelix_ModBus_Mode;
using namespace ModbusFrames;

Q_DECLARE_METATYPE(Function)

namespace {

struct Parsed
{
    QVariant result;
    QStringList errors;
    // Every call promises one error with an invalid result, none with a valid one.
    [[nodiscard]] bool promiseKept() const { return errors.size() == (result.isValid() ? 0 : 1); }
};

// Parses a copy of `reply` held in a buffer of exactly its size, so that a
// read past its end is caught (under AddressSanitizer at once).
Parsed parse(Function function, const QByteArray &reply, Mode mode)
{
    const auto buffer = std::make_unique<char[]>(size_t(qMax<qsizetype>(reply.size(), 1)));
    std::copy_n(reply.constData(), reply.size(), buffer.get());
    Nuvelix_ModbusClient client;
    Parsed parsed;
    QObject::connect(&client, &Nuvelix_ModbusClient::errorOccurred,
                     [&parsed](const QString &error) { parsed.errors.append(error); });
    parsed.result =
        client.parseResponse(function, QByteArray::fromRawData(buffer.get(), reply.size()), mode);
    return parsed;
}

QVariant words(const QList<ushort> &list)
{
    return QVariant::fromValue(list);
}

const QByteArray rtuRead = rtu(hex("01 03 00 00 00 02"));
const QByteArray rtuReply = rtu(hex("01 03 04 00 2a 00 2b"));
const QByteArray tcpRead = tcp(0x0102, hex("01 03 00 00 00 02"));
const QByteArray tcpReply = tcp(0x0102, hex("01 03 04 00 2a 00 2b"));

} // namespace

// The Modbus master's core: request frames, transaction counter and CRC;
// decoded replies and every error text, every reply read in bounds; finding
// the reply that answers a request; the data field's hex tokens.
class TestModbusCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First: the counter starts at 0 with the process.
    void transactionIdentifiers();
    void requestFrames_data();
    void requestFrames();
    void crc();
    void replies_data();
    void replies();
    void repliesAreReadInBounds();
    void collector_data();
    void collector();
    void collectorKeepsWhatArrivesBounded();
    void hexInput();
};

void TestModbusCore::transactionIdentifiers()
{
    Nuvelix_ModbusClient first;
    Nuvelix_ModbusClient second;
    QCOMPARE(shown(first.generateRequest(1, Function::ReadHoldingRegisters, 0, 10, Mode::Tcp, {})),
             shown(hex("00 00 00 00 00 06 01 03 00 00 00 0a")));
    const auto next = [](Nuvelix_ModbusClient &client) {
        return transactionOf(client.generateRequest(1, Function::ReadCoils, 0, 1, Mode::Tcp, {}));
    };
    // One counter for all clients; RTU requests take none, refused TCP ones do.
    QCOMPARE(next(second), 1);
    static_cast<void>(first.generateRequest(1, Function::ReadCoils, 0, 1, Mode::Rtu, {}));
    QCOMPARE(next(first), 2);
    static_cast<void>(first.generateRequest(1, Function(9), 0, 1, Mode::Tcp, {}));
    QCOMPARE(next(first), 4);
    for (int last = 4; last != 65535;)
        last = next(first);
    QCOMPARE(next(second), 0);
}

void TestModbusCore::requestFrames_data()
{
    QTest::addColumn<int>("slave");
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("pdu"); // from the slave address on, without CRC or TCP header
    QTest::addColumn<QString>("error");  // for a refused request, with no frame

    const auto row = [](const char *name, int slave, int function, int start, int quantity,
                        const char *data, const char *pdu, const char *error = "") {
        QTest::newRow(name) << slave << function << start << quantity << hex(data) << hex(pdu)
                            << QString::fromLatin1(error);
    };
    row("the example", 1, 3, 0, 10, "", "01 03 00 00 00 0a");
    row("read coils", 7, 1, 0x13, 0x25, "", "07 01 00 13 00 25");
    row("read discrete inputs", 255, 2, 0xffff, 0x7d0, "", "ff 02 ff ff 07 d0");
    row("read input registers, data ignored", 1, 4, 8, 1, "11 22", "01 04 00 08 00 01");
    row("single coil on", 1, 5, 0xac, 99, "01", "01 05 00 ac ff 00");
    row("single coil off", 1, 5, 0xac, 1, "00", "01 05 00 ac 00 00");
    row("single coil 0x80 is on", 1, 5, 0, 1, "80 00", "01 05 00 00 ff 00");
    row("single register takes two bytes", 1, 6, 1, 1, "12 34 56", "01 06 00 01 12 34");
    row("multiple registers, byte count from the data", 1, 16, 1, 5, "11 22 33 44",
        "01 10 00 01 00 05 04 11 22 33 44");
    row("multiple registers without data", 1, 16, 0, 1, "", "01 10 00 00 00 01 00");
    row("multiple coils", 1, 15, 0x13, 10, "cd 01", "01 0f 00 13 00 0a 02 cd 01");
    row("function 22, byte count half the data", 1, 22, 4, 2, "01 02 03 04 05",
        "01 16 00 04 00 02 02 01 02 03 04 05");
    row("fields cut to their widths", 300, 3, 0x12345, 0x10002, "", "2c 03 23 45 00 02");
    row("single coil without data", 1, 5, 0, 1, "", "", "Too few data bytes for the function");
    row("single register with one byte", 1, 6, 0, 1, "01", "",
        "Too few data bytes for the function");
    for (const int code : {0, 7, 14, 17, 21, 23, 128, -1})
        row(qPrintable(QStringLiteral("function %1").arg(code)), 1, code, 0, 1, "01 02", "",
            "Unsupported function code");
}

void TestModbusCore::requestFrames()
{
    QFETCH(int, slave);
    QFETCH(int, function);
    QFETCH(int, start);
    QFETCH(int, quantity);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, pdu);
    QFETCH(QString, error);

    for (const Mode mode : {Mode::Rtu, Mode::Tcp}) {
        Nuvelix_ModbusClient client;
        QStringList errors;
        QObject::connect(&client, &Nuvelix_ModbusClient::errorOccurred,
                         [&errors](const QString &text) { errors.append(text); });
        const QByteArray frame =
            client.generateRequest(slave, Function(function), start, quantity, mode, data);
        const QByteArray expected = pdu.isEmpty()       ? pdu
                                    : mode == Mode::Rtu ? rtu(pdu)
                                                        : tcp(0, pdu);
        // The transaction identifier aside.
        const qsizetype from = mode == Mode::Tcp ? 2 : 0;
        QCOMPARE(shown(frame.mid(from)), shown(expected.mid(from)));
        QCOMPARE(errors, error.isEmpty() ? QStringList() : QStringList{error});
    }
}

void TestModbusCore::crc()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    QCOMPARE(Nuvelix_ModbusClient::calculateCRC("123456789"), quint16(0x4B37));
    // The example request goes out with C5 CD.
    QCOMPARE(Nuvelix_ModbusClient::calculateCRC(hex("01 03 00 00 00 0a")), quint16(0xCDC5));
    QCOMPARE(Nuvelix_ModbusClient::calculateCRC(all), referenceCrc(all));
}

void TestModbusCore::replies_data()
{
    QTest::addColumn<Function>("function");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QVariant>("expected"); // invalid for an error
    QTest::addColumn<QString>("error");

    const auto ok = [](const char *name, Function function, Mode mode, const QByteArray &reply,
                       const QVariant &expected) {
        QTest::newRow(name) << function << mode << reply << expected << QString();
    };
    const auto bad = [](const char *name, Function function, Mode mode, const QByteArray &reply,
                        const char *error) {
        QTest::newRow(name) << function << mode << reply << QVariant() << QString(error);
    };
    const Function read = Function::ReadHoldingRegisters;
    // Replies a real slave gives are decoded in the tab test; these are the edges.
    ok("odd byte count, last byte high", Function::ReadInputRegisters, Mode::Tcp,
       tcp(1, hex("01 04 03 12 34 56")), words({0x1234, 0x5600}));
    ok("no registers", read, Mode::Rtu, rtu(hex("01 03 00")), words({}));
    ok("single coil echo, the value as quantity", Function::WriteSingleCoil, Mode::Tcp,
       tcp(5, hex("01 05 00 ac ff 00 99")),
       QVariantMap{{QStringLiteral("StartAddress"), 0xac}, {QStringLiteral("Quantity"), 0xff00}});
    ok("function 22 reads its byte count", Function::WriteRegisterBlock, Mode::Rtu,
       rtu(hex("01 16 04 00 01 00 02 77")), words({1, 2}));
    QByteArray swapped = rtu(hex("01 03 02 00 2a"));
    std::swap(swapped[5], swapped[6]);
    bad("empty", read, Mode::Tcp, {}, "Empty response received");
    bad("CRC bytes swapped", read, Mode::Rtu, swapped, "Invalid CRC in response");
    bad("protocol identifier 1", read, Mode::Tcp, hex("00 05 00 01 00 03 01 03 00"),
        "Invalid protocol ID in response");
    bad("length 4 for 3", read, Mode::Tcp, hex("00 05 00 00 00 04 01 03 00"),
        "Invalid length in response");
    bad("exception 11 in TCP", Function::WriteSingleCoil, Mode::Tcp, tcp(0, hex("01 85 0b")),
        "Modbus exception response: 11");
    bad("function 4 for 3", read, Mode::Rtu, rtu(hex("01 04 02 00 2a")),
        "Unexpected function code in response");
    bad("byte count beyond the data", read, Mode::Rtu, rtu(hex("01 03 04 00 2a")),
        "Invalid byte count in response");
    bad("byte count short of the data", Function::ReadCoils, Mode::Tcp,
        tcp(0, hex("01 01 01 ff ff")), "Invalid byte count in response");
    bad("byte count 255 with two bytes, function 22", Function::WriteRegisterBlock, Mode::Rtu,
        rtu(hex("01 16 ff 00 01")), "Invalid byte count in response");
    bad("a matching unsupported code", Function(7), Mode::Rtu, rtu(hex("01 07 00")),
        "Unsupported function code");
    bad("address alone, CRC right", read, Mode::Rtu, rtu(hex("01")), "Response too short");
}

void TestModbusCore::replies()
{
    QFETCH(Function, function);
    QFETCH(Mode, mode);
    QFETCH(QByteArray, reply);
    QFETCH(QVariant, expected);
    QFETCH(QString, error);

    const Parsed parsed = parse(function, reply, mode);
    const QStringList expectedErrors = error.isEmpty() ? QStringList() : QStringList{error};
    QVERIFY2(parsed.result == expected && parsed.errors == expectedErrors,
             qPrintable(QStringLiteral("reply %1: expected %2 \"%3\", got %4 \"%5\"")
                            .arg(shown(reply), shown(expected), error, shown(parsed.result),
                                 parsed.errors.join(QLatin1Char('|')))));
}

// Every prefix of valid replies of each kind is refused; those replies with
// bytes changed, inserted, dropped, cut or grown (fixed seeds) keep the
// promise. Every parse reads only what it got.
void TestModbusCore::repliesAreReadInBounds()
{
    QByteArray hundredRegisters = hex("01 03 c8");
    for (int i = 0; i < 100; ++i)
        hundredRegisters.append(char(i)).append(char(0xff - i));
    const QList<std::tuple<Function, Mode, QByteArray>> valid{
        {Function::ReadCoils, Mode::Rtu, rtu(hex("01 01 02 05 81"))},
        {Function::ReadDiscreteInputs, Mode::Tcp, tcp(7, hex("11 02 01 ff"))},
        {Function::ReadHoldingRegisters, Mode::Rtu, rtu(hundredRegisters)},
        {Function::ReadInputRegisters, Mode::Tcp, tcp(9, hex("01 04 04 12 34 56 78"))},
        {Function::WriteSingleCoil, Mode::Rtu, rtu(hex("01 05 00 10 ff 00"))},
        {Function::WriteSingleRegister, Mode::Tcp, tcp(1, hex("01 06 00 10 00 ff"))},
        {Function::WriteMultipleCoils, Mode::Rtu, rtu(hex("01 0f 00 00 00 0a"))},
        {Function::WriteMultipleRegisters, Mode::Tcp, tcp(2, hex("01 10 00 00 00 02"))},
        {Function::WriteRegisterBlock, Mode::Rtu, rtu(hex("01 16 04 00 01 00 02"))},
        {Function::ReadHoldingRegisters, Mode::Rtu, rtu(hex("01 83 02"))},
        {Function::WriteMultipleCoils, Mode::Tcp, tcp(3, hex("01 8f 04"))},
    };
    const auto check = [](Function function, Mode mode, const QByteArray &bytes, bool refused) {
        const Parsed parsed = parse(function, bytes, mode);
        const bool ok = parsed.promiseKept() && (!refused || !parsed.result.isValid());
        if (!ok)
            qWarning("function %d, reply %s: expected %s, got %s with %lld errors", int(function),
                     qPrintable(shown(bytes)), refused ? "one error" : "the promise kept",
                     qPrintable(shown(parsed.result)), qlonglong(parsed.errors.size()));
        return ok;
    };
    for (const auto &[function, mode, reply] : valid) {
        for (qsizetype length = 0; length < reply.size(); ++length)
            QVERIFY(check(function, mode, reply.first(length), true));
    }
    for (quint32 seed = 1; seed <= 4; ++seed) {
        QRandomGenerator random(seed);
        for (int round = 0; round < 5000; ++round) {
            const auto &[function, mode, reply] = valid.at(random.bounded(int(valid.size())));
            QByteArray bytes = reply;
            for (int change = random.bounded(1, 4); change > 0; --change) {
                const int at = bytes.isEmpty() ? 0 : random.bounded(int(bytes.size()));
                const char value = char(random.bounded(256));
                switch (random.bounded(5)) {
                case 0:
                    if (!bytes.isEmpty())
                        bytes[at] = value;
                    break;
                case 1:
                    bytes.insert(at, value);
                    break;
                case 2:
                    bytes.remove(at, 1);
                    break;
                case 3:
                    bytes.truncate(at);
                    break;
                default:
                    bytes.append(value);
                }
            }
            // Mostly with a valid CRC, so the checks after it are reached too.
            if (mode == Mode::Rtu && bytes.size() > 2 && random.bounded(4) != 0)
                bytes = rtu(bytes.chopped(2));
            QVERIFY2(check(function, mode, bytes, false), qPrintable(QString::number(seed)));
        }
    }
}

void TestModbusCore::collector_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArrayList>("arrivals");
    QTest::addColumn<QByteArray>("reply"); // empty: none found

    const auto row = [](const char *name, const QByteArray &request, const QByteArrayList &arrivals,
                        const QByteArray &reply) {
        QTest::newRow(name) << (name[0] == 'R' ? Mode::Rtu : Mode::Tcp) << request << arrivals
                            << reply;
    };
    QByteArray badCrc = rtuReply;
    badCrc.back() = char(badCrc.back() ^ 0x01);
    QByteArray protocolOne = tcpReply;
    protocolOne[3] = 1;
    // Pieces, noise, late replies and exceptions also come through the tab test.
    row("RTU reply whole", rtuRead, {rtuReply}, rtuReply);
    row("RTU false start with a long byte count", rtuRead, {hex("01 03 fa") + rtuReply}, rtuReply);
    row("RTU other unit's reply first", rtuRead, {rtu(hex("02 03 02 00 01")), rtuReply}, rtuReply);
    row("RTU other function's reply first", rtuRead, {rtu(hex("01 04 02 00 01")) + rtuReply},
        rtuReply);
    row("RTU wrong CRC is no reply", rtuRead, {badCrc}, {});
    row("RTU unsupported function never ends", rtu(hex("01 07 00 00 00 01")),
        {rtu(hex("01 07 00"))}, {});
    row("TCP header split", tcpRead, {tcpReply.left(3), tcpReply.mid(3, 4), tcpReply.mid(7)},
        tcpReply);
    row("TCP other unit", tcpRead, {tcp(0x0102, hex("02 03 02 00 01"))}, {});
    row("TCP protocol identifier 1", tcpRead, {protocolOne}, {});
    row("empty request never ends", {}, {tcpReply}, {});
}

// As it arrives and fed byte by byte: a reply completes with its last byte.
void TestModbusCore::collector()
{
    QFETCH(Mode, mode);
    QFETCH(QByteArray, request);
    QFETCH(QByteArrayList, arrivals);
    QFETCH(QByteArray, reply);

    ModbusReplyCollector collector(request, mode);
    bool complete = false;
    for (const QByteArray &bytes : arrivals)
        complete = collector.take(bytes);
    QCOMPARE(complete, !reply.isEmpty());
    QCOMPARE(collector.complete(), complete);
    QCOMPARE(shown(collector.reply()), shown(reply));
    QCOMPARE(shown(collector.received()), shown(arrivals.join()));

    const QByteArray stream = arrivals.join();
    const qsizetype last = reply.isEmpty() ? -1 : stream.indexOf(reply) + reply.size() - 1;
    ModbusReplyCollector byBytes(request, mode);
    for (qsizetype i = 0; i < stream.size(); ++i)
        QVERIFY2(byBytes.take(stream.sliced(i, 1)) == (last >= 0 && i >= last),
                 qPrintable(QStringLiteral("byte %1 of %2, expected complete from byte %3")
                                .arg(i)
                                .arg(shown(stream))
                                .arg(last)));
}

// Noise far beyond the bound keeps only the newest bytes and still lets a
// reply after it through.
void TestModbusCore::collectorKeepsWhatArrivesBounded()
{
    ModbusReplyCollector collector(rtuRead, Mode::Rtu);
    QRandomGenerator random(7);
    for (int chunk = 0; chunk < 100; ++chunk) {
        QByteArray noise(1000, Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(random.bounded(256));
        static_cast<void>(collector.take(noise));
        QVERIFY(collector.received().size() <= ModbusReplyCollector::maximumReceived);
    }
    QVERIFY(!collector.complete());
    QVERIFY(collector.take(rtuReply));
    QCOMPARE(shown(collector.reply()), shown(rtuReply));
    QVERIFY(collector.received().endsWith(rtuReply));
}

void TestModbusCore::hexInput()
{
    const auto check = [](const char *text, const char *bytes) {
        const QString got = ModbusHexInput::isValid(QString::fromLatin1(text))
                                ? shown(ModbusHexInput::toBytes(text))
                                : QStringLiteral("refused");
        QVERIFY2(got == QLatin1String(bytes),
                 qPrintable(QStringLiteral("\"%1\": expected %2, got %3")
                                .arg(QLatin1String(text), QLatin1String(bytes), got)));
    };
    check("", "");
    check("0x11 0x12", "11 12");
    check("0x11,0x12", "11 12");
    check("0x11,  0x12", "11 12");
    check("0x110x12", "11 12");
    check("0x100x020x0", "10 02 00");
    check("0x01,", "01");
    check("0x01 ", "01");
    check("0x01\t0x02", "01 02");
    check("0xAB 0xcd", "ab cd");
    check("0x1FF", "ff");
    check("0x000000001FF", "ff");
    check("0x7FFFFFFF", "ff");
    check("0x80000000", "00");
    check("0x123456789 0x05", "00 05");
    for (const char *text :
         {"11 12", "0X11", "0x11;0x12", "0x11 ,0x12", " 0x11", "0x", "0x1G", "0x11,,0x12"})
        check(text, "refused");
}

QTEST_GUILESS_MAIN(TestModbusCore)
#include "tst_modbuscore.moc"
