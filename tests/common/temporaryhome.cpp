#include "temporaryhome.h"

#include <QDir>

TemporaryHome::TemporaryHome()
{
    const QByteArray home = QFile::encodeName(m_dir.path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    // The converter's rate worker asks a loopback port where nobody listens,
    // never the bank; the worker's own tests pass their feed's address.
    qputenv("YURB_RATE_FEED_URL", "http://127.0.0.1:1/eurofxref-daily.xml");
}

QString TemporaryHome::settingsFile() const
{
    return m_dir.path() + QStringLiteral("/.config/Nuvelix/YURB/config.ini");
}
