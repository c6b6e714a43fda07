#pragma once

// One arithmetic step of a unit conversion, applied to the running value.
struct UnitStep
{
    enum class Op {
        Multiply,     // value × constant
        Divide,       // value ÷ constant
        Add,          // value + constant
        Subtract,     // value − constant
        AddSelf,      // value + value (the constant is unused)
        SubtractFrom, // constant − value
    };

    Op op;
    double constant;

    [[nodiscard]] double apply(double value) const;
};

[[nodiscard]] constexpr UnitStep times(double factor)
{
    return {UnitStep::Op::Multiply, factor};
}
[[nodiscard]] constexpr UnitStep dividedBy(double divisor)
{
    return {UnitStep::Op::Divide, divisor};
}
[[nodiscard]] constexpr UnitStep plus(double term)
{
    return {UnitStep::Op::Add, term};
}
[[nodiscard]] constexpr UnitStep minus(double term)
{
    return {UnitStep::Op::Subtract, term};
}
[[nodiscard]] constexpr UnitStep doubled()
{
    return {UnitStep::Op::AddSelf, 0.0};
}
[[nodiscard]] constexpr UnitStep subtractedFrom(double minuend)
{
    return {UnitStep::Op::SubtractFrom, minuend};
}
