#include "debit.h"

#include "arithmetique.h"

namespace corvane {

namespace {

// The reference atmosphere: 1015 mbar taken as 101.325 kPa, at 288.16 K,
// where air weighs 1.225 kg/m3; 0 °C is taken as 273.16 K.
constexpr double PressionReferenceMbar = 1015.0;
constexpr double PressionReferenceKpa = 101.325;
constexpr double ZeroCelsius = 273.16;
constexpr double TemperatureReference = 288.16;
constexpr double DensiteReference = 1.225;

// The air density as one step of a longer computation, whose faults it shares.
double DensiteAir(Arithmetique& op, double pressionKpa, double temperature)
{
    const double k = op.divise(TemperatureReference, op.plus(temperature, ZeroCelsius));
    const double q = op.fois(op.divise(pressionKpa, PressionReferenceKpa), DensiteReference);
    return op.fois(k, q);
}

} // namespace

Resultat<double> DensiteAir(double pressionKpa, double temperature)
{
    Arithmetique op;
    const double densite = DensiteAir(op, pressionKpa, temperature);
    return op.conclure(densite);
}

Resultat<double> RapportAirEssence(double lambda)
{
    Arithmetique op;
    const double rapport = op.fois(lambda, RapportStoechiometrique);
    return op.conclure(rapport);
}

// Each operation in its own statement and in this order: another grouping
// changes the last bits, and next to a half the whole number shown.
Resultat<EtapesDebit> DetaillerDebit(const ParametresMoteur& parametres)
{
    ParametresMoteur m = parametres;
    Arithmetique op;
    EtapesDebit x{};

    x.r = op.divise(m.Remplissage, 100.0);
    m.Lambda = DefautsDebit::Lambda.appliquer(m.Lambda);
    m.NbCyl = DefautsDebit::NbCyl.appliquer(m.NbCyl);
    m.DensiteEss = DefautsDebit::DensiteEss.appliquer(m.DensiteEss);
    x.p = op.divise(op.fois(m.Patm, PressionReferenceKpa), PressionReferenceMbar);
    m.Cycle = DefautsDebit::Cycle.appliquer(m.Cycle);
    x.c = op.divise(m.Cycle, 100.0);
    m.NbInj = DefautsDebit::NbInj.appliquer(m.NbInj);
    x.rho = DensiteAir(op, x.p, m.Temp);

    x.a = op.fois(m.DensiteEss, m.Lambda);
    x.b = op.fois(x.a, RapportStoechiometrique);
    x.d = op.divise(x.rho, x.b);
    x.e = op.fois(m.Cyl, m.RegMax);
    x.f = op.fois(2.0, m.NbCyl);
    x.g = op.divise(x.e, x.f);
    x.h = op.fois(x.d, x.g);
    x.i = op.fois(x.h, x.r);

    ResultatsDebit& res = x.resultats;
    res.VeCyl = op.fois(x.i, 0.001);
    const double carburantMoteur = op.fois(res.VeCyl, m.NbCyl);
    res.VeMoteur = op.divise(op.fois(carburantMoteur, 60.0), 1000.0);
    res.DebInj = op.divise(carburantMoteur, op.fois(x.c, m.NbInj));
    return op.conclure(x);
}

Resultat<ResultatsDebit> CalculDebit(const ParametresMoteur& parametres)
{
    const auto etapes = DetaillerDebit(parametres);
    if (!etapes.reussi())
        return etapes.anomalie();
    return etapes.valeur().resultats;
}

} // namespace corvane
