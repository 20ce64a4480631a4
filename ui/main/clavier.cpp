#include "clavier.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>

Clavier* Clavier::ApercuDe(QMainWindow* fenetre)
{
    auto* clavier = new Clavier(fenetre, Role::Apercu);
    // The controls are in the central widget; the menus keep their own keys.
    for (QWidget* controle : fenetre->centralWidget()->findChildren<QWidget*>())
        controle->installEventFilter(clavier);
    return clavier;
}

Clavier* Clavier::RelachementsDe(QWidget* controle)
{
    auto* clavier = new Clavier(controle, Role::Relachements);
    controle->installEventFilter(clavier);
    return clavier;
}

int Clavier::CodeCaractere(const QKeyEvent& evenement)
{
    const bool ctrl = evenement.modifiers().testFlag(Qt::ControlModifier);
    switch (evenement.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1; // they move the focus or edit: no character
    case Qt::Key_Backspace:
        return ctrl ? 127 : 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
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
    return CaractereInconnu;
}

bool Clavier::eventFilter(QObject* controle, QEvent* evenement)
{
    if (role_ == Role::Apercu && evenement->type() == QEvent::KeyPress)
        return apercu(controle, *static_cast<QKeyEvent*>(evenement));
    if (role_ == Role::Apercu && evenement->type() == QEvent::InputMethod)
        return apercuSaisie(controle, *static_cast<QInputMethodEvent*>(evenement));
    if (role_ == Role::Relachements && evenement->type() == QEvent::KeyRelease) {
        const auto touches = static_cast<QKeyEvent*>(evenement)->modifiers();
        const int shift = (touches.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                          (touches.testFlag(Qt::ControlModifier) ? 2 : 0) |
                          (touches.testFlag(Qt::AltModifier) ? 4 : 0);
        emit KeyUp(static_cast<QKeyEvent*>(evenement)->key(), shift);
    }
    return false;
}

// Returns true when the control must not see the original key press.
bool Clavier::apercu(QObject* controle, const QKeyEvent& evenement)
{
    if (remplacementEnCours_)
        return false;
    const int code = CodeCaractere(evenement);
    if (code < 0)
        return false;

    qint16 KeyAscii = static_cast<qint16>(code);
    emit KeyPress(KeyAscii);
    // A button types no text: dropping its character leaves the key's own
    // effect, such as Space pressing it.
    if (KeyAscii == code || !qobject_cast<QLineEdit*>(controle))
        return false;
    if (KeyAscii <= 0 || KeyAscii >= 128)
        return true;

    // Another character: the control receives it in place of the typed one.
    const QChar caractere(KeyAscii);
    const int touche = KeyAscii >= 32 ? caractere.toUpper().unicode() : int(Qt::Key_unknown);
    QKeyEvent remplacant(QEvent::KeyPress, touche, evenement.modifiers(), QString(caractere),
                         evenement.isAutoRepeat(), evenement.count());
    remplacementEnCours_ = true;
    QCoreApplication::sendEvent(controle, &remplacant);
    remplacementEnCours_ = false;
    return true;
}

// Dead keys and compose sequences, and input methods such as IBus or Fcitx,
// hand the field whole texts that no key press carries: each of their
// characters goes through the preview too. Their pre-edit text is never
// shown, since a field takes nothing but what the preview lets through.
bool Clavier::apercuSaisie(QObject* controle, const QInputMethodEvent& evenement)
{
    if (remplacementEnCours_ || !qobject_cast<QLineEdit*>(controle))
        return false;
    QString garde;
    for (const QChar caractere : evenement.commitString()) {
        auto KeyAscii = static_cast<qint16>(caractere.unicode() < 128 ? caractere.unicode() : CaractereInconnu);
        emit KeyPress(KeyAscii);
        if (KeyAscii >= 32 && KeyAscii < 128)
            garde += QChar(KeyAscii);
    }
    if (garde == evenement.commitString() && evenement.preeditString().isEmpty())
        return false;
    if (garde.isEmpty())
        return true;
    QInputMethodEvent remplacant;
    remplacant.setCommitString(garde);
    remplacementEnCours_ = true;
    QCoreApplication::sendEvent(controle, &remplacant);
    remplacementEnCours_ = false;
    return true;
}
