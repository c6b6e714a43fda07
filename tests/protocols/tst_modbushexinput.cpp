#include "modbushexinput.h"

#include <QTest>

// The data field of the Modbus tab: which texts are taken and the bytes
// they give.
class TestModbusHexInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexInput_data();
    void hexInput();
};

void TestModbusHexInput::hexInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("bytes"); // for valid texts

    const auto bytes = [](const char *hex) {
        return QByteArray::fromHex(hex);
    };
    QTest::newRow("empty") << QString() << true << QByteArray();
    QTest::newRow("blank separated") << "0x11 0x12" << true << bytes("1112");
    QTest::newRow("comma separated") << "0x11,0x12" << true << bytes("1112");
    QTest::newRow("comma and blanks") << "0x11,  0x12" << true << bytes("1112");
    QTest::newRow("no separator") << "0x110x12" << true << bytes("1112");
    QTest::newRow("no separator, a zero before the next token")
        << "0x100x020x0" << true << QByteArray::fromHex("100200");
    QTest::newRow("trailing comma") << "0x01," << true << bytes("01");
    QTest::newRow("trailing blank") << "0x01 " << true << bytes("01");
    QTest::newRow("tab between") << "0x01\t0x02" << true << bytes("0102");
    QTest::newRow("upper-case digits") << "0xAB 0xcd" << true << bytes("abcd");
    QTest::newRow("low 8 bits of 0x1FF") << "0x1FF" << true << bytes("ff");
    QTest::newRow("leading zeros") << "0x000000001FF" << true << bytes("ff");
    QTest::newRow("largest signed 32-bit value") << "0x7FFFFFFF" << true << bytes("ff");
    QTest::newRow("eight digits beyond it") << "0x80000000" << true << bytes("00");
    QTest::newRow("nine significant digits") << "0x123456789 0x05" << true << bytes("0005");
    QTest::newRow("without prefix") << "11 12" << false << QByteArray();
    QTest::newRow("upper-case X") << "0X11" << false << QByteArray();
    QTest::newRow("semicolon") << "0x11;0x12" << false << QByteArray();
    QTest::newRow("blank before a comma") << "0x11 ,0x12" << false << QByteArray();
    QTest::newRow("leading blank") << " 0x11" << false << QByteArray();
    QTest::newRow("prefix without digits") << "0x" << false << QByteArray();
    QTest::newRow("not hex") << "0x1G" << false << QByteArray();
    QTest::newRow("two commas") << "0x11,,0x12" << false << QByteArray();
}

void TestModbusHexInput::hexInput()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QByteArray, bytes);

    QVERIFY2(
        ModbusHexInput::isValid(text) == valid,
        qPrintable(QStringLiteral("\"%1\": expected %2").arg(text, valid ? "valid" : "refused")));
    if (valid)
        QCOMPARE(ModbusHexInput::toBytes(text.toLatin1()).toHex(' '), bytes.toHex(' '));
}

QTEST_GUILESS_MAIN(TestModbusHexInput)
#include "tst_modbushexinput.moc"
