#include "longtext.h"
#include "longtexthistory.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
QList<int> lengths(const LongText::Pieces &pieces)
{
    QList<int> lengths;
    for (const QString &piece : pieces)
        lengths.append(int(piece.size()));
    return lengths;
}

// What a box makes of a text: its line ends one break each.
QString boxText(const QString &text)
{
    return LongText::join(LongText::cut(text));
}

// A text and its history, edited as a box edits them.
struct Edited
{
    LongText text;
    LongTextHistory history;

    void edit(qsizetype from, qsizetype to, const QString &with, LongTextHistory::Kind kind)
    {
        const LongText::Pieces pieces = LongText::cut(with);
        history.record({from, text.pieces(from, to), pieces, kind});
        text.replace(from, to, pieces);
    }
    void takeBack(const QList<LongTextHistory::Step> &steps, bool undoing)
    {
        for (const LongTextHistory::Step &step : steps) {
            const LongText::Pieces &out = undoing ? step.inserted : step.removed;
            text.replace(step.position, step.position + LongText::length(out),
                         undoing ? step.removed : step.inserted);
        }
    }
    QString all() const { return text.text(0, text.length()); }
};
} // namespace

// The text of a long-text box: cut into pieces of many lines that never part
// a character, edited exactly as a string is, its index finding pieces,
// lines and rows as a string's own counts do, and its undo steps.
class TestLongText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cut_data();
    void cut();
    void editsAsAString();
    void history_data();
    void history();
};

void TestLongText::cut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("joined");
    QTest::addColumn<QList<int>>("pieces");

    const QString x4095(4095, u'x');
    QTest::newRow("empty") << QString() << QString() << QList<int>{0};
    QTest::newRow("line ends") << QStringLiteral("a\r\nb\rc\nd\u2028e\u2029f")
                               << QStringLiteral("a\nb\nc\nd\ne\nf") << QList<int>{11};
    QTest::newRow("a last empty line") << "ab\n\n"
                                       << "ab\n\n"
                                       << QList<int>{4};
    QTest::newRow("short lines share pieces")
        << QStringLiteral("ab\n").repeated(3000) << QStringLiteral("ab\n").repeated(3000)
        << QList<int>{4096, 4097, 807};
    QTest::newRow("a line break at the cut goes with the piece before")
        << x4095 + QStringLiteral("y\nz") << x4095 + QStringLiteral("y\nz") << QList<int>{4097, 1};
    QTest::newRow("kept as they are") << QStringLiteral("a\u00A0b\u0000c\uFDD0")
                                      << QStringLiteral("a\u00A0b\u0000c\uFDD0") << QList<int>{6};
    QTest::newRow("a long line") << QString(8197, u'x') << QString(8197, u'x')
                                 << QList<int>{4096, 4096, 5};
    QTest::newRow("a surrogate pair at the cut")
        << x4095 + QStringLiteral("\U0001F600y") << x4095 + QStringLiteral("\U0001F600y")
        << QList<int>{4095, 3};
    QTest::newRow("a letter and its mark at the cut")
        << x4095 + QStringLiteral("e\u0301y") << x4095 + QStringLiteral("e\u0301y")
        << QList<int>{4095, 3};
    QTest::newRow("CR LF at the cut") << x4095 + QStringLiteral("\r\nyz")
                                      << x4095 + QStringLiteral("\nyz") << QList<int>{4096, 2};
}

void TestLongText::cut()
{
    QFETCH(QString, text);
    QFETCH(QString, joined);
    QFETCH(QList<int>, pieces);

    const LongText::Pieces cut = LongText::cut(text);
    QCOMPARE(LongText::join(cut), joined);
    QCOMPARE(lengths(cut), pieces);
}

// Edits anywhere, across joins and line breaks, long and short, give what
// the same edits give a string, leave pieces a box can lay out quickly and
// that keep their rules, and an index that finds every piece, line and row
// where the string says it is.
void TestLongText::editsAsAString()
{
    QRandomGenerator random(47);
    const QString alphabet = QStringLiteral("ab \n\U0001F600\u4E2D\r\n");
    LongText text;
    QString expected;
    for (int edit = 0; edit < 400; ++edit) {
        const qsizetype from = random.bounded(expected.size() + 1);
        const qsizetype to =
            qMin(expected.size(), from + random.bounded(edit % 7 == 0 ? 9000 : 40));
        QString with;
        for (int i = random.bounded(edit % 5 == 0 ? 12000 : 20); i > 0; --i)
            with += i % (edit % 3 == 0 ? 3 : 997) ? QChar(u'a' + i % 26)
                                                  : alphabet.at(random.bounded(alphabet.size()));
        // An edit never parts a surrogate pair.
        if (from > 0 && expected.at(from).isLowSurrogate())
            continue;
        if (to < expected.size() && to > 0 && expected.at(to).isLowSurrogate())
            continue;
        text.replace(from, to, LongText::cut(with));
        expected.replace(from, to - from, boxText(with));

        QCOMPARE(text.length(), expected.size());
        QCOMPARE(text.text(0, text.length()), expected);
        const qsizetype a = random.bounded(expected.size() + 1);
        const qsizetype b = a + random.bounded(expected.size() - a + 1);
        QCOMPARE(LongText::join(text.pieces(a, b)), expected.mid(a, b - a));
        qsizetype start = 0;
        qsizetype rows = 0;
        for (int i = 0; i < text.pieceCount(); ++i) {
            const QString &piece = text.piece(i);
            QVERIFY(piece.size() <= LongText::longestPiece + 1);
            QVERIFY2(!piece.isEmpty() || expected.isEmpty(), qPrintable(QString::number(i)));
            QVERIFY(!piece.startsWith(u'\n') || text.startsLine(i));
            QCOMPARE(text.pieceStart(i), start);
            QCOMPARE(text.pieceAt(start), i);
            QCOMPARE(text.firstRow(i), rows);
            QCOMPARE(text.pieceAtRow(rows), i);
            start += piece.size();
            rows += text.rows(i);
        }
        QCOMPARE(text.rowCount(), rows);
        // Rows a layout tells count from then on.
        const int told = random.bounded(text.pieceCount());
        const int toldRows = 1 + random.bounded(50);
        const qsizetype rowsAfter = rows - text.rows(told) + toldRows;
        text.setRows(told, toldRows);
        QCOMPARE(text.rowCount(), rowsAfter);
        QCOMPARE(text.pieceAtRow(text.firstRow(told) + toldRows - 1), told);
        QCOMPARE(text.firstRow(text.pieceCount() - 1) + text.rows(text.pieceCount() - 1),
                 rowsAfter);
        // The index: lines and positions found as a string finds them.
        QCOMPARE(text.lineCount(), expected.count(u'\n') + 1);
        for (int probe = 0; probe < 8; ++probe) {
            const qsizetype at = random.bounded(expected.size() + 1);
            const qsizetype line = expected.left(at).count(u'\n');
            QCOMPARE(text.lineOf(at), line);
            QCOMPARE(text.lineStart(line), at == 0 ? 0 : expected.lastIndexOf(u'\n', at - 1) + 1);
            const qsizetype end = expected.indexOf(u'\n', at);
            QCOMPARE(text.lineEnd(line), end < 0 ? expected.size() : end);
            const int piece = text.pieceAt(at);
            QVERIFY(text.pieceStart(piece) <= at);
            QVERIFY(at < text.pieceStart(piece) + text.piece(piece).size() ||
                    piece + 1 == text.pieceCount());
        }
    }
}

void TestLongText::history_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("expected");

    // "type 3 x" types x at 3, "paste", "erase 2 3" erases one character,
    // "undo", "redo".
    QTest::newRow("typed characters are one step")
        << QStringList{"paste 0 -short-", "type 7 a", "type 8 b", "type 9 c", "undo"} << "-short-";
    QTest::newRow("a paste after a paste is a step of its own")
        << QStringList{"paste 0 -short-", "paste 7 long", "undo"} << "-short-";
    QTest::newRow("a paste after typing")
        << QStringList{"type 0 a", "type 1 b", "erase 1 2", "paste 1 long", "undo"} << "a";
    QTest::newRow("characters erased backwards are one step")
        << QStringList{"paste 0 abcd", "erase 3 4", "erase 2 3", "undo"} << "abcd";
    QTest::newRow("characters erased forwards are one step")
        << QStringList{"paste 0 abcd", "erase 1 2", "erase 1 2", "undo"} << "abcd";
    QTest::newRow("typing apart is two steps")
        << QStringList{"type 0 a", "type 0 b", "undo"} << "a";
    QTest::newRow("redo") << QStringList{"paste 0 ab", "type 2 c", "undo", "redo"} << "abc";
    QTest::newRow("an edit ends what could be redone")
        << QStringList{"paste 0 ab", "type 2 c", "undo", "type 0 x", "redo"} << "xab";
}

void TestLongText::history()
{
    QFETCH(QStringList, script);
    QFETCH(QString, expected);

    Edited edited;
    for (const QString &line : std::as_const(script)) {
        const QStringList word = line.split(u' ');
        if (word[0] == QLatin1String("undo"))
            edited.takeBack(edited.history.undo(), true);
        else if (word[0] == QLatin1String("redo"))
            edited.takeBack(edited.history.redo(), false);
        else if (word[0] == QLatin1String("erase"))
            edited.edit(word[1].toInt(), word[2].toInt(), QString(),
                        LongTextHistory::Kind::Erasing);
        else
            edited.edit(word[1].toInt(), word[1].toInt(), word[2],
                        word[0] == QLatin1String("type") ? LongTextHistory::Kind::Typing
                                                         : LongTextHistory::Kind::Other);
    }
    QCOMPARE(edited.all(), expected);
}

QTEST_GUILESS_MAIN(TestLongText)
#include "tst_longtext.moc"
