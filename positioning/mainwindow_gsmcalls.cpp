#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attransaction.h"
#include "prompt.h"
#include "threadserial.h"
#include "unsolicitedreader.h"

#include <QScopeGuard>

namespace {
// Dials after the first one that a press of Call with auto-redial may make.
constexpr int redialBudget = 2;
} // namespace

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
// soon as the port is free.
void MainWindow::gsmKeyPressed(QChar key)
{
    ui->GSMtextBrowser_1->setPlainText(ui->GSMtextBrowser_1->toPlainText() + key);
    if (gsmInCall)
        gsmSendTone(key);
}

// A tone is written without waiting for the modem; its answer goes to the
// reader, where no rule takes it.
void MainWindow::gsmSendTone(QChar key)
{
    if (!gsmBeginSession([this, key] { gsmSendTone(key); }))
        return;
    const auto end = qScopeGuard([this] { gsmEndSession(); });
    serialThread->serialPort->write("AT+VTS=" + QByteArray(1, char(key.toLatin1())) + "\r\n");
}

void MainWindow::GSMactionCleanNumData_triggered()
{
    ui->GSMtextBrowser_1->clear();
    statusBar()->showMessage(tr("Already cleared"));
}

// Unchecking auto-redial at once ends a redial loop after its current wait;
// the hang-up itself then follows it.
void MainWindow::GSMguadianhuapushButton_triggered()
{
    ui->GSM_AutoRedial->setChecked(false);
    if (!gsmBeginSession([this] { GSMguadianhuapushButton_triggered(); }))
        return;
    const auto end = qScopeGuard([this] { gsmEndSession(); });
    AtTransaction hangUp("ATH\r\n", 11, 100);
    hangUp.await(QByteArrayLiteral("OK"));
    hangUp.setFailureText(QByteArrayLiteral("ERROR\r\n"));
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

void MainWindow::GSMbodianhuapushButton_triggered()
{
    if (!gsmBeginSession([this] { GSMbodianhuapushButton_triggered(); }))
        return;
    const auto end = qScopeGuard([this] { gsmEndSession(); });
    if (gsmIncomingCall) {
        gsmAnswer();
        return;
    }
    const QString number = ui->GSMtextBrowser_1->toPlainText();
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

void MainWindow::gsmAnswer()
{
    AtTransaction answer("ATA\r\n", 11, 100);
    answer.setEndRule(AtTransaction::EndRule::FullLength);
    answer.await(QByteArrayLiteral("OK"));
    answer.setFailureText(QByteArrayLiteral("ERROR\r\n"));
    answer.setOnFound([this](int) {
        statusBar()->showMessage(tr("Calling..."));
        gsmInCall = true;
    });
    if (gsmRun(answer) && answer.failed())
        gsmFailureBox();
    gsmShowCallButton(false);
}

// The modem's echo of the command tells that the call is being made.
void MainWindow::gsmDial(const QByteArray &command)
{
    AtTransaction dial(command, 11, 100);
    dial.setEndRule(AtTransaction::EndRule::FullLength);
    dial.await(QByteArrayLiteral("ATD"));
    dial.setFailureText(QByteArrayLiteral("ERROR\r\n"));
    dial.setOnFound([this](int) {
        statusBar()->showMessage(tr("Calling..."));
        gsmInCall = true;
    });
    if (gsmRun(dial) && dial.failed())
        gsmFailureBox();
}

// Polls every 100 ms while "Auto Redial" stays checked. A reply holding "NO"
// (NO ANSWER, NO CARRIER) dials again while the budget lasts; the third ends
// the loop with a warning.
void MainWindow::gsmRedial(const QByteArray &command)
{
    AtTransaction dial(command, 1, 100);
    dial.setEndRule(AtTransaction::EndRule::FullLength);
    dial.await(QByteArrayLiteral("ATD"));
    dial.await(QByteArrayLiteral("NO"));
    dial.setFailureText(QByteArrayLiteral("ERROR\r\n"));
    dial.setOnFound([this](int index) {
        if (index != 0)
            return;
        statusBar()->showMessage(tr("Calling..."));
        gsmInCall = true;
    });
    int redialsLeft = redialBudget;
    bool write = true;
    for (;;) {
        if (!(write ? gsmRun(dial) : gsmWait(dial, 100)))
            return;
        write = false;
        if (dial.failed()) {
            gsmFailureBox();
            return;
        }
        if (dial.found(1)) {
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
