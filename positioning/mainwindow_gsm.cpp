#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attransaction.h"
#include "gsmreplies.h"
#include "portwait.h"
#include "prompt.h"
#include "receiveview.h"
#include "serialtool.h"
#include "threadserial.h"
#include "unsolicitedreader.h"

#include <QScopeGuard>
#include <QTimer>

namespace {
// A press that finds the port held by another action is tried again so soon.
constexpr int sessionRetryMs = 20;

// The picture of a complete signal reply; none for a reply without a value
// or with one outside the table.
std::optional<QString> signalPictureOf(const QByteArray &reply)
{
    const std::optional<int> value = GsmReplies::signalValue(reply);
    return value ? GsmReplies::signalPicture(*value) : std::nullopt;
}
} // namespace

void MainWindow::GSM_Init_Start()
{
    connect(ui->GSMopencompushButton, &QPushButton::pressed, this,
            &MainWindow::GSMactionOpen_triggered);
    ui->GSMtextBrowser_1->document()->setMaximumBlockCount(1);
    ui->GSMNUMtextEdit->document()->setMaximumBlockCount(1);
    gsmGprsView = new ReceiveView(ui->GSMTCPReadSBrowser, nullptr, this, HexFormat::Style::Compact,
                                  ReceiveDecoder::Encoding::Utf8OrGbk);
    gsmGprsView->setUp(50);
    gsmPressTimer = new QTimer(this);
    gsmPressTimer->setSingleShot(true);
    connect(gsmPressTimer, &QTimer::timeout, this, &MainWindow::gsmRunPressed);

    gsmShowCallerOn = 0;
    gsmCallMusicOn = 0;
    gsmSmsTextModeOn = 0;
    for (QPushButton *button :
         {ui->GSMLaidianKaiguanpushButton, ui->GSMLaidianYingKaiguanpushButton,
          ui->GSMDuanXinWenBenKaiguanpushButton}) {
        button->setFlat(true);
        button->setStyleSheet(QStringLiteral("border:none"));
    }
    gsmIncomingCall = false;
    gsmInCall = false;
    gsmRingSeen = false;
    gsmCallerNumberReady = false;
    gsmSetUpKeypad();

    GSMUI_EnDisable(false);
    setOpenButtonStyle(ui->GSMopencompushButton, false);
}

bool MainWindow::gsmPortOpen() const
{
    return stillHolds(claimSerialPort(SerialToolId::Gsm));
}

bool MainWindow::gsmPortBusy() const
{
    return gsmSessionRunning || PortWait::isWaiting();
}

// The GSM row of the shared road. The port's bytes reach gsmPortData, and
// the reader reads what no transaction takes from the open to the close. A
// close (by the button or a lost device) ends a running transaction, since
// its wait sees the port go, drops the presses waiting for the port and
// brings the GPRS group down with the port.
SerialTool MainWindow::gsmSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::Gsm;
    tool.receive = &MainWindow::gsmPortData;
    tool.opened = [this] {
        gsmRxBuffer.clear();
        GSMsetReadComINT(true);
        gsmGprsView->resetDecoder();
    };
    tool.failed = [this] {
        GSMsetReadComINT(false);
    };
    tool.beforeClose = [this] {
        GSMsetReadComINT(false);
        gsmPresses.clear();
    };
    tool.closed = [this] {
        gsmGprsReceiverOn = false;
        if (gsmGprsConnected == 1)
            gsmShowGprsLink(false);
        GSMUI_EnDisable(false);
        ui->GSMopencompushButton->setEnabled(true);
    };
    return tool;
}

void MainWindow::GSMactionOpen_triggered()
{
    const bool opening = !serialPortOpen;
    openOrCloseSerialTool(gsmSerialTool());
    if (opening && gsmPortOpen())
        Phone_Status();
}

void MainWindow::gsmPortData(const QByteArray &bytes)
{
    gsmDeliver(gsmTransaction ? gsmTransaction->take(bytes) : bytes);
}

void MainWindow::gsmDeliver(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    if (gsmReaderOn)
        GSMreadMyCom(bytes);
    if (gsmGprsReceiverOn)
        GSMGPRSreadMyCom(bytes);
}

// A press acts on what the user saw when pressing: one that must wait for
// the port is dropped if that has changed meanwhile, so a wait never
// replays an action that is already done or no longer meant.
void MainWindow::gsmAct(std::function<bool()> stillSeen, std::function<void()> action)
{
    if (!gsmPortOpen())
        return;
    if (gsmPortBusy()) {
        gsmPresses.append({std::move(stillSeen), std::move(action)});
        if (!gsmPressTimer->isActive())
            gsmPressTimer->start(sessionRetryMs);
        return;
    }
    gsmSession(action);
}

// The session holds the open of the port it began on: once a box or a
// question it waited behind has let the port go (closed, or opened again by
// this tool or another), none of its commands goes out.
void MainWindow::gsmSession(const std::function<void()> &action)
{
    gsmClaim = claimSerialPort(SerialToolId::Gsm);
    gsmSessionRunning = true;
    gsmCancelled = false;
    action();
    gsmSessionRunning = false;
    gsmCancellable = GsmCancellable::Nothing;
    gsmCancelled = false;
    if (!gsmPresses.isEmpty())
        gsmPressTimer->start(0);
}

void MainWindow::gsmRunPressed()
{
    if (!gsmPortOpen()) {
        gsmPresses.clear();
        return;
    }
    if (gsmPortBusy()) {
        if (!gsmPresses.isEmpty())
            gsmPressTimer->start(sessionRetryMs);
        return;
    }
    while (!gsmPresses.isEmpty()) {
        const GsmPress press = gsmPresses.takeFirst();
        if (!press.stillSeen || press.stillSeen()) {
            gsmSession(press.action);
            return;
        }
    }
}

void MainWindow::gsmCancelRunning()
{
    gsmCancelled = true;
    if (gsmTransaction)
        gsmTransaction->cancel();
}

// Lines that are no command's reply go on: unsolicited lines always, and
// while the link is up any text that is not an AT reply line, since it is
// the peer's data.
bool MainWindow::gsmRun(AtTransaction &transaction, std::optional<int> waitPolls)
{
    if (gsmCancelled || !stillHolds(gsmClaim))
        return false;
    transaction.setForeignLines([this](QByteArrayView line) {
        return UnsolicitedReader::isUnsolicited(line) ||
               (gsmGprsReceiverOn && !GsmReplies::isReplyLine(line));
    });
    gsmTransaction = &transaction;
    const AtTransaction::Outcome outcome =
        waitPolls ? transaction.wait(serialThread->serialPort, *waitPolls)
                  : transaction.run(serialThread->serialPort);
    gsmTransaction = nullptr;
    if (outcome == AtTransaction::Outcome::Closed)
        return false;
    gsmDeliver(transaction.takeUnfinished());
    return outcome != AtTransaction::Outcome::Cancelled;
}

// Leaves the modem's data prompt; false when the port went away.
bool MainWindow::gsmEscape()
{
    AtTransaction escape(QByteArray(1, '\x1b'), 1, 100);
    return gsmRun(escape);
}

// A plain "ERROR" reads "Error"; a coded error or a failed result names the
// modem's line.
void MainWindow::gsmFailureBox(const QByteArray &line)
{
    const QString text = line.isEmpty() || line == "ERROR"
                             ? QStringLiteral("Error")
                             : QStringLiteral("Error: ") + QString::fromLatin1(line);
    Prompt::critical(nullptr, tr("Info"), text, QMessageBox::Cancel);
}

void MainWindow::gsmNoResponseBox()
{
    Prompt::warning(nullptr, tr("Info"), tr("No response"), QMessageBox::Cancel);
}

void MainWindow::gsmShowSwitch(QPushButton *button, bool on)
{
    button->setIcon(
        QIcon(on ? QStringLiteral(":images/on.png") : QStringLiteral(":images/off.png")));
}

// The three switch states, one query each, then the signal; with the open
// button locked and the console still disabled, which they enable once
// done. While another wait runs (another tool's, for its reply) they wait
// their turn with the open button free, so Close works meanwhile; the button
// is freed on every way out.
void MainWindow::Phone_Status()
{
    gsmAct({}, [this] {
        ui->GSMopencompushButton->setEnabled(false);
        const auto unlock = qScopeGuard([this] { ui->GSMopencompushButton->setEnabled(true); });
        struct Query
        {
            QByteArray command;
            int intervalMs;
            GsmReplies::Switch query;
            int *state;
            QPushButton *button;
        };
        const Query queries[] = {
            {"AT+CLIP?\r\n", 500, GsmReplies::Switch::ShowCaller, &gsmShowCallerOn,
             ui->GSMLaidianKaiguanpushButton},
            {"AT+CALM?\r\n", 100, GsmReplies::Switch::CallMusic, &gsmCallMusicOn,
             ui->GSMLaidianYingKaiguanpushButton},
            {"AT+CMGF?\r\n", 500, GsmReplies::Switch::SmsTextMode, &gsmSmsTextModeOn,
             ui->GSMDuanXinWenBenKaiguanpushButton},
        };
        for (const Query &query : queries) {
            AtTransaction transaction(query.command, 11, query.intervalMs);
            transaction.await([switchQuery = query.query](const QByteArray &reply) {
                return GsmReplies::switchState(reply, switchQuery).has_value();
            });
            if (!gsmRun(transaction))
                return;
            const std::optional<int> state =
                transaction.matchedIndex() == 0
                    ? GsmReplies::switchState(transaction.reply(), query.query)
                    : std::nullopt;
            if (state) {
                *query.state = *state;
                gsmShowSwitch(query.button, *state == 1);
            }
        }
        ui->GSMopencompushButton->setEnabled(true);
        statusBar()->showMessage(tr("Initialization completed"));
        gsmQuerySignal();
        // A device lost during the queries has closed the console already.
        if (gsmPortOpen())
            GSMUI_EnDisable(true);
    });
}

void MainWindow::GSMUI_EnDisable(bool status_t)
{
    ui->GSM_AutoRedial->setChecked(false);
    const QList<QWidget *> widgets = {
        ui->GSM_AutoRedial,
        ui->GSMANJIANpushButton_0,
        ui->GSMANJIANpushButton_1,
        ui->GSMANJIANpushButton_2,
        ui->GSMANJIANpushButton_3,
        ui->GSMANJIANpushButton_4,
        ui->GSMANJIANpushButton_5,
        ui->GSMANJIANpushButton_6,
        ui->GSMANJIANpushButton_7,
        ui->GSMANJIANpushButton_8,
        ui->GSMANJIANpushButton_9,
        ui->GSMANJIANpushButton_10,
        ui->GSMANJIANpushButton_11,
        ui->GSMANJIANpushButton_Clean,
        ui->GSMbodianhuapushButton,
        ui->GSMguadianhuapushButton,
        ui->GSMTestSignalpushButton,
        ui->GSMtextBrowser_1,
        ui->GSMLaidianKaiguanpushButton,
        ui->GSMLaidianYingKaiguanpushButton,
        ui->GSMDuanXinWenBenKaiguanpushButton,
        ui->GSMSendpushButton,
        ui->GSMDelALLTextpushButton,
        ui->GSMDelTextpushButton,
        ui->GSMReadTextpushButton,
        ui->GSMtextBrowser,
        ui->GSMNUMtextEdit,
        ui->GSMReadtextBrowser,
        ui->GSMTcpsendBrowser,
        ui->GSMTCPReadSBrowser,
        ui->GSMTCPclientIPlineEdit,
        ui->GSMTCPclientPortlineEdit,
        ui->GSMTCPopencompushButton,
        ui->GSMTCPsendmsgBtn,
    };
    for (QWidget *widget : widgets)
        widget->setEnabled(status_t);

    using Slot = void (MainWindow::*)();
    const std::pair<QPushButton *, Slot> buttons[] = {
        {ui->GSMTestSignalpushButton, &MainWindow::GSMTestSignalpushButton_triggered},
        {ui->GSMLaidianKaiguanpushButton, &MainWindow::GSMLaidianKaiguanpushButton_triggered},
        {ui->GSMLaidianYingKaiguanpushButton,
         &MainWindow::GSMLaidianYingKaiguanpushButton_triggered},
        {ui->GSMDuanXinWenBenKaiguanpushButton,
         &MainWindow::GSMDuanXinWenBenKaiguanpushButton_triggered},
        {ui->GSMANJIANpushButton_0, &MainWindow::GSMANJIANpushButton0_triggered},
        {ui->GSMANJIANpushButton_1, &MainWindow::GSMANJIANpushButton1_triggered},
        {ui->GSMANJIANpushButton_2, &MainWindow::GSMANJIANpushButton2_triggered},
        {ui->GSMANJIANpushButton_3, &MainWindow::GSMANJIANpushButton3_triggered},
        {ui->GSMANJIANpushButton_4, &MainWindow::GSMANJIANpushButton4_triggered},
        {ui->GSMANJIANpushButton_5, &MainWindow::GSMANJIANpushButton5_triggered},
        {ui->GSMANJIANpushButton_6, &MainWindow::GSMANJIANpushButton6_triggered},
        {ui->GSMANJIANpushButton_7, &MainWindow::GSMANJIANpushButton7_triggered},
        {ui->GSMANJIANpushButton_8, &MainWindow::GSMANJIANpushButton8_triggered},
        {ui->GSMANJIANpushButton_9, &MainWindow::GSMANJIANpushButton9_triggered},
        {ui->GSMANJIANpushButton_10, &MainWindow::GSMANJIANpushButton10_triggered},
        {ui->GSMANJIANpushButton_11, &MainWindow::GSMANJIANpushButton11_triggered},
        {ui->GSMANJIANpushButton_Clean, &MainWindow::GSMactionCleanNumData_triggered},
        {ui->GSMguadianhuapushButton, &MainWindow::GSMguadianhuapushButton_triggered},
        {ui->GSMbodianhuapushButton, &MainWindow::GSMbodianhuapushButton_triggered},
        {ui->GSMReadTextpushButton, &MainWindow::GSMReadTextpushButton_triggered},
        {ui->GSMDelTextpushButton, &MainWindow::GSMDelTextpushButton_triggered},
        {ui->GSMDelALLTextpushButton, &MainWindow::GSMDelALLTextpushButton_triggered},
        {ui->GSMSendpushButton, &MainWindow::GSMSendpushButton_triggered},
        {ui->GSMTCPopencompushButton, &MainWindow::GSMTCPopencompushButton_triggered},
        {ui->GSMTCPsendmsgBtn, &MainWindow::GSMTCPsendmsgBtn_triggered},
    };
    for (const auto &[button, slot] : buttons) {
        if (status_t)
            connect(button, &QPushButton::pressed, this, slot, Qt::UniqueConnection);
        else
            disconnect(button, &QPushButton::pressed, this, slot);
    }
    if (status_t)
        connect(ui->GSMtextBrowser, &QTextEdit::textChanged, this, &MainWindow::slotGSMtextBrowser,
                Qt::UniqueConnection);
}

void MainWindow::GSMsetReadComINT(bool status)
{
    gsmReaderOn = status;
}

void MainWindow::GSMTestSignalpushButton_triggered()
{
    gsmAct({}, [this] { gsmQuerySignal(); });
}

// A value outside the table of pictures counts as no reply: the wait goes on.
void MainWindow::gsmQuerySignal()
{
    AtTransaction query("AT+CSQ\r\n", 11, 100);
    query.await([](const QByteArray &reply) { return signalPictureOf(reply).has_value(); });
    query.failOn(QByteArrayLiteral("ERROR\r\n"));
    if (!gsmRun(query))
        return;
    const std::optional<QString> picture =
        query.matchedIndex() == 0 ? signalPictureOf(query.reply()) : std::nullopt;
    if (picture)
        ui->GSMCheckSigneltext->setPixmap(QPixmap(*picture));
    else if (query.failed())
        gsmFailureBox();
}

// Turns a modem switch the other way, as the press found it: a second press
// made while the first one waited for the port finds the state changed and
// is dropped. When the modem answers OK the state and picture flip; turning
// off unanswered may warn; `afterOn` follows an answered turning on, whatever
// the modem says to it.
void MainWindow::gsmSwitchPressed(int &state, QPushButton *button, const GsmSwitch &commands)
{
    const int seen = state;
    gsmAct([&state, seen] { return state == seen; },
           [this, &state, button, commands] {
               const bool on = state == 1;
               AtTransaction flip(on ? commands.off : commands.on, on ? 101 : 201, 10);
               flip.await(&GsmReplies::holdsOk);
               if (!gsmRun(flip))
                   return;
               if (flip.matchedIndex() != 0) {
                   if (on && commands.warnOff)
                       gsmNoResponseBox();
                   return;
               }
               state = on ? 0 : 1;
               gsmShowSwitch(button, !on);
               if (!on && !commands.afterOn.isEmpty()) {
                   AtTransaction after(commands.afterOn, 201, 10);
                   after.await(&GsmReplies::holdsOk);
                   (void)gsmRun(after);
               }
           });
}

void MainWindow::GSMLaidianKaiguanpushButton_triggered()
{
    gsmSwitchPressed(gsmShowCallerOn, ui->GSMLaidianKaiguanpushButton,
                     {"AT+CLIP=0\r\n", "AT+CLIP=1\r\n", {}, false});
}

// The modem's alert sound 0 is the normal one, shown as music on.
void MainWindow::GSMLaidianYingKaiguanpushButton_triggered()
{
    gsmSwitchPressed(gsmCallMusicOn, ui->GSMLaidianYingKaiguanpushButton,
                     {"AT+CALM=1\r\n", "AT+CALM=0\r\n", {}, true});
}

// Text mode on also selects the UCS2 character set.
void MainWindow::GSMDuanXinWenBenKaiguanpushButton_triggered()
{
    gsmSwitchPressed(gsmSmsTextModeOn, ui->GSMDuanXinWenBenKaiguanpushButton,
                     {"AT+CMGF=0\r\n", "AT+CMGF=1\r\n", "AT+CSCS=\"UCS2\"\r\n", true});
}

void MainWindow::GSMreadMyCom(const QByteArray &bytes)
{
    const QList<UnsolicitedReader::Event> events =
        UnsolicitedReader::feed(gsmRxBuffer, gsmRingSeen, gsmCallerNumberReady, bytes);
    for (const UnsolicitedReader::Event &event : events) {
        switch (event.kind) {
        case UnsolicitedReader::Kind::CallEnded:
            gsmEndCallState(tr("call ended"));
            gsmShowCallButton(false);
            break;
        case UnsolicitedReader::Kind::Busy:
            gsmEndCallState(tr("busy"));
            gsmShowCallButton(false);
            break;
        case UnsolicitedReader::Kind::CallFailed:
            gsmEndFailedCall(event.text);
            break;
        case UnsolicitedReader::Kind::Connected:
            statusBar()->showMessage(tr("Calling..."));
            break;
        case UnsolicitedReader::Kind::Ring:
            statusBar()->showMessage(tr("Have a new call:"));
            gsmShowCallButton(true);
            break;
        case UnsolicitedReader::Kind::CallerNumber:
            statusBar()->showMessage(tr("Have a new call:") + event.text);
            gsmShowCallButton(true);
            break;
        case UnsolicitedReader::Kind::NewSms:
            statusBar()->showMessage(QStringLiteral("Have new SMS, SMS box:: ") + event.text);
            break;
        }
    }
}
