#include "frmcalcul.h"

#include "clavier.h"
#include "frmabout.h"

#include <QApplication>
#include <QLayout>

FrmCalcul::FrmCalcul(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    ui_.setupUi(this);
    // The design's client area and menu bar, and not a pixel more or less.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The window opens on the first parameter, whatever control Qt's focus chain starts with.
    ui_.txtCyl->setFocus();
    apercuClavier_ = Clavier::ApercuDe(this);
    relachementsLambda_ = Clavier::RelachementsDe(ui_.txtLambda);
}

void FrmCalcul::cmdDebit_Click()
{
    // Check the VE fields, read them with defaults for zeros, compute and show.
}

void FrmCalcul::cmdEvaluer_Click()
{
    // Check the D2 fields, read them with defaults for zeros, compute and show.
}

void FrmCalcul::Form_KeyPress(qint16& KeyAscii)
{
    // Let through only digits, the comma and Backspace; a point becomes a comma.
    Q_UNUSED(KeyAscii);
}

void FrmCalcul::txtLambda_KeyUp(int KeyCode, int Shift)
{
    // Show lambda × 14.7 in lblAF when the lambda text is a number.
    Q_UNUSED(KeyCode);
    Q_UNUSED(Shift);
}

void FrmCalcul::mnuImprimer_Click()
{
    // Print a snapshot of the window at the page's top-left corner.
}

void FrmCalcul::mnuQuitter_Click()
{
    // At once: nothing is stored, so nothing is asked or saved.
    QApplication::exit(0);
}

void FrmCalcul::mnuhelp_Click()
{
    if (!frmAbout_) {
        frmAbout_ = new FrmAbout(this);
        emit frmAboutCree(*frmAbout_);
    }
    frmAbout_->exec();
}
