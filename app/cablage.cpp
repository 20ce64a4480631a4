#include "cablage.h"

#include "apercu_clavier.h"
#include "controle.h"
#include "frmabout.h"
#include "frmcalcul.h"
#include "relachement_touche.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

void Cabler(FrmCalcul& f)
{
    QObject::connect(Controle<QPushButton>(f, "cmdDebit"), &QPushButton::clicked, &f, &FrmCalcul::cmdDebit_Click);
    QObject::connect(Controle<QPushButton>(f, "cmdEvaluer"), &QPushButton::clicked, &f,
                     &FrmCalcul::cmdEvaluer_Click);
    new ApercuClavier(f, [&f](qint16& KeyAscii) { f.Form_KeyPress(KeyAscii); });
    QObject::connect(new RelachementTouche(*Controle<QLineEdit>(f, "txtLambda")), &RelachementTouche::KeyUp, &f,
                     &FrmCalcul::txtLambda_KeyUp);
    QObject::connect(Controle<QAction>(f, "mnuImprimer"), &QAction::triggered, &f, &FrmCalcul::mnuImprimer_Click);
    QObject::connect(Controle<QAction>(f, "mnuQuitter"), &QAction::triggered, &f, &FrmCalcul::mnuQuitter_Click);
    QObject::connect(Controle<QAction>(f, "mnuhelp"), &QAction::triggered, &f, &FrmCalcul::mnuhelp_Click);
    // Each opening of the About window builds one, to be wired before it shows.
    QObject::connect(&f, &FrmCalcul::frmAboutCree, &f, qOverload<FrmAbout&>(&Cabler));
}

void Cabler(FrmAbout& a)
{
    QObject::connect(Controle<QPushButton>(a, "cmdOK"), &QPushButton::clicked, &a, &FrmAbout::cmdOK_Click);
    QObject::connect(&a, &FrmAbout::Load, &a, &FrmAbout::Form_Load);
}
