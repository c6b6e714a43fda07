#include "mapscript.h"
#include "webpagecheck.h"
#include "yurbtestmain.h"

#include <QSignalSpy>
#include <QWebEngineProfile>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

// A stand-in for the online Baidu map object: notes what the page draws in
// `drawn` (a line with its number of points); its conversion keeps the
// points and, as the provider's, takes ten at most.
const char baiduStandIn[] = R"(var BMAP_ANCHOR_TOP_LEFT = 0, BMAP_ANCHOR_BOTTOM_LEFT = 2,
  BMAP_NORMAL_MAP = 0, BMAP_HYBRID_MAP = 1, drawn = [], BMap = {};
"Map Point Marker Polyline ScaleControl NavigationControl MapTypeControl Convertor LocalCity"
  .split(" ").forEach(function (kind) { BMap[kind] = function (a) { this.kind = kind; this.a = a; }; });
BMap.Map.prototype = { centerAndZoom() {}, enableScrollWheelZoom() {}, enableDragging() {},
  addControl() {}, setCenter() {}, removeOverlay() {},
  addOverlay(o) { drawn.push(o.kind + (o.kind === "Polyline" ? o.a.length : "")); },
  clearOverlays() { drawn.push("clear"); } };
BMap.Convertor.prototype.translate = function (points, from, to, back) {
  setTimeout(back, 0, { status: from === 1 && to === 5 && points.length <= 10 ? 0 : 1,
                        points: points }); };
BMap.LocalCity.prototype.get = function (back) { back({ name: "北京" }); };
BMap.DrivingRoute = function () { this.search = function () { drawn.push("route"); }; };)";

// Both map pages in a real web view, cut off from every outside host.
class TestMapPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void page_data();
    void page();
};

void TestMapPages::page_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("standIn");
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("drawn");
    const QString baidu = "qrc:/html/images/BaiduMap.html";
    QTest::newRow("OpenStreetMap")
        << "qrc:/html/images/openstreetmap.html" << false << QStringList{"IP location failed!"}
        << "Object.values(marker.getLatLng()).join() + ' ' + track.getLatLngs().length"
        << "-33.8688,151.2093 25";
    QTest::newRow("Baidu") << baidu << true << QStringList() << "drawn.join()"
                           << "Marker,Polyline2,Polyline20,Polyline6,clear,route";
    QTest::newRow("Baidu offline")
        << baidu << false << QStringList{"地图加载失败，请检查网络！"} << "String(map)"
        << "null";
}

void TestMapPages::page()
{
    QFETCH(QString, url);
    QFETCH(bool, standIn);
    QFETCH(QStringList, notes);
    QFETCH(QString, probe);
    QFETCH(QString, drawn);
    LocalOnly interceptor;
    QWebEngineProfile profile;
    profile.setUrlRequestInterceptor(&interceptor);
    RecordingPage page(&profile);
    QWebEngineScript script;
    script.setSourceCode(standIn ? baiduStandIn : "");
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    page.scripts().insert(script);
    QWebEngineView view;
    view.setPage(&page);
    view.show();
    const QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
    page.load(QUrl(url));
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 1, 20000);
    QTRY_COMPARE(page.notes, notes);
    QVERIFY(!interceptor.blocked.isEmpty());
    QCOMPARE(evaluateInPage(page,
                            "'Set_Latit Set_Longit Set_Latit2 Set_Longit2 Set_Latit3 Set_Longit3 "
                            "Set_Location Set_Location_First saveway savetrack searchdriving "
                            "Set_endaddress'.split(' ').filter(f => typeof window[f] !== "
                            "'function').join()"),
             "");

    // A track in two calls, the second going on from the first.
    QList<LatLong> track;
    for (int i = 0; i < 25; ++i)
        track.append({-33.87 + i * 1e-3, 151.21 + (i % 2) * 1e-3});
    const QString address = QStringLiteral("'\"\\\n\u2028</script>\");alert(1)//");
    for (const QString &call :
         MapScript::position(-33.8688, 151.2093, true, false) +
             QStringList{"Set_Latit2(-33.87)", "Set_Longit2(151.21)", "saveway()"} +
             MapScript::track(track.mid(0, 20), false) + MapScript::track(track.mid(20), true) +
             MapScript::navigation(address))
        page.runJavaScript(call);
    QTRY_COMPARE(evaluateInPage(page, probe).toString(), drawn);
    QCOMPARE(evaluateInPage(page, "endaddress").toString(), address);
    QCOMPARE(page.notes, notes);
}

YURB_TEST_MAIN(TestMapPages)
#include "tst_mappages.moc"
