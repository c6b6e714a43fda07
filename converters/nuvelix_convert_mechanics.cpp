// The converter panels of time, speed, torque, force and pressure.
#include "nuvelix_convert.h"
#include "ui_nuvelix_convert.h"

#include "unittables.h"

void nuvelix_convert::Time_Init()
{
    ui->time_inputEdit_to->setReadOnly(true);
    connect(ui->time_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Time_inputEdit_textChanged);
    connect(ui->time_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Time_fromUnitCombox_currentIndexChanged);
    connect(ui->time_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Time_toUnitCombox_currentIndexChanged);
    connect(ui->time_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Time_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_time, QStringLiteral(":/property_icons/time.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_time->setStretch(1, 3);
}

void nuvelix_convert::Time_inputEdit_textChanged(const QString &)
{
    Time_updateResult();
}

void nuvelix_convert::Time_fromUnitCombox_currentIndexChanged(int)
{
    Time_updateResult();
}

void nuvelix_convert::Time_toUnitCombox_currentIndexChanged(int)
{
    Time_updateResult();
}

void nuvelix_convert::Time_InterchangeButtonClicked()
{
    swapUnits(ui->time_fromUnitCombox, ui->time_toUnitCombox);
}

void nuvelix_convert::Time_updateResult()
{
    ui->time_inputEdit_to->setText(UnitTables::time().resultText(
        ui->time_inputEdit_source->text(), ui->time_fromUnitCombox->currentText(),
        ui->time_toUnitCombox->currentText()));
}

void nuvelix_convert::Speed_Init()
{
    ui->speed_inputEdit_to->setReadOnly(true);
    connect(ui->speed_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Speed_inputEdit_textChanged);
    connect(ui->speed_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Speed_fromUnitCombox_currentIndexChanged);
    connect(ui->speed_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Speed_toUnitCombox_currentIndexChanged);
    connect(ui->speed_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Speed_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_speed, QStringLiteral(":/property_icons/speed.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_speed->setStretch(1, 3);
}

void nuvelix_convert::Speed_inputEdit_textChanged(const QString &)
{
    Speed_updateResult();
}

void nuvelix_convert::Speed_fromUnitCombox_currentIndexChanged(int)
{
    Speed_updateResult();
}

void nuvelix_convert::Speed_toUnitCombox_currentIndexChanged(int)
{
    Speed_updateResult();
}

void nuvelix_convert::Speed_InterchangeButtonClicked()
{
    swapUnits(ui->speed_fromUnitCombox, ui->speed_toUnitCombox);
}

void nuvelix_convert::Speed_updateResult()
{
    ui->speed_inputEdit_to->setText(UnitTables::speed().resultText(
        ui->speed_inputEdit_source->text(), ui->speed_fromUnitCombox->currentText(),
        ui->speed_toUnitCombox->currentText()));
}

void nuvelix_convert::Torque_Init()
{
    ui->torque_inputEdit_to->setReadOnly(true);
    connect(ui->torque_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Torque_inputEdit_textChanged);
    connect(ui->torque_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Torque_fromUnitCombox_currentIndexChanged);
    connect(ui->torque_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Torque_toUnitCombox_currentIndexChanged);
    connect(ui->torque_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Torque_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_torque, QStringLiteral(":/property_icons/torque.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_torque->setStretch(1, 3);
}

void nuvelix_convert::Torque_inputEdit_textChanged(const QString &)
{
    Torque_updateResult();
}

void nuvelix_convert::Torque_fromUnitCombox_currentIndexChanged(int)
{
    Torque_updateResult();
}

void nuvelix_convert::Torque_toUnitCombox_currentIndexChanged(int)
{
    Torque_updateResult();
}

void nuvelix_convert::Torque_InterchangeButtonClicked()
{
    swapUnits(ui->torque_fromUnitCombox, ui->torque_toUnitCombox);
}

void nuvelix_convert::Torque_updateResult()
{
    ui->torque_inputEdit_to->setText(UnitTables::torque().resultText(
        ui->torque_inputEdit_source->text(), ui->torque_fromUnitCombox->currentText(),
        ui->torque_toUnitCombox->currentText()));
}

void nuvelix_convert::Force_Init()
{
    ui->force_inputEdit_to->setReadOnly(true);
    connect(ui->force_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Force_inputEdit_textChanged);
    connect(ui->force_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Force_fromUnitCombox_currentIndexChanged);
    connect(ui->force_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Force_toUnitCombox_currentIndexChanged);
    connect(ui->force_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Force_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_force, QStringLiteral(":/property_icons/force.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_force->setStretch(1, 3);
}

void nuvelix_convert::Force_inputEdit_textChanged(const QString &)
{
    Force_updateResult();
}

void nuvelix_convert::Force_fromUnitCombox_currentIndexChanged(int)
{
    Force_updateResult();
}

void nuvelix_convert::Force_toUnitCombox_currentIndexChanged(int)
{
    Force_updateResult();
}

void nuvelix_convert::Force_InterchangeButtonClicked()
{
    swapUnits(ui->force_fromUnitCombox, ui->force_toUnitCombox);
}

void nuvelix_convert::Force_updateResult()
{
    ui->force_inputEdit_to->setText(UnitTables::force().resultText(
        ui->force_inputEdit_source->text(), ui->force_fromUnitCombox->currentText(),
        ui->force_toUnitCombox->currentText()));
}

void nuvelix_convert::Pressure_Init()
{
    ui->pressure_inputEdit_to->setReadOnly(true);
    connect(ui->pressure_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Pressure_inputEdit_textChanged);
    connect(ui->pressure_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Pressure_fromUnitCombox_currentIndexChanged);
    connect(ui->pressure_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Pressure_toUnitCombox_currentIndexChanged);
    connect(ui->pressure_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Pressure_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_pressure, QStringLiteral(":/property_icons/pressure.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_pressure->setStretch(1, 3);
}

void nuvelix_convert::Pressure_inputEdit_textChanged(const QString &)
{
    Pressure_updateResult();
}

void nuvelix_convert::Pressure_fromUnitCombox_currentIndexChanged(int)
{
    Pressure_updateResult();
}

void nuvelix_convert::Pressure_toUnitCombox_currentIndexChanged(int)
{
    Pressure_updateResult();
}

void nuvelix_convert::Pressure_InterchangeButtonClicked()
{
    swapUnits(ui->pressure_fromUnitCombox, ui->pressure_toUnitCombox);
}

void nuvelix_convert::Pressure_updateResult()
{
    ui->pressure_inputEdit_to->setText(UnitTables::pressure().resultText(
        ui->pressure_inputEdit_source->text(), ui->pressure_fromUnitCombox->currentText(),
        ui->pressure_toUnitCombox->currentText()));
}
