#include "model/series_units.h"

std::string UnitLabel(int code) {
  switch (code) {
    case 0:
      return "(pixels)";
    case 1:
      return "[m]";
    case 2:
      return "[cm]";
    case 3:
      return "[mm]";
    case 4:
      return "[in]";
    case 5:
      return "[ft]";
    case 7:
      return "[rad]";
    case 8:
      return "[deg]";
    default:
      return "[pixels]";
  }
}

std::string MassLabel(int code) {
  switch (code) {
    case 2:
      return "[g]";
    case 3:
      return "[mg]";
    default:
      return "[kg]";
  }
}

// The inch and foot factors are the short decimal constants that every saved
// analysis was computed with, not the exact ratios.
double LengthFactor(int code) {
  switch (code) {
    case 2:
      return 100.0;
    case 3:
      return 1000.0;
    case 4:
      return 39.37;
    case 5:
      return 3.2808;
    default:
      return 1.0;
  }
}

double MassFactor(int code) {
  switch (code) {
    case 2:
      return 1000.0;
    case 3:
      return 1000000.0;
    default:
      return 1.0;
  }
}

void ConvertLength(double& value, int code, bool toMetres) {
  value *= toMetres ? 1.0 / LengthFactor(code) : LengthFactor(code);
}

void ConvertMass(double& value, int code, bool toKilograms) {
  value *= toKilograms ? 1.0 / MassFactor(code) : MassFactor(code);
}
