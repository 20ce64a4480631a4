#pragma once

class QMainWindow;
class QString;

// Checks the parameter fields of one group (their Tag) in the window's
// collection order. The first field that is empty or not a number is
// reported in a message box and gets the focus; the answer is then false.
// Changes no text and no label.
bool ControleZones(QMainWindow& fenetre, const QString& tag);
