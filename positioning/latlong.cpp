#include "latlong.h"

QString LatLong::rangeRefusal(double latitude, double longitude)
{
    if (!(latitude >= -90 && latitude <= 90))
        return tr("The latitude %1 is not between -90 and 90 degrees.").arg(latitude);
    if (!(longitude >= -180 && longitude <= 180))
        return tr("The longitude %1 is not between -180 and 180 degrees.").arg(longitude);
    return {};
}
