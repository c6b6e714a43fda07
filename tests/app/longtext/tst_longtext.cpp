#include "longtext.h"
#include "longtexthistory.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
QList<int> lengths(const LongText::Pieces &pieces)
{
    QList<int> lengths;
    for (const LongText::Piece &piece : pieces)
        lengths.append(int(piece.text.size()));
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

// The text of a long-text box: cut into pieces that keep line ends apart and
// never part a character, edited exactly as a string is, and its undo steps.
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
                               << QStringLiteral("a\nb\nc\nd\ne\nf")
                               << QList<int>{1, 1, 1, 1, 1, 1};
    QTest::newRow("a last empty line") << "ab\n\n"
                                       << "ab\n\n"
                                       << QList<int>{2, 0, 0};
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
    QTest::newRow("CR LF at the cut") << x4095 + QStringLiteral("y\r\nz")
                                      << x4095 + QStringLiteral("y\nz") << QList<int>{4096, 1};
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
// the same edits give a string, and leave pieces a box can lay out quickly.
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
            with += i % 997 ? QChar(u'a' + i % 26) : alphabet.at(random.bounded(alphabet.size()));
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
        for (int i = 0; i < text.pieceCount(); ++i) {
            const LongText::Piece &piece = text.piece(i);
            const bool last = i + 1 == text.pieceCount();
            QVERIFY(piece.text.size() <= LongText::longestPiece);
            QVERIFY(std::none_of(piece.text.cbegin(), piece.text.cend(), LongText::endsLine));
            QVERIFY2(!piece.text.isEmpty() || piece.lineEnd || last,
                     qPrintable(QString::number(i)));
            QCOMPARE(piece.lineEnd && last, false);
            QCOMPARE(text.pieceAt(text.pieceStart(i)), i);
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
