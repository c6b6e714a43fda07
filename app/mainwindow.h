#pragma once

#include "aboutdialog.h"

#include <QHostAddress>
#include <QList>
#include <QMainWindow>
#include <QStringList>

class MWaveView;
class QSettings;
class QTimer;
class QWebEngineView;

QT_BEGIN_NAMESPACE
namespace Ui {
class MainWindow;
} // namespace Ui
QT_END_NAMESPACE

// The one main window: the form with a page per tool, the state the tools
// share, and each tool's slots (each tool's slots live in its own folder).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

Q_SIGNALS:
    // Satellite-signal worker hand-over and map refresh of the GPS tool.
    void GPS_Signal_Data_Over(char *data);
    void GPS_GUI_Wait_Data_Over(bool drawn);
    void GPS_Signal_Map(bool show);

public Q_SLOTS:
    void on_actionExit_triggered();
    void setStyleSheets(const QString &qssFile);
    void msleep(int ms);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // ---- Shell: start-up, tool switches, Preferences --------------------
    int Config();
    void startInit();
    void setUpTool(int tool);

private Q_SLOTS:
    // ---- Shell: About ---------------------------------------------------
    void on_actionAbout_triggered();

    // ---- Serial port layer ----------------------------------------------
    void SerialSacn();
    void SerialSacn_new();
    void stop_SerialSacn_new();

    // ---- Serial terminal ------------------------------------------------
    void Serial_Init_Start();
    void sendMsg();

    // ---- UDP and TCP terminals ------------------------------------------
    void getLocalIP();
    void UDP_Init_Start();
    void UDP_sendMsg();
    void TCP_Init_Start();

    // ---- GPS and GSM tools ----------------------------------------------
    void GPS_Init_Start();
    void GSM_Init_Start();

    // ---- Sensor tools ---------------------------------------------------
    void ENVironment_Init_Start();
    void Oscilloscope_Init_Start();
    void on_checkBox_0_stateChanged(int state);
    void on_checkBox_1_stateChanged(int state);
    void on_checkBox_2_stateChanged(int state);
    void on_checkBox_3_stateChanged(int state);
    void Spectra_Init_Start();
    void I2Cdump_Init_Start();
    void TOF_Init_Start();

    // ---- Protocol tools -------------------------------------------------
    void Mqtt_Init_Start();
    void Modbus_Init_Start();

    // ---- Converters -----------------------------------------------------
    void Unicode_Init_Start();
    void Crypty_Init_Start();

private:
    Ui::MainWindow *ui = nullptr;
    AboutDialog aboutDialog;

    // Shell
    QSettings *settings = nullptr;
    QStringList toolKeys;
    int toolKeyCount = 16;
    QWebEngineView *webView = nullptr;
    MWaveView *waveView = nullptr;

    // Serial port layer: the one port shared by every serial tool
    QTimer *serialScanTimer = nullptr;

    // Terminals
    QList<QHostAddress> localAddresses;
    QTimer *comSendTimer = nullptr;
    int comSendInterval = 200;
    QTimer *udpSendTimer = nullptr;
    int udpSendInterval = 200;
    QTimer *tcpSendTimer = nullptr;
    int tcpSendInterval = 200;
};
