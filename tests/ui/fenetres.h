#pragma once

#include "frmcalcul.h"

#include <QMap>
#include <QMessageBox>

#include <functional>
#include <optional>

// The main window as the program builds it: designed, wired, shown and active.
class FenetreCablee {
public:
    FenetreCablee();
    FrmCalcul& operator*() { return fenetre_; }
    FrmCalcul* operator->() { return &fenetre_; }

    QLineEdit* champ(const QString& nom) { return fenetre_.findChild<QLineEdit*>(nom); }
    QLabel* etiquette(const QString& nom) { return fenetre_.findChild<QLabel*>(nom); }
    // Sets fields' texts by name, as a paste would.
    void remplir(const QMap<QString, QString>& textes);

private:
    FrmCalcul fenetre_;
};

// Runs `action` on the modal window as soon as one is open (a message box,
// the About window), from the event loop that the modal window runs.
void QuandModaleOuverte(std::function<void(QWidget* modale)> action);

// What a message box showed before the test closed it with OK.
struct Message {
    QString titre;
    QString texte;
    QMessageBox::Icon icone;
    QMessageBox::StandardButtons boutons;
};

// Runs a command; returns the message box it showed, if any.
std::optional<Message> MessagePendant(const std::function<void()>& commande);
