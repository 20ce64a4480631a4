#include "cablage.h"

#include "clavier.h"
#include "frmabout.h"
#include "frmcalcul.h"

void Cabler(FrmCalcul& f)
{
    const Ui::frmCalcul& ui = f.ui();
    QObject::connect(ui.cmdDebit, &QPushButton::clicked, &f, &FrmCalcul::cmdDebit_Click);
    QObject::connect(ui.cmdEvaluer, &QPushButton::clicked, &f, &FrmCalcul::cmdEvaluer_Click);
    QObject::connect(f.apercuClavier(), &Clavier::KeyPress, &f, &FrmCalcul::Form_KeyPress);
    QObject::connect(f.relachementsLambda(), &Clavier::KeyUp, &f, &FrmCalcul::txtLambda_KeyUp);
    QObject::connect(ui.mnuImprimer, &QAction::triggered, &f, &FrmCalcul::mnuImprimer_Click);
    QObject::connect(ui.mnuQuitter, &QAction::triggered, &f, &FrmCalcul::mnuQuitter_Click);
    QObject::connect(ui.mnuhelp, &QAction::triggered, &f, &FrmCalcul::mnuhelp_Click);
    // Each opening of the About window builds one, to be wired before it shows.
    QObject::connect(&f, &FrmCalcul::frmAboutCree, &f, qOverload<FrmAbout&>(&Cabler));
}

void Cabler(FrmAbout& a)
{
    QObject::connect(a.ui().cmdOK, &QPushButton::clicked, &a, &FrmAbout::cmdOK_Click);
    QObject::connect(&a, &FrmAbout::Load, &a, &FrmAbout::Form_Load);
}
