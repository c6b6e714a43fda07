#include "formrows.h"

#include <QTest>

namespace {

struct NamedClass
{
    const char *object;
    const char *className;
};

// Adds one "class" row per object; the tools find these objects by name and type.
void addClassRows(const char *page, std::initializer_list<NamedClass> objects)
{
    for (const NamedClass &o : objects) {
        const QString tag =
            QStringLiteral("%1: %2 class").arg(QLatin1String(page), QLatin1String(o.object));
        QTest::newRow(qPrintable(tag)) << QString::fromLatin1(o.object) << QStringLiteral("class")
                                       << QVariant(QString::fromLatin1(o.className));
    }
}

const QStringList baudRates{
    QStringLiteral("2400"),   QStringLiteral("4800"),  QStringLiteral("9600"),
    QStringLiteral("14400"),  QStringLiteral("19200"), QStringLiteral("38400"),
    QStringLiteral("57600"),  QStringLiteral("76800"), QStringLiteral("115200"),
    QStringLiteral("128000"), QStringLiteral("256000")};

} // namespace

void addPositioningPageRows()
{
    // GPS page
    addClassRows("gps", {
                            {"gps", "QWidget"},
                            {"gridLayout_16", "QGridLayout"},
                            {"gps_gridLayout", "QGridLayout"},
                            {"groupBox_10", "QGroupBox"},
                            {"gridLayout_13", "QGridLayout"},
                            {"GPSportMode_01", "QRadioButton"},
                            {"GPSportMode_02", "QRadioButton"},
                            {"label_23", "QLabel"},
                            {"GPSportNameComboBox", "QComboBox"},
                            {"label_24", "QLabel"},
                            {"GPSbaudRateComboBox", "QComboBox"},
                            {"GPSopencompushButton", "QPushButton"},
                            {"label_41", "QLabel"},
                            {"GPSTCPServerIPcomboBox", "QComboBox"},
                            {"label_51", "QLabel"},
                            {"GPSTCPServerPortlineEdit", "QLineEdit"},
                            {"GPSTCPopencompushButton", "QPushButton"},
                            {"GPScleandatapushButton", "QPushButton"},
                            {"GPS_on_off_checkBox", "QCheckBox"},
                            {"GPSSavecheckBox", "QCheckBox"},
                            {"GPSsignal", "QPushButton"},
                            {"GPScalculate", "QPushButton"},
                            {"GPStrochoidpushButton", "QPushButton"},
                            {"GPSpushButtonsearchdriving", "QPushButton"},
                            {"groupBox_11", "QGroupBox"},
                            {"gridLayout_15", "QGridLayout"},
                            {"label_42", "QLabel"},
                            {"GPS_UTC", "QLabel"},
                            {"label_32", "QLabel"},
                            {"Jingdu", "QLabel"},
                            {"Jingdufangxiang", "QLabel"},
                            {"label_33", "QLabel"},
                            {"Weidu", "QLabel"},
                            {"Weidufangxiang", "QLabel"},
                            {"label_25", "QLabel"},
                            {"Dingweizhuangtai", "QLabel"},
                            {"label_37", "QLabel"},
                            {"GPSKejianweixing", "QLabel"},
                            {"label_58", "QLabel"},
                            {"BDKejianweixing", "QLabel"},
                            {"label_38", "QLabel"},
                            {"Shiyongweixing", "QLabel"},
                            {"label_35", "QLabel"},
                            {"Haibagaodu", "QLabel"},
                            {"label_34", "QLabel"},
                            {"Dimiansudu", "QLabel"},
                            {"label_44", "QLabel"},
                            {"Weizhiyinzi", "QLabel"},
                            {"label_46", "QLabel"},
                            {"Cuizhiyinzi", "QLabel"},
                            {"label_45", "QLabel"},
                            {"Shuipingyinzi", "QLabel"},
                            {"groupBox_12", "QGroupBox"},
                            {"gridLayout_14", "QGridLayout"},
                            {"GPStextBrowser", "QPlainTextEdit"},
                        });

    QTest::newRow("gps: GPSbaudRateComboBox items")
        << QStringLiteral("GPSbaudRateComboBox") << QStringLiteral("items") << QVariant(baudRates);
    QTest::newRow("gps: GPSbaudRateComboBox currentIndex")
        << QStringLiteral("GPSbaudRateComboBox") << QStringLiteral("currentIndex") << QVariant(8);
    QTest::newRow("gps: GPSbaudRateComboBox currentText")
        << QStringLiteral("GPSbaudRateComboBox") << QStringLiteral("currentText")
        << QVariant(QStringLiteral("115200"));
    // The port and address lists are filled at run time, never by the form.
    QTest::newRow("gps: GPSportNameComboBox items")
        << QStringLiteral("GPSportNameComboBox") << QStringLiteral("items")
        << QVariant(QStringList{});
    QTest::newRow("gps: GPSTCPServerIPcomboBox items")
        << QStringLiteral("GPSTCPServerIPcomboBox") << QStringLiteral("items")
        << QVariant(QStringList{});
    QTest::newRow("gps: GPSTCPServerIPcomboBox editable")
        << QStringLiteral("GPSTCPServerIPcomboBox") << QStringLiteral("editable")
        << QVariant(false);
    QTest::newRow("gps: GPSTCPServerPortlineEdit text")
        << QStringLiteral("GPSTCPServerPortlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("1000"));

    // The GPS tool, not the form, chooses the source.
    QTest::newRow("gps: GPSportMode_01 checked")
        << QStringLiteral("GPSportMode_01") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("gps: GPSportMode_02 checked")
        << QStringLiteral("GPSportMode_02") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("gps: GPS_on_off_checkBox checked")
        << QStringLiteral("GPS_on_off_checkBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("gps: GPSSavecheckBox checked")
        << QStringLiteral("GPSSavecheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("gps: GPStrochoidpushButton text")
        << QStringLiteral("GPStrochoidpushButton") << QStringLiteral("text")
        << QVariant(QStringLiteral("Import  track"));

    // Every value starts as "Null"; the decoders and the map read Jingdu and Weidu back.
    for (const char *value : {"GPS_UTC", "Jingdu", "Weidu", "Dingweizhuangtai", "GPSKejianweixing",
                              "BDKejianweixing", "Shiyongweixing", "Haibagaodu", "Dimiansudu",
                              "Weizhiyinzi", "Cuizhiyinzi", "Shuipingyinzi"}) {
        const QString tag = QStringLiteral("gps: %1 text").arg(QLatin1String(value));
        QTest::newRow(qPrintable(tag)) << QString::fromLatin1(value) << QStringLiteral("text")
                                       << QVariant(QStringLiteral("Null"));
    }
    QTest::newRow("gps: Jingdufangxiang text")
        << QStringLiteral("Jingdufangxiang") << QStringLiteral("text") << QVariant(QString());
    QTest::newRow("gps: Weidufangxiang text")
        << QStringLiteral("Weidufangxiang") << QStringLiteral("text") << QVariant(QString());
    QTest::newRow("gps: GPStextBrowser plainText")
        << QStringLiteral("GPStextBrowser") << QStringLiteral("plainText") << QVariant(QString());

    // GSM page
    addClassRows("gsm", {
                            {"gsm", "QWidget"},
                            {"gridLayout_25", "QGridLayout"},
                            {"gsm_groupBox_SMSsend", "QGroupBox"},
                            {"gridLayout_20", "QGridLayout"},
                            {"GSMtextBrowser", "QTextEdit"},
                            {"GSMNUMtextEdit", "QTextEdit"},
                            {"GSMSendpushButton", "QPushButton"},
                            {"gsm_groupBox_call", "QGroupBox"},
                            {"gridLayout_19", "QGridLayout"},
                            {"GSMtextBrowser_1", "QTextBrowser"},
                            {"GSMbodianhuapushButton", "QPushButton"},
                            {"GSMANJIANpushButton_Clean", "QPushButton"},
                            {"GSMguadianhuapushButton", "QPushButton"},
                            {"GSM_AutoRedial", "QCheckBox"},
                            {"GSMANJIANpushButton_0", "QPushButton"},
                            {"GSMANJIANpushButton_1", "QPushButton"},
                            {"GSMANJIANpushButton_2", "QPushButton"},
                            {"GSMANJIANpushButton_3", "QPushButton"},
                            {"GSMANJIANpushButton_4", "QPushButton"},
                            {"GSMANJIANpushButton_5", "QPushButton"},
                            {"GSMANJIANpushButton_6", "QPushButton"},
                            {"GSMANJIANpushButton_7", "QPushButton"},
                            {"GSMANJIANpushButton_8", "QPushButton"},
                            {"GSMANJIANpushButton_9", "QPushButton"},
                            {"GSMANJIANpushButton_10", "QPushButton"},
                            {"GSMANJIANpushButton_11", "QPushButton"},
                            {"gsm_groupBox_serial", "QGroupBox"},
                            {"verticalLayout_3", "QVBoxLayout"},
                            {"label_39", "QLabel"},
                            {"GSMportNameComboBox", "QComboBox"},
                            {"label_40", "QLabel"},
                            {"GSMbaudRateComboBox", "QComboBox"},
                            {"GSMopencompushButton", "QPushButton"},
                            {"gsm_groupBox_signal", "QGroupBox"},
                            {"gridLayout_17", "QGridLayout"},
                            {"GSMTestSignalpushButton", "QPushButton"},
                            {"GSMCheckSigneltext", "QLabel"},
                            {"gsm_groupBox_SMSRead", "QGroupBox"},
                            {"gridLayout_21", "QGridLayout"},
                            {"GSMReadtextBrowser", "QTextBrowser"},
                            {"GSMReadTextpushButton", "QPushButton"},
                            {"GSMDelTextpushButton", "QPushButton"},
                            {"GSMDelALLTextpushButton", "QPushButton"},
                            {"groupBox_20", "QGroupBox"},
                            {"gridLayout_22", "QGridLayout"},
                            {"label_52", "QLabel"},
                            {"GSMTCPclientIPlineEdit", "QLineEdit"},
                            {"label_53", "QLabel"},
                            {"GSMTCPclientPortlineEdit", "QLineEdit"},
                            {"GSMTCPopencompushButton", "QPushButton"},
                            {"label_54", "QLabel"},
                            {"label_55", "QLabel"},
                            {"GSMTCPReadSBrowser", "QPlainTextEdit"},
                            {"GSMTcpsendBrowser", "QTextEdit"},
                            {"GSMTCPsendmsgBtn", "QPushButton"},
                            {"gsm_groupBox_config", "QGroupBox"},
                            {"gridLayout_18", "QGridLayout"},
                            {"label_30", "QLabel"},
                            {"GSMLaidianKaiguanpushButton", "QPushButton"},
                            {"label_31", "QLabel"},
                            {"GSMLaidianYingKaiguanpushButton", "QPushButton"},
                            {"label_36", "QLabel"},
                            {"GSMDuanXinWenBenKaiguanpushButton", "QPushButton"},
                        });

    QTest::newRow("gsm: GSMbaudRateComboBox items")
        << QStringLiteral("GSMbaudRateComboBox") << QStringLiteral("items") << QVariant(baudRates);
    QTest::newRow("gsm: GSMbaudRateComboBox currentIndex")
        << QStringLiteral("GSMbaudRateComboBox") << QStringLiteral("currentIndex") << QVariant(2);
    QTest::newRow("gsm: GSMbaudRateComboBox currentText")
        << QStringLiteral("GSMbaudRateComboBox") << QStringLiteral("currentText")
        << QVariant(QStringLiteral("9600"));
    QTest::newRow("gsm: GSMportNameComboBox items")
        << QStringLiteral("GSMportNameComboBox") << QStringLiteral("items")
        << QVariant(QStringList{});

    // The SMS boxes start with real content that the send slot reads as plain text;
    // the number sits in a one-cell table, hence the line breaks around it.
    QTest::newRow("gsm: GSMtextBrowser plainText")
        << QStringLiteral("GSMtextBrowser") << QStringLiteral("plainText")
        << QVariant(QStringLiteral("SMS content"));
    QTest::newRow("gsm: GSMtextBrowser readOnly")
        << QStringLiteral("GSMtextBrowser") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("gsm: GSMNUMtextEdit plainText")
        << QStringLiteral("GSMNUMtextEdit") << QStringLiteral("plainText")
        << QVariant(QStringLiteral("\nPhone number\n"));
    QTest::newRow("gsm: GSMNUMtextEdit readOnly")
        << QStringLiteral("GSMNUMtextEdit") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("gsm: GSMTcpsendBrowser plainText")
        << QStringLiteral("GSMTcpsendBrowser") << QStringLiteral("plainText")
        << QVariant(QString());
    QTest::newRow("gsm: GSMTcpsendBrowser readOnly")
        << QStringLiteral("GSMTcpsendBrowser") << QStringLiteral("readOnly") << QVariant(false);

    // Views the user reads but does not type into.
    QTest::newRow("gsm: GSMtextBrowser_1 readOnly")
        << QStringLiteral("GSMtextBrowser_1") << QStringLiteral("readOnly") << QVariant(true);
    QTest::newRow("gsm: GSMtextBrowser_1 layoutDirection")
        << QStringLiteral("GSMtextBrowser_1") << QStringLiteral("layoutDirection")
        << QVariant::fromValue(Qt::RightToLeft);
    QTest::newRow("gsm: GSMtextBrowser_1 plainText")
        << QStringLiteral("GSMtextBrowser_1") << QStringLiteral("plainText") << QVariant(QString());
    QTest::newRow("gsm: GSMReadtextBrowser readOnly")
        << QStringLiteral("GSMReadtextBrowser") << QStringLiteral("readOnly") << QVariant(true);
    QTest::newRow("gsm: GSMTCPReadSBrowser readOnly")
        << QStringLiteral("GSMTCPReadSBrowser") << QStringLiteral("readOnly") << QVariant(true);

    // The keypad names follow the digits, with _10 for "*" and _11 for "#".
    const NamedClass keys[] = {{"GSMANJIANpushButton_0", "0"},  {"GSMANJIANpushButton_1", "1"},
                               {"GSMANJIANpushButton_2", "2"},  {"GSMANJIANpushButton_3", "3"},
                               {"GSMANJIANpushButton_4", "4"},  {"GSMANJIANpushButton_5", "5"},
                               {"GSMANJIANpushButton_6", "6"},  {"GSMANJIANpushButton_7", "7"},
                               {"GSMANJIANpushButton_8", "8"},  {"GSMANJIANpushButton_9", "9"},
                               {"GSMANJIANpushButton_10", "*"}, {"GSMANJIANpushButton_11", "#"}};
    for (const NamedClass &key : keys) {
        const QString tag = QStringLiteral("gsm: %1 text").arg(QLatin1String(key.object));
        QTest::newRow(qPrintable(tag)) << QString::fromLatin1(key.object) << QStringLiteral("text")
                                       << QVariant(QString::fromLatin1(key.className));
    }

    QTest::newRow("gsm: GSM_AutoRedial checked")
        << QStringLiteral("GSM_AutoRedial") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("gsm: GSMTCPclientIPlineEdit text")
        << QStringLiteral("GSMTCPclientIPlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("127.0.0.1"));
    QTest::newRow("gsm: GSMTCPclientPortlineEdit text")
        << QStringLiteral("GSMTCPclientPortlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("1000"));

    // Return in the send box must not press the send button.
    QTest::newRow("gsm: GSMTCPsendmsgBtn default")
        << QStringLiteral("GSMTCPsendmsgBtn") << QStringLiteral("default") << QVariant(false);
    QTest::newRow("gsm: GSMTCPsendmsgBtn autoDefault")
        << QStringLiteral("GSMTCPsendmsgBtn") << QStringLiteral("autoDefault") << QVariant(false);

    // The switch buttons are bare pictures: no caption, no tooltip.
    for (const char *button : {"GSMLaidianKaiguanpushButton", "GSMLaidianYingKaiguanpushButton",
                               "GSMDuanXinWenBenKaiguanpushButton"}) {
        const QString textTag = QStringLiteral("gsm: %1 text").arg(QLatin1String(button));
        QTest::newRow(qPrintable(textTag))
            << QString::fromLatin1(button) << QStringLiteral("text") << QVariant(QString());
        const QString tipTag = QStringLiteral("gsm: %1 toolTip").arg(QLatin1String(button));
        QTest::newRow(qPrintable(tipTag))
            << QString::fromLatin1(button) << QStringLiteral("toolTip") << QVariant(QString());
    }
}
