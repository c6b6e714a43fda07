// The converter panels of electrical and magnetic quantities and angle.
#include "nuvelix_convert.h"
#include "ui_nuvelix_convert.h"

#include "unittables.h"

void nuvelix_convert::Capacitance_Init()
{
    ui->capacitance_inputEdit_to->setReadOnly(true);
    connect(ui->capacitance_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Capacitance_inputEdit_textChanged);
    connect(ui->capacitance_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Capacitance_fromUnitCombox_currentIndexChanged);
    connect(ui->capacitance_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Capacitance_toUnitCombox_currentIndexChanged);
    connect(ui->capacitance_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Capacitance_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_capacitance, QStringLiteral(":/property_icons/capacitance.svg"),
                   HeaderIcon::Fixed30);
    ui->horizontalLayout_capacitance->setStretch(1, 3);
}

void nuvelix_convert::Capacitance_inputEdit_textChanged(const QString &)
{
    Capacitance_updateResult();
}

void nuvelix_convert::Capacitance_fromUnitCombox_currentIndexChanged(int)
{
    Capacitance_updateResult();
}

void nuvelix_convert::Capacitance_toUnitCombox_currentIndexChanged(int)
{
    Capacitance_updateResult();
}

void nuvelix_convert::Capacitance_InterchangeButtonClicked()
{
    swapUnits(ui->capacitance_fromUnitCombox, ui->capacitance_toUnitCombox);
}

void nuvelix_convert::Capacitance_updateResult()
{
    ui->capacitance_inputEdit_to->setText(UnitTables::capacitance().resultText(
        ui->capacitance_inputEdit_source->text(), ui->capacitance_fromUnitCombox->currentText(),
        ui->capacitance_toUnitCombox->currentText()));
}

void nuvelix_convert::Resistance_Init()
{
    ui->resistance_inputEdit_to->setReadOnly(true);
    connect(ui->resistance_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Resistance_inputEdit_textChanged);
    connect(ui->resistance_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Resistance_fromUnitCombox_currentIndexChanged);
    connect(ui->resistance_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Resistance_toUnitCombox_currentIndexChanged);
    connect(ui->resistance_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Resistance_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_resistance, QStringLiteral(":/property_icons/resistance.svg"),
                   HeaderIcon::Fixed30);
    ui->horizontalLayout_resistance->setStretch(1, 3);
}

void nuvelix_convert::Resistance_inputEdit_textChanged(const QString &)
{
    Resistance_updateResult();
}

void nuvelix_convert::Resistance_fromUnitCombox_currentIndexChanged(int)
{
    Resistance_updateResult();
}

void nuvelix_convert::Resistance_toUnitCombox_currentIndexChanged(int)
{
    Resistance_updateResult();
}

void nuvelix_convert::Resistance_InterchangeButtonClicked()
{
    swapUnits(ui->resistance_fromUnitCombox, ui->resistance_toUnitCombox);
}

void nuvelix_convert::Resistance_updateResult()
{
    ui->resistance_inputEdit_to->setText(UnitTables::resistance().resultText(
        ui->resistance_inputEdit_source->text(), ui->resistance_fromUnitCombox->currentText(),
        ui->resistance_toUnitCombox->currentText()));
}

void nuvelix_convert::Conductance_Init()
{
    ui->conductance_inputEdit_to->setReadOnly(true);
    connect(ui->conductance_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Conductance_inputEdit_textChanged);
    connect(ui->conductance_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Conductance_fromUnitCombox_currentIndexChanged);
    connect(ui->conductance_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Conductance_toUnitCombox_currentIndexChanged);
    connect(ui->conductance_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Conductance_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_conductance, QStringLiteral(":/property_icons/conductance.svg"),
                   HeaderIcon::Fixed30);
    ui->horizontalLayout_conductance->setStretch(1, 3);
}

void nuvelix_convert::Conductance_inputEdit_textChanged(const QString &)
{
    Conductance_updateResult();
}

void nuvelix_convert::Conductance_fromUnitCombox_currentIndexChanged(int)
{
    Conductance_updateResult();
}

void nuvelix_convert::Conductance_toUnitCombox_currentIndexChanged(int)
{
    Conductance_updateResult();
}

void nuvelix_convert::Conductance_InterchangeButtonClicked()
{
    swapUnits(ui->conductance_fromUnitCombox, ui->conductance_toUnitCombox);
}

void nuvelix_convert::Conductance_updateResult()
{
    ui->conductance_inputEdit_to->setText(UnitTables::conductance().resultText(
        ui->conductance_inputEdit_source->text(), ui->conductance_fromUnitCombox->currentText(),
        ui->conductance_toUnitCombox->currentText()));
}

void nuvelix_convert::Inductance_Init()
{
    ui->inductance_inputEdit_to->setReadOnly(true);
    connect(ui->inductance_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Inductance_inputEdit_textChanged);
    connect(ui->inductance_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Inductance_fromUnitCombox_currentIndexChanged);
    connect(ui->inductance_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Inductance_toUnitCombox_currentIndexChanged);
    connect(ui->inductance_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Inductance_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_inductance, QStringLiteral(":/property_icons/inductance.svg"),
                   HeaderIcon::Fixed30);
    ui->horizontalLayout_inductance->setStretch(1, 3);
}

void nuvelix_convert::Inductance_inputEdit_textChanged(const QString &)
{
    Inductance_updateResult();
}

void nuvelix_convert::Inductance_fromUnitCombox_currentIndexChanged(int)
{
    Inductance_updateResult();
}

void nuvelix_convert::Inductance_toUnitCombox_currentIndexChanged(int)
{
    Inductance_updateResult();
}

void nuvelix_convert::Inductance_InterchangeButtonClicked()
{
    swapUnits(ui->inductance_fromUnitCombox, ui->inductance_toUnitCombox);
}

void nuvelix_convert::Inductance_updateResult()
{
    ui->inductance_inputEdit_to->setText(UnitTables::inductance().resultText(
        ui->inductance_inputEdit_source->text(), ui->inductance_fromUnitCombox->currentText(),
        ui->inductance_toUnitCombox->currentText()));
}

void nuvelix_convert::Current_Init()
{
    ui->current_inputEdit_to->setReadOnly(true);
    connect(ui->current_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Current_inputEdit_textChanged);
    connect(ui->current_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Current_fromUnitCombox_currentIndexChanged);
    connect(ui->current_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Current_toUnitCombox_currentIndexChanged);
    connect(ui->current_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Current_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_current, QStringLiteral(":/property_icons/current.svg"),
                   HeaderIcon::Fixed30);
    ui->horizontalLayout_current->setStretch(1, 3);
}

void nuvelix_convert::Current_inputEdit_textChanged(const QString &)
{
    Current_updateResult();
}

void nuvelix_convert::Current_fromUnitCombox_currentIndexChanged(int)
{
    Current_updateResult();
}

void nuvelix_convert::Current_toUnitCombox_currentIndexChanged(int)
{
    Current_updateResult();
}

void nuvelix_convert::Current_InterchangeButtonClicked()
{
    swapUnits(ui->current_fromUnitCombox, ui->current_toUnitCombox);
}

void nuvelix_convert::Current_updateResult()
{
    ui->current_inputEdit_to->setText(UnitTables::current().resultText(
        ui->current_inputEdit_source->text(), ui->current_fromUnitCombox->currentText(),
        ui->current_toUnitCombox->currentText()));
}

void nuvelix_convert::Charge_Init()
{
    ui->charge_inputEdit_to->setReadOnly(true);
    connect(ui->charge_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Charge_inputEdit_textChanged);
    connect(ui->charge_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Charge_fromUnitCombox_currentIndexChanged);
    connect(ui->charge_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Charge_toUnitCombox_currentIndexChanged);
    connect(ui->charge_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Charge_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_charge, QStringLiteral(":/property_icons/charge.svg"),
                   HeaderIcon::Fixed30);
    ui->horizontalLayout_charge->setStretch(1, 3);
}

void nuvelix_convert::Charge_inputEdit_textChanged(const QString &)
{
    Charge_updateResult();
}

void nuvelix_convert::Charge_fromUnitCombox_currentIndexChanged(int)
{
    Charge_updateResult();
}

void nuvelix_convert::Charge_toUnitCombox_currentIndexChanged(int)
{
    Charge_updateResult();
}

void nuvelix_convert::Charge_InterchangeButtonClicked()
{
    swapUnits(ui->charge_fromUnitCombox, ui->charge_toUnitCombox);
}

void nuvelix_convert::Charge_updateResult()
{
    ui->charge_inputEdit_to->setText(UnitTables::charge().resultText(
        ui->charge_inputEdit_source->text(), ui->charge_fromUnitCombox->currentText(),
        ui->charge_toUnitCombox->currentText()));
}

void nuvelix_convert::Magnetic_Init()
{
    ui->magnetic_inputEdit_to->setReadOnly(true);
    connect(ui->magnetic_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Magnetic_inputEdit_textChanged);
    connect(ui->magnetic_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Magnetic_fromUnitCombox_currentIndexChanged);
    connect(ui->magnetic_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Magnetic_toUnitCombox_currentIndexChanged);
    connect(ui->magnetic_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Magnetic_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_magnetic, QStringLiteral(":/property_icons/magnetic.svg"),
                   HeaderIcon::Fixed30);
    ui->horizontalLayout_magnetic->setStretch(1, 3);
}

void nuvelix_convert::Magnetic_inputEdit_textChanged(const QString &)
{
    Magnetic_updateResult();
}

void nuvelix_convert::Magnetic_fromUnitCombox_currentIndexChanged(int)
{
    Magnetic_updateResult();
}

void nuvelix_convert::Magnetic_toUnitCombox_currentIndexChanged(int)
{
    Magnetic_updateResult();
}

void nuvelix_convert::Magnetic_InterchangeButtonClicked()
{
    swapUnits(ui->magnetic_fromUnitCombox, ui->magnetic_toUnitCombox);
}

void nuvelix_convert::Magnetic_updateResult()
{
    ui->magnetic_inputEdit_to->setText(UnitTables::magnetic().resultText(
        ui->magnetic_inputEdit_source->text(), ui->magnetic_fromUnitCombox->currentText(),
        ui->magnetic_toUnitCombox->currentText()));
}

void nuvelix_convert::Angle_Init()
{
    ui->angle_inputEdit_to->setReadOnly(true);
    connect(ui->angle_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Angle_inputEdit_textChanged);
    connect(ui->angle_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Angle_fromUnitCombox_currentIndexChanged);
    connect(ui->angle_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Angle_toUnitCombox_currentIndexChanged);
    connect(ui->angle_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Angle_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_angle, QStringLiteral(":/property_icons/angle.svg"),
                   HeaderIcon::Fixed30);
    ui->horizontalLayout_angle->setStretch(1, 3);
}

void nuvelix_convert::Angle_inputEdit_textChanged(const QString &)
{
    Angle_updateResult();
}

void nuvelix_convert::Angle_fromUnitCombox_currentIndexChanged(int)
{
    Angle_updateResult();
}

void nuvelix_convert::Angle_toUnitCombox_currentIndexChanged(int)
{
    Angle_updateResult();
}

void nuvelix_convert::Angle_InterchangeButtonClicked()
{
    swapUnits(ui->angle_fromUnitCombox, ui->angle_toUnitCombox);
}

void nuvelix_convert::Angle_updateResult()
{
    ui->angle_inputEdit_to->setText(UnitTables::angle().resultText(
        ui->angle_inputEdit_source->text(), ui->angle_fromUnitCombox->currentText(),
        ui->angle_toUnitCombox->currentText()));
}
