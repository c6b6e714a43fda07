#include "mainwindow.h"
#include "ui_gpscalculate.h"

#include "ellipsoid.h"
#include "gpsdistance.h"
#include "latlong.h"
#include "prompt.h"
#include "tooldialog.h"
#include "utm.h"
#include "utmconversion.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

namespace {
// The combo box offers the ellipsoid rows from 1, WGS-84 chosen at first.
constexpr int wgs84Index = 22;

// Combo index i means ellipsoid row i + 1.
int ellipsoidOf(const QComboBox *box)
{
    return box->currentIndex() + Ellipsoid::firstRow;
}

// Metres and degrees alike show eight decimals.
QString fixed(double value)
{
    return QString::number(value, 'f', 8);
}
} // namespace

// Opens the modeless GPS calculation dialog unless it is already open.
void MainWindow::slotGPScalculate()
{
    if (gpsCalcDialogOpen)
        return;
    gpsCalcDialog = newToolDialog([this] { slotgpscalculatedialogclose(); });
    gpsCalcUi = installForm<Ui::GPScalculate>(gpsCalcDialog);
    connect(gpsCalcUi->GPScalculateCancel, &QPushButton::pressed, gpsCalcDialog, &QDialog::close);
    connect(gpsCalcUi->GPSpushButtoncalculate, &QPushButton::pressed, this,
            &MainWindow::GPScalculate_triggered);
    connect(gpsCalcUi->lltoutm, &QPushButton::pressed, this,
            &MainWindow::GPSLatLong_Conversions_UTM_triggered);
    connect(gpsCalcUi->utmtoll, &QPushButton::pressed, this,
            &MainWindow::GPSUTM_Conversions_LatLong_triggered);
    gpsCalcDialogOpen = true;
    gpsCalcDialog->setWindowFlags(gpsCalcDialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    gpsCalcDialog->show();
    gpsCalcDialog->setStyleSheet(QStringLiteral("background-color: white grey"));
    for (int row = Ellipsoid::firstRow; row <= Ellipsoid::lastRow; ++row)
        gpsCalcUi->utm_comboBox->addItem(Ellipsoid::row(row)->name);
    gpsCalcUi->utm_comboBox->setCurrentIndex(wgs84Index);
}

// The dialog has gone (its form with it): the next press opens a new one.
void MainWindow::slotgpscalculatedialogclose()
{
    gpsCalcDialogOpen = false;
    gpsCalcDialog = nullptr;
    gpsCalcUi = nullptr;
}

// The great-circle distance in km between the original and the target.
void MainWindow::GPScalculate_triggered()
{
    const double lon1 = gpsCalcUi->YlonglineEdit->text().toDouble();
    const double lat1 = gpsCalcUi->YlatlineEdit->text().toDouble();
    const double lon2 = gpsCalcUi->MlonglineEdit->text().toDouble();
    const double lat2 = gpsCalcUi->MlatlineEdit->text().toDouble();
    QString refusal = LatLong::rangeRefusal(lat1, lon1);
    if (refusal.isEmpty())
        refusal = LatLong::rangeRefusal(lat2, lon2);
    if (!refusal.isEmpty()) {
        Prompt::warning(gpsCalcDialog, tr("GPS calculation"), refusal);
        return;
    }
    gpsCalcUi->GPSresults->setText(
        QString::number(GpsDistance::CalcDistance(lat1, lon1, lat2, lon2), 'g', 6));
}

void MainWindow::GPSLatLong_Conversions_UTM_triggered()
{
    const int ellipsoid = ellipsoidOf(gpsCalcUi->utm_comboBox);
    const double latitude = gpsCalcUi->latlineEdit->text().toDouble();
    const double longitude = gpsCalcUi->longlineEdit->text().toDouble();
    const QString refusal = UtmConversion::toUtmRefusal(ellipsoid, latitude, longitude);
    if (!refusal.isEmpty()) {
        Prompt::warning(gpsCalcDialog, tr("UTM Conversions"), refusal);
        return;
    }
    const UTM utm = UtmConversion::LatLong_to_UTM(ellipsoid, latitude, longitude);
    gpsCalcUi->utmElineEdit->setText(fixed(utm.easting));
    gpsCalcUi->utmNlineEdit->setText(fixed(utm.northing));
    gpsCalcUi->utmZlineEdit->setText(utm.zone);
}

void MainWindow::GPSUTM_Conversions_LatLong_triggered()
{
    const int ellipsoid = ellipsoidOf(gpsCalcUi->utm_comboBox);
    const UTM utm{gpsCalcUi->utmElineEdit->text().toDouble(),
                  gpsCalcUi->utmNlineEdit->text().toDouble(), gpsCalcUi->utmZlineEdit->text()};
    const QString refusal = UtmConversion::toLatLongRefusal(ellipsoid, utm);
    if (!refusal.isEmpty()) {
        Prompt::warning(gpsCalcDialog, tr("UTM Conversions"), refusal);
        return;
    }
    const LatLong position = UtmConversion::UTM_to_LatLong(ellipsoid, utm);
    gpsCalcUi->latlineEdit->setText(fixed(position.latitude));
    gpsCalcUi->longlineEdit->setText(fixed(position.longitude));
}
