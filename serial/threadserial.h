#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <QThread>

struct PortSettings;

// The worker of the one shared serial port: applies the port parameters,
// opens the port and forwards every chunk it reads as Serial_read_Data. Its
// thread body is empty; the port and every slot live on the GUI thread.
class ThreadSerial : public QThread
{
    Q_OBJECT

public:
    explicit ThreadSerial(QObject *parent = nullptr);
    // Stops and waits for the (empty) thread before the object goes away,
    // since destroying a running QThread aborts the program.
    ~ThreadSerial() override;

    // The one way port settings read from a tool's boxes reach the worker.
    void setPortSettings(const PortSettings &settings);
    // Creates, configures and opens the port; the result is left in `opened`.
    void Init(bool connectRead);
    void setDTR(bool on);
    void setRTS(bool on);
    // The bytes of output the system's driver holds for the device, where
    // the driver tells: a UART's reports its queue, a pty's reports none
    // (what it took is already on its way to the other end).
    [[nodiscard]] qint64 driverOutputQueued() const;
    // Drops the output queue the driver reports and returns its size, so
    // that closing the port does not wait until a slow device has taken it.
    qint64 dropDriverOutput();

    // The tool holding the port clears this when it closes the port.
    bool running = true;
    QString portName;
    QSerialPort *serialPort = nullptr;
    int baudRate = 0;
    int dataBits = 8;
    int parity = 0;
    int stopBits = 0;
    bool opened = false;
    bool dtr = false;
    bool rts = false;

Q_SIGNALS:
    void Serial_read_Data(const QByteArray &data);
    // The device went away while the port was open (an adapter unplugged, a
    // read or write that failed). The worker has closed the port already;
    // emitted once, with the system's reason for the loss. A device that only
    // takes bytes slower than they come (a full output buffer) is not lost:
    // its bytes wait in the port.
    void portLost(const QString &reason);

protected:
    void run() override;

private Q_SLOTS:
    void readData();
    void checkError(QSerialPort::SerialPortError error);
    void closeLostPort();

private:
    bool m_lost = false;
    QString m_lostReason;
};
