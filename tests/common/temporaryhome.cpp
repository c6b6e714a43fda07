#include "temporaryhome.h"

#include <QDir>

TemporaryHome::TemporaryHome()
{
    const QByteArray home = QFile::encodeName(m_dir.path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
}

QString TemporaryHome::settingsFile() const
{
    return m_dir.path() + QStringLiteral("/.config/Nuvelix/YURB/config.ini");
}
