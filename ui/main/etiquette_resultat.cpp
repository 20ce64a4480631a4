#include "etiquette_resultat.h"

#include <QLabel>

#include <algorithm>

EtiquetteResultat::EtiquetteResultat(QLabel* valeur, QLabel* unite)
    : valeur_(valeur), unite_(unite), conceptionValeur_(valeur->geometry()),
      conceptionUnite_(unite->geometry())
{
}

void EtiquetteResultat::afficher(const QString& texte)
{
    valeur_->setText(texte);
    const QMargins marges = valeur_->contentsMargins();
    const int necessaire = valeur_->fontMetrics().horizontalAdvance(texte) + marges.left() + marges.right() +
                           2 * valeur_->margin();
    const int surplus = std::max(0, necessaire - conceptionValeur_.width());

    valeur_->setGeometry(conceptionValeur_.adjusted(0, 0, surplus, 0));
    // The unit keeps to the frame: past its right edge it gives up width, never the number.
    QRect unite = conceptionUnite_.translated(surplus, 0);
    const int bordDroit = unite_->parentWidget()->contentsRect().right();
    if (unite.right() > bordDroit)
        unite.setRight(std::max(unite.left(), bordDroit));
    unite_->setGeometry(unite);
}
