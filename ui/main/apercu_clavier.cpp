#include "apercu_clavier.h"

#include "caracteres.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>

ApercuClavier::ApercuClavier(QMainWindow& fenetre, Gestionnaire gestionnaire)
    : QObject(&fenetre), gestionnaire_(std::move(gestionnaire))
{
    // The controls are in the central widget; the menus keep their own keys.
    for (QWidget* controle : fenetre.centralWidget()->findChildren<QWidget*>())
        controle->installEventFilter(this);
}

int ApercuClavier::CodeCaractere(const QKeyEvent& evenement)
{
    const bool ctrl = evenement.modifiers().testFlag(Qt::ControlModifier);
    switch (evenement.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1; // they move the focus or edit: no character
    case Qt::Key_Backspace:
        return ctrl ? Caractere::SupprimerMot : Caractere::RetourArriere;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Caractere::Entree;
    case Qt::Key_Escape:
        return Caractere::Echap;
    default:
        break;
    }
    // Ctrl with a letter is a control character whatever the platform puts in text().
    if (ctrl && evenement.key() >= Qt::Key_A && evenement.key() <= Qt::Key_Z)
        return evenement.key() - Qt::Key_A + 1;

    const QString texte = evenement.text();
    if (texte.isEmpty())
        return -1;
    if (texte.size() == 1 && texte.front().unicode() < 128)
        return texte.front().unicode();
    return Caractere::Inconnu;
}

bool ApercuClavier::eventFilter(QObject* controle, QEvent* evenement)
{
    if (remplacementEnCours_)
        return false;
    if (evenement->type() == QEvent::KeyPress)
        return frappe(controle, *static_cast<QKeyEvent*>(evenement));
    if (evenement->type() == QEvent::InputMethod)
        return saisie(controle, *static_cast<QInputMethodEvent*>(evenement));
    return false;
}

// Returns true when the control must not see the original key press.
bool ApercuClavier::frappe(QObject* controle, const QKeyEvent& evenement)
{
    const int code = CodeCaractere(evenement);
    if (code < 0)
        return false;

    auto KeyAscii = static_cast<qint16>(code);
    gestionnaire_(KeyAscii);
    // A button types no text: dropping its character leaves the key's own
    // effect, such as Space pressing it.
    if (KeyAscii == code || !qobject_cast<QLineEdit*>(controle))
        return false;
    if (KeyAscii <= Caractere::Aucun || KeyAscii >= 128)
        return true;

    // Another character: the control receives it in place of the typed one.
    const QChar caractere(KeyAscii);
    const int touche = KeyAscii >= 32 ? caractere.toUpper().unicode() : int(Qt::Key_unknown);
    QKeyEvent remplacant(QEvent::KeyPress, touche, evenement.modifiers(), QString(caractere),
                         evenement.isAutoRepeat(), evenement.count());
    remplacer(controle, remplacant);
    return true;
}

// Dead keys and compose sequences, and input methods such as IBus or Fcitx,
// hand the field whole texts that no key press carries: each of their
// characters goes through the handler too. Their pre-edit text is never
// shown, since a field takes nothing but what the handler lets through.
bool ApercuClavier::saisie(QObject* controle, const QInputMethodEvent& evenement)
{
    if (!qobject_cast<QLineEdit*>(controle))
        return false;
    QString garde;
    for (const QChar caractere : evenement.commitString()) {
        auto KeyAscii = static_cast<qint16>(caractere.unicode() < 128 ? caractere.unicode() : Caractere::Inconnu);
        gestionnaire_(KeyAscii);
        if (KeyAscii >= 32 && KeyAscii < 128)
            garde += QChar(KeyAscii);
    }
    if (garde == evenement.commitString() && evenement.preeditString().isEmpty())
        return false;
    if (!garde.isEmpty()) {
        QInputMethodEvent remplacant;
        remplacant.setCommitString(garde);
        remplacer(controle, remplacant);
    }
    return true;
}

void ApercuClavier::remplacer(QObject* controle, QEvent& remplacant)
{
    remplacementEnCours_ = true;
    QCoreApplication::sendEvent(controle, &remplacant);
    remplacementEnCours_ = false;
}
