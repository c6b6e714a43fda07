#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>

// How a Modbus frame travels: RTU on a serial line (CRC at the end) or TCP
// (MBAP header, no CRC). Any value other than Rtu is taken as TCP.
enum class Nuvelix_ModBus_Mode { Rtu = 0, Tcp = 1 };
Q_DECLARE_METATYPE(Nuvelix_ModBus_Mode)

// The Modbus master's codec: builds RTU and TCP request frames and checks and
// decodes replies. It owns no transport; failures are told through
// errorOccurred together with an empty frame or an invalid result.
class Nuvelix_ModbusClient : public QObject
{
    Q_OBJECT

public:
    enum class FunctionCode {
        ReadCoils = 1,
        ReadDiscreteInputs = 2,
        ReadHoldingRegisters = 3,
        ReadInputRegisters = 4,
        WriteSingleCoil = 5,
        WriteSingleRegister = 6,
        WriteMultipleCoils = 15,
        WriteMultipleRegisters = 16,
        // Sent as quantity, byte count (half the data bytes) and data; its
        // reply is read like a register read.
        WriteRegisterBlock = 22,
    };
    Q_ENUM(FunctionCode)

    explicit Nuvelix_ModbusClient(QObject *parent = nullptr);

    // The complete frame of one request. Integer arguments are cut to their
    // field widths. Functions 5 and 6 take their value from the first one or
    // two data bytes; a request without them, a write of several coils or
    // registers with more than 246 data bytes (more than one request holds),
    // or a function outside the nine, is refused with an empty frame. Every
    // TCP request takes the next transaction identifier, a refused one too.
    [[nodiscard]] QByteArray generateRequest(int slaveAddress, FunctionCode function,
                                             int startAddress, int quantity,
                                             Nuvelix_ModBus_Mode mode, QByteArray data);
    // Checks a whole reply to a request for `function` and decodes it:
    // QList<bool> (functions 1, 2), QList<ushort> (3, 4, 22) or a map of
    // "StartAddress" and "Quantity" (5, 6, 15, 16). Neither the transaction
    // identifier nor the slave address is checked here.
    [[nodiscard]] QVariant parseResponse(FunctionCode function, const QByteArray &reply,
                                         Nuvelix_ModBus_Mode mode);
    // CRC-16/MODBUS: initial value 0xFFFF, reflected polynomial 0xA001.
    [[nodiscard]] static quint16 calculateCRC(QByteArrayView data);

Q_SIGNALS:
    void errorOccurred(const QString &errorString);

private:
    [[nodiscard]] bool appendBody(QByteArray &frame, FunctionCode function, int quantity,
                                  const QByteArray &data);
    [[nodiscard]] bool tooMuchData(FunctionCode function, qsizetype bytes);
    [[nodiscard]] QVariant decode(FunctionCode function, QByteArrayView body);
    QVariant fail(const QString &errorString);
};
