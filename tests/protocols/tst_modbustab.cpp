#include "hexlist.h"
#include "mainwindow.h"
#include "modbusframes.h"
#include "modbuslog.h"
#include "portlist.h"
#include "portwait.h"
#include "promptrecorder.h"
#include "scriptedmodbusslave.h"
#include "settingsfile.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QBuffer>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTimer>

#include <memory>

using Mode = Nuvelix_ModBus_Mode;
using ModbusFrames::hex;

namespace {

int byteOf(const QByteArray &bytes, qsizetype index)
{
    return static_cast<unsigned char>(bytes.at(index));
}

// The slave's answer of one kind to a read of holding registers: "ok"
// (registers 0x1100 + i), "exception" (code 2), "otherunit" (ok from the
// next unit), "badcrc" (ok with a broken CRC), "garbage" (bytes no reply
// starts with).
QByteArray replyTo(const QByteArray &request, Mode mode, const QString &kind)
{
    if (kind == QLatin1String("garbage"))
        return hex("ff 00 55 aa 13");
    const qsizetype header = mode == Mode::Rtu ? 0 : 6;
    const int unit = byteOf(request, header) + (kind == QLatin1String("otherunit") ? 1 : 0);
    const int function = byteOf(request, header + 1);
    QByteArray pdu;
    pdu.append(char(unit));
    if (kind == QLatin1String("exception")) {
        pdu.append(char(function | 0x80)).append(char(2));
    } else {
        const int quantity = (byteOf(request, header + 4) << 8) | byteOf(request, header + 5);
        pdu.append(char(function)).append(char(2 * quantity));
        for (int i = 0; i < quantity; ++i)
            pdu.append(char(0x11)).append(char(i));
    }
    if (mode == Mode::Tcp)
        return ModbusFrames::tcp(ModbusFrames::transactionOf(request), pdu);
    QByteArray frame = ModbusFrames::rtu(pdu);
    if (kind == QLatin1String("badcrc"))
        frame.back() = char(frame.back() ^ 0x5a);
    return frame;
}

// An answer from its script text: pieces "DELAY KIND" separated by ';',
// each written DELAY ms after the request; "KIND/1" and "KIND/2" are the
// first and second half of the bytes. An empty text is silence.
ScriptedModbusSlave::Answer answerFrom(const QString &script, Mode mode)
{
    return [script, mode](const QByteArray &request) {
        QList<ScriptedModbusSlave::Piece> pieces;
        for (const QString &piece : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString kind = piece.section(QLatin1Char(' '), 1).section(QLatin1Char('/'), 0, 0);
            const QString half = piece.section(QLatin1Char('/'), 1);
            QByteArray bytes = replyTo(request, mode, kind);
            if (half == QLatin1String("1"))
                bytes = bytes.left(bytes.size() / 2);
            else if (half == QLatin1String("2"))
                bytes = bytes.mid(bytes.size() / 2);
            pieces.append({piece.section(QLatin1Char(' '), 0, 0).toInt(), bytes});
        }
        return pieces;
    };
}

} // namespace

// The Modbus tab against a slave scripted in the test's process: replies in
// pieces, late, wrong, missing or after noise; what it sends and logs, how
// long it waits, what it says; the gate, the TCP connection, the mode and
// function widgets and the data field's refusals.
class TestModbusTab : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void exchange_data();
    void exchange();
    void closingThePortEndsTheWait();
    void pressDuringItsOwnTransaction();
    void pressDuringAnotherToolsWait();
    void notConnectedIsSaid_data();
    void notConnectedIsSaid();
    void tcpConnectionStates();
    void tcpFieldsEmpty();
    void modeAndFunctionWidgets();
    void serialOpenLocksTheModes();
    void badDataIsRefused_data();
    void badDataIsRefused();
    void clearButtons();

private:
    void makeWindow(Mode mode);
    void connectTransport(Mode mode);
    void setRead(int quantity);
    QPushButton *button(const char *name) const { return child<QPushButton>(*m_window, name); }
    [[nodiscard]] QByteArrayList sent() const;
    [[nodiscard]] QByteArrayList received() const;

    std::unique_ptr<ScriptedModbusSlave> m_slave;
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

void TestModbusTab::cleanup()
{
    m_window.reset();
    m_prompts.reset();
    m_slave.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

void TestModbusTab::makeWindow(Mode mode)
{
    m_slave = std::make_unique<ScriptedModbusSlave>(mode);
    const QString path = m_slave->rtuPath();
    PortList::setLister([path] { return path.isEmpty() ? QStringList() : QStringList{path}; });
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
}

void TestModbusTab::connectTransport(Mode mode)
{
    if (mode == Mode::Rtu) {
        button("ModbusopencompushButton")->click();
        QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
        return;
    }
    child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    child<QLineEdit>(*m_window, "ModbusTCPclientPortlineEdit")
        ->setText(QString::number(m_slave->tcpPort()));
    button("ModbusTCPopencompushButton")->click();
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Connected to TCP server"));
}

// Reads holding registers from address 0.
void TestModbusTab::setRead(int quantity)
{
    child<QComboBox>(*m_window, "Modbus_function_comboBox")->setCurrentIndex(2);
    child<QSpinBox>(*m_window, "Modbus_address_spinBox")->setValue(0);
    child<QSpinBox>(*m_window, "Modbus_quantity_spinBox")->setValue(quantity);
}

QByteArrayList TestModbusTab::sent() const
{
    return loggedFrames(*child<QPlainTextEdit>(*m_window, "Modbus_sendMsgtextEdit"));
}

QByteArrayList TestModbusTab::received() const
{
    return loggedFrames(*child<QPlainTextEdit>(*m_window, "Modbus_HexTextBrowser"));
}

void TestModbusTab::exchange_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("unasked");    // a reply kind the slave says before the press
    QTest::addColumn<QStringList>("script"); // an answer per request, see answerFrom
    // The receive log's lines: replies "REQUEST:KIND" joined by '+'.
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    const QString reply = QStringLiteral("Reply received");
    const QString noReply = QStringLiteral("No response after 3 attempts");
    const QString exception = QStringLiteral("Modbus exception response: 2");
    for (const Mode mode : {Mode::Rtu, Mode::Tcp}) {
        const char *m = mode == Mode::Rtu ? "RTU" : "TCP";
        QTest::addRow("%s: a quick reply ends the wait at once", m)
            << mode << QString() << QStringList{"0 ok"} << QStringList{"0:ok"} << reply << 0 << 700;
        QTest::addRow("%s: a reply in two pieces is one line", m)
            << mode << QString() << QStringList{"0 ok/1;150 ok/2"} << QStringList{"0:ok"} << reply
            << 140 << 900;
        QTest::addRow("%s: noise before the reply", m)
            << mode << QString() << QStringList{"0 garbage;50 ok"} << QStringList{"0:garbage+0:ok"}
            << reply << 40 << 900;
        QTest::addRow("%s: an exception", m)
            << mode << QString() << QStringList{"20 exception"} << QStringList{"0:exception"}
            << exception << 10 << 900;
        QTest::addRow("%s: no reply three times", m) << mode << QString() << QStringList{"", "", ""}
                                                     << QStringList{} << noReply << 2900 << 4500;
        QTest::addRow("%s: noise only, three times", m)
            << mode << QString() << QStringList{"0 garbage", "0 garbage", "0 garbage"}
            << QStringList{"0:garbage", "1:garbage", "2:garbage"} << noReply << 2900 << 4500;
        QTest::addRow("%s: another unit's reply is none", m)
            << mode << QString() << QStringList{"0 otherunit", "0 ok"}
            << QStringList{"0:otherunit", "1:ok"} << reply << 950 << 1900;
        QTest::addRow("%s: what waited before the press is dropped", m)
            << mode << QStringLiteral("exception") << QStringList{"30 ok"} << QStringList{"0:ok"}
            << reply << 20 << 900;
    }
    QTest::newRow("RTU: a broken CRC is no reply")
        << Mode::Rtu << QString() << QStringList{"0 badcrc", "0 ok"}
        << QStringList{"0:badcrc", "1:ok"} << reply << 950 << 1900;
    // RTU has no transaction identifier: the late reply answers the same
    // question, and the slave's own reply to the second attempt comes after.
    QTest::newRow("RTU: a late reply answers the next attempt")
        << Mode::Rtu << QString() << QStringList{"1200 ok", ""} << QStringList{"0:ok"} << reply
        << 1150 << 2000;
    QTest::newRow("TCP: a late reply to the attempt before is passed over")
        << Mode::Tcp << QString() << QStringList{"1200 ok", "400 ok"} << QStringList{"0:ok+1:ok"}
        << reply << 1350 << 2200;
    QTest::newRow("TCP: a late reply alone is no answer")
        << Mode::Tcp << QString() << QStringList{"1200 ok", "", ""} << QStringList{"0:ok"}
        << noReply << 2900 << 4500;
}

void TestModbusTab::exchange()
{
    QFETCH(Mode, mode);
    QFETCH(QString, unasked);
    QFETCH(QStringList, script);
    QFETCH(QStringList, logged);
    QFETCH(QString, status);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    makeWindow(mode);
    connectTransport(mode);
    setRead(2);
    QList<ScriptedModbusSlave::Answer> answers;
    for (const QString &answer : script)
        answers.append(answerFrom(answer, mode));
    m_slave->setScript(answers);
    if (!unasked.isEmpty()) {
        QByteArray request = mode == Mode::Rtu ? hex("01 03 00 00 00 02")
                                               : ModbusFrames::tcp(0, hex("01 03 00 00 00 02"));
        m_slave->say(replyTo(request, mode, unasked));
        QTest::qWait(100);
    }

    QElapsedTimer clock;
    clock.start();
    button("Modbus_pushButton")->click();
    const qint64 took = clock.elapsed();
    QTest::qWait(logSettleMs);

    const QByteArrayList requests = m_slave->requests();
    QByteArrayList expected;
    for (const QString &line : logged) {
        QByteArray bytes;
        for (const QString &part : line.split(QLatin1Char('+'))) {
            const int index = part.section(QLatin1Char(':'), 0, 0).toInt();
            QVERIFY2(index < requests.size(),
                     qPrintable(QStringLiteral("log line %1 answers request %2, but the slave got "
                                               "%3 requests")
                                    .arg(line)
                                    .arg(index)
                                    .arg(requests.size())));
            bytes += replyTo(requests.at(index), mode, part.section(QLatin1Char(':'), 1));
        }
        expected.append(bytes);
    }
    QCOMPARE(hexList(sent()), hexList(requests));
    QCOMPARE(sent().size(), qMax<qsizetype>(1, qMin<qsizetype>(3, script.size())));
    QCOMPARE(hexList(received()), hexList(expected));
    QCOMPARE(statusText(*m_window), status);
    QVERIFY2(took >= minMs && took <= maxMs,
             qPrintable(
                 QStringLiteral("took %1 ms, expected %2 to %3").arg(took).arg(minMs).arg(maxMs)));
    QVERIFY(button("Modbus_pushButton")->isEnabled());
}

// Closing the port while a request waits ends the wait there: no more
// attempts and no "no response".
void TestModbusTab::closingThePortEndsTheWait()
{
    makeWindow(Mode::Rtu);
    connectTransport(Mode::Rtu);
    setRead(1);
    QTimer::singleShot(200, m_window.get(), [this] { button("ModbusopencompushButton")->click(); });
    QElapsedTimer clock;
    clock.start();
    button("Modbus_pushButton")->click();
    QVERIFY2(clock.elapsed() < 900, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(logSettleMs);
    QCOMPARE(sent().size(), 1);
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial closed"));
    QCOMPARE(button("ModbusopencompushButton")->text(), QStringLiteral("Open"));
}

// A second press while the first transaction waits is not taken.
void TestModbusTab::pressDuringItsOwnTransaction()
{
    makeWindow(Mode::Rtu);
    connectTransport(Mode::Rtu);
    setRead(1);
    m_slave->setScript({answerFrom(QStringLiteral("300 ok"), Mode::Rtu),
                        answerFrom(QStringLiteral("0 ok"), Mode::Rtu)});
    QTimer::singleShot(100, m_window.get(), [this] { button("Modbus_pushButton")->click(); });
    button("Modbus_pushButton")->click();
    QTest::qWait(logSettleMs + 100);
    QCOMPARE(m_slave->requests().size(), 1);
    QCOMPARE(sent().size(), 1);
    QCOMPARE(received().size(), 1);
}

// A press while another tool waits on its port runs once that wait is over.
void TestModbusTab::pressDuringAnotherToolsWait()
{
    makeWindow(Mode::Rtu);
    connectTransport(Mode::Rtu);
    setRead(1);
    m_slave->setScript({answerFrom(QStringLiteral("0 ok"), Mode::Rtu)});
    QBuffer otherPort;
    otherPort.open(QIODevice::ReadWrite);
    QTimer::singleShot(50, m_window.get(), [this] { button("Modbus_pushButton")->click(); });
    QCOMPARE(PortWait::exchange(&otherPort, {}, 300, {}), PortWait::Outcome::TimedOut);
    QCOMPARE(m_slave->requests().size(), 0);
    QTRY_COMPARE(m_slave->requests().size(), 1);
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Reply received"));
}

void TestModbusTab::notConnectedIsSaid_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("terminalHoldsPort");
    QTest::addColumn<QString>("status");

    const QString serial = QStringLiteral("Modbus serial port is not open");
    const QString tcp = QStringLiteral("Modbus TCP server is not connected");
    QTest::newRow("COM, no port open") << Mode::Rtu << false << serial;
    QTest::newRow("COM, the serial terminal holds the port") << Mode::Rtu << true << serial;
    QTest::newRow("TCP, no connection") << Mode::Tcp << false << tcp;
    QTest::newRow("TCP, the serial terminal holds the port") << Mode::Tcp << true << tcp;
}

void TestModbusTab::notConnectedIsSaid()
{
    QFETCH(Mode, mode);
    QFETCH(bool, terminalHoldsPort);
    QFETCH(QString, status);

    makeWindow(Mode::Rtu);
    if (terminalHoldsPort) {
        button("opencompushButton")->click();
        QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
    }
    if (mode == Mode::Tcp)
        child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    setRead(1);
    m_slave->setScript({answerFrom(QStringLiteral("0 ok"), Mode::Rtu)});
    button("Modbus_pushButton")->click();
    QCOMPARE(statusText(*m_window), status);
    QTest::qWait(logSettleMs);
    QCOMPARE(m_slave->requests().size(), 0);
    QVERIFY(sent().isEmpty());
}

void TestModbusTab::tcpConnectionStates()
{
    makeWindow(Mode::Tcp);
    auto *ip = child<QLineEdit>(*m_window, "ModbusTCPclientIPlineEdit");
    auto *port = child<QLineEdit>(*m_window, "ModbusTCPclientPortlineEdit");
    auto *com = child<QRadioButton>(*m_window, "ModbusportMode_1");
    QPushButton *connectButton = button("ModbusTCPopencompushButton");
    child<QRadioButton>(*m_window, "ModbusportMode_2")->click();

    // Said only once the connection is made.
    port->setText(QString::number(m_slave->tcpPort()));
    connectButton->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Connecting to TCP server"));
    QCOMPARE(connectButton->text(), QStringLiteral("Disconnect"));
    QVERIFY(!com->isEnabled() && !ip->isEnabled() && !port->isEnabled());
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Connected to TCP server"));

    connectButton->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Disconnected TCP server"));
    QCOMPARE(connectButton->text(), QStringLiteral("Connect"));
    QVERIFY(com->isEnabled() && ip->isEnabled() && port->isEnabled());

    // A refused connection: the failure, and the tab idle again.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 unused = closed.serverPort();
    closed.close();
    port->setText(QString::number(unused));
    connectButton->click();
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("No server found"));
    QCOMPARE(connectButton->text(), QStringLiteral("Connect"));
    QVERIFY(com->isEnabled() && ip->isEnabled() && port->isEnabled());
    button("Modbus_pushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Modbus TCP server is not connected"));
}

void TestModbusTab::tcpFieldsEmpty()
{
    makeWindow(Mode::Tcp);
    child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    child<QLineEdit>(*m_window, "ModbusTCPclientIPlineEdit")->clear();
    button("ModbusTCPopencompushButton")->click();
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().title, QStringLiteral("warning:"));
    QCOMPARE(m_prompts->messages.first().text, QStringLiteral("IP or Port is empty!"));
    QCOMPARE(button("ModbusTCPopencompushButton")->text(), QStringLiteral("Connect"));
}

void TestModbusTab::modeAndFunctionWidgets()
{
    makeWindow(Mode::Rtu);
    const char *const serialWidgets[] = {"ModbusopencompushButton", "ModbusportNameComboBox",
                                         "ModbusbaudRateComboBox",  "ModbusdataBitsComboBox",
                                         "ModbusparityComboBox",    "ModbusstopBitsComboBox"};
    const char *const tcpWidgets[] = {"ModbusTCPopencompushButton", "ModbusTCPclientIPlineEdit",
                                      "ModbusTCPclientPortlineEdit"};
    const auto check = [&](bool serial) {
        for (const char *name : serialWidgets)
            QVERIFY2(child<QWidget>(*m_window, name)->isHidden() == !serial, name);
        for (const char *name : tcpWidgets)
            QVERIFY2(child<QWidget>(*m_window, name)->isHidden() == serial, name);
        QVERIFY(!child<QWidget>(*m_window, "ModbusspinBox")->isHidden());
        QCOMPARE(child<QRadioButton>(*m_window, "ModbusportMode_1")->isChecked(), serial);
        QCOMPARE(child<QRadioButton>(*m_window, "ModbusportMode_2")->isChecked(), !serial);
    };
    check(true);
    child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    check(false);
    child<QRadioButton>(*m_window, "ModbusportMode_1")->click();
    check(true);

    auto *function = child<QComboBox>(*m_window, "Modbus_function_comboBox");
    auto *data = child<QLineEdit>(*m_window, "Modbus_lineEdit");
    QVERIFY(data->isReadOnly());
    function->setCurrentIndex(4);
    QVERIFY(!data->isReadOnly());
    QCOMPARE(button("Modbus_pushButton")->text(), QStringLiteral("Write"));
    data->setText(QStringLiteral("0x01"));
    function->setCurrentIndex(3);
    QVERIFY(data->isReadOnly());
    QCOMPARE(button("Modbus_pushButton")->text(), QStringLiteral("Read"));
    QCOMPARE(data->text(), QStringLiteral("0x01"));
}

void TestModbusTab::serialOpenLocksTheModes()
{
    makeWindow(Mode::Rtu);
    auto *com = child<QRadioButton>(*m_window, "ModbusportMode_1");
    auto *tcp = child<QRadioButton>(*m_window, "ModbusportMode_2");
    connectTransport(Mode::Rtu);
    QCOMPARE(button("ModbusopencompushButton")->text(), QStringLiteral("Close"));
    QVERIFY(!com->isEnabled() && !tcp->isEnabled());
    button("ModbusopencompushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial closed"));
    QVERIFY(com->isEnabled() && tcp->isEnabled());
}

void TestModbusTab::badDataIsRefused_data()
{
    QTest::addColumn<int>("functionIndex");
    QTest::addColumn<QString>("data");

    QTest::newRow("read, tokens without prefix") << 2 << "11 12";
    QTest::newRow("write, upper-case X") << 7 << "0X11";
    QTest::newRow("write, semicolon") << 7 << "0x11;0x12";
    QTest::newRow("single coil without data") << 4 << "";
    QTest::newRow("single register with one byte") << 5 << "0x01";
}

void TestModbusTab::badDataIsRefused()
{
    QFETCH(int, functionIndex);
    QFETCH(QString, data);

    makeWindow(Mode::Rtu);
    connectTransport(Mode::Rtu);
    child<QComboBox>(*m_window, "Modbus_function_comboBox")->setCurrentIndex(functionIndex);
    child<QLineEdit>(*m_window, "Modbus_lineEdit")->setText(data);
    button("Modbus_pushButton")->click();
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().title, QStringLiteral("输入错误"));
    QCOMPARE(m_prompts->messages.first().text,
             QStringLiteral("请输入合法的十六进制数据，例如：0x11 0x12 或 0x11,0x12"));
    QTest::qWait(logSettleMs);
    QVERIFY(sent().isEmpty());
    QCOMPARE(m_slave->requests().size(), 0);
}

void TestModbusTab::clearButtons()
{
    makeWindow(Mode::Rtu);
    connectTransport(Mode::Rtu);
    setRead(1);
    m_slave->setScript({answerFrom(QStringLiteral("0 ok"), Mode::Rtu)});
    button("Modbus_pushButton")->click();
    QTest::qWait(logSettleMs);
    QCOMPARE(sent().size(), 1);
    QCOMPARE(received().size(), 1);

    QCOMPARE(button("Modbus_send_cleandatapushButton")->text(), QStringLiteral("Clear Sendbox"));
    QCOMPARE(button("Modbus_revice_cleandatapushButton")->text(), QStringLiteral("Clear Receive"));
    button("Modbus_revice_cleandatapushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Receive has been cleared"));
    QVERIFY(received().isEmpty());
    QCOMPARE(sent().size(), 1);
    button("Modbus_send_cleandatapushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Send has been cleared"));
    QVERIFY(sent().isEmpty());
}

YURB_TEST_MAIN(TestModbusTab)
#include "tst_modbustab.moc"
