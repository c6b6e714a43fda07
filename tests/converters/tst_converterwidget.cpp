#include "currencyconverter.h"
#include "exchangerates.h"
#include "localhttpserver.h"
#include "nuvelix_convert.h"
#include "quantitynames.h"
#include "settingsfile.h"
#include "unitlabel.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryFile>
#include <QTranslator>

#include <memory>

// The "Convert" page as a user meets it: its start state, typing and unit
// changes in every panel, the swap buttons, the currency panel at stored
// rates, a German locale, the Chinese catalogue and the worker's stop.
class TestConverterWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void startState();
    void formLabelsMatchTheTables();
    void everyPanelConverts_data();
    void everyPanelConverts();
    void swapAndClear();
    void currencyPanelReadsRatesAtEveryChange();
    void styleSheetFromAFile();
    void decimalPointUnderGermanLocale();
    void chineseLabels();
    void closingWaitsForTheWorkerWithoutHanging();
};

namespace {

const QStringList prefixes{"exchangerates", "lengths",    "mass",    "area",        "volume",
                           "force",         "torque",     "time",    "speed",       "temperature",
                           "pressure",      "energy",     "power",   "capacitance", "resistance",
                           "conductance",   "inductance", "current", "charge",      "magnetic",
                           "angle",         "datastorage"};

QComboBox *combo(const nuvelix_convert &page, const QString &prefix, const char *side)
{
    return child<QComboBox>(page, (prefix + "_" + side + "UnitCombox").toLatin1().constData());
}

QLineEdit *edit(const nuvelix_convert &page, const QString &prefix, const char *which)
{
    return child<QLineEdit>(page, (prefix + "_inputEdit_" + which).toLatin1().constData());
}

// Selects the unit whose symbol is `symbol`, whatever the label's language.
void selectUnit(QComboBox *box, const QString &symbol)
{
    for (int i = 0; i < box->count(); ++i) {
        if (UnitLabel::symbol(box->itemText(i)) == symbol) {
            box->setCurrentIndex(i);
            return;
        }
    }
    qFatal("no unit %s in %s", qPrintable(symbol), qPrintable(box->objectName()));
}

QString convert(const nuvelix_convert &page, const QString &prefix, const QString &value,
                const QString &from, const QString &to)
{
    selectUnit(combo(page, prefix, "from"), from);
    selectUnit(combo(page, prefix, "to"), to);
    QLineEdit *source = edit(page, prefix, "source");
    source->clear();
    QTest::keyClicks(source, value);
    return edit(page, prefix, "to")->text();
}

QString ratesInUse(const nuvelix_convert &page)
{
    return child<QLabel>(page, "exchangerates_ratesInUse")->text();
}

} // namespace

void TestConverterWidget::init()
{
    QFile::remove(settingsFilePath());
    // Opened today already: the worker fetches nothing unless a test says so.
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("lastOpenedDateTime"), QDateTime::currentDateTime());
}

void TestConverterWidget::startState()
{
    const nuvelix_convert page;
    QCOMPARE(page.findChildren<QGroupBox *>().size(), prefixes.size());
    for (const QString &prefix : prefixes) {
        const QString from = combo(page, prefix, "from")->currentText();
        const QString to = combo(page, prefix, "to")->currentText();
        const QString result = edit(page, prefix, "to")->text();
        QVERIFY2(edit(page, prefix, "to")->isReadOnly(), qPrintable(prefix));
        const QPixmap icon = child<QLabel>(page, ("label_svg_" + prefix).toLatin1())->pixmap();
        QVERIFY2(
            icon.size() == QSize(30, 30),
            qPrintable(
                QStringLiteral("%1 icon %2x%3").arg(prefix).arg(icon.width()).arg(icon.height())));
        QVERIFY2(!child<QPushButton>(page, (prefix + "_interchangeable_pushButton").toLatin1())
                      ->icon()
                      .isNull(),
                 qPrintable(prefix));
        if (prefix == QLatin1String("lengths")) {
            QCOMPARE(from, QStringLiteral("mm(millimeter)"));
            QCOMPARE(to, QStringLiteral("mil(mill)"));
        } else if (prefix == QLatin1String("exchangerates")) {
            // Filled after its connections: the first entry is converted at once.
            QCOMPARE(combo(page, prefix, "from")->count(), 31);
            QCOMPARE(from, QStringLiteral("AUD(Australian Dollar)"));
            QCOMPARE(to, QStringLiteral("AUD(Australian Dollar)"));
            QVERIFY(!combo(page, prefix, "to")->itemIcon(30).isNull());
            QCOMPARE(result, QStringLiteral("0"));
            continue;
        } else {
            QVERIFY2(combo(page, prefix, "from")->currentIndex() == 0, qPrintable(prefix));
            QVERIFY2(combo(page, prefix, "to")->currentIndex() == 0, qPrintable(prefix));
        }
        QVERIFY2(result.isEmpty(), qPrintable(prefix + ": " + result));
    }
    QCOMPARE(child<QScrollArea>(page, "scrollArea")->horizontalScrollBarPolicy(),
             Qt::ScrollBarAlwaysOff);
}

void TestConverterWidget::formLabelsMatchTheTables()
{
    const nuvelix_convert page;
    for (const auto &[title, quantity] : namedQuantities()) {
        const QString prefix = title.toLower();
        QStringList tableSymbols;
        for (const UnitDefinition &unit : quantity->units())
            tableSymbols << unit.symbol;
        for (const char *side : {"from", "to"}) {
            QStringList formSymbols;
            const QComboBox *box = combo(page, prefix, side);
            for (int i = 0; i < box->count(); ++i)
                formSymbols << UnitLabel::symbol(box->itemText(i));
            QCOMPARE(formSymbols, tableSymbols);
        }
        QCOMPARE(child<QLabel>(page, ("label_text_" + prefix).toLatin1())->text(), title);
    }
}

void TestConverterWidget::everyPanelConverts_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *prefix, const char *value, const char *from, const char *to,
                        const char *expected) {
        QTest::addRow("%s %s %s to %s", prefix, value, from, to)
            << QString::fromUtf8(prefix) << QString::fromUtf8(value) << QString::fromUtf8(from)
            << QString::fromUtf8(to) << QString::fromUtf8(expected);
    };
    row("lengths", "1", "mm", "mil", "39.370078740157481");
    row("mass", "1", "kg", "lb", "2.204624420183777");
    row("area", "1", "ft²", "in²", "143.999937999876011");
    row("volume", "1", "US gal", "UK gal", "0.8326737922");
    row("force", "1", "N", "kgf", "0.1019716213");
    row("torque", "1", "dyn·cm", "N·m", "0.0000001");
    row("time", "1", "c", "s", "3153600000");
    row("speed", "1", "km/min", "m/s", "16.6666666667");
    row("temperature", "32", "°F", "K", "273.15");
    row("pressure", "1", "atm", "bar", "1.01325");
    row("energy", "1", "kW·h", "J", "3600000");
    row("power", "1", "W", "hp", "0.0013596212");
    row("capacitance", "1", "F", "μF", "1000000");
    row("resistance", "2.5", "kΩ", "Ω", "2500");
    row("conductance", "1", "mS", "µS", "1000");
    row("inductance", "1", "H", "mH", "1000");
    row("current", "1", "mA", "µA", "1000");
    row("charge", "1", "e", "e", "1");
    row("magnetic", "1", "γ", "nT", "1");
    row("angle", "1", "¯", "°", "11.2485939258");
    row("datastorage", "1", "MB", "Bit", "8.38861e+06");
}

void TestConverterWidget::everyPanelConverts()
{
    QFETCH(QString, prefix);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    const nuvelix_convert page;
    QCOMPARE(convert(page, prefix, value, from, to), expected);
    // A change of unit recomputes too.
    selectUnit(combo(page, prefix, "to"), from);
    QCOMPARE(edit(page, prefix, "to")->text(),
             quantityNamed(prefix == QLatin1String("datastorage")
                               ? QStringLiteral("DataStorage")
                               : prefix.left(1).toUpper() + prefix.mid(1))
                 .resultText(value, from, from));
}

void TestConverterWidget::swapAndClear()
{
    const nuvelix_convert page;
    QCOMPARE(convert(page, "lengths", "1", "km", "m"), QStringLiteral("1000"));
    child<QPushButton>(page, "lengths_interchangeable_pushButton")->click();
    QCOMPARE(combo(page, "lengths", "from")->currentText(), QStringLiteral("m(meter)"));
    QCOMPARE(combo(page, "lengths", "to")->currentText(), QStringLiteral("km(kilometer)"));
    QCOMPARE(edit(page, "lengths", "to")->text(), QStringLiteral("0.001"));
    QCOMPARE(edit(page, "lengths", "source")->text(), QStringLiteral("1"));

    // Equal units: nothing changes and nothing is recomputed.
    QCOMPARE(convert(page, "time", "1", "h", "h"), QStringLiteral("1"));
    edit(page, "time", "to")->setText(QStringLiteral("untouched"));
    child<QPushButton>(page, "time_interchangeable_pushButton")->click();
    QCOMPARE(edit(page, "time", "to")->text(), QStringLiteral("untouched"));

    edit(page, "lengths", "source")->clear();
    QCOMPARE(edit(page, "lengths", "to")->text(), QStringLiteral("0"));
}

void TestConverterWidget::currencyPanelReadsRatesAtEveryChange()
{
    // The day's rates are due; the local server answers only once the event
    // loop runs, so the panel is seen first without them.
    QFile::remove(settingsFilePath());
    LocalHttpServer feed;
    QVERIFY(feed.listen());
    feed.setResponse(200, "<Cube><Cube time=\"2024-06-07\">"
                          "<Cube currency=\"USD\" rate=\"1.0844\"/></Cube></Cube>");
    const nuvelix_convert page(nullptr, feed.url(QStringLiteral("/feed.xml")));

    // Nothing stored yet: the built-in rates, and the panel says so.
    QCOMPARE(convert(page, "exchangerates", "100", "EUR", "USD"), QStringLiteral("108.83"));
    QCOMPARE(ratesInUse(page),
             QStringLiteral("Built-in rates in use: no reference rates downloaded yet"));

    // The worker's rates are shown as soon as it ends, without a keystroke.
    QTRY_COMPARE_WITH_TIMEOUT(ratesInUse(page),
                              QStringLiteral("Euro reference rates of 2024-06-07"), 10000);
    QCOMPARE(edit(page, "exchangerates", "to")->text(), QStringLiteral("108.44"));
    child<QPushButton>(page, "exchangerates_interchangeable_pushButton")->click();
    QCOMPARE(edit(page, "exchangerates", "to")->text(), QStringLiteral("92.216894135"));

    // A rate written now is used from the next keystroke on.
    ExchangeRates(settingsFilePath()).store({{QStringLiteral("USD"), 2.0}});
    QCOMPARE(edit(page, "exchangerates", "to")->text(), QStringLiteral("92.216894135"));
    QTest::keyClick(edit(page, "exchangerates", "source"), Qt::Key_0);
    QCOMPARE(edit(page, "exchangerates", "to")->text(), QStringLiteral("500"));
}

void TestConverterWidget::styleSheetFromAFile()
{
    const QString before = qApp->styleSheet();
    const auto restore = qScopeGuard([&before] { qApp->setStyleSheet(before); });
    const QString sheet = QStringLiteral("/* Größe */ QLineEdit { color: #123456; }");
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(sheet.toUtf8());
    file.close();

    nuvelix_convert page;
    page.setStyleSheets(file.fileName() + QStringLiteral(".missing"));
    QCOMPARE(qApp->styleSheet(), before);
    page.setStyleSheets(file.fileName());
    QCOMPARE(qApp->styleSheet(), sheet);
}

void TestConverterWidget::decimalPointUnderGermanLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
    const nuvelix_convert page;
    QCOMPARE(convert(page, "lengths", "2.5", "m", "km"), QStringLiteral("0.0025"));
    QCOMPARE(convert(page, "lengths", "2,5", "m", "km"), QStringLiteral("0"));
    QCOMPARE(convert(page, "temperature", "-40.5", "°C", "K"), QStringLiteral("232.65"));
}

void TestConverterWidget::chineseLabels()
{
    ExchangeRates(settingsFilePath()).storeBuiltInWhereMissing();
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral(":/transSimpleChinese.qm")));
    QCoreApplication::installTranslator(&chinese);
    const auto remove = qScopeGuard([&chinese] { QCoreApplication::removeTranslator(&chinese); });
    const nuvelix_convert page;

    // The English start units are not found, so both boxes keep the first.
    QCOMPARE(combo(page, "lengths", "from")->currentText(), QStringLiteral("km(千米)"));
    QCOMPARE(combo(page, "lengths", "to")->currentText(), QStringLiteral("km(千米)"));
    const QComboBox *lengths = combo(page, "lengths", "from");
    QCOMPARE(lengths->itemText(4), QStringLiteral("mm(毫米)"));
    QCOMPARE(lengths->itemText(12), QStringLiteral("mil(密耳)"));
    QCOMPARE(lengths->findText(QStringLiteral("mm(millimeter)")), -1);
    QCOMPARE(combo(page, "exchangerates", "to")->itemText(29), QStringLiteral("USD(美元)"));
    QCOMPARE(combo(page, "temperature", "to")->itemText(4), QStringLiteral("°Rø(罗氏温标)"));
    QCOMPARE(child<QLabel>(page, "label_text_lengths")->text(), QStringLiteral("Lengths"));

    // Same symbols, same results as in English.
    QCOMPARE(convert(page, "lengths", "1", "km", "m"), QStringLiteral("1000"));
    QCOMPARE(convert(page, "exchangerates", "100", "EUR", "USD"), QStringLiteral("108.83"));
    QCOMPARE(convert(page, "energy", "1", "MJ", "kJ"), QStringLiteral("1000"));
}

void TestConverterWidget::closingWaitsForTheWorkerWithoutHanging()
{
    QFile::remove(settingsFilePath());
    LocalHttpServer feed;
    QVERIFY(feed.listen());
    feed.setSilent(true);
    auto page = std::make_unique<nuvelix_convert>(nullptr, feed.url(QStringLiteral("/feed.xml")));
    QTRY_COMPARE_WITH_TIMEOUT(feed.requestPaths().size(), 1, 10000);
    QElapsedTimer clock;
    clock.start();
    page.reset();
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QStringLiteral("took %1 ms").arg(clock.elapsed())));
}

YURB_TEST_MAIN(TestConverterWidget)
#include "tst_converterwidget.moc"
