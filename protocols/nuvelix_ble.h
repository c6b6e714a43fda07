#pragma once

#include "device.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

#include <memory>

class CharacteristicWidget;
class QGroupBox;
class QPushButton;
class QVBoxLayout;

namespace Ui {
class nuvelix_ble;
}

// The "Ble" tab: a Bluetooth LE GATT browser. Scans for devices, connects to
// the one whose button is pressed and shows each of its services as a
// foldable panel with a card of its characteristics.
class nuvelix_ble : public QWidget
{
    Q_OBJECT

public:
    // On the machine's Bluetooth stack.
    explicit nuvelix_ble(QWidget *parent = nullptr);
    nuvelix_ble(std::unique_ptr<BleBackend> backend, QWidget *parent);
    ~nuvelix_ble() override;

    // The model behind the browser.
    [[nodiscard]] const Device &device() const;

private Q_SLOTS:
    void onScanButtonClicked();
    void onDeviceButtonClicked();
    void clearDeviceButtons();
    void devicesUpdated();
    void onServiceScanDone();
    void onReadCharacteristicRequested(const QString &uuid);
    void onCharacteristicsGetDone(const QString &serviceUuid,
                                  const QList<CharacteristicInfo *> &characteristics);
    void onCharacteristicValueRead(const QString &characteristicUuid, const QByteArray &value);
    void onNotifyCharacteristicRequested(const QString &uuid, bool sub_flag);
    void onWriteCharacteristicRequested(const QString &uuid, const QString &text, bool hex);
    void onServiceDisconnected();
    void onTitleButtonClicked();
    void onScanStateChanged();

private:
    void showIdle();
    void showScanning();
    void showStatus();
    [[nodiscard]] QList<DeviceInfo *> devices() const;

    std::unique_ptr<Ui::nuvelix_ble> ui;
    QMap<QString, QPushButton *> m_deviceButtons;
    QVBoxLayout *m_deviceLayout;
    Device m_device;
    QMap<QString, CharacteristicWidget *> m_serviceCards;
    QMap<QString, QString> m_characteristicServices;
    QMap<QPushButton *, QGroupBox *> m_titleGroups;
};
