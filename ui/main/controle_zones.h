#pragma once

#include <QString>

class QMainWindow;

// The groups of parameter fields, as their Tag names them in the design.
inline const QString GroupeDebit = QStringLiteral("VE");      // the ten sizing parameters
inline const QString GroupeEvaluation = QStringLiteral("D2"); // the three re-rating parameters

// Checks the parameter fields of one group (their Tag) in the window's
// collection order. The first field that is empty or not a number is
// reported in a message box and gets the focus; the answer is then false.
// Changes no text and no label.
bool ControleZones(QMainWindow& fenetre, const QString& tag);
