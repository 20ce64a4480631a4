// libFuzzer target over the number operations and both computations.
#include "debit.h"
#include "evaluation.h"
#include "nombres.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

using namespace corvane;

namespace {

void Exiger(bool condition)
{
    if (!condition)
        std::abort();
}

// The value written with 15 significant digits, read back; nothing when that
// rounding leaves the range of a double (next to the largest one).
std::optional<double> QuinzeChiffres(double v)
{
    char texte[32];
    const auto fin = std::to_chars(texte, texte + sizeof texte, v, std::chars_format::scientific, 14).ptr;
    double relu = 0;
    if (std::from_chars(texte, fin, relu).ec != std::errc{})
        return std::nullopt;
    return relu;
}

void VerifierEcriture(double v)
{
    for (const auto& [motif, unite] :
         {std::pair{Motif::Entier, 1.0}, std::pair{Motif::DeuxDecimales, 0.01}}) {
        const std::string texte = FormatNombre(v, motif);
        if (!std::isfinite(v)) {
            Exiger(texte.empty());
            continue;
        }
        Exiger(texte.find_first_not_of("-0123456789,") == std::string::npos);
        Exiger(texte.find(',') == texte.rfind(','));
        Exiger(texte.rfind('-') == 0 || texte.find('-') == std::string::npos);
        const auto relu = ValeurTexte(texte);
        const auto attendu = QuinzeChiffres(v);
        Exiger(relu.has_value() == attendu.has_value());
        if (!relu)
            continue;
        const double ecart = std::fabs(*relu - *attendu);
        Exiger(ecart <= 0.5 * unite + 4 * std::numeric_limits<double>::epsilon() * std::fabs(*attendu));
    }
}

template <class T> void VerifierResultat(const Resultat<T>& r, auto... valeurs)
{
    if (r.reussi())
        Exiger((std::isfinite(valeurs(r.valeur())) && ...));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const auto valeur = ValeurTexte(texte);
    Exiger(TexteNumerique(texte) == valeur.has_value());
    if (valeur) {
        Exiger(std::isfinite(*valeur));
        VerifierEcriture(*valeur);
    }

    double nombres[10] = {};
    std::memcpy(nombres, donnees, std::min(taille, sizeof nombres));
    VerifierEcriture(nombres[0]);

    const ParametresMoteur p{nombres[0], nombres[1], nombres[2], nombres[3], nombres[4],
                             nombres[5], nombres[6], nombres[7], nombres[8], nombres[9]};
    VerifierResultat(
        CalculDebit(p), [](auto& r) { return r.VeCyl; }, [](auto& r) { return r.VeMoteur; },
        [](auto& r) { return r.DebInj; });
    VerifierResultat(EvaluerDebit(nombres[0], nombres[1], nombres[2]), [](double r) { return r; });
    return 0;
}
