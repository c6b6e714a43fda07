#include "mainwindow.h"
#include "modbusframes.h"
#include "modbuslog.h"
#include "modbusslavedata.h"
#include "modbusslaveprocess.h"
#include "portlist.h"
#include "promptrecorder.h"
#include "settingsfile.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QModbusReply>
#include <QModbusTcpClient>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <memory>

using Mode = Nuvelix_ModBus_Mode;
using Function = Nuvelix_ModbusClient::FunctionCode;
using Table = QModbusDataUnit::RegisterType;
using ModbusFrames::shown;

namespace {

// What a read of `count` from `start` gives: whole bytes of bits, or words.
QVariant expectedRead(Function function, int start, int count)
{
    using namespace ModbusSlaveData;
    if (function == Function::ReadCoils || function == Function::ReadDiscreteInputs) {
        QList<bool> bits;
        for (int i = 0; i < (count + 7) / 8 * 8; ++i) {
            const int address = start + i;
            const bool set =
                function == Function::ReadCoils ? coil(address) : discreteInput(address);
            bits.append(i < count && set);
        }
        return QVariant::fromValue(bits);
    }
    QList<ushort> words;
    for (int address = start; address < start + count; ++address)
        words.append(function == Function::ReadInputRegisters ? inputRegister(address)
                                                              : holdingRegister(address));
    return QVariant::fromValue(words);
}

} // namespace

// The Modbus tab against a real slave in a process of its own, over TCP on
// loopback and RTU on a pty: every read, every write read back by an
// independent client, and an address the slave does not have.
class TestModbusSlaves : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void unknownAddressGivesTheException_data();
    void unknownAddressGivesTheException();

private:
    void connectTransport(Mode mode);
    // Runs one request through the tab; returns the reply decoded.
    QVariant transaction(Mode mode, int functionIndex, int address, int quantity,
                         const QString &data);
    // Reads `count` values of `table` from `start` over TCP with Qt's client.
    QList<quint16> readBack(Table table, int start, int count);

    std::unique_ptr<ModbusSlaveProcess> m_slave;
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

void TestModbusSlaves::initTestCase()
{
    m_slave = std::make_unique<ModbusSlaveProcess>(QStringLiteral(MODBUS_TESTSLAVE));
    QVERIFY2(m_slave->start(), qPrintable(m_slave->errorText()));
}

void TestModbusSlaves::init()
{
    const QString path = m_slave->rtuPath();
    PortList::setLister([path] { return QStringList{path}; });
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
}

void TestModbusSlaves::cleanup()
{
    m_window.reset();
    m_prompts.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

void TestModbusSlaves::connectTransport(Mode mode)
{
    if (mode == Mode::Rtu) {
        child<QPushButton>(*m_window, "ModbusopencompushButton")->click();
        QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
        return;
    }
    child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    child<QLineEdit>(*m_window, "ModbusTCPclientPortlineEdit")
        ->setText(QString::number(m_slave->tcpPort()));
    child<QPushButton>(*m_window, "ModbusTCPopencompushButton")->click();
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Connected to TCP server"));
}

QVariant TestModbusSlaves::transaction(Mode mode, int functionIndex, int address, int quantity,
                                       const QString &data)
{
    child<QComboBox>(*m_window, "Modbus_function_comboBox")->setCurrentIndex(functionIndex);
    child<QSpinBox>(*m_window, "Modbus_address_spinBox")->setValue(address);
    child<QSpinBox>(*m_window, "Modbus_quantity_spinBox")->setValue(quantity);
    child<QLineEdit>(*m_window, "Modbus_lineEdit")->setText(data);
    child<QPushButton>(*m_window, "Modbus_pushButton")->click();
    QTest::qWait(logSettleMs);

    const QByteArrayList replies =
        loggedFrames(*child<QPlainTextEdit>(*m_window, "Modbus_HexTextBrowser"));
    const QByteArrayList requests =
        loggedFrames(*child<QPlainTextEdit>(*m_window, "Modbus_sendMsgtextEdit"));
    if (replies.size() != 1 || requests.size() != 1) {
        qWarning("%lld requests and %lld replies logged, status \"%s\"", qlonglong(requests.size()),
                 qlonglong(replies.size()), qPrintable(statusText(*m_window)));
        return {};
    }
    static const Function functions[] = {Function::ReadCoils,
                                         Function::ReadDiscreteInputs,
                                         Function::ReadHoldingRegisters,
                                         Function::ReadInputRegisters,
                                         Function::WriteSingleCoil,
                                         Function::WriteSingleRegister,
                                         Function::WriteMultipleCoils,
                                         Function::WriteMultipleRegisters};
    Nuvelix_ModbusClient decoder;
    return decoder.parseResponse(functions[functionIndex], replies.first(), mode);
}

QList<quint16> TestModbusSlaves::readBack(Table table, int start, int count)
{
    QModbusTcpClient client;
    client.setConnectionParameter(QModbusDevice::NetworkAddressParameter,
                                  QStringLiteral("127.0.0.1"));
    client.setConnectionParameter(QModbusDevice::NetworkPortParameter, m_slave->tcpPort());
    if (!client.connectDevice() ||
        !QTest::qWaitFor([&] { return client.state() == QModbusDevice::ConnectedState; }, 5000))
        return {};
    std::unique_ptr<QModbusReply> reply(client.sendReadRequest(
        QModbusDataUnit(table, start, quint16(count)), ModbusSlaveData::unit));
    if (!reply || !QTest::qWaitFor([&] { return reply->isFinished(); }, 5000) ||
        reply->error() != QModbusDevice::NoError)
        return {};
    // Bits come padded to whole bytes.
    return reply->result().values().mid(0, count);
}

void TestModbusSlaves::reads_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("functionIndex");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("quantity");

    for (const Mode mode : {Mode::Rtu, Mode::Tcp}) {
        const char *m = mode == Mode::Rtu ? "RTU" : "TCP";
        QTest::addRow("%s: coils", m) << mode << 0 << 1 << 10;
        QTest::addRow("%s: discrete inputs", m) << mode << 1 << 5 << 8;
        QTest::addRow("%s: holding registers", m) << mode << 2 << 150 << 3;
        QTest::addRow("%s: 125 input registers", m) << mode << 3 << 0 << 125;
    }
}

void TestModbusSlaves::reads()
{
    QFETCH(Mode, mode);
    QFETCH(int, functionIndex);
    QFETCH(int, address);
    QFETCH(int, quantity);

    connectTransport(mode);
    const QVariant result = transaction(mode, functionIndex, address, quantity, QString());
    const QVariant expected = expectedRead(Function(functionIndex + 1), address, quantity);
    QVERIFY2(result == expected,
             qPrintable(QStringLiteral("expected %1, got %2").arg(shown(expected), shown(result))));
    QCOMPARE(statusText(*m_window), QStringLiteral("Reply received"));
}

void TestModbusSlaves::writes_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("functionIndex");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QVariant>("echo");
    QTest::addColumn<int>("table");
    QTest::addColumn<QList<quint16>>("readBack");

    const auto echo = [](int start, int quantity) {
        return QVariant(QVariantMap{{QStringLiteral("StartAddress"), start},
                                    {QStringLiteral("Quantity"), quantity}});
    };
    // Each row writes where no other row reads or writes.
    for (const Mode mode : {Mode::Rtu, Mode::Tcp}) {
        const char *m = mode == Mode::Rtu ? "RTU" : "TCP";
        const int base = mode == Mode::Rtu ? 20 : 60;
        QTest::addRow("%s: single coil on", m)
            << mode << 4 << base + 1 << 1 << "0x01" << echo(base + 1, 0xff00) << int(Table::Coils)
            << QList<quint16>{1};
        QTest::addRow("%s: single coil off", m)
            << mode << 4 << base + 3 << 1 << "0x00" << echo(base + 3, 0) << int(Table::Coils)
            << QList<quint16>{0};
        QTest::addRow("%s: single register", m)
            << mode << 5 << base + 5 << 1 << "0x12 0x34" << echo(base + 5, 0x1234)
            << int(Table::HoldingRegisters) << QList<quint16>{0x1234};
        QTest::addRow("%s: ten coils", m)
            << mode << 6 << base + 8 << 10 << "0xCD,0x01" << echo(base + 8, 10) << int(Table::Coils)
            << QList<quint16>{1, 0, 1, 1, 0, 0, 1, 1, 1, 0};
        QTest::addRow("%s: three registers", m)
            << mode << 7 << base + 20 << 3 << "0x00 0x0a 0x01 0x02 0xff 0xfe" << echo(base + 20, 3)
            << int(Table::HoldingRegisters) << QList<quint16>{0x000a, 0x0102, 0xfffe};
    }
}

void TestModbusSlaves::writes()
{
    QFETCH(Mode, mode);
    QFETCH(int, functionIndex);
    QFETCH(int, address);
    QFETCH(int, quantity);
    QFETCH(QString, data);
    QFETCH(QVariant, echo);
    QFETCH(int, table);
    QFETCH(QList<quint16>, readBack);

    connectTransport(mode);
    const QVariant result = transaction(mode, functionIndex, address, quantity, data);
    QVERIFY2(result == echo,
             qPrintable(QStringLiteral("expected %1, got %2").arg(shown(echo), shown(result))));
    const QList<quint16> stored = this->readBack(Table(table), address, int(readBack.size()));
    QCOMPARE(stored, readBack);
}

void TestModbusSlaves::unknownAddressGivesTheException_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::newRow("RTU") << Mode::Rtu;
    QTest::newRow("TCP") << Mode::Tcp;
}

void TestModbusSlaves::unknownAddressGivesTheException()
{
    QFETCH(Mode, mode);
    connectTransport(mode);
    const QVariant result = transaction(mode, 2, ModbusSlaveData::tableSize + 100, 1, QString());
    QVERIFY(!result.isValid());
    QCOMPARE(statusText(*m_window), QStringLiteral("Modbus exception response: 2"));
}

YURB_TEST_MAIN(TestModbusSlaves)
#include "tst_modbusslaves.moc"
