#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

QString settingsFilePath()
{
    return QDir::homePath() + QStringLiteral("/.config/Nuvelix/YURB/config.ini");
}

bool saveSettings(const std::function<void(QSettings &)> &write)
{
    const QString path = settingsFilePath();
    QSettings settings(path, QSettings::IniFormat);
    write(settings);
    const QByteArray before = contents(path);
    settings.sync();
    switch (settings.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::AccessError:
        return false;
    case QSettings::FormatError:
        break;
    }
    // A settings object keeps the first status it met, so a format error read
    // hides whether the write failed; a write that went through replaced the
    // unreadable file with one QSettings wrote, which differs from it.
    return contents(path) != before;
}
