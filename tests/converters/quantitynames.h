#pragma once

#include "unittables.h"

#include <QList>
#include <QString>

#include <utility>

// The converter's quantities by panel title, for tables that name them.
inline const QList<std::pair<QString, const Quantity *>> &namedQuantities()
{
    using namespace UnitTables;
    static const QList<std::pair<QString, const Quantity *>> list{
        {QStringLiteral("Lengths"), &lengths()},
        {QStringLiteral("Mass"), &mass()},
        {QStringLiteral("Area"), &area()},
        {QStringLiteral("Volume"), &volume()},
        {QStringLiteral("Force"), &force()},
        {QStringLiteral("Torque"), &torque()},
        {QStringLiteral("Time"), &time()},
        {QStringLiteral("Speed"), &speed()},
        {QStringLiteral("Temperature"), &temperature()},
        {QStringLiteral("Pressure"), &pressure()},
        {QStringLiteral("Energy"), &energy()},
        {QStringLiteral("Power"), &power()},
        {QStringLiteral("Capacitance"), &capacitance()},
        {QStringLiteral("Resistance"), &resistance()},
        {QStringLiteral("Conductance"), &conductance()},
        {QStringLiteral("Inductance"), &inductance()},
        {QStringLiteral("Current"), &current()},
        {QStringLiteral("Charge"), &charge()},
        {QStringLiteral("Magnetic"), &magnetic()},
        {QStringLiteral("Angle"), &angle()},
        {QStringLiteral("DataStorage"), &dataStorage()},
    };
    return list;
}

inline const Quantity &quantityNamed(const QString &name)
{
    for (const auto &[title, quantity] : namedQuantities()) {
        if (title == name)
            return *quantity;
    }
    qFatal("no quantity %s", qPrintable(name));
}
