#include "modbusreplywait.h"
#include "ptypair.h"
#include "threadserial.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include <cerrno>
#include <termios.h>

// The port worker against a pty standing in for the device.
class TestThreadSerial : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newWorker();
    void forwardsWhatTheDeviceSends();
    void withoutReadConnectionForwardsNothing();
    void writesReachTheDevice();
    void parameters_data();
    void parameters();
    void missingPortFailsToOpen();
    void modemLinesOnlyWhileOpen();
    void deletingAStartedWorkerIsSafe();
    void lostDeviceIsReportedOnce_data();
    void lostDeviceIsReportedOnce();
    void fullDeviceIsNotALoss();
};

static std::unique_ptr<ThreadSerial> openWorker(const QString &path, bool connectRead)
{
    auto worker = std::make_unique<ThreadSerial>();
    worker->portName = path;
    worker->baudRate = 115200;
    worker->Init(connectRead);
    return worker;
}

void TestThreadSerial::newWorker()
{
    const ThreadSerial worker;
    QVERIFY(worker.portName.isEmpty());
    QVERIFY(!worker.serialPort);
    QVERIFY(!worker.dtr);
    QVERIFY(!worker.rts);
    QVERIFY(!worker.opened);
    QVERIFY(worker.running);
}

void TestThreadSerial::forwardsWhatTheDeviceSends()
{
    PtyPair pty;
    QVERIFY(pty.isOpen());
    const auto worker = openWorker(pty.slavePath(), true);
    QVERIFY(worker->opened);
    QSignalSpy spy(worker.get(), &ThreadSerial::Serial_read_Data);
    const QByteArray sent("$GPGGA,1\r\n\x00\xff", 12);
    QVERIFY(pty.write(sent));
    QByteArray received;
    QTRY_VERIFY((received = [&spy] {
                    QByteArray all;
                    for (const QList<QVariant> &call : spy)
                        all += call.at(0).toByteArray();
                    return all;
                }()) == sent);
    for (const QList<QVariant> &call : spy)
        QVERIFY(!call.at(0).toByteArray().isEmpty());
}

void TestThreadSerial::withoutReadConnectionForwardsNothing()
{
    PtyPair pty;
    const auto worker = openWorker(pty.slavePath(), false);
    QVERIFY(worker->opened);
    QSignalSpy spy(worker.get(), &ThreadSerial::Serial_read_Data);
    QVERIFY(pty.write("abc"));
    QTRY_COMPARE(worker->serialPort->bytesAvailable(), qint64(3));
    QCOMPARE(spy.count(), 0);
}

void TestThreadSerial::writesReachTheDevice()
{
    PtyPair pty;
    const auto worker = openWorker(pty.slavePath(), true);
    QCOMPARE(worker->serialPort->write("AT\r\n"), qint64(4));
    QCOMPARE(pty.read(4), QByteArray("AT\r\n"));
}

void TestThreadSerial::parameters_data()
{
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<int>("expectedParity");
    QTest::addColumn<int>("expectedStopBits");
    // The parity flags the device's line settings get (a pty keeps these,
    // while it drops the parity-enable bit itself).
    QTest::addColumn<int>("lineFlags");

    QTest::newRow("8N1") << 8 << 0 << 0 << int(QSerialPort::NoParity) << int(QSerialPort::OneStop)
                         << 0;
    QTest::newRow("odd") << 8 << 1 << 0 << int(QSerialPort::OddParity) << int(QSerialPort::OneStop)
                         << int(PARODD);
    QTest::newRow("even, two stop bits")
        << 7 << 2 << 2 << int(QSerialPort::EvenParity) << int(QSerialPort::TwoStop) << 0;
    QTest::newRow("mark") << 8 << 3 << 0 << int(QSerialPort::MarkParity)
                          << int(QSerialPort::OneStop) << int(CMSPAR | PARODD);
    QTest::newRow("space") << 8 << 4 << 0 << int(QSerialPort::SpaceParity)
                           << int(QSerialPort::OneStop) << int(CMSPAR);
    QTest::newRow("1.5 stop bits keep one")
        << 8 << 0 << 1 << int(QSerialPort::NoParity) << int(QSerialPort::OneStop) << 0;
    QTest::newRow("parity index out of range")
        << 8 << 7 << 5 << int(QSerialPort::NoParity) << int(QSerialPort::OneStop) << 0;
}

void TestThreadSerial::parameters()
{
    QFETCH(int, dataBits);
    QFETCH(int, parity);
    QFETCH(int, stopBits);
    QFETCH(int, expectedParity);
    QFETCH(int, expectedStopBits);
    QFETCH(int, lineFlags);

    PtyPair pty;
    ThreadSerial worker;
    worker.portName = pty.slavePath();
    worker.baudRate = 9600;
    worker.dataBits = dataBits;
    worker.parity = parity;
    worker.stopBits = stopBits;
    worker.Init(true);
    QVERIFY(worker.opened);
    QCOMPARE(int(worker.serialPort->dataBits()), dataBits);
    QCOMPARE(int(worker.serialPort->parity()), expectedParity);
    QCOMPARE(int(worker.serialPort->stopBits()), expectedStopBits);
    QCOMPARE(int(worker.serialPort->flowControl()), int(QSerialPort::NoFlowControl));
    termios line{};
    QCOMPARE(tcgetattr(pty.masterFd(), &line), 0);
    QCOMPARE(int(line.c_cflag & (CMSPAR | PARODD)), lineFlags);
}

void TestThreadSerial::missingPortFailsToOpen()
{
    const auto worker = openWorker(QStringLiteral("/dev/pts/no-such-port"), true);
    QVERIFY(!worker->opened);
    QVERIFY(worker->serialPort);
    QVERIFY(!worker->serialPort->isOpen());
}

void TestThreadSerial::modemLinesOnlyWhileOpen()
{
    ThreadSerial closed;
    closed.setDTR(true);
    closed.setRTS(true);
    QVERIFY(!closed.dtr);
    QVERIFY(!closed.rts);

    const auto failed = openWorker(QStringLiteral("/dev/pts/no-such-port"), true);
    failed->setDTR(true);
    QVERIFY(!failed->dtr);
}

// A worker whose thread was started is deleted right away, as a close does:
// the destructor waits for the thread instead of aborting the program.
void TestThreadSerial::deletingAStartedWorkerIsSafe()
{
    PtyPair pty;
    for (int i = 0; i < 20; ++i) {
        auto worker = openWorker(pty.slavePath(), true);
        QVERIFY(worker->opened);
        worker->start();
        worker->serialPort->close();
        worker.reset();
    }
    auto failed = openWorker(QStringLiteral("/dev/pts/no-such-port"), true);
    failed->start();
    failed.reset();
}

void TestThreadSerial::lostDeviceIsReportedOnce_data()
{
    QTest::addColumn<bool>("connectRead");
    QTest::newRow("forwarding what it reads") << true;
    QTest::newRow("read by the tool itself") << false;
}

// The far end goes away: the worker closes the port (no endless failing
// reads) and reports the loss once, with the reason of the loss itself (a
// pty's other end hanging up fails with EIO), not a stale one.
void TestThreadSerial::lostDeviceIsReportedOnce()
{
    QFETCH(bool, connectRead);
    auto pty = std::make_unique<PtyPair>();
    const auto worker = openWorker(pty->slavePath(), connectRead);
    QVERIFY(worker->opened);
    QSignalSpy lost(worker.get(), &ThreadSerial::portLost);
    pty.reset();
    QTRY_COMPARE(lost.count(), 1);
    QCOMPARE(lost.first().first().toString(), qt_error_string(EIO));
    QVERIFY(!worker->serialPort->isOpen());
    QTest::qWait(100);
    QCOMPARE(lost.count(), 1);
}

// A device that takes nothing for a while (a slow UART, a full USB adapter)
// fills the port's output, and a flush into it is refused (as the serial
// terminal's Send File and the Modbus master's request once flushed). That
// is back-pressure: nothing is reported lost, and once the device reads
// again every byte arrives, in order.
void TestThreadSerial::fullDeviceIsNotALoss()
{
    PtyPair pty;
    const auto worker = openWorker(pty.slavePath(), false);
    QSignalSpy lost(worker.get(), &ThreadSerial::portLost);
    QByteArray expected(64 * 1024, 'a');
    worker->serialPort->write(expected);
    QTest::qWait(100);
    QVERIFY(!worker->serialPort->flush());
    const QByteArray request = QByteArray::fromHex("010300000001840a");
    ModbusReplyCollector collector(request, Nuvelix_ModBus_Mode::Rtu);
    QVERIFY(ModbusReplyWait::exchange(worker->serialPort, request, collector, 100) ==
            PortWait::Outcome::TimedOut);
    expected += request;
    QCOMPARE(lost.count(), 0);
    QCOMPARE(pty.read(expected.size(), 10000), expected);
    QCOMPARE(lost.count(), 0);
}

QTEST_GUILESS_MAIN(TestThreadSerial)
#include "tst_threadserial.moc"
