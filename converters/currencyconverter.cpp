#include "currencyconverter.h"

#include "exchangerates.h"
#include "ratefeed.h"
#include "settingsfile.h"

#include <QDate>
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

bool CurrencyConverter::processXmlData(const QByteArray &data) const
{
    const RateFeed feed = RateFeed::parse(data);
    const ExchangeRates rates(settingsFilePath());
    rates.store(feed.rates);
    rates.storeEndMark();
    if (feed.readToEnd && !feed.rates.isEmpty())
        rates.storeRatesDate(feed.date.isValid() ? feed.date : QDate::currentDate());
    const bool builtInStored = !feed.readToEnd && no_netwrok_write();
    return !feed.rates.isEmpty() || builtInStored;
}

bool CurrencyConverter::no_netwrok_write() const
{
    return ExchangeRates(settingsFilePath()).storeBuiltInWhereMissing();
}

void CurrencyConverter::run()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString lastOpened = QLatin1String(lastOpenedKey);
    if (isNewDay(QSettings(settingsFilePath(), QSettings::IniFormat).value(lastOpened).toDateTime(),
                 now)) {
        // A failed download has an empty body, which reads as a broken document.
        const FetchResult fetched = fetchUrlBlocking(m_feedUrl, m_timeLimitMs);
        if (isInterruptionRequested() || !processXmlData(fetched.body.toUtf8()))
            return;
    }
    QSettings(settingsFilePath(), QSettings::IniFormat).setValue(lastOpened, now);
}
