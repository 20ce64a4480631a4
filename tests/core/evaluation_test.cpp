#include "evaluation.h"

#include "nombres.h"

#include "table.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

struct CasEvaluation {
    const char* nom;
    double debOri, pori, pdes;
    double attendu;
};

void PrintTo(const CasEvaluation& cas, std::ostream* os)
{
    *os << cas.nom;
}

class EvaluerDebitTest : public testing::TestWithParam<CasEvaluation> {};

TEST_P(EvaluerDebitTest, ReproduitLesValeursAuDernierBit)
{
    const CasEvaluation& cas = GetParam();
    const auto r = EvaluerDebit(cas.debOri, cas.pori, cas.pdes);
    ASSERT_TRUE(r.reussi());
    EXPECT_EQ(r.valeur(), cas.attendu);
}

const CasEvaluation Cas[] = {
    {"trois_a_quatre_bars", 440, 3, 4, 508.06823688687064},
    {"pression_desiree_nulle_vaut_trois", 440, 3, 0, 440},
    {"deux_pressions_nulles", 440, 0, 0, 440},
    {"zero_negatif_vaut_trois", 440, -0.0, 3, 440},
    {"trois_a_trois_et_demi", 550, 3, 3.5, 594.0678973540539},
    {"pression_non_entiere", 315, 2.7, 4, 383.4057902536163},
    {"debit_nul", 0, 3, 4, 0},
    {"deux_pressions_negatives", 440, -3, -4, 508.06823688687064},
};

INSTANTIATE_TEST_SUITE_P(Cas, EvaluerDebitTest, testing::ValuesIn(Cas), NomDeLigne());

struct CasAnomalie {
    const char* nom;
    double debOri, pori, pdes;
    Anomalie attendue;
};

void PrintTo(const CasAnomalie& cas, std::ostream* os)
{
    *os << cas.nom;
}

class AnomalieEvaluationTest : public testing::TestWithParam<CasAnomalie> {};

TEST_P(AnomalieEvaluationTest, SignaleLAnomalieSansNombre)
{
    const CasAnomalie& cas = GetParam();
    const auto r = EvaluerDebit(cas.debOri, cas.pori, cas.pdes);
    ASSERT_FALSE(r.reussi());
    EXPECT_EQ(r.anomalie(), cas.attendue);
}

const CasAnomalie Anomalies[] = {
    {"rapport_negatif", 440, 3, -4, Anomalie::OperationInvalide},
    {"origine_negative", 440, -3, 4, Anomalie::OperationInvalide},
    {"rapport_trop_grand", 440, 1e-300, 1e300, Anomalie::Depassement},
    {"debit_trop_grand", 1e308, 3, 300, Anomalie::Depassement},
};

INSTANTIATE_TEST_SUITE_P(Cas, AnomalieEvaluationTest, testing::ValuesIn(Anomalies), NomDeLigne());

TEST(DefautsEvaluationTest, LeTexteEcritRedonneLaValeurUtilisee)
{
    for (const Defaut& d : {DefautsEvaluation::Pori, DefautsEvaluation::Pdes})
        EXPECT_EQ(ValeurTexte(d.texte), d.valeur);
}

} // namespace
