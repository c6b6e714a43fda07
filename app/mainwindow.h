#pragma once

#include "aboutdialog.h"
#include "envlineparser.h"
#include "gpssignalbars.h"
#include "lineframer.h"
#include "mqttclient.h"
#include "nmeaframer.h"
#include "nmeamsg.h"
#include "nmeaslmsg.h"
#include "nuvelix_modbusclient.h"
#include "oscframeparser.h"
#include "satelliteboard.h"
#include "serialportclaim.h"
#include "serialtoolrow.h"
#include "tcpclientlist.h"
#include "tofzones.h"
#include "writeledger.h"

#include <QAbstractSocket>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMainWindow>
#include <QPointF>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <unordered_map>

class Callout;
class GPS_Signal;
class AtTransaction;
class MWaveView;
class MapPace;
class LongTextConversion;
class ModbusFrameLog;
class MqttMessageView;
class nuvelix_spectroscopy;
class nuvelix_tof;
class QLCDNumber;
class QPlainTextEdit;
class QPolarChart;
class QScatterSeries;
class QTcpServer;
class QTcpSocket;
class QUdpSocket;
class ToolDialog;
class QPushButton;
class QSettings;
class QTimer;
class QValueAxis;
class QWebEngineView;
// Serial port layer and serial terminal
class QComboBox;
class QFile;
class QLineEdit;
class ReceiveReport;
class ReceiveView;
class SendFileSource;
class ThreadSerial;
class WebSocketIODevice;
struct LatLong;
struct NmeaUpdate;
struct PortSettings;
struct PositionLine;
struct SerialTool;
struct TerminalWidgets;

QT_BEGIN_NAMESPACE
namespace Ui {
class MainWindow;
class COM_Expand;
class Config;
class GPScalculate;
class GPSsignal;
class Help;
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
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // ---- Shell: start-up, tool switches, Preferences --------------------
    void keepSettingsThatCannotBeRead();
    int Config();
    [[nodiscard]] QList<QPushButton *> configButtons() const;
    void toggleTool(int tool);
    void startInit();
    void loadWebPage();
    void setUpTool(int tool);
    void addToolWidget(QWidget *page, QWidget *widget);
    void addBleBrowser();
    void addConverter();
    ToolDialog *newToolDialog(std::function<void()> forget);

private Q_SLOTS:
    // ---- Shell: Preferences, Help, About, update check ------------------
    void slotActionConfig();
    void slotActConfigOK();
    void Config_COM_ON_OFF_triggered();
    void Config_UDP_ON_OFF_triggered();
    void Config_TCP_ON_OFF_triggered();
    void Config_GPS_ON_OFF_triggered();
    void Config_GSM_ON_OFF_triggered();
    void Config_UNICODE_ON_OFF_triggered();
    void Config_Envir_ON_OFF_triggered();
    void Config_Crypty_ON_OFF_triggered();
    void Config_Oscilloscope_ON_OFF_triggered();
    void Config_MQTT_ON_OFF_triggered();
    void Config_BLE_ON_OFF_triggered();
    void Config_Spectra_ON_OFF_triggered();
    void Config_Convert_ON_OFF_triggered();
    void Config_I2CDUMP_ON_OFF_triggered();
    void Config_TOF_ON_OFF_triggered();
    void Config_MODBUS_ON_OFF_triggered();
    void on_actionHelp_triggered();
    void slothelpdialogclose();
    void on_actionAbout_triggered();
    void slotActionCheck_Update();
    void slotActionCheck_Updateclose();

    // ---- Serial port layer ----------------------------------------------
    void SerialSacn();
    void SerialSacn_new();
    void stop_SerialSacn_new();

private:
    // The port-settings switches of the nine serial tools and the one
    // open/close road they all follow (serial/mainwindow_serialport.cpp).
    void setComboBoxEnabled(bool status);
    void GPSsetComboBoxEnabled(bool status);
    void GSMsetComboBoxEnabled(bool status);
    void ENVsetComboBoxEnabled(bool status);
    void OSCsetComboBoxEnabled(bool status);
    void SpectrasetsetComboBoxEnabled(bool status);
    void i2cdumpsetsetComboBoxEnabled(bool status);
    void TOFsetsetComboBoxEnabled(bool status);
    void ModbussetsetComboBoxEnabled(bool status);
    void setSerialSettingsEnabled(bool status, SerialToolId owner);
    [[nodiscard]] QList<SerialToolRow> serialToolTable() const;
    [[nodiscard]] SerialToolRow serialToolRow(SerialToolId id) const;
    [[nodiscard]] SerialTool serialTool(SerialToolId id);
    void openOrCloseSerialTool(const SerialTool &tool);
    void openSerialTool(const SerialTool &tool);
    // Returns the tool's note of what the close cut short, if any.
    QString closeSerialTool(const SerialTool &tool);
    [[nodiscard]] static QString withNote(const QString &message, const QString &note);
    void loseSerialPort(SerialToolId id, const QString &reason);
    void dropSerialWorker(const SerialTool &tool);
    // The port as tool `id` holds it now (no worker when it holds none), and
    // whether a claim taken earlier still holds.
    [[nodiscard]] SerialPortClaim claimSerialPort(SerialToolId id) const;
    [[nodiscard]] bool stillHolds(const SerialPortClaim &claim) const;
    [[nodiscard]] static PortSettings readPortSettings(const SerialToolRow &row);
    static void setOpenButtonStyle(QPushButton *button, bool portOpen);

    // ---- Serial terminal ------------------------------------------------
    struct CommandRow
    {
        QPushButton *sendButton;
        QLineEdit *command;
        QPushButton *setButton;
    };
    [[nodiscard]] SerialTool serialTerminalTool();
    [[nodiscard]] bool comPortIsOpen() const;
    bool writeToSerialPort(const QByteArray &bytes,
                           WriteLedger::Writer writer = WriteLedger::Writer::Send);
    void feedSerialPort();
    void countSerialWrites();
    void takeBackRepeat();
    void endRefusedSends(const QString &reason);
    [[nodiscard]] qint64 takeBackAtClose();
    [[nodiscard]] QString unsentNote(qint64 unsent);
    [[nodiscard]] static QString fileRestNote(const SendFileSource &file, qint64 unsent);
    [[nodiscard]] QString noteWhenCounted(SendFileSource *file, qint64 unsent);
    void closeSerialTerminalAtQuit();
    [[nodiscard]] QString askFileToRead();
    bool openToRead(QFile &file);
    void tellOpenFailed();
    bool openRegularFile(QFile &file, const QString &notRegular);
    void stopSendingFile();
    [[nodiscard]] CommandRow commandRow(int row) const;
    void sendStoredCommand(int row);
    void renameStoredCommand(int row);

private Q_SLOTS:
    void Serial_Init_Start();
    void actionOpen_triggered();
    void readCom(const QByteArray &bytes);
    void sendmsgBtn_clicked();
    void sendMsg();
    void obocheckBox_clicked();
    void delayspinBox_valueChanged(int interval);
    void COMHideHex_pushButton_clicked();
    void actionClearBytes_triggered();
    void actionCleanData_triggered();
    void cleanSendData_clicked();
    void actionSave_triggered();
    void actionLoadfile_triggered();
    void actionSendfile_triggered();
    void sendNextFileLine();
    void slotCom_expand();
    void slotCom_expandclose();
    void slotCOM_expandsave();
    void command_sendMsg(const QByteArray &bytes);
    void slotcom_pushButton();
    void slotcom_pushButton_2();
    void slotcom_pushButton_3();
    void slotcom_pushButton_4();
    void slotcom_pushButton_5();
    void slotcom_pushButton_6();
    void slotcom_pushButton_7();
    void slotcom_pushButton_8();
    void slotcom_pushButton_9();
    void slotcom_pushButton_10();
    void slotcom_pushButton_11();
    void slotcom_pushButton_12();
    void slotcom_set_pushButton();
    void slotcom_set_pushButton_2();
    void slotcom_set_pushButton_3();
    void slotcom_set_pushButton_4();
    void slotcom_set_pushButton_5();
    void slotcom_set_pushButton_6();
    void slotcom_set_pushButton_7();
    void slotcom_set_pushButton_8();
    void slotcom_set_pushButton_9();
    void slotcom_set_pushButton_10();
    void slotcom_set_pushButton_11();
    void slotcom_set_pushButton_12();

    // ---- UDP and TCP terminals ------------------------------------------
    void getLocalIP();
    void UDP_Init_Start();
    void UDPopencompushButton_triggered();
    bool UDP_WorkOpen();
    void UDP_WorkClose();
    void readUDP();
    void UDPsendmsgBtn_clicked();
    void UDP_sendMsg();
    void UDP_obocheckBox_clicked();
    void UDPdelayspinBox_valueChanged(int value);
    void UDPHideHex_pushButton_clicked();
    void actionClearBytes_UDP_triggered();
    void actionCleanData_UDP_triggered();
    void cleanSendData_UDP_clicked();
    void actionSave_UDP_triggered();
    void actionLoadfile_UDP_triggered();
    void TCP_Init_Start();
    void TCPopencompushButton_triggered();
    bool TCP_Client_WorkOpen();
    void TCP_ClientDisconnect();
    bool TCP_Server_WorkOpen();
    void TCP_Server_WorkClose();
    void TCP_Client_Connected();
    void displayError(QAbstractSocket::SocketError error);
    void TCP_Client_ReadMessage();
    void TCP_updateserver();
    void TCP_Server_ReadMessage();
    void TCP_updateSendStatus();
    void TCPsendmsgBtn_clicked();
    void TCP_Client_WorkSendMessage();
    void TCP_Server_WorkSendMessage();
    void TCP_obocheckBox_clicked();
    void TCPdelayspinBox_valueChanged(int value);
    void TCPHideHex_pushButton_clicked();
    void actionClearBytes_TCP_triggered();
    void actionCleanData_TCP_triggered();
    void cleanSendData_TCP_clicked();
    void actionSave_TCP_triggered();
    void actionLoadfile_TCP_triggered();

private:
    void releaseUdpSocket();
    void releaseTcpClientSocket();
    void stopTcpServer();
    void setUdpWidgetsStarted(bool started);
    void setTcpWidgetsStarted(bool started);
    void showTcpReceived(QTcpSocket *socket);
    void writeTcpSend(QTcpSocket *socket, const QByteArray &payload);
    void countTcpWritten(qint64 bytes);

    // Handlers the three terminals share (serial/mainwindow_terminals.cpp),
    // each given the widgets of the terminal whose slot calls it.
    [[nodiscard]] TerminalWidgets serialTerminalWidgets();
    [[nodiscard]] TerminalWidgets udpTerminalWidgets();
    [[nodiscard]] TerminalWidgets tcpTerminalWidgets();
    void pressSendButton(const TerminalWidgets &terminal);
    void endRepeat(const TerminalWidgets &terminal);
    void keepSendChanged(const TerminalWidgets &terminal);
    void showOrHideHexView(const TerminalWidgets &terminal);
    void clearCounters(const TerminalWidgets &terminal);
    void clearReceiveViews(const TerminalWidgets &terminal);
    void clearSendBox(const TerminalWidgets &terminal);
    void exportTextView(const TerminalWidgets &terminal);
    void importIntoSendBox(const TerminalWidgets &terminal);

private Q_SLOTS:

    // ---- GPS tool -------------------------------------------------------
    void GPS_Init_Start();
    void GPSPortModeChanged();
    void GPSactionOpen_triggered();
    void readGPSCom(const QByteArray &temp);
    QByteArray GPS_Analysis_Data_Process(const QByteArray &buf);
    void GPSCleanData_triggered();
    void GPS_Analysis(nmea_msg *gpsx, char *buf);
    void GPS_MAP(bool first);
    void GPSSavefile(const QString &Latit, const QString &Longit);
    void GPSsearchdriving_triggered();
    void GPStrochoidpushButton_triggered();
    void GPSTCPopencompushButton_triggered();
    bool GPSTCP_Server_WorkOpen();
    void GPSTCP_Server_WorkClose();
    void GPSupdateserver();
    void GPSupdateSendStatus();
    void GPSTCP_Server_ReadMessage();
    void slotGPScalculate();
    void GPScalculate_triggered();
    void GPSLatLong_Conversions_UTM_triggered();
    void GPSUTM_Conversions_LatLong_triggered();
    void slotgpscalculatedialogclose();
    void slotGPSsignal();
    void slotgpssignaldialogclose();
    void GPS_SignalSetbuf(const GsvSentence &sentence);
    void GPS_SignaltipSlot(QPointF point, bool state);

private:
    [[nodiscard]] SerialTool gpsSerialTool();
    void createGpsMapView();
    void runMapCalls(const QStringList &statements);
    void showGpsUpdate(const NmeaUpdate &update);
    void showGpsPosition(const PositionLine &texts, const LatLong &position);
    void showGpsStatus(const QString &message);
    void releaseGpsClient(QTcpSocket *client);
    void stopGpsTcpServer();
    void GPS_Signaltip_Setting(quint8 code);
    void releaseGpsSignalWorker();

private Q_SLOTS:
    // ---- GSM console ----------------------------------------------------
    // Port, start-up queries, signal, switches and unsolicited lines
    // (positioning/mainwindow_gsm.cpp).
    void GSM_Init_Start();
    void GSMactionOpen_triggered();
    void Phone_Status();
    void GSMUI_EnDisable(bool status_t);
    void GSMsetReadComINT(bool status);
    void GSMTestSignalpushButton_triggered();
    void GSMLaidianKaiguanpushButton_triggered();
    void GSMLaidianYingKaiguanpushButton_triggered();
    void GSMDuanXinWenBenKaiguanpushButton_triggered();
    void GSMreadMyCom(const QByteArray &bytes);
    // Calls (positioning/mainwindow_gsmcalls.cpp).
    void GSMANJIANpushButton0_triggered();
    void GSMANJIANpushButton1_triggered();
    void GSMANJIANpushButton2_triggered();
    void GSMANJIANpushButton3_triggered();
    void GSMANJIANpushButton4_triggered();
    void GSMANJIANpushButton5_triggered();
    void GSMANJIANpushButton6_triggered();
    void GSMANJIANpushButton7_triggered();
    void GSMANJIANpushButton8_triggered();
    void GSMANJIANpushButton9_triggered();
    void GSMANJIANpushButton10_triggered();
    void GSMANJIANpushButton11_triggered();
    void GSMactionCleanNumData_triggered();
    void GSMguadianhuapushButton_triggered();
    void GSMbodianhuapushButton_triggered();
    // Text messages (positioning/mainwindow_gsmsms.cpp).
    void GSMReadTextpushButton_triggered();
    void GSMDelTextpushButton_triggered();
    void GSMDelALLTextpushButton_triggered();
    void GSMSendpushButton_triggered();
    void slotGSMtextBrowser();
    // GPRS TCP link (positioning/mainwindow_gsmgprs.cpp).
    void GSMTCPopencompushButton_triggered();
    void GSMTCPsendmsgBtn_triggered();
    void GSMGPRSreadMyCom(const QByteArray &bytes);

private:
    // What a press may cut short while it runs: a call being made or
    // answered (Cut), the GPRS connect (Disconnect).
    enum class GsmCancellable { Nothing, Call, GprsConnect };
    // A press made while another action holds the port: it runs once the
    // port is free if what the user saw then is still what the console shows.
    struct GsmPress
    {
        std::function<bool()> stillSeen; // empty: always
        std::function<void()> action;
    };
    // The commands of one modem switch.
    struct GsmSwitch
    {
        QByteArray off;
        QByteArray on;
        QByteArray afterOn; // sent once turning on was answered, if not empty
        bool warnOff;       // turning off unanswered shows "No response"
    };

    [[nodiscard]] SerialTool gsmSerialTool();
    // The console holds the shared port, open.
    [[nodiscard]] bool gsmPortOpen() const;
    // An action holds the port or a wait runs: a press waits its turn.
    [[nodiscard]] bool gsmPortBusy() const;
    // Every chunk the worker reads while the console holds the port: the
    // running transaction takes its reply, the rest goes on to the reader
    // and, while the link is up, to the GPRS view.
    void gsmPortData(const QByteArray &bytes);
    void gsmDeliver(const QByteArray &bytes);
    // Runs `action` holding the port, now or, while another action holds
    // it, later as a GsmPress.
    void gsmAct(std::function<bool()> stillSeen, std::function<void()> action);
    void gsmSession(const std::function<void()> &action);
    void gsmRunPressed();
    void gsmCancelRunning();
    // Runs one transaction of the session, or only waits `waitPolls` more
    // polls for its reply; false when the port went away or the action was
    // cancelled.
    [[nodiscard]] bool gsmRun(AtTransaction &transaction,
                              std::optional<int> waitPolls = std::nullopt);
    [[nodiscard]] bool gsmEscape();
    void gsmFailureBox(const QByteArray &line = {});
    void gsmNoResponseBox();
    void gsmQuerySignal();
    static void gsmShowSwitch(QPushButton *button, bool on);
    void gsmSwitchPressed(int &state, QPushButton *button, const GsmSwitch &commands);
    void gsmSetUpKeypad();
    void gsmShowCallButton(bool incoming);
    void gsmCallUnderWay();
    void gsmEndCallState(const QString &status);
    void gsmEndFailedCall(const QString &line);
    void gsmKeyPressed(QChar key);
    void gsmCall(bool answer, const QString &number);
    void gsmHangUp();
    void gsmAnswer();
    void gsmDial(const QByteArray &command);
    void gsmRedial(const QByteArray &command);
    void gsmCallFailed(const AtTransaction &dial);
    void gsmReadSms();
    void gsmDeleteSms();
    void gsmDeleteAllSms();
    [[nodiscard]] bool gsmSmsCommandOk(const QByteArray &command, int polls, bool tellSilence);
    void gsmRunDelete(const QByteArray &command, int polls);
    void gsmSendSms(const QString &number, const QString &message);
    [[nodiscard]] static QString QStringtoUNicode(const QString &text);
    [[nodiscard]] static QString UNicodetoQString(const QString &hex);
    void gsmShowGprsLink(bool up);
    void gsmConnectGprs();
    void gsmCloseGprs();
    void gsmSendGprs(QByteArray payload);

private Q_SLOTS:
    // ---- Sensor tools ---------------------------------------------------
    void ENVironment_Init_Start();
    void ENVactionOpen_triggered();
    void readENVCom(const QByteArray &bytes);
    void Oscilloscope_Init_Start();
    void OscilloscopeOpen_triggered();
    void readOSCCom(const QByteArray &bytes);
    void on_checkBox_0_stateChanged(int state);
    void on_checkBox_1_stateChanged(int state);
    void on_checkBox_2_stateChanged(int state);
    void on_checkBox_3_stateChanged(int state);
    void Spectra_Init_Start();
    void SpectraOpen_triggered();
    void readSpectraCom(const QByteArray &bytes);
    void I2Cdump_Init_Start();
    void I2CdumpOpen_triggered();
    void readi2cdumpCom(const QByteArray &bytes);
    void TOF_Init_Start();
    void TOFOpen_triggered();
    void readTOFCom(const QByteArray &bytes);

private:
    // The five sensor tabs' rows of the shared open/close road.
    [[nodiscard]] SerialTool environmentSerialTool();
    [[nodiscard]] SerialTool oscilloscopeSerialTool();
    [[nodiscard]] SerialTool spectraSerialTool();
    [[nodiscard]] SerialTool i2cdumpSerialTool();
    [[nodiscard]] SerialTool tofSerialTool();
    void setI2cdumpCommandsEnabled(bool enabled);
    void Oscilloscope_Setting_Value(const OscFrame &frame);

    // The oscilloscope's frame parser, which holds a frame under way.
    OscFrameParser oscParser;
    // X of the newest oscilloscope frame: 1 for the first, never reset, so
    // the lines go on where they stopped when the port opens again.
    double oscXCounter = 0;
    // The last positions of the oscilloscope's zoom dials.
    int oscDialXPosition = 5;
    int oscDialYPosition = 5;

public:
    // Zoom dials named dial_X and dial_Y turn the chart's X and Y windows.
    // The form has no such dials, so nothing calls these; as slots, their
    // names would make the form's set-up look for the dials and warn.
    void on_dial_X_sliderMoved(int position);
    void on_dial_Y_sliderMoved(int position);

private:
    // ---- i2cdump tool ---------------------------------------------------
    // Commands to the I2C bridge board, its scan and read answers in the log,
    // the read and write dialogs (sensors/mainwindow_i2cdump.cpp); the
    // register table and the frame decoder live in nuvelix_i2c_tools.
private Q_SLOTS:
    void I2CdumpactionClear_triggered();
    void I2CdumpactionScanf_triggered();
    void I2Cdump_Stop();
    void I2Cdump_Setaddr(int address);
    void I2Cdump_printscanf(const QByteArray &addresses);
    void I2Cdump_printread(const QByteArray &values);
    void slotI2Cdump_read_ui();
    void I2Cdump_Read();
    void slotI2Cdump_read_ui_dialogclose();
    void slotI2Cdump_write_ui();
    void I2Cdump_Send();
    void slotI2Cdump_write_ui_dialogclose();

private:
    // Writes a command frame while this tab holds the port; false when not
    // sent.
    bool sendI2cCommand(const QByteArray &frame);
    void printI2cLog(const QString &text);

    class nuvelix_i2c_tools *i2cTools = nullptr;
    // The read and write dialogs, one of each at most, with their forms;
    // null while closed.
    ToolDialog *i2cReadDialog = nullptr;
    class Ui_I2CDump_ReadREG *i2cReadForm = nullptr;
    bool i2cReadDialogOpen = false;
    ToolDialog *i2cWriteDialog = nullptr;
    class Ui_I2CDump_WriteREG *i2cWriteForm = nullptr;
    bool i2cWriteDialogOpen = false;
    // Set from this tab's open to its close: commands go to the board only
    // then, never into another tool's device.
    bool i2cdumpHoldsPort = false;
    // The first register of the last read sent, printed with its answer.
    int i2cLastReadRegister = 0;

    // ---- Environment tool (sensors/mainwindow_environment.cpp) ----------
private Q_SLOTS:
    void ENVactionClear_triggered();

private:
    void showEnvReading(const EnvReading &reading);

    // The six gauges, made by ENVironment_Init_Start and owned by the tab.
    class ProgressBarPercent *humidityGauge = nullptr;
    class CThermometer *temperatureGauge = nullptr;
    class DashBoard *barometerDial = nullptr;
    class Ultraviolet *ultravioletGauge = nullptr;
    class DashBoard *co2Dial = nullptr;
    class DashBoard *tvocDial = nullptr;
    // The raw log, and the bytes of the line under way (bounded).
    ReceiveView *envReceiveView = nullptr;
    EnvLineParser envParser;

    // ---- Spectrometer and time-of-flight tools --------------------------
private Q_SLOTS:
    // Spectra (sensors/mainwindow_spectra.cpp): each line's channel values to
    // the bars or the curve of the chosen sensor type and chart.
    void extractValuesFromQString(const QString &text);
    void onSpectraTYPEComboBoxChanged(int index);
    void onSpectraportChartComboBoxChanged(int index);
    // TOF (sensors/mainwindow_tof.cpp): each line's distances in zone order
    // to the grid and the surface.
    void TOFprocessFrame(const QByteArray &frameData);
    void onTOFTYPEComboBoxChanged(int index);
    void TOFchangeArrangement();
    void onTOFChartComboBoxChanged(int index);
    void TOFactionClear_triggered();

public Q_SLOTS:
    // TOF utilities that nothing connects (TOFprocessFrame does their work
    // through TofZones): reverse the values within each of numRows rows of
    // numCols values, nothing when the list holds fewer; copy the 64 values
    // of a TMF8828 line into zone order.
    void TOFmirrorPixels(QList<int> &pixels, int numRows, int numCols);
    void TOF_rearrange_image(const int *image_data, int *new_image_data);

private:
    // The Spectra tab's display and the start of a line whose CR LF has not
    // come yet (the boards' lines end with CR LF, at most 4096 bytes each).
    nuvelix_spectroscopy *spectroscopy = nullptr;
    LineFramer spectraRxBuffer{4096, LineFramer::Ending::CrLf};
    // The TOF tab's display, the start of its next line, and the distance of
    // every zone, kept across lines, sensor changes and reopening the port.
    nuvelix_tof *tofWidget = nullptr;
    LineFramer tofRxBuffer{4096, LineFramer::Ending::CrLf};
    TofZones tofZones;

private Q_SLOTS:

    // ---- Protocol tools -------------------------------------------------
    void Mqtt_Init_Start();
    void Modbus_Init_Start();
private Q_SLOTS:
    // Modbus master: set-up, mode, serial and TCP transports, clear buttons
    // (protocols/mainwindow_modbus.cpp); one transaction of up to three
    // attempts and its logs (protocols/mainwindow_modbusexchange.cpp).
    void Modbus_function_comboBoxIndexChanged(int index);
    void ModbusPortModeChanged();
    void ModbusOpen_triggered();
    void ModbusTCPopencompushButton_triggered();
    void Modbus_displayError(QAbstractSocket::SocketError error);
    void Modbus_Read_write_Button();
    void actionModbus_revice_CleanData_triggered();
    void actionModbus_send_CleanData_triggered();
    void Modbus_onReadButtonClicked(int server_address, Nuvelix_ModbusClient::FunctionCode type,
                                    int start_address, int quantity,
                                    Nuvelix_ModBus_Mode mode_tcp_uart);
    void Modbus_onWriteButtonClicked(int server_address, Nuvelix_ModbusClient::FunctionCode type,
                                     int start_address, int quantity, QByteArray writeData,
                                     Nuvelix_ModBus_Mode mode_tcp_uart);

private:
    [[nodiscard]] SerialTool modbusSerialTool();
    void modbusShowTransport(bool serial);
    void modbusShowTcpIdle();
    void releaseModbusSocket();
    void modbusTcpEnded();
    void modbusReadBetweenRequests(QIODevice *transport, Nuvelix_ModBus_Mode mode);
    void modbusReadDataField();
    // The open transport of the selected mode, or null.
    [[nodiscard]] QIODevice *modbusTransport(Nuvelix_ModBus_Mode mode) const;
    void modbusExchange(int serverAddress, Nuvelix_ModbusClient::FunctionCode function,
                        int startAddress, int quantity, const QByteArray &dataBytes,
                        Nuvelix_ModBus_Mode mode);
    [[nodiscard]] QString modbusReplyFault(Nuvelix_ModbusClient::FunctionCode function,
                                           const QByteArray &reply, Nuvelix_ModBus_Mode mode);

private Q_SLOTS:
    // MQTT client (protocols/mainwindow_mqtt.cpp).
    void actionMQTT_Open_triggered();
    void MQTT_Connect();
    void MQTT_Get_Status(MqttClient::ClientState state);
    void Nuvelix_Mqtt_onMessage(const QByteArray &message, const MqttTopicName &topic);
    void Nuvelix_Mqtt_on_sub_clicked();
    void Nuvelix_Mqtt_on_pub_clicked();
    void onWebSocketDisconnected();
    void onWebSocketError(QAbstractSocket::SocketError error);
    void MQTT_slot_textmenu(const QPoint &position);
    void MQTT_Sub_Edit_Clear();
    void actionMQTT_Save_triggered();

private:
    void startMqttOverWebSocket();
    void newMqttClient();
    [[nodiscard]] QString mqttEndStatus(const QString &reason, bool refused) const;
    void endMqttSession(const QString &status);
    void releaseMqttSession();

    // ---- Converters -----------------------------------------------------
    void Unicode_Init_Start();
    void Crypty_Init_Start();
    // The conversions of each tab's long-text boxes, made by its set-up.
    LongTextConversion *unicodeConversion = nullptr;
    LongTextConversion *base64Conversion = nullptr;

private Q_SLOTS:
    // Unicode escape converter (converters/mainwindow_unicode.cpp).
    void actionStoUpushButton_triggered();
    void actionUtoSpushButton_triggered();
    // DES and Base64 calculator (converters/mainwindow_crypty.cpp).
    void DesEncryption_triggered();
    void DesDecryption_triggered();
    void DEScomboBox_triggered();
    void DeslineEdit_Data_triggered();
    void DeslineEdit_KEY_triggered();
    void base64_encode();
    void base64_decode();

private:
    Ui::MainWindow *ui = nullptr;
    AboutDialog aboutDialog;

    // Shell
    QSettings *settings = nullptr;
    QStringList toolKeys;
    int toolKeyCount = 16;
    // Preferences: the pending switch states (1 on, 0 off) and the one open
    // dialog with its form; both pointers are null while no dialog is open.
    QList<int> toolEnabled;
    ToolDialog *m_configDialog = nullptr;
    Ui::Config *configUi = nullptr;
    // Help: the one open dialog with its form.
    bool helpOpen = false;
    ToolDialog *helpDialog = nullptr;
    Ui::Help *helpUi = nullptr;
    // Context of the handlers that forget a closed dialog. As a member it is
    // gone before the window's base class deletes the child dialogs, so those
    // handlers never run on a half-destroyed window.
    QObject m_dialogGuard;
    QWebEngineView *webView = nullptr;
    MWaveView *waveView = nullptr;

    // Serial port layer: the one port shared by every serial tool
    ThreadSerial *serialThread = nullptr;
    bool serialPortOpen = false;
    // The tool whose open holds the port, while serialPortOpen.
    SerialToolId serialPortHolder = SerialToolId::Terminal;
    QTimer *serialScanTimer = nullptr;
    // Serial terminal: receive views, Send File in progress, command panel
    ReceiveView *m_comReceiveView = nullptr;
    ReceiveReport *m_comReceiveReport = nullptr;
    SendFileSource *m_sendFile = nullptr;
    QTimer *m_sendFileTimer = nullptr;
    // The open of the port a running Send File streams into.
    SerialPortClaim m_sendFileClaim;
    // Sends of files begun, and notes of a count under way shown: a late
    // figure replaces only its own note, and names its file once a later
    // send has begun.
    quint64 m_sendFilesBegun = 0;
    quint64 m_countingNotesShown = 0;
    // What the terminal sends through the port, by writer, until written.
    WriteLedger m_comWrites;
    bool comExpandOpen = false;
    ToolDialog *comExpandDialog = nullptr;
    Ui::COM_Expand *comExpandUi = nullptr;

    // Terminals
    QList<QHostAddress> localAddresses;
    QTimer *comSendTimer = nullptr;
    int comSendInterval = 200;
    QTimer *udpSendTimer = nullptr;
    int udpSendInterval = 200;
    QTimer *tcpSendTimer = nullptr;
    int tcpSendInterval = 200;
    // UDP terminal: datagrams leave from udpSendSocket; udpSocket listens
    // while started and is null while stopped.
    QUdpSocket *udpSendSocket = nullptr;
    QUdpSocket *udpSocket = nullptr;
    bool udpRunning = false;
    ReceiveView *udpReceiveView = nullptr;
    ReceiveReport *udpReceiveReport = nullptr;
    // TCP terminal, client or server mode.
    bool tcpRunning = false;
    bool tcpClientConnected = false;
    QString tcpTargetIp;
    QString tcpTargetPort;
    QTcpSocket *tcpClientSocket = nullptr;
    QTcpServer *tcpServer = nullptr;
    TcpClientList tcpClients;
    // Server mode: the client entry shown when the running repeat started,
    // or the first client to join one started with none; its ticks go to the
    // clients of that host only.
    QString tcpRepeatHost;
    ReceiveView *tcpReceiveView = nullptr;
    ReceiveReport *tcpReceiveReport = nullptr;

    // GPS tool: the map page's view (made when the page is first shown), the
    // sentence framer of the serial source, the decoded record and the gate
    // that stores and draws a fix at most every 11 seconds.
    QWebEngineView *gpsMapView = nullptr;
    NmeaFramer gpsFramer;
    nmea_msg nmeaMsg;
    int gpsNewFix = 0;
    qint64 gpsLastStoreTime = 0;
    bool gpsSignalDialogOpen = false;
    bool gpsSignalBusy = false;
    ReceiveView *gpsReceiveView = nullptr;
    // The last write of the track file failed.
    bool gpsTrackUnsaved = false;
    // The GPS tool's position server: made with the terminals' objects; each
    // client's bytes are cut into lines of their own.
    int gpsTcpRunning = 0;
    QTcpServer *gpsTcpServer = nullptr;
    QList<QTcpSocket *> gpsTcpClients;
    std::unordered_map<QTcpSocket *, LineFramer> gpsTcpLines;
    // The clients' newest position reaches the map at most once a frame.
    MapPace *gpsMapPace = nullptr;
    // The GPS calculation dialog (distance and UTM conversions): the one open
    // dialog with its form; both pointers are null while none is open.
    bool gpsCalcDialogOpen = false;
    ToolDialog *gpsCalcDialog = nullptr;
    Ui::GPScalculate *gpsCalcUi = nullptr;
    // The GPS Signal dialog: its worker, form, sky plot (a point series per
    // satellite shown, by SatelliteBoard::skyKey) with its hover tip, a bar
    // chart per system (by code - 1) and the board that decides what they
    // show. All but the board are null or empty while it is closed.
    GPS_Signal *gpsSignalThread = nullptr;
    ToolDialog *gpsSignalDialog = nullptr;
    Ui::GPSsignal *gpsSignalUi = nullptr;
    QPolarChart *gpsSkyChart = nullptr;
    QValueAxis *gpsSkyAngularAxis = nullptr;
    QValueAxis *gpsSkyRadialAxis = nullptr;
    QHash<quint32, QScatterSeries *> gpsSkySeries;
    Callout *gpsSignalTip = nullptr;
    std::array<GpsSignalBars, satelliteSystems.size()> gpsSignalBars;
    SatelliteBoard gpsSatelliteBoard;

    // GSM console: unsolicited text, call flags and switch states; the
    // reader and GPRS receiver links are flags of gsmPortData; the running
    // session with the port it holds, its transaction (which takes its reply
    // from the port's bytes), what a press may cancel, and the presses
    // waiting for the port.
    QByteArray gsmRxBuffer;
    bool gsmIncomingCall = false;
    bool gsmInCall = false;
    bool gsmRingSeen = false;
    bool gsmCallerNumberReady = false;
    int gsmShowCallerOn = 0;
    int gsmCallMusicOn = 0;
    int gsmSmsTextModeOn = 0;
    int gsmGprsConnected = 0;
    bool gsmReaderOn = false;
    bool gsmGprsReceiverOn = false;
    bool gsmSessionRunning = false;
    SerialPortClaim gsmClaim;
    AtTransaction *gsmTransaction = nullptr;
    GsmCancellable gsmCancellable = GsmCancellable::Nothing;
    bool gsmCancelled = false;
    QList<GsmPress> gsmPresses;
    QTimer *gsmPressTimer = nullptr;
    ReceiveView *gsmGprsView = nullptr;

    // Modbus master: the codec and the two logs (made at set-up), the TCP
    // connection (a new socket per connect, the one before released) and its
    // flag (1 from the connect until the disconnect or a failure), whether
    // this tab holds the shared serial port and whether a transaction runs,
    // the data field's bytes (none while it is not valid hex data) and what
    // the codec last found wrong.
    Nuvelix_ModbusClient *modbusClient = nullptr;
    ModbusFrameLog *modbusSendLog = nullptr;
    ModbusFrameLog *modbusReceiveLog = nullptr;
    QTcpSocket *modbusTcpSocket = nullptr;
    int modbusTcpConnected = 0;
    bool modbusSerialOpen = false;
    bool modbusBusy = false;
    std::optional<QByteArray> modbusData;
    QString modbusFault;
    // MQTT tab: the button's state, the client and the WebSocket device of
    // the current session (null while idle), whether that session reached
    // the broker, and the received messages.
    bool mqttConnected = false;
    MqttClient *mqttClient = nullptr;
    WebSocketIODevice *mqttWebSocketDevice = nullptr;
    bool mqttBrokerConnected = false;
    MqttMessageView *mqttMessageView = nullptr;
};
