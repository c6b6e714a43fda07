#include "mainwindow.h"
#include "promptrecorder.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using Texts = QMap<QString, QString>;

// The GPS tool's calculation dialog: distance and UTM conversions through
// its form.
class TestGpsCalc : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnceAndCloses();
    void calculates_data();
    void calculates();
    void refusesInput_data();
    void refusesInput();

private:
    static QDialog *open(MainWindow &window);
    static void fill(QDialog &dialog, const Texts &inputs);
    static QString shown(QDialog &dialog, const QString &name);
};

QDialog *TestGpsCalc::open(MainWindow &window)
{
    child<QPushButton>(window, "GPScalculate")->click();
    return window.findChild<QDialog *>(QStringLiteral("GPScalculate"));
}

void TestGpsCalc::fill(QDialog &dialog, const Texts &inputs)
{
    for (auto it = inputs.cbegin(); it != inputs.cend(); ++it)
        child<QLineEdit>(dialog, qPrintable(it.key()))->setText(it.value());
}

// The text of a line edit or label of the dialog.
QString TestGpsCalc::shown(QDialog &dialog, const QString &name)
{
    if (auto *edit = dialog.findChild<QLineEdit *>(name))
        return edit->text();
    return child<QLabel>(dialog, qPrintable(name))->text();
}

// A second press leaves the open dialog alone; "close" deletes the dialog
// with its widgets, and the next press opens a new one.
void TestGpsCalc::opensOnceAndCloses()
{
    MainWindow window;
    window.show();
    QPointer<QDialog> first = open(window);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("GPS calculation"));
    QCOMPARE(first->minimumSize(), QSize(318, 254));
    QVERIFY(!(first->windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(first->styleSheet(), QStringLiteral("background-color: white grey"));
    const auto *ellipsoids = child<QComboBox>(*first, "utm_comboBox");
    QCOMPARE(ellipsoids->count(), 23);
    QCOMPARE(ellipsoids->itemText(0), QStringLiteral("Airy"));
    QCOMPARE(ellipsoids->currentText(), QStringLiteral("WGS-84"));

    QPointer<QLineEdit> edit = child<QLineEdit>(*first, "latlineEdit");
    edit->setText(QStringLiteral("12"));
    open(window);
    QCOMPARE(window.findChildren<QDialog *>(QStringLiteral("GPScalculate")).size(), 1);
    QCOMPARE(edit->text(), QStringLiteral("12"));

    child<QPushButton>(*first, "GPScalculateCancel")->click();
    QTRY_VERIFY(first.isNull());
    QVERIFY(edit.isNull());
    QPointer<QDialog> second = open(window);
    QVERIFY(second);
    QCOMPARE(child<QLineEdit>(*second, "latlineEdit")->text(), QString());
    second->close();
    QTRY_VERIFY(second.isNull());
}

void TestGpsCalc::calculates_data()
{
    QTest::addColumn<int>("ellipsoidIndex");
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Texts>("outputs");

    QTest::newRow("distance") << 22
                              << Texts{{"YlonglineEdit", "0"},
                                       {"YlatlineEdit", "0"},
                                       {"MlonglineEdit", "1"},
                                       {"MlatlineEdit", "0"}}
                              << "GPSpushButtoncalculate" << Texts{{"GPSresults", "111.319"}};
    QTest::newRow("to UTM, zone 31 origin")
        << 22 << Texts{{"latlineEdit", "0"}, {"longlineEdit", "3"}} << "lltoutm"
        << Texts{{"utmElineEdit", "500000.00000000"},
                 {"utmNlineEdit", "0.00000000"},
                 {"utmZlineEdit", "31N"}};
    QTest::newRow("to UTM, Norway")
        << 22 << Texts{{"latlineEdit", "60"}, {"longlineEdit", "5"}} << "lltoutm"
        << Texts{{"utmElineEdit", "276979.92640018"},
                 {"utmNlineEdit", "6658157.20237026"},
                 {"utmZlineEdit", "32V"}};
    QTest::newRow("to UTM on Airy")
        << 0 << Texts{{"latlineEdit", "51.5"}, {"longlineEdit", "-0.125"}} << "lltoutm"
        << Texts{{"utmElineEdit", "699523.42079031"},
                 {"utmNlineEdit", "5708924.81123832"},
                 {"utmZlineEdit", "30U"}};
    QTest::newRow("from UTM, Norway")
        << 22
        << Texts{{"utmElineEdit", "276979.92640018"},
                 {"utmNlineEdit", "6658157.20237026"},
                 {"utmZlineEdit", "32V"}}
        << "utmtoll" << Texts{{"latlineEdit", "60.00000000"}, {"longlineEdit", "5.00000000"}};
    QTest::newRow("from UTM on Airy")
        << 0
        << Texts{{"utmElineEdit", "699523.42079031"},
                 {"utmNlineEdit", "5708924.81123832"},
                 {"utmZlineEdit", "30U"}}
        << "utmtoll" << Texts{{"latlineEdit", "51.50000000"}, {"longlineEdit", "-0.12500000"}};
    QTest::newRow("from UTM, no band letter is southern")
        << 22
        << Texts{{"utmElineEdit", "500000"}, {"utmNlineEdit", "9000000"}, {"utmZlineEdit", "31"}}
        << "utmtoll" << Texts{{"latlineEdit", "-9.04656246"}, {"longlineEdit", "3.00000000"}};
    QTest::newRow("from UTM, lower-case n is northern")
        << 22
        << Texts{{"utmElineEdit", "500000"}, {"utmNlineEdit", "9000000"}, {"utmZlineEdit", "31n"}}
        << "utmtoll" << Texts{{"latlineEdit", "81.06088098"}, {"longlineEdit", "3.00000000"}};
}

void TestGpsCalc::calculates()
{
    QFETCH(int, ellipsoidIndex);
    QFETCH(Texts, inputs);
    QFETCH(QString, button);
    QFETCH(Texts, outputs);

    MainWindow window;
    QDialog *dialog = open(window);
    child<QComboBox>(*dialog, "utm_comboBox")->setCurrentIndex(ellipsoidIndex);
    fill(*dialog, inputs);
    child<QPushButton>(*dialog, qPrintable(button))->click();
    for (auto it = outputs.cbegin(); it != outputs.cend(); ++it)
        QCOMPARE(shown(*dialog, it.key()), it.value());
}

void TestGpsCalc::refusesInput_data()
{
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("warning");

    QTest::newRow("distance, latitude beyond the pole")
        << Texts{{"YlonglineEdit", "0"},
                 {"YlatlineEdit", "91"},
                 {"MlonglineEdit", "1"},
                 {"MlatlineEdit", "0"}}
        << "GPSpushButtoncalculate"
        << "GPS calculation"
        << "The latitude 91 is not between -90 and 90 degrees.";
    QTest::newRow("distance, target longitude")
        << Texts{{"YlonglineEdit", "0"},
                 {"YlatlineEdit", "0"},
                 {"MlonglineEdit", "-200"},
                 {"MlatlineEdit", "0"}}
        << "GPSpushButtoncalculate"
        << "GPS calculation"
        << "The longitude -200 is not between -180 and 180 degrees.";
    QTest::newRow("to UTM, longitude")
        << Texts{{"latlineEdit", "10"}, {"longlineEdit", "181"}} << "lltoutm"
        << "UTM Conversions"
        << "The longitude 181 is not between -180 and 180 degrees.";
    QTest::newRow("from UTM, zone too long")
        << Texts{{"utmElineEdit", "500000"}, {"utmNlineEdit", "0"}, {"utmZlineEdit", "31N 1234"}}
        << "utmtoll"
        << "UTM Conversions"
        << "The UTM zone \"31N 1234\" is longer than five characters.";
    QTest::newRow("distance, text that is no number") << Texts{{"YlonglineEdit", "east"},
                                                               {"YlatlineEdit", "0"},
                                                               {"MlonglineEdit", "1"},
                                                               {"MlatlineEdit", "0"}}
                                                      << "GPSpushButtoncalculate"
                                                      << "GPS calculation"
                                                      << "\"east\" is not a number.";
    QTest::newRow("to UTM, latitude abc")
        << Texts{{"latlineEdit", "abc"}, {"longlineEdit", "3"}} << "lltoutm"
        << "UTM Conversions"
        << "\"abc\" is not a number.";
    QTest::newRow("from UTM, easting abc")
        << Texts{{"utmElineEdit", "abc"}, {"utmNlineEdit", "0"}, {"utmZlineEdit", "31N"}}
        << "utmtoll"
        << "UTM Conversions"
        << "\"abc\" is not a number.";
    const QString nowhere = "The UTM position E %1, N %2 in zone \"%3\" is no place on the earth.";
    QTest::newRow("from UTM, beyond the north pole")
        << Texts{{"utmElineEdit", "500000"}, {"utmNlineEdit", "99999999"}, {"utmZlineEdit", "31N"}}
        << "utmtoll"
        << "UTM Conversions" << nowhere.arg("500000", "99999999", "31N");
    QTest::newRow("from UTM, zone 31 and northing 0: beyond the south pole")
        << Texts{{"utmElineEdit", "500000"}, {"utmNlineEdit", "0"}, {"utmZlineEdit", "31"}}
        << "utmtoll"
        << "UTM Conversions" << nowhere.arg("500000", "0", "31");
    QTest::newRow("from UTM, no zone number")
        << Texts{{"utmElineEdit", "500000"}, {"utmNlineEdit", "0"}, {"utmZlineEdit", "N"}}
        << "utmtoll"
        << "UTM Conversions"
        << "The UTM zone \"N\" does not start with a zone number from 1 to 60.";
}

// A refused input brings one warning with its reason and changes no output.
void TestGpsCalc::refusesInput()
{
    QFETCH(Texts, inputs);
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, warning);

    PromptRecorder prompts;
    MainWindow window;
    QDialog *dialog = open(window);
    fill(*dialog, inputs);
    const QStringList outputs{"GPSresults",   "latlineEdit",  "longlineEdit",
                              "utmElineEdit", "utmNlineEdit", "utmZlineEdit"};
    QStringList before;
    for (const QString &name : outputs)
        before.append(shown(*dialog, name));
    child<QPushButton>(*dialog, qPrintable(button))->click();

    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.first().kind, Prompt::Kind::Warning);
    QCOMPARE(prompts.messages.first().title, title);
    QCOMPARE(prompts.messages.first().text, warning);
    for (int i = 0; i < outputs.size(); ++i)
        QCOMPARE(shown(*dialog, outputs.at(i)), before.at(i));
}

YURB_TEST_MAIN(TestGpsCalc)
#include "tst_gpscalc.moc"
