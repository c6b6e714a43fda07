#pragma once

#include "currencyconverter.h"
#include "exchangerates.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;

QT_BEGIN_NAMESPACE
namespace Ui {
class nuvelix_convert;
} // namespace Ui
QT_END_NAMESPACE

// The "Convert" page: twenty-two panels that each convert a value between
// two units of one quantity, the currencies at the day's euro reference
// rates among them, recomputed on every change.
class nuvelix_convert : public QWidget
{
    Q_OBJECT

public:
    // Starts the exchange-rate worker, which fetches from `rateFeedUrl` when
    // the day's rates are due; the widget stops and waits for it when it goes.
    explicit nuvelix_convert(QWidget *parent = nullptr,
                             const QString &rateFeedUrl = CurrencyConverter::defaultFeedUrl());
    ~nuvelix_convert() override;

    // Applies the file's style sheet to the whole application (StyleSheetFile::apply).
    void setStyleSheets(const QString &qssFile);

private Q_SLOTS:
    // The value box and both unit boxes recompute; the button swaps the units.
    void Exchangerates_inputEdit_textChanged(const QString &text);
    void Exchangerates_fromUnitCombox_currentIndexChanged(int index);
    void Exchangerates_toUnitCombox_currentIndexChanged(int index);
    void Exchangerates_InterchangeButtonClicked();
    void Lengths_inputEdit_textChanged(const QString &text);
    void Lengths_fromUnitCombox_currentIndexChanged(int index);
    void Lengths_toUnitCombox_currentIndexChanged(int index);
    void Lengths_InterchangeButtonClicked();
    void Mass_inputEdit_textChanged(const QString &text);
    void Mass_fromUnitCombox_currentIndexChanged(int index);
    void Mass_toUnitCombox_currentIndexChanged(int index);
    void Mass_InterchangeButtonClicked();
    void Area_inputEdit_textChanged(const QString &text);
    void Area_fromUnitCombox_currentIndexChanged(int index);
    void Area_toUnitCombox_currentIndexChanged(int index);
    void Area_InterchangeButtonClicked();
    void Volume_inputEdit_textChanged(const QString &text);
    void Volume_fromUnitCombox_currentIndexChanged(int index);
    void Volume_toUnitCombox_currentIndexChanged(int index);
    void Volume_InterchangeButtonClicked();
    void Time_inputEdit_textChanged(const QString &text);
    void Time_fromUnitCombox_currentIndexChanged(int index);
    void Time_toUnitCombox_currentIndexChanged(int index);
    void Time_InterchangeButtonClicked();
    void Speed_inputEdit_textChanged(const QString &text);
    void Speed_fromUnitCombox_currentIndexChanged(int index);
    void Speed_toUnitCombox_currentIndexChanged(int index);
    void Speed_InterchangeButtonClicked();
    void Force_inputEdit_textChanged(const QString &text);
    void Force_fromUnitCombox_currentIndexChanged(int index);
    void Force_toUnitCombox_currentIndexChanged(int index);
    void Force_InterchangeButtonClicked();
    void Torque_inputEdit_textChanged(const QString &text);
    void Torque_fromUnitCombox_currentIndexChanged(int index);
    void Torque_toUnitCombox_currentIndexChanged(int index);
    void Torque_InterchangeButtonClicked();
    void Temperature_inputEdit_textChanged(const QString &text);
    void Temperature_fromUnitCombox_currentIndexChanged(int index);
    void Temperature_toUnitCombox_currentIndexChanged(int index);
    void Temperature_InterchangeButtonClicked();
    void Pressure_inputEdit_textChanged(const QString &text);
    void Pressure_fromUnitCombox_currentIndexChanged(int index);
    void Pressure_toUnitCombox_currentIndexChanged(int index);
    void Pressure_InterchangeButtonClicked();
    void Energy_inputEdit_textChanged(const QString &text);
    void Energy_fromUnitCombox_currentIndexChanged(int index);
    void Energy_toUnitCombox_currentIndexChanged(int index);
    void Energy_InterchangeButtonClicked();
    void Power_inputEdit_textChanged(const QString &text);
    void Power_fromUnitCombox_currentIndexChanged(int index);
    void Power_toUnitCombox_currentIndexChanged(int index);
    void Power_InterchangeButtonClicked();
    void Capacitance_inputEdit_textChanged(const QString &text);
    void Capacitance_fromUnitCombox_currentIndexChanged(int index);
    void Capacitance_toUnitCombox_currentIndexChanged(int index);
    void Capacitance_InterchangeButtonClicked();
    void Resistance_inputEdit_textChanged(const QString &text);
    void Resistance_fromUnitCombox_currentIndexChanged(int index);
    void Resistance_toUnitCombox_currentIndexChanged(int index);
    void Resistance_InterchangeButtonClicked();
    void Conductance_inputEdit_textChanged(const QString &text);
    void Conductance_fromUnitCombox_currentIndexChanged(int index);
    void Conductance_toUnitCombox_currentIndexChanged(int index);
    void Conductance_InterchangeButtonClicked();
    void Inductance_inputEdit_textChanged(const QString &text);
    void Inductance_fromUnitCombox_currentIndexChanged(int index);
    void Inductance_toUnitCombox_currentIndexChanged(int index);
    void Inductance_InterchangeButtonClicked();
    void Current_inputEdit_textChanged(const QString &text);
    void Current_fromUnitCombox_currentIndexChanged(int index);
    void Current_toUnitCombox_currentIndexChanged(int index);
    void Current_InterchangeButtonClicked();
    void Charge_inputEdit_textChanged(const QString &text);
    void Charge_fromUnitCombox_currentIndexChanged(int index);
    void Charge_toUnitCombox_currentIndexChanged(int index);
    void Charge_InterchangeButtonClicked();
    void Magnetic_inputEdit_textChanged(const QString &text);
    void Magnetic_fromUnitCombox_currentIndexChanged(int index);
    void Magnetic_toUnitCombox_currentIndexChanged(int index);
    void Magnetic_InterchangeButtonClicked();
    void Angle_inputEdit_textChanged(const QString &text);
    void Angle_fromUnitCombox_currentIndexChanged(int index);
    void Angle_toUnitCombox_currentIndexChanged(int index);
    void Angle_InterchangeButtonClicked();
    void DataStorage_inputEdit_textChanged(const QString &text);
    void DataStorage_fromUnitCombox_currentIndexChanged(int index);
    void DataStorage_toUnitCombox_currentIndexChanged(int index);
    void DataStorage_InterchangeButtonClicked();

private:
    enum class HeaderIcon {
        ThreeTimes, // three times the drawing's own size
        Fixed30,    // 30 by 30 pixels
    };

    // One-time set-up of each panel, in the order of the page.
    void Exchangerates_Init();
    void Lengths_Init();
    void Mass_Init();
    void Area_Init();
    void Volume_Init();
    void Force_Init();
    void Torque_Init();
    void Time_Init();
    void Speed_Init();
    void Temperature_Init();
    void Pressure_Init();
    void Energy_Init();
    void Power_Init();
    void Capacitance_Init();
    void Resistance_Init();
    void Conductance_Init();
    void Inductance_Init();
    void Current_Init();
    void Charge_Init();
    void Magnetic_Init();
    void Angle_Init();
    void DataStorage_Init();

    // The result of each panel from its value and its two units.
    void Exchangerates_updateResult();
    // The note on which rates are in use: built-in or of which day.
    void Exchangerates_showRatesInUse();
    void Lengths_updateResult();
    void Mass_updateResult();
    void Area_updateResult();
    void Volume_updateResult();
    void Force_updateResult();
    void Torque_updateResult();
    void Time_updateResult();
    void Speed_updateResult();
    void Temperature_updateResult();
    void Pressure_updateResult();
    void Energy_updateResult();
    void Power_updateResult();
    void Capacitance_updateResult();
    void Resistance_updateResult();
    void Conductance_updateResult();
    void Inductance_updateResult();
    void Current_updateResult();
    void Charge_updateResult();
    void Magnetic_updateResult();
    void Angle_updateResult();
    void DataStorage_updateResult();

    static void showHeaderIcon(QLabel *label, const QString &svgPath, HeaderIcon size);
    // Sets the from box to the to box's unit, then the to box to the from
    // box's: each change that happens recomputes.
    static void swapUnits(QComboBox *from, QComboBox *to);
    // The currencies with their flags, into the from box and then the to box.
    static void fillCurrencies(QComboBox *from, QComboBox *to);

    Ui::nuvelix_convert *ui;
    ExchangeRates m_exchangeRates;
};
