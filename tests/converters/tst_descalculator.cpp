#include "descalculator.h"

#include <QTest>

using Mode = DesCalculator::Mode;
using Direction = DesCalculator::Direction;
using Refusal = DesCalculator::Refusal;

// The calculator's block step: what it refuses and what it shows.
class TestDesCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modes();
    void run_data();
    void run();
};

void TestDesCalculator::modes()
{
    QCOMPARE(DesCalculator::modeAt(-1).has_value(), false);
    QCOMPARE(DesCalculator::modeAt(3).has_value(), false);
    for (int index = 0; index < 3; ++index)
        QCOMPARE(DesCalculator::keyDigits(*DesCalculator::modeAt(index)), 16 + 16 * index);
}

void TestDesCalculator::run_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("data");
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<QString>("result");

    const QString key1 = QStringLiteral("0123456789ABCDEF");
    const QString key2 = QStringLiteral("23456789ABCDEF01");
    const QString key3 = QStringLiteral("456789ABCDEF0123");
    const QString now = QStringLiteral("4E6F772069732074");
    QTest::newRow("DES") << Mode::Des << Direction::Encrypt << key1 << now << Refusal::None
                         << "3FA40E8A984D4815";
    QTest::newRow("DES back") << Mode::Des << Direction::Decrypt << key1 << "3fa40e8a984d4815"
                              << Refusal::None << now;
    QTest::newRow("lower-case digits") << Mode::Des << Direction::Encrypt << key1.toLower()
                                       << now.toLower() << Refusal::None << "3FA40E8A984D4815";
    QTest::newRow("2DES, K2 = K1") << Mode::TwoKeyDes << Direction::Encrypt << key1 + key1 << now
                                   << Refusal::None << "3FA40E8A984D4815";
    QTest::newRow("3DES") << Mode::ThreeKeyDes << Direction::Encrypt << key1 + key2 + key3
                          << "5468652071756663" << Refusal::None << "A826FD8CE53B855F";
    QTest::newRow("3DES back") << Mode::ThreeKeyDes << Direction::Decrypt << key1 + key2 + key3
                               << "A826FD8CE53B855F" << Refusal::None << "5468652071756663";
    QTest::newRow("empty key") << Mode::Des << Direction::Encrypt << "" << now << Refusal::Length
                               << "";
    QTest::newRow("empty data") << Mode::Des << Direction::Encrypt << key1 << "" << Refusal::Length
                                << "";
    QTest::newRow("15 data digits")
        << Mode::Des << Direction::Encrypt << key1 << now.left(15) << Refusal::Length << "";
    QTest::newRow("2DES, a DES key")
        << Mode::TwoKeyDes << Direction::Encrypt << key1 << now << Refusal::Length << "";
    QTest::newRow("3DES, a 2DES key")
        << Mode::ThreeKeyDes << Direction::Decrypt << key1 + key2 << now << Refusal::Length << "";
    QTest::newRow("G in the data")
        << Mode::Des << Direction::Encrypt << key1 << "4E6F7720697320G4" << Refusal::NotHex << "";
    QTest::newRow("blank in the key")
        << Mode::Des << Direction::Encrypt << "0123456789ABCD F" << now << Refusal::NotHex << "";
    QTest::newRow("beyond Latin-1")
        << Mode::Des << Direction::Encrypt << key1 << QStringLiteral("4E6F77206973207\u4E2D")
        << Refusal::NotHex << "";
}

void TestDesCalculator::run()
{
    QFETCH(Mode, mode);
    QFETCH(Direction, direction);
    QFETCH(QString, key);
    QFETCH(QString, data);
    QFETCH(Refusal, refusal);
    QFETCH(QString, result);
    const DesCalculator::Result actual = DesCalculator::run(mode, direction, key, data);
    QCOMPARE(int(actual.refusal), int(refusal));
    QCOMPARE(actual.hex, result);
}

QTEST_APPLESS_MAIN(TestDesCalculator)
#include "tst_descalculator.moc"
