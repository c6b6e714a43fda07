#include "nuvelix_i2c_tools.h"
#include "ui_nuvelix_i2c_tools.h"

#include "framepace.h"
#include "i2cframe.h"
#include "i2cregistercell.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QScreen>

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

// Gives a label of the table its font (bold for the headers) and centres
// its text.
QLabel *centred(QLabel *label, bool bold)
{
    label->setFont(nuvelix_i2c_tools::set_label_font(bold));
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

nuvelix_i2c_tools::nuvelix_i2c_tools(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::nuvelix_i2c_tools>())
    , showPace(FramePace::frameMsOf(screen()->refreshRate()))
{
    ui->setupUi(this);
    for (int address = 0; address < addressCount; ++address)
        ui->comboBox->addItem(QLatin1String("0x") + hex(address));
    // Connected after filling, so that filling sends no address.
    connect(ui->comboBox, &QComboBox::currentIndexChanged, this,
            &nuvelix_i2c_tools::onCurrentIndexChanged);
    buildTable();
    // A cell's new text asks the layouts for a pass, which would go up
    // through the tab to the main window and repaint the whole tab, for
    // every show. The table's geometry follows only the widget's size, fonts,
    // style and direction, so the layout runs at those alone (relayout()).
    layout()->setEnabled(false);
    connect(&showPace, &FramePace::due, this, &nuvelix_i2c_tools::showPending);
}

nuvelix_i2c_tools::~nuvelix_i2c_tools() = default;

// Column headers 00..0F above, row headers 00..F0 left, the cells between.
void nuvelix_i2c_tools::buildTable()
{
    for (int n = 0; n < tableSide; ++n) {
        ui->gridLayout->addWidget(centred(new QLabel(hex(n)), true), 0, n + 1);
        ui->gridLayout->addWidget(centred(new QLabel(hex(n * tableSide)), true), n + 1, 0);
    }
    registerLabels.reserve(I2cRegisterTable::size);
    const auto texts = std::make_shared<I2cRegisterCell::Texts>();
    for (int index = 0; index < I2cRegisterTable::size; ++index) {
        QLabel *cell = centred(new I2cRegisterCell(hex(0), texts), false);
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

// Runs the layout as an enabled one would, once.
void nuvelix_i2c_tools::relayout()
{
    QLayout *grid = layout();
    grid->setEnabled(true);
    grid->invalidate();
    grid->activate();
    grid->setEnabled(false);
}

void nuvelix_i2c_tools::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void nuvelix_i2c_tools::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::LayoutDirectionChange)
        relayout();
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
        case I2cFrame::RegisterTable:
            registers.take(frame.payload);
            break;
        default:
            break;
        }
    }
    // At once after a quiet spell, else a frame of the screen after the last
    // show: the tables that come meanwhile are taken, the newest shows.
    if (registers.hasPending())
        showPace.request();
}

void nuvelix_i2c_tools::updateLabelValues(int index, quint8 value)
{
    if (index < 0 || index >= I2cRegisterTable::size)
        return;
    registers.take(index, value);
    showPace.dueNow();
}

// Only the cells whose text or shade changes are touched.
void nuvelix_i2c_tools::showPending()
{
    for (const I2cRegisterTable::CellChange &change : registers.show()) {
        QLabel *cell = registerLabels.at(change.index);
        if (change.text)
            cell->setText(hex(registers.value(change.index)));
        if (change.shade) {
            QPalette palette = cell->palette();
            palette.setColor(QPalette::Window, shadeColour(registers.shade(change.index)));
            cell->setPalette(palette);
            cell->setAutoFillBackground(true);
        }
    }
}

void nuvelix_i2c_tools::onCurrentIndexChanged(int value)
{
    Q_EMIT Channge_Addr(value);
}
