#include "formrows.h"

#include <QStringList>
#include <QTest>
#include <QVariant>

#include <initializer_list>

// Names, classes and start values of the sensor, protocol and converter pages that the tools
// and the window's set-up code rely on.
void addToolPageRows()
{
    // Adds one class row per object.
    const auto classes = [](const char *page, const char *className,
                            std::initializer_list<const char *> objects) {
        for (const char *object : objects)
            QTest::addRow("%s: %s class", page, object)
                << QString::fromLatin1(object) << QStringLiteral("class")
                << QVariant(QString::fromLatin1(className));
    };
    // Adds the item list, the default index and the text that index selects.
    const auto comboBox = [](const char *page, const char *object, const QStringList &items,
                             int index) {
        const QString name = QString::fromLatin1(object);
        QTest::addRow("%s: %s items", page, object)
            << name << QStringLiteral("items") << QVariant(items);
        QTest::addRow("%s: %s currentIndex", page, object)
            << name << QStringLiteral("currentIndex") << QVariant(index);
        QTest::addRow("%s: %s currentText", page, object)
            << name << QStringLiteral("currentText") << QVariant(items.at(index));
    };

    // Eleven-rate list shared by the environment, spectrometer, i2cdump and time-of-flight pages.
    const QStringList baud11{
        QStringLiteral("2400"),   QStringLiteral("4800"),  QStringLiteral("9600"),
        QStringLiteral("14400"),  QStringLiteral("19200"), QStringLiteral("38400"),
        QStringLiteral("57600"),  QStringLiteral("76800"), QStringLiteral("115200"),
        QStringLiteral("128000"), QStringLiteral("256000")};

    // Unicode
    classes("unicode", "QWidget", {"Unicode"});
    classes("unicode", "QGridLayout", {"gridLayout_23"});
    classes("unicode", "LongTextEdit", {"UnicodetextBrowser", "UnicodetextEdit"});
    classes("unicode", "QPushButton", {"StoUpushButton", "UtoSpushButton"});
    classes("unicode", "QCheckBox", {"UnicodecheckBox"});
    QTest::newRow("unicode: UnicodetextBrowser readOnly")
        << QStringLiteral("UnicodetextBrowser") << QStringLiteral("readOnly") << QVariant(true);
    QTest::newRow("unicode: UnicodetextEdit readOnly")
        << QStringLiteral("UnicodetextEdit") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("unicode: UnicodecheckBox text")
        << QStringLiteral("UnicodecheckBox") << QStringLiteral("text")
        << QVariant(QStringLiteral("Prefix \"\\U\""));
    QTest::newRow("unicode: UnicodecheckBox checked")
        << QStringLiteral("UnicodecheckBox") << QStringLiteral("checked") << QVariant(false);

    // Environment: six empty gauge layouts receive the gauges created in code
    classes("environment", "QWidget", {"environment"});
    classes("environment", "QGridLayout",
            {"gridLayout_28", "env_gridLayout", "temperature_gridLayout", "humidity_gridLayout",
             "ultraviolet_gridLayout", "gridLayout_27", "CO2_gridLayout", "TVOC_gridLayout",
             "barometer_gridLayout", "gridLayout_24"});
    classes("environment", "QVBoxLayout", {"verticalLayout_4"});
    classes("environment", "QGroupBox", {"env_groupBox_serial", "env_groupBox_receive"});
    classes("environment", "QComboBox", {"ENVportNameComboBox", "ENVbaudRateComboBox"});
    classes("environment", "QPushButton", {"ENVopencompushButton", "EVN_Clear_pushButton"});
    classes("environment", "QPlainTextEdit", {"ENV_StrTextBrowser"});
    comboBox("environment", "ENVbaudRateComboBox", baud11, 2);
    QTest::newRow("environment: env_groupBox_receive maximumWidth")
        << QStringLiteral("env_groupBox_receive") << QStringLiteral("maximumWidth")
        << QVariant(200);
    QTest::newRow("environment: label_59 text")
        << QStringLiteral("label_59") << QStringLiteral("text")
        << QVariant(QStringLiteral("CO\u2082:"));

    // Crypty
    classes("crypty", "QWidget", {"Crypty"});
    classes("crypty", "QGridLayout", {"gridLayout_41", "gridLayout_29", "gridLayout_30"});
    classes("crypty", "QGroupBox", {"groupBox_13", "groupBox_15"});
    classes("crypty", "QComboBox", {"DEScomboBox"});
    classes("crypty", "QLineEdit",
            {"DeslineEdit_KEY", "DeslineEdit_KEYLEN", "DeslineEdit_Data", "DeslineEdit_Datalen",
             "DeslineEdit_Result"});
    classes("crypty", "QPushButton",
            {"DespushButton_Encryption", "DespushButton_Decryption", "base64_encode_pushButton",
             "base64_decode_pushButton"});
    classes("crypty", "LongTextEdit", {"base64_source_textBrowser", "base64_to_textBrowser"});
    comboBox("crypty", "DEScomboBox",
             QStringList{QStringLiteral("DES"), QStringLiteral("2DES"), QStringLiteral("3DES")}, 0);
    QTest::newRow("crypty: base64_source_textBrowser readOnly")
        << QStringLiteral("base64_source_textBrowser") << QStringLiteral("readOnly")
        << QVariant(false);
    QTest::newRow("crypty: base64_to_textBrowser readOnly")
        << QStringLiteral("base64_to_textBrowser") << QStringLiteral("readOnly") << QVariant(false);

    // Oscilloscope: the channel boxes start checked, before the slots are wired by name
    classes("oscilloscope", "QWidget", {"Oscilloscope"});
    classes("oscilloscope", "QGridLayout", {"gridLayout_31", "gridLayout_oscilloscpewideget"});
    classes("oscilloscope", "QVBoxLayout", {"verticalLayout_6"});
    classes("oscilloscope", "QComboBox", {"OSCportNameComboBox", "OSCbaudRateComboBox"});
    classes("oscilloscope", "QPushButton", {"OSCopencompushButton"});
    classes("oscilloscope", "QCheckBox", {"checkBox_0", "checkBox_1", "checkBox_2", "checkBox_3"});
    comboBox("oscilloscope", "OSCbaudRateComboBox",
             QStringList{QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
                         QStringLiteral("14400"), QStringLiteral("19200"), QStringLiteral("38400"),
                         QStringLiteral("57600"), QStringLiteral("76800"), QStringLiteral("115200"),
                         QStringLiteral("256000")},
             8);
    QTest::newRow("oscilloscope: checkBox_0 checked")
        << QStringLiteral("checkBox_0") << QStringLiteral("checked") << QVariant(true);
    QTest::newRow("oscilloscope: checkBox_1 checked")
        << QStringLiteral("checkBox_1") << QStringLiteral("checked") << QVariant(true);
    QTest::newRow("oscilloscope: checkBox_2 checked")
        << QStringLiteral("checkBox_2") << QStringLiteral("checked") << QVariant(true);
    QTest::newRow("oscilloscope: checkBox_3 checked")
        << QStringLiteral("checkBox_3") << QStringLiteral("checked") << QVariant(true);
    QTest::newRow("oscilloscope: checkBox_3 text")
        << QStringLiteral("checkBox_3") << QStringLiteral("text")
        << QVariant(QStringLiteral("Channel 3"));

    // MQTT
    classes("mqtt", "QWidget", {"Mqtt"});
    classes("mqtt", "QGridLayout", {"gridLayout_33"});
    classes("mqtt", "QHBoxLayout", {"horizontalLayout_2", "horizontalLayout_3"});
    classes("mqtt", "QComboBox", {"mqtt_protocol_combox"});
    classes("mqtt", "QLineEdit",
            {"mqtt_host_lineEdit", "mqtt_port_lineEdit", "mqtt_username_lineEdit",
             "mqtt_password_lineEdit", "mqtt_clientid_lineEdit", "mqtt_subscribe_lineEdit",
             "mqtt_publish_lineEdit"});
    classes("mqtt", "QPushButton",
            {"mqtt_save_pushButton", "mqtt_opencompushButton", "mqtt_subscribed_pushButton",
             "mqtt_publish_pushButton"});
    classes("mqtt", "QTextEdit", {"mqtt_textEdit"});
    classes("mqtt", "LongTextEdit", {"mqtt_pub_textEdit"});
    comboBox("mqtt", "mqtt_protocol_combox",
             QStringList{QStringLiteral("mqtt://"), QStringLiteral("mqtts://"),
                         QStringLiteral("ws://"), QStringLiteral("wss://")},
             0);
    QTest::newRow("mqtt: mqtt_host_lineEdit text")
        << QStringLiteral("mqtt_host_lineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("192.168.0.19"));
    QTest::newRow("mqtt: mqtt_port_lineEdit text")
        << QStringLiteral("mqtt_port_lineEdit") << QStringLiteral("text") << QVariant(QString());
    QTest::newRow("mqtt: mqtt_username_lineEdit text")
        << QStringLiteral("mqtt_username_lineEdit") << QStringLiteral("text")
        << QVariant(QString());
    QTest::newRow("mqtt: mqtt_password_lineEdit text")
        << QStringLiteral("mqtt_password_lineEdit") << QStringLiteral("text")
        << QVariant(QString());
    QTest::newRow("mqtt: mqtt_clientid_lineEdit text")
        << QStringLiteral("mqtt_clientid_lineEdit") << QStringLiteral("text")
        << QVariant(QString());

    // Ble: the browser widget goes into the page grid below the empty layout
    classes("ble", "QWidget", {"ble"});
    classes("ble", "QGridLayout", {"gridLayout_36", "gridLayout_35"});

    // Spectra
    classes("spectra", "QWidget", {"spectra"});
    classes("spectra", "QGridLayout", {"gridLayout_39", "gridLayout_spectra", "gridLayout_37"});
    classes("spectra", "QComboBox",
            {"SpectraportNameComboBox", "SpectrabaudRateComboBox", "SpectraYPEcomboBox",
             "SpectraportChartComboBox"});
    classes("spectra", "QPushButton", {"SpectraopencompushButton"});
    comboBox("spectra", "SpectrabaudRateComboBox", baud11, 8);
    comboBox(
        "spectra", "SpectraYPEcomboBox",
        QStringList{QStringLiteral("AS7341"), QStringLiteral("AS7343"), QStringLiteral("AS7265X")},
        0);
    comboBox("spectra", "SpectraportChartComboBox",
             QStringList{QStringLiteral("Bar Chart"), QStringLiteral("Line Chart")}, 0);

    // Convert: the converter widget goes into the page grid below the empty layout
    classes("convert", "QWidget", {"Convert"});
    classes("convert", "QGridLayout", {"gridLayout_40", "gridLayout_Convert"});

    // i2cdump
    classes("i2cdump", "QWidget", {"i2cdump"});
    classes("i2cdump", "QGridLayout", {"gridLayout_42", "gridLayout_i2cdump"});
    classes("i2cdump", "QVBoxLayout", {"verticalLayout_5"});
    classes("i2cdump", "QComboBox", {"i2cdumpportNameComboBox", "i2cdumpbaudRateComboBox"});
    classes("i2cdump", "QPushButton",
            {"i2cdumpopencompushButton", "i2cdump_stop_pushButton", "i2cdumpsancfpushButton",
             "i2cdumpreadpushButton", "i2cdumpwritepushButton", "i2cdump_Clear_pushButton"});
    classes("i2cdump", "QPlainTextEdit", {"i2cdump_StrTextBrowser"});
    comboBox("i2cdump", "i2cdumpbaudRateComboBox", baud11, 8);

    // TOF
    classes("tof", "QWidget", {"TOF"});
    classes("tof", "QGridLayout", {"gridLayout_32", "gridLayout_tof"});
    classes("tof", "QVBoxLayout", {"verticalLayout"});
    classes("tof", "QComboBox",
            {"TOFportNameComboBox", "TOFbaudRateComboBox", "TOFTYPEcomboBox",
             "TOFArrangementcomboBox", "TOFChartComboBox"});
    classes("tof", "QPushButton", {"TOFopencompushButton", "TOF_Clear_pushButton"});
    classes("tof", "QPlainTextEdit", {"TOF_StrTextBrowser"});
    comboBox("tof", "TOFbaudRateComboBox", baud11, 8);
    comboBox("tof", "TOFTYPEcomboBox",
             QStringList{QStringLiteral("VL53LMZ"), QStringLiteral("TMF8828")}, 0);
    comboBox("tof", "TOFArrangementcomboBox",
             QStringList{QStringLiteral("4x4"), QStringLiteral("8x8")}, 0);
    comboBox("tof", "TOFChartComboBox", QStringList{QStringLiteral("2D"), QStringLiteral("3D")}, 0);

    // Modbus: addresses and quantities are entered in hexadecimal
    classes("modbus", "QWidget", {"Modbus"});
    classes("modbus", "QGridLayout",
            {"gridLayout_46", "gridLayout_45", "gridLayout_43", "gridLayout_38", "gridLayout_44"});
    classes("modbus", "QGroupBox", {"groupBox_17", "groupBox_16", "groupBox_18", "groupBox_19"});
    classes("modbus", "QComboBox",
            {"Modbus_function_comboBox", "ModbusportNameComboBox", "ModbusbaudRateComboBox",
             "ModbusdataBitsComboBox", "ModbusparityComboBox", "ModbusstopBitsComboBox"});
    classes("modbus", "QSpinBox",
            {"Modbus_address_spinBox", "Modbus_quantity_spinBox", "ModbusspinBox"});
    classes("modbus", "QLineEdit",
            {"Modbus_lineEdit", "ModbusTCPclientIPlineEdit", "ModbusTCPclientPortlineEdit"});
    classes("modbus", "QPushButton",
            {"Modbus_pushButton", "ModbusTCPopencompushButton", "ModbusopencompushButton",
             "Modbus_send_cleandatapushButton", "Modbus_revice_cleandatapushButton"});
    classes("modbus", "QRadioButton", {"ModbusportMode_1", "ModbusportMode_2"});
    classes("modbus", "QPlainTextEdit", {"Modbus_sendMsgtextEdit", "Modbus_HexTextBrowser"});
    QTest::newRow("modbus: groupBox_17 title")
        << QStringLiteral("groupBox_17") << QStringLiteral("title")
        << QVariant(QStringLiteral("Coils"));
    comboBox(
        "modbus", "Modbus_function_comboBox",
        QStringList{
            QStringLiteral("01(Read Coils)"), QStringLiteral("02(Read Discrete Inputs)"),
            QStringLiteral("03(Read Holding Registers)"),
            QStringLiteral("04(Read Input Registers)"), QStringLiteral("05(Write Single Coil)"),
            QStringLiteral("06(Write Single Register)"), QStringLiteral("15(Write Multiple Coils)"),
            QStringLiteral("16(Write Multiple Registers)")},
        0);
    QTest::newRow("modbus: Modbus_address_spinBox minimum")
        << QStringLiteral("Modbus_address_spinBox") << QStringLiteral("minimum") << QVariant(0);
    QTest::newRow("modbus: Modbus_address_spinBox maximum")
        << QStringLiteral("Modbus_address_spinBox") << QStringLiteral("maximum") << QVariant(65535);
    QTest::newRow("modbus: Modbus_address_spinBox value")
        << QStringLiteral("Modbus_address_spinBox") << QStringLiteral("value") << QVariant(0);
    QTest::newRow("modbus: Modbus_address_spinBox displayIntegerBase")
        << QStringLiteral("Modbus_address_spinBox") << QStringLiteral("displayIntegerBase")
        << QVariant(16);
    QTest::newRow("modbus: Modbus_quantity_spinBox minimum")
        << QStringLiteral("Modbus_quantity_spinBox") << QStringLiteral("minimum") << QVariant(1);
    QTest::newRow("modbus: Modbus_quantity_spinBox maximum")
        << QStringLiteral("Modbus_quantity_spinBox") << QStringLiteral("maximum")
        << QVariant(65535);
    QTest::newRow("modbus: Modbus_quantity_spinBox value")
        << QStringLiteral("Modbus_quantity_spinBox") << QStringLiteral("value") << QVariant(1);
    QTest::newRow("modbus: Modbus_quantity_spinBox displayIntegerBase")
        << QStringLiteral("Modbus_quantity_spinBox") << QStringLiteral("displayIntegerBase")
        << QVariant(16);
    QTest::newRow("modbus: ModbusspinBox minimum")
        << QStringLiteral("ModbusspinBox") << QStringLiteral("minimum") << QVariant(1);
    QTest::newRow("modbus: ModbusspinBox maximum")
        << QStringLiteral("ModbusspinBox") << QStringLiteral("maximum") << QVariant(255);
    QTest::newRow("modbus: ModbusspinBox value")
        << QStringLiteral("ModbusspinBox") << QStringLiteral("value") << QVariant(1);
    QTest::newRow("modbus: ModbusspinBox displayIntegerBase")
        << QStringLiteral("ModbusspinBox") << QStringLiteral("displayIntegerBase") << QVariant(10);
    QTest::newRow("modbus: Modbus_pushButton text")
        << QStringLiteral("Modbus_pushButton") << QStringLiteral("text")
        << QVariant(QStringLiteral("Read"));
    QTest::newRow("modbus: ModbusTCPopencompushButton text")
        << QStringLiteral("ModbusTCPopencompushButton") << QStringLiteral("text")
        << QVariant(QStringLiteral("Connect"));
    QTest::newRow("modbus: ModbusTCPclientIPlineEdit text")
        << QStringLiteral("ModbusTCPclientIPlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("127.0.0.1"));
    QTest::newRow("modbus: ModbusTCPclientPortlineEdit text")
        << QStringLiteral("ModbusTCPclientPortlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("1000"));
    comboBox("modbus", "ModbusbaudRateComboBox",
             QStringList{QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
                         QStringLiteral("14400"), QStringLiteral("19200"), QStringLiteral("38400"),
                         QStringLiteral("57600"), QStringLiteral("76800"), QStringLiteral("115200"),
                         QStringLiteral("128000"), QStringLiteral("230400"),
                         QStringLiteral("256000"), QStringLiteral("460800"),
                         QStringLiteral("512000"), QStringLiteral("921600 "),
                         QStringLiteral("1000000"), QStringLiteral("2000000")},
             8);
    comboBox("modbus", "ModbusdataBitsComboBox",
             QStringList{QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                         QStringLiteral("8")},
             3);
    comboBox("modbus", "ModbusparityComboBox",
             QStringList{QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even"),
                         QStringLiteral("Mark"), QStringLiteral("Space")},
             0);
    comboBox("modbus", "ModbusstopBitsComboBox",
             QStringList{QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")}, 0);

    // More: the web view goes into web_gridLayout
    classes("more", "QWidget", {"tab_2"});
    classes("more", "QGridLayout", {"gridLayout_26", "web_gridLayout"});
}
