#include "quantity.h"

#include "unitlabel.h"

#include <utility>

Quantity::Quantity(QList<UnitDefinition> units, ResultFormat format)
    : m_units(std::move(units))
    , m_format(format)
{}

double Quantity::toBase(double value, const QString &label) const
{
    const UnitDefinition *const unit = unitFor(label);
    return unit ? unit->applyToBase(value) : 0.0;
}

double Quantity::fromBase(double value, const QString &label) const
{
    const UnitDefinition *const unit = unitFor(label);
    return unit ? unit->applyFromBase(value) : 0.0;
}

double Quantity::convert(double value, const QString &fromLabel, const QString &toLabel) const
{
    const UnitDefinition *const from = unitFor(fromLabel);
    const UnitDefinition *const to = unitFor(toLabel);
    if (!from || !to)
        return 0.0;
    // The two directions of a unit need not be exact inverses in double
    // arithmetic (nor, for the elementary charge, by their constants).
    if (from == to)
        return value;
    return to->applyFromBase(from->applyToBase(value));
}

QString Quantity::resultText(const QString &valueText, const QString &fromLabel,
                             const QString &toLabel) const
{
    return m_format.text(convert(valueText.toDouble(), fromLabel, toLabel));
}

const UnitDefinition *Quantity::unitFor(const QString &label) const
{
    const QString symbol = UnitLabel::symbol(label);
    for (const UnitDefinition &unit : m_units) {
        if (unit.symbol == symbol)
            return &unit;
    }
    return nullptr;
}
