#pragma once

class QString;
class QWidget;

// The program's one kind of message: a modal box titled "Attention", one OK
// button, no icon. Returns when the user has closed it.
void Avertir(QWidget& proprietaire, const QString& message);
