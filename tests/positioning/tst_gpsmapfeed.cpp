#include "mainwindow.h"
#include "promptrecorder.h"
#include "webpagecheck.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include <memory>

using Points = QList<QPair<double, double>>;

namespace {
// Notes in `calls` the name of every map function the tool calls (not those
// the page's functions call), then runs it.
const char recorder[] = R"(var calls = [], depth = 0;
["Set_Latit", "Set_Longit", "Set_Location", "Set_Location_First", "Set_Latit2", "Set_Longit2",
 "Set_Latit3", "Set_Longit3", "saveway", "savetrack"].forEach(function (name) {
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

// `count` points from `from` in equal steps, the last one at `to`.
QByteArray straightLeg(QPair<double, double> from, QPair<double, double> to, int count)
{
    QByteArray lines;
    for (int i = 1; i <= count; ++i)
        lines += positionLine(from.first + (to.first - from.first) * i / count,
                              from.second + (to.second - from.second) * i / count);
    return lines;
}
} // namespace

// The GPS tool's map, the real page, fed by a long imported track and by a
// client that streams positions: what the page is given and what it draws.
class TestGpsMapFeed : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void importDrawsOneThinnedLine_data();
    void importDrawsOneThinnedLine();
    void clientMovesTheMapAtTheScreensPace_data();
    void clientMovesTheMapAtTheScreensPace();

private:
    QStringList calls() const;

    std::unique_ptr<PromptRecorder> m_prompts;
    LocalOnly m_interceptor;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<MainWindow> m_window;
    RecordingPage *m_page = nullptr;
};

// Shows the GPS page, which makes the map view, and gives the view the map
// page cut off from outside hosts, with the recorder.
void TestGpsMapFeed::init()
{
    m_prompts = std::make_unique<PromptRecorder>();
    m_profile = std::make_unique<QWebEngineProfile>();
    m_profile->setUrlRequestInterceptor(&m_interceptor);
    m_window = std::make_unique<MainWindow>();
    child<QTabWidget>(*m_window, "tabWidget")->setCurrentWidget(child<QWidget>(*m_window, "gps"));
    auto *view = m_window->findChild<QWebEngineView *>();
    QVERIFY(view);
    m_page = new RecordingPage(m_profile.get(), view);
    QWebEngineScript script;
    script.setSourceCode(recorder);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::MainWorld);
    m_page->scripts().insert(script);
    view->setPage(m_page);
    m_page->load(QUrl("qrc:/html/images/openstreetmap.html"));
    QTRY_COMPARE_WITH_TIMEOUT(evaluateInPage(*m_page, "typeof calls").toString(),
                              QStringLiteral("object"), 20000);
}

void TestGpsMapFeed::cleanup()
{
    m_window.reset();
    m_profile.reset();
    m_prompts.reset();
}

QStringList TestGpsMapFeed::calls() const
{
    return evaluateInPage(*m_page, "calls.join()").toString().split(',', Qt::SkipEmptyParts);
}

void TestGpsMapFeed::importDrawsOneThinnedLine_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("calls");    // page calls, each a batch
    QTest::addColumn<Points>("drawn"); // the line's points

    // East, north with a stop, then back south part of the way: the straight
    // legs and the stop are left out, their ends and the U-turn kept.
    const QByteArray legs = positionLine(10, 20) + "header\r\nLatitude:95,Longitude:1\r\n" +
                            straightLeg({10, 20}, {10, 20.01}, 1000) +
                            straightLeg({10, 20.01}, {10.005, 20.01}, 300) +
                            positionLine(10.005, 20.01).repeated(20) +
                            straightLeg({10.005, 20.01}, {10.01, 20.01}, 300) +
                            straightLeg({10.01, 20.01}, {10.004, 20.01}, 100);
    QTest::newRow("turns kept, straight legs and stops left out")
        << legs << 1 << Points{{10, 20}, {10, 20.01}, {10.01, 20.01}, {10.004, 20.01}};
    // Every point a turn: more of them than one call takes.
    QByteArray zigzag;
    Points corners;
    for (int i = 0; i < 60001; ++i) {
        const QByteArray longitude = QByteArray::number(20 + i * 1e-5, 'f', 7);
        zigzag +=
            "Latitude:" + QByteArray(i % 2 ? "10.001" : "10") + ",Longitude:" + longitude + "\r\n";
        corners.append({i % 2 ? 10.001 : 10, longitude.toDouble()});
    }
    QTest::newRow("a line longer than a batch") << zigzag << 2 << corners;
    QTest::newRow("one place, twice: a line of no length")
        << positionLine(1, 2) + positionLine(1, 2) << 1 << Points{{1, 2}, {1, 2}};
    QTest::newRow("one position draws nothing") << positionLine(1, 2) << 0 << Points();
}

// An imported track reaches the map as one line, in a few calls, its first
// and last points and every turn kept.
void TestGpsMapFeed::importDrawsOneThinnedLine()
{
    QFETCH(QByteArray, file);
    QFETCH(int, calls);
    QFETCH(Points, drawn);
    QTemporaryDir folder;
    QFile track(folder.filePath("GPS_Date.txt"));
    QVERIFY(track.open(QIODevice::WriteOnly) && track.write(file) == file.size());
    track.close();
    m_prompts->fileAnswers = {track.fileName()};

    // One import at a time: the button waits for this one to end.
    auto *button = child<QPushButton>(*m_window, "GPStrochoidpushButton");
    button->click();
    QVERIFY(!button->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(statusText(*m_window),
                              QStringLiteral("Success for read the data in the file"), 30000);
    QVERIFY(button->isEnabled());
    QCOMPARE(this->calls(), QStringList(calls, QStringLiteral("savetrack")));
    const QJsonArray line =
        QJsonDocument::fromJson(evaluateInPage(*m_page, "JSON.stringify(typeof track === 'object' "
                                                        "&& track ? track.getLatLngs().map("
                                                        "p => [p.lat, p.lng]) : [])")
                                    .toByteArray())
            .array();
    Points shown;
    for (const QJsonValue &point : line)
        shown.append({point[0].toDouble(), point[1].toDouble()});
    QCOMPARE(shown.size(), drawn.size());
    QCOMPARE(shown, drawn);
}

void TestGpsMapFeed::clientMovesTheMapAtTheScreensPace_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("centre");
    QTest::newRow("one line moves the marker at once") << 1 << false;
    QTest::newRow("a stream, centred") << 20000 << true;
}

// A client streaming positions: the labels and the map end exactly at its
// last one, and the map is given far fewer positions than lines.
void TestGpsMapFeed::clientMovesTheMapAtTheScreensPace()
{
    QFETCH(int, lines);
    QFETCH(bool, centre);
    child<QCheckBox>(*m_window, "GPS_on_off_checkBox")->setChecked(centre);
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    child<QLineEdit>(*m_window, "GPSTCPServerPortlineEdit")->setText(QString::number(port));
    child<QPushButton>(*m_window, "GPSTCPopencompushButton")->click();
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(client.waitForConnected(5000));

    QByteArray stream;
    for (int i = 1; i <= lines; ++i)
        stream += "Latitude:" + QByteArray::number(10 + i * 1e-5, 'f', 5) +
                  ",Longitude:" + QByteArray::number(-20 - i * 1e-5, 'f', 5) + "\r\n";
    const double latitude = 10 + lines * 1e-5;
    const double longitude = -20 - lines * 1e-5;
    client.write(stream);
    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(*m_window, "Weidu")->text(),
                              QString::number(latitude, 'f', 5), 60000);
    QCOMPARE(child<QLabel>(*m_window, "Jingdu")->text(), QString::number(longitude, 'f', 5));
    QTRY_VERIFY(evaluateInPage(*m_page, QStringLiteral("Latit === %1 && Longit === %2")
                                            .arg(latitude, 0, 'g', 17)
                                            .arg(longitude, 0, 'g', 17))
                    .toBool());

    const QStringList given = calls();
    const QString move = centre ? "Set_Location_First" : "Set_Location";
    QCOMPARE(given.mid(given.size() - 3), (QStringList{"Set_Latit", "Set_Longit", move}));
    const qsizetype positions = given.count(move);
    QVERIFY2(given.size() == 3 * positions, qPrintable(given.mid(0, 12).join(' ')));
    QVERIFY2(lines == 1 ? positions == 1 : positions < lines / 10,
             qPrintable(QString("%1 positions for %2 lines").arg(positions).arg(lines)));
}

YURB_TEST_MAIN(TestGpsMapFeed)
#include "tst_gpsmapfeed.moc"
