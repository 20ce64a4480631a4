#include "debit.h"

#include "nombres.h"

#include "table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <variant>

using namespace corvane;

namespace {

constexpr ParametresMoteur Reference{.Cyl = 1998,
                                     .RegMax = 7000,
                                     .Remplissage = 90,
                                     .Cycle = 85,
                                     .NbInj = 4,
                                     .Lambda = 0.88,
                                     .NbCyl = 4,
                                     .DensiteEss = 0.77,
                                     .Patm = 1015,
                                     .Temp = 15};

ParametresMoteur Avec(void (*changer)(ParametresMoteur&))
{
    ParametresMoteur p = Reference;
    changer(p);
    return p;
}

TEST(DetaillerDebit, CasDeReferenceAuDernierBit)
{
    const auto r = DetaillerDebit(Reference);
    ASSERT_TRUE(r.reussi());
    const EtapesDebit& x = r.valeur();
    EXPECT_EQ(x.r, 0.9);
    EXPECT_EQ(x.p, 101.325);
    EXPECT_EQ(x.c, 0.85);
    EXPECT_EQ(x.rho, 1.225);
    EXPECT_EQ(x.a, 0.6776);
    EXPECT_EQ(x.b, 9.960719999999998);
    EXPECT_EQ(x.d, 0.1229830775285321);
    EXPECT_EQ(x.e, 13986000);
    EXPECT_EQ(x.f, 8);
    EXPECT_EQ(x.g, 1748250);
    EXPECT_EQ(x.h, 215005.16528925626);
    EXPECT_EQ(x.i, 193504.64876033063);
    EXPECT_EQ(x.resultats.VeCyl, 193.50464876033064);
    EXPECT_EQ(x.resultats.VeMoteur, 46.44111570247935);
    EXPECT_EQ(x.resultats.DebInj, 227.65252795333018);
}

// A sizing and what it must give: its three results to the last bit, or the
// anomaly that stops it without a number.
struct CasDebit : Ligne {
    ParametresMoteur parametres;
    std::variant<ResultatsDebit, Anomalie> attendu;
};

class CalculDebitTest : public testing::TestWithParam<CasDebit> {};

TEST_P(CalculDebitTest, ReproduitLesValeursAuDernierBitOuSignaleLAnomalie)
{
    const auto r = CalculDebit(GetParam().parametres);
    if (const auto* anomalie = std::get_if<Anomalie>(&GetParam().attendu)) {
        ASSERT_FALSE(r.reussi());
        EXPECT_EQ(r.anomalie(), *anomalie);
        return;
    }
    const auto& attendu = std::get<ResultatsDebit>(GetParam().attendu);
    ASSERT_TRUE(r.reussi());
    EXPECT_EQ(r.valeur().VeCyl, attendu.VeCyl);
    EXPECT_EQ(r.valeur().VeMoteur, attendu.VeMoteur);
    EXPECT_EQ(r.valeur().DebInj, attendu.DebInj);
}

constexpr ResultatsDebit ResultatsReference{193.50464876033064, 46.44111570247935, 227.65252795333018};
constexpr ResultatsDebit Nuls{0, 0, 0};

const CasDebit CasDebits[] = {
    {"reference", Reference, ResultatsReference},
    {"zeros_remplaces_par_defaut",
     Avec([](auto& p) { p.Cycle = p.NbInj = p.Lambda = p.NbCyl = p.DensiteEss = 0; }), ResultatsReference},
    {"zeros_negatifs_remplaces", Avec([](auto& p) { p.Lambda = p.NbCyl = -0.0; }), ResultatsReference},
    // A duty cycle whose fraction underflows to zero is a zero duty cycle.
    {"cycle_denormal_vaut_zero", Avec([](auto& p) { p.Cycle = 4.9406564584124654e-324; }),
     ResultatsReference},
    {"altitude_et_chaleur",
     Avec([](auto& p) { p.Patm = 1000, p.Temp = 25; }),
     ResultatsDebit{184.25092484075358, 44.22022196178086, 216.76579393029834}},
    {"petit_moteur",
     Avec([](auto& p) { p.Cyl = 1600, p.RegMax = 6500; }),
     ResultatsDebit{143.89020070838257, 34.533648170011816, 169.28258906868538}},
    // Counts that are not powers of two make every multiplication by them
    // round: another grouping of the formulas shows. reference_debit.py
    // computes these bits outside the C++.
    {"trois_cylindres", Avec([](auto& p) { p.Cyl = 1198, p.RegMax = 6000, p.NbCyl = 3, p.NbInj = 3; }),
     ResultatsDebit{132.60035419126334, 23.8680637544274, 156.00041669560392}},
    {"cinq_cylindres", Avec([](auto& p) { p.Cyl = 2521, p.RegMax = 6500, p.NbCyl = 5, p.NbInj = 5; }),
     ResultatsDebit{181.37359799291622, 54.41207939787486, 213.3807035210779}},
    {"six_cylindres", Avec([](auto& p) { p.Cyl = 1991, p.RegMax = 7000, p.NbCyl = 6, p.NbInj = 6; }),
     ResultatsDebit{128.5511363636364, 46.27840909090911, 151.23663101604285}},
    {"douze_cylindres_vingt_quatre_injecteurs",
     Avec([](auto& p) { p.Cyl = 5998, p.RegMax = 7500, p.NbCyl = 12, p.NbInj = 24; }),
     ResultatsDebit{207.46476534828815, 149.37463105076748, 122.03809726369892}},
    {"pression_nulle_sans_defaut", Avec([](auto& p) { p.Patm = 0; }), Nuls},
    {"cylindree_nulle", Avec([](auto& p) { p.Cyl = 0; }), Nuls},
    {"regime_nul", Avec([](auto& p) { p.RegMax = 0; }), Nuls},
    {"remplissage_nul", Avec([](auto& p) { p.Remplissage = 0; }), Nuls},
    {"zero_absolu", Avec([](auto& p) { p.Temp = -273.16; }), Anomalie::DivisionParZero},
    {"cylindree_et_regime_enormes", Avec([](auto& p) { p.Cyl = p.RegMax = 1e300; }), Anomalie::Depassement},
    {"pression_enorme", Avec([](auto& p) { p.Patm = 1e308; }), Anomalie::Depassement},
    // Fuel density × lambda underflows to zero, and no air at all: 0 ÷ 0.
    {"zero_sur_zero", Avec([](auto& p) { p.DensiteEss = p.Lambda = 1e-200, p.Patm = 0; }),
     Anomalie::OperationInvalide},
    {"densite_sur_zero", Avec([](auto& p) { p.DensiteEss = p.Lambda = 1e-200; }), Anomalie::DivisionParZero},
};

INSTANTIATE_TEST_SUITE_P(Cas, CalculDebitTest, testing::ValuesIn(CasDebits), NomDeLigne());

TEST(DensiteAirTest, AtmosphereDeReference)
{
    EXPECT_EQ(DensiteAir(101.325, 15).valeur(), 1.225);
    const auto chaud = DetaillerDebit(Avec([](auto& p) { p.Patm = 1000, p.Temp = 25; }));
    EXPECT_EQ(chaud.valeur().rho, 1.1664184006735565);
}

TEST(CalculDebitTest, SousLeZeroAbsoluToutEstNegatifSansAnomalie)
{
    const auto r = CalculDebit(Avec([](auto& p) { p.Temp = -300; }));
    ASSERT_TRUE(r.reussi());
    EXPECT_LT(r.valeur().VeCyl, 0);
    EXPECT_LT(r.valeur().VeMoteur, 0);
    EXPECT_LT(r.valeur().DebInj, 0);
}


TEST(RapportAirEssenceTest, LambdaFois14_7SaufAuDelaDUnDouble)
{
    EXPECT_EQ(FormatNombre(RapportAirEssence(0.88).valeur(), Motif::DeuxDecimales), "12,94");
    EXPECT_EQ(RapportAirEssence(1).valeur(), 14.7);
    const auto enorme = RapportAirEssence(1.3e307);
    ASSERT_FALSE(enorme.reussi());
    EXPECT_EQ(enorme.anomalie(), Anomalie::Depassement);
}

TEST(DefautsTest, LeTexteEcritRedonneLaValeurUtilisee)
{
    // The window writes the text and uses the value: reading the text back
    // must give that same value.
    for (const Defaut& d : {DefautsDebit::Lambda, DefautsDebit::NbCyl, DefautsDebit::DensiteEss,
                            DefautsDebit::Cycle, DefautsDebit::NbInj}) {
        SCOPED_TRACE(d.texte);
        EXPECT_EQ(ValeurTexte(d.texte), d.valeur);
        EXPECT_FALSE(d.remplace(d.valeur)); // a second application changes nothing
    }
}

} // namespace
