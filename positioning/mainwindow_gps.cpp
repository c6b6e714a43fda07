#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "mappace.h"
#include "nmeadecoder.h"
#include "nmeaupdate.h"
#include "receivereport.h"
#include "receiveview.h"
#include "serialtool.h"

#include <QDateTime>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {
// The gate stores and draws a fix from the serial source at most this often.
constexpr qint64 storeEverySeconds = 11;
} // namespace

void MainWindow::GPS_Init_Start()
{
    // The map view, and with it the web engine, is made when the page is
    // first shown.
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MainWindow::createGpsMapView);
    createGpsMapView();
    // A frame of the screen: the map shows no more positions than that.
    gpsMapPace = new MapPace(FramePace::frameMsOf(screen()->refreshRate()), this);
    connect(gpsMapPace, &MapPace::due, this, &MainWindow::runMapCalls);

    connect(ui->GPSTCPopencompushButton, &QPushButton::pressed, this,
            &MainWindow::GPSTCPopencompushButton_triggered);
    connect(ui->GPSportMode_01, &QRadioButton::pressed, this, &MainWindow::GPSPortModeChanged);
    connect(ui->GPSportMode_02, &QRadioButton::pressed, this, &MainWindow::GPSPortModeChanged);
    connect(ui->GPScleandatapushButton, &QPushButton::pressed, this,
            &MainWindow::GPSCleanData_triggered);
    connect(ui->GPSopencompushButton, &QPushButton::pressed, this,
            &MainWindow::GPSactionOpen_triggered);
    connect(ui->GPSpushButtonsearchdriving, &QPushButton::pressed, this,
            &MainWindow::GPSsearchdriving_triggered);
    connect(ui->GPStrochoidpushButton, &QPushButton::pressed, this,
            &MainWindow::GPStrochoidpushButton_triggered);
    connect(ui->GPScalculate, &QPushButton::pressed, this, &MainWindow::slotGPScalculate);
    connect(ui->GPSsignal, &QPushButton::pressed, this, &MainWindow::slotGPSsignal);

    ui->GPSportMode_01->setChecked(true);
    ui->GPSportMode_02->setChecked(false);
    for (QWidget *widget :
         std::initializer_list<QWidget *>{ui->GPSTCPServerIPcomboBox, ui->GPSTCPServerPortlineEdit,
                                          ui->GPSTCPopencompushButton, ui->label_41, ui->label_51})
        widget->hide();
    gpsReceiveView = new ReceiveView(ui->GPStextBrowser, nullptr, this, HexFormat::Style::Compact,
                                     ReceiveDecoder::Encoding::Utf8OrGbk);
    gpsReceiveView->setUp();
    // The value labels show what receivers and clients send as text only.
    for (QLabel *label :
         {ui->GPS_UTC, ui->Weidu, ui->Weidufangxiang, ui->Jingdu, ui->Jingdufangxiang,
          ui->Dingweizhuangtai, ui->Shiyongweixing, ui->Haibagaodu, ui->GPSKejianweixing,
          ui->BDKejianweixing, ui->Weizhiyinzi, ui->Shuipingyinzi, ui->Cuizhiyinzi, ui->Dimiansudu})
        label->setTextFormat(Qt::PlainText);
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui->label_38, ui->label_37, ui->label_58, ui->BDKejianweixing, ui->GPSKejianweixing,
             ui->Shiyongweixing})
        widget->hide();
    setOpenButtonStyle(ui->GPSopencompushButton, false);
}

// Shows the widgets of the source chosen; an open port or a running server
// stays as it is, and both sources may feed the page at once.
void MainWindow::GPSPortModeChanged()
{
    const auto *source = qobject_cast<const QRadioButton *>(sender());
    if (!source)
        return;
    const QList<QWidget *> serialWidgets = {ui->label_23, ui->label_24, ui->GPSopencompushButton,
                                            ui->GPSbaudRateComboBox, ui->GPSportNameComboBox};
    const QList<QWidget *> tcpWidgets = {ui->GPSTCPServerIPcomboBox, ui->GPSTCPServerPortlineEdit,
                                         ui->GPSTCPopencompushButton, ui->label_41, ui->label_51};
    bool serial = false;
    if (source->text() == tr("COM"))
        serial = true;
    else if (source->text() != tr("TCP"))
        return;
    for (QWidget *widget : serialWidgets)
        widget->setVisible(serial);
    for (QWidget *widget : tcpWidgets)
        widget->setVisible(!serial);
    ui->GPSportMode_01->setChecked(serial);
    ui->GPSportMode_02->setChecked(!serial);
}

// The GPS tool's row of the shared open/close road: the map moves from the
// gate through a queued connection while the port is open.
SerialTool MainWindow::gpsSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::Gps;
    tool.receive = &MainWindow::readGPSCom;
    tool.connectAtOpen = [this] {
        connect(this, &MainWindow::GPS_Signal_Map, this, &MainWindow::GPS_MAP,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    };
    tool.disconnectAtClose = [this] {
        disconnect(this, &MainWindow::GPS_Signal_Map, this, &MainWindow::GPS_MAP);
    };
    tool.opened = [this] {
        gpsFramer.reset();
        gpsReceiveView->resetDecoder();
    };
    return tool;
}

void MainWindow::GPSactionOpen_triggered()
{
    openOrCloseSerialTool(gpsSerialTool());
}

void MainWindow::readGPSCom(const QByteArray &temp)
{
    GPS_Analysis_Data_Process(temp);
    if (gpsNewFix == 1) {
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        if (now - gpsLastStoreTime >= storeEverySeconds) {
            gpsLastStoreTime = now;
            if (ui->GPSSavecheckBox->isChecked())
                GPSSavefile(
                    NmeaDecoder::signedCoordinate(ui->Weidu->text(), ui->Weidufangxiang->text()),
                    NmeaDecoder::signedCoordinate(ui->Jingdu->text(), ui->Jingdufangxiang->text()));
            gpsNewFix = 0;
            Q_EMIT GPS_Signal_Map(ui->GPS_on_off_checkBox->isChecked());
        }
    }
    if (temp.isEmpty())
        return;
    gpsReceiveView->appendBytes(temp, false, QStringLiteral("serial"));
    showGpsStatus(tr("Successfully read %1 byte data").arg(temp.size()));
}

// Cuts the stream into sentences; each one whose checksum holds is decoded.
// The framer keeps a bounded tail and works in time linear to the bytes fed.
QByteArray MainWindow::GPS_Analysis_Data_Process(const QByteArray &buf)
{
    ParsedChunk<QByteArray> sentences = gpsFramer.feed(buf);
    for (QByteArray &sentence : sentences.results)
        GPS_Analysis(&nmeaMsg, sentence.data());
    return {};
}

// Decodes one checked sentence into the page's labels. A satellites-in-view
// sentence also goes to the satellite-signal dialog while it is open and
// not drawing.
void MainWindow::GPS_Analysis(nmea_msg *gpsx, char *buf)
{
    const NmeaUpdate update =
        NmeaDecoder::decode(buf, ui->Dingweizhuangtai->text() == QLatin1String("Yes"));
    if (update.isGsv && gpsSignalDialogOpen && !gpsSignalBusy)
        Q_EMIT GPS_Signal_Data_Over(buf);
    if (update.time)
        *gpsx = *update.time;
    showGpsUpdate(update);
}

void MainWindow::showGpsUpdate(const NmeaUpdate &update)
{
    const std::pair<const std::optional<QString> &, QLabel *> labels[] = {
        {update.utc, ui->GPS_UTC},
        {update.latitude, ui->Weidu},
        {update.latitudeHemisphere, ui->Weidufangxiang},
        {update.longitude, ui->Jingdu},
        {update.longitudeHemisphere, ui->Jingdufangxiang},
        {update.fixState, ui->Dingweizhuangtai},
        {update.satellitesUsed, ui->Shiyongweixing},
        {update.altitude, ui->Haibagaodu},
        {update.gpsInView, ui->GPSKejianweixing},
        {update.beidouInView, ui->BDKejianweixing},
        {update.pdop, ui->Weizhiyinzi},
        {update.hdop, ui->Shuipingyinzi},
        {update.vdop, ui->Cuizhiyinzi},
        {update.speed, ui->Dimiansudu},
    };
    for (const auto &[text, label] : labels) {
        if (text)
            label->setText(*text);
    }
    if (update.newFix)
        gpsNewFix = 1;
}

void MainWindow::GPSCleanData_triggered()
{
    gpsReceiveView->clear();
    statusBar()->showMessage(tr("Receive has been cleared"));
}
