#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QNetworkInterface>
#include <QTcpServer>
#include <QUdpSocket>

// Lists the machine's addresses into the UDP, TCP and GPS address boxes and
// makes the network objects that those tools reuse for every start. Runs
// whether or not their pages remain.
void MainWindow::getLocalIP()
{
    localAddresses = QNetworkInterface::allAddresses();
    for (const QHostAddress &address : std::as_const(localAddresses)) {
        const QString text = address.toString();
        ui->UDPServerIPcomboBox->addItem(text);
        ui->TCPServerIPcomboBox->addItem(text);
        ui->GPSTCPServerIPcomboBox->addItem(text);
    }
    udpSendSocket = new QUdpSocket(this);
    udpSocket = new QUdpSocket(this);
    tcpServer = new QTcpServer(this);
    gpsTcpServer = new QTcpServer(this);
    gpsTcpClients.clear();
}
