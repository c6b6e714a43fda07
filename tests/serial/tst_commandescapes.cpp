#include "commandescapes.h"

#include <QTest>

class TestCommandEscapes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void expand_data();
    void expand();
};

void TestCommandEscapes::expand_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("AT with CR LF") << QByteArray(R"(AT\r\n)") << QByteArray("AT\r\n");
    QTest::newRow("every escape") << QByteArray(R"(\t\a\b\f\v\\\?\'\")")
                                  << QByteArray("\t\a\b\f\v\\?'\"");
    QTest::newRow("backslash backslash n: n first") << QByteArray(R"(\\n)") << QByteArray("\\\n");
    QTest::newRow("lone backslash before other") << QByteArray(R"(a\x)") << QByteArray(R"(a\x)");
    QTest::newRow("backslash at the end") << QByteArray("ab\\") << QByteArray("ab\\");
    QTest::newRow("no escapes") << QByteArray("PING") << QByteArray("PING");
    QTest::newRow("UTF-8 kept") << QByteArray("\xe6\xb8\xa9\\n") << QByteArray("\xe6\xb8\xa9\n");
}

void TestCommandEscapes::expand()
{
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, sent);
    const QByteArray actual = CommandEscapes::expand(typed);
    QVERIFY2(actual == sent,
             qPrintable(QStringLiteral("typed %1: expected %2, got %3")
                            .arg(QString::fromUtf8(typed), sent.toHex(' '), actual.toHex(' '))));
}

QTEST_GUILESS_MAIN(TestCommandEscapes)
#include "tst_commandescapes.moc"
