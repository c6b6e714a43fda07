#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "localclock.h"
#include "longtextedit.h"
#include "mqttmessageview.h"
#include "mqttsettings.h"
#include "mqttsubscription.h"
#include "mqttwebsocketurl.h"
#include "settingsfile.h"
#include "websocketiodevice.h"

#include <QCursor>
#include <QIntValidator>
#include <QMenu>
#include <QSettings>
#include <QSslConfiguration>
#include <QTimer>

#include <utility>

namespace {
const QLatin1String mqttScheme("mqtt://");
const QLatin1String mqttsScheme("mqtts://");
const QLatin1String wssScheme("wss://");
// The broker's certificate is not checked, so self-signed brokers work.
QSslConfiguration unverifiedTls()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}
// The WebSocket of an ended session gets this long to close before it goes.
constexpr int webSocketCloseGraceMs = 3000;

// Why nothing is published on a topic, or nothing when it is one.
QString topicRefusal(const MqttTopicName &topic)
{
    switch (topic.problem()) {
    case MqttTopicName::Problem::None:
        return {};
    case MqttTopicName::Problem::Empty:
        return MainWindow::tr("Publish topic is empty: nothing was sent.");
    case MqttTopicName::Problem::Wildcard:
        return MainWindow::tr("Publish topic %1 holds a wildcard (+ or #): nothing was sent.")
            .arg(topic.name());
    case MqttTopicName::Problem::NotCarried:
        break;
    }
    return MainWindow::tr("Publish topic %1 is not a topic MQTT can carry: nothing was sent.")
        .arg(topic.name());
}

// Why nothing is subscribed with a filter, or nothing when it is one.
QString filterRefusal(const MqttTopicFilter &filter)
{
    switch (filter.problem()) {
    case MqttTopicFilter::Problem::None:
        return {};
    case MqttTopicFilter::Problem::Empty:
        return MainWindow::tr("Subscribe topic is empty: nothing was subscribed.");
    case MqttTopicFilter::Problem::WildcardWithinLevel:
        return MainWindow::tr(
                   "Topic:%1 is not a valid filter, + and # must stand alone between slashes: "
                   "nothing was subscribed.")
            .arg(filter.filter());
    case MqttTopicFilter::Problem::MultiLevelNotLast:
        return MainWindow::tr(
                   "Topic:%1 is not a valid filter, # may only be the last level: nothing was "
                   "subscribed.")
            .arg(filter.filter());
    case MqttTopicFilter::Problem::NotCarried:
        break;
    }
    return MainWindow::tr("Topic:%1 is not a filter MQTT can carry: nothing was subscribed.")
        .arg(filter.filter());
}
} // namespace

void MainWindow::Mqtt_Init_Start()
{
    ui->mqtt_port_lineEdit->setValidator(new QIntValidator(1, 65535, ui->mqtt_port_lineEdit));
    ui->mqtt_textEdit->setReadOnly(true);
    // Publish sends the box's text, so waits for a paste still coming.
    connect(ui->mqtt_pub_textEdit, &LongTextEdit::busyChanged, ui->mqtt_publish_pushButton,
            &QWidget::setDisabled);
    const MqttSettings fields = MqttSettings::read(*settings);
    ui->mqtt_protocol_combox->setCurrentIndex(fields.protocol);
    ui->mqtt_username_lineEdit->setText(fields.username);
    ui->mqtt_password_lineEdit->setText(fields.password);
    ui->mqtt_host_lineEdit->setText(fields.host);
    ui->mqtt_port_lineEdit->setText(fields.port);
    ui->mqtt_clientid_lineEdit->setText(fields.clientId);
    ui->mqtt_subscribe_lineEdit->setText(fields.subscribeTopic);
    ui->mqtt_publish_lineEdit->setText(fields.publishTopic);
    mqttMessageView = new MqttMessageView(ui->mqtt_textEdit, this);
    ui->mqtt_textEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->mqtt_textEdit, &QWidget::customContextMenuRequested, this,
            &MainWindow::MQTT_slot_textmenu);
    connect(ui->mqtt_opencompushButton, &QPushButton::pressed, this,
            &MainWindow::actionMQTT_Open_triggered);
    connect(ui->mqtt_save_pushButton, &QPushButton::pressed, this,
            &MainWindow::actionMQTT_Save_triggered);
    setOpenButtonStyle(ui->mqtt_opencompushButton, false);
}

void MainWindow::actionMQTT_Open_triggered()
{
    MQTT_Connect();
}

// Connects with the fields' settings, or ends the session under way. The
// button offers Disconnect from the start, so a slow attempt can be called
// off; "MQTT Connected" waits for the broker's acceptance.
void MainWindow::MQTT_Connect()
{
    if (mqttConnected) {
        endMqttSession(tr("MQTT was disconnected."));
        return;
    }
    mqttConnected = true;
    ui->mqtt_opencompushButton->setText(tr("Disconnect"));
    setOpenButtonStyle(ui->mqtt_opencompushButton, true);
    statusBar()->showMessage(tr("MQTT connecting..."));
    const QString scheme = ui->mqtt_protocol_combox->currentText();
    // Every call below may end the session before it returns.
    if (scheme == mqttScheme || scheme == mqttsScheme) {
        newMqttClient();
        mqttClient->setHostname(ui->mqtt_host_lineEdit->text());
        mqttClient->setPort(quint16(ui->mqtt_port_lineEdit->text().toUInt()));
        if (scheme == mqttScheme)
            mqttClient->connectToHost();
        else
            mqttClient->connectToHostEncrypted(unverifiedTls());
        return;
    }
    mqttWebSocketDevice = new WebSocketIODevice(this);
    if (scheme == wssScheme) {
        mqttWebSocketDevice->setSslConfiguration(unverifiedTls());
        mqttWebSocketDevice->sslEnabled = true;
    }
    mqttWebSocketDevice->setUrl(
        mqttWebSocketUrl(scheme, ui->mqtt_host_lineEdit->text(), ui->mqtt_port_lineEdit->text()));
    mqttWebSocketDevice->setProtocol(QByteArrayLiteral("mqttv3.1"));
    // A message carries packets; one longer than any the client takes is
    // refused before its bytes are held.
    mqttWebSocketDevice->setMaximumMessageSize(MqttClient::maximumPacketBytes);
    QWebSocket *socket = mqttWebSocketDevice->socket();
    connect(socket, &QWebSocket::disconnected, this, &MainWindow::onWebSocketDisconnected);
    connect(socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            &MainWindow::onWebSocketError);
    connect(mqttWebSocketDevice, &WebSocketIODevice::socketConnected, this,
            &MainWindow::startMqttOverWebSocket);
    mqttWebSocketDevice->open(QIODevice::ReadWrite);
}

void MainWindow::startMqttOverWebSocket()
{
    newMqttClient();
    mqttClient->setProtocolVersion(MqttClient::MQTT_3_1);
    mqttClient->setTransport(mqttWebSocketDevice, MqttClient::IODevice);
    mqttClient->connectToHost();
}

void MainWindow::newMqttClient()
{
    mqttClient = new MqttClient(this);
    mqttClient->setClientId(ui->mqtt_clientid_lineEdit->text());
    mqttClient->setUsername(ui->mqtt_username_lineEdit->text());
    mqttClient->setPassword(ui->mqtt_password_lineEdit->text());
    connect(mqttClient, &MqttClient::stateChanged, this, &MainWindow::MQTT_Get_Status);
    connect(mqttClient, &MqttClient::messageReceived, this, &MainWindow::Nuvelix_Mqtt_onMessage);
    connect(ui->mqtt_subscribed_pushButton, &QPushButton::pressed, this,
            &MainWindow::Nuvelix_Mqtt_on_sub_clicked, Qt::UniqueConnection);
    connect(ui->mqtt_publish_pushButton, &QPushButton::pressed, this,
            &MainWindow::Nuvelix_Mqtt_on_pub_clicked, Qt::UniqueConnection);
}

void MainWindow::MQTT_Get_Status(MqttClient::ClientState state)
{
    if (state == MqttClient::Connected) {
        mqttBrokerConnected = true;
        statusBar()->showMessage(tr("MQTT Connected"));
    } else if (state == MqttClient::Disconnected) {
        endMqttSession(mqttEndStatus(mqttClient->errorString(), mqttClient->endedItself()));
    }
}

void MainWindow::Nuvelix_Mqtt_onMessage(const QByteArray &message, const MqttTopicName &topic)
{
    mqttMessageView->append(LocalClock::now(), topic.name(), message);
}

// Spaces anywhere in the field are left out of the filter. A filter that is
// not one is refused with the reason; success is shown once the broker has
// granted the subscription.
void MainWindow::Nuvelix_Mqtt_on_sub_clicked()
{
    if (!mqttClient || mqttClient->state() != MqttClient::Connected) {
        statusBar()->showMessage(tr("MQTT was not connected."));
        return;
    }
    const QString filter = ui->mqtt_subscribe_lineEdit->text().remove(QLatin1Char(' '));
    const QString refusal = filterRefusal(MqttTopicFilter(filter));
    if (!refusal.isEmpty()) {
        statusBar()->showMessage(refusal);
        return;
    }
    MqttSubscription *subscription = mqttClient->subscribe(MqttTopicFilter(filter), 0);
    if (!subscription) {
        statusBar()->showMessage(tr("Topic:%1 could not be subscribed.").arg(filter));
        return;
    }
    connect(subscription, &MqttSubscription::stateChanged, this,
            [this, filter](MqttSubscription::SubscriptionState state) {
                if (state == MqttSubscription::Subscribed)
                    statusBar()->showMessage(tr("Topic:%1 was subcribed success.").arg(filter));
                else if (state == MqttSubscription::Error)
                    statusBar()->showMessage(tr("Topic:%1 was refused by the broker.").arg(filter));
            });
}

// A message that cannot go out says why; one that goes says nothing.
void MainWindow::Nuvelix_Mqtt_on_pub_clicked()
{
    if (!mqttClient || mqttClient->state() != MqttClient::Connected) {
        statusBar()->showMessage(tr("MQTT was not connected."));
        return;
    }
    const MqttTopicName topic(ui->mqtt_publish_lineEdit->text());
    const QString refusal = topicRefusal(topic);
    if (!refusal.isEmpty()) {
        statusBar()->showMessage(refusal);
        return;
    }
    if (mqttClient->publish(topic, ui->mqtt_pub_textEdit->text().toUtf8()) < 0)
        statusBar()->showMessage(tr("MQTT message could not be sent."));
}

// A client that ended the session closed the WebSocket itself, and may be
// told of it here first: its reason is the one to show.
void MainWindow::onWebSocketDisconnected()
{
    if (mqttClient && mqttClient->error() != MqttClient::NoError) {
        endMqttSession(mqttEndStatus(mqttClient->errorString(), mqttClient->endedItself()));
        return;
    }
    endMqttSession(
        mqttEndStatus(mqttWebSocketDevice->endReason(), mqttWebSocketDevice->closedOnRefusal()));
}

void MainWindow::onWebSocketError(QAbstractSocket::SocketError)
{
    onWebSocketDisconnected();
}

void MainWindow::MQTT_slot_textmenu(const QPoint &)
{
    auto *menu = new QMenu(ui->mqtt_textEdit);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(QStringLiteral("Clear")), &QAction::triggered, this,
            &MainWindow::MQTT_Sub_Edit_Clear);
    menu->popup(QCursor::pos());
}

void MainWindow::MQTT_Sub_Edit_Clear()
{
    mqttMessageView->clear();
}

// A failed save stays in the status bar until a later one succeeds.
void MainWindow::actionMQTT_Save_triggered()
{
    MqttSettings fields;
    fields.protocol = ui->mqtt_protocol_combox->currentIndex();
    fields.username = ui->mqtt_username_lineEdit->text();
    fields.password = ui->mqtt_password_lineEdit->text();
    fields.host = ui->mqtt_host_lineEdit->text();
    fields.port = ui->mqtt_port_lineEdit->text();
    fields.clientId = ui->mqtt_clientid_lineEdit->text();
    fields.subscribeTopic = ui->mqtt_subscribe_lineEdit->text();
    fields.publishTopic = ui->mqtt_publish_lineEdit->text();
    const QString unsaved = tr("The settings could not be saved.");
    if (!saveSettings([&fields](QSettings &file) { fields.write(file); }))
        statusBar()->showMessage(unsaved);
    else if (statusBar()->currentMessage() == unsaved)
        statusBar()->clearMessage();
}

// A session that never reached the broker failed; one that did was lost,
// and says why when the client broke it off itself (what the broker sent
// was refused, or the broker stopped answering).
QString MainWindow::mqttEndStatus(const QString &reason, bool refused) const
{
    if (!mqttBrokerConnected)
        return tr("MQTT connection failed: %1").arg(reason);
    return refused ? tr("MQTT was disconnected: %1").arg(reason) : tr("MQTT was disconnected.");
}

void MainWindow::endMqttSession(const QString &status)
{
    releaseMqttSession();
    mqttConnected = false;
    mqttBrokerConnected = false;
    ui->mqtt_opencompushButton->setText(tr("Connect"));
    setOpenButtonStyle(ui->mqtt_opencompushButton, false);
    statusBar()->showMessage(status);
}

// The client and the WebSocket of an ended session are cut off from the tab
// before they are closed, so nothing they do later can touch a new session,
// and deleted once closed.
void MainWindow::releaseMqttSession()
{
    disconnect(ui->mqtt_subscribed_pushButton, &QPushButton::pressed, this,
               &MainWindow::Nuvelix_Mqtt_on_sub_clicked);
    disconnect(ui->mqtt_publish_pushButton, &QPushButton::pressed, this,
               &MainWindow::Nuvelix_Mqtt_on_pub_clicked);
    if (MqttClient *client = std::exchange(mqttClient, nullptr)) {
        client->disconnect(this);
        client->disconnectFromHost();
        client->deleteLater();
    }
    WebSocketIODevice *device = std::exchange(mqttWebSocketDevice, nullptr);
    if (!device)
        return;
    device->disconnect(this);
    QWebSocket *socket = device->socket();
    socket->disconnect(this);
    if (socket->state() != QAbstractSocket::UnconnectedState) {
        connect(socket, &QWebSocket::disconnected, device, &QObject::deleteLater);
        QTimer::singleShot(webSocketCloseGraceMs, device, &QObject::deleteLater);
    } else {
        device->deleteLater();
    }
    device->close();
}
