#include "capture_ecran.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace {

bool EcranLisible()
{
    const QString plateforme = QGuiApplication::platformName();
    return plateforme == QLatin1String("xcb") || plateforme == QLatin1String("windows") ||
           plateforme == QLatin1String("cocoa");
}

} // namespace

void CaptureEcran(int, QLabel& cible)
{
    QWidget* fenetre = QApplication::activeWindow();
    if (!fenetre)
        fenetre = cible.window();
    // The menu that ran the command has just closed: paint what it uncovered
    // now, since nothing may wait for the event loop before the print.
    fenetre->repaint();

    QPixmap image;
    QScreen* ecran = fenetre->screen();
    if (EcranLisible() && ecran) {
        const QRect zone = fenetre->frameGeometry();
        const QPoint coin = zone.topLeft() - ecran->geometry().topLeft();
        image = ecran->grabWindow(0, coin.x(), coin.y(), zone.width(), zone.height());
    }
    if (image.isNull())
        image = fenetre->grab();
    cible.setPixmap(image);
}
