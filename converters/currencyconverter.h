#pragma once

#include "fetchurl.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QThread>

// The exchange-rate worker: at most once per calendar day it downloads the
// bank's daily euro reference rates and writes them into the settings file,
// falling back to the built-in table for codes that have no rate yet.
class CurrencyConverter : public QThread
{
    Q_OBJECT

public:
    // The caller starts the thread, which decides the daily gate and records
    // this start in the settings file before anything else, off the GUI thread.
    explicit CurrencyConverter(QString feedUrl = defaultFeedUrl(),
                               int timeLimitMs = defaultFetchTimeoutMs, QObject *parent = nullptr);
    // Stops a running download at once and waits for the thread to end.
    ~CurrencyConverter() override;

    // The bank's feed, or the address in the environment variable
    // YURB_RATE_FEED_URL (a mirror, or a local server).
    [[nodiscard]] static QString defaultFeedUrl();
    // Whether a start at `now` fetches, after a start at `lastOpened`: the
    // first start ever, and the first on another calendar date.
    [[nodiscard]] static bool isNewDay(const QDateTime &lastOpened, const QDateTime &now);

    // Stores the rates of a feed and "END"; a feed that is no complete XML
    // document also brings in the built-in rates where none are stored.
    void processXmlData(const QByteArray &data) const;
    // The built-in rates, for codes without a stored rate.
    void no_netwrok_write() const;

protected:
    // A download interrupted by the destructor stores nothing.
    void run() override;

private:
    // Whether today's rates are due; records this start either way, so a
    // day whose download fails is not tried again.
    [[nodiscard]] static bool recordThisStart();

    QString m_feedUrl;
    int m_timeLimitMs;
};
