#include "trackfile.h"

#include "positionline.h"

#include <QDir>
#include <QFile>

QString TrackFile::path()
{
    return QDir::homePath() + QStringLiteral("/GPS_Date.txt");
}

bool TrackFile::append(const PositionLine &position)
{
    const QLatin1String noFix("0.000000");
    if (position.latitude == noFix && position.longitude == noFix)
        return true;
    QFile file(path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = position.toLine();
    return file.write(line) == line.size();
}
