#include "decimal_exact.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Little-endian limbs in base 10^9.
using Grand = std::vector<std::uint64_t>;
constexpr std::uint64_t Base = 1'000'000'000;

void Multiplier(Grand& n, std::uint64_t facteur)
{
    std::uint64_t retenue = 0;
    for (auto& limbe : n) {
        const std::uint64_t produit = limbe * facteur + retenue;
        limbe = produit % Base;
        retenue = produit / Base;
    }
    while (retenue) {
        n.push_back(retenue % Base);
        retenue /= Base;
    }
}

void MultiplierPuissance(Grand& n, std::uint64_t base, int exposant, int parPas)
{
    std::uint64_t pas = 1;
    for (int i = 0; i < parPas; ++i)
        pas *= base;
    for (; exposant >= parPas; exposant -= parPas)
        Multiplier(n, pas);
    for (; exposant > 0; --exposant)
        Multiplier(n, base);
}

std::string EnDecimal(const Grand& n)
{
    std::string s = std::to_string(n.back());
    for (auto limbe = n.rbegin() + 1; limbe != n.rend(); ++limbe) {
        const std::string morceau = std::to_string(*limbe);
        s += std::string(9 - morceau.size(), '0') + morceau;
    }
    return s;
}

// Adds one unit to the last digit of a digit string.
void Incrementer(std::string& chiffres)
{
    auto c = chiffres.rbegin();
    for (; c != chiffres.rend() && *c == '9'; ++c)
        *c = '0';
    if (c == chiffres.rend())
        chiffres.insert(chiffres.begin(), '1');
    else
        ++*c;
}

} // namespace

DecimalExact Developper(double valeur)
{
    DecimalExact d;
    d.negatif = std::signbit(valeur);
    int exposant = 0;
    const double fraction = std::frexp(std::fabs(valeur), &exposant);
    const auto mantisse = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exposant -= 53;

    Grand n{mantisse % Base, mantisse / Base};
    if (exposant >= 0) {
        MultiplierPuissance(n, 2, exposant, 29);
        d.entiers = EnDecimal(n);
    } else {
        // m × 2^-k = m × 5^k / 10^k
        const int k = -exposant;
        MultiplierPuissance(n, 5, k, 13);
        std::string s = EnDecimal(n);
        if (s.size() <= static_cast<std::size_t>(k))
            s.insert(0, static_cast<std::size_t>(k) + 1 - s.size(), '0');
        d.entiers = s.substr(0, s.size() - static_cast<std::size_t>(k));
        d.decimales = s.substr(s.size() - static_cast<std::size_t>(k));
    }
    d.entiers.erase(0, std::min(d.entiers.find_first_not_of('0'), d.entiers.size() - 1));
    d.decimales.erase(d.decimales.find_last_not_of('0') + 1);
    return d;
}

std::string FormatReference(double valeur, int decimales)
{
    const DecimalExact d = Developper(valeur);
    const std::string tous = d.entiers + d.decimales;
    const auto virgule = static_cast<long>(d.entiers.size());
    const auto premier = tous.find_first_not_of('0');

    std::string unites = "0";
    if (premier != std::string::npos) {
        // 15 significant digits, ties to even; padding with zeros keeps the
        // value, and the last digit kept stands for 10^dernier.
        std::string sig = tous.substr(premier, 15);
        sig.append(15 - sig.size(), '0');
        const long dernier = virgule - static_cast<long>(premier) - 15;
        const std::string reste = premier + 15 < tous.size() ? tous.substr(premier + 15) : "";
        if (!reste.empty()) {
            const bool auDessus =
                reste[0] > '5' || (reste[0] == '5' && reste.find_first_not_of('0', 1) != std::string::npos);
            const bool egal = reste[0] == '5' && reste.find_first_not_of('0', 1) == std::string::npos;
            if (auDessus || (egal && (sig.back() - '0') % 2 == 1))
                Incrementer(sig);
        }
        // Now the value is sig × 10^dernier; take it in units of 10^-decimales.
        const long decalage = dernier + decimales;
        if (decalage >= 0) {
            unites = sig + std::string(static_cast<std::size_t>(decalage), '0');
        } else {
            const auto coupe = static_cast<std::size_t>(-decalage);
            if (coupe > sig.size()) {
                unites.assign(1, '0');
            } else {
                const char premierCoupe = sig[sig.size() - coupe];
                unites = coupe == sig.size() ? "0" : sig.substr(0, sig.size() - coupe);
                if (premierCoupe >= '5')
                    Incrementer(unites);
            }
        }
    }

    unites.erase(0, std::min(unites.find_first_not_of('0'), unites.size()));
    const bool nul = unites.empty();
    if (unites.size() < static_cast<std::size_t>(decimales) + 1)
        unites.insert(0, static_cast<std::size_t>(decimales) + 1 - unites.size(), '0');
    if (decimales > 0)
        unites.insert(unites.size() - static_cast<std::size_t>(decimales), 1, ',');
    return (d.negatif && !nul ? "-" : "") + unites;
}
