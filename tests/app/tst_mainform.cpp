#include "formrows.h"
#include "ui_mainwindow.h"
#include "yurbtestmain.h"

#include <QComboBox>

// The main form as uic builds it, before any tool has touched it: the names,
// lists and start values that the tools rely on.
class TestMainForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void form_data();
    void form();

private:
    QMainWindow m_window;
    Ui::MainWindow m_ui;
};

void TestMainForm::initTestCase()
{
    m_ui.setupUi(&m_window);
}

void TestMainForm::form_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QVariant>("expected");
    addTerminalPageRows();
    addPositioningPageRows();
    addToolPageRows();
}

void TestMainForm::form()
{
    QFETCH(QString, object);
    QFETCH(QString, what);
    QFETCH(QVariant, expected);

    const QObject *found = m_window.findChild<QObject *>(object);
    QVERIFY2(found, qPrintable(QStringLiteral("no object named %1").arg(object)));

    QVariant actual;
    if (what == QLatin1String("class")) {
        actual = QString::fromLatin1(found->metaObject()->className());
    } else if (what == QLatin1String("items")) {
        const auto *combo = qobject_cast<const QComboBox *>(found);
        QVERIFY2(combo, qPrintable(QStringLiteral("%1 is no combo box").arg(object)));
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        actual = items;
    } else {
        actual = found->property(what.toLatin1().constData());
        QVERIFY2(actual.isValid(),
                 qPrintable(QStringLiteral("%1 has no property %2").arg(object, what)));
    }
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("%1.%2: expected %3, got %4")
                                                .arg(object, what, QDebug::toString(expected),
                                                     QDebug::toString(actual))));
}

YURB_TEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
