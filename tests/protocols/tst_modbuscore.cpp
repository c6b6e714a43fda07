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

const QByteArray rtuRead = rtu(hex("01 03 00 00 00 02"));
const QByteArray rtuReply = rtu(hex("01 03 04 00 2a 00 2b"));
const QByteArray tcpRead = tcp(0x0102, hex("01 03 00 00 00 02"));
const QByteArray tcpReply = tcp(0x0102, hex("01 03 04 00 2a 00 2b"));

} // namespace

// The Modbus master's core: request frames, transaction counter and CRC;
// reply edges and every error text, every reply read in bounds; finding the
// reply that answers a request; the data field's hex tokens. What a real
// slave answers is decoded in the tab test.
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
    // The four writes the tab offers also go to the real slave in the tab test.
    row("the example", 1, 3, 0, 10, "", "01 03 00 00 00 0a");
    row("read discrete inputs, fields full", 255, 2, 0xffff, 0x7d0, "", "ff 02 ff ff 07 d0");
    row("read input registers, data ignored", 1, 4, 8, 1, "11 22", "01 04 00 08 00 01");
    row("single coil 0x80 is on", 1, 5, 0, 1, "80 00", "01 05 00 00 ff 00");
    row("single register takes two bytes", 1, 6, 1, 1, "12 34 56", "01 06 00 01 12 34");
    row("multiple registers, byte count from the data", 1, 16, 1, 5, "11 22 33 44",
        "01 10 00 01 00 05 04 11 22 33 44");
    row("multiple coils without data", 1, 15, 0, 1, "", "01 0f 00 00 00 01 00");
    const QByteArray full(246, '\x5a');
    row("246 bytes of coils are one request", 1, 15, 0, 1968, full.toHex().constData(),
        ("01 0f 00 00 07 b0 f6" + full.toHex()).constData());
    row("247 bytes of registers are refused", 1, 16, 0, 123, (full.toHex() + "00").constData(), "",
        "Too much data for one request: 247 bytes, at most 246 (123 registers)");
    row("247 bytes of coils are refused", 1, 15, 0, 1968, (full.toHex() + "00").constData(), "",
        "Too much data for one request: 247 bytes, at most 246 (1968 coils)");
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

    const auto row = [](const char *name, Function function, Mode mode, const QByteArray &reply,
                        const QVariant &expected, const char *error = "") {
        QTest::newRow(name) << function << mode << reply << expected << QString(error);
    };
    const Function read = Function::ReadHoldingRegisters;
    const QVariant none;
    // Replies of every kind a real slave gives are decoded in the tab test,
    // its exceptions too; these are the edges and the other error texts.
    row("odd byte count, last byte high", Function::ReadInputRegisters, Mode::Tcp,
        tcp(1, hex("01 04 03 12 34 56")), QVariant::fromValue(QList<ushort>{0x1234, 0x5600}));
    row("no registers", read, Mode::Rtu, rtu(hex("01 03 00")),
        QVariant::fromValue(QList<ushort>{}));
    row("function 22 reads its byte count", Function::WriteRegisterBlock, Mode::Rtu,
        rtu(hex("01 16 04 00 01 00 02 77")), QVariant::fromValue(QList<ushort>{1, 2}));
    QByteArray swapped = rtu(hex("01 03 02 00 2a"));
    std::swap(swapped[5], swapped[6]);
    row("empty", read, Mode::Tcp, {}, none, "Empty response received");
    row("CRC bytes swapped", read, Mode::Rtu, swapped, none, "Invalid CRC in response");
    row("protocol identifier 1", read, Mode::Tcp, hex("00 05 00 01 00 03 01 03 00"), none,
        "Invalid protocol ID in response");
    row("length 4 for 3", read, Mode::Tcp, hex("00 05 00 00 00 04 01 03 00"), none,
        "Invalid length in response");
    row("function 4 for 3", read, Mode::Rtu, rtu(hex("01 04 02 00 2a")), none,
        "Unexpected function code in response");
    row("byte count beyond the data", read, Mode::Rtu, rtu(hex("01 03 04 00 2a")), none,
        "Invalid byte count in response");
    row("byte count short of the data", Function::ReadCoils, Mode::Tcp,
        tcp(0, hex("01 01 01 ff ff")), none, "Invalid byte count in response");
    row("byte count 255 with two bytes, function 22", Function::WriteRegisterBlock, Mode::Rtu,
        rtu(hex("01 16 ff 00 01")), none, "Invalid byte count in response");
    row("a matching unsupported code", Function(7), Mode::Rtu, rtu(hex("01 07 00")), none,
        "Unsupported function code");
    row("address alone, CRC right", read, Mode::Rtu, rtu(hex("01")), none, "Response too short");
    row("TCP length 0", read, Mode::Tcp, hex("00 05 00 00 00 00"), none,
        "Invalid length in response");
}

void TestModbusCore::replies()
{
    QFETCH(Function, function);
    QFETCH(Mode, mode);
    QFETCH(QByteArray, reply);
    QFETCH(QVariant, expected);
    QFETCH(QString, error);

    const Parsed parsed = parse(function, reply, mode);
    const QStringList errors = error.isEmpty() ? QStringList() : QStringList{error};
    QVERIFY2(parsed.result == expected && parsed.errors == errors,
             mismatch(shown(reply), shown(expected) + u' ' + error,
                      shown(parsed.result) + u' ' + parsed.errors.join(u'|')));
}

// Every prefix of valid replies of each decoding is refused; those replies with
// bytes changed, inserted, dropped, cut or grown (fixed seeds) keep the
// promise. Every parse reads only what it got.
void TestModbusCore::repliesAreReadInBounds()
{
    QByteArray hundredRegisters = hex("01 03 c8");
    for (int i = 0; i < 100; ++i)
        hundredRegisters.append(char(i)).append(char(0xff - i));
    const QList<std::tuple<Function, Mode, QByteArray>> valid{
        {Function::ReadCoils, Mode::Rtu, rtu(hex("01 01 02 05 81"))},
        {Function::ReadHoldingRegisters, Mode::Rtu, rtu(hundredRegisters)},
        {Function::ReadInputRegisters, Mode::Tcp, tcp(9, hex("01 04 04 12 34 56 78"))},
        {Function::WriteSingleCoil, Mode::Rtu, rtu(hex("01 05 00 10 ff 00"))},
        {Function::WriteMultipleRegisters, Mode::Tcp, tcp(2, hex("01 10 00 00 00 02"))},
        {Function::WriteRegisterBlock, Mode::Rtu, rtu(hex("01 16 04 00 01 00 02"))},
        {Function::ReadHoldingRegisters, Mode::Rtu, rtu(hex("01 83 02"))},
        {Function::WriteMultipleCoils, Mode::Tcp, tcp(3, hex("01 8f 04"))},
    };
    const auto check = [](Function function, Mode mode, const QByteArray &bytes, bool refused) {
        const Parsed parsed = parse(function, bytes, mode);
        QVERIFY2(
            parsed.promiseKept() && !(refused && parsed.result.isValid()),
            mismatch(QStringLiteral("function %1, reply %2").arg(int(function)).arg(shown(bytes)),
                     refused ? QStringLiteral("one error") : QStringLiteral("the promise kept"),
                     shown(parsed.result) + u' ' + parsed.errors.join(u'|')));
    };
    for (const auto &[function, mode, reply] : valid) {
        for (qsizetype length = 0; length < reply.size(); ++length) {
            check(function, mode, reply.first(length), true);
            if (QTest::currentTestFailed())
                return;
        }
    }
    for (quint32 seed = 1; seed <= 4; ++seed) {
        QRandomGenerator random(seed);
        for (int round = 0; round < 5000; ++round) {
            const auto &[function, mode, reply] = valid.at(random.bounded(int(valid.size())));
            QByteArray bytes = reply;
            // At a place, the end included: a byte or none replaced by a
            // random byte or none, or all from there cut.
            for (int change = random.bounded(1, 4); change > 0; --change) {
                const qsizetype at = random.bounded(int(bytes.size()) + 1);
                const qsizetype rest = bytes.size() - at;
                const qsizetype dropped =
                    random.bounded(5) == 0 ? rest : qMin<qsizetype>(random.bounded(2), rest);
                bytes.replace(at, dropped,
                              QByteArray(random.bounded(2), char(random.bounded(256))));
            }
            // Mostly with a valid CRC, so the checks after it are reached too.
            if (mode == Mode::Rtu && bytes.size() > 2 && random.bounded(4) != 0)
                bytes = rtu(bytes.chopped(2));
            check(function, mode, bytes, false);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void TestModbusCore::collector_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArrayList>("arrivals");
    // "reply", "other unit", "malformed", "cut short" (malformed once the
    // wait ends) or "none".
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("frames"); // "!" before those answering no request

    const auto row = [](const char *name, const QByteArray &request, const QByteArrayList &arrivals,
                        const char *answer, const QByteArray &reply, const QStringList &frames) {
        QTest::newRow(name) << (name[0] == 'R' ? Mode::Rtu : Mode::Tcp) << request << arrivals
                            << QString(answer) << reply << frames;
    };
    const QString stray = QStringLiteral("!");
    QByteArray badCrc = rtuReply;
    badCrc.back() = char(badCrc.back() ^ 0x01);
    QByteArray protocolOne = tcpReply;
    protocolOne[3] = 1;
    const QByteArray otherUnitRtu = rtu(hex("02 03 02 00 01"));
    const QByteArray otherUnitTcp = tcp(0x0102, hex("02 03 02 00 01"));
    const QByteArray lateTcp = tcp(0x0101, hex("01 03 02 00 01"));
    const QByteArray otherFunction = rtu(hex("01 04 02 00 01"));
    const QByteArray noLength = hex("01 02 00 00 01 00");
    // Pieces, noise and exceptions come through the tab test.
    row("RTU false start with a long byte count", rtuRead, {hex("01 03 fa") + rtuReply}, "reply",
        rtuReply, {"!01 03 fa", shown(rtuReply)});
    row("RTU other unit's reply first answers", rtuRead, {otherUnitRtu, rtuReply}, "other unit",
        otherUnitRtu, {shown(otherUnitRtu), stray + shown(rtuReply)});
    row("RTU other function's reply first", rtuRead, {otherFunction + rtuReply}, "reply", rtuReply,
        {stray + shown(otherFunction), shown(rtuReply)});
    row("RTU wrong CRC answers", rtuRead, {badCrc}, "malformed", badCrc, {shown(badCrc)});
    row("RTU cut short", rtuRead, {rtuReply.first(5)}, "cut short", rtuReply.first(5),
        {shown(rtuReply.first(5))});
    row("RTU unsupported function never ends", rtu(hex("01 07 00 00 00 01")),
        {rtu(hex("01 07 00"))}, "none", {}, {stray + shown(rtu(hex("01 07 00")))});
    row("TCP header split", tcpRead, {tcpReply.left(3), tcpReply.mid(3, 4), tcpReply.mid(7)},
        "reply", tcpReply, {shown(tcpReply)});
    row("TCP a late reply is passed over", tcpRead, {lateTcp + tcpReply}, "reply", tcpReply,
        {stray + shown(lateTcp), shown(tcpReply)});
    // Its registers hold the request's identifier and a malformed header.
    const QByteArray lateHoldingHeader = tcp(0x0101, hex("01 03 06 01 02 00 01 00 00"));
    row("TCP a late reply in pieces is passed over whole", tcpRead,
        {lateHoldingHeader.first(12), lateHoldingHeader.mid(12) + tcpReply}, "reply", tcpReply,
        {stray + shown(lateHoldingHeader), shown(tcpReply)});
    row("TCP other unit", tcpRead, {otherUnitTcp}, "other unit", otherUnitTcp,
        {shown(otherUnitTcp)});
    row("TCP protocol identifier 1", tcpRead, {protocolOne}, "malformed", protocolOne,
        {shown(protocolOne)});
    row("TCP impossible length: the header alone", tcpRead, {noLength + hex("01 03")}, "malformed",
        noLength, {shown(noLength), "!01 03"});
    row("TCP cut short", tcpRead, {tcpReply.first(9)}, "cut short", tcpReply.first(9),
        {shown(tcpReply.first(9))});
    row("empty request never ends", {}, {tcpReply}, "none", {}, {stray + shown(tcpReply)});
}

// As it arrives and fed byte by byte: an answer completes with its last
// byte; the frames cut what arrived in order.
void TestModbusCore::collector()
{
    QFETCH(Mode, mode);
    QFETCH(QByteArray, request);
    QFETCH(QByteArrayList, arrivals);
    QFETCH(QString, answer);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, frames);

    const QStringList names{"none", "reply", "other unit", "malformed"};
    const bool waits = answer == u"none" || answer == u"cut short";
    ModbusReplyCollector collector(request, mode);
    bool complete = false;
    for (const QByteArray &bytes : arrivals)
        complete = collector.take(bytes);
    QCOMPARE(complete, !waits);
    QCOMPARE(collector.complete(), complete);
    collector.finish();
    QCOMPARE(names.value(int(collector.answer())),
             answer == u"cut short" ? QStringLiteral("malformed") : answer);
    QCOMPARE(shown(collector.reply()), shown(reply));
    QCOMPARE(shown(collector.received()), shown(arrivals.join()));
    QStringList cut;
    for (const ModbusReplyCollector::Frame &frame : collector.frames())
        cut.append((frame.answersRequest ? QString() : QStringLiteral("!")) + shown(frame.bytes));
    QCOMPARE(cut, frames);

    const QByteArray stream = arrivals.join();
    const qsizetype last = waits ? -1 : stream.indexOf(reply) + reply.size() - 1;
    ModbusReplyCollector byBytes(request, mode);
    for (qsizetype i = 0; i < stream.size(); ++i)
        QVERIFY2(byBytes.take(stream.sliced(i, 1)) == (last >= 0 && i >= last),
                 mismatch(QStringLiteral("byte %1 of %2").arg(i).arg(shown(stream)),
                          QStringLiteral("complete from byte %1").arg(last),
                          QStringLiteral("otherwise")));
    QCOMPARE(shown(byBytes.reply()), shown(waits ? QByteArray() : reply));
}

// Noise far beyond the bound keeps only the newest bytes and still lets a
// reply after it through. The noise holds no byte of the unit, so nothing
// in it answers.
void TestModbusCore::collectorKeepsWhatArrivesBounded()
{
    ModbusReplyCollector collector(rtuRead, Mode::Rtu);
    QRandomGenerator random(7);
    for (int chunk = 0; chunk < 100; ++chunk) {
        QByteArray noise(1000, Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(random.bounded(2, 256));
        static_cast<void>(collector.take(noise));
        QVERIFY(collector.received().size() <= ModbusReplyCollector::maximumReceived);
    }
    QVERIFY(!collector.complete());
    QVERIFY(collector.take(rtuReply));
    QCOMPARE(shown(collector.reply()), shown(rtuReply));
    QVERIFY(collector.received().endsWith(rtuReply));
    QCOMPARE(shown(collector.frames().last().bytes), shown(rtuReply));
}

void TestModbusCore::hexInput()
{
    // Each text gives the bytes, or "refused" where the check refuses it.
    const auto check = [](std::initializer_list<const char *> texts, const char *bytes) {
        for (const char *text : texts) {
            const QString got = ModbusHexInput::isValid(QString::fromLatin1(text))
                                    ? shown(ModbusHexInput::toBytes(text))
                                    : QStringLiteral("refused");
            QVERIFY2(got == QLatin1String(bytes),
                     mismatch(u'"' + QLatin1String(text) + u'"', QLatin1String(bytes), got));
        }
    };
    check({""}, "");
    check({"0x11 0x12", "0x11,0x12", "0x11,  0x12", "0x110x12"}, "11 12");
    check({"0x100x020x0"}, "10 02 00");
    check({"0x01,", "0x01 "}, "01");
    check({"0x01\t0x02"}, "01 02");
    check({"0xAB 0xcd"}, "ab cd");
    check({"0x1FF", "0x000000001FF", "0x7FFFFFFF"}, "ff");
    check({"0x80000000"}, "00");
    check({"0x123456789 0x05"}, "00 05");
    check({"11 12", "0X11", "0x11;0x12", "0x11 ,0x12", " 0x11", "0x", "0x1G", "0x11,,0x12"},
          "refused");
}

QTEST_GUILESS_MAIN(TestModbusCore)
#include "tst_modbuscore.moc"
