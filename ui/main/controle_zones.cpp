#include "controle_zones.h"

#include "avertissement.h"
#include "collection.h"
#include "nombres.h"

#include <QLineEdit>
#include <QMainWindow>

bool ControleZones(QMainWindow& fenetre, const QString& tag)
{
    for (QObject* controle : ControlesDe(&fenetre)) {
        if (!EstChampTexte(controle) || Tag(controle) != tag)
            continue;
        auto* champ = static_cast<QLineEdit*>(controle);
        const QString texte = champ->text();
        QString message;
        if (texte.isEmpty())
            message = QStringLiteral("Zones obligatoire - Veuillez saisir le paramétre manquant");
        else if (!corvane::TexteNumerique(texte.toStdString()))
            message = QStringLiteral("Zone numérique - Veuillez modifier ces paramétre");
        else
            continue;
        Avertir(fenetre, message);
        champ->setFocus();
        return false;
    }
    return true;
}
