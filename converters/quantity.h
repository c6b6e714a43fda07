#pragma once

#include "resultformat.h"
#include "unitdefinition.h"

#include <QList>
#include <QString>

// The units of one quantity of the converter, each converted through the
// quantity's base unit, and the way its panel writes a result.
class Quantity
{
public:
    Quantity(QList<UnitDefinition> units, ResultFormat format);

    // A value in the labelled unit in the base unit; 0 when the label's
    // symbol is none of this quantity's.
    [[nodiscard]] double toBase(double value, const QString &label) const;
    // A value in the base unit in the labelled unit; 0 for an unknown symbol.
    [[nodiscard]] double fromBase(double value, const QString &label) const;
    // Through the base unit; a unit to itself gives the value unchanged.
    [[nodiscard]] double convert(double value, const QString &fromLabel,
                                 const QString &toLabel) const;
    // The value box's text (not a number reads as 0) converted and written
    // as the panel shows it.
    [[nodiscard]] QString resultText(const QString &valueText, const QString &fromLabel,
                                     const QString &toLabel) const;

    [[nodiscard]] const QList<UnitDefinition> &units() const { return m_units; }
    [[nodiscard]] const ResultFormat &format() const { return m_format; }

private:
    [[nodiscard]] const UnitDefinition *unitFor(const QString &label) const;

    QList<UnitDefinition> m_units;
    ResultFormat m_format;
};
