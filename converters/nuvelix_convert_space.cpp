// The converter panels of length, mass, area and volume.
#include "nuvelix_convert.h"
#include "ui_nuvelix_convert.h"

#include "unittables.h"

void nuvelix_convert::Lengths_Init()
{
    // Selected by the English text before the connections, so this computes
    // nothing; translated labels do not match and the first unit stays.
    ui->lengths_fromUnitCombox->setCurrentText(QStringLiteral("mm(millimeter)"));
    ui->lengths_toUnitCombox->setCurrentText(QStringLiteral("mil(mill)"));
    ui->lengths_inputEdit_to->setReadOnly(true);
    connect(ui->lengths_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Lengths_inputEdit_textChanged);
    connect(ui->lengths_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Lengths_fromUnitCombox_currentIndexChanged);
    connect(ui->lengths_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Lengths_toUnitCombox_currentIndexChanged);
    connect(ui->lengths_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Lengths_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_lengths, QStringLiteral(":/property_icons/length.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_lengths->setStretch(1, 3);
}

void nuvelix_convert::Lengths_inputEdit_textChanged(const QString &)
{
    Lengths_updateResult();
}

void nuvelix_convert::Lengths_fromUnitCombox_currentIndexChanged(int)
{
    Lengths_updateResult();
}

void nuvelix_convert::Lengths_toUnitCombox_currentIndexChanged(int)
{
    Lengths_updateResult();
}

void nuvelix_convert::Lengths_InterchangeButtonClicked()
{
    swapUnits(ui->lengths_fromUnitCombox, ui->lengths_toUnitCombox);
}

void nuvelix_convert::Lengths_updateResult()
{
    ui->lengths_inputEdit_to->setText(UnitTables::lengths().resultText(
        ui->lengths_inputEdit_source->text(), ui->lengths_fromUnitCombox->currentText(),
        ui->lengths_toUnitCombox->currentText()));
}

void nuvelix_convert::Mass_Init()
{
    ui->mass_inputEdit_to->setReadOnly(true);
    connect(ui->mass_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Mass_inputEdit_textChanged);
    connect(ui->mass_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Mass_fromUnitCombox_currentIndexChanged);
    connect(ui->mass_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Mass_toUnitCombox_currentIndexChanged);
    connect(ui->mass_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Mass_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_mass, QStringLiteral(":/property_icons/mass.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_mass->setStretch(1, 3);
}

void nuvelix_convert::Mass_inputEdit_textChanged(const QString &)
{
    Mass_updateResult();
}

void nuvelix_convert::Mass_fromUnitCombox_currentIndexChanged(int)
{
    Mass_updateResult();
}

void nuvelix_convert::Mass_toUnitCombox_currentIndexChanged(int)
{
    Mass_updateResult();
}

void nuvelix_convert::Mass_InterchangeButtonClicked()
{
    swapUnits(ui->mass_fromUnitCombox, ui->mass_toUnitCombox);
}

void nuvelix_convert::Mass_updateResult()
{
    ui->mass_inputEdit_to->setText(UnitTables::mass().resultText(
        ui->mass_inputEdit_source->text(), ui->mass_fromUnitCombox->currentText(),
        ui->mass_toUnitCombox->currentText()));
}

void nuvelix_convert::Area_Init()
{
    ui->area_inputEdit_to->setReadOnly(true);
    connect(ui->area_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Area_inputEdit_textChanged);
    connect(ui->area_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Area_fromUnitCombox_currentIndexChanged);
    connect(ui->area_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Area_toUnitCombox_currentIndexChanged);
    connect(ui->area_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Area_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_area, QStringLiteral(":/property_icons/area.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_area->setStretch(1, 3);
}

void nuvelix_convert::Area_inputEdit_textChanged(const QString &)
{
    Area_updateResult();
}

void nuvelix_convert::Area_fromUnitCombox_currentIndexChanged(int)
{
    Area_updateResult();
}

void nuvelix_convert::Area_toUnitCombox_currentIndexChanged(int)
{
    Area_updateResult();
}

void nuvelix_convert::Area_InterchangeButtonClicked()
{
    swapUnits(ui->area_fromUnitCombox, ui->area_toUnitCombox);
}

void nuvelix_convert::Area_updateResult()
{
    ui->area_inputEdit_to->setText(UnitTables::area().resultText(
        ui->area_inputEdit_source->text(), ui->area_fromUnitCombox->currentText(),
        ui->area_toUnitCombox->currentText()));
}

void nuvelix_convert::Volume_Init()
{
    ui->volume_inputEdit_to->setReadOnly(true);
    connect(ui->volume_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Volume_inputEdit_textChanged);
    connect(ui->volume_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Volume_fromUnitCombox_currentIndexChanged);
    connect(ui->volume_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Volume_toUnitCombox_currentIndexChanged);
    connect(ui->volume_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Volume_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_volume, QStringLiteral(":/property_icons/volume.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_volume->setStretch(1, 3);
}

void nuvelix_convert::Volume_inputEdit_textChanged(const QString &)
{
    Volume_updateResult();
}

void nuvelix_convert::Volume_fromUnitCombox_currentIndexChanged(int)
{
    Volume_updateResult();
}

void nuvelix_convert::Volume_toUnitCombox_currentIndexChanged(int)
{
    Volume_updateResult();
}

void nuvelix_convert::Volume_InterchangeButtonClicked()
{
    swapUnits(ui->volume_fromUnitCombox, ui->volume_toUnitCombox);
}

void nuvelix_convert::Volume_updateResult()
{
    ui->volume_inputEdit_to->setText(UnitTables::volume().resultText(
        ui->volume_inputEdit_source->text(), ui->volume_fromUnitCombox->currentText(),
        ui->volume_toUnitCombox->currentText()));
}
