#pragma once

#include <string>

// The exact decimal expansion of a finite double, worked out with big
// integers, as an independent reference for the program's own formatting.
struct DecimalExact {
    bool negatif = false;
    std::string entiers;   // no leading zeros, "0" at least
    std::string decimales; // no trailing zeros, possibly empty
};

DecimalExact Developper(double valeur);

// The reference for FormatNombre: the exact expansion rounded to 15
// significant digits (ties to even), then to `decimales` decimals, half away
// from zero, written with the decimal comma.
std::string FormatReference(double valeur, int decimales);
