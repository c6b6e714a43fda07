#include "longlines.h"

#include <QTest>

namespace {
constexpr qsizetype piece = LongLines::pieceLength;

// The text back from its pieces: the added breaks taken out.
QString joined(const LongLines::Pieces &pieces)
{
    QString text;
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < pieces.shown.size(); ++i) {
        const QChar c = pieces.shown[i];
        if (LongLines::endsLine(c) &&
            !(c == u'\r' && i + 1 < pieces.shown.size() && pieces.shown[i + 1] == u'\n') &&
            pieces.addedBreaks.contains(breaks++))
            continue;
        text += c;
    }
    return text;
}
} // namespace

// Long lines cut into pieces a text box lays out quickly, and texts cut into
// parts without parting a character.
class TestLongLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void asBoxText_data();
    void asBoxText();
    void cut_data();
    void cut();
    void parts_data();
    void parts();
};

void TestLongLines::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("run");
    QTest::addColumn<QList<qsizetype>>("addedBreaks");
    QTest::addColumn<qsizetype>("firstPiece");
    QTest::addColumn<qsizetype>("lastRun");

    const QString x(piece, QLatin1Char('x'));
    const QString pair = QStringLiteral("\U0001F600");
    using Breaks = QList<qsizetype>;
    QTest::newRow("short") << "ab\ncd" << qsizetype(0) << Breaks{} << qsizetype(2) << qsizetype(2);
    QTest::newRow("one piece") << x << qsizetype(0) << Breaks{} << piece << piece;
    QTest::newRow("one more") << x + "y" << qsizetype(0) << Breaks{0} << piece << qsizetype(1);
    QTest::newRow("three lines") << x + "\n" + x + "\r\n" + x << qsizetype(0) << Breaks{} << piece
                                 << piece;
    QTest::newRow("after CR LF") << "a\r\nb\r" + x + "z" << qsizetype(0) << Breaks{2}
                                 << qsizetype(1) << qsizetype(1);
    QTest::newRow("run carried") << "abc" << piece - 2 << Breaks{0} << qsizetype(2) << qsizetype(1);
    QTest::newRow("pair at the end of a piece")
        << x.left(piece - 1) + pair << qsizetype(0) << Breaks{0} << piece - 1 << qsizetype(2);
    QTest::newRow("pair within a piece")
        << x.left(piece - 2) + pair + "y" << qsizetype(0) << Breaks{0} << piece << qsizetype(1);
    QTest::newRow("five pieces") << x + x + x + x + "yy" << qsizetype(0) << Breaks{0, 1, 2, 3}
                                 << piece << qsizetype(2);
}

void TestLongLines::split()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, run);
    QFETCH(QList<qsizetype>, addedBreaks);
    QFETCH(qsizetype, firstPiece);
    QFETCH(qsizetype, lastRun);

    const LongLines::Pieces pieces = LongLines::split(text, run);
    QCOMPARE(pieces.addedBreaks, addedBreaks);
    QCOMPARE(pieces.lastRun, lastRun);
    QCOMPARE(joined(pieces), text);
    qsizetype line = 0;
    qsizetype longest = 0;
    for (const QChar c : pieces.shown) {
        line = LongLines::endsLine(c) ? 0 : line + 1;
        longest = qMax(longest, line);
    }
    QVERIFY(longest <= piece);
    const qsizetype firstBreak =
        std::find_if(pieces.shown.cbegin(), pieces.shown.cend(), LongLines::endsLine) -
        pieces.shown.cbegin();
    QCOMPARE(firstBreak, firstPiece);
}

void TestLongLines::asBoxText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("boxText");

    QTest::newRow("plain") << "ab c"
                           << "ab c";
    QTest::newRow("CR LF and a lone CR") << "a\r\nb\rc\n"
                                         << "a\nb\nc\n";
    QTest::newRow("separators and frame marks")
        << QStringLiteral("a\u2029b\u2028c\uFDD0d\uFDD1") << "a\nb\nc\nd\n";
    QTest::newRow("no-break space") << QStringLiteral("a\u00A0b") << "a b";
}

void TestLongLines::asBoxText()
{
    QFETCH(QString, text);
    QFETCH(QString, boxText);
    QCOMPARE(LongLines::asBoxText(text), boxText);
}

void TestLongLines::cut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("at");
    QTest::addColumn<qsizetype>("cut");

    QTest::newRow("plain") << "abcdef" << qsizetype(4) << qsizetype(4);
    QTest::newRow("at the end") << "abc" << qsizetype(3) << qsizetype(3);
    QTest::newRow("before a pair's second half")
        << QStringLiteral("ab\U0001F600c") << qsizetype(3) << qsizetype(2);
    QTest::newRow("between CR and LF") << "ab\r\nc" << qsizetype(3) << qsizetype(2);
}

void TestLongLines::cut()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, at);
    QFETCH(qsizetype, cut);
    QCOMPARE(LongLines::cut(text, at), cut);
}

void TestLongLines::parts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("parts");

    const QString pair = QStringLiteral("\U0001F600");
    QTest::newRow("empty") << QString() << QStringList{QString()};
    QTest::newRow("short") << "abc" << QStringList{"abc"};
    QTest::newRow("cut from the end") << "abcdefgh" << QStringList{"ab", "cde", "fgh"};
    QTest::newRow("pair kept whole") << "ab" + pair + "cd" << QStringList{"ab", pair + "cd"};
    QTest::newRow("CR LF kept whole") << "abcd\r\nx" << QStringList{"a", "bcd", "\r\nx"};
}

// Parts of three characters, or four where a pair would be parted.
void TestLongLines::parts()
{
    QFETCH(QString, text);
    QFETCH(QStringList, parts);
    QCOMPARE(LongLines::parts(text, 3), parts);
}

QTEST_APPLESS_MAIN(TestLongLines)
#include "tst_longlines.moc"
