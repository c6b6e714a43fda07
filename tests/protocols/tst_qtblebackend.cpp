#include "device.h"
#include "qtblebackend.h"

#include <QBluetoothAddress>
#include <QBluetoothLocalDevice>
#include <QSignalSpy>
#include <QTest>

// The Qt Bluetooth backend on a machine without a Bluetooth adapter: it says
// so and returns to idle at once, search after search, and a connection
// attempt fails instead of hanging.
class TestQtBleBackend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void searchWithoutAdapter();
    void connectionWithoutAdapter();
};

void TestQtBleBackend::initTestCase()
{
    if (!QBluetoothLocalDevice::allDevices().isEmpty())
        QSKIP("this machine has a Bluetooth adapter");
}

void TestQtBleBackend::searchWithoutAdapter()
{
    Device device(std::make_unique<QtBleBackend>());
    QSignalSpy states(&device, &Device::stateChanged);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        device.startDeviceDiscovery();
        QVERIFY2(device.getUpdate() == QLatin1String("Error: InvalidBluetoothAdapterError"),
                 qPrintable(QStringLiteral("search %1: expected the missing adapter, got \"%2\"")
                                .arg(attempt)
                                .arg(device.getUpdate())));
        QCOMPARE(device.state(), false);
        QCOMPARE(states.size(), attempt);
        device.stopDeviceDiscovery();
    }
}

void TestQtBleBackend::connectionWithoutAdapter()
{
    QtBleBackend backend;
    QObject owner;
    QBluetoothDeviceInfo info(QBluetoothAddress(QStringLiteral("11:22:33:44:55:66")),
                              QStringLiteral("Sensor"), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    BleController *controller = backend.createController(info, &owner);
    QSignalSpy errors(controller, &BleController::errorOccurred);
    controller->connectToDevice();
    QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 5000);
    QCOMPARE(controller->state(), QLowEnergyController::UnconnectedState);
    QVERIFY(controller->error() != QLowEnergyController::NoError);
}

QTEST_GUILESS_MAIN(TestQtBleBackend)
#include "tst_qtblebackend.moc"
