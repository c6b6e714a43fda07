#include "modbusframelog.h"
#include "modbuslog.h"
#include "yurbtestmain.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>

// The Modbus tab's logs: the line format, long frames, the line limit, the
// stamp and data colours, gathering and clearing.
class TestModbusFrameLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void stampGreenDataBlack();
    void gathersThenShows();
    void clearEmptiesTheView();
};

void TestModbusFrameLog::lines_data()
{
    QTest::addColumn<QByteArrayList>("frames");
    QTest::addColumn<int>("maximumLines");
    // The view's lines with each stamp replaced by "[stamp]".
    QTest::addColumn<QStringList>("expected");

    const auto hex = [](const char *text) {
        return QByteArray::fromHex(text);
    };
    QTest::newRow("two bytes, the last comma dropped")
        << QByteArrayList{hex("0103")} << 100 << QStringList{"[stamp]0x01,0x03"};
    QTest::newRow("ending in 0x0a, the line feed dropped")
        << QByteArrayList{hex("01030a")} << 100 << QStringList{"[stamp]0x01,0x03,0x0a,"};
    QTest::newRow("0x0a inside, a line feed after it")
        << QByteArrayList{hex("0a01")} << 100 << QStringList{"[stamp]0x0a,", "0x01"};
    QTest::newRow("a line per frame")
        << QByteArrayList{hex("01"), hex("02")} << 100 << QStringList{"[stamp]0x01", "[stamp]0x02"};
    QByteArray seventy(70, '\x11');
    QString first;
    for (int i = 0; i < 64; ++i)
        first += QStringLiteral("0x11,");
    QTest::newRow("70 bytes go on after 64")
        << QByteArrayList{seventy} << 100
        << QStringList{"[stamp]" + first, "0x11,0x11,0x11,0x11,0x11,0x11"};
    QTest::newRow("the newest lines kept")
        << QByteArrayList{hex("01"), hex("02"), hex("03"), hex("04"), hex("05")} << 3
        << QStringList{"[stamp]0x03", "[stamp]0x04", "[stamp]0x05"};
}

void TestModbusFrameLog::lines()
{
    QFETCH(QByteArrayList, frames);
    QFETCH(int, maximumLines);
    QFETCH(QStringList, expected);

    QPlainTextEdit view;
    ModbusFrameLog log(&view, maximumLines);
    for (const QByteArray &frame : frames)
        log.append(frame);
    log.flush();
    static const QRegularExpression stamp(
        QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]"));
    QStringList shown = view.toPlainText().split(QLatin1Char('\n'));
    for (QString &line : shown)
        line.replace(stamp, QStringLiteral("[stamp]"));
    QCOMPARE(shown, expected);
    QCOMPARE(loggedFrames(view).size(), qMin<qsizetype>(frames.size(), maximumLines));
    QVERIFY(view.isReadOnly());
}

void TestModbusFrameLog::stampGreenDataBlack()
{
    QPlainTextEdit view;
    ModbusFrameLog log(&view, 100);
    log.append(QByteArray::fromHex("0103"));
    log.flush();
    const QTextBlock block = view.document()->firstBlock();
    QList<QTextLayout::FormatRange> ranges = block.textFormats();
    QCOMPARE(ranges.size(), 2);
    QCOMPARE(ranges.at(0).length, 14); // "[hh:mm:ss.zzz]"
    QCOMPARE(ranges.at(0).format.foreground().color(), QColor(Qt::darkGreen));
    QCOMPARE(ranges.at(1).format.foreground().color(), QColor(Qt::black));
}

// A frame shows a few milliseconds later, not at once.
void TestModbusFrameLog::gathersThenShows()
{
    QPlainTextEdit view;
    ModbusFrameLog log(&view, 100);
    log.append(QByteArray::fromHex("01"));
    QVERIFY(view.toPlainText().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(loggedFrames(view).size(), 1, logSettleMs);
}

void TestModbusFrameLog::clearEmptiesTheView()
{
    QPlainTextEdit view;
    ModbusFrameLog log(&view, 100);
    log.append(QByteArray::fromHex("01"));
    log.flush();
    log.append(QByteArray::fromHex("02"));
    log.clear();
    QVERIFY(view.toPlainText().isEmpty());
    QTest::qWait(logSettleMs);
    QVERIFY(view.toPlainText().isEmpty());
    log.append(QByteArray::fromHex("03"));
    log.flush();
    QCOMPARE(loggedFrames(view), QByteArrayList{QByteArray::fromHex("03")});
}

YURB_TEST_MAIN(TestModbusFrameLog)
#include "tst_modbusframelog.moc"
