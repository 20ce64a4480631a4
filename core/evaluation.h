#pragma once

#include "defaut.h"
#include "resultat.h"

namespace corvane {

// Pressures standing for zero; a zero known flow has none.
namespace DefautsEvaluation {
inline constexpr Defaut Pori{3.0, "3"};
inline constexpr Defaut Pdes{3.0, "3"};
} // namespace DefautsEvaluation

// The flow of an injector at the supply pressure pdes, knowing it delivers
// debOri at pori: flow grows with the square root of the pressure. Both
// pressures in one unit, the flow in cm3/min.
[[nodiscard]] Resultat<double> EvaluerDebit(double debOri, double pori, double pdes);

} // namespace corvane
