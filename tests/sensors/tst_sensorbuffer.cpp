#include "sensorbuffer.h"

#include <QTest>

// The sensor tabs' receive buffers keep their newest bytes.
class TestSensorBuffer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void append_data();
    void append();
};

void TestSensorBuffer::append_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("kept"); // of at most 4 bytes

    QTest::newRow("room left") << QByteArray("ab") << QByteArray("c") << QByteArray("abc");
    QTest::newRow("oldest dropped") << QByteArray("abcd") << QByteArray("ef") << QByteArray("cdef");
    QTest::newRow("longer chunk") << QByteArray("ab") << QByteArray("c\0defg", 6)
                                  << QByteArray("defg");
}

void TestSensorBuffer::append()
{
    QFETCH(QByteArray, buffer);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, kept);
    SensorBuffer::append(buffer, bytes, 4);
    QCOMPARE(buffer, kept);
}

QTEST_GUILESS_MAIN(TestSensorBuffer)
#include "tst_sensorbuffer.moc"
