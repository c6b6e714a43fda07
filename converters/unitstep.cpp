#include "unitstep.h"

double UnitStep::apply(double value) const
{
    switch (op) {
    case Op::Multiply:
        return value * constant;
    case Op::Divide:
        return value / constant;
    case Op::Add:
        return value + constant;
    case Op::Subtract:
        return value - constant;
    case Op::AddSelf:
        return value + value;
    case Op::SubtractFrom:
        return constant - value;
    }
    return value;
}
