#include "currencyconverter.h"

#include "exchangerates.h"
#include "ratefeed.h"
#include "settingsfile.h"

#include <QSettings>

#include <utility>

namespace {
const char *const lastOpenedKey = "lastOpenedDateTime";
const char *const bankFeedUrl = "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
const char *const feedUrlVariable = "YURB_RATE_FEED_URL";
} // namespace

CurrencyConverter::CurrencyConverter(QString feedUrl, int timeLimitMs, QObject *parent)
    : QThread(parent)
    , m_feedUrl(std::move(feedUrl))
    , m_timeLimitMs(timeLimitMs)
{}

CurrencyConverter::~CurrencyConverter()
{
    requestInterruption();
    // Ends the download's wait too: quitting leaves every event loop of the
    // thread, the nested one included.
    quit();
    wait();
}

QString CurrencyConverter::defaultFeedUrl()
{
    const QString configured = qEnvironmentVariable(feedUrlVariable);
    return configured.isEmpty() ? QString::fromLatin1(bankFeedUrl) : configured;
}

bool CurrencyConverter::isNewDay(const QDateTime &lastOpened, const QDateTime &now)
{
    return lastOpened.isNull() || lastOpened.date() != now.date();
}

bool CurrencyConverter::recordThisStart()
{
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    const QDateTime now = QDateTime::currentDateTime();
    const bool needUpdate =
        isNewDay(settings.value(QLatin1String(lastOpenedKey)).toDateTime(), now);
    settings.setValue(QLatin1String(lastOpenedKey), now);
    return needUpdate;
}

void CurrencyConverter::processXmlData(const QByteArray &data) const
{
    const RateFeed feed = RateFeed::parse(data);
    const ExchangeRates rates(settingsFilePath());
    rates.store(feed.rates);
    rates.storeEndMark();
    if (!feed.readToEnd)
        no_netwrok_write();
}

void CurrencyConverter::no_netwrok_write() const
{
    ExchangeRates(settingsFilePath()).storeBuiltInWhereMissing();
}

void CurrencyConverter::run()
{
    if (!recordThisStart())
        return;
    // A failed download has an empty body, which reads as a broken document.
    const FetchResult fetched = fetchUrlBlocking(m_feedUrl, m_timeLimitMs);
    if (isInterruptionRequested())
        return;
    processXmlData(fetched.body.toUtf8());
}
