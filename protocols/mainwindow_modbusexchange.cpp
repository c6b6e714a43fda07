#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "modbusframelog.h"
#include "modbusidlereader.h"
#include "modbusreplycollector.h"
#include "modbusreplywait.h"
#include "portwait.h"
#include "prompt.h"
#include "threadserial.h"

#include <QPointer>
#include <QScopeGuard>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>

#include <array>

namespace {
using Function = Nuvelix_ModbusClient::FunctionCode;

// A request is sent at most this often; each attempt waits this long for
// its reply.
constexpr int attempts = 3;
constexpr int replyTimeoutMs = 1000;
// A press while another tool's wait runs is tried again so soon.
constexpr int busyRetryMs = 20;

// The function code of each item of the function box.
constexpr std::array<Function, 9> functionByIndex = {
    Function::ReadCoils,          Function::ReadDiscreteInputs,     Function::ReadHoldingRegisters,
    Function::ReadInputRegisters, Function::WriteSingleCoil,        Function::WriteSingleRegister,
    Function::WriteMultipleCoils, Function::WriteMultipleRegisters, Function::WriteRegisterBlock};

[[nodiscard]] Function functionAt(int index)
{
    return index >= 0 && index < int(functionByIndex.size()) ? functionByIndex.at(index)
                                                             : Function::ReadCoils;
}

// Data bytes a single write takes its value from.
[[nodiscard]] qsizetype dataBytesNeeded(Function function)
{
    if (function == Function::WriteSingleCoil)
        return 1;
    if (function == Function::WriteSingleRegister)
        return 2;
    return 0;
}

[[nodiscard]] bool isRead(Function function)
{
    return int(function) >= int(Function::ReadCoils) &&
           int(function) <= int(Function::ReadInputRegisters);
}

void badDataBox()
{
    Prompt::warning(nullptr, QStringLiteral("输入错误"),
                    QStringLiteral("请输入合法的十六进制数据，例如：0x11 0x12 或 0x11,0x12"));
}
} // namespace

void MainWindow::Modbus_Read_write_Button()
{
    // A press during this tab's own transaction is not taken; one during
    // another tool's wait comes back once that is over.
    if (modbusBusy)
        return;
    if (PortWait::isWaiting()) {
        QTimer::singleShot(busyRetryMs, this, &MainWindow::Modbus_Read_write_Button);
        return;
    }
    Nuvelix_ModBus_Mode mode = Nuvelix_ModBus_Mode::Rtu;
    if (!ui->ModbusportMode_1->isChecked() && ui->ModbusportMode_2->isChecked())
        mode = Nuvelix_ModBus_Mode::Tcp;
    if (!modbusTransport(mode)) {
        statusBar()->showMessage(mode == Nuvelix_ModBus_Mode::Rtu
                                     ? tr("Modbus serial port is not open")
                                     : tr("Modbus TCP server is not connected"));
        return;
    }

    const int server = ui->ModbusspinBox->value();
    const int start = ui->Modbus_address_spinBox->value();
    const int quantity = ui->Modbus_quantity_spinBox->value();
    const Function function = functionAt(ui->Modbus_function_comboBox->currentIndex());
    if (!modbusData || modbusData->size() < dataBytesNeeded(function)) {
        badDataBox();
        return;
    }
    const QByteArray dataBytes = *modbusData;

    if (isRead(function))
        Modbus_onReadButtonClicked(server, function, start, quantity, mode);
    else
        Modbus_onWriteButtonClicked(server, function, start, quantity, dataBytes, mode);
}

void MainWindow::Modbus_onReadButtonClicked(int server_address,
                                            Nuvelix_ModbusClient::FunctionCode type,
                                            int start_address, int quantity,
                                            Nuvelix_ModBus_Mode mode_tcp_uart)
{
    modbusExchange(server_address, type, start_address, quantity, {}, mode_tcp_uart);
}

void MainWindow::Modbus_onWriteButtonClicked(int server_address,
                                             Nuvelix_ModbusClient::FunctionCode type,
                                             int start_address, int quantity, QByteArray writeData,
                                             Nuvelix_ModBus_Mode mode_tcp_uart)
{
    modbusExchange(server_address, type, start_address, quantity, writeData, mode_tcp_uart);
}

QIODevice *MainWindow::modbusTransport(Nuvelix_ModBus_Mode mode) const
{
    if (mode == Nuvelix_ModBus_Mode::Rtu) {
        if (modbusSerialOpen && serialThread && serialThread->serialPort &&
            serialThread->serialPort->isOpen())
            return serialThread->serialPort;
        return nullptr;
    }
    if (modbusTcpSocket && modbusTcpSocket->state() == QAbstractSocket::ConnectedState)
        return modbusTcpSocket;
    return nullptr;
}

// Up to three attempts, each a new request (in TCP with a new transaction
// identifier) after what waited from earlier replies was logged. An attempt
// ends as soon as its answer is complete, or after a second; each frame that
// arrived meanwhile is logged on its own, those answering no request marked.
// A sound reply ends the exchange whatever it says; a malformed one or one
// from another unit is asked again, and the last answer's fault is what the
// exchange reports. Events keep running, so the transport may close
// meanwhile, or a TCP server may: the exchange then ends quietly, and the
// transport's reader between requests tells a server's close.
void MainWindow::modbusExchange(int serverAddress, Nuvelix_ModbusClient::FunctionCode function,
                                int startAddress, int quantity, const QByteArray &dataBytes,
                                Nuvelix_ModBus_Mode mode)
{
    modbusBusy = true;
    QPointer<ModbusIdleReader> reader;
    const auto done = qScopeGuard([this, &reader] {
        modbusBusy = false;
        if (reader)
            reader->resume();
    });
    QString fault;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        QIODevice *transport = modbusTransport(mode);
        if (!transport)
            return;
        // A refused request is told by the codec.
        const QByteArray request = modbusClient->generateRequest(
            serverAddress, function, startAddress, quantity, mode, dataBytes);
        if (request.isEmpty())
            return;
        // What came before the request answers none of it: logged as such.
        reader = ModbusIdleReader::of(transport);
        if (reader)
            modbusReceiveLog->append(reader->takeBeforeRequest());

        ModbusReplyCollector collector(request, mode);
        const PortWait::Outcome outcome =
            ModbusReplyWait::exchange(transport, request, collector, replyTimeoutMs,
                                      [this, &request] { modbusSendLog->append(request); });
        if (outcome == PortWait::Outcome::TimedOut)
            collector.finish();
        modbusReceiveLog->append(collector.frames());
        if (outcome != PortWait::Outcome::Ready && outcome != PortWait::Outcome::TimedOut)
            return;

        switch (collector.answer()) {
        case ModbusReplyCollector::Answer::Reply:
            if (modbusReplyFault(function, collector.reply(), mode).isEmpty())
                statusBar()->showMessage(tr("Reply received"));
            return;
        case ModbusReplyCollector::Answer::OtherUnit: {
            // The unit comes first, in TCP after the header.
            const qsizetype unitAt =
                mode == Nuvelix_ModBus_Mode::Rtu ? 0 : ModbusReplyCollector::mbapLength;
            fault = tr("Unexpected unit %1 in response").arg(quint8(collector.reply().at(unitAt)));
            statusBar()->showMessage(fault);
            break;
        }
        case ModbusReplyCollector::Answer::Malformed:
            fault = modbusReplyFault(function, collector.reply(), mode);
            break;
        case ModbusReplyCollector::Answer::None:
            break;
        }
    }
    statusBar()->showMessage(fault.isEmpty() ? tr("No response after %1 attempts").arg(attempts)
                                             : fault);
}

// The codec's verdict on a reply (it shows it too): empty when it decodes.
QString MainWindow::modbusReplyFault(Nuvelix_ModbusClient::FunctionCode function,
                                     const QByteArray &reply, Nuvelix_ModBus_Mode mode)
{
    modbusFault.clear();
    static_cast<void>(modbusClient->parseResponse(function, reply, mode));
    return modbusFault;
}
