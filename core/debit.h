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
// tuner's hand calculation can be followed step by step.
struct EtapesDebit {
    double r;   // filling as a fraction
    double p;   // pressure, kPa
    double c;   // duty cycle as a fraction
    double rho; // air density, kg/m3
    double a, b, d, e, f, g, h, i;
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
