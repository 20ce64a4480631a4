#pragma once

#include "controle.h"
#include "frmcalcul.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>

#include <functional>
#include <memory>
#include <optional>

// The main window as the program builds it: designed, wired, shown and active.
class FenetreCablee {
public:
    FenetreCablee();
    FrmCalcul& fenetre() { return fenetre_; }

    // The window's controls by their names in the design.
    QLineEdit* champ(const QString& nom) { return Controle<QLineEdit>(fenetre_, nom); }
    QLabel* etiquette(const QString& nom) { return Controle<QLabel>(fenetre_, nom); }
    QPushButton* bouton(const QString& nom) { return Controle<QPushButton>(fenetre_, nom); }
    QAction* action(const QString& nom) { return Controle<QAction>(fenetre_, nom); }
    // Sets fields' texts by name, as a paste would.
    void remplir(const QMap<QString, QString>& textes);

private:
    FrmCalcul fenetre_;
};

// Base of the window tests: a fresh wired window for each test and data row.
class TestFenetre : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<FenetreCablee> f;

private slots:
    void init() { f = std::make_unique<FenetreCablee>(); }
    void cleanup() { f.reset(); }
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
