#pragma once

#include <variant>

namespace corvane {

// Why a computation gave no result: the first intermediate that was not finite.
enum class Anomalie {
    DivisionParZero,   // a nonzero value divided by zero
    OperationInvalide, // zero divided by zero, the square root of a negative value
    Depassement,       // a value too large for a double
};

// Either the value of a computation or the anomaly that stopped it.
template <class T> class Resultat {
public:
    Resultat(T valeur) : contenu_(valeur) {}
    Resultat(Anomalie anomalie) : contenu_(anomalie) {}

    [[nodiscard]] bool reussi() const { return std::holds_alternative<T>(contenu_); }
    [[nodiscard]] const T& valeur() const { return std::get<T>(contenu_); }
    [[nodiscard]] Anomalie anomalie() const { return std::get<Anomalie>(contenu_); }

private:
    std::variant<T, Anomalie> contenu_;
};

} // namespace corvane
