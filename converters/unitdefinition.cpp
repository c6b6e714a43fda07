#include "unitdefinition.h"

namespace {
double applySteps(const QList<UnitStep> &steps, double value)
{
    for (const UnitStep &step : steps)
        value = step.apply(value);
    return value;
}
} // namespace

double UnitDefinition::applyToBase(double value) const
{
    return applySteps(toBase, value);
}

double UnitDefinition::applyFromBase(double value) const
{
    return applySteps(fromBase, value);
}
