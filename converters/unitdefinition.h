#pragma once

#include "unitstep.h"

#include <QList>
#include <QString>

// One unit of a quantity: the symbol its labels start with and the steps,
// applied in order, that take a value to the quantity's base unit and back.
struct UnitDefinition
{
    QString symbol;
    QList<UnitStep> toBase;
    QList<UnitStep> fromBase;

    [[nodiscard]] double applyToBase(double value) const;
    [[nodiscard]] double applyFromBase(double value) const;
};
