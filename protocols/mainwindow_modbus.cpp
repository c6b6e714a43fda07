#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "modbusframelog.h"
#include "modbushexinput.h"
#include "modbusidlereader.h"
#include "prompt.h"
#include "serialtool.h"
#include "threadserial.h"

#include <QTcpSocket>

namespace {
// Lines each log keeps; older ones are dropped.
constexpr int logLines = 10000;
} // namespace

void MainWindow::Modbus_Init_Start()
{
    connect(ui->Modbus_function_comboBox, &QComboBox::currentIndexChanged, this,
            &MainWindow::Modbus_function_comboBoxIndexChanged);
    connect(ui->ModbusportMode_1, &QRadioButton::pressed, this, &MainWindow::ModbusPortModeChanged);
    connect(ui->ModbusportMode_2, &QRadioButton::pressed, this, &MainWindow::ModbusPortModeChanged);
    connect(ui->ModbusopencompushButton, &QPushButton::pressed, this,
            &MainWindow::ModbusOpen_triggered);
    connect(ui->ModbusTCPopencompushButton, &QPushButton::pressed, this,
            &MainWindow::ModbusTCPopencompushButton_triggered);
    connect(ui->Modbus_pushButton, &QPushButton::clicked, this,
            &MainWindow::Modbus_Read_write_Button);
    connect(ui->Modbus_revice_cleandatapushButton, &QPushButton::pressed, this,
            &MainWindow::actionModbus_revice_CleanData_triggered);
    connect(ui->Modbus_send_cleandatapushButton, &QPushButton::pressed, this,
            &MainWindow::actionModbus_send_CleanData_triggered);

    modbusShowTransport(true);
    modbusSendLog = new ModbusFrameLog(ui->Modbus_sendMsgtextEdit, logLines, this);
    modbusReceiveLog = new ModbusFrameLog(ui->Modbus_HexTextBrowser, logLines, this);
    ui->Modbus_lineEdit->setReadOnly(true);
    setOpenButtonStyle(ui->ModbusopencompushButton, false);
    setOpenButtonStyle(ui->ModbusTCPopencompushButton, false);
    modbusTcpConnected = 0;

    // The codec keeps no state of its own, so one serves both modes; what
    // it finds wrong with a reply goes to the status bar.
    modbusClient = new Nuvelix_ModbusClient(this);
    connect(modbusClient, &Nuvelix_ModbusClient::errorOccurred, this, [this](const QString &error) {
        modbusFault = error;
        statusBar()->showMessage(error);
    });
    // The data field is read as bytes when it changes, not at every press.
    connect(ui->Modbus_lineEdit, &QLineEdit::textChanged, this, &MainWindow::modbusReadDataField);
    modbusReadDataField();
}

void MainWindow::modbusReadDataField()
{
    const QString text = ui->Modbus_lineEdit->text();
    modbusData.reset();
    if (ModbusHexInput::isValid(text))
        modbusData = ModbusHexInput::toBytes(text.toLatin1());
}

// Codes 1 to 4 read; the others write the data field's bytes.
void MainWindow::Modbus_function_comboBoxIndexChanged(int index)
{
    const bool write = index > 3;
    ui->Modbus_lineEdit->setReadOnly(!write);
    ui->Modbus_pushButton->setText(write ? QStringLiteral("Write") : QStringLiteral("Read"));
}

void MainWindow::ModbusPortModeChanged()
{
    const auto *source = qobject_cast<const QRadioButton *>(sender());
    if (!source)
        return;
    if (source->text() == tr("COM"))
        modbusShowTransport(true);
    else if (source->text() == tr("TCP"))
        modbusShowTransport(false);
}

// Shows the serial widgets or the TCP ones; the server address stays.
void MainWindow::modbusShowTransport(bool serial)
{
    ui->ModbusportMode_1->setChecked(serial);
    ui->ModbusportMode_2->setChecked(!serial);
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui->label_64, ui->label_65, ui->label_82, ui->label_83, ui->label_84,
             ui->ModbusopencompushButton, ui->ModbusportNameComboBox, ui->ModbusbaudRateComboBox,
             ui->ModbusdataBitsComboBox, ui->ModbusparityComboBox, ui->ModbusstopBitsComboBox})
        widget->setVisible(serial);
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui->ModbusTCPopencompushButton, ui->ModbusTCPclientIPlineEdit,
             ui->ModbusTCPclientPortlineEdit, ui->label_90, ui->label_91})
        widget->setVisible(!serial);
}

// The Modbus row of the shared road: the port is opened without forwarding,
// since each transaction reads its reply from the port itself.
SerialTool MainWindow::modbusSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::Modbus;
    tool.connectRead = false;
    tool.opened = [this] {
        modbusSerialOpen = true;
        modbusReadBetweenRequests(serialThread->serialPort, Nuvelix_ModBus_Mode::Rtu);
    };
    tool.closed = [this] {
        modbusSerialOpen = false;
    };
    return tool;
}

void MainWindow::ModbusOpen_triggered()
{
    openOrCloseSerialTool(modbusSerialTool());
}

void MainWindow::ModbusTCPopencompushButton_triggered()
{
    if (modbusTcpConnected == 1) {
        releaseModbusSocket();
        statusBar()->showMessage(tr("Disconnected TCP server"));
        modbusShowTcpIdle();
        return;
    }
    const QString ip = ui->ModbusTCPclientIPlineEdit->text();
    const QString port = ui->ModbusTCPclientPortlineEdit->text();
    if (ip.isEmpty() || port.isEmpty()) {
        Prompt::warning(this, tr("warning:"), tr("IP or Port is empty!"));
        return;
    }

    releaseModbusSocket();
    modbusTcpSocket = new QTcpSocket(this);
    modbusTcpSocket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    connect(modbusTcpSocket, &QAbstractSocket::connected, this, [this] {
        statusBar()->showMessage(tr("Connected to TCP server"));
        modbusReadBetweenRequests(modbusTcpSocket, Nuvelix_ModBus_Mode::Tcp);
    });
    connect(modbusTcpSocket, &QAbstractSocket::errorOccurred, this,
            &MainWindow::Modbus_displayError);
    // The busy state first: a connection may fail inside connectToHost.
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui->ModbusportMode_1, ui->ModbusportMode_2, ui->ModbusTCPclientIPlineEdit,
             ui->ModbusTCPclientPortlineEdit})
        widget->setEnabled(false);
    ui->ModbusTCPopencompushButton->setText(QStringLiteral("Disconnect"));
    setOpenButtonStyle(ui->ModbusTCPopencompushButton, true);
    modbusTcpConnected = 1;
    statusBar()->showMessage(tr("Connecting to TCP server"));
    modbusTcpSocket->connectToHost(ip, quint16(port.toInt()),
                                   QIODevice::ReadWrite | QIODevice::Unbuffered,
                                   QAbstractSocket::AnyIPProtocol);
}

// Any failure of the connection, on connecting or later, ends it; a wait
// that found nothing is none.
void MainWindow::Modbus_displayError(QAbstractSocket::SocketError error)
{
    if (!modbusTcpSocket || sender() != modbusTcpSocket ||
        error == QAbstractSocket::SocketTimeoutError)
        return;
    // Reading starts once the connection is made.
    if (ModbusIdleReader::of(modbusTcpSocket)) {
        modbusTcpEnded();
        return;
    }
    releaseModbusSocket();
    statusBar()->showMessage(tr("No server found"));
    modbusShowTcpIdle();
}

// A connection that was made ended without the user: the server closed or
// reset it, or it failed, met wherever the socket was read or written.
void MainWindow::modbusTcpEnded()
{
    const QString why = modbusTcpSocket->errorString();
    releaseModbusSocket();
    statusBar()->showMessage(tr("Modbus TCP connection ended: %1").arg(why));
    modbusShowTcpIdle();
}

// What the transport brings while no request waits is read as it comes and
// logged as answering none; a TCP server's close then ends the connection.
void MainWindow::modbusReadBetweenRequests(QIODevice *transport, Nuvelix_ModBus_Mode mode)
{
    auto *reader = new ModbusIdleReader(transport, mode);
    connect(reader, &ModbusIdleReader::arrived, modbusReceiveLog,
            qOverload<const QList<ModbusReplyCollector::Frame> &>(&ModbusFrameLog::append));
    if (mode == Nuvelix_ModBus_Mode::Tcp) {
        connect(reader, &ModbusIdleReader::peerClosed, this, [this, transport] {
            if (transport == modbusTcpSocket)
                modbusTcpEnded();
        });
    }
}

void MainWindow::modbusShowTcpIdle()
{
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui->ModbusportMode_1, ui->ModbusportMode_2, ui->ModbusTCPclientIPlineEdit,
             ui->ModbusTCPclientPortlineEdit})
        widget->setEnabled(true);
    ui->ModbusTCPopencompushButton->setText(QStringLiteral("Connect"));
    setOpenButtonStyle(ui->ModbusTCPopencompushButton, false);
    modbusTcpConnected = 0;
}

// Lets the connection go: a connected socket says goodbye to the server, a
// connecting one is aborted; either is deleted once its signals are over.
void MainWindow::releaseModbusSocket()
{
    if (!modbusTcpSocket)
        return;
    QTcpSocket *socket = modbusTcpSocket;
    modbusTcpSocket = nullptr;
    socket->disconnect(this);
    if (socket->state() == QAbstractSocket::ConnectedState)
        socket->disconnectFromHost();
    socket->abort();
    socket->deleteLater();
}

void MainWindow::actionModbus_revice_CleanData_triggered()
{
    modbusReceiveLog->clear();
    statusBar()->showMessage(tr("Receive has been cleared"));
}

void MainWindow::actionModbus_send_CleanData_triggered()
{
    modbusSendLog->clear();
    statusBar()->showMessage(tr("Send has been cleared"));
}
