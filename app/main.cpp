#include "cablage.h"
#include "demarrage.h"
#include "frmcalcul.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    PreparerApplication(application);
    FrmCalcul frmCalcul;
    Cabler(frmCalcul);
    frmCalcul.show();
    return QApplication::exec();
}
