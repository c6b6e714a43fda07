#include "longtextedit.h"
#include "mainwindow.h"
#include "promptrecorder.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

// The "Unicode" tab: the two buttons with and without the prefix, the
// output shown as plain text, and input far past a hundred groups.
class TestUnicode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convert_data();
    void convert();
};

void TestUnicode::convert_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("prefixed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("output");

    const QString toHex = QStringLiteral("StoUpushButton");
    const QString toText = QStringLiteral("UtoSpushButton");
    QString longText;
    QString longHex;
    for (int i = 0; i < 1000; ++i) {
        longText += QChar(char16_t(0x4E00 + i));
        longHex += QString::number(0x4E00 + i, 16);
    }
    QTest::newRow("to hex") << QStringLiteral("A\u4E2D") << false << toHex << "00414E2D";
    QTest::newRow("to hex, prefixed")
        << QStringLiteral("A\u4E2D") << true << toHex << "\\U0041\\U4E2D";
    QTest::newRow("to text") << "00414e2d" << false << toText << QStringLiteral("A\u4E2D");
    QTest::newRow("to text, prefixed")
        << "\\U0041\\u4E2D" << true << toText << QStringLiteral("A\u4E2D");
    QTest::newRow("markup shown as text")
        << "003C0062003E0078003C002F0062003E" << false << toText << "<b>x</b>";
    QTest::newRow("long to text") << longHex << false << toText << longText;
}

void TestUnicode::convert()
{
    QFETCH(QString, input);
    QFETCH(bool, prefixed);
    QFETCH(QString, button);
    QFETCH(QString, output);

    const PromptRecorder prompts;
    const MainWindow window;
    auto *edit = child<LongTextEdit>(window, "UnicodetextEdit");
    auto *browser = child<LongTextEdit>(window, "UnicodetextBrowser");
    edit->setText(input);
    child<QCheckBox>(window, "UnicodecheckBox")->setChecked(prefixed);
    child<QPushButton>(window, qPrintable(button))->click();
    QCOMPARE(browser->text(), output);
    QVERIFY(prompts.messages.isEmpty());
}

YURB_TEST_MAIN(TestUnicode)
#include "tst_unicode.moc"
