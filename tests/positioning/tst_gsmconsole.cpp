#include "attransaction.h"
#include "mainwindow.h"
#include "portlist.h"
#include "promptrecorder.h"
#include "ptypair.h"
#include "scriptedmodem.h"
#include "settingsfile.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <memory>

// The GSM console against a scripted modem on a pty, its waits at a tenth of
// their real length.
class TestGsmConsole : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { AtTransaction::setTimeScale(0.1); }
    void init();
    void cleanup();
    void openRunsTheStartupQueries();
    void silentModemNeitherFreezesNorShows();
    void statusButtons_data();
    void statusButtons();
    void dialToneAndHangUp();
    void incomingCallIsAnswered();
    void emptyNumberIsRefused();
    void redial_data();
    void redial();
    void readMessage_data();
    void readMessage();
    void deleteMessages_data();
    void deleteMessages();
    void sendMessage();
    void overlongMessageIsRefused();
    void gprsLink();
    void gprsConnectError();
    void closeDuringTransaction_data();
    void closeDuringTransaction();
    void pressDuringTransactionWaits();

private:
    QPushButton *button(const char *name) const { return child<QPushButton>(*m_window, name); }
    void press(const char *name) const { button(name)->click(); }
    // Scripts the start-up answers (empty: silent) and opens the port.
    void open(const QByteArray &clip = "+CLIP: 0,1\r\n\r\nOK\r\n",
              const QByteArray &calm = "+CALM: 1\r\n\r\nOK\r\n",
              const QByteArray &cmgf = "+CMGF: 0\r\n\r\nOK\r\n");
    // Runs `action` `ms` after the current wait began.
    void after(int ms, const std::function<void()> &action) const
    {
        QTimer::singleShot(ms, m_window.get(), action);
    }
    QStringList promptTexts() const;
    static bool shows(const QPushButton *switchButton, const char *picture);

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<ScriptedModem> m_modem;
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
    QByteArray m_opening; // what the start-up sent
};

namespace {
const char *const on = ":images/on.png";
const char *const off = ":images/off.png";
const QByteArray ok("\r\nOK\r\n");
} // namespace

void TestGsmConsole::init()
{
    m_pty = std::make_unique<PtyPair>();
    m_modem = std::make_unique<ScriptedModem>(*m_pty);
    const QString path = m_pty->slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
}

void TestGsmConsole::cleanup()
{
    m_window.reset();
    m_prompts.reset();
    m_modem.reset();
    m_pty.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

void TestGsmConsole::open(const QByteArray &clip, const QByteArray &calm, const QByteArray &cmgf)
{
    m_modem->answer("AT+CLIP?\r\n", clip);
    m_modem->answer("AT+CALM?\r\n", calm);
    m_modem->answer("AT+CMGF?\r\n", cmgf);
    press("GSMopencompushButton");
    QCOMPARE(statusText(*m_window), QStringLiteral("Initialization completed"));
    QVERIFY(button("GSMTestSignalpushButton")->isEnabled());
    m_opening = m_modem->received();
    m_modem->clearReceived();
}

QStringList TestGsmConsole::promptTexts() const
{
    QStringList texts;
    for (const Prompt::Message &message : m_prompts->messages)
        texts.append(message.title + QLatin1Char('/') + message.text);
    return texts;
}

bool TestGsmConsole::shows(const QPushButton *switchButton, const char *picture)
{
    const QSize size(16, 16);
    return switchButton->icon().pixmap(size).toImage() ==
           QIcon(QLatin1String(picture)).pixmap(size).toImage();
}

// The queries run in order and their answers set the switches at once; the
// signal answer, split in two reads, shows its picture.
void TestGsmConsole::openRunsTheStartupQueries()
{
    m_modem->answer("AT+CSQ\r\n", {{0, "\r\n+CSQ: 7"}, {20, ",0\r\n\r\nOK\r\n"}});
    QElapsedTimer clock;
    clock.start();
    open("AT+CLIP?\r\r\n+CLIP: 0,1\r\n\r\nOK\r\n", "+CALM: 0\r\n\r\nOK\r\n",
         "+CMGF: 1\r\n\r\nOK\r\n");
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_opening, QByteArray("AT+CLIP?\r\nAT+CALM?\r\nAT+CMGF?\r\nAT+CSQ\r\n"));
    QVERIFY(shows(button("GSMLaidianKaiguanpushButton"), off));
    QVERIFY(shows(button("GSMLaidianYingKaiguanpushButton"), on));
    QVERIFY(shows(button("GSMDuanXinWenBenKaiguanpushButton"), on));
    QCOMPARE(child<QLabel>(*m_window, "GSMCheckSigneltext")->pixmap().toImage(),
             QPixmap(QStringLiteral(":images/sig75.png")).toImage());
    QVERIFY(button("GSMopencompushButton")->isEnabled());
    QCOMPARE(button("GSMopencompushButton")->text(), QStringLiteral("Close"));
    QVERIFY(m_prompts->messages.isEmpty());
}

// Every query runs out; the window keeps drawing meanwhile.
void TestGsmConsole::silentModemNeitherFreezesNorShows()
{
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(10);
    QElapsedTimer clock;
    clock.start();
    open({}, {}, {});
    const qint64 elapsed = clock.elapsed();
    // 5.5 s + 1.1 s + 5.5 s + 1.1 s at a tenth.
    QVERIFY2(elapsed >= 1320 && elapsed < 3000, qPrintable(QString::number(elapsed)));
    QVERIFY2(ticks > 50, qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(elapsed)));
    QVERIFY(shows(button("GSMLaidianKaiguanpushButton"), off));
    // The form's picture stays.
    QCOMPARE(child<QLabel>(*m_window, "GSMCheckSigneltext")->pixmap().toImage(),
             QPixmap(QStringLiteral(":images/sig0.png")).toImage());
    QVERIFY(m_prompts->messages.isEmpty());
}

void TestGsmConsole::statusButtons_data()
{
    QTest::addColumn<QByteArray>("calmState"); // start-up answer of the call-music query
    QTest::addColumn<QByteArray>("cmgfState");
    QTest::addColumn<QByteArray>("clipState");
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("reply"); // empty: silence; '|' splits it into two reads
    QTest::addColumn<QByteArray>("sent");  // all bytes the press sends
    QTest::addColumn<QString>("picture");  // the button's afterwards
    QTest::addColumn<QString>("prompt");

    const QByteArray music("+CALM: 0\r\n");
    const QByteArray silent("+CALM: 1\r\n");
    const QByteArray text("+CMGF: 1\r\n");
    const QByteArray pdu("+CMGF: 0\r\n");
    const QByteArray caller("+CLIP: 1,1\r\n");
    const QByteArray noCaller("+CLIP: 0,1\r\n");
    QTest::newRow("caller id off")
        << silent << pdu << caller << "GSMLaidianKaiguanpushButton" << QByteArray("AT+CLIP=0\r\n")
        << ok << QByteArray("AT+CLIP=0\r\n") << off << "";
    QTest::newRow("caller id on, split OK")
        << silent << pdu << noCaller << "GSMLaidianKaiguanpushButton" << QByteArray("AT+CLIP=1\r\n")
        << QByteArray("\r\nO|K\r\n") << QByteArray("AT+CLIP=1\r\n") << on << "";
    QTest::newRow("call music off: an error is no reply")
        << music << pdu << noCaller << "GSMLaidianYingKaiguanpushButton"
        << QByteArray("AT+CALM=1\r\n") << QByteArray("\r\nERROR\r\n") << QByteArray("AT+CALM=1\r\n")
        << on << "Info/No response";
    QTest::newRow("call music on")
        << silent << pdu << noCaller << "GSMLaidianYingKaiguanpushButton"
        << QByteArray("AT+CALM=0\r\n") << ok << QByteArray("AT+CALM=0\r\n") << on << "";
    QTest::newRow("text mode on selects UCS2")
        << silent << pdu << noCaller << "GSMDuanXinWenBenKaiguanpushButton"
        << QByteArray("AT+CMGF=1\r\n") << ok << QByteArray("AT+CMGF=1\r\nAT+CSCS=\"UCS2\"\r\n")
        << on << "";
    QTest::newRow("text mode on unanswered")
        << silent << pdu << noCaller << "GSMDuanXinWenBenKaiguanpushButton"
        << QByteArray("AT+CMGF=1\r\n") << QByteArray() << QByteArray("AT+CMGF=1\r\n") << off << "";
    QTest::newRow("text mode off unanswered")
        << silent << text << noCaller << "GSMDuanXinWenBenKaiguanpushButton"
        << QByteArray("AT+CMGF=0\r\n") << QByteArray() << QByteArray("AT+CMGF=0\r\n") << on
        << "Info/No response";
    QTest::newRow("signal error") << silent << pdu << noCaller << "GSMTestSignalpushButton"
                                  << QByteArray("AT+CSQ\r\n") << QByteArray("\r\nERROR\r\n")
                                  << QByteArray("AT+CSQ\r\n") << ""
                                  << "Info/Error";
}

// Each switch and the signal button: the exact bytes, the picture, the box.
void TestGsmConsole::statusButtons()
{
    QFETCH(QByteArray, calmState);
    QFETCH(QByteArray, cmgfState);
    QFETCH(QByteArray, clipState);
    QFETCH(QString, buttonName);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, sent);
    QFETCH(QString, picture);
    QFETCH(QString, prompt);

    open(clipState + ok, calmState + ok, cmgfState + ok);
    ScriptedModem::Answer answer;
    for (const QByteArray &piece : reply.split('|'))
        answer.append({20, piece});
    if (!reply.isEmpty())
        m_modem->answer(command, answer);
    m_modem->answer("AT+CSCS=\"UCS2\"\r\n", ok);
    press(qPrintable(buttonName));
    QCOMPARE(m_modem->received(), sent);
    if (!picture.isEmpty())
        QVERIFY2(shows(button(qPrintable(buttonName)), qPrintable(picture)), qPrintable(picture));
    QCOMPARE(promptTexts(), prompt.isEmpty() ? QStringList() : QStringList{prompt});
}

// Keys only fill the display until the call is made; during the call each
// key also sends its tone; the hang-up ends the call.
void TestGsmConsole::dialToneAndHangUp()
{
    open();
    for (const char *key : {"GSMANJIANpushButton_1", "GSMANJIANpushButton_0",
                            "GSMANJIANpushButton_10", "GSMANJIANpushButton_11"})
        press(key);
    QCOMPARE(child<QTextBrowser>(*m_window, "GSMtextBrowser_1")->toPlainText(),
             QStringLiteral("10*#"));
    QTest::qWait(30);
    QCOMPARE(m_modem->received(), QByteArray());
    press("GSMANJIANpushButton_Clean");
    QCOMPARE(statusText(*m_window), QStringLiteral("Already cleared"));
    for (const char *key : {"GSMANJIANpushButton_1", "GSMANJIANpushButton_2"})
        press(key);

    m_modem->answer("ATD12;\r\n", "ATD12;\r\r\nOK\r\n");
    m_modem->answer("ATH\r\n", ok);
    press("GSMbodianhuapushButton");
    QCOMPARE(statusText(*m_window), QStringLiteral("Calling..."));
    press("GSMANJIANpushButton_5");
    QTRY_COMPARE(m_modem->received(), QByteArray("ATD12;\r\nAT+VTS=5\r\n"));
    press("GSMguadianhuapushButton");
    QCOMPARE(statusText(*m_window), QStringLiteral("call ended"));
    press("GSMANJIANpushButton_6");
    QTest::qWait(50);
    QCOMPARE(m_modem->received(), QByteArray("ATD12;\r\nAT+VTS=5\r\nATH\r\n"));
    QVERIFY(m_prompts->messages.isEmpty());
}

// RING and the caller line arrive in separate reads; Call then answers; the
// caller hanging up before that would have left the button for a new dial.
void TestGsmConsole::incomingCallIsAnswered()
{
    open();
    m_modem->say("\r\nRING\r\n");
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Have a new call:"));
    m_modem->say("\r\n+CLIP: \"13800138000\",129,\"\",0,\"\",0\r\n");
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Have a new call:13800138000"));
    QCOMPARE(button("GSMbodianhuapushButton")->text(), QStringLiteral("Answer call"));
    m_modem->answer("ATA\r\n", ok);
    press("GSMbodianhuapushButton");
    QCOMPARE(m_modem->received(), QByteArray("ATA\r\n"));
    QCOMPARE(statusText(*m_window), QStringLiteral("Calling..."));
    QCOMPARE(button("GSMbodianhuapushButton")->text(), QStringLiteral("Call"));

    // The next call rings anew once this one has ended.
    m_modem->say("\r\nNO CARRIER\r\n");
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("call ended"));
    m_modem->say("\r\nRING\r\n");
    QTRY_COMPARE(statusText(*m_window), QStringLiteral("Have a new call:"));
    m_modem->say("\r\nNO CARRIER\r\n");
    QTRY_COMPARE(button("GSMbodianhuapushButton")->text(), QStringLiteral("Call"));
}

void TestGsmConsole::emptyNumberIsRefused()
{
    open();
    press("GSMbodianhuapushButton");
    QCOMPARE(promptTexts(), QStringList{QStringLiteral("Info: /Error number")});
    QTest::qWait(30);
    QCOMPARE(m_modem->received(), QByteArray());
}

void TestGsmConsole::redial_data()
{
    QTest::addColumn<QList<QByteArray>>("replies"); // one per dial
    QTest::addColumn<int>("cutAtMs");               // -1: no Cut
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<bool>("checked"); // "Auto Redial" afterwards

    const QByteArray dial("ATD5;\r\n");
    const QByteArray noCarrier("ATD5;\r\r\n\r\nNO CARRIER\r\n");
    QTest::newRow("three dials, then the warning")
        << QList<QByteArray>{noCarrier} << -1 << dial + dial + dial
        << QStringList{"Error: /For academic research only. Prohibiting telephone harassment!"}
        << false;
    QTest::newRow("an error ends the loop and leaves the box")
        << QList<QByteArray>{"ATD5;\r\r\nERROR\r\n"} << -1 << dial << QStringList{"Info/Error"}
        << true;
    QTest::newRow("Cut ends the loop, then hangs up")
        << QList<QByteArray>{"ATD5;\r\r\nOK\r\n"} << 100 << dial + "ATH\r\n"
        << QStringList{} << false;
}

void TestGsmConsole::redial()
{
    QFETCH(QList<QByteArray>, replies);
    QFETCH(int, cutAtMs);
    QFETCH(QByteArray, sent);
    QFETCH(QStringList, prompts);
    QFETCH(bool, checked);

    open();
    for (const QByteArray &reply : replies)
        m_modem->answer("ATD5;\r\n", reply);
    m_modem->answer("ATH\r\n", ok);
    press("GSMANJIANpushButton_5");
    auto *autoRedial = child<QCheckBox>(*m_window, "GSM_AutoRedial");
    autoRedial->setChecked(true);
    if (cutAtMs >= 0)
        after(cutAtMs, [this] { press("GSMguadianhuapushButton"); });
    press("GSMbodianhuapushButton");
    QTRY_COMPARE(m_modem->received(), sent);
    QCOMPARE(promptTexts(), prompts);
    QCOMPARE(autoRedial->isChecked(), checked);
}

void TestGsmConsole::readMessage_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<QByteArrayList>("pieces"); // 30 ms apart
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("prompts");

    const QByteArray header("\r\n+CMGR: \"REC READ\",\"002B0031003200330034\",\"\","
                            "\"24/05/01,10:20:30+32\"\r\n");
    QTest::newRow("reply in two reads")
        << "3" << QByteArrayList{header, "00480069\r\n\r\nOK\r\n"} << QByteArray("AT+CMGR=3\r\n")
        << "Sender:+1234\nTime:24/05/01,10:20:30+32\nHi" << QStringList{};
    QTest::newRow("stored message")
        << "4"
        << QByteArrayList{"+CMGR: \"STO UNSENT\",\"0031\",\"\"\r\n4E2D003C0062003E\r\n\r\nOK\r\n"}
        << QByteArray("AT+CMGR=4\r\n") << QStringLiteral("Sender:1\nTime:\n\u4e2d<b>")
        << QStringList{};
    QTest::newRow("an empty box shows the raw reply")
        << "9" << QByteArrayList{"\r\n<i>OK</i>\r\nOK\r\n"} << QByteArray("AT+CMGR=9\r\n")
        << "\r\n<i>OK</i>\r\nOK\r\n"
        << QStringList{};
    QTest::newRow("error") << "5" << QByteArrayList{"\r\nERROR\r\n"} << QByteArray("AT+CMGR=5\r\n")
                           << "" << QStringList{"Info/Error"};
    QTest::newRow("an index that is no number never reaches the modem")
        << "1\r\nATD112;" << QByteArrayList{} << QByteArray() << ""
        << QStringList{"Info/Error message box number"};
}

void TestGsmConsole::readMessage()
{
    QFETCH(QString, index);
    QFETCH(QByteArrayList, pieces);
    QFETCH(QByteArray, sent);
    QFETCH(QString, shown);
    QFETCH(QStringList, prompts);

    open();
    ScriptedModem::Answer answer;
    for (const QByteArray &piece : pieces)
        answer.append({30, piece});
    m_modem->answer(sent, answer);
    m_prompts->textAnswers = {index};
    press("GSMReadTextpushButton");
    QCOMPARE(m_modem->received(), sent);
    QCOMPARE(child<QTextBrowser>(*m_window, "GSMReadtextBrowser")->toPlainText(),
             QString(shown).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QCOMPARE(promptTexts(), prompts);
}

void TestGsmConsole::deleteMessages_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QByteArray>("cmgfState");
    QTest::addColumn<QByteArray>("deleteReply"); // empty: silence
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QStringList>("prompts");

    const QString confirm = QStringLiteral("Info/Confirm delete all text messages?");
    const QString done = QStringLiteral("Info/Successfully deleted");
    QTest::newRow("one") << "GSMDelTextpushButton" << QByteArray("+CMGF: 0\r\n") << ok
                         << QByteArray("AT+CMGD=2,0\r\n") << QStringList{done};
    QTest::newRow("all, text mode on")
        << "GSMDelALLTextpushButton" << QByteArray("+CMGF: 1\r\n") << ok
        << QByteArray("AT+CMGDA=DEL ALL\r\n") << QStringList{confirm, done};
    QTest::newRow("all, text mode off: switched there and back")
        << "GSMDelALLTextpushButton" << QByteArray("+CMGF: 0\r\n") << ok
        << QByteArray("AT+CMGF=1\r\nAT+CMGDA=DEL ALL\r\nAT+CMGF=0\r\n")
        << QStringList{confirm, done};
    // The mode switch's OK is no answer to the delete.
    QTest::newRow("all, the delete unanswered")
        << "GSMDelALLTextpushButton" << QByteArray("+CMGF: 0\r\n") << QByteArray()
        << QByteArray("AT+CMGF=1\r\nAT+CMGDA=DEL ALL\r\nAT+CMGF=0\r\n") << QStringList{confirm};
}

void TestGsmConsole::deleteMessages()
{
    QFETCH(QString, buttonName);
    QFETCH(QByteArray, cmgfState);
    QFETCH(QByteArray, deleteReply);
    QFETCH(QByteArray, sent);
    QFETCH(QStringList, prompts);

    open("+CLIP: 0,1\r\n\r\nOK\r\n", "+CALM: 1\r\n\r\nOK\r\n", cmgfState + ok);
    m_modem->answer("AT+CMGF=1\r\n", {{40, ok}});
    m_modem->answer("AT+CMGF=0\r\n", ok);
    if (!deleteReply.isEmpty()) {
        m_modem->answer("AT+CMGD=2,0\r\n", deleteReply);
        m_modem->answer("AT+CMGDA=DEL ALL\r\n", {{40, deleteReply}});
    }
    m_prompts->textAnswers = {QStringLiteral("2")};
    press(qPrintable(buttonName));
    QCOMPARE(m_modem->received(), sent);
    QCOMPARE(promptTexts(), prompts);
}

// The number and the text go out as UCS2 hex, the text ended by Ctrl-Z.
void TestGsmConsole::sendMessage()
{
    open();
    child<QTextEdit>(*m_window, "GSMNUMtextEdit")->setPlainText(QStringLiteral("+1234"));
    auto *message = child<QTextEdit>(*m_window, "GSMtextBrowser");
    message->setPlainText(QString(80, QLatin1Char('x')));
    QCOMPARE(message->toPlainText().size(), 70);
    message->setPlainText(QStringLiteral("Hi\u4e2d"));
    m_modem->answer("AT+CSMP=17,167,2,25\r\n", ok);
    m_modem->answer("AT+CSCS=\"UCS2\"\r\n", ok);
    m_modem->answer("AT+CMGS=\"002b0031003200330034\"\r\n", {{0, "\r\n"}, {20, "> "}});
    m_modem->answer("\x1a", {{30, "\r\n+CMGS: 12\r\n"}, {20, ok}});
    press("GSMSendpushButton");
    QCOMPARE(m_modem->received(), QByteArray("AT+CSMP=17,167,2,25\r\nAT+CSCS=\"UCS2\"\r\n"
                                             "AT+CMGS=\"002b0031003200330034\"\r\n"
                                             "004800694e2d\x1a"));
    QCOMPARE(statusText(*m_window), QStringLiteral("SMS sent successfully"));
}

// A text typed before the port opened can pass the guard: Send refuses it.
void TestGsmConsole::overlongMessageIsRefused()
{
    child<QTextEdit>(*m_window, "GSMtextBrowser")->setPlainText(QString(71, QLatin1Char('x')));
    open();
    child<QTextEdit>(*m_window, "GSMNUMtextEdit")->setPlainText(QStringLiteral("1"));
    press("GSMSendpushButton");
    QCOMPARE(promptTexts(),
             QStringList{"Info/The message holds 71 characters; one message holds at most 70."});
    QTest::qWait(30);
    QCOMPARE(m_modem->received(), QByteArray());
}

// Connect, receive (as plain text, warnings dropped), send, close.
void TestGsmConsole::gprsLink()
{
    open();
    child<QLineEdit>(*m_window, "GSMTCPclientIPlineEdit")->setText(QStringLiteral("10.1.2.3"));
    child<QLineEdit>(*m_window, "GSMTCPclientPortlineEdit")->setText(QStringLiteral("5000"));
    const QByteArrayList setUp = {"AT+CGCLASS=\"B\"\r\n", "AT+CGDCONT=1,\"IP\",\"CMNET\"\r\n",
                                  "AT+CGATT=1\r\n", "AT+CIPCSGP=1,\"CMNET\"\r\n",
                                  "AT+CLPORT=\"TCP\",\"2222\"\r\n"};
    for (const QByteArray &command : setUp)
        m_modem->answer(command, ok);
    const QByteArray start("AT+CIPSTART=\"TCP\",\"10.1.2.3\",\"5000\"\r\n");
    m_modem->answer(start, {{0, ok}, {50, "\r\nCONNECT OK\r\n"}});
    press("GSMTCPopencompushButton");
    QCOMPARE(m_modem->received(), setUp.join() + start);
    QCOMPARE(promptTexts(), QStringList{"Info/connection succeeded"});
    QCOMPARE(button("GSMTCPopencompushButton")->text(), QStringLiteral("Disconnect"));
    QVERIFY(!child<QGroupBox>(*m_window, "gsm_groupBox_serial")->isEnabled());
    QVERIFY(!child<QGroupBox>(*m_window, "gsm_groupBox_call")->isEnabled());

    auto *view = child<QPlainTextEdit>(*m_window, "GSMTCPReadSBrowser");
    m_modem->say("<b>bold</b> ");
    QTRY_COMPARE(view->toPlainText(), QStringLiteral("<b>bold</b> "));
    m_modem->say("WARNNING: low power");
    QTest::qWait(50);
    m_modem->say(QByteArray("\xc4\xe3\xba\xc3"));
    QTRY_COMPARE(view->toPlainText(), QStringLiteral("<b>bold</b> \u4f60\u597d"));

    m_modem->clearReceived();
    child<QTextEdit>(*m_window, "GSMTcpsendBrowser")->setPlainText(QStringLiteral("abc\n"));
    m_modem->answer("AT+CIPSEND\r\n", "\r\n> ");
    m_modem->answer("\x1a", {{10, "\r\nSEND OK\r\n"}});
    QElapsedTimer clock;
    clock.start();
    press("GSMTCPsendmsgBtn");
    QCOMPARE(m_modem->received(), QByteArray("AT+CIPSEND\r\nabc\r\n\x1a"));
    QVERIFY2(clock.elapsed() >= 20, qPrintable(QString::number(clock.elapsed())));

    m_modem->clearReceived();
    m_modem->answer("AT+CIPCLOSE=1\r\n", ok);
    m_modem->answer("AT+CIPSHUT\r\n", ok);
    press("GSMTCPopencompushButton");
    QCOMPARE(m_modem->received(), QByteArray("AT+CIPCLOSE=1\r\nAT+CIPSHUT\r\n"));
    QCOMPARE(button("GSMTCPopencompushButton")->text(), QStringLiteral("Connect"));
    QVERIFY(child<QGroupBox>(*m_window, "gsm_groupBox_serial")->isEnabled());
    m_modem->say("late");
    QTest::qWait(50);
    QCOMPARE(view->toPlainText(), QStringLiteral("<b>bold</b> \u4f60\u597d"));
    QCOMPARE(m_prompts->messages.size(), 1);
}

// An error to the connect shows the failure and leaves the link down.
void TestGsmConsole::gprsConnectError()
{
    open();
    m_modem->answer("\"1000\"\r\n", "\r\nERROR\r\n");
    press("GSMTCPopencompushButton");
    QCOMPARE(promptTexts(), QStringList{"Info/Error"});
    QCOMPARE(button("GSMTCPopencompushButton")->text(), QStringLiteral("Connect"));
    QVERIFY(child<QGroupBox>(*m_window, "gsm_groupBox_SMSsend")->isEnabled());
    QVERIFY(m_modem->received().endsWith("AT+CIPSTART=\"TCP\",\"127.0.0.1\",\"1000\"\r\n"));
}

void TestGsmConsole::closeDuringTransaction_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("redial loop") << "GSMbodianhuapushButton" << QByteArray("ATD7;\r\n");
    QTest::newRow("delete all") << "GSMDelALLTextpushButton" << QByteArray("AT+CMGF=1\r\n");
}

// The wait ends at the close; nothing more reaches the port, no box shows.
void TestGsmConsole::closeDuringTransaction()
{
    QFETCH(QString, buttonName);
    QFETCH(QByteArray, sent);

    open();
    press("GSMANJIANpushButton_7");
    child<QCheckBox>(*m_window, "GSM_AutoRedial")->setChecked(true);
    m_modem->answer("ATD7;\r\n", "ATD7;\r\r\nOK\r\n");
    after(60, [this] { press("GSMopencompushButton"); });
    QElapsedTimer clock;
    clock.start();
    press(qPrintable(buttonName));
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial closed"));
    QVERIFY(!button("GSMbodianhuapushButton")->isEnabled());
    QTest::qWait(150);
    QCOMPARE(m_modem->received(), sent);
    QCOMPARE(promptTexts(), buttonName == QLatin1String("GSMDelALLTextpushButton")
                                ? QStringList{"Info/Confirm delete all text messages?"}
                                : QStringList());
}

// A press during another action's wait runs after it, its command never
// inside the other's exchange.
void TestGsmConsole::pressDuringTransactionWaits()
{
    open();
    m_modem->answer("AT+CSQ\r\n", {{80, "\r\n+CSQ: 31,0\r\n\r\nOK\r\n"}});
    m_modem->answer("AT+CALM=0\r\n", ok);
    after(20, [this] { press("GSMLaidianYingKaiguanpushButton"); });
    press("GSMTestSignalpushButton");
    QCOMPARE(m_modem->received(), QByteArray("AT+CSQ\r\n"));
    QTRY_COMPARE(m_modem->received(), QByteArray("AT+CSQ\r\nAT+CALM=0\r\n"));
    QTRY_VERIFY(shows(button("GSMLaidianYingKaiguanpushButton"), on));
    QCOMPARE(child<QLabel>(*m_window, "GSMCheckSigneltext")->pixmap().toImage(),
             QPixmap(QStringLiteral(":images/sig100.png")).toImage());
}

YURB_TEST_MAIN(TestGsmConsole)
#include "tst_gsmconsole.moc"
