#include "tcpclientlist.h"

#include <QTcpSocket>
#include <QTest>

// The TCP server's client list: order of arrival, targets by address text.
class TestTcpClientList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void targetsByAddress();
    void removeTakesTheClientsEntry();
    void takeAllEmpties();
};

void TestTcpClientList::targetsByAddress()
{
    QTcpSocket a, b, c;
    TcpClientList list;
    list.append(&a, QStringLiteral("::1"));
    list.append(&b, QStringLiteral("::ffff:127.0.0.1"));
    list.append(&c, QStringLiteral("::1"));
    QCOMPARE(list.addresses(), QStringList({"::1", "::ffff:127.0.0.1", "::1"}));
    QCOMPARE(list.clientsOf(QStringLiteral("::1")), QList<QTcpSocket *>({&a, &c}));
    QCOMPARE(list.clientsOf(QStringLiteral("::ffff:127.0.0.1")), QList<QTcpSocket *>({&b}));
    QVERIFY(list.clientsOf(QString()).isEmpty());
}

void TestTcpClientList::removeTakesTheClientsEntry()
{
    QTcpSocket a, b, other;
    TcpClientList list;
    list.append(&a, QStringLiteral("::1"));
    list.append(&b, QStringLiteral("::1"));
    QCOMPARE(list.remove(&b), QStringLiteral("::1"));
    QCOMPARE(list.clientsOf(QStringLiteral("::1")), QList<QTcpSocket *>({&a}));
    QVERIFY(!list.contains(&b));
    QCOMPARE(list.remove(&other), QString());
    QCOMPARE(list.size(), 1);
}

void TestTcpClientList::takeAllEmpties()
{
    QTcpSocket a, b;
    TcpClientList list;
    list.append(&a, QStringLiteral("x"));
    list.append(&b, QStringLiteral("y"));
    QCOMPARE(list.takeAll(), QList<QTcpSocket *>({&a, &b}));
    QVERIFY(list.isEmpty());
}

QTEST_GUILESS_MAIN(TestTcpClientList)
#include "tst_tcpclientlist.moc"
