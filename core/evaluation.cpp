#include "evaluation.h"

#include "arithmetique.h"

namespace corvane {

Resultat<double> EvaluerDebit(double debOri, double pori, double pdes)
{
    Arithmetique op;
    pori = DefautsEvaluation::Pori.appliquer(pori);
    pdes = DefautsEvaluation::Pdes.appliquer(pdes);
    const double q = op.divise(pdes, pori);
    // A negative ratio has no real root: that is an anomaly, not a NaN result.
    const double s = op.racine(q);
    return op.conclure(op.fois(s, debOri));
}

} // namespace corvane
