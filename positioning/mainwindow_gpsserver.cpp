#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "mapscript.h"
#include "netterminalcodec.h"
#include "positionline.h"
#include "prompt.h"
#include "receiveview.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {
// A position line is a few dozen bytes; a longer one is dropped whole.
constexpr qsizetype longestPositionLine = 1024;
} // namespace

void MainWindow::GPSTCPopencompushButton_triggered()
{
    if (gpsTcpRunning == 1) {
        GPSTCP_Server_WorkClose();
        ui->GPSTCPopencompushButton->setText(tr("Start"));
        gpsTcpRunning = 0;
        return;
    }
    // A server that does not listen is not reported as started.
    if (!GPSTCP_Server_WorkOpen())
        return;
    ui->GPSTCPopencompushButton->setText(tr("Stop"));
    gpsTcpRunning = 1;
}

// Listens on every local address; a port that is not 1 to 65535, or that
// cannot be listened on, is reported and nothing listens.
bool MainWindow::GPSTCP_Server_WorkOpen()
{
    const QString portText = ui->GPSTCPServerPortlineEdit->text();
    if (portText.isEmpty()) {
        Prompt::warning(this, tr("warning:"), tr("Port is empty!"));
        return false;
    }
    if (!gpsTcpServer)
        return false;
    const std::optional<quint16> port = NetTerminalCodec::port(portText);
    if (!port) {
        Prompt::warning(
            this, tr("warning:"),
            tr("Local port \"%1\" is not valid: use a number from 1 to 65535.").arg(portText));
        return false;
    }
    if (!gpsTcpServer->listen(QHostAddress::Any, *port)) {
        statusBar()->showMessage(tr("Server failed to listen on port %1: %2")
                                     .arg(*port)
                                     .arg(gpsTcpServer->errorString()));
        return false;
    }
    ui->GPSTCPServerPortlineEdit->setEnabled(false);
    ui->GPSTCPServerIPcomboBox->setEnabled(false);
    connect(gpsTcpServer, &QTcpServer::newConnection, this, &MainWindow::GPSupdateserver,
            Qt::UniqueConnection);
    statusBar()->showMessage(QStringLiteral("Server has started"));
    return true;
}

void MainWindow::releaseGpsClient(QTcpSocket *client)
{
    gpsTcpLines.erase(client);
    client->disconnect(this);
    client->close();
    client->deleteLater();
}

void MainWindow::stopGpsTcpServer()
{
    for (QTcpSocket *client : std::as_const(gpsTcpClients))
        releaseGpsClient(client);
    gpsTcpClients.clear();
    if (gpsTcpServer)
        gpsTcpServer->close();
}

void MainWindow::GPSTCP_Server_WorkClose()
{
    stopGpsTcpServer();
    statusBar()->showMessage(tr("Server has stopped"));
    ui->GPSTCPServerPortlineEdit->setEnabled(true);
    ui->GPSTCPServerIPcomboBox->setEnabled(true);
}

void MainWindow::GPSupdateserver()
{
    while (QTcpSocket *client = gpsTcpServer->nextPendingConnection()) {
        const QString address = client->peerAddress().toString();
        statusBar()->showMessage(tr("New client: ") + tr("%1 Joined").arg(address));
        if (address.isEmpty()) {
            client->disconnectFromHost();
            client->deleteLater();
            continue;
        }
        gpsTcpClients.append(client);
        gpsTcpLines.emplace(client, LineFramer(longestPositionLine));
        connect(client, &QAbstractSocket::disconnected, this, &MainWindow::GPSupdateSendStatus);
        connect(client, &QIODevice::readyRead, this, &MainWindow::GPSTCP_Server_ReadMessage);
    }
}

void MainWindow::GPSupdateSendStatus()
{
    auto *client = qobject_cast<QTcpSocket *>(sender());
    if (!client || !gpsTcpClients.removeOne(client))
        return;
    statusBar()->showMessage(tr("Client: ") + tr("%1 Left").arg(client->peerAddress().toString()));
    releaseGpsClient(client);
}

// Each client's bytes are cut into lines of their own; every complete line
// is shown, stored and drawn.
void MainWindow::GPSTCP_Server_ReadMessage()
{
    auto *client = qobject_cast<QTcpSocket *>(sender());
    const auto lines = gpsTcpLines.find(client);
    if (!client || lines == gpsTcpLines.end())
        return;
    const QByteArray chunk = client->readAll();
    QString refused;
    for (const QByteArray &line : lines->second.feed(chunk).results) {
        if (!showGpsPosition(line))
            refused = QString::fromUtf8(line.trimmed());
    }
    showGpsStatus(
        refused.isEmpty()
            ? tr("TCP receive ") +
                  tr("from:%1:%2").arg(client->peerAddress().toString()).arg(client->peerPort())
            : tr("Not a position on the earth: %1").arg(refused));
    gpsReceiveView->appendBytes(chunk, false,
                                client->peerAddress().toString() + QLatin1Char(':') +
                                    QString::number(client->peerPort()));
}

// A client's real position as it sent it: shown with the hemispheres of its
// signs, stored when asked for, and drawn at once. Anything else changes
// nothing; false for a position line whose texts are no place on the earth.
bool MainWindow::showGpsPosition(const QByteArray &line)
{
    const std::optional<PositionLine> texts = PositionLine::parse(line);
    if (!texts)
        return true;
    const std::optional<LatLong> position = texts->position();
    if (!position)
        return false;
    ui->Weidu->setText(texts->latitude);
    ui->Weidufangxiang->setText(position->latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"));
    ui->Jingdu->setText(texts->longitude);
    ui->Jingdufangxiang->setText(position->longitude < 0 ? QStringLiteral("W")
                                                         : QStringLiteral("E"));
    if (ui->GPSSavecheckBox->isChecked())
        GPSSavefile(texts->latitude, texts->longitude);
    gpsNewFix = 0;
    runMapCalls(MapScript::position(position->latitude, position->longitude,
                                    ui->GPS_on_off_checkBox->isChecked(), true));
    ui->Haibagaodu->setText(QStringLiteral("Null"));
    return true;
}
