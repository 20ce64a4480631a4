#pragma once

#include <QObject>

class QInputMethodEvent;
class QKeyEvent;
class QMainWindow;
class QWidget;

// The keyboard events of the window's handlers, taken from Qt's key events.
//
// KeyPress is the window's key preview: raised for every character typed in
// any control of the window before that control sees it, whether a key press
// or an input method (dead keys, compose sequences) delivers it. In a text field the
// handler may change the character code, or set it to 0 to drop the
// character. Keys that type no character (Tab, arrows, Delete, access keys)
// are not seen.
//
// KeyUp is raised for each key released in one control.
class Clavier : public QObject {
    Q_OBJECT

public:
    // Previews the characters typed in every control of the window.
    static Clavier* ApercuDe(QMainWindow* fenetre);
    // Reports the keys released in one control.
    static Clavier* RelachementsDe(QWidget* controle);

    // The character code of a key press: its ASCII code, 8 for Backspace, 127
    // for Ctrl+Backspace, 1 to 26 for Ctrl with a letter, CaractereInconnu for
    // any other character; nothing (-1) for a key that types no character.
    static int CodeCaractere(const QKeyEvent& evenement);
    static constexpr qint16 CaractereInconnu = 255;

signals:
    void KeyPress(qint16& KeyAscii);
    void KeyUp(int KeyCode, int Shift);

protected:
    bool eventFilter(QObject* controle, QEvent* evenement) override;

private:
    enum class Role { Apercu, Relachements };
    Clavier(QObject* parent, Role role) : QObject(parent), role_(role) {}

    bool apercu(QObject* controle, const QKeyEvent& evenement);
    bool apercuSaisie(QObject* controle, const QInputMethodEvent& evenement);

    const Role role_;
    bool remplacementEnCours_ = false;
};
