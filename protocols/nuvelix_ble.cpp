#include "nuvelix_ble.h"

#include "blevaluetext.h"
#include "characteristicwidget.h"
#include "qtblebackend.h"
#include "serviceinfo.h"
#include "ui_nuvelix_ble.h"

#include <QGroupBox>
#include <QIcon>
#include <QMainWindow>
#include <QPalette>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString idleStyle = QStringLiteral(
    "QPushButton {   background-color: #4CAF50;   color: white;   font-weight: bold;}"
    "QPushButton:pressed {   background-color: #45A049;}");
const QString scanningStyle = QStringLiteral(
    "QPushButton {   background-color: #FF4A19;   color: white;   font-weight: bold;}"
    "QPushButton:pressed {   background-color: #FF5722;}");
const QString connectedStyle = QStringLiteral(
    "QPushButton {   background-color: #FF5722;   color: white;   font-weight: bold;}"
    "QPushButton:pressed {   background-color: #E64A19;}");
const QString deviceStyle = QStringLiteral(
    "QPushButton {   border: 2px solid #1E88E5;   border-radius: 5px;   padding: 8px;   "
    "background-color: #42A5F5;   color: white;   font-weight: bold;}"
    "QPushButton:pressed {   background-color: #1E88E5;}");
const QString titleStyle = QStringLiteral(
    "QToolButton {   background-color: transparent;   border: none;   color: blue;   "
    "font-size: 13px;   font-weight: bold;   text-align: left;}"
    "QToolButton:hover {   color: #007acc;}QToolButton:pressed {   color: #005f99;}");
const QString panelStyle =
    QStringLiteral("QGroupBox { background-color: white; } QGroupBox::title { font-size: 13px; "
                   "font-weight: bold; color: black; }");

const QString scanText = QStringLiteral("Scan");
const QString stopText = QStringLiteral("Stop");
const QString disconnectText = QStringLiteral("Disconnect");
} // namespace

nuvelix_ble::nuvelix_ble(QWidget *parent)
    : nuvelix_ble(std::make_unique<QtBleBackend>(), parent)
{}

nuvelix_ble::nuvelix_ble(std::unique_ptr<BleBackend> backend, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::nuvelix_ble>())
    , m_device(std::move(backend))
{
    ui->setupUi(this);
    m_deviceLayout = new QVBoxLayout(ui->groupBox);

    connect(ui->scanButton, &QPushButton::clicked, this, &nuvelix_ble::onScanButtonClicked);
    connect(&m_device, &Device::devicesUpdated, this, &nuvelix_ble::devicesUpdated);
    connect(&m_device, &Device::connected, this, &nuvelix_ble::onServiceScanDone);
    connect(&m_device, &Device::disconnected, this, &nuvelix_ble::onServiceDisconnected);
    connect(&m_device, &Device::characteristics_GetDone, this,
            &nuvelix_ble::onCharacteristicsGetDone);
    connect(&m_device, &Device::characteristicValueRead, this,
            &nuvelix_ble::onCharacteristicValueRead);
    connect(&m_device, &Device::characteristicValueChanged, this,
            &nuvelix_ble::onCharacteristicValueRead);
    connect(&m_device, &Device::stateChanged, this, &nuvelix_ble::onScanStateChanged);
    // The scan's status (a missing adapter, say) shows over the scan button.
    connect(&m_device, &Device::updateChanged, this,
            [this] { ui->scanButton->setToolTip(m_device.getUpdate()); });

    ui->scanButton->setStyleSheet(idleStyle);
    setStyleSheet(QStringLiteral("background-color: white grey"));
}

nuvelix_ble::~nuvelix_ble() = default;

const Device &nuvelix_ble::device() const
{
    return m_device;
}

QList<DeviceInfo *> nuvelix_ble::devices() const
{
    return m_device.getDevices().value<QList<DeviceInfo *>>();
}

void nuvelix_ble::showIdle()
{
    ui->scanButton->setText(scanText);
    m_device.stopDeviceDiscovery();
    ui->groupBox_device->setEnabled(true);
    ui->scanButton->setStyleSheet(idleStyle);
}

void nuvelix_ble::showScanning()
{
    ui->scanButton->setText(stopText);
    ui->scanButton->setStyleSheet(scanningStyle);
}

void nuvelix_ble::onScanButtonClicked()
{
    const QString text = ui->scanButton->text();
    if (text == scanText) {
        clearDeviceButtons();
        m_device.startDeviceDiscovery();
        // A search that could not start (no adapter) leaves the button idle
        // and says why.
        if (m_device.state())
            showScanning();
        else
            showStatus();
    } else if (text == stopText) {
        showIdle();
    } else if (text == disconnectText) {
        showIdle();
        m_device.disconnectFromDevice();
    }
}

void nuvelix_ble::onScanStateChanged()
{
    // A search that ends by itself or by an error ends the "Stop" state too,
    // and says how it ended once the model has said it.
    if (!m_device.state() && ui->scanButton->text() == stopText) {
        showIdle();
        QMetaObject::invokeMethod(this, &nuvelix_ble::showStatus, Qt::QueuedConnection);
    }
}

// The model's status goes to the status bar of the window, where every tool
// says what happened.
void nuvelix_ble::showStatus()
{
    if (auto *mainWindow = qobject_cast<QMainWindow *>(window()))
        mainWindow->statusBar()->showMessage(m_device.getUpdate());
}

void nuvelix_ble::clearDeviceButtons()
{
    for (QPushButton *button : std::as_const(m_deviceButtons)) {
        m_deviceLayout->removeWidget(button);
        delete button;
    }
    m_deviceButtons.clear();
}

void nuvelix_ble::devicesUpdated()
{
    for (const DeviceInfo *device : devices()) {
        const QString address = device->getAddress();
        if (m_deviceButtons.contains(address))
            continue;
        auto *button =
            new QPushButton(device->getName() + QStringLiteral("\n(") + address + QLatin1Char(')'));
        button->setIcon(QIcon(QStringLiteral(":/images/ble.png")));
        button->setIconSize(QSize(32, 32));
        button->setStyleSheet(deviceStyle);
        connect(button, &QPushButton::clicked, this, &nuvelix_ble::onDeviceButtonClicked);
        m_deviceButtons.insert(address, button);
        m_deviceLayout->addWidget(button);
    }
}

void nuvelix_ble::onDeviceButtonClicked()
{
    auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    // The button's own record, not its text: a name may hold parentheses.
    const QString address = m_deviceButtons.key(button);
    const QList<DeviceInfo *> all = devices();
    if (address.isEmpty() || std::none_of(all.cbegin(), all.cend(), [&](const DeviceInfo *d) {
            return d->getAddress() == address;
        }))
        return;

    m_device.stopDeviceDiscovery();
    m_device.scanServices(address);

    ui->label_device->setTextFormat(Qt::PlainText);
    ui->label_device->setText(button->text().remove(QLatin1Char('\n')));
    QPalette palette = ui->label_device->palette();
    palette.setColor(QPalette::WindowText, Qt::darkBlue);
    ui->label_device->setPalette(palette);
    QFont font = ui->label_device->font();
    font.setWeight(QFont::Bold);
    ui->label_device->setFont(font);

    ui->scanButton->setText(disconnectText);
    ui->scanButton->setStyleSheet(connectedStyle);
    ui->groupBox_device->setEnabled(false);
}

void nuvelix_ble::onServiceScanDone()
{
    QGroupBox *area = ui->groupBox_ServiceUUID;
    delete area->layout();
    qDeleteAll(area->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
    m_titleGroups.clear();
    m_serviceCards.clear();
    m_characteristicServices.clear();

    auto *serviceLayout = new QVBoxLayout(area);
    for (const ServiceInfo *service : m_device.getServices().value<QList<ServiceInfo *>>()) {
        const QString uuid = service->getUuid();
        auto *panel = new QGroupBox;
        auto *title = new QPushButton(QStringLiteral("Service name: ") + service->getName() +
                                          QStringLiteral("\nService UUID: ") + uuid,
                                      area);
        title->setFlat(true);
        title->setStyleSheet(titleStyle);
        serviceLayout->addWidget(title);
        m_titleGroups.insert(title, panel);
        connect(title, &QPushButton::clicked, this, &nuvelix_ble::onTitleButtonClicked);

        auto *panelLayout = new QVBoxLayout(panel);
        panelLayout->setContentsMargins(0, 0, 0, 0);
        panel->setStyleSheet(panelStyle);
        serviceLayout->addWidget(panel);

        // The card is ready before the details are asked for, so it gets
        // them however soon they come.
        auto *card = new CharacteristicWidget(uuid, panel);
        panelLayout->addWidget(card);
        m_serviceCards.insert(uuid, card);
        connect(card, &CharacteristicWidget::readCharacteristicRequested, this,
                &nuvelix_ble::onReadCharacteristicRequested);
        connect(card, &CharacteristicWidget::notifyCharacteristicRequested, this,
                &nuvelix_ble::onNotifyCharacteristicRequested);
        connect(card, &CharacteristicWidget::writeCharacteristicRequested, this,
                &nuvelix_ble::onWriteCharacteristicRequested);

        m_device.connectToService(uuid);
    }
}

void nuvelix_ble::onCharacteristicsGetDone(const QString &serviceUuid,
                                           const QList<CharacteristicInfo *> &characteristics)
{
    CharacteristicWidget *card = m_serviceCards.value(serviceUuid);
    if (!card)
        return;
    for (const CharacteristicInfo *c : characteristics) {
        if (c->serviceUuid() != serviceUuid)
            continue;
        m_characteristicServices.insert(c->getUuid(), c->serviceUuid());
        card->setCharacteristicInfo(c->getName(), c->getUuid(), QString(), c->getPermission());
    }
}

void nuvelix_ble::onReadCharacteristicRequested(const QString &uuid)
{
    const QString service = m_characteristicServices.value(uuid);
    if (!service.isEmpty())
        m_device.readCharacteristic(service, uuid);
}

void nuvelix_ble::onNotifyCharacteristicRequested(const QString &uuid, bool sub_flag)
{
    const QString service = m_characteristicServices.value(uuid);
    if (service.isEmpty())
        return;
    if (sub_flag) {
        m_device.subscribeToNotify(service, uuid);
        return;
    }
    for (const ServiceInfo *info : m_device.getServices().value<QList<ServiceInfo *>>()) {
        if (info->getUuid() == service) {
            if (info->service())
                m_device.unsubscribeNotify(info->service());
            return;
        }
    }
}

void nuvelix_ble::onWriteCharacteristicRequested(const QString &uuid, const QString &text, bool hex)
{
    const QByteArray bytes = BleValueText::writeBytes(text, hex);
    const QString service = m_characteristicServices.value(uuid);
    if (!service.isEmpty())
        m_device.writeCharacteristic(service, uuid, bytes);
}

void nuvelix_ble::onCharacteristicValueRead(const QString &characteristicUuid,
                                            const QByteArray &value)
{
    if (CharacteristicWidget *card =
            m_serviceCards.value(m_characteristicServices.value(characteristicUuid)))
        card->updateCharacteristicValue(characteristicUuid, value);
}

void nuvelix_ble::onServiceDisconnected()
{
    if (ui->scanButton->text() == disconnectText) {
        showIdle();
        m_device.disconnectFromDevice();
    }
    ui->scanButton->setEnabled(true);
}

void nuvelix_ble::onTitleButtonClicked()
{
    auto *title = qobject_cast<QPushButton *>(sender());
    if (QGroupBox *panel = m_titleGroups.value(title))
        panel->setVisible(!panel->isVisible());
}
