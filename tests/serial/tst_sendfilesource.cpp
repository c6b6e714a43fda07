#include "sendfilesource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// What the worker counts of Send File's file against the pieces Send File
// then reads of it.
class TestSendFileSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void restIsWhatThePiecesSend_data();
    void restIsWhatThePiecesSend();
};

void TestSendFileSource::restIsWhatThePiecesSend_data()
{
    // The file; the pieces Send File reads before the rest is asked for. How
    // a piece reads a CR depends on where it falls: only the pieces tell.
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("piecesRead");
    const QByteArray x4095(4095, 'x');
    QTest::newRow("lone CRs, CR CR LF") << "a\rb\r\r\n" + x4095 + "\ryy\n" << 1;
    QTest::newRow("a CR LF across a later 4 KB piece's end, pieces read first")
        << x4095 + "\r\n" + QByteArray(8191, 'y') + "\r\nz\r\n"
        << 3;
}

void TestSendFileSource::restIsWhatThePiecesSend()
{
    QFETCH(QByteArray, content);
    QFETCH(int, piecesRead);
    QTemporaryDir dir;
    auto *file = new QFile(dir.filePath(QStringLiteral("lines.txt")));
    QVERIFY(file->open(QIODevice::WriteOnly) && file->write(content) == content.size());
    file->close();
    QVERIFY(file->open(QIODevice::ReadOnly | QIODevice::Text));

    SendFileSource source(file, nullptr);
    // Read as Send File reads: its end looked for before each piece.
    for (int piece = 0; piece < piecesRead; ++piece)
        QVERIFY(!file->atEnd() && !source.next().isEmpty());
    source.waitForCount();
    const qint64 rest = source.rest().value_or(-1);
    qint64 sent = 0;
    while (!file->atEnd())
        sent += source.next().size();
    QCOMPARE(rest, sent);
}

QTEST_GUILESS_MAIN(TestSendFileSource)
#include "tst_sendfilesource.moc"
