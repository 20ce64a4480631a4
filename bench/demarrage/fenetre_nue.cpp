// The floor: a bare Qt Widgets program with one empty fixed-size window of
// the same size and flags, up to the first paint.
#include "sonde.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget fenetre(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    fenetre.setFixedSize(551, 245);
    SondePeinture sonde(fenetre);
    fenetre.show();
    return QApplication::exec();
}
