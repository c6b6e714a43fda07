#include "nuvelix_tof.h"
#include "ui_nuvelix_tof.h"

#include "nuvelix_tof_data.h"
#include "nuvelix_tof_surface.h"

#include <QStackedWidget>

nuvelix_tof::nuvelix_tof(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::nuvelix_tof>())
    , stackedWidget(new QStackedWidget(this))
    , tofSurface(new nuvelix_tof_surface(this))
    , tofData(new nuvelix_tof_data(this))
{
    ui->setupUi(this);
    stackedWidget->addWidget(tofData);
    stackedWidget->addWidget(tofSurface);
    ui->gridLayout->addWidget(stackedWidget);
    stackedWidget->setCurrentIndex(0);
}

nuvelix_tof::~nuvelix_tof() = default;

void nuvelix_tof::change(int page)
{
    stackedWidget->setCurrentIndex(page);
}

void nuvelix_tof::update_data_barset(quint8, double) {}
