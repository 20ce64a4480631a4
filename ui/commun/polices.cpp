#include "polices.h"

#include <QFont>
#include <QWidget>

void PolicesDeConception(QWidget& fenetre)
{
    constexpr int TailleDuFormulaire = 8;
    constexpr qreal TailleConcue = 8.25;
    QList<QWidget*> controles = fenetre.findChildren<QWidget*>();
    controles.prepend(&fenetre);
    for (QWidget* controle : controles) {
        QFont police = controle->font();
        // Inherited fonts too: a control with a style sheet keeps the font it
        // had when the sheet was applied, whatever its parent gets later.
        if (police.pointSizeF() != TailleDuFormulaire)
            continue;
        police.setPointSizeF(TailleConcue);
        controle->setFont(police);
    }
}
