#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attransaction.h"
#include "gsmreplies.h"
#include "prompt.h"
#include "receiveview.h"

#include <algorithm>

namespace {
// The connect command quotes the address and the port: text that could end
// a quote or a command line never reaches the modem.
bool fitsConnectCommand(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() < 0x7f && c != QLatin1Char('"');
    });
}

// Ctrl-Z ends the data and Esc cancels it: data holding either would end the
// send early and let the rest through as commands.
bool fitsSendMode(const QByteArray &data)
{
    return !data.contains('\x1a') && !data.contains('\x1b');
}
} // namespace

// Up: "Disconnect" and the console's other groups disabled, the serial
// group with them, so the port stays open while the modem's link is up.
void MainWindow::gsmShowGprsLink(bool up)
{
    ui->GSMTCPopencompushButton->setText(up ? QStringLiteral("Disconnect")
                                            : QStringLiteral("Connect"));
    for (QWidget *group : std::initializer_list<QWidget *>{
             ui->gsm_groupBox_call, ui->gsm_groupBox_serial, ui->gsm_groupBox_signal,
             ui->gsm_groupBox_config, ui->gsm_groupBox_SMSsend, ui->gsm_groupBox_SMSRead})
        group->setEnabled(!up);
    gsmGprsConnected = up ? 1 : 0;
}

// Disconnect while the connect still runs ends the attempt at once: the
// group is down at once and the connect closes what it opened. Any other
// press acts on the link as the button showed it: one that waited for the
// port is dropped if the link has changed meanwhile.
void MainWindow::GSMTCPopencompushButton_triggered()
{
    if (gsmGprsConnected == 1 && gsmCancellable == GsmCancellable::GprsConnect) {
        gsmShowGprsLink(false);
        gsmGprsReceiverOn = false;
        gsmCancelRunning();
        return;
    }
    const int seen = gsmGprsConnected;
    gsmAct([this, seen] { return gsmGprsConnected == seen; },
           [this, seen] { seen == 1 ? gsmCloseGprs() : gsmConnectGprs(); });
}

// The receiver is on from the modem's "CONNECT OK", so that data in the same
// read and data that comes while the box is shown reach the view.
void MainWindow::gsmConnectGprs()
{
    const QString address = ui->GSMTCPclientIPlineEdit->text();
    const QString port = ui->GSMTCPclientPortlineEdit->text();
    if (address.isEmpty() || port.isEmpty()) {
        Prompt::critical(nullptr, tr("Info"),
                         QStringLiteral("Please fill in the full server IP and PORT"),
                         QMessageBox::Cancel);
        return;
    }
    if (!fitsConnectCommand(address) || !fitsConnectCommand(port)) {
        Prompt::critical(nullptr, tr("Info"),
                         tr("The server IP and PORT may hold no spaces, quotes or line breaks."),
                         QMessageBox::Cancel);
        return;
    }
    gsmShowGprsLink(true);
    gsmCancellable = GsmCancellable::GprsConnect;
    const auto closeIfCancelled = [this] {
        if (gsmCancelled && gsmPortOpen())
            gsmCloseGprs();
    };
    const QByteArray setUp[] = {
        "AT+CGCLASS=\"B\"\r\n",       "AT+CGDCONT=1,\"IP\",\"CMNET\"\r\n", "AT+CGATT=1\r\n",
        "AT+CIPCSGP=1,\"CMNET\"\r\n", "AT+CLPORT=\"TCP\",\"2222\"\r\n",
    };
    for (const QByteArray &command : setUp) {
        AtTransaction transaction(command, 11, 100);
        transaction.await(QByteArrayLiteral("OK"));
        transaction.failOn(QByteArrayLiteral("ERROR\r\n"));
        if (!gsmRun(transaction)) {
            closeIfCancelled();
            return;
        }
    }
    AtTransaction start("AT+CIPSTART=\"TCP\",\"" + address.toLatin1() + "\",\"" + port.toLatin1() +
                            "\"\r\n",
                        501, 100);
    start.await(QByteArrayLiteral("CONNECT OK"));
    start.failOn(QByteArrayLiteral("ERROR\r\n"));
    start.failOn(QByteArrayLiteral("CONNECT FAIL"));
    start.setOnFound([this](int) {
        gsmGprsView->resetDecoder();
        gsmGprsReceiverOn = true;
    });
    if (!gsmRun(start)) {
        closeIfCancelled();
        return;
    }
    if (start.matchedIndex() == 0) {
        Prompt::information(nullptr, tr("Info"), QStringLiteral("connection succeeded"),
                            QMessageBox::Cancel);
        closeIfCancelled();
        return;
    }
    gsmShowGprsLink(false);
    if (start.failed())
        gsmFailureBox(start.failureLine());
    else
        Prompt::critical(nullptr, tr("Info"), QStringLiteral("Remote server is not responding"),
                         QMessageBox::Cancel);
}

// The group is down at once, whatever the modem answers to the close.
void MainWindow::gsmCloseGprs()
{
    gsmCancellable = GsmCancellable::Nothing;
    gsmCancelled = false;
    gsmShowGprsLink(false);
    gsmGprsReceiverOn = false;
    for (const QByteArray &command :
         {QByteArray("AT+CIPCLOSE=1\r\n"), QByteArray("AT+CIPSHUT\r\n")}) {
        AtTransaction transaction(command, 11, 100);
        transaction.await(QByteArrayLiteral("OK"));
        transaction.failOn(QByteArrayLiteral("ERROR\r\n"));
        if (!gsmRun(transaction))
            return;
    }
}

// The data is taken as the press found it, and sent if the link is then as
// the press found it.
void MainWindow::GSMTCPsendmsgBtn_triggered()
{
    const int seen = gsmGprsConnected;
    const QByteArray payload = ui->GSMTcpsendBrowser->toPlainText().toLocal8Bit();
    gsmAct([this, seen] { return gsmGprsConnected == seen; },
           [this, payload] { gsmSendGprs(payload); });
}

// The data goes out after the modem's ">" prompt, its final line feed made
// CR LF, and ends with Ctrl-Z 200 ms later. A refused send or a prompt that
// never comes sends nothing: the data would otherwise reach the modem as
// commands, and Esc takes it out of a prompt that came too late.
void MainWindow::gsmSendGprs(QByteArray payload)
{
    if (payload.isEmpty()) {
        Prompt::critical(nullptr, tr("Info"), QStringLiteral("No information need to send"),
                         QMessageBox::Cancel);
        return;
    }
    if (!fitsSendMode(payload)) {
        Prompt::critical(nullptr, tr("Info"), tr("The data may hold neither Ctrl-Z nor Esc."),
                         QMessageBox::Cancel);
        return;
    }
    AtTransaction prompt("AT+CIPSEND\r\n", 11, 100);
    prompt.await(&GsmReplies::holdsPrompt);
    prompt.failOn(QByteArrayLiteral("ERROR\r\n"));
    if (!gsmRun(prompt))
        return;
    if (prompt.failed()) {
        gsmFailureBox(prompt.failureLine());
        return;
    }
    if (prompt.matchedIndex() != 0) {
        if (gsmEscape())
            Prompt::critical(nullptr, tr("Info"),
                             tr("The modem gave no prompt for the data: nothing was sent."),
                             QMessageBox::Cancel);
        return;
    }

    if (payload.endsWith('\n'))
        payload.insert(payload.size() - 1, '\r');
    // The modem's echo of the data is the reply of these 200 ms.
    AtTransaction write(payload, 2, 100);
    if (!gsmRun(write))
        return;
    AtTransaction sent(QByteArray(1, '\x1a'), 11, 100);
    sent.expectEcho(payload);
    sent.await(QByteArrayLiteral("SEND OK"));
    sent.failOn(QByteArrayLiteral("ERROR\r\n"));
    sent.failOn(QByteArrayLiteral("SEND FAIL"));
    if (!gsmRun(sent))
        return;
    if (sent.failed())
        gsmFailureBox(sent.failureLine());
}

// Chunks with the modem's warnings are not the peer's data.
void MainWindow::GSMGPRSreadMyCom(const QByteArray &bytes)
{
    if (bytes.contains("WARNNING"))
        return;
    gsmGprsView->appendBytes(bytes, false);
}
