#include "gsvreader.h"
#include "satelliteboard.h"

#include <QTest>

namespace {
// The board as one line: each system's bars as name=SNR, then the sky
// points; "bad tail" when a set is short or has a value past its names.
QString summary(const SatelliteBoard &board)
{
    QStringList parts;
    QStringList sky;
    for (const SatelliteSystem &system : satelliteSystems) {
        const QStringList names = board.categories(system.code);
        const QList<int> bars = board.bars(system.code);
        QStringList shown;
        for (qsizetype i = 0; i < names.size(); ++i)
            shown.append(names[i] + QLatin1Char('=') + QString::number(bars.value(i)));
        if (bars.size() < SatelliteBoard::barCount ||
            std::any_of(bars.cbegin() + names.size(), bars.cend(), [](int v) { return v != 0; }))
            shown.append(QStringLiteral("bad tail"));
        if (!shown.isEmpty())
            parts.append(shown.join(QLatin1Char(' ')));
    }
    for (const quint32 key : board.skyKeys())
        sky.append(QLatin1String(satelliteSystem(SatelliteBoard::systemOf(key))->prefix) +
                   QString::number(SatelliteBoard::prnOf(key)));
    if (!sky.isEmpty())
        parts.append(QStringLiteral("sky ") + sky.join(QLatin1Char(' ')));
    return parts.join(QStringLiteral(" | "));
}
} // namespace

// GSV sentences read into satellites and placed on the board of the GPS
// Signal dialog's charts.
class TestSatelliteBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sentencesOnTheBoard_data();
    void sentencesOnTheBoard();
    void recordFields_data();
    void recordFields();
    void skyPointKeepsItsPlace();
};

void TestSatelliteBoard::sentencesOnTheBoard_data()
{
    QTest::addColumn<QList<QByteArray>>("sentences");
    QTest::addColumn<QString>("expected");

    const QByteArray four = "$GPGSV,3,1,09,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45";
    QTest::newRow("SNR 4: no bar, no sky point")
        << QList<QByteArray>{"$GPGSV,1,1,01,12,40,100,04"} << "";
    QTest::newRow("SNR 5: bar only") << QList<QByteArray>{"$GPGSV,1,1,01,12,40,100,05"} << "GP12=5";
    QTest::newRow("SNR 6: bar and sky point")
        << QList<QByteArray>{"$GPGSV,1,1,01,12,40,100,06*48"} << "GP12=6 | sky GP12";
    QTest::newRow("a drop moves the later bars left")
        << QList<QByteArray>{"$GPGSV,1,1,03,04,75,023,43,05,60,154,30,09,45,261,38",
                             "$GPGSV,1,1,03,04,75,023,43,05,60,154,03,09,45,261,38"}
        << "GP4=43 GP9=38 | sky GP4 GP9";
    QTest::newRow("a returning satellite comes last")
        << QList<QByteArray>{"$GPGSV,1,1,02,04,75,023,43,05,60,154,30",
                             "$GPGSV,1,1,02,04,75,023,43,05,60,154,03",
                             "$GPGSV,1,1,02,04,75,023,43,05,60,154,31"}
        << "GP4=43 GP5=31 | sky GP4 GP5";
    QTest::newRow("sky points per system")
        << QList<QByteArray>{"$GPGSV,1,1,01,01,10,10,40",
                             "$BDGSV,1,1,01,02,10,10,41",
                             "$GBGSV,1,1,02,02,10,10,41,03,10,10,42",
                             "$GLGSV,1,1,01,65,10,10,43",
                             "$GAGSV,1,1,01,11,10,10,44",
                             "$GQGSV,1,1,01,193,10,10,45"}
        << "GP1=40 | GB2=41 GB3=42 | GL65=43 | GA11=44 | GQ193=45 | sky GP1 GB2 GB3 GL65 GA11 "
           "GQ193";
    QTest::newRow("GPS and Galileo PRN 5 kept apart")
        << QList<QByteArray>{"$GPGSV,1,1,01,05,10,10,40", "$GAGSV,1,1,01,05,20,20,40",
                             "$GAGSV,1,1,01,05,20,20,03"}
        << "GP5=40 | sky GP5";
    QTest::newRow("combined talker draws nothing")
        << QList<QByteArray>{"$GNGSV,1,1,02,04,75,023,43,05,60,154,30*65"} << "";
    QTest::newRow("4.10 signal ID after four satellites and after one")
        << QList<QByteArray>{four + ",1*68", "$GPGSV,3,3,09,28,05,300,22,1*51"}
        << "GP1=46 GP2=41 GP12=39 GP14=45 GP28=22 | sky GP1 GP2 GP12 GP14 GP28";
    QTest::newRow("4.10 signal ID 7 after two satellites")
        << QList<QByteArray>{"$GAGSV,1,1,01,07,30,030,40",
                             "$GAGSV,1,1,02,05,40,100,30,09,20,200,35,7"}
        << "GA7=40 GA5=30 GA9=35 | sky GA5 GA7 GA9";
    QTest::newRow("PRNs above 98, and beyond the record held at 65535")
        << QList<QByteArray>{"$GBGSV,1,1,02,201,45,120,40,214,30,200,35",
                             "$GAGSV,1,1,01,99999,10,10,30"}
        << "GB201=40 GB214=35 | GA65535=30 | sky GB201 GB214 GA65535";
    QTest::newRow("empty fields read as 0, a half block is not read")
        << QList<QByteArray>{"$GPGSV,1,1,02,07,,,35,08,60", "$GPGSV,1,1,02,07,,,35,09,40,100,*44"}
        << "GP7=35 | sky GP7";
    QTest::newRow("dual band: the second band's empty SNRs keep the first's")
        << QList<QByteArray>{"$GPGSV,1,1,02,04,75,023,43,05,60,154,30,1",
                             "$GPGSV,1,1,02,04,75,023,,05,60,154,,8"}
        << "GP4=43 GP5=30 | sky GP4 GP5";
    const QList<QByteArray> nineOnL1{
        "$GPGSV,3,1,09,02,36,081,41,03,49,118,23,04,62,155,30,05,75,192,37,1",
        "$GPGSV,3,2,09,06,08,229,44,07,21,266,26,08,34,303,33,09,47,340,40,1",
        "$GPGSV,3,3,09,10,60,017,22,1"};
    const QList<QByteArray> fewOnL5{
        "$GPGSV,3,1,09,02,36,081,35,03,49,118,,04,62,155,,05,75,192,31,8",
        "$GPGSV,3,2,09,06,08,229,,07,21,266,,08,34,303,,09,47,340,,8",
        "$GPGSV,3,3,09,10,60,017,,8"};
    const QString nine = "GP2=41 GP3=23 GP4=30 GP5=37 GP6=44 GP7=26 GP8=33 GP9=40 GP10=22 | "
                         "sky GP2 GP3 GP4 GP5 GP6 GP7 GP8 GP9 GP10";
    QTest::newRow("dual band, nine satellites over three sentences a band")
        << nineOnL1 + fewOnL5 << nine;
    QTest::newRow("dual band, into the next cycle")
        << nineOnL1 + fewOnL5 + nineOnL1.first(1) + fewOnL5.first(1) << nine;
    QTest::newRow("dual band, the later band's better SNR")
        << QList<QByteArray>{"$GAGSV,1,1,02,04,75,023,20,05,60,154,,7",
                             "$GAGSV,1,1,02,04,75,023,35,05,60,154,33,1"}
        << "GA4=35 GA5=33 | sky GA4 GA5";
    QTest::newRow("dual band, a cycle's own best and what no band tracks")
        << QList<QByteArray>{"$GPGSV,1,1,02,04,75,023,43,05,60,154,30,1",
                             "$GPGSV,1,1,02,04,75,023,,05,60,154,,8",
                             "$GPGSV,1,1,02,04,75,023,40,05,60,154,,1",
                             "$GPGSV,1,1,02,04,75,023,,05,60,154,,8"}
        << "GP4=40 | sky GP4";
    QTest::newRow("a satellite no longer listed leaves at the cycle's end")
        << QList<QByteArray>{"$GPGSV,1,1,02,04,75,023,43,05,60,154,30",
                             "$GPGSV,1,1,01,04,75,023,42"}
        << "GP4=42 | sky GP4";
    QTest::newRow("empty sentence") << QList<QByteArray>{QByteArray()} << "";
}

void TestSatelliteBoard::sentencesOnTheBoard()
{
    QFETCH(QList<QByteArray>, sentences);
    QFETCH(QString, expected);
    SatelliteBoard board;
    for (const QByteArray &sentence : sentences)
        board.take(GsvReader::read(sentence));
    QCOMPARE(summary(board), expected);
}

void TestSatelliteBoard::recordFields_data()
{
    QTest::addColumn<QByteArray>("sentence");
    // count/number/signal ID, then system/PRN/elevation/azimuth/SNR per place
    QTest::addColumn<QString>("expected");

    QTest::newRow("four satellites")
        << QByteArray("$GQGSV,1,1,04,193,45.9,120,40,194,30,359,35,195,,,,196,90,0,99")
        << "1/1/-1: 5/193/45/120/40 5/194/30/359/35 5/195/0/0/0 5/196/90/0/99";
    QTest::newRow("out of range held in range")
        << QByteArray("$GPGSV,1,1,02,-3,95,400,120,12,-5,-1,-2")
        << "1/1/-1: 0/0/90/359/99 1/12/0/0/0 0/0/0/0/0 0/0/0/0/0";
    QTest::newRow("three satellites") << QByteArray("$GLGSV,1,1,03,65,1,2,3,66,4,5,6,67,7,8,9")
                                      << "1/1/-1: 3/65/1/2/3 3/66/4/5/6 3/67/7/8/9 0/0/0/0/0";
    QTest::newRow("signal ID after one satellite")
        << QByteArray("$GPGSV,3,3,09,28,05,300,22,1*51")
        << "3/3/1: 1/28/5/300/22 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0";
    QTest::newRow("hexadecimal signal ID, no satellite")
        << QByteArray("$GAGSV,2,2,04,B") << "2/2/11: 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0";
    QTest::newRow("a field after the satellites that is no signal ID")
        << QByteArray("$GAGSV,1,1,01,05,40,100,30,x")
        << "1/1/-1: 4/5/40/100/30 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0";
}

void TestSatelliteBoard::recordFields()
{
    QFETCH(QByteArray, sentence);
    QFETCH(QString, expected);
    const GsvSentence read = GsvReader::read(sentence);
    QStringList records;
    for (const nmea_slmsg &s : read.satellites)
        records.append(QStringLiteral("%1/%2/%3/%4/%5")
                           .arg(s.system)
                           .arg(s.prn)
                           .arg(s.elevation)
                           .arg(s.azimuth)
                           .arg(s.snr));
    QCOMPARE(QStringLiteral("%1/%2/%3: ").arg(read.count).arg(read.number).arg(read.signalId) +
                 records.join(QLatin1Char(' ')),
             expected);
}

// A shown point is placed once, at (azimuth, 90 - elevation), and stays.
void TestSatelliteBoard::skyPointKeepsItsPlace()
{
    SatelliteBoard board;
    const quint32 key = SatelliteBoard::skyKey(1, 12);
    const auto place = [&board, key] {
        const std::optional<SatelliteBoard::SkyPlace> at = board.skyPlace(key);
        return at ? QPointF(at->azimuth, at->radial) : QPointF(-1, -1);
    };
    board.take(GsvReader::read("$GPGSV,1,1,01,12,30,250,40"));
    QCOMPARE(place(), QPointF(250, 60));
    board.take(GsvReader::read("$GPGSV,1,1,01,12,35,260,42"));
    QCOMPARE(place(), QPointF(250, 60));
    board.take(GsvReader::read("$GPGSV,1,1,01,12,35,260,05"));
    QCOMPARE(place(), QPointF(-1, -1));
}

QTEST_APPLESS_MAIN(TestSatelliteBoard)
#include "tst_satelliteboard.moc"
