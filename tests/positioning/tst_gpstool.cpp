#include "filesizelimit.h"
#include "mainwindow.h"
#include "portlist.h"
#include "positionline.h"
#include "promptrecorder.h"
#include "ptypair.h"
#include "settingsfile.h"
#include "trackfile.h"
#include "trackfiles.h"
#include "webpagecheck.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include <memory>
#include <optional>

using Labels = QMap<QString, QString>;
using Points = QList<QPair<double, double>>;

namespace {
// Notes in `calls` the name of every map function the tool calls (not those
// the page's functions call), then runs it.
const char recorder[] = R"(var calls = [], depth = 0;
["Set_Latit", "Set_Longit", "Set_Location", "Set_Location_First", "saveway", "savetrack"]
.forEach(function (name) {
  var inner = window[name];
  window[name] = function () {
    if (depth++ === 0)
      calls.push(name);
    try {
      return inner ? inner.apply(this, arguments) : undefined;
    } finally {
      --depth;
    }
  };
});)";

QByteArray positionLine(double latitude, double longitude)
{
    return "Latitude:" + QByteArray::number(latitude, 'f', 7) +
           ",Longitude:" + QByteArray::number(longitude, 'f', 7) + "\r\n";
}
} // namespace

// The GPS tool fed by an NMEA device on a pty, by TCP position clients and
// by track files, and what its map page is given.
class TestGpsTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void serialFixIsShownAndStored_data();
    void serialFixIsShownAndStored();
    void sourceSwitchLeavesThePortOpen();
    void serverBadStartsAreRefused_data();
    void serverBadStartsAreRefused();
    void serverTakesEachClientsLines();
    void serverPositionsShownStoredOrRefused_data();
    void serverPositionsShownStoredOrRefused();
    void failedTrackWriteStaysShown_data();
    void failedTrackWriteStaysShown();
    void importDrawsOneThinnedLine();
    void importTellsWhatItPassedOver_data();
    void importTellsWhatItPassedOver();
    void clientMovesTheMapAtTheScreensPace_data();
    void clientMovesTheMapAtTheScreensPace();

private:
    QString text(const char *name) const { return child<QLabel>(*m_window, name)->text(); }
    QPushButton *button(const char *name) const { return child<QPushButton>(*m_window, name); }
    static QByteArray trackFile();
    void startServerFor(std::initializer_list<QTcpSocket *> clients);
    void showMap();
    QStringList mapCalls() const;

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<PromptRecorder> m_prompts;
    LocalOnly m_interceptor;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<MainWindow> m_window;
    RecordingPage *m_map = nullptr;
};

void TestGpsTool::init()
{
    m_pty = std::make_unique<PtyPair>();
    const QString path = m_pty->slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
    child<QCheckBox>(*m_window, "GPSSavecheckBox")->setChecked(true);
}

void TestGpsTool::cleanup()
{
    m_window.reset();
    m_profile.reset();
    m_prompts.reset();
    m_pty.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
    QFile::remove(TrackFile::path());
}

QByteArray TestGpsTool::trackFile()
{
    QFile file(TrackFile::path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestGpsTool::serialFixIsShownAndStored_data()
{
    QTest::addColumn<QList<QByteArray>>("writes");
    QTest::addColumn<Labels>("labels");
    QTest::addColumn<QByteArray>("stored");

    // Junk before a sentence and a sentence split inside its talker field.
    QTest::newRow("west of Greenwich, split and after junk")
        << QList<QByteArray>{"xyz$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,"
                             "M,,*76\r\n$G",
                             "PRMC,092750.000,A,5321.6802,N,00630.3372,W,0.02,31.66,280511,,,A*"
                             "43\r\n"}
        << Labels{{"Weidu", "53.3613367"},  {"Weidufangxiang", "N"}, {"Jingdu", "6.5056200"},
                  {"Jingdufangxiang", "W"}, {"GPS_UTC", "9:27:50"},  {"Dingweizhuangtai", "Yes"},
                  {"Haibagaodu", "61.7 m"}}
        << QByteArray("Latitude:53.3613367,Longitude:-6.5056200\r\n");
    QTest::newRow("southern hemisphere, combined talker")
        << QList<QByteArray>{"$GNGGA,001043.00,3354.4214,S,15112.5587,E,2,12,0.8,45.0,M,21.0,M,,"
                             "*58\r\n$GNRMC,001043.00,A,3354.4214,S,15112.5587,E,0.1,,070526,,,A*"
                             "79\r\n"}
        << Labels{{"Weidu", "33.9070233"},
                  {"Weidufangxiang", "S"},
                  {"Jingdu", "151.2093117"},
                  {"GPS_UTC", "0:10:43"},
                  {"Haibagaodu", "45 m"}}
        << QByteArray("Latitude:-33.9070233,Longitude:151.2093117\r\n");
    QTest::newRow("within a degree of the prime meridian")
        << QList<
               QByteArray>{"$GPGGA,120000.00,5130.0000,N,00007.5000,W,1,09,0.9,11.0,M,47.0,M,,*"
                           "4B\r\n",
                           "$GPRMC,120000.00,A,5130.0000,N,00007.5000,W,0.0,0.0,070526,,,A*4C\r\n"}
        << Labels{{"Weidu", "51.5000000"}, {"Jingdu", "0.1250000"}}
        << QByteArray("Latitude:51.5000000,Longitude:-0.1250000\r\n");
    QTest::newRow("dilution, speed and satellites")
        << QList<QByteArray>{"$GPGSA,A,3,04,05,09,12,,,,,,,,,2.5,1.3,2.1*3F\r\n"
                             "$GPVTG,31.66,T,,M,0.02,N,12.50,K,A*3B\r\n"
                             "$GPGSV,2,1,08,04,75,023,43,05,60,154,40,09,45,261,38,12,33,307,35*"
                             "72\r\n$BDGSV,1,1,04,01,45,120,40,02,30,200,35,03,20,300,30,04,10,"
                             "100,25*6C\r\n"}
        << Labels{{"Weizhiyinzi", "2.5"},      {"Shuipingyinzi", "1.3"},  {"Cuizhiyinzi", "2.1"},
                  {"Dimiansudu", "12.5 km/h"}, {"GPSKejianweixing", "8"}, {"BDKejianweixing", "4"}}
        << QByteArray();
    const QByteArray fixed =
        "$GPGGA,120000.00,3954.9290,N,11624.2340,E,1,08,1.0,50.0,M,,M,,*41\r\n";
    const Labels nothingShown{{"Weidu", "Null"}, {"Jingdu", "Null"}, {"Weidufangxiang", ""}};
    QTest::newRow("fix lost: a void RMC with empty fields")
        << QList<QByteArray>{fixed + "$GPRMC,120001.00,V,,,,,,,010124,,,N*79\r\n"} << nothingShown
        << QByteArray();
    QTest::newRow("latitude 9999.9999")
        << QList<QByteArray>{fixed +
                             "$GPRMC,120000.00,A,9999.9999,N,11624.2340,E,0.02,,010124,,,A*42\r\n"}
        << nothingShown << QByteArray();
    QTest::newRow("bad checksum changes nothing")
        << QList<QByteArray>{"$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,"
                             "*77\r\n"}
        << Labels{{"Dingweizhuangtai", "Null"}} << QByteArray();
}

// Position, hemisphere, time and altitude show on the page; the first fix
// is stored at once with its signed position.
void TestGpsTool::serialFixIsShownAndStored()
{
    QFETCH(QList<QByteArray>, writes);
    QFETCH(Labels, labels);
    QFETCH(QByteArray, stored);

    button("GPSopencompushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
    for (const QByteArray &bytes : writes) {
        QVERIFY(m_pty->write(bytes));
        QTRY_VERIFY(child<QPlainTextEdit>(*m_window, "GPStextBrowser")
                        ->toPlainText()
                        .endsWith(QString::fromLatin1(bytes).remove(QLatin1Char('\r'))));
    }
    for (auto it = labels.cbegin(); it != labels.cend(); ++it)
        QCOMPARE(text(qPrintable(it.key())), it.value());
    QCOMPARE(trackFile(), stored);
}

// "TCP" shows the server's widgets; the open serial port stays open.
void TestGpsTool::sourceSwitchLeavesThePortOpen()
{
    button("GPSopencompushButton")->click();
    // As a press of the button would, without showing the page and its map.
    auto *tcp = child<QRadioButton>(*m_window, "GPSportMode_02");
    Q_EMIT tcp->pressed();
    QVERIFY(button("GPSopencompushButton")->isHidden());
    QVERIFY(!button("GPSTCPopencompushButton")->isHidden());
    QVERIFY(tcp->isChecked());
    QVERIFY(m_pty->write("$GPGGA,120000.00,5130.0000,N,00007.5000,W,1,09,0.9,11.0,M,47.0,M,,*"
                         "4B\r\n"));
    QTRY_COMPARE(text("Dingweizhuangtai"), QStringLiteral("Yes"));
}

void TestGpsTool::serverBadStartsAreRefused_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("message"); // empty: no box, the status bar tells
    QTest::newRow("empty") << ""
                           << "Port is empty!";
    QTest::newRow("would wrap")
        << "70000"
        << "Local port \"70000\" is not valid: use a number from 1 to 65535.";
    QTest::newRow("in use") << "busy"
                            << "";
}

// A server that does not listen is reported and the button keeps "Start".
void TestGpsTool::serverBadStartsAreRefused()
{
    QFETCH(QString, port);
    QFETCH(QString, message);
    QTcpServer blocker;
    if (port == QLatin1String("busy")) {
        QVERIFY(blocker.listen(QHostAddress::Any, 0));
        port = QString::number(blocker.serverPort());
    }
    child<QLineEdit>(*m_window, "GPSTCPServerPortlineEdit")->setText(port);
    button("GPSTCPopencompushButton")->click();
    if (message.isEmpty()) {
        QVERIFY2(
            statusText(*m_window).startsWith(QStringLiteral("Server failed to listen on port ")),
            qPrintable(statusText(*m_window)));
        QVERIFY(m_prompts->messages.isEmpty());
    } else {
        QCOMPARE(m_prompts->messages.size(), 1);
        QCOMPARE(m_prompts->messages.first().text, message);
    }
    QCOMPARE(button("GPSTCPopencompushButton")->text(), QStringLiteral("Start"));
}

// Starts the position server on a free port and connects the clients to it.
void TestGpsTool::startServerFor(std::initializer_list<QTcpSocket *> clients)
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    child<QLineEdit>(*m_window, "GPSTCPServerPortlineEdit")->setText(QString::number(port));
    button("GPSTCPopencompushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Server has started"));
    QCOMPARE(button("GPSTCPopencompushButton")->text(), QStringLiteral("Stop"));
    for (QTcpSocket *client : clients) {
        client->connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(client->waitForConnected(5000));
    }
}

// Two clients whose lines arrive in pieces, interleaved: each client's line
// is joined from its own pieces, and every complete line is shown and stored.
void TestGpsTool::serverTakesEachClientsLines()
{
    QTcpSocket first;
    QTcpSocket second;
    startServerFor({&first, &second});
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY(statusText(*m_window).endsWith(QLatin1String("127.0.0.1 Joined")));
    first.write("Latitude:1.5,Longi");
    QVERIFY(first.waitForBytesWritten(1000));
    QTRY_VERIFY(statusText(*m_window).startsWith(QLatin1String("TCP receive from:")));
    second.write("Latitude:-2.5,Longitude:3.5\r\n");
    QTRY_COMPARE(text("Weidu"), QStringLiteral("-2.5"));
    QCOMPARE(text("Jingdu"), QStringLiteral("3.5"));
    QCOMPARE(text("Haibagaodu"), QStringLiteral("Null"));
    first.write("tude:4.5\r\nLatitude:9,Longitude:9");
    QTRY_COMPARE(text("Weidu"), QStringLiteral("1.5"));
    QCOMPARE(text("Jingdu"), QStringLiteral("4.5"));
    QCOMPARE(trackFile(), QByteArray("Latitude:-2.5,Longitude:3.5\r\n"
                                     "Latitude:1.5,Longitude:4.5\r\n"));

    button("GPSTCPopencompushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Server has stopped"));
    QTRY_COMPARE(first.state(), QAbstractSocket::UnconnectedState);
    QTRY_COMPARE(second.state(), QAbstractSocket::UnconnectedState);
}

void TestGpsTool::serverPositionsShownStoredOrRefused_data()
{
    QTest::addColumn<QByteArray>("serial"); // sent by the receiver first
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<Labels>("labels");
    QTest::addColumn<QByteArray>("stored");

    const Labels nothingShown{{"Weidu", "Null"}, {"Jingdu", "Null"}, {"Haibagaodu", "Null"}};
    QTest::newRow("markup is no position")
        << QByteArray()
        << QList<QByteArray>{"Latitude:<font size=7 color=red>BIG</font>,Longitude:1"}
        << nothingShown << QByteArray();
    QTest::newRow("refused between two positions")
        << QByteArray()
        << QList<QByteArray>{"Latitude:1.5,Longitude:2.5", "Latitude:91,Longitude:2.5",
                             "Latitude:-1.5,Longitude:-2.5"}
        << Labels{{"Weidu", "-1.5"},
                  {"Jingdu", "-2.5"},
                  {"Weidufangxiang", "S"},
                  {"Jingdufangxiang", "W"}}
        << QByteArray("Latitude:1.5,Longitude:2.5\r\nLatitude:-1.5,Longitude:-2.5\r\n");
    QTest::newRow("hemispheres follow the client after a south-west fix")
        << QByteArray("$GNGGA,001043.00,3354.4214,S,07012.5587,W,2,12,0.8,45.0,M,21.0,M,,*48\r\n"
                      "$GNRMC,001043.00,A,3354.4214,S,07012.5587,W,0.1,,070526,,,A*69\r\n")
        << QList<QByteArray>{"Latitude:39.92215,Longitude:116.46478"}
        << Labels{{"Weidu", "39.92215"},
                  {"Weidufangxiang", "N"},
                  {"Jingdu", "116.46478"},
                  {"Jingdufangxiang", "E"}}
        << QByteArray("Latitude:-33.9070233,Longitude:-70.2093117\r\n"
                      "Latitude:39.92215,Longitude:116.46478\r\n");
}

// A client's real position is shown as plain text with the hemispheres of
// its signs and stored; anything else reaches neither the labels nor the
// track file, and the client is told.
void TestGpsTool::serverPositionsShownStoredOrRefused()
{
    QFETCH(QByteArray, serial);
    QFETCH(QList<QByteArray>, lines);
    QFETCH(Labels, labels);
    QFETCH(QByteArray, stored);

    for (const char *name : {"Weidu", "Jingdu"})
        QCOMPARE(child<QLabel>(*m_window, name)->textFormat(), Qt::PlainText);
    if (!serial.isEmpty()) {
        button("GPSopencompushButton")->click();
        QVERIFY(m_pty->write(serial));
        QTRY_COMPARE(text("Weidufangxiang"), QStringLiteral("S"));
    }
    QTcpSocket client;
    startServerFor({&client});
    if (QTest::currentTestFailed())
        return;
    for (const QByteArray &line : lines) {
        client.write(line + "\r\n");
        QTRY_VERIFY(child<QPlainTextEdit>(*m_window, "GPStextBrowser")
                        ->toPlainText()
                        .endsWith(QString::fromLatin1(line) + QLatin1Char('\n')));
    }
    for (auto it = labels.cbegin(); it != labels.cend(); ++it)
        QCOMPARE(text(qPrintable(it.key())), it.value());
    QCOMPARE(trackFile(), stored);
    if (stored.isEmpty())
        QVERIFY2(statusText(*m_window).startsWith(QLatin1String("Not a position on the earth: ")),
                 qPrintable(statusText(*m_window)));
}

void TestGpsTool::failedTrackWriteStaysShown_data()
{
    QTest::addColumn<QByteArray>("before");
    // A folder where the file should be: it cannot be opened for writing.
    QTest::newRow("folder in the way") << QByteArray();
    // Room for part of a line only: none of it may stay in the file.
    QTest::newRow("full disk") << QByteArray("Latitude:0.5,Longitude:0.5\r\n");
}

// A failed write of the track file stays in the status bar while data keeps
// coming, until a later write succeeds.
void TestGpsTool::failedTrackWriteStaysShown()
{
    QFETCH(QByteArray, before);
    if (before.isEmpty()) {
        QVERIFY(QDir().mkpath(TrackFile::path()));
    } else {
        QFile file(TrackFile::path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    }
    QTcpSocket client;
    startServerFor({&client});
    if (QTest::currentTestFailed())
        return;
    {
        std::optional<FileSizeLimit> fullDisk;
        if (!before.isEmpty())
            fullDisk.emplace(before.size() + 10);
        client.write("Latitude:1.5,Longitude:2.5\r\n");
        QTRY_COMPARE(text("Weidu"), QStringLiteral("1.5"));
    }
    QCOMPARE(statusText(*m_window), QStringLiteral("Unable to save GPS data."));
    button("GPSopencompushButton")->click();
    QVERIFY(m_pty->write("$GPVTG,31.66,T,,M,0.02,N,12.50,K,A*3B\r\n"));
    QTRY_COMPARE(text("Dimiansudu"), QStringLiteral("12.5 km/h"));
    QCOMPARE(statusText(*m_window), QStringLiteral("Unable to save GPS data."));

    if (before.isEmpty())
        QVERIFY(QDir().rmdir(TrackFile::path()));
    client.write("Latitude:2.5,Longitude:3.5\r\n");
    QTRY_COMPARE(text("Weidu"), QStringLiteral("2.5"));
    QVERIFY2(statusText(*m_window).startsWith(QLatin1String("TCP receive from:")),
             qPrintable(statusText(*m_window)));
    QCOMPARE(trackFile(), before + "Latitude:2.5,Longitude:3.5\r\n");
}

// Shows the GPS page, which makes the map view, and gives the view the map
// page cut off from outside hosts, with the recorder.
void TestGpsTool::showMap()
{
    m_profile = std::make_unique<QWebEngineProfile>();
    m_profile->setUrlRequestInterceptor(&m_interceptor);
    child<QTabWidget>(*m_window, "tabWidget")->setCurrentWidget(child<QWidget>(*m_window, "gps"));
    auto *view = m_window->findChild<QWebEngineView *>();
    QVERIFY(view);
    m_map = new RecordingPage(m_profile.get(), view);
    QWebEngineScript script;
    script.setSourceCode(recorder);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::MainWorld);
    m_map->scripts().insert(script);
    view->setPage(m_map);
    m_map->load(QUrl("qrc:/html/images/openstreetmap.html"));
    QTRY_COMPARE_WITH_TIMEOUT(evaluateInPage(*m_map, "typeof calls").toString(),
                              QStringLiteral("object"), 20000);
}

QStringList TestGpsTool::mapCalls() const
{
    return evaluateInPage(*m_map, "calls.join()").toString().split(',', Qt::SkipEmptyParts);
}

// An imported track reaches the map as one line in one call, its first and
// last points and every turn kept: east, north, then back south part of the
// way, with a stop on each leg.
void TestGpsTool::importDrawsOneThinnedLine()
{
    showMap();
    const Points corners{{10, 20}, {10, 20.01}, {10.01, 20.01}, {10.004, 20.01}};
    QByteArray file = "header\r\nLatitude:95,Longitude:1\r\n";
    for (qsizetype leg = 1; leg < corners.size(); ++leg) {
        const auto [fromLatitude, fromLongitude] = corners.at(leg - 1);
        const auto [toLatitude, toLongitude] = corners.at(leg);
        for (int i = 0; i <= 500; ++i)
            file += positionLine(fromLatitude + (toLatitude - fromLatitude) * i / 500,
                                 fromLongitude + (toLongitude - fromLongitude) * i / 500)
                        .repeated(i == 250 ? 20 : 1);
    }
    QFile track(TrackFile::path());
    QVERIFY(track.open(QIODevice::WriteOnly) && track.write(file) == file.size());
    track.close();
    m_prompts->fileAnswers = {track.fileName()};

    // One import at a time: the button waits for this one to end.
    auto *button = child<QPushButton>(*m_window, "GPStrochoidpushButton");
    button->click();
    QVERIFY(!button->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(
        statusText(*m_window),
        QStringLiteral("Success for read the data in the file; lines skipped: 1"), 30000);
    QVERIFY(button->isEnabled());
    QCOMPARE(mapCalls(), QStringList{"savetrack"});
    Points drawn;
    for (const QJsonValue point :
         QJsonDocument::fromJson(evaluateInPage(*m_map, "JSON.stringify(track.getLatLngs()"
                                                        ".map(p => [p.lat, p.lng]))")
                                     .toByteArray())
             .array())
        drawn.append({point[0].toDouble(), point[1].toDouble()});
    QCOMPARE(drawn, corners);
}

void TestGpsTool::importTellsWhatItPassedOver_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("status");
    for (const TrackFileCase &file : trackFileCases())
        QTest::newRow(file.name) << file.content << QString::fromLatin1(file.status);
}

// A file that gives no position says so rather than success; one with lines
// passed over says how many.
void TestGpsTool::importTellsWhatItPassedOver()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, status);
    QFile picked(QDir::home().filePath(QStringLiteral("picked.txt")));
    QVERIFY(picked.open(QIODevice::WriteOnly) && picked.write(content) == content.size());
    picked.close();
    m_prompts->fileAnswers = {picked.fileName()};
    auto *button = child<QPushButton>(*m_window, "GPStrochoidpushButton");
    button->click();
    QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 30000);
    QCOMPARE(statusText(*m_window), status);
    QVERIFY(picked.remove());
}

void TestGpsTool::clientMovesTheMapAtTheScreensPace_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("centre");
    QTest::newRow("one line moves the marker at once") << 1 << false;
    QTest::newRow("a stream, centred") << 20000 << true;
}

// A client streaming positions: every one is stored, the labels and the map
// end exactly at its last one, and the map is given far fewer positions than
// lines.
void TestGpsTool::clientMovesTheMapAtTheScreensPace()
{
    QFETCH(int, lines);
    QFETCH(bool, centre);
    child<QCheckBox>(*m_window, "GPS_on_off_checkBox")->setChecked(centre);
    showMap();
    QTcpSocket client;
    startServerFor({&client});
    if (QTest::currentTestFailed())
        return;

    QByteArray stream;
    QByteArray line;
    for (int i = 1; i <= lines; ++i)
        stream += line = positionLine(10 + i * 1e-5, -20 - i * 1e-5);
    client.write(stream);
    const std::optional<PositionLine> last = PositionLine::parse(line);
    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(*m_window, "Weidu")->text(), last->latitude, 60000);
    QCOMPARE(child<QLabel>(*m_window, "Jingdu")->text(), last->longitude);
    QTRY_VERIFY(evaluateInPage(*m_map, QStringLiteral("Latit === %1 && Longit === %2")
                                           .arg(last->latitude, last->longitude))
                    .toBool());
    QCOMPARE(trackFile(), stream);

    const QStringList given = mapCalls();
    const QString move = centre ? "Set_Location_First" : "Set_Location";
    QCOMPARE(given.mid(given.size() - 3), (QStringList{"Set_Latit", "Set_Longit", move}));
    const qsizetype positions = given.count(move);
    QVERIFY2(given.size() == 3 * positions, qPrintable(given.mid(0, 12).join(' ')));
    QVERIFY2(lines == 1 ? positions == 1 : positions < lines / 10,
             qPrintable(QString("%1 positions for %2 lines").arg(positions).arg(lines)));
}

YURB_TEST_MAIN(TestGpsTool)
#include "tst_gpstool.moc"
