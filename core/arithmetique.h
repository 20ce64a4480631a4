#pragma once

#include "resultat.h"

#include <cmath>
#include <optional>

namespace corvane {

// Runs a formula one IEEE operation at a time, in the caller's order, and
// remembers the first intermediate that is not finite and why. Testing each
// result, rather than the floating-point environment's flags, behaves the
// same with every compiler and optimisation level.
class Arithmetique {
public:
    double plus(double a, double b) { return noter(a + b, false); }
    double fois(double a, double b) { return noter(a * b, false); }
    double divise(double a, double b) { return noter(a / b, b == 0.0); }
    double racine(double a) { return noter(std::sqrt(a), false); }

    template <class T> [[nodiscard]] Resultat<T> conclure(const T& valeur) const
    {
        if (anomalie_)
            return *anomalie_;
        return valeur;
    }

private:
    double noter(double r, bool diviseurNul)
    {
        if (!std::isfinite(r)) [[unlikely]]
            signaler(r, diviseurNul);
        return r;
    }

    void signaler(double r, bool diviseurNul)
    {
        if (anomalie_)
            return;
        anomalie_ = std::isnan(r) ? Anomalie::OperationInvalide
                    : diviseurNul ? Anomalie::DivisionParZero
                                  : Anomalie::Depassement;
    }

    std::optional<Anomalie> anomalie_;
};

} // namespace corvane
