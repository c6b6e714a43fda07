#include "trackfile.h"

#include "filewrite.h"
#include "positionline.h"

#include <QDir>

QString TrackFile::path()
{
    return QDir::homePath() + QStringLiteral("/GPS_Date.txt");
}

bool TrackFile::append(const PositionLine &position)
{
    const QLatin1String noFix("0.000000");
    if (position.latitude == noFix && position.longitude == noFix)
        return true;
    // Whole lines only: a line cut short by a full disk would run into the
    // next one stored.
    return FileWrite::append(path(), position.toLine()).failure == FileWrite::Failure::None;
}
