#pragma once

#include "etiquette_resultat.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class FrmAbout;
class QPrinter;
namespace Ui {
class frmCalcul;
}

// The main window: the sizing and re-rating parameters, their results, the
// live air/fuel ratio and the menu. Its members named Control_Event are the
// handlers of the window's events; the program's wiring connects them.
class FrmCalcul : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmCalcul(QWidget* parent = nullptr);
    ~FrmCalcul() override;

    // Where "&Imprimer" prints, asked anew at each print: the system's
    // default printer unless another is given (a PDF file, for instance).
    using FabriqueImprimante = std::function<std::unique_ptr<QPrinter>()>;
    void utiliserImprimante(FabriqueImprimante fabrique);

    // Sizes the injectors from the ten sizing parameters.
    void cmdDebit_Click();
    // Re-rates an injector's flow at a new pressure.
    void cmdEvaluer_Click();
    // Sees every character typed in the window before its control does.
    void Form_KeyPress(qint16& KeyAscii);
    // Shows the air/fuel ratio of the typed lambda; neither argument matters.
    void txtLambda_KeyUp(int KeyCode, int Shift);
    // Prints a snapshot of the window.
    void mnuImprimer_Click();
    void mnuQuitter_Click();
    void mnuhelp_Click();

signals:
    // An About window was just built, for one opening: it needs its wiring.
    void frmAboutCree(FrmAbout& frmAbout);

private:
    // The designed form, first, so that the members after it can hold its controls.
    std::unique_ptr<Ui::frmCalcul> ui_;
    EtiquetteResultat veCyl_, veMoteur_, debInj_, debRes_, rapportAF_;
    FabriqueImprimante fabriqueImprimante_;
};
