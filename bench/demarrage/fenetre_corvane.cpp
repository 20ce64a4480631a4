// Corvane's start-up, as the program's entry point does it, up to the first paint.
#include "sonde.h"
#include "cablage.h"
#include "demarrage.h"
#include "frmcalcul.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    PreparerApplication(application);
    FrmCalcul frmCalcul;
    Cabler(frmCalcul);
    SondePeinture sonde(frmCalcul);
    frmCalcul.show();
    return QApplication::exec();
}
