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
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>
#include <utility>

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

// Reads each line edit's number into its place; the refusal of the first
// text that is not a number, or empty when all are.
QString readNumbers(std::initializer_list<std::pair<const QLineEdit *, double *>> fields)
{
    for (const auto &[edit, value] : fields) {
        bool number = false;
        *value = edit->text().toDouble(&number);
        if (!number)
            return MainWindow::tr("\"%1\" is not a number.").arg(edit->text());
    }
    return {};
}
} // namespace

// Opens the modeless GPS calculation dialog unless it is already open.
void MainWindow::slotGPScalculate()
{
    if (gpsCalcDialogOpen)
        return;
    gpsCalcDialog = newToolDialog([this] { slotgpscalculatedialogclose(); });
    gpsCalcUi = gpsCalcDialog->installForm<Ui::GPScalculate>();
    connect(gpsCalcUi->GPScalculateCancel, &QPushButton::pressed, gpsCalcDialog, &QDialog::close);
    gpsCalcDialog->onPress(gpsCalcUi->GPSpushButtoncalculate, this,
                           &MainWindow::GPScalculate_triggered);
    gpsCalcDialog->onPress(gpsCalcUi->lltoutm, this,
                           &MainWindow::GPSLatLong_Conversions_UTM_triggered);
    gpsCalcDialog->onPress(gpsCalcUi->utmtoll, this,
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
    double lon1 = 0;
    double lat1 = 0;
    double lon2 = 0;
    double lat2 = 0;
    QString refusal = readNumbers({{gpsCalcUi->YlonglineEdit, &lon1},
                                   {gpsCalcUi->YlatlineEdit, &lat1},
                                   {gpsCalcUi->MlonglineEdit, &lon2},
                                   {gpsCalcUi->MlatlineEdit, &lat2}});
    if (refusal.isEmpty())
        refusal = LatLong::rangeRefusal(lat1, lon1);
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
    double latitude = 0;
    double longitude = 0;
    QString refusal =
        readNumbers({{gpsCalcUi->latlineEdit, &latitude}, {gpsCalcUi->longlineEdit, &longitude}});
    if (refusal.isEmpty())
        refusal = UtmConversion::toUtmRefusal(ellipsoid, latitude, longitude);
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
    UTM utm{0, 0, gpsCalcUi->utmZlineEdit->text()};
    QString refusal = readNumbers(
        {{gpsCalcUi->utmElineEdit, &utm.easting}, {gpsCalcUi->utmNlineEdit, &utm.northing}});
    if (refusal.isEmpty())
        refusal = UtmConversion::toLatLongRefusal(ellipsoid, utm);
    if (!refusal.isEmpty()) {
        Prompt::warning(gpsCalcDialog, tr("UTM Conversions"), refusal);
        return;
    }
    const LatLong position = UtmConversion::UTM_to_LatLong(ellipsoid, utm);
    gpsCalcUi->latlineEdit->setText(fixed(position.latitude));
    gpsCalcUi->longlineEdit->setText(fixed(position.longitude));
}
