#include "frmabout.h"

#include "polices.h"
#include "ui_frmAbout.h"

#include <corvane/version.h>

FrmAbout::FrmAbout(QWidget* proprietaire)
    : QDialog(proprietaire, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                                Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmAbout>())
{
    ui_->setupUi(this);
    AppliquerTailleDeConception(*this);
    // The design places the client area at a fixed point of the screen, which
    // a designed top-level window only keeps through its geometry.
    setGeometry(QRect(property("positionEcran").toPoint(), size()));
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::Form_Load()
{
    ui_->lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                                .arg(corvane::version::Majeur)
                                .arg(corvane::version::Mineur)
                                .arg(corvane::version::Revision));
}

void FrmAbout::cmdOK_Click()
{
    accept();
}

void FrmAbout::showEvent(QShowEvent* evenement)
{
    // Loaded once, when first shown; the system showing it again (back from
    // another desktop, say) is no new load.
    if (!charge_) {
        charge_ = true;
        ui_->cmdOK->setFocus();
        emit Load();
    }
    QDialog::showEvent(evenement);
}
