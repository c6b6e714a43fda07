#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "mapscript.h"
#include "nmeadecoder.h"
#include "positionline.h"
#include "prompt.h"
#include "trackfile.h"
#include "trackimport.h"

#include <QFile>
#include <QLocale>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
const char *const chineseMapPage = "qrc:/html/images/BaiduMap.html";
const char *const mapPage = "qrc:/html/images/openstreetmap.html";

// What an ended track import tells: a failed read, a file without a
// position, and the lines passed over are never told as a plain success.
QString importStatus(const TrackImport &import, bool whole)
{
    if (!whole)
        return MainWindow::tr("Failed to read the whole file: %1").arg(import.errorString());
    if (import.positions() == 0)
        return MainWindow::tr("No position in the file");
    if (import.skippedLines() == 0)
        return MainWindow::tr("Success for read the data in the file");
    return MainWindow::tr("Success for read the data in the file; lines skipped: %1")
        .arg(import.skippedLines());
}
} // namespace

// Made, and its page chosen by the system language, when the GPS page is
// first shown.
void MainWindow::createGpsMapView()
{
    if (gpsMapView || ui->tabWidget->currentWidget() != ui->gps)
        return;
    gpsMapView = new QWebEngineView(this);
    ui->gps_gridLayout->addWidget(gpsMapView);
    const bool chinese = QLocale().language() == QLocale::Chinese;
    gpsMapView->load(QUrl(QLatin1String(chinese ? chineseMapPage : mapPage)));
    gpsMapView->settings()->setAttribute(QWebEngineSettings::LocalStorageEnabled, true);
    gpsMapView->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
}

// Runs statements in the map page, in order, ignoring their results. Before
// the page has been shown there is no map to drive.
void MainWindow::runMapCalls(const QStringList &statements)
{
    if (!gpsMapView)
        return;
    for (const QString &statement : statements)
        gpsMapView->page()->runJavaScript(statement);
}

// The labels show the position without sign beside its hemisphere; the map
// gets the signed position, when the labels show a real one.
void MainWindow::GPS_MAP(bool first)
{
    const PositionLine shown{
        NmeaDecoder::signedCoordinate(ui->Weidu->text(), ui->Weidufangxiang->text()),
        NmeaDecoder::signedCoordinate(ui->Jingdu->text(), ui->Jingdufangxiang->text())};
    if (const std::optional<LatLong> position = shown.position())
        runMapCalls(MapScript::position(position->latitude, position->longitude, first, false));
}

// A failed write stays in the status bar until a later one succeeds.
void MainWindow::GPSSavefile(const QString &Latit, const QString &Longit)
{
    gpsTrackUnsaved = !TrackFile::append({Latit, Longit});
    if (gpsTrackUnsaved)
        statusBar()->showMessage(tr("Unable to save GPS data."));
}

// A status of the GPS tool's receiving, unless the last track write failed.
void MainWindow::showGpsStatus(const QString &message)
{
    statusBar()->showMessage(gpsTrackUnsaved ? tr("Unable to save GPS data.") : message);
}

// The destination goes to the page as a string literal, whatever it holds.
void MainWindow::GPSsearchdriving_triggered()
{
    QString address;
    if (!Prompt::text(nullptr, QStringLiteral("终点"),
                      QStringLiteral("请输入需要计算的终点地址；如：\"北京市长安街\"。"), address))
        return;
    runMapCalls(MapScript::navigation(address));
}

// Draws a track file as one red line through its points, read a slice at a
// time so that the window answers meanwhile; one import runs at a time. A
// read that fails ends it with what was read drawn, and is told; so are a
// file without a position and the lines passed over.
void MainWindow::GPStrochoidpushButton_triggered()
{
    const QString name = Prompt::openFileName(this, tr("read"), QString(), tr("(*)"));
    if (name.isEmpty())
        return;
    auto file = std::make_unique<QFile>(name);
    if (!openToRead(*file))
        return;
    // The import ends lines itself, CR LF as LF; text mode would drop every
    // CR, and a long run of them would make one read span it all.
    file->setTextModeEnabled(false);
    ui->GPStrochoidpushButton->setEnabled(false);
    auto *import = new TrackImport(std::move(file), this);
    connect(import, &TrackImport::batchReady, this, [this](const TrackReplay::Batch &batch) {
        runMapCalls(MapScript::track(batch.points, batch.continued));
    });
    connect(import, &TrackImport::finished, this, [this, import](bool whole) {
        import->deleteLater();
        ui->GPStrochoidpushButton->setEnabled(true);
        statusBar()->showMessage(importStatus(*import, whole));
    });
}
