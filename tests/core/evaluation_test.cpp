#include "evaluation.h"

#include "nombres.h"

#include "table.h"

#include <gtest/gtest.h>

#include <variant>

using namespace corvane;

namespace {

// A re-rating and what it must give: the flow to the last bit, or the
// anomaly that stops it without a number.
struct CasEvaluation : Ligne {
    double debOri, pori, pdes;
    std::variant<double, Anomalie> attendu;
};

class EvaluerDebitTest : public testing::TestWithParam<CasEvaluation> {};

TEST_P(EvaluerDebitTest, ReproduitLaValeurAuDernierBitOuSignaleLAnomalie)
{
    const CasEvaluation& cas = GetParam();
    const auto r = EvaluerDebit(cas.debOri, cas.pori, cas.pdes);
    if (const auto* anomalie = std::get_if<Anomalie>(&cas.attendu)) {
        ASSERT_FALSE(r.reussi());
        EXPECT_EQ(r.anomalie(), *anomalie);
    } else {
        ASSERT_TRUE(r.reussi());
        EXPECT_EQ(r.valeur(), std::get<double>(cas.attendu));
    }
}

const CasEvaluation Cas[] = {
    {"trois_a_quatre_bars", 440, 3, 4, 508.06823688687064},
    {"pression_desiree_nulle_vaut_trois", 440, 3, 0, 440.0},
    {"deux_pressions_nulles", 440, 0, 0, 440.0},
    {"zero_negatif_vaut_trois", 440, -0.0, 3, 440.0},
    {"trois_a_trois_et_demi", 550, 3, 3.5, 594.0678973540539},
    {"pression_non_entiere", 315, 2.7, 4, 383.4057902536163},
    {"debit_nul", 0, 3, 4, 0.0},
    {"deux_pressions_negatives", 440, -3, -4, 508.06823688687064},
    {"rapport_negatif", 440, 3, -4, Anomalie::OperationInvalide},
    {"origine_negative", 440, -3, 4, Anomalie::OperationInvalide},
    {"rapport_trop_grand", 440, 1e-300, 1e300, Anomalie::Depassement},
    {"debit_trop_grand", 1e308, 3, 300, Anomalie::Depassement},
};

INSTANTIATE_TEST_SUITE_P(Cas, EvaluerDebitTest, testing::ValuesIn(Cas), NomDeLigne());

TEST(DefautsEvaluationTest, LeTexteEcritRedonneLaValeurUtilisee)
{
    for (const Defaut& d : {DefautsEvaluation::Pori, DefautsEvaluation::Pdes})
        EXPECT_EQ(ValeurTexte(d.texte), d.valeur);
}

} // namespace
