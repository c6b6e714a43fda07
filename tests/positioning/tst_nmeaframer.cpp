#include "nmeaframer.h"

#include "hexlist.h"
#include "parsecheck.h"

#include <QStringList>
#include <QTest>

namespace {
const QByteArray gga("$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76\r\n");
const QByteArray vtg("$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48\r\n");
const QByteArray gsa("$GAGSA,A,1*23\r\n");

} // namespace

// Sentences cut from a receiver's stream and checked by their checksums.
class TestNmeaFramer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void feed_data();
    void feed();
};

void TestNmeaFramer::feed_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArrayList>("sentences");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    QByteArray badSum = gga;
    badSum.replace("*76", "*77");
    const QByteArray lowerCase("$GPGLL,4916.4500,N,12311.120,W,225449.00,A,A*4f\r\n");
    const QByteArray truncated("$GPGGA,0927");
    QByteArray joinedSum = truncated + vtg;
    joinedSum.replace("*48", "*1A");

    QTest::newRow("sentences, LF only")
        << 1024 << gga + vtg.chopped(2) + '\n'
        << QByteArrayList{gga, vtg.chopped(2) + '\n'} << QByteArrayList{} << false;
    QTest::newRow("junk before '$' dropped unreported")
        << 1024 << QByteArray("\x00*x\r\n\xff,", 7) + gga + "OK\r\n" + vtg
        << QByteArrayList{gga, vtg} << QByteArrayList{} << false;
    QTest::newRow("bad checksum") << 1024 << badSum + vtg << QByteArrayList{vtg}
                                  << QByteArrayList{badSum} << false;
    QTest::newRow("lower-case checksum")
        << 1024 << lowerCase << QByteArrayList{lowerCase} << QByteArrayList{} << false;
    QTest::newRow("truncated sentence joined to the next")
        << 1024 << truncated + vtg + gga << QByteArrayList{gga} << QByteArrayList{truncated + vtg}
        << false;
    QTest::newRow("joined sentence checked as one")
        << 1024 << joinedSum << QByteArrayList{joinedSum} << QByteArrayList{} << false;
    QTest::newRow("odd count of bytes >= 0x80 never passes")
        << 1024 << QByteArray("$\xb0*B0\r\n$\xb0\xb1\xb2*B3\r\n$\xff*-1\r\n$\xff*FF\r\n")
        << QByteArrayList{}
        << QByteArrayList{"$\xb0*B0\r\n", "$\xb0\xb1\xb2*B3\r\n", "$\xff*-1\r\n", "$\xff*FF\r\n"}
        << false;
    QTest::newRow("even count of bytes >= 0x80 passes")
        << 1024 << QByteArray("$\xb0\xb1*01\r\n") << QByteArrayList{"$\xb0\xb1*01\r\n"}
        << QByteArrayList{} << false;
    QTest::newRow("two identical sentences")
        << 1024 << gga + gga << QByteArrayList{gga, gga} << QByteArrayList{} << false;
    QTest::newRow("no '*', '*' right before the LF")
        << 1024 << QByteArray("$GPTXT,01,01,02,OK\r\n$GPTXT*\n") << QByteArrayList{}
        << QByteArrayList{"$GPTXT,01,01,02,OK\r\n", "$GPTXT*\n"} << false;
    QTest::newRow("overlong dropped to its LF, framing resumes")
        << 16 << "$GPGSV,1,1,04,$GPGGA,10,63,137,17*7F\r\n" + gsa + "$x" << QByteArrayList{gsa}
        << QByteArrayList{"$GPGSV,1,1,04,$G"} << true;
    QTest::newRow("maximum fits before CR LF, one more byte is overlong")
        << int(gga.size() - 2) << gga + gga.chopped(2) + "0\r\n"
        << QByteArrayList{gga} << QByteArrayList{gga.chopped(2)} << false;
    QTest::newRow("maximum counts no line end, an inner CR counts")
        << 4 << QByteArray("$A*1\r\n$B*2\n$C*3\r\r\n")
        << QByteArrayList{} << QByteArrayList{"$A*1\r\n", "$B*2\n", "$C*3"} << false;
    QTest::newRow("unfinished sentence held")
        << 1024 << gga + "$GPGSV,3" << QByteArrayList{gga} << QByteArrayList{} << true;
    QTest::newRow("junk only") << 1024 << QByteArray("AT+OK\r\n*7F\n") << QByteArrayList{}
                               << QByteArrayList{} << false;
}

void TestNmeaFramer::feed()
{
    QFETCH(int, maximum);
    QFETCH(QByteArray, stream);
    QFETCH(QByteArrayList, sentences);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    verifyParse([maximum] { return NmeaFramer(maximum); }, stream, sentences, corrupt, needsMore,
                hexList);
}

QTEST_GUILESS_MAIN(TestNmeaFramer)
#include "tst_nmeaframer.moc"
