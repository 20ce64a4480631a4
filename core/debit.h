#pragma once

#include "defaut.h"
#include "resultat.h"

namespace corvane {

// The ten inputs of the injector sizing, in the units the window shows.
struct ParametresMoteur {
    double Cyl;         // displacement, all cylinders, cm3
    double RegMax;      // maximum engine speed, tr/mn
    double Remplissage; // volumetric filling, %
    double Cycle;       // maximum injector duty cycle, %
    double NbInj;       // number of injectors
    double Lambda;      // actual air/fuel ratio ÷ 14.7
    double NbCyl;       // number of cylinders
    double DensiteEss;  // fuel density, g/cm3
    double Patm;        // atmospheric pressure, mbar
    double Temp;        // air temperature, °C
};

struct ResultatsDebit {
    double VeCyl;    // fuel needed by one cylinder, cm3/min
    double VeMoteur; // fuel needed by the engine, litres per hour
    double DebInj;   // flow each injector must deliver, cm3/min
};

// Every intermediate of the sizing, in the order it is computed, so that a
// tuner's hand calculation can be followed step by step. The letters are
// those of the hand calculation.
struct EtapesDebit {
    double r;   // filling as a fraction
    double p;   // pressure, kPa, on the scale where 1015 mbar is 101.325 kPa
    double c;   // duty cycle as a fraction
    double rho; // air density, kg/m3
    double a;   // fuel density × lambda
    double b;   // a × 14.7: grams of air per cm3 of fuel at this lambda
    double d;   // rho ÷ b: cm3 of fuel per cm3 of air, times 1000
    double e;   // displacement × maximum speed: cm3 of air drawn per minute, twice over
    double f;   // 2 × cylinders: intake strokes per two revolutions
    double g;   // e ÷ f: cm3 of air one cylinder draws per minute at full filling
    double h;   // d × g: fuel for one cylinder at full filling, times 1000
    double i;   // h × r: fuel for one cylinder at the engine's filling, times 1000
    ResultatsDebit resultats;
};

// Values standing for a zero input; Cyl, RegMax, Remplissage, Patm and Temp have none.
namespace DefautsDebit {
inline constexpr Defaut Lambda{0.88, "0,88"};
inline constexpr Defaut NbCyl{4.0, "4"};
inline constexpr Defaut DensiteEss{0.77, "0,77"};
inline constexpr Defaut Cycle{85.0, "85", 100.0};
inline constexpr Defaut NbInj{4.0, "4"};
} // namespace DefautsDebit

// The stoichiometric air/fuel mass ratio, lambda 1.
inline constexpr double RapportStoechiometrique = 14.7;

// Air density in kg/m3 at a pressure in kPa and a temperature in °C.
[[nodiscard]] Resultat<double> DensiteAir(double pressionKpa, double temperature);

// The air/fuel mass ratio that a lambda stands for: lambda × 14.7.
[[nodiscard]] Resultat<double> RapportAirEssence(double lambda);

[[nodiscard]] Resultat<EtapesDebit> DetaillerDebit(const ParametresMoteur& parametres);
[[nodiscard]] Resultat<ResultatsDebit> CalculDebit(const ParametresMoteur& parametres);

} // namespace corvane
