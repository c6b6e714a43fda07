#include "receiveview.h"
#include "yurbtestmain.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>

// The receive views' block limit: however the data arrives in batches, a
// view keeps exactly its newest blocks, with a stamped chunk on a line of
// its own and an unstamped one running on from the last line.
class TestReceiveView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsTheNewestBlocks_data();
    void keepsTheNewestBlocks();
};

using Batches = QList<QStringList>;

void TestReceiveView::keepsTheNewestBlocks_data()
{
    QTest::addColumn<Batches>("batches");
    QTest::addColumn<bool>("timeStamp");
    QTest::addColumn<QString>("shown");

    // Each inner list is one batch of chunks written to the views together.
    QTest::newRow("under the limit") << Batches{{"a\nb"}} << false << "a\nb";
    QTest::newRow("exactly the limit") << Batches{{"a\nb\nc"}} << false << "a\nb\nc";
    QTest::newRow("one batch over the limit")
        << Batches{{"1\n2\n3\n4\n5\n6"}} << false << "4\n5\n6";
    QTest::newRow("last line runs on across batches")
        << Batches{{"a\nb"}, {"c\nd"}, {"e"}} << false << "a\nbc\nde";
    QTest::newRow("old lines dropped across batches")
        << Batches{{"1\n2\n3"}, {"\n4\n5"}} << false << "3\n4\n5";
    QTest::newRow("batch alone fills the view")
        << Batches{{"x\ny"}, {"\n1\n2\n3\n4"}} << false << "2\n3\n4";
    QTest::newRow("stamped chunks")
        << Batches{{"1", "2"}, {"3", "4\n5"}} << true << "[T]3\n[T]4\n5";
    QTest::newRow("stamped chunks in one batch")
        << Batches{{"1", "2", "3", "4"}} << true << "[T]2\n[T]3\n[T]4";
}

void TestReceiveView::keepsTheNewestBlocks()
{
    QFETCH(Batches, batches);
    QFETCH(bool, timeStamp);
    QFETCH(QString, shown);

    constexpr int limit = 3;
    QPlainTextEdit text;
    QPlainTextEdit hex;
    ReceiveView view(&text, &hex);
    view.setUp(limit);
    for (const QStringList &batch : batches) {
        for (const QString &chunk : batch)
            view.append(chunk, chunk, timeStamp);
        view.flush();
    }

    static const QRegularExpression stamp(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]"));
    for (QPlainTextEdit *edit : {&text, &hex}) {
        const QString actual = edit->toPlainText().replace(stamp, QStringLiteral("[T]"));
        QVERIFY2(actual == shown,
                 qPrintable(QStringLiteral("expected \"%1\", shown \"%2\"").arg(shown, actual)));
        QCOMPARE(edit->blockCount(), int(shown.count(QLatin1Char('\n')) + 1));
        QCOMPARE(edit->maximumBlockCount(), limit);
    }
}

YURB_TEST_MAIN(TestReceiveView)
#include "tst_receiveview.moc"
