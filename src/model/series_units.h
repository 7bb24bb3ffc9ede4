#pragma once

#include <string>

// Unit codes of lengths (0 pixels, 1 m, 2 cm, 3 mm, 4 in, 5 ft), angles
// (7 radians, 8 degrees) and masses (1 kg, 2 g, 3 mg), their labels and their
// factors (units per metre, units per kilogram).

// Label of a length or angle code; "(pixels)" for 0, "[pixels]" for codes
// that are not units.
std::string UnitLabel(int code);
std::string MassLabel(int code);
double LengthFactor(int code);
double MassFactor(int code);
// Multiplies value by the unit's factor, or divides by it when toMetres
// (toKilograms) is set.
void ConvertLength(double& value, int code, bool toMetres);
void ConvertMass(double& value, int code, bool toKilograms);
