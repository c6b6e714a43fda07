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
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using Answers = QList<std::pair<QByteArray, QByteArray>>;

// The GSM console against a scripted modem on a pty, its waits at a tenth of
// their real length. Each scenario opens the port (the start-up queries
// answered as the row says, else text mode off and both switches off), runs
// its steps and checks every byte the modem got after the opening, and the
// boxes shown.
class TestGsmConsole : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { AtTransaction::setTimeScale(0.1); }
    void init();
    void cleanup();
    void openingQueriesTheModem_data();
    void openingQueriesTheModem();
    void openingWhileAnotherToolWaits();
    void scenario_data();
    void scenario();

private:
    void step(const QString &step);
    [[nodiscard]] QString shown(const QString &name) const;

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<ScriptedModem> m_modem;
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_statuses; // status messages since the last check
};

void TestGsmConsole::init()
{
    m_pty = std::make_unique<PtyPair>();
    m_modem = std::make_unique<ScriptedModem>(*m_pty);
    const QString path = m_pty->slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
    connect(m_window->statusBar(), &QStatusBar::messageChanged, this,
            [this](const QString &message) {
                if (!message.isEmpty())
                    m_statuses.append(message);
            });
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

// What a widget shows as text: a button's text, a view's plain text, a check
// box's state, the picture of a label or a switch button ("on", "sig75"...).
QString TestGsmConsole::shown(const QString &name) const
{
    QObject *widget = m_window->findChild<QObject *>(name);
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return box->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        if (!button->text().isEmpty())
            return button->text();
        for (const char *picture : {"on", "off"}) {
            const QString path = QStringLiteral(":images/%1.png").arg(QLatin1String(picture));
            if (button->icon().pixmap(16).toImage() == QIcon(path).pixmap(16).toImage())
                return QLatin1String(picture);
        }
    }
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        for (const char *picture : {"sig0", "sig25", "sig50", "sig75", "sig100"}) {
            const QString path = QStringLiteral(":images/%1.png").arg(QLatin1String(picture));
            if (label->pixmap().toImage() == QPixmap(path).toImage())
                return QLatin1String(picture);
        }
    }
    if (auto *edit = qobject_cast<QTextEdit *>(widget))
        return edit->toPlainText();
    if (auto *view = qobject_cast<QPlainTextEdit *>(widget))
        return view->toPlainText();
    return QStringLiteral("?");
}

// Steps: "press NAME", "later MS NAME" (pressed during what follows), "upon
// KEY NAME" (pressed once the modem gets a command ending in KEY), "say
// BYTES" (Latin-1), "set NAME=TEXT", "reply TEXT" (to the next question),
// "enter" (boxes are answered by Enter), "hold MS" (boxes stay open so long),
// "type KEYS" (on the keyboard, the GSM page shown), "wait MS", "expect
// NAME=TEXT" (see shown(); "status" for the status bar, "statuses" for the
// messages since the last such check joined by '|'), "disabled NAME".
void TestGsmConsole::step(const QString &step)
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString rest = step.section(QLatin1Char(' '), 1);
    const QString name = rest.section(QLatin1Char('='), 0, 0);
    const QString value = rest.section(QLatin1Char('='), 1);
    if (verb == QLatin1String("press")) {
        child<QPushButton>(*m_window, qPrintable(rest))->click();
    } else if (verb == QLatin1String("later")) {
        const QString button = rest.section(QLatin1Char(' '), 1);
        QTimer::singleShot(
            rest.section(QLatin1Char(' '), 0, 0).toInt(), m_window.get(),
            [this, button] { child<QPushButton>(*m_window, qPrintable(button))->click(); });
    } else if (verb == QLatin1String("upon")) {
        const QByteArray key = rest.section(QLatin1Char(' '), 0, 0).toLatin1();
        const QString button = rest.section(QLatin1Char(' '), 1);
        auto *once = new QObject(m_window.get());
        connect(m_modem.get(), &ScriptedModem::commandReceived, once,
                [this, key, button, once](const QByteArray &command) {
                    if (!command.endsWith(key))
                        return;
                    once->deleteLater();
                    child<QPushButton>(*m_window, qPrintable(button))->click();
                });
    } else if (verb == QLatin1String("say")) {
        m_modem->say(rest.toLatin1());
    } else if (verb == QLatin1String("set")) {
        QObject *widget = m_window->findChild<QObject *>(name);
        if (auto *box = qobject_cast<QCheckBox *>(widget))
            box->setChecked(value == QLatin1String("checked"));
        else if (auto *line = qobject_cast<QLineEdit *>(widget))
            line->setText(value);
        else
            child<QTextEdit>(*m_window, qPrintable(name))->setPlainText(value);
    } else if (verb == QLatin1String("reply")) {
        m_prompts->textAnswers.append(rest);
    } else if (verb == QLatin1String("enter")) {
        m_prompts->answerWithEnter = true;
    } else if (verb == QLatin1String("hold")) {
        m_prompts->openMs = rest.toInt();
    } else if (verb == QLatin1String("type")) {
        child<QTabWidget>(*m_window, "tabWidget")
            ->setCurrentWidget(child<QWidget>(*m_window, "gsm"));
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClicks(m_window.get(), rest);
    } else if (verb == QLatin1String("wait")) {
        QTest::qWait(rest.toInt());
    } else if (verb == QLatin1String("expect") && name == QLatin1String("status")) {
        QTRY_COMPARE(statusText(*m_window), value);
    } else if (verb == QLatin1String("expect") && name == QLatin1String("statuses")) {
        QTRY_COMPARE(m_statuses.join(QLatin1Char('|')), value);
        m_statuses.clear();
    } else if (verb == QLatin1String("expect")) {
        QTRY_COMPARE(shown(name), value);
    } else if (verb == QLatin1String("disabled")) {
        QVERIFY2(!child<QWidget>(*m_window, qPrintable(rest))->isEnabled(), qPrintable(rest));
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

void TestGsmConsole::openingQueriesTheModem_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    QTest::newRow("answered, the signal in two reads")
        << Answers{{"AT+CLIP?\r\n", "AT+CLIP?\r\r\n+CLIP: 0,1\r\n\r\nOK\r\n"},
                   {"AT+CALM?\r\n", "+CALM: 0\r\n\r\nOK\r\n"},
                   {"AT+CMGF?\r\n", "+CMGF: 1\r\n\r\nOK\r\n"},
                   {"AT+CSQ\r\n", "\r\n+CSQ: 7|,0\r\n\r\nOK\r\n"}}
        << QStringList{"expect GSMLaidianKaiguanpushButton=off",
                       "expect GSMLaidianYingKaiguanpushButton=on",
                       "expect GSMDuanXinWenBenKaiguanpushButton=on",
                       "expect GSMCheckSigneltext=sig75"}
        << 0 << 1000;
    // 5.5 s + 1.1 s + 5.5 s + 1.1 s at a tenth; the form's pictures stay.
    QTest::newRow("silent") << Answers{}
                            << QStringList{"expect GSMDuanXinWenBenKaiguanpushButton=off",
                                           "expect GSMCheckSigneltext=sig0"}
                            << 1320 << 5000;
}

// The three queries and the signal, in order; the console is enabled after
// them, and the window keeps running while they wait.
void TestGsmConsole::openingQueriesTheModem()
{
    QFETCH(Answers, answers);
    QFETCH(QStringList, checks);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    for (const auto &[key, reply] : answers) {
        ScriptedModem::Answer answer;
        for (const QByteArray &piece : reply.split('|'))
            answer.append({20, piece});
        m_modem->answer(key, answer);
    }
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(10);
    QElapsedTimer clock;
    clock.start();
    step(QStringLiteral("press GSMopencompushButton"));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= minMs && elapsed < maxMs, qPrintable(QString::number(elapsed)));
    QVERIFY2(ticks >= elapsed / 40, qPrintable(QStringLiteral("%1 ticks").arg(ticks)));
    QCOMPARE(m_modem->received(), QByteArray("AT+CLIP?\r\nAT+CALM?\r\nAT+CMGF?\r\nAT+CSQ\r\n"));
    QCOMPARE(statusText(*m_window), QStringLiteral("Initialization completed"));
    QVERIFY(child<QPushButton>(*m_window, "GSMSendpushButton")->isEnabled());
    QCOMPARE(shown(QStringLiteral("GSMopencompushButton")), QStringLiteral("Close"));
    for (const QString &check : checks)
        step(check);
    QVERIFY(m_prompts->messages.isEmpty());
}

// GSM opened while the Modbus tab waits for a silent TCP server: the
// queries wait their turn, the console then works and Close closes.
void TestGsmConsole::openingWhileAnotherToolWaits()
{
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    child<QRadioButton>(*m_window, "ModbusportMode_2")->click();
    step("set ModbusTCPclientPortlineEdit=" + QString::number(silent.serverPort()));
    m_modem->answer("AT+CSQ\r\n", QByteArray("+CSQ: 31,0\r\n\r\nOK\r\n"));
    for (const char *each :
         {"press ModbusTCPopencompushButton", "expect status=Connected to TCP server",
          "later 100 GSMopencompushButton", "press Modbus_pushButton",
          "expect status=Initialization completed", "expect GSMCheckSigneltext=sig100",
          "press GSMopencompushButton", "expect status=Serial closed"})
        step(QLatin1String(each));
    QCOMPARE(m_modem->received(), QByteArray("AT+CLIP?\r\nAT+CALM?\r\nAT+CMGF?\r\nAT+CSQ\r\n"));
}

void TestGsmConsole::scenario_data()
{
    QTest::addColumn<Answers>("answers"); // '|' splits a reply into reads 20 ms apart
    QTest::addColumn<QString>("steps");   // separated by "; "
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QStringList>("prompts"); // "title/text", " [default button]" if any

    const QByteArray ok("\r\nOK\r\n");
    const QByteArray textMode("+CMGF: 1\r\n\r\nOK\r\n");
    const QString noResponse = QStringLiteral("Info/No response");
    const QString confirm = QStringLiteral("Info/Confirm delete all text messages? [No]");
    const QString deleted = QStringLiteral("Info/Successfully deleted");
    const auto row = [](const char *name, const Answers &answers, const QString &steps,
                        const QByteArray &sent, const QStringList &prompts) {
        QTest::newRow(name) << answers << steps << sent << prompts;
    };

    // Switches and signal.
    row("caller id on, its OK split", {{"AT+CLIP=1\r\n", "\r\nO|K\r\n"}},
        "press GSMLaidianKaiguanpushButton; expect GSMLaidianKaiguanpushButton=on", "AT+CLIP=1\r\n",
        {});
    row("call music off: an error is no reply",
        {{"AT+CALM?\r\n", "+CALM: 0\r\n\r\nOK\r\n"}, {"AT+CALM=1\r\n", "\r\nERROR\r\n"}},
        "press GSMLaidianYingKaiguanpushButton; expect GSMLaidianYingKaiguanpushButton=on",
        "AT+CALM=1\r\n", {noResponse});
    row("text mode on selects UCS2", {{"AT+CMGF=1\r\n", ok}},
        "press GSMDuanXinWenBenKaiguanpushButton; expect GSMDuanXinWenBenKaiguanpushButton=on",
        "AT+CMGF=1\r\nAT+CSCS=\"UCS2\"\r\n", {});
    row("text mode on unanswered", {}, "press GSMDuanXinWenBenKaiguanpushButton", "AT+CMGF=1\r\n",
        {});
    row("text mode off unanswered", {{"AT+CMGF?\r\n", textMode}},
        "press GSMDuanXinWenBenKaiguanpushButton", "AT+CMGF=0\r\n", {noResponse});
    // The opening's signal query shows the failure too.
    row("signal error", {{"AT+CSQ\r\n", "\r\nERROR\r\n"}}, "press GSMTestSignalpushButton",
        "AT+CSQ\r\n", {"Info/Error", "Info/Error"});
    // Its OK crosses the reply's bound: what the reply keeps holds no
    // "+CSQ: " line, so no value, and the picture stays.
    row("signal reply crossing the reply's bound",
        {{"AT+CSQ\r\n", "+CSQ: 31,0\r\n\r\nOK\r\n"},
         {"AT+CSQ\r\n",
          "+CSQ: 20,0\r\n" + QByteArray(AtTransaction::maximumReply - 16, ' ') + "\r\n\r\nOK\r\n"}},
        "press GSMTestSignalpushButton; expect GSMCheckSigneltext=sig100", "AT+CSQ\r\n", {});
    row("a press during another's wait runs after it",
        {{"AT+CSQ\r\n", "\r\n|+CSQ: 31,0\r\n|\r\nOK\r\n"}, {"AT+CALM=0\r\n", ok}},
        "later 10 GSMLaidianYingKaiguanpushButton; press GSMTestSignalpushButton; "
        "expect GSMCheckSigneltext=sig100; expect GSMLaidianYingKaiguanpushButton=on",
        "AT+CSQ\r\nAT+CALM=0\r\n", {});
    // Both presses saw music off: the second finds it on and is dropped.
    row("a switch pressed twice during a wait turns once",
        {{"AT+CSQ\r\n", "\r\n|+CSQ: 31,0\r\n|\r\nOK\r\n"}, {"AT+CALM=0\r\n", ok}},
        "later 10 GSMLaidianYingKaiguanpushButton; later 30 GSMLaidianYingKaiguanpushButton; "
        "press GSMTestSignalpushButton; expect GSMLaidianYingKaiguanpushButton=on; wait 100",
        "AT+CSQ\r\nAT+CALM=0\r\n", {});
    // Queued answers are used in turn: the opening's query, then the press's.
    row("a new message during a signal query is reported",
        {{"AT+CSQ\r\n", "+CSQ: 20,0\r\n\r\nOK\r\n"},
         {"AT+CSQ\r\n", "\r\n+CMTI: \"SM\",5\r\n|\r\n+CSQ: 20,0\r\n\r\nOK\r\n"}},
        "press GSMTestSignalpushButton; expect GSMCheckSigneltext=sig75; "
        "expect statuses=Have new SMS, SMS box:: 5",
        "AT+CSQ\r\n", {});
    row("each unsolicited line on its own", {},
        "say +CMTI: \"SM\",3\r\nRING\r\n; "
        "expect statuses=Have new SMS, SMS box:: 3|Have a new call:; "
        "say +CMTI: \"SM\",4\r\n+CMTI: \"SM\",5\r\n; "
        "expect statuses=Have new SMS, SMS box:: 4|Have new SMS, SMS box:: 5",
        "", {});

    // Calls.
    row("keys, dial, tone, hang-up", {{"ATD1*;\r\n", "ATD1*;\r\r\nOK\r\n"}, {"ATH\r\n", ok}},
        "press GSMANJIANpushButton_9; press GSMANJIANpushButton_Clean; "
        "expect status=Already cleared; press GSMANJIANpushButton_1; "
        "press GSMANJIANpushButton_10; expect GSMtextBrowser_1=1*; press GSMbodianhuapushButton; "
        "expect status=Calling...; press GSMANJIANpushButton_11; press GSMguadianhuapushButton; "
        "expect status=call ended; press GSMANJIANpushButton_5",
        "ATD1*;\r\nAT+VTS=#\r\nATH\r\n", {});
    row("ring, caller, answer; the next call rings anew", {{"ATA\r\n", ok}},
        "say \r\nRING\r\n; expect status=Have a new call:; "
        "say \r\n+CLIP: \"13800138000\",129,\"\",0\r\n; "
        "expect status=Have a new call:13800138000; expect GSMbodianhuapushButton=Answer call; "
        "press GSMbodianhuapushButton; expect status=Calling...; "
        "expect GSMbodianhuapushButton=Call; say \r\nNO CARRIER\r\n; expect status=call ended; "
        "say \r\nRING\r\n; expect GSMbodianhuapushButton=Answer call; say \r\nNO CARRIER\r\n; "
        "expect GSMbodianhuapushButton=Call",
        "ATA\r\n", {});
    row("empty number", {}, "press GSMbodianhuapushButton", "", {"Info: /Error number"});
    row("keyboard: every digit typed counts", {},
        "type 13800138000; expect GSMtextBrowser_1=13800138000", "", {});
    // The call state ends: the keypad sends no tone afterwards.
    for (const char *result : {"BUSY", "NO DIALTONE", "NO CARRIER", "NO ANSWER", "+CME ERROR: 3"}) {
        QTest::newRow(qPrintable(QStringLiteral("dial answered %1").arg(QLatin1String(result))))
            << Answers{{"ATD5;\r\n", "ATD5;\r\r\n|\r\n" + QByteArray(result) + "\r\n"}}
            << QStringLiteral("press GSMANJIANpushButton_5; press GSMbodianhuapushButton; "
                              "expect status=Call failed: %1; press GSMANJIANpushButton_5; wait 50")
                   .arg(QLatin1String(result))
            << QByteArray("ATD5;\r\n") << QStringList{};
    }
    row("a late NO ANSWER ends the call", {{"ATD5;\r\n", "ATD5;\r\r\nOK\r\n"}},
        "press GSMANJIANpushButton_5; press GSMbodianhuapushButton; expect status=Calling...; "
        "say \r\nNO ANSWER\r\n; expect status=Call failed: NO ANSWER; "
        "press GSMANJIANpushButton_5; wait 50",
        "ATD5;\r\n", {});
    // The second press saw "Answer call": once answered, it has nothing to do.
    row("Call pressed again while answering is dropped", {{"ATA\r\n", ok}},
        "say \r\nRING\r\n; expect GSMbodianhuapushButton=Answer call; "
        "later 40 GSMbodianhuapushButton; press GSMbodianhuapushButton; "
        "expect GSMbodianhuapushButton=Call; wait 100",
        "ATA\r\n", {});
    const QString redial =
        QStringLiteral("press GSMANJIANpushButton_5; set GSM_AutoRedial=checked; "
                       "press GSMbodianhuapushButton");
    row("redial: three dials, then the warning", {{"ATD5;\r\n", "ATD5;\r\r\n\r\nNO CARRIER\r\n"}},
        redial + "; expect status=Stop; expect GSM_AutoRedial=unchecked",
        "ATD5;\r\nATD5;\r\nATD5;\r\n",
        {"Error: /For academic research only. Prohibiting telephone harassment!"});
    row("redial: an error ends it, the box stays", {{"ATD5;\r\n", "ATD5;\r\r\nERROR\r\n"}},
        redial + "; expect GSM_AutoRedial=checked", "ATD5;\r\n", {"Info/Error"});
    row("redial: Cut ends the loop, then hangs up",
        {{"ATD5;\r\n", "ATD5;\r\r\nOK\r\n"}, {"ATH\r\n", ok}},
        "later 100 GSMguadianhuapushButton; " + redial + "; expect status=call ended",
        "ATD5;\r\nATH\r\n", {});
    row("close during the redial loop", {{"ATD5;\r\n", "ATD5;\r\r\nOK\r\n"}},
        "later 60 GSMopencompushButton; " + redial +
            "; expect status=Serial closed; disabled GSMbodianhuapushButton; wait 100",
        "ATD5;\r\n", {});

    // Text messages.
    row("read, the reply in two reads",
        {{"AT+CMGR=3\r\n", "\r\n+CMGR: \"REC READ\",\"002B0031003200330034\",\"\","
                           "\"24/05/01,10:20:30+32\"\r\n|00480069\r\n\r\nOK\r\n"}},
        "reply 3; press GSMReadTextpushButton; "
        "expect GSMReadtextBrowser=Sender:+1234\nTime:24/05/01,10:20:30+32\nHi",
        "AT+CMGR=3\r\n", {});
    row("read a stored message, markup as text",
        {{"AT+CMGR=4\r\n",
          "+CMGR: \"STO UNSENT\",\"0031\",\"\"\r\n4E2D003C0062003E\r\n\r\nOK\r\n"}},
        QStringLiteral("reply 4; press GSMReadTextpushButton; "
                       "expect GSMReadtextBrowser=Sender:1\nTime:\n\u4e2d<b>"),
        "AT+CMGR=4\r\n", {});
    row("read answered with an error: the old text goes",
        {{"AT+CMGR=3\r\n", "\r\n+CMS ERROR: 321\r\n"}},
        "set GSMReadtextBrowser=old; reply 3; press GSMReadTextpushButton; "
        "expect GSMReadtextBrowser=",
        "AT+CMGR=3\r\n", {"Info/Error: +CMS ERROR: 321"});
    row("read an empty box: the raw reply", {{"AT+CMGR=9\r\n", ok}},
        "reply 9; press GSMReadTextpushButton; expect GSMReadtextBrowser=\nOK\n", "AT+CMGR=9\r\n",
        {});
    // The last line ends in OK but is no result code; the header is cut.
    row("read a reply crossing the reply's bound",
        {{"AT+CMGR=1\r\n", "+CMGR: \"REC READ\",\"0031\",\"\",\"t\"\r\n" + QByteArray(16120, '0') +
                               "\r\n" + QByteArray(298, '0') + "OK\r\n"}},
        "set GSMReadtextBrowser=old; reply 1; press GSMReadTextpushButton; "
        "expect GSMReadtextBrowser=",
        "AT+CMGR=1\r\n", {});
    // Another tool holds the port when the question is answered: nothing
    // reaches its device.
    const QString handOver =
        QStringLiteral("hold 200; later 50 GSMopencompushButton; later 100 opencompushButton; ");
    row("read: the port changed hands under the question", {},
        handOver + "reply 1; press GSMReadTextpushButton; expect status=Serial opened; wait 100",
        "", {});
    row("read an index that is no number", {}, "reply 1\r\nATD112;; press GSMReadTextpushButton",
        "", {"Info/Error message box number"});
    row("delete one", {{"AT+CMGD=2,0\r\n", ok}}, "reply 2; press GSMDelTextpushButton",
        "AT+CMGD=2,0\r\n", {deleted});
    row("delete answered with an error", {{"AT+CMGD=2,0\r\n", "\r\nERROR\r\n"}},
        "reply 2; press GSMDelTextpushButton", "AT+CMGD=2,0\r\n", {"Info/Error"});
    row("delete all: Enter answers No", {}, "enter; press GSMDelALLTextpushButton", "", {confirm});
    row("delete all, text mode on", {{"AT+CMGF?\r\n", textMode}, {"AT+CMGDA=DEL ALL\r\n", ok}},
        "press GSMDelALLTextpushButton", "AT+CMGDA=DEL ALL\r\n", {confirm, deleted});
    const QByteArray thereAndBack("AT+CMGF=1\r\nAT+CMGDA=DEL ALL\r\nAT+CMGF=0\r\n");
    row("delete all, text mode off",
        {{"AT+CMGF=1\r\n", ok}, {"AT+CMGDA=DEL ALL\r\n", "|" + ok}, {"AT+CMGF=0\r\n", ok}},
        "press GSMDelALLTextpushButton", thereAndBack, {confirm, deleted});
    // The mode switch's OK is no answer to the delete.
    row("delete all unanswered, text mode off", {{"AT+CMGF=1\r\n", ok}, {"AT+CMGF=0\r\n", ok}},
        "press GSMDelALLTextpushButton", thereAndBack, {confirm});
    row("delete all: text mode refused, nothing deleted",
        {{"AT+CMGF=1\r\n", "\r\n+CMS ERROR: 302\r\n"}}, "press GSMDelALLTextpushButton",
        "AT+CMGF=1\r\n", {confirm, "Info/Error: +CMS ERROR: 302"});
    row("delete all: text mode unanswered, nothing deleted", {}, "press GSMDelALLTextpushButton",
        "AT+CMGF=1\r\n", {confirm, noResponse});
    row("delete all: the port changed hands under the question", {},
        handOver + "press GSMDelALLTextpushButton; expect status=Serial opened; wait 100", "",
        {confirm});
    row("close during delete all", {{"AT+CMGF=1\r\n", ok}},
        "later 100 GSMopencompushButton; press GSMDelALLTextpushButton; "
        "expect status=Serial closed; wait 100",
        "AT+CMGF=1\r\nAT+CMGDA=DEL ALL\r\n", {confirm});
    row("send, the guard at 70",
        {{"AT+CSMP=17,167,2,25\r\n", ok},
         {"AT+CSCS=\"UCS2\"\r\n", ok},
         {"AT+CMGS=\"002b0031003200330034\"\r\n", "\r\n|> "},
         {"\x1a", "|\r\n+CMGS: 12\r\n|\r\nOK\r\n"}},
        "set GSMtextBrowser=" + QString(80, QLatin1Char('x')) +
            "; expect GSMtextBrowser=" + QString(70, QLatin1Char('x')) +
            QStringLiteral("; set GSMtextBrowser=Hi\u4e2d; set GSMNUMtextEdit=+1234; "
                           "press GSMSendpushButton; expect status=SMS sent successfully"),
        "AT+CSMP=17,167,2,25\r\nAT+CSCS=\"UCS2\"\r\nAT+CMGS=\"002b0031003200330034\"\r\n"
        "004800694e2d\x1a",
        {});
    const QByteArray smsSetUp("AT+CSMP=17,167,2,25\r\nAT+CSCS=\"UCS2\"\r\n");
    row("send without a prompt: Esc, nothing sent",
        {{"AT+CSMP=17,167,2,25\r\n", ok}, {"AT+CSCS=\"UCS2\"\r\n", ok}},
        "set GSMtextBrowser=Hi; set GSMNUMtextEdit=1; press GSMSendpushButton; "
        "expect status=SMS sent failed",
        smsSetUp + "AT+CMGS=\"0031\"\r\n\x1b", {});

    // GPRS link.
    const QString server = QStringLiteral("set GSMTCPclientIPlineEdit=10.1.2.3; "
                                          "set GSMTCPclientPortlineEdit=5000; "
                                          "press GSMTCPopencompushButton; ");
    const QByteArray setUp("AT+CGCLASS=\"B\"\r\nAT+CGDCONT=1,\"IP\",\"CMNET\"\r\nAT+CGATT=1\r\n"
                           "AT+CIPCSGP=1,\"CMNET\"\r\nAT+CLPORT=\"TCP\",\"2222\"\r\n"
                           "AT+CIPSTART=\"TCP\",\"10.1.2.3\",\"5000\"\r\n");
    const QString received = QStringLiteral("<b>bold</b> \u4f60\u597d");
    row("gprs: connect, receive, send, close",
        {{"AT+CGATT=1\r\n", ok},
         {"\"5000\"\r\n", ok + "|\r\nCONNECT OK\r\n"},
         {"AT+CIPSEND\r\n", "\r\n> "},
         {"\x1a", "|\r\nSEND OK\r\n"},
         {"AT+CIPCLOSE=1\r\n", ok}},
        server +
            "expect GSMTCPopencompushButton=Disconnect; disabled gsm_groupBox_serial; "
            "say <b>bold</b> ; expect GSMTCPReadSBrowser=<b>bold</b> ; "
            "say WARNNING: low power; wait 50; say " +
            QString::fromLatin1("\xc4\xe3\xba\xc3") + "; expect GSMTCPReadSBrowser=" + received +
            "; set GSMTcpsendBrowser=abc\n; press GSMTCPsendmsgBtn; "
            "press GSMTCPopencompushButton; expect GSMTCPopencompushButton=Connect; "
            "say late; wait 50; expect GSMTCPReadSBrowser=" +
            received,
        setUp + "AT+CIPSEND\r\nabc\r\n\x1a" + "AT+CIPCLOSE=1\r\nAT+CIPSHUT\r\n",
        {"Info/connection succeeded"});
    const Answers linkSetUp = {{"AT+CGCLASS=\"B\"\r\n", ok},
                               {"AT+CGDCONT=1,\"IP\",\"CMNET\"\r\n", ok},
                               {"AT+CGATT=1\r\n", ok},
                               {"AT+CIPCSGP=1,\"CMNET\"\r\n", ok},
                               {"AT+CLPORT=\"TCP\",\"2222\"\r\n", ok}};
    const QByteArray close("AT+CIPCLOSE=1\r\nAT+CIPSHUT\r\n");
    row("gprs: Disconnect during the connect ends it at once", linkSetUp,
        "upon \"5000\"\r\n GSMTCPopencompushButton; " + server +
            "expect GSMTCPopencompushButton=Connect; wait 100",
        setUp + close, {});
    // Data in the read of CONNECT OK, while its box is open, during the
    // send's waits and in the read of SEND OK, in order; a new message while
    // the link is up still reaches the reader.
    row("gprs: no received byte is lost",
        linkSetUp + Answers{{"\"5000\"\r\n", ok + "|\r\nCONNECT OK\r\nfirst |second "},
                            {"AT+CIPSEND\r\n", "\r\nthird\r\n|\r\n> "},
                            {"\x1a", "|\r\nSEND OK\r\nfourth"}},
        "hold 100; " + server +
            "expect GSMTCPReadSBrowser=first second ; set GSMTcpsendBrowser=abc; "
            "press GSMTCPsendmsgBtn; expect GSMTCPReadSBrowser=first second third\nfourth; "
            "say \r\n+CMTI: \"SM\",7\r\n; expect statuses=Have new SMS, SMS box:: 7",
        setUp + "AT+CIPSEND\r\nabc\x1a", {"Info/connection succeeded"});
    row("gprs: CONNECT FAIL ends the connect at once",
        {{"\"5000\"\r\n", ok + "|\r\nCONNECT FAIL\r\n"}},
        server + "expect GSMTCPopencompushButton=Connect", setUp, {"Info/Error: CONNECT FAIL"});
    row("gprs: send without a prompt: Esc, nothing sent", {},
        "set GSMTcpsendBrowser=abc; press GSMTCPsendmsgBtn", "AT+CIPSEND\r\n\x1b",
        {"Info/The modem gave no prompt for the data: nothing was sent."});
    row("gprs: an error to the connect keeps the link down", {{"\"5000\"\r\n", "\r\nERROR\r\n"}},
        server + "expect GSMTCPopencompushButton=Connect", setUp, {"Info/Error"});
    row("gprs: a quote in the address never reaches the modem", {},
        "set GSMTCPclientIPlineEdit=1\",\"2; press GSMTCPopencompushButton", "",
        {"Info/The server IP and PORT may hold no spaces, quotes or line breaks."});
}

void TestGsmConsole::scenario()
{
    QFETCH(Answers, answers);
    QFETCH(QString, steps);
    QFETCH(QByteArray, sent);
    QFETCH(QStringList, prompts);

    Answers opening = answers;
    const Answers switchesOff = {{"AT+CLIP?\r\n", "+CLIP: 0,1\r\n\r\nOK\r\n"},
                                 {"AT+CALM?\r\n", "+CALM: 1\r\n\r\nOK\r\n"},
                                 {"AT+CMGF?\r\n", "+CMGF: 0\r\n\r\nOK\r\n"}};
    for (const auto &query : switchesOff) {
        const auto scripted = [&query](const auto &answer) {
            return answer.first == query.first;
        };
        if (std::none_of(answers.cbegin(), answers.cend(), scripted))
            opening.prepend(query);
    }
    for (const auto &[key, reply] : opening) {
        ScriptedModem::Answer answer;
        for (const QByteArray &piece : reply.split('|'))
            answer.append({20, piece});
        m_modem->answer(key, answer);
    }
    step(QStringLiteral("press GSMopencompushButton"));
    QCOMPARE(statusText(*m_window), QStringLiteral("Initialization completed"));
    m_modem->clearReceived();
    m_statuses.clear();

    for (const QString &each : steps.split(QStringLiteral("; "))) {
        step(each);
        if (QTest::currentTestFailed())
            return;
    }
    QTRY_COMPARE(m_modem->received(), sent);
    QStringList texts;
    const QMetaEnum buttons = QMessageBox::staticMetaObject.enumerator(
        QMessageBox::staticMetaObject.indexOfEnumerator("StandardButtons"));
    for (const Prompt::Message &message : m_prompts->messages) {
        texts.append(message.title + QLatin1Char('/') + message.text);
        if (message.defaultButton != QMessageBox::NoButton)
            texts.last() += QStringLiteral(" [%1]").arg(
                QLatin1String(buttons.valueToKey(message.defaultButton)));
    }
    QCOMPARE(texts, prompts);
}

YURB_TEST_MAIN(TestGsmConsole)
#include "tst_gsmconsole.moc"
