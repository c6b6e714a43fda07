// Run: build/bench/bench_utm [points]
//
// Converts random positions (1000000 by default, fixed seed) on WGS-84 to UTM
// and the results back, and prints conversions per second each way and the
// largest round-trip distance. Each figure is the best of three runs.

#include "latlong.h"
#include "utm.h"
#include "utmconversion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int runs = 3;
constexpr int wgs84 = 23;
constexpr double metresPerDegree = 6378137 * 0.017453292519943295;

// Positions where UTM holds: latitudes -80 to 84.
QList<LatLong> positions(int count)
{
    QRandomGenerator random(20240607);
    QList<LatLong> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append({random.bounded(164.0) - 80, random.bounded(360.0) - 180});
    return points;
}

double perSecond(qsizetype count, qint64 nanoseconds)
{
    return double(count) * 1e9 / double(std::max<qint64>(nanoseconds, 1));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int count = arguments.size() > 1 ? arguments.at(1).toInt() : 1000000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: bench_utm [points]\n");
        return 1;
    }
    const QList<LatLong> points = positions(count);
    QList<UTM> grid(count);
    QList<LatLong> back(count);

    qint64 bestForward = -1;
    qint64 bestInverse = -1;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < count; ++i)
            grid[i] =
                UtmConversion::LatLong_to_UTM(wgs84, points.at(i).latitude, points.at(i).longitude);
        const qint64 forward = timer.nsecsElapsed();
        timer.restart();
        for (int i = 0; i < count; ++i)
            back[i] = UtmConversion::UTM_to_LatLong(wgs84, grid.at(i));
        const qint64 inverse = timer.nsecsElapsed();
        if (bestForward < 0 || forward < bestForward)
            bestForward = forward;
        if (bestInverse < 0 || inverse < bestInverse)
            bestInverse = inverse;
    }

    double worst = 0;
    for (int i = 0; i < count; ++i) {
        const double dLat = back.at(i).latitude - points.at(i).latitude;
        const double dLong = std::remainder(back.at(i).longitude - points.at(i).longitude, 360.0) *
                             std::cos(points.at(i).latitude * 0.017453292519943295);
        worst = std::max(worst, std::hypot(dLat, dLong) * metresPerDegree);
    }
    std::printf("points: %d on WGS-84\n", count);
    std::printf("to UTM: %.0f conversions/s\n", perSecond(count, bestForward));
    std::printf("to latitude and longitude: %.0f conversions/s\n", perSecond(count, bestInverse));
    std::printf("largest round trip: %.3f mm\n", worst * 1000);
    return 0;
}
