#pragma once

#include <QObject>
#include <QString>

// A control of a designed window, found by its name in the design: the
// wiring and the tests reach the controls this way, without the generated
// form. A name the design lacks is a fault of the program, not of its user.
template <class T> T* Controle(const QObject& fenetre, const QString& nom)
{
    T* controle = fenetre.findChild<T*>(nom);
    if (!controle)
        qFatal("%s has no control %s", qPrintable(fenetre.objectName()), qPrintable(nom));
    return controle;
}
