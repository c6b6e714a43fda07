#include "regularfile.h"
#include "sendfilesource.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Send File's pieces of its file, and the count of what its rest would still
// send once the send is cut short.
class TestSendFileSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void restIsWhatThePiecesSend_data();
    void restIsWhatThePiecesSend();
};

void TestSendFileSource::restIsWhatThePiecesSend_data()
{
    // The file; the pieces Send File reads before the send is cut short. A
    // piece may end on a CR that waits for the next byte, so where the cut
    // falls matters.
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("piecesRead");
    const QByteArray x4095(4095, 'x');
    QTest::newRow("lone CRs, CR CR LF") << "a\rb\r\r\n" + x4095 + "\ryy\n" << 1;
    QTest::newRow("a CR LF across a later 4 KB piece's end, pieces read first")
        << x4095 + "\r\n" + QByteArray(8191, 'y') + "\r\nz\r\n"
        << 3;
    QTest::newRow("cut after a piece ending on a CR of a CR LF") << x4095 + "\r\nrest\r\n" << 1;
    QTest::newRow("cut after a piece ending on a lone CR") << x4095 + "\rrest\r" << 1;
    QTest::newRow("cut at the end, a lone CR last") << QByteArray("a\r") << 1;
    QTest::newRow("nothing read, CRs only") << QByteArray("\r\r\r") << 0;
    // The rest is counted in blocks of 1 MB from where the send stopped.
    const qsizetype block = qsizetype(1) << 20;
    QTest::newRow("a CR LF across the count's first block")
        << QByteArray(block - 1, 'x') + "\r\nz\r" << 0;
    QTest::newRow("a CR LF across the count's first block, a piece read")
        << QByteArray(4096 + block - 1, 'x') + "\r\n\r\n"
        << 1;
}

// The pieces read hold the file's start with each CR LF as LF, none longer
// than 4 KB, and the rest counted at the cut is what is left of the file so.
void TestSendFileSource::restIsWhatThePiecesSend()
{
    QFETCH(QByteArray, content);
    QFETCH(int, piecesRead);
    QByteArray sends = content;
    sends.replace("\r\n", "\n");
    QTemporaryDir dir;
    auto *file = new QFile(dir.filePath(QStringLiteral("lines.txt")));
    QVERIFY(file->open(QIODevice::WriteOnly) && file->write(content) == content.size());
    file->close();
    QVERIFY(RegularFile::openToRead(*file) == RegularFile::Opened::Yes);

    SendFileSource source(file, nullptr);
    QSignalSpy counted(&source, &SendFileSource::counted);
    QByteArray sent;
    for (int piece = 0; piece < piecesRead; ++piece) {
        QVERIFY(!source.atEnd());
        sent += source.next();
        QVERIFY(sent.size() <= (piece + 1) * 4096);
    }
    QCOMPARE(sent, sends.left(sent.size()));
    source.countRest();
    QVERIFY(counted.count() == 1 || counted.wait());
    QCOMPARE(source.rest().value_or(-1), sends.size() - sent.size());
}

QTEST_GUILESS_MAIN(TestSendFileSource)
#include "tst_sendfilesource.moc"
