#include "nuvelix_tof_data.h"
#include "ui_nuvelix_tof_data.h"

#include "tofcolours.h"
#include "tofzonelabel.h"

nuvelix_tof_data::nuvelix_tof_data(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::nuvelix_tof_data>())
{
    ui->setupUi(this);
    changeArrangement(0);
}

nuvelix_tof_data::~nuvelix_tof_data() = default;

void nuvelix_tof_data::changeArrangement(int arrangement)
{
    qDeleteAll(zoneLabels);
    zoneLabels.clear();
    while (QLayoutItem *item = ui->gridLayout_tofdata->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const int side = arrangement == 0 ? 4 : 8;
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            auto *label = new TofZoneLabel(this);
            ui->gridLayout_tofdata->addWidget(label, row, column);
            zoneLabels.append(label);
        }
    }
}

void nuvelix_tof_data::updateLabelValues(int index, int value)
{
    if (index >= 0 && index < zoneLabels.size())
        zoneLabels.at(index)->setDistance(value);
}

QColor nuvelix_tof_data::calculateColor(int value)
{
    return TofColours::distanceColour(value);
}

int nuvelix_tof_data::calculateValue(const QString &text)
{
    return text.toInt(nullptr, 10);
}

QFont nuvelix_tof_data::set_label_font()
{
    return TofZoneLabel::labelFont();
}
