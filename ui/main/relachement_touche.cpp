#include "relachement_touche.h"

#include <QKeyEvent>
#include <QWidget>

RelachementTouche::RelachementTouche(QWidget& controle) : QObject(&controle)
{
    controle.installEventFilter(this);
}

bool RelachementTouche::eventFilter(QObject*, QEvent* evenement)
{
    if (evenement->type() == QEvent::KeyRelease) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        const auto modificateurs = touche->modifiers();
        const int shift = (modificateurs.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                          (modificateurs.testFlag(Qt::ControlModifier) ? 2 : 0) |
                          (modificateurs.testFlag(Qt::AltModifier) ? 4 : 0);
        emit KeyUp(touche->key(), shift);
    }
    return false;
}
