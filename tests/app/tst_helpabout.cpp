#include "catalogues.h"
#include "mainwindow.h"
#include "yurbtestmain.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTranslator>

namespace {
const QString rn = QStringLiteral("\\r\\n");

QString linesOf(const QStringList &pairs)
{
    return pairs.join(rn) + rn;
}

const QStringList as7341{"F1:47", "F2:1000", "F3:570", "F4:170", "F5:50",
                         "F6:70", "F7:140",  "F8:68",  "NIR:130"};

QStringList formatOf(const QStringList &pairs)
{
    QStringList format;
    for (const QString &pair : pairs)
        format.append(pair.section(QLatin1Char(':'), 0, 0) + QStringLiteral(":xxxx"));
    return format;
}

QString plain(const QString &text)
{
    return QTextDocumentFragment::fromHtml(text).toPlainText();
}
} // namespace

class TestHelpAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void helpOpensOnceAtATime();
    void helpShowsEveryFormat_data();
    void helpShowsEveryFormat();
    void aboutIsCentredOnTheWindow_data();
    void aboutIsCentredOnTheWindow();
    void aboutIsReCentredWhenOpen();
    void aboutCloseHides();
    void languageChangeTranslatesTheDialogs();

private:
    static QDialog *openHelp(MainWindow &window);
    static QDialog *aboutOf();
};

QDialog *TestHelpAbout::openHelp(MainWindow &window)
{
    window.findChild<QAction *>(QStringLiteral("actionHelp"))->trigger();
    return window.findChild<QDialog *>(QStringLiteral("Help"));
}

// The About dialog has no parent: it is one of the top-level widgets.
QDialog *TestHelpAbout::aboutOf()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("AboutDialog"))
            return qobject_cast<QDialog *>(top);
    }
    return nullptr;
}

void TestHelpAbout::helpOpensOnceAtATime()
{
    MainWindow window;
    window.show();
    QPointer<QDialog> first = openHelp(window);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("Help"));
    QVERIFY(!(first->windowFlags() & Qt::WindowContextHelpButtonHint));

    openHelp(window);
    QCOMPARE(window.findChildren<QDialog *>(QStringLiteral("Help")).size(), 1);

    first->findChild<QPushButton *>(QStringLiteral("helpdialogCancel"))->click();
    QTRY_VERIFY(first.isNull());
    QVERIFY(window.findChildren<QDialog *>(QStringLiteral("Help")).isEmpty());

    QPointer<QDialog> second = openHelp(window);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    // Closing by the window's own close button counts the same.
    second->close();
    QTRY_VERIFY(second.isNull());
    QVERIFY(openHelp(window));
}

void TestHelpAbout::helpShowsEveryFormat_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("example");

    QTest::newRow("GPS") << "GPS:"
                         << "Latitude:xx.xxxxx,Longitude:xxx.xxxxx" + rn
                         << "Latitude:39.92215,Longitude:116.46478" + rn;
    QTest::newRow("temperature") << "Environment:"
                                 << "Temperature:xx.xxC" + rn << "Temperature:25.25C" + rn;
    QTest::newRow("humidity") << "Environment:"
                              << "Humidity:xx.xx%" + rn << "Humidity:60.71%" + rn;
    QTest::newRow("ultraviolet") << "Environment:"
                                 << "Ultraviolet:xxxx" + rn << "Ultraviolet:300" + rn;
    QTest::newRow("CO2") << "Environment:"
                         << "CO2:xxxxxppm" + rn << "CO2:5000ppm" + rn;
    QTest::newRow("TVOC") << "Environment:"
                          << "TVOC:xxxxxppb" + rn << "TVOC:200ppb" + rn;
    QTest::newRow("barometer") << "Environment:"
                               << "Barometer:xxxxPa" + rn << "Barometer:1120Pa" + rn;
    QTest::newRow("oscilloscope") << "Oscilloscope:"
                                  << "$0:xxxxx;$1:xxxxx;$2:xxxxx;$3:xxxxx;" + rn
                                  << "$0:34;$1:548;$2:0.547;$3:-1.579;" + rn;
    const QStringList as7343 = as7341 + QStringList{"FXL:687", "FZ:23", "FY:11"};
    const QStringList as7265 =
        as7341.mid(0, 8) + QStringList{"F9:130",  "F10:687", "F11:23", "F12:11",  "F13:247",
                                       "F14:874", "F15:12",  "F16:77", "F17:726", "F18:814"};
    QTest::newRow("AS7341") << "Spectra:" << linesOf(formatOf(as7341)) << linesOf(as7341);
    QTest::newRow("AS7343") << "Spectra:" << linesOf(formatOf(as7343)) << linesOf(as7343);
    QTest::newRow("AS7265X") << "Spectra:" << linesOf(formatOf(as7265)) << linesOf(as7265);
    QTest::newRow("TOF") << "TOF:"
                         << "xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx..."
                            "xxxx,xxxx," +
                                rn
                         << "2215,4478 ... 784,465" + rn;
}

// Each format stands in its group in italics, followed by "eg.:" and its
// example in green.
void TestHelpAbout::helpShowsEveryFormat()
{
    QFETCH(QString, group);
    QFETCH(QString, format);
    QFETCH(QString, example);

    MainWindow window;
    QDialog *help = openHelp(window);
    QGroupBox *box = nullptr;
    for (QGroupBox *candidate : help->findChildren<QGroupBox *>()) {
        if (candidate->title() == group)
            box = candidate;
    }
    QVERIFY2(box, qPrintable(group));

    // The box's widgets in layout order.
    QList<QWidget *> widgets;
    for (int i = 0; i < box->layout()->count(); ++i)
        widgets.append(box->layout()->itemAt(i)->widget());
    int at = -1;
    for (int i = 0; i < widgets.size(); ++i) {
        const auto *label = qobject_cast<QLabel *>(widgets.at(i));
        if (label && plain(label->text()) == format)
            at = i;
    }
    QVERIFY2(at >= 0, qPrintable(format));
    QCOMPARE(widgets.at(at)->styleSheet(), QStringLiteral("font: italic 10pt ;"));
    QVERIFY(at + 2 < widgets.size());
    QCOMPARE(qobject_cast<QLabel *>(widgets.at(at + 1))->text(), QStringLiteral("eg.:"));
    auto *browser = qobject_cast<QTextBrowser *>(widgets.at(at + 2));
    QVERIFY(browser);
    QCOMPARE(browser->toPlainText(), example);
    QCOMPARE(browser->maximumHeight(), 25);
    QTextCursor cursor(browser->document());
    cursor.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(cursor.charFormat().foreground().color(), QColor(0x00, 0x80, 0x00));
}

void TestHelpAbout::aboutIsCentredOnTheWindow_data()
{
    QTest::addColumn<QRect>("windowGeometry");
    QTest::addColumn<QPoint>("aboutPosition");

    // The dialog is 489 x 275; halves are truncated toward zero.
    QTest::newRow("wide") << QRect(100, 80, 1001, 800) << QPoint(356, 342);
    QTest::newRow("narrower than the dialog") << QRect(200, 90, 300, 200) << QPoint(106, 53);
}

void TestHelpAbout::aboutIsCentredOnTheWindow()
{
    QFETCH(QRect, windowGeometry);
    QFETCH(QPoint, aboutPosition);

    MainWindow window;
    // Let the window be narrower than its form asks, as a user's window
    // manager may make it.
    window.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    window.setMinimumSize(0, 0);
    window.setGeometry(windowGeometry);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.geometry(), windowGeometry);

    window.findChild<QAction *>(QStringLiteral("actionAbout"))->trigger();
    QDialog *about = aboutOf();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(!(about->windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(about->size(), QSize(489, 275));
    QCOMPARE(about->pos(), aboutPosition);
}

// "About" on an open dialog moves it to the window's new centre.
void TestHelpAbout::aboutIsReCentredWhenOpen()
{
    MainWindow window;
    window.setGeometry(100, 80, 1001, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction *action = window.findChild<QAction *>(QStringLiteral("actionAbout"));
    action->trigger();
    QDialog *about = aboutOf();
    QCOMPARE(about->pos(), QPoint(356, 342));

    window.move(300, 180);
    QCOMPARE(about->pos(), QPoint(356, 342));
    action->trigger();
    QCOMPARE(about->pos(), QPoint(556, 442));
    QCOMPARE(aboutOf(), about);
}

// "Close" hides the one About dialog; the next "About" shows the same one.
void TestHelpAbout::aboutCloseHides()
{
    MainWindow window;
    window.show();
    QAction *action = window.findChild<QAction *>(QStringLiteral("actionAbout"));
    action->trigger();
    QPointer<QDialog> about = aboutOf();
    QVERIFY(about);
    about->findChild<QPushButton *>(QStringLiteral("closeBtn"))->click();
    QCoreApplication::processEvents();
    QVERIFY(about);
    QVERIFY(!about->isVisible());
    QVERIFY(window.isVisible());
    action->trigger();
    QCOMPARE(aboutOf(), about.data());
    QVERIFY(about->isVisible());
}

void TestHelpAbout::languageChangeTranslatesTheDialogs()
{
    MainWindow window;
    window.show();
    window.findChild<QAction *>(QStringLiteral("actionAbout"))->trigger();
    QDialog *about = aboutOf();
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));

    QTranslator chinese;
    QVERIFY(chinese.load(Catalogues::languageCatalogue(QLocale::Chinese)));
    QCoreApplication::installTranslator(&chinese);
    const auto removeTranslator =
        qScopeGuard([&chinese] { QCoreApplication::removeTranslator(&chinese); });

    // The language change reaches the windows as a posted event.
    QTRY_COMPARE(about->windowTitle(), QStringLiteral("关于"));
    QCOMPARE(about->findChild<QPushButton *>(QStringLiteral("closeBtn"))->text(),
             QStringLiteral("关闭"));
    const QString aboutText = about->findChild<QTextBrowser *>()->toPlainText();
    QVERIFY2(aboutText.contains(QStringLiteral("版本:3.3.8")), qPrintable(aboutText));

    QDialog *help = openHelp(window);
    QCOMPARE(help->windowTitle(), QStringLiteral("帮助"));
    QCOMPARE(help->findChild<QPushButton *>(QStringLiteral("helpdialogCancel"))->text(),
             QStringLiteral("确定"));
    window.findChild<QAction *>(QStringLiteral("actionConfig"))->trigger();
    QDialog *config = window.findChild<QDialog *>(QStringLiteral("Config"));
    QCOMPARE(config->windowTitle(), QStringLiteral("配置"));
    QCOMPARE(config->findChild<QPushButton *>(QStringLiteral("ConfigCancel_Button"))->text(),
             QStringLiteral("取消"));
}

YURB_TEST_MAIN(TestHelpAbout)
#include "tst_helpabout.moc"
