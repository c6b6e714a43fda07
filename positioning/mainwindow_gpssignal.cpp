#include "mainwindow.h"
#include "ui_gpssignal.h"

#include "callout.h"
#include "gps_signal.h"
#include "tooldialog.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QDialog>
#include <QGridLayout>
#include <QPolarChart>
#include <QPushButton>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <iterator>

namespace {

// Where each system's bar chart sits in the dialog's grid (the sky plot is
// at row 0, column 0), by code - 1.
struct GridPlace
{
    int row;
    int column;
};
constexpr GridPlace barPlaces[] = {{1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}};
static_assert(std::size(barPlaces) == satelliteSystems.size());

// The top of the bar charts' SNR scale, in dB-Hz.
constexpr int barAxisTop = 50;

QColor systemColour(const SatelliteSystem &system)
{
    return QColor(QRgb(system.rgb));
}

// The dialog's axes have an empty, hidden title.
void hideTitle(QAbstractAxis *axis)
{
    axis->setTitleText(QString());
    axis->setTitleVisible(false);
}

} // namespace

// Opens the GPS Signal dialog unless it is open: a sky plot and a bar chart
// per satellite system, drawn from the GSV sentences the tool decodes
// through a worker that reads them on its own thread.
void MainWindow::slotGPSsignal()
{
    if (gpsSignalDialogOpen)
        return;

    gpsSignalThread = new GPS_Signal(this);
    gpsSignalThread->start();
    // Direct: the sentence is only valid during the emit; Get_Data copies it.
    connect(this, &MainWindow::GPS_Signal_Data_Over, gpsSignalThread, &GPS_Signal::Get_Data,
            Qt::DirectConnection);
    connect(this, &MainWindow::GPS_GUI_Wait_Data_Over, gpsSignalThread, &GPS_Signal::Wait_Data);
    connect(gpsSignalThread, &GPS_Signal::ReturnResult, this, &MainWindow::GPS_SignalSetbuf);

    gpsSignalDialog = newToolDialog([this] { slotgpssignaldialogclose(); });
    gpsSignalUi = gpsSignalDialog->installForm<Ui::GPSsignal>();
    connect(gpsSignalUi->GPSsignalCancel, &QPushButton::pressed, gpsSignalDialog, &QDialog::close);
    gpsSignalTip = nullptr;

    gpsSkyChart = new QPolarChart;
    gpsSkyAngularAxis = new QValueAxis;
    gpsSkyAngularAxis->setTickCount(25);
    gpsSkyAngularAxis->setLabelFormat(QStringLiteral("%d"));
    gpsSkyAngularAxis->setShadesVisible(true);
    gpsSkyAngularAxis->setShadesBrush(QBrush(QColor(249, 249, 255)));
    gpsSkyAngularAxis->setRange(0, 360);
    gpsSkyChart->addAxis(gpsSkyAngularAxis, QPolarChart::PolarOrientationAngular);
    gpsSkyRadialAxis = new QValueAxis;
    gpsSkyRadialAxis->setTickCount(10);
    gpsSkyRadialAxis->setLabelFormat(QStringLiteral("%d"));
    gpsSkyRadialAxis->setLabelsVisible(false);
    gpsSkyRadialAxis->setRange(0, 90);
    gpsSkyChart->addAxis(gpsSkyRadialAxis, QPolarChart::PolarOrientationRadial);
    gpsSkyChart->legend()->hide();

    auto *grid = new QGridLayout;
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto addView = [grid](QChart *chart, int row, int column) {
        auto *view = new QChartView(chart);
        view->setRenderHint(QPainter::Antialiasing);
        grid->addWidget(view, row, column);
    };
    addView(gpsSkyChart, 0, 0);

    gpsSatelliteBoard.clear();
    gpsSkySeries.clear();
    for (const SatelliteSystem &system : satelliteSystems) {
        GpsSignalBars &bars = gpsSignalBars[system.code - 1];
        bars.chart = new QChart;
        bars.series = new QStackedBarSeries;
        bars.set = new QBarSet(QLatin1String(system.name));
        bars.set->append(QList<qreal>(SatelliteBoard::barCount, 0));
        bars.set->setColor(systemColour(system));
        bars.series->append(bars.set);
        bars.chart->addSeries(bars.series);
        bars.axis = new QBarCategoryAxis;
        hideTitle(bars.axis);
        bars.chart->addAxis(bars.axis, Qt::AlignBottom);
        bars.series->attachAxis(bars.axis);
        auto *values = new QValueAxis;
        values->setRange(0, barAxisTop);
        hideTitle(values);
        bars.chart->addAxis(values, Qt::AlignLeft);
        bars.series->attachAxis(values);
        // Attaching axes numbers the bars; the axis names only the satellites
        // seen.
        bars.axis->clear();
        bars.chart->legend()->setVisible(true);
        const GridPlace place = barPlaces[system.code - 1];
        addView(bars.chart, place.row, place.column);
    }
    gpsSignalUi->horizontalLayout->addLayout(grid);

    gpsSignalDialog->setWindowFlags((gpsSignalDialog->windowFlags() | Qt::WindowMinimizeButtonHint |
                                     Qt::WindowMaximizeButtonHint) &
                                    ~Qt::WindowContextHelpButtonHint);
    gpsSignalDialogOpen = true;
    gpsSignalDialog->show();
    gpsSignalDialog->setStyleSheet(QStringLiteral("background-color: white grey"));
    gpsSignalBusy = false;
}

// The dialog has gone, its charts with it: the worker stops and the next
// "Signal" starts afresh.
void MainWindow::slotgpssignaldialogclose()
{
    releaseGpsSignalWorker();
    gpsSignalDialogOpen = false;
    gpsSignalDialog = nullptr;
    gpsSignalUi = nullptr;
    gpsSkyChart = nullptr;
    gpsSkyAngularAxis = nullptr;
    gpsSkyRadialAxis = nullptr;
    gpsSkySeries.clear();
    gpsSignalTip = nullptr;
    gpsSignalBars = {};
    gpsSatelliteBoard.clear();
}

// Undoes the worker's connections, then stops it and waits for its thread
// before releasing it.
void MainWindow::releaseGpsSignalWorker()
{
    if (!gpsSignalThread)
        return;
    disconnect(this, &MainWindow::GPS_Signal_Data_Over, gpsSignalThread, &GPS_Signal::Get_Data);
    disconnect(this, &MainWindow::GPS_GUI_Wait_Data_Over, gpsSignalThread, &GPS_Signal::Wait_Data);
    disconnect(gpsSignalThread, &GPS_Signal::ReturnResult, this, &MainWindow::GPS_SignalSetbuf);
    gpsSignalThread->stop();
    gpsSignalThread->wait();
    delete gpsSignalThread;
    gpsSignalThread = nullptr;
}

// Draws the satellites of one sentence, then lets the worker read the next.
void MainWindow::GPS_SignalSetbuf(const GsvSentence &sentence)
{
    if (!gpsSignalDialogOpen) {
        if (gpsSignalThread)
            Q_EMIT GPS_GUI_Wait_Data_Over(false);
        return;
    }
    if (gpsSignalBusy)
        return;
    gpsSignalBusy = true;
    gpsSatelliteBoard.take(sentence);
    GPS_Signaltip_Setting(sentence.system);
    Q_EMIT GPS_GUI_Wait_Data_Over(false);
    gpsSignalBusy = false;
}

// Brings one system's bars and sky points to what the board holds, changing
// only what differs.
void MainWindow::GPS_Signaltip_Setting(quint8 code)
{
    const SatelliteSystem *system = satelliteSystem(code);
    if (!system)
        return;
    const GpsSignalBars &bars = gpsSignalBars[code - 1];
    const QList<int> values = gpsSatelliteBoard.bars(code);
    while (bars.set->count() < values.size())
        bars.set->append(0);
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (bars.set->at(i) != values.at(i))
            bars.set->replace(i, values.at(i));
    }
    const QStringList categories = gpsSatelliteBoard.categories(code);
    if (bars.axis->categories() != categories) {
        bars.axis->clear();
        bars.axis->append(categories);
    }

    for (auto it = gpsSkySeries.begin(); it != gpsSkySeries.end();) {
        if (SatelliteBoard::systemOf(it.key()) == code && !gpsSatelliteBoard.skyPlace(it.key())) {
            gpsSkyChart->removeSeries(*it);
            delete *it;
            it = gpsSkySeries.erase(it);
        } else {
            ++it;
        }
    }
    for (const quint32 key : gpsSatelliteBoard.skyKeys()) {
        if (SatelliteBoard::systemOf(key) != code || gpsSkySeries.contains(key))
            continue;
        const SatelliteBoard::SkyPlace place = *gpsSatelliteBoard.skyPlace(key);
        auto *point = new QScatterSeries;
        point->setName(QString::number(SatelliteBoard::prnOf(key)));
        point->append(place.azimuth, place.radial);
        gpsSkyChart->addSeries(point);
        point->attachAxis(gpsSkyAngularAxis);
        point->attachAxis(gpsSkyRadialAxis);
        point->setColor(systemColour(*system));
        connect(point, &QScatterSeries::hovered, this, &MainWindow::GPS_SignaltipSlot);
        gpsSkySeries.insert(key, point);
    }
}

// Shows the satellite under the mouse on the sky plot, hides the tip when
// the mouse leaves it.
void MainWindow::GPS_SignaltipSlot(QPointF point, bool state)
{
    if (!gpsSkyChart)
        return;
    if (!gpsSignalTip)
        gpsSignalTip = new Callout(gpsSkyChart);
    if (!state) {
        gpsSignalTip->hide();
        return;
    }
    const auto *series = qobject_cast<const QScatterSeries *>(sender());
    const QString prn = series ? series->name() : QString();
    gpsSignalTip->setText(tr("PRN number: %1 \nElevation: %2 \nAzimuth: %3 ")
                              .arg(prn)
                              .arg(90 - point.y())
                              .arg(point.x()));
    gpsSignalTip->setAnchor(point);
    gpsSignalTip->setZValue(99);
    gpsSignalTip->updateGeometry();
    gpsSignalTip->show();
}
