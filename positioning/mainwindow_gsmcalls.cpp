#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attransaction.h"
#include "keypadshortcuts.h"
#include "prompt.h"
#include "threadserial.h"
#include "unsolicitedreader.h"

namespace {
// Dials after the first one that a press of Call with auto-redial may make.
constexpr int redialBudget = 2;
// Results that end a dial without a call; "ERROR" apart.
const QByteArray dialFailures[] = {"+CME ERROR", "BUSY", "NO CARRIER", "NO ANSWER", "NO DIALTONE"};
} // namespace

// Each key press of a digit adds it, however quickly the keys come.
void MainWindow::gsmSetUpKeypad()
{
    const QList<QPushButton *> digits = {ui->GSMANJIANpushButton_0, ui->GSMANJIANpushButton_1,
                                         ui->GSMANJIANpushButton_2, ui->GSMANJIANpushButton_3,
                                         ui->GSMANJIANpushButton_4, ui->GSMANJIANpushButton_5,
                                         ui->GSMANJIANpushButton_6, ui->GSMANJIANpushButton_7,
                                         ui->GSMANJIANpushButton_8, ui->GSMANJIANpushButton_9};
    auto *shortcuts = new KeypadShortcuts(this, [this](QChar key) { gsmKeyPressed(key); });
    for (int digit = 0; digit < digits.size(); ++digit) {
        const QString key = QString::number(digit);
        digits.at(digit)->setShortcut(QKeySequence(key));
        shortcuts->add(digits.at(digit), key.at(0));
    }
}

void MainWindow::gsmShowCallButton(bool incoming)
{
    gsmIncomingCall = incoming;
    ui->GSMbodianhuapushButton->setText(incoming ? QStringLiteral("Answer call") : tr("Call"));
}

void MainWindow::GSMANJIANpushButton0_triggered()
{
    gsmKeyPressed(QLatin1Char('0'));
}

void MainWindow::GSMANJIANpushButton1_triggered()
{
    gsmKeyPressed(QLatin1Char('1'));
}

void MainWindow::GSMANJIANpushButton2_triggered()
{
    gsmKeyPressed(QLatin1Char('2'));
}

void MainWindow::GSMANJIANpushButton3_triggered()
{
    gsmKeyPressed(QLatin1Char('3'));
}

void MainWindow::GSMANJIANpushButton4_triggered()
{
    gsmKeyPressed(QLatin1Char('4'));
}

void MainWindow::GSMANJIANpushButton5_triggered()
{
    gsmKeyPressed(QLatin1Char('5'));
}

void MainWindow::GSMANJIANpushButton6_triggered()
{
    gsmKeyPressed(QLatin1Char('6'));
}

void MainWindow::GSMANJIANpushButton7_triggered()
{
    gsmKeyPressed(QLatin1Char('7'));
}

void MainWindow::GSMANJIANpushButton8_triggered()
{
    gsmKeyPressed(QLatin1Char('8'));
}

void MainWindow::GSMANJIANpushButton9_triggered()
{
    gsmKeyPressed(QLatin1Char('9'));
}

void MainWindow::GSMANJIANpushButton10_triggered()
{
    gsmKeyPressed(QLatin1Char('*'));
}

void MainWindow::GSMANJIANpushButton11_triggered()
{
    gsmKeyPressed(QLatin1Char('#'));
}

// The key goes on the display at once; during a call its tone follows as
// soon as the port is free, unless the call has ended by then.
void MainWindow::gsmKeyPressed(QChar key)
{
    ui->GSMtextBrowser_1->setPlainText(ui->GSMtextBrowser_1->toPlainText() + key);
    if (!gsmInCall)
        return;
    // A tone is written without waiting for the modem. Its answer goes to
    // the reader, where no rule takes it, or to the wait of the call being
    // made, which looks for no OK; any other wait might take it for its own.
    const auto tone = [this, key] {
        serialThread->serialPort->write("AT+VTS=" + QByteArray(1, char(key.toLatin1())) + "\r\n");
    };
    if (gsmSessionRunning && gsmCancellable == GsmCancellable::Call && stillHolds(gsmClaim))
        tone();
    else
        gsmAct([this] { return gsmInCall; }, tone);
}

void MainWindow::GSMactionCleanNumData_triggered()
{
    ui->GSMtextBrowser_1->clear();
    statusBar()->showMessage(tr("Already cleared"));
}

// Cut ends a call being made or answered at once (and a redial loop with
// it), then hangs up.
void MainWindow::GSMguadianhuapushButton_triggered()
{
    ui->GSM_AutoRedial->setChecked(false);
    if (gsmCancellable == GsmCancellable::Call)
        gsmCancelRunning();
    gsmAct({}, [this] { gsmHangUp(); });
}

void MainWindow::gsmHangUp()
{
    AtTransaction hangUp("ATH\r\n", 11, 100);
    hangUp.await(QByteArrayLiteral("OK"));
    hangUp.failOn(QByteArrayLiteral("ERROR\r\n"));
    gsmInCall = false;
    if (!gsmRun(hangUp))
        return;
    if (hangUp.matchedIndex() == 0) {
        statusBar()->showMessage(tr("call ended"));
        gsmShowCallButton(false);
        UnsolicitedReader::endCall(gsmRxBuffer, gsmRingSeen, gsmCallerNumberReady);
    } else if (hangUp.failed()) {
        gsmFailureBox();
    }
}

// Call answers when the button read "Answer call" at the press and dials the
// number shown then otherwise; a press that waited for the port is dropped
// if the call state has changed meanwhile.
void MainWindow::GSMbodianhuapushButton_triggered()
{
    const bool incoming = gsmIncomingCall;
    const bool inCall = gsmInCall;
    const QString number = ui->GSMtextBrowser_1->toPlainText();
    gsmAct([this, incoming, inCall] { return gsmIncomingCall == incoming && gsmInCall == inCall; },
           [this, incoming, number] { gsmCall(incoming, number); });
}

void MainWindow::gsmCall(bool answer, const QString &number)
{
    gsmCancellable = GsmCancellable::Call;
    if (answer) {
        gsmAnswer();
        return;
    }
    if (number.isEmpty()) {
        Prompt::critical(nullptr, tr("Info: "), QStringLiteral("Error number"),
                         QMessageBox::Cancel);
        return;
    }
    // The semicolon makes it a voice call.
    const QByteArray command = "ATD" + number.toLatin1() + ";\r\n";
    if (ui->GSM_AutoRedial->isChecked())
        gsmRedial(command);
    else
        gsmDial(command);
}

void MainWindow::gsmCallUnderWay()
{
    statusBar()->showMessage(tr("Calling..."));
    gsmInCall = true;
}

void MainWindow::gsmEndCallState(const QString &status)
{
    statusBar()->showMessage(status);
    gsmInCall = false;
}

// `line` is the modem's line that tells why, from the dial's reply or read
// later among the unsolicited lines.
void MainWindow::gsmEndFailedCall(const QString &line)
{
    gsmEndCallState(tr("Call failed: %1").arg(line));
}

void MainWindow::gsmAnswer()
{
    AtTransaction answer("ATA\r\n", 11, 100);
    answer.setEndRule(AtTransaction::EndRule::FullLength);
    answer.await(QByteArrayLiteral("OK"));
    answer.failOn(QByteArrayLiteral("ERROR\r\n"));
    answer.setOnFound([this](int) { gsmCallUnderWay(); });
    if (gsmRun(answer) && answer.failed())
        gsmFailureBox();
    gsmShowCallButton(false);
}

// The modem's echo of the command tells that the call is being made; a
// result that says it was not ends the wait and the call state.
void MainWindow::gsmDial(const QByteArray &command)
{
    AtTransaction dial(command, 11, 100);
    dial.setEndRule(AtTransaction::EndRule::FullLength);
    dial.await(QByteArrayLiteral("ATD"));
    dial.failOn(QByteArrayLiteral("ERROR\r\n"));
    for (const QByteArray &failure : dialFailures)
        dial.failOn(failure);
    dial.setOnFound([this](int) { gsmCallUnderWay(); });
    if (gsmRun(dial) && dial.failed())
        gsmCallFailed(dial);
}

void MainWindow::gsmCallFailed(const AtTransaction &dial)
{
    if (dial.failureLine() == "ERROR") {
        gsmInCall = false;
        gsmFailureBox();
    } else {
        gsmEndFailedCall(QString::fromLatin1(dial.failureLine()));
    }
}

// Polls every 100 ms while "Auto Redial" stays checked. A reply holding "NO"
// (NO ANSWER, NO CARRIER, NO DIALTONE) or "BUSY" ends the attempt and dials
// again while the budget lasts; the third ends the loop with a warning. An
// error ends the loop.
void MainWindow::gsmRedial(const QByteArray &command)
{
    AtTransaction dial(command, 1, 100);
    dial.setEndRule(AtTransaction::EndRule::FullLength);
    dial.await(QByteArrayLiteral("ATD"));
    dial.await(QByteArrayLiteral("NO"));
    dial.await(QByteArrayLiteral("BUSY"));
    dial.failOn(QByteArrayLiteral("ERROR\r\n"));
    dial.failOn(QByteArrayLiteral("+CME ERROR"));
    dial.setOnFound([this](int index) {
        if (index == 0)
            gsmCallUnderWay();
    });
    int redialsLeft = redialBudget;
    bool write = true;
    for (;;) {
        if (!gsmRun(dial, write ? std::nullopt : std::optional(1)))
            return;
        write = false;
        if (dial.failed()) {
            gsmCallFailed(dial);
            return;
        }
        if (dial.found(1) || dial.found(2)) {
            gsmInCall = false;
            if (redialsLeft > 0) {
                --redialsLeft;
                dial.restart();
                write = true;
            } else {
                ui->GSM_AutoRedial->setChecked(false);
                statusBar()->showMessage(tr("Stop"));
                Prompt::critical(
                    nullptr, tr("Error: "),
                    QStringLiteral("For academic research only. Prohibiting telephone harassment!"),
                    QMessageBox::Cancel);
            }
        }
        if (!ui->GSM_AutoRedial->isChecked())
            return;
    }
}
