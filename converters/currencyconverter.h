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
    // The caller starts the thread, which decides the daily gate off the GUI
    // thread.
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

    // Stores the usable rates of a feed and "END", and the feed's day when
    // the document is whole; a feed that is no complete XML document also
    // brings in the built-in rates where none are stored. Returns whether it
    // stored any rate.
    bool processXmlData(const QByteArray &data) const;
    // The built-in rates, for codes without a usable stored rate; returns
    // whether it stored any.
    bool no_netwrok_write() const;

protected:
    // The start is recorded, so that no later start of the same day asks
    // again, when no download was due or when rates were stored; a download
    // interrupted by the destructor stores nothing and records nothing.
    void run() override;

    QString m_feedUrl;
    int m_timeLimitMs;
};
