#include "nuvelix_convert.h"
#include "ui_nuvelix_convert.h"

#include "currencylist.h"
#include "settingsfile.h"
#include "stylesheetfile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScroller>
#include <QSvgRenderer>

#include <cmath>

nuvelix_convert::nuvelix_convert(QWidget *parent, const QString &rateFeedUrl)
    : QWidget(parent)
    , ui(new Ui::nuvelix_convert)
    , m_exchangeRates(settingsFilePath())
{
    ui->setupUi(this);

    // A child, so it is stopped and waited for before the widget is gone.
    auto *rateWorker = new CurrencyConverter(rateFeedUrl, defaultFetchTimeoutMs, this);
    // The rates it stored, and the note on them, show without a keystroke.
    connect(rateWorker, &QThread::finished, this, &nuvelix_convert::Exchangerates_updateResult);
    connect(rateWorker, &QThread::finished, this, &nuvelix_convert::Exchangerates_showRatesInUse);
    rateWorker->start();

    Exchangerates_Init();
    Lengths_Init();
    Mass_Init();
    Area_Init();
    Volume_Init();
    Time_Init();
    Speed_Init();
    Force_Init();
    Torque_Init();
    Temperature_Init();
    Pressure_Init();
    Energy_Init();
    Power_Init();
    Capacitance_Init();
    Resistance_Init();
    Conductance_Init();
    Inductance_Init();
    Current_Init();
    Charge_Init();
    Magnetic_Init();
    Angle_Init();
    DataStorage_Init();

    ui->scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The page can also be dragged with the left mouse button.
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
}

nuvelix_convert::~nuvelix_convert()
{
    delete ui;
}

void nuvelix_convert::setStyleSheets(const QString &qssFile)
{
    StyleSheetFile::apply(qssFile);
}

void nuvelix_convert::showHeaderIcon(QLabel *label, const QString &svgPath, HeaderIcon size)
{
    QSvgRenderer renderer(svgPath);
    const QSize own = renderer.defaultSize();
    const QSize pixels = size == HeaderIcon::Fixed30
                             ? QSize(30, 30)
                             : QSize(static_cast<int>(std::lround(own.width() * 3.0)),
                                     static_cast<int>(std::lround(own.height() * 3.0)));
    QPixmap picture(pixels);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignCenter);
}

void nuvelix_convert::swapUnits(QComboBox *from, QComboBox *to)
{
    const int fromIndex = from->currentIndex();
    const int toIndex = to->currentIndex();
    from->setCurrentIndex(toIndex);
    to->setCurrentIndex(fromIndex);
}

void nuvelix_convert::fillCurrencies(QComboBox *from, QComboBox *to)
{
    // Each flag is read once for both boxes.
    QList<QIcon> flags;
    flags.reserve(currencyCount);
    for (const Currency &currency : currencyList())
        flags.append(QIcon(currency.flagPath()));
    for (QComboBox *combo : {from, to}) {
        for (int i = 0; i < currencyCount; ++i)
            combo->addItem(flags.at(i),
                           QCoreApplication::translate("QObject", currencyList().at(i).label));
    }
}

void nuvelix_convert::Exchangerates_Init()
{
    ui->exchangerates_inputEdit_to->setReadOnly(true);
    connect(ui->exchangerates_inputEdit_source, &QLineEdit::textChanged, this,
            &nuvelix_convert::Exchangerates_inputEdit_textChanged);
    connect(ui->exchangerates_fromUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Exchangerates_fromUnitCombox_currentIndexChanged);
    connect(ui->exchangerates_toUnitCombox, &QComboBox::currentIndexChanged, this,
            &nuvelix_convert::Exchangerates_toUnitCombox_currentIndexChanged);
    connect(ui->exchangerates_interchangeable_pushButton, &QPushButton::clicked, this,
            &nuvelix_convert::Exchangerates_InterchangeButtonClicked);
    showHeaderIcon(ui->label_svg_exchangerates, QStringLiteral(":/property_icons/currencies.svg"),
                   HeaderIcon::ThreeTimes);
    ui->horizontalLayout_exchangerates->setStretch(1, 2);
    // Filled after the connections: the first entry is selected and shown.
    fillCurrencies(ui->exchangerates_fromUnitCombox, ui->exchangerates_toUnitCombox);
    Exchangerates_showRatesInUse();
}

void nuvelix_convert::Exchangerates_inputEdit_textChanged(const QString &)
{
    Exchangerates_updateResult();
}

void nuvelix_convert::Exchangerates_fromUnitCombox_currentIndexChanged(int)
{
    Exchangerates_updateResult();
}

void nuvelix_convert::Exchangerates_toUnitCombox_currentIndexChanged(int)
{
    Exchangerates_updateResult();
}

void nuvelix_convert::Exchangerates_InterchangeButtonClicked()
{
    swapUnits(ui->exchangerates_fromUnitCombox, ui->exchangerates_toUnitCombox);
}

void nuvelix_convert::Exchangerates_updateResult()
{
    ui->exchangerates_inputEdit_to->setText(m_exchangeRates.resultText(
        ui->exchangerates_inputEdit_source->text(), ui->exchangerates_fromUnitCombox->currentText(),
        ui->exchangerates_toUnitCombox->currentText()));
}

// The rates in use change only when the worker stores new ones.
void nuvelix_convert::Exchangerates_showRatesInUse()
{
    const QDate ratesDate = m_exchangeRates.ratesDate();
    ui->exchangerates_ratesInUse->setText(
        ratesDate.isValid() ? tr("Euro reference rates of %1").arg(ratesDate.toString(Qt::ISODate))
                            : tr("Built-in rates in use: no reference rates downloaded yet"));
}
