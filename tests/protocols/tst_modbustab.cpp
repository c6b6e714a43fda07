#include "hexlist.h"
#include "mainwindow.h"
#include "modbusframelog.h"
#include "modbusframes.h"
#include "modbusslavedata.h"
#include "modbusslaveprocess.h"
#include "portlist.h"
#include "portwait.h"
#include "promptrecorder.h"
#include "ptypair.h"
#include "settingsfile.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QBuffer>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QModbusReply>
#include <QModbusTcpClient>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextBlock>
#include <QTimer>

#include <memory>

#include <sys/socket.h>

Q_DECLARE_METATYPE(Nuvelix_ModbusClient::FunctionCode)

using Mode = Nuvelix_ModBus_Mode;
using Function = Nuvelix_ModbusClient::FunctionCode;
using namespace ModbusFrames;

namespace {

// A frame shows in its log at most this long after it was logged: the logs
// gather frames for up to 100 ms, and what comes while no request waits is
// logged once the line has been quiet for 20 ms.
constexpr int logSettleMs = 200;

const QRegularExpression stamp(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]"));

// The frames a log shows, one per stamped entry, read back from its "0x%1,"
// text (an entry runs over several lines after 0x0a or 64 bytes).
QByteArrayList loggedFrames(const QPlainTextEdit &log)
{
    static const QRegularExpression byte(QStringLiteral("0x([0-9a-f]{2})"));
    QByteArrayList frames;
    for (const QString &entry : log.toPlainText().split(stamp).mid(1)) {
        frames.append(QByteArray());
        for (const QRegularExpressionMatch &match : byte.globalMatch(entry))
            frames.last().append(char(match.captured(1).toInt(nullptr, 16)));
    }
    return frames;
}

// The receive log's entries as hex, "!" before those it marks as answering
// no request.
QStringList entries(const QPlainTextEdit &log)
{
    const QStringList texts = log.toPlainText().split(stamp).mid(1);
    const QByteArrayList frames = loggedFrames(log);
    QStringList shownEntries;
    for (qsizetype i = 0; i < frames.size(); ++i)
        shownEntries.append((texts.at(i).contains(u"answers no request") ? "!" : "") +
                            shown(frames.at(i)));
    return shownEntries;
}

// The scripted slave's answer of one kind to a read of holding registers:
// "ok" (registers 0x1100 + i), "exception" (code 2), "garbage" (bytes no
// reply starts with), "crc" (the CRC's last byte wrong), "unit" (from unit
// 2), "protocol" (protocol identifier 1).
QByteArray replyTo(const QByteArray &request, Mode mode, const QString &kind)
{
    if (kind == u"garbage")
        return hex("ff 00 55 aa 13");
    const qsizetype header = mode == Mode::Rtu ? 0 : 6;
    QByteArray pdu = request.sliced(header, 2);
    if (kind == u"exception") {
        pdu[1] = char(pdu[1] | 0x80);
        pdu.append(char(2));
    } else {
        const int quantity = request.at(header + 5);
        pdu.append(char(2 * quantity));
        for (int i = 0; i < quantity; ++i)
            pdu.append(char(0x11)).append(char(i));
    }
    if (kind == u"unit")
        pdu[0] = 2;
    QByteArray reply = mode == Mode::Tcp ? tcp(transactionOf(request), pdu) : rtu(pdu);
    if (kind == u"crc")
        reply.back() = char(reply.back() ^ 0x01);
    if (kind == u"protocol")
        reply[3] = 1;
    return reply;
}

// Plays a Modbus slave in the test's process (the tab's wait keeps events
// running): on a pty for RTU, on a loopback TCP server for TCP. The tab sends
// it reads only, cut here by their length. Each is recorded and answered by
// the script's next line: pieces "DELAY KIND" separated by ';', each written
// DELAY ms after the request, "KIND/1" and "KIND/2" the halves of the reply;
// KIND "fin" or "rst" closes the TCP connection instead, with a FIN or a
// reset, as `onAccept` does as soon as a connection is accepted. Requests
// past the script, and empty lines, meet silence.
class ScriptedSlave : public QObject
{
public:
    explicit ScriptedSlave(Mode mode)
        : m_mode(mode)
    {
        connect(&m_ptyInput, &QSocketNotifier::activated, this,
                [this] { take(m_pty.readAvailable()); });
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            m_client = m_server.nextPendingConnection();
            connect(m_client, &QIODevice::readyRead, this, [this] { take(m_client->readAll()); });
            // Once the tab, in this same process, has seen its connection made.
            if (!onAccept.isEmpty())
                QTimer::singleShot(20, this, [this] { close(onAccept); });
        });
    }

    [[nodiscard]] QString rtuPath() const { return m_pty.slavePath(); }
    [[nodiscard]] quint16 tcpPort() const { return m_server.serverPort(); }
    void write(const QByteArray &bytes)
    {
        if (m_mode == Mode::Rtu)
            m_pty.write(bytes);
        else if (m_client)
            m_client->write(bytes);
    }

    // A pty takes each write whole; a socket may hold some back.
    [[nodiscard]] bool allWritten() const { return !m_client || m_client->bytesToWrite() == 0; }
    // A reset goes out in place of a FIN when the socket lingers for no time.
    void close(const QString &how)
    {
        if (!m_client || how.isEmpty())
            return;
        if (how == u"rst") {
            const linger none{1, 0};
            ::setsockopt(int(m_client->socketDescriptor()), SOL_SOCKET, SO_LINGER, &none,
                         sizeof none);
            m_client->abort();
        } else {
            m_client->disconnectFromHost();
        }
    }

    QString onAccept;
    QStringList script;
    QByteArrayList requests;
    QByteArray received;
    int unwritten = 0; // answer pieces still to write

private:
    void take(const QByteArray &bytes)
    {
        received += bytes;
        const qsizetype length = m_mode == Mode::Rtu ? 8 : 12;
        while (received.size() >= length * (requests.size() + 1)) {
            const QByteArray request = received.sliced(length * requests.size(), length);
            requests.append(request);
            const QString answer = script.value(requests.size() - 1);
            for (const QString &piece : answer.split(u';', Qt::SkipEmptyParts)) {
                const QStringList parts = piece.split(QRegularExpression(QStringLiteral("[ /]")));
                if (parts.at(1) == u"fin" || parts.at(1) == u"rst") {
                    QTimer::singleShot(parts.at(0).toInt(), this,
                                       [this, how = parts.at(1)] { close(how); });
                    continue;
                }
                QByteArray reply = replyTo(request, m_mode, parts.at(1));
                if (parts.size() > 2)
                    reply = parts.at(2) == u"1" ? reply.first(reply.size() / 2)
                                                : reply.sliced(reply.size() / 2);
                ++unwritten;
                QTimer::singleShot(parts.at(0).toInt(), this, [this, reply] {
                    write(reply);
                    --unwritten;
                });
            }
        }
    }

    Mode m_mode;
    PtyPair m_pty;
    QSocketNotifier m_ptyInput{m_pty.masterFd(), QSocketNotifier::Read};
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
};

// What the test slave holds: `count` values from `start`, bits padded to
// whole bytes.
QVariant slaveValues(Function function, int start, int count)
{
    using namespace ModbusSlaveData;
    QList<bool> bits;
    QList<ushort> words;
    for (int i = 0; i < (count + 7) / 8 * 8; ++i)
        bits.append(i < count &&
                    (function == Function::ReadCoils ? coil(start + i) : discreteInput(start + i)));
    for (int address = start; address < start + count; ++address)
        words.append(function == Function::ReadInputRegisters ? inputRegister(address)
                                                              : holdingRegister(address));
    return int(function) <= 2 ? QVariant::fromValue(bits) : QVariant::fromValue(words);
}

} // namespace

// The Modbus tab's logs, and the tab against a slave scripted in the test's
// process (replies in pieces, late, after noise or missing; the gate, the
// refusals and the TCP states) and against the test slave's process over TCP
// on loopback and RTU on a pty, every write read back by Qt's own client.
class TestModbusTab : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void log();
    void logDuringAFlood();
    void exchange_data();
    void exchange();
    void duringTheWait();
    void unasked_data();
    void unasked();
    void tcpStates();
    void peerCloses_data();
    void peerCloses();
    void testSlave_data();
    void testSlave();
    void fastPresses();

private:
    void makeWindow(const QString &portPath);
    void scripted(Mode mode, bool open = true);
    void openTransport(Mode mode, quint16 tcpPort);
    void setRequest(int functionIndex, int address, int quantity, const QString &data = {});
    QPushButton *button(const char *name) const { return child<QPushButton>(*m_window, name); }
    [[nodiscard]] QByteArrayList logged(const char *view) const
    {
        return loggedFrames(*child<QPlainTextEdit>(*m_window, view));
    }
    [[nodiscard]] QByteArrayList sent() const { return logged("Modbus_sendMsgtextEdit"); }
    [[nodiscard]] QByteArrayList received() const { return logged("Modbus_HexTextBrowser"); }
    [[nodiscard]] QStringList receivedEntries() const
    {
        return entries(*child<QPlainTextEdit>(*m_window, "Modbus_HexTextBrowser"));
    }

    ModbusSlaveProcess m_process{QStringLiteral(MODBUS_TESTSLAVE)};
    std::unique_ptr<ScriptedSlave> m_slave;
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

void TestModbusTab::initTestCase()
{
    QVERIFY2(m_process.start(), qPrintable(m_process.errorText()));
}

void TestModbusTab::cleanup()
{
    m_window.reset();
    m_prompts.reset();
    m_slave.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

// A window whose port list holds `portPath`.
void TestModbusTab::makeWindow(const QString &portPath)
{
    PortList::setLister([portPath] { return QStringList{portPath}; });
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
}

// A window and a scripted slave in `mode`, the tab's transport to it opened.
void TestModbusTab::scripted(Mode mode, bool open)
{
    m_slave = std::make_unique<ScriptedSlave>(mode);
    makeWindow(m_slave->rtuPath());
    if (open)
        openTransport(mode, m_slave->tcpPort());
}

void TestModbusTab::openTransport(Mode mode, quint16 tcpPort)
{
    if (mode == Mode::Rtu) {
        button("ModbusopencompushButton")->click();
        QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
        return;
    }
    child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    child<QLineEdit>(*m_window, "ModbusTCPclientPortlineEdit")->setText(QString::number(tcpPort));
    button("ModbusTCPopencompushButton")->click();
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Connected to TCP server"));
}

void TestModbusTab::setRequest(int functionIndex, int address, int quantity, const QString &data)
{
    child<QComboBox>(*m_window, "Modbus_function_comboBox")->setCurrentIndex(functionIndex);
    child<QSpinBox>(*m_window, "Modbus_address_spinBox")->setValue(address);
    child<QSpinBox>(*m_window, "Modbus_quantity_spinBox")->setValue(quantity);
    child<QLineEdit>(*m_window, "Modbus_lineEdit")->setText(data);
}

// Each frame on its lines: a green stamp, then "0x%1," per byte in black
// without the last character; the newest lines kept. A frame shows a little
// later, not at once; clearing drops what waits too.
void TestModbusTab::log()
{
    const QList<std::tuple<QByteArrayList, int, QStringList>> cases{
        {{hex("0103")}, 100, {"[stamp]0x01,0x03"}},
        {{hex("01030a")}, 100, {"[stamp]0x01,0x03,0x0a,"}},
        {{hex("0a01")}, 100, {"[stamp]0x0a,", "0x01"}},
        {{QByteArray(70, '\x11')},
         100,
         {"[stamp]" + QStringLiteral("0x11,").repeated(64), "0x11,0x11,0x11,0x11,0x11,0x11"}},
        {{hex("01"), hex("02"), hex("03"), hex("04")},
         3,
         {"[stamp]0x02", "[stamp]0x03", "[stamp]0x04"}}};
    for (const auto &[frames, maximumLines, expected] : cases) {
        QPlainTextEdit view;
        ModbusFrameLog log(&view, maximumLines);
        for (const QByteArray &frame : frames)
            log.append(frame);
        log.flush();
        QCOMPARE(view.toPlainText().replace(stamp, QStringLiteral("[stamp]")).split(u'\n'),
                 expected);
        QVERIFY(view.isReadOnly());
        const QList<QTextLayout::FormatRange> ranges = view.document()->firstBlock().textFormats();
        QCOMPARE(ranges.size(), 2);
        QCOMPARE(ranges.at(0).length, 14);
        QCOMPARE(ranges.at(0).format.foreground().color(), QColor(Qt::darkGreen));
        QCOMPARE(ranges.at(1).format.foreground().color(), QColor(Qt::black));
    }

    QPlainTextEdit view;
    ModbusFrameLog log(&view, 100);
    log.append(hex("01"));
    QVERIFY(view.toPlainText().isEmpty());
    QTRY_COMPARE(loggedFrames(view).size(), 1);
    log.append(hex("02"));
    log.clear();
    QTest::qWait(logSettleMs);
    QVERIFY(view.toPlainText().isEmpty());
    log.append(hex("03"));
    log.flush();
    QCOMPARE(loggedFrames(view), QByteArrayList{hex("03")});
}

// Frames that come faster than the view can take them show their newest
// lines meanwhile (a few hundred, or all when the machine is slow), and all
// that the view keeps once they stop, in order.
void TestModbusTab::logDuringAFlood()
{
    QPlainTextEdit view;
    ModbusFrameLog log(&view, 1000);
    QByteArrayList frames;
    for (int i = 0; i < 1500; ++i) {
        frames.append(QByteArray(1, char(i >> 8)) + char(i & 0xff));
        log.append(frames.last());
    }
    QTRY_VERIFY(!view.toPlainText().isEmpty());
    const QByteArrayList first = loggedFrames(view);
    QCOMPARE_LE(first.size(), 1000);
    QCOMPARE(first, frames.mid(frames.size() - first.size()));
    QTRY_COMPARE_WITH_TIMEOUT(loggedFrames(view), frames.mid(500), 5000);
}

void TestModbusTab::exchange_data()
{
    QTest::addColumn<Mode>("mode");
    // Before the press: "" opens the tab's transport, "closed" leaves it
    // closed, "terminal" opens the port in the serial terminal, "exception"
    // opens it and has the slave say an exception reply.
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("functionIndex");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QStringList>("script"); // an answer per request, see ScriptedSlave
    // The receive log's entries: replies "REQUEST:KIND" ("!" before those
    // marked as answering no request; "!before" what the slave said before
    // the press).
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<QString>("status"); // empty: the bad-data box

    const auto row = [](Mode mode, const char *name, const char *before, const QStringList &script,
                        const QStringList &logged, const char *status = "Reply received",
                        int functionIndex = 2, const char *data = "") {
        QTest::addRow("%s: %s", mode == Mode::Rtu ? "RTU" : "TCP", name)
            << mode << QString(before) << functionIndex << QString(data) << script << logged
            << QString(status);
    };
    // Exceptions come from the test slave, in testSlave.
    for (const Mode mode : {Mode::Rtu, Mode::Tcp}) {
        row(mode, "noise before the reply is logged apart, the reply ends the wait", "",
            {"0 garbage;50 ok;500 garbage"}, {"!0:garbage", "0:ok", "!0:garbage"});
        row(mode, "a reply in two pieces is one entry", "", {"0 ok/1;150 ok/2"}, {"0:ok"});
        row(mode, "no reply three times", "", {"", "", ""}, {}, "No response after 3 attempts");
        row(mode, "what waited before the press is logged", "exception", {"30 ok"},
            {"!before", "0:ok"});
        row(mode, "another unit answers three times", "", {"0 unit", "0 unit", "0 unit"},
            {"0:unit", "1:unit", "2:unit"}, "Unexpected unit 2 in response");
        row(mode, "another unit, then the reply", "", {"0 unit", "0 ok"}, {"0:unit", "1:ok"});
        // Nothing is sent without the mode's own transport.
        const char *gate = mode == Mode::Rtu ? "Modbus serial port is not open"
                                             : "Modbus TCP server is not connected";
        row(mode, "not open", "closed", {}, {}, gate);
        row(mode, "the serial terminal holds the port", "terminal", {}, {}, gate);
    }
    // Every attempt answered with the frame's fault: the last one is said.
    row(Mode::Rtu, "a wrong CRC three times", "", {"0 crc", "0 crc", "0 crc"},
        {"0:crc", "1:crc", "2:crc"}, "Invalid CRC in response");
    row(Mode::Rtu, "a wrong CRC, then the reply", "", {"0 crc", "0 ok"}, {"0:crc", "1:ok"});
    row(Mode::Tcp, "protocol identifier 1 three times", "",
        {"0 protocol", "0 protocol", "0 protocol"}, {"0:protocol", "1:protocol", "2:protocol"},
        "Invalid protocol ID in response");
    row(Mode::Tcp, "cut short, then silence", "", {"0 ok/1", "", ""}, {"0:ok/1"},
        "Invalid length in response");
    // RTU has no transaction identifier: a late reply answers the next
    // attempt's question. TCP logs it apart as answering no request.
    row(Mode::Rtu, "a late reply answers the next attempt", "", {"1200 ok", ""}, {"0:ok"});
    row(Mode::Tcp, "a late reply to the attempt before is logged apart", "", {"1200 ok", "400 ok"},
        {"!0:ok", "1:ok"});
    // Nothing is sent with bad data, too few data bytes for a single write
    // or more than one request holds.
    row(Mode::Rtu, "read, tokens without prefix", "", {}, {}, "", 2, "11 12");
    row(Mode::Rtu, "single coil without data", "", {}, {}, "", 4);
    row(Mode::Rtu, "single register with one byte", "", {}, {}, "", 5, "0x01");
    const QByteArray tooMuch = QByteArrayLiteral("0x01 ").repeated(300);
    row(Mode::Tcp, "300 bytes of registers", "", {}, {},
        "Too much data for one request: 300 bytes, at most 246 (123 registers)", 7,
        tooMuch.constData());
    row(Mode::Rtu, "300 bytes of coils", "", {}, {},
        "Too much data for one request: 300 bytes, at most 246 (1968 coils)", 6,
        tooMuch.constData());
}

void TestModbusTab::exchange()
{
    QFETCH(Mode, mode);
    QFETCH(QString, before);
    QFETCH(int, functionIndex);
    QFETCH(QString, data);
    QFETCH(QStringList, script);
    QFETCH(QStringList, logged);
    QFETCH(QString, status);

    scripted(mode, before.isEmpty() || before == u"exception");
    if (before == u"terminal") {
        button("opencompushButton")->click();
        QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
    }
    if (mode == Mode::Tcp)
        child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    QByteArray early;
    if (before == u"exception") {
        const QByteArray pdu = hex("01 03 00 00 00 02");
        early = replyTo(mode == Mode::Rtu ? pdu : tcp(0, pdu), mode, before);
        m_slave->write(early);
        QTest::qWait(100);
    }
    setRequest(functionIndex, 0, 2, data);
    m_slave->script = script;
    button("Modbus_pushButton")->click();
    QTRY_COMPARE(m_slave->unwritten, 0);
    QTest::qWait(logSettleMs);

    const QByteArrayList &requests = m_slave->requests;
    QStringList expected;
    for (QString entry : logged) {
        const QString mark = entry.startsWith(u'!') ? QStringLiteral("!") : QString();
        entry.remove(0, mark.size());
        if (entry == u"before") {
            expected.append(mark + shown(early));
            continue;
        }
        const int index = entry.section(u':', 0, 0).toInt();
        QVERIFY2(index < requests.size(), qPrintable(hexList(requests)));
        const QStringList kind = entry.section(u':', 1).split(u'/');
        QByteArray bytes = replyTo(requests.at(index), mode, kind.first());
        if (kind.size() > 1)
            bytes = bytes.first(bytes.size() / 2);
        expected.append(mark + shown(bytes));
    }
    QCOMPARE(hexList(sent()), hexList(requests));
    QCOMPARE(requests.size(), script.size());
    QCOMPARE(shown(m_slave->received), shown(requests.join()));
    QCOMPARE(entries(*child<QPlainTextEdit>(*m_window, "Modbus_HexTextBrowser")), expected);
    QVERIFY(button("Modbus_pushButton")->isEnabled());
    if (status.isEmpty()) {
        QCOMPARE(m_prompts->messages.size(), 1);
        QCOMPARE(m_prompts->messages.first().title, QStringLiteral("输入错误"));
        QCOMPARE(m_prompts->messages.first().text,
                 QStringLiteral("请输入合法的十六进制数据，例如：0x11 0x12 或 0x11,0x12"));
    } else {
        QCOMPARE(statusText(*m_window), status);
    }
}

// A press while another tool waits on its port runs once that wait is over;
// a second press while the tab's own transaction waits is not taken. Closing
// the port while a request waits ends the exchange there: no more attempts
// (not even on the port opened again before the wait would have ended), no
// "no response", and the modes free again. The clear buttons then empty
// their own log.
void TestModbusTab::duringTheWait()
{
    scripted(Mode::Rtu);
    setRequest(2, 0, 1);
    m_slave->script = QStringList{"0 ok", "300 ok"};
    QPushButton *press = button("Modbus_pushButton");
    QBuffer otherPort;
    otherPort.open(QIODevice::ReadWrite);
    QTimer::singleShot(50, m_window.get(), [press] { press->click(); });
    QCOMPARE(PortWait::exchange(&otherPort, {}, 300, {}), PortWait::Outcome::TimedOut);
    QCOMPARE(m_slave->requests.size(), 0);
    QTRY_COMPARE(m_slave->requests.size(), 1);
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Reply received"));
    QTimer::singleShot(100, m_window.get(), [press] { press->click(); });
    press->click();
    QTest::qWait(logSettleMs);
    QCOMPARE(m_slave->requests.size(), 2);

    QVERIFY(!child<QRadioButton>(*m_window, "ModbusportMode_2")->isEnabled());
    QPushButton *open = button("ModbusopencompushButton");
    QTimer::singleShot(200, m_window.get(), [open] { open->click(); });
    QTimer::singleShot(500, m_window.get(), [open] { open->click(); });
    press->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial closed"));
    QCOMPARE(open->text(), QStringLiteral("Open"));
    QVERIFY(child<QRadioButton>(*m_window, "ModbusportMode_2")->isEnabled());
    QTest::qWait(1500);
    QCOMPARE(hexList(sent()), hexList(m_slave->requests));
    QCOMPARE(m_slave->requests.size(), 3);
    QCOMPARE(received().size(), 2);

    QCOMPARE(button("Modbus_send_cleandatapushButton")->text(), QStringLiteral("Clear Sendbox"));
    button("Modbus_revice_cleandatapushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Receive has been cleared"));
    QVERIFY(received().isEmpty());
    QCOMPARE(sent().size(), 3);
    button("Modbus_send_cleandatapushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Send has been cleared"));
    QVERIFY(sent().isEmpty());
}

// What a device sends while no request waits is read as it comes and logged
// as answering no request, however much it is: nothing piles up on the
// transport, and the next request's answer is found clean.
void TestModbusTab::unasked_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("piecesApartMs"); // the late reply in two pieces; -1: whole

    QTest::addRow("RTU") << Mode::Rtu << -1;
    QTest::addRow("TCP") << Mode::Tcp << -1;
    // A serial line's bytes come as the driver hands them over.
    QTest::addRow("RTU, a late reply in pieces 5 ms apart") << Mode::Rtu << 5;
}

void TestModbusTab::unasked()
{
    QFETCH(Mode, mode);
    QFETCH(int, piecesApartMs);

    scripted(mode);
    const QByteArray late = replyTo(mode == Mode::Rtu ? rtu(hex("01 03 00 00 00 02"))
                                                      : tcp(0x0700, hex("01 03 00 00 00 02")),
                                    mode, QStringLiteral("ok"));
    const QByteArray noise = replyTo({}, mode, QStringLiteral("garbage"));
    if (piecesApartMs < 0) {
        m_slave->write(late);
    } else {
        m_slave->write(late.first(3));
        QTest::qWait(piecesApartMs);
        m_slave->write(late.sliced(3));
    }
    QTest::qWait(50);
    m_slave->write(noise);
    const QStringList before{"!" + shown(late), "!" + shown(noise)};
    QTRY_COMPARE(receivedEntries(), before);

    // A flood of bytes that start no frame in either mode. More than a
    // socket's buffers hold: it is all written only when the tab reads it.
    m_slave->write(QByteArray(4 << 20, '\x55'));
    QTRY_VERIFY_WITH_TIMEOUT(m_slave->allWritten(), 20000);
    if (mode == Mode::Rtu)
        QTRY_COMPARE_WITH_TIMEOUT(m_window->findChild<QSerialPort *>()->bytesAvailable(), 0, 20000);
    QTRY_VERIFY(receivedEntries().size() > before.size() &&
                receivedEntries().last().startsWith(u"!55 55"));

    setRequest(2, 0, 2);
    m_slave->script = QStringList{"0 ok"};
    button("Modbus_pushButton")->click();
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Reply received"));
    QCOMPARE(m_slave->requests.size(), 1);
    // The log keeps the newest lines of the flood before the reply; after a
    // long write it refreshes less often.
    const QString reply = shown(replyTo(m_slave->requests.first(), mode, QStringLiteral("ok")));
    QTRY_COMPARE(receivedEntries().last(), reply);
    const QStringList after = receivedEntries();
    for (const QString &entry : after.first(after.size() - 1))
        QVERIFY2(entry.startsWith(u'!'), qPrintable(entry));
}

// Connected is said only once the connection is made; a refused connection
// leaves the tab idle again.
void TestModbusTab::tcpStates()
{
    scripted(Mode::Tcp, false);
    auto *port = child<QLineEdit>(*m_window, "ModbusTCPclientPortlineEdit");
    auto *com = child<QRadioButton>(*m_window, "ModbusportMode_1");
    QPushButton *connectButton = button("ModbusTCPopencompushButton");
    child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    port->setText(QString::number(m_slave->tcpPort()));
    connectButton->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Connecting to TCP server"));
    QCOMPARE(connectButton->text(), QStringLiteral("Disconnect"));
    QVERIFY(!com->isEnabled() && !port->isEnabled());
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Connected to TCP server"));
    connectButton->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Disconnected TCP server"));
    QVERIFY(com->isEnabled() && port->isEnabled());

    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    port->setText(QString::number(closed.serverPort()));
    closed.close();
    connectButton->click();
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("No server found"));
    QCOMPARE(connectButton->text(), QStringLiteral("Connect"));
    QVERIFY(com->isEnabled() && port->isEnabled());

    port->clear();
    connectButton->click();
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().text, QStringLiteral("IP or Port is empty!"));
}

// A server that closes the connection, with a FIN or a reset, while a
// request waits, between requests or as soon as it accepted, leaves the tab
// idle at once and says so; a press then finds it not connected.
void TestModbusTab::peerCloses_data()
{
    QTest::addColumn<QString>("onAccept");
    QTest::addColumn<QStringList>("script"); // before the close, a request per line

    for (const char *how : {"fin", "rst"}) {
        const QString close = QString::fromLatin1(how);
        QTest::addRow("%s on accepting", how) << close << QStringList();
        QTest::addRow("%s for a request", how) << QString() << QStringList{"0 " + close};
        QTest::addRow("%s after a reply", how) << QString() << QStringList{"0 ok;50 " + close};
    }
}

void TestModbusTab::peerCloses()
{
    QFETCH(QString, onAccept);
    QFETCH(QStringList, script);

    scripted(Mode::Tcp, false);
    m_slave->onAccept = onAccept;
    m_slave->script = script;
    child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    auto *port = child<QLineEdit>(*m_window, "ModbusTCPclientPortlineEdit");
    port->setText(QString::number(m_slave->tcpPort()));
    QPushButton *connectButton = button("ModbusTCPopencompushButton");
    connectButton->click();
    setRequest(2, 0, 2);
    if (!script.isEmpty()) {
        QTRY_COMPARE(statusText(*m_window), QStringLiteral("Connected to TCP server"));
        button("Modbus_pushButton")->click();
    }
    QTRY_COMPARE(
        statusText(*m_window),
        QStringLiteral("Modbus TCP connection ended: The remote host closed the connection"));
    QCOMPARE(connectButton->text(), QStringLiteral("Connect"));
    for (const char *name : {"ModbusportMode_1", "ModbusportMode_2", "ModbusTCPclientIPlineEdit",
                             "ModbusTCPclientPortlineEdit"})
        QVERIFY2(child<QWidget>(*m_window, name)->isEnabled(), name);

    button("Modbus_pushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Modbus TCP server is not connected"));
    // One request, not asked again on a connection that is gone.
    QTest::qWait(logSettleMs);
    QCOMPARE(sent().size(), script.size());
}

void TestModbusTab::testSlave_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<Function>("function");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QVariant>("expected"); // the decoded reply
    QTest::addColumn<QList<quint16>>("readBack");

    for (const Mode mode : {Mode::Rtu, Mode::Tcp}) {
        const char *m = mode == Mode::Rtu ? "RTU" : "TCP";
        const auto read = [m, mode](const char *name, Function function, int address, int count) {
            QTest::addRow("%s: %s", m, name)
                << mode << function << address << count << QString()
                << slaveValues(function, address, count) << QList<quint16>();
        };
        // Each write goes where no other row reads or writes.
        const int base = mode == Mode::Rtu ? 20 : 60;
        const auto write = [m, mode, base](const char *name, Function function, int offset,
                                           int quantity, const char *data, int echoed,
                                           const QList<quint16> &readBack) {
            QTest::addRow("%s: %s", m, name)
                << mode << function << base + offset << quantity << QString(data)
                << QVariant(QVariantMap{{QStringLiteral("StartAddress"), base + offset},
                                        {QStringLiteral("Quantity"), echoed}})
                << readBack;
        };
        read("coils", Function::ReadCoils, 1, 10);
        read("discrete inputs", Function::ReadDiscreteInputs, 5, 8);
        read("holding registers", Function::ReadHoldingRegisters, 150, 3);
        read("125 input registers", Function::ReadInputRegisters, 0, 125);
        QTest::addRow("%s: an address beyond the table", m)
            << mode << Function::ReadHoldingRegisters << ModbusSlaveData::tableSize + 100 << 1
            << QString() << QVariant() << QList<quint16>();
        write("single coil on", Function::WriteSingleCoil, 1, 1, "0x01", 0xff00, {1});
        write("single coil off", Function::WriteSingleCoil, 3, 1, "0x00", 0, {0});
        write("single register", Function::WriteSingleRegister, 5, 1, "0x12 0x34", 0x1234,
              {0x1234});
        write("ten coils", Function::WriteMultipleCoils, 8, 10, "0xCD,0x01", 10,
              {1, 0, 1, 1, 0, 0, 1, 1, 1, 0});
        write("three registers", Function::WriteMultipleRegisters, 20, 3,
              "0x00 0x0a 0x01 0x02 0xff 0xfe", 3, {0x000a, 0x0102, 0xfffe});
        // As many as one request holds.
        QByteArray full;
        QList<quint16> fullValues;
        for (int i = 0; i < 123; ++i) {
            full += QStringLiteral("0x0a 0x%1 ").arg(i, 2, 16, QLatin1Char('0')).toLatin1();
            fullValues.append(quint16(0x0a00 + i));
        }
        write("123 registers", Function::WriteMultipleRegisters, 6, 123, full.constData(), 123,
              fullValues);
    }
}

// One request through the tab to the test slave's process; a write read
// back over TCP with Qt's client.
void TestModbusTab::testSlave()
{
    QFETCH(Mode, mode);
    QFETCH(Function, function);
    QFETCH(int, address);
    QFETCH(int, quantity);
    QFETCH(QString, data);
    QFETCH(QVariant, expected);
    QFETCH(QList<quint16>, readBack);

    makeWindow(m_process.rtuPath());
    openTransport(mode, m_process.tcpPort());
    // The function box lists the codes in this order.
    setRequest(int(QList{1, 2, 3, 4, 5, 6, 15, 16}.indexOf(int(function))), address, quantity,
               data);
    button("Modbus_pushButton")->click();
    QTest::qWait(logSettleMs);

    QCOMPARE(sent().size(), 1);
    QCOMPARE(received().size(), 1);
    const QVariant result =
        Nuvelix_ModbusClient().parseResponse(function, received().first(), mode);
    QVERIFY2(result == expected,
             mismatch(shown(received().first()), shown(expected), shown(result)));
    QCOMPARE(statusText(*m_window), expected.isValid()
                                        ? QStringLiteral("Reply received")
                                        : QStringLiteral("Modbus exception response: 2"));
    if (readBack.isEmpty())
        return;

    QModbusTcpClient client;
    client.setConnectionParameter(QModbusDevice::NetworkAddressParameter,
                                  QStringLiteral("127.0.0.1"));
    client.setConnectionParameter(QModbusDevice::NetworkPortParameter, m_process.tcpPort());
    QVERIFY(client.connectDevice());
    QTRY_COMPARE(client.state(), QModbusDevice::ConnectedState);
    const bool coils =
        function == Function::WriteSingleCoil || function == Function::WriteMultipleCoils;
    const std::unique_ptr<QModbusReply> reply(client.sendReadRequest(
        QModbusDataUnit(coils ? QModbusDataUnit::Coils : QModbusDataUnit::HoldingRegisters, address,
                        quint16(readBack.size())),
        ModbusSlaveData::unit));
    QVERIFY(reply);
    QTRY_VERIFY(reply->isFinished());
    QCOMPARE(reply->error(), QModbusDevice::NoError);
    QCOMPARE(reply->result().values().mid(0, readBack.size()), readBack);
}

// Presses that follow each other as fast as the test slave answers leave
// the window's events running, and every frame reaches its log.
void TestModbusTab::fastPresses()
{
    makeWindow(m_process.rtuPath());
    openTransport(Mode::Tcp, m_process.tcpPort());
    setRequest(2, 0, 2);
    int ticks = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, this, [&ticks] { ++ticks; });
    tick.start(10);
    QPushButton *read = button("Modbus_pushButton");
    int presses = 0;
    QElapsedTimer clock;
    clock.start();
    // Fewer presses than a log keeps lines, so each log can hold them all.
    while (clock.elapsed() < 300 && presses < 5000) {
        read->click();
        ++presses;
    }
    QCOMPARE_GE(ticks, 3);
    QCOMPARE(statusText(*m_window), QStringLiteral("Reply received"));
    // Each log is made whole on its own refresh once the presses stop, which
    // on a loaded machine takes seconds.
    QTRY_COMPARE_WITH_TIMEOUT(received().size(), presses, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(sent().size(), presses, 30000);
}

YURB_TEST_MAIN(TestModbusTab)
#include "tst_modbustab.moc"
