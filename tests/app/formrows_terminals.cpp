#include "formrows.h"

#include <QTest>

// Rows pinning the starting state of the serial, UDP and TCP terminal pages: the objectNames and
// classes the terminals look their widgets up by, the combo lists whose indexes and texts become
// port settings, and the values the pages show before any tool has run.
void addTerminalPageRows()
{
    // Serial terminal: every object of the page and its class.
    QTest::newRow("serial: serial class") << QStringLiteral("serial") << QStringLiteral("class")
                                          << QVariant(QStringLiteral("QWidget"));
    QTest::newRow("serial: gridLayout_4 class")
        << QStringLiteral("gridLayout_4") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("serial: label_9 class") << QStringLiteral("label_9") << QStringLiteral("class")
                                           << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("serial: groupBox class") << QStringLiteral("groupBox") << QStringLiteral("class")
                                            << QVariant(QStringLiteral("QGroupBox"));
    QTest::newRow("serial: gridLayout_34 class")
        << QStringLiteral("gridLayout_34") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("serial: label class")
        << QStringLiteral("label") << QStringLiteral("class") << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("serial: portNameComboBox class")
        << QStringLiteral("portNameComboBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QComboBox"));
    QTest::newRow("serial: label_2 class") << QStringLiteral("label_2") << QStringLiteral("class")
                                           << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("serial: baudRateComboBox class")
        << QStringLiteral("baudRateComboBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QComboBox"));
    QTest::newRow("serial: label_3 class") << QStringLiteral("label_3") << QStringLiteral("class")
                                           << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("serial: dataBitsComboBox class")
        << QStringLiteral("dataBitsComboBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QComboBox"));
    QTest::newRow("serial: label_4 class") << QStringLiteral("label_4") << QStringLiteral("class")
                                           << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("serial: parityComboBox class")
        << QStringLiteral("parityComboBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QComboBox"));
    QTest::newRow("serial: label_5 class") << QStringLiteral("label_5") << QStringLiteral("class")
                                           << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("serial: stopBitsComboBox class")
        << QStringLiteral("stopBitsComboBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QComboBox"));
    QTest::newRow("serial: opencompushButton class")
        << QStringLiteral("opencompushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("serial: readtxtpushButton class")
        << QStringLiteral("readtxtpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("serial: savetxtpushButton class")
        << QStringLiteral("savetxtpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("serial: cleandatapushButton class")
        << QStringLiteral("cleandatapushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("serial: com_expandpushButton class")
        << QStringLiteral("com_expandpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("serial: com_checkBox_RTS class")
        << QStringLiteral("com_checkBox_RTS") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("serial: com_checkBox_DTR class")
        << QStringLiteral("com_checkBox_DTR") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("serial: showtime_checkBox class")
        << QStringLiteral("showtime_checkBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("serial: HEXcheckBox class")
        << QStringLiteral("HEXcheckBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("serial: COM_StrTextBrowser class")
        << QStringLiteral("COM_StrTextBrowser") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPlainTextEdit"));
    QTest::newRow("serial: COM_HexTextBrowser class")
        << QStringLiteral("COM_HexTextBrowser") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPlainTextEdit"));
    QTest::newRow("serial: groupBox_4 class")
        << QStringLiteral("groupBox_4") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGroupBox"));
    QTest::newRow("serial: gridLayout_2 class")
        << QStringLiteral("gridLayout_2") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("serial: sendMsgtextEdit class")
        << QStringLiteral("sendMsgtextEdit") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPlainTextEdit"));
    QTest::newRow("serial: sendmsgBtn class")
        << QStringLiteral("sendmsgBtn") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("serial: sendAsHexcheckBox class")
        << QStringLiteral("sendAsHexcheckBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("serial: obocheckBox class")
        << QStringLiteral("obocheckBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("serial: delayspinBox class")
        << QStringLiteral("delayspinBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QSpinBox"));
    QTest::newRow("serial: label_6 class") << QStringLiteral("label_6") << QStringLiteral("class")
                                           << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("serial: cleansendpushButton class")
        << QStringLiteral("cleansendpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("serial: sendfileBtn class")
        << QStringLiteral("sendfileBtn") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("serial: groupBox_3 class")
        << QStringLiteral("groupBox_3") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGroupBox"));
    QTest::newRow("serial: gridLayout class")
        << QStringLiteral("gridLayout") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("serial: label_7 class") << QStringLiteral("label_7") << QStringLiteral("class")
                                           << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("serial: sendbyteslcdNumber class")
        << QStringLiteral("sendbyteslcdNumber") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLCDNumber"));
    QTest::newRow("serial: label_8 class") << QStringLiteral("label_8") << QStringLiteral("class")
                                           << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("serial: recvbyteslcdNumber class")
        << QStringLiteral("recvbyteslcdNumber") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLCDNumber"));
    QTest::newRow("serial: cleanbytespushButton class")
        << QStringLiteral("cleanbytespushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));

    // Serial port settings: the lists the port layer reads by index or as a number.
    QTest::newRow("serial: portNameComboBox items")
        << QStringLiteral("portNameComboBox") << QStringLiteral("items") << QVariant(QStringList{});
    QTest::newRow("serial: portNameComboBox currentIndex")
        << QStringLiteral("portNameComboBox") << QStringLiteral("currentIndex") << QVariant(-1);
    QTest::newRow("serial: baudRateComboBox items")
        << QStringLiteral("baudRateComboBox") << QStringLiteral("items")
        << QVariant(QStringList{
               QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
               QStringLiteral("14400"), QStringLiteral("19200"), QStringLiteral("38400"),
               QStringLiteral("57600"), QStringLiteral("76800"), QStringLiteral("115200"),
               QStringLiteral("128000"), QStringLiteral("230400"), QStringLiteral("256000"),
               QStringLiteral("460800"), QStringLiteral("512000"), QStringLiteral("921600 "),
               QStringLiteral("1000000"), QStringLiteral("2000000")});
    QTest::newRow("serial: baudRateComboBox currentIndex")
        << QStringLiteral("baudRateComboBox") << QStringLiteral("currentIndex") << QVariant(8);
    QTest::newRow("serial: baudRateComboBox currentText")
        << QStringLiteral("baudRateComboBox") << QStringLiteral("currentText")
        << QVariant(QStringLiteral("115200"));
    QTest::newRow("serial: dataBitsComboBox items")
        << QStringLiteral("dataBitsComboBox") << QStringLiteral("items")
        << QVariant(QStringList{QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                                QStringLiteral("8")});
    QTest::newRow("serial: dataBitsComboBox currentIndex")
        << QStringLiteral("dataBitsComboBox") << QStringLiteral("currentIndex") << QVariant(3);
    QTest::newRow("serial: parityComboBox items")
        << QStringLiteral("parityComboBox") << QStringLiteral("items")
        << QVariant(QStringList{QStringLiteral("None"), QStringLiteral("Odd"),
                                QStringLiteral("Even"), QStringLiteral("Mark"),
                                QStringLiteral("Space")});
    QTest::newRow("serial: parityComboBox currentIndex")
        << QStringLiteral("parityComboBox") << QStringLiteral("currentIndex") << QVariant(0);
    QTest::newRow("serial: stopBitsComboBox items")
        << QStringLiteral("stopBitsComboBox") << QStringLiteral("items")
        << QVariant(QStringList{QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")});
    QTest::newRow("serial: stopBitsComboBox currentIndex")
        << QStringLiteral("stopBitsComboBox") << QStringLiteral("currentIndex") << QVariant(0);

    // Serial terminal: views, send controls and counters start empty, unchecked and at zero.
    QTest::newRow("serial: COM_StrTextBrowser plainText")
        << QStringLiteral("COM_StrTextBrowser") << QStringLiteral("plainText")
        << QVariant(QStringLiteral(""));
    QTest::newRow("serial: COM_StrTextBrowser readOnly")
        << QStringLiteral("COM_StrTextBrowser") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("serial: COM_HexTextBrowser plainText")
        << QStringLiteral("COM_HexTextBrowser") << QStringLiteral("plainText")
        << QVariant(QStringLiteral(""));
    QTest::newRow("serial: COM_HexTextBrowser readOnly")
        << QStringLiteral("COM_HexTextBrowser") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("serial: sendMsgtextEdit plainText")
        << QStringLiteral("sendMsgtextEdit") << QStringLiteral("plainText")
        << QVariant(QStringLiteral(""));
    QTest::newRow("serial: sendMsgtextEdit readOnly")
        << QStringLiteral("sendMsgtextEdit") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("serial: sendmsgBtn default")
        << QStringLiteral("sendmsgBtn") << QStringLiteral("default") << QVariant(false);
    QTest::newRow("serial: sendmsgBtn autoDefault")
        << QStringLiteral("sendmsgBtn") << QStringLiteral("autoDefault") << QVariant(false);
    QTest::newRow("serial: sendmsgBtn minimumHeight")
        << QStringLiteral("sendmsgBtn") << QStringLiteral("minimumHeight") << QVariant(23);
    QTest::newRow("serial: sendmsgBtn maximumWidth")
        << QStringLiteral("sendmsgBtn") << QStringLiteral("maximumWidth") << QVariant(100);
    QTest::newRow("serial: sendmsgBtn maximumHeight")
        << QStringLiteral("sendmsgBtn") << QStringLiteral("maximumHeight") << QVariant(23);
    QTest::newRow("serial: delayspinBox minimum")
        << QStringLiteral("delayspinBox") << QStringLiteral("minimum") << QVariant(10);
    QTest::newRow("serial: delayspinBox maximum")
        << QStringLiteral("delayspinBox") << QStringLiteral("maximum") << QVariant(5000);
    QTest::newRow("serial: delayspinBox value")
        << QStringLiteral("delayspinBox") << QStringLiteral("value") << QVariant(200);
    QTest::newRow("serial: delayspinBox displayIntegerBase")
        << QStringLiteral("delayspinBox") << QStringLiteral("displayIntegerBase") << QVariant(10);
    QTest::newRow("serial: sendAsHexcheckBox checked")
        << QStringLiteral("sendAsHexcheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("serial: obocheckBox checked")
        << QStringLiteral("obocheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("serial: com_checkBox_RTS checked")
        << QStringLiteral("com_checkBox_RTS") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("serial: com_checkBox_DTR checked")
        << QStringLiteral("com_checkBox_DTR") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("serial: showtime_checkBox checked")
        << QStringLiteral("showtime_checkBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("serial: HEXcheckBox checked")
        << QStringLiteral("HEXcheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("serial: sendbyteslcdNumber intValue")
        << QStringLiteral("sendbyteslcdNumber") << QStringLiteral("intValue") << QVariant(0);
    QTest::newRow("serial: sendbyteslcdNumber digitCount")
        << QStringLiteral("sendbyteslcdNumber") << QStringLiteral("digitCount") << QVariant(5);
    QTest::newRow("serial: recvbyteslcdNumber intValue")
        << QStringLiteral("recvbyteslcdNumber") << QStringLiteral("intValue") << QVariant(0);
    QTest::newRow("serial: recvbyteslcdNumber digitCount")
        << QStringLiteral("recvbyteslcdNumber") << QStringLiteral("digitCount") << QVariant(5);
    QTest::newRow("serial: opencompushButton text")
        << QStringLiteral("opencompushButton") << QStringLiteral("text")
        << QVariant(QStringLiteral("Open"));
    QTest::newRow("serial: groupBox_4 flat")
        << QStringLiteral("groupBox_4") << QStringLiteral("flat") << QVariant(true);
    QTest::newRow("serial: groupBox_4 maximumHeight")
        << QStringLiteral("groupBox_4") << QStringLiteral("maximumHeight") << QVariant(200);

    // UDP terminal: every object of the page and its class.
    QTest::newRow("udp: udp class")
        << QStringLiteral("udp") << QStringLiteral("class") << QVariant(QStringLiteral("QWidget"));
    QTest::newRow("udp: gridLayout_3 class")
        << QStringLiteral("gridLayout_3") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("udp: groupBox_2 class")
        << QStringLiteral("groupBox_2") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGroupBox"));
    QTest::newRow("udp: gridLayout_6 class")
        << QStringLiteral("gridLayout_6") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("udp: label_17 class") << QStringLiteral("label_17") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("udp: UDPServerIPcomboBox class")
        << QStringLiteral("UDPServerIPcomboBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QComboBox"));
    QTest::newRow("udp: label_26 class") << QStringLiteral("label_26") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("udp: UDPSenderPortlineEdit class")
        << QStringLiteral("UDPSenderPortlineEdit") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLineEdit"));
    QTest::newRow("udp: label_18 class") << QStringLiteral("label_18") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("udp: UDPFarIPlineEdit class")
        << QStringLiteral("UDPFarIPlineEdit") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLineEdit"));
    QTest::newRow("udp: label_27 class") << QStringLiteral("label_27") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("udp: UDPFarPortlineEdit class")
        << QStringLiteral("UDPFarPortlineEdit") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLineEdit"));
    QTest::newRow("udp: UDPopencompushButton class")
        << QStringLiteral("UDPopencompushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("udp: UDPreadtxtpushButton class")
        << QStringLiteral("UDPreadtxtpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("udp: UDPsavetxtpushButton class")
        << QStringLiteral("UDPsavetxtpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("udp: UDPcleandatapushButton class")
        << QStringLiteral("UDPcleandatapushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("udp: UDP_showtime_checkBox class")
        << QStringLiteral("UDP_showtime_checkBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("udp: UDP_HEXcheckBox class")
        << QStringLiteral("UDP_HEXcheckBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("udp: label_10 class") << QStringLiteral("label_10") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("udp: UDP_StrTextBrowser class")
        << QStringLiteral("UDP_StrTextBrowser") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPlainTextEdit"));
    QTest::newRow("udp: UDP_HexTextBrowser class")
        << QStringLiteral("UDP_HexTextBrowser") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPlainTextEdit"));
    QTest::newRow("udp: groupBox_5 class")
        << QStringLiteral("groupBox_5") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGroupBox"));
    QTest::newRow("udp: gridLayout_5 class")
        << QStringLiteral("gridLayout_5") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("udp: UDPsendMsgtextEdit class")
        << QStringLiteral("UDPsendMsgtextEdit") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPlainTextEdit"));
    QTest::newRow("udp: UDPsendmsgBtn class")
        << QStringLiteral("UDPsendmsgBtn") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("udp: UDPsendAsHexcheckBox class")
        << QStringLiteral("UDPsendAsHexcheckBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("udp: UDPobocheckBox class")
        << QStringLiteral("UDPobocheckBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("udp: UDPdelayspinBox class")
        << QStringLiteral("UDPdelayspinBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QSpinBox"));
    QTest::newRow("udp: label_11 class") << QStringLiteral("label_11") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("udp: UDPcleansendpushButton class")
        << QStringLiteral("UDPcleansendpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("udp: groupBox_6 class")
        << QStringLiteral("groupBox_6") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGroupBox"));
    QTest::newRow("udp: gridLayout_7 class")
        << QStringLiteral("gridLayout_7") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("udp: label_12 class") << QStringLiteral("label_12") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("udp: UDPsendbyteslcdNumber class")
        << QStringLiteral("UDPsendbyteslcdNumber") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLCDNumber"));
    QTest::newRow("udp: label_13 class") << QStringLiteral("label_13") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("udp: UDPrecvbyteslcdNumber class")
        << QStringLiteral("UDPrecvbyteslcdNumber") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLCDNumber"));
    QTest::newRow("udp: UDPcleanbytespushButton class")
        << QStringLiteral("UDPcleanbytespushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));

    // UDP terminal: address boxes, views, send controls and counters.
    QTest::newRow("udp: UDPServerIPcomboBox items")
        << QStringLiteral("UDPServerIPcomboBox") << QStringLiteral("items")
        << QVariant(QStringList{});
    QTest::newRow("udp: UDPServerIPcomboBox currentIndex")
        << QStringLiteral("UDPServerIPcomboBox") << QStringLiteral("currentIndex") << QVariant(-1);
    QTest::newRow("udp: UDPServerIPcomboBox editable")
        << QStringLiteral("UDPServerIPcomboBox") << QStringLiteral("editable") << QVariant(false);
    QTest::newRow("udp: UDPSenderPortlineEdit text")
        << QStringLiteral("UDPSenderPortlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("1000"));
    QTest::newRow("udp: UDPFarIPlineEdit text")
        << QStringLiteral("UDPFarIPlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("127.0.0.1"));
    QTest::newRow("udp: UDPFarPortlineEdit text")
        << QStringLiteral("UDPFarPortlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("1000"));
    QTest::newRow("udp: UDPopencompushButton text")
        << QStringLiteral("UDPopencompushButton") << QStringLiteral("text")
        << QVariant(QStringLiteral("Start"));
    QTest::newRow("udp: UDP_StrTextBrowser plainText")
        << QStringLiteral("UDP_StrTextBrowser") << QStringLiteral("plainText")
        << QVariant(QStringLiteral(""));
    QTest::newRow("udp: UDP_StrTextBrowser readOnly")
        << QStringLiteral("UDP_StrTextBrowser") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("udp: UDP_HexTextBrowser plainText")
        << QStringLiteral("UDP_HexTextBrowser") << QStringLiteral("plainText")
        << QVariant(QStringLiteral(""));
    QTest::newRow("udp: UDP_HexTextBrowser readOnly")
        << QStringLiteral("UDP_HexTextBrowser") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("udp: UDPsendMsgtextEdit plainText")
        << QStringLiteral("UDPsendMsgtextEdit") << QStringLiteral("plainText")
        << QVariant(QStringLiteral(""));
    QTest::newRow("udp: UDPsendMsgtextEdit readOnly")
        << QStringLiteral("UDPsendMsgtextEdit") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("udp: UDPsendmsgBtn default")
        << QStringLiteral("UDPsendmsgBtn") << QStringLiteral("default") << QVariant(false);
    QTest::newRow("udp: UDPsendmsgBtn autoDefault")
        << QStringLiteral("UDPsendmsgBtn") << QStringLiteral("autoDefault") << QVariant(false);
    QTest::newRow("udp: UDPsendmsgBtn minimumHeight")
        << QStringLiteral("UDPsendmsgBtn") << QStringLiteral("minimumHeight") << QVariant(23);
    QTest::newRow("udp: UDPsendmsgBtn maximumWidth")
        << QStringLiteral("UDPsendmsgBtn") << QStringLiteral("maximumWidth") << QVariant(100);
    QTest::newRow("udp: UDPsendmsgBtn maximumHeight")
        << QStringLiteral("UDPsendmsgBtn") << QStringLiteral("maximumHeight") << QVariant(23);
    QTest::newRow("udp: UDPdelayspinBox minimum")
        << QStringLiteral("UDPdelayspinBox") << QStringLiteral("minimum") << QVariant(10);
    QTest::newRow("udp: UDPdelayspinBox maximum")
        << QStringLiteral("UDPdelayspinBox") << QStringLiteral("maximum") << QVariant(5000);
    QTest::newRow("udp: UDPdelayspinBox value")
        << QStringLiteral("UDPdelayspinBox") << QStringLiteral("value") << QVariant(200);
    QTest::newRow("udp: UDPdelayspinBox displayIntegerBase")
        << QStringLiteral("UDPdelayspinBox") << QStringLiteral("displayIntegerBase")
        << QVariant(10);
    QTest::newRow("udp: UDPsendAsHexcheckBox checked")
        << QStringLiteral("UDPsendAsHexcheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("udp: UDPobocheckBox checked")
        << QStringLiteral("UDPobocheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("udp: UDP_showtime_checkBox checked")
        << QStringLiteral("UDP_showtime_checkBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("udp: UDP_HEXcheckBox checked")
        << QStringLiteral("UDP_HEXcheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("udp: UDPsendbyteslcdNumber intValue")
        << QStringLiteral("UDPsendbyteslcdNumber") << QStringLiteral("intValue") << QVariant(0);
    QTest::newRow("udp: UDPsendbyteslcdNumber digitCount")
        << QStringLiteral("UDPsendbyteslcdNumber") << QStringLiteral("digitCount") << QVariant(5);
    QTest::newRow("udp: UDPrecvbyteslcdNumber intValue")
        << QStringLiteral("UDPrecvbyteslcdNumber") << QStringLiteral("intValue") << QVariant(0);
    QTest::newRow("udp: UDPrecvbyteslcdNumber digitCount")
        << QStringLiteral("UDPrecvbyteslcdNumber") << QStringLiteral("digitCount") << QVariant(5);
    QTest::newRow("udp: groupBox_5 flat")
        << QStringLiteral("groupBox_5") << QStringLiteral("flat") << QVariant(true);
    QTest::newRow("udp: groupBox_5 maximumHeight")
        << QStringLiteral("groupBox_5") << QStringLiteral("maximumHeight") << QVariant(160);
    QTest::newRow("udp: groupBox_6 maximumHeight")
        << QStringLiteral("groupBox_6") << QStringLiteral("maximumHeight") << QVariant(160);

    // TCP terminal: every object of the page and its class.
    QTest::newRow("tcp: tcp class")
        << QStringLiteral("tcp") << QStringLiteral("class") << QVariant(QStringLiteral("QWidget"));
    QTest::newRow("tcp: gridLayout_12 class")
        << QStringLiteral("gridLayout_12") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("tcp: label_15 class") << QStringLiteral("label_15") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("tcp: groupBox_9 class")
        << QStringLiteral("groupBox_9") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGroupBox"));
    QTest::newRow("tcp: gridLayout_11 class")
        << QStringLiteral("gridLayout_11") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("tcp: label_22 class") << QStringLiteral("label_22") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("tcp: TCP_comboBox class")
        << QStringLiteral("TCP_comboBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QComboBox"));
    QTest::newRow("tcp: label_20 class") << QStringLiteral("label_20") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("tcp: TCPServerIPcomboBox class")
        << QStringLiteral("TCPServerIPcomboBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QComboBox"));
    QTest::newRow("tcp: label_28 class") << QStringLiteral("label_28") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("tcp: TCPServerPortlineEdit class")
        << QStringLiteral("TCPServerPortlineEdit") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLineEdit"));
    QTest::newRow("tcp: label_21 class") << QStringLiteral("label_21") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("tcp: TCPclientIPlineEdit class")
        << QStringLiteral("TCPclientIPlineEdit") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLineEdit"));
    QTest::newRow("tcp: label_29 class") << QStringLiteral("label_29") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("tcp: TCPclientPortlineEdit class")
        << QStringLiteral("TCPclientPortlineEdit") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLineEdit"));
    QTest::newRow("tcp: TCPopencompushButton class")
        << QStringLiteral("TCPopencompushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("tcp: TCPreadtxtpushButton class")
        << QStringLiteral("TCPreadtxtpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("tcp: TCPsavetxtpushButton class")
        << QStringLiteral("TCPsavetxtpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("tcp: TCPcleandatapushButton class")
        << QStringLiteral("TCPcleandatapushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("tcp: TCP_showtime_checkBox class")
        << QStringLiteral("TCP_showtime_checkBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("tcp: TCP_HEXcheckBox class")
        << QStringLiteral("TCP_HEXcheckBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("tcp: TCP_StrTextBrowser class")
        << QStringLiteral("TCP_StrTextBrowser") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPlainTextEdit"));
    QTest::newRow("tcp: TCP_HexTextBrowser class")
        << QStringLiteral("TCP_HexTextBrowser") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPlainTextEdit"));
    QTest::newRow("tcp: groupBox_7 class")
        << QStringLiteral("groupBox_7") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGroupBox"));
    QTest::newRow("tcp: gridLayout_9 class")
        << QStringLiteral("gridLayout_9") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("tcp: TCPsendMsgtextEdit class")
        << QStringLiteral("TCPsendMsgtextEdit") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPlainTextEdit"));
    QTest::newRow("tcp: TCP_Client_IP_comboBox class")
        << QStringLiteral("TCP_Client_IP_comboBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QComboBox"));
    QTest::newRow("tcp: TCPsendmsgBtn class")
        << QStringLiteral("TCPsendmsgBtn") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("tcp: TCPsendAsHexcheckBox class")
        << QStringLiteral("TCPsendAsHexcheckBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("tcp: TCPobocheckBox class")
        << QStringLiteral("TCPobocheckBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QCheckBox"));
    QTest::newRow("tcp: TCPdelayspinBox class")
        << QStringLiteral("TCPdelayspinBox") << QStringLiteral("class")
        << QVariant(QStringLiteral("QSpinBox"));
    QTest::newRow("tcp: label_14 class") << QStringLiteral("label_14") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("tcp: TCPcleansendpushButton class")
        << QStringLiteral("TCPcleansendpushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));
    QTest::newRow("tcp: groupBox_8 class")
        << QStringLiteral("groupBox_8") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGroupBox"));
    QTest::newRow("tcp: gridLayout_10 class")
        << QStringLiteral("gridLayout_10") << QStringLiteral("class")
        << QVariant(QStringLiteral("QGridLayout"));
    QTest::newRow("tcp: label_16 class") << QStringLiteral("label_16") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("tcp: TCPsendbyteslcdNumber class")
        << QStringLiteral("TCPsendbyteslcdNumber") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLCDNumber"));
    QTest::newRow("tcp: label_19 class") << QStringLiteral("label_19") << QStringLiteral("class")
                                         << QVariant(QStringLiteral("QLabel"));
    QTest::newRow("tcp: TCPrecvbyteslcdNumber class")
        << QStringLiteral("TCPrecvbyteslcdNumber") << QStringLiteral("class")
        << QVariant(QStringLiteral("QLCDNumber"));
    QTest::newRow("tcp: TCPcleanbytespushButton class")
        << QStringLiteral("TCPcleanbytespushButton") << QStringLiteral("class")
        << QVariant(QStringLiteral("QPushButton"));

    // TCP terminal: mode and address boxes, client list, views, send controls and counters.
    QTest::newRow("tcp: TCP_comboBox items")
        << QStringLiteral("TCP_comboBox") << QStringLiteral("items")
        << QVariant(QStringList{QStringLiteral("TCP Server"), QStringLiteral("TCP Client")});
    QTest::newRow("tcp: TCP_comboBox currentIndex")
        << QStringLiteral("TCP_comboBox") << QStringLiteral("currentIndex") << QVariant(0);
    QTest::newRow("tcp: TCPServerIPcomboBox items")
        << QStringLiteral("TCPServerIPcomboBox") << QStringLiteral("items")
        << QVariant(QStringList{});
    QTest::newRow("tcp: TCPServerIPcomboBox currentIndex")
        << QStringLiteral("TCPServerIPcomboBox") << QStringLiteral("currentIndex") << QVariant(-1);
    QTest::newRow("tcp: TCPServerIPcomboBox editable")
        << QStringLiteral("TCPServerIPcomboBox") << QStringLiteral("editable") << QVariant(false);
    QTest::newRow("tcp: TCP_Client_IP_comboBox items")
        << QStringLiteral("TCP_Client_IP_comboBox") << QStringLiteral("items")
        << QVariant(QStringList{});
    QTest::newRow("tcp: TCP_Client_IP_comboBox currentIndex")
        << QStringLiteral("TCP_Client_IP_comboBox") << QStringLiteral("currentIndex")
        << QVariant(-1);
    QTest::newRow("tcp: TCPServerPortlineEdit text")
        << QStringLiteral("TCPServerPortlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("1000"));
    QTest::newRow("tcp: TCPclientIPlineEdit text")
        << QStringLiteral("TCPclientIPlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("127.0.0.1"));
    QTest::newRow("tcp: TCPclientPortlineEdit text")
        << QStringLiteral("TCPclientPortlineEdit") << QStringLiteral("text")
        << QVariant(QStringLiteral("1000"));
    QTest::newRow("tcp: TCPopencompushButton text")
        << QStringLiteral("TCPopencompushButton") << QStringLiteral("text")
        << QVariant(QStringLiteral("Start"));
    QTest::newRow("tcp: TCP_StrTextBrowser plainText")
        << QStringLiteral("TCP_StrTextBrowser") << QStringLiteral("plainText")
        << QVariant(QStringLiteral(""));
    QTest::newRow("tcp: TCP_StrTextBrowser readOnly")
        << QStringLiteral("TCP_StrTextBrowser") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("tcp: TCP_HexTextBrowser plainText")
        << QStringLiteral("TCP_HexTextBrowser") << QStringLiteral("plainText")
        << QVariant(QStringLiteral(""));
    QTest::newRow("tcp: TCP_HexTextBrowser readOnly")
        << QStringLiteral("TCP_HexTextBrowser") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("tcp: TCPsendMsgtextEdit plainText")
        << QStringLiteral("TCPsendMsgtextEdit") << QStringLiteral("plainText")
        << QVariant(QStringLiteral(""));
    QTest::newRow("tcp: TCPsendMsgtextEdit readOnly")
        << QStringLiteral("TCPsendMsgtextEdit") << QStringLiteral("readOnly") << QVariant(false);
    QTest::newRow("tcp: TCPsendmsgBtn default")
        << QStringLiteral("TCPsendmsgBtn") << QStringLiteral("default") << QVariant(false);
    QTest::newRow("tcp: TCPsendmsgBtn autoDefault")
        << QStringLiteral("TCPsendmsgBtn") << QStringLiteral("autoDefault") << QVariant(false);
    QTest::newRow("tcp: TCPsendmsgBtn minimumHeight")
        << QStringLiteral("TCPsendmsgBtn") << QStringLiteral("minimumHeight") << QVariant(23);
    QTest::newRow("tcp: TCPsendmsgBtn maximumWidth")
        << QStringLiteral("TCPsendmsgBtn") << QStringLiteral("maximumWidth") << QVariant(100);
    QTest::newRow("tcp: TCPsendmsgBtn maximumHeight")
        << QStringLiteral("TCPsendmsgBtn") << QStringLiteral("maximumHeight") << QVariant(23);
    QTest::newRow("tcp: TCPdelayspinBox minimum")
        << QStringLiteral("TCPdelayspinBox") << QStringLiteral("minimum") << QVariant(10);
    QTest::newRow("tcp: TCPdelayspinBox maximum")
        << QStringLiteral("TCPdelayspinBox") << QStringLiteral("maximum") << QVariant(5000);
    QTest::newRow("tcp: TCPdelayspinBox value")
        << QStringLiteral("TCPdelayspinBox") << QStringLiteral("value") << QVariant(200);
    QTest::newRow("tcp: TCPdelayspinBox displayIntegerBase")
        << QStringLiteral("TCPdelayspinBox") << QStringLiteral("displayIntegerBase")
        << QVariant(10);
    QTest::newRow("tcp: TCPsendAsHexcheckBox checked")
        << QStringLiteral("TCPsendAsHexcheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("tcp: TCPobocheckBox checked")
        << QStringLiteral("TCPobocheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("tcp: TCP_showtime_checkBox checked")
        << QStringLiteral("TCP_showtime_checkBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("tcp: TCP_HEXcheckBox checked")
        << QStringLiteral("TCP_HEXcheckBox") << QStringLiteral("checked") << QVariant(false);
    QTest::newRow("tcp: TCPsendbyteslcdNumber intValue")
        << QStringLiteral("TCPsendbyteslcdNumber") << QStringLiteral("intValue") << QVariant(0);
    QTest::newRow("tcp: TCPsendbyteslcdNumber digitCount")
        << QStringLiteral("TCPsendbyteslcdNumber") << QStringLiteral("digitCount") << QVariant(5);
    QTest::newRow("tcp: TCPrecvbyteslcdNumber intValue")
        << QStringLiteral("TCPrecvbyteslcdNumber") << QStringLiteral("intValue") << QVariant(0);
    QTest::newRow("tcp: TCPrecvbyteslcdNumber digitCount")
        << QStringLiteral("TCPrecvbyteslcdNumber") << QStringLiteral("digitCount") << QVariant(5);
    QTest::newRow("tcp: groupBox_7 flat")
        << QStringLiteral("groupBox_7") << QStringLiteral("flat") << QVariant(true);
    QTest::newRow("tcp: groupBox_7 maximumHeight")
        << QStringLiteral("groupBox_7") << QStringLiteral("maximumHeight") << QVariant(200);
    QTest::newRow("tcp: label_15 maximumHeight")
        << QStringLiteral("label_15") << QStringLiteral("maximumHeight") << QVariant(15);
}
