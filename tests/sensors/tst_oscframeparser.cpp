#include "oscframeparser.h"

#include "hexlist.h"
#include "parsecheck.h"

#include <QStringList>
#include <QTest>

using Frames = QList<OscFrame>;

namespace {
const QByteArray help("$0:34;$1:548;$2:0.547;$3:-1.579;\r\n");
const OscFrame helpFrame{{34, 548, 0.547, -1.579}};

QString framesText(const Frames &frames)
{
    QStringList texts;
    for (const OscFrame &frame : frames)
        texts.append(QStringLiteral("(%1 %2 %3 %4)")
                         .arg(frame.values[0])
                         .arg(frame.values[1])
                         .arg(frame.values[2])
                         .arg(frame.values[3]));
    return texts.join(QLatin1Char(' '));
}
} // namespace

// Frames of four values cut from the oscilloscope board's stream.
class TestOscFrameParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void feed_data();
    void feed();
};

void TestOscFrameParser::feed_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<Frames>("frames");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    QTest::newRow("the Help dialog's example")
        << 1024 << help << Frames{helpFrame} << QByteArrayList{} << false;
    QTest::newRow("several frames in one chunk, LF alone ends one too")
        << 1024 << help + "$0:1;$1:2;$2:3;$3:4;\n" + help
        << Frames{helpFrame, {{1, 2, 3, 4}}, helpFrame} << QByteArrayList{} << false;
    QTest::newRow("missing $2: ends the reading, the next frame lends nothing")
        << 1024 << "$0:5;$1:6;$3:8;\r\n" + help << Frames{{{5, 6, 0, 0}}, helpFrame}
        << QByteArrayList{} << false;
    QTest::newRow("tags in any order, values that are no number")
        << 1024 << QByteArray("$0:x;$2:1;$1:-2e3;$3:nan;\r\n$0:inf;$1: 7 ;$2:1.5\r\n")
        << Frames{{{0, -2000, 1, 0}}, {{0, 7, 1.5, 0}}} << QByteArrayList{} << false;
    QTest::newRow("NUL bytes before and inside a frame")
        << 1024 << QByteArray("\0\0\xff\0$0:1;\0$1:2;$2:3;$3:4;\r\n", 27) + help
        << Frames{{{1, 2, 3, 4}}, helpFrame} << QByteArrayList{} << false;
    QTest::newRow("garbage lines and lines without $0: dropped unreported")
        << 1024 << "AT+OK\r\n$1:5;$2:6;\r\n$0\r\n$$0" + help << Frames{helpFrame}
        << QByteArrayList{} << false;
    QTest::newRow("a frame that lost its line end is corrupt")
        << 1024 << "$0:9;$1:9;" + help << Frames{helpFrame} << QByteArrayList{"$0:9;$1:9;"}
        << false;
    QTest::newRow("too long: reported once, framing resumes at the next tag")
        << 12 << QByteArray("$0:1;$1:22222222;$0:3;\r\n$0:4;$1:55555555\r\n$0:6;\r\n")
        << Frames{{{3, 0, 0, 0}}, {{6, 0, 0, 0}}} << QByteArrayList{"$0:1;$1:2222", "$0:4;$1:5555"}
        << false;
    QTest::newRow("unfinished frame held")
        << 1024 << help + "$0:1;$1" << Frames{helpFrame} << QByteArrayList{} << true;
    QTest::newRow("start of a tag held")
        << 1024 << help + "xx$0" << Frames{helpFrame} << QByteArrayList{} << true;
}

void TestOscFrameParser::feed()
{
    QFETCH(int, maximum);
    QFETCH(QByteArray, stream);
    QFETCH(Frames, frames);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    verifyParse([maximum] { return OscFrameParser(maximum); }, stream, frames, corrupt, needsMore,
                framesText);
}

QTEST_GUILESS_MAIN(TestOscFrameParser)
#include "tst_oscframeparser.moc"
