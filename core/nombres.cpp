#include "nombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace corvane {

namespace {

// A text split into the parts of the notation, once it has passed the syntax.
struct Ecriture {
    bool negatif = false;
    std::string_view entiers;   // digits before the comma
    std::string_view decimales; // digits after it
};

bool QueDesChiffres(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<Ecriture> Decomposer(std::string_view texte)
{
    Ecriture e;
    if (!texte.empty() && (texte.front() == '-' || texte.front() == '+')) {
        e.negatif = texte.front() == '-';
        texte.remove_prefix(1);
    }
    const auto virgule = texte.find(',');
    e.entiers = texte.substr(0, virgule);
    if (virgule != std::string_view::npos)
        e.decimales = texte.substr(virgule + 1);
    if (!QueDesChiffres(e.entiers) || !QueDesChiffres(e.decimales))
        return std::nullopt;
    if (e.entiers.empty() && e.decimales.empty())
        return std::nullopt;
    return e;
}

} // namespace

bool TexteNumerique(std::string_view texte)
{
    return ValeurTexte(texte).has_value();
}

std::optional<double> ValeurTexte(std::string_view texte)
{
    const auto e = Decomposer(texte);
    if (!e)
        return std::nullopt;

    // from_chars knows only the point and no "+": rewrite the text for it.
    std::string ecrit;
    ecrit.reserve(texte.size() + 1);
    if (e->negatif)
        ecrit += '-';
    ecrit += e->entiers;
    ecrit += '.';
    ecrit += e->decimales;

    double valeur = 0.0;
    const char* fin = ecrit.data() + ecrit.size();
    const auto [lu, erreur] = std::from_chars(ecrit.data(), fin, valeur, std::chars_format::fixed);
    if (erreur == std::errc::result_out_of_range) {
        // Out of range in either direction: a whole part with a nonzero digit
        // is at least 1 and so too large; anything else is too small, and a
        // value too small for a double is a zero of the text's sign.
        const bool tropGrand = e->entiers.find_first_not_of('0') != std::string_view::npos;
        if (tropGrand)
            return std::nullopt;
        return e->negatif ? -0.0 : 0.0;
    }
    if (erreur != std::errc{} || lu != fin)
        return std::nullopt;
    return valeur;
}

std::string FormatNombre(double valeur, Motif motif)
{
    if (!std::isfinite(valeur))
        return {};
    const int decimales = motif == Motif::DeuxDecimales ? 2 : 0;

    // 15 significant digits, correctly rounded: "d.dddddddddddddde±x".
    constexpr int significatifs = 15;
    char scientifique[32];
    const auto ecrit = std::to_chars(scientifique, scientifique + sizeof scientifique, std::fabs(valeur),
                                     std::chars_format::scientific, significatifs - 1);
    std::string chiffres;
    chiffres += scientifique[0];
    chiffres.append(scientifique + 2, scientifique + 2 + (significatifs - 1));
    int exposant = 0;
    const char* debutExposant = scientifique + 2 + (significatifs - 1) + 1; // after the 'e'
    if (*debutExposant == '+')
        ++debutExposant;
    std::from_chars(debutExposant, ecrit.ptr, exposant);

    // The first digit stands for 10^exposant: keep those down to 10^-decimales,
    // then round half away from zero on the first digit left out.
    const int gardes = exposant + decimales + 1;
    std::string unites; // the value in units of 10^-decimales
    if (gardes <= 0) {
        unites.assign(1, gardes == 0 && chiffres[0] >= '5' ? '1' : '0');
    } else if (gardes >= significatifs) {
        unites = chiffres + std::string(static_cast<std::size_t>(gardes - significatifs), '0');
    } else {
        unites = chiffres.substr(0, static_cast<std::size_t>(gardes));
        if (chiffres[static_cast<std::size_t>(gardes)] >= '5') {
            auto chiffre = unites.rbegin();
            for (; chiffre != unites.rend() && *chiffre == '9'; ++chiffre)
                *chiffre = '0';
            if (chiffre == unites.rend())
                unites.insert(unites.begin(), '1');
            else
                ++*chiffre;
        }
    }

    unites.erase(0, std::min(unites.find_first_not_of('0'), unites.size()));
    const bool nul = unites.empty();
    const auto largeur = static_cast<std::size_t>(decimales + 1);
    if (unites.size() < largeur)
        unites.insert(0, largeur - unites.size(), '0');
    if (decimales > 0)
        unites.insert(unites.size() - static_cast<std::size_t>(decimales), 1, ',');
    if (valeur < 0 && !nul)
        unites.insert(unites.begin(), '-');
    return unites;
}

} // namespace corvane
