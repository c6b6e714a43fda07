#include "settingsfile.h"

#include <QDir>

QString settingsFilePath()
{
    return QDir::homePath() + QStringLiteral("/.config/Nuvelix/YURB/config.ini");
}
