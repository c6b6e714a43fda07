#include "device.h"
#include "sampleperipheral.h"
#include "scriptedble.h"

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
    const auto note = [this](const char *what) {
        return [this, what](const QString &uuid, const QByteArray &value) {
            events.append(QLatin1String(what) + SamplePeripheral::shortName(uuid) +
                          QLatin1Char(' ') + QString::fromLatin1(value.toHex()));
        };
    };
    QObject::connect(&device, &Device::characteristicValueRead, &device, note("read "));
    QObject::connect(&device, &Device::characteristicValueChanged, &device, note("changed "));
    QObject::connect(&device, &Device::connected, &device, [this] {
        events.append(QStringLiteral("connected %1")
                          .arg(device.getServices().value<QList<ServiceInfo *>>().size()));
    });
    QObject::connect(&device, &Device::disconnected, &device,
                     [this] { events.append(QStringLiteral("disconnected")); });
    QObject::connect(&device, &Device::characteristics_GetDone, &device,
                     [this](const QString &service, const QList<CharacteristicInfo *> &all) {
                         const auto own = std::count_if(all.cbegin(), all.cend(), [&](auto *c) {
                             return c->serviceUuid() == service;
                         });
                         events.append(QStringLiteral("details %1 %2 of %3")
                                           .arg(SamplePeripheral::shortName(service))
                                           .arg(own)
                                           .arg(all.size()));
                     });
}

QString uuidText(const QString &shortName)
{
    return SamplePeripheral::uuid(shortName).toString();
}

// Runs one step of a table, then lets the scripted answers arrive. A connect
// step notes "returned" once its call has returned.
void run(Rig &rig, const QString &step)
{
    const QStringList w = step.split(QLatin1Char(' '));
    const QString what = w.value(0);
    const QByteArray bytes = QByteArray::fromHex(w.last().toLatin1());
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
        rig.device.writeCharacteristic(uuidText(w.value(1)), uuidText(w.value(2)), bytes);
    } else if (what == QLatin1String("sub")) {
        rig.device.subscribeToNotify(uuidText(w.value(1)), uuidText(w.value(2)));
    } else if (what == QLatin1String("unsub")) {
        for (const ServiceInfo *info : rig.device.getServices().value<QList<ServiceInfo *>>()) {
            if (info->getUuid() == uuidText(w.value(1)))
                rig.device.unsubscribeNotify(info->service());
        }
    } else if (what == QLatin1String("notify")) {
        rig.script->notify(SamplePeripheral::uuid(w.value(1)), bytes);
    } else if (what == QLatin1String("disconnect")) {
        rig.device.disconnectFromDevice();
    } else if (what == QLatin1String("drop")) {
        rig.script->dropLink();
    } else if (what == QLatin1String("fail-reads")) {
        rig.script->readsFail = true;
    } else if (what == QLatin1String("fail-details")) {
        rig.script->services[0].detailsFail = true;
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
    ScriptedBle::settle();
}

QString describe(const QStringList &steps, const QStringList &expected, const QStringList &actual)
{
    return QStringLiteral("steps [%1]\n   expected [%2]\n   actual   [%3]")
        .arg(steps.join(QStringLiteral(", ")), expected.join(QStringLiteral(", ")),
             actual.join(QStringLiteral(", ")));
}

// Runs the steps and compares the model's signals and the peripheral's record.
void check(Rig &rig, const QStringList &steps, const QStringList &events, const QStringList &calls)
{
    for (const QString &step : steps)
        run(rig, step);
    QVERIFY2(rig.events == events, qPrintable(describe(steps, events, rig.events)));
    const QStringList actual = SamplePeripheral::readable(rig.script->calls);
    QVERIFY2(actual == calls, qPrintable(describe(steps, calls, actual)));
}
} // namespace

// The device model against a scripted peripheral: the search, the connection,
// service and characteristic discovery, reads, writes and notifications, and
// the texts of its records.
class TestBleDevice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void searchReports_data();
    void searchReports();
    void searchFailures_data();
    void searchFailures();
    void connection_data();
    void connection();
    void operations_data();
    void operations();
    void characteristicTexts_data();
    void characteristicTexts();
};

void TestBleDevice::searchReports_data()
{
    QTest::addColumn<QStringList>("reports");  // kind name address [device UUID]
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
        << QStringList{"le Alpha 11:00:00:00:00:01", "le Beta 11:00:00:00:00:02"}
        << QStringList{"Alpha=11:00:00:00:00:01", "Beta=11:00:00:00:00:02"} << "Done! Scan Again!";
}

void TestBleDevice::searchReports()
{
    QFETCH(QStringList, reports);
    QFETCH(QStringList, expected);
    QFETCH(QString, status);
    Rig rig;
    QCOMPARE(rig.device.getUpdate(), QStringLiteral("Search"));
    QCOMPARE(rig.script->discoveryTimeoutMs, 25000);
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
                                << "No Bluetooth adapter was found.";
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

void TestBleDevice::connection_data()
{
    QTest::addColumn<bool>("fails");
    QTest::addColumn<bool>("failInsideCall");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("controllers");
    QTest::addColumn<QString>("status");

    const QString sensor = QStringLiteral("connect ") + sensorAddress;
    const QStringList start{"search", "public address", "connect Sensor"};
    const QStringList connected = start + QStringList{"discover services"};
    const QStringList again = connected + QStringList{"disconnect Sensor", "public address",
                                                      "connect Sensor", "discover services"};
    const QString done = QStringLiteral("Back\n(Service scan done!)");
    const QString details = QStringLiteral("Back\n(Discovering details...)");

    QTest::newRow("connected once service discovery has finished")
        << false << true << QStringList{"search", sensor} << QStringList{"returned", "connected 2"}
        << connected << 1 << done;
    QTest::newRow("a failure inside the connect call is told after it returns")
        << true << true << QStringList{"search", sensor} << QStringList{"returned", "disconnected"}
        << start << 1 << "Back\n(Connecting to device...)";
    QTest::newRow("a later failure")
        << true << false << QStringList{"search", sensor} << QStringList{"returned", "disconnected"}
        << start << 1 << "Back\n(Connecting to device...)";
    QTest::newRow("the same device again keeps its controller")
        << false << true << QStringList{"search", sensor, "disconnect", sensor}
        << QStringList{"returned", "connected 2", "disconnected", "returned", "connected 2"}
        << again << 1 << done;
    QTest::newRow("an unknown identifier connects the device chosen before")
        << false << true << QStringList{"search", sensor, "disconnect", "connect nobody"}
        << QStringList{"returned", "connected 2", "disconnected", "returned", "connected 2"}
        << again << 1 << done;
    QTest::newRow("another device: a new controller; the old link's end is not news")
        << false << true << QStringList{"search", sensor, "connect " + otherAddress}
        << QStringList{"returned", "connected 2", "returned", "connected 2"}
        << connected + QStringList{"disconnect Sensor", "public address", "connect Other",
                                   "discover services"}
        << 2 << done;
    QTest::newRow("an unknown identifier with none chosen before does nothing")
        << false << true << QStringList{"search", "connect nobody"} << QStringList{"returned"}
        << QStringList{"search"} << 0 << "Done! Scan Again!";
    QTest::newRow("the peripheral goes away")
        << false << true << QStringList{"search", sensor, "drop"}
        << QStringList{"returned", "connected 2", "disconnected"} << connected << 1 << done;
    QTest::newRow("details of two services asked at once: the later list holds both")
        << false << true << QStringList{"search", sensor, "details battery sensor"}
        << QStringList{"returned", "connected 2", "details battery 1 of 1", "details sensor 5 of 6"}
        << connected + QStringList{"details battery", "details sensor"} << 1 << details;
    QTest::newRow("failed details give no characteristics")
        << false << true << QStringList{"search", "fail-details", sensor, "details battery"}
        << QStringList{"returned", "connected 2"} << connected + QStringList{"details battery"} << 1
        << details;
}

void TestBleDevice::connection()
{
    QFETCH(bool, fails);
    QFETCH(bool, failInsideCall);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, events);
    QFETCH(QStringList, calls);
    QFETCH(int, controllers);
    QFETCH(QString, status);
    Rig rig;
    if (fails)
        rig.script->connectFailure = QLowEnergyController::ConnectionError;
    rig.script->failInsideCall = failInsideCall;
    check(rig, steps, events, calls);
    QCOMPARE(rig.script->controllersMade, controllers);
    QCOMPARE(rig.device.getUpdate(), status);
    QCOMPARE(rig.device.hasControllerError(), fails);
}

void TestBleDevice::operations_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("calls");

    const QString subscribeLevel = QStringLiteral("descriptor level 0x2902 0100");
    const QString subscribeStream = QStringLiteral("descriptor stream 0x2902 0100");
    QTest::newRow("a read answers later")
        << QStringList{"read battery level"} << QStringList{"read level 64"}
        << QStringList{"read level"};
    QTest::newRow("reads of what the service or the device lacks")
        << QStringList{"read battery temperature", "read nothing level"} << QStringList{}
        << QStringList{};
    QTest::newRow("a read that fails is never answered")
        << QStringList{"fail-reads", "read battery level"} << QStringList{}
        << QStringList{"read level"};
    QTest::newRow("writes go with response, also without the write property")
        << QStringList{"write sensor command 4142", "write sensor raw 01",
                       "read sensor temperature"}
        << QStringList{"read temperature 32312e35"}
        << QStringList{"write command 4142 with response", "write raw 01 with response",
                       "read temperature"};
    QTest::newRow("subscribing writes 01 00; the service delivers all its changes")
        << QStringList{"sub sensor stream", "notify stream 0102", "notify status 07",
                       "notify level 10"}
        << QStringList{"changed stream 0102", "changed status 07"} << QStringList{subscribeStream};
    QTest::newRow("unsubscribing writes nothing and ends the delivery; a second finds nothing")
        << QStringList{"sub sensor stream", "unsub sensor", "unsub sensor", "notify stream 0102"}
        << QStringList{} << QStringList{subscribeStream};
    QTest::newRow("a second subscription delivers each notification once")
        << QStringList{"sub battery level", "sub battery level", "notify level 32"}
        << QStringList{"changed level 32"} << QStringList{subscribeLevel, subscribeLevel};
    QTest::newRow("without a configuration descriptor nothing is subscribed")
        << QStringList{"sub sensor status", "notify status 01"} << QStringList{} << QStringList{};
    QTest::newRow("subscriptions end with their services; a new one delivers once")
        << QStringList{"sub battery level", "disconnect",      "connect " + sensorAddress,
                       "details battery",   "notify level 10", "sub battery level",
                       "notify level 11"}
        << QStringList{"disconnected", "returned", "connected 2", "details battery 1 of 1",
                       "changed level 11"}
        << QStringList{subscribeLevel,      "disconnect Sensor", "public address", "connect Sensor",
                       "discover services", "details battery",   subscribeLevel};
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
    check(rig, steps, events, calls);
}

void TestBleDevice::characteristicTexts_data()
{
    QTest::addColumn<int>("properties");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("description"); // user description; "-" for none
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("expected"); // permission | name | value

    QTest::newRow("all eight flags in their order")
        << 0xff << "Level" << QByteArray("-") << QByteArray()
        << "(  Read Write Notify Indicate ExtendedProperty Broadcast WriteNoResp WriteSigned ) | "
           "Level | <none>";
    QTest::newRow("no flags, no name")
        << 0 << "" << QByteArray("-") << QByteArray("AB") << "(  ) | Unknown | AB\n4142";
    QTest::newRow("named by its description")
        << 0x12 << "" << QByteArray("Command") << QByteArray::fromHex("c3a9")
        << QString::fromUtf8("(  Read Notify ) | Command | \xc3\xa9\nc3a9");
    QTest::newRow("an empty description") << 0x44 << "" << QByteArray("") << QByteArray()
                                          << "(  WriteNoResp WriteSigned ) | Unknown | <none>";
    QTest::newRow("its own name first") << 0x20 << "Own" << QByteArray("Described") << QByteArray()
                                        << "(  Indicate ) | Own | <none>";
}

void TestBleDevice::characteristicTexts()
{
    QFETCH(int, properties);
    QFETCH(QString, name);
    QFETCH(QByteArray, description);
    QFETCH(QByteArray, value);
    QFETCH(QString, expected);
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
    QCOMPARE(info.getPermission() + " | " + info.getName() + " | " + info.getValue(), expected);
    QCOMPARE(info.getUuid(), QStringLiteral("{00002a19-0000-1000-8000-00805f9b34fb}"));
}

QTEST_GUILESS_MAIN(TestBleDevice)
#include "tst_bledevice.moc"
