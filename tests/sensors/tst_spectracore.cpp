#include "crlflinecutter.h"
#include "spectrachannels.h"
#include "spectrumcolours.h"

#include "chunkingcheck.h"
#include "hexlist.h"

#include <QTest>
#include <QVariant>

using Readings = QList<SpectraReading>;

namespace {
QString text(const Readings &readings)
{
    QStringList texts;
    for (const SpectraReading &reading : readings)
        texts.append(QStringLiteral("%1=%2").arg(reading.channel).arg(reading.value));
    return QLatin1Char('[') + texts.join(QLatin1Char(' ')) + QLatin1Char(']');
}
} // namespace

// The spectrometer's and time-of-flight board's lines cut at CR LF, the
// spectrometer's channel values and the wavelength colours of its curve.
class TestSpectraCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void readings_data();
    void readings();
    void wavelengthColour_data();
    void wavelengthColour();
};

void TestSpectraCore::lines_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArrayList>("corrupt");
    QTest::addColumn<bool>("needsMore");

    QTest::newRow("two lines in one chunk, in order")
        << 4096 << QByteArray("F3:2500\r\nF9:100\r\n") << QByteArrayList{"F3:2500", "F9:100"}
        << QByteArrayList{} << false;
    QTest::newRow("a TOF line with its trailing comma")
        << 4096 << QByteArray("100,200,300,\r\n") << QByteArrayList{"100,200,300,"}
        << QByteArrayList{} << false;
    QTest::newRow("LF or CR alone stay in the line, CR before CR LF too")
        << 4096 << QByteArray("a\nb\rc\r\nx\r\r\n") << QByteArrayList{"a\nb\rc", "x\r"}
        << QByteArrayList{} << false;
    QTest::newRow("empty lines and NUL bytes")
        << 4096 << QByteArray("\r\n\0F1:1\r\n", 9) << QByteArrayList{"", QByteArray("\0F1:1", 5)}
        << QByteArrayList{} << false;
    QTest::newRow("a line whose CR LF has not come is held")
        << 4096 << QByteArray("F1:1\r\nF2:750\r") << QByteArrayList{"F1:1"} << QByteArrayList{}
        << true;
    QTest::newRow("a line of exactly the maximum")
        << 4 << QByteArray("abcd\r\nabc\r\n") << QByteArrayList{"abcd", "abc"} << QByteArrayList{}
        << false;
    QTest::newRow("too long: reported once, cutting resumes after its CR LF")
        << 8 << QByteArray("0123456789abcdef\r\nF1:1\r\n") << QByteArrayList{"F1:1"}
        << QByteArrayList{"01234567"} << false;
    QTest::newRow("a CR past the maximum is part of the long line")
        << 4 << QByteArray("abcd\rx\r\nF1\r\n") << QByteArrayList{"F1"} << QByteArrayList{"abcd"}
        << false;
    QTest::newRow("text without line ends is not held beyond the maximum")
        << 8 << QByteArray(100, 'x') << QByteArrayList{} << QByteArrayList{"xxxxxxxx"} << false;
}

void TestSpectraCore::lines()
{
    QFETCH(int, maximum);
    QFETCH(QByteArray, stream);
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArrayList, corrupt);
    QFETCH(bool, needsMore);

    CrLfLineCutter cutter(maximum);
    const ParsedChunk<QByteArray> parsed = cutter.feed(stream);
    const auto text = [](const QByteArrayList &results, const QByteArrayList &bad, bool more) {
        return QStringLiteral("%1; corrupt %2; needs more: %3")
            .arg(hexList(results), hexList(bad), QVariant(more).toString());
    };
    QVERIFY2(
        parsed.results == lines && parsed.corrupt == corrupt && cutter.needsMore() == needsMore,
        qPrintable(QStringLiteral("stream %1:\nexpected %2\ngot      %3")
                       .arg(QString::fromLatin1(stream.toHex(' ')), text(lines, corrupt, needsMore),
                            text(parsed.results, parsed.corrupt, cutter.needsMore()))));
    verifyChunkingIndependence([maximum] { return CrLfLineCutter(maximum); }, stream);
}

void TestSpectraCore::readings_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Readings>("expected");

    QTest::newRow("FXL, FZ, FY, F12 and F18")
        << "FXL:100\r\nFZ:200\r\nFY:300\r\nF12:400\r\nF18:300"
        << Readings{{9, 0.1}, {10, 0.2}, {11, 0.3}, {11, 0.4}, {17, 0.3}};
    QTest::newRow("two lines with their CR LF, in order") << "F1:1000\r\nNIR:250\r\n"
                                                          << Readings{{0, 1.0}, {8, 0.25}};
    QTest::newRow("bad lines between good ones: no number, no value, no colon, too wide, unknown")
        << "F1:1\r\nF2:x\r\nF1:\r\nF1 100\r\nF1:2147483648\r\nF19:100\r\nF3:3"
        << Readings{{0, 0.001}, {2, 0.003}};
}

void TestSpectraCore::readings()
{
    QFETCH(QString, line);
    QFETCH(Readings, expected);
    const Readings actual = SpectraChannels::readings(line);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("line %1: expected %2, got %3")
                                                .arg(line, text(expected), text(actual))));
}

void TestSpectraCore::wavelengthColour_data()
{
    QTest::addColumn<double>("nanometres");
    QTest::addColumn<QString>("expected");

    const QList<int> curve{380, 410, 435, 460, 485, 510, 535, 560, 585, 610,
                           645, 680, 705, 730, 760, 810, 860, 900, 940};
    const QStringList colours{"#9600ff", "#7300ff", "#5500ff", "#0048ff", "#00a2ff",
                              "#00ff00", "#5bff00", "#b6ff00", "#ffef00", "#ffa000",
                              "#ff3232", "#d42121", "#b61515", "#980909", "#810808",
                              "#8a3232", "#925c5c", "#997e7e", "#a0a0a0"};
    for (int i = 0; i < curve.size(); ++i)
        QTest::addRow("%d nm", curve.at(i)) << double(curve.at(i)) << colours.at(i);
    QTest::newRow("440 nm starts the blue rise") << 440.0 << "#0000ff";
    QTest::newRow("490 nm") << 490.0 << "#00b4ff";
    QTest::newRow("750 nm") << 750.0 << "#800000";
    QTest::newRow("below 380 nm grey") << 379.9 << "#808080";
    QTest::newRow("above 940 nm grey") << 940.1 << "#808080";
}

void TestSpectraCore::wavelengthColour()
{
    QFETCH(double, nanometres);
    QFETCH(QString, expected);
    QCOMPARE(SpectrumColours::wavelengthColour(nanometres).name(), expected);
}

QTEST_GUILESS_MAIN(TestSpectraCore)
#include "tst_spectracore.moc"
