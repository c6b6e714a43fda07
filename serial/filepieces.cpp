#include "filepieces.h"

#include <QIODevice>

#include <algorithm>

namespace {
// Both reads take a piece the same way, so that what skipRest() counts is
// what next() would have given. readLine ends what it reads with a NUL.
qint64 readPiece(QIODevice &file, char *buffer)
{
    return file.readLine(buffer, FilePieces::maxBytes + 1);
}
} // namespace

QByteArray FilePieces::next(QIODevice &file)
{
    QByteArray piece(maxBytes + 1, Qt::Uninitialized);
    piece.resize(std::max<qint64>(readPiece(file, piece.data()), 0));
    return piece;
}

qint64 FilePieces::skipRest(QIODevice &file, const std::function<bool()> &stopped)
{
    if (file.isSequential())
        return 0;
    char buffer[maxBytes + 1];
    qint64 rest = 0;
    while (!(stopped && stopped())) {
        const qint64 read = readPiece(file, buffer);
        if (read <= 0)
            break;
        rest += read;
    }
    return rest;
}
