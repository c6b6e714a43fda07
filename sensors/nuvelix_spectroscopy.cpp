#include "nuvelix_spectroscopy.h"
#include "ui_nuvelix_spectroscopy.h"

#include "nuvelix_spectroscopy_spline.h"
#include "nuvelix_spectroscopy_squarediagram.h"
#include "spectraroute.h"

#include <QChartView>
#include <QStackedWidget>

nuvelix_spectroscopy::nuvelix_spectroscopy(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::nuvelix_spectroscopy>())
    , barsAS7341(new nuvelix_spectroscopy_Squarediagram(this))
    , barsAS7343(new nuvelix_spectroscopy_Squarediagram(this))
    , barsAS7265X(new nuvelix_spectroscopy_Squarediagram(this))
    , spectrumCurve(new nuvelix_spectroscopy_spline)
    , stackedWidget(new QStackedWidget(this))
{
    ui->setupUi(this);
    barsAS7341->setupPlot_AS7341();
    barsAS7343->setupPlot_AS7343();
    barsAS7265X->setupPlot_AS7265X();
    stackedWidget->addWidget(barsAS7341->chartView());
    stackedWidget->addWidget(barsAS7343->chartView());
    stackedWidget->addWidget(barsAS7265X->chartView());
    stackedWidget->addWidget(spectrumCurve);
    ui->gridLayout->addWidget(stackedWidget);
    stackedWidget->setCurrentIndex(0);
}

nuvelix_spectroscopy::~nuvelix_spectroscopy() = default;

void nuvelix_spectroscopy::change(int page)
{
    stackedWidget->setCurrentIndex(page);
}

void nuvelix_spectroscopy::update_data_barset(quint8 index, double value, quint8 type, quint8 mode)
{
    const std::optional<SpectraRoute> route = SpectraRoute::of(index, type, mode);
    if (!route)
        return;
    const auto slot = quint8(route->slot);
    switch (route->target) {
    case SpectraRoute::Target::BarsAS7341:
        barsAS7341->update_data_barset(slot, value);
        break;
    case SpectraRoute::Target::BarsAS7343:
        barsAS7343->update_data_barset(slot, value);
        break;
    case SpectraRoute::Target::BarsAS7265X:
        barsAS7265X->update_data_barset(slot, value);
        break;
    case SpectraRoute::Target::Curve:
        spectrumCurve->update_data_barset(slot, value);
        break;
    }
}
