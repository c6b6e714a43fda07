#include "prompt.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

// The program's real message box shows the text it is given, as a screen
// reader reads it, whatever markup a device, a peer or the user put in it.
class TestPrompt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxShowsPlainText();
};

void TestPrompt::boxShowsPlainText()
{
    for (const QString &text :
         {QStringLiteral("Error: +CMS ERROR: <b>321</b> <font color=red>x</font>"),
          QStringLiteral("<html><a href=\"x\">peer</a> &amp; <br></html>")}) {
        QString shown;
        QTimer::singleShot(50, this, [&shown] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            shown =
                QAccessible::queryAccessibleInterface(box->findChild<QLabel *>("qt_msgbox_label"))
                    ->text(QAccessible::Name);
            box->close();
        });
        Prompt::critical(nullptr, QStringLiteral("Info"), text, QMessageBox::Cancel);
        QCOMPARE(shown, text);
    }
}

QTEST_MAIN(TestPrompt)
#include "tst_prompt.moc"
