#include "filepieces.h"
#include "sendfilesource.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// Send File's pieces of its file, read by a worker, and the count of what
// its rest would still send once the send is cut short.
class TestSendFileSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void restIsWhatThePiecesSend_data();
    void restIsWhatThePiecesSend();

private:
    // The next `count` pieces, as the worker reads them.
    static QByteArray take(SendFileSource &source, int count);
};

QByteArray TestSendFileSource::take(SendFileSource &source, int count)
{
    QByteArray taken;
    for (int piece = 0; piece < count;) {
        const SendFileSource::Next next = source.next();
        if (next.status == SendFileSource::Status::Waiting) {
            QThread::msleep(1);
            continue;
        }
        if (next.status != SendFileSource::Status::Piece || next.piece.size() > 4096)
            return taken + "<not a piece>";
        taken += next.piece;
        ++piece;
    }
    return taken;
}

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
    // The rest is counted in blocks from where the worker stopped reading,
    // an even offset: each block's end falls within a CR LF.
    const QByteArray crLfs = "a" + QByteArray("\r\n").repeated(FilePieces::countBlockBytes);
    QTest::newRow("CR LFs across the count's blocks") << crLfs << 0;
    QTest::newRow("CR LFs across the count's blocks, pieces read") << crLfs << 20;
    QTest::newRow("many pieces, more than are read ahead")
        << QByteArray(100 * 4096, 'x') + "\r\n\r\n"
        << 40;
}

// The pieces taken hold the file's start with each CR LF as LF, none longer
// than 4 KB, and the rest counted at the cut is what is left of the file so,
// the pieces read ahead and not taken among it.
void TestSendFileSource::restIsWhatThePiecesSend()
{
    QFETCH(QByteArray, content);
    QFETCH(int, piecesRead);
    QByteArray sends = content;
    sends.replace("\r\n", "\n");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lines.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();

    SendFileSource source(path, nullptr);
    QSignalSpy counted(&source, &SendFileSource::counted);
    const QByteArray sent = take(source, piecesRead);
    QCOMPARE(sent, sends.left(sent.size()));
    source.countRest();
    QVERIFY(source.restCounted() || counted.wait());
    QCOMPARE(source.rest().value_or(-1), sends.size() - sent.size());
}

QTEST_GUILESS_MAIN(TestSendFileSource)
#include "tst_sendfilesource.moc"
