#include "catalogues.h"
#include "filesizelimit.h"
#include "mainwindow.h"
#include "portlist.h"
#include "promptrecorder.h"
#include "ptypair.h"
#include "readgate.h"
#include "receivechecks.h"
#include "sendfilesource.h"
#include "settingsfile.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLCDNumber>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QThread>
#include <QTimer>
#include <QTranslator>

#include <atomic>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The serial terminal on a pty: the test plays the device on the master end.
class TestSerialTerminal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void noPortListedDoesNothing();
    void openShowsWhatTheDeviceSends();
    void openDisablesSettingsAndOtherTools();
    void closeRestoresEverything();
    void failedOpenLeavesEverythingClosed();
    void timeStampsInBothViews();
    void receivedMarkupShowsAsText_data();
    void receivedMarkupShowsAsText();
    void characterSplitBetweenReads();
    void hexViewFilledWhileHidden();
    void receiveCounterStopsAt99999();
    void clearButtons();
    void send_data();
    void send();
    void emptySendBox();
    void repeatSendTicksAndStops();
    void sendFileDeliversEveryLine();
    void sendFileIntoASlowDevice_data();
    void sendFileIntoASlowDevice();
    void sendFileFollowsItsPort_data();
    void sendFileFollowsItsPort();
    void sendFileSendsEveryByte_data();
    void sendFileSendsEveryByte();
    void sendFileRefusesWhatIsNotARegularFile_data();
    void sendFileRefusesWhatIsNotARegularFile();
    void sendFileOfAChangingFile_data();
    void sendFileOfAChangingFile();
    void quittingTellsTheRestWithTheWindowShown();
    void aFigureBelongsToItsSend_data();
    void aFigureBelongsToItsSend();
    void quittingLeavesNoProcess();
    void filesReadToTheirEnd_data();
    void filesReadToTheirEnd();
    void importLoadsVerbatim();
    void importSizeLimit_data();
    void importSizeLimit();
    void exportSavesTheTextView();
    void exportOntoAFullDisk();
    void streamsKeepTheViewsBounded_data();
    void streamsKeepTheViewsBounded();
    void unpluggedDeviceClosesThePort();

private:
    void openPort();
    void expectClosed();
    // A file of `lines` numbered lines of 1999 bytes, each followed by the
    // next of `lineEnds` in turn; its path.
    QString writeLines(int lines, QByteArray *content, const QByteArrayList &lineEnds = {"\n"});
    // A file holding `content`; its path.
    QString writeFile(const QByteArray &content);
    QPushButton *button(const char *name) const { return child<QPushButton>(*m_window, name); }
    QPlainTextEdit *edit(const char *name) const { return child<QPlainTextEdit>(*m_window, name); }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(*m_window, name); }
    int counter(const char *name) const { return child<QLCDNumber>(*m_window, name)->intValue(); }
    // The hex view's text, shown first as the user does: while hidden it
    // only keeps the bytes.
    QString hexView() const
    {
        box("HEXcheckBox")->setChecked(true);
        return edit("COM_HexTextBrowser")->toPlainText();
    }

    std::unique_ptr<PtyPair> m_pty;
    QStringList m_ports;
    std::unique_ptr<MainWindow> m_window;
    QTemporaryDir m_files;
};

static const char *const settingsBoxes[] = {
    "portNameComboBox",        "baudRateComboBox",        "dataBitsComboBox",
    "parityComboBox",          "stopBitsComboBox",        "GPSportNameComboBox",
    "GPSbaudRateComboBox",     "GSMportNameComboBox",     "GSMbaudRateComboBox",
    "ENVportNameComboBox",     "ENVbaudRateComboBox",     "OSCportNameComboBox",
    "OSCbaudRateComboBox",     "SpectraportNameComboBox", "SpectrabaudRateComboBox",
    "i2cdumpportNameComboBox", "i2cdumpbaudRateComboBox", "TOFportNameComboBox",
    "TOFbaudRateComboBox",     "ModbusportNameComboBox",  "ModbusbaudRateComboBox",
    "ModbusdataBitsComboBox",  "ModbusparityComboBox",    "ModbusstopBitsComboBox"};
static const char *const otherOpenButtons[] = {
    "GPSopencompushButton", "GSMopencompushButton",     "ENVopencompushButton",
    "OSCopencompushButton", "SpectraopencompushButton", "i2cdumpopencompushButton",
    "TOFopencompushButton", "ModbusopencompushButton"};
static const char *const sendControls[] = {"sendmsgBtn", "sendfileBtn", "sendMsgtextEdit",
                                           "com_expandpushButton"};

void TestSerialTerminal::init()
{
    m_pty = std::make_unique<PtyPair>();
    QVERIFY(m_pty->isOpen());
    m_ports = {m_pty->slavePath()};
    PortList::setLister([this] { return m_ports; });
    m_window = std::make_unique<MainWindow>();
}

void TestSerialTerminal::cleanup()
{
    m_window.reset();
    m_pty.reset();
    PortList::setLister({});
    SendFileSource::setOpener({});
    QFile::remove(settingsFilePath());
}

// Closed: every tool's settings and open button usable, no send controls.
void TestSerialTerminal::expectClosed()
{
    QCOMPARE(button("opencompushButton")->text(), QStringLiteral("Open"));
    for (const char *name : settingsBoxes)
        QVERIFY2(child<QWidget>(*m_window, name)->isEnabled(), name);
    for (const char *name : otherOpenButtons)
        QVERIFY2(button(name)->isEnabled(), name);
    for (const char *name : sendControls)
        QVERIFY2(!child<QWidget>(*m_window, name)->isEnabled(), name);
}

void TestSerialTerminal::openPort()
{
    button("opencompushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
}

void TestSerialTerminal::noPortListedDoesNothing()
{
    m_ports.clear();
    m_window = std::make_unique<MainWindow>();
    button("opencompushButton")->click();
    QCOMPARE(statusText(*m_window), QString());
    QCOMPARE(button("opencompushButton")->text(), QStringLiteral("Open"));
    QVERIFY(child<QComboBox>(*m_window, "GPSportNameComboBox")->isEnabled());
}

void TestSerialTerminal::openShowsWhatTheDeviceSends()
{
    openPort();
    QCOMPARE(button("opencompushButton")->text(), QStringLiteral("Close"));
    QVERIFY(button("opencompushButton")->styleSheet().contains(QLatin1String("#FF4A19")));
    QVERIFY(m_pty->write("OK\r\nREADY\n"));
    QTRY_COMPARE(edit("COM_StrTextBrowser")->toPlainText(), QStringLiteral("OK\nREADY\n"));
    QCOMPARE(hexView(), QStringLiteral("0x4f,0x4b,0x0d,0x0a,\n0x52,0x45,0x41,0x44,0x59,0x0a,\n"));
    QCOMPARE(counter("recvbyteslcdNumber"), 10);
    QVERIFY2(QRegularExpression(QStringLiteral("^Successfully read \\d+ byte data$"))
                 .match(statusText(*m_window))
                 .hasMatch(),
             qPrintable(statusText(*m_window)));
    QVERIFY(edit("COM_StrTextBrowser")->isReadOnly());
    QCOMPARE(edit("COM_StrTextBrowser")->maximumBlockCount(), 10000);
    QCOMPARE(edit("COM_HexTextBrowser")->maximumBlockCount(), 10000);
}

void TestSerialTerminal::openDisablesSettingsAndOtherTools()
{
    openPort();
    for (const char *name : settingsBoxes)
        QVERIFY2(!child<QWidget>(*m_window, name)->isEnabled(), name);
    for (const char *name : otherOpenButtons)
        QVERIFY2(!button(name)->isEnabled(), name);
    QVERIFY(button("opencompushButton")->isEnabled());
    for (const char *name : sendControls)
        QVERIFY2(child<QWidget>(*m_window, name)->isEnabled(), name);
    // The terminal's switch leaves the other tools' own extras alone.
    QVERIFY(child<QRadioButton>(*m_window, "GPSportMode_01")->isEnabled());
    QVERIFY(!box("com_checkBox_DTR")->isChecked());

    // The rescan is stopped while the port is open.
    m_ports.append(QStringLiteral("ttyUSB7"));
    QTest::qWait(1200);
    QCOMPARE(child<QComboBox>(*m_window, "portNameComboBox")->count(), 1);
}

void TestSerialTerminal::closeRestoresEverything()
{
    openPort();
    m_ports.append(QStringLiteral("ttyUSB7"));
    button("opencompushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial closed"));
    QCOMPARE(button("opencompushButton")->text(), QStringLiteral("Open"));
    QVERIFY(button("opencompushButton")->styleSheet().contains(QLatin1String("#4CAF50")));
    expectClosed();
    // The rescan runs again and lists the port plugged in meanwhile.
    QTRY_COMPARE_WITH_TIMEOUT(child<QComboBox>(*m_window, "ModbusportNameComboBox")->count(), 2,
                              2000);

    // The port can be opened again, and bytes reach the views once more.
    openPort();
    QVERIFY(m_pty->write("again"));
    QTRY_COMPARE(edit("COM_StrTextBrowser")->toPlainText(), QStringLiteral("again"));
}

void TestSerialTerminal::failedOpenLeavesEverythingClosed()
{
    m_ports = {QStringLiteral("/dev/pts/no-such-port")};
    m_window = std::make_unique<MainWindow>();
    button("opencompushButton")->click();
    QCOMPARE(statusText(*m_window),
             QStringLiteral("Serial failed to open, The serial does not exist or already used."));
    QCOMPARE(button("opencompushButton")->text(), QStringLiteral("Open"));
    expectClosed();
    m_ports.append(m_pty->slavePath());
    QTRY_COMPARE_WITH_TIMEOUT(child<QComboBox>(*m_window, "portNameComboBox")->count(), 2, 2000);

    // A later open of a real port works.
    child<QComboBox>(*m_window, "portNameComboBox")->setCurrentIndex(1);
    openPort();
}

void TestSerialTerminal::timeStampsInBothViews()
{
    box("showtime_checkBox")->setChecked(true);
    openPort();
    QVERIFY(m_pty->write("a"));
    QTRY_VERIFY(edit("COM_StrTextBrowser")->toPlainText().endsWith(QLatin1Char('a')));
    QVERIFY(m_pty->write("b\nc"));
    QTRY_VERIFY(edit("COM_StrTextBrowser")->toPlainText().endsWith(QLatin1Char('c')));

    const QString stamp = QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]");
    const QRegularExpression text(QLatin1Char('^') + stamp + QStringLiteral("a\\n") + stamp +
                                  QStringLiteral("b\\nc$"));
    QVERIFY2(text.match(edit("COM_StrTextBrowser")->toPlainText()).hasMatch(),
             qPrintable(edit("COM_StrTextBrowser")->toPlainText()));
    const QRegularExpression hex(QLatin1Char('^') + stamp + QStringLiteral("0x61,\\n") + stamp +
                                 QStringLiteral("0x62,0x0a,\\n0x63,$"));
    QVERIFY2(hex.match(hexView()).hasMatch(), qPrintable(hexView()));

    // The stamp is green, the data black.
    const QTextBlock first = edit("COM_StrTextBrowser")->document()->firstBlock();
    const QTextCharFormat stampFormat = first.begin().fragment().charFormat();
    QCOMPARE(stampFormat.foreground().color(), QColor(0, 128, 0));
    QTextBlock::iterator data = first.begin();
    ++data;
    QCOMPARE(data.fragment().text(), QStringLiteral("a"));
    QCOMPARE(data.fragment().charFormat().foreground().color(), QColor(Qt::black));

    // Without stamps the chunks run on.
    box("showtime_checkBox")->setChecked(false);
    QVERIFY(m_pty->write("d"));
    QTRY_VERIFY(edit("COM_StrTextBrowser")->toPlainText().endsWith(QLatin1String("cd")));
}

void TestSerialTerminal::receivedMarkupShowsAsText_data()
{
    QTest::addColumn<bool>("timeStamps");
    QTest::newRow("with time stamps") << true;
    QTest::newRow("without") << false;
}

void TestSerialTerminal::receivedMarkupShowsAsText()
{
    QFETCH(bool, timeStamps);
    box("showtime_checkBox")->setChecked(timeStamps);
    openPort();
    const QByteArray markup("<b>bold</b> &amp; <br>x  y\nnext");
    QVERIFY(m_pty->write(markup));
    QTRY_VERIFY(edit("COM_StrTextBrowser")->toPlainText().endsWith(QLatin1String("next")));
    const QString shown = edit("COM_StrTextBrowser")->toPlainText();
    QVERIFY2(shown.endsWith(QString::fromLatin1(markup)), qPrintable(shown));
}

void TestSerialTerminal::characterSplitBetweenReads()
{
    openPort();
    QVERIFY(m_pty->write("\xe6\xb8"));
    QTRY_COMPARE(counter("recvbyteslcdNumber"), 2);
    QVERIFY(m_pty->write("\xa9\xf0\x9f"));
    QTRY_COMPARE(counter("recvbyteslcdNumber"), 5);
    QVERIFY(m_pty->write("\x98\x80"));
    QTRY_COMPARE(edit("COM_StrTextBrowser")->toPlainText(), QString::fromUtf8("温😀"));
    QCOMPARE(hexView(), QStringLiteral("0xe6,0xb8,0xa9,0xf0,0x9f,0x98,0x80,"));
}

// Shown later, the hex view holds what came while it was hidden.
void TestSerialTerminal::hexViewFilledWhileHidden()
{
    openPort();
    QVERIFY(edit("COM_HexTextBrowser")->isHidden());
    QVERIFY(m_pty->write("Z"));
    QTRY_COMPARE(counter("recvbyteslcdNumber"), 1);
    QCOMPARE(hexView(), QStringLiteral("0x5a,"));
    QVERIFY(!edit("COM_HexTextBrowser")->isHidden());
    box("HEXcheckBox")->setChecked(false);
    QVERIFY(edit("COM_HexTextBrowser")->isHidden());
    QVERIFY(m_pty->write("\n"));
    QTRY_COMPARE(counter("recvbyteslcdNumber"), 2);
    QCOMPARE(hexView(), QStringLiteral("0x5a,0x0a,\n"));
}

void TestSerialTerminal::receiveCounterStopsAt99999()
{
    openPort();
    child<QLCDNumber>(*m_window, "recvbyteslcdNumber")->display(99990);
    QVERIFY(m_pty->write(QByteArray(20, 'x')));
    QTRY_COMPARE(counter("recvbyteslcdNumber"), 99999);
    QVERIFY(m_pty->write("more"));
    QTRY_VERIFY(edit("COM_StrTextBrowser")->toPlainText().endsWith(QLatin1String("more")));
    QCOMPARE(counter("recvbyteslcdNumber"), 99999);
    button("cleanbytespushButton")->click();
    QCOMPARE(counter("recvbyteslcdNumber"), 0);
    QCOMPARE(statusText(*m_window), QStringLiteral("Counter has been cleared"));
}

void TestSerialTerminal::clearButtons()
{
    openPort();
    QVERIFY(m_pty->write("abc"));
    QTRY_COMPARE(edit("COM_StrTextBrowser")->toPlainText(), QStringLiteral("abc"));
    button("cleandatapushButton")->click();
    QVERIFY(edit("COM_StrTextBrowser")->toPlainText().isEmpty());
    QVERIFY(edit("COM_HexTextBrowser")->toPlainText().isEmpty());
    QCOMPARE(statusText(*m_window), QStringLiteral("Receive has been cleared"));
    edit("sendMsgtextEdit")->setPlainText(QStringLiteral("x"));
    button("cleansendpushButton")->click();
    QVERIFY(edit("sendMsgtextEdit")->toPlainText().isEmpty());
    QCOMPARE(statusText(*m_window), QStringLiteral("Send has been cleared"));
}

void TestSerialTerminal::send_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("message");

    QTest::newRow("text, LF as CRLF")
        << "AT\nATI" << false << QByteArray("AT\r\nATI") << "Send Success";
    QTest::newRow("text, CRLF kept single")
        << "A\r\nB" << false << QByteArray("A\r\nB") << "Send Success";
    QTest::newRow("text, UTF-8") << QString::fromUtf8("温度") << false
                                 << QByteArray("\xe6\xb8\xa9\xe5\xba\xa6") << "Send Success";
    QTest::newRow("hex parts") << "01 02  ff" << true << QByteArray("\x01\x02\xff", 3)
                               << "Send Success";
    QTest::newRow("hex, odd and negative parts")
        << "1FF -1 0" << true << QByteArray("\xff\xff\x00", 3) << "Send Success";
    QTest::newRow("hex, bad part sends nothing")
        << "01 02 xx" << true << QByteArray() << "The input data format is wrong!";
    QTest::newRow("hex, line break between digits sends nothing")
        << "0\n1" << true << QByteArray() << "The input data format is wrong!";
}

void TestSerialTerminal::send()
{
    QFETCH(QString, box);
    QFETCH(bool, hex);
    QFETCH(QByteArray, sent);
    QFETCH(QString, message);

    openPort();
    edit("sendMsgtextEdit")->setPlainText(box);
    this->box("sendAsHexcheckBox")->setChecked(hex);
    button("sendmsgBtn")->click();
    if (sent.isEmpty()) {
        QCOMPARE(statusText(*m_window), message);
        QCOMPARE(m_pty->readFor(200), QByteArray());
        QCOMPARE(counter("sendbyteslcdNumber"), 0);
        QCOMPARE(button("sendmsgBtn")->text(), QStringLiteral("Send"));
        return;
    }
    const QByteArray received = m_pty->read(sent.size());
    QVERIFY2(received == sent,
             qPrintable(
                 QStringLiteral("expected %1, got %2").arg(sent.toHex(' '), received.toHex(' '))));
    // Counted, and told, as the port writes the bytes.
    QTRY_COMPARE(statusText(*m_window), message);
    QTRY_COMPARE(counter("sendbyteslcdNumber"), int(sent.size()));
}

void TestSerialTerminal::emptySendBox()
{
    openPort();
    button("sendmsgBtn")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("No Data"));
    QCOMPARE(m_pty->readFor(100), QByteArray());
}

void TestSerialTerminal::repeatSendTicksAndStops()
{
    openPort();
    QVERIFY(!child<QSpinBox>(*m_window, "delayspinBox")->isEnabled());
    box("obocheckBox")->setChecked(true);
    QCOMPARE(statusText(*m_window), QStringLiteral("Enable Keep sending"));
    QVERIFY(child<QSpinBox>(*m_window, "delayspinBox")->isEnabled());
    child<QSpinBox>(*m_window, "delayspinBox")->setValue(20);
    edit("sendMsgtextEdit")->setPlainText(QStringLiteral("X"));
    button("sendmsgBtn")->click();
    QCOMPARE(button("sendmsgBtn")->text(), QStringLiteral("Pause"));
    const QByteArray ticks = m_pty->readFor(500);
    QVERIFY2(ticks.size() >= 5 && ticks.count('X') == ticks.size(), ticks.constData());

    button("sendmsgBtn")->click();
    QCOMPARE(button("sendmsgBtn")->text(), QStringLiteral("Send"));
    const qsizetype received = ticks.size() + m_pty->readFor(50).size();
    // The counter holds what the port wrote, all of which reached the device.
    QTRY_COMPARE(counter("sendbyteslcdNumber"), int(received));
    QCOMPARE(m_pty->readFor(200), QByteArray());

    // A bad hex box stops a running repeat: the timer itself, so a box
    // mended afterwards sends nothing until the user presses Send again.
    this->box("sendAsHexcheckBox")->setChecked(true);
    edit("sendMsgtextEdit")->setPlainText(QStringLiteral("zz"));
    button("sendmsgBtn")->click();
    QCOMPARE(button("sendmsgBtn")->text(), QStringLiteral("Pause"));
    QTRY_COMPARE(button("sendmsgBtn")->text(), QStringLiteral("Send"));
    QCOMPARE(statusText(*m_window), QStringLiteral("The input data format is wrong!"));
    QVERIFY(button("sendmsgBtn")->icon().isNull());
    edit("sendMsgtextEdit")->setPlainText(QStringLiteral("41"));
    QCOMPARE(m_pty->readFor(200), QByteArray());
}

// Lines leave one by one from a timer; the window keeps handling events
// meanwhile, and every byte arrives with CR LF read as LF.
void TestSerialTerminal::sendFileDeliversEveryLine()
{
    QByteArray content;
    QByteArray expected;
    for (int i = 0; i < 100; ++i) {
        const QByteArray line = "line " + QByteArray::number(i);
        content += line + (i % 2 ? "\r\n" : "\n");
        expected += line + "\n";
    }
    content += "last, no line end";
    expected += "last, no line end";
    const QString path = m_files.filePath(QStringLiteral("send.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    PromptRecorder prompts;
    prompts.fileAnswers = {path};
    openPort();
    int ticks = 0;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&ticks] { ++ticks; });
    probe.start(10);
    button("sendfileBtn")->click();
    QCOMPARE(prompts.fileRequests.size(), 1);
    QCOMPARE(prompts.fileRequests.first().caption, QStringLiteral("Read file"));
    QVERIFY(!button("sendfileBtn")->isEnabled());
    const QByteArray received = m_pty->read(expected.size(), 10000);
    QCOMPARE(received, expected);
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Success for send the data in the file"));
    QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    QVERIFY(button("sendfileBtn")->isEnabled());
    QCOMPARE(counter("sendbyteslcdNumber"), 0);

    // A cancelled dialog sends nothing.
    button("sendfileBtn")->click();
    QCOMPARE(m_pty->readFor(100), QByteArray());
}

QString TestSerialTerminal::writeLines(int lines, QByteArray *content,
                                       const QByteArrayList &lineEnds)
{
    for (int i = 0; i < lines; ++i)
        *content += QByteArray::number(i).leftJustified(1999, char('a' + i % 26)) +
                    lineEnds.at(i % lineEnds.size());
    const QString path = m_files.filePath(QStringLiteral("lines.txt"));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(*content) == content->size() ? path
                                                                                      : QString();
}

void TestSerialTerminal::sendFileIntoASlowDevice_data()
{
    // How it ends: the device reads again, the port is closed, the user
    // quits, the port refuses the first write; the file's line ends, in turn.
    QTest::addColumn<QString>("end");
    QTest::addColumn<QByteArrayList>("lineEnds");
    const QByteArrayList lf{"\n"};
    const QByteArrayList crLf{"\r\n"};
    QTest::newRow("device reads") << "" << lf;
    QTest::newRow("Close") << "close" << lf;
    QTest::newRow("quitting") << "quit" << lf;
    QTest::newRow("Close, CR LF") << "close" << crLf;
    QTest::newRow("Close, no line ends") << "close" << QByteArrayList{""};
    QTest::newRow("Close, mixed line ends") << "close" << QByteArrayList{"\r\n", "\n", "\r\n"};
    QTest::newRow("quitting, CR LF") << "quit" << crLf;
    QTest::newRow("refused write, CR LF") << "refused" << crLf;
}

// A device that takes nothing for a while fills the port's output: Send File
// waits for it, the port is not taken for lost, and success is told only
// once every byte is written. A close or quitting meanwhile tells how many
// bytes were not sent, and so does a write the port refuses, which ends the
// send: the device, read to the end, has the send's start and the told bytes
// are exactly the rest. The send is the file with each CR LF as LF.
void TestSerialTerminal::sendFileIntoASlowDevice()
{
    QFETCH(QString, end);
    QFETCH(QByteArrayList, lineEnds);
    QByteArray content;
    PromptRecorder prompts;
    prompts.fileAnswers = {writeLines(100, &content, lineEnds)};
    content.replace("\r\n", "\n");
    openPort();
    const bool refused = end == QLatin1String("refused");
    if (refused) {
        // Still open, the port refuses every write, as one open to read only.
        auto *port = m_window->findChild<QSerialPort *>();
        port->close();
        QVERIFY(port->open(QIODevice::ReadOnly));
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QSerialPort): ReadOnly device");
    }
    button("sendfileBtn")->click();
    QTest::qWait(500);
    if (!refused)
        QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
    if (end.isEmpty()) {
        QCOMPARE(m_pty->read(content.size(), 20000), content);
        QTRY_COMPARE(statusText(*m_window),
                     QStringLiteral("Success for send the data in the file"));
        QCOMPARE(button("opencompushButton")->text(), QStringLiteral("Close"));
        return;
    }
    if (end == QLatin1String("quit"))
        m_window->close();
    else if (!refused)
        button("opencompushButton")->click();
    QVERIFY(button("sendfileBtn")->isEnabled() == refused);
    // The file's rest is counted on a worker: the status bar gets the figure
    // once it is done, while quitting's box has it at once.
    const auto told = [&] {
        return prompts.messages.isEmpty() ? statusText(*m_window) : prompts.messages.first().text;
    };
    const QRegularExpression toldUnsent(
        QStringLiteral("^(Serial closed; |Quitting closed the serial port: |"
                       "Send failed: [^;]*; )(\\d+) bytes were not sent"));
    QTRY_VERIFY2(toldUnsent.match(told()).hasMatch(), qPrintable(told()));
    const QRegularExpressionMatch unsent = toldUnsent.match(told());
    const QByteArray received = m_pty->readFor(300);
    QCOMPARE(received, content.left(received.size()));
    QCOMPARE(unsent.captured(2).toLongLong() + received.size(), content.size());
    QVERIFY(unsent.captured(2).toLongLong() > content.size() / 2);
    QCOMPARE(counter("sendbyteslcdNumber"), 0);
}

void TestSerialTerminal::sendFileFollowsItsPort_data()
{
    // What happens to the port while the file dialog is up.
    QTest::addColumn<QStringList>("presses");
    QTest::newRow("closed") << QStringList{"opencompushButton"};
    QTest::newRow("opened by another tool")
        << QStringList{"opencompushButton", "ENVopencompushButton"};
    QTest::newRow("opened again") << QStringList{"opencompushButton", "opencompushButton"};
}

// A file chosen after the port the terminal held was closed never streams
// into the device, whoever holds the port now.
void TestSerialTerminal::sendFileFollowsItsPort()
{
    QFETCH(QStringList, presses);
    QByteArray content;
    const QString path = writeLines(10, &content);
    PromptRecorder prompts;
    openPort();
    Prompt::setFileHandler([&](const Prompt::FileRequest &) {
        for (const QString &name : presses)
            button(name.toLatin1().constData())->click();
        return path;
    });
    button("sendfileBtn")->click();
    QCOMPARE(statusText(*m_window),
             QStringLiteral("Send failed: the serial port was closed while the file was chosen"));
    QCOMPARE(m_pty->readFor(300), QByteArray());
}

QString TestSerialTerminal::writeFile(const QByteArray &content)
{
    const QString path = m_files.filePath(QStringLiteral("bytes.txt"));
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   file.write(content) == content.size()
               ? path
               : QString();
}

void TestSerialTerminal::sendFileSendsEveryByte_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray x(16384, 'x');
    QByteArray loneCrLines;
    for (int i = 0; i < 300; ++i)
        loneCrLines += "line " + QByteArray::number(i) + '\r';
    QTest::newRow("modem commands ended by CR") << QByteArray("AT\rATI\rAT+CSQ\r");
    QTest::newRow("lone CRs in the first line and later") << QByteArray("a\rb\rc\nd\re\rf\n");
    QTest::newRow("CRs only") << QByteArray("\r\r\r");
    QTest::newRow("one CR") << QByteArray("\r");
    QTest::newRow("CR first, CR CR LF") << QByteArray("\rstart\r\r\nend\r");
    QTest::newRow("CR LF across a 4 KB piece's end") << x.left(4095) + "\r\nyy\r\n";
    QTest::newRow("CR CR LF across a 4 KB piece's end") << x.left(4094) + "\r\r\nyy";
    QTest::newRow("CR LF across the second piece's end") << x.left(8191) + "\r\n\r";
    QTest::newRow("CR LF across a 16 KB read") << x.left(16383) + "\r\n" + x;
    QTest::newRow("300 lines ended by a lone CR") << loneCrLines;
}

// Each CR LF of the file goes out as LF and every other byte as it is,
// wherever it stands; then success is told.
void TestSerialTerminal::sendFileSendsEveryByte()
{
    QFETCH(QByteArray, content);
    QByteArray expected = content;
    expected.replace("\r\n", "\n");
    PromptRecorder prompts;
    prompts.fileAnswers = {writeFile(content)};
    openPort();
    button("sendfileBtn")->click();
    const QByteArray received = m_pty->read(expected.size(), 10000);
    QCOMPARE(received.toHex(' '), expected.toHex(' '));
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Success for send the data in the file"));
    QCOMPARE(m_pty->readFor(100), QByteArray());
}

void TestSerialTerminal::sendFileRefusesWhatIsNotARegularFile_data()
{
    // The button that reads the file, and how its refusal begins; the path,
    // "fifo" for a named pipe with its writer waiting.
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("path");
    const std::pair<const char *, const char *> openers[] = {{"sendfileBtn", "Send failed"},
                                                             {"readtxtpushButton", "Load failed"}};
    for (const auto &[opener, refusal] : openers)
        for (const char *path : {"fifo", "/dev/zero", "/dev/urandom"})
            QTest::addRow("%s, %s", opener, path) << opener << refusal << path;
}

// Send File and Import refuse anything but a regular file before it is
// opened: a pipe opened to read would hold the window until a writer
// comes, and a device never ends. The pipe's writer never finds a reader.
void TestSerialTerminal::sendFileRefusesWhatIsNotARegularFile()
{
    QFETCH(QString, opener);
    QFETCH(QString, refusal);
    QFETCH(QString, path);
    std::atomic<bool> writerOpened = false;
    std::unique_ptr<QThread> writer;
    if (path == QLatin1String("fifo")) {
        path = m_files.filePath(path);
        QFile::remove(path);
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        writer.reset(QThread::create([&] {
            ::close(::open(QFile::encodeName(path).constData(), O_WRONLY));
            writerOpened = true;
        }));
        writer->start();
    }
    PromptRecorder prompts;
    prompts.fileAnswers = {path};
    openPort();
    button(opener.toLatin1().constData())->click();
    QTRY_COMPARE(statusText(*m_window),
                 QStringLiteral("%1: %2 is not a regular file").arg(refusal, path));
    QCOMPARE(edit("sendMsgtextEdit")->toPlainText(), QString());
    QCOMPARE(m_pty->readFor(300), QByteArray());
    if (writer) {
        QVERIFY(!writerOpened);
        // The test opens the pipe to read itself, so that its writer ends.
        const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(writer->wait(10000));
        ::close(reader);
    }
}

void TestSerialTerminal::sendFileOfAChangingFile_data()
{
    // Of a file of 500 lines of 1999 bytes and CR LF: the bytes it holds as
    // the send begins and at the Close; -1 when its name is removed, which
    // leaves the file the send reads whole.
    QTest::addColumn<qint64>("sizeAtStart");
    QTest::addColumn<qint64>("sizeAtClose");
    QTest::newRow("shrinks, to a line's CR") << qint64(500 * 2001) << qint64(149 * 2001 + 2000);
    QTest::newRow("shrinks, to a line's end") << qint64(500 * 2001) << qint64(150 * 2001);
    QTest::newRow("grows") << qint64(150 * 2001) << qint64(500 * 2001);
    QTest::newRow("removed") << qint64(500 * 2001) << qint64(-1);
}

// A file that changes during the send: the Close tells what would still have
// gone out of the file as it is then, so what the device got and the told
// bytes are the file as it is at the Close, each CR LF as LF.
void TestSerialTerminal::sendFileOfAChangingFile()
{
    QFETCH(qint64, sizeAtStart);
    QFETCH(qint64, sizeAtClose);
    QByteArray content;
    const QString path = writeLines(500, &content, {"\r\n"});
    QVERIFY(QFile::resize(path, sizeAtStart));
    PromptRecorder prompts;
    prompts.fileAnswers = {path};
    openPort();
    button("sendfileBtn")->click();
    QTest::qWait(500);
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
    if (sizeAtClose < 0) {
        QVERIFY(QFile::remove(path));
        sizeAtClose = sizeAtStart;
    } else if (sizeAtClose < sizeAtStart) {
        QVERIFY(QFile::resize(path, sizeAtClose));
    } else {
        QFile file(path);
        const QByteArray more = content.mid(sizeAtStart, sizeAtClose - sizeAtStart);
        QVERIFY(file.open(QIODevice::Append) && file.write(more) == more.size());
    }
    button("opencompushButton")->click();
    const QRegularExpression toldUnsent(
        QStringLiteral("^Serial closed; (\\d+) bytes were not sent$"));
    QTRY_VERIFY2(toldUnsent.match(statusText(*m_window)).hasMatch(),
                 qPrintable(statusText(*m_window)));
    const qint64 told = toldUnsent.match(statusText(*m_window)).captured(1).toLongLong();
    QByteArray atClose = content.left(sizeAtClose);
    atClose.replace("\r\n", "\n");
    const QByteArray received = m_pty->readFor(300);
    QCOMPARE(received, atClose.left(received.size()));
    QCOMPARE(received.size() + told, atClose.size());
}

// Quitting during Send File of a large file waits for the count of its rest
// a bounded while with the window still shown, and its box tells the
// figure, or, while the count still runs, the bytes counted so far.
void TestSerialTerminal::quittingTellsTheRestWithTheWindowShown()
{
    const QString path = m_files.filePath(QStringLiteral("large.bin"));
    const qint64 size = qint64(16) << 30;
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
    }
    PromptRecorder prompts;
    prompts.fileAnswers = {path};
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    openPort();
    button("sendfileBtn")->click();
    QTest::qWait(500);
    bool shownAtTheBox = false;
    QString told;
    Prompt::setMessageHandler([&](const Prompt::Message &message) {
        shownAtTheBox = m_window->isVisible();
        told = message.text;
        return QMessageBox::Ok;
    });
    m_window->close();
    QVERIFY(shownAtTheBox);
    const QRegularExpressionMatch unsent =
        QRegularExpression(QStringLiteral("^Quitting closed the serial port: (at least )?(\\d+) "
                                          "bytes were not sent(; the rest of the file was still "
                                          "being counted)?\\.$"))
            .match(told);
    QVERIFY2(unsent.hasMatch() && unsent.hasCaptured(1) == unsent.hasCaptured(3), qPrintable(told));
    const qint64 sent = m_pty->readFor(300).size() + unsent.captured(2).toLongLong();
    QVERIFY(QFile::remove(path));
    if (unsent.hasCaptured(1))
        QVERIFY(sent < size);
    else
        QCOMPARE(sent, size);
}

void TestSerialTerminal::filesReadToTheirEnd_data()
{
    // The button that reads the file; the file, whose reported size is not
    // what it holds (none, or a page); whether it is over Import's limit.
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("overLimit");
    for (const char *opener : {"sendfileBtn", "readtxtpushButton"})
        for (const char *path : {"/proc/version", "/sys/devices/system/cpu/online"})
            QTest::addRow("%s, %s", opener, path) << opener << path << false;
    for (const char *path : {"/proc/self/pagemap", "/proc/kallsyms"})
        if (QFile::exists(QString::fromLatin1(path)))
            QTest::addRow("readtxtpushButton, %s", path) << "readtxtpushButton" << path << true;
}

// Send File and Import read a file until a read gives no more bytes, never by
// the size the file system reports: Send File sends all a /proc or /sys file
// holds and then tells success; Import loads it, or refuses one that holds
// more than 10000 bytes having read no more than 10001 of them.
void TestSerialTerminal::filesReadToTheirEnd()
{
    QFETCH(QString, opener);
    QFETCH(QString, path);
    QFETCH(bool, overLimit);
    QByteArray content;
    {
        const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        QVERIFY(handle >= 0);
        char block[4096];
        // A file over the limit is read only as far as the limit.
        for (ssize_t read;
             content.size() <= 10000 && (read = ::read(handle, block, sizeof block)) > 0;)
            content.append(block, read);
        ::close(handle);
    }
    QVERIFY(!content.isEmpty());
    content.replace("\r\n", "\n");
    PromptRecorder prompts;
    prompts.fileAnswers = {path};
    openPort();
    button(opener.toLatin1().constData())->click();
    if (opener == QLatin1String("sendfileBtn")) {
        QCOMPARE(m_pty->read(content.size(), 10000), content);
        QTRY_COMPARE(statusText(*m_window),
                     QStringLiteral("Success for send the data in the file"));
        QCOMPARE(m_pty->readFor(100), QByteArray());
    } else if (overLimit) {
        QCOMPARE(statusText(*m_window),
                 QStringLiteral("Load failed: file size is 10001 bytes, Exceeded the limit size "
                                "10000 bytes"));
        QCOMPARE(edit("sendMsgtextEdit")->toPlainText(), QString());
    } else {
        QCOMPARE(statusText(*m_window), QStringLiteral("Success for read the data in the file"));
        QCOMPARE(edit("sendMsgtextEdit")->toPlainText(), QString::fromUtf8(content));
    }
}

void TestSerialTerminal::aFigureBelongsToItsSend_data()
{
    // Whether the count of the first send, on a storage whose reads wait,
    // ends after the second send's Close or while the second still sends.
    QTest::addColumn<bool>("afterSecondClose");
    QTest::newRow("after the second send's Close") << true;
    QTest::newRow("during the second send") << false;
}

// Send File of a file on a storage whose reads wait for as long as the test
// likes: the window never reads it, the device still gets its bytes in
// order, and a Close while a read waits tells the figure once the read
// returns. A second send meanwhile tells its own figure, and the first
// one's late figure names its file instead of passing for the second's.
void TestSerialTerminal::aFigureBelongsToItsSend()
{
    QFETCH(bool, afterSecondClose);
    const auto gate = std::make_shared<ReadGate>();
    const QString slowName = QStringLiteral("/share/slow.txt");
    QByteArray slow;
    for (int i = 0; i < 100; ++i)
        slow += "slow line " + QByteArray::number(i) + "\r\n";
    SendFileSource::setOpener([gate, slow, slowName](const QString &name) {
        if (name != slowName) {
            auto file = std::make_unique<QFile>(name);
            return SendFileSource::Opening{RegularFile::openToRead(*file), std::move(file)};
        }
        return SendFileSource::Opening{RegularFile::Opened::Yes, gate->device(slow)};
    });
    slow.replace("\r\n", "\n");
    QByteArray local;
    PromptRecorder prompts;
    prompts.fileAnswers = {slowName, writeLines(100, &local)};
    openPort();
    button("sendfileBtn")->click();
    QTRY_VERIFY(gate->readerWaiting());
    gate->letThrough();
    QTRY_VERIFY(gate->readerWaiting());
    const QByteArray received = m_pty->readFor(300);
    QVERIFY(!received.isEmpty());
    QCOMPARE(received, slow.left(received.size()));
    button("opencompushButton")->click();
    QCOMPARE(statusText(*m_window),
             QStringLiteral("Serial closed; the bytes not sent are being counted"));
    QVERIFY(!gate->readerThreads().contains(QThread::currentThreadId()));

    openPort();
    button("sendfileBtn")->click();
    if (afterSecondClose) {
        QTest::qWait(300);
        button("opencompushButton")->click();
        QTRY_VERIFY(statusText(*m_window).endsWith(QLatin1String("bytes were not sent")));
        const QByteArray secondReceived = m_pty->readFor(300);
        QCOMPARE(secondReceived, local.left(secondReceived.size()));
        QCOMPARE(statusText(*m_window), QStringLiteral("Serial closed; %1 bytes were not sent")
                                            .arg(local.size() - secondReceived.size()));
    }
    gate->open();
    QTRY_VERIFY(statusText(*m_window).startsWith(QLatin1String("Send File of")));
    QCOMPARE(statusText(*m_window), QStringLiteral("Send File of %1 ended; %2 bytes were not sent")
                                        .arg(slowName)
                                        .arg(slow.size() - received.size()));
    if (!afterSecondClose) {
        QCOMPARE(m_pty->read(local.size(), 20000), local);
        QTRY_COMPARE(statusText(*m_window),
                     QStringLiteral("Success for send the data in the file"));
    }
}

// The program ends within moments of its window closing, even while Send
// File's worker waits on a read that never returns: nothing waits for it at
// exit. The test runs itself as the program, in a process of its own.
void TestSerialTerminal::quittingLeavesNoProcess()
{
    if (qEnvironmentVariableIsSet("YURB_QUIT_DURING_A_READ")) {
        const auto gate = std::make_shared<ReadGate>();
        SendFileSource::setOpener([gate](const QString &) {
            return SendFileSource::Opening{RegularFile::Opened::Yes, gate->device("never")};
        });
        PromptRecorder prompts;
        prompts.fileAnswers = {QStringLiteral("/share/stuck.txt")};
        openPort();
        button("sendfileBtn")->click();
        QTRY_VERIFY(gate->readerWaiting());
        m_window->close();
        QCOMPARE(prompts.messages.size(), 1);
        return;
    }
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("YURB_QUIT_DURING_A_READ"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("quittingLeavesNoProcess")});
    const bool ended = program.waitForFinished(60000);
    if (!ended)
        program.kill();
    QVERIFY(ended);
    QCOMPARE(program.exitCode(), 0);
}

// A line that happens to be a translatable text of the window is loaded as
// it is, not translated.
void TestSerialTerminal::importLoadsVerbatim()
{
    QTranslator chinese;
    QVERIFY(chinese.load(Catalogues::languageCatalogue(QLocale::Chinese)));
    QCoreApplication::installTranslator(&chinese);

    const QString path = m_files.filePath(QStringLiteral("import.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Send\r\nOpen\n\xe6\xb8\xa9");
    file.close();
    PromptRecorder prompts;
    prompts.fileAnswers = {path};
    edit("sendMsgtextEdit")->setPlainText(QStringLiteral("before:"));
    button("readtxtpushButton")->click();
    QCoreApplication::removeTranslator(&chinese);
    QCOMPARE(edit("sendMsgtextEdit")->toPlainText(), QString::fromUtf8("before:Send\nOpen\n温"));
}

void TestSerialTerminal::importSizeLimit_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("message");
    QTest::newRow("10000 bytes") << 10000 << "Success for read the data in the file";
    QTest::newRow("10001 bytes")
        << 10001 << "Load failed: file size is 10001 bytes, Exceeded the limit size 10000 bytes";
}

void TestSerialTerminal::importSizeLimit()
{
    QFETCH(int, size);
    QFETCH(QString, message);
    const QString path = m_files.filePath(QStringLiteral("big.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(size, 'a'));
    file.close();
    PromptRecorder prompts;
    prompts.fileAnswers = {path};
    button("readtxtpushButton")->click();
    QCOMPARE(statusText(*m_window), message);
    QCOMPARE(edit("sendMsgtextEdit")->toPlainText().size(), size <= 10000 ? size : 0);
}

void TestSerialTerminal::exportSavesTheTextView()
{
    PromptRecorder prompts;
    button("savetxtpushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("No data need to save"));
    QVERIFY(prompts.fileRequests.isEmpty());

    box("showtime_checkBox")->setChecked(true);
    openPort();
    QVERIFY(m_pty->write("<tag> & \xe6\xb8\xa9\r\nend"));
    QTRY_VERIFY(edit("COM_StrTextBrowser")->toPlainText().endsWith(QLatin1String("end")));
    const QString path = m_files.filePath(QStringLiteral("saved.txt"));
    prompts.fileAnswers = {path};
    button("savetxtpushButton")->click();
    QCOMPARE(prompts.fileRequests.first().caption, QStringLiteral("Save as"));
    QCOMPARE(prompts.fileRequests.first().directory, QStringLiteral("newtxt.txt"));
    QCOMPARE(statusText(*m_window),
             QStringLiteral("Saved success.\tsaved: ") + QFileInfo(path).canonicalFilePath());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(saved.readAll());
    const QRegularExpression expected(
        QString::fromUtf8("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]<tag> & 温\\nend$"));
    QVERIFY2(expected.match(content).hasMatch(), qPrintable(content));
}

// A save that fails says why and leaves the folder as it was: the old file
// whole, nothing half-written beside it.
void TestSerialTerminal::exportOntoAFullDisk()
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kept whole\n") == 11);
    file.close();
    openPort();
    QVERIFY(m_pty->write(QByteArray(6000, 'x') + "end"));
    QTRY_VERIFY(edit("COM_StrTextBrowser")->toPlainText().endsWith(QLatin1String("end")));
    PromptRecorder prompts;
    prompts.fileAnswers = {path};
    {
        const FileSizeLimit fullDisk(4096);
        button("savetxtpushButton")->click();
    }
    QCOMPARE(statusText(*m_window),
             QStringLiteral("Save failed:Write file %1 failed, the file is left as it was\n"
                            "File too large")
                 .arg(path));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"saved.txt"});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("kept whole\n"));
}

void TestSerialTerminal::streamsKeepTheViewsBounded_data()
{
    ReceiveChecks::addStreamRows();
}

// Streams without line structure reach both views whole, in lines of
// bounded length.
void TestSerialTerminal::streamsKeepTheViewsBounded()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, text);
    using namespace ReceiveChecks;
    openPort();
    box("HEXcheckBox")->setChecked(true);
    QVERIFY(m_pty->write(stream, 20000));
    verifyShown(*edit("COM_StrTextBrowser"), *edit("COM_HexTextBrowser"), stream, text,
                HexFormat::Style::Compact);
}

// The device goes away under the open port: the port is closed as by Close,
// the user is told which one was lost, a running repeat ends, and the port
// can be opened again once the device is back.
void TestSerialTerminal::unpluggedDeviceClosesThePort()
{
    openPort();
    const QString lostPath = m_pty->slavePath();
    box("obocheckBox")->setChecked(true);
    child<QSpinBox>(*m_window, "delayspinBox")->setValue(20);
    edit("sendMsgtextEdit")->setPlainText(QStringLiteral("X"));
    button("sendmsgBtn")->click();
    QCOMPARE(button("sendmsgBtn")->text(), QStringLiteral("Pause"));

    m_pty.reset();
    QTRY_VERIFY2(
        statusText(*m_window).startsWith(QStringLiteral("Serial port %1 was lost: ").arg(lostPath)),
        qPrintable(statusText(*m_window)));
    QCOMPARE(button("opencompushButton")->text(), QStringLiteral("Open"));
    QVERIFY(button("opencompushButton")->styleSheet().contains(QLatin1String("#4CAF50")));
    QCOMPARE(button("sendmsgBtn")->text(), QStringLiteral("Send"));
    expectClosed();

    // Plugged in again: the rescan lists it and it opens, with no repeat.
    m_pty = std::make_unique<PtyPair>();
    m_ports = {m_pty->slavePath()};
    auto *ports = child<QComboBox>(*m_window, "portNameComboBox");
    QTRY_VERIFY_WITH_TIMEOUT(ports->findText(m_pty->slavePath()) >= 0, 2000);
    ports->setCurrentIndex(ports->findText(m_pty->slavePath()));
    openPort();
    QCOMPARE(m_pty->readFor(200), QByteArray());
}

YURB_TEST_MAIN(TestSerialTerminal)
#include "tst_serialterminal.moc"
