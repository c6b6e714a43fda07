#include "versionfile.h"

#include <QTest>

#include <optional>

using Number = std::optional<qint64>;
Q_DECLARE_METATYPE(Number)

class TestVersionFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionNumber_data();
    void versionNumber();
};

void TestVersionFile::versionNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Number>("number");
    QTest::addColumn<bool>("newer");

    QTest::newRow("newer patch") << "\"3.3.9\"\n" << Number(30309) << true;
    QTest::newRow("equal") << "\"3.3.8\"\n" << Number(30308) << false;
    QTest::newRow("older") << "\"3.2.99\"\n" << Number(30299) << false;
    QTest::newRow("minor 10") << "\"3.10.0\"\n" << Number(31000) << true;
    QTest::newRow("major 4") << "\"4.0.0\"\n" << Number(40000) << true;
    QTest::newRow("four-digit patch cut to three") << "\"3.3.1000\"\n" << Number(30400) << true;
    QTest::newRow("text before the quote") << "version=\"3.3.9\"\n" << Number(30309) << true;
    QTest::newRow("no quote") << "3.3.9\n" << Number(30309) << true;
    QTest::newRow("no line end") << "\"3.3.9\"" << Number(30309) << true;
    QTest::newRow("CR LF reads like LF") << "\"3.3.9\"\r\n" << Number(30309) << true;
    QTest::newRow("CR LF, no quote") << "3.3.9\r\n" << Number(30309) << true;
    QTest::newRow("more lines after the version") << "\"3.3.9\"\nnotes\n" << Number(30309) << true;
    QTest::newRow("empty") << "" << Number() << false;
    QTest::newRow("HTML page") << "<html lang=\"en\"><body>Not found</body></html>" << Number()
                               << false;
    QTest::newRow("one dot") << "\"3.3\"\n" << Number() << false;
    QTest::newRow("letters") << "\"3.a.9\"\n" << Number() << false;
    QTest::newRow("negative part") << "\"3.-3.9\"\n" << Number() << false;
    QTest::newRow("blank in the patch") << "\"3.3. 9\"\n" << Number() << false;
    QTest::newRow("empty major") << "\".3.9\"\n" << Number() << false;
}

void TestVersionFile::versionNumber()
{
    QFETCH(QString, text);
    QFETCH(Number, number);
    QFETCH(bool, newer);

    const Number actual = VersionFile::versionNumber(text);
    QVERIFY2(actual == number,
             qPrintable(QStringLiteral("%1: expected %2, got %3")
                            .arg(text.toHtmlEscaped(),
                                 number ? QString::number(*number) : QStringLiteral("none"),
                                 actual ? QString::number(*actual) : QStringLiteral("none"))));
    QCOMPARE(actual && VersionFile::isNewer(*actual), newer);
}

QTEST_APPLESS_MAIN(TestVersionFile)
#include "tst_versionfile.moc"
