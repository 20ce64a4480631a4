#pragma once

#include <QRect>

class QLabel;
class QString;

// A result label and the unit label after it. A result wider than its
// narrow label widens the label to the right, and moves the unit along by
// as much, so that no number is ever shown cut; a result that fits keeps the
// design's geometry.
class EtiquetteResultat {
public:
    EtiquetteResultat(QLabel* valeur, QLabel* unite);
    void afficher(const QString& texte);

private:
    QLabel* valeur_;
    QLabel* unite_;
    QRect conceptionValeur_;
    QRect conceptionUnite_;
};
