// The converter panels of temperature scales, power, energy and data storage.
#include "nuvelix_convert.h"
#include "ui_nuvelix_convert.h"

#include "unittables.h"

void nuvelix_convert::Temperature_Init()
{
    ui->temperature_inputEdit_to->setReadOnly(true);
    connect(ui->temperature_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Temperature_inputEdit_textChanged);
    connect(ui->temperature_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Temperature_fromUnitCombox_currentIndexChanged);
    connect(ui->temperature_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Temperature_toUnitCombox_currentIndexChanged);
    connect(ui->temperature_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Temperature_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_temperature, QStringLiteral(":/property_icons/temperature.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_temperature->setStretch(1, 3);
}

void nuvelix_convert::Temperature_inputEdit_textChanged(const QString &)
{
    Temperature_updateResult();
}

void nuvelix_convert::Temperature_fromUnitCombox_currentIndexChanged(int)
{
    Temperature_updateResult();
}

void nuvelix_convert::Temperature_toUnitCombox_currentIndexChanged(int)
{
    Temperature_updateResult();
}

void nuvelix_convert::Temperature_InterchangeButtonClicked()
{
    swapUnits(ui->temperature_fromUnitCombox, ui->temperature_toUnitCombox);
}

void nuvelix_convert::Temperature_updateResult()
{
    ui->temperature_inputEdit_to->setText(UnitTables::temperature().resultText(
        ui->temperature_inputEdit_source->text(), ui->temperature_fromUnitCombox->currentText(),
        ui->temperature_toUnitCombox->currentText()));
}

void nuvelix_convert::Power_Init()
{
    ui->power_inputEdit_to->setReadOnly(true);
    connect(ui->power_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Power_inputEdit_textChanged);
    connect(ui->power_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Power_fromUnitCombox_currentIndexChanged);
    connect(ui->power_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Power_toUnitCombox_currentIndexChanged);
    connect(ui->power_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Power_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_power, QStringLiteral(":/property_icons/power.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_power->setStretch(1, 3);
}

void nuvelix_convert::Power_inputEdit_textChanged(const QString &)
{
    Power_updateResult();
}

void nuvelix_convert::Power_fromUnitCombox_currentIndexChanged(int)
{
    Power_updateResult();
}

void nuvelix_convert::Power_toUnitCombox_currentIndexChanged(int)
{
    Power_updateResult();
}

void nuvelix_convert::Power_InterchangeButtonClicked()
{
    swapUnits(ui->power_fromUnitCombox, ui->power_toUnitCombox);
}

void nuvelix_convert::Power_updateResult()
{
    ui->power_inputEdit_to->setText(UnitTables::power().resultText(
        ui->power_inputEdit_source->text(), ui->power_fromUnitCombox->currentText(),
        ui->power_toUnitCombox->currentText()));
}

void nuvelix_convert::Energy_Init()
{
    ui->energy_inputEdit_to->setReadOnly(true);
    connect(ui->energy_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Energy_inputEdit_textChanged);
    connect(ui->energy_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Energy_fromUnitCombox_currentIndexChanged);
    connect(ui->energy_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Energy_toUnitCombox_currentIndexChanged);
    connect(ui->energy_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Energy_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_energy, QStringLiteral(":/property_icons/energy.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_energy->setStretch(1, 3);
}

void nuvelix_convert::Energy_inputEdit_textChanged(const QString &)
{
    Energy_updateResult();
}

void nuvelix_convert::Energy_fromUnitCombox_currentIndexChanged(int)
{
    Energy_updateResult();
}

void nuvelix_convert::Energy_toUnitCombox_currentIndexChanged(int)
{
    Energy_updateResult();
}

void nuvelix_convert::Energy_InterchangeButtonClicked()
{
    swapUnits(ui->energy_fromUnitCombox, ui->energy_toUnitCombox);
}

void nuvelix_convert::Energy_updateResult()
{
    ui->energy_inputEdit_to->setText(UnitTables::energy().resultText(
        ui->energy_inputEdit_source->text(), ui->energy_fromUnitCombox->currentText(),
        ui->energy_toUnitCombox->currentText()));
}

void nuvelix_convert::DataStorage_Init()
{
    ui->datastorage_inputEdit_to->setReadOnly(true);
    connect(ui->datastorage_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::DataStorage_inputEdit_textChanged);
    connect(ui->datastorage_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::DataStorage_fromUnitCombox_currentIndexChanged);
    connect(ui->datastorage_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::DataStorage_toUnitCombox_currentIndexChanged);
    connect(ui->datastorage_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::DataStorage_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_datastorage, QStringLiteral(":/property_icons/datastorage.svg"),
                   HeaderIcon::Fixed30);
    ui->horizontalLayout_datastorage->setStretch(1, 3);
}

void nuvelix_convert::DataStorage_inputEdit_textChanged(const QString &)
{
    DataStorage_updateResult();
}

void nuvelix_convert::DataStorage_fromUnitCombox_currentIndexChanged(int)
{
    DataStorage_updateResult();
}

void nuvelix_convert::DataStorage_toUnitCombox_currentIndexChanged(int)
{
    DataStorage_updateResult();
}

void nuvelix_convert::DataStorage_InterchangeButtonClicked()
{
    swapUnits(ui->datastorage_fromUnitCombox, ui->datastorage_toUnitCombox);
}

void nuvelix_convert::DataStorage_updateResult()
{
    ui->datastorage_inputEdit_to->setText(UnitTables::dataStorage().resultText(
        ui->datastorage_inputEdit_source->text(), ui->datastorage_fromUnitCombox->currentText(),
        ui->datastorage_toUnitCombox->currentText()));
}
