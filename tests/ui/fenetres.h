#pragma once

#include "frmcalcul.h"

#include <functional>

class QWidget;

// The main window as the program builds it: designed, wired, shown and active.
class FenetreCablee {
public:
    FenetreCablee();
    FrmCalcul& operator*() { return fenetre_; }
    FrmCalcul* operator->() { return &fenetre_; }

private:
    FrmCalcul fenetre_;
};

// Runs `action` on the modal window as soon as one is open (a message box,
// the About window), from the event loop that the modal window runs.
void QuandModaleOuverte(std::function<void(QWidget* modale)> action);
