#include "fetchurl.h"
#include "localhttpserver.h"

#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

Q_DECLARE_METATYPE(FetchResult::Error)

class TestFetchUrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void answers_data();
    void answers();
    void refusedConnection();
    void silentServerHitsTheTimeLimit();
    void eventsFlowWhileWaiting();
    void worksOnAThreadWithoutEventLoop();
};

void TestFetchUrl::initTestCase()
{
    // The loopback server must be reached directly, never through a proxy.
    for (const char *name :
         {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
}

void TestFetchUrl::answers_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<FetchResult::Error>("error");
    QTest::addColumn<QString>("expectedBody");

    QTest::newRow("200 with a body")
        << 200 << QByteArray("\"3.3.9\"\n") << FetchResult::Error::None << "\"3.3.9\"\n";
    QTest::newRow("200, UTF-8 body") << 200 << QByteArray("\xe7\x89\x88\xe6\x9c\xac")
                                     << FetchResult::Error::None << QStringLiteral("版本");
    QTest::newRow("200, empty body") << 200 << QByteArray() << FetchResult::Error::None << "";
    QTest::newRow("404 with a body")
        << 404 << QByteArray("\"9.9.9\"\n") << FetchResult::Error::HttpStatus << "";
    QTest::newRow("500") << 500 << QByteArray("oops") << FetchResult::Error::HttpStatus << "";
    QTest::newRow("204 is not 200") << 204 << QByteArray() << FetchResult::Error::HttpStatus << "";
}

void TestFetchUrl::answers()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(FetchResult::Error, error);
    QFETCH(QString, expectedBody);

    LocalHttpServer server;
    QVERIFY(server.listen());
    server.setResponse(status, body);

    const FetchResult result = fetchUrlBlocking(server.url(QStringLiteral("/software/file")));
    QCOMPARE(int(result.error), int(error));
    QCOMPARE(result.httpStatus, status);
    QCOMPARE(result.body, expectedBody);
    QCOMPARE(server.requestPaths(), QList<QByteArray>{"/software/file"});
}

void TestFetchUrl::refusedConnection()
{
    const quint16 port = LocalHttpServer::closedPort();
    QVERIFY(port != 0);
    const FetchResult result =
        fetchUrlBlocking(QStringLiteral("http://127.0.0.1:%1/x").arg(port), 5000);
    QCOMPARE(int(result.error), int(FetchResult::Error::ConnectionRefused));
    QVERIFY(!result.ok());
    QCOMPARE(result.httpStatus, 0);
    QVERIFY(result.body.isEmpty());
    QVERIFY(!result.errorText.isEmpty());
}

void TestFetchUrl::silentServerHitsTheTimeLimit()
{
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.setSilent(true);

    const FetchResult result = fetchUrlBlocking(server.url(QStringLiteral("/slow")), 300);
    QCOMPARE(int(result.error), int(FetchResult::Error::Timeout));
    QVERIFY(result.body.isEmpty());
    QCOMPARE(server.requestPaths().size(), 1);
}

// The wait is a local event loop: timers of the calling thread keep running.
void TestFetchUrl::eventsFlowWhileWaiting()
{
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.setSilent(true);
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
    timer.start(20);
    const FetchResult result = fetchUrlBlocking(server.url(QStringLiteral("/")), 400);
    QCOMPARE(int(result.error), int(FetchResult::Error::Timeout));
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
}

// The exchange-rate worker calls it on a thread that runs no event loop.
void TestFetchUrl::worksOnAThreadWithoutEventLoop()
{
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.setResponse(200, "<rates/>");
    const QString url = server.url(QStringLiteral("/rates.xml"));

    FetchResult result;
    std::unique_ptr<QThread> worker(
        QThread::create([&result, url] { result = fetchUrlBlocking(url, 5000); }));
    worker->start();
    // This thread serves the request, so it keeps processing events meanwhile.
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 10000);
    worker->wait();
    QCOMPARE(int(result.error), int(FetchResult::Error::None));
    QCOMPARE(result.body, QStringLiteral("<rates/>"));
}

QTEST_GUILESS_MAIN(TestFetchUrl)
#include "tst_fetchurl.moc"
