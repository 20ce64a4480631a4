// The number operations against independent references: an exact decimal
// expansion for the formatting, a regular expression and the C library's
// strtod (C locale, with a point) for the reading.
#include "nombres.h"

#include "decimal_exact.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>

using corvane::FormatNombre;
using corvane::Motif;
using corvane::TexteNumerique;
using corvane::ValeurTexte;

namespace {

void VerifierEcriture(double v)
{
    ASSERT_EQ(FormatNombre(v, Motif::Entier), FormatReference(v, 0)) << std::hexfloat << v;
    ASSERT_EQ(FormatNombre(v, Motif::DeuxDecimales), FormatReference(v, 2)) << std::hexfloat << v;
}

TEST(EcritureDifferentielle, DoublesAuHasardDe1em10A1e308)
{
    std::mt19937_64 hasard(20261208);
    // Exponent fields from 2^-34 (below 1e-10) to the largest, any mantissa, both signs.
    std::uniform_int_distribution<std::uint64_t> exposant(1023 - 34, 2046);
    std::uniform_int_distribution<std::uint64_t> mantisse(0, (std::uint64_t{1} << 52) - 1);
    for (int i = 0; i < 100'000; ++i) {
        const std::uint64_t signe = static_cast<std::uint64_t>(i % 2) << 63;
        VerifierEcriture(std::bit_cast<double>(signe | exposant(hasard) << 52 | mantisse(hasard)));
    }
}

TEST(EcritureDifferentielle, CasAMiChemin)
{
    for (int i = -3000; i <= 3000; ++i) {
        VerifierEcriture(i + 0.5);         // exact halves for "0"
        VerifierEcriture(i / 8.0);         // exact halves of hundredths: 0,125, 0,375 ...
        VerifierEcriture((i + 0.5) / 100); // decimal halves, a hair off as doubles
    }
    // Ties at the 16th significant digit go to even before the final rounding.
    for (const double v : {100000000000000.5, 100000000000001.5, 1000000000000.125, 0.49999999999999994})
        VerifierEcriture(v);
}

// Texts of the accepted alphabet, sometimes long enough to leave the range of a double.
std::string TexteAuHasard(std::mt19937_64& hasard)
{
    static constexpr char Alphabet[] = "0123456789012345678900,,-+";
    std::uniform_int_distribution<std::size_t> lettre(0, sizeof Alphabet - 2);
    std::uniform_int_distribution<int> longueur(0, 12);
    std::size_t n = static_cast<std::size_t>(longueur(hasard));
    if (n == 12)
        n = 290 + static_cast<std::size_t>(longueur(hasard)) * 4; // around 10^308
    std::string texte;
    for (std::size_t i = 0; i < n; ++i)
        texte += Alphabet[lettre(hasard)];
    return texte;
}

std::string OctetsAuHasard(std::mt19937_64& hasard)
{
    std::uniform_int_distribution<int> octet(0, 255);
    std::uniform_int_distribution<int> longueur(0, 6);
    std::string texte;
    for (int i = longueur(hasard); i > 0; --i)
        texte += static_cast<char>(octet(hasard));
    return texte;
}

void VerifierLecture(const std::string& texte)
{
    static const std::regex Syntaxe("[+-]?[0-9]*,?[0-9]*");
    std::string avecPoint = texte;
    std::replace(avecPoint.begin(), avecPoint.end(), ',', '.');
    const double attendu = std::strtod(avecPoint.c_str(), nullptr);
    const bool accepte = std::regex_match(texte, Syntaxe) &&
                         texte.find_first_of("0123456789") != std::string::npos && !std::isinf(attendu);

    const auto lu = ValeurTexte(texte);
    ASSERT_EQ(TexteNumerique(texte), accepte) << '"' << texte << '"';
    ASSERT_EQ(lu.has_value(), accepte) << '"' << texte << '"';
    if (lu) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*lu), std::bit_cast<std::uint64_t>(attendu))
            << '"' << texte << '"';
    }
}

TEST(LectureDifferentielle, TextesDeLAlphabetAccepte)
{
    std::mt19937_64 hasard(42);
    for (int i = 0; i < 100'000; ++i)
        VerifierLecture(TexteAuHasard(hasard));
}

TEST(LectureDifferentielle, OctetsQuelconques)
{
    std::mt19937_64 hasard(7);
    for (int i = 0; i < 100'000; ++i)
        VerifierLecture(OctetsAuHasard(hasard));
}

} // namespace
