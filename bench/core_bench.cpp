// Each operation of the core beside its floor, measured in the same run: the
// bare arithmetic of the formula inlined, and the standard library's
// from_chars and to_chars on the same values. Before measuring, the floors
// must give the core's results to the last bit, or they would measure some
// other formula.
#include "debit.h"
#include "evaluation.h"
#include "nombres.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

using namespace corvane;

namespace {

ParametresMoteur Reference()
{
    return {1998, 7000, 90, 85, 4, 0.88, 4, 0.77, 1015, 15};
}

void BM_CalculDebit(benchmark::State& etat)
{
    ParametresMoteur p = Reference();
    for (auto _ : etat) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(CalculDebit(p));
    }
}
BENCHMARK(BM_CalculDebit);

// The sizing with no fault test and no intermediate kept.
inline ResultatsDebit PlancherDebit(const ParametresMoteur& p)
{
    const double r = p.Remplissage / 100;
    const double lambda = p.Lambda == 0 ? 0.88 : p.Lambda;
    const double nbCyl = p.NbCyl == 0 ? 4 : p.NbCyl;
    const double densite = p.DensiteEss == 0 ? 0.77 : p.DensiteEss;
    const double pk = (p.Patm * 101.325) / 1015;
    double c = p.Cycle / 100;
    c = c == 0 ? 0.85 : c;
    const double nbInj = p.NbInj == 0 ? 4 : p.NbInj;
    const double rho = (288.16 / (p.Temp + 273.16)) * ((pk / 101.325) * 1.225);
    const double veCyl = (rho / ((densite * lambda) * 14.7)) * ((p.Cyl * p.RegMax) / (2 * nbCyl)) * r * 0.001;
    return {veCyl, ((veCyl * nbCyl) * 60) / 1000, (veCyl * nbCyl) / (c * nbInj)};
}

inline double PlancherEvaluation(double deb, double pori, double pdes)
{
    const double po = pori == 0 ? 3 : pori;
    const double pd = pdes == 0 ? 3 : pdes;
    return std::sqrt(pd / po) * deb;
}

// The floors against the core, on engines and pressures whose results no
// simpler formula reproduces by chance.
bool PlanchersFideles()
{
    bool fideles = true;
    for (ParametresMoteur p : {Reference(), ParametresMoteur{1991, 6800, 95, 80, 6, 0.86, 6, 0.745, 990, 27},
                               ParametresMoteur{2998, 7400, 88, 90, 12, 0.9, 12, 0.75, 1020, 8}}) {
        const ResultatsDebit coeur = CalculDebit(p).valeur(), plancher = PlancherDebit(p);
        fideles &= coeur.VeCyl == plancher.VeCyl && coeur.VeMoteur == plancher.VeMoteur &&
                   coeur.DebInj == plancher.DebInj;
    }
    for (const auto& [deb, pori, pdes] : {std::tuple{440.0, 3.0, 4.0}, std::tuple{315.0, 2.7, 4.0}})
        fideles &= EvaluerDebit(deb, pori, pdes).valeur() == PlancherEvaluation(deb, pori, pdes);
    return fideles;
}

void BM_CalculDebit_Plancher(benchmark::State& etat)
{
    ParametresMoteur p = Reference();
    for (auto _ : etat) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(PlancherDebit(p));
    }
}
BENCHMARK(BM_CalculDebit_Plancher);

void BM_EvaluerDebit(benchmark::State& etat)
{
    double deb = 440, pori = 3, pdes = 4;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(deb);
        benchmark::DoNotOptimize(pori);
        benchmark::DoNotOptimize(pdes);
        benchmark::DoNotOptimize(EvaluerDebit(deb, pori, pdes));
    }
}
BENCHMARK(BM_EvaluerDebit);

void BM_EvaluerDebit_Plancher(benchmark::State& etat)
{
    double deb = 440, pori = 3, pdes = 4;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(deb);
        benchmark::DoNotOptimize(pori);
        benchmark::DoNotOptimize(pdes);
        benchmark::DoNotOptimize(PlancherEvaluation(deb, pori, pdes));
    }
}
BENCHMARK(BM_EvaluerDebit_Plancher);

// The texts a tuner types, and the same with a point for from_chars.
const std::vector<std::string> Textes{"1998", "7000", "90", "0,88", "4", "0,77", "1015", "15", "85", "440"};
const std::vector<std::string> TextesPoint{"1998", "7000", "90", "0.88", "4",
                                           "0.77", "1015", "15", "85",   "440"};

void BM_ValeurTexte(benchmark::State& etat)
{
    for (auto _ : etat)
        for (const auto& t : Textes)
            benchmark::DoNotOptimize(ValeurTexte(t));
}
BENCHMARK(BM_ValeurTexte);

void BM_ValeurTexte_Plancher(benchmark::State& etat)
{
    for (auto _ : etat)
        for (const auto& t : TextesPoint) {
            double v = 0;
            benchmark::DoNotOptimize(std::from_chars(t.data(), t.data() + t.size(), v));
            benchmark::DoNotOptimize(v);
        }
}
BENCHMARK(BM_ValeurTexte_Plancher);

const std::vector<double> Valeurs{
    193.50464876033064, 46.44111570247935, 227.65252795333018, 508.06823688687064, 12.936, 14.7, 0.0, 1998.0};

void BM_FormatNombre(benchmark::State& etat)
{
    for (auto _ : etat)
        for (const double v : Valeurs)
            benchmark::DoNotOptimize(FormatNombre(v, Motif::DeuxDecimales));
}
BENCHMARK(BM_FormatNombre);

void BM_FormatNombre_Plancher(benchmark::State& etat)
{
    for (auto _ : etat)
        for (const double v : Valeurs) {
            char texte[32];
            const auto r = std::to_chars(texte, texte + sizeof texte, v, std::chars_format::fixed, 2);
            benchmark::DoNotOptimize(std::string(texte, r.ptr));
        }
}
BENCHMARK(BM_FormatNombre_Plancher);

} // namespace

int main(int argc, char** argv)
{
    if (!PlanchersFideles()) {
        std::fputs("Les planchers ne donnent plus les résultats du cœur : corrigez-les avant de mesurer.\n",
                   stderr);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
