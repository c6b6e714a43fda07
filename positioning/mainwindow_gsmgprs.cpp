#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attransaction.h"
#include "prompt.h"
#include "receiveview.h"

#include <QScopeGuard>

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

void MainWindow::GSMTCPopencompushButton_triggered()
{
    if (!gsmBeginSession([this] { GSMTCPopencompushButton_triggered(); }))
        return;
    if (gsmGprsConnected == 1) {
        gsmCloseGprs();
        gsmEndSession();
        return;
    }
    bool readerOn = true;
    const auto end = qScopeGuard([this, &readerOn] { gsmEndSession(readerOn); });

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
    const QByteArray setUp[] = {
        "AT+CGCLASS=\"B\"\r\n",       "AT+CGDCONT=1,\"IP\",\"CMNET\"\r\n", "AT+CGATT=1\r\n",
        "AT+CIPCSGP=1,\"CMNET\"\r\n", "AT+CLPORT=\"TCP\",\"2222\"\r\n",
    };
    for (const QByteArray &command : setUp) {
        AtTransaction transaction(command, 11, 100);
        transaction.await(QByteArrayLiteral("OK"));
        transaction.setFailureText(QByteArrayLiteral("ERROR\r\n"));
        if (!gsmRun(transaction))
            return;
    }
    AtTransaction start("AT+CIPSTART=\"TCP\",\"" + address.toLatin1() + "\",\"" + port.toLatin1() +
                            "\"\r\n",
                        501, 100);
    start.await(QByteArrayLiteral("CONNECT OK"));
    start.setFailureText(QByteArrayLiteral("ERROR\r\n"));
    if (!gsmRun(start))
        return;
    if (start.matchedIndex() == 0) {
        Prompt::information(nullptr, tr("Info"), QStringLiteral("connection succeeded"),
                            QMessageBox::Cancel);
        gsmGprsView->resetDecoder();
        gsmGprsReceiverOn = true;
        // Until the first send, the link's data reaches the receive view only.
        readerOn = false;
        return;
    }
    gsmShowGprsLink(false);
    if (start.failed())
        gsmFailureBox();
    else
        Prompt::critical(nullptr, tr("Info"), QStringLiteral("Remote server is not responding"),
                         QMessageBox::Cancel);
}

// The group is down at once, whatever the modem answers to the close.
void MainWindow::gsmCloseGprs()
{
    gsmShowGprsLink(false);
    gsmGprsReceiverOn = false;
    for (const QByteArray &command :
         {QByteArray("AT+CIPCLOSE=1\r\n"), QByteArray("AT+CIPSHUT\r\n")}) {
        AtTransaction transaction(command, 11, 100);
        transaction.await(QByteArrayLiteral("OK"));
        transaction.setFailureText(QByteArrayLiteral("ERROR\r\n"));
        if (!gsmRun(transaction))
            return;
    }
}

// The data goes out after the modem's ">" prompt (or without it), its final
// line feed made CR LF, and ends with Ctrl-Z 200 ms later.
void MainWindow::GSMTCPsendmsgBtn_triggered()
{
    if (!gsmBeginSession([this] { GSMTCPsendmsgBtn_triggered(); }))
        return;
    const auto end = qScopeGuard([this] { gsmEndSession(); });
    QByteArray payload = ui->GSMTcpsendBrowser->toPlainText().toLocal8Bit();
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
    prompt.await(QByteArrayLiteral(">"));
    prompt.setFailureText(QByteArrayLiteral("ERROR\r\n"));
    if (!gsmRun(prompt))
        return;
    if (prompt.failed())
        gsmFailureBox();

    if (payload.endsWith('\n'))
        payload.insert(payload.size() - 1, '\r');
    AtTransaction write(payload, 1, 100);
    if (!gsmRun(write) || !gsmWait(write, 100))
        return;
    AtTransaction sent(QByteArray(1, '\x1a'), 11, 100);
    sent.await(QByteArrayLiteral("SEND OK"));
    sent.setFailureText(QByteArrayLiteral("ERROR\r\n"));
    if (!gsmRun(sent))
        return;
    if (sent.failed())
        gsmFailureBox();
}

// Chunks with the modem's warnings are not the peer's data.
void MainWindow::GSMGPRSreadMyCom(const QByteArray &bytes)
{
    if (bytes.contains("WARNNING"))
        return;
    gsmGprsView->appendBytes(bytes, false);
}
