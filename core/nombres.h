#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The two ways a number is shown: "0", a whole number, and "0.00", two decimals.
enum class Motif { Entier, DeuxDecimales };

// True when the text is a number written with the decimal comma: an optional
// leading "-" or "+", ASCII digits with at most one comma and at least one
// digit, and a value that a double can hold (too small a value is zero).
[[nodiscard]] bool TexteNumerique(std::string_view texte);

// The double nearest to the text, or nothing for every text that
// TexteNumerique refuses. Independent of the user's locale.
[[nodiscard]] std::optional<double> ValeurTexte(std::string_view texte);

// The value rounded to the motif's decimals, half away from zero, after
// first being written with 15 significant digits; decimal comma, no exponent,
// no thousands separator, no minus sign on a value that comes to zero.
// A value that is not finite gives the empty text.
[[nodiscard]] std::string FormatNombre(double valeur, Motif motif);

} // namespace corvane
