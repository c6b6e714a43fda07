#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "eventwait.h"
#include "nuvelix_ble.h"
#include "nuvelix_convert.h"
#include "stylesheetfile.h"
#include "threadserial.h"
#include "tooldialog.h"
#include "tooltable.h"
#include "toolswitches.h"

#include <QApplication>
#include <QCloseEvent>
#include <QQuickWindow>
#include <QSerialPort>
#include <QStyleFactory>
#include <QTimer>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <iterator>

namespace {
constexpr int versionMajor = 3;
constexpr int versionMinor = 3;
constexpr int versionPatch = 8;
// The maker's pages named in the window title; the "More" tab shows a page
// bundled with the program so that it works without a network.
const char *const makerAddresses = "www.nuvelix.example  forum.nuvelix.example  "
                                   "shop.nuvelix.example";
const char *const morePage = "qrc:/html/more.html";
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    // Web views draw through Qt Quick. Its software renderer hands a page to
    // the window as a picture; with the OpenGL one the whole window would
    // compose every repaint through OpenGL, which without a graphics card
    // costs most of a processor core while a device streams. The choice holds
    // for every web view made later, the map's and the "More" page's.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    ui->setupUi(this);

    setWindowTitle(
        tr("Nuvelix -- YURB Ver %1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionPatch) +
        QStringLiteral("  ") + QLatin1String(makerAddresses));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
    setStyleSheet(QStringLiteral("background-color: white grey"));

    // The About dialog has no parent; it must not keep the program running
    // once the main window has closed.
    aboutDialog.setAttribute(Qt::WA_QuitOnClose, false);

    keepSettingsThatCannotBeRead();
    const int toolPages = Config();
    SerialSacn();
    startInit();
    getLocalIP();

    QStringList titles;
    for (int i = 0; i < ui->tabWidget->count(); ++i)
        titles.append(ui->tabWidget->tabText(i));
    for (const int tool : ToolSwitches::setUpOrder(titles, toolPages))
        setUpTool(tool);

    // The web view is made when its page is first shown: a web view makes the
    // whole window compose through OpenGL, which on a machine without a GPU
    // costs every other tab dearly.
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MainWindow::loadWebPage);
    loadWebPage();

    connect(ui->actionCheck_Update, &QAction::triggered, this, &MainWindow::slotActionCheck_Update);

    serialScanTimer = new QTimer(this);
    connect(serialScanTimer, &QTimer::timeout, this, &MainWindow::SerialSacn_new);
    serialScanTimer->start(500);
}

MainWindow::~MainWindow()
{
    // The GPS Signal worker's thread ends before the window goes; the dialog's
    // close handler does not run during the teardown.
    releaseGpsSignalWorker();
    // The servers stop and every client socket is cut off before the form
    // goes: a socket destroyed later, with its server, would otherwise report
    // its end to this half-destroyed window.
    stopTcpServer();
    releaseTcpClientSocket();
    stopGpsTcpServer();
    // The shared serial port closes with the window; its worker, a child of
    // the window, stops its thread before it is deleted.
    if (serialPortOpen && serialThread) {
        serialThread->running = false;
        serialThread->serialPort->close();
        serialThread = nullptr;
    }
    delete ui;
}

// Runs the set-up of one tool; the index is the tool's row of the tool
// table, which is also its page's place in the form.
void MainWindow::setUpTool(int tool)
{
#define YURB_TOOL_SET_UP(key, title, setUp) [](MainWindow &window) { window.setUp(); },
    static constexpr void (*setUps[])(MainWindow &) = {YURB_TOOL_TABLE(YURB_TOOL_SET_UP)};
#undef YURB_TOOL_SET_UP
    static_assert(std::size(setUps) == ToolSwitches::toolCount);
    if (tool >= 0 && tool < ToolSwitches::toolCount)
        setUps[tool](*this);
}

// The widget-class tools go into their page's own grid, below the page's
// empty frame layout.
void MainWindow::addToolWidget(QWidget *page, QWidget *widget)
{
    auto *grid = qobject_cast<QGridLayout *>(page->layout());
    grid->addWidget(widget, grid->rowCount(), 0);
}

void MainWindow::addBleBrowser()
{
    addToolWidget(ui->ble, new nuvelix_ble(this));
}

void MainWindow::addConverter()
{
    addToolWidget(ui->Convert, new nuvelix_convert(this));
}

void MainWindow::loadWebPage()
{
    if (webView || ui->tabWidget->currentWidget() != ui->tab_2)
        return;
    webView = new QWebEngineView(this);
    webView->load(QUrl(QLatin1String(morePage)));
    ui->web_gridLayout->addWidget(webView);
    webView->settings()->setAttribute(QWebEngineSettings::LocalStorageEnabled, true);
    webView->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
}

// The terminals' send controls stay disabled until their port or link opens.
void MainWindow::startInit()
{
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui->delayspinBox, ui->sendmsgBtn, ui->sendfileBtn, ui->sendMsgtextEdit,
             ui->UDPdelayspinBox, ui->UDPsendmsgBtn, ui->UDPsendMsgtextEdit, ui->TCPdelayspinBox,
             ui->TCPsendmsgBtn, ui->TCPsendMsgtextEdit, ui->com_checkBox_DTR, ui->com_checkBox_RTS})
        widget->setEnabled(false);
    comSendInterval = 200;
    udpSendInterval = 200;
    tcpSendInterval = 200;
    comSendTimer = new QTimer(this);
    udpSendTimer = new QTimer(this);
    tcpSendTimer = new QTimer(this);
    connect(comSendTimer, &QTimer::timeout, this, &MainWindow::sendMsg);
    connect(udpSendTimer, &QTimer::timeout, this, &MainWindow::UDP_sendMsg);
}

// A modeless tool dialog that deletes itself when it closes; `forget` clears
// the window's record of it as it closes. The handler's context is a member,
// gone before the window's base class deletes the child dialogs, so it never
// runs on a half-destroyed window.
ToolDialog *MainWindow::newToolDialog(std::function<void()> forget)
{
    auto *dialog = new ToolDialog(this);
    connect(dialog, &ToolDialog::closed, &m_dialogGuard, std::move(forget));
    return dialog;
}

void MainWindow::on_actionExit_triggered()
{
    close();
}

// Tools tell what quitting cuts short while the window is still there.
void MainWindow::closeEvent(QCloseEvent *event)
{
    closeSerialTerminalAtQuit();
    QMainWindow::closeEvent(event);
}

void MainWindow::on_actionAbout_triggered()
{
    aboutDialog.setWindowFlags(aboutDialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    aboutDialog.show();
    aboutDialog.move(x() + (width() - aboutDialog.width()) / 2,
                     y() + (height() - aboutDialog.height()) / 2);
}

void MainWindow::setStyleSheets(const QString &qssFile)
{
    StyleSheetFile::apply(qssFile);
}

void MainWindow::msleep(int ms)
{
    waitProcessingEvents(ms);
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void MainWindow::resizeEvent(QResizeEvent *) {}
