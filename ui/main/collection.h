#pragma once

#include <QList>
#include <QString>

class QObject;
class QWidget;

// A window's controls in the order the window creates them, menu items
// included: the order in which the parameter check reports a field.
QList<QObject*> ControlesDe(QWidget* fenetre);

bool EstChampTexte(const QObject* controle);

// The group a parameter field belongs to; empty for every other control.
QString Tag(const QObject* controle);
