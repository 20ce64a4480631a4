#pragma once

#include <QObject>

#include <functional>

class QInputMethodEvent;
class QKeyEvent;
class QMainWindow;

// The window's key preview: every character typed in any control of the
// window, whether a key press or an input method (dead keys, compose
// sequences) delivers it, goes to the handler before the control sees it. The
// handler may change the character code, or set it to Caractere::Aucun to
// drop the character. Keys that type no character (Tab, arrows, Delete,
// access keys) are not seen.
class ApercuClavier : public QObject {
public:
    using Gestionnaire = std::function<void(qint16& KeyAscii)>;
    ApercuClavier(QMainWindow& fenetre, Gestionnaire gestionnaire);

    // The character code of a key press: its ASCII code, RetourArriere,
    // SupprimerMot for Ctrl+Backspace, 1 to 26 for Ctrl with a letter,
    // Inconnu for any other character; -1 for a key that types none.
    static int CodeCaractere(const QKeyEvent& evenement);

protected:
    bool eventFilter(QObject* controle, QEvent* evenement) override;

private:
    bool frappe(QObject* controle, const QKeyEvent& evenement);
    bool saisie(QObject* controle, const QInputMethodEvent& evenement);
    // Hands the control an event of Qt's own in place of the one it was sent.
    void remplacer(QObject* controle, QEvent& remplacant);

    Gestionnaire gestionnaire_;
    bool remplacementEnCours_ = false;
};
