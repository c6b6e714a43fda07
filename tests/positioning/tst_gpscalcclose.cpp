#include "mainwindow.h"
#include "temporaryhome.h"
#include "windowprobe.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using Texts = QMap<QString, QString>;

// Closes a dialog from inside the event loop of a message box of its, as
// soon as the box shows.
class CloseUnderBox : public QObject
{
public:
    explicit CloseUnderBox(QDialog *dialog)
        : m_dialog(dialog)
    {
        qApp->installEventFilter(this);
    }
    ~CloseUnderBox() override { qApp->removeEventFilter(this); }
    bool boxShown = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show && m_dialog && box->parent() == m_dialog) {
            boxShown = true;
            QMetaObject::invokeMethod(m_dialog, &QDialog::close, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QDialog> m_dialog;
};

// The GPS calculation dialog closed while one of its refusal boxes is open,
// with the real boxes (so this test runs without the prompt recorder and the
// modal watchdog): the box goes with the dialog and the program goes on.
class TestGpsCalcClose : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closeWhileBoxIsOpen_data();
    void closeWhileBoxIsOpen();
};

void TestGpsCalcClose::closeWhileBoxIsOpen_data()
{
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<QString>("button");

    QTest::newRow("distance") << Texts{{"YlatlineEdit", "91"}} << "GPSpushButtoncalculate";
    QTest::newRow("to UTM") << Texts{{"latlineEdit", "abc"}} << "lltoutm";
    QTest::newRow("from UTM") << Texts{{"utmZlineEdit", "N"}} << "utmtoll";
}

void TestGpsCalcClose::closeWhileBoxIsOpen()
{
    QFETCH(Texts, inputs);
    QFETCH(QString, button);

    MainWindow window;
    window.show();
    child<QPushButton>(window, "GPScalculate")->click();
    QPointer<QDialog> dialog = window.findChild<QDialog *>(QStringLiteral("GPScalculate"));
    QVERIFY(dialog);
    for (auto it = inputs.cbegin(); it != inputs.cend(); ++it)
        child<QLineEdit>(*dialog, qPrintable(it.key()))->setText(it.value());
    const CloseUnderBox closer(dialog);
    child<QPushButton>(*dialog, qPrintable(button))->click();
    QVERIFY(closer.boxShown);
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // The window took note: the next press opens a new dialog.
    child<QPushButton>(window, "GPScalculate")->click();
    QVERIFY(window.findChild<QDialog *>(QStringLiteral("GPScalculate")));
}

int main(int argc, char *argv[])
{
    TemporaryHome home;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    TestGpsCalcClose test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gpscalcclose.moc"
