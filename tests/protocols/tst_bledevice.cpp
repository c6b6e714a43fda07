#include "device.h"
#include "sampleperipheral.h"
#include "scriptedble.h"
#include "scriptedbleservice.h"

#include <QBluetoothAddress>
#include <QTest>

namespace {
const QString sensorAddress = QStringLiteral("11:22:33:44:55:66");
const QString otherAddress = QStringLiteral("AA:BB:CC:DD:EE:01");

// The device model on a scripted world, and what the model signalled, as text.
struct Rig
{
    Rig();

    ScriptedBle *script = new ScriptedBle; // owned by the device
    Device device{std::unique_ptr<BleBackend>(script)};
    QStringList events;
};

Rig::Rig()
{
    script->services = SamplePeripheral::services();
    script->reports = {SamplePeripheral::leDevice(QStringLiteral("Sensor"), sensorAddress),
                       SamplePeripheral::leDevice(QStringLiteral("Other"), otherAddress)};
    QObject::connect(&device, &Device::connected, &device, [this] {
        events.append(QStringLiteral("connected %1")
                          .arg(device.getServices().value<QList<ServiceInfo *>>().size()));
    });
    QObject::connect(&device, &Device::disconnected, &device,
                     [this] { events.append(QStringLiteral("disconnected")); });
    QObject::connect(&device, &Device::characteristics_GetDone, &device,
                     [this](const QString &service, const QList<CharacteristicInfo *> &all) {
                         const auto own = std::count_if(all.cbegin(), all.cend(),
                                                        [&](const CharacteristicInfo *c) {
                                                            return c->serviceUuid() == service;
                                                        });
                         events.append(QStringLiteral("details %1 %2 of %3")
                                           .arg(SamplePeripheral::shortName(service))
                                           .arg(own)
                                           .arg(all.size()));
                     });
    QObject::connect(&device, &Device::characteristicValueRead, &device,
                     [this](const QString &uuid, const QByteArray &value) {
                         events.append(QStringLiteral("read %1 %2")
                                           .arg(SamplePeripheral::shortName(uuid),
                                                QString::fromLatin1(value.toHex())));
                     });
    QObject::connect(&device, &Device::characteristicValueChanged, &device,
                     [this](const QString &uuid, const QByteArray &value) {
                         events.append(QStringLiteral("changed %1 %2")
                                           .arg(SamplePeripheral::shortName(uuid),
                                                QString::fromLatin1(value.toHex())));
                     });
}

QString uuidText(const QString &shortName)
{
    return SamplePeripheral::uuid(shortName).toString();
}

// Lets every answer that the scripted world has queued arrive.
void settle()
{
    QTest::qWait(20);
}

// Runs one step of a table, then lets the answers arrive. A connect step
// notes "returned" once its call has returned.
void run(Rig &rig, const QString &step)
{
    const QStringList w = step.split(QLatin1Char(' '));
    const QString what = w.value(0);
    if (what == QLatin1String("search")) {
        rig.device.startDeviceDiscovery();
    } else if (what == QLatin1String("connect")) {
        rig.device.scanServices(w.value(1));
        rig.events.append(QStringLiteral("returned"));
    } else if (what == QLatin1String("details")) {
        for (const QString &service : w.mid(1))
            rig.device.connectToService(uuidText(service));
    } else if (what == QLatin1String("read")) {
        rig.device.readCharacteristic(uuidText(w.value(1)), uuidText(w.value(2)));
    } else if (what == QLatin1String("write")) {
        rig.device.writeCharacteristic(uuidText(w.value(1)), uuidText(w.value(2)),
                                       QByteArray::fromHex(w.value(3).toLatin1()));
    } else if (what == QLatin1String("sub")) {
        rig.device.subscribeToNotify(uuidText(w.value(1)), uuidText(w.value(2)));
    } else if (what == QLatin1String("unsub")) {
        for (const ServiceInfo *info : rig.device.getServices().value<QList<ServiceInfo *>>()) {
            if (info->getUuid() == uuidText(w.value(1)))
                rig.device.unsubscribeNotify(info->service());
        }
    } else if (what == QLatin1String("notify")) {
        rig.script->notify(SamplePeripheral::uuid(w.value(1)),
                           QByteArray::fromHex(w.value(2).toLatin1()));
    } else if (what == QLatin1String("disconnect")) {
        rig.device.disconnectFromDevice();
    } else if (what == QLatin1String("drop")) {
        rig.script->dropLink();
    } else if (what == QLatin1String("fail-reads")) {
        rig.script->readsFail = true;
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
    settle();
}

// The peripheral's record with the sample's UUIDs by their short names.
QStringList readable(const QStringList &calls)
{
    static const QStringList shortNames{QStringLiteral("battery"), QStringLiteral("sensor"),
                                        QStringLiteral("level"),   QStringLiteral("temperature"),
                                        QStringLiteral("command"), QStringLiteral("raw"),
                                        QStringLiteral("stream"),  QStringLiteral("status")};
    QStringList shown;
    for (QString call : calls) {
        for (const QString &name : shortNames)
            call.replace(ScriptedBle::label(SamplePeripheral::uuid(name)), name);
        shown.append(call);
    }
    return shown;
}

QString describe(const QStringList &steps, const QStringList &expected, const QStringList &actual)
{
    return QStringLiteral("steps [%1]\n   expected [%2]\n   actual   [%3]")
        .arg(steps.join(QStringLiteral(", ")), expected.join(QStringLiteral(", ")),
             actual.join(QStringLiteral(", ")));
}
} // namespace

// The device model against a scripted peripheral: the search, the connection,
// service and characteristic discovery, reads, writes and notifications, and
// the texts of its records.
class TestBleDevice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsIdle();
    void searchReports_data();
    void searchReports();
    void searchFailures_data();
    void searchFailures();
    void searchStopped();
    void connection_data();
    void connection();
    void operations_data();
    void operations();
    void identifiers_data();
    void identifiers();
    void characteristicTexts_data();
    void characteristicTexts();
    void serviceTypes_data();
    void serviceTypes();
};

void TestBleDevice::startsIdle()
{
    Rig rig;
    QCOMPARE(rig.device.getUpdate(), QStringLiteral("Search"));
    QCOMPARE(rig.device.state(), false);
    QCOMPARE(rig.device.hasControllerError(), false);
    QCOMPARE(rig.script->discoveryTimeoutMs, 25000);
    QCOMPARE(rig.device.isRandomAddress(), false);
}

void TestBleDevice::searchReports_data()
{
    QTest::addColumn<QStringList>("reports");  // kind name address [uuid]
    QTest::addColumn<QStringList>("expected"); // name=identifier, in list order
    QTest::addColumn<QString>("status");

    const QString u1 = QStringLiteral("{00000000-0000-0000-0000-0000000000a1}");
    const QString u2 = QStringLiteral("{00000000-0000-0000-0000-0000000000a2}");
    QTest::newRow("a repeated report replaces its entry in place")
        << QStringList{"le Alpha 11:00:00:00:00:01 " + u1, "le Beta 11:00:00:00:00:02 " + u2,
                       "le Alpha2 11:00:00:00:00:01 " + u1}
        << QStringList{"Alpha2=" + u1, "Beta=" + u2} << "Done! Scan Again!";
    QTest::newRow("classic-only devices never enter")
        << QStringList{"classic Headset 11:00:00:00:00:03", "le Alpha 11:00:00:00:00:01 " + u1}
        << QStringList{"Alpha=" + u1} << "Done! Scan Again!";
    QTest::newRow("no low-energy device") << QStringList{"classic Headset 11:00:00:00:00:03"}
                                          << QStringList{} << "No Low Energy devices found...";
    QTest::newRow("without device UUIDs the addresses keep devices apart")
        << QStringList{"le Alpha 11:00:00:00:00:01", "le Beta 11:00:00:00:00:02",
                       "le Alpha 11:00:00:00:00:01"}
        << QStringList{"Alpha=11:00:00:00:00:01", "Beta=11:00:00:00:00:02"} << "Done! Scan Again!";
}

void TestBleDevice::searchReports()
{
    QFETCH(QStringList, reports);
    QFETCH(QStringList, expected);
    QFETCH(QString, status);
    Rig rig;
    rig.script->reports.clear();
    for (const QString &report : reports) {
        const QStringList w = report.split(QLatin1Char(' '));
        rig.script->reports.append(w[0] == QLatin1String("le")
                                       ? SamplePeripheral::leDevice(w[1], w[2], w.value(3))
                                       : SamplePeripheral::classicDevice(w[1], w[2]));
    }
    rig.device.startDeviceDiscovery();
    QCOMPARE(rig.device.state(), true);
    QCOMPARE(rig.device.getUpdate(), QStringLiteral("Stop"));
    QTRY_COMPARE(rig.device.state(), false);

    QStringList actual;
    for (const DeviceInfo *d : rig.device.getDevices().value<QList<DeviceInfo *>>())
        actual.append(d->getName() + QLatin1Char('=') + d->getAddress());
    QVERIFY2(actual == expected, qPrintable(describe(reports, expected, actual)));
    QCOMPARE(rig.device.getUpdate(), status);
}

void TestBleDevice::searchFailures_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("status");

    QTest::newRow("input/output") << int(QBluetoothDeviceDiscoveryAgent::InputOutputError)
                                  << "Writing or reading from the device resulted in an error.";
    QTest::newRow("powered off")
        << int(QBluetoothDeviceDiscoveryAgent::PoweredOffError)
        << "The Bluetooth adaptor is powered off, power it on before doing discovery.";
    QTest::newRow("no adapter") << int(QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError)
                                << "Error: InvalidBluetoothAdapterError";
    QTest::newRow("unknown") << int(QBluetoothDeviceDiscoveryAgent::UnknownError)
                             << "Error: UnknownError";
}

// A search that cannot start says why, ends the scan state, and leaves the
// model ready for the next search.
void TestBleDevice::searchFailures()
{
    QFETCH(int, error);
    QFETCH(QString, status);
    Rig rig;
    int stateChanges = 0;
    connect(&rig.device, &Device::stateChanged, this, [&] { ++stateChanges; });
    rig.script->searchFailure = QBluetoothDeviceDiscoveryAgent::Error(error);
    rig.device.startDeviceDiscovery();
    QCOMPARE(rig.device.getUpdate(), status);
    QCOMPARE(rig.device.state(), false);
    QCOMPARE(stateChanges, 1);

    rig.script->searchFailure.reset();
    rig.device.startDeviceDiscovery();
    QTRY_COMPARE(rig.device.state(), false);
    QCOMPARE(rig.device.getDevices().value<QList<DeviceInfo *>>().size(), 2);
}

void TestBleDevice::searchStopped()
{
    Rig rig;
    rig.script->searchRunsOn = true;
    rig.device.startDeviceDiscovery();
    QTRY_COMPARE(rig.device.getDevices().value<QList<DeviceInfo *>>().size(), 2);
    QCOMPARE(rig.device.state(), true);
    rig.device.stopDeviceDiscovery();
    QCOMPARE(rig.device.state(), false);
    QCOMPARE(rig.device.getUpdate(), QStringLiteral("Done! Scan Again!"));

    // A new search starts with an empty list.
    int emptied = 0;
    connect(&rig.device, &Device::devicesUpdated, this, [&] {
        if (rig.device.getDevices().value<QList<DeviceInfo *>>().isEmpty())
            ++emptied;
    });
    rig.device.startDeviceDiscovery();
    QCOMPARE(emptied, 1);
}

void TestBleDevice::connection_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<bool>("failInsideCall");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("controllers");
    QTest::addColumn<QString>("status");

    const int none = QLowEnergyController::NoError;
    const int refused = QLowEnergyController::ConnectionError;
    const QString search = QStringLiteral("search");
    const QString sensor = QStringLiteral("connect ") + sensorAddress;
    const QString other = QStringLiteral("connect ") + otherAddress;
    const QString connectSensor = QStringLiteral("connect Sensor");
    const QString address = QStringLiteral("public address");
    const QString discover = QStringLiteral("discover services");

    QTest::newRow("connected once service discovery has finished")
        << none << true << QStringList{search, sensor} << QStringList{"returned", "connected 2"}
        << QStringList{search, address, connectSensor, discover} << 1
        << "Back\n(Service scan done!)";
    QTest::newRow("a failure inside the connect call is told after it returns")
        << refused << true << QStringList{search, sensor} << QStringList{"returned", "disconnected"}
        << QStringList{search, address, connectSensor} << 1 << "Back\n(Connecting to device...)";
    QTest::newRow("a later failure")
        << refused << false << QStringList{search, sensor}
        << QStringList{"returned", "disconnected"} << QStringList{search, address, connectSensor}
        << 1 << "Back\n(Connecting to device...)";
    QTest::newRow("the same device again keeps its controller")
        << none << true << QStringList{search, sensor, "disconnect", sensor}
        << QStringList{"returned", "connected 2", "disconnected", "returned", "connected 2"}
        << QStringList{search,  address,       connectSensor, discover, "disconnect Sensor",
                       address, connectSensor, discover}
        << 1 << "Back\n(Service scan done!)";
    QTest::newRow("another device: a new controller; the old link's end is not news")
        << none << true << QStringList{search, sensor, other}
        << QStringList{"returned", "connected 2", "returned", "connected 2"}
        << QStringList{search,  address,         connectSensor, discover, "disconnect Sensor",
                       address, "connect Other", discover}
        << 2 << "Back\n(Service scan done!)";
    QTest::newRow("an unknown identifier connects the device chosen before")
        << none << true << QStringList{search, sensor, "disconnect", "connect nobody"}
        << QStringList{"returned", "connected 2", "disconnected", "returned", "connected 2"}
        << QStringList{search,  address,       connectSensor, discover, "disconnect Sensor",
                       address, connectSensor, discover}
        << 1 << "Back\n(Service scan done!)";
    QTest::newRow("an unknown identifier with none chosen before does nothing")
        << none << true << QStringList{search, "connect nobody"} << QStringList{"returned"}
        << QStringList{search} << 0 << "Done! Scan Again!";
    QTest::newRow("the peripheral goes away")
        << none << true << QStringList{search, sensor, "drop"}
        << QStringList{"returned", "connected 2", "disconnected"}
        << QStringList{search, address, connectSensor, discover} << 1
        << "Back\n(Service scan done!)";
    QTest::newRow("disconnect without a link")
        << none << true << QStringList{"disconnect"} << QStringList{"disconnected"} << QStringList{}
        << 0 << "Search";
    QTest::newRow("details of two services asked at once: the later list holds both")
        << none << true << QStringList{search, sensor, "details battery sensor"}
        << QStringList{"returned", "connected 2", "details battery 1 of 1", "details sensor 5 of 6"}
        << QStringList{search,   address,           connectSensor,
                       discover, "details battery", "details sensor"}
        << 1 << "Back\n(Discovering details...)";
    QTest::newRow("failed details give no characteristics")
        << none << true << QStringList{search, "fail-details", sensor, "details battery"}
        << QStringList{"returned", "connected 2"}
        << QStringList{search, address, connectSensor, discover, "details battery"} << 1
        << "Back\n(Discovering details...)";
}

void TestBleDevice::connection()
{
    QFETCH(int, failure);
    QFETCH(bool, failInsideCall);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, events);
    QFETCH(QStringList, calls);
    QFETCH(int, controllers);
    QFETCH(QString, status);
    Rig rig;
    rig.script->connectFailure = QLowEnergyController::Error(failure);
    rig.script->failInsideCall = failInsideCall;
    for (const QString &step : steps) {
        if (step == QLatin1String("fail-details"))
            rig.script->services[0].detailsFail = true;
        else
            run(rig, step);
    }
    QVERIFY2(rig.events == events, qPrintable(describe(steps, events, rig.events)));
    const QStringList actualCalls = readable(rig.script->calls);
    QVERIFY2(actualCalls == calls, qPrintable(describe(steps, calls, actualCalls)));
    QCOMPARE(rig.script->controllersMade, controllers);
    QCOMPARE(rig.device.getUpdate(), status);
    QCOMPARE(rig.device.hasControllerError(), failure != QLowEnergyController::NoError);
}

void TestBleDevice::operations_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("a read answers later")
        << QStringList{"read battery level"} << QStringList{"read level 64"}
        << QStringList{"read level"};
    QTest::newRow("a read of a characteristic the service lacks")
        << QStringList{"read battery temperature"} << QStringList{} << QStringList{};
    QTest::newRow("a read from a service not found")
        << QStringList{"read nothing level"} << QStringList{} << QStringList{};
    QTest::newRow("a read that fails is never answered")
        << QStringList{"fail-reads", "read battery level"} << QStringList{}
        << QStringList{"read level"};
    QTest::newRow("a write goes with response")
        << QStringList{"write sensor command 4142", "read sensor temperature"}
        << QStringList{"read temperature 32312e35"}
        << QStringList{"write command 4142 with response", "read temperature"};
    QTest::newRow("a write-without-response characteristic is written with response too")
        << QStringList{"write sensor raw 01"} << QStringList{}
        << QStringList{"write raw 01 with response"};
    QTest::newRow("subscribing writes 01 00 to the configuration descriptor")
        << QStringList{"sub sensor stream", "notify stream 0102"}
        << QStringList{"changed stream 0102"} << QStringList{"descriptor stream 0x2902 0100"};
    QTest::newRow("unsubscribing writes nothing and ends the delivery")
        << QStringList{"sub sensor stream", "unsub sensor", "notify stream 0102"} << QStringList{}
        << QStringList{"descriptor stream 0x2902 0100"};
    QTest::newRow("a second subscription delivers each notification once")
        << QStringList{"sub battery level", "sub battery level", "notify level 32"}
        << QStringList{"changed level 32"}
        << QStringList{"descriptor level 0x2902 0100", "descriptor level 0x2902 0100"};
    QTest::newRow("a subscribed service delivers all its changes")
        << QStringList{"sub sensor stream", "notify status 07"} << QStringList{"changed status 07"}
        << QStringList{"descriptor stream 0x2902 0100"};
    QTest::newRow("without a configuration descriptor nothing is subscribed")
        << QStringList{"sub sensor status", "notify status 01"} << QStringList{} << QStringList{};
    QTest::newRow("an unsubscribed service delivers nothing")
        << QStringList{"notify level 10"} << QStringList{} << QStringList{};
    QTest::newRow("a second unsubscription finds nothing")
        << QStringList{"sub battery level", "unsub battery", "unsub battery", "notify level 10"}
        << QStringList{} << QStringList{"descriptor level 0x2902 0100"};
    QTest::newRow("subscriptions end with their services; a new one delivers once")
        << QStringList{"sub battery level", "disconnect",      "connect " + sensorAddress,
                       "details battery",   "notify level 10", "sub battery level",
                       "notify level 11"}
        << QStringList{"disconnected", "returned", "connected 2", "details battery 1 of 1",
                       "changed level 11"}
        << QStringList{"descriptor level 0x2902 0100",
                       "disconnect Sensor",
                       "public address",
                       "connect Sensor",
                       "discover services",
                       "details battery",
                       "descriptor level 0x2902 0100"};
}

// Reads, writes and notifications on a connected peripheral whose services'
// details are known.
void TestBleDevice::operations()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, events);
    QFETCH(QStringList, calls);
    Rig rig;
    for (const QString &step : {QStringLiteral("search"), "connect " + sensorAddress,
                                QStringLiteral("details battery sensor")})
        run(rig, step);
    QCOMPARE(rig.events.size(), 4);
    rig.events.clear();
    rig.script->calls.clear();

    for (const QString &step : steps)
        run(rig, step);
    QVERIFY2(rig.events == events, qPrintable(describe(steps, events, rig.events)));
    const QStringList actualCalls = readable(rig.script->calls);
    QVERIFY2(actualCalls == calls, qPrintable(describe(steps, calls, actualCalls)));
}

void TestBleDevice::identifiers_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QString>("expected");

    QTest::newRow("device UUID, braced lower case") << "11:22:33:44:55:66"
                                                    << "{6E400001-B5A3-F393-E0A9-E50E24DCCA9E}"
                                                    << "{6e400001-b5a3-f393-e0a9-e50e24dcca9e}";
    QTest::newRow("null device UUID: the address") << "11:22:33:44:55:66"
                                                   << ""
                                                   << "11:22:33:44:55:66";
}

void TestBleDevice::identifiers()
{
    QFETCH(QString, address);
    QFETCH(QString, uuid);
    QFETCH(QString, expected);
    const DeviceInfo info(SamplePeripheral::leDevice(QStringLiteral("Name"), address, uuid));
    QCOMPARE(info.getAddress(), expected);
    QCOMPARE(info.getName(), QStringLiteral("Name"));
}

void TestBleDevice::characteristicTexts_data()
{
    QTest::addColumn<int>("properties");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("description"); // user description; "-" for none
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("permission");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("shownValue");

    QTest::newRow("all eight flags in their order")
        << 0xff << "Level" << QByteArray("-") << QByteArray()
        << "(  Read Write Notify Indicate ExtendedProperty Broadcast WriteNoResp WriteSigned )"
        << "Level"
        << "<none>";
    QTest::newRow("no flags") << 0 << "" << QByteArray("-") << QByteArray("AB") << "(  )"
                              << "Unknown"
                              << "AB\n4142";
    QTest::newRow("read and notify, named by its description")
        << 0x12 << "" << QByteArray("Command") << QByteArray::fromHex("c3a9") << "(  Read Notify )"
        << "Command" << QString::fromUtf8("\xc3\xa9\nc3a9");
    QTest::newRow("empty description")
        << 0x04 << "" << QByteArray("") << QByteArray::fromHex("00") << "(  WriteNoResp )"
        << "Unknown" << QString::fromUtf8("\0\n00", 4);
    QTest::newRow("own name before the description")
        << 0x40 << "Own" << QByteArray("Described") << QByteArray() << "(  WriteSigned )"
        << "Own"
        << "<none>";
}

void TestBleDevice::characteristicTexts()
{
    QFETCH(int, properties);
    QFETCH(QString, name);
    QFETCH(QByteArray, description);
    QFETCH(QByteArray, value);
    QFETCH(QString, permission);
    QFETCH(QString, shownName);
    QFETCH(QString, shownValue);
    BleCharacteristicData data{SamplePeripheral::uuid(QStringLiteral("level")),
                               name,
                               QLowEnergyCharacteristic::PropertyTypes(properties),
                               value,
                               {}};
    if (description != "-")
        data.descriptors.append(
            {QBluetoothUuid(QBluetoothUuid::DescriptorType::CharacteristicUserDescription),
             description});
    const CharacteristicInfo info(QStringLiteral("{service}"), data);
    QCOMPARE(info.getPermission(), permission);
    QCOMPARE(info.getName(), shownName);
    QCOMPARE(info.getValue(), shownValue);
    QCOMPARE(info.getUuid(), QStringLiteral("{00002a19-0000-1000-8000-00805f9b34fb}"));
    QCOMPARE(info.serviceUuid(), QStringLiteral("{service}"));
}

void TestBleDevice::serviceTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");

    QTest::newRow("primary") << int(QLowEnergyService::PrimaryService) << "<primary>";
    QTest::newRow("secondary") << 0 << "<secondary>";
    QTest::newRow("primary included")
        << int(QLowEnergyService::PrimaryService | QLowEnergyService::IncludedService)
        << "<primary included>";
    QTest::newRow("secondary included")
        << int(QLowEnergyService::IncludedService) << "<secondary included>";
}

void TestBleDevice::serviceTypes()
{
    QFETCH(int, type);
    QFETCH(QString, expected);
    ScriptedBle script;
    ScriptedBle::Service table = SamplePeripheral::services().first();
    table.type = QLowEnergyService::ServiceTypes(type);
    const ServiceInfo info(std::make_unique<ScriptedBleService>(script, table));
    QCOMPARE(info.getType(), expected);
    QCOMPARE(info.getName(), QStringLiteral("Battery Service"));
    QCOMPARE(info.getUuid(), QStringLiteral("{0000180f-0000-1000-8000-00805f9b34fb}"));
    QCOMPARE(info.service()->parent(), &info);

    const ServiceInfo empty(nullptr);
    QCOMPARE(empty.getType(), QString());
    QCOMPARE(empty.getName(), QString());
}

QTEST_GUILESS_MAIN(TestBleDevice)
#include "tst_bledevice.moc"
