#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "mappace.h"
#include "mapscript.h"
#include "netterminalcodec.h"
#include "positionline.h"
#include "prompt.h"
#include "receiveview.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {
// What a client's socket holds unread at most: each turn of the event loop
// takes about 3400 lines of a client at most, and a client that sends
// faster is held back by TCP rather than held in memory.
constexpr qint64 clientBufferBytes = 128 * 1024;
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
        client->setReadBufferSize(clientBufferBytes);
        gpsTcpClients.append(client);
        gpsTcpLines.emplace(client, LineFramer(PositionLine::longestLine));
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

// Each client's bytes are cut into lines of their own; every real position
// is stored, the labels show the newest of the chunk and the map gets it at
// the screen's pace.
void MainWindow::GPSTCP_Server_ReadMessage()
{
    auto *client = qobject_cast<QTcpSocket *>(sender());
    const auto lines = gpsTcpLines.find(client);
    if (!client || lines == gpsTcpLines.end())
        return;
    const QByteArray chunk = client->readAll();
    QString refused;
    std::optional<std::pair<PositionLine, LatLong>> newest;
    for (const QByteArray &line : lines->second.feed(chunk).results) {
        std::optional<PositionLine> texts = PositionLine::parse(line);
        if (!texts)
            continue;
        const std::optional<LatLong> position = texts->position();
        if (!position) {
            refused = QString::fromUtf8(line.trimmed());
            continue;
        }
        if (ui->GPSSavecheckBox->isChecked())
            GPSSavefile(texts->latitude, texts->longitude);
        newest.emplace(std::move(*texts), *position);
    }
    if (newest)
        showGpsPosition(newest->first, newest->second);
    showGpsStatus(
        refused.isEmpty()
            ? tr("TCP receive ") +
                  tr("from:%1:%2").arg(client->peerAddress().toString()).arg(client->peerPort())
            : tr("Not a position on the earth: %1").arg(refused));
    gpsReceiveView->appendBytes(chunk, false,
                                client->peerAddress().toString() + QLatin1Char(':') +
                                    QString::number(client->peerPort()));
}

// A client's real position as it sent it, shown with the hemispheres of its
// signs; the map gets it at the screen's pace, only the newest of a frame.
void MainWindow::showGpsPosition(const PositionLine &texts, const LatLong &position)
{
    ui->Weidu->setText(texts.latitude);
    ui->Weidufangxiang->setText(position.latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"));
    ui->Jingdu->setText(texts.longitude);
    ui->Jingdufangxiang->setText(position.longitude < 0 ? QStringLiteral("W")
                                                        : QStringLiteral("E"));
    gpsNewFix = 0;
    gpsMapPace->offer(MapScript::position(position.latitude, position.longitude,
                                          ui->GPS_on_off_checkBox->isChecked(), true));
    ui->Haibagaodu->setText(QStringLiteral("Null"));
}
