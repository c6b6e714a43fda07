#include "currencyconverter.h"
#include "exchangerates.h"
#include "localhttpserver.h"
#include "ratefeed.h"
#include "settingsfile.h"
#include "temporaryhome.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <memory>

// The exchange-rate worker (daily gate, feed parsing, what it stores, its
// time limit and its stop) and the currency conversions at stored rates.
class TestExchangeRates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void feedParsing_data();
    void feedParsing();
    void dailyGate_data();
    void dailyGate();
    void workerAgainstFeeds_data();
    void workerAgainstFeeds();
    void workerAsksOncePerDay_data();
    void workerAsksOncePerDay();
    void conversions_data();
    void conversions();

private:
    TemporaryHome m_home;
};

namespace {

const QByteArray feedHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
    "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">"
    "<gesmes:subject>Reference rates</gesmes:subject>"
    "<Cube><Cube time=\"2024-06-07\">";
const QByteArray usd = "<Cube currency=\"USD\" rate=\"1.0844\"/>";
const QByteArray jpy = "<Cube currency=\"JPY\" rate=\"169.91\"/>";
const QByteArray xyz = "<Cube currency=\"XYZ\" rate=\"2.5\"/>";
const QByteArray feedTail = "</Cube></Cube></gesmes:Envelope>";
const QByteArray wellFormed = feedHead + usd + jpy + xyz + feedTail;
const QByteArray truncated = feedHead + usd + "<Cube currency=\"JPY\" ra";
const QByteArray htmlPage = "<html><body><p>Service unavailable<br></body></html>";
const QByteArray noRates = "<?xml version=\"1.0\"?><error><message>none today</message></error>";
// A feed whose only rate, for USD, reads `rate`.
QByteArray usdAt(const QByteArray &rate)
{
    return feedHead + "<Cube currency=\"USD\" rate=\"" + rate + "\"/>" + feedTail;
}

using Rates = QMap<QString, QString>;

// The group "ExchangeRates" as stored, every value as text.
Rates storedRates()
{
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.beginGroup(ExchangeRates::group());
    Rates rates;
    for (const QString &key : settings.childKeys())
        rates.insert(key, settings.value(key).toString());
    return rates;
}

void storeRates(const Rates &rates)
{
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.beginGroup(ExchangeRates::group());
    for (auto it = rates.cbegin(); it != rates.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

// The built-in table overlaid with `rates`, and "END".
Rates builtInWith(const Rates &rates)
{
    Rates all;
    for (const auto &[code, rate] : ExchangeRates::builtInRates())
        all.insert(code, QString::number(rate, 'g', QLocale::FloatingPointShortest));
    all.insert(rates);
    all.insert(QStringLiteral("END"), QStringLiteral("0"));
    return all;
}

QString describe(const Rates &rates)
{
    QStringList pairs;
    for (auto it = rates.cbegin(); it != rates.cend(); ++it)
        pairs << it.key() + '=' + it.value();
    return pairs.join(' ');
}

} // namespace

void TestExchangeRates::init()
{
    QFile::remove(settingsFilePath());
}

void TestExchangeRates::feedParsing_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("rates");
    QTest::addColumn<bool>("readToEnd");
    QTest::addColumn<QDate>("date");
    const QDate day(2024, 6, 7);
    QTest::newRow("well-formed") << wellFormed << "USD=1.0844 JPY=169.91 XYZ=2.5" << true << day;
    QTest::newRow("truncated") << truncated << "USD=1.0844" << false << day;
    QTest::newRow("HTML error page") << htmlPage << "" << false << QDate();
    QTest::newRow("XML without rates") << noRates << "" << true << QDate();
    QTest::newRow("empty body") << QByteArray() << "" << false << QDate();
    // Skipped; the worker's table has the other rates that are skipped.
    QTest::newRow("rate no number") << usdAt("n/a") << "" << true << day;
}

void TestExchangeRates::feedParsing()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, rates);
    QFETCH(bool, readToEnd);
    QFETCH(QDate, date);
    const RateFeed feed = RateFeed::parse(xml);
    QStringList read;
    for (const auto &[code, rate] : feed.rates)
        read << code + '=' + QString::number(rate);
    QCOMPARE(read.join(' '), rates);
    QCOMPARE(feed.readToEnd, readToEnd);
    QCOMPARE(feed.date, date);
}

void TestExchangeRates::dailyGate_data()
{
    QTest::addColumn<QDateTime>("lastOpened");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("fetch");
    const QDate day(2024, 6, 7);
    const QDateTime evening(day, QTime(23, 59, 59));
    QTest::newRow("never opened") << QDateTime() << evening << true;
    QTest::newRow("same day, earlier") << QDateTime(day, QTime(0, 0)) << evening << false;
    QTest::newRow("same moment") << evening << evening << false;
    QTest::newRow("just after midnight")
        << evening << QDateTime(day.addDays(1), QTime(0, 0, 1)) << true;
    QTest::newRow("a year later") << evening << evening.addYears(1) << true;
    QTest::newRow("clock set back a day") << evening << evening.addDays(-1) << true;
}

void TestExchangeRates::dailyGate()
{
    QFETCH(QDateTime, lastOpened);
    QFETCH(QDateTime, now);
    QFETCH(bool, fetch);
    QCOMPARE(CurrencyConverter::isNewDay(lastOpened, now), fetch);
}

void TestExchangeRates::workerAgainstFeeds_data()
{
    // "answer", "refuse", "hang", or "cut short": the program closed while
    // the server has not answered yet.
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Rates>("before");
    QTest::addColumn<Rates>("after");
    // Whether this start counts as the day's download.
    QTest::addColumn<bool>("dayRecorded");
    // The date of the stored feed rates; none while only built-in ones exist.
    QTest::addColumn<QDate>("ratesDate");

    const Rates none;
    const Rates earlier{{"USD", "1.2"}, {"NOK", "11.9"}, {"XYZ", "3"}};
    const Rates earlierAndEnd{{"USD", "1.2"}, {"NOK", "11.9"}, {"XYZ", "3"}, {"END", "0"}};
    const Rates fed{{"USD", "1.0844"}, {"JPY", "169.91"}, {"XYZ", "2.5"}, {"END", "0"}};
    const QDate day(2024, 6, 7);
    QTest::newRow("well-formed feed")
        << "answer" << 200 << wellFormed << none << fed << true << day;
    Rates fedOverEarlier = fed;
    fedOverEarlier.insert("NOK", "11.9");
    QTest::newRow("well-formed over earlier rates")
        << "answer" << 200 << wellFormed << earlier << fedOverEarlier << true << day;
    // A broken download keeps the rates fetched before and fills in the rest.
    QTest::newRow("truncated feed") << "answer" << 200 << truncated << none
                                    << builtInWith({{"USD", "1.0844"}}) << true << QDate();
    QTest::newRow("HTML error page")
        << "answer" << 503 << htmlPage << earlier << builtInWith(earlier) << true << QDate();
    QTest::newRow("HTML page as the answer")
        << "answer" << 200 << htmlPage << none << builtInWith({}) << true << QDate();
    // Nothing new stored: the next start asks again.
    QTest::newRow("XML without rates")
        << "answer" << 200 << noRates << earlier << earlierAndEnd << false << QDate();
    // A rate that is no finite number above zero leaves the last good one.
    for (const char *rate : {"n/a", "1,0883", "-1.5", "0", "1e400"})
        QTest::addRow("rate %s", rate)
            << "answer" << 200 << usdAt(rate) << earlier << earlierAndEnd << false << QDate();
    QTest::newRow("refused connection")
        << "refuse" << 0 << QByteArray() << earlier << builtInWith(earlier) << true << QDate();
    QTest::newRow("server that hangs")
        << "hang" << 0 << QByteArray() << none << builtInWith({}) << true << QDate();
    QTest::newRow("first download cut short")
        << "cut short" << 0 << QByteArray() << none << none << false << QDate();
    QTest::newRow("download cut short")
        << "cut short" << 0 << QByteArray() << earlier << earlier << false << QDate();
}

void TestExchangeRates::workerAgainstFeeds()
{
    QFETCH(QString, server);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(Rates, before);
    QFETCH(Rates, after);
    QFETCH(bool, dayRecorded);
    QFETCH(QDate, ratesDate);

    storeRates(before);
    LocalHttpServer feed;
    QVERIFY(feed.listen());
    feed.setResponse(status, body);
    const bool cutShort = server == QLatin1String("cut short");
    feed.setSilent(cutShort || server == QLatin1String("hang"));
    const QString url = server == QLatin1String("refuse")
                            ? QStringLiteral("http://127.0.0.1:%1/eurofxref-daily.xml")
                                  .arg(LocalHttpServer::closedPort())
                            : feed.url(QStringLiteral("/stats/eurofxref/eurofxref-daily.xml"));

    const int timeLimitMs = cutShort ? 60000 : 500;
    auto worker = std::make_unique<CurrencyConverter>(url, timeLimitMs);
    QElapsedTimer clock;
    clock.start();
    worker->start();
    if (cutShort) {
        QTRY_COMPARE_WITH_TIMEOUT(feed.requestPaths().size(), 1, 10000);
        clock.restart();
        // Closing the program stops the waiting download at once.
        worker.reset();
        QVERIFY2(clock.elapsed() < 2000,
                 qPrintable(QStringLiteral("took %1 ms").arg(clock.elapsed())));
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 10000);
        QVERIFY2(clock.elapsed() < timeLimitMs + 3000,
                 qPrintable(QStringLiteral("took %1 ms").arg(clock.elapsed())));
    }

    const Rates stored = storedRates();
    QVERIFY2(
        stored == after,
        qPrintable(
            QStringLiteral("expected %1\nstored   %2").arg(describe(after), describe(stored))));
    if (server != QLatin1String("refuse"))
        QCOMPARE(feed.requestPaths(), QList<QByteArray>{"/stats/eurofxref/eurofxref-daily.xml"});
    const QSettings settings(settingsFilePath(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("lastOpenedDateTime")).toDateTime().date(),
             dayRecorded ? QDate::currentDate() : QDate());
    QCOMPARE(ExchangeRates(settingsFilePath()).ratesDate(), ratesDate);
}

void TestExchangeRates::workerAsksOncePerDay_data()
{
    QTest::addColumn<QDateTime>("lastOpened");
    QTest::addColumn<int>("requests");
    QTest::newRow("first start ever") << QDateTime() << 1;
    QTest::newRow("again today") << QDateTime::currentDateTime().addSecs(-1) << 0;
    QTest::newRow("last opened yesterday") << QDateTime::currentDateTime().addDays(-1) << 1;
}

void TestExchangeRates::workerAsksOncePerDay()
{
    QFETCH(QDateTime, lastOpened);
    QFETCH(int, requests);
    if (lastOpened.isValid()) {
        QSettings settings(settingsFilePath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("lastOpenedDateTime"), lastOpened);
    }
    LocalHttpServer feed;
    QVERIFY(feed.listen());
    feed.setResponse(200, wellFormed);

    const QDateTime start = QDateTime::currentDateTime();
    CurrencyConverter worker(feed.url(QStringLiteral("/feed.xml")));
    worker.start();
    QTRY_VERIFY_WITH_TIMEOUT(worker.isFinished(), 10000);

    QCOMPARE(feed.requestPaths().size(), requests);
    QCOMPARE(storedRates().isEmpty(), requests == 0);
    // This start is recorded: rates were stored, or none were due.
    const QSettings settings(settingsFilePath(), QSettings::IniFormat);
    const QDateTime recorded = settings.value(QStringLiteral("lastOpenedDateTime")).toDateTime();
    QVERIFY2(recorded >= start.addSecs(-1) && recorded <= QDateTime::currentDateTime(),
             qPrintable(recorded.toString(Qt::ISODateWithMs)));
}

void TestExchangeRates::conversions_data()
{
    QTest::addColumn<Rates>("rates");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");

    const Rates builtIn = builtInWith({});
    QTest::newRow("EUR to USD") << builtIn << "100"
                                << "EUR(Euro)"
                                << "USD(United States Dollar)"
                                << "108.83";
    QTest::newRow("USD to EUR") << builtIn << "108.83"
                                << "USD(United States Dollar)"
                                << "EUR(Euro)"
                                << "100";
    QTest::newRow("AUD to JPY") << builtIn << "100"
                                << "AUD(Australian Dollar)"
                                << "JPY(Japanese Yen)"
                                << "9690.3084770464";
    QTest::newRow("Chinese labels") << builtIn << "100"
                                    << "EUR(欧元)"
                                    << "USD(美元)"
                                    << "108.83";
    QTest::newRow("German amount") << builtIn << "1,5"
                                   << "EUR(Euro)"
                                   << "USD(United States Dollar)"
                                   << "0";
    QTest::newRow("a currency to itself") << builtIn << "3"
                                          << "ISK(Icelandic Króna)"
                                          << "ISK(Icelandic Króna)"
                                          << "3";
    QTest::newRow("EUR to EUR without rates") << Rates() << "7.5"
                                              << "EUR(Euro)"
                                              << "EUR(Euro)"
                                              << "7.5";
    QTest::newRow("fresh rate") << Rates{{"USD", "2"}} << "3"
                                << "EUR(Euro)"
                                << "USD(United States Dollar)"
                                << "6";
    // Without a good stored rate the built-in one is used.
    QTest::newRow("no rate to EUR") << Rates() << "5"
                                    << "USD(United States Dollar)"
                                    << "EUR(Euro)"
                                    << "4.5943214187";
    QTest::newRow("no rate from EUR") << Rates() << "5"
                                      << "EUR(Euro)"
                                      << "USD(United States Dollar)"
                                      << "5.4415";
    QTest::newRow("no rate to itself") << Rates() << "5"
                                       << "USD(United States Dollar)"
                                       << "USD(United States Dollar)"
                                       << "5";
    QTest::newRow("rate 0") << Rates{{"USD", "0"}, {"JPY", "160"}} << "5"
                            << "USD(United States Dollar)"
                            << "JPY(Japanese Yen)"
                            << "735.0914269962";
    QTest::newRow("rate no number") << Rates{{"USD", "n/a"}} << "5"
                                    << "EUR(Euro)"
                                    << "USD(United States Dollar)"
                                    << "5.4415";
    QTest::newRow("code without any rate") << Rates() << "5"
                                           << "EUR(Euro)"
                                           << "XYZ(Nowhere)"
                                           << "0";
}

void TestExchangeRates::conversions()
{
    QFETCH(Rates, rates);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    storeRates(rates);
    QCOMPARE(ExchangeRates(settingsFilePath()).resultText(value, from, to), expected);
}

QTEST_GUILESS_MAIN(TestExchangeRates)
#include "tst_exchangerates.moc"
