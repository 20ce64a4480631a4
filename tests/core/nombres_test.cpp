#include "nombres.h"

#include "decimal_exact.h"

#include "table.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

using corvane::FormatNombre;
using corvane::Motif;
using corvane::TexteNumerique;
using corvane::ValeurTexte;

namespace {

// DBL_MAX written out, and the half-way point above it, which rounds to infinity.
const std::string PlusGrandDouble = Developper(DBL_MAX).entiers;
const std::string MilieuAuDela =
    "17976931348623158079372897140530341507993413271003782693617377898044496829276475094664901797758720709633"
    "02864166928879109465555478519404026306574886715058206819089020007083836762738548458177115317644757302700"
    "69855571366959622842914819860834936475292719074168444365510704342711559699508093042880177904174497792";

struct Lecture : Ligne {
    std::string texte;
    std::optional<double> valeur;
};

class LectureTest : public testing::TestWithParam<Lecture> {};

TEST_P(LectureTest, AccepteEtConvertitLesMemesTextes)
{
    const Lecture& cas = GetParam();
    EXPECT_EQ(TexteNumerique(cas.texte), cas.valeur.has_value());
    const auto lu = ValeurTexte(cas.texte);
    ASSERT_EQ(lu.has_value(), cas.valeur.has_value());
    if (lu) {
        EXPECT_EQ(*lu, *cas.valeur);
        EXPECT_EQ(std::signbit(*lu), std::signbit(*cas.valeur));
    }
}

const Lecture Lectures[] = {
    {"zero", "0", 0.0},
    {"zero_virgule_zero", "0,0", 0.0},
    {"virgule_en_tete", ",5", 0.5},
    {"virgule_en_fin", "5,", 5.0},
    {"lambda", "0,88", 0.88},
    {"pression", "1015", 1015.0},
    {"zeros_en_tete", "007", 7.0},
    {"moins", "-5", -5.0},
    {"plus", "+5", 5.0},
    {"temperature_negative", "-273,16", -273.16},
    {"moins_virgule", "-,5", -0.5},
    {"zero_negatif", "-0", -0.0},
    {"plus_grand_double", PlusGrandDouble, DBL_MAX},
    {"trop_petit_vaut_zero", "0," + std::string(400, '0') + "1", 0.0},
    {"trop_petit_negatif_vaut_moins_zero", "-0," + std::string(400, '0') + "1", -0.0},
    {"denormal", "0," + std::string(323, '0') + "5", 4.9406564584124654e-324},
    {"vide", "", std::nullopt},
    {"virgule_seule", ",", std::nullopt},
    {"deux_virgules", "0,8,8", std::nullopt},
    {"signe_seul", "-", std::nullopt},
    {"plus_seul", "+", std::nullopt},
    {"signe_virgule", "-,", std::nullopt},
    {"deux_signes", "+-5", std::nullopt},
    {"signe_apres", "5-", std::nullopt},
    {"blanc_devant", " 5", std::nullopt},
    {"blanc_derriere", "5 ", std::nullopt},
    {"blancs_seuls", "   ", std::nullopt},
    {"tabulation", "\t5", std::nullopt},
    {"fin_de_ligne", "5\n", std::nullopt},
    {"nul_interieur", std::string("5\0", 2), std::nullopt},
    {"point", "5.5", std::nullopt},
    {"exposant", "1E3", std::nullopt},
    {"exposant_minuscule", "1e3", std::nullopt},
    {"milliers_espace", "1 000", std::nullopt},
    {"milliers_point", "1.000,5", std::nullopt},
    {"chiffre_arabe", "\xD9\xA3", std::nullopt},
    {"chiffre_pleine_largeur", "\xEF\xBC\x95", std::nullopt},
    {"infini", "inf", std::nullopt},
    {"pas_un_nombre", "nan", std::nullopt},
    {"hexadecimal", "0x10", std::nullopt},
    {"trop_grand", "1" + std::string(309, '0'), std::nullopt},
    {"milieu_au_dela_du_plus_grand", MilieuAuDela, std::nullopt},
    {"trop_grand_negatif", "-1" + std::string(309, '0') + ",5", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Textes, LectureTest, testing::ValuesIn(Lectures), NomDeLigne());

TEST(LectureTest, UnMebioctetColleEstDecide)
{
    const std::string chiffres(1 << 20, '7');
    EXPECT_EQ(ValeurTexte("0," + chiffres), 0.7777777777777778);
    EXPECT_FALSE(TexteNumerique(chiffres)); // far beyond a double
    EXPECT_FALSE(TexteNumerique(chiffres + "," + chiffres + ","));
}

struct Ecriture : Ligne {
    double valeur;
    Motif motif;
    const char* texte;
};

class EcritureTest : public testing::TestWithParam<Ecriture> {};

TEST_P(EcritureTest, EcritAvecLaVirgule)
{
    const Ecriture& cas = GetParam();
    EXPECT_EQ(FormatNombre(cas.valeur, cas.motif), cas.texte);
}

constexpr double Infini = std::numeric_limits<double>::infinity();

const Ecriture Ecritures[] = {
    {"rapport_au_demarrage", 0.88 * 14.7, Motif::DeuxDecimales, "12,94"},
    {"lambda_un", 1 * 14.7, Motif::DeuxDecimales, "14,70"},
    {"lambda_0_9", 0.9 * 14.7, Motif::DeuxDecimales, "13,23"},
    {"lambda_1_2", 1.2 * 14.7, Motif::DeuxDecimales, "17,64"},
    {"lambda_dix", 10 * 14.7, Motif::DeuxDecimales, "147,00"},
    {"zero_deux_decimales", 0.0, Motif::DeuxDecimales, "0,00"},
    {"zero_entier", 0.0, Motif::Entier, "0"},
    {"sous_la_demie", 0.4, Motif::Entier, "0"},
    {"demie", 2.5, Motif::Entier, "3"},
    {"demie_negative", -2.5, Motif::Entier, "-3"},
    {"demie_sous_un", 0.5, Motif::Entier, "1"},
    {"grand_entier", 1234567, Motif::Entier, "1234567"},
    {"arrondi_entier", 245.4, Motif::Entier, "245"},
    {"milliers_sans_separateur", 1234.4, Motif::Entier, "1234"},
    {"demie_exacte_centiemes", 0.125, Motif::DeuxDecimales, "0,13"},
    {"demie_a_quinze_chiffres", 0.85 * 14.7, Motif::DeuxDecimales, "12,50"},
    {"chiffre_avant_virgule", 0.94, Motif::DeuxDecimales, "0,94"},
    {"negatif", -14.7, Motif::DeuxDecimales, "-14,70"},
    {"negatif_vers_zero", -0.001, Motif::DeuxDecimales, "0,00"},
    {"negatif_vers_zero_entier", -0.4, Motif::Entier, "0"},
    {"moins_zero", -0.0, Motif::Entier, "0"},
    {"retenue_jusqu_en_tete", 999.995, Motif::DeuxDecimales, "1000,00"},
    {"retenue_entiere", 9.5, Motif::Entier, "10"},
    {"juste_sous_la_demie_vaut_la_demie", 0.49999999999999994, Motif::Entier, "1"},
    {"au_dela_du_quinzieme_chiffre", 1234567890123456789.0, Motif::Entier, "1234567890123460000"},
    {"plus_petit_denormal", 4.9406564584124654e-324, Motif::DeuxDecimales, "0,00"},
    {"infini", Infini, Motif::Entier, ""},
    {"moins_infini", -Infini, Motif::DeuxDecimales, ""},
    {"pas_un_nombre", std::nan(""), Motif::DeuxDecimales, ""},
};

INSTANTIATE_TEST_SUITE_P(Valeurs, EcritureTest, testing::ValuesIn(Ecritures), NomDeLigne());

TEST(EcritureTest, PlusGrandDoubleEcritEnEntier)
{
    const std::string texte = FormatNombre(DBL_MAX, Motif::DeuxDecimales);
    EXPECT_EQ(texte, "179769313486232" + std::string(294, '0') + ",00");
}

TEST(EcritureTest, RelitCeQuIlEcrit)
{
    // What the window shows can be typed back and gives the value it shows.
    for (const double v : {0.0, 12.94, -14.7, 1998.0, 46.0, 1e20}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(ValeurTexte(FormatNombre(v, Motif::DeuxDecimales)), v);
    }
}

} // namespace
