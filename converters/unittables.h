#pragma once

#include "quantity.h"

// The converter's quantities with their units in panel order. Each unit
// converts to its quantity's base unit by the arithmetic steps written here,
// constant by constant, so results match the published figures digit for digit.
namespace UnitTables {

// Length, mass, area and volume (unittables_space.cpp).
[[nodiscard]] const Quantity &lengths();
[[nodiscard]] const Quantity &mass();
[[nodiscard]] const Quantity &area();
[[nodiscard]] const Quantity &volume();

// Time, speed, torque, force and pressure (unittables_mechanics.cpp).
[[nodiscard]] const Quantity &time();
[[nodiscard]] const Quantity &speed();
[[nodiscard]] const Quantity &torque();
[[nodiscard]] const Quantity &force();
[[nodiscard]] const Quantity &pressure();

// Temperature scales, power, energy and data storage (unittables_thermal.cpp).
[[nodiscard]] const Quantity &temperature();
[[nodiscard]] const Quantity &power();
[[nodiscard]] const Quantity &energy();
[[nodiscard]] const Quantity &dataStorage();

// Electrical and magnetic quantities and angle (unittables_electrical.cpp).
[[nodiscard]] const Quantity &capacitance();
[[nodiscard]] const Quantity &resistance();
[[nodiscard]] const Quantity &conductance();
[[nodiscard]] const Quantity &inductance();
[[nodiscard]] const Quantity &current();
[[nodiscard]] const Quantity &charge();
[[nodiscard]] const Quantity &magnetic();
[[nodiscard]] const Quantity &angle();

} // namespace UnitTables
