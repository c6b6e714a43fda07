#include "nuvelix_i2c_tools.h"
#include "ui_nuvelix_i2c_tools.h"

#include "i2cframe.h"

#include <QLabel>
#include <QPalette>

namespace {
constexpr int addressCount = 128;
constexpr int tableSide = 16;

// Two upper-case hex digits.
QString hex(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QColor shadeColour(I2cRegisterTable::Shade shade)
{
    switch (shade) {
    case I2cRegisterTable::Shade::Green:
        return QColor(0x00, 0xcd, 0x66);
    case I2cRegisterTable::Shade::Pink:
        return QColor(0xff, 0x69, 0xb4);
    default:
        return Qt::white;
    }
}

QLabel *centredLabel(const QString &text, bool bold)
{
    auto *label = new QLabel(text);
    label->setFont(nuvelix_i2c_tools::set_label_font(bold));
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

nuvelix_i2c_tools::nuvelix_i2c_tools(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::nuvelix_i2c_tools>())
{
    ui->setupUi(this);
    for (int address = 0; address < addressCount; ++address)
        ui->comboBox->addItem(QLatin1String("0x") + hex(address));
    // Connected after filling, so that filling sends no address.
    connect(ui->comboBox, &QComboBox::currentIndexChanged, this,
            &nuvelix_i2c_tools::onCurrentIndexChanged);
    buildTable();
}

nuvelix_i2c_tools::~nuvelix_i2c_tools() = default;

// Column headers 00..0F above, row headers 00..F0 left, the cells between.
void nuvelix_i2c_tools::buildTable()
{
    for (int n = 0; n < tableSide; ++n) {
        ui->gridLayout->addWidget(centredLabel(hex(n), true), 0, n + 1);
        ui->gridLayout->addWidget(centredLabel(hex(n * tableSide), true), n + 1, 0);
    }
    registerLabels.reserve(I2cRegisterTable::size);
    for (int index = 0; index < I2cRegisterTable::size; ++index) {
        QLabel *cell = centredLabel(hex(0), false);
        ui->gridLayout->addWidget(cell, index / tableSide + 1, index % tableSide + 1);
        registerLabels.append(cell);
    }
}

QFont nuvelix_i2c_tools::set_label_font(bool bold)
{
    QFont font;
    font.setPointSize(10);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

quint8 nuvelix_i2c_tools::calculateChecksum(const quint8 *data, size_t length)
{
    return I2cFrame::checksum(QByteArrayView(data, qsizetype(length)));
}

void nuvelix_i2c_tools::clearFrameBuffer()
{
    frameBuffer.reset();
}

void nuvelix_i2c_tools::updateValues(const QByteArray &bytes)
{
    for (const I2cFrame &frame : frameBuffer.feed(bytes).results) {
        switch (frame.type) {
        case I2cFrame::ScanResult:
            Q_EMIT Get_Addr(frame.payload);
            break;
        case I2cFrame::ReadResult:
            Q_EMIT Get_Data(frame.payload);
            break;
        case I2cFrame::RegisterTable: {
            const qsizetype count = qMin<qsizetype>(frame.payload.size(), I2cRegisterTable::size);
            for (int index = 0; index < count; ++index)
                updateLabelValues(index, quint8(frame.payload.at(index)));
            break;
        }
        default:
            break;
        }
    }
}

void nuvelix_i2c_tools::updateLabelValues(int index, quint8 value)
{
    if (index < 0 || index >= I2cRegisterTable::size)
        return;
    const bool shadeChanged = registers.apply(index, value);
    QLabel *cell = registerLabels.at(index);
    const QString text = hex(value);
    if (cell->text() != text)
        cell->setText(text);
    if (!shadeChanged)
        return;
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, shadeColour(registers.shade(index)));
    cell->setPalette(palette);
    cell->setAutoFillBackground(true);
}

void nuvelix_i2c_tools::onCurrentIndexChanged(int value)
{
    Q_EMIT Channge_Addr(value);
}
