#include "mainwindow.h"
#include "portlist.h"
#include "ptypair.h"
#include "settingsfile.h"
#include "temporaryhome.h"
#include "windowprobe.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using Texts = QMap<QString, QString>;

namespace {
// What a screen reader's press action does: the button is held down for
// 100 ms on a timer of its own, its press handled at once, even while a modal
// box blocks the mouse and the keyboard.
void pressAction(QAbstractButton *button)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
    QVERIFY(face && face->actionInterface());
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Closes a tool dialog from inside the event loop of the first modal box
// that shows, by its close button's press action or, without one, as a
// window is closed. A box still open a while after is closed and counted.
class CloseUnderBox : public QObject
{
public:
    CloseUnderBox(QDialog *dialog, QString closeButton)
        : m_dialog(dialog)
        , m_closeButton(std::move(closeButton))
    {
        qApp->installEventFilter(this);
    }
    ~CloseUnderBox() override { qApp->removeEventFilter(this); }
    bool boxShown = false;
    bool boxLeftOpen = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QDialog *>(watched);
        if (boxShown || !box || box == m_dialog || event->type() != QEvent::Show || !box->isModal())
            return false;
        boxShown = true;
        QTimer::singleShot(0, this, [this] {
            if (!m_dialog)
                return;
            if (m_closeButton.isEmpty())
                m_dialog->close();
            else
                pressAction(child<QAbstractButton>(*m_dialog, qPrintable(m_closeButton)));
        });
        QTimer::singleShot(2000, box, [this, box] {
            boxLeftOpen = true;
            box->reject();
        });
        return false;
    }

private:
    QPointer<QDialog> m_dialog;
    QString m_closeButton;
};
} // namespace

// Every tool dialog whose press opens a box, closed while the box is up,
// with the program's real boxes (so this test runs without the prompt
// recorder and the modal watchdog): the dialog and its box go, nothing
// under the press is touched once gone, and the dialog opens again.
class TestToolDialogClose : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void closeWhileItsBoxIsUp_data();
    void closeWhileItsBoxIsUp();
};

void TestToolDialogClose::cleanup()
{
    PortList::setLister({});
    QDir(settingsFilePath()).removeRecursively();
    QFile::remove(settingsFilePath());
}

void TestToolDialogClose::closeWhileItsBoxIsUp_data()
{
    QTest::addColumn<QString>("portOpener");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("closeButton");

    QTest::newRow("distance refused, close button")
        << ""
        << "GPScalculate"
        << "GPScalculate" << Texts{{"YlonglineEdit", "181"}} << "GPSpushButtoncalculate"
        << "GPScalculateCancel";
    QTest::newRow("to UTM refused, close button")
        << ""
        << "GPScalculate"
        << "GPScalculate" << Texts{{"latlineEdit", "91"}} << "lltoutm"
        << "GPScalculateCancel";
    QTest::newRow("from UTM refused, window closed")
        << ""
        << "GPScalculate"
        << "GPScalculate" << Texts{{"utmZlineEdit", "N"}} << "utmtoll"
        << "";
    QTest::newRow("I2C write refused, close button")
        << "i2cdumpopencompushButton"
        << "i2cdumpwritepushButton"
        << "I2CDump_WriteREG" << Texts{{"lineEdit", "zz"}} << "send_pushButton"
        << "I2CDump_WriteREGCancel";
    QTest::newRow("settings unsaved, cancel") << ""
                                              << "actionConfig"
                                              << "Config" << Texts{} << "ConfigOK_Button"
                                              << "ConfigCancel_Button";
    QTest::newRow("command name asked, window closed")
        << "opencompushButton"
        << "com_expandpushButton"
        << "COM_Expand" << Texts{} << "com_set_pushButton"
        << "";
}

void TestToolDialogClose::closeWhileItsBoxIsUp()
{
    QFETCH(QString, portOpener);
    QFETCH(QString, opener);
    QFETCH(QString, dialog);
    QFETCH(Texts, inputs);
    QFETCH(QString, press);
    QFETCH(QString, closeButton);

    // The I2C commands and the command panel need their tool's port; the
    // settings cannot be saved where a folder stands.
    const PtyPair pty;
    const QString path = pty.slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    if (dialog == QLatin1String("Config"))
        QVERIFY(QDir().mkpath(settingsFilePath()));
    MainWindow window;
    window.show();
    if (!portOpener.isEmpty())
        child<QPushButton>(window, qPrintable(portOpener))->click();

    const auto open = [&] {
        if (auto *action = window.findChild<QAction *>(opener))
            action->trigger();
        else
            child<QPushButton>(window, qPrintable(opener))->click();
        return window.findChild<QDialog *>(dialog);
    };
    const QPointer<QDialog> tool = open();
    QVERIFY(tool);
    for (auto it = inputs.cbegin(); it != inputs.cend(); ++it)
        child<QLineEdit>(*tool, qPrintable(it.key()))->setText(it.value());
    const CloseUnderBox closer(tool, closeButton);
    pressAction(child<QPushButton>(*tool, qPrintable(press)));
    QVERIFY(closer.boxShown);
    QTRY_VERIFY(tool.isNull());
    QVERIFY(!closer.boxLeftOpen);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The presses' timers run out.
    QTest::qWait(250);

    QDialog *again = open();
    QVERIFY(again && again->isVisible());
}

int main(int argc, char *argv[])
{
    TemporaryHome home;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    TestToolDialogClose test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tooldialogclose.moc"
