#include "frmcalcul.h"

#include "avertissement.h"
#include "capture_ecran.h"
#include "controle_zones.h"
#include "debit.h"
#include "evaluation.h"
#include "filtre_clavier.h"
#include "frmabout.h"
#include "impression.h"
#include "nombres.h"
#include "polices.h"
#include "titres_de_cadre.h"
#include "ui_frmCalcul.h"

#include <QApplication>
#include <QLayout>
#include <QPrinter>

using namespace corvane;

namespace {

// The core's texts are UTF-8 (ASCII, in fact: digits, comma and minus).
QString EnTexte(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

std::unique_ptr<Ui::frmCalcul> Concevoir(QMainWindow* fenetre)
{
    auto ui = std::make_unique<Ui::frmCalcul>();
    ui->setupUi(fenetre);
    return ui;
}

// The value of a field that the check has accepted, so that it converts.
double Lire(const QLineEdit* champ)
{
    return *ValeurTexte(champ->text().toStdString());
}

// The same, with a zero replaced by its default, in the field as well.
double Lire(QLineEdit* champ, const Defaut& defaut)
{
    const double valeur = Lire(champ);
    if (!defaut.remplace(valeur))
        return valeur;
    champ->setText(EnTexte(defaut.texte));
    return defaut.valeur;
}

QString Entier(double valeur)
{
    return EnTexte(FormatNombre(valeur, Motif::Entier));
}

QString MessageAnomalie(Anomalie anomalie)
{
    switch (anomalie) {
    case Anomalie::DivisionParZero:
        return QStringLiteral("Calcul impossible - les paramétres donnent une division par zéro");
    case Anomalie::OperationInvalide:
        return QStringLiteral("Calcul impossible - les paramétres donnent une opération sans résultat "
                              "(zéro divisé par zéro, ou racine d'un nombre négatif)");
    case Anomalie::Depassement:
        break;
    }
    return QStringLiteral("Calcul impossible - les paramétres donnent un résultat trop grand");
}

} // namespace

FrmCalcul::FrmCalcul(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(Concevoir(this)), veCyl_(ui_->lblVeCyl, ui_->Label13), veMoteur_(ui_->lblVeMoteur, ui_->Label25),
      debInj_(ui_->lblDebInj, ui_->Label16), debRes_(ui_->lblDebRes, ui_->Label32),
      rapportAF_(ui_->lblAF, ui_->Label12), fabriqueImprimante_(ImprimanteParDefaut)
{
    AppliquerTailleDeConception(*this);
    ColorerTitresDeCadre(*this);
    // Menus open in windows of their own, which take no font from this one:
    // the lists of the menu bar and the fields' context menus get the menu
    // bar's by class.
    QApplication::setFont(ui_->menubar->font(), "QMenu");
    // The design's client area and menu bar, and not a pixel more or less.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The window opens on the first parameter, whatever control Qt's focus chain starts with.
    ui_->txtCyl->setFocus();
}

FrmCalcul::~FrmCalcul() = default;

void FrmCalcul::utiliserImprimante(FabriqueImprimante fabrique)
{
    fabriqueImprimante_ = std::move(fabrique);
}

void FrmCalcul::cmdDebit_Click()
{
    if (!ControleZones(*this, GroupeDebit))
        return;
    ParametresMoteur p{};
    p.Cyl = Lire(ui_->txtCyl);
    p.RegMax = Lire(ui_->txtRegMax);
    p.Remplissage = Lire(ui_->txtRemplissage);
    p.Lambda = Lire(ui_->txtLambda, DefautsDebit::Lambda);
    p.NbCyl = Lire(ui_->txtNbCyl, DefautsDebit::NbCyl);
    p.DensiteEss = Lire(ui_->txtDensiteEss, DefautsDebit::DensiteEss);
    p.Patm = Lire(ui_->txtPatm);
    p.Temp = Lire(ui_->txtTemp);
    p.Cycle = Lire(ui_->txtCycle, DefautsDebit::Cycle);
    p.NbInj = Lire(ui_->txtNbInj, DefautsDebit::NbInj);

    const auto resultats = CalculDebit(p);
    if (!resultats.reussi()) {
        // No earlier result may stay on screen as if it belonged to these inputs.
        for (EtiquetteResultat* e : {&veCyl_, &veMoteur_, &debInj_})
            e->afficher({});
        Avertir(*this, MessageAnomalie(resultats.anomalie()));
        return;
    }
    veCyl_.afficher(Entier(resultats.valeur().VeCyl));
    veMoteur_.afficher(Entier(resultats.valeur().VeMoteur));
    debInj_.afficher(Entier(resultats.valeur().DebInj));
}

void FrmCalcul::cmdEvaluer_Click()
{
    if (!ControleZones(*this, GroupeEvaluation))
        return;
    const double debOri = Lire(ui_->txtDebOri);
    const double pori = Lire(ui_->txtPori, DefautsEvaluation::Pori);
    const double pdes = Lire(ui_->txtPdes, DefautsEvaluation::Pdes);

    const auto debRes = EvaluerDebit(debOri, pori, pdes);
    if (!debRes.reussi()) {
        debRes_.afficher({});
        Avertir(*this, MessageAnomalie(debRes.anomalie()));
        return;
    }
    debRes_.afficher(Entier(debRes.valeur()));
}

void FrmCalcul::Form_KeyPress(qint16& KeyAscii)
{
    FiltreClavier(KeyAscii);
}

void FrmCalcul::txtLambda_KeyUp(int, int)
{
    // Not a number yet, or beyond a double: the ratio stays as it was.
    const auto lambda = ValeurTexte(ui_->txtLambda->text().toStdString());
    if (!lambda)
        return;
    const auto rapport = RapportAirEssence(*lambda);
    if (rapport.reussi())
        rapportAF_.afficher(EnTexte(FormatNombre(rapport.valeur(), Motif::DeuxDecimales)));
}

void FrmCalcul::mnuImprimer_Click()
{
    CaptureEcran(1, *ui_->picDest);
    const std::unique_ptr<QPrinter> imprimante = fabriqueImprimante_();
    if (!imprimante) {
        Avertir(*this, QStringLiteral("Impression impossible - aucune imprimante n'est installée"));
        return;
    }
    if (const auto refus = ImprimerImage(*imprimante, ui_->picDest->pixmap()))
        Avertir(*this, *refus);
}

void FrmCalcul::mnuQuitter_Click()
{
    // At once: nothing is stored, so nothing is asked or saved.
    QApplication::exit(0);
}

void FrmCalcul::mnuhelp_Click()
{
    // Built afresh by each opening and unloaded by every way of closing it:
    // nothing of one opening (place, scrolled text, focus) reaches the next.
    FrmAbout frmAbout(this);
    emit frmAboutCree(frmAbout);
    frmAbout.exec();
}
