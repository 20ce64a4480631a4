#pragma once

#include <string_view>

namespace corvane {

// What stands for an input of zero: the value used instead, in the unit of
// its field, and the text written back into that field.
struct Defaut {
    double valeur;
    std::string_view texte;
    // The zero test is made on the input divided by this: a percentage is
    // tested on its fraction, which a tiny percentage can underflow to zero.
    double echelle = 1.0;

    [[nodiscard]] constexpr bool remplace(double entree) const { return entree / echelle == 0.0; }
    [[nodiscard]] constexpr double appliquer(double entree) const
    {
        return remplace(entree) ? valeur : entree;
    }
};

} // namespace corvane
