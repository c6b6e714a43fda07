#include "catalogues.h"
#include "mainwindow.h"
#include "toolswitches.h"
#include "yurbtestmain.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTranslator>

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogueByLocale_data();
    void catalogueByLocale();
    void chineseTextsButEnglishTabTitles();
    void englishCatalogueChangesNothing();
};

void TestTranslations::catalogueByLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("languageCatalogue");
    QTest::addColumn<bool>("localeCatalogueExists");

    QTest::newRow("English, US") << "en_US"
                                 << ":/transEnglish.qm" << true;
    QTest::newRow("English, GB") << "en_GB"
                                 << ":/transEnglish.qm" << false;
    QTest::newRow("Chinese, mainland") << "zh_CN"
                                       << ":/transSimpleChinese.qm" << true;
    QTest::newRow("Chinese, Taiwan") << "zh_TW"
                                     << ":/transSimpleChinese.qm" << false;
    QTest::newRow("German") << "de_DE"
                            << "" << false;
    QTest::newRow("Japanese") << "ja_JP"
                              << "" << false;
}

void TestTranslations::catalogueByLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, languageCatalogue);
    QFETCH(bool, localeCatalogueExists);

    const QString language = Catalogues::languageCatalogue(QLocale(locale).language());
    QCOMPARE(language, languageCatalogue);
    if (!language.isEmpty()) {
        QTranslator translator;
        QVERIFY2(translator.load(language), qPrintable(language));
    }
    QTranslator localeTranslator;
    QCOMPARE(localeTranslator.load(Catalogues::localeCatalogue(locale)), localeCatalogueExists);
}

void TestTranslations::chineseTextsButEnglishTabTitles()
{
    QTranslator chinese;
    QVERIFY(chinese.load(Catalogues::languageCatalogue(QLocale::Chinese)));
    QCoreApplication::installTranslator(&chinese);

    const MainWindow window;
    QCOMPARE(window.findChild<QAction *>(QStringLiteral("actionConfig"))->text(),
             QStringLiteral("配置"));
    QCOMPARE(window.findChild<QAction *>(QStringLiteral("actionExit"))->text(),
             QStringLiteral("退出"));
    QCOMPARE(window.findChild<QAction *>(QStringLiteral("actionCheck_Update"))->text(),
             QStringLiteral("检测更新"));
    QCOMPARE(QCoreApplication::translate("Device", "No Bluetooth adapter was found."),
             QStringLiteral("未找到蓝牙适配器。"));
    QCOMPARE(window.findChild<QMenu *>(QStringLiteral("menu"))->title(),
             QStringLiteral("Edit(&E)"));
    QCOMPARE(window.findChild<QMenu *>(QStringLiteral("menu_2"))->title(),
             QStringLiteral("About(&A)"));

    const auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QStringList expected = ToolSwitches::tabTitles();
    expected.append(QStringLiteral("More"));
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles.append(tabs->tabText(i));
    QCOMPARE(titles, expected);

    QCoreApplication::removeTranslator(&chinese);
}

void TestTranslations::englishCatalogueChangesNothing()
{
    QTranslator english;
    QVERIFY(english.load(Catalogues::languageCatalogue(QLocale::English)));
    QCoreApplication::installTranslator(&english);
    const MainWindow window;
    QCOMPARE(window.findChild<QAction *>(QStringLiteral("actionConfig"))->text(),
             QStringLiteral("Preferences"));
    QCoreApplication::removeTranslator(&english);
}

YURB_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
