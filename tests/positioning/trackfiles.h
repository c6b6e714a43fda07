#pragma once

#include "positionline.h"

#include <QByteArray>
#include <QList>
#include <QPair>

#include <vector>

// Files picked for "Import  track" that are not, or not wholly, a track:
// what an import of each passes over and draws.
struct TrackFileCase
{
    const char *name;
    QByteArray content;
    int skippedLines; // too long, or holding "Latitude:" without a real position
    int positions;    // real positions read
    QList<QPair<double, double>> drawn;
    const char *status; // what the GPS tool then says
};

inline std::vector<TrackFileCase> trackFileCases()
{
    const auto padded = [](const QByteArray &line, qsizetype length) {
        return line.leftJustified(length, ' ');
    };
    const qsizetype longest = PositionLine::longestLine;
    return {
        // An empty line at the end is no line passed over.
        {"a clean track",
         "Latitude:1,Longitude:10\r\nLatitude:2,Longitude:20\n",
         0,
         2,
         {{1, 10}, {2, 20}},
         "Success for read the data in the file"},
        // Positions all the way, but never a line end: one line, far too long.
        {"no line end at all",
         QByteArray("Latitude:1,Longitude:10,").repeated(160000),
         1,
         0,
         {},
         "No position in the file"},
        // Before the bound the line is taken, trailing spaces and all.
        {"overlong and malformed lines among good ones",
         "header\r\n"
         "Latitude:1,Longitude:10\r\n" +
             QByteArray(5000, 'x') +
             "\r\n"
             "Latitude:abc,Longitude:10\r\n"
             "Latitude:95,Longitude:10\r\n"
             "Latitude:2\r\n"
             "\r\n" +
             padded("Latitude:2,Longitude:20", longest) + "\r\n" +
             padded("Latitude:3,Longitude:30", longest + 1) + "\n" + "Latitude:4,Longitude:40",
         5,
         3,
         {{1, 10}, {2, 20}, {4, 40}},
         "Success for read the data in the file; lines skipped: 5"},
        {"an empty file", QByteArray(), 0, 0, {}, "No position in the file"},
        {"only bad lines",
         "Latitude:abc,Longitude:1\r\nLatitude:95,Longitude:1\r\n" + QByteArray(2000, 'x') + "\n",
         3,
         0,
         {},
         "No position in the file"},
        // A carriage return ends no line without a line feed after it.
        {"a long run of carriage returns",
         QByteArray(1 << 20, '\r') + "\nLatitude:1,Longitude:10\r\nLatitude:2,Longitude:20\r\n",
         1,
         2,
         {{1, 10}, {2, 20}},
         "Success for read the data in the file; lines skipped: 1"},
    };
}
