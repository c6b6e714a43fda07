#include "settingsfile.h"

#include "filewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

std::optional<UnreadableSettingsCopy> keepUnreadableSettings()
{
    const QString path = settingsFilePath();
    if (QSettings(path, QSettings::IniFormat).status() != QSettings::FormatError)
        return std::nullopt;
    const QByteArray bytes = contents(path);
    const QDir folder = QFileInfo(path).dir();
    for (int copy = 1;; ++copy) {
        const QString name =
            folder.filePath(copy == 1 ? QStringLiteral("config-unreadable.ini")
                                      : QStringLiteral("config-unreadable-%1.ini").arg(copy));
        if (QFileInfo::exists(name)) {
            if (contents(name) == bytes)
                return std::nullopt;
            continue;
        }
        return UnreadableSettingsCopy{name, FileWrite::replace(name, bytes).reason};
    }
}
